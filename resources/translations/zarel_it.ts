<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BandFollowDialog</name>
    <message>
        <source>F2 edits a cell, Enter keeps it</source>
        <translation>F2 modifica una cella, Invio la conferma</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>The row needs From and To, in kHz</source>
        <translation>La riga vuole Da e A, in kHz</translation>
    </message>
    <message>
        <source>%1 is left over after the outputs</source>
        <translation>%1 avanza dopo le uscite</translation>
    </message>
    <message>
        <source>%1 is a second antenna list: one list, as 4, 9, 2</source>
        <translation>%1 è un secondo elenco di antenne: un solo elenco, come 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not 8 outputs of 1, 0 or -</source>
        <translation>%1 non sono 8 uscite di 1, 0 o -</translation>
    </message>
    <message>
        <source>rx needs one antenna, 1 to 12: rx 8</source>
        <translation>rx vuole un&apos;antenna, da 1 a 12: rx 8</translation>
    </message>
    <message>
        <source>%1 is not an antenna list: 1 to 12, as 4, 9, 2</source>
        <translation>%1 non è un elenco di antenne: da 1 a 12, come 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not a mode here: CW, SSB or DATA</source>
        <translation>%1 non è un modo qui: CW, SSB o DATA</translation>
    </message>
    <message>
        <source>%1 and %2 kHz are not in one band</source>
        <translation>%1 e %2 kHz non sono nella stessa banda</translation>
    </message>
    <message>
        <source>%1 is above %2: From is the lower edge</source>
        <translation>%1 è sopra %2: Da è il limite inferiore</translation>
    </message>
    <message>
        <source>%1 kHz is in no band</source>
        <translation>%1 kHz non è in nessuna banda</translation>
    </message>
    <message>
        <source>%1 looks like MHz: the range is in kHz</source>
        <translation>%1 sembra in MHz: l&apos;intervallo è in kHz</translation>
    </message>
    <message>
        <source>%1 is not a frequency in kHz</source>
        <translation>%1 non è una frequenza in kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
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
        <translation>Antenne %1</translation>
    </message>
    <message>
        <source>One antenna, or several tried in this order: 4, 9, 2</source>
        <translation>Un&apos;antenna, o più antenne provate in quest&apos;ordine: 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>Uscite %1</translation>
    </message>
    <message>
        <source>One character per output from GPO 1: 1 on, 0 off, - left alone</source>
        <translation>Un carattere per uscita a partire da GPO 1: 1 acceso, 0 spento, - invariato</translation>
    </message>
    <message>
        <source>Row %1 is not used yet</source>
        <translation>La riga %1 non è ancora usata</translation>
    </message>
    <message>
        <source>Up to %1 segments</source>
        <translation>Fino a %1 segmenti</translation>
    </message>
    <message>
        <source>“%1” was not used: antennas 1 to 12, as 4, 9, 2</source>
        <translation>«%1» non è stato usato: antenne da 1 a 12, come 4, 9, 2</translation>
    </message>
    <message>
        <source>Guards phone and data: shorter waits cannot tell a break-in or VOX gap from the end of a transmission (%1 ms is the least). It does not make CW safe: a word space can be longer</source>
        <translation>Protegge fonia e dati: attese più brevi non distinguono una pausa di break-in o VOX dalla fine della trasmissione (minimo %1 ms). Non rende sicuro il CW: uno spazio tra parole può essere più lungo</translation>
    </message>
    <message>
        <source>While the radio is in CW: longer than the longest gap of your keying (a word space is 7 dits: 700 ms at 12 WPM). A gap longer than this still lets a switch through; only the inhibit output makes CW safe</source>
        <translation>Con la radio in CW: più lunga della pausa più lunga della tua manipolazione (uno spazio tra parole è di 7 punti: 700 ms a 12 WPM). Una pausa più lunga lascia comunque passare una commutazione; solo l&apos;uscita di inibizione rende sicuro il CW</translation>
    </message>
    <message>
        <source>The GPO wired to the radio&apos;s TX-inhibit input: it holds the radio off the air for every automatic switch, which makes switching safe whatever the keying. Without it, the waits guard phone and data, and CW only while its gaps are shorter than the CW wait</source>
        <translation>L&apos;uscita GPO collegata all&apos;ingresso di inibizione TX della radio: impedisce alla radio di trasmettere a ogni commutazione automatica, rendendo sicura la commutazione qualunque sia la manipolazione. Senza di essa, le attese proteggono fonia e dati, e il CW solo finché le sue pause sono più brevi dell&apos;attesa CW</translation>
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
        <translation>: nessuna antenna libera</translation>
    </message>
    <message>
        <source>%1: split off</source>
        <translation>%1: split disattivato</translation>
    </message>
    <message>
        <source>%1: split on, receiving on Ant %2</source>
        <translation>%1: split attivo, ricezione su Ant %2</translation>
    </message>
    <message>
        <source>Band following ignores %1</source>
        <translation>Il cambio antenna per banda ignora %1</translation>
    </message>
    <message>
        <source> · PTT unknown</source>
        <translation> · PTT sconosciuto</translation>
    </message>
    <message>
        <source>PTT unknown: only the Merax SEND input guards switching</source>
        <translation>PTT sconosciuto: solo l&apos;ingresso SEND del Merax protegge la commutazione</translation>
    </message>
    <message>
        <source>rigctld answers too late to tell the PTT: switching waits</source>
        <translation>rigctld risponde troppo tardi per conoscere il PTT: la commutazione attende</translation>
    </message>
    <message>
        <source>Ant %1 waits for the end of the transmission</source>
        <translation>Ant %1 attende la fine della trasmissione</translation>
    </message>
    <message>
        <source>Band following paused while split is on</source>
        <translation>Cambio antenna per banda in pausa mentre lo split è attivo</translation>
    </message>
    <message>
        <source>Ant %1 not switched: the radio&apos;s source went away while it was transmitting</source>
        <translation>Ant %1 non commutata: la sorgente della radio è sparita durante la trasmissione</translation>
    </message>
    <message>
        <source>The Merax came back without an antenna: Ant %1 selected again</source>
        <translation>Il Merax è tornato senza antenna: Ant %1 di nuovo selezionata</translation>
    </message>
    <message>
        <source>The Merax reports no antenna</source>
        <translation>Il Merax non riporta alcuna antenna</translation>
    </message>
    <message>
        <source>%1: Ant %2</source>
        <translation>%1: Ant %2</translation>
    </message>
    <message>
        <source>Ant %1 selected</source>
        <translation>Ant %1 selezionata</translation>
    </message>
    <message>
        <source>Ant %1 is in use elsewhere: press again to take it</source>
        <translation>Ant %1 è in uso altrove: premi di nuovo per prenderla</translation>
    </message>
    <message>
        <source>%1: no antennas named</source>
        <translation>%1: nessuna antenna indicata</translation>
    </message>
    <message>
        <source>Next antenna: the radio is on no band</source>
        <translation>Antenna successiva: la radio non è su nessuna banda</translation>
    </message>
    <message>
        <source>%1: no other antenna free</source>
        <translation>%1: nessun&apos;altra antenna libera</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1: %2 in use elsewhere</source>
        <translation>%1: %2 in uso altrove</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1: Ant %2 selected again</source>
        <translation>Il Merax è tornato su Ant %1: Ant %2 di nuovo selezionata</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1 (it had Ant %2)</source>
        <translation>Il Merax è tornato su Ant %1 (aveva Ant %2)</translation>
    </message>
