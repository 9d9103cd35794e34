<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>Debe introducir una puntuación entre -32768 y 32767</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>Debe introducir al menos un jugador y un rival</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>Debe introducir un valor numérico como puntuación</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>La nueva puntuación quedaría fuera del intervalo de -32768 a 32767</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Dos equipos sobre bloques tan altos como sus puntuaciones</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Calculadora de puntuación Vorn</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>Versión: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Del equipo de herramientas Kestrix, 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>Software libre con licencia MIT: cópielo y compártalo.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Introduzca las puntuaciones de los jugadores de su equipo y del equipo rival en las casillas indicadas. Pulse Calcular para obtener la nueva puntuación de cada jugador de su equipo tras una victoria o una derrota.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vrc::ui::FrmVornRating</name>
    <message>
        <source>Your Team</source>
        <translation>Su equipo</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Rivales</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Si gana</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Si pierde</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>Su equipo, puntuación del jugador %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>Puntuación del rival %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>Puntuación del jugador %1 tras una victoria</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>Puntuación del jugador %1 tras una derrota</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>Una balanza que pesa su equipo frente a los rivales</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>Copiar todos los resultados</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
