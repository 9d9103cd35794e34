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