</context>
<context>
    <name>CompassRose</name>
    <message>
        <source>Compass</source>
        <translation>Bussola</translation>
    </message>
    <message>
        <source>%1 compass</source>
        <translation>Bussola di %1</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>direzione %1</translation>
    </message>
    <message>
        <source>heading not known</source>
        <translation>direzione sconosciuta</translation>
    </message>
    <message>
        <source>turning to %1</source>
        <translation>in rotazione verso %1</translation>
    </message>
    <message>
        <source>chosen %1</source>
        <translation>scelto %1</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>DayStrip</name>
    <message>
        <source>Day picture</source>
        <translation>Vista del giorno</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>meno di un minuto</translation>
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
        <translation>%1 UTC fino alle %2</translation>
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
        <translation>Nessuna antenna in uso</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>In uso: %1</translation>
    </message>
    <message>
        <source>Transmissions: %1</source>
        <translation>Trasmissioni: %1</translation>
    </message>
    <message>
        <source>Switches waited: %1</source>
        <translation>Commutazioni rimandate: %1</translation>
    </message>
    <message>
        <source>Switches failed: %1</source>
        <translation>Commutazioni fallite: %1</translation>
    </message>
    <message>
        <source>%1 in use</source>
        <translation>%1 in uso</translation>
    </message>
    <message>
        <source>no antenna in use</source>
        <translation>nessuna antenna in uso</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>in trasmissione</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Trasmissione</translation>
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
        <translation>Commutazione</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Trasmissione</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>Rotore</translation>
    </message>
    <message>
        <source>%1 ✕ failed</source>
        <translation>%1 ✕ fallita</translation>
    </message>
    <message>
        <source>%1 ▼ waited</source>
        <translation>%1 ▼ rimandata</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Ora (UTC)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Held (ms)</source>
        <translation>Attesa (ms)</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>&amp;Day (UTC):</source>
        <translation>&amp;Giorno (UTC):</translation>
    </message>
    <message>
        <source>Day (UTC)</source>
        <translation>Giorno (UTC)</translation>
    </message>
    <message>
        <source>&amp;Previous day</source>
        <translation>Giorno &amp;precedente</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Giorno precedente</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>Giorno &amp;successivo</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Giorno successivo</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Commutazioni</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Notices</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>Transmit and rotators</source>
        <translation>Trasmissione e rotori</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Shows the rows whose what, who or outcome holds this text</source>
        <translation>Mostra le righe il cui evento, origine o esito contiene questo testo</translation>
    </message>
    <message>
        <source>Text in what, who or outcome</source>
        <translation>Testo in evento, origine o esito</translation>
    </message>
    <message>
        <source>W&amp;hole day</source>
        <translation>Giornata &amp;intera</translation>
    </message>
    <message>
        <source>The picture spans the whole day, not only its busy hours</source>
        <translation>La vista copre tutta la giornata, non solo le ore di attività</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Writes the rows shown to a CSV file</source>
        <translation>Scrive le righe mostrate in un file CSV</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>Eventi: %1</translation>
    </message>
    <message>
        <source>%1 of %2 events</source>
        <translation>Eventi: %1 di %2</translation>
    </message>
    <message>
        <source>The journal could not be read: %1</source>
        <translation>Impossibile leggere il registro: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Not exported: %1 could not be written (%2)</source>
        <translation>Non esportato: impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>%1 events exported to %2</source>
        <translation>%1 eventi esportati in %2</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>nessuna risposta da %1 s</translation>
    </message>
    <message>
        <source> · loss %1 %</source>
        <translation> · perdita %1 %</translation>
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
        <translation>Impostazioni NON salvate: %1 è di sola lettura o il disco è pieno.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Impostazioni: %1</translation>
    </message>
    <message>
        <source>%1 (copied from %2)</source>
        <translation>%1 (copiato da %2)</translation>
    </message>
    <message>
        <source>Zarel</source>
        <translation>Zarel</translation>
    </message>
    <message>
        <source>Could not find host address. Check LAN Settings!</source>
        <translation>Indirizzo dell&apos;host non trovato. Controlla le impostazioni LAN!</translation>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a number from 1 to 65535. Check LAN Settings!</source>
        <translation>La porta del dispositivo &quot;%1&quot; non è un numero da 1 a 65535. Controlla le impostazioni LAN!</translation>
    </message>
    <message>
        <source>LAN enabled</source>
        <translation>LAN attivata</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Ignored a status report from %1</source>
        <translation>Ignorato un rapporto di stato da %1</translation>
    </message>
    <message>
        <source>%1 not confirmed by the Merax</source>
        <translation>%1 non confermata dal Merax</translation>
    </message>
    <message>
        <source>Split disabled</source>
        <translation>Split disattivato</translation>
    </message>
    <message>
        <source>Choose the RX position:</source>
        <translation>Scegli l&apos;antenna di ricezione:</translation>
    </message>
    <message>
        <source>Split config cancelled!</source>
        <translation>Configurazione split annullata!</translation>
    </message>
    <message>
        <source>Split configured succesfuly!</source>
        <translation>Split configurato correttamente!</translation>
    </message>
    <message>
        <source>The Merax answers again</source>
        <translation>Il Merax risponde di nuovo</translation>
    </message>
    <message>
        <source>No answer from the Merax</source>
        <translation>Nessuna risposta dal Merax</translation>
    </message>
    <message>
        <source>Settings not read: the file is larger than %1 MB</source>
        <translation>Impostazioni non lette: il file supera %1 MB</translation>
    </message>
    <message>
        <source>Settings ignore %1: longer than %2 characters</source>
        <translation>Le impostazioni ignorano %1: più di %2 caratteri</translation>
    </message>
    <message>
        <source>Settings ignore %1: not a text, number or flag</source>
        <translation>Le impostazioni ignorano %1: non è un testo, un numero o un indicatore</translation>
    </message>
    <message>
        <source>Settings: %1 read as Latin-1, not UTF-8</source>
        <translation>Impostazioni: %1 letto come Latin-1, non UTF-8</translation>
    </message>
    <message>
        <source>Settings NOT saved: another Zarel is writing %1. Try again.</source>
        <translation>Impostazioni NON salvate: un altro Zarel sta scrivendo %1. Riprovare.</translation>
    </message>
    <message>
        <source>Settings NOT saved: a text is longer than %1 characters.</source>
        <translation>Impostazioni NON salvate: un testo supera %1 caratteri.</translation>
    </message>
    <message>
        <source>Settings NOT saved: %1 is larger than %2 MB.</source>
        <translation>Impostazioni NON salvate: %1 supera %2 MB.</translation>
    </message>
    <message>
        <source>The Merax answers from port %1</source>
        <translation>Il Merax risponde dalla porta %1</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
    <message>
        <source>TX inhibited for the switch to Ant %1</source>
        <translation>Trasmissione inibita per la commutazione su Ant %1</translation>
    </message>
    <message>
        <source>TX inhibited for the band outputs</source>
        <translation>Trasmissione inibita per le uscite di banda</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) not confirmed by the Merax: switching waits</source>
        <translation>GPO %1 (inibizione TX) non confermata dal Merax: la commutazione attende</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) was left on: lowered</source>
        <translation>GPO %1 (inibizione TX) era rimasta accesa: spenta</translation>
    </message>
    <message>
        <source>GPO %1 holds the radio off the air until the switch is confirmed</source>
        <translation>GPO %1 impedisce alla radio di trasmettere finché la commutazione non è confermata</translation>
    </message>
    <message>
        <source>No Merax set: File › LAN Settings</source>
        <translation>Nessun Merax impostato: File › Impostazioni LAN</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>%1: says the whole state</source>
        <translation>%1: dice tutto lo stato</translation>
    </message>
    <message>
        <source>%1 or the menu key on a GPI or GPO key: picks its colour</source>
        <translation>%1 o il tasto menu su un tasto GPI o GPO: ne sceglie il colore</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous key; Space presses it</source>
        <translation>Tab, Maiusc+Tab: il tasto successivo o il precedente; Spazio lo preme</translation>
    </message>
    <message>
        <source>Alt and a menu&apos;s underlined letter: the menus</source>
        <translation>Alt e la lettera sottolineata di un menu: i menu</translation>
    </message>
    <message>
        <source>%1: turns the selected antenna&apos;s rotator</source>
        <translation>%1: ruota il rotore dell&apos;antenna selezionata</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>cartella %1 inesistente</translation>
    </message>
    <message>
        <source>The journal cannot be written (%1): switching goes on without it</source>
        <translation>Impossibile scrivere il registro (%1): la commutazione continua senza registro</translation>
    </message>
    <message>
        <source>%1 to receive</source>
        <translation>%1 in ricezione</translation>
    </message>
    <message>
        <source>SPLIT off</source>
        <translation>SPLIT spento</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1, receive %2</source>
        <translation>SPLIT acceso: trasmissione %1, ricezione %2</translation>
    </message>
    <message>
        <source>GPO %1 on</source>
        <translation>GPO %1 accesa</translation>
    </message>
    <message>
        <source>GPO %1 off</source>
        <translation>GPO %1 spenta</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tasto</translation>
    </message>
    <message>
        <source>function key</source>
        <translation>tasto funzione</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>band following</source>
        <translation>cambio antenna per banda</translation>
    </message>
    <message>
        <source>band following: %1</source>
        <translation>cambio antenna per banda: %1</translation>
    </message>
    <message>
        <source>next antenna</source>
        <translation>antenna successiva</translation>
    </message>
    <message>
        <source>the device came back</source>
        <translation>ritorno del dispositivo</translation>
    </message>
    <message>
        <source>browser: %1</source>
        <translation>browser: %1</translation>
    </message>
    <message>
        <source>transmit inhibit</source>
        <translation>inibizione TX</translation>
    </message>
    <message>
        <source>superseded by %1</source>
        <translation>sostituita da %1</translation>
    </message>
    <message>
        <source>not sent: the same switch still waits for the Merax</source>
        <translation>non inviata: la stessa commutazione attende ancora il Merax</translation>
    </message>
    <message>
        <source>confirmed after %1 ms</source>
        <translation>confermata dopo %1 ms</translation>
    </message>
    <message>
        <source>not confirmed by the Merax</source>
        <translation>non confermata dal Merax</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>disconnesso</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>occupata da un&apos;altra stazione</translation>
    </message>
    <message>
        <source>the radio&apos;s source is gone</source>
        <translation>la sorgente della radio è sparita</translation>
    </message>
    <message>
        <source>no longer wanted</source>
        <translation>non più richiesta</translation>
    </message>
    <message>
        <source>not sent: %1</source>
        <translation>non inviata: %1</translation>
    </message>
    <message>
        <source>on the device when it answered again</source>
        <translation>sul dispositivo quando ha risposto di nuovo</translation>
    </message>
    <message>
        <source>on the device at Connect</source>
        <translation>sul dispositivo alla connessione</translation>
    </message>
    <message>
        <source>switched elsewhere</source>
        <translation>commutato altrove</translation>
    </message>
    <message>
        <source>SPLIT on</source>
        <translation>SPLIT acceso</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>in trasmissione</translation>
    </message>
    <message>
        <source>not sent: the station stopped</source>
        <translation>non inviata: la stazione si è fermata</translation>
    </message>
    <message>
        <source>not confirmed: the station stopped</source>
        <translation>non confermata: la stazione si è fermata</translation>
    </message>
    <message>
        <source>the station stopped</source>
        <translation>la stazione si è fermata</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>not sent: disconnected</source>
        <translation>non inviata: disconnesso</translation>
    </message>
    <message>
        <source>not confirmed: disconnected</source>
        <translation>non confermata: disconnesso</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnessione</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>collegamento perso</translation>
    </message>
    <message>
        <source>silent for %1 s</source>
        <translation>nessuna risposta da %1 s</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>collegamento ripristinato</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>dopo %1 s</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>radio letta</translation>
    </message>
    <message>
        <source>radio lost</source>
        <translation>radio persa</translation>
    </message>
    <message>
        <source>%1 to %2°</source>
        <translation>%1 verso %2°</translation>
    </message>
    <message>
        <source>%1 stop</source>
        <translation>arresto di %1</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s) could not be kept while the journal could not be written</source>
        <translation>
            <numerusform>%n evento non è stato conservato mentre non si poteva scrivere il registro</numerusform>
            <numerusform>%n eventi non sono stati conservati mentre non si poteva scrivere il registro</numerusform>
        </translation>
    </message>
    <message>
        <source>the station started</source>
        <translation>la stazione è partita</translation>
    </message>
    <message>
        <source>not sent: superseded by %1</source>
        <translation>non inviata: sostituita da %1</translation>
    </message>
    <message>
        <source>sent, then replaced by %1</source>
        <translation>inviata, poi sostituita da %1</translation>
    </message>
    <message>
        <source>taken over by %1</source>
        <translation>assorbita da %1</translation>
    </message>
