<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Vier in einer Reihe</translation>
    </message>
    <message>
        <source>@DROPLINE_MAKER@</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>@DROPLINE_MAKER@</translation>
    </message>
    <message>
        <source>A game of four in a row for two people who share one mouse and take turns. The player to move clicks a column, and a disc of that player&apos;s colour drops into the lowest empty cell of the column.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Ein Spiel „Vier in einer Reihe“ für zwei Personen, die sich eine Maus teilen und abwechselnd ziehen. Wer am Zug ist, klickt auf eine Spalte, und ein Stein in seiner Farbe fällt in das unterste freie Feld dieser Spalte.</translation>
    </message>
    <message>
        <source>A game in progress, with the players&apos; names and tallies</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Ein laufendes Spiel mit den Namen und Siegen der Spieler</translation>
    </message>
    <message>
        <source>The first release.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Erste Veröffentlichung.</translation>
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
        <translation>Spiele</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>BEZEICHNUNG</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>B&lt;tavrin-dropline&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;tavrin-dropline&gt;</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>B&lt;@DROPLINE_NAME@&gt; is a game of four in a row for two people who share one mouse and take turns.  When it starts it asks for the two players&apos; names; the first plays red, the second blue, and red moves first.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;@DROPLINE_NAME@&gt; ist ein Spiel „Vier in einer Reihe“ für zwei Personen, die sich eine Maus teilen und abwechselnd ziehen.  Beim Start fragt es nach den Namen der beiden Spieler; der erste spielt Rot, der zweite Blau, und Rot beginnt.</translation>
    </message>
    <message>
        <source>B&lt;1 - 5&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;1 - 5&gt;</translation>
    </message>
    <message>
        <source>drop a disc into that column.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>lassen einen Stein in diese Spalte fallen.</translation>
    </message>
    <message>
        <source>B&lt;Left&gt;, B&lt;Right&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;Pfeil links&gt;, B&lt;Pfeil rechts&gt;</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term: Return is the Enter key of the main keyboard, Enter the one on the numeric keypad. Name them as keyboards in your language label them, and where both bear one name, say which is which.</extracomment>
        <translation>B&lt;Eingabetaste&gt;, B&lt;Enter&gt; (Ziffernblock), B&lt;Leertaste&gt;, B&lt;Pfeil unten&gt;</translation>
    </message>
    <message>
        <source>drop a disc into the column last read or played.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>lassen einen Stein in die zuletzt vorgelesene oder gespielte Spalte fallen.</translation>
    </message>
    <message>
        <source>B&lt;S&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;S&gt;</translation>
    </message>
    <message>
        <source>read the score panel: names, discs in this game, games won, the winner.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>liest die Anzeigetafel vor: Namen, Züge in diesem Spiel, gewonnene Spiele, den Sieger.</translation>
    </message>
    <message>
        <source>B&lt;T&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;T&gt;</translation>
    </message>
    <message>
        <source>say whose turn it is, or who won.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>sagt, wer am Zug ist oder wer gewonnen hat.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>The game takes no options or arguments.  It reads no configuration and keeps nothing between runs.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Das Spiel kennt keine Optionen oder Argumente.  Es liest keine Konfiguration und behält nichts von einem Start zum nächsten.</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>KLÄNGE</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>UMGEBUNGSVARIABLEN</translation>
    </message>
    <message>
        <source>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board for two players sharing one mouse</source>
        <extracomment>Desktop entry: a tooltip in menus and a line in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Vier in einer Reihe auf einem Spielfeld mit 5 × 5 Feldern, für zwei Spieler, die sich eine Maus teilen</translation>
    </message>
    <message>
        <source>four in a row;4 in a row;discs;board game;two players;</source>
        <extracomment>Desktop entry: search words, each followed by a semicolon. Rather than the English words, give those that players of your language type to find such a game: its usual generic names (never a brand name), &quot;board game&quot;, &quot;two players&quot;.</extracomment>
        <translation>vier in einer Reihe;4 in einer Reihe;Steine;Spielsteine;Spielfeld;Brettspiel;zwei Spieler;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board</source>
        <extracomment>AppStream metainfo: the line under the game&apos;s name in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Vier in einer Reihe auf einem Spielfeld mit 5 × 5 Feldern</translation>
    </message>
    <message>
        <source>The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The score panel shows both players&apos; names, their discs in the current game and the games each has won.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Wer als Erster vier Steine seiner Farbe waagerecht, senkrecht oder diagonal in eine Reihe bringt, gewinnt das Spiel. Jeder Klick auf eine Spalte zählt, und ein Spiel, das nach 25 Klicks noch keinen Sieger hat, endet unentschieden. Die Anzeigetafel zeigt die Namen beider Spieler, ihre Steine im laufenden Spiel und ihre gewonnenen Spiele.</translation>
    </message>
    <message>
        <source>tavrin-dropline - four in a row on a 5 × 5 board, for two players sharing one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: the page&apos;s one-line description; keep &quot;tavrin-dropline - &quot; before it. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>tavrin-dropline - Vier in einer Reihe auf einem Spielfeld mit 5 × 5 Feldern, für zwei Spieler, die sich eine Maus teilen</translation>
    </message>
    <message>
        <source>To play, click a column of the board, anywhere from its top to its bottom: a disc of your colour drops into the lowest free cell of that column, and the other player moves next.  The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game: a line at the bottom of the score panel congratulates the winning colour, that colour&apos;s count of games won goes up by one, and the board takes no more discs until a new game.  Clicks on a full column count too: they place nothing, and the turn stays with the same player.  After 25 counted clicks, the next click ends the game in a draw: a message says so and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: a click anywhere on a column, from its top cell to its bottom one, plays into it (not above it). The score panel is the panel beside the board with the players&apos; names and counts; the winner is congratulated on its bottom line.</extracomment>
        <translation>Klicken Sie zum Spielen irgendwo auf eine Spalte des Spielfelds, ob oben oder unten: Ein Stein Ihrer Farbe fällt in das unterste freie Feld dieser Spalte, und der andere Spieler ist am Zug.  Wer als Erster vier Steine seiner Farbe waagerecht, senkrecht oder diagonal in eine Reihe bringt, gewinnt das Spiel: Eine Zeile unten auf der Anzeigetafel gratuliert der Siegerfarbe, diese Farbe erhält einen Sieg mehr, und das Spielfeld nimmt bis zu einem neuen Spiel keine Steine mehr an.  Auch Klicks auf eine volle Spalte zählen: Dabei wird kein Stein gesetzt, und derselbe Spieler bleibt am Zug.  Nach 25 gezählten Klicks beendet der nächste Klick das Spiel unentschieden: Eine Meldung zeigt das an, und das Spielfeld wird geleert.</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The small close button drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt;, Ctrl+Q and the window&apos;s own close button all leave the game: a farewell window shows for ten seconds, or until you click its Exit button, and then the program ends.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;Neues Spiel&gt; (die große Schaltfläche, B&lt;Spiel \(-E&lt;gt&gt; Neues Spiel&gt; oder Strg+N) leert das Spielfeld und fragt, ob neue Spieler kommen.  B&lt;Info&gt; (die Schaltfläche, B&lt;Info \(-E&lt;gt&gt; Über Tavrin Dropline&gt; oder F1) zeigt, wer das Spiel gemacht hat.  Das kleine, oben rechts gezeichnete Schließkreuz, B&lt;Spiel \(-E&lt;gt&gt; Beenden&gt;, Strg+Q und die Schließen-Schaltfläche des Fensters selbst beenden das Spiel: Ein Abschiedsfenster erscheint für zehn Sekunden oder bis Sie auf seine Schaltfläche Beenden klicken, dann endet das Programm.  Solange das Spielfeld den Tastaturfokus hat, lassen die Tasten 1 bis 5 einen Stein in die Spalten 1 bis 5 fallen: die ersten fünf Tasten der Zahlenreihe, mit oder ohne Umschalttaste, bei jeder Tastaturbelegung, und die Ziffern 1 bis 5 des Ziffernblocks.</translation>
    </message>
    <message>
        <source>PLAYING WITH A SCREEN READER</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>SPIELEN MIT EINEM BILDSCHIRMLESER</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca, the game can be played with the keyboard alone, and the screen reader announces each move as it happens: who played into which column and row, who moves next, a full column, and the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Mit einem Bildschirmleser wie Orca lässt sich das Spiel allein mit der Tastatur spielen, und der Bildschirmleser sagt jeden Zug an, sobald er geschieht: wer in welche Spalte und Reihe gespielt hat, wer als Nächstes am Zug ist, eine volle Spalte und den Sieg.</translation>
    </message>
    <message>
        <source>move from column to column and read out the column reached: its discs from the bottom up, then how many of its cells are free.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>wechseln von Spalte zu Spalte und lesen die erreichte Spalte vor: ihre Steine von unten nach oben, dann wie viele ihrer Felder frei sind.</translation>
    </message>
    <message>
        <source>When the about or farewell window opens, the screen reader reads out the words drawn in it; Return, Enter, Space or Escape press its button (OK or Exit).  None of this is shown on the screen, and without a screen reader none of it is heard: the keys still play, and S and T do nothing.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Wenn sich das Info- oder das Abschiedsfenster öffnet, liest der Bildschirmleser die darin gezeichneten Wörter vor; Eingabetaste, Enter auf dem Ziffernblock, Leertaste oder Esc betätigen seine Schaltfläche (OK bzw. Beenden).  Nichts davon ist auf dem Bildschirm zu sehen, und ohne Bildschirmleser ist nichts davon zu hören: Mit den Tasten lässt sich weiterhin spielen, und S und T bewirken nichts.</translation>
    </message>
    <message>
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns are numbered 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>wählen die Sprache des Spiels, seiner Dialoge und dessen, was es einem Bildschirmleser sagt: Arabisch, Chinesisch (vereinfacht), Deutsch, Französisch, Japanisch, Portugiesisch (Brasilien), Russisch oder Spanisch, und Englisch für jede andere.  Das Spielfeld wird nie gespiegelt: Seine Spalten sind in jeder Sprache von links nach rechts von 1 bis 5 nummeriert.</translation>
    </message>
    <message>
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for each disc dropped and each click on the main window&apos;s buttons, and I&lt;complete&gt; for a win; the game waits until that sound ends (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme; failing that, the I&lt;bell&gt; sound plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Das Spiel bringt keine eigenen Klänge mit.  Es spielt Ereignisklänge aus dem Klangthema, das die Arbeitsumgebung nennt: unter KDE Plasma das B&lt;Theme&gt; der Gruppe B&lt;[Sounds]&gt; in I&lt;kdeglobals&gt;, anderswo den B&lt;theme-name&gt; des GSettings-Schemas B&lt;org.gnome.desktop.sound&gt; und sonst das freedesktop-Thema (Paket B&lt;sound-theme-freedesktop&gt;, unter I&lt;/usr/share/sounds/freedesktop&gt;).  Abgespielt werden sie über libcanberra von PulseAudio oder dem PulseAudio-Dienst von PipeWire: I&lt;service-logout&gt;, wenn das Hauptfenster aktiv wird und wenn sich das Abschiedsfenster öffnet, I&lt;message&gt; bei jedem gesetzten Stein und jedem Klick auf die Schaltflächen des Hauptfensters und I&lt;complete&gt; bei einem Sieg; das Spiel wartet, bis dieser Klang verklungen ist (höchstens 5 Sekunden).  Ein Klang, der dem Thema fehlt, kommt aus dem Thema, von dem es erbt, dann aus dem freedesktop-Thema; fehlt er auch dort, erklingt stattdessen der Klang I&lt;bell&gt;.  Schaltet die Arbeitsumgebung die Ereignisklänge ab (der Schlüssel B&lt;event-sounds&gt; von B&lt;org.gnome.desktop.sound&gt;), spielt das Spiel keine und wartet bei einem Sieg nicht; sind sie wieder eingeschaltet, ist der nächste Klang zu hören.  Ohne Soundserver bleibt das Spiel stumm; kommt der Server zurück, kommen auch die Klänge zurück.</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits (F1); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Über Tavrin Dropline</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Tarvin Dropline           -- About --</source>
        <extracomment>The about window&apos;s name to the desktop (task switchers, screen readers); never drawn. The game&apos;s name is Tavrin Dropline.</extracomment>
        <translation>Tavrin Dropline           -- Info --</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Programming: the Tavrin Dropline developers</source>
        <extracomment>Credits: who wrote the game.</extracomment>
        <translation>Programmierung: das Team von Tavrin Dropline</translation>
    </message>
    <message>
        <source>Artwork: the Tavrin Dropline developers</source>
        <extracomment>Credits: who drew the pictures.</extracomment>
        <translation>Grafik: das Team von Tavrin Dropline</translation>
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
        <translation>Danke, dass ihr Tavrin Dropline gespielt habt!</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <extracomment>Farewell, second line: an invitation to the web site.</extracomment>
        <translation>Besucht uns auf tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <extracomment>Farewell, third line.</extracomment>
        <translation>Weitere Spiele sind schon unterwegs.</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The farewell window&apos;s button, which ends the game.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The big button that starts a new game, first line of two.</extracomment>
        <translation>Neues</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The big button that starts a new game, second line of two.</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <extracomment>Score panel: the red player, whose name follows.</extracomment>
        <translation>Spieler 1:</translation>
    </message>
    <message>
        <source>Step :</source>
        <extracomment>Score panel: how many discs this colour has placed in this game.</extracomment>
        <translation>Züge:</translation>
    </message>
    <message>
        <source>Winned :</source>
        <extracomment>Score panel: how many games this colour has won.</extracomment>
        <translation>Siege:</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <extracomment>Score panel: the blue player, whose name follows.</extracomment>
        <translation>Spieler 2:</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Starts a new game (Ctrl+N), as the big drawn button does; &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the game through its farewell window (Ctrl+Q); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu of the game&apos;s commands; &quot;&amp;&quot; marks its access key (Alt+G).</extracomment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The menu that holds the credits; &quot;&amp;&quot; marks its access key (Alt+A).</extracomment>
        <translation>&amp;Info</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Congratulations!! Red Player Wins </source>
        <extracomment>The winner line when red has four in a row. Keep the blank at each end.</extracomment>
        <translation> Glückwunsch!! Rot gewinnt </translation>
    </message>
    <message>
        <source> Congratulations!! Blue Player Wins </source>
        <extracomment>The winner line when blue has four in a row. Keep the blank at each end.</extracomment>
        <translation> Glückwunsch!! Blau gewinnt </translation>
    </message>
    <message>
        <source> Both of you have reached a draw, Play a new game</source>
        <extracomment>The message of a drawn game. Keep the leading blank.</extracomment>
        <translation> Unentschieden zwischen euch beiden, spielt noch eine Runde</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source> Players Names </source>
        <extracomment>The title of the name prompts. Keep the blank at each end.</extracomment>
        <translation> Namen der Spieler </translation>
    </message>
    <message>
        <source> First Player&apos;s Name</source>
        <extracomment>Asked at start-up for the red player. Keep the leading blank.</extracomment>
        <translation> Name des ersten Spielers</translation>
    </message>
    <message>
        <source> Second Player&apos;s Name</source>
        <extracomment>Asked at start-up for the blue player. Keep the leading blank.</extracomment>
        <translation> Name des zweiten Spielers</translation>
    </message>
    <message>
        <source> New players? [enter y for YES  &amp;  n for NO]</source>
        <extracomment>Asked by every new game. Say what to type for yes (the answer &quot;y&quot; below) and for no, in your language&apos;s own punctuation. Keep the leading blank.</extracomment>
        <translation> Neue Spieler? [j für JA  &amp;  n für NEIN eingeben]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answers to the new-players question that bring new players, separated by a blank: the language&apos;s yes-letter or yes-word, as the question names them first (a word typed with an input method, such as 是, is welcome). &quot;y&quot; is accepted as well, and a letter typed full-width counts as itself.</extracomment>
        <translation>j</translation>
    </message>
    <message>
        <source> First Player&apos;s First Name</source>
        <extracomment>Asked for the red player when new players come. Keep the leading blank.</extracomment>
        <translation> Vorname des ersten Spielers</translation>
    </message>
    <message>
        <source> Second Player&apos;s First Name</source>
        <extracomment>Asked for the blue player when new players come. Keep the leading blank.</extracomment>
        <translation> Vorname des zweiten Spielers</translation>
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
        <translation>Spalte %1: leer</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>A column without free cells, after its discs: &quot;Column 5: red, blue, red, blue, red; full&quot;.</extracomment>
        <translation>voll</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
        <extracomment>A column&apos;s free cells (1 to 4), after its discs: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>
            <numerusform>%n Feld frei</numerusform>
            <numerusform>%n Felder frei</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1: %2; %3</source>
        <extracomment>A column, its discs from the bottom up, and its free cells: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>Spalte %1: %2; %3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the colours of a column&apos;s discs: &quot;red, blue&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>roter Stein, Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>blauer Stein, Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1: Spalte %2, Reihe %3.</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <extracomment>Whose turn it is now: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>%1, du bist dran.</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player is still to move: &quot;Column 5 is full. Blue, Bob, still to move.&quot;</extracomment>
        <translation>Spalte %1 ist voll. %2, du bist noch dran.</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The big button that starts a new game, as drawn.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits, as drawn.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that leaves the game, and the farewell window&apos;s button.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>As drawn on the score panel, without its colon: the discs placed in this game.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Winned</source>
        <extracomment>As drawn on the score panel, without its colon: the games won.</extracomment>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The line of the score panel that shows who won.</extracomment>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board, as a screen reader names it.</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Red, Ann: column 3, row 1.&quot;</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>red</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>red</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, red: 4&quot;.</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, blue: 3&quot;.</extracomment>
        <translation>Blau</translation>
    </message>
</context>
</TS>
