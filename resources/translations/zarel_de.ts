<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BandFollowDialog</name>
    <message>
        <source>F2 edits a cell, Enter keeps it</source>
        <translation>F2 bearbeitet eine Zelle, Eingabe übernimmt sie</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The row needs From and To, in kHz</source>
        <translation>Die Zeile braucht Von und Bis, in kHz</translation>
    </message>
    <message>
        <source>%1 is left over after the outputs</source>
        <translation>%1 bleibt nach den Ausgängen übrig</translation>
    </message>
    <message>
        <source>%1 is a second antenna list: one list, as 4, 9, 2</source>
        <translation>%1 ist eine zweite Antennenliste: eine Liste, etwa 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not 8 outputs of 1, 0 or -</source>
        <translation>%1 sind nicht 8 Ausgänge aus 1, 0 oder -</translation>
    </message>
    <message>
        <source>rx needs one antenna, 1 to 12: rx 8</source>
        <translation>rx braucht eine Antenne, 1 bis 12: rx 8</translation>
    </message>
    <message>
        <source>%1 is not an antenna list: 1 to 12, as 4, 9, 2</source>
        <translation>%1 ist keine Antennenliste: 1 bis 12, etwa 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not a mode here: CW, SSB or DATA</source>
        <translation>%1 ist hier keine Betriebsart: CW, SSB oder DATA</translation>
    </message>
    <message>
        <source>%1 and %2 kHz are not in one band</source>
        <translation>%1 und %2 kHz liegen nicht in einem Band</translation>
    </message>
    <message>
        <source>%1 is above %2: From is the lower edge</source>
        <translation>%1 liegt über %2: Von ist die untere Grenze</translation>
    </message>
    <message>
        <source>%1 kHz is in no band</source>
        <translation>%1 kHz liegt in keinem Band</translation>
    </message>
    <message>
        <source>%1 looks like MHz: the range is in kHz</source>
        <translation>%1 sieht nach MHz aus: der Bereich ist in kHz</translation>
    </message>
    <message>
        <source>%1 is not a frequency in kHz</source>
        <translation>%1 ist keine Frequenz in kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>Ant %1 · %2</source>
        <translation>Ant %1 · %2</translation>
    </message>
    <message>
        <source>%1 antennas</source>
        <translation>Antennen %1</translation>
    </message>
    <message>
        <source>One antenna, or several tried in this order: 4, 9, 2</source>
        <translation>Eine Antenne oder mehrere, in dieser Reihenfolge versucht: 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>Ausgänge %1</translation>
    </message>
    <message>
        <source>One character per output from GPO 1: 1 on, 0 off, - left alone</source>
        <translation>Ein Zeichen je Ausgang ab GPO 1: 1 ein, 0 aus, - unverändert</translation>
    </message>
    <message>
        <source>Row %1 is not used yet</source>
        <translation>Zeile %1 wird noch nicht verwendet</translation>
    </message>
    <message>
        <source>Up to %1 segments</source>
        <translation>Bis zu %1 Segmente</translation>
    </message>
    <message>
        <source>“%1” was not used: antennas 1 to 12, as 4, 9, 2</source>
        <translation>„%1“ wurde nicht übernommen: Antennen 1 bis 12, etwa 4, 9, 2</translation>
    </message>
    <message>
        <source>Guards phone and data: shorter waits cannot tell a break-in or VOX gap from the end of a transmission (%1 ms is the least). It does not make CW safe: a word space can be longer</source>
        <translation>Schützt Sprach- und Datenbetrieb: Kürzere Wartezeiten können eine Break-in- oder VOX-Pause nicht vom Sendeende unterscheiden (Minimum %1 ms). CW wird dadurch nicht sicher: Ein Wortabstand kann länger sein</translation>
    </message>
    <message>
        <source>While the radio is in CW: longer than the longest gap of your keying (a word space is 7 dits: 700 ms at 12 WPM). A gap longer than this still lets a switch through; only the inhibit output makes CW safe</source>
        <translation>Während das Funkgerät in CW ist: länger als die längste Pause Ihrer Tastung (ein Wortabstand sind 7 Punktlängen: 700 ms bei 12 WPM). Eine längere Pause lässt trotzdem eine Umschaltung durch; nur der Sperrausgang macht CW sicher</translation>
    </message>
    <message>
        <source>The GPO wired to the radio&apos;s TX-inhibit input: it holds the radio off the air for every automatic switch, which makes switching safe whatever the keying. Without it, the waits guard phone and data, and CW only while its gaps are shorter than the CW wait</source>
        <translation>Der GPO-Ausgang am TX-Sperreingang des Funkgeräts: Er hält das Funkgerät bei jeder automatischen Umschaltung vom Senden ab und macht das Umschalten so unabhängig von der Tastung sicher. Ohne ihn schützen die Wartezeiten Sprach- und Datenbetrieb, CW aber nur, solange dessen Pausen kürzer als die CW-Wartezeit sind</translation>
    </message>
    <message>
        <source>GPO %1</source>
        <translation>GPO %1</translation>
    </message>
</context>
<context>
    <name>BandFollowing</name>
    <message>
        <source>: no free antenna</source>
        <translation>: keine freie Antenne</translation>
    </message>
    <message>
        <source>%1: split off</source>
        <translation>%1: Split aus</translation>
    </message>
    <message>
        <source>%1: split on, receiving on Ant %2</source>
        <translation>%1: Split ein, Empfang auf Ant %2</translation>
    </message>
    <message>
        <source>Band following ignores %1</source>
        <translation>Automatische Bandumschaltung ignoriert %1</translation>
    </message>
    <message>
        <source> · PTT unknown</source>
        <translation> · PTT unbekannt</translation>
    </message>
    <message>
        <source>PTT unknown: only the Merax SEND input guards switching</source>
        <translation>PTT unbekannt: Nur der SEND-Eingang des Merax sichert das Umschalten ab</translation>
    </message>
    <message>
        <source>rigctld answers too late to tell the PTT: switching waits</source>
        <translation>rigctld antwortet zu spät, um die PTT zu erkennen: Das Umschalten wartet</translation>
    </message>
    <message>
        <source>Ant %1 waits for the end of the transmission</source>
        <translation>Ant %1 wartet auf das Sendeende</translation>
    </message>
    <message>
        <source>Band following paused while split is on</source>
        <translation>Automatische Bandumschaltung pausiert, solange Split aktiv ist</translation>
    </message>
    <message>
        <source>Ant %1 not switched: the radio&apos;s source went away while it was transmitting</source>
        <translation>Ant %1 nicht umgeschaltet: Die Quelle des Funkgeräts ist während des Sendens weggefallen</translation>
    </message>
    <message>
        <source>The Merax came back without an antenna: Ant %1 selected again</source>
        <translation>Der Merax ist ohne Antenne zurück: Ant %1 wieder gewählt</translation>
    </message>
    <message>
        <source>The Merax reports no antenna</source>
        <translation>Der Merax meldet keine Antenne</translation>
    </message>
    <message>
        <source>%1: Ant %2</source>
        <translation>%1: Ant %2</translation>
    </message>
    <message>
        <source>Ant %1 selected</source>
        <translation>Ant %1 gewählt</translation>
    </message>
    <message>
        <source>Ant %1 is in use elsewhere: press again to take it</source>
        <translation>Ant %1 wird anderswo benutzt: zum Übernehmen erneut drücken</translation>
    </message>
    <message>
        <source>%1: no antennas named</source>
        <translation>%1: keine Antennen angegeben</translation>
    </message>
    <message>
        <source>Next antenna: the radio is on no band</source>
        <translation>Nächste Antenne: das Funkgerät ist auf keinem Band</translation>
    </message>
    <message>
        <source>%1: no other antenna free</source>
        <translation>%1: keine andere Antenne frei</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1: %2 in use elsewhere</source>
        <translation>%1: %2 anderswo in Benutzung</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1: Ant %2 selected again</source>
        <translation>Der Merax ist auf Ant %1 zurück: Ant %2 wieder gewählt</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1 (it had Ant %2)</source>
        <translation>Der Merax ist auf Ant %1 zurück (vorher Ant %2)</translation>
    </message>
