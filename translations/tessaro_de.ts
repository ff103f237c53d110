<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Gauges</name>
    <message>
        <source>Throw</source>
        <translation>Servoweg</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>uS</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>Deadband</source>
        <translation>Totzone</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>SERVO NOT DETECTED!</source>
        <translation>SERVO NICHT ERKANNT!</translation>
    </message>
    <message>
        <source> Check connection of cable to PC and Servo</source>
        <translation> Kabelverbindung zu PC und Servo prüfen</translation>
    </message>
    <message>
        <source> Check Polarity of Servo and USB connectors</source>
        <translation> Polung der Servo- und USB-Stecker prüfen</translation>
    </message>
    <message>
        <source> Check that USB LED is Green</source>
        <translation> Prüfen, ob die USB-LED grün leuchtet</translation>
    </message>
    <message>
        <source>Try Connecting Again</source>
        <translation>Erneut verbinden</translation>
    </message>
    <message>
        <source> Check Windows Device Manager:</source>
        <translation> Windows-Geräte-Manager prüfen:</translation>
    </message>
    <message>
        <source>  Should have in &apos;Ports&apos; section:</source>
        <translation>  Unter „Anschlüsse“ sollte stehen:</translation>
    </message>
    <message>
        <source> if so, note the COM port number</source>
        <translation> wenn ja, COM-Port-Nummer notieren</translation>
    </message>
    <message>
        <source> if not, uninstall and reinstall USB drivers</source>
        <translation> wenn nein, USB-Treiber neu installieren</translation>
    </message>
    <message>
        <source>  Should have in &apos;Universal Serial Bus Controllers&apos; section:</source>
        <translation>  Unter „USB-Controller“ sollte stehen:</translation>
    </message>
    <message>
        <source>The servo answered with settings this program cannot show (%1). Its settings were not loaded.</source>
        <translation>Das Servo hat Einstellungen gemeldet, die dieses Programm nicht anzeigen kann (%1). Seine Einstellungen wurden nicht geladen.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>..Searching</source>
        <translation>..Suche</translation>
    </message>
    <message>
        <source>Korvane Digital Servo Firmware Revision</source>
        <translation>Firmware-Version des Korvane-Digitalservos</translation>
    </message>
    <message>
        <source>Error Programming</source>
        <translation>Fehler beim Programmieren</translation>
    </message>
    <message>
        <source>Subscript out of range: no port is selected</source>
        <translation>Index außerhalb des Bereichs: kein Port gewählt</translation>
    </message>
    <message>
        <source>the link loops back on itself</source>
        <translation>der Link verweist im Kreis auf sich selbst</translation>
    </message>
    <message>
        <source>The adapter %1 is present, but this user may not open it. It belongs to the group &apos;%2&apos;: join it with  sudo adduser $USER %2  and log in again (a new login is needed), or install the udev rule 60-tessaro.rules that comes with the package, which lets the desktop user open the adapter.</source>
        <translation>Der Adapter %1 ist vorhanden, aber dieser Benutzer darf ihn nicht öffnen. Er gehört der Gruppe &apos;%2&apos;: ihr mit  sudo adduser $USER %2  beitreten und neu anmelden (eine neue Anmeldung ist nötig), oder die udev-Regel 60-tessaro.rules aus dem Paket installieren, mit der der Desktop-Benutzer den Adapter öffnen darf.</translation>
    </message>
    <message>
        <source>The adapter %1 is held by another program: %2. Close that program, then try again.</source>
        <translation>Der Adapter %1 wird von einem anderen Programm belegt: %2. Dieses Programm schließen, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>The adapter %1 is held by another program. The usual holders are ModemManager and brltty; stop them or install the udev rule 60-tessaro.rules, which keeps ModemManager away.</source>
        <translation>Der Adapter %1 wird von einem anderen Programm belegt. Meist sind es ModemManager und brltty; diese beenden oder die udev-Regel 60-tessaro.rules installieren, die ModemManager fernhält.</translation>
    </message>
    <message>
        <source>No USB serial adapter is present. Check the cable between the adapter and the computer; the command  sudo dmesg  shows whether the system saw the adapter when it was plugged in.</source>
        <translation>Es ist kein USB-Seriell-Adapter angeschlossen. Das Kabel zwischen Adapter und Computer prüfen; der Befehl  sudo dmesg  zeigt, ob das System den Adapter beim Einstecken erkannt hat.</translation>
    </message>
    <message>
        <source> Check that Linux sees the adapter:</source>
        <translation> Prüfen, ob Linux den Adapter sieht:</translation>
    </message>
    <message>
        <source>  &apos;ls -l /dev/serial/by-id&apos; should list:</source>
        <translation>  &apos;ls -l /dev/serial/by-id&apos; sollte zeigen:</translation>
    </message>
    <message>
        <source> if so, ttyUSB0 is COM1, ttyUSB1 is COM2, and so on</source>
        <translation> wenn ja: ttyUSB0 ist COM1, ttyUSB1 ist COM2 usw.</translation>
    </message>
    <message>
        <source> if not, &apos;sudo dmesg&apos; should show cp210x; try another cable or USB socket</source>
        <translation> wenn nicht: &apos;sudo dmesg&apos; sollte cp210x zeigen; anderes Kabel oder andere USB-Buchse versuchen</translation>
    </message>
    <message>
        <source>  This user may open it if &apos;id&apos; lists dialout:</source>
        <translation>  Dieser Benutzer darf ihn öffnen, wenn &apos;id&apos; dialout zeigt:</translation>
    </message>
    <message>
        <source> if not: sudo usermod -aG dialout $USER, then log in again</source>
        <translation> wenn nicht: sudo usermod -aG dialout $USER, dann neu anmelden</translation>
    </message>
    <message>
        <source> File, Save a bug report… gathers what we need</source>
        <translation> Datei, Fehlerbericht speichern… sammelt, was wir brauchen</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Print a trace of every byte sent to and received from the servo on standard error.</source>
        <translation>Jedes an das Servo gesendete und von ihm empfangene Byte auf der Standardfehlerausgabe protokollieren.</translation>
    </message>
    <message>
        <source>Write that trace to FILE, for a bug report.</source>
        <translation>Dieses Protokoll in DATEI schreiben, für einen Fehlerbericht.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>give --verbose or --trace, not both</source>
        <translation>--verbose oder --trace angeben, nicht beides</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>--%1 is given an empty value</source>
        <translation>--%1 hat einen leeren Wert</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>die Standardausgabe lässt sich nicht schreiben: %1</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Pulse width for %1 degrees</source>
        <translation>Impulsbreite für %1 Grad</translation>
    </message>
    <message>
        <source>%1 uS</source>
        <translation>%1 µs</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <source>already set</source>
        <translation>schon eingestellt</translation>
    </message>
    <message>
        <source>skipped, no backup</source>
        <translation>übersprungen, keine Sicherung</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>plug in a servo</source>
        <translation>Servo anstecken</translation>
    </message>
    <message>
        <source>unplug it</source>
        <translation>Servo abziehen</translation>
    </message>
    <message>
        <source>the port is gone; waiting for it to come back</source>
        <translation>der Anschluss ist weg; warte, bis er wiederkommt</translation>
    </message>
    <message>
        <source>no servo</source>
        <translation>kein Servo</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <translation>%1 geprüft</translation>
    </message>
    <message>
        <source>%1 already set</source>
        <translation>%1 schon eingestellt</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>its replies never passed the checksum</source>
        <translation>seine Antworten bestanden die Prüfsumme nie</translation>
    </message>
