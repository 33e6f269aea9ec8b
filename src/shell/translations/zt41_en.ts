<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zt41::CardWords</name>
    <message>
        <source>信道</source>
        <translation>Ch.</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>发送频率</source>
        <translation>Transmit</translation>
    </message>
    <message>
        <source>收哑音</source>
        <translation>RX tone</translation>
    </message>
    <message>
        <source>发哑音</source>
        <translation>TX tone</translation>
    </message>
    <message>
        <source>拍频</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>不接收</source>
        <translation>no receive</translation>
    </message>
    <message>
        <source>不发射</source>
        <translation>no transmit</translation>
    </message>
    <message>
        <source>开</source>
        <translation>on</translation>
    </message>
    <message>
        <source>关</source>
        <translation>off</translation>
    </message>
    <message>
        <source>低</source>
        <translation>low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>high</translation>
    </message>
    <message>
        <source>沿虚线剪下，与对讲机放在一起</source>
        <translation>Cut along the dashed line and keep it with the radio</translation>
    </message>
    <message>
        <source>仅收</source>
        <translation>RX only</translation>
    </message>
    <message>
        <source>仅发</source>
        <translation>TX only</translation>
    </message>
    <message>
        <source>异频</source>
        <translation>split</translation>
    </message>
    <message>
        <source>ZT41 信道表</source>
        <translation>ZT41 Channel Card</translation>
    </message>
    <message>
        <source>日期：%1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>静噪级别：%1</source>
        <translation>Squelch level: %1</translation>
    </message>
</context>
<context>
    <name>zt41::ChannelGridModel</name>
    <message>
        <source> 信道号</source>
        <translation> Ch.</translation>
    </message>
    <message>
        <source>  接收频率</source>
        <translation>  Receive</translation>
    </message>
    <message>
        <source> 收哑音      </source>
        <translation> RX tone</translation>
    </message>
    <message>
        <source>   发送频率</source>
        <translation>   Transmit</translation>
    </message>
    <message>
        <source> 发哑音      </source>
        <translation> TX tone</translation>
    </message>
    <message>
        <source> 拍频       </source>
        <translation> Shift</translation>
    </message>
    <message>
        <source> 功率       </source>
        <translation> Power</translation>
    </message>
</context>
<context>
    <name>zt41::ChannelTools</name>
    <message>
        <source>打印信道表(&amp;P)...</source>
        <translation>&amp;Print Channel Card...</translation>
    </message>
    <message>
        <source>导出信道表 PDF(&amp;E)...</source>
        <translation>&amp;Export Channel Card PDF...</translation>
    </message>
    <message>
        <source>频段检查(&amp;S)...</source>
        <translation>Check Against &amp;Services...</translation>
    </message>
    <message>
        <source>导出信道表 PDF</source>
        <translation>Export Channel Card PDF</translation>
    </message>
    <message>
        <source>信道表.pdf</source>
        <translation>channel-card.pdf</translation>
    </message>
    <message>
        <source>ZT41 信道表</source>
        <translation>ZT41 Channel Card</translation>
    </message>
    <message>
        <source>打印信道表</source>
        <translation>Print Channel Card</translation>
    </message>
    <message>
        <source>更多按钮</source>
        <translation>More buttons</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>用%1的前 16 个信道替换全部信道，静噪级别设为 3？</source>
        <translation>Replace all channels with the first 16 channels of %1 and set the squelch level to 3?</translation>
    </message>
</context>
<context>
    <name>zt41::GridEdits</name>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>插入信道</source>
        <translation>Insert Channel</translation>
    </message>
    <message>
        <source>删除信道</source>
        <translation>Delete Channel</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>按接收频率排序</source>
        <translation>Sort by Receive Frequency</translation>
    </message>
</context>
<context>
    <name>zt41::GridKeys</name>
    <message>
        <source>信道表</source>
        <translation>Channel table</translation>
    </message>
