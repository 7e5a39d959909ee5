<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BandFollowDialog</name>
    <message>
        <source>F2 edits a cell, Enter keeps it</source>
        <translation>F2 modifie une cellule, Entrée la garde</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>The row needs From and To, in kHz</source>
        <translation>La ligne demande De et À, en kHz</translation>
    </message>
    <message>
        <source>%1 is left over after the outputs</source>
        <translation>%1 est en trop après les sorties</translation>
    </message>
    <message>
        <source>%1 is a second antenna list: one list, as 4, 9, 2</source>
        <translation>%1 est une seconde liste d&apos;antennes : une seule liste, comme 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not 8 outputs of 1, 0 or -</source>
        <translation>%1 n&apos;est pas 8 sorties de 1, 0 ou -</translation>
    </message>
    <message>
        <source>rx needs one antenna, 1 to 12: rx 8</source>
        <translation>rx demande une antenne, 1 à 12 : rx 8</translation>
    </message>
    <message>
        <source>%1 is not an antenna list: 1 to 12, as 4, 9, 2</source>
        <translation>%1 n&apos;est pas une liste d&apos;antennes : 1 à 12, comme 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not a mode here: CW, SSB or DATA</source>
        <translation>%1 n&apos;est pas un mode ici : CW, SSB ou DATA</translation>
    </message>
    <message>
        <source>%1 and %2 kHz are not in one band</source>
        <translation>%1 et %2 kHz ne sont pas dans une même bande</translation>
    </message>
    <message>
        <source>%1 is above %2: From is the lower edge</source>
        <translation>%1 est au-dessus de %2 : De est la limite basse</translation>
    </message>
    <message>
        <source>%1 kHz is in no band</source>
        <translation>%1 kHz n&apos;est dans aucune bande</translation>
    </message>
    <message>
        <source>%1 looks like MHz: the range is in kHz</source>
        <translation>%1 ressemble à des MHz : la plage est en kHz</translation>
    </message>
    <message>
        <source>%1 is not a frequency in kHz</source>
        <translation>%1 n&apos;est pas une fréquence en kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
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
        <translation>Antennes %1</translation>
    </message>
    <message>
        <source>One antenna, or several tried in this order: 4, 9, 2</source>
        <translation>Une antenne, ou plusieurs essayées dans cet ordre : 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>Sorties %1</translation>
    </message>
    <message>
        <source>One character per output from GPO 1: 1 on, 0 off, - left alone</source>
        <translation>Un caractère par sortie à partir de GPO 1 : 1 allumée, 0 éteinte, - inchangée</translation>
    </message>
    <message>
        <source>Row %1 is not used yet</source>
        <translation>La ligne %1 n&apos;est pas encore utilisée</translation>
    </message>
    <message>
        <source>Up to %1 segments</source>
        <translation>Jusqu&apos;à %1 segments</translation>
    </message>
    <message>
        <source>“%1” was not used: antennas 1 to 12, as 4, 9, 2</source>
        <translation>« %1 » n&apos;a pas été utilisé : antennes 1 à 12, comme 4, 9, 2</translation>
    </message>
    <message>
        <source>Guards phone and data: shorter waits cannot tell a break-in or VOX gap from the end of a transmission (%1 ms is the least). It does not make CW safe: a word space can be longer</source>
        <translation>Protège la phonie et les données : une attente plus courte ne distingue pas une pause de break-in ou de VOX de la fin de l&apos;émission (%1 ms au minimum). Ne sécurise pas la CW : un espace entre mots peut être plus long</translation>
    </message>
    <message>
        <source>While the radio is in CW: longer than the longest gap of your keying (a word space is 7 dits: 700 ms at 12 WPM). A gap longer than this still lets a switch through; only the inhibit output makes CW safe</source>
        <translation>Quand la radio est en CW : plus longue que la plus longue pause de votre manipulation (un espace entre mots vaut 7 points : 700 ms à 12 WPM). Une pause plus longue laisse encore passer une commutation ; seule la sortie d&apos;inhibition sécurise la CW</translation>
    </message>
    <message>
        <source>The GPO wired to the radio&apos;s TX-inhibit input: it holds the radio off the air for every automatic switch, which makes switching safe whatever the keying. Without it, the waits guard phone and data, and CW only while its gaps are shorter than the CW wait</source>
        <translation>La sortie GPO reliée à l&apos;entrée d&apos;inhibition TX de la radio : elle empêche la radio d&apos;émettre à chaque commutation automatique, ce qui sécurise la commutation quelle que soit la manipulation. Sans elle, les attentes protègent la phonie et les données, et la CW seulement tant que ses pauses sont plus courtes que l&apos;attente CW</translation>
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
        <translation> : aucune antenne libre</translation>
    </message>
    <message>
        <source>%1: split off</source>
        <translation>%1 : split désactivé</translation>
    </message>
    <message>
        <source>%1: split on, receiving on Ant %2</source>
        <translation>%1 : split activé, réception sur Ant %2</translation>
    </message>
    <message>
        <source>Band following ignores %1</source>
        <translation>Le suivi de bande ignore %1</translation>
    </message>
    <message>
        <source> · PTT unknown</source>
        <translation> · PTT inconnu</translation>
    </message>
    <message>
        <source>PTT unknown: only the Merax SEND input guards switching</source>
        <translation>PTT inconnu : seule l&apos;entrée SEND du Merax protège la commutation</translation>
    </message>
    <message>
        <source>rigctld answers too late to tell the PTT: switching waits</source>
        <translation>rigctld répond trop tard pour connaître le PTT : la commutation attend</translation>
    </message>
    <message>
        <source>Ant %1 waits for the end of the transmission</source>
        <translation>Ant %1 attend la fin de l&apos;émission</translation>
    </message>
    <message>
        <source>Band following paused while split is on</source>
        <translation>Suivi de bande suspendu tant que le split est actif</translation>
    </message>
    <message>
        <source>Ant %1 not switched: the radio&apos;s source went away while it was transmitting</source>
        <translation>Ant %1 non commutée : la source de la radio a disparu pendant l&apos;émission</translation>
    </message>
    <message>
        <source>The Merax came back without an antenna: Ant %1 selected again</source>
        <translation>Le Merax est revenu sans antenne : Ant %1 de nouveau sélectionnée</translation>
    </message>
    <message>
        <source>The Merax reports no antenna</source>
        <translation>Le Merax n&apos;indique aucune antenne</translation>
    </message>
    <message>
        <source>%1: Ant %2</source>
        <translation>%1 : Ant %2</translation>
    </message>
    <message>
        <source>Ant %1 selected</source>
        <translation>Ant %1 sélectionnée</translation>
    </message>
    <message>
        <source>Ant %1 is in use elsewhere: press again to take it</source>
        <translation>Ant %1 est utilisée par une autre station : appuyez à nouveau pour la prendre</translation>
    </message>
    <message>
        <source>%1: no antennas named</source>
        <translation>%1 : aucune antenne indiquée</translation>
    </message>
    <message>
        <source>Next antenna: the radio is on no band</source>
        <translation>Antenne suivante : la radio n&apos;est sur aucune bande</translation>
    </message>
    <message>
        <source>%1: no other antenna free</source>
        <translation>%1 : aucune autre antenne libre</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1: %2 in use elsewhere</source>
        <translation>%1 : %2 utilisées par une autre station</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1: Ant %2 selected again</source>
        <translation>Le Merax est revenu sur Ant %1 : Ant %2 de nouveau sélectionnée</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1 (it had Ant %2)</source>
        <translation>Le Merax est revenu sur Ant %1 (il avait Ant %2)</translation>
    </message>
