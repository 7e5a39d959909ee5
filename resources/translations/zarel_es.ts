<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BandFollowDialog</name>
    <message>
        <source>F2 edits a cell, Enter keeps it</source>
        <translation>F2 edita una celda, Intro la guarda</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>The row needs From and To, in kHz</source>
        <translation>La fila necesita Desde y Hasta, en kHz</translation>
    </message>
    <message>
        <source>%1 is left over after the outputs</source>
        <translation>%1 sobra después de las salidas</translation>
    </message>
    <message>
        <source>%1 is a second antenna list: one list, as 4, 9, 2</source>
        <translation>%1 es una segunda lista de antenas: una sola lista, como 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not 8 outputs of 1, 0 or -</source>
        <translation>%1 no son 8 salidas de 1, 0 o -</translation>
    </message>
    <message>
        <source>rx needs one antenna, 1 to 12: rx 8</source>
        <translation>rx necesita una antena, 1 a 12: rx 8</translation>
    </message>
    <message>
        <source>%1 is not an antenna list: 1 to 12, as 4, 9, 2</source>
        <translation>%1 no es una lista de antenas: 1 a 12, como 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not a mode here: CW, SSB or DATA</source>
        <translation>%1 no es un modo aquí: CW, SSB o DATA</translation>
    </message>
    <message>
        <source>%1 and %2 kHz are not in one band</source>
        <translation>%1 y %2 kHz no están en una misma banda</translation>
    </message>
    <message>
        <source>%1 is above %2: From is the lower edge</source>
        <translation>%1 está por encima de %2: Desde es el límite inferior</translation>
    </message>
    <message>
        <source>%1 kHz is in no band</source>
        <translation>%1 kHz no está en ninguna banda</translation>
    </message>
    <message>
        <source>%1 looks like MHz: the range is in kHz</source>
        <translation>%1 parece MHz: el rango va en kHz</translation>
    </message>
    <message>
        <source>%1 is not a frequency in kHz</source>
        <translation>%1 no es una frecuencia en kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
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
        <translation>Antenas de %1</translation>
    </message>
    <message>
        <source>One antenna, or several tried in this order: 4, 9, 2</source>
        <translation>Una antena, o varias probadas en este orden: 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>Salidas de %1</translation>
    </message>
    <message>
        <source>One character per output from GPO 1: 1 on, 0 off, - left alone</source>
        <translation>Un carácter por salida desde GPO 1: 1 encendida, 0 apagada, - sin cambios</translation>
    </message>
    <message>
        <source>Row %1 is not used yet</source>
        <translation>La fila %1 aún no se usa</translation>
    </message>
    <message>
        <source>Up to %1 segments</source>
        <translation>Hasta %1 segmentos</translation>
    </message>
    <message>
        <source>“%1” was not used: antennas 1 to 12, as 4, 9, 2</source>
        <translation>«%1» no se usó: antenas 1 a 12, como 4, 9, 2</translation>
    </message>
    <message>
        <source>Guards phone and data: shorter waits cannot tell a break-in or VOX gap from the end of a transmission (%1 ms is the least). It does not make CW safe: a word space can be longer</source>
        <translation>Protege fonía y datos: esperas más cortas no distinguen una pausa de break-in o VOX del fin de la transmisión (mínimo %1 ms). No hace segura la CW: un espacio entre palabras puede ser más largo</translation>
    </message>
    <message>
        <source>While the radio is in CW: longer than the longest gap of your keying (a word space is 7 dits: 700 ms at 12 WPM). A gap longer than this still lets a switch through; only the inhibit output makes CW safe</source>
        <translation>Con la radio en CW: más larga que la pausa más larga de su manipulación (un espacio entre palabras son 7 puntos: 700 ms a 12 WPM). Una pausa más larga aún deja pasar una conmutación; solo la salida de inhibición hace segura la CW</translation>
    </message>
    <message>
        <source>The GPO wired to the radio&apos;s TX-inhibit input: it holds the radio off the air for every automatic switch, which makes switching safe whatever the keying. Without it, the waits guard phone and data, and CW only while its gaps are shorter than the CW wait</source>
        <translation>La salida GPO conectada a la entrada de inhibición de TX de la radio: impide transmitir a la radio en cada conmutación automática, lo que hace segura la conmutación sea cual sea la manipulación. Sin ella, las esperas protegen fonía y datos, y la CW solo mientras sus pausas sean más cortas que la espera de CW</translation>
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
        <translation>: ninguna antena libre</translation>
    </message>
    <message>
        <source>%1: split off</source>
        <translation>%1: split desactivado</translation>
    </message>
    <message>
        <source>%1: split on, receiving on Ant %2</source>
        <translation>%1: split activado, recepción en Ant %2</translation>
    </message>
    <message>
        <source>Band following ignores %1</source>
        <translation>El seguimiento de banda ignora %1</translation>
    </message>
    <message>
        <source> · PTT unknown</source>
        <translation> · PTT desconocido</translation>
    </message>
    <message>
        <source>PTT unknown: only the Merax SEND input guards switching</source>
        <translation>PTT desconocido: solo la entrada SEND del Merax protege la conmutación</translation>
    </message>
    <message>
        <source>rigctld answers too late to tell the PTT: switching waits</source>
        <translation>rigctld responde demasiado tarde para conocer el PTT: la conmutación espera</translation>
    </message>
    <message>
        <source>Ant %1 waits for the end of the transmission</source>
        <translation>Ant %1 espera el fin de la transmisión</translation>
    </message>
    <message>
        <source>Band following paused while split is on</source>
        <translation>Seguimiento de banda en pausa mientras el split está activo</translation>
    </message>
    <message>
        <source>Ant %1 not switched: the radio&apos;s source went away while it was transmitting</source>
        <translation>Ant %1 no conmutada: se perdió la fuente de la radio mientras transmitía</translation>
    </message>
    <message>
        <source>The Merax came back without an antenna: Ant %1 selected again</source>
        <translation>El Merax volvió sin antena: Ant %1 seleccionada de nuevo</translation>
    </message>
    <message>
        <source>The Merax reports no antenna</source>
        <translation>El Merax no indica ninguna antena</translation>
    </message>
    <message>
        <source>%1: Ant %2</source>
        <translation>%1: Ant %2</translation>
    </message>
    <message>
        <source>Ant %1 selected</source>
        <translation>Ant %1 seleccionada</translation>
    </message>
    <message>
        <source>Ant %1 is in use elsewhere: press again to take it</source>
        <translation>Ant %1 está en uso en otra estación: pulse de nuevo para tomarla</translation>
    </message>
    <message>
        <source>%1: no antennas named</source>
        <translation>%1: ninguna antena indicada</translation>
    </message>
    <message>
        <source>Next antenna: the radio is on no band</source>
        <translation>Siguiente antena: la radio no está en ninguna banda</translation>
    </message>
    <message>
        <source>%1: no other antenna free</source>
        <translation>%1: ninguna otra antena libre</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1: %2 in use elsewhere</source>
        <translation>%1: %2 en uso en otra estación</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1: Ant %2 selected again</source>
        <translation>El Merax volvió en Ant %1: Ant %2 seleccionada de nuevo</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1 (it had Ant %2)</source>
        <translation>El Merax volvió en Ant %1 (tenía Ant %2)</translation>
    </message>