</context>
<context>
    <name>ServoPort</name>
    <message>
        <source>the frame was sent, but the servo&apos;s acknowledgement never came, so the servo may already hold the new settings</source>
        <translation>der Datenrahmen wurde gesendet, aber die Bestätigung des Servos kam nie an; das Servo hat die neuen Einstellungen womöglich schon übernommen</translation>
    </message>
    <message>
        <source>; no backup was taken</source>
        <translation>; es wurde keine Sicherung angelegt</translation>
    </message>
    <message>
        <source>; its settings before are in %1, and  tessaro-cli restore %1  puts them back</source>
        <translation>; seine vorherigen Einstellungen liegen in %1, und  tessaro-cli restore %1  stellt sie wieder her</translation>
    </message>
    <message>
        <source>the frame was sent, and acknowledged, but not read back, so the servo may already hold the new settings</source>
        <translation>der Rahmen wurde gesendet und bestätigt, aber nicht zurückgelesen, daher hält das Servo vielleicht schon die neuen Einstellungen</translation>
    </message>
</context>
<context>
    <name>Trace</name>
    <message>
        <source>the trace could not be written to %1: %2; going on without it</source>
        <translation>das Protokoll konnte nicht nach %1 geschrieben werden: %2; es geht ohne weiter</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>throw in degrees</source>
        <translation>Servoweg in Grad</translation>
    </message>
    <message>
        <source>speed in percent</source>
        <translation>Geschwindigkeit in Prozent</translation>
    </message>
    <message>
        <source>centre offset in microseconds</source>
        <translation>Mittenverschiebung in Mikrosekunden</translation>
    </message>
    <message>
        <source>1 reverses the rotation, 0 does not</source>
        <translation>1 kehrt die Drehrichtung um, 0 nicht</translation>
    </message>
    <message>
        <source>deadband in microseconds</source>
        <translation>Totzone in Mikrosekunden</translation>
    </message>
    <message>
        <source>no backups in %1</source>
        <translation>keine Sicherungen in %1</translation>
    </message>
    <message>
        <source>list the ports the program would try and whether each can be used</source>
        <translation>die Ports auflisten, die das Programm probieren würde, und ob jeder nutzbar ist</translation>
    </message>
    <message>
        <source>read the servo and print its settings</source>
        <translation>das Servo auslesen und seine Einstellungen ausgeben</translation>
    </message>
    <message>
        <source>read the servo and write its settings to FILE</source>
        <translation>das Servo auslesen und seine Einstellungen in DATEI schreiben</translation>
    </message>
    <message>
        <source>program the settings in FILE into the servo, keeping its own name</source>
        <translation>die Einstellungen aus DATEI ins Servo programmieren, sein Name bleibt</translation>
    </message>
    <message>
        <source>change the named settings only</source>
        <translation>nur die genannten Einstellungen ändern</translation>
    </message>
    <message>
        <source>ask the servo to restore its own defaults</source>
        <translation>das Servo auf seine Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>list the backups taken before each write</source>
        <translation>die vor jedem Schreiben angelegten Sicherungen auflisten</translation>
    </message>
    <message>
        <source>program a backup back into the servo it was taken from</source>
        <translation>eine Sicherung zurück in ihr Servo programmieren</translation>
    </message>
    <message>
        <source>0  success</source>
        <translation>0  Erfolg</translation>
    </message>
    <message>
        <source>1  bad file or usage (nothing was sent)</source>
        <translation>1  fehlerhafte Datei oder Aufruf (nichts gesendet)</translation>
    </message>
    <message>
        <source>2  no servo answered</source>
        <translation>2  kein Servo hat geantwortet</translation>
    </message>
    <message>
        <source>3  the servo&apos;s settings block was refused (a field out of range)</source>
        <translation>3  der Einstellungsblock des Servos wurde abgelehnt (ein Feld außerhalb des Bereichs)</translation>
    </message>
    <message>
        <source>4  the port cannot be used: no adapter, permission denied, busy or gone</source>
        <translation>4  der Port ist nicht nutzbar: kein Adapter, keine Berechtigung, belegt oder entfernt</translation>
    </message>
    <message>
        <source>5  the servo&apos;s acknowledgement was wrong or missing</source>
        <translation>5  die Bestätigung des Servos war falsch oder fehlte</translation>
    </message>
    <message>
        <source>6  the settings read back differ from those written</source>
        <translation>6  die zurückgelesenen Einstellungen weichen von den geschriebenen ab</translation>
    </message>
    <message>
        <source>7  the backup could not be written (nothing was sent)</source>
        <translation>7  die Sicherung konnte nicht geschrieben werden (nichts gesendet)</translation>
    </message>
    <message>
        <source>8  the backup is of another servo (restore without --force)</source>
        <translation>8  die Sicherung stammt von einem anderen Servo (restore ohne --force)</translation>
    </message>
    <message>
        <source>Reads, saves and programs a Korvane servo&apos;s settings from the command line.
