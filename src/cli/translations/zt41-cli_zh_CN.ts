<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Words</name>
    <message>
        <source>%1: cannot open the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a channel database (no table Chane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: table Chane has %2 rows, not 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds fewer than 97 values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a value longer than 1024 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a number too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not taken as CHIRP CSV: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a channel file: it %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: channel %2: the %3 cannot be sent to the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a channel database: zt41-cli never changes one; write a .doc or .csv file and load it in the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown kind of file: give a name ending in .doc (channel file) or .csv (CHIRP CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The squelch level for a channel database or a CSV file, which hold none (default 3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes two FILES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the squelch level and the 16 channels of a channel file (.doc), a CHIRP CSV file (.csv) or the channel database ZT41XE.mdb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists what differs between two channel files, CSV files or databases, field by field, as the radio would hold them. Exit status 3 when they differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts between a channel file (.doc), a CHIRP CSV file (.csv) and, as input only, the channel database ZT41XE.mdb. The kind of OUT is taken from its name; a database is never written. A CSV file holds no squelch level: from CSV the level is --squelch (default 3), to CSV it is left out. What a CSV import cannot take as it stands is left empty and named on standard error, one line each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to write, ending in .doc or .csv.</source>
        <translation type="unfinished"></translation>
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

FILE is a channel file (.doc), a CHIRP CSV file (.csv) or the channel
database ZT41XE.mdb (read only). A CSV file and the database hold no
squelch level: --squelch LEVEL gives it (default 3).
--port may be given several times for several radios at once.
zt41-cli COMMAND --help describes each command; --version prints the version.

Exit status: 0 done, 1 usage, 2 port or radio, 3 differences found,
4 bad input file, 5 output or backup file not written, 130 interrupted.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see zt41-cli --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s port: COM1 to COM8 or a device path. Give it several times, or a comma list, for several radios at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM1, COM2, ... are these devices, as with the window&apos;s --ports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long to wait for the radio to answer (default 3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the outcome of each radio as one JSON document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The squelch level to send with a channel database or a CSV file, which hold none (default 3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--ports: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not mapped to a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown port &quot;%1&quot;: give COM1 to COM8 or a device path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no port: give --port PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the channels read: as CHIRP CSV when FILE ends in .csv, otherwise as a channel file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not keep what the radio held first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not read back and compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the 16 channels and the squelch level from each radio and prints them, or saves them with -o.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A channel file (.doc), a CHIRP CSV file (.csv) or the channel database ZT41XE.mdb, read only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waits for each radio, keeps what it holds as a channel file under $XDG_DATA_HOME/zt41/backups, writes FILE into it, then reads it back and compares field by field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads each radio and compares what it holds with FILE, field by field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read takes no file; use -o FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wait wants a number of seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o takes one port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