</context>
<context>
    <name>CompassRose</name>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>%1 compass</source>
        <translation>Brújula de %1</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>orientación %1</translation>
    </message>
    <message>
        <source>heading not known</source>
        <translation>orientación desconocida</translation>
    </message>
    <message>
        <source>turning to %1</source>
        <translation>girando a %1</translation>
    </message>
    <message>
        <source>chosen %1</source>
        <translation>elegido %1</translation>
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
        <translation>Vista del día</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>menos de un minuto</translation>
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
        <translation>%1 UTC hasta las %2</translation>
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
        <translation>Ninguna antena en uso</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>En uso: %1</translation>
    </message>
    <message>
        <source>Transmissions: %1</source>
        <translation>Transmisiones: %1</translation>
    </message>
    <message>
        <source>Switches waited: %1</source>
        <translation>Conmutaciones aplazadas: %1</translation>
    </message>
    <message>
        <source>Switches failed: %1</source>
        <translation>Conmutaciones fallidas: %1</translation>
    </message>
    <message>
        <source>%1 in use</source>
        <translation>%1 en uso</translation>
    </message>
    <message>
        <source>no antenna in use</source>
        <translation>ninguna antena en uso</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>transmitiendo</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmisión</translation>
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
        <translation>Conmutación</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmisión</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>%1 ✕ failed</source>
        <translation>%1 ✕ fallida</translation>
    </message>
    <message>
        <source>%1 ▼ waited</source>
        <translation>%1 ▼ aplazada</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
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
        <translation>Origen</translation>
    </message>
    <message>
        <source>Held (ms)</source>
        <translation>Espera (ms)</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
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
        <translation>&amp;Día (UTC):</translation>
    </message>
    <message>
        <source>Day (UTC)</source>
        <translation>Día (UTC)</translation>
    </message>
    <message>
        <source>&amp;Previous day</source>
        <translation>Día &amp;anterior</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>Día &amp;siguiente</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Conmutaciones</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Notices</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Transmit and rotators</source>
        <translation>Transmisión y rotores</translation>
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
        <translation>Muestra las filas cuyo evento, origen o resultado contiene este texto</translation>
    </message>
    <message>
        <source>Text in what, who or outcome</source>
        <translation>Texto en evento, origen o resultado</translation>
    </message>
    <message>
        <source>W&amp;hole day</source>
        <translation>Día &amp;completo</translation>
    </message>
    <message>
        <source>The picture spans the whole day, not only its busy hours</source>
        <translation>La vista abarca todo el día, no solo sus horas con actividad</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Writes the rows shown to a CSV file</source>
        <translation>Escribe las filas mostradas en un archivo CSV</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>Eventos: %1</translation>
    </message>
    <message>
        <source>%1 of %2 events</source>
        <translation>Eventos: %1 de %2</translation>
    </message>
    <message>
        <source>The journal could not be read: %1</source>
        <translation>No se pudo leer el registro: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Not exported: %1 could not be written (%2)</source>
        <translation>No exportado: no se pudo escribir %1 (%2)</translation>
    </message>
    <message>
        <source>%1 events exported to %2</source>
        <translation>%1 eventos exportados a %2</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>sin respuesta desde hace %1 s</translation>
    </message>
    <message>
        <source> · loss %1 %</source>
        <translation> · pérdida %1 %</translation>
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
        <translation>Configuración NO guardada: %1 es de solo lectura o el disco está lleno.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <source>%1 (copied from %2)</source>
        <translation>%1 (copiado de %2)</translation>
    </message>
    <message>
        <source>Zarel</source>
        <translation>Zarel</translation>
    </message>
    <message>
        <source>Could not find host address. Check LAN Settings!</source>
        <translation>No se encontró la dirección del host. ¡Revise la configuración LAN!</translation>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a number from 1 to 65535. Check LAN Settings!</source>
        <translation>El puerto del dispositivo &quot;%1&quot; no es un número de 1 a 65535. ¡Revise la configuración LAN!</translation>
    </message>
    <message>
        <source>LAN enabled</source>
        <translation>LAN activada</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Ignored a status report from %1</source>
        <translation>Se ignoró un informe de estado de %1</translation>
    </message>
    <message>
        <source>%1 not confirmed by the Merax</source>
        <translation>El Merax no confirmó %1</translation>
    </message>
    <message>
        <source>Split disabled</source>
        <translation>Split desactivado</translation>
    </message>
    <message>
        <source>Choose the RX position:</source>
        <translation>Elija la antena de recepción:</translation>
    </message>
    <message>
        <source>Split config cancelled!</source>
        <translation>¡Configuración de split cancelada!</translation>
    </message>
    <message>
        <source>Split configured succesfuly!</source>
        <translation>¡Split configurado correctamente!</translation>
    </message>
    <message>
        <source>The Merax answers again</source>
        <translation>El Merax vuelve a responder</translation>
    </message>
    <message>
        <source>No answer from the Merax</source>
        <translation>Sin respuesta del Merax</translation>
    </message>
    <message>
        <source>Settings not read: the file is larger than %1 MB</source>
        <translation>Configuración no leída: el archivo supera los %1 MB</translation>
    </message>
    <message>
        <source>Settings ignore %1: longer than %2 characters</source>
        <translation>La configuración ignora %1: más de %2 caracteres</translation>
    </message>
    <message>
        <source>Settings ignore %1: not a text, number or flag</source>
        <translation>La configuración ignora %1: no es un texto, un número ni un indicador</translation>
    </message>
    <message>
        <source>Settings: %1 read as Latin-1, not UTF-8</source>
        <translation>Configuración: %1 leído como Latin-1, no como UTF-8</translation>
    </message>
    <message>
        <source>Settings NOT saved: another Zarel is writing %1. Try again.</source>
        <translation>Configuración NO guardada: otro Zarel está escribiendo %1. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Settings NOT saved: a text is longer than %1 characters.</source>
        <translation>Configuración NO guardada: un texto supera los %1 caracteres.</translation>
    </message>
    <message>
        <source>Settings NOT saved: %1 is larger than %2 MB.</source>
        <translation>Configuración NO guardada: %1 supera los %2 MB.</translation>
    </message>
    <message>
        <source>The Merax answers from port %1</source>
        <translation>El Merax responde desde el puerto %1</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
    </message>
    <message>
        <source>TX inhibited for the switch to Ant %1</source>
        <translation>TX inhibida para la conmutación a Ant %1</translation>
    </message>
    <message>
        <source>TX inhibited for the band outputs</source>
        <translation>TX inhibida para las salidas de banda</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) not confirmed by the Merax: switching waits</source>
        <translation>El Merax no confirmó GPO %1 (inhibición de TX): la conmutación espera</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) was left on: lowered</source>
        <translation>GPO %1 (inhibición de TX) había quedado encendida: apagada</translation>
    </message>
    <message>
        <source>GPO %1 holds the radio off the air until the switch is confirmed</source>
        <translation>GPO %1 impide transmitir a la radio hasta que se confirme la conmutación</translation>
    </message>
    <message>
        <source>No Merax set: File › LAN Settings</source>
        <translation>No hay ningún Merax configurado: Archivo › Configuración LAN</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>%1: says the whole state</source>
        <translation>%1: dice todo el estado</translation>
    </message>
    <message>
        <source>%1 or the menu key on a GPI or GPO key: picks its colour</source>
        <translation>%1 o la tecla de menú sobre una tecla GPI o GPO: elige su color</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous key; Space presses it</source>
        <translation>Tab, Mayús+Tab: la tecla siguiente o la anterior; Espacio la pulsa</translation>
    </message>
    <message>
        <source>Alt and a menu&apos;s underlined letter: the menus</source>
        <translation>Alt y la letra subrayada de un menú: los menús</translation>
    </message>
    <message>
        <source>%1: turns the selected antenna&apos;s rotator</source>
        <translation>%1: gira el rotor de la antena seleccionada</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>no existe la carpeta %1</translation>
    </message>
    <message>
        <source>The journal cannot be written (%1): switching goes on without it</source>
        <translation>No se puede escribir el registro (%1): la conmutación sigue sin él</translation>
    </message>
    <message>
        <source>%1 to receive</source>
        <translation>%1 para recepción</translation>
    </message>
    <message>
        <source>SPLIT off</source>
        <translation>SPLIT apagado</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1, receive %2</source>
        <translation>SPLIT encendido: transmisión %1, recepción %2</translation>
    </message>
    <message>
        <source>GPO %1 on</source>
        <translation>GPO %1 encendida</translation>
    </message>
    <message>
        <source>GPO %1 off</source>
        <translation>GPO %1 apagada</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tecla</translation>
    </message>
    <message>
        <source>function key</source>
        <translation>tecla de función</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menú</translation>
    </message>
    <message>
        <source>band following</source>
        <translation>seguimiento de banda</translation>
    </message>
    <message>
        <source>band following: %1</source>
        <translation>seguimiento de banda: %1</translation>
    </message>
    <message>
        <source>next antenna</source>
        <translation>siguiente antena</translation>
    </message>
    <message>
        <source>the device came back</source>
        <translation>el dispositivo volvió</translation>
    </message>
    <message>
        <source>browser: %1</source>
        <translation>navegador: %1</translation>
    </message>
    <message>
        <source>transmit inhibit</source>
        <translation>inhibición de TX</translation>
    </message>
    <message>
        <source>superseded by %1</source>
        <translation>sustituida por %1</translation>
    </message>
    <message>
        <source>not sent: the same switch still waits for the Merax</source>
        <translation>no enviada: la misma conmutación aún espera al Merax</translation>
    </message>
    <message>
        <source>confirmed after %1 ms</source>
        <translation>confirmada tras %1 ms</translation>
    </message>
    <message>
        <source>not confirmed by the Merax</source>
        <translation>no confirmada por el Merax</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>ocupada por otra estación</translation>
    </message>
    <message>
        <source>the radio&apos;s source is gone</source>
        <translation>se perdió la fuente de la radio</translation>
    </message>
    <message>
        <source>no longer wanted</source>
        <translation>ya no se necesita</translation>
    </message>
    <message>
        <source>not sent: %1</source>
        <translation>no enviada: %1</translation>
    </message>
    <message>
        <source>on the device when it answered again</source>
        <translation>en el dispositivo cuando volvió a responder</translation>
    </message>
    <message>
        <source>on the device at Connect</source>
        <translation>en el dispositivo al conectar</translation>
    </message>
    <message>
        <source>switched elsewhere</source>
        <translation>conmutado desde otro lugar</translation>
    </message>
    <message>
        <source>SPLIT on</source>
        <translation>SPLIT encendido</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>transmitiendo</translation>
    </message>
    <message>
        <source>not sent: the station stopped</source>
        <translation>no enviada: la estación se detuvo</translation>
    </message>
    <message>
        <source>not confirmed: the station stopped</source>
        <translation>no confirmada: la estación se detuvo</translation>
    </message>
    <message>
        <source>the station stopped</source>
        <translation>la estación se detuvo</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>not sent: disconnected</source>
        <translation>no enviada: desconectado</translation>
    </message>
    <message>
        <source>not confirmed: disconnected</source>
        <translation>no confirmada: desconectado</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconexión</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>enlace perdido</translation>
    </message>
    <message>
        <source>silent for %1 s</source>
        <translation>sin respuesta desde hace %1 s</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>enlace recuperado</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>tras %1 s</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>radio leída</translation>
    </message>
    <message>
        <source>radio lost</source>
        <translation>radio perdida</translation>
    </message>
    <message>
        <source>%1 to %2°</source>
        <translation>%1 a %2°</translation>
    </message>
    <message>
        <source>%1 stop</source>
        <translation>detener %1</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s) could not be kept while the journal could not be written</source>
        <translation>
            <numerusform>%n evento no se pudo conservar mientras no se podía escribir el registro</numerusform>
            <numerusform>%n eventos no se pudieron conservar mientras no se podía escribir el registro</numerusform>
        </translation>
    </message>
    <message>
        <source>the station started</source>
        <translation>la estación arrancó</translation>
    </message>
    <message>
        <source>not sent: superseded by %1</source>
        <translation>no enviada: reemplazada por %1</translation>
    </message>
    <message>
        <source>sent, then replaced by %1</source>
        <translation>enviada, luego reemplazada por %1</translation>
    </message>
    <message>
        <source>taken over by %1</source>
        <translation>absorbida por %1</translation>
    </message>
