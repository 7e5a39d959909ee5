<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BandFollowDialog</name>
    <message>
        <source>F2 edits a cell, Enter keeps it</source>
        <translation>F2 edita uma célula, Enter a mantém</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>The row needs From and To, in kHz</source>
        <translation>A linha precisa de De e Até, em kHz</translation>
    </message>
    <message>
        <source>%1 is left over after the outputs</source>
        <translation>%1 sobra depois das saídas</translation>
    </message>
    <message>
        <source>%1 is a second antenna list: one list, as 4, 9, 2</source>
        <translation>%1 é uma segunda lista de antenas: uma só lista, como 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not 8 outputs of 1, 0 or -</source>
        <translation>%1 não são 8 saídas de 1, 0 ou -</translation>
    </message>
    <message>
        <source>rx needs one antenna, 1 to 12: rx 8</source>
        <translation>rx precisa de uma antena, 1 a 12: rx 8</translation>
    </message>
    <message>
        <source>%1 is not an antenna list: 1 to 12, as 4, 9, 2</source>
        <translation>%1 não é uma lista de antenas: 1 a 12, como 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not a mode here: CW, SSB or DATA</source>
        <translation>%1 não é um modo aqui: CW, SSB ou DATA</translation>
    </message>
    <message>
        <source>%1 and %2 kHz are not in one band</source>
        <translation>%1 e %2 kHz não estão na mesma faixa</translation>
    </message>
    <message>
        <source>%1 is above %2: From is the lower edge</source>
        <translation>%1 está acima de %2: De é o limite inferior</translation>
    </message>
    <message>
        <source>%1 kHz is in no band</source>
        <translation>%1 kHz não está em nenhuma faixa</translation>
    </message>
    <message>
        <source>%1 looks like MHz: the range is in kHz</source>
        <translation>%1 parece MHz: a faixa é em kHz</translation>
    </message>
    <message>
        <source>%1 is not a frequency in kHz</source>
        <translation>%1 não é uma frequência em kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
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
        <translation>Uma antena, ou várias tentadas nesta ordem: 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>Saídas de %1</translation>
    </message>
    <message>
        <source>One character per output from GPO 1: 1 on, 0 off, - left alone</source>
        <translation>Um caractere por saída a partir do GPO 1: 1 ligada, 0 desligada, - inalterada</translation>
    </message>
    <message>
        <source>Row %1 is not used yet</source>
        <translation>A linha %1 ainda não é usada</translation>
    </message>
    <message>
        <source>Up to %1 segments</source>
        <translation>Até %1 segmentos</translation>
    </message>
    <message>
        <source>“%1” was not used: antennas 1 to 12, as 4, 9, 2</source>
        <translation>“%1” não foi usado: antenas 1 a 12, como 4, 9, 2</translation>
    </message>
    <message>
        <source>Guards phone and data: shorter waits cannot tell a break-in or VOX gap from the end of a transmission (%1 ms is the least). It does not make CW safe: a word space can be longer</source>
        <translation>Protege fonia e dados: esperas mais curtas não distinguem uma pausa de break-in ou VOX do fim da transmissão (mínimo de %1 ms). Não torna o CW seguro: um espaço entre palavras pode ser mais longo</translation>
    </message>
    <message>
        <source>While the radio is in CW: longer than the longest gap of your keying (a word space is 7 dits: 700 ms at 12 WPM). A gap longer than this still lets a switch through; only the inhibit output makes CW safe</source>
        <translation>Com o rádio em CW: mais longa que a maior pausa da sua manipulação (um espaço entre palavras são 7 pontos: 700 ms a 12 WPM). Uma pausa mais longa ainda deixa passar uma comutação; só a saída de inibição torna o CW seguro</translation>
    </message>
    <message>
        <source>The GPO wired to the radio&apos;s TX-inhibit input: it holds the radio off the air for every automatic switch, which makes switching safe whatever the keying. Without it, the waits guard phone and data, and CW only while its gaps are shorter than the CW wait</source>
        <translation>A saída GPO ligada à entrada de inibição de TX do rádio: impede o rádio de transmitir em cada comutação automática, o que torna a comutação segura seja qual for a manipulação. Sem ela, as esperas protegem fonia e dados, e o CW só enquanto suas pausas forem mais curtas que a espera de CW</translation>
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
        <translation>: nenhuma antena livre</translation>
    </message>
    <message>
        <source>%1: split off</source>
        <translation>%1: split desligado</translation>
    </message>
    <message>
        <source>%1: split on, receiving on Ant %2</source>
        <translation>%1: split ligado, recepção na Ant %2</translation>
    </message>
    <message>
        <source>Band following ignores %1</source>
        <translation>O seleção automática por banda ignora %1</translation>
    </message>
    <message>
        <source> · PTT unknown</source>
        <translation> · PTT desconhecido</translation>
    </message>
    <message>
        <source>PTT unknown: only the Merax SEND input guards switching</source>
        <translation>PTT desconhecido: só a entrada SEND do Merax protege a comutação</translation>
    </message>
    <message>
        <source>rigctld answers too late to tell the PTT: switching waits</source>
        <translation>O rigctld responde tarde demais para saber o PTT: a comutação aguarda</translation>
    </message>
    <message>
        <source>Ant %1 waits for the end of the transmission</source>
        <translation>Ant %1 aguarda o fim da transmissão</translation>
    </message>
    <message>
        <source>Band following paused while split is on</source>
        <translation>Seleção automática por banda pausada enquanto o split está ativo</translation>
    </message>
    <message>
        <source>Ant %1 not switched: the radio&apos;s source went away while it was transmitting</source>
        <translation>Ant %1 não comutada: a fonte do rádio sumiu durante a transmissão</translation>
    </message>
    <message>
        <source>The Merax came back without an antenna: Ant %1 selected again</source>
        <translation>O Merax voltou sem antena: Ant %1 selecionada de novo</translation>
    </message>
    <message>
        <source>The Merax reports no antenna</source>
        <translation>O Merax não informa nenhuma antena</translation>
    </message>
    <message>
        <source>%1: Ant %2</source>
        <translation>%1: Ant %2</translation>
    </message>
    <message>
        <source>Ant %1 selected</source>
        <translation>Ant %1 selecionada</translation>
    </message>
    <message>
        <source>Ant %1 is in use elsewhere: press again to take it</source>
        <translation>Ant %1 está em uso em outra estação: pressione de novo para usá-la</translation>
    </message>
    <message>
        <source>%1: no antennas named</source>
        <translation>%1: nenhuma antena indicada</translation>
    </message>
    <message>
        <source>Next antenna: the radio is on no band</source>
        <translation>Próxima antena: o rádio não está em nenhuma banda</translation>
    </message>
    <message>
        <source>%1: no other antenna free</source>
        <translation>%1: nenhuma outra antena livre</translation>
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
        <translation>%1: %2 em uso em outra estação</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1: Ant %2 selected again</source>
        <translation>O Merax voltou na Ant %1: Ant %2 selecionada de novo</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1 (it had Ant %2)</source>
        <translation>O Merax voltou na Ant %1 (estava na Ant %2)</translation>
    </message>