</context>
<context>
    <name>zt41::HelpWindows</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>关于本软件</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ZT41写频软件</source>
        <translation>ZT41 Programmer</translation>
    </message>
    <message>
        <source>版本 A %1</source>
        <translation>Version A %1</translation>
    </message>
    <message>
        <source>本软件是专供用户，对Rovena电讯器材公司的ZT41对讲机，编写工作频率及参数的专用软件</source>
        <translation>Sets the working frequencies and settings of the ZT41 radio of Rovena Telecom Equipment.</translation>
    </message>
    <message>
        <source>技术咨询：</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>一，使用随机配带的写频电缆，将对讲机（关机）</source>
        <translation>1. Join the radio&apos;s headset socket (radio</translation>
    </message>
    <message>
        <source>耳机话筒插口与计算机串行口1（或串行口2）联结。</source>
        <translation>off) to serial port 1 (or 2) with the cable.</translation>
    </message>
    <message>
        <source>二，打开对讲机电源，屏显显示“对讲机就续”。</source>
        <translation>2. Switch the radio on: it shows it is ready.</translation>
    </message>
    <message>
        <source>三，写频操作：用鼠标点菜单项“写信道数椐”。</source>
        <translation>3. Write: click &quot;Write Channels&quot;.</translation>
    </message>
    <message>
        <source>四，读频操作：用鼠标点菜单项“读信道数据”。</source>
        <translation>4. Read: click &quot;Read Channels&quot;.</translation>
    </message>
    <message>
        <source>五，文件操作：使用操作“文件”菜单的“保存文</source>
        <translation>5. Files: &quot;Save File&quot; in the &quot;File&quot; menu</translation>
    </message>
    <message>
        <source>件”子菜单，打开保存文件对话框，可以将当前</source>
        <translation>saves the current frequencies in a file</translation>
    </message>
    <message>
        <source>的频率数据保存（文件名自选，后缀</source>
        <translation>(any name, extension</translation>
    </message>
    <message>
        <source>.doc）。</source>
        <translation>.doc).</translation>
    </message>
    <message>
        <source>同样使用“打开文件”子菜单，可以将保存的频</source>
        <translation>&quot;Open File&quot; in the same menu loads such a</translation>
    </message>
    <message>
        <source>率数据文件重新调出使用。</source>
        <translation>file again.</translation>
    </message>
    <message>
        <source>六，设置端口：如有必要，可操作“系统设置”菜</source>
        <translation>6. Port: if needed, &quot;Select Port&quot; in the</translation>
    </message>
    <message>
        <source>单的“选择端口”子菜单项，改变当前使用的串</source>
        <translation>menu bar changes the serial port in use.</translation>
    </message>
    <message>
        <source>行口。</source>
        <translation> </translation>
    </message>
