<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BandFollowDialog</name>
    <message>
        <source>F2 edits a cell, Enter keeps it</source>
        <translation>F2 でセルを編集、Enter で確定</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>行 %1: %2</translation>
    </message>
    <message>
        <source>The row needs From and To, in kHz</source>
        <translation>この行には開始と終了 (kHz) が必要です</translation>
    </message>
    <message>
        <source>%1 is left over after the outputs</source>
        <translation>%1 は出力の後に余っています</translation>
    </message>
    <message>
        <source>%1 is a second antenna list: one list, as 4, 9, 2</source>
        <translation>%1 は 2 つ目のアンテナの並びです: 1 つにまとめます、例 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not 8 outputs of 1, 0 or -</source>
        <translation>%1 は 1、0、- による 8 出力ではありません</translation>
    </message>
    <message>
        <source>rx needs one antenna, 1 to 12: rx 8</source>
        <translation>rx にはアンテナが 1 本必要です (1〜12): rx 8</translation>
    </message>
    <message>
        <source>%1 is not an antenna list: 1 to 12, as 4, 9, 2</source>
        <translation>%1 はアンテナの並びではありません: 1〜12、例 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 is not a mode here: CW, SSB or DATA</source>
        <translation>%1 はここではモードではありません: CW、SSB、DATA</translation>
    </message>
    <message>
        <source>%1 and %2 kHz are not in one band</source>
        <translation>%1 と %2 kHz は同じバンドにありません</translation>
    </message>
    <message>
        <source>%1 is above %2: From is the lower edge</source>
        <translation>%1 は %2 より上です: 開始が下限です</translation>
    </message>
    <message>
        <source>%1 kHz is in no band</source>
        <translation>%1 kHz はどのバンドにもありません</translation>
    </message>
    <message>
        <source>%1 looks like MHz: the range is in kHz</source>
        <translation>%1 は MHz のようです: 範囲は kHz です</translation>
    </message>
    <message>
        <source>%1 is not a frequency in kHz</source>
        <translation>%1 は kHz の周波数ではありません</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
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
        <translation>%1 のアンテナ</translation>
    </message>
    <message>
        <source>One antenna, or several tried in this order: 4, 9, 2</source>
        <translation>1 本、または複数をこの順に試します: 4, 9, 2</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 の出力</translation>
    </message>
    <message>
        <source>One character per output from GPO 1: 1 on, 0 off, - left alone</source>
        <translation>GPO 1 から出力ごとに 1 文字: 1 オン、0 オフ、- そのまま</translation>
    </message>
    <message>
        <source>Row %1 is not used yet</source>
        <translation>行 %1 はまだ使われていません</translation>
    </message>
    <message>
        <source>Up to %1 segments</source>
        <translation>最大 %1 セグメント</translation>
    </message>
    <message>
        <source>“%1” was not used: antennas 1 to 12, as 4, 9, 2</source>
        <translation>「%1」は使われませんでした: アンテナ 1〜12、例 4, 9, 2</translation>
    </message>
    <message>
        <source>Guards phone and data: shorter waits cannot tell a break-in or VOX gap from the end of a transmission (%1 ms is the least). It does not make CW safe: a word space can be longer</source>
        <translation>音声とデータを保護します。これより短い待ち時間では、ブレークインや VOX の途切れと送信終了を区別できません (最小 %1 ms)。CW は安全になりません: 語間スペースの方が長いことがあります</translation>
    </message>
    <message>
        <source>While the radio is in CW: longer than the longest gap of your keying (a word space is 7 dits: 700 ms at 12 WPM). A gap longer than this still lets a switch through; only the inhibit output makes CW safe</source>
        <translation>無線機が CW のとき: キーイングの最長の間隔より長くします (語間スペースは 7 短点: 12 WPM で 700 ms)。これより長い間隔では切替が通ってしまいます。CW を安全にできるのは TX 禁止出力だけです</translation>
    </message>
    <message>
        <source>The GPO wired to the radio&apos;s TX-inhibit input: it holds the radio off the air for every automatic switch, which makes switching safe whatever the keying. Without it, the waits guard phone and data, and CW only while its gaps are shorter than the CW wait</source>
        <translation>無線機の TX 禁止入力に配線した GPO: 自動切替のたびに無線機の送信を止めるため、キーイングに関係なく安全に切り替えられます。これがない場合、待ち時間で保護できるのは音声とデータで、CW は間隔が CW 待ち時間より短いときだけです</translation>
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
        <translation>: 空きアンテナなし</translation>
    </message>
    <message>
        <source>%1: split off</source>
        <translation>%1: スプリット オフ</translation>
    </message>
    <message>
        <source>%1: split on, receiving on Ant %2</source>
        <translation>%1: スプリット オン、受信は Ant %2</translation>
    </message>
    <message>
        <source>Band following ignores %1</source>
        <translation>バンド追従: %1 は無視されます</translation>
    </message>
    <message>
        <source> · PTT unknown</source>
        <translation> · PTT 不明</translation>
    </message>
    <message>
        <source>PTT unknown: only the Merax SEND input guards switching</source>
        <translation>PTT 不明: 切替の保護は Merax の SEND 入力のみです</translation>
    </message>
    <message>
        <source>rigctld answers too late to tell the PTT: switching waits</source>
        <translation>rigctld の応答が遅すぎて PTT を判断できません: 切替は待機します</translation>
    </message>
    <message>
        <source>Ant %1 waits for the end of the transmission</source>
        <translation>Ant %1 は送信終了を待っています</translation>
    </message>
    <message>
        <source>Band following paused while split is on</source>
        <translation>スプリット中はバンド追従を一時停止しています</translation>
    </message>
    <message>
        <source>Ant %1 not switched: the radio&apos;s source went away while it was transmitting</source>
        <translation>Ant %1 は切り替えていません: 送信中に無線機の情報源が途絶えました</translation>
    </message>
    <message>
        <source>The Merax came back without an antenna: Ant %1 selected again</source>
        <translation>Merax がアンテナなしで復帰しました: Ant %1 を再選択</translation>
    </message>
    <message>
        <source>The Merax reports no antenna</source>
        <translation>Merax はアンテナなしを報告しています</translation>
    </message>
    <message>
        <source>%1: Ant %2</source>
        <translation>%1: Ant %2</translation>
    </message>
    <message>
        <source>Ant %1 selected</source>
        <translation>Ant %1 を選択</translation>
    </message>
    <message>
        <source>Ant %1 is in use elsewhere: press again to take it</source>
        <translation>Ant %1 は他で使用中: もう一度押すと切り替えます</translation>
    </message>
    <message>
        <source>%1: no antennas named</source>
        <translation>%1: アンテナの指定なし</translation>
    </message>
    <message>
        <source>Next antenna: the radio is on no band</source>
        <translation>次のアンテナ: 無線機はどのバンドにもありません</translation>
    </message>
    <message>
        <source>%1: no other antenna free</source>
        <translation>%1: 他に空いているアンテナなし</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1: %2 in use elsewhere</source>
        <translation>%1: %2 は他で使用中</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1: Ant %2 selected again</source>
        <translation>Merax が Ant %1 で復帰しました: Ant %2 を再選択</translation>
    </message>
    <message>
        <source>The Merax came back on Ant %1 (it had Ant %2)</source>
        <translation>Merax が Ant %1 で復帰しました (以前は Ant %2)</translation>
    </message>