</context>
<context>
    <name>PanelAccess</name>
    <message>
        <source>Transmits and receives on two antennas</source>
        <translation>Trasmette e riceve su due antenne</translation>
    </message>
    <message>
        <source>Receives with the transceiver</source>
        <translation>Riceve con il ricetrasmettitore</translation>
    </message>
    <message>
        <source>Receives with receiver %1</source>
        <translation>Riceve con il ricevitore %1</translation>
    </message>
    <message>
        <source>Switches output %1; the menu key picks its colour</source>
        <translation>Commuta l&apos;uscita %1; il tasto menu ne sceglie il colore</translation>
    </message>
    <message>
        <source>Switches the radio to this antenna</source>
        <translation>Commuta la radio su questa antenna</translation>
    </message>
    <message>
        <source>Lit while another station uses Ant %1</source>
        <translation>Acceso mentre un&apos;altra stazione usa Ant %1</translation>
    </message>
    <message>
        <source>Input %1; the menu key picks its colour</source>
        <translation>Ingresso %1; il tasto menu ne sceglie il colore</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>Rotore %1</translation>
    </message>
    <message>
        <source>Lit while the station transmits</source>
        <translation>Acceso mentre la stazione trasmette</translation>
    </message>
    <message>
        <source>The link to the Merax</source>
        <translation>Il collegamento con il Merax</translation>
    </message>
    <message>
        <source>Takes the radio off its antenna; in split, off the receive antenna only</source>
        <translation>Scollega la radio dalla sua antenna; in split, solo dall&apos;antenna di ricezione</translation>
    </message>