Messages go to standard error, data to standard output.

Commands:
</source>
        <translation>Liest, speichert und programmiert die Einstellungen eines Korvane-Servos über die Kommandozeile.
Meldungen gehen auf die Standardfehlerausgabe, Daten auf die Standardausgabe.

Befehle:
</translation>
    </message>
    <message>
        <source>
Exit codes:
</source>
        <translation>
Rückgabewerte:
</translation>
    </message>
    <message>
        <source>set: %1.</source>
        <translation>set: %1.</translation>
    </message>
    <message>
        <source>set: %1, %2 to %3.</source>
        <translation>set: %1, %2 bis %3.</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>Was zu tun ist.</translation>
    </message>
    <message>
        <source>command [arguments]</source>
        <translation>Befehl [Argumente]</translation>
    </message>
    <message>
        <source>The servo&apos;s port: COMn, or a device path taken as COM1. Default: search.</source>
        <translation>Der Port des Servos: COMn oder ein Gerätepfad, der als COM1 gilt. Standard: suchen.</translation>
    </message>
    <message>
        <source>Look for ports only as COMn links in DIR.</source>
        <translation>Ports nur als COMn-Links in VERZ suchen.</translation>
    </message>
    <message>
        <source>Write without taking a backup first.</source>
        <translation>Schreiben, ohne vorher eine Sicherung anzulegen.</translation>
    </message>
    <message>
        <source>no command given; see --help</source>
        <translation>kein Befehl angegeben; siehe --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>unbekannter Befehl „%1“; siehe --help</translation>
    </message>
    <message>
        <source>usage: tessaro-cli %1</source>
        <translation>Aufruf: tessaro-cli %1</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>Option --%1 gilt nicht für %2</translation>
    </message>
    <message>
        <source>can be used</source>
        <translation>nutzbar</translation>
    </message>
    <message>
        <source>saved the settings of &quot;%1&quot; on %2 to %3</source>
        <translation>Einstellungen von „%1“ an %2 in %3 gespeichert</translation>
    </message>
    <message>
        <source>gone</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>no adapter</source>
        <translation>kein Adapter</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>--port %1: ports run from COM%2 to COM%3</source>
        <translation>--port %1: Ports gehen von COM%2 bis COM%3</translation>
    </message>
    <message>
        <source>COMn in %1</source>
        <translation>COMn in %1</translation>
    </message>
    <message>
        <source>no adapter: no port found (looked for %1). %2</source>
        <translation>kein Adapter: kein Port gefunden (gesucht: %1). %2</translation>
    </message>
    <message>
        <source>no servo answered on %1</source>
        <translation>kein Servo hat an %1 geantwortet</translation>
    </message>
    <message>
        <source>%1: wrong acknowledgement: expected &quot;%2&quot;, got %3</source>
        <translation>%1: falsche Bestätigung: „%2“ erwartet, %3 erhalten</translation>
    </message>
    <message>
        <source>dry run: nothing was sent</source>
        <translation>Probelauf: nichts gesendet</translation>
    </message>
    <message>
        <source>backup failed, nothing was sent: %1</source>
        <translation>Sicherung fehlgeschlagen, nichts gesendet: %1</translation>
    </message>
    <message>
        <source>backed up the servo&apos;s settings to %1</source>
        <translation>Einstellungen des Servos nach %1 gesichert</translation>
    </message>
    <message>
        <source>asked &quot;%1&quot; on %2 to restore its own defaults; it now holds:</source>
        <translation>„%1“ an %2 auf Werkseinstellungen zurückgesetzt; es enthält jetzt:</translation>
    </message>
    <message>
        <source>the servo reads back the settings sent all the same</source>
        <translation>das Servo liefert trotzdem die gesendeten Einstellungen zurück</translation>
    </message>
    <message>
        <source>the servo on %1 reads back other settings</source>
        <translation>das Servo an %1 liefert andere Einstellungen zurück</translation>
    </message>
    <message>
        <source>programmed &quot;%1&quot; on %2; read back the same settings</source>
        <translation>„%1“ an %2 programmiert; dieselben Einstellungen zurückgelesen</translation>
    </message>
    <message>
        <source>; nothing was sent</source>
        <translation>; nichts gesendet</translation>
    </message>
    <message>
        <source>set: name at least one of %1</source>
        <translation>set: mindestens eines nennen von %1</translation>
    </message>
    <message>
        <source>--%1 %2 is outside %3 to %4</source>
        <translation>--%1 %2 liegt außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>the backup is of &quot;%1&quot;, the servo on %2 is &quot;%3&quot;</source>
        <translation>die Sicherung ist von „%1“, das Servo an %2 ist „%3“</translation>
    </message>
    <message>
        <source>; --force writes it all the same</source>
        <translation>; --force schreibt sie trotzdem</translation>
    </message>
    <message>
        <source>; writing it all the same (--force)</source>
        <translation>; sie wird trotzdem geschrieben (--force)</translation>
    </message>
    <message>
        <source>(unreadable: %1)</source>
        <translation>(unlesbar: %1)</translation>
    </message>
    <message>
        <source>9  standard output could not be written</source>
        <translation>9  die Standardausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--%1 %2 is not a whole number</source>
        <translation>--%1 %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>130  interrupted by SIGINT (Ctrl+C); nothing more was sent</source>
        <translation>130  durch SIGINT (Ctrl+C) abgebrochen; nichts weiter gesendet</translation>
    </message>
    <message>
        <source>143  ended by SIGTERM; nothing more was sent</source>
        <translation>143  durch SIGTERM beendet; nichts weiter gesendet</translation>
    </message>
    <message>
        <source>interrupted by %1</source>
        <translation>durch %1 abgebrochen</translation>
    </message>
    <message>
        <source>; nothing more was sent</source>
        <translation>; nichts weiter gesendet</translation>
    </message>
    <message>
        <source>%1: the servo&apos;s replies never passed the checksum</source>
        <translation>%1: keine Antwort des Servos hatte eine gültige Prüfsumme</translation>
    </message>
    <message>
        <source>list the writes recorded in the journal, newest first</source>
        <translation>die im Journal verzeichneten Schreibvorgänge auflisten, neueste zuerst</translation>
    </message>
    <message>
        <source>compare the servo with FILE, or FILE with FILE2; exit 10 when they differ</source>
        <translation>das Servo mit FILE oder FILE mit FILE2 vergleichen; Exit-Code 10, wenn sie sich unterscheiden</translation>
    </message>
    <message>
        <source>10  diff: the settings differ</source>
        <translation>10  diff: die Einstellungen unterscheiden sich</translation>
    </message>
    <message>
        <source>%1  %2  a backup with no record of its write: %3</source>
        <translation>%1  %2  eine Sicherung ohne Eintrag ihres Schreibvorgangs: %3</translation>
    </message>
    <message>
        <source>no field changed</source>
        <translation>kein Feld geändert</translation>
    </message>
    <message>
        <source>no backup</source>
        <translation>keine Sicherung</translation>
    </message>
    <message>
        <source>backup %1</source>
        <translation>Sicherung %1</translation>
    </message>
    <message>
        <source>no writes recorded in %1</source>
        <translation>keine Schreibvorgänge in %1 verzeichnet</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same settings</source>
        <translation>%1 und %2 enthalten dieselben Einstellungen</translation>
    </message>
    <message>
        <source>the servo on %1 holds the settings in %2</source>
        <translation>das Servo an %1 hat die Einstellungen aus %2</translation>
    </message>
    <message>
        <source>read, history: print JSON: the settings as one object, or one object per write.</source>
        <translation>read, history: JSON ausgeben: die Einstellungen als ein Objekt oder ein Objekt je Schreibvorgang.</translation>
    </message>
    <message>
        <source>write, set, reset, restore: read the servo, print what would change and the frame, send nothing.</source>
        <translation>write, set, reset, restore: das Servo auslesen, ausgeben, was sich ändern würde, und den Datenrahmen; nichts senden.</translation>
    </message>
    <message>
        <source>write, set, restore: write even when the servo already holds these settings; restore: also a backup of another servo.</source>
        <translation>write, set, restore: auch schreiben, wenn das Servo diese Einstellungen schon hat; restore: auch die Sicherung eines anderen Servos.</translation>
    </message>
    <message>
        <source>the write stands, but its record could not be added to the journal: %1</source>
        <translation>der Schreibvorgang bleibt, aber sein Eintrag konnte nicht ins Journal geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the servo on %1 already holds these settings; nothing was sent (--force writes all the same)</source>
        <translation>das Servo an %1 hat diese Einstellungen schon; nichts wurde gesendet (--force schreibt trotzdem)</translation>
    </message>
    <message>
        <source>program FILE&apos;s settings into one servo after another, each keeping its own name, until Ctrl+C or N servos</source>
        <translation>die Einstellungen aus FILE in ein Servo nach dem anderen programmieren, jedes behält seinen Namen, bis Strg+C oder N Servos</translation>
    </message>
    <message>
        <source>11  series: not every servo was verified or already set</source>
        <translation>11  series: nicht jedes Servo wurde geprüft oder war schon eingestellt</translation>
    </message>
    <message>
        <source>series: end after N servos.</source>
        <translation>series: nach N Servos enden.</translation>
    </message>
    <message>
        <source>--count takes a whole number from 1</source>
        <translation>--count nimmt eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>a series on %1; Ctrl+C ends it</source>
        <translation>eine Serie an %1; Strg+C beendet sie</translation>
    </message>
    <message>
        <source>read the servo once, then write a bug report to FILE or standard output</source>
        <translation>den Servo einmal lesen, dann einen Fehlerbericht in DATEI oder auf die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>bug report written to %1</source>
        <translation>Fehlerbericht in %1 geschrieben</translation>
    </message>
    <message>
        <source>%1: a reply of the wrong length (%2 of %3 bytes)</source>
        <translation>%1: eine Antwort der falschen Länge (%2 von %3 Bytes)</translation>
    </message>
    <message>
        <source>%1: a reply that is not a settings frame</source>
        <translation>%1: eine Antwort, die kein Einstellungsrahmen ist</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Reads and programs the settings of Korvane digital servos.</source>
        <translation>Liest und programmiert die Einstellungen von Korvane-Digitalservos.</translation>
    </message>
    <message>
        <source>Use the adapter at PATH (such as /dev/ttyACM0 or /dev/serial/by-id/...) as port COM1.</source>
        <translation>Den Adapter unter PFAD (etwa /dev/ttyACM0 oder /dev/serial/by-id/...) als Port COM1 nutzen.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>Look for ports only as COM1 to COM21 links in DIR (virtual servos).</source>
        <translation>Ports nur als Links COM1 bis COM21 in VERZ suchen (virtuelle Servos).</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>VERZ</translation>
    </message>
    <message>
        <source>Write a trace of every byte sent to and received from the servo to FILE, for a bug report.</source>
        <translation>Jedes an das Servo gesendete und von ihm empfangene Byte in DATEI protokollieren, für einen Fehlerbericht.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>--trace needs the name of a file</source>
        <translation>--trace braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--trace: %1</source>
        <translation>--trace: %1</translation>
    </message>
    <message>
        <source>Ctrl+C will end the program without a word: its signal pipe cannot be made</source>
        <translation>Ctrl+C beendet das Programm ohne jede Meldung: seine Signal-Pipe lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>tessaro::about::frmAbout</name>
    <message>
        <source>Korvane Digital Servo PC interface</source>
        <translation>Korvane Digitalservo PC-Programm</translation>
    </message>
    <message>
        <source>Version 1.2</source>
        <translation>Version 1.2</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>This software enables programming of Korvane Ostrel Digital Servos when used in conjunction with 3-pin USB-to-Serial Adapter pn# %1 and a Windows PC with USB port (ver Win98se or higher)