</context>
<context>
    <name>CompassRose</name>
    <message>
        <source>Compass</source>
        <translation>コンパス</translation>
    </message>
    <message>
        <source>%1 compass</source>
        <translation>%1 のコンパス</translation>
    </message>
    <message>
        <source>heading %1</source>
        <translation>向き %1</translation>
    </message>
    <message>
        <source>heading not known</source>
        <translation>向き不明</translation>
    </message>
    <message>
        <source>turning to %1</source>
        <translation>%1 へ回転中</translation>
    </message>
    <message>
        <source>chosen %1</source>
        <translation>選択 %1</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>北</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>東</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>南</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>西</translation>
    </message>
</context>
<context>
    <name>DayStrip</name>
    <message>
        <source>Day picture</source>
        <translation>1 日のタイムライン</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>1 分未満</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>%1 UTC until %2</source>
        <translation>%1 UTC (%2 まで)</translation>
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
        <translation>使用中のアンテナなし</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>使用時間: %1</translation>
    </message>
    <message>
        <source>Transmissions: %1</source>
        <translation>送信回数: %1</translation>
    </message>
    <message>
        <source>Switches waited: %1</source>
        <translation>保留した切替: %1</translation>
    </message>
    <message>
        <source>Switches failed: %1</source>
        <translation>失敗した切替: %1</translation>
    </message>
    <message>
        <source>%1 in use</source>
        <translation>%1 を使用中</translation>
    </message>
    <message>
        <source>no antenna in use</source>
        <translation>使用中のアンテナなし</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>%1 UTC, %2</source>
        <translation>%1 UTC、%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>JournalModel</name>
    <message>
        <source>Switch</source>
        <translation>切替</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>機器</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>ローテーター</translation>
    </message>
    <message>
        <source>%1 ✕ failed</source>
        <translation>%1 ✕ 失敗</translation>
    </message>
    <message>
        <source>%1 ▼ waited</source>
        <translation>%1 ▼ 保留</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>時刻 (UTC)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>What</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>操作元</translation>
    </message>
    <message>
        <source>Held (ms)</source>
        <translation>保留 (ms)</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>&amp;Day (UTC):</source>
        <translation>日付 (UTC)(&amp;D):</translation>
    </message>
    <message>
        <source>Day (UTC)</source>
        <translation>日付 (UTC)</translation>
    </message>
    <message>
        <source>&amp;Previous day</source>
        <translation>前日(&amp;P)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>前日</translation>
    </message>
    <message>
        <source>&amp;Next day</source>
        <translation>翌日(&amp;N)</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>翌日</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>種類(&amp;K):</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>切替</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Notices</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Transmit and rotators</source>
        <translation>送信とローテーター</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>フィルター(&amp;F):</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Shows the rows whose what, who or outcome holds this text</source>
        <translation>内容・操作元・結果にこの文字列を含む行を表示します</translation>
    </message>
    <message>
        <source>Text in what, who or outcome</source>
        <translation>内容・操作元・結果の文字列</translation>
    </message>
    <message>
        <source>W&amp;hole day</source>
        <translation>1 日全体(&amp;H)</translation>
    </message>
    <message>
        <source>The picture spans the whole day, not only its busy hours</source>
        <translation>活動のある時間帯だけでなく 1 日全体を表示します</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV エクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV エクスポート</translation>
    </message>
    <message>
        <source>Writes the rows shown to a CSV file</source>
        <translation>表示中の行を CSV ファイルに書き出します</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 件</translation>
    </message>
    <message>
        <source>%1 of %2 events</source>
        <translation>%2 件中 %1 件</translation>
    </message>
    <message>
        <source>The journal could not be read: %1</source>
        <translation>記録を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Not exported: %1 could not be written (%2)</source>
        <translation>エクスポートしていません: %1 に書き込めませんでした (%2)</translation>
    </message>
    <message>
        <source>%1 events exported to %2</source>
        <translation>%1 件を %2 にエクスポートしました</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1 秒間応答なし</translation>
    </message>
    <message>
        <source> · loss %1 %</source>
        <translation> · パケットロス %1 %</translation>
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
        <translation>設定は保存されていません: %1 が読み取り専用か、ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>設定: %1</translation>
    </message>
    <message>
        <source>%1 (copied from %2)</source>
        <translation>%1 (%2 からコピー)</translation>
    </message>
    <message>
        <source>Zarel</source>
        <translation>Zarel</translation>
    </message>
    <message>
        <source>Could not find host address. Check LAN Settings!</source>
        <translation>ホストのアドレスが見つかりません。LAN 設定を確認してください。</translation>
    </message>
    <message>
        <source>The device port &quot;%1&quot; is not a number from 1 to 65535. Check LAN Settings!</source>
        <translation>機器のポート &quot;%1&quot; は 1 から 65535 までの数値ではありません。LAN 設定を確認してください。</translation>
    </message>
    <message>
        <source>LAN enabled</source>
        <translation>LAN 接続中</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断しました</translation>
    </message>
    <message>
        <source>Ignored a status report from %1</source>
        <translation>%1 からの状態報告を無視しました</translation>
    </message>
    <message>
        <source>%1 not confirmed by the Merax</source>
        <translation>Merax が %1 を確認しませんでした</translation>
    </message>
    <message>
        <source>Split disabled</source>
        <translation>スプリットを解除しました</translation>
    </message>
    <message>
        <source>Choose the RX position:</source>
        <translation>受信アンテナの位置を選んでください:</translation>
    </message>
    <message>
        <source>Split config cancelled!</source>
        <translation>スプリット設定をキャンセルしました</translation>
    </message>
    <message>
        <source>Split configured succesfuly!</source>
        <translation>スプリットを設定しました</translation>
    </message>
    <message>
        <source>The Merax answers again</source>
        <translation>Merax の応答が戻りました</translation>
    </message>
    <message>
        <source>No answer from the Merax</source>
        <translation>Merax から応答がありません</translation>
    </message>
    <message>
        <source>Settings not read: the file is larger than %1 MB</source>
        <translation>設定を読み込みませんでした: ファイルが %1 MB を超えています</translation>
    </message>
    <message>
        <source>Settings ignore %1: longer than %2 characters</source>
        <translation>設定 %1 を無視しました: %2 文字を超えています</translation>
    </message>
    <message>
        <source>Settings ignore %1: not a text, number or flag</source>
        <translation>設定 %1 を無視しました: テキスト・数値・フラグではありません</translation>
    </message>
    <message>
        <source>Settings: %1 read as Latin-1, not UTF-8</source>
        <translation>設定: %1 を UTF-8 ではなく Latin-1 として読み込みました</translation>
    </message>
    <message>
        <source>Settings NOT saved: another Zarel is writing %1. Try again.</source>
        <translation>設定は保存されていません: 別の Zarel が %1 に書き込んでいます。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Settings NOT saved: a text is longer than %1 characters.</source>
        <translation>設定は保存されていません: %1 文字を超えるテキストがあります。</translation>
    </message>
    <message>
        <source>Settings NOT saved: %1 is larger than %2 MB.</source>
        <translation>設定は保存されていません: %1 が %2 MB を超えています。</translation>
    </message>
    <message>
        <source>The Merax answers from port %1</source>
        <translation>Merax はポート %1 から応答しています</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt について</translation>
    </message>
    <message>
        <source>TX inhibited for the switch to Ant %1</source>
        <translation>Ant %1 への切替のため TX 禁止中</translation>
    </message>
    <message>
        <source>TX inhibited for the band outputs</source>
        <translation>バンド出力の切替のため TX 禁止中</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) not confirmed by the Merax: switching waits</source>
        <translation>Merax が GPO %1 (TX 禁止) を確認しませんでした: 切替は待機中</translation>
    </message>
    <message>
        <source>GPO %1 (TX inhibit) was left on: lowered</source>
        <translation>GPO %1 (TX 禁止) がオンのままでした: オフにしました</translation>
    </message>
    <message>
        <source>GPO %1 holds the radio off the air until the switch is confirmed</source>
        <translation>切替が確認されるまで GPO %1 が無線機の送信を止めます</translation>
    </message>
    <message>
        <source>No Merax set: File › LAN Settings</source>
        <translation>Merax が未設定です: ファイル › LAN 設定</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>%1: says the whole state</source>
        <translation>%1: 状態をすべて読み上げる</translation>
    </message>
    <message>
        <source>%1 or the menu key on a GPI or GPO key: picks its colour</source>
        <translation>%1 または GPI / GPO キー上のメニューキー: 色を選ぶ</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab: the next or the previous key; Space presses it</source>
        <translation>Tab、Shift+Tab: 次または前のキー。Space で押す</translation>
    </message>
    <message>
        <source>Alt and a menu&apos;s underlined letter: the menus</source>
        <translation>Alt とメニューの括弧内の文字: メニュー</translation>
    </message>
    <message>
        <source>%1: turns the selected antenna&apos;s rotator</source>
        <translation>%1: 選択中のアンテナのローテーターを回す</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>フォルダー %1 がありません</translation>
    </message>
    <message>
        <source>The journal cannot be written (%1): switching goes on without it</source>
        <translation>記録を書き込めません (%1): 記録なしで切替を続けます</translation>
    </message>
    <message>
        <source>%1 to receive</source>
        <translation>%1 で受信</translation>
    </message>
    <message>
        <source>SPLIT off</source>
        <translation>SPLIT オフ</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1, receive %2</source>
        <translation>SPLIT オン: 送信 %1、受信 %2</translation>
    </message>
    <message>
        <source>GPO %1 on</source>
        <translation>GPO %1 オン</translation>
    </message>
    <message>
        <source>GPO %1 off</source>
        <translation>GPO %1 オフ</translation>
    </message>
    <message>
        <source>key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>function key</source>
        <translation>ファンクションキー</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>band following</source>
        <translation>バンド追従</translation>
    </message>
    <message>
        <source>band following: %1</source>
        <translation>バンド追従: %1</translation>
    </message>
    <message>
        <source>next antenna</source>
        <translation>次のアンテナ</translation>
    </message>
    <message>
        <source>the device came back</source>
        <translation>機器の復帰</translation>
    </message>
    <message>
        <source>browser: %1</source>
        <translation>ブラウザー: %1</translation>
    </message>
    <message>
        <source>transmit inhibit</source>
        <translation>TX 禁止</translation>
    </message>
    <message>
        <source>superseded by %1</source>
        <translation>%1 に置き換え</translation>
    </message>
    <message>
        <source>not sent: the same switch still waits for the Merax</source>
        <translation>未送信: 同じ切替が Merax の確認待ちです</translation>
    </message>
    <message>
        <source>confirmed after %1 ms</source>
        <translation>%1 ms 後に確認</translation>
    </message>
    <message>
        <source>not confirmed by the Merax</source>
        <translation>Merax の確認なし</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>他局が使用中</translation>
    </message>
    <message>
        <source>the radio&apos;s source is gone</source>
        <translation>無線機の情報源が途絶えました</translation>
    </message>
    <message>
        <source>no longer wanted</source>
        <translation>不要になりました</translation>
    </message>
    <message>
        <source>not sent: %1</source>
        <translation>未送信: %1</translation>
    </message>
    <message>
        <source>on the device when it answered again</source>
        <translation>再応答時の機器の状態</translation>
    </message>
    <message>
        <source>on the device at Connect</source>
        <translation>接続時の機器の状態</translation>
    </message>
    <message>
        <source>switched elsewhere</source>
        <translation>他で切り替え</translation>
    </message>
    <message>
        <source>SPLIT on</source>
        <translation>SPLIT オン</translation>
    </message>
    <message>
        <source>transmitting</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>not sent: the station stopped</source>
        <translation>未送信: 自局が停止しました</translation>
    </message>
    <message>
        <source>not confirmed: the station stopped</source>
        <translation>未確認: 自局が停止しました</translation>
    </message>
    <message>
        <source>the station stopped</source>
        <translation>自局が停止しました</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>not sent: disconnected</source>
        <translation>未送信: 切断</translation>
    </message>
    <message>
        <source>not confirmed: disconnected</source>
        <translation>未確認: 切断</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>通信断</translation>
    </message>
    <message>
        <source>silent for %1 s</source>
        <translation>%1 秒間応答なし</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>通信復帰</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>%1 秒後</translation>
    </message>
    <message>
        <source>radio read</source>
        <translation>無線機を読み取り中</translation>
    </message>
    <message>
        <source>radio lost</source>
        <translation>無線機の情報が途絶</translation>
    </message>
    <message>
        <source>%1 to %2°</source>
        <translation>%1 を %2° へ</translation>
    </message>
    <message>
        <source>%1 stop</source>
        <translation>%1 を停止</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s) could not be kept while the journal could not be written</source>
        <translation>
            <numerusform>記録に書き込めない間に %n 件のイベントを保持できませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>the station started</source>
        <translation>自局が起動しました</translation>
    </message>
    <message>
        <source>not sent: superseded by %1</source>
        <translation>未送信: %1 に置き換え</translation>
    </message>
    <message>
        <source>sent, then replaced by %1</source>
        <translation>送信後 %1 に置き換え</translation>
    </message>
    <message>
        <source>taken over by %1</source>
        <translation>%1 に引き継ぎ</translation>
    </message>
