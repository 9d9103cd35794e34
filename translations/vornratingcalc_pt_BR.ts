<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>Calculadora de pontuação de time</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>Calcule a pontuação de cada jogador do time após uma vitória e após uma derrota</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>pontuação;time;partida;adversário;calculadora;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 já está instalado.

Deseja desinstalar a versão anterior antes de instalar a nova?</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>Falha ao desinstalar.</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 contém o Qt, usado sob a GNU LGPL versão 3, e outros códigos, cada parte sob sua própria licença. Os avisos, os textos das licenças e como recompilar o programa com um Qt modificado estão em %2, instalado ao lado do programa.</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>A pontuação de cada jogador do time após uma vitória e após uma derrota</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>A Calculadora de pontuação Vorn responde a uma pergunta que os jogadores de partidas em time fazem antes de cada jogo: quanto vale esta partida? Digite a pontuação atual de até três jogadores do seu time e de até três adversários, clique em “Calcular” e veja, ao lado de cada jogador do seu time, a pontuação que ele teria após uma vitória e após uma derrota.</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Os pontos em jogo resultam da diferença entre as pontuações médias dos dois times e são divididos igualmente entre os jogadores do seu time. O programa não precisa de rede, não guarda arquivos e não se lembra de nada de uma execução para outra.</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>Pontuações após uma vitória e após uma derrota para cada jogador do time</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>A janela Sobre exibida ao iniciar</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>Falta o valor após &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>Valor inesperado após &quot;%1&quot;.</translation>
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
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>Selecionar tudo</translation>
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
        <translation>Inserir caractere de controle Unicode</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Marca da esquerda para a direita</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Marca da direita para a esquerda</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Junção de largura zero</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Não junção de largura zero</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Espaço de largura zero</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Início de incorporação da esquerda para a direita</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Início de incorporação da direita para a esquerda</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Início de substituição da esquerda para a direita</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Início de substituição da direita para a esquerda</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Fim da formatação direcional</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Isolamento da esquerda para a direita</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Isolamento da direita para a esquerda</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Isolamento pelo primeiro caractere forte</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Fim do isolamento direcional</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>Calcula a nova pontuação de cada jogador após uma vitória e após uma derrota a partir das pontuações dos dois times.</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>Pontuação do jogador %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Licenças</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>Não foi possível carregar a calculadora. Recarregue a página para tentar novamente.</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>O cálculo falhou: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>Para manter a pontuação, seu time precisa vencer %1 dessas partidas.</translation>
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
        <translation>Uso: %1 [OPÇÃO]...
Calcula a pontuação de cada jogador do seu time após uma vitória e após uma
derrota. Sem pontuações, o programa abre a janela Sobre e depois a calculadora;
com elas, mostra os resultados e não abre nenhuma janela.

  -t, --team PONTUAÇÃO      uma pontuação do seu time; até três, por linha
  -o, --opponent PONTUAÇÃO  uma pontuação adversária; até três, por linha
      --json                mostra os resultados como um objeto JSON
  -h, --help                mostra esta ajuda e sai
  -v, --version             mostra a versão e sai

Uma pontuação por opção, lida como a calculadora a lê (o separador decimal
da sua localidade, espaços, um sinal, um expoente); uma vazia deixa sua linha
vazia. Exemplo:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
Status de saída: 0 com resultados, 1 com pontuações que a calculadora
recusaria, 2 com uma linha de comando que não pode ser lida.

As opções próprias do Qt, como -platform e -style, também são aceitas.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>Tente &quot;%1 --help&quot; para mais informações.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>Erro em tempo de execução &quot;%1&quot;: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>no máximo %1 pontuações do seu time (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>no máximo %1 pontuações de adversários (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json precisa de pontuações (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>time</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>adversários</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>time, linha %1</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>adversários, linha %1</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>As teclas, as mensagens e a regra estão descritas em %1(1).
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>&quot;Ajuda&quot; (ou F1) na calculadora mostra a janela Sobre; o README em
%1 descreve as teclas, as mensagens e a regra.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>Para manter a pontuação, seu time precisa vencer %1% dessas partidas.</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>Você deve digitar uma pontuação entre -32768 e 32767</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>Você deve digitar pelo menos um jogador e um adversário</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>Você deve digitar um valor numérico para a pontuação</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>A nova pontuação ficaria fora do intervalo de -32768 a 32767</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>Dois times sobre blocos da altura de suas pontuações</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Calculadora de pontos Vorn</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>Versão: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Pela equipe de ferramentas Kestrix, 2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>Software livre sob a licença MIT: copie e repasse.</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>Digite as pontuações dos jogadores do seu time e do time adversário nas caixas indicadas. Clique em Calcular para obter a nova pontuação de cada jogador do seu time após uma vitória ou uma derrota.</translation>
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
        <translation>Seu time</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Adversários</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Se vencer</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Se perder</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>Seu time, pontuação do jogador %1</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>Pontuação do adversário %1</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>Pontuação do jogador %1 após uma vitória</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>Pontuação do jogador %1 após uma derrota</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>Uma balança que pesa seu time contra os adversários</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Copiar todos os resultados</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
</TS>
