<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
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
        <translation>من فريق أدوات Kestrix، 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>برنامج حر بترخيص MIT: انسخه ومرّره إلى غيرك.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>أدخل تقييمات لاعبي فريقك والفريق الخصم في المربعات المعنونة. انقر «احسب» لمعرفة التقييم الجديد لكل لاعب في فريقك بعد الفوز أو الخسارة.</translation>
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
        <translation>عند الفوز</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>عند الخسارة</translation>
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