</context>
<context>
    <name>CompassRose</name>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>%1 compass</source>
        <translation>Boussole de %1</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>orientation %1</translation>
    </message>
    <message>
        <source>heading not known</source>
        <translation>orientation inconnue</translation>
    </message>
    <message>
        <source>turning to %1</source>
        <translation>rotation vers %1</translation>
    </message>
    <message>
        <source>chosen %1</source>
        <translation>choisi %1</translation>
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
        <translation>Vue de la journée</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>moins d&apos;une minute</translation>
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
        <translation>%1 UTC jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>No antenna in use</source>
        <translation>Aucune antenne en service</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>Transmissions: %1</source>
        <translation>Émissions : %1</translation>
    </message>
    <message>
        <source>Switches waited: %1</source>
        <translation>Commutations différées : %1</translation>
    </message>
    <message>
        <source>Switches failed: %1</source>
        <translation>Commutations échouées : %1</translation>
    </message>
    <message>
        <source>%1 in use</source>
        <translation>%1 en service</translation>
    </message>
    <message>
        <source>no antenna in use</source>
        <translation>aucune antenne en service</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>en émission</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Émission</translation>
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
        <translation>Commutation</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>%1 ✕ failed</source>
        <translation>%1 ✕ échouée</translation>
    </message>
    <message>
        <source>%1 ▼ waited</source>
        <translation>%1 ▼ différée</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Held (ms)</source>
        <translation>Attente (ms)</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>&amp;Day (UTC):</source>
        <translation>&amp;Jour (UTC) :</translation>
    </message>
    <message>
        <source>Day (UTC)</source>
        <translation>Jour (UTC)</translation>
    </message>
    <message>
        <source>&amp;Previous day</source>
        <translation>Jour &amp;précédent</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>Jour &amp;suivant</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Commutations</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Notices</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Transmit and rotators</source>
        <translation>Émission et rotors</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Shows the rows whose what, who or outcome holds this text</source>
        <translation>Affiche les lignes dont l&apos;événement, l&apos;origine ou le résultat contient ce texte</translation>
    </message>
    <message>
        <source>Text in what, who or outcome</source>
        <translation>Texte dans événement, origine ou résultat</translation>
    </message>
    <message>
        <source>W&amp;hole day</source>
        <translation>Journée &amp;entière</translation>
    </message>
    <message>
        <source>The picture spans the whole day, not only its busy hours</source>
        <translation>La vue couvre toute la journée, pas seulement ses heures actives</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Writes the rows shown to a CSV file</source>
        <translation>Écrit les lignes affichées dans un fichier CSV</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>Événements : %1</translation>
    </message>
    <message>
        <source>%1 of %2 events</source>
        <translation>Événements : %1 sur %2</translation>
    </message>
    <message>
        <source>The journal could not be read: %1</source>
        <translation>Le journal n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Not exported: %1 could not be written (%2)</source>
        <translation>Non exporté : impossible d&apos;écrire %1 (%2)</translation>
    </message>
    <message>
        <source>%1 events exported to %2</source>
        <translation>%1 événements exportés vers %2</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>pas de réponse depuis %1 s</translation>
    </message>
    <message>
        <source> · loss %1 %</source>
        <translation> · perte %1 %</translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation>Ping : %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Settings NOT saved: %1 is read-only or the disk is full.</source>
        <translation>Paramètres NON enregistrés : %1 est en lecture seule ou le disque est plein.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Paramètres : %1</translation>
    </message>
    <message>
        <source>%1 (copied from %2)</source>
        <translation>%1 (copié depuis %2)</translation>
    </message>
    <message>
        <source>Zarel</source>
        <translation>Zarel</translation>
    </message>
    <message>
        <source>Could not find host address. Check LAN Settings!</source>
        <translation>Adresse de l&apos;hôte introuvable. Vérifiez les paramètres LAN !</translation>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a number from 1 to 65535. Check LAN Settings!</source>
        <translation>Le port de l&apos;appareil &quot;%1&quot; n&apos;est pas un nombre de 1 à 65535. Vérifiez les paramètres LAN !</translation>
    </message>
    <message>
        <source>LAN enabled</source>
        <translation>LAN activé</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Ignored a status report from %1</source>
        <translation>Rapport d&apos;état de %1 ignoré</translation>
    </message>
    <message>
        <source>%1 not confirmed by the Merax</source>
        <translation>Non confirmé par le Merax : %1</translation>
    </message>
    <message>
        <source>Split disabled</source>
        <translation>Split désactivé</translation>
    </message>
    <message>
        <source>Choose the RX position:</source>
        <translation>Choisissez l&apos;antenne de réception :</translation>
    </message>
    <message>
        <source>Split config cancelled!</source>
        <translation>Configuration du split annulée !</translation>
    </message>
    <message>
        <source>Split configured succesfuly!</source>
        <translation>Split configuré avec succès !</translation>
    </message>
    <message>
        <source>The Merax answers again</source>
        <translation>Le Merax répond de nouveau</translation>
    </message>
    <message>
        <source>No answer from the Merax</source>
        <translation>Pas de réponse du Merax</translation>
    </message>
    <message>
        <source>Settings not read: the file is larger than %1 MB</source>
        <translation>Réglages non lus : le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Settings ignore %1: longer than %2 characters</source>
        <translation>Réglages ignorés pour %1 : plus de %2 caractères</translation>
    </message>
    <message>
        <source>Settings ignore %1: not a text, number or flag</source>
        <translation>Les réglages ignorent %1 : ni texte, ni nombre, ni indicateur</translation>
    </message>
    <message>
        <source>Settings: %1 read as Latin-1, not UTF-8</source>
        <translation>Réglages : %1 lu en Latin-1, pas en UTF-8</translation>
    </message>
    <message>
        <source>Settings NOT saved: another Zarel is writing %1. Try again.</source>
        <translation>Réglages NON enregistrés : un autre Zarel écrit %1. Réessayez.</translation>
    </message>
    <message>
        <source>Settings NOT saved: a text is longer than %1 characters.</source>
        <translation>Réglages NON enregistrés : un texte dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>Settings NOT saved: %1 is larger than %2 MB.</source>
        <translation>Réglages NON enregistrés : %1 dépasse %2 Mo.</translation>
    </message>
    <message>
        <source>The Merax answers from port %1</source>
        <translation>Le Merax répond depuis le port %1</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
    <message>
        <source>TX inhibited for the switch to Ant %1</source>
        <translation>Émission inhibée pour la commutation vers Ant %1</translation>
    </message>
    <message>
        <source>TX inhibited for the band outputs</source>
        <translation>Émission inhibée pour les sorties de bande</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) not confirmed by the Merax: switching waits</source>
        <translation>GPO %1 (inhibition TX) non confirmée par le Merax : la commutation attend</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) was left on: lowered</source>
        <translation>GPO %1 (inhibition TX) était restée allumée : éteinte</translation>
    </message>
    <message>
        <source>GPO %1 holds the radio off the air until the switch is confirmed</source>
        <translation>GPO %1 empêche la radio d&apos;émettre jusqu&apos;à la confirmation de la commutation</translation>
    </message>
    <message>
        <source>No Merax set: File › LAN Settings</source>
        <translation>Aucun Merax défini : Fichier › Paramètres LAN</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>%1: says the whole state</source>
        <translation>%1 : dit tout l&apos;état</translation>
    </message>
    <message>
        <source>%1 or the menu key on a GPI or GPO key: picks its colour</source>
        <translation>%1 ou la touche menu sur une touche GPI ou GPO : choisit sa couleur</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous key; Space presses it</source>
        <translation>Tab, Maj+Tab : la touche suivante ou précédente ; Espace l&apos;active</translation>
    </message>
    <message>
        <source>Alt and a menu&apos;s underlined letter: the menus</source>
        <translation>Alt et la lettre soulignée d&apos;un menu : les menus</translation>
    </message>
    <message>
        <source>%1: turns the selected antenna&apos;s rotator</source>
        <translation>%1 : tourne le rotor de l&apos;antenne choisie</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>pas de dossier %1</translation>
    </message>
    <message>
        <source>The journal cannot be written (%1): switching goes on without it</source>
        <translation>Le journal ne peut pas être écrit (%1) : la commutation continue sans lui</translation>
    </message>
    <message>
        <source>%1 to receive</source>
        <translation>%1 en réception</translation>
    </message>
    <message>
        <source>SPLIT off</source>
        <translation>SPLIT éteint</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1, receive %2</source>
        <translation>SPLIT allumé : émission %1, réception %2</translation>
    </message>
    <message>
        <source>GPO %1 on</source>
        <translation>GPO %1 allumée</translation>
    </message>
    <message>
        <source>GPO %1 off</source>
        <translation>GPO %1 éteinte</translation>
    </message>
    <message>
        <source>key</source>
        <translation>touche</translation>
    </message>
    <message>
        <source>function key</source>
        <translation>touche de fonction</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>band following</source>
        <translation>suivi de bande</translation>
    </message>
    <message>
        <source>band following: %1</source>
        <translation>suivi de bande : %1</translation>
    </message>
    <message>
        <source>next antenna</source>
        <translation>antenne suivante</translation>
    </message>
    <message>
        <source>the device came back</source>
        <translation>retour de l&apos;appareil</translation>
    </message>
    <message>
        <source>browser: %1</source>
        <translation>navigateur : %1</translation>
    </message>
    <message>
        <source>transmit inhibit</source>
        <translation>inhibition TX</translation>
    </message>
    <message>
        <source>superseded by %1</source>
        <translation>remplacée par %1</translation>
    </message>
    <message>
        <source>not sent: the same switch still waits for the Merax</source>
        <translation>non envoyée : la même commutation attend encore le Merax</translation>
    </message>
    <message>
        <source>confirmed after %1 ms</source>
        <translation>confirmée après %1 ms</translation>
    </message>
    <message>
        <source>not confirmed by the Merax</source>
        <translation>non confirmée par le Merax</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>déconnecté</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>occupée par une autre station</translation>
    </message>
    <message>
        <source>the radio&apos;s source is gone</source>
        <translation>la source de la radio a disparu</translation>
    </message>
    <message>
        <source>no longer wanted</source>
        <translation>plus demandée</translation>
    </message>
    <message>
        <source>not sent: %1</source>
        <translation>non envoyée : %1</translation>
    </message>
    <message>
        <source>on the device when it answered again</source>
        <translation>sur l&apos;appareil quand il a répondu de nouveau</translation>
    </message>
    <message>
        <source>on the device at Connect</source>
        <translation>sur l&apos;appareil à la connexion</translation>
    </message>
    <message>
        <source>switched elsewhere</source>
        <translation>commuté ailleurs</translation>
    </message>
    <message>
        <source>SPLIT on</source>
        <translation>SPLIT allumé</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>en émission</translation>
    </message>
    <message>
        <source>not sent: the station stopped</source>
        <translation>non envoyée : la station s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>not confirmed: the station stopped</source>
        <translation>non confirmée : la station s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>the station stopped</source>
        <translation>la station s&apos;est arrêtée</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>not sent: disconnected</source>
        <translation>non envoyée : déconnecté</translation>
    </message>
    <message>
        <source>not confirmed: disconnected</source>
        <translation>non confirmée : déconnecté</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>liaison perdue</translation>
    </message>
    <message>
        <source>silent for %1 s</source>
        <translation>pas de réponse depuis %1 s</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>liaison rétablie</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>après %1 s</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>radio lue</translation>
    </message>
    <message>
        <source>radio lost</source>
        <translation>radio perdue</translation>
    </message>
    <message>
        <source>%1 to %2°</source>
        <translation>%1 vers %2°</translation>
    </message>
    <message>
        <source>%1 stop</source>
        <translation>arrêt de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s) could not be kept while the journal could not be written</source>
        <translation>
            <numerusform>%n événement n&apos;a pas pu être gardé tant que le journal ne pouvait pas être écrit</numerusform>
            <numerusform>%n événements n&apos;ont pas pu être gardés tant que le journal ne pouvait pas être écrit</numerusform>
        </translation>
    </message>
    <message>
        <source>the station started</source>
        <translation>la station a démarré</translation>
    </message>
    <message>
        <source>not sent: superseded by %1</source>
        <translation>non envoyée : remplacée par %1</translation>
    </message>
    <message>
        <source>sent, then replaced by %1</source>
        <translation>envoyée, puis remplacée par %1</translation>
    </message>
    <message>
        <source>taken over by %1</source>
        <translation>reprise par %1</translation>
    </message>
