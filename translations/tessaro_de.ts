<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Link</name>
    <message>
        <source>SERVO NOT DETECTED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check connection of cable to PC and Servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check Polarity of Servo and USB connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check that USB LED is Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Connecting Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check Windows Device Manager:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Should have in &apos;Ports&apos; section:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> if so, note the COM port number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> if not, uninstall and reinstall USB drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Should have in &apos;Universal Serial Bus Controllers&apos; section:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The servo answered with settings this program cannot show (%1). Its settings were not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>..Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane Digital Servo Firmware Revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range: no port is selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Print a trace of every byte sent to and received from the servo on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write that trace to FILE, for a bug report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --verbose or --trace, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--trace needs the name of a file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trace</name>
    <message>
        <source>the trace could not be written to %1: %2; going on without it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>throw in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>centre offset in microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 reverses the rotation, 0 does not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deadband in microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no backups in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the ports the program would try and whether each can be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the servo and print its settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the servo and write its settings to FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program the settings in FILE into the servo, keeping its own name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change the named settings only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ask the servo to restore its own defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the backups taken before each write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program a backup back into the servo it was taken from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0  success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1  bad file or usage (nothing was sent)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2  no servo answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3  the servo&apos;s settings block was refused (a field out of range)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4  the port cannot be used: no adapter, permission denied, busy or gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5  the servo&apos;s acknowledgement was wrong or missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6  the settings read back differ from those written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7  the backup could not be written (nothing was sent)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8  the backup is of another servo (restore without --force)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads, saves and programs a Korvane servo&apos;s settings from the command line.
Messages go to standard error, data to standard output.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Exit codes:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set: %1, %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command [arguments]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The servo&apos;s port: COMn, or a device path taken as COM1. Default: search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for ports only as COMn links in DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read: print the settings as one JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write, set, reset, restore: read the servo, print the frame that would be sent, send nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write without taking a backup first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore: write a backup of another servo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: tessaro-cli %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved the settings of &quot;%1&quot; on %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port %1: ports run from COM%2 to COM%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMn in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no adapter: no port found (looked for %1). %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no servo answered on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: wrong acknowledgement: expected &quot;%2&quot;, got %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dry run: nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup failed, nothing was sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backed up the servo&apos;s settings to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asked &quot;%1&quot; on %2 to restore its own defaults; it now holds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the servo reads back the settings sent all the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the servo on %1 reads back other settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>programmed &quot;%1&quot; on %2; read back the same settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set: name at least one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 %2 is outside %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup is of &quot;%1&quot;, the servo on %2 is &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; --force writes it all the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; writing it all the same (--force)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Reads and programs the settings of Korvane digital servos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the adapter at PATH (such as /dev/ttyACM0 or /dev/serial/by-id/...) as port COM1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for ports only as COM1 to COM21 links in DIR (virtual servos).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a trace of every byte sent to and received from the servo to FILE, for a bug report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--trace needs the name of a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--trace: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::about::frmAbout</name>
    <message>
        <source>Korvane Digital Servo PC interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software enables programming of Korvane Ostrel Digital Servos when used in conjunction with 3-pin USB-to-Serial Adapter pn# %1 and a Windows PC with USB port (ver Win98se or higher)
For more information, visit %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTICE: This software is provided as is and without charge. No liability is accepted for any damage or loss, direct or consequential, arising from its use.
USE STRICTLY AT YOUR OWN RISK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane Tessaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane Digital Servo Firmware Revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12345678</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/logo.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right/Left Deflection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1 - 100 % of maximum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1500+/-127 uS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo Center gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deadband Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (0 - 16 uS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deadband gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Servo Deflection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test position gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For checking deflection only;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting not stored in servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse width for x degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent of throw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reset to Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no settings were read from the servo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no backup was made before programming: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