</context>
<context>
    <name>CompassRose</name>
    <message>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>%1 compass</source>
        <translation>Kompass von %1</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>Richtung %1</translation>
    </message>
    <message>
        <source>heading not known</source>
        <translation>Richtung unbekannt</translation>
    </message>
    <message>
        <source>turning to %1</source>
        <translation>dreht auf %1</translation>
    </message>
    <message>
        <source>chosen %1</source>
        <translation>gewählt %1</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>DayStrip</name>
    <message>
        <source>Day picture</source>
        <translation>Tagesübersicht</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>unter einer Minute</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 UTC until %2</source>
        <translation>%1 UTC bis %2</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No antenna in use</source>
        <translation>Keine Antenne in Benutzung</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>In Benutzung: %1</translation>
    </message>
    <message>
        <source>Transmissions: %1</source>
        <translation>Sendedurchgänge: %1</translation>
    </message>
    <message>
        <source>Switches waited: %1</source>
        <translation>Aufgeschobene Umschaltungen: %1</translation>
    </message>
    <message>
        <source>Switches failed: %1</source>
        <translation>Fehlgeschlagene Umschaltungen: %1</translation>
    </message>
    <message>
        <source>%1 in use</source>
        <translation>%1 in Benutzung</translation>
    </message>
    <message>
        <source>no antenna in use</source>
        <translation>keine Antenne in Benutzung</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>sendet</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>%1 UTC, %2</source>
        <translation>%1 UTC, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>JournalModel</name>
    <message>
        <source>Switch</source>
        <translation>Umschaltung</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>%1 ✕ failed</source>
        <translation>%1 ✕ fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 ▼ waited</source>
        <translation>%1 ▼ aufgeschoben</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>Held (ms)</source>
        <translation>Aufschub (ms)</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>&amp;Day (UTC):</source>
        <translation>&amp;Tag (UTC):</translation>
    </message>
    <message>
        <source>Day (UTC)</source>
        <translation>Tag (UTC)</translation>
    </message>
    <message>
        <source>&amp;Previous day</source>
        <translation>&amp;Vorheriger Tag</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>&amp;Nächster Tag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Umschaltungen</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Notices</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Transmit and rotators</source>
        <translation>Senden und Rotoren</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Shows the rows whose what, who or outcome holds this text</source>
        <translation>Zeigt die Zeilen, deren Ereignis, Auslöser oder Ergebnis diesen Text enthält</translation>
    </message>
    <message>
        <source>Text in what, who or outcome</source>
        <translation>Text in Ereignis, Auslöser oder Ergebnis</translation>
    </message>
    <message>
        <source>W&amp;hole day</source>
        <translation>&amp;Ganzer Tag</translation>
    </message>
    <message>
        <source>The picture spans the whole day, not only its busy hours</source>
        <translation>Die Übersicht umfasst den ganzen Tag, nicht nur die aktiven Stunden</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Writes the rows shown to a CSV file</source>
        <translation>Schreibt die angezeigten Zeilen in eine CSV-Datei</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>Ereignisse: %1</translation>
    </message>
    <message>
        <source>%1 of %2 events</source>
        <translation>Ereignisse: %1 von %2</translation>
    </message>
    <message>
        <source>The journal could not be read: %1</source>
        <translation>Das Protokoll konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Not exported: %1 could not be written (%2)</source>
        <translation>Nicht exportiert: %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1 events exported to %2</source>
        <translation>%1 Ereignisse nach %2 exportiert</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>keine Antwort seit %1 s</translation>
    </message>
    <message>
        <source> · loss %1 %</source>
        <translation> · Verlust %1 %</translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation>Ping: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings NOT saved: %1 is read-only or the disk is full.</source>
        <translation>Einstellungen NICHT gespeichert: %1 ist schreibgeschützt oder der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>%1 (copied from %2)</source>
        <translation>%1 (kopiert von %2)</translation>
    </message>
    <message>
        <source>Zarel</source>
        <translation>Zarel</translation>
    </message>
    <message>
        <source>Could not find host address. Check LAN Settings!</source>
        <translation>Hostadresse nicht gefunden. Bitte LAN-Einstellungen prüfen!</translation>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a number from 1 to 65535. Check LAN Settings!</source>
        <translation>Der Geräteport &quot;%1&quot; ist keine Zahl von 1 bis 65535. Bitte LAN-Einstellungen prüfen!</translation>
    </message>
    <message>
        <source>LAN enabled</source>
        <translation>LAN aktiviert</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Ignored a status report from %1</source>
        <translation>Statusmeldung von %1 ignoriert</translation>
    </message>
    <message>
        <source>%1 not confirmed by the Merax</source>
        <translation>%1 vom Merax nicht bestätigt</translation>
    </message>
    <message>
        <source>Split disabled</source>
        <translation>Split deaktiviert</translation>
    </message>
    <message>
        <source>Choose the RX position:</source>
        <translation>Empfangsantenne wählen:</translation>
    </message>
    <message>
        <source>Split config cancelled!</source>
        <translation>Split-Konfiguration abgebrochen!</translation>
    </message>
    <message>
        <source>Split configured succesfuly!</source>
        <translation>Split erfolgreich konfiguriert!</translation>
    </message>
    <message>
        <source>The Merax answers again</source>
        <translation>Der Merax antwortet wieder</translation>
    </message>
    <message>
        <source>No answer from the Merax</source>
        <translation>Keine Antwort vom Merax</translation>
    </message>
    <message>
        <source>Settings not read: the file is larger than %1 MB</source>
        <translation>Einstellungen nicht gelesen: Die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Settings ignore %1: longer than %2 characters</source>
        <translation>Einstellungen ignorieren %1: länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>Settings ignore %1: not a text, number or flag</source>
        <translation>Einstellungen ignorieren %1: kein Text, keine Zahl, kein Schalter</translation>
    </message>
    <message>
        <source>Settings: %1 read as Latin-1, not UTF-8</source>
        <translation>Einstellungen: %1 als Latin-1 gelesen, nicht als UTF-8</translation>
    </message>
    <message>
        <source>Settings NOT saved: another Zarel is writing %1. Try again.</source>
        <translation>Einstellungen NICHT gespeichert: Ein anderes Zarel schreibt %1. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Settings NOT saved: a text is longer than %1 characters.</source>
        <translation>Einstellungen NICHT gespeichert: Ein Text ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>Settings NOT saved: %1 is larger than %2 MB.</source>
        <translation>Einstellungen NICHT gespeichert: %1 ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>The Merax answers from port %1</source>
        <translation>Der Merax antwortet von Port %1</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>TX inhibited for the switch to Ant %1</source>
        <translation>TX gesperrt für die Umschaltung auf Ant %1</translation>
    </message>
    <message>
        <source>TX inhibited for the band outputs</source>
        <translation>TX gesperrt für die Bandausgänge</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) not confirmed by the Merax: switching waits</source>
        <translation>GPO %1 (TX-Sperre) vom Merax nicht bestätigt: Umschaltung wartet</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) was left on: lowered</source>
        <translation>GPO %1 (TX-Sperre) war noch ein: ausgeschaltet</translation>
    </message>
    <message>
        <source>GPO %1 holds the radio off the air until the switch is confirmed</source>
        <translation>GPO %1 hält das Funkgerät vom Senden ab, bis die Umschaltung bestätigt ist</translation>
    </message>
    <message>
        <source>No Merax set: File › LAN Settings</source>
        <translation>Kein Merax eingestellt: Datei › LAN-Einstellungen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>%1: says the whole state</source>
        <translation>%1: sagt den ganzen Zustand</translation>
    </message>
    <message>
        <source>%1 or the menu key on a GPI or GPO key: picks its colour</source>
        <translation>%1 oder die Menütaste auf einer GPI- oder GPO-Taste: wählt ihre Farbe</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous key; Space presses it</source>
        <translation>Tab, Umschalt+Tab: die nächste oder vorige Taste; die Leertaste drückt sie</translation>
    </message>
    <message>
        <source>Alt and a menu&apos;s underlined letter: the menus</source>
        <translation>Alt und der unterstrichene Buchstabe eines Menüs: die Menüs</translation>
    </message>
    <message>
        <source>%1: turns the selected antenna&apos;s rotator</source>
        <translation>%1: dreht den Rotor der gewählten Antenne</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>kein Ordner %1</translation>
    </message>
    <message>
        <source>The journal cannot be written (%1): switching goes on without it</source>
        <translation>Das Protokoll kann nicht geschrieben werden (%1): Das Umschalten läuft ohne Protokoll weiter</translation>
    </message>
    <message>
        <source>%1 to receive</source>
        <translation>%1 für Empfang</translation>
    </message>
    <message>
        <source>SPLIT off</source>
        <translation>SPLIT aus</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1, receive %2</source>
        <translation>SPLIT ein: Senden %1, Empfang %2</translation>
    </message>
    <message>
        <source>GPO %1 on</source>
        <translation>GPO %1 ein</translation>
    </message>
    <message>
        <source>GPO %1 off</source>
        <translation>GPO %1 aus</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>function key</source>
        <translation>Funktionstaste</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>band following</source>
        <translation>automatische Bandumschaltung</translation>
    </message>
    <message>
        <source>band following: %1</source>
        <translation>automatische Bandumschaltung: %1</translation>
    </message>
    <message>
        <source>next antenna</source>
        <translation>nächste Antenne</translation>
    </message>
    <message>
        <source>the device came back</source>
        <translation>Gerät wieder erreichbar</translation>
    </message>
    <message>
        <source>browser: %1</source>
        <translation>Browser: %1</translation>
    </message>
    <message>
        <source>transmit inhibit</source>
        <translation>TX-Sperre</translation>
    </message>
    <message>
        <source>superseded by %1</source>
        <translation>ersetzt durch %1</translation>
    </message>
    <message>
        <source>not sent: the same switch still waits for the Merax</source>
        <translation>nicht gesendet: dieselbe Umschaltung wartet noch auf den Merax</translation>
    </message>
    <message>
        <source>confirmed after %1 ms</source>
        <translation>bestätigt nach %1 ms</translation>
    </message>
    <message>
        <source>not confirmed by the Merax</source>
        <translation>vom Merax nicht bestätigt</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>anderweitig belegt</translation>
    </message>
    <message>
        <source>the radio&apos;s source is gone</source>
        <translation>Quelle des Funkgeräts weggefallen</translation>
    </message>
    <message>
        <source>no longer wanted</source>
        <translation>nicht mehr gewünscht</translation>
    </message>
    <message>
        <source>not sent: %1</source>
        <translation>nicht gesendet: %1</translation>
    </message>
    <message>
        <source>on the device when it answered again</source>
        <translation>am Gerät, als es wieder antwortete</translation>
    </message>
    <message>
        <source>on the device at Connect</source>
        <translation>am Gerät beim Verbinden</translation>
    </message>
    <message>
        <source>switched elsewhere</source>
        <translation>anderswo umgeschaltet</translation>
    </message>
    <message>
        <source>SPLIT on</source>
        <translation>SPLIT ein</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>sendet</translation>
    </message>
    <message>
        <source>not sent: the station stopped</source>
        <translation>nicht gesendet: Station beendet</translation>
    </message>
    <message>
        <source>not confirmed: the station stopped</source>
        <translation>nicht bestätigt: Station beendet</translation>
    </message>
    <message>
        <source>the station stopped</source>
        <translation>Station beendet</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>not sent: disconnected</source>
        <translation>nicht gesendet: getrennt</translation>
    </message>
    <message>
        <source>not confirmed: disconnected</source>
        <translation>nicht bestätigt: getrennt</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>silent for %1 s</source>
        <translation>keine Antwort seit %1 s</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>Verbindung wiederhergestellt</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>nach %1 s</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>Funkgerät wird gelesen</translation>
    </message>
    <message>
        <source>radio lost</source>
        <translation>Funkgerät verloren</translation>
    </message>
    <message>
        <source>%1 to %2°</source>
        <translation>%1 auf %2°</translation>
    </message>
    <message>
        <source>%1 stop</source>
        <translation>%1 anhalten</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s) could not be kept while the journal could not be written</source>
        <translation>
            <numerusform>%n Ereignis konnte nicht behalten werden, solange das Protokoll nicht geschrieben werden konnte</numerusform>
            <numerusform>%n Ereignisse konnten nicht behalten werden, solange das Protokoll nicht geschrieben werden konnte</numerusform>
        </translation>
    </message>
    <message>
        <source>the station started</source>
        <translation>Station gestartet</translation>
    </message>
    <message>
        <source>not sent: superseded by %1</source>
        <translation>nicht gesendet: ersetzt durch %1</translation>
    </message>
    <message>
        <source>sent, then replaced by %1</source>
        <translation>gesendet, dann ersetzt durch %1</translation>
    </message>
    <message>
        <source>taken over by %1</source>
        <translation>übernommen von %1</translation>
    </message>