</context>
<context>
    <name>PanelAccess</name>
    <message>
        <source>Transmits and receives on two antennas</source>
        <translation>送信と受信を別々のアンテナで行います</translation>
    </message>
    <message>
        <source>Receives with the transceiver</source>
        <translation>トランシーバーで受信します</translation>
    </message>
    <message>
        <source>Receives with receiver %1</source>
        <translation>受信機 %1 で受信します</translation>
    </message>
    <message>
        <source>Switches output %1; the menu key picks its colour</source>
        <translation>出力 %1 を切り替えます。メニューキーで色を選べます</translation>
    </message>
    <message>
        <source>Switches the radio to this antenna</source>
        <translation>無線機をこのアンテナに切り替えます</translation>
    </message>
    <message>
        <source>Lit while another station uses Ant %1</source>
        <translation>他局が Ant %1 を使用中に点灯します</translation>
    </message>
    <message>
        <source>Input %1; the menu key picks its colour</source>
        <translation>入力 %1。メニューキーで色を選べます</translation>
    </message>
    <message>
        <source>Rotor %1</source>
        <translation>ローテーター %1</translation>
    </message>
    <message>
        <source>Lit while the station transmits</source>
        <translation>自局の送信中に点灯します</translation>
    </message>
    <message>
        <source>The link to the Merax</source>
        <translation>Merax との接続</translation>
    </message>
    <message>
        <source>Takes the radio off its antenna; in split, off the receive antenna only</source>
        <translation>無線機をアンテナから切り離します。スプリット中は受信アンテナのみ</translation>
    </message>
