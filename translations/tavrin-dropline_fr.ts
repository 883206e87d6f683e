<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Quatre en ligne</translation>
    </message>
    <message>
        <source>@DROPLINE_MAKER@</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>@DROPLINE_MAKER@</translation>
    </message>
    <message>
        <source>A game of four in a row for two people who share one mouse and take turns. The player to move clicks a column, and a disc of that player&apos;s colour drops into the lowest empty cell of the column.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Un jeu de quatre en ligne pour deux personnes qui se partagent une souris et jouent chacune à leur tour. Le joueur dont c&apos;est le tour clique sur une colonne, et un pion de sa couleur tombe dans la case vide la plus basse de la colonne.</translation>
    </message>
    <message>
        <source>A game in progress, with the players&apos; names and tallies</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Une partie en cours, avec le nom des joueurs et leurs victoires</translation>
    </message>
    <message>
        <source>The first release.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>La première version.</translation>
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
        <translation>Jeux</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>B&lt;tavrin-dropline&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;tavrin-dropline&gt;</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>B&lt;@DROPLINE_NAME@&gt; is a game of four in a row for two people who share one mouse and take turns.  When it starts it asks for the two players&apos; names; the first plays red, the second blue, and red moves first.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;@DROPLINE_NAME@&gt; est un jeu de quatre en ligne pour deux personnes qui se partagent une souris et jouent chacune à leur tour.  Au démarrage, il demande le nom des deux joueurs ; le premier joue les rouges, le second les bleus, et les rouges commencent.</translation>
    </message>
    <message>
        <source>B&lt;1 - 5&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;1 - 5&gt;</translation>
    </message>
    <message>
        <source>drop a disc into that column.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>font tomber un pion dans cette colonne.</translation>
    </message>
    <message>
        <source>B&lt;Left&gt;, B&lt;Right&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;Flèche gauche&gt;, B&lt;Flèche droite&gt;</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term: Return is the Enter key of the main keyboard, Enter the one on the numeric keypad. Name them as keyboards in your language label them, and where both bear one name, say which is which.</extracomment>
        <translation>B&lt;Entrée&gt;, B&lt;Entrée du pavé numérique&gt;, B&lt;Espace&gt;, B&lt;Flèche bas&gt;</translation>
    </message>
    <message>
        <source>drop a disc into the column last read or played.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>font tomber un pion dans la dernière colonne lue ou jouée.</translation>
    </message>
    <message>
        <source>B&lt;S&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;S&gt;</translation>
    </message>
    <message>
        <source>read the score panel: names, discs in this game, games won, the winner.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>lit le tableau des scores : les noms, les coups de la partie, les victoires, le gagnant.</translation>
    </message>
    <message>
        <source>B&lt;T&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;T&gt;</translation>
    </message>
    <message>
        <source>say whose turn it is, or who won.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>dit à qui c&apos;est de jouer, ou qui a gagné.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>The game takes no options or arguments.  It reads no configuration and keeps nothing between runs.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Le jeu n&apos;accepte ni option ni argument.  Il ne lit aucune configuration et ne garde rien d&apos;une exécution à l&apos;autre.</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>SONS</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>ENVIRONNEMENT</translation>
    </message>
    <message>
        <source>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board for two players sharing one mouse</source>
        <extracomment>Desktop entry: a tooltip in menus and a line in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Quatre en ligne sur un plateau de 5 × 5, pour deux joueurs qui se partagent une souris</translation>
    </message>
    <message>
        <source>four in a row;4 in a row;discs;board game;two players;</source>
        <extracomment>Desktop entry: search words, each followed by a semicolon. Rather than the English words, give those that players of your language type to find such a game: its usual generic names (never a brand name), &quot;board game&quot;, &quot;two players&quot;.</extracomment>
        <translation>quatre en ligne;4 en ligne;alignement;pions;jetons;grille;jeu de plateau;deux joueurs;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 × 5 board</source>
        <extracomment>AppStream metainfo: the line under the game&apos;s name in software centres. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>Quatre en ligne sur un plateau de 5 × 5</translation>
    </message>
    <message>
        <source>The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The score panel shows both players&apos; names, their discs in the current game and the games each has won.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>Le premier joueur qui aligne quatre pions de sa couleur, horizontalement, verticalement ou en diagonale, gagne la partie. Chaque clic sur une colonne compte, et une partie qui dépasse 25 clics sans gagnant se termine par un match nul. Le tableau des scores affiche le nom des deux joueurs, le nombre de pions que chacun a joués dans la partie en cours et ses victoires.</translation>
    </message>
    <message>
        <source>tavrin-dropline - four in a row on a 5 × 5 board, for two players sharing one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: the page&apos;s one-line description; keep &quot;tavrin-dropline - &quot; before it. Write the board&apos;s size with the multiplication sign (5 × 5, U+00D7, spaced as your language writes it), never with the letter x.</extracomment>
        <translation>tavrin-dropline - quatre en ligne sur un plateau de 5 × 5, pour deux joueurs qui se partagent une souris</translation>
    </message>
    <message>
        <source>To play, click a column of the board, anywhere from its top to its bottom: a disc of your colour drops into the lowest free cell of that column, and the other player moves next.  The player who first lines up four discs of their colour, horizontally, vertically or diagonally, wins the game: a line at the bottom of the score panel congratulates the winning colour, that colour&apos;s count of games won goes up by one, and the board takes no more discs until a new game.  Clicks on a full column count too: they place nothing, and the turn stays with the same player.  After 25 counted clicks, the next click ends the game in a draw: a message says so and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph: a click anywhere on a column, from its top cell to its bottom one, plays into it (not above it). The score panel is the panel beside the board with the players&apos; names and counts; the winner is congratulated on its bottom line.</extracomment>
        <translation>Pour jouer, cliquez n&apos;importe où sur une colonne du plateau, en haut comme en bas : un pion de votre couleur tombe dans la case libre la plus basse de cette colonne, puis c&apos;est à l&apos;autre joueur de jouer.  Le premier joueur qui aligne quatre pions de sa couleur, horizontalement, verticalement ou en diagonale, gagne la partie : une ligne en bas du tableau des scores félicite la couleur gagnante, cette couleur compte une victoire de plus, et le plateau n&apos;accepte plus de pion jusqu&apos;à une nouvelle partie.  Les clics sur une colonne pleine comptent aussi : ils ne placent aucun pion, et le même joueur garde la main.  Après 25 clics comptés, le clic suivant met fin à la partie par un match nul : un message l&apos;annonce et le plateau est vidé.</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The small close button drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt;, Ctrl+Q and the window&apos;s own close button all leave the game: a farewell window shows for ten seconds, or until you click its Exit button, and then the program ends.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;Nouvelle partie&gt; (le grand bouton, B&lt;Jeu \(-E&lt;gt&gt; Nouvelle partie&gt; ou Ctrl+N) vide le plateau et demande si de nouveaux joueurs arrivent.  B&lt;À propos&gt; (le bouton, B&lt;À propos \(-E&lt;gt&gt; À propos&gt; ou F1) affiche les crédits.  Le petit bouton de fermeture dessiné en haut à droite, B&lt;Jeu \(-E&lt;gt&gt; Quitter&gt;, Ctrl+Q ou le bouton de fermeture de la fenêtre elle-même permettent de quitter le jeu : une fenêtre d&apos;adieu s&apos;affiche pendant dix secondes, ou jusqu&apos;à ce que vous cliquiez sur son bouton Quitter, puis le programme se ferme.  Quand le plateau a le focus du clavier, les touches 1 à 5 font tomber un pion dans les colonnes 1 à 5 : ce sont les cinq premières touches de la rangée des chiffres, avec ou sans Maj, quelle que soit la disposition du clavier, et les chiffres 1 à 5 du pavé numérique.</translation>
    </message>
    <message>
        <source>PLAYING WITH A SCREEN READER</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>JOUER AVEC UN LECTEUR D&apos;ÉCRAN</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca, the game can be played with the keyboard alone, and the screen reader announces each move as it happens: who played into which column and row, who moves next, a full column, and the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Avec un lecteur d&apos;écran comme Orca, vous pouvez jouer entièrement au clavier, et le lecteur d&apos;écran annonce chaque coup au moment où il est joué : qui a joué dans quelle colonne et quelle rangée, qui joue ensuite, une colonne pleine, et la victoire.</translation>
    </message>
    <message>
        <source>move from column to column and read out the column reached: its discs from the bottom up, then how many of its cells are free.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>passent d&apos;une colonne à l&apos;autre et lisent la colonne atteinte : ses pions de bas en haut, puis le nombre de ses cases libres.</translation>
    </message>
    <message>
        <source>When the about or farewell window opens, the screen reader reads out the words drawn in it; Return, Enter, Space or Escape press its button (OK or Exit).  None of this is shown on the screen, and without a screen reader none of it is heard: the keys still play, and S and T do nothing.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>À l&apos;ouverture de la fenêtre « À propos » ou de la fenêtre d&apos;adieu, le lecteur d&apos;écran lit les mots qui y sont dessinés ; Entrée, Espace ou Échap actionnent son bouton (OK ou Quitter).  Rien de tout cela n&apos;apparaît à l&apos;écran ni ne s&apos;entend sans lecteur d&apos;écran : les touches permettent toujours de jouer, et S et T ne font rien.</translation>
    </message>
    <message>
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns are numbered 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>choisissent la langue du jeu, de ses boîtes de dialogue et de ce qu&apos;il dit au lecteur d&apos;écran : allemand, arabe, chinois (simplifié), espagnol, français, japonais, portugais (Brésil) ou russe, et l&apos;anglais pour toute autre langue.  Le plateau n&apos;est jamais inversé : ses colonnes sont numérotées de 1 à 5 de gauche à droite dans toutes les langues.</translation>
    </message>
    <message>
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for each disc dropped and each click on the main window&apos;s buttons, and I&lt;complete&gt; for a win; the game waits until that sound ends (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme; failing that, the I&lt;bell&gt; sound plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>Le jeu n&apos;a pas de sons à lui.  Il joue les sons d&apos;événements du thème sonore que désigne le bureau : sous KDE Plasma le B&lt;Theme&gt; du groupe B&lt;[Sounds]&gt; de I&lt;kdeglobals&gt;, ailleurs le B&lt;theme-name&gt; du schéma GSettings B&lt;org.gnome.desktop.sound&gt;, et à défaut le thème freedesktop (paquet B&lt;sound-theme-freedesktop&gt;, sous I&lt;/usr/share/sounds/freedesktop&gt;).  Ils passent par libcanberra vers PulseAudio ou le service PulseAudio de PipeWire : I&lt;service-logout&gt; quand la fenêtre principale devient active et quand la fenêtre d&apos;adieu s&apos;ouvre, I&lt;message&gt; pour chaque pion joué et chaque clic sur les boutons de la fenêtre principale, et I&lt;complete&gt; pour une victoire ; le jeu attend la fin de ce son (5 secondes au plus).  Un son absent du thème vient du thème dont celui-ci hérite, puis du thème freedesktop ; à défaut, c&apos;est le son I&lt;bell&gt; qui retentit.  Quand le bureau coupe les sons d&apos;événements (la clé B&lt;event-sounds&gt; de B&lt;org.gnome.desktop.sound&gt;), le jeu n&apos;en joue aucun et n&apos;attend pas à une victoire ; dès qu&apos;ils sont rétablis, le son suivant s&apos;entend.  Sans serveur de son, le jeu reste silencieux ; quand le serveur revient, les sons reviennent aussi.</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits (F1); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Tarvin Dropline           -- About --</source>
        <extracomment>The about window&apos;s name to the desktop (task switchers, screen readers); never drawn. The game&apos;s name is Tavrin Dropline.</extracomment>
        <translation>Tavrin Dropline           -- À propos --</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Programming: the Tavrin Dropline developers</source>
        <extracomment>Credits: who wrote the game.</extracomment>
        <translation>Programmation&#xa0;: l&apos;équipe de Tavrin Dropline</translation>
    </message>
    <message>
        <source>Artwork: the Tavrin Dropline developers</source>
        <extracomment>Credits: who drew the pictures.</extracomment>
        <translation>Graphismes&#xa0;: l&apos;équipe de Tavrin Dropline</translation>
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
        <translation>Merci d&apos;avoir joué à Tavrin Dropline&#xa0;!</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <extracomment>Farewell, second line: an invitation to the web site.</extracomment>
        <translation>Retrouvez-nous sur tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <extracomment>Farewell, third line.</extracomment>
        <translation>D&apos;autres jeux arrivent bientôt.</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The farewell window&apos;s button, which ends the game.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The big button that starts a new game, first line of two.</extracomment>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The big button that starts a new game, second line of two.</extracomment>
        <translation>partie</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <extracomment>Score panel: the red player, whose name follows.</extracomment>
        <translation>Joueur 1&#xa0;:</translation>
    </message>
    <message>
        <source>Step :</source>
        <extracomment>Score panel: how many discs this colour has placed in this game.</extracomment>
        <translation>Coups&#xa0;:</translation>
    </message>
    <message>
        <source>Winned :</source>
        <extracomment>Score panel: how many games this colour has won.</extracomment>
        <translation>Victoires&#xa0;:</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <extracomment>Score panel: the blue player, whose name follows.</extracomment>
        <translation>Joueur 2&#xa0;:</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <extracomment>Starts a new game (Ctrl+N), as the big drawn button does; &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the game through its farewell window (Ctrl+Q); &quot;&amp;&quot; marks its access key.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu of the game&apos;s commands; &quot;&amp;&quot; marks its access key (Alt+G).</extracomment>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The menu that holds the credits; &quot;&amp;&quot; marks its access key (Alt+A).</extracomment>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Congratulations!! Red Player Wins </source>
        <extracomment>The winner line when red has four in a row. Keep the blank at each end.</extracomment>
        <translation> Bravo&#xa0;!! Le joueur rouge gagne </translation>
    </message>
    <message>
        <source> Congratulations!! Blue Player Wins </source>
        <extracomment>The winner line when blue has four in a row. Keep the blank at each end.</extracomment>
        <translation> Bravo&#xa0;!! Le joueur bleu gagne </translation>
    </message>
    <message>
        <source> Both of you have reached a draw, Play a new game</source>
        <extracomment>The message of a drawn game. Keep the leading blank.</extracomment>
        <translation> Match nul entre vous deux&#xa0;! Jouez une nouvelle partie</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source> Players Names </source>
        <extracomment>The title of the name prompts. Keep the blank at each end.</extracomment>
        <translation> Noms des joueurs </translation>
    </message>
    <message>
        <source> First Player&apos;s Name</source>
        <extracomment>Asked at start-up for the red player. Keep the leading blank.</extracomment>
        <translation> Nom du premier joueur</translation>
    </message>
    <message>
        <source> Second Player&apos;s Name</source>
        <extracomment>Asked at start-up for the blue player. Keep the leading blank.</extracomment>
        <translation> Nom du second joueur</translation>
    </message>
    <message>
        <source> New players? [enter y for YES  &amp;  n for NO]</source>
        <extracomment>Asked by every new game. Say what to type for yes (the answer &quot;y&quot; below) and for no, in your language&apos;s own punctuation. Keep the leading blank.</extracomment>
        <translation> Nouveaux joueurs&#xa0;? [tapez o pour OUI  &amp;  n pour NON]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answers to the new-players question that bring new players, separated by a blank: the language&apos;s yes-letter or yes-word, as the question names them first (a word typed with an input method, such as 是, is welcome). &quot;y&quot; is accepted as well, and a letter typed full-width counts as itself.</extracomment>
        <translation>o</translation>
    </message>
    <message>
        <source> First Player&apos;s First Name</source>
        <extracomment>Asked for the red player when new players come. Keep the leading blank.</extracomment>
        <translation> Prénom du premier joueur</translation>
    </message>
    <message>
        <source> Second Player&apos;s First Name</source>
        <extracomment>Asked for the blue player when new players come. Keep the leading blank.</extracomment>
        <translation> Prénom du second joueur</translation>
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
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Column %1: empty</source>
        <extracomment>A column without discs, as it is read: &quot;Column 3: empty&quot;.</extracomment>
        <translation>Colonne %1&#xa0;: vide</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>A column without free cells, after its discs: &quot;Column 5: red, blue, red, blue, red; full&quot;.</extracomment>
        <translation>pleine</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
        <extracomment>A column&apos;s free cells (1 to 4), after its discs: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>
            <numerusform>%n case libre</numerusform>
            <numerusform>%n cases libres</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1: %2; %3</source>
        <extracomment>A column, its discs from the bottom up, and its free cells: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>Colonne %1&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the colours of a column&apos;s discs: &quot;red, blue&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>pion rouge, colonne %1, rangée %2</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <extracomment>A disc on the board as a screen reader names it; rows count from the bottom.</extracomment>
        <translation>pion bleu, colonne %1, rangée %2</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1&#xa0;: colonne %2, rangée %3.</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <extracomment>Whose turn it is now: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>%1, à vous de jouer.</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player is still to move: &quot;Column 5 is full. Blue, Bob, still to move.&quot;</extracomment>
        <translation>La colonne %1 est pleine. %2, encore à vous de jouer.</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The big button that starts a new game, as drawn.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits, as drawn.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that leaves the game, and the farewell window&apos;s button.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Player 1</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>As drawn on the score panel, without its colon: the discs placed in this game.</extracomment>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Winned</source>
        <extracomment>As drawn on the score panel, without its colon: the games won.</extracomment>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The line of the score panel that shows who won.</extracomment>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board, as a screen reader names it.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Red, Ann: column 3, row 1.&quot;</extracomment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>a player</comment>
        <extracomment>A player, named by the colour of their discs; begins a sentence: &quot;Blue, Bob, to move.&quot;</extracomment>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>red</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>a disc in a column</comment>
        <extracomment>A disc, as a column&apos;s discs are read from the bottom up: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>red</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, red: 4&quot;.</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>score values</comment>
        <extracomment>The colour of the score panel&apos;s values, after the word drawn beside them: &quot;Step, blue: 3&quot;.</extracomment>
        <translation>bleu</translation>
    </message>
</context>
</TS>