</context>
<context>
    <name>PanelAccess</name>
    <message>
        <source>Transmits and receives on two antennas</source>
        <translation>Sendet und empfängt auf zwei Antennen</translation>
    </message>
    <message>
        <source>Receives with the transceiver</source>
        <translation>Empfängt mit dem Transceiver</translation>
    </message>
    <message>
        <source>Receives with receiver %1</source>
        <translation>Empfängt mit Empfänger %1</translation>
    </message>
    <message>
        <source>Switches output %1; the menu key picks its colour</source>
        <translation>Schaltet Ausgang %1; die Menütaste wählt seine Farbe</translation>
    </message>
    <message>
        <source>Switches the radio to this antenna</source>
        <translation>Schaltet das Funkgerät auf diese Antenne</translation>
    </message>
    <message>
        <source>Lit while another station uses Ant %1</source>
        <translation>Leuchtet, solange eine andere Station Ant %1 nutzt</translation>
    </message>
    <message>
        <source>Input %1; the menu key picks its colour</source>
        <translation>Eingang %1; die Menütaste wählt seine Farbe</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>Lit while the station transmits</source>
        <translation>Leuchtet, solange die Station sendet</translation>
    </message>
    <message>
        <source>The link to the Merax</source>
        <translation>Die Verbindung zum Merax</translation>
    </message>
    <message>
        <source>Takes the radio off its antenna; in split, off the receive antenna only</source>
        <translation>Trennt das Funkgerät von seiner Antenne; bei Split nur von der Empfangsantenne</translation>
    </message>