</context>
<context>
    <name>PanelAccess</name>
    <message>
        <source>Transmits and receives on two antennas</source>
        <translation>Émet et reçoit sur deux antennes</translation>
    </message>
    <message>
        <source>Receives with the transceiver</source>
        <translation>Reçoit avec le transceiver</translation>
    </message>
    <message>
        <source>Receives with receiver %1</source>
        <translation>Reçoit avec le récepteur %1</translation>
    </message>
    <message>
        <source>Switches output %1; the menu key picks its colour</source>
        <translation>Commute la sortie %1 ; la touche Menu choisit sa couleur</translation>
    </message>
    <message>
        <source>Switches the radio to this antenna</source>
        <translation>Commute la radio sur cette antenne</translation>
    </message>
    <message>
        <source>Lit while another station uses Ant %1</source>
        <translation>Allumé tant qu&apos;une autre station utilise Ant %1</translation>
    </message>
    <message>
        <source>Input %1; the menu key picks its colour</source>
        <translation>Entrée %1 ; la touche Menu choisit sa couleur</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>Lit while the station transmits</source>
        <translation>Allumé pendant que la station émet</translation>
    </message>
    <message>
        <source>The link to the Merax</source>
        <translation>La liaison avec le Merax</translation>
    </message>
    <message>
        <source>Takes the radio off its antenna; in split, off the receive antenna only</source>
        <translation>Déconnecte la radio de son antenne ; en split, seulement de l&apos;antenne de réception</translation>
    </message>
