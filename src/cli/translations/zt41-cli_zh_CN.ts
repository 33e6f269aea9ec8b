<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>参数：</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[选项]</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示帮助，包括 Qt 专用选项。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”后有多余的值。</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>%1: cannot open the database</source>
        <translation>%1：无法打开数据库</translation>
    </message>
    <message>
        <source>%1: not a channel database (no table Chane)</source>
        <translation>%1：不是信道数据库（没有 Chane 表）</translation>
    </message>
    <message>
        <source>%1: table Chane has %2 rows, not 16</source>
        <translation>%1：Chane 表有 %2 行，不是 16 行</translation>
    </message>
    <message>
        <source>holds fewer than 97 values</source>
        <translation>少于 97 个数值</translation>
    </message>
    <message>
        <source>holds a value longer than 1024 characters</source>
        <translation>有一个数值超过 1024 个字符</translation>
    </message>
    <message>
        <source>is not a text file</source>
        <translation>不是文本文件</translation>
    </message>
    <message>
        <source>holds a number too large</source>
        <translation>有一个数字太大</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>channel number</source>
        <translation>信道号</translation>
    </message>
    <message>
        <source>receive frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>发送频率</translation>
    </message>
    <message>
        <source>receive tone</source>
        <translation>收哑音</translation>
    </message>
    <message>
        <source>transmit tone</source>
        <translation>发哑音</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1：文件不存在</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>%1: not taken as CHIRP CSV: %2</source>
        <translation>%1：无法作为 CHIRP CSV 导入：%2</translation>
    </message>
    <message>
        <source>%1: not a channel file: it %2</source>
        <translation>%1：不是信道文件：%2</translation>
    </message>
    <message>
        <source>%1: channel %2: the %3 cannot be sent to the radio</source>
        <translation>%1：信道 %2：%3无法写入对讲机</translation>
    </message>
    <message>
        <source>%1 is a channel database: zt41-cli never changes one; write a .doc or .csv file and load it in the window</source>
        <translation>%1 是信道数据库：zt41-cli 从不修改数据库；请写成 .doc 或 .csv 文件，再在窗口中打开</translation>
    </message>
    <message>
        <source>%1: unknown kind of file: give a name ending in .doc (channel file) or .csv (CHIRP CSV)</source>
        <translation>%1：无法识别的文件类型：文件名请以 .doc（信道文件）或 .csv（CHIRP CSV）结尾</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>The squelch level for a channel database or a CSV file, which hold none (default 3).</source>
        <translation>信道数据库和 CSV 文件不含静噪级别，用此值作为静噪级别（默认 3）。</translation>
    </message>
    <message>
        <source>%1 takes one FILE</source>
        <translation>%1 需要一个文件</translation>
    </message>
    <message>
        <source>%1 takes two FILES</source>
        <translation>%1 需要两个文件</translation>
    </message>
    <message>
        <source>Prints the squelch level and the 16 channels of a channel file (.doc), a CHIRP CSV file (.csv) or the channel database ZT41XE.mdb.</source>
        <translation>显示信道文件（.doc）、CHIRP CSV 文件（.csv）或信道数据库 ZT41XE.mdb 中的静噪级别和 16 个信道。</translation>
    </message>
    <message>
        <source>The file to show.</source>
        <translation>要显示的文件。</translation>
    </message>
    <message>
        <source>Lists what differs between two channel files, CSV files or databases, field by field, as the radio would hold them. Exit status 3 when they differ.</source>
        <translation>按对讲机中保存的形式，逐项列出两个信道文件、CSV 文件或数据库之间的不同之处。有不同时退出状态为 3。</translation>
    </message>
    <message>
        <source>The first file.</source>
        <translation>第一个文件。</translation>
    </message>
    <message>
        <source>The second file.</source>
        <translation>第二个文件。</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 中</translation>
    </message>
    <message>
        <source>no differences</source>
        <translation>没有不同</translation>
    </message>
    <message>
        <source>Converts between a channel file (.doc), a CHIRP CSV file (.csv) and, as input only, the channel database ZT41XE.mdb. The kind of OUT is taken from its name; a database is never written. A CSV file holds no squelch level: from CSV the level is --squelch (default 3), to CSV it is left out. What a CSV import cannot take as it stands is left empty and named on standard error, one line each.</source>
        <translation>在信道文件（.doc）、CHIRP CSV 文件（.csv）之间转换，信道数据库 ZT41XE.mdb 只能作为输入。OUT 的类型由文件名决定；从不写入数据库。CSV 文件不含静噪级别：从 CSV 转换时静噪级别取 --squelch（默认 3），转换为 CSV 时不保存静噪级别。CSV 中无法照原样导入的值留空，并在标准错误输出中逐行列出。</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>要读取的文件。</translation>
    </message>
    <message>
        <source>The file to write, ending in .doc or .csv.</source>
        <translation>要写入的文件，以 .doc 或 .csv 结尾。</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see zt41-cli --help</source>
        <translation>未知命令“%1”；请看 zt41-cli --help</translation>
    </message>
    <message>
        <source>The radio&apos;s port: COM1 to COM8 or a device path. Give it several times, or a comma list, for several radios at once.</source>
        <translation>对讲机的端口：COM1 至 COM8 或设备路径。给出多次或用逗号分隔，可同时操作多台对讲机。</translation>
    </message>
    <message>
        <source>COM1, COM2, ... are these devices, as with the window&apos;s --ports.</source>
        <translation>COM1、COM2…… 依次对应这些设备，与窗口程序的 --ports 相同。</translation>
    </message>
    <message>
        <source>How long to wait for the radio to answer (default 3).</source>
        <translation>等待对讲机应答的秒数（默认 3）。</translation>
    </message>
    <message>
        <source>Print the outcome of each radio as one JSON document.</source>
        <translation>以一个 JSON 文档输出每台对讲机的结果。</translation>
    </message>
    <message>
        <source>The squelch level to send with a channel database or a CSV file, which hold none (default 3).</source>
        <translation>信道数据库和 CSV 文件不含静噪级别，写入时用此值作为静噪级别（默认 3）。</translation>
    </message>
    <message>
        <source>--ports: %1</source>
        <translation>--ports：%1</translation>
    </message>
    <message>
        <source>%1 is not mapped to a device</source>
        <translation>%1 没有对应的设备</translation>
    </message>
    <message>
        <source>unknown port &quot;%1&quot;: give COM1 to COM8 or a device path</source>
        <translation>未知端口“%1”：请给出 COM1 至 COM8 或设备路径</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 给出了两次</translation>
    </message>
    <message>
        <source>no port: give --port PORT</source>
        <translation>没有端口：请用 --port 端口 给出</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中断</translation>
    </message>
    <message>
        <source>Save the channels read: as CHIRP CSV when FILE ends in .csv, otherwise as a channel file.</source>
        <translation>保存读取的信道：FILE 以 .csv 结尾时存为 CHIRP CSV，否则存为信道文件。</translation>
    </message>
    <message>
        <source>Do not keep what the radio held first.</source>
        <translation>不备份对讲机原有的信道。</translation>
    </message>
    <message>
        <source>Do not read back and compare.</source>
        <translation>写入后不读回校验。</translation>
    </message>
    <message>
        <source>Reads the 16 channels and the squelch level from each radio and prints them, or saves them with -o.</source>
        <translation>读取每台对讲机的 16 个信道和静噪级别并显示，或用 -o 保存。</translation>
    </message>
    <message>
        <source>A channel file (.doc), a CHIRP CSV file (.csv) or the channel database ZT41XE.mdb, read only.</source>
        <translation>信道文件（.doc）、CHIRP CSV 文件（.csv）或信道数据库 ZT41XE.mdb（只读）。</translation>
    </message>
    <message>
        <source>Waits for each radio, keeps what it holds as a channel file under $XDG_DATA_HOME/zt41/backups, writes FILE into it, then reads it back and compares field by field.</source>
        <translation>等待每台对讲机就绪，将其原有信道备份为 $XDG_DATA_HOME/zt41/backups 下的信道文件，写入 FILE，再读回逐项校验。</translation>
    </message>
    <message>
        <source>Reads each radio and compares what it holds with FILE, field by field.</source>
        <translation>读取每台对讲机，将其中的信道与 FILE 逐项校验。</translation>
    </message>
    <message>
        <source>read takes no file; use -o FILE</source>
        <translation>read 不接受文件参数；请用 -o FILE</translation>
    </message>
    <message>
        <source>--wait wants a number of seconds</source>
        <translation>--wait 需要秒数</translation>
    </message>
    <message>
        <source>-o takes one port</source>
        <translation>-o 只能用于一个端口</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>收哑音</translation>
    </message>
    <message>
        <source>TX MHz</source>
        <translation>发送频率</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>发哑音</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>拍频</translation>
    </message>
    <message>
        <source>power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>squelch level: %1</source>
        <translation>静噪级别：%1</translation>
    </message>
    <message>
        <source>squelch level</source>
        <translation>静噪级别</translation>
    </message>
    <message>
        <source>channel %1: %2: %3 %4, %5 %6</source>
        <extracomment>&quot;channel 3: receive tone: 67.0 expected, 71.9 in the radio&quot;</extracomment>
        <translation>信道 %1：%2：%3（%4），%5（%6）</translation>
    </message>
    <message>
        <source>opens</source>
        <translation>可以打开</translation>
    </message>
    <message>
        <source>COM%1 is not mapped to a device</source>
        <translation>COM%1 没有对应的设备</translation>
    </message>
    <message>
        <source>%1: no such device</source>
        <translation>%1：设备不存在</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it</source>
        <translation>%1 忙：另一个程序正在使用</translation>
    </message>
    <message>
        <source>%1: no permission to open it</source>
        <translation>%1：没有打开的权限</translation>
    </message>
    <message>
        <source>%1: no permission to open it; membership in group %2 grants access</source>
        <translation>%1：没有打开的权限；加入 %2 组即可使用</translation>
    </message>
    <message>
        <source>%1 refuses 1200 bit/s 8N1: %2</source>
        <translation>%1 不接受 1200 bit/s 8N1：%2</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>%1 done</source>
        <translation>%1完成</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>端口没有打开</translation>
    </message>
    <message>
        <source>the %1 failed at frame %2 of 16: the port refused data (cable pulled?)</source>
        <translation>%1在第 %2 帧（共 16 帧）失败：端口拒绝发送数据（写频电缆被拔出？）</translation>
    </message>
    <message>
        <source>channel %1 holds a value the radio cannot take</source>
        <translation>信道 %1 有对讲机无法接受的数值</translation>
    </message>
    <message>
        <source>the radio stopped sending: frame %1 of 16 did not come</source>
        <translation>对讲机停止发送：第 %1 帧（共 16 帧）没有收到</translation>
    </message>
    <message>
        <source>the radio sent garbage: frame %1 of 16 is not 28 digits</source>
        <translation>对讲机发来错误数据：第 %1 帧（共 16 帧）不是 28 位数字</translation>
    </message>
    <message>
        <source>the port went away during the read (cable pulled?)</source>
        <translation>读取时端口断开（写频电缆被拔出？）</translation>
    </message>
    <message>
        <source>the channels read could not be kept</source>
        <translation>读取的信道无法保存</translation>
    </message>
    <message>
        <source>frame %1 of 16</source>
        <translation>第 %1 帧，共 16 帧</translation>
    </message>
    <message>
        <source>, ok</source>
        <translation>，成功</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>FAILED (%1): %2</source>
        <translation>失败（%1）：%2</translation>
    </message>
    <message>
        <source>; backup %1</source>
        <translation>；备份 %1</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>应为</translation>
    </message>
    <message>
        <source>in the radio</source>
        <translation>对讲机中</translation>
    </message>
    <message>
        <source>not mapped</source>
        <translation>没有对应设备</translation>
    </message>
    <message>
        <source>opens; a radio answers</source>
        <translation>可以打开；对讲机有应答</translation>
    </message>
    <message>
        <source>opens; no radio answers</source>
        <translation>可以打开；对讲机无应答</translation>
    </message>
    <message>
        <source>Lists COM1 to COM8 and every /dev/serial/by-id link with its device, and whether it opens, is busy or may not be opened.</source>
        <translation>列出 COM1 至 COM8 及 /dev/serial/by-id 下的每个链接、对应的设备，以及能否打开、是否忙或没有权限。</translation>
    </message>
    <message>
        <source>Also send &quot;C&quot; and say whether a radio answers within a second.</source>
        <translation>同时发送“C”，看对讲机是否在一秒内应答。</translation>
    </message>
    <message>
        <source>COM1, COM2, ... are these devices.</source>
        <translation>COM1、COM2…… 依次对应这些设备。</translation>
    </message>
    <message>
        <source>ports takes no arguments</source>
        <translation>ports 不接受参数</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>no answer from the radio within %1 s: is it switched on, on this port, with the cable plugged in?</source>
        <translation>对讲机 %1 秒内无应答：对讲机是否开机、端口是否正确、写频电缆是否插好？</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>排队中</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>打开端口</translation>
    </message>
    <message>
        <source>waiting for the radio</source>
        <translation>等待对讲机</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>done</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>the port does not open: %1</source>
        <translation>端口无法打开：%1</translation>
    </message>
    <message>
        <source>the port went away (cable pulled?)</source>
        <translation>端口断开（写频电缆被拔出？）</translation>
    </message>
    <message>
        <source>verify found %1 difference(s), the first: %2</source>
        <translation>校验发现 %1 处不同，第一处：%2</translation>
    </message>
    <message>
        <source>cannot save the backup %1; nothing was written</source>
        <translation>无法保存备份 %1；没有写入对讲机</translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>--squelch: &quot;%1&quot; is no squelch level: give 0 to 9</source>
        <translation>--squelch：“%1”不是静噪级别：请给出 0 至 9</translation>
    </message>
    <message>
        <source>%1 not written: it would not load back (a value too long, a number too large, or quotes the file cannot carry)</source>
        <translation>%1 未写入：写入后无法读回（数值过长、数字过大，或文件无法保存的引号）</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>outside 130 to 500 MHz</source>
        <translation>不在 130 至 500 MHz 之内</translation>
    </message>
    <message>
        <source>on neither the 5 kHz nor the 6.25 kHz step</source>
        <translation>不在 5 kHz 或 6.25 kHz 的步进上</translation>
    </message>
    <message>
        <source>finer than the radio&apos;s 10 Hz</source>
        <translation>精度超过本机的 10 Hz</translation>
    </message>
    <message>
        <source>not one of the radio&apos;s 39 CTCSS tones</source>
        <translation>不是本机的 39 个哑音之一</translation>
    </message>
    <message>
        <source>neither on nor off, H nor L</source>
        <translation>不是 on/off 或 H/L</translation>
    </message>
    <message>
        <source>not a squelch level from 0 to 9</source>
        <translation>不是 0 至 9 的静噪级别</translation>
    </message>
    <message>
        <source>not the channel&apos;s place: the rows are out of order</source>
        <translation>与信道位置不符：各行顺序错乱</translation>
    </message>
    <message>
        <source>squelch level &quot;%1&quot;: %2</source>
        <extracomment>&quot;squelch level &quot;12&quot;: not a squelch level from 0 to 9&quot;</extracomment>
        <translation>静噪级别“%1”：%2</translation>
    </message>
    <message>
        <source>channel %1: %2 &quot;%3&quot;: %4</source>
        <extracomment>&quot;channel 1: receive frequency &quot;600.00000&quot;: outside 130 to 500 MHz&quot;</extracomment>
        <translation>信道 %1：%2“%3”：%4</translation>
    </message>
    <message>
        <source>squelch level: %1 %2, %3 %4</source>
        <extracomment>&quot;squelch level: 3 in a.doc, 9 in b.doc&quot;</extracomment>
        <translation>静噪级别：%1（%2），%3（%4）</translation>
    </message>
    <message>
        <source>frame %1 of 16 is out of place: its channel number is not %2 (a radio written with misnumbered channels, or a lost character)</source>
        <translation>第 %1/16 帧位置不符：其信道号不是 %2（对讲机写入时信道编号有误，或丢失了一个字符）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>HOME is not set: no place for the backups (set XDG_DATA_HOME, or give --no-backup)</source>
        <translation>未设置 HOME：备份无处存放（请设置 XDG_DATA_HOME，或使用 --no-backup）</translation>
    </message>
    <message>
        <source>cannot write backups into %1; nothing was sent</source>
        <translation>无法在 %1 中写入备份；未发送任何数据</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist or cannot be written</source>
        <translation>%1：文件夹 %2 不存在或无法写入</translation>
    </message>
    <message>
        <source>%1 is not a plain file that can be written</source>
        <translation>%1 不是可写入的普通文件</translation>
    </message>
    <message>
        <source>%1: nothing was sent</source>
        <translation>%1：未发送任何数据</translation>
    </message>
    <message>
        <source>zt41-cli: </source>
        <extracomment>What stands before each message on standard error.</extracomment>
        <translation>zt41-cli：</translation>
    </message>
    <message>
        <source>USB %1:%2%3, driver %4</source>
        <translation>USB %1:%2%3，驱动 %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>advice: close the other program that uses the cable</source>
        <translation>建议：关闭正在使用连接线的另一个程序</translation>
    </message>
    <message>
        <source>advice: close %1, which holds it</source>
        <translation>建议：关闭占用它的 %1</translation>
    </message>
    <message>
        <source>advice: you are in group %1 already: log out and in again</source>
        <translation>建议：您已在 %1 组中：请注销后重新登录</translation>
    </message>
    <message>
        <source>advice: sudo adduser $USER %1, then log out and in again</source>
        <translation>建议：执行 sudo adduser $USER %1，然后注销并重新登录</translation>
    </message>
    <message>
        <source>advice: plug the cable in; if it is in, the system does not take its chip (see dmesg)</source>
        <translation>建议：插上连接线；如已插上，则系统不识别其芯片（见 dmesg）</translation>
    </message>
    <message>
        <source>a radio answers &quot;C&quot;: ready</source>
        <translation>对讲机应答“C”：已就绪</translation>
    </message>
    <message>
        <source>no answer to &quot;C&quot; within a second</source>
        <translation>一秒内没有应答“C”</translation>
    </message>
    <message>
        <source>advice: switch the radio on, push the plug fully home, and check that this is the radio&apos;s port</source>
        <translation>建议：打开对讲机电源，把插头插到底，并确认这是对讲机的端口</translation>
    </message>
    <message>
        <source>our own bytes came back</source>
        <translation>发出的字节被原样送回</translation>
    </message>
    <message>
        <source>advice: a looped cable, or a device that is not the radio</source>
        <translation>建议：连接线被短接成回环，或该设备不是对讲机</translation>
    </message>
    <message>
        <source>an unexpected answer: %1</source>
        <translation>意外的应答：%1</translation>
    </message>
    <message>
        <source>advice: not a ZT41, or a line at another speed</source>
        <translation>建议：不是 ZT41，或线路速率不同</translation>
    </message>
    <message>
        <source>brltty (pid %1) runs: it claims CH340 cables for braille displays; without one, sudo apt remove brltty</source>
        <translation>brltty（pid %1）正在运行：它会把 CH340 连接线当作盲文显示器占用；如不使用盲文显示器，请执行 sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 (pid %2) runs: it probes new serial ports; the program&apos;s udev rule keeps it off radio cables, or stop it while programming</source>
        <translation>%1（pid %2）正在运行：它会探测新的串行端口；本程序的 udev 规则会让它避开对讲机连接线，或在写频时停止它</translation>
    </message>
    <message>
        <source>doctor takes no arguments</source>
        <translation>doctor 不接受参数</translation>
    </message>
    <message>
        <source>Draws the channel card as a one-page A4 PDF: the date, the squelch level, a table of the 16 channels with an empty column for notes, and a strip to cut out and keep with the radio.</source>
        <translation>把信道表画成一页 A4 的 PDF：日期、静噪级别、16 个信道的表格（带一栏空白备注），以及一条可剪下随对讲机保存的纸条。</translation>
    </message>
    <message>
        <source>A channel file, CSV file or channel database.</source>
        <translation>信道文件、CSV 文件或信道数据库。</translation>
    </message>
    <message>
        <source>The PDF file to write.</source>
        <translation>要写入的 PDF 文件。</translation>
    </message>
    <message>
        <source>give the PDF to write with -o FILE.pdf</source>
        <translation>请用 -o 文件.pdf 给出要写入的 PDF</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>The service, by its identifier (zt41-cli services).</source>
        <translation>频段，用它的标识给出（见 zt41-cli services）。</translation>
    </message>
    <message>
        <source>%1 takes no FILE</source>
        <translation>%1 不接受文件参数</translation>
    </message>
    <message>
        <source>give the service with --service ID, one of: %1</source>
        <translation>请用 --service 标识 给出频段，可选：%1</translation>
    </message>
    <message>
        <source>unknown service &quot;%1&quot;; the services are: %2</source>
        <translation>未知频段“%1”；可选的频段有：%2</translation>
    </message>
    <message>
        <source>channel %1: %2 %3 is not a channel of %4; the nearest is its channel %5, %6 MHz</source>
        <translation>信道 %1：%2 %3 不是 %4 的信道；最近的是它的第 %5 信道，%6 MHz</translation>
    </message>
    <message>
        <source>channel %1: transmit frequency %2 differs from the receive frequency, and %3 allows no split or repeater offset; the nearest of its channels is %4, %5 MHz</source>
        <translation>信道 %1：发送频率 %2 与接收频率不同，%3 不允许异频或中继差频；最近的是它的第 %4 信道，%5 MHz</translation>
    </message>
    <message>
        <source>Lists the licence-free services that check and plan know: identifier, name, channels, power limit and who may use them.</source>
        <translation>列出 check 和 plan 认识的免执照频段：标识、名称、信道、功率上限以及谁可以使用。</translation>
    </message>
    <message>
        <source>%1 channels, %2 to %3 MHz, %4, at most %5</source>
        <translation>%1 个信道，%2 至 %3 MHz，%4，最多 %5</translation>
    </message>
    <message>
        <source>simplex</source>
        <translation>收发同频</translation>
    </message>
    <message>
        <source>split allowed</source>
        <translation>可异频</translation>
    </message>
    <message>
        <source>Print the findings as JSON.</source>
        <translation>以 JSON 输出检查结果。</translation>
    </message>
    <message>
        <source>every channel keeps to %1</source>
        <translation>全部信道符合%1</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s) against %1</source>
        <translation>
            <numerusform>发现 %n 处不符合%1</numerusform>
        </translation>
    </message>
    <message>
        <source>give the file to write with -o FILE</source>
        <translation>请用 -o 文件 给出要写入的文件</translation>
    </message>
    <message>
        <source>no serial port found: plug the cable in (see dmesg)</source>
        <translation>没有找到串行端口：请插上连接线（见 dmesg）</translation>
    </message>
    <message>
        <source>no folder to watch: %1</source>
        <translation>没有可监视的文件夹：%1</translation>
    </message>
    <message>
        <source>cannot write the report %1</source>
        <translation>无法写入报告 %1</translation>
    </message>
    <message>
        <source>done %1, failed %2, in progress %3; Ctrl+C stops watching</source>
        <translation>完成 %1，失败 %2，进行中 %3；按 Ctrl+C 停止监视</translation>
    </message>
    <message>
        <source>no more radios; waiting for %1 in progress (Ctrl+C again ends them)</source>
        <translation>不再接受新的对讲机；等待进行中的 %1 台（再按 Ctrl+C 立即结束）</translation>
    </message>
    <message>
        <source>The programming line: program each radio as it is plugged in (watching /dev/serial/by-id and /dev), until Ctrl+C.</source>
        <translation>写频流水线：每插上一台对讲机就写入一台（监视 /dev/serial/by-id 和 /dev），直到按 Ctrl+C。</translation>
    </message>
    <message>
        <source>With --watch: watch this folder of devices or links to them instead.</source>
        <translation>与 --watch 同用：改为监视这个存放设备或设备链接的文件夹。</translation>
    </message>
    <message>
        <source>With --watch: leave the radios already plugged in at the start alone.</source>
        <translation>与 --watch 同用：不处理开始时已插上的对讲机。</translation>
    </message>
    <message>
        <source>--watch finds the ports itself: give no --port</source>
        <translation>--watch 自行寻找端口：请勿给出 --port</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>无法打开该文件。</translation>
    </message>
    <message>
        <source>the file is far too large for a channel list</source>
        <translation>文件太大，不是信道列表。</translation>
    </message>
    <message>
        <source>not a text file, so not CSV</source>
        <translation>不是文本文件，不是 CSV 文件。</translation>
    </message>
    <message>
        <source>a quoted value never ends: not a valid CSV file</source>
        <translation>有一个引号没有结束，不是有效的 CSV 文件。</translation>
    </message>
    <message>
        <source>the file is empty: no header line</source>
        <translation>文件是空的，没有标题行。</translation>
    </message>
    <message>
        <source>the header line has no Frequency column: not a CHIRP CSV file</source>
        <translation>第一行没有 Frequency 列，不是 CHIRP 的 CSV 文件。</translation>
    </message>
    <message>
        <source>no row has a usable receive frequency</source>
        <translation>没有一行带有可用的接收频率。</translation>
    </message>
    <message>
        <source>the channel database could not be written</source>
        <translation>信道数据库无法写入。</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>文件无法写入。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A CSV column: what it holds, then its name in the file.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>is not a number; left empty</source>
        <translation>不是数字，已留空</translation>
    </message>
    <message>
        <source>is outside 130 to 500 MHz; left empty</source>
        <translation>不在 130 至 500 MHz 之内，已留空</translation>
    </message>
    <message>
        <source>is on neither the 5 kHz nor the 6.25 kHz step; left empty</source>
        <translation>不在 5 kHz 或 6.25 kHz 的步进上，已留空</translation>
    </message>
    <message>
        <source>is not known; transmit frequency left empty</source>
        <translation>无法识别，发送频率已留空</translation>
    </message>
    <message>
        <source>is not one of the radio&apos;s 39 CTCSS tones; left empty</source>
        <translation>不是本机的 39 个哑音之一，已留空</translation>
    </message>
    <message>
        <source>is not supported by the radio; tones left empty</source>
        <translation>本机不支持，哑音已留空</translation>
    </message>
    <message>
        <source>is not known; left empty</source>
        <translation>无法识别，已留空</translation>
    </message>
    <message>
        <source>is not FM, the radio&apos;s only mode; imported as FM</source>
        <translation>本机只有 FM，按 FM 导入</translation>
    </message>
    <message>
        <source>is not a whole number; the row was placed last</source>
        <translation>不是整数，该行排在最后</translation>
    </message>
    <message>
        <source>has digits finer than the radio&apos;s 10 Hz; left empty</source>
        <translation>精度超过 10 Hz，本机无法存储，已留空</translation>
    </message>
    <message>
        <source>is negative while Duplex gives the direction; transmit frequency left empty</source>
        <translation>与收发差方向（+/-）同时为负数，含义不明，发送频率已留空</translation>
    </message>
    <message>
        <source>differs from cToneFreq; TSQL uses cToneFreq both ways</source>
        <translation>与 cToneFreq 不同，TSQL 收发同用 cToneFreq</translation>
    </message>
    <message>
        <source>%1 rows beyond the 16 channels were left out</source>
        <translation>另有 %1 行超出 16 个信道，没有导入。</translation>
    </message>
    <message>
        <source>channel %1: the frequency &quot;%2&quot; stands without a usable receive frequency, which a CHIRP row needs; the channel was left out</source>
        <translation>信道 %1：频率「%2」没有可用的接收频率，CHIRP 的一行放不下，该信道未导出。</translation>
    </message>
    <message>
        <source>channel %1: </source>
        <translation>信道 %1：</translation>
    </message>
    <message>
        <source>line %1 (channel %2): </source>
        <translation>第 %1 行（信道 %2）：</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>第 %1 行：</translation>
    </message>
    <message>
        <source>%1%2 &quot;%3&quot; %4</source>
        <extracomment>Where, which column, the value and what is wrong with it.</extracomment>
        <translation>%1%2「%3」%4。</translation>
    </message>
    <message>
        <source>receive frequency</source>
        <comment>a CSV column</comment>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <comment>a CSV column</comment>
        <translation>发送频率</translation>
    </message>
    <message>
        <source>duplex</source>
        <comment>a CSV column</comment>
        <translation>收发方式</translation>
    </message>
    <message>
        <source>transmit tone</source>
        <comment>a CSV column</comment>
        <translation>发射哑音</translation>
    </message>
    <message>
        <source>tone</source>
        <comment>a CSV column</comment>
        <translation>哑音</translation>
    </message>
    <message>
        <source>tone mode</source>
        <comment>a CSV column</comment>
        <translation>哑音方式</translation>
    </message>
    <message>
        <source>cross mode</source>
        <comment>a CSV column</comment>
        <translation>哑音方式</translation>
    </message>
    <message>
        <source>power</source>
        <comment>a CSV column</comment>
        <translation>功率</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>a CSV column</comment>
        <translation>调制方式</translation>
    </message>
    <message>
        <source>location</source>
        <comment>a CSV column</comment>
        <translation>位置</translation>
    </message>
    <message>
        <source>%1: the columns of table Chane are not no, rf, rct, tf, tct, bt, pw</source>
        <translation>%1：Chane 表的列不是 no, rf, rct, tf, tct, bt, pw</translation>
    </message>
    <message>
        <source>%1: a column of table Chane is numeric and changes the texts stored in it</source>
        <translation>%1：Chane 表有一列是数值类型，会改变存入的文字</translation>
    </message>
    <message>
        <source>%1: rows of table Chane share a rowid</source>
        <translation>%1：Chane 表有行共用同一个 rowid</translation>
    </message>
    <message>
        <source>%1: the database is damaged (%2)</source>
        <translation>%1：数据库已损坏（%2）</translation>
    </message>
    <message>
        <source>Usage: zt41-cli COMMAND [OPTIONS]