For more information, visit %2</source>
        <translation>Mit dieser Software lassen sich Korvane Ostrel Digitalservos programmieren, zusammen mit dem 3-poligen USB-Seriell-Adapter Teilenr. %1 und einem Windows-PC mit USB-Anschluss (ab Win98se)
Mehr dazu unter %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>This software enables programming of Korvane Ostrel Digital Servos when used in conjunction with 3-pin USB-to-Serial Adapter pn# %1 and a Linux PC with USB port (kernel with the cp210x driver)
For more information, visit %2</source>
        <translation>Mit dieser Software lassen sich Korvane Ostrel Digitalservos programmieren, zusammen mit dem 3-poligen USB-Seriell-Adapter Teilenr. %1 und einem Linux-PC mit USB-Anschluss (Kernel mit dem Treiber cp210x)
Mehr dazu unter %2</translation>
    </message>
    <message>
        <source>NOTICE: This software is provided as is and without charge, under the licence GPL-3.0-or-later, from %1. No liability is accepted for any damage or loss, direct or consequential, arising from its use. tessaro-cli does the same from a shell.
USE STRICTLY AT YOUR OWN RISK</source>
        <translation>HINWEIS: Diese Software wird kostenlos und ohne Gewähr bereitgestellt, unter der Lizenz GPL-3.0-or-later, von %1. Für Schäden oder Verluste durch ihre Nutzung, direkt oder als Folge, wird nicht gehaftet. tessaro-cli kann dasselbe in einer Shell.