</context>
<context>
    <name>PanelSpeech</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 in use elsewhere</source>
        <translation>%1 anderswo in Benutzung</translation>
    </message>
    <message>
        <source>Ant %1 is now in use elsewhere too</source>
        <translation>Ant %1 wird jetzt auch anderswo benutzt</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>transmit antenna (split)</source>
        <translation>Sendeantenne (Split)</translation>
    </message>
    <message>
        <source>receive antenna (split)</source>
        <translation>Empfangsantenne (Split)</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>anderweitig belegt</translation>
    </message>
    <message>
        <source>choose the receive antenna</source>
        <translation>Empfangsantenne wählen</translation>
    </message>
    <message>
        <source>blinking</source>
        <translation>blinkt</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>link up, ping %1 ms</source>
        <translation>Verbindung steht, Ping %1 ms</translation>
    </message>
    <message>
        <source>link up</source>
        <translation>Verbindung steht</translation>
    </message>
    <message>
        <source>waits for the end of the transmission</source>
        <translation>wartet auf das Sendeende</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a key&apos;s name, as a screen reader says it (&quot;Ant 4, 20M YAGI&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>no antenna</source>
        <translation>keine Antenne</translation>
    </message>
    <message>
        <source>No antenna</source>
        <translation>Keine Antenne</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1; receive %2</source>
        <translation>SPLIT ein: Senden %1; Empfang %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the changes said together, as a screen reader says them.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>SPLIT off: %1</source>
        <translation>SPLIT aus: %1</translation>
    </message>
    <message>
        <source>No state from the Merax</source>
        <translation>Kein Zustand vom Merax</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RadioSource</name>
    <message>
        <source>Two loggers report radio %1: following %2</source>
        <translation>Zwei Logger melden Funkgerät %1, verwendet wird %2</translation>
    </message>
    <message>
        <source>rigctld: not connected</source>
        <translation>rigctld: nicht verbunden</translation>
    </message>
    <message>
        <source>rigctld: connection refused</source>
        <translation>rigctld: Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>rigctld: unknown host</source>
        <translation>rigctld: unbekannter Host</translation>
    </message>
    <message>
        <source>rigctld: connected, no answer</source>
        <translation>rigctld: verbunden, keine Antwort</translation>
    </message>
    <message>
        <source>rigctld: connected, error %1</source>
        <translation>rigctld: verbunden, Fehler %1</translation>
    </message>
    <message>
        <source>rigctld: connected, unreadable answer</source>
        <translation>rigctld: verbunden, unlesbare Antwort</translation>
    </message>
    <message>
        <source>rigctld: connected</source>
        <translation>rigctld: verbunden</translation>
    </message>
    <message>
        <source>logger: UDP port %1 unavailable</source>
        <translation>Logger: UDP-Port %1 nicht verfügbar</translation>
    </message>
    <message>
        <source>logger: unknown host %1</source>
        <translation>Logger: unbekannter Host %1</translation>
    </message>
    <message>
        <source>logger: waiting for radio %1</source>
        <translation>Logger: warte auf Funkgerät %1</translation>
    </message>
    <message>
        <source>logger: radio %1, no frequency</source>
        <translation>Logger: Funkgerät %1, keine Frequenz</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>kein Band</translation>
    </message>
    <message>
        <source>%1 went quiet: following %2</source>
        <translation>%1 ist verstummt, verwendet wird %2</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>Remote access: Listen=%1 is not an IP address</source>
        <translation>Fernzugriff: Listen=%1 ist keine IP-Adresse</translation>
    </message>
    <message>
        <source>Remote access cannot listen on %1 port %2: %3</source>
        <translation>Der Fernzugriff kann nicht auf %1 Port %2 lauschen: %3</translation>
    </message>
    <message>
        <source>Remote access at %1 has no users yet: add one to log in</source>
        <translation>Der Fernzugriff unter %1 hat noch keine Benutzer: Fügen Sie einen hinzu, um sich anzumelden</translation>
    </message>
    <message>
        <source>Remote access at %1</source>
        <translation>Fernzugriff unter %1</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Ein Benutzername hat 1 bis %1 Buchstaben, Ziffern, &apos;.&apos;, &apos;_&apos; oder &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>Kein Passwort angegeben</translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Passwort wiederholen: </translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed</source>
        <translation>Die beiden Passwörter sind verschieden: Es wurde nichts geändert</translation>
    </message>
    <message>
        <source>%1 may log in to the browser panel as %2 (%3)</source>
        <translation>%1 darf sich als %2 am Browser-Panel anmelden (%3)</translation>
    </message>
    <message>
        <source>no key could be made</source>
        <translation>es konnte kein Schlüssel erzeugt werden</translation>
    </message>
    <message>
        <source>no random numbers for the certificate</source>
        <translation>keine Zufallszahlen für das Zertifikat</translation>
    </message>
    <message>
        <source>the certificate could not be signed</source>
        <translation>das Zertifikat konnte nicht signiert werden</translation>
    </message>
    <message>
        <source>the certificate could not be written out</source>
        <translation>das Zertifikat konnte nicht ausgegeben werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Remote access needs both a Certificate and a Key, or neither</source>
        <translation>Der Fernzugriff braucht sowohl ein Zertifikat als auch einen Schlüssel oder keines von beiden</translation>
    </message>
    <message>
        <source>No certificate for remote access: %1</source>
        <translation>Kein Zertifikat für den Fernzugriff: %1</translation>
    </message>
    <message>
        <source>The certificate for remote access cannot be read: %1</source>
        <translation>Das Zertifikat für den Fernzugriff kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 or %2 is not a PEM certificate and key</source>
        <translation>%1 oder %2 ist kein PEM-Zertifikat bzw. kein PEM-Schlüssel</translation>
    </message>
    <message>
        <source>Too many failed logins from this address: try again in a minute.</source>
        <translation>Zu viele fehlgeschlagene Anmeldungen von dieser Adresse: Versuchen Sie es in einer Minute erneut.</translation>
    </message>
    <message>
        <source>The station is busy: try again in a moment.</source>
        <translation>Die Station ist ausgelastet: Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The user or the password is wrong.</source>
        <translation>Benutzer oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Viewers cannot switch: log in as an operator</source>
        <translation>Zuschauer können nicht umschalten: Melden Sie sich als Operator an</translation>
    </message>
    <message>
        <source>The password is empty</source>
        <translation>Das Passwort ist leer</translation>
    </message>
    <message>
        <source>The password is longer than %1 bytes</source>
        <translation>Das Passwort ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>There is no user %1</source>
        <translation>Es gibt keinen Benutzer %1</translation>
    </message>
</context>
<context>
    <name>RemoteAccessDialog</name>
    <message>
        <source>Not served now</source>
        <translation>Derzeit nicht bereitgestellt</translation>
    </message>
    <message>
        <source>None while not served</source>
        <translation>Keiner, solange nicht bereitgestellt</translation>
    </message>
    <message>
        <source>Certificate (PEM)</source>
        <translation>Zertifikat (PEM)</translation>
    </message>
    <message>
        <source>Key (PEM)</source>
        <translation>Schlüssel (PEM)</translation>
    </message>
    <message>
        <source>Browsers connected: %1</source>
        <translation>Verbundene Browser: %1</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Listen address: “%1” is not an IP address, as 127.0.0.1 or 0.0.0.0</source>
        <translation>Lauschadresse: „%1“ ist keine IP-Adresse wie 127.0.0.1 oder 0.0.0.0</translation>
    </message>
    <message>
        <source>Port: a number from %1 to %2</source>
        <translation>Port: eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>Certificate and Key: both PEM files, or neither for the station&apos;s own certificate</source>
        <translation>Zertifikat und Schlüssel: beide PEM-Dateien oder keine für das eigene Zertifikat der Station</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM-Dateien (*.pem *.crt *.key);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Buchstaben, Ziffern, &apos;.&apos;, &apos;_&apos; oder &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>&amp;Viewer: sees everything, switches nothing</source>
        <translation>&amp;Zuschauer: sieht alles, schaltet nichts</translation>
    </message>
    <message>
        <source>Viewer: sees everything, switches nothing</source>
        <translation>Zuschauer: sieht alles, schaltet nichts</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Ein Benutzername hat 1 bis %1 Buchstaben, Ziffern, &apos;.&apos;, &apos;_&apos; oder &apos;-&apos;</translation>
    </message>
    <message>
        <source>Type a password</source>
        <translation>Geben Sie ein Passwort ein</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice</source>
        <translation>Die beiden Passwörter sind verschieden: geben Sie zweimal dasselbe ein</translation>
    </message>
    <message>
        <source>There is a user %1 already. Give it this password and role?</source>
        <translation>Es gibt schon einen Benutzer %1. Soll er dieses Passwort und diese Rolle erhalten?</translation>
    </message>
    <message>
        <source>Adding %1…</source>
        <translation>%1 wird hinzugefügt…</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>Benutzer entfernen</translation>
    </message>
    <message>
        <source>Remove %1? Its browsers are logged out at once.</source>
        <translation>%1 entfernen? Seine Browser werden sofort abgemeldet.</translation>
    </message>
</context>
<context>
    <name>RemotePanel</name>
    <message>
        <source>Stored, but not served: %1</source>
        <translation>Gespeichert, aber nicht bereitgestellt: %1</translation>
    </message>
</context>
<context>
    <name>RotatorPanel</name>
    <message>
        <source>turning to %1</source>
        <translation>dreht auf %1</translation>
    </message>
    <message>
        <source>turning</source>
        <translation>dreht</translation>
    </message>
    <message>
        <source>No antenna is selected</source>
        <translation>Keine Antenne gewählt</translation>
    </message>
    <message>
        <source>Ant %1 is on no rotator</source>
        <translation>Ant %1 ist an keinem Rotor</translation>
    </message>
</context>
<context>
    <name>Rotators</name>
    <message>
        <source>Set the station&apos;s locator to turn to a locator</source>
        <translation>Zum Drehen auf einen Locator den Locator der Station eintragen</translation>
    </message>
    <message>
        <source>Not a bearing or a locator: %1</source>
        <translation>Weder Azimut noch Locator: %1</translation>
    </message>
    <message>
        <source>Bearings go from 0° to 360°</source>
        <translation>Azimute reichen von 0° bis 360°</translation>
    </message>
    <message>
        <source>Rotor%1: not an address: &quot;%2&quot;</source>
        <translation>Rotor%1: keine Adresse: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: not antenna numbers: &quot;%2&quot;</source>
        <translation>Rotor%1Antennas: keine Antennennummern: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: Ant %2 is on another rotator</source>
        <translation>Rotor%1Antennas: Ant %2 ist an einem anderen Rotor</translation>
    </message>
    <message>
        <source>%1 stopped at %2</source>
        <translation>%1 hat bei %2 angehalten</translation>
    </message>
    <message>
        <source>%1: rotctld back</source>
        <translation>%1: rotctld wieder erreichbar</translation>
    </message>
    <message>
        <source>%1 refused the turn: %2</source>
        <translation>%1 lehnt das Drehen ab: %2</translation>
    </message>
    <message>
        <source>%1 refused to stop: %2</source>
        <translation>%1 lehnt das Anhalten ab: %2</translation>
    </message>
    <message>
        <source>%1: rotctld lost</source>
        <translation>%1: rotctld verloren</translation>
    </message>
    <message>
        <source>Rotator %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>rotctld: not connected</source>
        <translation>rotctld: nicht verbunden</translation>
    </message>
    <message>
        <source>rotctld: connected</source>
        <translation>rotctld: verbunden</translation>
    </message>
    <message>
        <source>rotctld: connection refused</source>
        <translation>rotctld: Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>rotctld: unknown host</source>
        <translation>rotctld: unbekannter Host</translation>
    </message>
    <message>
        <source>rotctld: connected, no answer</source>
        <translation>rotctld: verbunden, keine Antwort</translation>
    </message>
    <message>
        <source>rotctld: connected, error %1</source>
        <translation>rotctld: verbunden, Fehler %1</translation>
    </message>
    <message>
        <source>rotctld: connected, unreadable answer</source>
        <translation>rotctld: verbunden, unlesbare Antwort</translation>
    </message>
    <message>
        <source>%1, turning to %2</source>
        <translation>%1, dreht auf %2</translation>
    </message>
    <message>
        <source>%1, turning</source>
        <translation>%1, dreht</translation>
    </message>
    <message>
        <source>No rotator there</source>
        <translation>Dort ist kein Rotor</translation>
    </message>
    <message>
        <source>%1 cannot turn: %2</source>
        <translation>%1 kann nicht drehen: %2</translation>
    </message>
    <message>
        <source>%1 turns to %2</source>
        <translation>%1 dreht auf %2</translation>
    </message>
    <message>
        <source>%1 cannot stop: %2</source>
        <translation>%1 kann nicht anhalten: %2</translation>
    </message>
</context>
<context>
    <name>RotatorsDialog</name>
    <message>
        <source>host:port of rotctld, as 127.0.0.1:4533 or [::1]:4533; without a port, %1. Empty: no rotator</source>
        <translation>Host:Port von rotctld, etwa 127.0.0.1:4533 oder [::1]:4533; ohne Port %1. Leer: kein Rotor</translation>
    </message>
    <message>
        <source>The antennas this rotator turns, 1 to 12: 4, 5</source>
        <translation>Die Antennen, die dieser Rotor dreht, 1 bis 12: 4, 5</translation>
    </message>
    <message>
        <source>As the panel says it; empty: Rotator %1</source>
        <translation>Wie die Anzeige ihn nennt; leer: Rotor %1</translation>
    </message>
    <message>
        <source>The station&apos;s Maidenhead locator, 4 or 6 characters: bearings and distances to a locator start here</source>
        <translation>Der Maidenhead-Locator der Station, 4 oder 6 Zeichen: Azimute und Entfernungen zu einem Locator gehen von hier aus</translation>
    </message>
    <message>
        <source>Rotator %1 address: needed for its antennas and name (empty them as well for no rotator)</source>
        <translation>Adresse von Rotor %1: nötig für seine Antennen und seinen Namen (für keinen Rotor auch diese leeren)</translation>
    </message>
    <message>
        <source>Rotator %1 address: “%2” is not host:port, as 127.0.0.1:4533</source>
        <translation>Adresse von Rotor %1: „%2“ ist nicht Host:Port, etwa 127.0.0.1:4533</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: “%2” is not antennas 1 to 12, each once, as 4, 5</source>
        <translation>Antennen von Rotor %1: „%2“ sind keine Antennen 1 bis 12, jede einmal, etwa 4, 5</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: Ant %2 is on Rotator %3 already; an antenna has one rotator</source>
        <translation>Antennen von Rotor %1: Ant %2 ist schon an Rotor %3; eine Antenne hat nur einen Rotor</translation>
    </message>
    <message>
        <source>Locator: “%1” is not a Maidenhead locator of 4 or 6 characters, as JN58td</source>
        <translation>Locator: „%1“ ist kein Maidenhead-Locator mit 4 oder 6 Zeichen, etwa JN58td</translation>
    </message>
</context>
<context>
    <name>RotatorsWindow</name>
    <message>
        <source>Rotators</source>
        <translation>Rotoren</translation>
    </message>
    <message>
        <source>No rotator is set up: File › Rotators…</source>
        <translation>Kein Rotor eingerichtet: Datei › Rotoren…</translation>
    </message>
    <message>
        <source>Heading %1, turning to %2</source>
        <translation>Richtung %1, dreht auf %2</translation>
    </message>
    <message>
        <source>Bearing or locator</source>
        <translation>Azimut oder Locator</translation>
    </message>
    <message>
        <source>Degrees from north, or a Maidenhead locator such as JN58td; Enter turns</source>
        <translation>Grad ab Nord oder ein Maidenhead-Locator wie JN58td; Eingabe dreht</translation>
    </message>
    <message>
        <source>135 or JN58td</source>
        <translation>135 oder JN58td</translation>
    </message>
    <message>
        <source>Long path</source>
        <translation>Langer Weg</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Escape stops the rotator anywhere in this window</source>
        <translation>Esc hält den Rotor überall in diesem Fenster an</translation>
    </message>
    <message>
        <source>Stopping %1</source>
        <translation>Anhalten: %1</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>turns no antenna</source>
        <translation>dreht keine Antenne</translation>
    </message>
    <message>
        <source>turns %1</source>
        <translation>dreht %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Heading not known</source>
        <translation>Richtung unbekannt</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Richtung %1</translation>
    </message>
    <message>
        <source>%1 towards %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>%1, %2 km</source>
        <translation>%1, %2 km</translation>
    </message>
    <message>
        <source>%1, long path</source>
        <translation>%1, langer Weg</translation>
    </message>
    <message>
        <source>%1, short path</source>
        <translation>%1, kurzer Weg</translation>
    </message>
    <message>
        <source>Type a bearing, 0 to 359, or a locator</source>
        <translation>Azimut eingeben, 0 bis 359, oder einen Locator</translation>
    </message>
    <message>
        <source>“%1” is not a bearing or a locator</source>
        <translation>„%1“ ist weder Azimut noch Locator</translation>
    </message>
    <message>
        <source>%1 turning to %2</source>
        <translation>%1 dreht auf %2</translation>
    </message>
    <message>
        <source>&amp;Bearing or locator</source>
        <translation>&amp;Azimut oder Locator</translation>
    </message>
    <message>
        <source>&amp;Long path</source>
        <translation>&amp;Langer Weg</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
</context>
<context>
    <name>StationJournal</name>
    <message>
        <source>The journal is written again</source>
        <translation>Das Protokoll wird wieder geschrieben</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About Quorvan</source>
        <translation>Über Quorvan</translation>
    </message>
    <message>
        <source>Zarel :  Merax Remote Control</source>
        <translation>Zarel :  Merax-Fernsteuerung</translation>
    </message>
    <message>
        <source>Version: 1.1.2 (12/2019)</source>
        <translation>Version: 1.1.2 (12/2019)</translation>
    </message>
    <message>
        <source>Copyright © 2019 Zarel Radio Systems. All rights reserved.</source>
        <translation>Copyright © 2019 Zarel Radio Systems. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>www.zarel-radio.example</source>
        <translation>www.zarel-radio.example</translation>
    </message>
</context>
<context>
    <name>bandFollow</name>
    <message>
        <source>Band Following</source>
        <translation>Automatische Bandumschaltung</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>rigctld (Hamlib)</source>
        <translation>rigctld (Hamlib)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Logger broadcasts</source>
        <translation>Logger-Broadcasts</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>From host:</source>
        <translation>Von Host:</translation>
    </message>
    <message>
        <source>any host</source>
        <translation>jeder Host</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>any station</source>
        <translation>jede Station</translation>
    </message>
    <message>
        <source>2200 m</source>
        <translation>2200 m</translation>
    </message>
    <message>
        <source>630 m</source>
        <translation>630 m</translation>
    </message>
    <message>
        <source>160 m</source>
        <translation>160 m</translation>
    </message>
    <message>
        <source>80 m</source>
        <translation>80 m</translation>
    </message>
    <message>
        <source>60 m</source>
        <translation>60 m</translation>
    </message>
    <message>
        <source>40 m</source>
        <translation>40 m</translation>
    </message>
    <message>
        <source>30 m</source>
        <translation>30 m</translation>
    </message>
    <message>
        <source>20 m</source>
        <translation>20 m</translation>
    </message>
    <message>
        <source>17 m</source>
        <translation>17 m</translation>
    </message>
    <message>
        <source>15 m</source>
        <translation>15 m</translation>
    </message>
    <message>
        <source>12 m</source>
        <translation>12 m</translation>
    </message>
    <message>
        <source>10 m</source>
        <translation>10 m</translation>
    </message>
    <message>
        <source>8 m</source>
        <translation>8 m</translation>
    </message>
    <message>
        <source>6 m</source>
        <translation>6 m</translation>
    </message>
    <message>
        <source>4 m</source>
        <translation>4 m</translation>
    </message>
    <message>
        <source>2 m</source>
        <translation>2 m</translation>
    </message>
    <message>
        <source>1.25 m</source>
        <translation>1,25 m</translation>
    </message>
    <message>
        <source>70 cm</source>
        <translation>70 cm</translation>
    </message>
    <message>
        <source>23 cm</source>
        <translation>23 cm</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Auswahl merken</translation>
    </message>
    <message>
        <source>Hold my own switching while transmitting</source>
        <translation>Eigene Umschaltungen während des Sendens aufschieben</translation>
    </message>
    <message>
        <source>Switch only after receiving for</source>
        <translation>Mindest-Empfangszeit vor dem Umschalten</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>rigctld host</source>
        <translation>rigctld-Host</translation>
    </message>
    <message>
        <source>rigctld port</source>
        <translation>rigctld-Port</translation>
    </message>
    <message>
        <source>Logger UDP port</source>
        <translation>UDP-Port des Loggers</translation>
    </message>
    <message>
        <source>Logger radio</source>
        <translation>Funkgerät im Logger</translation>
    </message>
    <message>
        <source>Logger from host</source>
        <translation>Logger von Host</translation>
    </message>
    <message>
        <source>Logger station</source>
        <translation>Station im Logger</translation>
    </message>
    <message>
        <source>Antennas and outputs per band</source>
        <translation>Antennen und Ausgänge je Band</translation>
    </message>
    <message>
        <source>Antennas</source>
        <translation>Antennen</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmente</translation>
    </message>
    <message>
        <source>One row per segment: from and to in kHz, mode (CW, SSB, DATA or empty for any), antennas as on the band, outputs. Arrow keys move, F2 edits a cell, Enter keeps it.</source>
        <translation>Eine Zeile je Segment: von und bis in kHz, Betriebsart (CW, SSB, DATA oder leer für jede), Antennen wie beim Band, Ausgänge. Pfeiltasten bewegen, F2 bearbeitet eine Zelle, Eingabe übernimmt sie.</translation>
    </message>
    <message>
        <source>From (kHz)</source>
        <translation>Von (kHz)</translation>
    </message>
    <message>
        <source>To (kHz)</source>
        <translation>Bis (kHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>&amp;Add segment</source>
        <translation>Segment &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move segment</source>
        <translation>Segment &amp;entfernen</translation>
    </message>
    <message>
        <source>Ask again before taking an antenna in use elsewhere</source>
        <translation>Erneut fragen, bevor eine anderswo benutzte Antenne übernommen wird</translation>
    </message>
    <message>
        <source>in CW</source>
        <translation>bei CW</translation>
    </message>
    <message>
        <source>In CW, without an inhibit output, switch only after receiving for</source>
        <translation>Mindest-Empfangszeit vor dem Umschalten bei CW ohne Sperrausgang</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>TX-Sperre</translation>
    </message>
    <message>
        <source>TX inhibit output</source>
        <translation>TX-Sperrausgang</translation>
    </message>
</context>
<context>
    <name>formLanCFG</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Insert the Merax&apos;s IP and port in use:</source>
        <translation>IP-Adresse und Port des Merax:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>PORT:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Directly use IP</source>
        <translation>IP direkt nutzen</translation>
    </message>
    <message>
        <source>&quot;Directly use IP&quot; is ticked, but &quot;%1&quot; is not an IP address. Enter the Merax&apos;s IP address, or untick &quot;Directly use IP&quot; to look the name up.</source>
        <translation>&quot;IP direkt nutzen&quot; ist angekreuzt, aber &quot;%1&quot; ist keine IP-Adresse. Geben Sie die IP-Adresse des Merax ein oder entfernen Sie das Häkchen bei &quot;IP direkt nutzen&quot;, um den Namen aufzulösen.</translation>
    </message>
    <message>
        <source>Enter the Merax&apos;s IP address or host name.</source>
        <translation>Geben Sie die IP-Adresse oder den Hostnamen des Merax ein.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>Merax LAN Settings</source>
        <translation>Merax-LAN-Einstellungen</translation>
    </message>
</context>
<context>
    <name>labels</name>
    <message>
        <source>Merax Label Config</source>
        <translation>Merax-Beschriftungen</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 caption</source>
        <extracomment>The name a screen reader gives a caption field, &quot;Ant 1 caption&quot;.</extracomment>
        <translation>Beschriftung %1</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Zarel Remote Control</source>
        <translation>Zarel-Fernsteuerung</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax Remote Control&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax-Fernsteuerung&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Connect to Merax</source>
        <translation>Mit dem Merax &amp;verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Band Following...</source>
        <translation>&amp;Automatische Bandumschaltung...</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;About Quorvan</source>
        <translation>Ü&amp;ber Quorvan</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Beschriftungen</translation>
    </message>
    <message>
        <source>LA&amp;N Settings</source>
        <translation>&amp;LAN-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;GPIO</source>
        <translation>&amp;GPIO</translation>
    </message>
    <message>
        <source>&amp;Skyrail WF</source>
        <translation>&amp;Skyrail WF</translation>
    </message>
    <message>
        <source>Ne&amp;xt Antenna on This Band</source>
        <translation>&amp;Nächste Antenne auf diesem Band</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Connect at &amp;Start</source>
        <translation>Beim &amp;Start verbinden</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;Rotators</source>
        <translation>&amp;Rotoren</translation>
    </message>
    <message>
        <source>&amp;Turn the Antenna...</source>
        <translation>Antenne &amp;drehen...</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Ro&amp;tators...</source>
        <translation>&amp;Rotoren...</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>Remote &amp;Access...</source>
        <translation>&amp;Fernzugriff...</translation>
    </message>
</context>
<context>
    <name>remoteAccessDialog</name>
    <message>
        <source>Remote Access</source>
        <translation>Fernzugriff</translation>
    </message>
    <message>
        <source>&amp;Serve the browser panel</source>
        <translation>Browser-Panel &amp;bereitstellen</translation>
    </message>
    <message>
        <source>Serve the browser panel</source>
        <translation>Browser-Panel bereitstellen</translation>
    </message>
    <message>
        <source>Browser panel</source>
        <translation>Browser-Panel</translation>
    </message>
    <message>
        <source>&amp;Listen address</source>
        <translation>&amp;Lauschadresse</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Lauschadresse</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only. 0.0.0.0: every network it is on.</source>
        <translation>127.0.0.1: nur dieser Computer. 0.0.0.0: jedes Netz, in dem er ist.</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;Certificate</source>
        <translation>&amp;Zertifikat</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Zertifikatsdatei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Zertifikatsdatei suchen</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Schlüssel</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Schlüsseldatei</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>Browse for the key file</source>
        <translation>Schlüsseldatei suchen</translation>
    </message>
    <message>
        <source>PEM files. Both empty: the station&apos;s own self-signed certificate.</source>
        <translation>PEM-Dateien. Beide leer: das selbst signierte Zertifikat der Station.</translation>
    </message>
    <message>
        <source>Served &amp;at</source>
        <translation>Bereitgestellt &amp;unter</translation>
    </message>
    <message>
        <source>Served at</source>
        <translation>Bereitgestellt unter</translation>
    </message>
    <message>
        <source>&amp;Fingerprint</source>
        <translation>&amp;Fingerabdruck</translation>
    </message>
    <message>
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Fingerabdruck des Zertifikats (SHA-256)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the fingerprint</source>
        <translation>Fingerabdruck kopieren</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Verbundene Browser</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>Be&amp;nutzer</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>A&amp;dd user...</source>
        <translation>Benutzer &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove user</source>
        <translation>Benutzer &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Benutzer entfernen</translation>
    </message>
    <message>
        <source>Users are added and removed at once, whether or not you press OK. A removed user is logged out of every browser.</source>
        <translation>Benutzer werden sofort hinzugefügt und entfernt, ob Sie OK drücken oder nicht. Ein entfernter Benutzer wird in jedem Browser abgemeldet.</translation>
    </message>
</context>
<context>
    <name>rotatorsDialog</name>
    <message>
        <source>Rotators</source>
        <translation>Rotoren</translation>
    </message>
    <message>
        <source>Each rotator is a Hamlib rotctld, reached at host:port. An empty address: no rotator in that row.</source>
        <translation>Jeder Rotor ist ein rotctld von Hamlib, erreichbar unter Host:Port. Eine leere Adresse: kein Rotor in dieser Zeile.</translation>
    </message>
    <message>
        <source>A&amp;ddress</source>
        <translation>A&amp;dresse</translation>
    </message>
    <message>
        <source>A&amp;ntennas</source>
        <translation>A&amp;ntennen</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>Na&amp;me</translation>
    </message>
    <message>
        <source>Rotator &amp;1</source>
        <translation>Rotor &amp;1</translation>
    </message>
    <message>
        <source>Rotator 1 address</source>
        <translation>Adresse von Rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 antennas</source>
        <translation>Antennen von Rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 name</source>
        <translation>Name von Rotor 1</translation>
    </message>
    <message>
        <source>Rotator &amp;2</source>
        <translation>Rotor &amp;2</translation>
    </message>
    <message>
        <source>Rotator 2 address</source>
        <translation>Adresse von Rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 antennas</source>
        <translation>Antennen von Rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 name</source>
        <translation>Name von Rotor 2</translation>
    </message>
    <message>
        <source>Rotator &amp;3</source>
        <translation>Rotor &amp;3</translation>
    </message>
    <message>
        <source>Rotator 3 address</source>
        <translation>Adresse von Rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 antennas</source>
        <translation>Antennen von Rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 name</source>
        <translation>Name von Rotor 3</translation>
    </message>
    <message>
        <source>Rotator &amp;4</source>
        <translation>Rotor &amp;4</translation>
    </message>
    <message>
        <source>Rotator 4 address</source>
        <translation>Adresse von Rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 antennas</source>
        <translation>Antennen von Rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 name</source>
        <translation>Name von Rotor 4</translation>
    </message>
    <message>
        <source>Station &amp;locator</source>
        <translation>&amp;Locator der Station</translation>
    </message>
    <message>
        <source>Station locator</source>
        <translation>Locator der Station</translation>
    </message>
</context>
</TS>