Commands:
  ports [--probe]              list the serial ports and whether they open
  read --port P [-o FILE]      read the radio&apos;s channels
  write --port P FILE          back up, write FILE, read back and compare
  verify --port P FILE         compare what the radio holds with FILE
  show FILE                    print the channels of a file
  diff FILE1 FILE2             list what differs between two files
  convert IN OUT               convert between .doc, .csv and the database
  doctor [--port P]            check the cable and the ports, and say what is wrong
  card FILE -o CARD.pdf        draw the channel card to print
  services                     list the licence-free services
  check --service ID FILE      judge the channels against a service
  plan --service ID -o FILE    write the first 16 channels of a service

FILE is a channel file (.doc), a CHIRP CSV file (.csv) or the channel
database ZT41XE.mdb (read only). A CSV file and the database hold no
squelch level: --squelch LEVEL gives it (default 3).
--port may be given several times for several radios at once.
zt41-cli COMMAND --help describes each command; --version prints the version;
--verbose with any command also shows what Qt itself reports.

Exit status: 0 done, 1 usage, 2 port or radio, 3 differences or findings,
4 bad input file, 5 output or backup file not written, 130 interrupted.
</source>
        <translation>用法：zt41-cli 命令 [选项]

命令：
  ports [--probe]              列出串行端口及能否打开
  read --port P [-o FILE]      读取对讲机的信道
  write --port P FILE          备份，写入 FILE，再读回校验
  verify --port P FILE         校验对讲机中的信道与 FILE 是否一致
  show FILE                    显示文件中的信道
  diff FILE1 FILE2             列出两个文件的不同之处
  convert IN OUT               在 .doc、.csv 和数据库之间转换
  doctor [--port P]            检查连接线和端口，并说明问题所在
  card FILE -o CARD.pdf        画出可打印的信道表
  services                     列出免执照频段
  check --service ID FILE      按频段检查信道
  plan --service ID -o FILE    写出某频段的前 16 个信道

