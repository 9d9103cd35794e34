<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>Калькулятор командного рейтинга</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>Рассчитать рейтинг каждого игрока команды после победы и после поражения</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>рейтинг;команда;матч;соперник;калькулятор;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Программа %1 уже установлена.

Удалить старую версию перед установкой новой?</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>Не удалось удалить программу.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 содержит Qt, используемую на условиях GNU LGPL версии 3, и другой код, каждая часть — под собственной лицензией. Их уведомления, тексты лицензий и описание того, как пересобрать программу с изменённой Qt, находятся в файле %2, установленном рядом с программой.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>Рейтинг каждого игрока команды после победы и после поражения</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Калькулятор рейтинга Vorn отвечает на вопрос, который игроки командных матчей задают себе перед каждой игрой: насколько важна эта партия? Введите текущий рейтинг не более трёх игроков своей команды и не более трёх соперников, нажмите «Расчёт» — и рядом с каждым игроком вашей команды появится рейтинг, который он получит после победы и после поражения.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Количество очков на кону зависит от разницы средних рейтингов двух команд и делится поровну между игроками вашей команды. Программе не нужна сеть, она не хранит файлов и ничего не запоминает между запусками.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Рейтинг каждого игрока команды после победы и после поражения</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Окно «О программе», которое открывается при запуске</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>Не указано значение после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>Неожиданное значение после «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>&amp; marks the access key.</extracomment>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Вставить управляющий символ Юникода</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Знак слева направо</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Знак справа налево</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Соединитель нулевой ширины</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Разъединитель нулевой ширины</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Пробел нулевой ширины</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Начало встраивания слева направо</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Начало встраивания справа налево</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Начало замены направления слева направо</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Начало замены направления справа налево</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Конец направленного форматирования</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Изоляция слева направо</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Изоляция справа налево</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Изоляция по первому сильному символу</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Конец направленной изоляции</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>Рассчитывает новый рейтинг каждого игрока после победы и после поражения по рейтингам обеих команд.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>Рейтинг игрока %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Лицензии</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>Не удалось загрузить калькулятор. Перезагрузите страницу, чтобы повторить попытку.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>Ошибка расчёта: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>Чтобы сохранить рейтинг, команде нужно выиграть %1 таких матчей.</translation>
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
        <translation>Использование: %1 [ПАРАМЕТР]...
Вычисляет рейтинг каждого игрока команды после победы и после поражения.
Без рейтингов программа открывает окно «О программе», затем калькулятор;
с рейтингами выводит результаты и не открывает окон.

  -t, --team РЕЙТИНГ      рейтинг игрока команды; до трёх, по порядку строк
  -o, --opponent РЕЙТИНГ  рейтинг соперника; до трёх, по порядку строк
      --json              вывести результаты одним объектом JSON
  -h, --help              показать эту справку и выйти
  -v, --version           показать версию и выйти

Один рейтинг на параметр; он читается так же, как в калькуляторе
(десятичный разделитель вашей локали, пробелы, знак, порядок); пустой
оставляет свою строку пустой. Пример:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Код возврата: 0 при результатах, 1 при рейтингах, которые калькулятор
отклонил бы, 2 при командной строке, которую нельзя разобрать.

Собственные параметры Qt, например -platform и -style, тоже принимаются.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>По команде «%1 --help» можно получить дополнительную информацию.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>Ошибка выполнения «%1»: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>не более %1 рейтингов команды (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>не более %1 рейтингов соперников (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>для --json нужны рейтинги (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>команда</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>соперники</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>команда, строка %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>соперники, строка %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>Клавиши, сообщения и правило описаны в %1(1).
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>«Справка» (или F1) в калькуляторе открывает окно «О программе»; README по
адресу %1 описывает клавиши, сообщения и правило.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>Чтобы сохранить рейтинг, команде нужно выиграть %1 % таких матчей.</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>Необходимо ввести рейтинг от -32768 до 32767</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>Необходимо ввести хотя бы одного игрока и одного соперника</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>Необходимо ввести числовое значение рейтинга</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>Новый рейтинг вышел бы за пределы диапазона от -32768 до 32767</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Ошибка выполнения &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Две команды на блоках высотой с их рейтинги</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Расчёт рейтинга Vorn</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>Версия: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Команда Kestrix Tools, 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>Свободная программа по лицензии MIT: можно копировать и раздавать.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Введите рейтинги игроков своей команды и соперников в поля. Нажмите «Расчёт», чтобы узнать новый рейтинг каждого игрока своей команды после победы или поражения.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vrc::ui::FrmVornRating</name>
    <message>
        <source>Your Team</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Соперники</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>Рейтинг</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Поражение</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Расчёт</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сброс</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>Ваша команда, рейтинг игрока %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>Рейтинг соперника %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>Рейтинг игрока %1 после победы</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>Рейтинг игрока %1 после поражения</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>Весы, на которых ваша команда взвешена против соперников</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>Копировать все результаты</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
</TS>
