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
        <extracomment>Desktop entry</extracomment>
        <translation>Четыре в ряд</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board for two players at one mouse</source>
        <extracomment>Desktop entry</extracomment>
        <translation>Четыре в ряд на поле 5 × 5 для двух игроков с одной мышью</translation>
    </message>
    <message>
        <source>four;row;discs;board;two players;</source>
        <extracomment>Desktop entry</extracomment>
        <translation>четыре;ряд;фишки;поле;два игрока;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Четыре в ряд на поле 5 × 5</translation>
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
        <source>Four discs of one colour in a straight line, along a row, a column or a diagonal, win the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The scoreboard keeps each player&apos;s name and tally.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Четыре фишки одного цвета на одной прямой — по горизонтали, по вертикали или по диагонали — выигрывают партию. Каждый щелчок по столбцу засчитывается, и партия, в которой после 25 щелчков нет победителя, заканчивается вничью. Табло хранит имя каждого игрока и число его побед.</translation>
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
        <source>tavrin-dropline - four in a row on a 5 x 5 board, for two players at one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>tavrin-dropline - четыре в ряд на поле 5 × 5 для двух игроков с одной мышью</translation>
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
        <source>Click anywhere over a column of the board to drop a disc of your colour into its lowest free cell.  Four discs of one colour in a row, a column or a diagonal win: the winner line says so, that colour&apos;s tally goes up and the board takes no more discs until a new game.  Every click on a column counts, also one on a full column; after 25 counted clicks the next click is a draw, and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Щёлкните в любом месте столбца на поле, чтобы бросить фишку своего цвета в самую нижнюю свободную клетку этого столбца.  Четыре фишки одного цвета по горизонтали, по вертикали или по диагонали побеждают: строка победителя сообщает об этом, число побед этого цвета растёт на одну, и до новой игры поле больше не принимает фишек.  Каждый щелчок по столбцу засчитывается, даже по заполненному; после 25 засчитанных щелчков следующий щелчок означает ничью, и поле очищается.</translation>
    </message>
    <message>
        <source>KEYS FOR PLAYING BY EAR</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>КЛАВИШИ ДЛЯ ИГРЫ НА СЛУХ</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca the game is played by keys alone, and the screen reader says every move as it happens: who played into which column and row and who moves next, a full column, the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>С программой чтения с экрана, например Orca, в игру играют одной клавиатурой, а программа чтения с экрана сразу сообщает о каждом ходе: кто в какой столбец и ряд сходил и кто ходит следующим, о заполненном столбце, о победе.</translation>
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
        <source>move over the columns and read each one, its discs from the bottom up and its free cells.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>переходят от столбца к столбцу и зачитывают каждый: его фишки снизу вверх и свободные клетки.</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;Enter&gt;, B&lt;Enter на цифровой клавиатуре&gt;, B&lt;Пробел&gt;, B&lt;Стрелка вниз&gt;</translation>
    </message>
    <message>
        <source>drop a disc into the column last read or played.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>бросают фишку в столбец, который последним зачитали или в который последним сходили.</translation>
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
        <source>The about and farewell windows read the words drawn in them when they open; Return, Enter, Space or Escape press their OK or Exit button.  Nothing of this is drawn, and without a screen reader these keys only play (S and T say nothing).</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Окна «Об игре» и прощания при открытии зачитывают нарисованные в них слова; Enter, Enter на цифровой клавиатуре, Пробел или Esc нажимают их кнопку «ОК» или «Выход».  Ничего из этого не отображается на экране, а без программы чтения с экрана эти клавиши служат только для игры (S и T ничего не говорят).</translation>
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
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for every disc and button, and I&lt;complete&gt; for a win, which the game waits for (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme, then its I&lt;bell&gt; plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>У игры нет собственных звуков.  Она воспроизводит звуки событий из звуковой темы, которую указывает рабочий стол: в KDE Plasma — B&lt;Theme&gt; из группы B&lt;[Sounds]&gt; в I&lt;kdeglobals&gt;, в других средах — B&lt;theme-name&gt; из схемы GSettings B&lt;org.gnome.desktop.sound&gt;, а в остальных случаях — тему freedesktop (пакет B&lt;sound-theme-freedesktop&gt;, в I&lt;/usr/share/sounds/freedesktop&gt;).  Звуки воспроизводятся через libcanberra с помощью PulseAudio или службы PulseAudio в PipeWire: I&lt;service-logout&gt; — когда главное окно становится активным и когда открывается окно прощания, I&lt;message&gt; — при каждой фишке и каждой кнопке, I&lt;complete&gt; — при победе, причём его игра дожидается (не более 5 секунд).  Звук, которого нет в теме, берётся из темы, от которой она наследует, затем из темы freedesktop, а если его нет и там, вместо него звучит I&lt;bell&gt;.  Когда рабочий стол отключает звуки событий (ключ B&lt;event-sounds&gt; в B&lt;org.gnome.desktop.sound&gt;), игра не воспроизводит ни одного звука и не ждёт при победе; после повторного включения слышен уже следующий звук.  Без звукового сервера игра молчит; когда сервер возвращается, возвращаются и звуки.</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The close box drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt; or Ctrl+Q leave the game through a farewell window, which ends the program after ten seconds or at a click on its Exit button.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;Новая игра&gt; (большая кнопка, B&lt;Игра \(-E&lt;gt&gt; Новая игра&gt; или Ctrl+N) очищает поле и спрашивает, не пришли ли новые игроки.  B&lt;Об игре&gt; (кнопка, B&lt;Справка \(-E&lt;gt&gt; Об игре&gt; или F1) показывает авторов игры.  Нарисованная в правом верхнем углу кнопка закрытия, B&lt;Игра \(-E&lt;gt&gt; Выход&gt; или Ctrl+Q завершают игру через окно прощания, которое закрывает программу через десять секунд или по щелчку на его кнопке «Выход».  Пока поле в фокусе клавиатуры, клавиши с 1 по 5 бросают фишку в столбцы с 1 по 5: это первые пять клавиш цифрового ряда, с Shift или без, при любой раскладке клавиатуры, а также цифры с 1 по 5 на цифровой клавиатуре.</translation>
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
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns count from 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>выбирают язык игры, её диалогов и того, что она говорит программе чтения с экрана: арабский, испанский, китайский (упрощённый), немецкий, португальский (Бразилия), русский, французский или японский, а для любого другого — английский.  Поле никогда не отражается зеркально: на любом языке его столбцы нумеруются от 1 до 5 слева направо.</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits.</extracomment>
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
        <translation>Графика: команда Tavrin Dropline</translation>
    </message>
    <message>
        <source>tavrin-dropline.example.org</source>
        <translation>tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Thank you for playing Tavrin Dropline!</source>
        <translation>Спасибо, что играли в Tavrin Dropline!</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <translation>Ждём вас на tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <translation>Скоро появятся новые игры.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>игра</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <translation>Игрок 1:</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Ходы:</translation>
    </message>
    <message>
        <source>Winned :</source>
        <translation>Победы:</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <translation>Игрок 2:</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;About</source>
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
        <extracomment>Asked by every new game. Name the same letter as the answer &quot;y&quot; below.</extracomment>
        <translation> Новые игроки? [введите д — ДА  &amp;  н — НЕТ]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answer to the new-players question that brings new players: one letter, the one the question names. &quot;y&quot; is accepted as well.</extracomment>
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
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score label: its title, then what it shows: &quot;Step, red: 4&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1: empty</source>
        <translation>Столбец %1: пустой</translation>
    </message>
    <message>
        <source>full</source>
        <translation>заполнен</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
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
        <extracomment>Between the colours of a column&apos;s discs.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <translation>красная фишка, столбец %1, ряд %2</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <translation>синяя фишка, столбец %1, ряд %2</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1: столбец %2, ряд %3.</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <translation>%1, твой ход.</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player moves.</extracomment>
        <translation>Столбец %1 заполнен. %2, ходи ещё раз.</translation>
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
</context>
</TS>