</context>
<context>
    <name>PanelAccess</name>
    <message>
        <source>Transmits and receives on two antennas</source>
        <translation>Transmite y recibe en dos antenas</translation>
    </message>
    <message>
        <source>Receives with the transceiver</source>
        <translation>Recibe con el transceptor</translation>
    </message>
    <message>
        <source>Receives with receiver %1</source>
        <translation>Recibe con el receptor %1</translation>
    </message>
    <message>
        <source>Switches output %1; the menu key picks its colour</source>
        <translation>Conmuta la salida %1; la tecla de menú elige su color</translation>
    </message>
    <message>
        <source>Switches the radio to this antenna</source>
        <translation>Conmuta la radio a esta antena</translation>
    </message>
    <message>
        <source>Lit while another station uses Ant %1</source>
        <translation>Encendido mientras otra estación usa Ant %1</translation>
    </message>
    <message>
        <source>Input %1; the menu key picks its colour</source>
        <translation>Entrada %1; la tecla de menú elige su color</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>Lit while the station transmits</source>
        <translation>Encendido mientras la estación transmite</translation>
    </message>
    <message>
        <source>The link to the Merax</source>
        <translation>El enlace con el Merax</translation>
    </message>
    <message>
        <source>Takes the radio off its antenna; in split, off the receive antenna only</source>
        <translation>Desconecta la radio de su antena; en split, solo de la antena de recepción</translation>
    </message>