NUTZUNG AUF EIGENE GEFAHR</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMMIEREN</translation>
    </message>
    <message>
        <source>Korvane Tessaro</source>
        <translation>Korvane Tessaro</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Korvane Digital Servo Firmware Revision</source>
        <translation>Firmware-Version des Korvane-Digitalservos</translation>
    </message>
    <message>
        <source>Servo detected</source>
        <translation>Servo erkannt</translation>
    </message>
    <message>
        <source>Right/Left Deflection</source>
        <translation>Servoweg rechts/links</translation>
    </message>
    <message>
        <source>(degrees)</source>
        <translation>(Grad)</translation>
    </message>
    <message>
        <source>Throw gauge</source>
        <translation>Anzeige Servoweg</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>(1 - 100 % of maximum)</source>
        <translation>(1 - 100 % vom Maximum)</translation>
    </message>
    <message>
        <source>Speed gauge</source>
        <translation>Anzeige Geschwindigkeit</translation>
    </message>
    <message>
        <source>Servo Center</source>
        <translation>Servomitte</translation>
    </message>
    <message>
        <source>(1500+/-127 uS)</source>
        <translation>(1500+/-127 µs)</translation>
    </message>
    <message>
        <source>Servo Center gauge</source>
        <translation>Anzeige Servomitte</translation>
    </message>
    <message>
        <source>Deadband Width</source>
        <translation>Totzonenbreite</translation>
    </message>
    <message>
        <source> (0 - 16 uS)</source>
        <translation> (0 - 16 µs)</translation>
    </message>
    <message>
        <source>Deadband gauge</source>
        <translation>Anzeige Totzone</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Servo picture</source>
        <translation>Servobild</translation>
    </message>
    <message>
        <source>Tx Compatibility</source>
        <translation>Sender-Kompatibilität</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmierung</translation>
    </message>
    <message>
        <source>Test Servo Deflection</source>
        <translation>Servoweg testen</translation>
    </message>
    <message>
        <source>Test position gauge</source>
        <translation>Anzeige Testposition</translation>
    </message>
    <message>
        <source>For checking deflection only;</source>
        <translation>Nur zum Prüfen des Wegs;</translation>
    </message>
    <message>
        <source>Setting not stored in servo</source>
        <translation>wird nicht im Servo gespeichert</translation>
    </message>
    <message>
        <source>Pulse width for x degrees</source>
        <translation>Impulsbreite für x Grad</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Pulse width</source>
        <translation>Impulsbreite</translation>
    </message>
    <message>
        <source>Percent of throw</source>
        <translation>Prozent vom Servoweg</translation>
    </message>
    <message>
        <source> Reset to Default</source>
        <translation> Werkseinstellung</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>no settings were read from the servo</source>
        <translation>es wurden keine Einstellungen vom Servo gelesen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open settings…</source>
        <translation>Einstellungen ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save settings…</source>
        <translation>Einstellungen &amp;speichern…</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Restore a backup…</source>
        <translation>Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>Open the &amp;backups folder</source>
        <translation>Sicherungs&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Settings files (*.json)</source>
        <translation>Einstellungsdateien (*.json)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>The settings shown cannot be saved.</source>
        <translation>Die angezeigten Einstellungen lassen sich nicht speichern.</translation>
    </message>
    <message>
        <source>There are no backups of this servo in %1.</source>
        <translation>In %1 gibt es keine Sicherungen dieses Servos.</translation>
    </message>
    <message>
        <source>The backups folder %1 cannot be opened.</source>
        <translation>Der Sicherungsordner %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>No backup of the servo&apos;s settings could be written to %1.
