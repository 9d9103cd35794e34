<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Две команды на блоках высотой с их рейтинги</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Калькулятор рейтинга Vorn</translation>
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
        <translation>Свободная программа под лицензией MIT: копируйте и передавайте другим.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Введите рейтинги игроков вашей команды и команды соперников в подписанные поля. Нажмите «Расчёт», чтобы узнать новый рейтинг каждого игрока вашей команды после победы или поражения.</translation>
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