</context>
<context>
    <name>PanelSpeech</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 in use elsewhere</source>
        <translation>%1 in uso altrove</translation>
    </message>
    <message>
        <source>Ant %1 is now in use elsewhere too</source>
        <translation>Ant %1 ora è in uso anche altrove</translation>
    </message>
    <message>
        <source>on</source>
        <translation>acceso</translation>
    </message>
    <message>
        <source>off</source>
        <translation>spento</translation>
    </message>
    <message>
        <source>transmit antenna (split)</source>
        <translation>antenna di trasmissione (split)</translation>
    </message>
    <message>
        <source>receive antenna (split)</source>
        <translation>antenna di ricezione (split)</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selezionata</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>occupata da un&apos;altra stazione</translation>
    </message>
    <message>
        <source>choose the receive antenna</source>
        <translation>scegli l&apos;antenna di ricezione</translation>
    </message>
    <message>
        <source>blinking</source>
        <translation>lampeggiante</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connesso</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>link up, ping %1 ms</source>
        <translation>collegamento attivo, ping %1 ms</translation>
    </message>
    <message>
        <source>link up</source>
        <translation>collegamento attivo</translation>
    </message>
    <message>
        <source>waits for the end of the transmission</source>
        <translation>attende la fine della trasmissione</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a key&apos;s name, as a screen reader says it (&quot;Ant 4, 20M YAGI&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>no antenna</source>
        <translation>nessuna antenna</translation>
    </message>
    <message>
        <source>No antenna</source>
        <translation>Nessuna antenna</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1; receive %2</source>
        <translation>SPLIT acceso: trasmissione %1; ricezione %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the changes said together, as a screen reader says them.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>SPLIT off: %1</source>
        <translation>SPLIT spento: %1</translation>
    </message>
    <message>
        <source>No state from the Merax</source>
        <translation>Nessuno stato dal Merax</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>RadioSource</name>
    <message>
        <source>Two loggers report radio %1: following %2</source>
        <translation>Due logger riportano la radio %1: si segue %2</translation>
    </message>
    <message>
        <source>rigctld: not connected</source>
        <translation>rigctld: non connesso</translation>
    </message>
    <message>
        <source>rigctld: connection refused</source>
        <translation>rigctld: connessione rifiutata</translation>
    </message>
    <message>
        <source>rigctld: unknown host</source>
        <translation>rigctld: host sconosciuto</translation>
    </message>
    <message>
        <source>rigctld: connected, no answer</source>
        <translation>rigctld: connesso, nessuna risposta</translation>
    </message>
    <message>
        <source>rigctld: connected, error %1</source>
        <translation>rigctld: connesso, errore %1</translation>
    </message>
    <message>
        <source>rigctld: connected, unreadable answer</source>
        <translation>rigctld: connesso, risposta illeggibile</translation>
    </message>
    <message>
        <source>rigctld: connected</source>
        <translation>rigctld: connesso</translation>
    </message>
    <message>
        <source>logger: UDP port %1 unavailable</source>
        <translation>logger: porta UDP %1 non disponibile</translation>
    </message>
    <message>
        <source>logger: unknown host %1</source>
        <translation>logger: host sconosciuto %1</translation>
    </message>
    <message>
        <source>logger: waiting for radio %1</source>
        <translation>logger: in attesa della radio %1</translation>
    </message>
    <message>
        <source>logger: radio %1, no frequency</source>
        <translation>logger: radio %1, nessuna frequenza</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>nessuna banda</translation>
    </message>
    <message>
        <source>%1 went quiet: following %2</source>
        <translation>%1 è silenzioso: si segue %2</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>Remote access: Listen=%1 is not an IP address</source>
        <translation>Accesso remoto: Listen=%1 non è un indirizzo IP</translation>
    </message>
    <message>
        <source>Remote access cannot listen on %1 port %2: %3</source>
        <translation>L&apos;accesso remoto non può restare in ascolto su %1 porta %2: %3</translation>
    </message>
    <message>
        <source>Remote access at %1 has no users yet: add one to log in</source>
        <translation>L&apos;accesso remoto su %1 non ha ancora utenti: aggiungine uno per accedere</translation>
    </message>
    <message>
        <source>Remote access at %1</source>
        <translation>Accesso remoto su %1</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Un nome utente ha da 1 a %1 lettere, cifre, &apos;.&apos;, &apos;_&apos; o &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Password di %1: </translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>Nessuna password indicata</translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Ripeti la password: </translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed</source>
        <translation>Le due password sono diverse: non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>%1 may log in to the browser panel as %2 (%3)</source>
        <translation>%1 può accedere al pannello del browser come %2 (%3)</translation>
    </message>
    <message>
        <source>no key could be made</source>
        <translation>impossibile creare una chiave</translation>
    </message>
    <message>
        <source>no random numbers for the certificate</source>
        <translation>nessun numero casuale per il certificato</translation>
    </message>
    <message>
        <source>the certificate could not be signed</source>
        <translation>impossibile firmare il certificato</translation>
    </message>
    <message>
        <source>the certificate could not be written out</source>
        <translation>impossibile scrivere il certificato</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Remote access needs both a Certificate and a Key, or neither</source>
        <translation>L&apos;accesso remoto richiede sia un certificato sia una chiave, o nessuno dei due</translation>
    </message>
    <message>
        <source>No certificate for remote access: %1</source>
        <translation>Nessun certificato per l&apos;accesso remoto: %1</translation>
    </message>
    <message>
        <source>The certificate for remote access cannot be read: %1</source>
        <translation>Impossibile leggere il certificato per l&apos;accesso remoto: %1</translation>
    </message>
    <message>
        <source>%1 or %2 is not a PEM certificate and key</source>
        <translation>%1 o %2 non è un certificato o una chiave PEM</translation>
    </message>
    <message>
        <source>Too many failed logins from this address: try again in a minute.</source>
        <translation>Troppi accessi non riusciti da questo indirizzo: riprova tra un minuto.</translation>
    </message>
    <message>
        <source>The station is busy: try again in a moment.</source>
        <translation>La stazione è occupata: riprova tra un momento.</translation>
    </message>
    <message>
        <source>The user or the password is wrong.</source>
        <translation>L&apos;utente o la password non sono corretti.</translation>
    </message>
    <message>
        <source>Viewers cannot switch: log in as an operator</source>
        <translation>Gli osservatori non possono commutare: accedi come operatore</translation>
    </message>
    <message>
        <source>The password is empty</source>
        <translation>La password è vuota</translation>
    </message>
    <message>
        <source>The password is longer than %1 bytes</source>
        <translation>La password supera i %1 byte</translation>
    </message>
    <message>
        <source>There is no user %1</source>
        <translation>Non esiste un utente %1</translation>
    </message>
</context>
<context>
    <name>RemoteAccessDialog</name>
    <message>
        <source>Not served now</source>
        <translation>Non servito ora</translation>
    </message>
    <message>
        <source>None while not served</source>
        <translation>Nessuna finché non servito</translation>
    </message>
    <message>
        <source>Certificate (PEM)</source>
        <translation>Certificato (PEM)</translation>
    </message>
    <message>
        <source>Key (PEM)</source>
        <translation>Chiave (PEM)</translation>
    </message>
    <message>
        <source>Browsers connected: %1</source>
        <translation>Browser collegati: %1</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Osservatore</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Listen address: “%1” is not an IP address, as 127.0.0.1 or 0.0.0.0</source>
        <translation>Indirizzo di ascolto: «%1» non è un indirizzo IP, come 127.0.0.1 o 0.0.0.0</translation>
    </message>
    <message>
        <source>Port: a number from %1 to %2</source>
        <translation>Porta: un numero da %1 a %2</translation>
    </message>
    <message>
        <source>Certificate and Key: both PEM files, or neither for the station&apos;s own certificate</source>
        <translation>Certificato e chiave: entrambi i file PEM, o nessuno per il certificato proprio della stazione</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>File PEM (*.pem *.crt *.key);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Aggiungi utente</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Lettere, cifre, &apos;.&apos;, &apos;_&apos; o &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Ripeti la password</translation>
    </message>
    <message>
        <source>&amp;Viewer: sees everything, switches nothing</source>
        <translation>&amp;Osservatore: vede tutto, non commuta nulla</translation>
    </message>
    <message>
        <source>Viewer: sees everything, switches nothing</source>
        <translation>Osservatore: vede tutto, non commuta nulla</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Password</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Un nome utente ha da 1 a %1 lettere, cifre, &apos;.&apos;, &apos;_&apos; o &apos;-&apos;</translation>
    </message>
    <message>
        <source>Type a password</source>
        <translation>Digita una password</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice</source>
        <translation>Le due password sono diverse: digita due volte la stessa</translation>
    </message>
    <message>
        <source>There is a user %1 already. Give it this password and role?</source>
        <translation>Esiste già un utente %1. Assegnargli questa password e questo ruolo?</translation>
    </message>
    <message>
        <source>Adding %1…</source>
        <translation>Aggiunta di %1…</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>Rimuovi utente</translation>
    </message>
    <message>
        <source>Remove %1? Its browsers are logged out at once.</source>
        <translation>Rimuovere %1? I suoi browser vengono disconnessi subito.</translation>
    </message>
</context>
<context>
    <name>RemotePanel</name>
    <message>
        <source>Stored, but not served: %1</source>
        <translation>Salvato, ma non servito: %1</translation>
    </message>
</context>
<context>
    <name>RotatorPanel</name>
    <message>
        <source>turning to %1</source>
        <translation>in rotazione verso %1</translation>
    </message>
    <message>
        <source>turning</source>
        <translation>in rotazione</translation>
    </message>
    <message>
        <source>No antenna is selected</source>
        <translation>Nessuna antenna selezionata</translation>
    </message>
    <message>
        <source>Ant %1 is on no rotator</source>
        <translation>Ant %1 non è su alcun rotore</translation>
    </message>
</context>
<context>
    <name>Rotators</name>
    <message>
        <source>Set the station&apos;s locator to turn to a locator</source>
        <translation>Imposta il locatore della stazione per ruotare verso un locatore</translation>
    </message>
    <message>
        <source>Not a bearing or a locator: %1</source>
        <translation>Né un azimut né un locatore: %1</translation>
    </message>
    <message>
        <source>Bearings go from 0° to 360°</source>
        <translation>Gli azimut vanno da 0° a 360°</translation>
    </message>
    <message>
        <source>Rotor%1: not an address: &quot;%2&quot;</source>
        <translation>Rotor%1: non è un indirizzo: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: not antenna numbers: &quot;%2&quot;</source>
        <translation>Rotor%1Antennas: non sono numeri di antenna: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: Ant %2 is on another rotator</source>
        <translation>Rotor%1Antennas: Ant %2 è su un altro rotore</translation>
    </message>
    <message>
        <source>%1 stopped at %2</source>
        <translation>%1 fermato a %2</translation>
    </message>
    <message>
        <source>%1: rotctld back</source>
        <translation>%1: rotctld di nuovo raggiungibile</translation>
    </message>
    <message>
        <source>%1 refused the turn: %2</source>
        <translation>%1 ha rifiutato la rotazione: %2</translation>
    </message>
    <message>
        <source>%1 refused to stop: %2</source>
        <translation>%1 ha rifiutato di fermarsi: %2</translation>
    </message>
    <message>
        <source>%1: rotctld lost</source>
        <translation>%1: rotctld perso</translation>
    </message>
    <message>
        <source>Rotator %1</source>
        <translation>Rotore %1</translation>
    </message>
    <message>
        <source>rotctld: not connected</source>
        <translation>rotctld: non connesso</translation>
    </message>
    <message>
        <source>rotctld: connected</source>
        <translation>rotctld: connesso</translation>
    </message>
    <message>
        <source>rotctld: connection refused</source>
        <translation>rotctld: connessione rifiutata</translation>
    </message>
    <message>
        <source>rotctld: unknown host</source>
        <translation>rotctld: host sconosciuto</translation>
    </message>
    <message>
        <source>rotctld: connected, no answer</source>
        <translation>rotctld: connesso, nessuna risposta</translation>
    </message>
    <message>
        <source>rotctld: connected, error %1</source>
        <translation>rotctld: connesso, errore %1</translation>
    </message>
    <message>
        <source>rotctld: connected, unreadable answer</source>
        <translation>rotctld: connesso, risposta illeggibile</translation>
    </message>
    <message>
        <source>%1, turning to %2</source>
        <translation>%1, in rotazione verso %2</translation>
    </message>
    <message>
        <source>%1, turning</source>
        <translation>%1, in rotazione</translation>
    </message>
    <message>
        <source>No rotator there</source>
        <translation>Nessun rotore lì</translation>
    </message>
    <message>
        <source>%1 cannot turn: %2</source>
        <translation>%1 non può ruotare: %2</translation>
    </message>
    <message>
        <source>%1 turns to %2</source>
        <translation>%1 ruota verso %2</translation>
    </message>
    <message>
        <source>%1 cannot stop: %2</source>
        <translation>%1 non può fermarsi: %2</translation>
    </message>
</context>
<context>
    <name>RotatorsDialog</name>
    <message>
        <source>host:port of rotctld, as 127.0.0.1:4533 or [::1]:4533; without a port, %1. Empty: no rotator</source>
        <translation>host:porta di rotctld, come 127.0.0.1:4533 o [::1]:4533; senza porta, %1. Vuoto: nessun rotore</translation>
    </message>
    <message>
        <source>The antennas this rotator turns, 1 to 12: 4, 5</source>
        <translation>Le antenne che questo rotore fa ruotare, da 1 a 12: 4, 5</translation>
    </message>
    <message>
        <source>As the panel says it; empty: Rotator %1</source>
        <translation>Come lo chiama il pannello; vuoto: Rotore %1</translation>
    </message>
    <message>
        <source>The station&apos;s Maidenhead locator, 4 or 6 characters: bearings and distances to a locator start here</source>
        <translation>Il locatore Maidenhead della stazione, 4 o 6 caratteri: azimut e distanze verso un locatore partono da qui</translation>
    </message>
    <message>
        <source>Rotator %1 address: needed for its antennas and name (empty them as well for no rotator)</source>
        <translation>Indirizzo del rotore %1: serve per le sue antenne e il suo nome (svuota anche quelli per non avere un rotore)</translation>
    </message>
    <message>
        <source>Rotator %1 address: “%2” is not host:port, as 127.0.0.1:4533</source>
        <translation>Indirizzo del rotore %1: «%2» non è host:porta, come 127.0.0.1:4533</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: “%2” is not antennas 1 to 12, each once, as 4, 5</source>
        <translation>Antenne del rotore %1: «%2» non sono antenne da 1 a 12, ciascuna una volta, come 4, 5</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: Ant %2 is on Rotator %3 already; an antenna has one rotator</source>
        <translation>Antenne del rotore %1: Ant %2 è già sul rotore %3; un&apos;antenna ha un solo rotore</translation>
    </message>
    <message>
        <source>Locator: “%1” is not a Maidenhead locator of 4 or 6 characters, as JN58td</source>
        <translation>Locatore: «%1» non è un locatore Maidenhead di 4 o 6 caratteri, come JN58td</translation>
    </message>
</context>
<context>
    <name>RotatorsWindow</name>
    <message>
        <source>Rotators</source>
        <translation>Rotori</translation>
    </message>
    <message>
        <source>No rotator is set up: File › Rotators…</source>
        <translation>Nessun rotore configurato: File › Rotori…</translation>
    </message>
    <message>
        <source>Heading %1, turning to %2</source>
        <translation>Direzione %1, in rotazione verso %2</translation>
    </message>
    <message>
        <source>Bearing or locator</source>
        <translation>Azimut o locatore</translation>
    </message>
    <message>
        <source>Degrees from north, or a Maidenhead locator such as JN58td; Enter turns</source>
        <translation>Gradi da nord, o un locatore Maidenhead come JN58td; Invio avvia la rotazione</translation>
    </message>
    <message>
        <source>135 or JN58td</source>
        <translation>135 o JN58td</translation>
    </message>
    <message>
        <source>Long path</source>
        <translation>Percorso lungo</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Escape stops the rotator anywhere in this window</source>
        <translation>Esc ferma il rotore ovunque in questa finestra</translation>
    </message>
    <message>
        <source>Stopping %1</source>
        <translation>Arresto di %1</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>turns no antenna</source>
        <translation>non ruota alcuna antenna</translation>
    </message>
    <message>
        <source>turns %1</source>
        <translation>ruota %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Heading not known</source>
        <translation>Direzione sconosciuta</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Direzione %1</translation>
    </message>
    <message>
        <source>%1 towards %2</source>
        <translation>%1 verso %2</translation>
    </message>
    <message>
        <source>%1, %2 km</source>
        <translation>%1, %2 km</translation>
    </message>
    <message>
        <source>%1, long path</source>
        <translation>%1, percorso lungo</translation>
    </message>
    <message>
        <source>%1, short path</source>
        <translation>%1, percorso corto</translation>
    </message>
    <message>
        <source>Type a bearing, 0 to 359, or a locator</source>
        <translation>Scrivi un azimut, da 0 a 359, o un locatore</translation>
    </message>
    <message>
        <source>“%1” is not a bearing or a locator</source>
        <translation>«%1» non è un azimut né un locatore</translation>
    </message>
    <message>
        <source>%1 turning to %2</source>
        <translation>%1 in rotazione verso %2</translation>
    </message>
    <message>
        <source>&amp;Bearing or locator</source>
        <translation>&amp;Azimut o locatore</translation>
    </message>
    <message>
        <source>&amp;Long path</source>
        <translation>Percorso &amp;lungo</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Ruota</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
</context>
<context>
    <name>StationJournal</name>
    <message>
        <source>The journal is written again</source>
        <translation>Il registro viene di nuovo scritto</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About Quorvan</source>
        <translation>Informazioni su Quorvan</translation>
    </message>
    <message>
        <source>Zarel :  Merax Remote Control</source>
        <translation>Zarel :  Controllo remoto Merax</translation>
    </message>
    <message>
        <source>Version: 1.1.2 (12/2019)</source>
        <translation>Versione: 1.1.2 (12/2019)</translation>
    </message>
    <message>
        <source>Copyright © 2019 Zarel Radio Systems. All rights reserved.</source>
        <translation>Copyright © 2019 Zarel Radio Systems. Tutti i diritti riservati.</translation>
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
        <translation>Cambio antenna per banda</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>Logger broadcasts</source>
        <translation>Broadcast del logger</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>Porta UDP</translation>
    </message>
    <message>
        <source>From host:</source>
        <translation>Dall&apos;host:</translation>
    </message>
    <message>
        <source>any host</source>
        <translation>qualsiasi host</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Stazione:</translation>
    </message>
    <message>
        <source>any station</source>
        <translation>qualsiasi stazione</translation>
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
        <translation>Ricorda la mia scelta</translation>
    </message>
    <message>
        <source>Hold my own switching while transmitting</source>
        <translation>Rimanda le mie commutazioni durante la trasmissione</translation>
    </message>
    <message>
        <source>Switch only after receiving for</source>
        <translation>Commuta solo dopo ricezione per</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>rigctld host</source>
        <translation>Host di rigctld</translation>
    </message>
    <message>
        <source>rigctld port</source>
        <translation>Porta di rigctld</translation>
    </message>
    <message>
        <source>Logger UDP port</source>
        <translation>Porta UDP del logger</translation>
    </message>
    <message>
        <source>Logger radio</source>
        <translation>Radio del logger</translation>
    </message>
    <message>
        <source>Logger from host</source>
        <translation>Logger dall&apos;host</translation>
    </message>
    <message>
        <source>Logger station</source>
        <translation>Stazione del logger</translation>
    </message>
    <message>
        <source>Antennas and outputs per band</source>
        <translation>Antenne e uscite per banda</translation>
    </message>
    <message>
        <source>Antennas</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmenti</translation>
    </message>
    <message>
        <source>One row per segment: from and to in kHz, mode (CW, SSB, DATA or empty for any), antennas as on the band, outputs. Arrow keys move, F2 edits a cell, Enter keeps it.</source>
        <translation>Una riga per segmento: da e a in kHz, modo (CW, SSB, DATA o vuoto per tutti), antenne come per la banda, uscite. Le frecce spostano, F2 modifica una cella, Invio la conferma.</translation>
    </message>
    <message>
        <source>From (kHz)</source>
        <translation>Da (kHz)</translation>
    </message>
    <message>
        <source>To (kHz)</source>
        <translation>A (kHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>&amp;Add segment</source>
        <translation>&amp;Aggiungi segmento</translation>
    </message>
    <message>
        <source>Re&amp;move segment</source>
        <translation>Ri&amp;muovi segmento</translation>
    </message>
    <message>
        <source>Ask again before taking an antenna in use elsewhere</source>
        <translation>Chiedere di nuovo prima di prendere un&apos;antenna in uso altrove</translation>
    </message>
    <message>
        <source>in CW</source>
        <translation>in CW</translation>
    </message>
    <message>
        <source>In CW, without an inhibit output, switch only after receiving for</source>
        <translation>In CW, senza uscita di inibizione, commuta solo dopo ricezione per</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>Inibizione TX</translation>
    </message>
    <message>
        <source>TX inhibit output</source>
        <translation>Uscita di inibizione TX</translation>
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
        <translation>Inserisci IP e porta del Merax in uso:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>PORT:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Directly use IP</source>
        <translation>Usa direttamente l&apos;IP</translation>
    </message>
    <message>
        <source>&quot;Directly use IP&quot; is ticked, but &quot;%1&quot; is not an IP address. Enter the Merax&apos;s IP address, or untick &quot;Directly use IP&quot; to look the name up.</source>
        <translation>&quot;Usa direttamente l&apos;IP&quot; è selezionato, ma &quot;%1&quot; non è un indirizzo IP. Inserisci l&apos;indirizzo IP del Merax o deseleziona &quot;Usa direttamente l&apos;IP&quot; per risolvere il nome.</translation>
    </message>
    <message>
        <source>Enter the Merax&apos;s IP address or host name.</source>
        <translation>Inserisci l&apos;indirizzo IP o il nome host del Merax.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>La porta deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>Merax LAN Settings</source>
        <translation>Impostazioni LAN del Merax</translation>
    </message>
</context>
<context>
    <name>labels</name>
    <message>
        <source>Merax Label Config</source>
        <translation>Configurazione etichette Merax</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 caption</source>
        <extracomment>The name a screen reader gives a caption field, &quot;Ant 1 caption&quot;.</extracomment>
        <translation>Etichetta di %1</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Zarel Remote Control</source>
        <translation>Controllo remoto Zarel</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax Remote Control&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Controllo remoto Merax&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Connect to Merax</source>
        <translation>&amp;Connetti al Merax</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>&amp;Band Following...</source>
        <translation>Cambio antenna per &amp;banda...</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Informazioni su &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;About Quorvan</source>
        <translation>&amp;Informazioni su Quorvan</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Etichette</translation>
    </message>
    <message>
        <source>LA&amp;N Settings</source>
        <translation>Impostazioni &amp;LAN</translation>
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
        <translation>Antenna &amp;successiva su questa banda</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Connect at &amp;Start</source>
        <translation>Connetti all&apos;a&amp;vvio</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasti</translation>
    </message>
    <message>
        <source>&amp;Rotators</source>
        <translation>&amp;Rotori</translation>
    </message>
    <message>
        <source>&amp;Turn the Antenna...</source>
        <translation>Ruota l&apos;an&amp;tenna...</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Ro&amp;tators...</source>
        <translation>&amp;Rotori...</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>R&amp;egistro</translation>
    </message>
    <message>
        <source>Remote &amp;Access...</source>
        <translation>Accesso re&amp;moto...</translation>
    </message>
</context>
<context>
    <name>remoteAccessDialog</name>
    <message>
        <source>Remote Access</source>
        <translation>Accesso remoto</translation>
    </message>
    <message>
        <source>&amp;Serve the browser panel</source>
        <translation>&amp;Servi il pannello del browser</translation>
    </message>
    <message>
        <source>Serve the browser panel</source>
        <translation>Servi il pannello del browser</translation>
    </message>
    <message>
        <source>Browser panel</source>
        <translation>Pannello del browser</translation>
    </message>
    <message>
        <source>&amp;Listen address</source>
        <translation>Indirizzo di &amp;ascolto</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Indirizzo di ascolto</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only. 0.0.0.0: every network it is on.</source>
        <translation>127.0.0.1: solo questo computer. 0.0.0.0: ogni rete a cui è collegato.</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>&amp;Certificate</source>
        <translation>&amp;Certificato</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>File del certificato</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Cerca il file del certificato</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>C&amp;hiave</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>File della chiave</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Sfogl&amp;ia...</translation>
    </message>
    <message>
        <source>Browse for the key file</source>
        <translation>Cerca il file della chiave</translation>
    </message>
    <message>
        <source>PEM files. Both empty: the station&apos;s own self-signed certificate.</source>
        <translation>File PEM. Entrambi vuoti: il certificato autofirmato della stazione.</translation>
    </message>
    <message>
        <source>Served &amp;at</source>
        <translation>Servito all&apos;in&amp;dirizzo</translation>
    </message>
    <message>
        <source>Served at</source>
        <translation>Servito all&apos;indirizzo</translation>
    </message>
    <message>
        <source>&amp;Fingerprint</source>
        <translation>Imp&amp;ronta</translation>
    </message>
    <message>
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Impronta del certificato (SHA-256)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>C&amp;opia</translation>
    </message>
    <message>
        <source>Copy the fingerprint</source>
        <translation>Copia l&apos;impronta</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Browser collegati</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Utenti</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utenti</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>A&amp;dd user...</source>
        <translation>A&amp;ggiungi utente...</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Aggiungi utente</translation>
    </message>
    <message>
        <source>&amp;Remove user</source>
        <translation>Ri&amp;muovi utente</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Rimuovi utente</translation>
    </message>
    <message>
        <source>Users are added and removed at once, whether or not you press OK. A removed user is logged out of every browser.</source>
        <translation>Gli utenti vengono aggiunti e rimossi subito, che si prema OK o no. Un utente rimosso viene disconnesso da ogni browser.</translation>
    </message>
</context>
<context>
    <name>rotatorsDialog</name>
    <message>
        <source>Rotators</source>
        <translation>Rotori</translation>
    </message>
    <message>
        <source>Each rotator is a Hamlib rotctld, reached at host:port. An empty address: no rotator in that row.</source>
        <translation>Ogni rotore è un rotctld di Hamlib, raggiunto a host:porta. Un indirizzo vuoto: nessun rotore in quella riga.</translation>
    </message>
    <message>
        <source>A&amp;ddress</source>
        <translation>In&amp;dirizzo</translation>
    </message>
    <message>
        <source>A&amp;ntennas</source>
        <translation>A&amp;ntenne</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>No&amp;me</translation>
    </message>
    <message>
        <source>Rotator &amp;1</source>
        <translation>Rotore &amp;1</translation>
    </message>
    <message>
        <source>Rotator 1 address</source>
        <translation>Indirizzo del rotore 1</translation>
    </message>
    <message>
        <source>Rotator 1 antennas</source>
        <translation>Antenne del rotore 1</translation>
    </message>
    <message>
        <source>Rotator 1 name</source>
        <translation>Nome del rotore 1</translation>
    </message>
    <message>
        <source>Rotator &amp;2</source>
        <translation>Rotore &amp;2</translation>
    </message>
    <message>
        <source>Rotator 2 address</source>
        <translation>Indirizzo del rotore 2</translation>
    </message>
    <message>
        <source>Rotator 2 antennas</source>
        <translation>Antenne del rotore 2</translation>
    </message>
    <message>
        <source>Rotator 2 name</source>
        <translation>Nome del rotore 2</translation>
    </message>
    <message>
        <source>Rotator &amp;3</source>
        <translation>Rotore &amp;3</translation>
    </message>
    <message>
        <source>Rotator 3 address</source>
        <translation>Indirizzo del rotore 3</translation>
    </message>
    <message>
        <source>Rotator 3 antennas</source>
        <translation>Antenne del rotore 3</translation>
    </message>
    <message>
        <source>Rotator 3 name</source>
        <translation>Nome del rotore 3</translation>
    </message>
    <message>
        <source>Rotator &amp;4</source>
        <translation>Rotore &amp;4</translation>
    </message>
    <message>
        <source>Rotator 4 address</source>
        <translation>Indirizzo del rotore 4</translation>
    </message>
    <message>
        <source>Rotator 4 antennas</source>
        <translation>Antenne del rotore 4</translation>
    </message>
    <message>
        <source>Rotator 4 name</source>
        <translation>Nome del rotore 4</translation>
    </message>
    <message>
        <source>Station &amp;locator</source>
        <translation>&amp;Locatore della stazione</translation>
    </message>
    <message>
        <source>Station locator</source>
        <translation>Locatore della stazione</translation>
    </message>
</context>
</TS>
