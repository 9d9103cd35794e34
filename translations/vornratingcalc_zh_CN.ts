<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>团队积分计算器</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>计算队伍中每名玩家获胜和失败后的积分</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>积分;团队;比赛;对手;计算器;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 已安装。

是否在安装新版本之前卸载旧版本？</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>卸载失败。</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 包含依据 GNU LGPL 第 3 版使用的 Qt 以及其他代码，各部分均适用其各自的许可证。它们的声明、许可证文本以及如何使用修改后的 Qt 重新构建本程序，请参阅与程序一同安装的 %2。</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>查看队伍中每名玩家获胜和失败后的积分</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Vorn 积分计算器回答团队比赛玩家在每场比赛前都会问的问题：这一场有多重要？输入我方最多三名玩家和最多三名对手的当前积分，按下“计算”，即可在我方每名玩家旁看到其获胜和失败后的积分。</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>比赛的得失分由两队平均积分之差决定，并在我方玩家之间平均分配。本程序无需网络，不保存任何文件，也不会在两次运行之间记住任何内容。</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>队伍中每位玩家获胜和失利后的积分</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>启动时显示的“关于”窗口</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>“%1”后缺少值</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>“%1”后有意外的值</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>&amp; marks the access key.</extracomment>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>插入 Unicode 控制字符</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM 从左到右标记</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM 从右到左标记</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ 零宽连接符</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ 零宽非连接符</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP 零宽空格</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE 开始从左到右嵌入</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE 开始从右到左嵌入</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO 开始从左到右覆盖</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO 开始从右到左覆盖</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF 结束方向格式</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI 从左到右隔离</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI 从右到左隔离</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI 按第一个强字符隔离</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI 结束方向隔离</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>根据双方队伍的积分，计算每位玩家获胜和失利后的新积分。</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>玩家 %1 的积分</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>许可证</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>无法加载计算器。请重新加载页面后重试。</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>计算失败：%1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>要保持积分不变，我方需赢下此类比赛的 %1。</translation>
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
        <translation>用法：%1 [选项]...
计算我方每名玩家获胜时和失败时的新积分。不给出积分时，程序先打开“关于”
窗口，再打开计算器；给出积分时，程序输出结果，不打开任何窗口。

  -t, --team 积分      我方的一个积分；最多三个，按行的顺序
  -o, --opponent 积分  对手的一个积分；最多三个，按行的顺序
      --json           以一个 JSON 对象输出结果
  -h, --help           显示此帮助并退出
  -v, --version        显示版本并退出

每个选项给出一个积分，读法与计算器相同（所在区域的小数点、空白、
正负号、指数）；空值使该行留空。示例：
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
退出状态：0 表示得到结果，1 表示计算器会拒绝的积分，2 表示无法读取的
命令行。

也接受 Qt 自身的选项，例如 -platform 和 -style。
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>请尝试执行“%1 --help”来获取更多信息。
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>运行时错误“%1”：%2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>我方积分最多 %1 个 (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>对手积分最多 %1 个 (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json 需要积分 (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>我方</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>对手</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>我方第 %1 行</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>对手第 %1 行</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>按键、消息和计算规则请参阅 %1(1)。
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>在计算器中点击“帮助”（或按 F1）可打开“关于”窗口；按键、消息和
计算规则请参阅 %1 上的 README。
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>要保持积分不变，我方需赢下此类比赛的 %1%。</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>请输入 -32768 到 32767 之间的积分</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>请至少输入一名玩家和一名对手</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>请输入数值作为积分</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>新积分将超出 -32768 到 32767 的范围</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>运行时错误“%1”：

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>两支队伍站在与其积分等高的台子上</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Vorn 积分计算器</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>版本：Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Kestrix 工具团队编写，2026</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>MIT 许可证下的自由软件：欢迎复制和传播。</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>在标注的框中输入我方和对方队伍玩家的积分。单击“计算”按钮，即可得出我方每名玩家获胜或失败后的新积分。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>vrc::ui::FrmVornRating</name>
    <message>
        <source>Your Team</source>
        <translation>我方</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>对手</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>原积分</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>获胜时</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>失败时</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>我方玩家 %1 的积分</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>对手 %1 的积分</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>玩家 %1 获胜后的积分</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>玩家 %1 失败后的积分</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>衡量我方与对手的天平</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>复制全部结果</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
</TS>
