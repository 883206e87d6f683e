<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
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
        <translation>أربعة في صف</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board for two players at one mouse</source>
        <extracomment>Desktop entry</extracomment>
        <translation>أربعة في صف على لوحة 5 x 5 للاعبَين اثنين يتشاركان فأرة واحدة</translation>
    </message>
    <message>
        <source>four;row;discs;board;two players;</source>
        <extracomment>Desktop entry</extracomment>
        <translation>أربعة;صف;أقراص;لوحة;لاعبان;</translation>
    </message>
    <message>
        <source>Four in a row on a 5 x 5 board</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>أربعة في صف على لوحة 5 x 5</translation>
    </message>
    <message>
        <source>@DROPLINE_MAKER@</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>@DROPLINE_MAKER@</translation>
    </message>
    <message>
        <source>A game of four in a row for two people who share one mouse and take turns. The player to move clicks a column, and a disc of that player&apos;s colour drops into the lowest empty cell of the column.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>لعبة أربعة في صف لشخصين يتشاركان فأرة واحدة ويلعبان بالتناوب. ينقر اللاعب صاحب الدور على عمود، فيسقط قرص بلونه في أدنى خانة فارغة من ذلك العمود.</translation>
    </message>
    <message>
        <source>Four discs of one colour in a straight line, along a row, a column or a diagonal, win the game. Every click on a column counts, and a game that runs past 25 clicks without a winner ends in a draw. The scoreboard keeps each player&apos;s name and tally.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>أربعة أقراص من لون واحد في خط مستقيم، أفقيًا أو عموديًا أو قطريًا، تفوز باللعبة. كل نقرة على عمود تُحتسب، واللعبة التي تتجاوز 25 نقرة دون فائز تنتهي بالتعادل. تحتفظ لوحة النتائج باسم كل لاعب وعدد مرات فوزه.</translation>
    </message>
    <message>
        <source>A game in progress, with the players&apos; names and tallies</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>لعبة جارية، مع أسماء اللاعبين وعدد مرات فوز كل منهما</translation>
    </message>
    <message>
        <source>The first release.</source>
        <extracomment>AppStream metainfo</extracomment>
        <translation>الإصدار الأول.</translation>
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
        <translation>ألعاب</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>tavrin-dropline - four in a row on a 5 x 5 board, for two players at one mouse</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>tavrin-dropline - أربعة في صف على لوحة 5 x 5، للاعبَين اثنين يتشاركان فأرة واحدة</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>الاستخدام</translation>
    </message>
    <message>
        <source>B&lt;tavrin-dropline&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;tavrin-dropline&gt;</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>B&lt;@DROPLINE_NAME@&gt; is a game of four in a row for two people who share one mouse and take turns.  When it starts it asks for the two players&apos; names; the first plays red, the second blue, and red moves first.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;@DROPLINE_NAME@&gt; لعبة أربعة في صف لشخصين يتشاركان فأرة واحدة ويلعبان بالتناوب.  عند بدئها تسأل عن اسمَي اللاعبَين؛ يلعب الأول بالأحمر والثاني بالأزرق، ويبدأ الأحمر.</translation>
    </message>
    <message>
        <source>Click anywhere over a column of the board to drop a disc of your colour into its lowest free cell.  Four discs of one colour in a row, a column or a diagonal win: the winner line says so, that colour&apos;s tally goes up and the board takes no more discs until a new game.  Every click on a column counts, also one on a full column; after 25 counted clicks the next click is a draw, and the board is cleared.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>انقر في أي مكان فوق عمود من اللوحة ليسقط قرص بلونك في أدنى خانة فارغة منه.  أربعة أقراص من لون واحد في صف أو عمود أو قطر تفوز: يعلن ذلك سطر الفائز، ويزيد عدد مرات فوز ذلك اللون، ولا تقبل اللوحة أقراصًا أخرى حتى تبدأ لعبة جديدة.  كل نقرة على عمود تُحتسب، حتى النقرة على عمود ممتلئ؛ وبعد 25 نقرة محتسبة تكون النقرة التالية تعادلًا، وتُفرَّغ اللوحة.</translation>
    </message>
    <message>
        <source>KEYS FOR PLAYING BY EAR</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>مفاتيح اللعب بالسمع</translation>
    </message>
    <message>
        <source>With a screen reader such as Orca the game is played by keys alone, and the screen reader says every move as it happens: who played into which column and row and who moves next, a full column, the win.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>مع قارئ شاشة مثل Orca تُلعب اللعبة بالمفاتيح وحدها، ويقول قارئ الشاشة كل حركة لحظة حدوثها: من لعب في أي عمود وأي صف ومن يلعب بعده، والعمود الممتلئ، والفوز.</translation>
    </message>
    <message>
        <source>B&lt;1 - 5&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;1 - 5&gt;</translation>
    </message>
    <message>
        <source>drop a disc into that column.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>تُسقط قرصًا في ذلك العمود.</translation>
    </message>
    <message>
        <source>B&lt;Left&gt;, B&lt;Right&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;السهم الأيسر&gt;، B&lt;السهم الأيمن&gt;</translation>
    </message>
    <message>
        <source>move over the columns and read each one, its discs from the bottom up and its free cells.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>ينتقلان بين الأعمدة ويقرآن كل عمود: أقراصه من الأسفل إلى الأعلى، وخاناته الفارغة.</translation>
    </message>
    <message>
        <source>B&lt;Return&gt;, B&lt;Enter&gt;, B&lt;Space&gt;, B&lt;Down&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;الإدخال&gt;، B&lt;إدخال لوحة الأرقام&gt;، B&lt;المسافة&gt;، B&lt;السهم السفلي&gt;</translation>
    </message>
    <message>
        <source>drop a disc into the column last read or played.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>تُسقط قرصًا في آخر عمود قُرئ أو لُعب فيه.</translation>
    </message>
    <message>
        <source>B&lt;S&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;S&gt;</translation>
    </message>
    <message>
        <source>read the score panel: names, discs in this game, games won, the winner.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>يقرأ لوحة النتائج: الأسماء، وأقراص هذه اللعبة، ومرات الفوز، والفائز.</translation>
    </message>
    <message>
        <source>B&lt;T&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;T&gt;</translation>
    </message>
    <message>
        <source>say whose turn it is, or who won.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>يقول لمن الدور، أو من فاز.</translation>
    </message>
    <message>
        <source>The about and farewell windows read the words drawn in them when they open; Return, Enter, Space or Escape press their OK or Exit button.  Nothing of this is drawn, and without a screen reader these keys only play (S and T say nothing).</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>تقرأ نافذة «حول» ونافذة الوداع الكلمات المرسومة فيهما عند فتحهما؛ وتضغط مفاتيح الإدخال والمسافة وEsc زر «حسنا» أو «خروج» فيهما.  لا يُرسم شيء من هذا على الشاشة، ودون قارئ شاشة لا تفعل هذه المفاتيح إلا اللعب (ولا يقول S وT شيئًا).</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>The game takes no options or arguments.  It reads no configuration and keeps nothing between runs.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>لا تقبل اللعبة أي خيارات أو معاملات.  ولا تقرأ أي إعدادات، ولا تحفظ شيئًا بين مرة تشغيل وأخرى.</translation>
    </message>
    <message>
        <source>SOUNDS</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>الأصوات</translation>
    </message>
    <message>
        <source>The game carries no sounds of its own.  It plays event sounds from the sound theme the desktop names: on KDE Plasma the B&lt;Theme&gt; of the B&lt;[Sounds]&gt; group in I&lt;kdeglobals&gt;, elsewhere the B&lt;theme-name&gt; of the GSettings schema B&lt;org.gnome.desktop.sound&gt;, and otherwise the freedesktop theme (package B&lt;sound-theme-freedesktop&gt;, under I&lt;/usr/share/sounds/freedesktop&gt;).  They are played through libcanberra by PulseAudio or PipeWire&apos;s PulseAudio service: I&lt;service-logout&gt; when the main window becomes active and when the farewell window opens, I&lt;message&gt; for every disc and button, and I&lt;complete&gt; for a win, which the game waits for (5 seconds at most).  A sound the theme lacks comes from the theme it inherits, then from the freedesktop theme, then its I&lt;bell&gt; plays instead.  When the desktop switches event sounds off (the B&lt;event-sounds&gt; key of B&lt;org.gnome.desktop.sound&gt;), the game plays none and does not wait at a win; switched on again, the next sound is heard.  Without a sound server the game stays silent; when the server comes back, so do the sounds.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>ليست للعبة أصوات خاصة بها.  فهي تشغّل أصوات الأحداث من سمة الأصوات التي يحددها سطح المكتب: في KDE Plasma قيمة B&lt;Theme&gt; في المجموعة B&lt;[Sounds]&gt; من I&lt;kdeglobals&gt;، وفي غيره قيمة B&lt;theme-name&gt; في مخطط GSettings المسمى B&lt;org.gnome.desktop.sound&gt;، وإلا فسمة freedesktop (الحزمة B&lt;sound-theme-freedesktop&gt;، في I&lt;/usr/share/sounds/freedesktop&gt;).  وتُشغَّل عبر libcanberra بواسطة PulseAudio أو خدمة PulseAudio في PipeWire: الصوت I&lt;service-logout&gt; حين تصبح النافذة الرئيسية نشطة وحين تُفتح نافذة الوداع، والصوت I&lt;message&gt; لكل قرص وكل زر، والصوت I&lt;complete&gt; عند الفوز، وتنتظره اللعبة (5 ثوانٍ على الأكثر).  والصوت الذي لا تحويه السمة يؤخذ من السمة التي ترث منها، ثم من سمة freedesktop، وإلا فيُشغَّل صوت I&lt;bell&gt; منها بدلًا منه.  وحين يوقف سطح المكتب أصوات الأحداث (المفتاح B&lt;event-sounds&gt; في B&lt;org.gnome.desktop.sound&gt;)، لا تشغّل اللعبة أي صوت ولا تنتظر عند الفوز؛ وإذا أُعيد تشغيلها يُسمع الصوت التالي.  ودون خادم صوت تبقى اللعبة صامتة؛ وحين يعود الخادم تعود الأصوات.</translation>
    </message>
    <message>
        <source>B&lt;New Game&gt; (the big button, B&lt;Game \(-E&lt;gt&gt; New&gt; or Ctrl+N) clears the board and asks whether new players are coming.  B&lt;About&gt; (the button, B&lt;About \(-E&lt;gt&gt; About&gt; or F1) shows the credits.  The close box drawn at the top right, B&lt;Game \(-E&lt;gt&gt; Exit&gt; or Ctrl+Q leave the game through a farewell window, which ends the program after ten seconds or at a click on its Exit button.  While the board has the keyboard focus, the keys 1 to 5 drop a disc into columns 1 to 5: the first five keys of the number row, shifted or not, on any keyboard layout, and the digits 1 to 5 of the keypad.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>B&lt;لعبة جديدة&gt; (الزر الكبير، أو B&lt;اللعبة \(-E&lt;gt&gt; لعبة جديدة&gt; أو Ctrl+N) تفرّغ اللوحة وتسأل هل سيأتي لاعبون جدد.  B&lt;حول&gt; (الزر، أو B&lt;حول \(-E&lt;gt&gt; حول اللعبة&gt; أو F1) يعرض أسماء من صنعوا اللعبة.  مربع الإغلاق المرسوم في أعلى اليمين، أو B&lt;اللعبة \(-E&lt;gt&gt; خروج&gt; أو Ctrl+Q، يغادر اللعبة عبر نافذة وداع تُنهي البرنامج بعد عشر ثوانٍ أو عند النقر على زر الخروج فيها.  عندما يكون تركيز لوحة المفاتيح على اللوحة، تُسقط المفاتيح من 1 إلى 5 قرصًا في الأعمدة من 1 إلى 5: وهي أول خمسة مفاتيح في صف الأرقام، مع Shift أو دونه، في أي تخطيط للوحة المفاتيح، وكذلك الأرقام من 1 إلى 5 في لوحة الأرقام.</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), section heading</extracomment>
        <translation>البيئة</translation>
    </message>
    <message>
        <source>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), list entry&apos;s term</extracomment>
        <translation>B&lt;LANGUAGE&gt;, B&lt;LC_ALL&gt;, B&lt;LC_MESSAGES&gt;, B&lt;LANG&gt;</translation>
    </message>
    <message>
        <source>choose the language of the game, its dialogs and what it says to a screen reader: Arabic, Chinese (Simplified), French, German, Japanese, Portuguese (Brazil), Russian or Spanish, and English for any other.  The board is never mirrored: its columns count from 1 to 5 from left to right in every language.</source>
        <extracomment>Manual page (keep B&lt;...&gt;, I&lt;...&gt;, E&lt;gt&gt;, \(-E&lt;gt&gt; and @...@ as they are), paragraph</extracomment>
        <translation>تختار لغة اللعبة ونوافذ الحوار فيها وما تقوله لقارئ الشاشة: العربية أو الصينية (المبسطة) أو الفرنسية أو الألمانية أو اليابانية أو البرتغالية (البرازيل) أو الروسية أو الإسبانية، والإنجليزية لأي لغة أخرى.  لا تنعكس اللوحة أبدًا: تُعد أعمدتها من 1 إلى 5 من اليسار إلى اليمين في كل اللغات.</translation>
    </message>
</context>
<context>
    <name>AboutMenu</name>
    <message>
        <source>&amp;About</source>
        <extracomment>Opens the credits.</extracomment>
        <translation>&amp;حول اللعبة</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Tarvin Dropline           -- About --</source>
        <extracomment>The about window&apos;s name to the desktop (task switchers, screen readers); never drawn. The game&apos;s name is Tavrin Dropline.</extracomment>
        <translation>Tavrin Dropline           -- حول --</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Programming: the Tavrin Dropline developers</source>
        <extracomment>Credits: who wrote the game.</extracomment>
        <translation>البرمجة: مطورو Tavrin Dropline</translation>
    </message>
    <message>
        <source>Artwork: the Tavrin Dropline developers</source>
        <translation>الرسوم: مطورو Tavrin Dropline</translation>
    </message>
    <message>
        <source>tavrin-dropline.example.org</source>
        <translation>tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنا</translation>
    </message>
    <message>
        <source>Thank you for playing Tavrin Dropline!</source>
        <translation>شكرا لأنكم لعبتم Tavrin Dropline!</translation>
    </message>
    <message>
        <source>Visit us at tavrin-dropline.example.org</source>
        <translation>زورونا على tavrin-dropline.example.org</translation>
    </message>
    <message>
        <source>More games are on their way.</source>
        <translation>المزيد من الألعاب في الطريق.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>New</source>
        <translation>لعبة</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>جديدة</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Player 1 :</source>
        <translation>اللاعب 1:</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>النقلات:</translation>
    </message>
    <message>
        <source>Winned :</source>
        <translation>الفوز:</translation>
    </message>
    <message>
        <source>Player 2 :</source>
        <translation>اللاعب 2:</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>لعبة &amp;جديدة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>اللعب&amp;ة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> Congratulations!! Red Player Wins </source>
        <extracomment>The winner line when red has four in a row. Keep the blank at each end.</extracomment>
        <translation> تهانينا!! فاز صاحب القطع الحمراء </translation>
    </message>
    <message>
        <source> Congratulations!! Blue Player Wins </source>
        <extracomment>The winner line when blue has four in a row. Keep the blank at each end.</extracomment>
        <translation> تهانينا!! فاز صاحب القطع الزرقاء </translation>
    </message>
    <message>
        <source> Both of you have reached a draw, Play a new game</source>
        <extracomment>The message of a drawn game. Keep the leading blank.</extracomment>
        <translation> لقد تعادلتما، العبا لعبة جديدة</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source> Players Names </source>
        <extracomment>The title of the name prompts. Keep the blank at each end.</extracomment>
        <translation> أسماء اللاعبين </translation>
    </message>
    <message>
        <source> First Player&apos;s Name</source>
        <extracomment>Asked at start-up for the red player. Keep the leading blank.</extracomment>
        <translation> اسم اللاعب الأول</translation>
    </message>
    <message>
        <source> Second Player&apos;s Name</source>
        <extracomment>Asked at start-up for the blue player. Keep the leading blank.</extracomment>
        <translation> اسم اللاعب الثاني</translation>
    </message>
    <message>
        <source> New players? [enter y for YES  &amp;  n for NO]</source>
        <extracomment>Asked by every new game. Name the same letter as the answer &quot;y&quot; below.</extracomment>
        <translation> لاعبون جدد؟ [اكتب ن للإجابة بنعم  &amp;  ل للإجابة بلا]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The answer to the new-players question that brings new players: one letter, the one the question names. &quot;y&quot; is accepted as well.</extracomment>
        <translation>ن</translation>
    </message>
    <message>
        <source> First Player&apos;s First Name</source>
        <extracomment>Asked for the red player when new players come. Keep the leading blank.</extracomment>
        <translation> الاسم الأول للاعب الأول</translation>
    </message>
    <message>
        <source> Second Player&apos;s First Name</source>
        <extracomment>Asked for the blue player when new players come. Keep the leading blank.</extracomment>
        <translation> الاسم الأول للاعب الثاني</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1, %2</source>
        <comment>score title</comment>
        <extracomment>A word of the score panel, then the colour of its values: &quot;Step, red&quot;.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>player</comment>
        <extracomment>A player: the colour of the discs, then the name typed: &quot;Red, Ann&quot;.</extracomment>
        <translation>%1، %2</translation>
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
        <translation>أحمر</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score label: its title, then what it shows: &quot;Step, red: 4&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1: empty</source>
        <translation>العمود %1: فارغ</translation>
    </message>
    <message>
        <source>full</source>
        <translation>ممتلئ</translation>
    </message>
    <message numerus="yes">
        <source>%n free</source>
        <comment>empty cells of a column</comment>
        <translation>
            <numerusform>لا خانات فارغة</numerusform>
            <numerusform>خانة فارغة واحدة</numerusform>
            <numerusform>خانتان فارغتان</numerusform>
            <numerusform>%n خانات فارغة</numerusform>
            <numerusform>%n خانة فارغة</numerusform>
            <numerusform>%n خانة فارغة</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1: %2; %3</source>
        <extracomment>A column, its discs from the bottom up, and its free cells: &quot;Column 3: red, blue; 3 free&quot;.</extracomment>
        <translation>العمود %1: %2؛ %3</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the colours of a column&apos;s discs.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>red disc, column %1, row %2</source>
        <translation>قرص أحمر، العمود %1، الصف %2</translation>
    </message>
    <message>
        <source>blue disc, column %1, row %2</source>
        <translation>قرص أزرق، العمود %1، الصف %2</translation>
    </message>
    <message>
        <source>%1: column %2, row %3.</source>
        <extracomment>Where a player&apos;s disc landed; rows count from the bottom.</extracomment>
        <translation>%1: العمود %2، الصف %3.</translation>
    </message>
    <message>
        <source>%1, to move.</source>
        <translation>%1، دورك.</translation>
    </message>
    <message>
        <source>Column %1 is full. %2, still to move.</source>
        <extracomment>A click on a full column places nothing; the same player moves.</extracomment>
        <translation>العمود %1 ممتلئ. %2، ما زال دورك.</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The big button that starts a new game, as drawn.</extracomment>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The big button that shows the credits, as drawn.</extracomment>
        <translation>حول</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that leaves the game, and the farewell window&apos;s button.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the credits.</extracomment>
        <translation>حسنا</translation>
    </message>
    <message>
        <source>Player 1</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>اللاعب 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <extracomment>As drawn on the score panel, without its colon.</extracomment>
        <translation>اللاعب 2</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>As drawn on the score panel, without its colon: the discs placed in this game.</extracomment>
        <translation>النقلات</translation>
    </message>
    <message>
        <source>Winned</source>
        <extracomment>As drawn on the score panel, without its colon: the games won.</extracomment>
        <translation>الفوز</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>The line of the score panel that shows who won.</extracomment>
        <translation>الفائز</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board, as a screen reader names it.</extracomment>
        <translation>لوحة اللعب</translation>
    </message>
</context>
</TS>
