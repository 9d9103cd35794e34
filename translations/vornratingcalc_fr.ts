<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Saisissez les cotes des joueurs de votre équipe et de l’équipe adverse dans les cases prévues. Cliquez sur Calculer pour obtenir la nouvelle cote de chaque joueur de votre équipe après une victoire ou une défaite.</translation>
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