</context>
<context>
    <name>PanelSpeech</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 in use elsewhere</source>
        <translation>%1 en uso en otra estación</translation>
    </message>
    <message>
        <source>Ant %1 is now in use elsewhere too</source>
        <translation>Ant %1 ahora también está en uso en otra estación</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>transmit antenna (split)</source>
        <translation>antena de transmisión (split)</translation>
    </message>
    <message>
        <source>receive antenna (split)</source>
        <translation>antena de recepción (split)</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>seleccionada</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>ocupada por otra estación</translation>
    </message>
    <message>
        <source>choose the receive antenna</source>
        <translation>elija la antena de recepción</translation>
    </message>
    <message>
        <source>blinking</source>
        <translation>parpadeando</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>link up, ping %1 ms</source>
        <translation>enlace activo, ping %1 ms</translation>
    </message>
    <message>
        <source>link up</source>
        <translation>enlace activo</translation>
    </message>
    <message>
        <source>waits for the end of the transmission</source>
        <translation>espera el fin de la transmisión</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a key&apos;s name, as a screen reader says it (&quot;Ant 4, 20M YAGI&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>no antenna</source>
        <translation>ninguna antena</translation>
    </message>
    <message>
        <source>No antenna</source>
        <translation>Ninguna antena</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1; receive %2</source>
        <translation>SPLIT encendido: transmisión %1; recepción %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the changes said together, as a screen reader says them.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>SPLIT off: %1</source>
        <translation>SPLIT apagado: %1</translation>
    </message>
    <message>
        <source>No state from the Merax</source>
        <translation>Sin estado del Merax</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RadioSource</name>
    <message>
        <source>Two loggers report radio %1: following %2</source>
        <translation>Dos loggers informan de la radio %1: se sigue a %2</translation>
    </message>
    <message>
        <source>rigctld: not connected</source>
        <translation>rigctld: no conectado</translation>
    </message>
    <message>
        <source>rigctld: connection refused</source>
        <translation>rigctld: conexión rechazada</translation>
    </message>
    <message>
        <source>rigctld: unknown host</source>
        <translation>rigctld: host desconocido</translation>
    </message>
    <message>
        <source>rigctld: connected, no answer</source>
        <translation>rigctld: conectado, sin respuesta</translation>
    </message>
    <message>
        <source>rigctld: connected, error %1</source>
        <translation>rigctld: conectado, error %1</translation>
    </message>
    <message>
        <source>rigctld: connected, unreadable answer</source>
        <translation>rigctld: conectado, respuesta ilegible</translation>
    </message>
    <message>
        <source>rigctld: connected</source>
        <translation>rigctld: conectado</translation>
    </message>
    <message>
        <source>logger: UDP port %1 unavailable</source>
        <translation>logger: puerto UDP %1 no disponible</translation>
    </message>
    <message>
        <source>logger: unknown host %1</source>
        <translation>logger: host desconocido %1</translation>
    </message>
    <message>
        <source>logger: waiting for radio %1</source>
        <translation>logger: esperando la radio %1</translation>
    </message>
    <message>
        <source>logger: radio %1, no frequency</source>
        <translation>logger: radio %1, sin frecuencia</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>sin banda</translation>
    </message>
    <message>
        <source>%1 went quiet: following %2</source>
        <translation>%1 dejó de emitir: se sigue a %2</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>Remote access: Listen=%1 is not an IP address</source>
        <translation>Acceso remoto: Listen=%1 no es una dirección IP</translation>
    </message>
    <message>
        <source>Remote access cannot listen on %1 port %2: %3</source>
        <translation>El acceso remoto no puede escuchar en %1, puerto %2: %3</translation>
    </message>
    <message>
        <source>Remote access at %1 has no users yet: add one to log in</source>
        <translation>El acceso remoto en %1 aún no tiene usuarios: añada uno para iniciar sesión</translation>
    </message>
    <message>
        <source>Remote access at %1</source>
        <translation>Acceso remoto en %1</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Un nombre de usuario tiene de 1 a %1 letras, dígitos, &apos;.&apos;, &apos;_&apos; o &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Contraseña de %1: </translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>No se indicó ninguna contraseña</translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Repetir la contraseña: </translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed</source>
        <translation>Las dos contraseñas no coinciden: no se cambió nada</translation>
    </message>
    <message>
        <source>%1 may log in to the browser panel as %2 (%3)</source>
        <translation>%1 puede iniciar sesión en el panel del navegador como %2 (%3)</translation>
    </message>
    <message>
        <source>no key could be made</source>
        <translation>no se pudo crear ninguna clave</translation>
    </message>
    <message>
        <source>no random numbers for the certificate</source>
        <translation>no hay números aleatorios para el certificado</translation>
    </message>
    <message>
        <source>the certificate could not be signed</source>
        <translation>no se pudo firmar el certificado</translation>
    </message>
    <message>
        <source>the certificate could not be written out</source>
        <translation>no se pudo escribir el certificado</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Remote access needs both a Certificate and a Key, or neither</source>
        <translation>El acceso remoto necesita un certificado y una clave, o ninguno de los dos</translation>
    </message>
    <message>
        <source>No certificate for remote access: %1</source>
        <translation>No hay certificado para el acceso remoto: %1</translation>
    </message>
    <message>
        <source>The certificate for remote access cannot be read: %1</source>
        <translation>No se puede leer el certificado para el acceso remoto: %1</translation>
    </message>
    <message>
        <source>%1 or %2 is not a PEM certificate and key</source>
        <translation>%1 o %2 no es un certificado o una clave PEM</translation>
    </message>
    <message>
        <source>Too many failed logins from this address: try again in a minute.</source>
        <translation>Demasiados inicios de sesión fallidos desde esta dirección: inténtelo de nuevo dentro de un minuto.</translation>
    </message>
    <message>
        <source>The station is busy: try again in a moment.</source>
        <translation>La estación está ocupada: inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>The user or the password is wrong.</source>
        <translation>El usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>Viewers cannot switch: log in as an operator</source>
        <translation>Los espectadores no pueden conmutar: inicie sesión como operador</translation>
    </message>
    <message>
        <source>The password is empty</source>
        <translation>La contraseña está vacía</translation>
    </message>
    <message>
        <source>The password is longer than %1 bytes</source>
        <translation>La contraseña tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>There is no user %1</source>
        <translation>No existe el usuario %1</translation>
    </message>
</context>
<context>
    <name>RemoteAccessDialog</name>
    <message>
        <source>Not served now</source>
        <translation>No se sirve ahora</translation>
    </message>
    <message>
        <source>None while not served</source>
        <translation>Ninguna mientras no se sirve</translation>
    </message>
    <message>
        <source>Certificate (PEM)</source>
        <translation>Certificado (PEM)</translation>
    </message>
    <message>
        <source>Key (PEM)</source>
        <translation>Clave (PEM)</translation>
    </message>
    <message>
        <source>Browsers connected: %1</source>
        <translation>Navegadores conectados: %1</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Espectador</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Listen address: “%1” is not an IP address, as 127.0.0.1 or 0.0.0.0</source>
        <translation>Dirección de escucha: «%1» no es una dirección IP, como 127.0.0.1 o 0.0.0.0</translation>
    </message>
    <message>
        <source>Port: a number from %1 to %2</source>
        <translation>Puerto: un número de %1 a %2</translation>
    </message>
    <message>
        <source>Certificate and Key: both PEM files, or neither for the station&apos;s own certificate</source>
        <translation>Certificado y clave: ambos archivos PEM, o ninguno para el certificado propio de la estación</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Archivos PEM (*.pem *.crt *.key);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Añadir usuario</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Letras, dígitos, &apos;.&apos;, &apos;_&apos; o &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Repetir la contraseña</translation>
    </message>
    <message>
        <source>&amp;Viewer: sees everything, switches nothing</source>
        <translation>&amp;Espectador: lo ve todo, no conmuta nada</translation>
    </message>
    <message>
        <source>Viewer: sees everything, switches nothing</source>
        <translation>Espectador: lo ve todo, no conmuta nada</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Un nombre de usuario tiene de 1 a %1 letras, dígitos, &apos;.&apos;, &apos;_&apos; o &apos;-&apos;</translation>
    </message>
    <message>
        <source>Type a password</source>
        <translation>Escriba una contraseña</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice</source>
        <translation>Las dos contraseñas no coinciden: escriba la misma dos veces</translation>
    </message>
    <message>
        <source>There is a user %1 already. Give it this password and role?</source>
        <translation>Ya existe un usuario %1. ¿Darle esta contraseña y esta función?</translation>
    </message>
    <message>
        <source>Adding %1…</source>
        <translation>Añadiendo a %1…</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>Eliminar usuario</translation>
    </message>
    <message>
        <source>Remove %1? Its browsers are logged out at once.</source>
        <translation>¿Eliminar a %1? Sus navegadores quedan desconectados al instante.</translation>
    </message>
</context>
<context>
    <name>RemotePanel</name>
    <message>
        <source>Stored, but not served: %1</source>
        <translation>Guardado, pero no se sirve: %1</translation>
    </message>
</context>
<context>
    <name>RotatorPanel</name>
    <message>
        <source>turning to %1</source>
        <translation>girando a %1</translation>
    </message>
    <message>
        <source>turning</source>
        <translation>girando</translation>
    </message>
    <message>
        <source>No antenna is selected</source>
        <translation>No hay ninguna antena seleccionada</translation>
    </message>
    <message>
        <source>Ant %1 is on no rotator</source>
        <translation>Ant %1 no está en ningún rotor</translation>
    </message>
</context>
<context>
    <name>Rotators</name>
    <message>
        <source>Set the station&apos;s locator to turn to a locator</source>
        <translation>Configure el localizador de la estación para girar hacia un localizador</translation>
    </message>
    <message>
        <source>Not a bearing or a locator: %1</source>
        <translation>No es un rumbo ni un localizador: %1</translation>
    </message>
    <message>
        <source>Bearings go from 0° to 360°</source>
        <translation>Los rumbos van de 0° a 360°</translation>
    </message>
    <message>
        <source>Rotor%1: not an address: &quot;%2&quot;</source>
        <translation>Rotor%1: no es una dirección: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: not antenna numbers: &quot;%2&quot;</source>
        <translation>Rotor%1Antennas: no son números de antena: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: Ant %2 is on another rotator</source>
        <translation>Rotor%1Antennas: Ant %2 está en otro rotor</translation>
    </message>
    <message>
        <source>%1 stopped at %2</source>
        <translation>%1 se detuvo en %2</translation>
    </message>
    <message>
        <source>%1: rotctld back</source>
        <translation>%1: rotctld ha vuelto</translation>
    </message>
    <message>
        <source>%1 refused the turn: %2</source>
        <translation>%1 rechazó el giro: %2</translation>
    </message>
    <message>
        <source>%1 refused to stop: %2</source>
        <translation>%1 se negó a detenerse: %2</translation>
    </message>
    <message>
        <source>%1: rotctld lost</source>
        <translation>%1: se perdió rotctld</translation>
    </message>
    <message>
        <source>Rotator %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>rotctld: not connected</source>
        <translation>rotctld: no conectado</translation>
    </message>
    <message>
        <source>rotctld: connected</source>
        <translation>rotctld: conectado</translation>
    </message>
    <message>
        <source>rotctld: connection refused</source>
        <translation>rotctld: conexión rechazada</translation>
    </message>
    <message>
        <source>rotctld: unknown host</source>
        <translation>rotctld: host desconocido</translation>
    </message>
    <message>
        <source>rotctld: connected, no answer</source>
        <translation>rotctld: conectado, sin respuesta</translation>
    </message>
    <message>
        <source>rotctld: connected, error %1</source>
        <translation>rotctld: conectado, error %1</translation>
    </message>
    <message>
        <source>rotctld: connected, unreadable answer</source>
        <translation>rotctld: conectado, respuesta ilegible</translation>
    </message>
    <message>
        <source>%1, turning to %2</source>
        <translation>%1, girando a %2</translation>
    </message>
    <message>
        <source>%1, turning</source>
        <translation>%1, girando</translation>
    </message>
    <message>
        <source>No rotator there</source>
        <translation>No hay ningún rotor ahí</translation>
    </message>
    <message>
        <source>%1 cannot turn: %2</source>
        <translation>%1 no puede girar: %2</translation>
    </message>
    <message>
        <source>%1 turns to %2</source>
        <translation>%1 gira a %2</translation>
    </message>
    <message>
        <source>%1 cannot stop: %2</source>
        <translation>%1 no puede detenerse: %2</translation>
    </message>
</context>
<context>
    <name>RotatorsDialog</name>
    <message>
        <source>host:port of rotctld, as 127.0.0.1:4533 or [::1]:4533; without a port, %1. Empty: no rotator</source>
        <translation>host:puerto de rotctld, como 127.0.0.1:4533 o [::1]:4533; sin puerto, %1. Vacío: ningún rotor</translation>
    </message>
    <message>
        <source>The antennas this rotator turns, 1 to 12: 4, 5</source>
        <translation>Las antenas que gira este rotor, 1 a 12: 4, 5</translation>
    </message>
    <message>
        <source>As the panel says it; empty: Rotator %1</source>
        <translation>Como lo nombra el panel; vacío: Rotor %1</translation>
    </message>
    <message>
        <source>The station&apos;s Maidenhead locator, 4 or 6 characters: bearings and distances to a locator start here</source>
        <translation>El localizador Maidenhead de la estación, 4 o 6 caracteres: los rumbos y las distancias a un localizador parten de aquí</translation>
    </message>
    <message>
        <source>Rotator %1 address: needed for its antennas and name (empty them as well for no rotator)</source>
        <translation>Dirección del rotor %1: necesaria para sus antenas y su nombre (vacíelos también para no tener rotor)</translation>
    </message>
    <message>
        <source>Rotator %1 address: “%2” is not host:port, as 127.0.0.1:4533</source>
        <translation>Dirección del rotor %1: «%2» no es host:puerto, como 127.0.0.1:4533</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: “%2” is not antennas 1 to 12, each once, as 4, 5</source>
        <translation>Antenas del rotor %1: «%2» no son antenas de 1 a 12, cada una una sola vez, como 4, 5</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: Ant %2 is on Rotator %3 already; an antenna has one rotator</source>
        <translation>Antenas del rotor %1: Ant %2 ya está en el rotor %3; una antena tiene un solo rotor</translation>
    </message>
    <message>
        <source>Locator: “%1” is not a Maidenhead locator of 4 or 6 characters, as JN58td</source>
        <translation>Localizador: «%1» no es un localizador Maidenhead de 4 o 6 caracteres, como JN58td</translation>
    </message>
</context>
<context>
    <name>RotatorsWindow</name>
    <message>
        <source>Rotators</source>
        <translation>Rotores</translation>
    </message>
    <message>
        <source>No rotator is set up: File › Rotators…</source>
        <translation>No hay ningún rotor configurado: Archivo › Rotores…</translation>
    </message>
    <message>
        <source>Heading %1, turning to %2</source>
        <translation>Orientación %1, girando a %2</translation>
    </message>
    <message>
        <source>Bearing or locator</source>
        <translation>Rumbo o localizador</translation>
    </message>
    <message>
        <source>Degrees from north, or a Maidenhead locator such as JN58td; Enter turns</source>
        <translation>Grados desde el norte, o un localizador Maidenhead como JN58td; Intro gira</translation>
    </message>
    <message>
        <source>135 or JN58td</source>
        <translation>135 o JN58td</translation>
    </message>
    <message>
        <source>Long path</source>
        <translation>Camino largo</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Escape stops the rotator anywhere in this window</source>
        <translation>Esc detiene el rotor desde cualquier parte de esta ventana</translation>
    </message>
    <message>
        <source>Stopping %1</source>
        <translation>Deteniendo %1</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>turns no antenna</source>
        <translation>no gira ninguna antena</translation>
    </message>
    <message>
        <source>turns %1</source>
        <translation>gira %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Heading not known</source>
        <translation>Orientación desconocida</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Orientación %1</translation>
    </message>
    <message>
        <source>%1 towards %2</source>
        <translation>%1 hacia %2</translation>
    </message>
    <message>
        <source>%1, %2 km</source>
        <translation>%1, %2 km</translation>
    </message>
    <message>
        <source>%1, long path</source>
        <translation>%1, camino largo</translation>
    </message>
    <message>
        <source>%1, short path</source>
        <translation>%1, camino corto</translation>
    </message>
    <message>
        <source>Type a bearing, 0 to 359, or a locator</source>
        <translation>Escriba un rumbo, de 0 a 359, o un localizador</translation>
    </message>
    <message>
        <source>“%1” is not a bearing or a locator</source>
        <translation>«%1» no es un rumbo ni un localizador</translation>
    </message>
    <message>
        <source>%1 turning to %2</source>
        <translation>%1 girando a %2</translation>
    </message>
    <message>
        <source>&amp;Bearing or locator</source>
        <translation>&amp;Rumbo o localizador</translation>
    </message>
    <message>
        <source>&amp;Long path</source>
        <translation>Camino &amp;largo</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
</context>
<context>
    <name>StationJournal</name>
    <message>
        <source>The journal is written again</source>
        <translation>El registro se escribe de nuevo</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About Quorvan</source>
        <translation>Acerca de Quorvan</translation>
    </message>
    <message>
        <source>Zarel :  Merax Remote Control</source>
        <translation>Zarel :  Control remoto Merax</translation>
    </message>
    <message>
        <source>Version: 1.1.2 (12/2019)</source>
        <translation>Versión: 1.1.2 (12/2019)</translation>
    </message>
    <message>
        <source>Copyright © 2019 Zarel Radio Systems. All rights reserved.</source>
        <translation>Copyright © 2019 Zarel Radio Systems. Todos los derechos reservados.</translation>
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
        <translation>Seguimiento de banda</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
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
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Logger broadcasts</source>
        <translation>Difusión del logger</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>Puerto UDP</translation>
    </message>
    <message>
        <source>From host:</source>
        <translation>Del host:</translation>
    </message>
    <message>
        <source>any host</source>
        <translation>cualquier host</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Estación:</translation>
    </message>
    <message>
        <source>any station</source>
        <translation>cualquier estación</translation>
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
        <translation>Recordar mi elección</translation>
    </message>
    <message>
        <source>Hold my own switching while transmitting</source>
        <translation>Aplazar mis conmutaciones mientras transmito</translation>
    </message>
    <message>
        <source>Switch only after receiving for</source>
        <translation>Conmutar solo tras recibir durante</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>rigctld host</source>
        <translation>Host de rigctld</translation>
    </message>
    <message>
        <source>rigctld port</source>
        <translation>Puerto de rigctld</translation>
    </message>
    <message>
        <source>Logger UDP port</source>
        <translation>Puerto UDP del logger</translation>
    </message>
    <message>
        <source>Logger radio</source>
        <translation>Radio del logger</translation>
    </message>
    <message>
        <source>Logger from host</source>
        <translation>Logger desde el host</translation>
    </message>
    <message>
        <source>Logger station</source>
        <translation>Estación del logger</translation>
    </message>
    <message>
        <source>Antennas and outputs per band</source>
        <translation>Antenas y salidas por banda</translation>
    </message>
    <message>
        <source>Antennas</source>
        <translation>Antenas</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>One row per segment: from and to in kHz, mode (CW, SSB, DATA or empty for any), antennas as on the band, outputs. Arrow keys move, F2 edits a cell, Enter keeps it.</source>
        <translation>Una fila por segmento: desde y hasta en kHz, modo (CW, SSB, DATA o vacío para cualquiera), antenas como en la banda, salidas. Las flechas mueven, F2 edita una celda, Intro la guarda.</translation>
    </message>
    <message>
        <source>From (kHz)</source>
        <translation>Desde (kHz)</translation>
    </message>
    <message>
        <source>To (kHz)</source>
        <translation>Hasta (kHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>&amp;Add segment</source>
        <translation>&amp;Añadir segmento</translation>
    </message>
    <message>
        <source>Re&amp;move segment</source>
        <translation>&amp;Quitar segmento</translation>
    </message>
    <message>
        <source>Ask again before taking an antenna in use elsewhere</source>
        <translation>Preguntar de nuevo antes de tomar una antena en uso en otra estación</translation>
    </message>
    <message>
        <source>in CW</source>
        <translation>en CW</translation>
    </message>
    <message>
        <source>In CW, without an inhibit output, switch only after receiving for</source>
        <translation>En CW, sin salida de inhibición, conmutar solo tras recibir durante</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>Inhibición de TX</translation>
    </message>
    <message>
        <source>TX inhibit output</source>
        <translation>Salida de inhibición de TX</translation>
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
        <translation>Introduzca IP y puerto del Merax:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>PORT:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Directly use IP</source>
        <translation>Usar IP directa</translation>
    </message>
    <message>
        <source>&quot;Directly use IP&quot; is ticked, but &quot;%1&quot; is not an IP address. Enter the Merax&apos;s IP address, or untick &quot;Directly use IP&quot; to look the name up.</source>
        <translation>&quot;Usar IP directa&quot; está marcado, pero &quot;%1&quot; no es una dirección IP. Introduzca la dirección IP del Merax o desmarque &quot;Usar IP directa&quot; para resolver el nombre.</translation>
    </message>
    <message>
        <source>Enter the Merax&apos;s IP address or host name.</source>
        <translation>Introduzca la dirección IP o el nombre de host del Merax.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>El puerto debe ser un número de 1 a 65535.</translation>
    </message>
    <message>
        <source>Merax LAN Settings</source>
        <translation>Configuración LAN del Merax</translation>
    </message>
</context>
<context>
    <name>labels</name>
    <message>
        <source>Merax Label Config</source>
        <translation>Etiquetas del Merax</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 caption</source>
        <extracomment>The name a screen reader gives a caption field, &quot;Ant 1 caption&quot;.</extracomment>
        <translation>Etiqueta de %1</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Zarel Remote Control</source>
        <translation>Control remoto Zarel</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax Remote Control&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Control remoto Merax&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Connect to Merax</source>
        <translation>&amp;Conectar al Merax</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>&amp;Band Following...</source>
        <translation>&amp;Seguimiento de banda...</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;About Quorvan</source>
        <translation>&amp;Acerca de Quorvan</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Etiquetas</translation>
    </message>
    <message>
        <source>LA&amp;N Settings</source>
        <translation>Configuración &amp;LAN</translation>
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
        <translation>Siguiente &amp;antena de esta banda</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Connect at &amp;Start</source>
        <translation>Conectar al &amp;iniciar</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>&amp;Rotators</source>
        <translation>&amp;Rotores</translation>
    </message>
    <message>
        <source>&amp;Turn the Antenna...</source>
        <translation>Girar la an&amp;tena...</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Ro&amp;tators...</source>
        <translation>&amp;Rotores...</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>R&amp;egistro</translation>
    </message>
    <message>
        <source>Remote &amp;Access...</source>
        <translation>Acceso re&amp;moto...</translation>
    </message>
</context>
<context>
    <name>remoteAccessDialog</name>
    <message>
        <source>Remote Access</source>
        <translation>Acceso remoto</translation>
    </message>
    <message>
        <source>&amp;Serve the browser panel</source>
        <translation>&amp;Servir el panel del navegador</translation>
    </message>
    <message>
        <source>Serve the browser panel</source>
        <translation>Servir el panel del navegador</translation>
    </message>
    <message>
        <source>Browser panel</source>
        <translation>Panel del navegador</translation>
    </message>
    <message>
        <source>&amp;Listen address</source>
        <translation>Dirección de &amp;escucha</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Dirección de escucha</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only. 0.0.0.0: every network it is on.</source>
        <translation>127.0.0.1: solo este ordenador. 0.0.0.0: todas las redes en las que está.</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Puerto</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>&amp;Certificate</source>
        <translation>&amp;Certificado</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Archivo del certificado</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Buscar el archivo del certificado</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>C&amp;lave</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Archivo de la clave</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Exa&amp;minar...</translation>
    </message>
    <message>
        <source>Browse for the key file</source>
        <translation>Buscar el archivo de la clave</translation>
    </message>
    <message>
        <source>PEM files. Both empty: the station&apos;s own self-signed certificate.</source>
        <translation>Archivos PEM. Ambos vacíos: el certificado autofirmado de la propia estación.</translation>
    </message>
    <message>
        <source>Served &amp;at</source>
        <translation>Servido e&amp;n</translation>
    </message>
    <message>
        <source>Served at</source>
        <translation>Servido en</translation>
    </message>
    <message>
        <source>&amp;Fingerprint</source>
        <translation>&amp;Huella digital</translation>
    </message>
    <message>
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Huella digital del certificado (SHA-256)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the fingerprint</source>
        <translation>Copiar la huella digital</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Navegadores conectados</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Usuarios</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>A&amp;dd user...</source>
        <translation>&amp;Añadir usuario...</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Añadir usuario</translation>
    </message>
    <message>
        <source>&amp;Remove user</source>
        <translation>Elimina&amp;r usuario</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Eliminar usuario</translation>
    </message>
    <message>
        <source>Users are added and removed at once, whether or not you press OK. A removed user is logged out of every browser.</source>
        <translation>Los usuarios se añaden y eliminan al instante, pulse o no Aceptar. Un usuario eliminado queda desconectado en todos los navegadores.</translation>
    </message>
</context>
<context>
    <name>rotatorsDialog</name>
    <message>
        <source>Rotators</source>
        <translation>Rotores</translation>
    </message>
    <message>
        <source>Each rotator is a Hamlib rotctld, reached at host:port. An empty address: no rotator in that row.</source>
        <translation>Cada rotor es un rotctld de Hamlib, accesible en host:puerto. Una dirección vacía: ningún rotor en esa fila.</translation>
    </message>
    <message>
        <source>A&amp;ddress</source>
        <translation>&amp;Dirección</translation>
    </message>
    <message>
        <source>A&amp;ntennas</source>
        <translation>A&amp;ntenas</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>No&amp;mbre</translation>
    </message>
    <message>
        <source>Rotator &amp;1</source>
        <translation>Rotor &amp;1</translation>
    </message>
    <message>
        <source>Rotator 1 address</source>
        <translation>Dirección del rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 antennas</source>
        <translation>Antenas del rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 name</source>
        <translation>Nombre del rotor 1</translation>
    </message>
    <message>
        <source>Rotator &amp;2</source>
        <translation>Rotor &amp;2</translation>
    </message>
    <message>
        <source>Rotator 2 address</source>
        <translation>Dirección del rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 antennas</source>
        <translation>Antenas del rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 name</source>
        <translation>Nombre del rotor 2</translation>
    </message>
    <message>
        <source>Rotator &amp;3</source>
        <translation>Rotor &amp;3</translation>
    </message>
    <message>
        <source>Rotator 3 address</source>
        <translation>Dirección del rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 antennas</source>
        <translation>Antenas del rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 name</source>
        <translation>Nombre del rotor 3</translation>
    </message>
    <message>
        <source>Rotator &amp;4</source>
        <translation>Rotor &amp;4</translation>
    </message>
    <message>
        <source>Rotator 4 address</source>
        <translation>Dirección del rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 antennas</source>
        <translation>Antenas del rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 name</source>
        <translation>Nombre del rotor 4</translation>
    </message>
    <message>
        <source>Station &amp;locator</source>
        <translation>&amp;Localizador de la estación</translation>
    </message>
    <message>
        <source>Station locator</source>
        <translation>Localizador de la estación</translation>
    </message>
</context>
</TS>