%2

Program the servo without a backup?</source>
        <translation>Die Einstellungen des Servos konnten nicht nach %1 gesichert werden.
%2

Das Servo ohne Sicherung programmieren?</translation>
    </message>
    <message>
        <source>The servo may hold the new settings.</source>
        <translation>Das Servo hat die neuen Einstellungen womöglich schon übernommen.</translation>
    </message>
    <message>
        <source>No backup was taken before programming.</source>
        <translation>Vor dem Programmieren wurde keine Sicherung angelegt.</translation>
    </message>
    <message>
        <source>What it held before is in the backup %1; File, Restore a backup… loads it into the editors.</source>
        <translation>Die vorherigen Einstellungen liegen in der Sicherung %1; Datei, Sicherung wiederherstellen… lädt sie in die Regler.</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Verlauf…</translation>
    </message>
    <message>
        <source>The record of this programming run could not be added to the journal:
%1</source>
        <translation>Der Eintrag dieses Programmiervorgangs konnte nicht ins Journal geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The gauge cannot be drawn: %1</source>
        <translation>Die Anzeige kann nicht gezeichnet werden: %1</translation>
    </message>
    <message>
        <source>Program a s&amp;eries…</source>
        <translation>S&amp;erie programmieren…</translation>
    </message>
    <message>
        <source>Save a bug report</source>
        <translation>Fehlerbericht speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The bug report was saved to %1. Read it, then send it with a description of what happened.</source>
        <translation>Der Fehlerbericht wurde in %1 gespeichert. Lesen Sie ihn und senden Sie ihn dann mit einer Beschreibung dessen, was geschah.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Another servo is on %1 now, not the &quot;%2&quot; that Connect read. Nothing was sent.