</context>
<context>
    <name>PanelSpeech</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 in use elsewhere</source>
        <translation>Utilisées par une autre station : %1</translation>
    </message>
    <message>
        <source>Ant %1 is now in use elsewhere too</source>
        <translation>Ant %1 est maintenant aussi utilisée par une autre station</translation>
    </message>
    <message>
        <source>on</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>transmit antenna (split)</source>
        <translation>antenne d&apos;émission (split)</translation>
    </message>
    <message>
        <source>receive antenna (split)</source>
        <translation>antenne de réception (split)</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>sélectionnée</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>occupée par une autre station</translation>
    </message>
    <message>
        <source>choose the receive antenna</source>
        <translation>choisissez l&apos;antenne de réception</translation>
    </message>
    <message>
        <source>blinking</source>
        <translation>clignotant</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>link up, ping %1 ms</source>
        <translation>liaison établie, ping %1 ms</translation>
    </message>
    <message>
        <source>link up</source>
        <translation>liaison établie</translation>
    </message>
    <message>
        <source>waits for the end of the transmission</source>
        <translation>attend la fin de l&apos;émission</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a key&apos;s name, as a screen reader says it (&quot;Ant 4, 20M YAGI&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>no antenna</source>
        <translation>aucune antenne</translation>
    </message>
    <message>
        <source>No antenna</source>
        <translation>Aucune antenne</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1; receive %2</source>
        <translation>SPLIT allumé : émission %1 ; réception %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the changes said together, as a screen reader says them.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>SPLIT off: %1</source>
        <translation>SPLIT éteint : %1</translation>
    </message>
    <message>
        <source>No state from the Merax</source>
        <translation>Aucun état du Merax</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RadioSource</name>
    <message>
        <source>Two loggers report radio %1: following %2</source>
        <translation>Deux loggers signalent la radio %1 : suivi de %2</translation>
    </message>
    <message>
        <source>rigctld: not connected</source>
        <translation>rigctld : non connecté</translation>
    </message>
    <message>
        <source>rigctld: connection refused</source>
        <translation>rigctld : connexion refusée</translation>
    </message>
    <message>
        <source>rigctld: unknown host</source>
        <translation>rigctld : hôte inconnu</translation>
    </message>
    <message>
        <source>rigctld: connected, no answer</source>
        <translation>rigctld : connecté, pas de réponse</translation>
    </message>
    <message>
        <source>rigctld: connected, error %1</source>
        <translation>rigctld : connecté, erreur %1</translation>
    </message>
    <message>
        <source>rigctld: connected, unreadable answer</source>
        <translation>rigctld : connecté, réponse illisible</translation>
    </message>
    <message>
        <source>rigctld: connected</source>
        <translation>rigctld : connecté</translation>
    </message>
    <message>
        <source>logger: UDP port %1 unavailable</source>
        <translation>logger : port UDP %1 indisponible</translation>
    </message>
    <message>
        <source>logger: unknown host %1</source>
        <translation>logger : hôte inconnu %1</translation>
    </message>
    <message>
        <source>logger: waiting for radio %1</source>
        <translation>logger : en attente de la radio %1</translation>
    </message>
    <message>
        <source>logger: radio %1, no frequency</source>
        <translation>logger : radio %1, pas de fréquence</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>aucune bande</translation>
    </message>
    <message>
        <source>%1 went quiet: following %2</source>
        <translation>%1 s&apos;est tu : suivi de %2</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>Remote access: Listen=%1 is not an IP address</source>
        <translation>Accès distant : Listen=%1 n&apos;est pas une adresse IP</translation>
    </message>
    <message>
        <source>Remote access cannot listen on %1 port %2: %3</source>
        <translation>L&apos;accès distant ne peut pas écouter sur %1 port %2 : %3</translation>
    </message>
    <message>
        <source>Remote access at %1 has no users yet: add one to log in</source>
        <translation>L&apos;accès distant à %1 n&apos;a pas encore d&apos;utilisateur : ajoutez-en un pour vous connecter</translation>
    </message>
    <message>
        <source>Remote access at %1</source>
        <translation>Accès distant à %1</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Un nom d&apos;utilisateur compte de 1 à %1 lettres, chiffres, &apos;.&apos;, &apos;_&apos; ou &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Mot de passe de %1 : </translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>Aucun mot de passe saisi</translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Confirmer le mot de passe : </translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed</source>
        <translation>Les deux mots de passe diffèrent : rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>%1 may log in to the browser panel as %2 (%3)</source>
        <translation>%1 peut se connecter au panneau du navigateur en tant que %2 (%3)</translation>
    </message>
    <message>
        <source>no key could be made</source>
        <translation>aucune clé n&apos;a pu être créée</translation>
    </message>
    <message>
        <source>no random numbers for the certificate</source>
        <translation>pas de nombres aléatoires pour le certificat</translation>
    </message>
    <message>
        <source>the certificate could not be signed</source>
        <translation>le certificat n&apos;a pas pu être signé</translation>
    </message>
    <message>
        <source>the certificate could not be written out</source>
        <translation>le certificat n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Remote access needs both a Certificate and a Key, or neither</source>
        <translation>L&apos;accès distant demande à la fois un certificat et une clé, ou aucun des deux</translation>
    </message>
    <message>
        <source>No certificate for remote access: %1</source>
        <translation>Pas de certificat pour l&apos;accès distant : %1</translation>
    </message>
    <message>
        <source>The certificate for remote access cannot be read: %1</source>
        <translation>Le certificat pour l&apos;accès distant ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>%1 or %2 is not a PEM certificate and key</source>
        <translation>%1 ou %2 n&apos;est pas un certificat ou une clé PEM</translation>
    </message>
    <message>
        <source>Too many failed logins from this address: try again in a minute.</source>
        <translation>Trop de connexions échouées depuis cette adresse : réessayez dans une minute.</translation>
    </message>
    <message>
        <source>The station is busy: try again in a moment.</source>
        <translation>La station est occupée : réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The user or the password is wrong.</source>
        <translation>L&apos;utilisateur ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Viewers cannot switch: log in as an operator</source>
        <translation>Les observateurs ne peuvent pas commuter : connectez-vous en tant qu&apos;opérateur</translation>
    </message>
    <message>
        <source>The password is empty</source>
        <translation>Le mot de passe est vide</translation>
    </message>
    <message>
        <source>The password is longer than %1 bytes</source>
        <translation>Le mot de passe dépasse %1 octets</translation>
    </message>
    <message>
        <source>There is no user %1</source>
        <translation>L&apos;utilisateur %1 n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>RemoteAccessDialog</name>
    <message>
        <source>Not served now</source>
        <translation>Pas servi pour l&apos;instant</translation>
    </message>
    <message>
        <source>None while not served</source>
        <translation>Aucune tant que rien n&apos;est servi</translation>
    </message>
    <message>
        <source>Certificate (PEM)</source>
        <translation>Certificat (PEM)</translation>
    </message>
    <message>
        <source>Key (PEM)</source>
        <translation>Clé (PEM)</translation>
    </message>
    <message>
        <source>Browsers connected: %1</source>
        <translation>Navigateurs connectés : %1</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Observateur</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Listen address: “%1” is not an IP address, as 127.0.0.1 or 0.0.0.0</source>
        <translation>Adresse d&apos;écoute : « %1 » n&apos;est pas une adresse IP, comme 127.0.0.1 ou 0.0.0.0</translation>
    </message>
    <message>
        <source>Port: a number from %1 to %2</source>
        <translation>Port : un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>Certificate and Key: both PEM files, or neither for the station&apos;s own certificate</source>
        <translation>Certificat et clé : les deux fichiers PEM, ou aucun pour le certificat propre de la station</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Fichiers PEM (*.pem *.crt *.key);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Lettres, chiffres, &apos;.&apos;, &apos;_&apos; ou &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Viewer: sees everything, switches nothing</source>
        <translation>&amp;Observateur : voit tout, ne commute rien</translation>
    </message>
    <message>
        <source>Viewer: sees everything, switches nothing</source>
        <translation>Observateur : voit tout, ne commute rien</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Un nom d&apos;utilisateur compte de 1 à %1 lettres, chiffres, &apos;.&apos;, &apos;_&apos; ou &apos;-&apos;</translation>
    </message>
    <message>
        <source>Type a password</source>
        <translation>Saisissez un mot de passe</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice</source>
        <translation>Les deux mots de passe diffèrent : saisissez deux fois le même</translation>
    </message>
    <message>
        <source>There is a user %1 already. Give it this password and role?</source>
        <translation>L&apos;utilisateur %1 existe déjà. Lui donner ce mot de passe et ce rôle ?</translation>
    </message>
    <message>
        <source>Adding %1…</source>
        <translation>Ajout de %1…</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>Supprimer l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Remove %1? Its browsers are logged out at once.</source>
        <translation>Supprimer %1 ? Ses navigateurs sont déconnectés aussitôt.</translation>
    </message>
</context>
<context>
    <name>RemotePanel</name>
    <message>
        <source>Stored, but not served: %1</source>
        <translation>Enregistré, mais pas servi : %1</translation>
    </message>
</context>
<context>
    <name>RotatorPanel</name>
    <message>
        <source>turning to %1</source>
        <translation>rotation vers %1</translation>
    </message>
    <message>
        <source>turning</source>
        <translation>rotation en cours</translation>
    </message>
    <message>
        <source>No antenna is selected</source>
        <translation>Aucune antenne n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>Ant %1 is on no rotator</source>
        <translation>Ant %1 n&apos;est sur aucun rotor</translation>
    </message>
</context>
<context>
    <name>Rotators</name>
    <message>
        <source>Set the station&apos;s locator to turn to a locator</source>
        <translation>Définissez le locator de la station pour tourner vers un locator</translation>
    </message>
    <message>
        <source>Not a bearing or a locator: %1</source>
        <translation>Ni un azimut ni un locator : %1</translation>
    </message>
    <message>
        <source>Bearings go from 0° to 360°</source>
        <translation>Les azimuts vont de 0° à 360°</translation>
    </message>
    <message>
        <source>Rotor%1: not an address: &quot;%2&quot;</source>
        <translation>Rotor%1 : n&apos;est pas une adresse : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: not antenna numbers: &quot;%2&quot;</source>
        <translation>Rotor%1Antennas : ne sont pas des numéros d&apos;antenne : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: Ant %2 is on another rotator</source>
        <translation>Rotor%1Antennas : Ant %2 est sur un autre rotor</translation>
    </message>
    <message>
        <source>%1 stopped at %2</source>
        <translation>%1 arrêté à %2</translation>
    </message>
    <message>
        <source>%1: rotctld back</source>
        <translation>%1 : rotctld de retour</translation>
    </message>
    <message>
        <source>%1 refused the turn: %2</source>
        <translation>%1 a refusé la rotation : %2</translation>
    </message>
    <message>
        <source>%1 refused to stop: %2</source>
        <translation>%1 a refusé de s&apos;arrêter : %2</translation>
    </message>
    <message>
        <source>%1: rotctld lost</source>
        <translation>%1 : rotctld perdu</translation>
    </message>
    <message>
        <source>Rotator %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>rotctld: not connected</source>
        <translation>rotctld : non connecté</translation>
    </message>
    <message>
        <source>rotctld: connected</source>
        <translation>rotctld : connecté</translation>
    </message>
    <message>
        <source>rotctld: connection refused</source>
        <translation>rotctld : connexion refusée</translation>
    </message>
    <message>
        <source>rotctld: unknown host</source>
        <translation>rotctld : hôte inconnu</translation>
    </message>
    <message>
        <source>rotctld: connected, no answer</source>
        <translation>rotctld : connecté, pas de réponse</translation>
    </message>
    <message>
        <source>rotctld: connected, error %1</source>
        <translation>rotctld : connecté, erreur %1</translation>
    </message>
    <message>
        <source>rotctld: connected, unreadable answer</source>
        <translation>rotctld : connecté, réponse illisible</translation>
    </message>
    <message>
        <source>%1, turning to %2</source>
        <translation>%1, rotation vers %2</translation>
    </message>
    <message>
        <source>%1, turning</source>
        <translation>%1, rotation en cours</translation>
    </message>
    <message>
        <source>No rotator there</source>
        <translation>Aucun rotor à cet endroit</translation>
    </message>
    <message>
        <source>%1 cannot turn: %2</source>
        <translation>%1 ne peut pas tourner : %2</translation>
    </message>
    <message>
        <source>%1 turns to %2</source>
        <translation>%1 tourne vers %2</translation>
    </message>
    <message>
        <source>%1 cannot stop: %2</source>
        <translation>%1 ne peut pas s&apos;arrêter : %2</translation>
    </message>
</context>
<context>
    <name>RotatorsDialog</name>
    <message>
        <source>host:port of rotctld, as 127.0.0.1:4533 or [::1]:4533; without a port, %1. Empty: no rotator</source>
        <translation>hôte:port de rotctld, comme 127.0.0.1:4533 ou [::1]:4533 ; sans port, %1. Vide : aucun rotor</translation>
    </message>
    <message>
        <source>The antennas this rotator turns, 1 to 12: 4, 5</source>
        <translation>Les antennes que ce rotor fait tourner, 1 à 12 : 4, 5</translation>
    </message>
    <message>
        <source>As the panel says it; empty: Rotator %1</source>
        <translation>Tel que le panneau le nomme ; vide : Rotor %1</translation>
    </message>
    <message>
        <source>The station&apos;s Maidenhead locator, 4 or 6 characters: bearings and distances to a locator start here</source>
        <translation>Le locator Maidenhead de la station, 4 ou 6 caractères : les azimuts et distances vers un locator partent d&apos;ici</translation>
    </message>
    <message>
        <source>Rotator %1 address: needed for its antennas and name (empty them as well for no rotator)</source>
        <translation>Adresse du rotor %1 : nécessaire pour ses antennes et son nom (videz-les aussi pour n&apos;avoir aucun rotor)</translation>
    </message>
    <message>
        <source>Rotator %1 address: “%2” is not host:port, as 127.0.0.1:4533</source>
        <translation>Adresse du rotor %1 : « %2 » n&apos;est pas hôte:port, comme 127.0.0.1:4533</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: “%2” is not antennas 1 to 12, each once, as 4, 5</source>
        <translation>Antennes du rotor %1 : « %2 » n&apos;est pas une liste d&apos;antennes 1 à 12, chacune une fois, comme 4, 5</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: Ant %2 is on Rotator %3 already; an antenna has one rotator</source>
        <translation>Antennes du rotor %1 : Ant %2 est déjà sur le rotor %3 ; une antenne n&apos;a qu&apos;un seul rotor</translation>
    </message>
    <message>
        <source>Locator: “%1” is not a Maidenhead locator of 4 or 6 characters, as JN58td</source>
        <translation>Locator : « %1 » n&apos;est pas un locator Maidenhead de 4 ou 6 caractères, comme JN58td</translation>
    </message>
</context>
<context>
    <name>RotatorsWindow</name>
    <message>
        <source>Rotators</source>
        <translation>Rotors</translation>
    </message>
    <message>
        <source>No rotator is set up: File › Rotators…</source>
        <translation>Aucun rotor configuré : Fichier › Rotors…</translation>
    </message>
    <message>
        <source>Heading %1, turning to %2</source>
        <translation>Orientation %1, rotation vers %2</translation>
    </message>
    <message>
        <source>Bearing or locator</source>
        <translation>Azimut ou locator</translation>
    </message>
    <message>
        <source>Degrees from north, or a Maidenhead locator such as JN58td; Enter turns</source>
        <translation>Degrés depuis le nord, ou un locator Maidenhead comme JN58td ; Entrée lance la rotation</translation>
    </message>
    <message>
        <source>135 or JN58td</source>
        <translation>135 ou JN58td</translation>
    </message>
    <message>
        <source>Long path</source>
        <translation>Trajet long</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Escape stops the rotator anywhere in this window</source>
        <translation>Échap arrête le rotor partout dans cette fenêtre</translation>
    </message>
    <message>
        <source>Stopping %1</source>
        <translation>Arrêt de %1</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>turns no antenna</source>
        <translation>ne tourne aucune antenne</translation>
    </message>
    <message>
        <source>turns %1</source>
        <translation>tourne %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Heading not known</source>
        <translation>Orientation inconnue</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Orientation %1</translation>
    </message>
    <message>
        <source>%1 towards %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>%1, %2 km</source>
        <translation>%1, %2 km</translation>
    </message>
    <message>
        <source>%1, long path</source>
        <translation>%1, trajet long</translation>
    </message>
    <message>
        <source>%1, short path</source>
        <translation>%1, trajet court</translation>
    </message>
    <message>
        <source>Type a bearing, 0 to 359, or a locator</source>
        <translation>Saisissez un azimut, de 0 à 359, ou un locator</translation>
    </message>
    <message>
        <source>“%1” is not a bearing or a locator</source>
        <translation>« %1 » n&apos;est ni un azimut ni un locator</translation>
    </message>
    <message>
        <source>%1 turning to %2</source>
        <translation>%1 en rotation vers %2</translation>
    </message>
    <message>
        <source>&amp;Bearing or locator</source>
        <translation>&amp;Azimut ou locator</translation>
    </message>
    <message>
        <source>&amp;Long path</source>
        <translation>Trajet &amp;long</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Tourner</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
</context>
<context>
    <name>StationJournal</name>
    <message>
        <source>The journal is written again</source>
        <translation>Le journal est de nouveau écrit</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About Quorvan</source>
        <translation>À propos de Quorvan</translation>
    </message>
    <message>
        <source>Zarel :  Merax Remote Control</source>
        <translation>Zarel :  Télécommande Merax</translation>
    </message>
    <message>
        <source>Version: 1.1.2 (12/2019)</source>
        <translation>Version : 1.1.2 (12/2019)</translation>
    </message>
    <message>
        <source>Copyright © 2019 Zarel Radio Systems. All rights reserved.</source>
        <translation>Copyright © 2019 Zarel Radio Systems. Tous droits réservés.</translation>
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
        <translation>Suivi de bande</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>rigctld (Hamlib)</source>
        <translation>rigctld (Hamlib)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Logger broadcasts</source>
        <translation>Diffusions du logger</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>Port UDP</translation>
    </message>
    <message>
        <source>From host:</source>
        <translation>De l&apos;hôte :</translation>
    </message>
    <message>
        <source>any host</source>
        <translation>tout hôte</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Station :</translation>
    </message>
    <message>
        <source>any station</source>
        <translation>toute station</translation>
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
        <translation>Mémoriser mon choix</translation>
    </message>
    <message>
        <source>Hold my own switching while transmitting</source>
        <translation>Différer mes commutations pendant l&apos;émission</translation>
    </message>
    <message>
        <source>Switch only after receiving for</source>
        <translation>Commuter seulement après une réception de</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>rigctld host</source>
        <translation>Hôte rigctld</translation>
    </message>
    <message>
        <source>rigctld port</source>
        <translation>Port rigctld</translation>
    </message>
    <message>
        <source>Logger UDP port</source>
        <translation>Port UDP du logiciel de log</translation>
    </message>
    <message>
        <source>Logger radio</source>
        <translation>Radio du logiciel de log</translation>
    </message>
    <message>
        <source>Logger from host</source>
        <translation>Logiciel de log depuis l&apos;hôte</translation>
    </message>
    <message>
        <source>Logger station</source>
        <translation>Station du logiciel de log</translation>
    </message>
    <message>
        <source>Antennas and outputs per band</source>
        <translation>Antennes et sorties par bande</translation>
    </message>
    <message>
        <source>Antennas</source>
        <translation>Antennes</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>One row per segment: from and to in kHz, mode (CW, SSB, DATA or empty for any), antennas as on the band, outputs. Arrow keys move, F2 edits a cell, Enter keeps it.</source>
        <translation>Une ligne par segment : de et à en kHz, mode (CW, SSB, DATA ou vide pour tous), antennes comme pour la bande, sorties. Les flèches déplacent, F2 modifie une cellule, Entrée la valide.</translation>
    </message>
    <message>
        <source>From (kHz)</source>
        <translation>De (kHz)</translation>
    </message>
    <message>
        <source>To (kHz)</source>
        <translation>À (kHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>&amp;Add segment</source>
        <translation>&amp;Ajouter un segment</translation>
    </message>
    <message>
        <source>Re&amp;move segment</source>
        <translation>&amp;Retirer le segment</translation>
    </message>
    <message>
        <source>Ask again before taking an antenna in use elsewhere</source>
        <translation>Redemander avant de prendre une antenne utilisée par une autre station</translation>
    </message>
    <message>
        <source>in CW</source>
        <translation>en CW</translation>
    </message>
    <message>
        <source>In CW, without an inhibit output, switch only after receiving for</source>
        <translation>En CW, sans sortie d&apos;inhibition, commuter seulement après une réception de</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>Inhibition TX</translation>
    </message>
    <message>
        <source>TX inhibit output</source>
        <translation>Sortie d&apos;inhibition TX</translation>
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
        <translation>Saisissez l&apos;IP et le port du Merax :</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>PORT:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Directly use IP</source>
        <translation>Utiliser directement l&apos;adresse IP</translation>
    </message>
    <message>
        <source>&quot;Directly use IP&quot; is ticked, but &quot;%1&quot; is not an IP address. Enter the Merax&apos;s IP address, or untick &quot;Directly use IP&quot; to look the name up.</source>
        <translation>&quot;Utiliser directement l&apos;adresse IP&quot; est coché, mais &quot;%1&quot; n&apos;est pas une adresse IP. Saisissez l&apos;adresse IP du Merax ou décochez &quot;Utiliser directement l&apos;adresse IP&quot; pour résoudre le nom.</translation>
    </message>
    <message>
        <source>Enter the Merax&apos;s IP address or host name.</source>
        <translation>Saisissez l&apos;adresse IP ou le nom d&apos;hôte du Merax.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Le port doit être un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>Merax LAN Settings</source>
        <translation>Paramètres LAN du Merax</translation>
    </message>
</context>
<context>
    <name>labels</name>
    <message>
        <source>Merax Label Config</source>
        <translation>Libellés du Merax</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 caption</source>
        <extracomment>The name a screen reader gives a caption field, &quot;Ant 1 caption&quot;.</extracomment>
        <translation>Libellé de %1</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Zarel Remote Control</source>
        <translation>Télécommande Zarel</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax Remote Control&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Télécommande Merax&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Connect to Merax</source>
        <translation>&amp;Connexion au Merax</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnexion</translation>
    </message>
    <message>
        <source>&amp;Band Following...</source>
        <translation>Suivi de &amp;bande...</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;About Quorvan</source>
        <translation>À &amp;propos de Quorvan</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Libellés</translation>
    </message>
    <message>
        <source>LA&amp;N Settings</source>
        <translation>Paramètres LA&amp;N</translation>
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
        <translation>&amp;Antenne suivante sur cette bande</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Connect at &amp;Start</source>
        <translation>Connexion au dé&amp;marrage</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>&amp;Rotators</source>
        <translation>&amp;Rotors</translation>
    </message>
    <message>
        <source>&amp;Turn the Antenna...</source>
        <translation>&amp;Tourner l&apos;antenne...</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Ro&amp;tators...</source>
        <translation>&amp;Rotors...</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Remote &amp;Access...</source>
        <translation>Accès dis&amp;tant...</translation>
    </message>
</context>
<context>
    <name>remoteAccessDialog</name>
    <message>
        <source>Remote Access</source>
        <translation>Accès distant</translation>
    </message>
    <message>
        <source>&amp;Serve the browser panel</source>
        <translation>&amp;Servir le panneau du navigateur</translation>
    </message>
    <message>
        <source>Serve the browser panel</source>
        <translation>Servir le panneau du navigateur</translation>
    </message>
    <message>
        <source>Browser panel</source>
        <translation>Panneau du navigateur</translation>
    </message>
    <message>
        <source>&amp;Listen address</source>
        <translation>Adresse d&apos;é&amp;coute</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Adresse d&apos;écoute</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only. 0.0.0.0: every network it is on.</source>
        <translation>127.0.0.1 : cet ordinateur seul. 0.0.0.0 : tous les réseaux où il se trouve.</translation>
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
        <translation>C&amp;ertificat</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Fichier du certificat</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Parc&amp;ourir...</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Chercher le fichier du certificat</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>C&amp;lé</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Fichier de la clé</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Parcour&amp;ir...</translation>
    </message>
    <message>
        <source>Browse for the key file</source>
        <translation>Chercher le fichier de la clé</translation>
    </message>
    <message>
        <source>PEM files. Both empty: the station&apos;s own self-signed certificate.</source>
        <translation>Fichiers PEM. Tous deux vides : le certificat auto-signé de la station.</translation>
    </message>
    <message>
        <source>Served &amp;at</source>
        <translation>Servi à l&apos;&amp;adresse</translation>
    </message>
    <message>
        <source>Served at</source>
        <translation>Servi à l&apos;adresse</translation>
    </message>
    <message>
        <source>&amp;Fingerprint</source>
        <translation>Emprei&amp;nte</translation>
    </message>
    <message>
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Empreinte du certificat (SHA-256)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>Copie&amp;r</translation>
    </message>
    <message>
        <source>Copy the fingerprint</source>
        <translation>Copier l&apos;empreinte</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Navigateurs connectés</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Utilisateurs</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>A&amp;dd user...</source>
        <translation>A&amp;jouter un utilisateur...</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
    <message>
        <source>&amp;Remove user</source>
        <translation>Supprimer l&apos;utilisa&amp;teur</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Supprimer l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Users are added and removed at once, whether or not you press OK. A removed user is logged out of every browser.</source>
        <translation>Les utilisateurs sont ajoutés et supprimés aussitôt, que vous appuyiez sur OK ou non. Un utilisateur supprimé est déconnecté de tous les navigateurs.</translation>
    </message>
</context>
<context>
    <name>rotatorsDialog</name>
    <message>
        <source>Rotators</source>
        <translation>Rotors</translation>
    </message>
    <message>
        <source>Each rotator is a Hamlib rotctld, reached at host:port. An empty address: no rotator in that row.</source>
        <translation>Chaque rotor est un rotctld de Hamlib, joint à hôte:port. Une adresse vide : aucun rotor sur cette ligne.</translation>
    </message>
    <message>
        <source>A&amp;ddress</source>
        <translation>A&amp;dresse</translation>
    </message>
    <message>
        <source>A&amp;ntennas</source>
        <translation>A&amp;ntennes</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>No&amp;m</translation>
    </message>
    <message>
        <source>Rotator &amp;1</source>
        <translation>Rotor &amp;1</translation>
    </message>
    <message>
        <source>Rotator 1 address</source>
        <translation>Adresse du rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 antennas</source>
        <translation>Antennes du rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 name</source>
        <translation>Nom du rotor 1</translation>
    </message>
    <message>
        <source>Rotator &amp;2</source>
        <translation>Rotor &amp;2</translation>
    </message>
    <message>
        <source>Rotator 2 address</source>
        <translation>Adresse du rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 antennas</source>
        <translation>Antennes du rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 name</source>
        <translation>Nom du rotor 2</translation>
    </message>
    <message>
        <source>Rotator &amp;3</source>
        <translation>Rotor &amp;3</translation>
    </message>
    <message>
        <source>Rotator 3 address</source>
        <translation>Adresse du rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 antennas</source>
        <translation>Antennes du rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 name</source>
        <translation>Nom du rotor 3</translation>
    </message>
    <message>
        <source>Rotator &amp;4</source>
        <translation>Rotor &amp;4</translation>
    </message>
    <message>
        <source>Rotator 4 address</source>
        <translation>Adresse du rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 antennas</source>
        <translation>Antennes du rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 name</source>
        <translation>Nom du rotor 4</translation>
    </message>
    <message>
        <source>Station &amp;locator</source>
        <translation>&amp;Locator de la station</translation>
    </message>
    <message>
        <source>Station locator</source>
        <translation>Locator de la station</translation>
    </message>
</context>
</TS>
