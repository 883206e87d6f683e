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
        <extracomment>Desktop entry</extracomment>
        <translation>Vier in einer Reihe</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board for two players at one mouse</source>
        <extracomment>Desktop entry</extracomment>
        <translation>Vier in einer Reihe auf einem Spielfeld mit 5 x 5 Feldern, für zwei Spieler an einer Maus</translation>
    </message>
    <message>
        <source>four;row;discs;board;two players;</source>
        <extracomment>Desktop entry</extracomment>
        <translation>vier;Reihe;Steine;Spielfeld;zwei Spieler;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Vier in einer Reihe auf einem Spielfeld mit 5 x 5 Feldern</translation>
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
        <source>Four discs of one colour in a straight line, along a row, a column or a diagonal, win the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The scoreboard keeps each player&apos;s name and tally.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Vier Steine einer Farbe in einer geraden Linie, waagerecht, senkrecht oder diagonal, gewinnen das Spiel. Jeder Klick auf eine Spalte zählt, und ein Spiel, das nach 25 Klicks noch keinen Sieger hat, endet unentschieden. Die Anzeigetafel hält den Namen und die Siege jedes Spielers fest.</translation>
    </message>
    <message>
        <source>A game in progress, with the players&apos; names and tallies</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Ein laufendes Spiel mit den Namen und Siegen der Spieler</translation>
    </message>
    <message>
        <source>The first release.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Die erste Veröffentlichung.</translation>
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
        <source>tavrin-dropline - four in a row on a 5 x 5 board, for two players at one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>tavrin-dropline - Vier in einer Reihe auf einem Spielfeld mit 5 x 5 Feldern, für zwei Spieler an einer Maus</translation>
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
        <source>Click anywhere over a column of the board to drop a disc of your colour into its lowest free cell.  Four discs of one colour in a row, a column or a diagonal win: the winner line says so, that colour&apos;s tally goes up and the board takes no more discs until a new game.  Every click on a column counts, also one on a full column; after 25 counted clicks the next click is a draw, and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Klicken Sie irgendwo über einer Spalte des Spielfelds, um einen Stein Ihrer Farbe in deren unterstes freies Feld fallen zu lassen.  Vier Steine einer Farbe waagerecht, senkrecht oder diagonal in einer Linie gewinnen: Die Siegerzeile meldet es, die Siege dieser Farbe steigen um eins, und das Spielfeld nimmt bis zu einem neuen Spiel keine Steine mehr an.  Jeder Klick auf eine Spalte zählt, auch einer auf eine volle Spalte; nach 25 gezählten Klicks ergibt der nächste Klick ein Unentschieden, und das Spielfeld wird geleert.</translation>
    </message>
    <message>
        <source>KEYS FOR PLAYING BY EAR</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>TASTEN FÜR DAS SPIELEN NACH GEHÖR</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca the game is played by keys alone, and the screen reader says every move as it happens: who played into which column and row and who moves next, a full column, the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Mit einem Bildschirmleser wie Orca wird das Spiel allein mit Tasten gespielt, und der Bildschirmleser sagt jeden Zug an, sobald er geschieht: wer in welche Spalte und Reihe gespielt hat und wer als Nächstes am Zug ist, eine volle Spalte, den Sieg.</translation>
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
        <source>move over the columns and read each one, its discs from the bottom up and its free cells.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>gehen über die Spalten und lesen jede vor: ihre Steine von unten nach oben und ihre freien Felder.</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;Eingabe&gt;, B&lt;Enter&gt;, B&lt;Leertaste&gt;, B&lt;Pfeil unten&gt;</translation>
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
        <source>The about and farewell windows read the words drawn in them when they open; Return, Enter, Space or Escape press their OK or Exit button.  Nothing of this is drawn, and without a screen reader these keys only play (S and T say nothing).</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Das Info- und das Abschiedsfenster lesen beim Öffnen die Wörter vor, die in ihnen gezeichnet sind; Eingabe, Enter, Leertaste oder Esc drücken ihre Schaltfläche OK bzw. Beenden.  Nichts davon ist zu sehen, und ohne Bildschirmleser dienen diese Tasten nur dem Spielen (S und T sagen nichts).</translation>
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
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for every disc and button, and I&lt;complete&gt; for a win, which the game waits for (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme, then its I&lt;bell&gt; plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Das Spiel bringt keine eigenen Klänge mit.  Es spielt Ereignisklänge aus dem Klangthema, das die Arbeitsumgebung nennt: unter KDE Plasma das B&lt;Theme&gt; der Gruppe B&lt;[Sounds]&gt; in I&lt;kdeglobals&gt;, anderswo den B&lt;theme-name&gt; des GSettings-Schemas B&lt;org.gnome.desktop.sound&gt; und sonst das freedesktop-Thema (Paket B&lt;sound-theme-freedesktop&gt;, unter I&lt;/usr/share/sounds/freedesktop&gt;).  Abgespielt werden sie über libcanberra von PulseAudio oder dem PulseAudio-Dienst von PipeWire: I&lt;service-logout&gt;, wenn das Hauptfenster aktiv wird und wenn sich das Abschiedsfenster öffnet, I&lt;message&gt; bei jedem Stein und jeder Schaltfläche und I&lt;complete&gt; bei einem Sieg, auf den das Spiel wartet (höchstens 5 Sekunden).  Ein Klang, der dem Thema fehlt, kommt aus dem Thema, von dem es erbt, dann aus dem freedesktop-Thema, und sonst erklingt an seiner Stelle I&lt;bell&gt;.  Schaltet die Arbeitsumgebung die Ereignisklänge ab (der Schlüssel B&lt;event-sounds&gt; von B&lt;org.gnome.desktop.sound&gt;), spielt das Spiel keine und wartet bei einem Sieg nicht; sind sie wieder eingeschaltet, ist der nächste Klang zu hören.  Ohne Klangserver bleibt das Spiel stumm; kommt der Server zurück, kommen auch die Klänge zurück.</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The close box drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt; or Ctrl+Q leave the game through a farewell window, which ends the program after ten seconds or at a click on its Exit button.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;Neues Spiel&gt; (die große Schaltfläche, B&lt;Spiel \(-E&lt;gt&gt; Neues Spiel&gt; oder Strg+N) leert das Spielfeld und fragt, ob neue Spieler kommen.  B&lt;Info&gt; (die Schaltfläche, B&lt;Info \(-E&lt;gt&gt; Über Tavrin Dropline&gt; oder F1) zeigt, wer das Spiel gemacht hat.  Das oben rechts gezeichnete Schließfeld, B&lt;Spiel \(-E&lt;gt&gt; Beenden&gt; oder Strg+Q verlassen das Spiel über ein Abschiedsfenster, das das Programm nach zehn Sekunden oder bei einem Klick auf seine Schaltfläche Beenden schließt.  Solange das Spielfeld den Tastaturfokus hat, lassen die Tasten 1 bis 5 einen Stein in die Spalten 1 bis 5 fallen: die ersten fünf Tasten der Zahlenreihe, mit oder ohne Umschalttaste, bei jeder Tastaturbelegung, und die Ziffern 1 bis 5 des Ziffernblocks.</translation>
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
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns count from 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>wählen die Sprache des Spiels, seiner Dialoge und dessen, was es einem Bildschirmleser sagt: Arabisch, Chinesisch (vereinfacht), Deutsch, Französisch, Japanisch, Portugiesisch (Brasilien), Russisch oder Spanisch, und Englisch für jede andere.  Das Spielfeld wird nie gespiegelt: Seine Spalten zählen in jeder Sprache von links nach rechts von 1 bis 5.</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits.</extracomment>
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
        <translation>Grafik: das Team von Tavrin Dropline</translation>
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
        <translation>Danke, dass ihr Tavrin Dropline gespielt habt!</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <translation>Besucht uns auf tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <translation>Weitere Spiele sind schon unterwegs.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neues</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <translation>Spieler 1:</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Züge:</translation>
    </message>
    <message>
        <source>Winned :</source>
        <translation>Siege:</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <translation>Spieler 2:</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;About</source>
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
        <extracomment>Asked by every new game. Name the same letter as the answer &quot;y&quot; below.</extracomment>
        <translation> Neue Spieler? [j für JA  &amp;  n für NEIN eingeben]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answer to the new-players question that brings new players: one letter, the one the question names. &quot;y&quot; is accepted as well.</extracomment>
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
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score label: its title, then what it shows: &quot;Step, red: 4&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1: empty</source>
        <translation>Spalte %1: leer</translation>
    </message>
    <message>
        <source>full</source>
        <translation>voll</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
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
        <extracomment>Between the colours of a column&apos;s discs.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <translation>roter Stein, Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <translation>blauer Stein, Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1: Spalte %2, Reihe %3.</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <translation>%1, du bist dran.</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player moves.</extracomment>
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
</context>
</TS>