FILE 是信道文件（.doc）、CHIRP CSV 文件（.csv）或信道数据库
ZT41XE.mdb（只读）。CSV 文件和数据库不含静噪级别，
由 --squelch 级别 给出（默认 3）。
--port 可以给出多次，同时写多台对讲机。
zt41-cli 命令 --help 说明各个命令；--version 显示版本；
任何命令加 --verbose 时也显示 Qt 自身的报告。

退出状态：0 完成，1 用法错误，2 端口或对讲机错误，3 发现不同或不符合，
4 输入文件错误，5 输出或备份文件未能写入，130 被中断。
</translation>
    </message>
    <message>
        <source>no file named to write</source>
        <translation>没有给出要写入的文件</translation>
    </message>
    <message>
        <source>%1 is the file being read: it is not written over</source>
        <translation>%1 是正在读取的文件：不会覆盖它</translation>
    </message>
    <message>
        <source>%1 is not a plain file: nothing is written there</source>
        <translation>%1 不是普通文件：不会写入</translation>
    </message>
    <message>
        <source>Checks every serial port (or those given with --port): the device and its USB chip and driver, whether it opens and, if not, why and who holds it, services that take serial ports away, and what answers &quot;?C&quot; within a second (a radio answers &quot;C&quot;; a &quot;?&quot; coming back is an echo). Exit status 0 when a radio answered, 2 when none did.</source>
        <translation>检查每个串行端口（或 --port 给出的端口）：设备及其 USB 芯片和驱动，能否打开，打不开的原因及占用它的程序，会占用串行端口的服务，以及一秒内对“?C”的应答（对讲机应答“C”；送回“?”则是回环）。有对讲机应答时退出状态为 0，没有则为 2。</translation>
    </message>
    <message>
        <source>%1 is not a %2 report of the programming line: it is not written to</source>
        <translation>%1 不是写频流水线的 %2 报告：不会写入</translation>
    </message>
    <message>
        <source>%1: not a serial port, passed over</source>
        <translation>%1：不是串行端口，已跳过</translation>
    </message>
    <message>
        <source>%1: a link to nothing, passed over</source>
        <translation>%1：链接指向不存在的文件，已跳过</translation>
    </message>
    <message>
        <source>the report %1 could not be written (%2): the line stops; the radios in progress are reported here</source>
        <translation>报告 %1 无法写入（%2）：流水线停止；进行中的对讲机在此报告</translation>
    </message>
    <message>
        <source>With --watch: append one record per radio to FILE (CSV, or JSON lines for .jsonl), a new file or a report of the same kind.</source>
        <translation>与 --watch 同用：每台对讲机向 FILE 追加一条记录（CSV；.jsonl 为 JSON 行）；FILE 须为新文件或同类报告。</translation>
    </message>
    <message>
        <source>our own bytes came back: a looped cable, or a device that is not the radio</source>
        <translation>发出的字节被原样送回：连接线短接成回环，或该设备不是对讲机</translation>
    </message>
    <message>
        <source>channel %1: power %2 is %3 W: %4 allows at most %5 W on it; make it receive only (no transmit frequency)</source>
        <translation>信道 %1：功率 %2 为 %3 W：%4 在此信道最多 %5 W；请改为只接收（不填发送频率）</translation>
    </message>
    <message>
        <source>Judges every channel with a frequency against a licence-free service: receive and transmit exactly on a channel of its plan, transmit equal to receive, and the power (H %1 W, L %2 W, as the radio puts them out) within the service&apos;s limit. A channel without a transmit frequency only receives and passes. Exit status 0 when nothing is found, 3 when something is.</source>
        <translation>按免执照频段检查每个有频率的信道：接收和发送频率须正好在该频段的信道上，发送与接收同频，功率（按对讲机实际输出，高 %1 W，低 %2 W）不超过该频段的上限。没有发送频率的信道只接收，总是允许。没有发现问题时退出状态为 0，有问题时为 3。</translation>
    </message>
    <message>
        <source>Writes a channel file (.doc) or CSV file (.csv) with the first 16 channels of a licence-free service: simplex, low power, no tones, squelch level 3; receive only where the radio&apos;s low power (%1 W) is above the service&apos;s limit.</source>
        <translation>把免执照频段的前 16 个信道写成信道文件（.doc）或 CSV 文件（.csv）：收发同频、低功率、无哑音、静噪级别 3；对讲机的低功率（%1 W）超过该频段上限时只接收。</translation>
    </message>
    <message>
        <source>--ports names no device</source>
        <translation>--ports 没有指定任何设备</translation>
    </message>
    <message>
        <source>--ports names %1 devices; at most 8 (COM1 to COM8)</source>
        <translation>--ports 指定了 %1 个设备；最多 8 个（COM1 至 COM8）</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>无法绘制 PDF</translation>
    </message>
</context>
</TS>
