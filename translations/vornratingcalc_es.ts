<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>Calculadora de puntuación de equipo</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>Calcule la puntuación de cada jugador del equipo tras una victoria y tras una derrota</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>puntuación;equipo;partida;rival;calculadora;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 ya está instalado.

¿Desea desinstalar la versión anterior antes de instalar la nueva?</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>No se pudo desinstalar.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 contiene Qt, utilizado bajo la GNU LGPL versión 3, y otro código, cada parte bajo su propia licencia. Sus avisos, los textos de las licencias y cómo volver a compilar el programa con un Qt modificado están en %2, instalado junto al programa.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>La puntuación de cada jugador del equipo tras una victoria y tras una derrota</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>La Calculadora de puntuación Vorn responde a una pregunta que los jugadores de partidas por equipos se hacen antes de cada partida: ¿cuánto importa esta? Introduzca la puntuación actual de hasta tres jugadores de su equipo y de hasta tres rivales, pulse «Calcular» y verá junto a cada jugador de su equipo la puntuación que tendría tras una victoria y tras una derrota.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Los puntos en juego se derivan de la diferencia entre las puntuaciones medias de los dos equipos y se reparten a partes iguales entre los jugadores de su equipo. El programa no necesita red, no guarda archivos y no recuerda nada de una ejecución a otra.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Puntuaciones tras una victoria y tras una derrota para cada jugador del equipo</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>La ventana Acerca de que se muestra al iniciar</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>Falta el valor después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>Valor inesperado después de &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>&amp; marks the access key.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Mayús</translation>
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
        <translation>Insertar carácter de control Unicode</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Marca de izquierda a derecha</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Marca de derecha a izquierda</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Unión de ancho cero</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ No unión de ancho cero</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Espacio de ancho cero</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Inicio de incrustación de izquierda a derecha</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Inicio de incrustación de derecha a izquierda</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Inicio de sustitución de izquierda a derecha</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Inicio de sustitución de derecha a izquierda</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Fin del formato direccional</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Aislamiento de izquierda a derecha</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Aislamiento de derecha a izquierda</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Aislamiento según el primer carácter fuerte</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Fin del aislamiento direccional</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>Calcula la nueva puntuación de cada jugador tras una victoria y tras una derrota a partir de las puntuaciones de ambos equipos.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>Puntuación del jugador %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>No se pudo cargar la calculadora. Vuelva a cargar la página para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>Error en el cálculo: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>Para mantener su puntuación, su equipo debe ganar el %1 de estas partidas.</translation>
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
        <translation>Uso: %1 [OPCIÓN]...
Calcula la puntuación de cada jugador de su equipo tras una victoria y tras
una derrota. Sin puntuaciones, el programa abre su ventana Acerca de y luego la
calculadora; con ellas, muestra los resultados y no abre ninguna ventana.

  -t, --team PUNTUACIÓN      una puntuación de su equipo; hasta tres, por filas
  -o, --opponent PUNTUACIÓN  una puntuación rival; hasta tres, por filas
      --json                 mostrar los resultados como un objeto JSON
  -h, --help                 mostrar esta ayuda y salir
  -v, --version              mostrar la versión y salir

Una puntuación por opción, leída como la lee la calculadora (el separador
decimal de su configuración regional, espacios, un signo, un exponente); una
vacía deja vacía su fila. Ejemplo:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Estado de salida: 0 con resultados, 1 con puntuaciones que la calculadora
rechazaría, 2 con una línea de órdenes que no se puede leer.

También se aceptan las opciones propias de Qt, como -platform y -style.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Pruebe &apos;%1 --help&apos; para más información.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>como máximo %1 puntuaciones de su equipo (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>como máximo %1 puntuaciones de rivales (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json necesita puntuaciones (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>equipo</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>rivales</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>equipo, fila %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>rivales, fila %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>Las teclas, los mensajes y la regla se describen en %1(1).
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>«Ayuda» (o F1) en la calculadora muestra la ventana Acerca de; el README en
%1 describe las teclas, los mensajes y la regla.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>Para mantener su puntuación, su equipo debe ganar el %1 % de estas partidas.</translation>
    </message>
</context>
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
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
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
        <translation>Calculadora de puntos Vorn</translation>
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
        <translation>Escriba las puntuaciones de los jugadores de su equipo y de los rivales en las casillas. Pulse Calcular para ver la nueva puntuación de cada jugador de su equipo tras una victoria o una derrota.</translation>
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