Press Connect first to read the servo that is there.</source>
        <translation>An %1 ist jetzt ein anderes Servo, nicht das von Connect gelesene &quot;%2&quot;. Es wurde nichts gesendet.

Drücken Sie zuerst Connect, um das Servo zu lesen, das dort ist.</translation>
    </message>
    <message>
        <source>No servo answered on %1. %2</source>
        <translation>An %1 hat kein Servo geantwortet. %2</translation>
    </message>
    <message>
        <source>No backup of the servo&apos;s settings could be written.
%1

Program the servo without a backup?</source>
        <translation>Es konnte keine Sicherung der Einstellungen des Servos geschrieben werden.
%1

Das Servo ohne Sicherung programmieren?</translation>
    </message>
    <message>
        <source>Save a b&amp;ug report…</source>
        <translation>Fehlerbe&amp;richt speichern…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>%1: programming was cut off after its frame went out.</source>
        <translation>%1: Das Programmieren wurde abgebrochen, nachdem der Datenrahmen gesendet war.</translation>
    </message>
</context>
<context>
    <name>tessaro::app::HistoryDialog</name>
    <message>
        <source>Load the state &amp;before</source>
        <translation>Stand &amp;davor laden</translation>
    </message>
    <message>
        <source>Load the state &amp;after</source>
        <translation>Stand d&amp;anach laden</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Writes to this servo, newest first:</source>
        <translation>Schreibvorgänge auf dieses Servo, neueste zuerst:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Was sich änderte</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>a backup, taken before a write that has no record</source>
        <translation>eine Sicherung vor einem Schreibvorgang ohne Eintrag</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
</context>
<context>
    <name>tessaro::app::SeriesDialog</name>
    <message>
        <source>Program a series</source>
        <translation>Serie programmieren</translation>
    </message>
    <message>
        <source>Programming %1 into one servo after another on COM%2.</source>
        <translation>%1 wird in ein Servo nach dem anderen an COM%2 programmiert.</translation>
    </message>
    <message>
        <source>Servos programmed</source>
        <translation>Programmierte Servos</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>%1  %2  &quot;%3&quot;  %4</source>
        <translation>%1  %2  &quot;%3&quot;  %4</translation>
    </message>
    <message>
        <source>Series ended: %1</source>
        <translation>Serie beendet: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>(not in the journal: %1)</source>
        <translation>(nicht im Journal: %1)</translation>
    </message>
