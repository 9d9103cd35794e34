<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
