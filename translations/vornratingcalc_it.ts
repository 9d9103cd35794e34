<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>Calcolatore di punteggi di squadra</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>Calcola il punteggio di ogni giocatore della squadra dopo una vittoria e dopo una sconfitta</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>punteggio;squadra;partita;avversario;calcolatore;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 è già installato.

Disinstallare la versione precedente prima di installare quella nuova?</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>Disinstallazione non riuscita.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 contiene Qt, utilizzato secondo la GNU LGPL versione 3, e altro codice, ciascuna parte con la propria licenza. Le relative note, i testi delle licenze e come ricompilare il programma con un Qt modificato si trovano in %2, installato accanto al programma.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>Il punteggio di ogni giocatore della squadra dopo una vittoria e dopo una sconfitta</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Il Calcolatore di punteggi Vorn risponde a una domanda che i giocatori delle partite a squadre si pongono prima di ogni incontro: quanto conta questa partita? Inserisci il punteggio attuale di un massimo di tre giocatori della tua squadra e di tre avversari, premi «Calcola» e vedi accanto a ogni giocatore della tua squadra il punteggio che avrebbe dopo una vittoria e dopo una sconfitta.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>I punti in palio derivano dalla differenza tra i punteggi medi delle due squadre e sono divisi in parti uguali tra i giocatori della tua squadra. Il programma non ha bisogno della rete, non conserva file e non ricorda nulla da un avvio all’altro.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Punteggi dopo una vittoria e dopo una sconfitta per ogni giocatore della squadra</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>La finestra Informazioni mostrata all’avvio</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>Manca il valore dopo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>Valore inatteso dopo &quot;%1&quot;.</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Ri&amp;fai</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>Seleziona tutto</translation>
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
        <translation>Maiusc</translation>
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
        <translation>Inserisci carattere di controllo Unicode</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Segno da sinistra a destra</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Segno da destra a sinistra</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Unione a larghezza zero</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Non unione a larghezza zero</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Spazio a larghezza zero</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Inizio incorporamento da sinistra a destra</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Inizio incorporamento da destra a sinistra</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Inizio forzatura da sinistra a destra</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Inizio forzatura da destra a sinistra</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Fine formattazione direzionale</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Isolamento da sinistra a destra</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Isolamento da destra a sinistra</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Isolamento secondo il primo carattere forte</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Fine isolamento direzionale</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>Calcola il nuovo punteggio di ogni giocatore dopo una vittoria e dopo una sconfitta a partire dai punteggi delle due squadre.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>Punteggio del giocatore %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licenze</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>Impossibile caricare il calcolatore. Ricaricare la pagina per riprovare.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>Calcolo non riuscito: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>Per mantenere il punteggio, la squadra deve vincere il %1 di queste partite.</translation>
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
        <translation>Uso: %1 [OPZIONE]...
Calcola il punteggio di ogni giocatore della squadra dopo una vittoria e dopo
una sconfitta. Senza punteggi il programma apre la finestra Informazioni, poi
la calcolatrice; con i punteggi stampa i risultati e non apre finestre.

  -t, --team PUNTEGGIO      un punteggio della squadra; fino a tre, per riga
  -o, --opponent PUNTEGGIO  un punteggio avversario; fino a tre, per riga
      --json                stampa i risultati come un unico oggetto JSON
  -h, --help                mostra questo aiuto ed esce
  -v, --version             mostra la versione ed esce

Un punteggio per opzione, letto come lo legge la calcolatrice (il separatore
decimale della lingua locale, spazi, un segno, un esponente); uno vuoto lascia
vuota la sua riga. Esempio:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Stato di uscita: 0 per i risultati, 1 per punteggi che la calcolatrice
rifiuterebbe, 2 per una riga di comando che non si può leggere.

Sono accettate anche le opzioni proprie di Qt, come -platform e -style.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Usare &quot;%1 --help&quot; per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>Errore di esecuzione &quot;%1&quot;: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>al massimo %1 punteggi della squadra (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>al massimo %1 punteggi degli avversari (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json richiede dei punteggi (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>squadra</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>avversari</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>squadra, riga %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>avversari, riga %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>Tasti, messaggi e regola sono descritti in %1(1).
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>«Aiuto» (o F1) nella calcolatrice mostra la finestra Informazioni; il README
su %1 descrive tasti, messaggi e regola.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>Per mantenere il punteggio, la squadra deve vincere il %1% di queste partite.</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>Occorre inserire un punteggio compreso tra -32768 e 32767</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>Occorre inserire almeno un giocatore e un avversario</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>Occorre inserire un valore numerico come punteggio</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>Il nuovo punteggio sarebbe fuori dall’intervallo da -32768 a 32767</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Errore di run-time &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Due squadre su blocchi alti quanto i loro punteggi</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Calcolatore di punteggi Vorn</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>Versione: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Dal team strumenti di Kestrix, 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>Software libero con licenza MIT: copiatelo e passatelo ad altri.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Inserire i punteggi dei giocatori della propria squadra e degli avversari nelle caselle. Fare clic su Calcola per ottenere il nuovo punteggio di ogni giocatore dopo una vittoria o una sconfitta.</translation>
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
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Avversari</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Vittoria</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Sconfitta</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>La propria squadra, punteggio del giocatore %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>Punteggio dell’avversario %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>Punteggio del giocatore %1 dopo una vittoria</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>Punteggio del giocatore %1 dopo una sconfitta</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>Una bilancia che pesa la squadra contro gli avversari</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>Copia tutti i risultati</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
</TS>
