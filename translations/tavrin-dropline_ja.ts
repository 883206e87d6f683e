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
        <extracomment>Desktop entry: the kind of game, shown by menus beside the game&apos;s name: your language&apos;s usual generic name for such games, never a brand name.</extracomment>
        <translation>四目並べ</translation>
    </message>
    <message>
        <source>@DROPLINE_MAKER@</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>@DROPLINE_MAKER@</translation>
    </message>
    <message>
        <source>A game of four in a row for two people who share one mouse and take turns. The player to move clicks a column, and a disc of that player&apos;s colour drops into the lowest empty cell of the column.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>1つのマウスを2人で使い、交代で遊ぶ四目並べのゲームです。手番のプレイヤーが列をクリックすると、そのプレイヤーの色のコマが、その列のいちばん下の空いているマスに落ちます。</translation>
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
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term: Return is the Enter key of the main keyboard, Enter the one on the numeric keypad. Name them as keyboards in your language label them, and where both bear one name, say which is which.</extracomment>
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
        <translation>スコアボード（名前、このゲームの手数、勝ち数、勝者）を読み上げます。</translation>
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
        <source>Four in a row on a 5 × 5 board for two players sharing one mouse</source>
        <extracomment>Desktop entry: a tooltip in menus and a line in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>1つのマウスを2人で使って遊ぶ、5×5マスの四目並べ</translation>
    </message>
    <message>
        <source>four in a row;4 in a row;discs;board game;two players;</source>
        <extracomment>Desktop entry: search words, each followed by a semicolon. Rather than the English words, give those that players of your language type to find such a game: its usual generic names (never a brand name), &quot;board game&quot;, &quot;two players&quot;.</extracomment>
        <translation>四目並べ;4目並べ;ボードゲーム;対戦;コマ;2人用;二人用;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board</source>
        <extracomment>AppStream metainfo: the line under the game&apos;s name in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>5×5マスで遊ぶ四目並べ</translation>
    </message>
    <message>
        <source>The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The score panel shows both players&apos; names, their discs in the current game and the games each has won.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>自分の色のコマを横・縦・斜めのいずれかに一直線に、先に4つ並べたプレイヤーの勝ちです。列をクリックするたびに1回と数え、勝者が出ないまま25回を超えると引き分けになります。スコアボードには、両プレイヤーの名前、現在のゲームで置いたコマの数、勝ち数が表示されます。</translation>
    </message>
    <message>
        <source>tavrin-dropline - four in a row on a 5 × 5 board, for two players sharing one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: the page&apos;s one-line description; keep &quot;tavrin-dropline - &quot; before it. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>tavrin-dropline - 1つのマウスを2人で使って遊ぶ、5×5マスの四目並べ</translation>
    </message>
    <message>
        <source>To play, click a column of the board, anywhere from its top to its bottom: a disc of your colour drops into the lowest free cell of that column, and the other player moves next.  The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game: a line at the bottom of the score panel congratulates the winning colour, that colour&apos;s count of games won goes up by one, and the board takes no more discs until a new game.  Clicks on a full column count too: they place nothing, and the turn stays with the same player.  After 25 counted clicks, the next click ends the game in a draw: a message says so and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: a click anywhere on a column, from its top cell to its bottom one, plays into it (not above it). The score panel is the panel beside the board with the players&apos; names and counts; the winner is congratulated on its bottom line.</extracomment>
        <translation>盤の列をクリックすると（列の中なら上でも下でもかまいません）、自分の色のコマがその列のいちばん下の空きマスに落ち、相手の番になります。自分の色のコマを横・縦・斜めのいずれかに一直線に、先に4つ並べたプレイヤーの勝ちです。スコアボードのいちばん下の行に勝った色へのお祝いが表示され、その色の勝ち数が1つ増え、新しいゲームを始めるまで盤にはコマを置けなくなります。いっぱいの列へのクリックも数えますが、コマは置かれず、同じプレイヤーの番のままです。25回数えた後の次のクリックで引き分けとなり、メッセージが表示されて盤が空になります。</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The small close button drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt;, Ctrl+Q and the window&apos;s own close button all leave the game: a farewell window shows for ten seconds, or until you click its Exit button, and then the program ends.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;新しいゲーム&gt;（大きなボタン、B&lt;ゲーム \(-E&lt;gt&gt; 新しいゲーム&gt; または Ctrl+N）は、盤を空にし、プレイヤーを交代するかどうかを尋ねます。B&lt;情報&gt;（ボタン、B&lt;情報 \(-E&lt;gt&gt; このゲームについて&gt; または F1）は、クレジットを表示します。右上に描かれた小さな閉じるボタン、B&lt;ゲーム \(-E&lt;gt&gt; 終了&gt;、Ctrl+Q、ウィンドウ自体の閉じるボタンのどれでもゲームを終えられます。お別れのウィンドウが10秒間、または「終了」ボタンをクリックするまで表示され、その後プログラムが終了します。盤にキーボードフォーカスがあるときは、キー 1～5 で 1～5 列目にコマを落とせます。使えるのは数字キーの列の最初の5つのキーで、Shift の有無やキーボード配列は問いません。テンキーの 1～5 も使えます。</translation>
    </message>
    <message>
        <source>PLAYING WITH A SCREEN READER</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>スクリーンリーダーで遊ぶ</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca, the game can be played with the keyboard alone, and the screen reader announces each move as it happens: who played into which column and row, who moves next, a full column, and the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Orca などのスクリーンリーダーを使えば、キーボードだけでゲームを遊べます。スクリーンリーダーは、だれがどの列のどの段に置いたか、次はだれの番か、列がいっぱいになったこと、勝ったことを、そのつど読み上げます。</translation>
    </message>
    <message>
        <source>move from column to column and read out the column reached: its discs from the bottom up, then how many of its cells are free.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>列から列へ移動し、移動先の列を読み上げます。コマを下から順に読み、続けて空きマスの数を読みます。</translation>
    </message>
    <message>
        <source>When the about or farewell window opens, the screen reader reads out the words drawn in it; Return, Enter, Space or Escape press its button (OK or Exit).  None of this is shown on the screen, and without a screen reader none of it is heard: the keys still play, and S and T do nothing.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>情報ウィンドウまたはお別れのウィンドウが開くと、スクリーンリーダーが中に描かれた文字を読み上げます。Enter、テンキーの Enter、スペース、Esc で、そのウィンドウのボタン（「OK」または「終了」）を押せます。これらはどれも画面には表示されず、スクリーンリーダーがなければ読み上げも聞こえません。キーでゲームを遊ぶことはできますが、S と T を押しても何も起きません。</translation>
    </message>
    <message>
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns are numbered 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>ゲーム、そのダイアログ、スクリーンリーダーが読み上げる内容の言語を選びます。アラビア語、中国語（簡体字）、フランス語、ドイツ語、日本語、ポルトガル語（ブラジル）、ロシア語、スペイン語のどれかで、それ以外の言語では英語になります。盤が左右反転することはありません。どの言語でも、列には左から右へ 1～5 の番号が付きます。</translation>
    </message>
    <message>
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for each disc dropped and each click on the main window&apos;s buttons, and I&lt;complete&gt; for a win; the game waits until that sound ends (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme; failing that, the I&lt;bell&gt; sound plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>このゲームは独自の音を持っていません。デスクトップが指定するサウンドテーマのイベント音を鳴らします。KDE Plasma では I&lt;kdeglobals&gt; の B&lt;[Sounds]&gt; グループの B&lt;Theme&gt;、それ以外では GSettings スキーマ B&lt;org.gnome.desktop.sound&gt; の B&lt;theme-name&gt;、どちらもなければ freedesktop テーマ（パッケージ B&lt;sound-theme-freedesktop&gt;、I&lt;/usr/share/sounds/freedesktop&gt; 以下）を使います。音は libcanberra を通して PulseAudio または PipeWire の PulseAudio サービスで鳴らします。メインウィンドウがアクティブになったときとお別れのウィンドウが開いたときに I&lt;service-logout&gt;、コマを置くたび、メインウィンドウのボタンをクリックするたびに I&lt;message&gt;、勝ったときに I&lt;complete&gt; を鳴らし、ゲームはこの音が終わるのを待ちます（最大5秒）。テーマにない音は、継承元のテーマから、次に freedesktop テーマから取り、それでもなければ代わりに I&lt;bell&gt; の音を鳴らします。デスクトップがイベント音をオフにしているとき（B&lt;org.gnome.desktop.sound&gt; の B&lt;event-sounds&gt; キー）は、ゲームは音を鳴らさず、勝ったときも待ちません。オンに戻すと、次の音から聞こえます。サウンドサーバーがないときゲームは静かなままで、サーバーが戻ると音も戻ります。</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits (F1); &quot;&amp;&quot; marks its access key.</extracomment>
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
        <extracomment>Credits: who drew the pictures.</extracomment>
        <translation>グラフィック：Tavrin Dropline 開発チーム</translation>
    </message>
    <message>
        <source>tavrin-dropline.example.org</source>
        <extracomment>Credits: the game&apos;s web address.</extracomment>
        <translation>tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Thank you for playing Tavrin Dropline!</source>
        <extracomment>Farewell, first line.</extracomment>
        <translation>Tavrin Dropline で遊んでくれてありがとう！</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <extracomment>Farewell, second line: an invitation to the web site.</extracomment>
        <translation>tavrin-dropline.example.org にも遊びに来てね</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <extracomment>Farewell, third line.</extracomment>
        <translation>新しいゲームも準備中！</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The farewell window&apos;s button, which ends the game.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The big button that starts a new game, first line of two.</extracomment>
        <translation>新しい</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The big button that starts a new game, second line of two.</extracomment>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits.</extracomment>
        <translation>情報</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <extracomment>Score panel: the red player, whose name follows.</extracomment>
        <translation>プレイヤー1：</translation>
    </message>
    <message>
        <source>Step :</source>
        <extracomment>Score panel: how many discs this colour has placed in this game.</extracomment>
        <translation>手数：</translation>
    </message>
    <message>
        <source>Winned :</source>
        <extracomment>Score panel: how many games this colour has won.</extracomment>
        <translation>勝ち数：</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <extracomment>Score panel: the blue player, whose name follows.</extracomment>
        <translation>プレイヤー2：</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Starts a new game (Ctrl+N), as the big drawn button does; &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the game through its farewell window (Ctrl+Q); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu of the game&apos;s commands; &quot;&amp;&quot; marks its access key (Alt+G).</extracomment>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The menu that holds the credits; &quot;&amp;&quot; marks its access key (Alt+A).</extracomment>
        <translation>情報(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Congratulations!! Red Player Wins </source>
        <extracomment>The winner line when red has four in a row. Keep the blank at each end.</extracomment>
        <translation> おめでとう！赤の勝ち！ </translation>
    </message>
    <message>
        <source> Congratulations!! Blue Player Wins </source>
        <extracomment>The winner line when blue has four in a row. Keep the blank at each end.</extracomment>
        <translation> おめでとう！青の勝ち！ </translation>
    </message>
    <message>
        <source> Both of you have reached a draw, Play a new game</source>
        <extracomment>The message of a drawn game. Keep the leading blank.</extracomment>
        <translation> 引き分けです。もう一度対戦しましょう！</translation>
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
        <extracomment>Asked by every new game. Say what to type for yes (the answer &quot;y&quot; below) and for no, in your language&apos;s own punctuation. Keep the leading blank.</extracomment>
        <translation> プレイヤーを交代しますか？（交代するなら「はい」または y、しないなら n を入力）</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answers to the new-players question that bring new players, separated by a blank: the language&apos;s yes-letter or yes-word, as the question names them first (a word typed with an input method, such as 是, is welcome). &quot;y&quot; is accepted as well, and a letter typed full-width counts as itself.</extracomment>
        <translation>はい</translation>
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
        <source>%1: %2</source>
        <extracomment>A score label: its title, then what it shows: &quot;Step, red: 4&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Column %1: empty</source>
        <extracomment>A column without discs, as it is read: &quot;Column 3: empty&quot;.</extracomment>
        <translation>%1列目：コマなし</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>A column without free cells, after its discs: &quot;Column 5: red, blue, red, blue, red; full&quot;.</extracomment>
        <translation>いっぱい</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
        <extracomment>A column&apos;s free cells (1 to 4), after its discs: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
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
        <extracomment>Between the colours of a column&apos;s discs: &quot;red, blue&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>赤のコマ、%1列目、%2段目</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>青のコマ、%1列目、%2段目</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1：%2列目、%3段目。</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <extracomment>Whose turn it is now: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>%1の番です。</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player is still to move: &quot;Column 5 is full. Blue, Bob, still to move.&quot;</extracomment>
        <translation>%1列目はいっぱいです。引き続き%2の番です。</translation>
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
        <translation>ゲーム盤</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Red, Ann: column 3, row 1.&quot;</extracomment>
        <translation>赤</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>青</translation>
    </message>
    <message>
        <source>red</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>赤</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>青</translation>
    </message>
    <message>
        <source>red</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, red: 4&quot;.</extracomment>
        <translation>赤</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, blue: 3&quot;.</extracomment>
        <translation>青</translation>
    </message>
</context>
</TS>