</context>
<context>
    <name>CompassRose</name>
    <message>
        <source>Compass</source>
        <translation>Bússola</translation>
    </message>
    <message>
        <source>%1 compass</source>
        <translation>Bússola de %1</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>direção %1</translation>
    </message>
    <message>
        <source>heading not known</source>
        <translation>direção desconhecida</translation>
    </message>
    <message>
        <source>turning to %1</source>
        <translation>girando para %1</translation>
    </message>
    <message>
        <source>chosen %1</source>
        <translation>escolhido %1</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>L</translation>
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
        <translation>Visão do dia</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>menos de um minuto</translation>
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
        <translation>%1 UTC até %2</translation>
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
        <translation>Nenhuma antena em uso</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>Em uso: %1</translation>
    </message>
    <message>
        <source>Transmissions: %1</source>
        <translation>Transmissões: %1</translation>
    </message>
    <message>
        <source>Switches waited: %1</source>
        <translation>Comutações adiadas: %1</translation>
    </message>
    <message>
        <source>Switches failed: %1</source>
        <translation>Comutações com falha: %1</translation>
    </message>
    <message>
        <source>%1 in use</source>
        <translation>%1 em uso</translation>
    </message>
    <message>
        <source>no antenna in use</source>
        <translation>nenhuma antena em uso</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>transmitindo</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmissão</translation>
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
        <translation>Comutação</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmissão</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>%1 ✕ failed</source>
        <translation>%1 ✕ com falha</translation>
    </message>
    <message>
        <source>%1 ▼ waited</source>
        <translation>%1 ▼ adiada</translation>
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
        <translation>Origem</translation>
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
        <translation>&amp;Dia (UTC):</translation>
    </message>
    <message>
        <source>Day (UTC)</source>
        <translation>Dia (UTC)</translation>
    </message>
    <message>
        <source>&amp;Previous day</source>
        <translation>Dia &amp;anterior</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Dia anterior</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>&amp;Próximo dia</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Próximo dia</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Comutações</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Notices</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Transmit and rotators</source>
        <translation>Transmissão e rotores</translation>
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
        <translation>Mostra as linhas cujo evento, origem ou resultado contém este texto</translation>
    </message>
    <message>
        <source>Text in what, who or outcome</source>
        <translation>Texto em evento, origem ou resultado</translation>
    </message>
    <message>
        <source>W&amp;hole day</source>
        <translation>Dia &amp;inteiro</translation>
    </message>
    <message>
        <source>The picture spans the whole day, not only its busy hours</source>
        <translation>A visão abrange o dia inteiro, não só as horas com atividade</translation>
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
        <translation>Grava as linhas exibidas em um arquivo CSV</translation>
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
        <translation>Não foi possível ler o registro: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Not exported: %1 could not be written (%2)</source>
        <translation>Não exportado: não foi possível gravar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 events exported to %2</source>
        <translation>%1 eventos exportados para %2</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>sem resposta há %1 s</translation>
    </message>
    <message>
        <source> · loss %1 %</source>
        <translation> · perda %1 %</translation>
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
        <translation>Configurações NÃO salvas: %1 é somente leitura ou o disco está cheio.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configurações: %1</translation>
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
        <translation>Endereço do host não encontrado. Verifique as configurações de LAN!</translation>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a number from 1 to 65535. Check LAN Settings!</source>
        <translation>A porta do dispositivo &quot;%1&quot; não é um número de 1 a 65535. Verifique as configurações de LAN!</translation>
    </message>
    <message>
        <source>LAN enabled</source>
        <translation>LAN ativada</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Ignored a status report from %1</source>
        <translation>Relatório de status de %1 ignorado</translation>
    </message>
    <message>
        <source>%1 not confirmed by the Merax</source>
        <translation>%1 sem confirmação do Merax</translation>
    </message>
    <message>
        <source>Split disabled</source>
        <translation>Split desativado</translation>
    </message>
    <message>
        <source>Choose the RX position:</source>
        <translation>Escolha a antena de recepção:</translation>
    </message>
    <message>
        <source>Split config cancelled!</source>
        <translation>Configuração de split cancelada!</translation>
    </message>
    <message>
        <source>Split configured succesfuly!</source>
        <translation>Split configurado com sucesso!</translation>
    </message>
    <message>
        <source>The Merax answers again</source>
        <translation>O Merax voltou a responder</translation>
    </message>
    <message>
        <source>No answer from the Merax</source>
        <translation>Sem resposta do Merax</translation>
    </message>
    <message>
        <source>Settings not read: the file is larger than %1 MB</source>
        <translation>Configurações não lidas: o arquivo passa de %1 MB</translation>
    </message>
    <message>
        <source>Settings ignore %1: longer than %2 characters</source>
        <translation>As configurações ignoram %1: mais de %2 caracteres</translation>
    </message>
    <message>
        <source>Settings ignore %1: not a text, number or flag</source>
        <translation>As configurações ignoram %1: não é texto, número nem indicador</translation>
    </message>
    <message>
        <source>Settings: %1 read as Latin-1, not UTF-8</source>
        <translation>Configurações: %1 lido como Latin-1, não UTF-8</translation>
    </message>
    <message>
        <source>Settings NOT saved: another Zarel is writing %1. Try again.</source>
        <translation>Configurações NÃO salvas: outro Zarel está gravando %1. Tente de novo.</translation>
    </message>
    <message>
        <source>Settings NOT saved: a text is longer than %1 characters.</source>
        <translation>Configurações NÃO salvas: um texto passa de %1 caracteres.</translation>
    </message>
    <message>
        <source>Settings NOT saved: %1 is larger than %2 MB.</source>
        <translation>Configurações NÃO salvas: %1 passa de %2 MB.</translation>
    </message>
    <message>
        <source>The Merax answers from port %1</source>
        <translation>O Merax responde pela porta %1</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Sobre o Qt</translation>
    </message>
    <message>
        <source>TX inhibited for the switch to Ant %1</source>
        <translation>TX inibido para comutar para Ant %1</translation>
    </message>
    <message>
        <source>TX inhibited for the band outputs</source>
        <translation>TX inibido para as saídas de banda</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) not confirmed by the Merax: switching waits</source>
        <translation>GPO %1 (inibição de TX) sem confirmação do Merax: a comutação aguarda</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) was left on: lowered</source>
        <translation>GPO %1 (inibição de TX) tinha ficado ligada: desligada</translation>
    </message>
    <message>
        <source>GPO %1 holds the radio off the air until the switch is confirmed</source>
        <translation>GPO %1 impede o rádio de transmitir até a comutação ser confirmada</translation>
    </message>
    <message>
        <source>No Merax set: File › LAN Settings</source>
        <translation>Nenhum Merax definido: Arquivo › Configurações de LAN</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>%1: says the whole state</source>
        <translation>%1: diz todo o estado</translation>
    </message>
    <message>
        <source>%1 or the menu key on a GPI or GPO key: picks its colour</source>
        <translation>%1 ou a tecla de menu sobre uma tecla GPI ou GPO: escolhe sua cor</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous key; Space presses it</source>
        <translation>Tab, Shift+Tab: a tecla seguinte ou a anterior; Espaço a pressiona</translation>
    </message>
    <message>
        <source>Alt and a menu&apos;s underlined letter: the menus</source>
        <translation>Alt e a letra sublinhada de um menu: os menus</translation>
    </message>
    <message>
        <source>%1: turns the selected antenna&apos;s rotator</source>
        <translation>%1: gira o rotor da antena selecionada</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>The journal cannot be written (%1): switching goes on without it</source>
        <translation>Não é possível gravar o registro (%1): a comutação continua sem ele</translation>
    </message>
    <message>
        <source>%1 to receive</source>
        <translation>%1 para recepção</translation>
    </message>
    <message>
        <source>SPLIT off</source>
        <translation>SPLIT desligado</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1, receive %2</source>
        <translation>SPLIT ligado: transmissão %1, recepção %2</translation>
    </message>
    <message>
        <source>GPO %1 on</source>
        <translation>GPO %1 ligada</translation>
    </message>
    <message>
        <source>GPO %1 off</source>
        <translation>GPO %1 desligada</translation>
    </message>
    <message>
        <source>key</source>
        <translation>tecla</translation>
    </message>
    <message>
        <source>function key</source>
        <translation>tecla de função</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>band following</source>
        <translation>seleção automática por banda</translation>
    </message>
    <message>
        <source>band following: %1</source>
        <translation>seleção automática por banda: %1</translation>
    </message>
    <message>
        <source>next antenna</source>
        <translation>próxima antena</translation>
    </message>
    <message>
        <source>the device came back</source>
        <translation>o dispositivo voltou</translation>
    </message>
    <message>
        <source>browser: %1</source>
        <translation>navegador: %1</translation>
    </message>
    <message>
        <source>transmit inhibit</source>
        <translation>inibição de TX</translation>
    </message>
    <message>
        <source>superseded by %1</source>
        <translation>substituída por %1</translation>
    </message>
    <message>
        <source>not sent: the same switch still waits for the Merax</source>
        <translation>não enviada: a mesma comutação ainda aguarda o Merax</translation>
    </message>
    <message>
        <source>confirmed after %1 ms</source>
        <translation>confirmada após %1 ms</translation>
    </message>
    <message>
        <source>not confirmed by the Merax</source>
        <translation>sem confirmação do Merax</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>ocupada por outra estação</translation>
    </message>
    <message>
        <source>the radio&apos;s source is gone</source>
        <translation>a fonte do rádio sumiu</translation>
    </message>
    <message>
        <source>no longer wanted</source>
        <translation>não é mais necessária</translation>
    </message>
    <message>
        <source>not sent: %1</source>
        <translation>não enviada: %1</translation>
    </message>
    <message>
        <source>on the device when it answered again</source>
        <translation>no dispositivo quando voltou a responder</translation>
    </message>
    <message>
        <source>on the device at Connect</source>
        <translation>no dispositivo ao conectar</translation>
    </message>
    <message>
        <source>switched elsewhere</source>
        <translation>comutado em outro lugar</translation>
    </message>
    <message>
        <source>SPLIT on</source>
        <translation>SPLIT ligado</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>transmitindo</translation>
    </message>
    <message>
        <source>not sent: the station stopped</source>
        <translation>não enviada: a estação parou</translation>
    </message>
    <message>
        <source>not confirmed: the station stopped</source>
        <translation>sem confirmação: a estação parou</translation>
    </message>
    <message>
        <source>the station stopped</source>
        <translation>a estação parou</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>not sent: disconnected</source>
        <translation>não enviada: desconectado</translation>
    </message>
    <message>
        <source>not confirmed: disconnected</source>
        <translation>sem confirmação: desconectado</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>conexão perdida</translation>
    </message>
    <message>
        <source>silent for %1 s</source>
        <translation>sem resposta há %1 s</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>conexão restabelecida</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>após %1 s</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>rádio lido</translation>
    </message>
    <message>
        <source>radio lost</source>
        <translation>rádio perdido</translation>
    </message>
    <message>
        <source>%1 to %2°</source>
        <translation>%1 para %2°</translation>
    </message>
    <message>
        <source>%1 stop</source>
        <translation>parar %1</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s) could not be kept while the journal could not be written</source>
        <translation>
            <numerusform>%n evento não pôde ser guardado enquanto o registro não podia ser gravado</numerusform>
            <numerusform>%n eventos não puderam ser guardados enquanto o registro não podia ser gravado</numerusform>
        </translation>
    </message>
    <message>
        <source>the station started</source>
        <translation>a estação iniciou</translation>
    </message>
    <message>
        <source>not sent: superseded by %1</source>
        <translation>não enviada: substituída por %1</translation>
    </message>
    <message>
        <source>sent, then replaced by %1</source>
        <translation>enviada, depois substituída por %1</translation>
    </message>
    <message>
        <source>taken over by %1</source>
        <translation>absorvida por %1</translation>
    </message>