</context>
<context>
    <name>PanelSpeech</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1 in use elsewhere</source>
        <translation>%1 は他で使用中</translation>
    </message>
    <message>
        <source>Ant %1 is now in use elsewhere too</source>
        <translation>Ant %1 は他でも使用中になりました</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>transmit antenna (split)</source>
        <translation>送信アンテナ (スプリット)</translation>
    </message>
    <message>
        <source>receive antenna (split)</source>
        <translation>受信アンテナ (スプリット)</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>選択中</translation>
    </message>
    <message>
        <source>busy elsewhere</source>
        <translation>他局が使用中</translation>
    </message>
    <message>
        <source>choose the receive antenna</source>
        <translation>受信アンテナを選んでください</translation>
    </message>
    <message>
        <source>blinking</source>
        <translation>点滅中</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>link up, ping %1 ms</source>
        <translation>接続済み、ping %1 ms</translation>
    </message>
    <message>
        <source>link up</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>waits for the end of the transmission</source>
        <translation>送信終了待ち</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a key&apos;s name, as a screen reader says it (&quot;Ant 4, 20M YAGI&quot;).</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>no antenna</source>
        <translation>アンテナなし</translation>
    </message>
    <message>
        <source>No antenna</source>
        <translation>アンテナなし</translation>
    </message>
    <message>
        <source>SPLIT on: transmit %1; receive %2</source>
        <translation>SPLIT オン: 送信 %1、受信 %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the changes said together, as a screen reader says them.</extracomment>
        <translation>。</translation>
    </message>
    <message>
        <source>SPLIT off: %1</source>
        <translation>SPLIT オフ: %1</translation>
    </message>
    <message>
        <source>No state from the Merax</source>
        <translation>Merax の状態は不明</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>RadioSource</name>
    <message>
        <source>Two loggers report radio %1: following %2</source>
        <translation>2 つのロガーが無線機 %1 を報告しています: %2 に追従</translation>
    </message>
    <message>
        <source>rigctld: not connected</source>
        <translation>rigctld: 未接続</translation>
    </message>
    <message>
        <source>rigctld: connection refused</source>
        <translation>rigctld: 接続が拒否されました</translation>
    </message>
    <message>
        <source>rigctld: unknown host</source>
        <translation>rigctld: 不明なホスト</translation>
    </message>
    <message>
        <source>rigctld: connected, no answer</source>
        <translation>rigctld: 接続済み、応答なし</translation>
    </message>
    <message>
        <source>rigctld: connected, error %1</source>
        <translation>rigctld: 接続済み、エラー %1</translation>
    </message>
    <message>
        <source>rigctld: connected, unreadable answer</source>
        <translation>rigctld: 接続済み、応答を解読できません</translation>
    </message>
    <message>
        <source>rigctld: connected</source>
        <translation>rigctld: 接続済み</translation>
    </message>
    <message>
        <source>logger: UDP port %1 unavailable</source>
        <translation>ロガー: UDP ポート %1 を使用できません</translation>
    </message>
    <message>
        <source>logger: unknown host %1</source>
        <translation>ロガー: 不明なホスト %1</translation>
    </message>
    <message>
        <source>logger: waiting for radio %1</source>
        <translation>ロガー: 無線機 %1 を待機中</translation>
    </message>
    <message>
        <source>logger: radio %1, no frequency</source>
        <translation>ロガー: 無線機 %1、周波数なし</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>バンド外</translation>
    </message>
    <message>
        <source>%1 went quiet: following %2</source>
        <translation>%1 が沈黙しました: %2 に追従</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>Remote access: Listen=%1 is not an IP address</source>
        <translation>リモートアクセス: Listen=%1 は IP アドレスではありません</translation>
    </message>
    <message>
        <source>Remote access cannot listen on %1 port %2: %3</source>
        <translation>リモートアクセスは %1 のポート %2 で待ち受けできません: %3</translation>
    </message>
    <message>
        <source>Remote access at %1 has no users yet: add one to log in</source>
        <translation>%1 のリモートアクセスにはまだユーザーがいません: ログインするにはユーザーを追加してください</translation>
    </message>
    <message>
        <source>Remote access at %1</source>
        <translation>リモートアクセス: %1</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>ユーザー名は 1 ～ %1 文字の英字、数字、&apos;.&apos;、&apos;_&apos;、&apos;-&apos; です</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>%1 のパスワード: </translation>
    </message>
    <message>
        <source>No password given</source>
        <translation>パスワードが指定されていません</translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>パスワードの確認: </translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed</source>
        <translation>2 つのパスワードが違います。何も変更していません</translation>
    </message>
    <message>
        <source>%1 may log in to the browser panel as %2 (%3)</source>
        <translation>%1 は %2 としてブラウザーパネルにログインできます (%3)</translation>
    </message>
    <message>
        <source>no key could be made</source>
        <translation>鍵を作成できませんでした</translation>
    </message>
    <message>
        <source>no random numbers for the certificate</source>
        <translation>証明書用の乱数を取得できませんでした</translation>
    </message>
    <message>
        <source>the certificate could not be signed</source>
        <translation>証明書に署名できませんでした</translation>
    </message>
    <message>
        <source>the certificate could not be written out</source>
        <translation>証明書を書き出せませんでした</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Remote access needs both a Certificate and a Key, or neither</source>
        <translation>リモートアクセスには証明書と鍵の両方が必要です。または両方とも空にしてください</translation>
    </message>
    <message>
        <source>No certificate for remote access: %1</source>
        <translation>リモートアクセス用の証明書がありません: %1</translation>
    </message>
    <message>
        <source>The certificate for remote access cannot be read: %1</source>
        <translation>リモートアクセス用の証明書を読み込めません: %1</translation>
    </message>
    <message>
        <source>%1 or %2 is not a PEM certificate and key</source>
        <translation>%1 または %2 は PEM の証明書と鍵ではありません</translation>
    </message>
    <message>
        <source>Too many failed logins from this address: try again in a minute.</source>
        <translation>このアドレスからのログイン失敗が多すぎます。1 分後にもう一度お試しください。</translation>
    </message>
    <message>
        <source>The station is busy: try again in a moment.</source>
        <translation>ステーションが混み合っています。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The user or the password is wrong.</source>
        <translation>ユーザーまたはパスワードが違います。</translation>
    </message>
    <message>
        <source>Viewers cannot switch: log in as an operator</source>
        <translation>閲覧者は切り替えできません: オペレーターとしてログインしてください</translation>
    </message>
    <message>
        <source>The password is empty</source>
        <translation>パスワードが空です</translation>
    </message>
    <message>
        <source>The password is longer than %1 bytes</source>
        <translation>パスワードが %1 バイトを超えています</translation>
    </message>
    <message>
        <source>There is no user %1</source>
        <translation>ユーザー %1 はありません</translation>
    </message>
