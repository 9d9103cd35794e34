<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>Kalkulator rankingu drużyny</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>Oblicz ranking każdego gracza drużyny po wygranej i po przegranej</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>ranking;drużyna;mecz;rywal;kalkulator;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Program %1 jest już zainstalowany.

Czy odinstalować starą wersję przed zainstalowaniem nowej?</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>Odinstalowanie nie powiodło się.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 zawiera bibliotekę Qt, używaną na warunkach licencji GNU LGPL w wersji 3, oraz inny kod, każdą część na jej własnej licencji. Ich informacje, teksty licencji oraz sposób ponownego zbudowania programu ze zmienioną biblioteką Qt znajdują się w pliku %2, zainstalowanym obok programu.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>Ranking każdego gracza drużyny po wygranej i po przegranej</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Kalkulator rankingu Vorn odpowiada na pytanie, które gracze meczów drużynowych zadają sobie przed każdą grą: ile znaczy ten mecz? Wpisz aktualny ranking maksymalnie trzech graczy swojej drużyny i maksymalnie trzech rywali, naciśnij „Oblicz” i zobacz obok każdego gracza swojej drużyny ranking, jaki miałby po wygranej i po przegranej.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Stawka punktowa wynika z różnicy między średnimi rankingami obu drużyn i jest dzielona po równo między graczy Twojej drużyny. Program nie potrzebuje sieci, nie zapisuje plików i niczego nie pamięta między uruchomieniami.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Ranking każdego gracza drużyny po wygranej i po przegranej</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Okno O programie wyświetlane przy uruchomieniu</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
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
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>Zaznacz wszystko</translation>
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
        <translation>Wstaw znak sterujący Unicode</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Znacznik od lewej do prawej</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Znacznik od prawej do lewej</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Łącznik zerowej szerokości</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Rozdzielacz zerowej szerokości</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Spacja zerowej szerokości</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Początek osadzenia od lewej do prawej</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Początek osadzenia od prawej do lewej</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Początek wymuszenia od lewej do prawej</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Początek wymuszenia od prawej do lewej</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Koniec formatowania kierunku</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Izolacja od lewej do prawej</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Izolacja od prawej do lewej</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Izolacja według pierwszego silnego znaku</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Koniec izolacji kierunku</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>Oblicza nowy ranking każdego gracza po wygranej i po przegranej na podstawie rankingów obu drużyn.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>Ranking gracza %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>Nie udało się wczytać kalkulatora. Odśwież stronę, aby spróbować ponownie.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>Obliczenie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>Aby utrzymać ranking, drużyna musi wygrać %1 takich meczów.</translation>
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
        <translation>Użycie: %1 [OPCJA]...
Oblicza ranking każdego gracza drużyny po wygranej i po przegranej. Bez
rankingów program otwiera okno O programie, a potem kalkulator; z rankingami
wypisuje wyniki i nie otwiera żadnego okna.

  -t, --team RANKING      ranking z drużyny; do trzech, w kolejności wierszy
  -o, --opponent RANKING  ranking rywala; do trzech, w kolejności wierszy
      --json              wypisuje wyniki jako jeden obiekt JSON
  -h, --help              wyświetla tę pomoc i kończy działanie
  -v, --version           wyświetla wersję i kończy działanie

Jeden ranking na opcję, odczytany tak jak w kalkulatorze (separator
dziesiętny ustawień regionalnych, odstępy, znak, wykładnik); pusty zostawia
swój wiersz pusty. Przykład:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Kod wyjścia: 0 dla wyników, 1 dla rankingów, które kalkulator by odrzucił,
2 dla wiersza poleceń, którego nie da się odczytać.

Akceptowane są też własne opcje Qt, takie jak -platform i -style.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Napisz „%1 --help”, aby uzyskać więcej informacji.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>Błąd wykonania „%1”: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>najwyżej %1 rankingi drużyny (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>najwyżej %1 rankingi rywali (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json wymaga rankingów (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>drużyna</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>rywale</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>drużyna, wiersz %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>rywale, wiersz %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>Klawisze, komunikaty i regułę opisuje %1(1).
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>„Pomoc” (lub F1) w kalkulatorze otwiera okno O programie; plik README pod
adresem %1 opisuje klawisze, komunikaty i regułę.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>Aby utrzymać ranking, drużyna musi wygrać %1% takich meczów.</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>Musisz podać ranking z zakresu od -32768 do 32767</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>Musisz podać co najmniej jednego gracza i jednego rywala</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>Musisz podać wartość liczbową rankingu</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>Nowy ranking wykraczałby poza zakres od -32768 do 32767</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Błąd wykonania &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Dwie drużyny na blokach tak wysokich jak ich rankingi</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Kalkulator rankingu Vorn</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>Wersja: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Zespół narzędziowy Kestrix, 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>Wolne oprogramowanie na licencji MIT: kopiuj i przekazuj dalej.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Wpisz rankingi graczy swojej drużyny i drużyny przeciwnej w opisanych polach. Kliknij Oblicz, aby poznać nowy ranking każdego gracza swojej drużyny po wygranej lub po przegranej.</translation>
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
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Rywale</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Oblicz</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>Twoja drużyna, ranking gracza %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>Ranking rywala %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>Ranking gracza %1 po wygranej</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>Ranking gracza %1 po przegranej</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>Waga, na której twoja drużyna mierzy się z rywalami</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>Kopiuj wszystkie wyniki</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
</TS>
