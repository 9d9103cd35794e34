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