</context>
<context>
    <name>RemoteAccessDialog</name>
    <message>
        <source>Not served now</source>
        <translation>現在は提供していません</translation>
    </message>
    <message>
        <source>None while not served</source>
        <translation>提供していない間はありません</translation>
    </message>
    <message>
        <source>Certificate (PEM)</source>
        <translation>証明書 (PEM)</translation>
    </message>
    <message>
        <source>Key (PEM)</source>
        <translation>鍵 (PEM)</translation>
    </message>
    <message>
        <source>Browsers connected: %1</source>
        <translation>接続中のブラウザー: %1</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>閲覧者</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>オペレーター</translation>
    </message>
    <message>
        <source>Listen address: “%1” is not an IP address, as 127.0.0.1 or 0.0.0.0</source>
        <translation>待ち受けアドレス: 「%1」は 127.0.0.1 や 0.0.0.0 のような IP アドレスではありません</translation>
    </message>
    <message>
        <source>Port: a number from %1 to %2</source>
        <translation>ポート: %1 から %2 までの数</translation>
    </message>
    <message>
        <source>Certificate and Key: both PEM files, or neither for the station&apos;s own certificate</source>
        <translation>証明書と鍵: 両方の PEM ファイルを指定するか、ステーション自身の証明書を使うなら両方とも空に</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>PEM ファイル (*.pem *.crt *.key);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>英字、数字、&apos;.&apos;、&apos;_&apos;、&apos;-&apos;</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>パスワードの確認</translation>
    </message>
    <message>
        <source>&amp;Viewer: sees everything, switches nothing</source>
        <translation>閲覧者: すべて見えるが、何も切り替えない(&amp;V)</translation>
    </message>
    <message>
        <source>Viewer: sees everything, switches nothing</source>
        <translation>閲覧者: すべて見えるが、何も切り替えない</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名前(&amp;N)</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>パスワード(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Again</source>
        <translation>確認(&amp;A)</translation>
    </message>
    <message>
        <source>A user name is 1 to %1 letters, digits, &apos;.&apos;, &apos;_&apos; or &apos;-&apos;</source>
        <translation>ユーザー名は 1 ～ %1 文字の英字、数字、&apos;.&apos;、&apos;_&apos;、&apos;-&apos; です</translation>
    </message>
    <message>
        <source>Type a password</source>
        <translation>パスワードを入力してください</translation>
    </message>
    <message>
        <source>The two passwords differ: type the same one twice</source>
        <translation>2 つのパスワードが違います。同じものを 2 回入力してください</translation>
    </message>
    <message>
        <source>There is a user %1 already. Give it this password and role?</source>
        <translation>ユーザー %1 はすでにあります。このパスワードと役割にしますか?</translation>
    </message>
    <message>
        <source>Adding %1…</source>
        <translation>%1 を追加しています…</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>ユーザーを削除</translation>
    </message>
    <message>
        <source>Remove %1? Its browsers are logged out at once.</source>
        <translation>%1 を削除しますか? そのブラウザーはすぐにログアウトされます。</translation>
    </message>
</context>
<context>
    <name>RemotePanel</name>
    <message>
        <source>Stored, but not served: %1</source>
        <translation>保存しましたが、提供していません: %1</translation>
    </message>
</context>
<context>
    <name>RotatorPanel</name>
    <message>
        <source>turning to %1</source>
        <translation>%1 へ回転中</translation>
    </message>
    <message>
        <source>turning</source>
        <translation>回転中</translation>
    </message>
    <message>
        <source>No antenna is selected</source>
        <translation>アンテナが選択されていません</translation>
    </message>
    <message>
        <source>Ant %1 is on no rotator</source>
        <translation>Ant %1 はどのローテーターにも属していません</translation>
    </message>
</context>
<context>
    <name>Rotators</name>
    <message>
        <source>Set the station&apos;s locator to turn to a locator</source>
        <translation>ロケーターへ回すには自局のロケーターを設定してください</translation>
    </message>
    <message>
        <source>Not a bearing or a locator: %1</source>
        <translation>方位でもロケーターでもありません: %1</translation>
    </message>
    <message>
        <source>Bearings go from 0° to 360°</source>
        <translation>方位は 0° から 360° までです</translation>
    </message>
    <message>
        <source>Rotor%1: not an address: &quot;%2&quot;</source>
        <translation>Rotor%1: アドレスではありません: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: not antenna numbers: &quot;%2&quot;</source>
        <translation>Rotor%1Antennas: アンテナ番号ではありません: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rotor%1Antennas: Ant %2 is on another rotator</source>
        <translation>Rotor%1Antennas: Ant %2 は別のローテーターに属しています</translation>
    </message>
    <message>
        <source>%1 stopped at %2</source>
        <translation>%1 は %2 で停止しました</translation>
    </message>
    <message>
        <source>%1: rotctld back</source>
        <translation>%1: rotctld が復帰しました</translation>
    </message>
    <message>
        <source>%1 refused the turn: %2</source>
        <translation>%1 が回転を拒否しました: %2</translation>
    </message>
    <message>
        <source>%1 refused to stop: %2</source>
        <translation>%1 が停止を拒否しました: %2</translation>
    </message>
    <message>
        <source>%1: rotctld lost</source>
        <translation>%1: rotctld との接続が切れました</translation>
    </message>
    <message>
        <source>Rotator %1</source>
        <translation>ローテーター %1</translation>
    </message>
    <message>
        <source>rotctld: not connected</source>
        <translation>rotctld: 未接続</translation>
    </message>
    <message>
        <source>rotctld: connected</source>
        <translation>rotctld: 接続済み</translation>
    </message>
    <message>
        <source>rotctld: connection refused</source>
        <translation>rotctld: 接続が拒否されました</translation>
    </message>
    <message>
        <source>rotctld: unknown host</source>
        <translation>rotctld: 不明なホスト</translation>
    </message>
    <message>
        <source>rotctld: connected, no answer</source>
        <translation>rotctld: 接続済み、応答なし</translation>
    </message>
    <message>
        <source>rotctld: connected, error %1</source>
        <translation>rotctld: 接続済み、エラー %1</translation>
    </message>
    <message>
        <source>rotctld: connected, unreadable answer</source>
        <translation>rotctld: 接続済み、応答を解読できません</translation>
    </message>
    <message>
        <source>%1, turning to %2</source>
        <translation>%1、%2 へ回転中</translation>
    </message>
    <message>
        <source>%1, turning</source>
        <translation>%1、回転中</translation>
    </message>
    <message>
        <source>No rotator there</source>
        <translation>そこにローテーターはありません</translation>
    </message>
    <message>
        <source>%1 cannot turn: %2</source>
        <translation>%1 は回転できません: %2</translation>
    </message>
    <message>
        <source>%1 turns to %2</source>
        <translation>%1 を %2 へ回します</translation>
    </message>
    <message>
        <source>%1 cannot stop: %2</source>
        <translation>%1 は停止できません: %2</translation>
    </message>
</context>
<context>
    <name>RotatorsDialog</name>
    <message>
        <source>host:port of rotctld, as 127.0.0.1:4533 or [::1]:4533; without a port, %1. Empty: no rotator</source>
        <translation>rotctld のホスト:ポート、例 127.0.0.1:4533 または [::1]:4533。ポートを省略すると %1。空欄: ローテーターなし</translation>
    </message>
    <message>
        <source>The antennas this rotator turns, 1 to 12: 4, 5</source>
        <translation>このローテーターが回すアンテナ、1〜12: 4, 5</translation>
    </message>
    <message>
        <source>As the panel says it; empty: Rotator %1</source>
        <translation>パネルでの呼び名。空欄: ローテーター %1</translation>
    </message>
    <message>
        <source>The station&apos;s Maidenhead locator, 4 or 6 characters: bearings and distances to a locator start here</source>
        <translation>自局のメイデンヘッド ロケーター、4 または 6 文字: ロケーターへの方位と距離はここを起点にします</translation>
    </message>
    <message>
        <source>Rotator %1 address: needed for its antennas and name (empty them as well for no rotator)</source>
        <translation>ローテーター %1 のアドレス: アンテナと名前に必要です (ローテーターなしにするには、それらも空欄にしてください)</translation>
    </message>
    <message>
        <source>Rotator %1 address: “%2” is not host:port, as 127.0.0.1:4533</source>
        <translation>ローテーター %1 のアドレス: 「%2」はホスト:ポートではありません、例 127.0.0.1:4533</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: “%2” is not antennas 1 to 12, each once, as 4, 5</source>
        <translation>ローテーター %1 のアンテナ: 「%2」は 1〜12 のアンテナを各 1 回ずつ並べたものではありません、例 4, 5</translation>
    </message>
    <message>
        <source>Rotator %1 antennas: Ant %2 is on Rotator %3 already; an antenna has one rotator</source>
        <translation>ローテーター %1 のアンテナ: Ant %2 はすでにローテーター %3 に属しています。1 本のアンテナに使えるローテーターは 1 台です</translation>
    </message>
    <message>
        <source>Locator: “%1” is not a Maidenhead locator of 4 or 6 characters, as JN58td</source>
        <translation>ロケーター: 「%1」は 4 または 6 文字のメイデンヘッド ロケーターではありません、例 JN58td</translation>
    </message>
</context>
<context>
    <name>RotatorsWindow</name>
    <message>
        <source>Rotators</source>
        <translation>ローテーター</translation>
    </message>
    <message>
        <source>No rotator is set up: File › Rotators…</source>
        <translation>ローテーターが未設定です: ファイル › ローテーター…</translation>
    </message>
    <message>
        <source>Heading %1, turning to %2</source>
        <translation>向き %1、%2 へ回転中</translation>
    </message>
    <message>
        <source>Bearing or locator</source>
        <translation>方位またはロケーター</translation>
    </message>
    <message>
        <source>Degrees from north, or a Maidenhead locator such as JN58td; Enter turns</source>
        <translation>北からの角度、または JN58td のようなメイデンヘッド ロケーター。Enter で回転</translation>
    </message>
    <message>
        <source>135 or JN58td</source>
        <translation>135 または JN58td</translation>
    </message>
    <message>
        <source>Long path</source>
        <translation>ロングパス</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Escape stops the rotator anywhere in this window</source>
        <translation>このウィンドウ内ならどこでも Esc でローテーターを停止</translation>
    </message>
    <message>
        <source>Stopping %1</source>
        <translation>%1 を停止中</translation>
    </message>
    <message>
        <source>Ant %1</source>
        <translation>Ant %1</translation>
    </message>
    <message>
        <source>turns no antenna</source>
        <translation>回すアンテナなし</translation>
    </message>
    <message>
        <source>turns %1</source>
        <translation>%1 を回す</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Heading not known</source>
        <translation>向き不明</translation>
    </message>
    <message>
        <source>Heading %1</source>
        <translation>向き %1</translation>
    </message>
    <message>
        <source>%1 towards %2</source>
        <translation>%1 (%2 方向)</translation>
    </message>
    <message>
        <source>%1, %2 km</source>
        <translation>%1、%2 km</translation>
    </message>
    <message>
        <source>%1, long path</source>
        <translation>%1、ロングパス</translation>
    </message>
    <message>
        <source>%1, short path</source>
        <translation>%1、ショートパス</translation>
    </message>
    <message>
        <source>Type a bearing, 0 to 359, or a locator</source>
        <translation>方位 (0〜359) またはロケーターを入力してください</translation>
    </message>
    <message>
        <source>“%1” is not a bearing or a locator</source>
        <translation>「%1」は方位でもロケーターでもありません</translation>
    </message>
    <message>
        <source>%1 turning to %2</source>
        <translation>%1 が %2 へ回転中</translation>
    </message>
    <message>
        <source>&amp;Bearing or locator</source>
        <translation>方位またはロケーター(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Long path</source>
        <translation>ロングパス(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>回転(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
</context>
<context>
    <name>StationJournal</name>
    <message>
        <source>The journal is written again</source>
        <translation>記録への書き込みを再開しました</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About Quorvan</source>
        <translation>Quorvan について</translation>
    </message>
    <message>
        <source>Zarel :  Merax Remote Control</source>
        <translation>Zarel :  Merax リモコン</translation>
    </message>
    <message>
        <source>Version: 1.1.2 (12/2019)</source>
        <translation>バージョン: 1.1.2 (12/2019)</translation>
    </message>
    <message>
        <source>Copyright © 2019 Zarel Radio Systems. All rights reserved.</source>
        <translation>Copyright © 2019 Zarel Radio Systems. 無断転載を禁じます。</translation>
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
        <translation>バンド追従</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>無線機</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>rigctld (Hamlib)</source>
        <translation>rigctld (Hamlib)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Logger broadcasts</source>
        <translation>ロガーからの配信</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP ポート</translation>
    </message>
    <message>
        <source>From host:</source>
        <translation>送信元ホスト:</translation>
    </message>
    <message>
        <source>any host</source>
        <translation>すべてのホスト</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>ステーション名:</translation>
    </message>
    <message>
        <source>any station</source>
        <translation>すべての局</translation>
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
        <translation>1.25 m</translation>
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
        <translation>手動の選択を記憶</translation>
    </message>
    <message>
        <source>Hold my own switching while transmitting</source>
        <translation>送信中は手動切替も保留</translation>
    </message>
    <message>
        <source>Switch only after receiving for</source>
        <translation>切替前の受信待ち時間</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>rigctld host</source>
        <translation>rigctld ホスト</translation>
    </message>
    <message>
        <source>rigctld port</source>
        <translation>rigctld ポート</translation>
    </message>
    <message>
        <source>Logger UDP port</source>
        <translation>ロガーの UDP ポート</translation>
    </message>
    <message>
        <source>Logger radio</source>
        <translation>ロガーの無線機</translation>
    </message>
    <message>
        <source>Logger from host</source>
        <translation>ロガーの送信元ホスト</translation>
    </message>
    <message>
        <source>Logger station</source>
        <translation>ロガーのステーション</translation>
    </message>
    <message>
        <source>Antennas and outputs per band</source>
        <translation>バンドごとのアンテナと出力</translation>
    </message>
    <message>
        <source>Antennas</source>
        <translation>アンテナ</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>セグメント</translation>
    </message>
    <message>
        <source>One row per segment: from and to in kHz, mode (CW, SSB, DATA or empty for any), antennas as on the band, outputs. Arrow keys move, F2 edits a cell, Enter keeps it.</source>
        <translation>セグメントごとに 1 行: 開始と終了 (kHz)、モード (CW、SSB、DATA、空欄はすべて)、バンドと同じ形式のアンテナ、出力。矢印キーで移動、F2 でセルを編集、Enter で確定。</translation>
    </message>
    <message>
        <source>From (kHz)</source>
        <translation>開始 (kHz)</translation>
    </message>
    <message>
        <source>To (kHz)</source>
        <translation>終了 (kHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>&amp;Add segment</source>
        <translation>セグメントを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Re&amp;move segment</source>
        <translation>セグメントを削除(&amp;M)</translation>
    </message>
    <message>
        <source>Ask again before taking an antenna in use elsewhere</source>
        <translation>他で使用中のアンテナを使う前に確認する</translation>
    </message>
    <message>
        <source>in CW</source>
        <translation>CW 時</translation>
    </message>
    <message>
        <source>In CW, without an inhibit output, switch only after receiving for</source>
        <translation>CW 時の切替前の受信待ち時間 (TX 禁止出力なし)</translation>
    </message>
    <message>
        <source>TX inhibit</source>
        <translation>TX 禁止</translation>
    </message>
    <message>
        <source>TX inhibit output</source>
        <translation>TX 禁止出力</translation>
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
        <translation>Merax の IP アドレスとポートを入力:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>PORT:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>Directly use IP</source>
        <translation>IP を直接使用</translation>
    </message>
    <message>
        <source>&quot;Directly use IP&quot; is ticked, but &quot;%1&quot; is not an IP address. Enter the Merax&apos;s IP address, or untick &quot;Directly use IP&quot; to look the name up.</source>
        <translation>&quot;IP を直接使用&quot; がオンですが、&quot;%1&quot; は IP アドレスではありません。Merax の IP アドレスを入力するか、&quot;IP を直接使用&quot; をオフにして名前を解決してください。</translation>
    </message>
    <message>
        <source>Enter the Merax&apos;s IP address or host name.</source>
        <translation>Merax の IP アドレスまたはホスト名を入力してください。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>ポートには 1 から 65535 までの数値を入力してください。</translation>
    </message>
    <message>
        <source>Merax LAN Settings</source>
        <translation>Merax LAN 設定</translation>
    </message>
</context>
<context>
    <name>labels</name>
    <message>
        <source>Merax Label Config</source>
        <translation>Merax ラベル設定</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 caption</source>
        <extracomment>The name a screen reader gives a caption field, &quot;Ant 1 caption&quot;.</extracomment>
        <translation>%1 のラベル</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Zarel Remote Control</source>
        <translation>Zarel リモートコントロール</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Zarel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax Remote Control&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Merax リモコン&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Connect to Merax</source>
        <translation>Merax に接続(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>切断(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Band Following...</source>
        <translation>バンド追従(&amp;B)...</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Qt について(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;About Quorvan</source>
        <translation>Quorvan について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>ラベル(&amp;L)</translation>
    </message>
    <message>
        <source>LA&amp;N Settings</source>
        <translation>LAN 設定(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;GPIO</source>
        <translation>GPIO(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Skyrail WF</source>
        <translation>Skyrail WF(&amp;S)</translation>
    </message>
    <message>
        <source>Ne&amp;xt Antenna on This Band</source>
        <translation>このバンドの次のアンテナ(&amp;X)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Connect at &amp;Start</source>
        <translation>起動時に接続(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>キー(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Rotators</source>
        <translation>ローテーター(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Turn the Antenna...</source>
        <translation>アンテナを回す(&amp;T)...</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Ro&amp;tators...</source>
        <translation>ローテーター(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>記録(&amp;J)</translation>
    </message>
    <message>
        <source>Remote &amp;Access...</source>
        <translation>リモートアクセス(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>remoteAccessDialog</name>
    <message>
        <source>Remote Access</source>
        <translation>リモートアクセス</translation>
    </message>
    <message>
        <source>&amp;Serve the browser panel</source>
        <translation>ブラウザーパネルを提供する(&amp;S)</translation>
    </message>
    <message>
        <source>Serve the browser panel</source>
        <translation>ブラウザーパネルを提供する</translation>
    </message>
    <message>
        <source>Browser panel</source>
        <translation>ブラウザーパネル</translation>
    </message>
    <message>
        <source>&amp;Listen address</source>
        <translation>待ち受けアドレス(&amp;L)</translation>
    </message>
    <message>
        <source>Listen address</source>
        <translation>待ち受けアドレス</translation>
    </message>
    <message>
        <source>127.0.0.1: this computer only. 0.0.0.0: every network it is on.</source>
        <translation>127.0.0.1: このコンピューターのみ。0.0.0.0: 接続しているすべてのネットワーク。</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>ポート(&amp;P)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>&amp;Certificate</source>
        <translation>証明書(&amp;C)</translation>
    </message>
    <message>
        <source>Certificate file</source>
        <translation>証明書ファイル</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Browse for the certificate file</source>
        <translation>証明書ファイルを参照</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>鍵(&amp;K)</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>鍵ファイル</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>参照(&amp;W)...</translation>
    </message>
    <message>
        <source>Browse for the key file</source>
        <translation>鍵ファイルを参照</translation>
    </message>
    <message>
        <source>PEM files. Both empty: the station&apos;s own self-signed certificate.</source>
        <translation>PEM ファイル。両方とも空: ステーション自身の自己署名証明書。</translation>
    </message>
    <message>
        <source>Served &amp;at</source>
        <translation>提供先(&amp;A)</translation>
    </message>
    <message>
        <source>Served at</source>
        <translation>提供先</translation>
    </message>
    <message>
        <source>&amp;Fingerprint</source>
        <translation>フィンガープリント(&amp;F)</translation>
    </message>
    <message>
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>証明書のフィンガープリント (SHA-256)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>コピー(&amp;Y)</translation>
    </message>
    <message>
        <source>Copy the fingerprint</source>
        <translation>フィンガープリントをコピー</translation>
    </message>
    <message>
        <source>Browsers connected</source>
        <translation>接続中のブラウザー</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>ユーザー(&amp;U)</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>役割</translation>
    </message>
    <message>
        <source>A&amp;dd user...</source>
        <translation>ユーザーを追加(&amp;D)...</translation>
    </message>
    <message>
        <source>Add user</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>&amp;Remove user</source>
        <translation>ユーザーを削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>ユーザーを削除</translation>
    </message>
    <message>
        <source>Users are added and removed at once, whether or not you press OK. A removed user is logged out of every browser.</source>
        <translation>ユーザーの追加と削除は、OK を押すかどうかに関係なく、すぐに反映されます。削除されたユーザーはすべてのブラウザーからログアウトされます。</translation>
    </message>
</context>
<context>
    <name>rotatorsDialog</name>
    <message>
        <source>Rotators</source>
        <translation>ローテーター</translation>
    </message>
    <message>
        <source>Each rotator is a Hamlib rotctld, reached at host:port. An empty address: no rotator in that row.</source>
        <translation>各ローテーターは Hamlib の rotctld で、ホスト:ポートで接続します。アドレスが空欄の行にはローテーターはありません。</translation>
    </message>
    <message>
        <source>A&amp;ddress</source>
        <translation>アドレス(&amp;D)</translation>
    </message>
    <message>
        <source>A&amp;ntennas</source>
        <translation>アンテナ(&amp;N)</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>名前(&amp;M)</translation>
    </message>
    <message>
        <source>Rotator &amp;1</source>
        <translation>ローテーター 1(&amp;1)</translation>
    </message>
    <message>
        <source>Rotator 1 address</source>
        <translation>ローテーター 1 のアドレス</translation>
    </message>
    <message>
        <source>Rotator 1 antennas</source>
        <translation>ローテーター 1 のアンテナ</translation>
    </message>
    <message>
        <source>Rotator 1 name</source>
        <translation>ローテーター 1 の名前</translation>
    </message>
    <message>
        <source>Rotator &amp;2</source>
        <translation>ローテーター 2(&amp;2)</translation>
    </message>
    <message>
        <source>Rotator 2 address</source>
        <translation>ローテーター 2 のアドレス</translation>
    </message>
    <message>
        <source>Rotator 2 antennas</source>
        <translation>ローテーター 2 のアンテナ</translation>
    </message>
    <message>
        <source>Rotator 2 name</source>
        <translation>ローテーター 2 の名前</translation>
    </message>
    <message>
        <source>Rotator &amp;3</source>
        <translation>ローテーター 3(&amp;3)</translation>
    </message>
    <message>
        <source>Rotator 3 address</source>
        <translation>ローテーター 3 のアドレス</translation>
    </message>
    <message>
        <source>Rotator 3 antennas</source>
        <translation>ローテーター 3 のアンテナ</translation>
    </message>
    <message>
        <source>Rotator 3 name</source>
        <translation>ローテーター 3 の名前</translation>
    </message>
    <message>
        <source>Rotator &amp;4</source>
        <translation>ローテーター 4(&amp;4)</translation>
    </message>
    <message>
        <source>Rotator 4 address</source>
        <translation>ローテーター 4 のアドレス</translation>
    </message>
    <message>
        <source>Rotator 4 antennas</source>
        <translation>ローテーター 4 のアンテナ</translation>
    </message>
    <message>
        <source>Rotator 4 name</source>
        <translation>ローテーター 4 の名前</translation>
    </message>
    <message>
        <source>Station &amp;locator</source>
        <translation>自局のロケーター(&amp;L)</translation>
    </message>
    <message>
        <source>Station locator</source>
        <translation>自局のロケーター</translation>
    </message>
</context>
</TS>
