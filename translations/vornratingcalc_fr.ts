<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>Calculateur de cotes d’équipe</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>Calculer la cote de chaque joueur de l’équipe après une victoire et après une défaite</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>cote;équipe;match;adversaire;calculateur;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 est déjà installé.

Voulez-vous désinstaller l’ancienne version avant d’installer la nouvelle&#xa0;?</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>La désinstallation a échoué.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 contient Qt, utilisé selon les termes de la GNU LGPL version 3, ainsi que d’autre code, chaque partie sous sa propre licence. Leurs mentions, les textes des licences et la façon de reconstruire le programme avec un Qt modifié se trouvent dans %2, installé à côté du programme.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>La cote de chaque joueur de l’équipe après une victoire et après une défaite</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Le Calculateur de cotes Vorn répond à une question que se posent les joueurs de matchs en équipe avant chaque partie&#xa0;: combien celle-ci compte-t-elle&#xa0;? Saisissez la cote actuelle de trois joueurs au plus de votre équipe et de trois adversaires au plus, cliquez sur «&#xa0;Calculer&#xa0;» et voyez, à côté de chaque joueur de votre équipe, la cote qu’il aurait après une victoire et après une défaite.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Les points en jeu découlent de l’écart entre les cotes moyennes des deux équipes et sont répartis à parts égales entre les joueurs de votre équipe. Le programme n’a besoin d’aucun réseau, ne conserve aucun fichier et ne retient rien d’une exécution à l’autre.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Les cotes de chaque joueur de l’équipe après une victoire et après une défaite</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>La fenêtre À propos affichée au démarrage</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>Valeur inattendue après « %1 ».</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>Tout sélectionner</translation>
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
        <translation>Maj</translation>
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
        <translation>Insérer un caractère de contrôle Unicode</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Marque gauche à droite</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Marque droite à gauche</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Liant sans chasse</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Antiliant sans chasse</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Espace sans chasse</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Début d’enchâssement gauche à droite</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Début d’enchâssement droite à gauche</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Début de forçage gauche à droite</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Début de forçage droite à gauche</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Fin de formatage directionnel</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Isolat gauche à droite</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Isolat droite à gauche</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Isolat selon le premier caractère fort</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Fin d’isolat directionnel</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>Calcule la nouvelle cote de chaque joueur après une victoire et après une défaite, à partir des cotes des deux équipes.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>Cote du joueur %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licences</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>Impossible de charger le calculateur. Rechargez la page pour réessayer.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>Le calcul a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>Pour garder sa cote, votre équipe doit gagner %1 de ces parties.</translation>
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
        <translation>Usage : %1 [OPTION]...
Calcule la cote de chaque joueur de votre équipe après une victoire et après
une défaite. Sans cotes, le programme ouvre sa fenêtre À propos, puis la
calculatrice ; avec des cotes, il affiche les résultats sans ouvrir de fenêtre.

  -t, --team COTE      une cote de votre équipe ; trois au plus, dans l&apos;ordre
  -o, --opponent COTE  une cote adverse ; trois au plus, dans l&apos;ordre
      --json           afficher les résultats en un seul objet JSON
  -h, --help           afficher cette aide et quitter
  -v, --version        afficher la version et quitter

Une cote par option, lue comme la calculatrice la lit (séparateur décimal de
vos paramètres régionaux, espaces, signe, exposant) ; une cote vide laisse sa
ligne vide. Exemple :
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Code de sortie : 0 pour des résultats, 1 pour des cotes que la calculatrice
refuserait, 2 pour une ligne de commande illisible.

Les options propres à Qt, comme -platform et -style, sont aussi acceptées.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Saisissez « %1 --help » pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>Erreur d&apos;exécution « %1 » : %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>au plus %1 cotes pour votre équipe (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>au plus %1 cotes adverses (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json demande des cotes (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>équipe</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>adversaires</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>équipe, ligne %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>adversaires, ligne %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>Les touches, les messages et la règle sont décrits dans %1(1).
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>« Aide » (ou F1) dans la calculatrice affiche la fenêtre À propos ; le README
sur %1 décrit les touches, les messages et la règle.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>Pour garder sa cote, votre équipe doit gagner %1&#xa0;% de ces parties.</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>Vous devez saisir une cote comprise entre -32768 et 32767</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>Vous devez saisir au moins un joueur et un adversaire</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>Vous devez saisir une valeur numérique pour la cote</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>La nouvelle cote sortirait de l’intervalle -32768 à 32767</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d’exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Deux équipes sur des socles aussi hauts que leurs cotes</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Calculateur de cotes Vorn</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>Version&#xa0;: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Par l’équipe outils de Kestrix, 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>Logiciel libre sous licence MIT&#xa0;: copiez-le et transmettez-le.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Saisissez les cotes des joueurs de votre équipe et des adversaires dans les cases. Cliquez sur Calculer pour obtenir la nouvelle cote de chaque joueur de votre équipe après une victoire ou une défaite.</translation>
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
        <translation>Votre équipe</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Adversaires</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>Cote actuelle</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Victoire</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Défaite</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>Votre équipe, cote du joueur %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>Cote de l’adversaire %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>Cote du joueur %1 après une victoire</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>Cote du joueur %1 après une défaite</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>Une balance qui pèse votre équipe face aux adversaires</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>Copier tous les résultats</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
</TS>
