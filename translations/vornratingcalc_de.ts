<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>Team-Wertungsrechner</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>Die Wertung jedes Teamspielers nach Sieg und nach Niederlage berechnen</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>Wertung;Team;Spiel;Gegner;Rechner;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 ist bereits installiert.

Möchten Sie die alte Version deinstallieren, bevor die neue installiert wird?</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>Die Deinstallation ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 enthält Qt, das unter der GNU LGPL Version 3 verwendet wird, und weiteren Code, jeden Teil unter seiner eigenen Lizenz. Deren Hinweise, die Lizenztexte und wie sich das Programm mit einem geänderten Qt neu erstellen lässt, stehen in %2, das neben dem Programm installiert wird.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>Die Wertung jedes Teamspielers nach Sieg und nach Niederlage sehen</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Der Vorn-Wertungsrechner beantwortet eine Frage, die sich Spieler von Teamspielen vor jeder Partie stellen: Wie viel steht diesmal auf dem Spiel? Geben Sie die aktuellen Wertungen von bis zu drei Spielern Ihres Teams und bis zu drei Gegnern ein, klicken Sie auf „Berechnen“ und sehen Sie neben jedem Spieler Ihres Teams die Wertung, die er nach einem Sieg und nach einer Niederlage hätte.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Die Punkte, um die es geht, ergeben sich aus dem Unterschied zwischen den durchschnittlichen Wertungen der beiden Teams und werden gleichmäßig auf die Spieler Ihres Teams verteilt. Das Programm braucht kein Netzwerk, legt keine Dateien an und merkt sich nichts von einem Start zum nächsten.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Wertungen nach einem Sieg und nach einer Niederlage für jeden Spieler des Teams</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Das Info-Fenster beim Programmstart</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>Nach &apos;%1&apos; fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>Nach &apos;%1&apos; folgt ein unerwarteter Wert.</translation>
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
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>Alles auswählen</translation>
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
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The Shift key&apos;s name as printed on keyboards sold for the language.</extracomment>
        <translation>Umschalt</translation>
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
        <translation>Unicode-Steuerzeichen einfügen</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Links-nach-rechts-Marke</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Rechts-nach-links-Marke</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Verbinder ohne Breite</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Trenner ohne Breite</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Leerzeichen ohne Breite</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Beginn einer Links-nach-rechts-Einbettung</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Beginn einer Rechts-nach-links-Einbettung</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Beginn einer Links-nach-rechts-Überschreibung</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Beginn einer Rechts-nach-links-Überschreibung</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Ende der Richtungsformatierung</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Links-nach-rechts-Isolierung</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Rechts-nach-links-Isolierung</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Isolierung nach dem ersten starken Zeichen</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Ende der Richtungsisolierung</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>Berechnet die neue Wertung jedes Spielers nach einem Sieg und nach einer Niederlage aus den Wertungen beider Teams.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>Wertung von Spieler %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>Der Rechner konnte nicht geladen werden. Laden Sie die Seite neu, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>Die Berechnung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>Um seine Wertung zu halten, muss Ihr Team %1 solcher Spiele gewinnen.</translation>
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
        <translation>Aufruf: %1 [OPTION]...
Berechnet die Wertung jedes Spielers Ihres Teams nach einem Sieg und nach
einer Niederlage. Ohne Wertungen öffnet das Programm sein Info-Fenster, dann
den Rechner; mit Wertungen gibt es die Ergebnisse aus und öffnet kein Fenster.

  -t, --team WERTUNG      eine Wertung Ihres Teams; bis zu drei, in Zeilenfolge
  -o, --opponent WERTUNG  eine Wertung der Gegner; bis zu drei, in Zeilenfolge
      --json              die Ergebnisse als ein JSON-Objekt ausgeben
  -h, --help              diese Hilfe anzeigen und beenden
  -v, --version           die Version anzeigen und beenden

Eine Wertung je Option, gelesen wie im Rechner (das Dezimaltrennzeichen
Ihres Gebietsschemas, Leerzeichen, ein Vorzeichen, ein Exponent); eine leere
lässt ihre Zeile leer. Beispiel:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Rückgabewert: 0 bei Ergebnissen, 1 bei Wertungen, die der Rechner ablehnen
würde, 2 bei einer Befehlszeile, die sich nicht lesen lässt.

Qts eigene Optionen wie -platform und -style werden ebenfalls angenommen.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>„%1 --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>Laufzeitfehler „%1“: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>höchstens %1 Wertungen des Teams (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>höchstens %1 Wertungen der Gegner (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json braucht Wertungen (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>Team, Zeile %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>Gegner, Zeile %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>Tasten, Meldungen und die Regel beschreibt %1(1).
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>„Hilfe“ (oder F1) im Rechner zeigt das Info-Fenster; die README unter
%1 beschreibt Tasten, Meldungen und die Regel.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>Um seine Wertung zu halten, muss Ihr Team %1 % solcher Spiele gewinnen.</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>Sie müssen eine Wertung zwischen -32768 und 32767 eingeben</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>Sie müssen mindestens einen Spieler und einen Gegner eingeben</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>Sie müssen einen Zahlenwert als Wertung eingeben</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>Die neue Wertung läge außerhalb des Bereichs -32768 bis 32767</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Zwei Teams auf Sockeln, so hoch wie ihre Wertungen</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Vorn-Wertungsrechner</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>Version: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Vom Kestrix-Werkzeugteam, 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>Freie Software unter der MIT-Lizenz: kopieren und weitergeben erlaubt.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Tragen Sie die Wertungen Ihrer Spieler und der Gegner in die beschrifteten Felder ein. „Berechnen“ zeigt die neue Wertung jedes Spielers Ihres Teams nach einem Sieg und nach einer Niederlage.</translation>
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
        <translation>Ihr Team</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>Alte Wertung</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>Ihr Team, Wertung von Spieler %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>Wertung von Gegner %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>Wertung von Spieler %1 nach einem Sieg</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>Wertung von Spieler %1 nach einer Niederlage</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>Eine Waage, die Ihr Team gegen die Gegner abwägt</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>Alle Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
</TS>
