<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>Четыре в ряд</translation>
    </message>
    <message>
        <source>@DROPLINE_MAKER@</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>@DROPLINE_MAKER@</translation>
    </message>
    <message>
        <source>A game of four in a row for two people who share one mouse and take turns. The player to move clicks a column, and a disc of that player&apos;s colour drops into the lowest empty cell of the column.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Игра «четыре в ряд» для двух человек, которые ходят по очереди, пользуясь одной мышью. Игрок, чей ход, щёлкает по столбцу, и фишка его цвета падает в самую нижнюю пустую клетку этого столбца.</translation>
    </message>
    <message>
        <source>A game in progress, with the players&apos; names and tallies</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Партия в разгаре: имена игроков и число их побед</translation>
    </message>
    <message>
        <source>The first release.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Первый выпуск.</translation>
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
        <translation>Игры</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>НАЗВАНИЕ</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ОБЗОР</translation>
    </message>
    <message>
        <source>B&lt;tavrin-dropline&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;tavrin-dropline&gt;</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ОПИСАНИЕ</translation>
    </message>
    <message>
        <source>B&lt;@DROPLINE_NAME@&gt; is a game of four in a row for two people who share one mouse and take turns.  When it starts it asks for the two players&apos; names; the first plays red, the second blue, and red moves first.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;@DROPLINE_NAME@&gt; — игра «четыре в ряд» для двух человек, которые ходят по очереди, пользуясь одной мышью.  При запуске она спрашивает имена двух игроков; первый играет красными, второй — синими, первыми ходят красные.</translation>
    </message>
    <message>
        <source>B&lt;1 - 5&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;1 - 5&gt;</translation>
    </message>
    <message>
        <source>drop a disc into that column.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>бросают фишку в этот столбец.</translation>
    </message>
    <message>
        <source>B&lt;Left&gt;, B&lt;Right&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;Стрелка влево&gt;, B&lt;Стрелка вправо&gt;</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term: Return is the Enter key of the main keyboard, Enter the one on the numeric keypad. Name them as keyboards in your language label them, and where both bear one name, say which is which.</extracomment>
        <translation>B&lt;Enter&gt;, B&lt;Enter на цифровой клавиатуре&gt;, B&lt;Пробел&gt;, B&lt;Стрелка вниз&gt;</translation>
    </message>
    <message>
        <source>drop a disc into the column last read or played.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>бросают фишку в последний прочитанный столбец или в тот, куда сделан последний ход.</translation>
    </message>
    <message>
        <source>B&lt;S&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;S&gt;</translation>
    </message>
    <message>
        <source>read the score panel: names, discs in this game, games won, the winner.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>зачитывает табло: имена, ходы в этой партии, выигранные партии, победителя.</translation>
    </message>
    <message>
        <source>B&lt;T&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;T&gt;</translation>
    </message>
    <message>
        <source>say whose turn it is, or who won.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>говорит, чей ход или кто победил.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ПАРАМЕТРЫ</translation>
    </message>
    <message>
        <source>The game takes no options or arguments.  It reads no configuration and keeps nothing between runs.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Игра не принимает ни параметров, ни аргументов.  Она не читает никаких настроек и ничего не сохраняет между запусками.</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ЗВУКИ</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ОКРУЖЕНИЕ</translation>
    </message>
    <message>
        <source>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board for two players sharing one mouse</source>
        <extracomment>Desktop entry: a tooltip in menus and a line in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Четыре в ряд на поле 5 × 5 для двух игроков с одной мышью</translation>
    </message>
    <message>
        <source>four in a row;4 in a row;discs;board game;two players;</source>
        <extracomment>Desktop entry: search words, each followed by a semicolon. Rather than the English words, give those that players of your language type to find such a game: its usual generic names (never a brand name), &quot;board game&quot;, &quot;two players&quot;.</extracomment>
        <translation>четыре в ряд;4 в ряд;фишки;настольная игра;логическая игра;два игрока;вдвоём;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board</source>
        <extracomment>AppStream metainfo: the line under the game&apos;s name in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Четыре в ряд на поле 5 × 5</translation>
    </message>
    <message>
        <source>The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The score panel shows both players&apos; names, their discs in the current game and the games each has won.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Побеждает тот, кто первым выстроит четыре фишки своего цвета в одну линию — по горизонтали, по вертикали или по диагонали. Каждый щелчок по столбцу засчитывается, и партия, в которой после 25 щелчков нет победителя, заканчивается вничью. На табло видны имена обоих игроков, сколько фишек каждый поставил в текущей партии и сколько партий выиграл.</translation>
    </message>
    <message>
        <source>tavrin-dropline - four in a row on a 5 × 5 board, for two players sharing one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: the page&apos;s one-line description; keep &quot;tavrin-dropline - &quot; before it. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>tavrin-dropline - четыре в ряд на поле 5 × 5 для двух игроков с одной мышью</translation>
    </message>
    <message>
        <source>To play, click a column of the board, anywhere from its top to its bottom: a disc of your colour drops into the lowest free cell of that column, and the other player moves next.  The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game: a line at the bottom of the score panel congratulates the winning colour, that colour&apos;s count of games won goes up by one, and the board takes no more discs until a new game.  Clicks on a full column count too: they place nothing, and the turn stays with the same player.  After 25 counted clicks, the next click ends the game in a draw: a message says so and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: a click anywhere on a column, from its top cell to its bottom one, plays into it (not above it). The score panel is the panel beside the board with the players&apos; names and counts; the winner is congratulated on its bottom line.</extracomment>
        <translation>Чтобы сделать ход, щёлкните по столбцу на поле в любом его месте, сверху или снизу: фишка вашего цвета упадёт в самую нижнюю свободную клетку этого столбца, и ход перейдёт к другому игроку.  Побеждает тот, кто первым выстроит четыре фишки своего цвета по горизонтали, по вертикали или по диагонали: об этом сообщает строка поздравления внизу табло, счёт побед этого цвета увеличивается на единицу, и до новой игры поле больше не принимает фишек.  Щелчки по заполненному столбцу тоже засчитываются: фишка не ставится, и ход остаётся за тем же игроком.  После 25 засчитанных щелчков следующий щелчок завершает партию вничью: появляется сообщение об этом, и поле очищается.</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The small close button drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt;, Ctrl+Q and the window&apos;s own close button all leave the game: a farewell window shows for ten seconds, or until you click its Exit button, and then the program ends.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;Новая игра&gt; (большая кнопка, B&lt;Игра \(-E&lt;gt&gt; Новая игра&gt; или Ctrl+N) очищает поле и спрашивает, не пришли ли новые игроки.  B&lt;Об игре&gt; (кнопка, B&lt;Справка \(-E&lt;gt&gt; Об игре&gt; или F1) показывает авторов игры.  Маленькая кнопка закрытия, нарисованная в правом верхнем углу, B&lt;Игра \(-E&lt;gt&gt; Выход&gt;, Ctrl+Q и кнопка закрытия самого окна завершают игру: появляется окно прощания — на десять секунд или до щелчка по его кнопке «Выход», — после чего программа закрывается.  Пока поле в фокусе клавиатуры, клавиши с 1 по 5 бросают фишку в столбцы с 1 по 5: это первые пять клавиш цифрового ряда, с Shift или без, при любой раскладке клавиатуры, а также цифры с 1 по 5 на цифровой клавиатуре.</translation>
    </message>
    <message>
        <source>PLAYING WITH A SCREEN READER</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ИГРА С ПРОГРАММОЙ ЧТЕНИЯ С ЭКРАНА</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca, the game can be played with the keyboard alone, and the screen reader announces each move as it happens: who played into which column and row, who moves next, a full column, and the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>С программой чтения с экрана, например Orca, в игру можно играть одной клавиатурой, а программа чтения с экрана сразу сообщает о каждом ходе: кто в какой столбец и ряд поставил фишку, кто ходит следующим, о заполненном столбце и о победе.</translation>
    </message>
    <message>
        <source>move from column to column and read out the column reached: its discs from the bottom up, then how many of its cells are free.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>переходят от столбца к столбцу и зачитывают столбец, на который перешли: его фишки снизу вверх, затем число свободных клеток.</translation>
    </message>
    <message>
        <source>When the about or farewell window opens, the screen reader reads out the words drawn in it; Return, Enter, Space or Escape press its button (OK or Exit).  None of this is shown on the screen, and without a screen reader none of it is heard: the keys still play, and S and T do nothing.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Когда открывается окно «Об игре» или окно прощания, программа чтения с экрана зачитывает нарисованные в нём слова; Enter, Enter на цифровой клавиатуре, Пробел или Esc нажимают его кнопку («ОК» или «Выход»).  Ничего из этого не отображается на экране, а без программы чтения с экрана ничего из этого не слышно: клавиши по-прежнему служат для игры, а S и T ничего не делают.</translation>
    </message>
    <message>
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns are numbered 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>выбирают язык игры, её диалогов и того, что она говорит программе чтения с экрана: арабский, испанский, китайский (упрощённый), немецкий, португальский (Бразилия), русский, французский или японский, а для любого другого — английский.  Поле никогда не отражается зеркально: на любом языке его столбцы нумеруются от 1 до 5 слева направо.</translation>
    </message>
    <message>
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for each disc dropped and each click on the main window&apos;s buttons, and I&lt;complete&gt; for a win; the game waits until that sound ends (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme; failing that, the I&lt;bell&gt; sound plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>У игры нет собственных звуков.  Она воспроизводит звуки событий из звуковой темы, которую указывает рабочий стол: в KDE Plasma — B&lt;Theme&gt; из группы B&lt;[Sounds]&gt; в I&lt;kdeglobals&gt;, в других средах — B&lt;theme-name&gt; из схемы GSettings B&lt;org.gnome.desktop.sound&gt;, а в остальных случаях — тему freedesktop (пакет B&lt;sound-theme-freedesktop&gt;, в I&lt;/usr/share/sounds/freedesktop&gt;).  Звуки воспроизводятся через libcanberra с помощью PulseAudio или службы PulseAudio в PipeWire: I&lt;service-logout&gt; — когда главное окно становится активным и когда открывается окно прощания, I&lt;message&gt; — при каждой поставленной фишке и каждом щелчке по кнопкам главного окна, I&lt;complete&gt; — при победе, и игра дожидается его окончания (не более 5 секунд).  Звук, которого нет в теме, берётся из темы, от которой она наследует, затем из темы freedesktop, а если его нет и там, вместо него звучит звук I&lt;bell&gt;.  Когда рабочий стол отключает звуки событий (ключ B&lt;event-sounds&gt; в B&lt;org.gnome.desktop.sound&gt;), игра не воспроизводит ни одного звука и не ждёт при победе; после повторного включения слышен уже следующий звук.  Без звукового сервера игра молчит; когда сервер возвращается, возвращаются и звуки.</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits (F1); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Об игре</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Tarvin Dropline           -- About --</source>
        <extracomment>The about window&apos;s name to the desktop (task switchers, screen readers); never drawn. The game&apos;s name is Tavrin Dropline.</extracomment>
        <translation>Tavrin Dropline           -- Об игре --</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Programming: the Tavrin Dropline developers</source>
        <extracomment>Credits: who wrote the game.</extracomment>
        <translation>Программирование: команда Tavrin Dropline</translation>
    </message>
    <message>
        <source>Artwork: the Tavrin Dropline developers</source>
        <extracomment>Credits: who drew the pictures.</extracomment>
        <translation>Графика: команда Tavrin Dropline</translation>
    </message>
    <message>
        <source>tavrin-dropline.example.org</source>
        <extracomment>Credits: the game&apos;s web address.</extracomment>
        <translation>tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Thank you for playing Tavrin Dropline!</source>
        <extracomment>Farewell, first line.</extracomment>
        <translation>Спасибо, что играли в Tavrin Dropline!</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <extracomment>Farewell, second line: an invitation to the web site.</extracomment>
        <translation>Ждём вас на tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <extracomment>Farewell, third line.</extracomment>
        <translation>Скоро появятся новые игры.</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The farewell window&apos;s button, which ends the game.</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The big button that starts a new game, first line of two.</extracomment>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The big button that starts a new game, second line of two.</extracomment>
        <translation>игра</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits.</extracomment>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <extracomment>Score panel: the red player, whose name follows.</extracomment>
        <translation>Игрок 1:</translation>
    </message>
    <message>
        <source>Step :</source>
        <extracomment>Score panel: how many discs this colour has placed in this game.</extracomment>
        <translation>Ходы:</translation>
    </message>
    <message>
        <source>Winned :</source>
        <extracomment>Score panel: how many games this colour has won.</extracomment>
        <translation>Победы:</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <extracomment>Score panel: the blue player, whose name follows.</extracomment>
        <translation>Игрок 2:</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Starts a new game (Ctrl+N), as the big drawn button does; &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the game through its farewell window (Ctrl+Q); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu of the game&apos;s commands; &quot;&amp;&quot; marks its access key (Alt+G).</extracomment>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The menu that holds the credits; &quot;&amp;&quot; marks its access key (Alt+A).</extracomment>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Congratulations!! Red Player Wins </source>
        <extracomment>The winner line when red has four in a row. Keep the blank at each end.</extracomment>
        <translation> Поздравляем!! Красные победили </translation>
    </message>
    <message>
        <source> Congratulations!! Blue Player Wins </source>
        <extracomment>The winner line when blue has four in a row. Keep the blank at each end.</extracomment>
        <translation> Поздравляем!! Синие победили </translation>
    </message>
    <message>
        <source> Both of you have reached a draw, Play a new game</source>
        <extracomment>The message of a drawn game. Keep the leading blank.</extracomment>
        <translation> Ничья! Сыграйте ещё одну партию</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source> Players Names </source>
        <extracomment>The title of the name prompts. Keep the blank at each end.</extracomment>
        <translation> Имена игроков </translation>
    </message>
    <message>
        <source> First Player&apos;s Name</source>
        <extracomment>Asked at start-up for the red player. Keep the leading blank.</extracomment>
        <translation> Имя первого игрока</translation>
    </message>
    <message>
        <source> Second Player&apos;s Name</source>
        <extracomment>Asked at start-up for the blue player. Keep the leading blank.</extracomment>
        <translation> Имя второго игрока</translation>
    </message>
    <message>
        <source> New players? [enter y for YES  &amp;  n for NO]</source>
        <extracomment>Asked by every new game. Say what to type for yes (the answer &quot;y&quot; below) and for no, in your language&apos;s own punctuation. Keep the leading blank.</extracomment>
        <translation> Новые игроки? [введите д — ДА,  н — НЕТ]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answers to the new-players question that bring new players, separated by a blank: the language&apos;s yes-letter or yes-word, as the question names them first (a word typed with an input method, such as 是, is welcome). &quot;y&quot; is accepted as well, and a letter typed full-width counts as itself.</extracomment>
        <translation>д</translation>
    </message>
    <message>
        <source> First Player&apos;s First Name</source>
        <extracomment>Asked for the red player when new players come. Keep the leading blank.</extracomment>
        <translation> Имя первого игрока</translation>
    </message>
    <message>
        <source> Second Player&apos;s First Name</source>
        <extracomment>Asked for the blue player when new players come. Keep the leading blank.</extracomment>
        <translation> Имя второго игрока</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, %2</source>
        <comment>score title</comment>
        <extracomment>A word of the score panel, then the colour of its values: &quot;Step, red&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>player</comment>
        <extracomment>A player: the colour of the discs, then the name typed: &quot;Red, Ann&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>Closes a sentence that has no mark of its own.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source> </source>
        <extracomment>Between two sentences.</extracomment>
        <translation> </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score label: its title, then what it shows: &quot;Step, red: 4&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1: empty</source>
        <extracomment>A column without discs, as it is read: &quot;Column 3: empty&quot;.</extracomment>
        <translation>Столбец %1: пустой</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>A column without free cells, after its discs: &quot;Column 5: red, blue, red, blue, red; full&quot;.</extracomment>
        <translation>заполнен</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
        <extracomment>A column&apos;s free cells (1 to 4), after its discs: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>
            <numerusform>%n свободная клетка</numerusform>
            <numerusform>%n свободные клетки</numerusform>
            <numerusform>%n свободных клеток</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1: %2; %3</source>
        <extracomment>A column, its discs from the bottom up, and its free cells: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>Столбец %1: %2; %3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the colours of a column&apos;s discs: &quot;red, blue&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>красная фишка, столбец %1, ряд %2</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>синяя фишка, столбец %1, ряд %2</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1: столбец %2, ряд %3.</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <extracomment>Whose turn it is now: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>%1, твой ход.</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player is still to move: &quot;Column 5 is full. Blue, Bob, still to move.&quot;</extracomment>
        <translation>Столбец %1 заполнен. %2, ход всё ещё твой.</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The big button that starts a new game, as drawn.</extracomment>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits, as drawn.</extracomment>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that leaves the game, and the farewell window&apos;s button.</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Player 1</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>As drawn on the score panel, without its colon: the discs placed in this game.</extracomment>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Winned</source>
        <extracomment>As drawn on the score panel, without its colon: the games won.</extracomment>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The line of the score panel that shows who won.</extracomment>
        <translation>Победитель</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board, as a screen reader names it.</extracomment>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Red, Ann: column 3, row 1.&quot;</extracomment>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>Синий</translation>
    </message>
    <message>
        <source>red</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>красная</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>синяя</translation>
    </message>
    <message>
        <source>red</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, red: 4&quot;.</extracomment>
        <translation>красный</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, blue: 3&quot;.</extracomment>
        <translation>синий</translation>
    </message>
</context>
</TS>
