<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Cuatro en línea</translation>
    </message>
    <message>
        <source>@DROPLINE_MAKER@</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>@DROPLINE_MAKER@</translation>
    </message>
    <message>
        <source>A game of four in a row for two people who share one mouse and take turns. The player to move clicks a column, and a disc of that player&apos;s colour drops into the lowest empty cell of the column.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Un juego de cuatro en línea para dos personas que comparten un ratón y juegan por turnos. Quien tiene el turno hace clic en una columna, y una ficha de su color cae en la casilla vacía más baja de esa columna.</translation>
    </message>
    <message>
        <source>A game in progress, with the players&apos; names and tallies</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Una partida en curso, con los nombres y las victorias de los jugadores</translation>
    </message>
    <message>
        <source>The first release.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>La primera versión.</translation>
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
        <translation>Juegos</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>SINOPSIS</translation>
    </message>
    <message>
        <source>B&lt;tavrin-dropline&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;tavrin-dropline&gt;</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>DESCRIPCIÓN</translation>
    </message>
    <message>
        <source>B&lt;@DROPLINE_NAME@&gt; is a game of four in a row for two people who share one mouse and take turns.  When it starts it asks for the two players&apos; names; the first plays red, the second blue, and red moves first.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;@DROPLINE_NAME@&gt; es un juego de cuatro en línea para dos personas que comparten un ratón y juegan por turnos.  Al empezar, pide los nombres de los dos jugadores; el primero juega con las rojas, el segundo con las azules, y empiezan las rojas.</translation>
    </message>
    <message>
        <source>B&lt;1 - 5&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;1 - 5&gt;</translation>
    </message>
    <message>
        <source>drop a disc into that column.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>dejan caer una ficha en esa columna.</translation>
    </message>
    <message>
        <source>B&lt;Left&gt;, B&lt;Right&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;Flecha izquierda&gt;, B&lt;Flecha derecha&gt;</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term: Return is the Enter key of the main keyboard, Enter the one on the numeric keypad. Name them as keyboards in your language label them, and where both bear one name, say which is which.</extracomment>
        <translation>B&lt;Intro&gt;, B&lt;Intro del teclado numérico&gt;, B&lt;Espacio&gt;, B&lt;Flecha abajo&gt;</translation>
    </message>
    <message>
        <source>drop a disc into the column last read or played.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>dejan caer una ficha en la última columna leída o jugada.</translation>
    </message>
    <message>
        <source>B&lt;S&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;S&gt;</translation>
    </message>
    <message>
        <source>read the score panel: names, discs in this game, games won, the winner.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>lee el marcador: los nombres, las fichas de esta partida, las partidas ganadas, el ganador.</translation>
    </message>
    <message>
        <source>B&lt;T&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;T&gt;</translation>
    </message>
    <message>
        <source>say whose turn it is, or who won.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>dice a quién le toca jugar, o quién ganó.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>The game takes no options or arguments.  It reads no configuration and keeps nothing between runs.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>El juego no admite opciones ni argumentos.  No lee ninguna configuración y no guarda nada de una ejecución a otra.</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>SONIDOS</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ENTORNO</translation>
    </message>
    <message>
        <source>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board for two players sharing one mouse</source>
        <extracomment>Desktop entry: a tooltip in menus and a line in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Cuatro en línea en un tablero de 5 × 5, para dos jugadores que comparten un ratón</translation>
    </message>
    <message>
        <source>four in a row;4 in a row;discs;board game;two players;</source>
        <extracomment>Desktop entry: search words, each followed by a semicolon. Rather than the English words, give those that players of your language type to find such a game: its usual generic names (never a brand name), &quot;board game&quot;, &quot;two players&quot;.</extracomment>
        <translation>cuatro en línea;4 en línea;cuatro en raya;4 en raya;fichas;tablero;juego de mesa;dos jugadores;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board</source>
        <extracomment>AppStream metainfo: the line under the game&apos;s name in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Cuatro en línea en un tablero de 5 × 5</translation>
    </message>
    <message>
        <source>The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The score panel shows both players&apos; names, their discs in the current game and the games each has won.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Gana la partida el primero que alinee cuatro fichas de su color en horizontal, en vertical o en diagonal. Cada clic en una columna cuenta, y una partida que pasa de 25 clics sin ganador termina en empate. El marcador muestra los nombres de los dos jugadores, sus fichas en la partida en curso y las partidas que ha ganado cada uno.</translation>
    </message>
    <message>
        <source>tavrin-dropline - four in a row on a 5 × 5 board, for two players sharing one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: the page&apos;s one-line description; keep &quot;tavrin-dropline - &quot; before it. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>tavrin-dropline - cuatro en línea en un tablero de 5 × 5, para dos jugadores que comparten un ratón</translation>
    </message>
    <message>
        <source>To play, click a column of the board, anywhere from its top to its bottom: a disc of your colour drops into the lowest free cell of that column, and the other player moves next.  The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game: a line at the bottom of the score panel congratulates the winning colour, that colour&apos;s count of games won goes up by one, and the board takes no more discs until a new game.  Clicks on a full column count too: they place nothing, and the turn stays with the same player.  After 25 counted clicks, the next click ends the game in a draw: a message says so and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: a click anywhere on a column, from its top cell to its bottom one, plays into it (not above it). The score panel is the panel beside the board with the players&apos; names and counts; the winner is congratulated on its bottom line.</extracomment>
        <translation>Para jugar, haga clic en cualquier punto de una columna del tablero, tanto arriba como abajo: una ficha de su color cae en la casilla libre más baja de esa columna, y le toca al otro jugador.  Gana la partida el primero que alinee cuatro fichas de su color en horizontal, en vertical o en diagonal: un mensaje en la parte inferior del marcador felicita al color ganador, ese color suma una victoria y el tablero no admite más fichas hasta una nueva partida.  Los clics en una columna llena también cuentan: no colocan ninguna ficha y el turno sigue siendo del mismo jugador.  Tras 25 clics contados, el siguiente clic termina la partida en empate: un aviso lo indica y el tablero se vacía.</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The small close button drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt;, Ctrl+Q and the window&apos;s own close button all leave the game: a farewell window shows for ten seconds, or until you click its Exit button, and then the program ends.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;Nueva partida&gt; (el botón grande, B&lt;Juego \(-E&lt;gt&gt; Nueva partida&gt; o Ctrl+N) vacía el tablero y pregunta si llegan jugadores nuevos.  B&lt;Créditos&gt; (el botón, B&lt;Acerca de \(-E&lt;gt&gt; Créditos&gt; o F1) muestra quién hizo el juego.  El pequeño botón de cierre dibujado arriba a la derecha, B&lt;Juego \(-E&lt;gt&gt; Salir&gt;, Ctrl+Q y el propio botón de cierre de la ventana permiten salir del juego: aparece una ventana de despedida durante diez segundos, o hasta que haga clic en su botón Salir, y después el programa se cierra.  Mientras el tablero tiene el foco del teclado, las teclas 1 a 5 dejan caer una ficha en las columnas 1 a 5: las cinco primeras teclas de la fila de números, con o sin Mayús, en cualquier distribución de teclado, y los dígitos 1 a 5 del teclado numérico.</translation>
    </message>
    <message>
        <source>PLAYING WITH A SCREEN READER</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>JUGAR CON UN LECTOR DE PANTALLA</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca, the game can be played with the keyboard alone, and the screen reader announces each move as it happens: who played into which column and row, who moves next, a full column, and the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Con un lector de pantalla como Orca, se puede jugar solo con el teclado, y el lector de pantalla anuncia cada jugada en el momento en que ocurre: quién jugó en qué columna y fila, a quién le toca después, una columna llena y la victoria.</translation>
    </message>
    <message>
        <source>move from column to column and read out the column reached: its discs from the bottom up, then how many of its cells are free.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>pasan de una columna a otra y leen la columna a la que llegan: sus fichas de abajo arriba y luego cuántas casillas le quedan libres.</translation>
    </message>
    <message>
        <source>When the about or farewell window opens, the screen reader reads out the words drawn in it; Return, Enter, Space or Escape press its button (OK or Exit).  None of this is shown on the screen, and without a screen reader none of it is heard: the keys still play, and S and T do nothing.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Al abrirse la ventana de créditos o la de despedida, el lector de pantalla lee las palabras dibujadas en ella; Intro, Espacio o Esc activan su botón (Aceptar o Salir).  Nada de esto se muestra en pantalla, y sin lector de pantalla nada de esto se oye: las teclas siguen sirviendo para jugar, y S y T no hacen nada.</translation>
    </message>
    <message>
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns are numbered 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>eligen el idioma del juego, de sus diálogos y de lo que dice al lector de pantalla: alemán, árabe, chino (simplificado), español, francés, japonés, portugués (Brasil) o ruso, e inglés para cualquier otro.  El tablero nunca se invierte: sus columnas se numeran de 1 a 5 de izquierda a derecha en todos los idiomas.</translation>
    </message>
    <message>
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for each disc dropped and each click on the main window&apos;s buttons, and I&lt;complete&gt; for a win; the game waits until that sound ends (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme; failing that, the I&lt;bell&gt; sound plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>El juego no trae sonidos propios.  Reproduce los sonidos de eventos del tema de sonido que indica el escritorio: en KDE Plasma, el B&lt;Theme&gt; del grupo B&lt;[Sounds]&gt; de I&lt;kdeglobals&gt;; en otros escritorios, el B&lt;theme-name&gt; del esquema de GSettings B&lt;org.gnome.desktop.sound&gt;; y si no, el tema freedesktop (paquete B&lt;sound-theme-freedesktop&gt;, en I&lt;/usr/share/sounds/freedesktop&gt;).  Se reproducen mediante libcanberra con PulseAudio o con el servicio PulseAudio de PipeWire: I&lt;service-logout&gt; cuando la ventana principal se activa y cuando se abre la ventana de despedida, I&lt;message&gt; con cada ficha que cae y cada clic en los botones de la ventana principal, e I&lt;complete&gt; con una victoria, y el juego espera a que termine ese sonido (5 segundos como máximo).  Un sonido que falta en el tema se toma del tema del que este hereda, luego del tema freedesktop, y si tampoco está allí, suena en su lugar el sonido I&lt;bell&gt;.  Cuando el escritorio desactiva los sonidos de eventos (la clave B&lt;event-sounds&gt; de B&lt;org.gnome.desktop.sound&gt;), el juego no reproduce ninguno y no espera en una victoria; al volver a activarlos, se oye el siguiente sonido.  Sin servidor de sonido, el juego queda en silencio; cuando el servidor vuelve, los sonidos vuelven también.</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits (F1); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Créditos</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Tarvin Dropline           -- About --</source>
        <extracomment>The about window&apos;s name to the desktop (task switchers, screen readers); never drawn. The game&apos;s name is Tavrin Dropline.</extracomment>
        <translation>Tavrin Dropline           -- Créditos --</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Programming: the Tavrin Dropline developers</source>
        <extracomment>Credits: who wrote the game.</extracomment>
        <translation>Programación: el equipo de Tavrin Dropline</translation>
    </message>
    <message>
        <source>Artwork: the Tavrin Dropline developers</source>
        <extracomment>Credits: who drew the pictures.</extracomment>
        <translation>Gráficos: el equipo de Tavrin Dropline</translation>
    </message>
    <message>
        <source>tavrin-dropline.example.org</source>
        <extracomment>Credits: the game&apos;s web address.</extracomment>
        <translation>tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Thank you for playing Tavrin Dropline!</source>
        <extracomment>Farewell, first line.</extracomment>
        <translation>¡Gracias por jugar a Tavrin Dropline!</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <extracomment>Farewell, second line: an invitation to the web site.</extracomment>
        <translation>Visítanos en tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <extracomment>Farewell, third line.</extracomment>
        <translation>Pronto llegarán más juegos.</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The farewell window&apos;s button, which ends the game.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The big button that starts a new game, first line of two.</extracomment>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The big button that starts a new game, second line of two.</extracomment>
        <translation>partida</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits.</extracomment>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <extracomment>Score panel: the red player, whose name follows.</extracomment>
        <translation>Jugador 1:</translation>
    </message>
    <message>
        <source>Step :</source>
        <extracomment>Score panel: how many discs this colour has placed in this game.</extracomment>
        <translation>Fichas:</translation>
    </message>
    <message>
        <source>Winned :</source>
        <extracomment>Score panel: how many games this colour has won.</extracomment>
        <translation>Victorias:</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <extracomment>Score panel: the blue player, whose name follows.</extracomment>
        <translation>Jugador 2:</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Starts a new game (Ctrl+N), as the big drawn button does; &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the game through its farewell window (Ctrl+Q); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu of the game&apos;s commands; &quot;&amp;&quot; marks its access key (Alt+G).</extracomment>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The menu that holds the credits; &quot;&amp;&quot; marks its access key (Alt+A).</extracomment>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Congratulations!! Red Player Wins </source>
        <extracomment>The winner line when red has four in a row. Keep the blank at each end.</extracomment>
        <translation> ¡¡Felicidades!! Gana el jugador rojo </translation>
    </message>
    <message>
        <source> Congratulations!! Blue Player Wins </source>
        <extracomment>The winner line when blue has four in a row. Keep the blank at each end.</extracomment>
        <translation> ¡¡Felicidades!! Gana el jugador azul </translation>
    </message>
    <message>
        <source> Both of you have reached a draw, Play a new game</source>
        <extracomment>The message of a drawn game. Keep the leading blank.</extracomment>
        <translation> Empate entre los dos, ¡a jugar una nueva partida!</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source> Players Names </source>
        <extracomment>The title of the name prompts. Keep the blank at each end.</extracomment>
        <translation> Nombres de los jugadores </translation>
    </message>
    <message>
        <source> First Player&apos;s Name</source>
        <extracomment>Asked at start-up for the red player. Keep the leading blank.</extracomment>
        <translation> Nombre del primer jugador</translation>
    </message>
    <message>
        <source> Second Player&apos;s Name</source>
        <extracomment>Asked at start-up for the blue player. Keep the leading blank.</extracomment>
        <translation> Nombre del segundo jugador</translation>
    </message>
    <message>
        <source> New players? [enter y for YES  &amp;  n for NO]</source>
        <extracomment>Asked by every new game. Say what to type for yes (the answer &quot;y&quot; below) and for no, in your language&apos;s own punctuation. Keep the leading blank.</extracomment>
        <translation> ¿Jugadores nuevos? [escribe s para SÍ  &amp;  n para NO]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answers to the new-players question that bring new players, separated by a blank: the language&apos;s yes-letter or yes-word, as the question names them first (a word typed with an input method, such as 是, is welcome). &quot;y&quot; is accepted as well, and a letter typed full-width counts as itself.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source> First Player&apos;s First Name</source>
        <extracomment>Asked for the red player when new players come. Keep the leading blank.</extracomment>
        <translation> Nombre del primer jugador</translation>
    </message>
    <message>
        <source> Second Player&apos;s First Name</source>
        <extracomment>Asked for the blue player when new players come. Keep the leading blank.</extracomment>
        <translation> Nombre del segundo jugador</translation>
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
        <translation>Columna %1: vacía</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>A column without free cells, after its discs: &quot;Column 5: red, blue, red, blue, red; full&quot;.</extracomment>
        <translation>llena</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
        <extracomment>A column&apos;s free cells (1 to 4), after its discs: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>
            <numerusform>%n casilla libre</numerusform>
            <numerusform>%n casillas libres</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1: %2; %3</source>
        <extracomment>A column, its discs from the bottom up, and its free cells: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>Columna %1: %2; %3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the colours of a column&apos;s discs: &quot;red, blue&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>ficha roja, columna %1, fila %2</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>ficha azul, columna %1, fila %2</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1: columna %2, fila %3.</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <extracomment>Whose turn it is now: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>%1, te toca.</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player is still to move: &quot;Column 5 is full. Blue, Bob, still to move.&quot;</extracomment>
        <translation>La columna %1 está llena. %2, te sigue tocando.</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The big button that starts a new game, as drawn.</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits, as drawn.</extracomment>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that leaves the game, and the farewell window&apos;s button.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Player 1</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>As drawn on the score panel, without its colon: the discs placed in this game.</extracomment>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Winned</source>
        <extracomment>As drawn on the score panel, without its colon: the games won.</extracomment>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The line of the score panel that shows who won.</extracomment>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board, as a screen reader names it.</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Red, Ann: column 3, row 1.&quot;</extracomment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>Azul</translation>
    </message>
    <message>
        <source>red</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>azul</translation>
    </message>
    <message>
        <source>red</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, red: 4&quot;.</extracomment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, blue: 3&quot;.</extracomment>
        <translation>azul</translation>
    </message>
</context>
</TS>