</context>
<context>
    <name>PanelAccess</name>
    <message>
        <source>Transmits and receives on two antennas</source>
        <translation>Transmite e recebe em duas antenas</translation>
    </message>
    <message>
        <source>Receives with the transceiver</source>
        <translation>Recebe com o transceptor</translation>
    </message>
    <message>
        <source>Receives with receiver %1</source>
        <translation>Recebe com o receptor %1</translation>
    </message>
    <message>
        <source>Switches output %1; the menu key picks its colour</source>
        <translation>Comuta a saída %1; a tecla de menu escolhe a cor</translation>
    </message>
    <message>
        <source>Switches the radio to this antenna</source>
        <translation>Comuta o rádio para esta antena</translation>
    </message>
    <message>
        <source>Lit while another station uses Ant %1</source>
        <translation>Aceso enquanto outra estação usa a Ant %1</translation>
    </message>
    <message>
        <source>Input %1; the menu key picks its colour</source>
        <translation>Entrada %1; a tecla de menu escolhe a cor</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>Lit while the station transmits</source>
        <translation>Aceso enquanto a estação transmite</translation>
    </message>
    <message>
        <source>The link to the Merax</source>
        <translation>A conexão com o Merax</translation>
    </message>
    <message>
        <source>Takes the radio off its antenna; in split, off the receive antenna only</source>
        <translation>Desconecta o rádio da sua antena; em split, apenas da antena de recepção</translation>
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
        <translation>%1 em uso em outra estação</translation>
    </message>
    <message>
        <source>Ant %1 is now in use elsewhere too</source>
        <translation>Ant %1 agora também está em uso em outra estação</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>transmit antenna (split)</source>
        <translation>antena de transmissão (split)</translation>
    </message>
    <message>
        <source>receive antenna (split)</source>
        <translation>antena de recepção (split)</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selecionada</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>ocupada por outra estação</translation>
    </message>
    <message>
        <source>choose the receive antenna</source>
        <translation>escolha a antena de recepção</translation>
    </message>
    <message>
        <source>blinking</source>
        <translation>piscando</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>não conectado</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>link up, ping %1 ms</source>
        <translation>conexão ativa, ping %1 ms</translation>
    </message>
    <message>
        <source>link up</source>
        <translation>conexão ativa</translation>
    </message>
    <message>
        <source>waits for the end of the transmission</source>
        <translation>aguarda o fim da transmissão</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a key&apos;s name, as a screen reader says it (&quot;Ant 4, 20M YAGI&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>no antenna</source>
        <translation>nenhuma antena</translation>
    </message>
    <message>
        <source>No antenna</source>
        <translation>Nenhuma antena</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1; receive %2</source>
        <translation>SPLIT ligado: transmissão %1; recepção %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the changes said together, as a screen reader says them.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>SPLIT off: %1</source>
        <translation>SPLIT desligado: %1</translation>
    </message>
    <message>
        <source>No state from the Merax</source>
        <translation>Nenhum estado do Merax</translation>
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
        <translation>Dois loggers informam o rádio %1: seguindo %2</translation>
    </message>
    <message>
        <source>rigctld: not connected</source>
        <translation>rigctld: não conectado</translation>
    </message>
    <message>
        <source>rigctld: connection refused</source>
        <translation>rigctld: conexão recusada</translation>
    </message>
    <message>
        <source>rigctld: unknown host</source>
        <translation>rigctld: host desconhecido</translation>
    </message>
    <message>
        <source>rigctld: connected, no answer</source>
        <translation>rigctld: conectado, sem resposta</translation>
    </message>
    <message>
        <source>rigctld: connected, error %1</source>
        <translation>rigctld: conectado, erro %1</translation>
    </message>
    <message>
        <source>rigctld: connected, unreadable answer</source>
        <translation>rigctld: conectado, resposta ilegível</translation>
    </message>
    <message>
        <source>rigctld: connected</source>
        <translation>rigctld: conectado</translation>
    </message>
    <message>
        <source>logger: UDP port %1 unavailable</source>
        <translation>logger: porta UDP %1 indisponível</translation>
    </message>
    <message>
        <source>logger: unknown host %1</source>
        <translation>logger: host desconhecido %1</translation>
    </message>
    <message>
        <source>logger: waiting for radio %1</source>
        <translation>logger: aguardando o rádio %1</translation>
    </message>
    <message>
        <source>logger: radio %1, no frequency</source>
        <translation>logger: rádio %1, sem frequência</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>sem banda</translation>
    </message>
    <message>
        <source>%1 went quiet: following %2</source>
        <translation>%1 ficou em silêncio: seguindo %2</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>Remote access: Listen=%1 is not an IP address</source>
        <translation>Acesso remoto: Listen=%1 não é um endereço IP</translation>
    </message>
    <message>
        <source>Remote access cannot listen on %1 port %2: %3</source>
        <translation>O acesso remoto não pode escutar em %1, porta %2: %3</translation>
    </message>
    <message>
        <source>Remote access at %1 has no users yet: add one to log in</source>
        <translation>O acesso remoto em %1 ainda não tem usuários: adicione um para fazer login</translation>
    </message>
    <message>
        <source>Remote access at %1</source>
        <translation>Acesso remoto em %1</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Um nome de usuário tem de 1 a %1 letras, dígitos, &apos;.&apos;, &apos;_&apos; ou &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Senha de %1: </translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>Nenhuma senha informada</translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Repetir a senha: </translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed</source>
        <translation>As duas senhas são diferentes: nada foi alterado</translation>
    </message>
    <message>
        <source>%1 may log in to the browser panel as %2 (%3)</source>
        <translation>%1 pode fazer login no painel do navegador como %2 (%3)</translation>
    </message>
    <message>
        <source>no key could be made</source>
        <translation>não foi possível criar uma chave</translation>
    </message>
    <message>
        <source>no random numbers for the certificate</source>
        <translation>sem números aleatórios para o certificado</translation>
    </message>
    <message>
        <source>the certificate could not be signed</source>
        <translation>não foi possível assinar o certificado</translation>
    </message>
    <message>
        <source>the certificate could not be written out</source>
        <translation>não foi possível gravar o certificado</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Remote access needs both a Certificate and a Key, or neither</source>
        <translation>O acesso remoto precisa de um certificado e de uma chave, ou de nenhum dos dois</translation>
    </message>
    <message>
        <source>No certificate for remote access: %1</source>
        <translation>Sem certificado para o acesso remoto: %1</translation>
    </message>
    <message>
        <source>The certificate for remote access cannot be read: %1</source>
        <translation>Não é possível ler o certificado para o acesso remoto: %1</translation>
    </message>
    <message>
        <source>%1 or %2 is not a PEM certificate and key</source>
        <translation>%1 ou %2 não é um certificado ou uma chave PEM</translation>
    </message>
    <message>
        <source>Too many failed logins from this address: try again in a minute.</source>
        <translation>Muitas tentativas de login com falha a partir deste endereço: tente de novo em um minuto.</translation>
    </message>
    <message>
        <source>The station is busy: try again in a moment.</source>
        <translation>A estação está ocupada: tente de novo em um instante.</translation>
    </message>
    <message>
        <source>The user or the password is wrong.</source>
        <translation>Usuário ou senha incorretos.</translation>
    </message>
    <message>
        <source>Viewers cannot switch: log in as an operator</source>
        <translation>Visualizadores não podem comutar: faça login como operador</translation>
    </message>
    <message>
        <source>The password is empty</source>
        <translation>A senha está vazia</translation>
    </message>
    <message>
        <source>The password is longer than %1 bytes</source>
        <translation>A senha tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>There is no user %1</source>
        <translation>Não existe o usuário %1</translation>
    </message>
</context>
<context>
    <name>RemoteAccessDialog</name>
    <message>
        <source>Not served now</source>
        <translation>Não servido agora</translation>
    </message>
    <message>
        <source>None while not served</source>
        <translation>Nenhuma enquanto não servido</translation>
    </message>
    <message>
        <source>Certificate (PEM)</source>
        <translation>Certificado (PEM)</translation>
    </message>
    <message>
        <source>Key (PEM)</source>
        <translation>Chave (PEM)</translation>
    </message>
    <message>
        <source>Browsers connected: %1</source>
        <translation>Navegadores conectados: %1</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visualizador</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Listen address: “%1” is not an IP address, as 127.0.0.1 or 0.0.0.0</source>
        <translation>Endereço de escuta: “%1” não é um endereço IP, como 127.0.0.1 ou 0.0.0.0</translation>
    </message>
    <message>
        <source>Port: a number from %1 to %2</source>
        <translation>Porta: um número de %1 a %2</translation>
    </message>
    <message>
        <source>Certificate and Key: both PEM files, or neither for the station&apos;s own certificate</source>
        <translation>Certificado e chave: os dois arquivos PEM, ou nenhum para o certificado próprio da estação</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Arquivos PEM (*.pem *.crt *.key);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Adicionar usuário</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Letras, dígitos, &apos;.&apos;, &apos;_&apos; ou &apos;-&apos;</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Repetir a senha</translation>
    </message>
    <message>
        <source>&amp;Viewer: sees everything, switches nothing</source>
        <translation>&amp;Visualizador: vê tudo, não comuta nada</translation>
    </message>
    <message>
        <source>Viewer: sees everything, switches nothing</source>
        <translation>Visualizador: vê tudo, não comuta nada</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Senha</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>Um nome de usuário tem de 1 a %1 letras, dígitos, &apos;.&apos;, &apos;_&apos; ou &apos;-&apos;</translation>
    </message>
    <message>
        <source>Type a password</source>
        <translation>Digite uma senha</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice</source>
        <translation>As duas senhas são diferentes: digite a mesma duas vezes</translation>
    </message>
    <message>
        <source>There is a user %1 already. Give it this password and role?</source>
        <translation>Já existe um usuário %1. Dar a ele esta senha e esta função?</translation>
    </message>
    <message>
        <source>Adding %1…</source>
        <translation>Adicionando %1…</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>Remover usuário</translation>
    </message>
    <message>
        <source>Remove %1? Its browsers are logged out at once.</source>
        <translation>Remover %1? Os navegadores dele são desconectados na hora.</translation>
    </message>
</context>
<context>
    <name>RemotePanel</name>
    <message>
        <source>Stored, but not served: %1</source>
        <translation>Salvo, mas não servido: %1</translation>
    </message>
</context>
<context>
    <name>RotatorPanel</name>
    <message>
        <source>turning to %1</source>
        <translation>girando para %1</translation>
    </message>
    <message>
        <source>turning</source>
        <translation>girando</translation>
    </message>
    <message>
        <source>No antenna is selected</source>
        <translation>Nenhuma antena selecionada</translation>
    </message>
    <message>
        <source>Ant %1 is on no rotator</source>
        <translation>Ant %1 não está em nenhum rotor</translation>
    </message>
</context>
<context>
    <name>Rotators</name>
    <message>
        <source>Set the station&apos;s locator to turn to a locator</source>
        <translation>Defina o localizador da estação para girar até um localizador</translation>
    </message>
    <message>
        <source>Not a bearing or a locator: %1</source>
        <translation>Não é um azimute nem um localizador: %1</translation>
    </message>
    <message>
        <source>Bearings go from 0° to 360°</source>
        <translation>Os azimutes vão de 0° a 360°</translation>
    </message>
    <message>
        <source>Rotor%1: not an address: &quot;%2&quot;</source>
        <translation>Rotor%1: não é um endereço: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: not antenna numbers: &quot;%2&quot;</source>
        <translation>Rotor%1Antennas: não são números de antena: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: Ant %2 is on another rotator</source>
        <translation>Rotor%1Antennas: Ant %2 está em outro rotor</translation>
    </message>
    <message>
        <source>%1 stopped at %2</source>
        <translation>%1 parou em %2</translation>
    </message>
    <message>
        <source>%1: rotctld back</source>
        <translation>%1: rotctld de volta</translation>
    </message>
    <message>
        <source>%1 refused the turn: %2</source>
        <translation>%1 recusou o giro: %2</translation>
    </message>
    <message>
        <source>%1 refused to stop: %2</source>
        <translation>%1 se recusou a parar: %2</translation>
    </message>
    <message>
        <source>%1: rotctld lost</source>
        <translation>%1: rotctld perdido</translation>
    </message>
    <message>
        <source>Rotator %1</source>
        <translation>Rotor %1</translation>
    </message>
    <message>
        <source>rotctld: not connected</source>
        <translation>rotctld: não conectado</translation>
    </message>
    <message>
        <source>rotctld: connected</source>
        <translation>rotctld: conectado</translation>
    </message>
    <message>
        <source>rotctld: connection refused</source>
        <translation>rotctld: conexão recusada</translation>
    </message>
    <message>
        <source>rotctld: unknown host</source>
        <translation>rotctld: host desconhecido</translation>
    </message>
    <message>
        <source>rotctld: connected, no answer</source>
        <translation>rotctld: conectado, sem resposta</translation>
    </message>
    <message>
        <source>rotctld: connected, error %1</source>
        <translation>rotctld: conectado, erro %1</translation>
    </message>
    <message>
        <source>rotctld: connected, unreadable answer</source>
        <translation>rotctld: conectado, resposta ilegível</translation>
    </message>
    <message>
        <source>%1, turning to %2</source>
        <translation>%1, girando para %2</translation>
    </message>
    <message>
        <source>%1, turning</source>
        <translation>%1, girando</translation>
    </message>
    <message>
        <source>No rotator there</source>
        <translation>Nenhum rotor ali</translation>
    </message>
    <message>
        <source>%1 cannot turn: %2</source>
        <translation>%1 não pode girar: %2</translation>
    </message>
    <message>
        <source>%1 turns to %2</source>
        <translation>%1 gira para %2</translation>
    </message>
    <message>
        <source>%1 cannot stop: %2</source>
        <translation>%1 não pode parar: %2</translation>
    </message>
</context>
<context>
    <name>RotatorsDialog</name>
    <message>
        <source>host:port of rotctld, as 127.0.0.1:4533 or [::1]:4533; without a port, %1. Empty: no rotator</source>
        <translation>host:porta do rotctld, como 127.0.0.1:4533 ou [::1]:4533; sem porta, %1. Vazio: nenhum rotor</translation>
    </message>
    <message>
        <source>The antennas this rotator turns, 1 to 12: 4, 5</source>
        <translation>As antenas que este rotor gira, 1 a 12: 4, 5</translation>
    </message>
    <message>
        <source>As the panel says it; empty: Rotator %1</source>
        <translation>Como o painel o chama; vazio: Rotor %1</translation>
    </message>
    <message>
        <source>The station&apos;s Maidenhead locator, 4 or 6 characters: bearings and distances to a locator start here</source>
        <translation>O localizador Maidenhead da estação, 4 ou 6 caracteres: azimutes e distâncias até um localizador partem daqui</translation>
    </message>
    <message>
        <source>Rotator %1 address: needed for its antennas and name (empty them as well for no rotator)</source>
        <translation>Endereço do rotor %1: necessário para suas antenas e seu nome (esvazie-os também para não ter rotor)</translation>
    </message>
    <message>
        <source>Rotator %1 address: “%2” is not host:port, as 127.0.0.1:4533</source>
        <translation>Endereço do rotor %1: “%2” não é host:porta, como 127.0.0.1:4533</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: “%2” is not antennas 1 to 12, each once, as 4, 5</source>
        <translation>Antenas do rotor %1: “%2” não são antenas de 1 a 12, cada uma uma só vez, como 4, 5</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: Ant %2 is on Rotator %3 already; an antenna has one rotator</source>
        <translation>Antenas do rotor %1: Ant %2 já está no rotor %3; uma antena tem um só rotor</translation>
    </message>
    <message>
        <source>Locator: “%1” is not a Maidenhead locator of 4 or 6 characters, as JN58td</source>
        <translation>Localizador: “%1” não é um localizador Maidenhead de 4 ou 6 caracteres, como JN58td</translation>
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
        <translation>Nenhum rotor configurado: Arquivo › Rotores…</translation>
    </message>
    <message>
        <source>Heading %1, turning to %2</source>
        <translation>Direção %1, girando para %2</translation>
    </message>
    <message>
        <source>Bearing or locator</source>
        <translation>Azimute ou localizador</translation>
    </message>
    <message>
        <source>Degrees from north, or a Maidenhead locator such as JN58td; Enter turns</source>
        <translation>Graus a partir do norte, ou um localizador Maidenhead como JN58td; Enter gira</translation>
    </message>
    <message>
        <source>135 or JN58td</source>
        <translation>135 ou JN58td</translation>
    </message>
    <message>
        <source>Long path</source>
        <translation>Caminho longo</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Escape stops the rotator anywhere in this window</source>
        <translation>Esc para o rotor em qualquer lugar desta janela</translation>
    </message>
    <message>
        <source>Stopping %1</source>
        <translation>Parando %1</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>turns no antenna</source>
        <translation>não gira nenhuma antena</translation>
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
        <translation>Direção desconhecida</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>Direção %1</translation>
    </message>
    <message>
        <source>%1 towards %2</source>
        <translation>%1 em direção a %2</translation>
    </message>
    <message>
        <source>%1, %2 km</source>
        <translation>%1, %2 km</translation>
    </message>
    <message>
        <source>%1, long path</source>
        <translation>%1, caminho longo</translation>
    </message>
    <message>
        <source>%1, short path</source>
        <translation>%1, caminho curto</translation>
    </message>
    <message>
        <source>Type a bearing, 0 to 359, or a locator</source>
        <translation>Digite um azimute, de 0 a 359, ou um localizador</translation>
    </message>
    <message>
        <source>“%1” is not a bearing or a locator</source>
        <translation>“%1” não é um azimute nem um localizador</translation>
    </message>
    <message>
        <source>%1 turning to %2</source>
        <translation>%1 girando para %2</translation>
    </message>
    <message>
        <source>&amp;Bearing or locator</source>
        <translation>&amp;Azimute ou localizador</translation>
    </message>
    <message>
        <source>&amp;Long path</source>
        <translation>Caminho &amp;longo</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
</context>
<context>
    <name>StationJournal</name>
    <message>
        <source>The journal is written again</source>
        <translation>O registro volta a ser gravado</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About Quorvan</source>
        <translation>Sobre o Quorvan</translation>
    </message>
    <message>
        <source>Zarel :  Merax Remote Control</source>
        <translation>Zarel :  Controle remoto Merax</translation>
    </message>
    <message>
        <source>Version: 1.1.2 (12/2019)</source>
        <translation>Versão: 1.1.2 (12/2019)</translation>
    </message>
    <message>
        <source>Copyright © 2019 Zarel Radio Systems. All rights reserved.</source>
        <translation>Copyright © 2019 Zarel Radio Systems. Todos os direitos reservados.</translation>
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
        <translation>Seleção automática por banda</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
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
        <translation>Broadcast do logger</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>Porta UDP</translation>
    </message>
    <message>
        <source>From host:</source>
        <translation>Do host:</translation>
    </message>
    <message>
        <source>any host</source>
        <translation>qualquer host</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Estação:</translation>
    </message>
    <message>
        <source>any station</source>
        <translation>qualquer estação</translation>
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
        <translation>Lembrar minha escolha</translation>
    </message>
    <message>
        <source>Hold my own switching while transmitting</source>
        <translation>Adiar minhas comutações durante a transmissão</translation>
    </message>
    <message>
        <source>Switch only after receiving for</source>
        <translation>Comutar só após receber por</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>rigctld host</source>
        <translation>Host do rigctld</translation>
    </message>
    <message>
        <source>rigctld port</source>
        <translation>Porta do rigctld</translation>
    </message>
    <message>
        <source>Logger UDP port</source>
        <translation>Porta UDP do logger</translation>
    </message>
    <message>
        <source>Logger radio</source>
        <translation>Rádio do logger</translation>
    </message>
    <message>
        <source>Logger from host</source>
        <translation>Logger a partir do host</translation>
    </message>
    <message>
        <source>Logger station</source>
        <translation>Estação do logger</translation>
    </message>
    <message>
        <source>Antennas and outputs per band</source>
        <translation>Antenas e saídas por banda</translation>
    </message>
    <message>
        <source>Antennas</source>
        <translation>Antenas</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Saídas</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>One row per segment: from and to in kHz, mode (CW, SSB, DATA or empty for any), antennas as on the band, outputs. Arrow keys move, F2 edits a cell, Enter keeps it.</source>
        <translation>Uma linha por segmento: de e até em kHz, modo (CW, SSB, DATA ou vazio para qualquer), antenas como na banda, saídas. As setas movem, F2 edita uma célula, Enter a confirma.</translation>
    </message>
    <message>
        <source>From (kHz)</source>
        <translation>De (kHz)</translation>
    </message>
    <message>
        <source>To (kHz)</source>
        <translation>Até (kHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>&amp;Add segment</source>
        <translation>&amp;Adicionar segmento</translation>
    </message>
    <message>
        <source>Re&amp;move segment</source>
        <translation>Re&amp;mover segmento</translation>
    </message>
    <message>
        <source>Ask again before taking an antenna in use elsewhere</source>
        <translation>Perguntar de novo antes de usar uma antena em uso em outra estação</translation>
    </message>
    <message>
        <source>in CW</source>
        <translation>em CW</translation>
    </message>
    <message>
        <source>In CW, without an inhibit output, switch only after receiving for</source>
        <translation>Em CW, sem saída de inibição, comutar só após receber por</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>Inibição de TX</translation>
    </message>
    <message>
        <source>TX inhibit output</source>
        <translation>Saída de inibição de TX</translation>
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
        <translation>Informe o IP e a porta do Merax:</translation>
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
        <translation>Usar IP direto</translation>
    </message>
    <message>
        <source>&quot;Directly use IP&quot; is ticked, but &quot;%1&quot; is not an IP address. Enter the Merax&apos;s IP address, or untick &quot;Directly use IP&quot; to look the name up.</source>
        <translation>&quot;Usar IP direto&quot; está marcado, mas &quot;%1&quot; não é um endereço IP. Informe o endereço IP do Merax ou desmarque &quot;Usar IP direto&quot; para resolver o nome.</translation>
    </message>
    <message>
        <source>Enter the Merax&apos;s IP address or host name.</source>
        <translation>Informe o endereço IP ou o nome de host do Merax.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>A porta deve ser um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>Merax LAN Settings</source>
        <translation>Configurações de LAN do Merax</translation>
    </message>
</context>
<context>
    <name>labels</name>
    <message>
        <source>Merax Label Config</source>
        <translation>Configuração de rótulos do Merax</translation>
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
        <translation>Rótulo de %1</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Zarel Remote Control</source>
        <translation>Controle remoto Zarel</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax Remote Control&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Controle remoto Merax&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Connect to Merax</source>
        <translation>&amp;Conectar ao Merax</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>&amp;Band Following...</source>
        <translation>&amp;Seleção automática por banda...</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Sobre o &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;About Quorvan</source>
        <translation>&amp;Sobre o Quorvan</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Rótulos</translation>
    </message>
    <message>
        <source>LA&amp;N Settings</source>
        <translation>Configurações de &amp;LAN</translation>
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
        <translation>&amp;Próxima antena nesta banda</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Connect at &amp;Start</source>
        <translation>Conectar ao &amp;iniciar</translation>
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
        <translation>Girar a an&amp;tena...</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Ro&amp;tators...</source>
        <translation>Ro&amp;tores...</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>R&amp;egistro</translation>
    </message>
    <message>
        <source>Remote &amp;Access...</source>
        <translation>Acesso re&amp;moto...</translation>
    </message>
</context>
<context>
    <name>remoteAccessDialog</name>
    <message>
        <source>Remote Access</source>
        <translation>Acesso remoto</translation>
    </message>
    <message>
        <source>&amp;Serve the browser panel</source>
        <translation>&amp;Servir o painel do navegador</translation>
    </message>
    <message>
        <source>Serve the browser panel</source>
        <translation>Servir o painel do navegador</translation>
    </message>
    <message>
        <source>Browser panel</source>
        <translation>Painel do navegador</translation>
    </message>
    <message>
        <source>&amp;Listen address</source>
        <translation>Endereço de &amp;escuta</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>Endereço de escuta</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only. 0.0.0.0: every network it is on.</source>
        <translation>127.0.0.1: só este computador. 0.0.0.0: todas as redes em que ele está.</translation>
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
        <translation>&amp;Certificado</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>Arquivo do certificado</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Procur&amp;ar...</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>Procurar o arquivo do certificado</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>C&amp;have</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Arquivo da chave</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>P&amp;rocurar...</translation>
    </message>
    <message>
        <source>Browse for the key file</source>
        <translation>Procurar o arquivo da chave</translation>
    </message>
    <message>
        <source>PEM files. Both empty: the station&apos;s own self-signed certificate.</source>
        <translation>Arquivos PEM. Ambos vazios: o certificado autoassinado da própria estação.</translation>
    </message>
    <message>
        <source>Served &amp;at</source>
        <translation>Servido e&amp;m</translation>
    </message>
    <message>
        <source>Served at</source>
        <translation>Servido em</translation>
    </message>
    <message>
        <source>&amp;Fingerprint</source>
        <translation>&amp;Impressão digital</translation>
    </message>
    <message>
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Impressão digital do certificado (SHA-256)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the fingerprint</source>
        <translation>Copiar a impressão digital</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>Navegadores conectados</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Usuários</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuários</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>A&amp;dd user...</source>
        <translation>A&amp;dicionar usuário...</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>Adicionar usuário</translation>
    </message>
    <message>
        <source>&amp;Remove user</source>
        <translation>Remo&amp;ver usuário</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Remover usuário</translation>
    </message>
    <message>
        <source>Users are added and removed at once, whether or not you press OK. A removed user is logged out of every browser.</source>
        <translation>Usuários são adicionados e removidos na hora, pressionando OK ou não. Um usuário removido é desconectado de todos os navegadores.</translation>
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
        <translation>Cada rotor é um rotctld do Hamlib, acessado em host:porta. Um endereço vazio: nenhum rotor nessa linha.</translation>
    </message>
    <message>
        <source>A&amp;ddress</source>
        <translation>&amp;Endereço</translation>
    </message>
    <message>
        <source>A&amp;ntennas</source>
        <translation>A&amp;ntenas</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>No&amp;me</translation>
    </message>
    <message>
        <source>Rotator &amp;1</source>
        <translation>Rotor &amp;1</translation>
    </message>
    <message>
        <source>Rotator 1 address</source>
        <translation>Endereço do rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 antennas</source>
        <translation>Antenas do rotor 1</translation>
    </message>
    <message>
        <source>Rotator 1 name</source>
        <translation>Nome do rotor 1</translation>
    </message>
    <message>
        <source>Rotator &amp;2</source>
        <translation>Rotor &amp;2</translation>
    </message>
    <message>
        <source>Rotator 2 address</source>
        <translation>Endereço do rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 antennas</source>
        <translation>Antenas do rotor 2</translation>
    </message>
    <message>
        <source>Rotator 2 name</source>
        <translation>Nome do rotor 2</translation>
    </message>
    <message>
        <source>Rotator &amp;3</source>
        <translation>Rotor &amp;3</translation>
    </message>
    <message>
        <source>Rotator 3 address</source>
        <translation>Endereço do rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 antennas</source>
        <translation>Antenas do rotor 3</translation>
    </message>
    <message>
        <source>Rotator 3 name</source>
        <translation>Nome do rotor 3</translation>
    </message>
    <message>
        <source>Rotator &amp;4</source>
        <translation>Rotor &amp;4</translation>
    </message>
    <message>
        <source>Rotator 4 address</source>
        <translation>Endereço do rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 antennas</source>
        <translation>Antenas do rotor 4</translation>
    </message>
    <message>
        <source>Rotator 4 name</source>
        <translation>Nome do rotor 4</translation>
    </message>
    <message>
        <source>Station &amp;locator</source>
        <translation>&amp;Localizador da estação</translation>
    </message>
    <message>
        <source>Station locator</source>
        <translation>Localizador da estação</translation>
    </message>
</context>
</TS>