</context>
<context>
    <name>zt41::ListWindow</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zt41::MainWindow</name>
    <message>
        <source>信道设置系统</source>
        <translation>Channel Setup</translation>
    </message>
    <message>
        <source>静噪级别：</source>
        <translation>Squelch:</translation>
    </message>
    <message>
        <source>静噪级别</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>       文件(&amp;F)</source>
        <translation>       &amp;File</translation>
    </message>
    <message>
        <source>打开文件(&amp;O)</source>
        <translation>&amp;Open File</translation>
    </message>
    <message>
        <source>保存文件(&amp;V)</source>
        <translation>Sa&amp;ve File</translation>
    </message>
    <message>
        <source>        读信道数据(&amp;R)</source>
        <translation>        &amp;Read Channels</translation>
    </message>
    <message>
        <source>        写信道数据(&amp;W)</source>
        <translation>        &amp;Write Channels</translation>
    </message>
    <message>
        <source>     选择端口(&amp;P)</source>
        <translation>     Select &amp;Port</translation>
    </message>
    <message>
        <source>       退出系统(&amp;E)</source>
        <translation>       &amp;Exit</translation>
    </message>
    <message>
        <source>       工具(&amp;T)</source>
        <translation>       &amp;Tools</translation>
    </message>
    <message>
        <source>       帮助(&amp;H)</source>
        <translation>       &amp;Help</translation>
    </message>
    <message>
        <source>操作说明(&amp;I)</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>关于本软件(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>语言 / Language(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>ZT41 [版本 A %1]</source>
        <translation>ZT41 [Version A %1]</translation>
    </message>
</context>
<context>
    <name>zt41::PortDialog</name>
    <message>
        <source>选择端口</source>
        <translation>Select Port</translation>
    </message>
    <message>
        <source>请选择串行口:</source>
        <translation>Serial port:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zt41::SafeProgramming</name>
    <message>
        <source>写入并校验(&amp;V)</source>
        <translation>Write and &amp;Verify</translation>
    </message>
    <message>
        <source>校验对讲机(&amp;C)</source>
        <translation>&amp;Check Radio</translation>
    </message>
    <message>
        <source>备份与恢复(&amp;B)...</source>
        <translation>&amp;Backups...</translation>
    </message>
    <message>
        <source>连接诊断(&amp;D)...</source>
        <translation>Connection &amp;Diagnosis...</translation>
    </message>
    <message>
        <source>正在%1... %2/16</source>
        <translation>Now %1... %2/16</translation>
    </message>
    <message>
        <source>正在等待对讲机...</source>
        <translation>Waiting for radio...</translation>
    </message>
    <message>
        <source>对讲机中有 %1 处与%2不同。</source>
        <translation>The radio differs from the %2 in %1 places.</translation>
    </message>
    <message>
        <source>表格</source>
        <translation>table</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>backup</translation>
    </message>
    <message>
        <source>
写入前的备份：</source>
        <translation>
Backup taken before writing: </translation>
    </message>
    <message>
        <source>校验结果</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>表格中</source>
        <translation>In the table</translation>
    </message>
    <message>
        <source>对讲机中</source>
        <translation>In the radio</translation>
    </message>
    <message>
        <source>恢复备份</source>
        <translation>Restore Backup</translation>
    </message>
    <message>
        <source>备份与恢复</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>写入前保存的对讲机信道（%1）：</source>
        <translation>The radio&apos;s channels kept before each write (%1):</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>静噪</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>信道 1 接收频率</source>
        <translation>Channel 1 receive</translation>
    </message>
    <message>
        <source>载入表格</source>
        <translation>Load into Table</translation>
    </message>
    <message>
        <source>写入对讲机</source>
        <translation>Write to Radio</translation>
    </message>
    <message>
        <source>连接诊断</source>
        <translation>Connection Diagnosis</translation>
    </message>
    <message>
        <source>正在检查...</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>重新检查</source>
        <translation>Check Again</translation>
    </message>
    <message>
        <source>brltty（pid %1）正在运行：它会占用 CH340 连接线；如不使用盲文显示器，请卸载它。</source>
        <translation>brltty (pid %1) is running: it takes CH340 cables; remove it unless you use a braille display.</translation>
    </message>
    <message>
        <source>%1（pid %2）正在运行：它会探测新的串行端口。</source>
        <translation>%1 (pid %2) is running: it probes new serial ports.</translation>
    </message>
    <message>
        <source>没有找到串行端口：请插上连接线。</source>
        <translation>No serial port found: plug in the cable.</translation>
    </message>
    <message>
        <source>有对讲机应答。</source>
        <translation>A radio answered.</translation>
    </message>
    <message>
        <source>没有对讲机应答。</source>
        <translation>No radio answered.</translation>
    </message>
</context>
<context>
    <name>zt41::ServiceWindow</name>
    <message>
        <source>接收频率</source>
        <translation>Receive frequency</translation>
    </message>
    <message>
        <source>发送频率</source>
        <translation>Transmit frequency</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>不在%1的信道上</source>
        <translation>not on a channel of %1</translation>
    </message>
    <message>
        <source>发送频率与接收频率不同：%1不允许异频或中继差频</source>
        <translation>transmit differs from receive: %1 allows no split or repeater shift</translation>
    </message>
    <message>
        <source>%1功率为 %2 W：%3在此信道最多允许 %4 W，请改为只接收（不填发送频率）</source>
        <translation>%1 power is %2 W: %3 allows at most %4 W on this channel; make it receive-only (no transmit frequency)</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>频段检查</source>
        <translation>Services Check</translation>
    </message>
    <message>
        <source>频段</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>最近的频段信道</source>
        <translation>Nearest service channel</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>按此频段填入信道</source>
        <translation>Fill Channels from This Service</translation>
    </message>
    <message>
        <source>%1 个信道，%2 至 %3 MHz；%4；功率最多 %5。
%6</source>
        <translation>%1 channels, %2 to %3 MHz; %4; power at most %5.
%6</translation>
    </message>
    <message>
        <source>收发同频</source>
        <translation>simplex</translation>
    </message>
    <message>
        <source>可异频</source>
        <translation>split allowed</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>全部信道符合%1。</source>
        <translation>All channels fit %1.</translation>
    </message>
    <message>
        <source>发现 %1 处不符合%2。</source>
        <translation>%1 findings against %2.</translation>
    </message>
</context>
<context>
    <name>zt41::WindowWords</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>系统信息</source>
        <translation>System Information</translation>
    </message>
    <message>
        <source>错误警告 </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>错误警告</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>读数错误！！</source>
        <translation>Read error!!</translation>
    </message>
    <message>
        <source>数据传送错误！！</source>
        <translation>Data transfer error!!</translation>
    </message>
    <message>
        <source>对讲机就绪...</source>
        <translation>Radio ready...</translation>
    </message>
    <message>
        <source>正在传送数据,,,,,,,</source>
        <translation>Sending data,,,,,,,</translation>
    </message>
    <message>
        <source>数据传送完毕...</source>
        <translation>Data sent...</translation>
    </message>
    <message>
        <source>读出信道数据完毕！</source>
        <translation>Channels read!</translation>
    </message>
    <message>
        <source>COM%1 未对应任何设备</source>
        <translation>COM%1 is mapped to no device</translation>
    </message>
    <message>
        <source>%1：设备不存在</source>
        <translation>%1: no such device</translation>
    </message>
    <message>
        <source>%1 正被其他程序占用</source>
        <translation>%1 is in use by another program</translation>
    </message>
    <message>
        <source>%1：无权打开</source>
        <translation>%1: no permission to open</translation>
    </message>
    <message>
        <source>%1：无权打开；加入用户组 %2 即可使用</source>
        <translation>%1: no permission to open; joining the group %2 grants access</translation>
    </message>
    <message>
        <source>%1 不支持 1200 bit/s 8N1：%2</source>
        <translation>%1 does not support 1200 bit/s 8N1: %2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>正在传送数据，请在传送结束后再选择端口！</source>
        <translation>Data is being transferred; choose the port when the transfer is over!</translation>
    </message>
    <message>
        <source>正在传送数据，请在传送结束后再打开文件！</source>
        <translation>Data is being transferred; open the file when the transfer is over!</translation>
    </message>
    <message>
        <source>数据库文件无法写入！</source>
        <translation>The database file cannot be written!</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>backing up</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>writing</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>verifying</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>reading</translation>
    </message>
    <message>
        <source>连接对讲机</source>
        <translation>connecting to the radio</translation>
    </message>
    <message>
        <source>静噪级别</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>拍频</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>Receive frequency</translation>
    </message>
    <message>
        <source>发送频率</source>
        <translation>Transmit frequency</translation>
    </message>
    <message>
        <source>收哑音</source>
        <translation>Receive tone</translation>
    </message>
    <message>
        <source>发哑音</source>
        <translation>Transmit tone</translation>
    </message>
    <message>
        <source>数据发送失败（连接线被拔出？）</source>
        <translation>sending failed (cable pulled?)</translation>
    </message>
    <message>
        <source>对讲机停止发送（第 %1/16 帧没有收到）</source>
        <translation>the radio stopped sending (frame %1/16 not received)</translation>
    </message>
    <message>
        <source>对讲机发来的数据有误（第 %1/16 帧）</source>
        <translation>the radio sent faulty data (frame %1/16)</translation>
    </message>
    <message>
        <source>端口已断开（连接线被拔出？）</source>
        <translation>the port went away (cable pulled?)</translation>
    </message>
    <message>
        <source>传送失败</source>
        <translation>transfer failed</translation>
    </message>
    <message>
        <source>端口无法打开：</source>
        <translation>The port cannot be opened: </translation>
    </message>
    <message>
        <source>对讲机没有应答：请打开对讲机电源，插好连接线，并确认端口。</source>
        <translation>The radio does not answer: switch the radio on, plug the cable in firmly and check the port.</translation>
    </message>
    <message>
        <source>端口已断开（连接线被拔出？）。</source>
        <translation>The port went away (cable pulled?).</translation>
    </message>
    <message>
        <source>%1时失败：%2。</source>
        <translation>Failed while %1: %2.</translation>
    </message>
    <message>
        <source>备份无法保存到 %1，没有向对讲机写入任何数据。</source>
        <translation>The backup could not be saved to %1; nothing was written to the radio.</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>操作被中断。</source>
        <translation>The operation was interrupted.</translation>
    </message>
    <message>
        <source>发出的字节被原样送回。建议：连接线短接成回环，或该设备不是对讲机</source>
        <translation>The bytes sent came straight back. Likely: the cable is looped back, or the device is not a radio</translation>
    </message>
    <message>
        <source>对讲机应答“C”：已就绪</source>
        <translation>The radio answers &quot;C&quot;: ready</translation>
    </message>
    <message>
        <source>一秒内没有应答。建议：打开对讲机电源，把插头插到底，并确认端口</source>
        <translation>No answer within a second. Try: switch the radio on, push the plug fully home and check the port</translation>
    </message>
    <message>
        <source>意外的应答：%1。建议：不是 ZT41，或线路速率不同</source>
        <translation>Unexpected answer: %1. Likely: not a ZT41, or another line speed</translation>
    </message>
    <message>
        <source>USB %1:%2 %3，驱动 %4</source>
        <translation>USB %1:%2 %3, driver %4</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>可以打开</source>
        <translation>opens</translation>
    </message>
    <message>
        <source>建议：关闭占用它的程序 %1（pid %2）</source>
        <translation>Try: close the program holding it, %1 (pid %2)</translation>
    </message>
    <message>
        <source>建议：您已在 %1 组中，请注销后重新登录</source>
        <translation>Try: you are in the group %1 already; log out and in again</translation>
    </message>
    <message>
        <source>建议：执行 sudo adduser $USER %1，然后注销并重新登录</source>
        <translation>Try: run sudo adduser $USER %1, then log out and in again</translation>
    </message>
    <message>
        <source>建议：插上连接线；如已插上，则系统不识别其芯片</source>
        <translation>Try: plug in the cable; if it is plugged in, the system does not know its chip</translation>
    </message>
    <message>
        <source>找不到存放备份的文件夹（未设置 HOME），没有写入。</source>
        <translation>No folder for backups (HOME is not set); nothing was written.</translation>
    </message>
    <message>
        <source>写入并校验完毕：对讲机中的信道与表格一致。</source>
        <translation>Written and verified: the radio&apos;s channels match the table.</translation>
    </message>
    <message>
        <source>对讲机中的信道与表格一致。</source>
        <translation>The radio&apos;s channels match the table.</translation>
    </message>
    <message>
        <source>
以下频率不在 5 kHz 或 6.25 kHz 步进上，按原值写入：</source>
        <translation>
These frequencies are off the 5 kHz and 6.25 kHz steps and were written as they are:</translation>
    </message>
    <message>
        <source>
表格中以下数值不合规则，写信道时不会写入：</source>
        <translation>
These values of the table break the rules; a write would refuse them:</translation>
    </message>
    <message>
        <source>信道 %1  %2：%3</source>
        <translation>Channel %1  %2: %3</translation>
    </message>
    <message>
        <source>将 %1 的备份写入 %2 上的对讲机？
对讲机中现有的信道将被替换。</source>
        <translation>Write the backup of %1 into the radio on %2?
The channels now in the radio will be replaced.</translation>
    </message>
    <message>
        <source>用 %1 的备份替换表格中的信道？</source>
        <translation>Replace the table&apos;s channels with the backup of %1?</translation>
    </message>
    <message>
        <source>正在写入对讲机。现在关闭，对讲机将只保留部分信道。
仍要关闭吗？</source>
        <translation>The radio is being written. Closing now leaves only part of the channels in the radio.
Close anyway?</translation>
    </message>
    <message>
        <source>
对讲机中的信道可能已被改变。写入前的备份：</source>
        <translation>
The radio&apos;s channels may have changed. Backup taken before writing: </translation>
    </message>
    <message>
        <source>信道表 PDF 保存错误！！
%1：%2</source>
        <translation>Channel card PDF not saved!!
%1: %2</translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation>System information is not available at this time</translation>
    </message>
    <message>
        <source>剪贴板中没有可以粘贴的文字。</source>
        <translation>The clipboard holds no text to paste.</translation>
    </message>
    <message>
        <source>以下数值不合规则，未粘贴，其单元格保持原值：</source>
        <translation>These values break the rules and were not pasted; their cells keep their values:</translation>
    </message>
    <message>
        <source>以下数值不合规则，未粘贴：</source>
        <translation>These values break the rules and were not pasted:</translation>
    </message>
    <message>
        <source>信道 %1  %2：</source>
        <translation>Channel %1  %2: </translation>
    </message>
    <message>
        <source>%1……（共 %2 个字符，太长）</source>
        <translation>%1... (%2 characters, too long)</translation>
    </message>
    <message>
        <source>（单元格现为“%1”）</source>
        <translation> (the cell now holds &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>（单元格保持原值）</source>
        <translation> (the cell keeps its value)</translation>
    </message>
    <message>
        <source>……另有 %1 个数值未粘贴。</source>
        <translation>... and %1 more values not pasted.</translation>
    </message>
    <message>
        <source>另有 %1 行超出信道 16，未粘贴。</source>
        <translation>%1 more lines go beyond channel 16 and were not pasted.</translation>
    </message>
    <message>
        <source>信道 16 已有数据，不能插入信道！</source>
        <translation>Channel 16 holds data: no channel can be inserted!</translation>
    </message>
    <message>
        <source>无串行端口可用，系统失败，退出！ </source>
        <translation>No serial port available; the program fails and exits! </translation>
    </message>
    <message>
        <source>COM%1：%2</source>
        <translation>COM%1: %2</translation>
    </message>
    <message>
        <source>选用的串行端口 无效！ </source>
        <translation>The chosen serial port is not valid! </translation>
    </message>
    <message>
        <source>是信道数据库，不能写入</source>
        <translation>is the channel database and is never written</translation>
    </message>
    <message>
        <source>是正在读取的文件</source>
        <translation>is the file being read</translation>
    </message>
    <message>
        <source>文件夹不存在或无法写入</source>
        <translation>the folder is missing or cannot be written</translation>
    </message>
    <message>
        <source>文件无法写入</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a plain file</translation>
    </message>
    <message>
        <source>数据库文件无法打开！</source>
        <translation>The database file cannot be opened!</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>不是 SQLite 数据库</source>
        <translation>not an SQLite database</translation>
    </message>
    <message>
        <source>文件已损坏（%1）</source>
        <translation>the file is damaged (%1)</translation>
    </message>
    <message>
        <source>没有表 Chane</source>
        <translation>no table Chane</translation>
    </message>
    <message>
        <source>表 Chane 的列应为 no, rf, rct, tf, tct, bt, pw</source>
        <translation>the columns of table Chane should be no, rf, rct, tf, tct, bt, pw</translation>
    </message>
    <message>
        <source>表 Chane 的列类型会改变存入的文字</source>
        <translation>the column types of table Chane would change the texts stored</translation>
    </message>
    <message>
        <source>表 Chane 有 %1 行，应为 16 行</source>
        <translation>table Chane has %1 rows instead of 16</translation>
    </message>
    <message>
        <source>表 Chane 有行共用同一个 rowid</source>
        <translation>rows of table Chane share a rowid</translation>
    </message>
    <message>
        <source>
本程序的另一个副本正在使用该数据库。</source>
        <translation>
Another copy of this program is using the database.</translation>
    </message>
    <message>
        <source>
数据库文件无法写入！</source>
        <translation>
The database file cannot be written!</translation>
    </message>
    <message>
        <source>信道号不是 1 到 16，是否重新编号？</source>
        <translation>The channel numbers are not 1 to 16. Number them again?</translation>
    </message>
    <message>
        <source>数据超出范围 ！！</source>
        <translation>Data out of range !!</translation>
    </message>
    <message>
        <source>静燥级别不可大于 9 ！！！</source>
        <translation>The squelch level may not be above 9 !!!</translation>
    </message>
    <message>
        <source>文件读取错误！！</source>
        <translation>File read error!!</translation>
    </message>
    <message>
        <source>文件保存错误！！</source>
        <translation>File save error!!</translation>
    </message>
    <message>
        <source>无法打开该文件。</source>
        <translation>the file cannot be opened.</translation>
    </message>
    <message>
        <source>文件太大，不是信道列表。</source>
        <translation>the file is too large for a channel list.</translation>
    </message>
    <message>
        <source>不是文本文件，不是 CSV 文件。</source>
        <translation>not a text file, so not a CSV file.</translation>
    </message>
    <message>
        <source>有一个引号没有结束，不是有效的 CSV 文件。</source>
        <translation>a quote is never closed; not a valid CSV file.</translation>
    </message>
    <message>
        <source>文件是空的，没有标题行。</source>
        <translation>the file is empty, with no header line.</translation>
    </message>
    <message>
        <source>第一行没有 Frequency 列，不是 CHIRP 的 CSV 文件。</source>
        <translation>the first line has no Frequency column; not a CHIRP CSV file.</translation>
    </message>
    <message>
        <source>没有一行带有可用的接收频率。</source>
        <translation>no line holds a usable receive frequency.</translation>
    </message>
    <message>
        <source>信道数据库无法写入。</source>
        <translation>the channel database cannot be written.</translation>
    </message>
    <message>
        <source>文件无法写入。</source>
        <translation>the file cannot be written.</translation>
    </message>
    <message>
        <source>收发方式</source>
        <translation>duplex</translation>
    </message>
    <message>
        <source>发射哑音</source>
        <translation>transmit tone</translation>
    </message>
    <message>
        <source>哑音</source>
        <translation>tone</translation>
    </message>
    <message>
        <source>哑音方式</source>
        <translation>tone mode</translation>
    </message>
    <message>
        <source>调制方式</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>location</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>不是数字，已留空</source>
        <translation>is not a number; left empty</translation>
    </message>
    <message>
        <source>不在 130 至 500 MHz 之内，已留空</source>
        <translation>is outside 130 to 500 MHz; left empty</translation>
    </message>
    <message>
        <source>不在 5 kHz 或 6.25 kHz 的步进上，已留空</source>
        <translation>is off the 5 kHz and 6.25 kHz steps; left empty</translation>
    </message>
    <message>
        <source>无法识别，发送频率已留空</source>
        <translation>is not understood; transmit frequency left empty</translation>
    </message>
    <message>
        <source>不是本机的 39 个哑音之一，已留空</source>
        <translation>is not one of the radio&apos;s 39 tones; left empty</translation>
    </message>
    <message>
        <source>本机不支持，哑音已留空</source>
        <translation>is not supported by the radio; tones left empty</translation>
    </message>
    <message>
        <source>无法识别，已留空</source>
        <translation>is not understood; left empty</translation>
    </message>
    <message>
        <source>本机只有 FM，按 FM 导入</source>
        <translation>the radio has FM only; imported as FM</translation>
    </message>
    <message>
        <source>不是整数，该行排在最后</source>
        <translation>is not a whole number; the line goes last</translation>
    </message>
    <message>
        <source>精度超过 10 Hz，本机无法存储，已留空</source>
        <translation>is finer than 10 Hz, which the radio cannot store; left empty</translation>
    </message>
    <message>
        <source>与收发差方向（+/-）同时为负数，含义不明，发送频率已留空</source>
        <translation>is negative together with a +/- duplex, which is ambiguous; transmit frequency left empty</translation>
    </message>
    <message>
        <source>与 cToneFreq 不同，TSQL 收发同用 cToneFreq</source>
        <translation>differs from cToneFreq; TSQL uses cToneFreq both ways</translation>
    </message>
    <message>
        <source>另有 %1 行超出 16 个信道，没有导入。</source>
        <translation>%1 more lines go beyond the 16 channels and were not imported.</translation>
    </message>
    <message>
        <source>信道 %1：频率「%2」没有可用的接收频率，CHIRP 的一行放不下，该信道未导出。</source>
        <translation>Channel %1: frequency &quot;%2&quot; has no usable receive frequency and does not fit a CHIRP line; the channel was not exported.</translation>
    </message>
    <message>
        <source>信道 %1：</source>
        <translation>Channel %1: </translation>
    </message>
    <message>
        <source>第 %1 行（信道 %2）：</source>
        <translation>Line %1 (channel %2): </translation>
    </message>
    <message>
        <source>第 %1 行：</source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>%1%2「%3」%4。</source>
        <translation>%1%2 &quot;%3&quot; %4.</translation>
    </message>
    <message>
        <source>CSV 文件无法导入：</source>
        <translation>The CSV file cannot be imported: </translation>
    </message>
    <message>
        <source>CSV 文件已导入，以下 %1 项未能照原样导入：</source>
        <translation>The CSV file was imported; %1 items could not be taken as they stand:</translation>
    </message>
    <message>
        <source>CSV 文件已导出，以下 %1 个信道未能导出：</source>
        <translation>The CSV file was exported; %1 channels could not be exported:</translation>
    </message>
    <message>
        <source>开</source>
        <translation>on</translation>
    </message>
    <message>
        <source>关</source>
        <translation>off</translation>
    </message>
    <message>
        <source>高功率</source>
        <translation>high power</translation>
    </message>
    <message>
        <source>低功率</source>
        <translation>low power</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
</context>
</TS>
