<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>حاسبة تقييم الفرق</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>احسب تقييم كل لاعب في الفريق بعد الفوز وبعد الخسارة</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>تقييم;فريق;مباراة;خصم;حاسبة;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 مثبت بالفعل.

هل تريد إلغاء تثبيت الإصدار القديم قبل تثبيت الإصدار الجديد؟</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>تعذّر إلغاء التثبيت.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>يتضمن %1 مكتبة Qt المستخدمة بموجب رخصة GNU LGPL الإصدار 3، وشيفرة أخرى، لكل جزء منها رخصته الخاصة. توجد إشعاراتها ونصوص التراخيص وطريقة إعادة بناء البرنامج باستخدام Qt معدَّلة في الملف %2 المثبت بجانب البرنامج.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>تقييم كل لاعب في الفريق بعد الفوز وبعد الخسارة</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>تجيب حاسبة تقييم Vorn عن سؤال يطرحه لاعبو المباريات الجماعية قبل كل مباراة: ما أهمية هذه المباراة؟ أدخل التقييم الحالي لثلاثة لاعبين على الأكثر من فريقك ولثلاثة خصوم على الأكثر، واضغط «احسب» لترى بجانب كل لاعب من فريقك التقييم الذي سيحصل عليه بعد الفوز وبعد الخسارة.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>تتحدد النقاط المعرّضة للربح أو الخسارة بالفرق بين متوسطي تقييم الفريقين، وتُقسَّم بالتساوي على لاعبي فريقك. لا يحتاج البرنامج إلى شبكة، ولا يحتفظ بأي ملفات، ولا يتذكر شيئًا بين مرة تشغيل وأخرى.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>تقييم كل لاعب في الفريق بعد الفوز وبعد الخسارة</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>نافذة «حول» التي تظهر عند بدء التشغيل</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>لا قيمة بعد &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>قيمة غير متوقعة بعد &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>&amp; marks the access key.</extracomment>
        <translation>&amp;حسنًا</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>ل&amp;صق</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>تحديد الكل</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <extracomment>The Control key&apos;s name as printed on keyboards sold for the language.</extracomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The Shift key&apos;s name as printed on keyboards sold for the language.</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>+</source>
        <extracomment>Joins the keys of a shortcut: Ctrl+C.</extracomment>
        <translation>+</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>إدراج حرف تحكم يونيكود</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM علامة من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM علامة من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ واصل بلا عرض</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ فاصل بلا عرض</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP مسافة بلا عرض</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE بداية تضمين من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE بداية تضمين من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO بداية فرض من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO بداية فرض من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF نهاية التنسيق الاتجاهي</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI عزل من اليسار إلى اليمين</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI عزل من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI عزل حسب أول حرف قوي</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI نهاية العزل الاتجاهي</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>يحسب التقييم الجديد لكل لاعب بعد الفوز وبعد الخسارة من تقييمات الفريقين.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>تقييم اللاعب %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>التراخيص</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>تعذّر تحميل الحاسبة. أعد تحميل الصفحة للمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>فشل الحساب: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>ليحافظ فريقك على تقييمه، عليه أن يفوز بـ %1 من هذه المباريات.</translation>
    </message>
</context>
<context>
    <name>vrc::app::CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]...
Work out each team player&apos;s rating after a win and after a loss.
Without ratings the program opens its About window, then the calculator;
with them it prints the results and opens no window.

  -t, --team RATING      a rating of your team; up to three, in row order
  -o, --opponent RATING  an opponent&apos;s rating; up to three, in row order
      --json             print the results as one JSON object
  -h, --help             show this help and exit
  -v, --version          show the version and exit

One rating per option, read as the calculator reads it (your locale&apos;s
decimal separator, blanks, a sign, an exponent); an empty one leaves its
row empty. Example:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Exit status: 0 for results, 1 for ratings the calculator would refuse,
2 for a command line that cannot be read.

Qt&apos;s own options, such as -platform and -style, are accepted too.
</source>
        <translation>الاستخدام: %1 [خيار]...
يحسب تقييم كل لاعب في فريقك بعد الفوز وبعد الخسارة. من دون تقييمات يفتح
البرنامج نافذة «حول» ثم الحاسبة؛ ومع التقييمات يطبع النتائج ولا يفتح أي نافذة.

  -t, --team تقييم      تقييم من فريقك؛ حتى ثلاثة، بترتيب الصفوف
  -o, --opponent تقييم  تقييم خصم؛ حتى ثلاثة، بترتيب الصفوف
      --json            يطبع النتائج في كائن JSON واحد
  -h, --help            يعرض هذه المساعدة ثم يخرج
  -v, --version         يعرض الإصدار ثم يخرج

تقييم واحد لكل خيار، يُقرأ كما تقرؤه الحاسبة (الفاصلة العشرية في إعداداتك
المحلية، والمسافات، والإشارة، والأس)؛ والتقييم الفارغ يترك صفه فارغًا. مثال:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
حالة الخروج: 0 للنتائج، و1 لتقييمات سترفضها الحاسبة، و2 لسطر أوامر
لا يمكن قراءته.

تُقبل أيضًا خيارات Qt الخاصة، مثل -platform و -style.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>جرّب &apos;%1 --help&apos; لمزيد من المعلومات.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>خيار غير معروف &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>خطأ في وقت التشغيل &apos;%1&apos;: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>وسيط غير متوقع &apos;%1&apos;</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>%1 تقييمات على الأكثر لفريقك (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>%1 تقييمات على الأكثر للخصوم (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>يحتاج --json إلى تقييمات (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>الفريق</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>الخصوم</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>الفريق، الصف %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>الخصوم، الصف %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>راجع %1(1) لمعرفة المفاتيح والرسائل والقاعدة.
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>يعرض زر «مساعدة» (أو F1) في الحاسبة نافذة «حول»؛ ويشرح ملف README على
%1 المفاتيح والرسائل والقاعدة.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>ليحافظ فريقك على تقييمه، عليه أن يفوز بـ %1٪ من هذه المباريات.</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>يجب إدخال تقييم بين ‎-32768 و32767</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>يجب إدخال لاعب واحد وخصم واحد على الأقل</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>يجب إدخال قيمة رقمية للتقييم</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>سيكون التقييم الجديد خارج النطاق من ‎-32768 إلى 32767</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>خطأ وقت التشغيل &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>الذاكرة غير كافية</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>خطأ داخلي</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>فيض</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>فريقان على قاعدتين بارتفاع تقييمهما</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>حاسبة تقييم Vorn</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>الإصدار: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>أعدّته جماعة Kestrix، 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>برنامج حر بترخيص MIT: انسخه ومرّره إلى غيرك.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>اكتب تقييمات لاعبي فريقك والفريق الخصم في المربعات المعنونة. انقر «احسب» لمعرفة التقييم الجديد لكل لاعب في فريقك بعد الفوز أو الخسارة.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>vrc::ui::FrmVornRating</name>
    <message>
        <source>Your Team</source>
        <translation>فريقك</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>الخصوم</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>التقييم الحالي</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>بعد الفوز</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>بعد الخسارة</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;احسب</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;مسح</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مسا&amp;عدة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>فريقك، تقييم اللاعب %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>تقييم الخصم %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>تقييم اللاعب %1 بعد الفوز</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>تقييم اللاعب %1 بعد الخسارة</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>ميزان يزن فريقك مقابل الخصوم</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>نسخ كل النتائج</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
</context>
</TS>