</context>
<context>
    <name>tessaro::settings</name>
    <message>
        <source>the backup folder is a link owned by someone else; it is not used</source>
        <translation>der Sicherungsordner ist ein Link eines anderen Benutzers; er wird nicht verwendet</translation>
    </message>
    <message>
        <source>the backup folder is not a folder</source>
        <translation>der Sicherungsordner ist kein Ordner</translation>
    </message>
    <message>
        <source>the backup folder belongs to someone else; it is not used</source>
        <translation>der Sicherungsordner gehört einem anderen Benutzer; er wird nicht verwendet</translation>
    </message>
    <message>
        <source>others can write to the backup folder; it is not used until only its owner can (chmod 700)</source>
        <translation>andere können in den Sicherungsordner schreiben; er wird erst verwendet, wenn nur sein Besitzer es kann (chmod 700)</translation>
    </message>
    <message>
        <source>there is no home folder for backups: HOME is not set to an absolute path, nor is XDG_DATA_HOME</source>
        <translation>es gibt keinen Basisordner für Sicherungen: weder HOME noch XDG_DATA_HOME ist ein absoluter Pfad</translation>
    </message>
    <message>
        <source>cannot create the backup folder</source>
        <translation>der Sicherungsordner lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>the backup does not read back as written</source>
        <translation>die Sicherung liest sich nicht so zurück, wie sie geschrieben wurde</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>is %1, not a settings file; it was left untouched</source>
        <translation>ist %1, keine Einstellungsdatei; sie blieb unberührt</translation>
    </message>
    <message>
        <source>is larger than %1 bytes, too large for a settings file</source>
        <translation>ist größer als %1 Bytes, zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>is %1, not a settings file</source>
        <translation>ist %1, keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>cannot be written: %1; it was left as it was</source>
        <translation>lässt sich nicht schreiben: %1; sie blieb, wie sie war</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>not JSON: %1 at offset %2</source>
        <translation>kein JSON: %1 an Stelle %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>field %1 appears more than once</source>
        <translation>Feld %1 kommt mehrfach vor</translation>
    </message>
    <message>
        <source>field %1 is not a settings field</source>
        <translation>Feld %1 ist kein Einstellungsfeld</translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation>Feld %1 fehlt</translation>
    </message>
    <message>
        <source>field %1: %2 is not %3, the format this program reads</source>
        <translation>Feld %1: %2 ist nicht %3, das Format, das dieses Programm liest</translation>
    </message>
    <message>
        <source>field %1: %2 is not %3 hex digits</source>
        <translation>Feld %1: %2 besteht nicht aus %3 Hex-Ziffern</translation>
    </message>
    <message>
        <source>field %1: %2 differs from the name in the block, %3</source>
        <translation>Feld %1: %2 weicht vom Namen %3 im Block ab</translation>
    </message>
    <message>
        <source>field %1: %2 is outside %3 to %4</source>
        <translation>Feld %1: %2 liegt außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>field %1: %2 is not a whole number from %3 to %4</source>
        <translation>Feld %1: %2 ist keine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>read back different</source>
        <translation>abweichend zurückgelesen</translation>
    </message>
    <message>
        <source>acknowledgement wrong or missing</source>
        <translation>Quittung falsch oder fehlend</translation>
    </message>
    <message>
        <source>no answer on the read-back</source>
        <translation>keine Antwort beim Zurücklesen</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>port lost</source>
        <translation>Anschluss verloren</translation>
    </message>
    <message>
        <source>there is no home folder for the journal</source>
        <translation>es gibt keinen Home-Ordner für das Journal</translation>
    </message>
    <message>
        <source>cannot make the folder: %1</source>
        <translation>der Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot open the journal: %1</source>
        <translation>das Journal kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the journal is not a regular file of your own; it was left untouched</source>
        <translation>das Journal ist keine reguläre Datei, die Ihnen gehört; es wurde nicht angerührt</translation>
    </message>
    <message>
        <source>cannot make the journal private: %1</source>
        <translation>das Journal kann nicht privat gemacht werden: %1</translation>
    </message>
    <message>
        <source>cannot lock the journal: %1</source>
        <translation>das Journal kann nicht gesperrt werden: %1</translation>
    </message>
    <message>
        <source>cannot write to the journal: %1</source>
        <translation>in das Journal kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the journal is not a regular file</source>
        <translation>das Journal ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot read the journal: %1</source>
        <translation>das Journal kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1: only the newest %2 MB are read</source>
        <translation>%1: nur die neuesten %2 MB werden gelesen</translation>
    </message>
    <message>
        <source>%1, line %2: longer than %3 bytes; skipped</source>
        <translation>%1, Zeile %2: länger als %3 Bytes; übersprungen</translation>
    </message>
    <message>
        <source>%1, line %2: a record cut off (the write never finished); skipped</source>
        <translation>%1, Zeile %2: ein abgeschnittener Eintrag (der Schreibvorgang wurde nie beendet); übersprungen</translation>
    </message>
    <message>
        <source>%1, line %2: not a record; skipped</source>
        <translation>%1, Zeile %2: kein Eintrag; übersprungen</translation>
    </message>
    <message>
        <source>%1: the file name is not UTF-8 text, so it cannot be named exactly; nothing was read or written</source>
        <translation>%1: der Dateiname ist kein UTF-8-Text und kann daher nicht genau benannt werden; es wurde nichts gelesen oder geschrieben</translation>
    </message>
    <message>
        <source>cannot be written: %1; no file was made</source>
        <translation>kann nicht geschrieben werden: %1; es wurde keine Datei angelegt</translation>
    </message>
    <message>
        <source>exists already</source>
        <translation>ist schon vorhanden</translation>
    </message>
</context>
</TS>
