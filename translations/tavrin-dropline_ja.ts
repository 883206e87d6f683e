<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name></name>
    <message>
        <source>@DROPLINE_NAME@</source>
        <extracomment>Desktop entry</extracomment>
        <translation>@DROPLINE_NAME@</translation>
    </message>
    <message>
        <source>Four in a Row</source>
        <extracomment>Desktop entry</extracomment>
        <translation>四目並べ</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board for two players at one mouse</source>
        <extracomment>Desktop entry</extracomment>
        <translation>1つのマウスで2人が遊ぶ、5 x 5 の盤の四目並べ</translation>
    </message>
    <message>
        <source>four;row;discs;board;two players;</source>
        <extracomment>Desktop entry</extracomment>
        <translation>四目並べ;一列;コマ;盤;2人用;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>5 x 5 の盤で遊ぶ四目並べ</translation>
    </message>
    <message>
        <source>@DROPLINE_MAKER@</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>@DROPLINE_MAKER@</translation>
    </message>
    <message>
        <source>A game of four in a row for two people who share one mouse and take turns. The player to move clicks a column, and a disc of that player&apos;s colour drops into the lowest empty cell of the column.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>1つのマウスを2人で使い、交代で遊ぶ四目並べのゲームです。番のプレイヤーが列をクリックすると、そのプレイヤーの色のコマが、その列のいちばん下の空いているマスに落ちます。</translation>
    </message>
    <message>
        <source>Four discs of one colour in a straight line, along a row, a column or a diagonal, win the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The scoreboard keeps each player&apos;s name and tally.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>同じ色のコマが横・縦・斜めのどれかに一直線に4つ並ぶと勝ちです。列へのクリックはすべて1回と数え、勝者が出ないまま25回を超えると引き分けになります。スコアボードには、各プレイヤーの名前と勝ち数が残ります。</translation>
    </message>
    <message>
        <source>A game in progress, with the players&apos; names and tallies</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>対戦中のゲーム。プレイヤーの名前と勝ち数が表示されています</translation>
    </message>
    <message>
        <source>The first release.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>最初のリリースです。</translation>
    </message>
    <message>
        <source>TAVRIN-DROPLINE</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), page header</extracomment>
        <translation>TAVRIN-DROPLINE</translation>
    </message>
    <message>
        <source>@DROPLINE_RELEASE_DATE@</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), page header</extracomment>
        <translation>@DROPLINE_RELEASE_DATE@</translation>
    </message>
    <message>
        <source>@DROPLINE_NAME@ @DROPLINE_SHOWN_VERSION@</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), page header</extracomment>
        <translation>@DROPLINE_NAME@ @DROPLINE_SHOWN_VERSION@</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), page header</extracomment>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>tavrin-dropline - four in a row on a 5 x 5 board, for two players at one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>tavrin-dropline - 1つのマウスで2人が遊ぶ、5 x 5 の盤の四目並べ</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>書式</translation>
    </message>
    <message>
        <source>B&lt;tavrin-dropline&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;tavrin-dropline&gt;</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>説明</translation>
    </message>
    <message>
        <source>B&lt;@DROPLINE_NAME@&gt; is a game of four in a row for two people who share one mouse and take turns.  When it starts it asks for the two players&apos; names; the first plays red, the second blue, and red moves first.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;@DROPLINE_NAME@&gt; は、1つのマウスを2人で使い、交代で遊ぶ四目並べのゲームです。起動すると、2人のプレイヤーの名前を尋ねます。1人目が赤、2人目が青で、赤が先手です。</translation>
    </message>
    <message>
        <source>Click anywhere over a column of the board to drop a disc of your colour into its lowest free cell.  Four discs of one colour in a row, a column or a diagonal win: the winner line says so, that colour&apos;s tally goes up and the board takes no more discs until a new game.  Every click on a column counts, also one on a full column; after 25 counted clicks the next click is a draw, and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>盤の列の上のどこかをクリックすると、自分の色のコマがその列のいちばん下の空きマスに落ちます。同じ色のコマが横・縦・斜めに4つ並ぶと勝ちです。勝者の行にそう表示され、その色の勝ち数が1つ増え、新しいゲームを始めるまで盤にはコマを置けなくなります。列へのクリックはいっぱいの列へのものも含めてすべて数えられ、25回数えた後の次のクリックで引き分けになり、盤は空になります。</translation>
    </message>
    <message>
        <source>KEYS FOR PLAYING BY EAR</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>耳で遊ぶためのキー</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca the game is played by keys alone, and the screen reader says every move as it happens: who played into which column and row and who moves next, a full column, the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Orca などのスクリーンリーダーを使えば、キーだけでゲームを遊べます。スクリーンリーダーは、だれがどの列のどの段に置いたか、次はだれの番か、列がいっぱいになったこと、勝ったことを、そのつど読み上げます。</translation>
    </message>
    <message>
        <source>B&lt;1 - 5&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;1 - 5&gt;</translation>
    </message>
    <message>
        <source>drop a disc into that column.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>その列にコマを落とします。</translation>
    </message>
    <message>
        <source>B&lt;Left&gt;, B&lt;Right&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;左矢印&gt;、B&lt;右矢印&gt;</translation>
    </message>
    <message>
        <source>move over the columns and read each one, its discs from the bottom up and its free cells.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>列を移動し、各列のコマを下から順に、続けて空きマスを読み上げます。</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;Enter&gt;、B&lt;テンキーの Enter&gt;、B&lt;スペース&gt;、B&lt;下矢印&gt;</translation>
    </message>
    <message>
        <source>drop a disc into the column last read or played.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>最後に読み上げた列、または最後にコマを置いた列にコマを落とします。</translation>
    </message>
    <message>
        <source>B&lt;S&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;S&gt;</translation>
    </message>
    <message>
        <source>read the score panel: names, discs in this game, games won, the winner.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>スコアボードを読み上げます。名前、このゲームの手数、勝ち数、勝者です。</translation>
    </message>
    <message>
        <source>B&lt;T&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;T&gt;</translation>
    </message>
    <message>
        <source>say whose turn it is, or who won.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>だれの番か、またはだれが勝ったかを伝えます。</translation>
    </message>
    <message>
        <source>The about and farewell windows read the words drawn in them when they open; Return, Enter, Space or Escape press their OK or Exit button.  Nothing of this is drawn, and without a screen reader these keys only play (S and T say nothing).</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>情報ウィンドウとお別れのウィンドウは、開いたときに中に描かれた文字を読み上げます。Enter、テンキーの Enter、スペース、Esc で「OK」または「終了」ボタンを押せます。これらはどれも画面には表示されず、スクリーンリーダーがなければ、これらのキーはゲームを遊ぶためだけに使われます（S と T は何も言いません）。</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>The game takes no options or arguments.  It reads no configuration and keeps nothing between runs.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>このゲームにはオプションも引数もありません。設定は何も読まず、実行と実行の間に何も保存しません。</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for every disc and button, and I&lt;complete&gt; for a win, which the game waits for (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme, then its I&lt;bell&gt; plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>このゲームは独自の音を持っていません。デスクトップが指定するサウンドテーマのイベント音を鳴らします。KDE Plasma では I&lt;kdeglobals&gt; の B&lt;[Sounds]&gt; グループの B&lt;Theme&gt;、それ以外では GSettings スキーマ B&lt;org.gnome.desktop.sound&gt; の B&lt;theme-name&gt;、どちらもなければ freedesktop テーマ（パッケージ B&lt;sound-theme-freedesktop&gt;、I&lt;/usr/share/sounds/freedesktop&gt; 以下）を使います。音は libcanberra を通して PulseAudio または PipeWire の PulseAudio サービスで鳴らします。メインウィンドウがアクティブになったときとお別れのウィンドウが開いたときに I&lt;service-logout&gt;、コマやボタンのたびに I&lt;message&gt;、勝ったときに I&lt;complete&gt; を鳴らし、ゲームはこの音が終わるのを待ちます（最大5秒）。テーマにない音は、継承元のテーマから、次に freedesktop テーマから取り、それでもなければ代わりにそのテーマの I&lt;bell&gt; を鳴らします。デスクトップがイベント音をオフにしているとき（B&lt;org.gnome.desktop.sound&gt; の B&lt;event-sounds&gt; キー）は、ゲームは音を鳴らさず、勝ったときも待ちません。オンに戻すと、次の音から聞こえます。サウンドサーバーがないときゲームは静かなままで、サーバーが戻ると音も戻ります。</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The close box drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt; or Ctrl+Q leave the game through a farewell window, which ends the program after ten seconds or at a click on its Exit button.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;新しいゲーム&gt;（大きなボタン、B&lt;ゲーム \(-E&lt;gt&gt; 新しいゲーム&gt; または Ctrl+N）は、盤を空にし、新しいプレイヤーに替わるかどうかを尋ねます。B&lt;情報&gt;（ボタン、B&lt;情報 \(-E&lt;gt&gt; このゲームについて&gt; または F1）は、クレジットを表示します。右上に描かれた閉じるボックス、B&lt;ゲーム \(-E&lt;gt&gt; 終了&gt; または Ctrl+Q では、お別れのウィンドウを経てゲームを終えます。このウィンドウは、10秒たつか「終了」ボタンをクリックするとプログラムを終了します。盤にキーボードフォーカスがあるときは、キー 1～5 で 1～5 列目にコマを落とせます。使えるのは数字キーの列の最初の5つのキーで、Shift の有無やキーボード配列は問いません。テンキーの 1～5 も使えます。</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>環境変数</translation>
    </message>
    <message>
        <source>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</translation>
    </message>
    <message>
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns count from 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>ゲーム、そのダイアログ、スクリーンリーダーに話させる言葉の言語を選びます。アラビア語、中国語（簡体字）、フランス語、ドイツ語、日本語、ポルトガル語（ブラジル）、ロシア語、スペイン語のどれかで、それ以外の言語では英語になります。盤が左右反転することはありません。どの言語でも、列は左から右へ 1～5 と数えます。</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits.</extracomment>
        <translation>このゲームについて(&amp;A)</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Tarvin Dropline           -- About --</source>
        <extracomment>The about window&apos;s name to the desktop (task switchers, screen readers); never drawn. The game&apos;s name is Tavrin Dropline.</extracomment>
        <translation>Tavrin Dropline           -- 情報 --</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Programming: the Tavrin Dropline developers</source>
        <extracomment>Credits: who wrote the game.</extracomment>
        <translation>プログラム：Tavrin Dropline 開発チーム</translation>
    </message>
    <message>
        <source>Artwork: the Tavrin Dropline developers</source>
        <translation>グラフィック：Tavrin Dropline 開発チーム</translation>
    </message>
    <message>
        <source>tavrin-dropline.example.org</source>
        <translation>tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Thank you for playing Tavrin Dropline!</source>
        <translation>Tavrin Dropline で遊んでくれてありがとう！</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <translation>tavrin-dropline.example.org にも遊びに来てね</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <translation>新しいゲームも準備中です。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新しい</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <translation>プレイヤー1：</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>手数：</translation>
    </message>
    <message>
        <source>Winned :</source>
        <translation>勝ち数：</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <translation>プレイヤー2：</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>情報(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Congratulations!! Red Player Wins </source>
        <extracomment>The winner line when red has four in a row. Keep the blank at each end.</extracomment>
        <translation> おめでとう！！赤プレイヤーの勝ち </translation>
    </message>
    <message>
        <source> Congratulations!! Blue Player Wins </source>
        <extracomment>The winner line when blue has four in a row. Keep the blank at each end.</extracomment>
        <translation> おめでとう！！青プレイヤーの勝ち </translation>
    </message>
    <message>
        <source> Both of you have reached a draw, Play a new game</source>
        <extracomment>The message of a drawn game. Keep the leading blank.</extracomment>
        <translation> 引き分けです。新しいゲームで遊びましょう</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source> Players Names </source>
        <extracomment>The title of the name prompts. Keep the blank at each end.</extracomment>
        <translation> プレイヤーの名前 </translation>
    </message>
    <message>
        <source> First Player&apos;s Name</source>
        <extracomment>Asked at start-up for the red player. Keep the leading blank.</extracomment>
        <translation> 1人目のプレイヤーの名前</translation>
    </message>
    <message>
        <source> Second Player&apos;s Name</source>
        <extracomment>Asked at start-up for the blue player. Keep the leading blank.</extracomment>
        <translation> 2人目のプレイヤーの名前</translation>
    </message>
    <message>
        <source> New players? [enter y for YES  &amp;  n for NO]</source>
        <extracomment>Asked by every new game. Name the same letter as the answer &quot;y&quot; below.</extracomment>
        <translation> 新しいプレイヤーに替わりますか？ [はいなら y  &amp;  いいえなら n を入力]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answer to the new-players question that brings new players: one letter, the one the question names. &quot;y&quot; is accepted as well.</extracomment>
        <translation>y</translation>
    </message>
    <message>
        <source> First Player&apos;s First Name</source>
        <extracomment>Asked for the red player when new players come. Keep the leading blank.</extracomment>
        <translation> 1人目のプレイヤーの名前</translation>
    </message>
    <message>
        <source> Second Player&apos;s First Name</source>
        <extracomment>Asked for the blue player when new players come. Keep the leading blank.</extracomment>
        <translation> 2人目のプレイヤーの名前</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, %2</source>
        <comment>score title</comment>
        <extracomment>A word of the score panel, then the colour of its values: &quot;Step, red&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>player</comment>
        <extracomment>A player: the colour of the discs, then the name typed: &quot;Red, Ann&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>Closes a sentence that has no mark of its own.</extracomment>
        <translation>。</translation>
    </message>
    <message>
        <source> </source>
        <extracomment>Between two sentences.</extracomment>
        <translation> </translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score label: its title, then what it shows: &quot;Step, red: 4&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Column %1: empty</source>
        <translation>%1列目：空</translation>
    </message>
    <message>
        <source>full</source>
        <translation>いっぱい</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
        <translation>
            <numerusform>あと%nマス</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1: %2; %3</source>
        <extracomment>A column, its discs from the bottom up, and its free cells: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>%1列目：%2、%3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the colours of a column&apos;s discs.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <translation>赤のコマ、%1列目、%2段目</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <translation>青のコマ、%1列目、%2段目</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1：%2列目、%3段目。</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <translation>%1、あなたの番です。</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player moves.</extracomment>
        <translation>%1列目はいっぱいです。%2、もう一度あなたの番です。</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The big button that starts a new game, as drawn.</extracomment>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits, as drawn.</extracomment>
        <translation>情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that leaves the game, and the farewell window&apos;s button.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>As drawn on the score panel, without its colon: the discs placed in this game.</extracomment>
        <translation>手数</translation>
    </message>
    <message>
        <source>Winned</source>
        <extracomment>As drawn on the score panel, without its colon: the games won.</extracomment>
        <translation>勝ち数</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The line of the score panel that shows who won.</extracomment>
        <translation>勝者</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board, as a screen reader names it.</extracomment>
        <translation>盤</translation>
    </message>
</context>
</TS>
