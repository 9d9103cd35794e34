<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Team Rating Calculator</source>
        <translation>チーム レーティング計算機</translation>
    </message>
    <message>
        <source>Work out each team player&apos;s rating after a win and after a loss</source>
        <translation>勝った場合と負けた場合のチーム各プレイヤーのレーティングを計算します</translation>
    </message>
    <message>
        <source>rating;team;match;opponent;calculator;</source>
        <extracomment>Words a menu search finds the program by, each followed by a semicolon.</extracomment>
        <translation>レーティング;チーム;試合;相手;計算機;</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>%1 is already installed. 

Do you want to uninstall the old version before installing the new one?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 は既にインストールされています。

新しいバージョンをインストールする前に、古いバージョンをアンインストールしますか？</translation>
    </message>
    <message>
        <source>Uninstall failed.</source>
        <translation>アンインストールに失敗しました。</translation>
    </message>
    <message>
        <source>%1 contains Qt, used under the GNU LGPL version 3, and other code, each part under its own licence. Their notices, the licence texts and how to rebuild the program with a changed Qt are in %2, installed beside the program.</source>
        <extracomment>%1 is the program&apos;s name, %2 its licence notices file.</extracomment>
        <translation>%1 には、GNU LGPL バージョン 3 の下で使用している Qt と、それぞれ独自のライセンスの下にあるその他のコードが含まれています。それらの通知、ライセンス文、および変更した Qt でプログラムを再構築する方法は、プログラムと同じ場所にインストールされる %2 に記載されています。</translation>
    </message>
</context>
<context>
    <name>MetaInfo</name>
    <message>
        <source>See each team player&apos;s rating after a win and after a loss</source>
        <translation>勝った場合と負けた場合のチーム各プレイヤーのレーティング</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator answers a question players of team matches ask before every game: how much does this one matter? Type the current ratings of up to three players of your own team and up to three opponents, press Calculate, and see beside each of your team&apos;s players the rating they would hold after a win and after a loss.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>Vorn レーティング計算機は、チーム戦のプレイヤーが毎試合前に抱く「この試合はどれだけ重要か」という疑問に答えます。自チームのプレイヤー最大 3 人と相手最大 3 人の現在のレーティングを入力して［計算］を押すと、自チームの各プレイヤーの横に、勝った場合と負けた場合のレーティングが表示されます。</translation>
    </message>
    <message>
        <source>The points at stake follow from the difference between the two teams&apos; average ratings, and are shared equally among your team&apos;s players. The program needs no network, keeps no files and remembers nothing between runs.</source>
        <extracomment>A paragraph of the description a software centre shows.</extracomment>
        <translation>懸かっているポイントは両チームの平均レーティングの差で決まり、自チームのプレイヤーに均等に分配されます。このプログラムはネットワークを必要とせず、ファイルを保存せず、実行の間に何も記憶しません。</translation>
    </message>
    <message>
        <source>Ratings after a win and after a loss for each player of the team</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>チームの各プレイヤーの勝った場合と負けた場合のレーティング</translation>
    </message>
    <message>
        <source>The About window shown at start-up</source>
        <extracomment>A software centre shows it under a screenshot of the program.</extracomment>
        <translation>起動時に表示されるバージョン情報ウィンドウ</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as -t.</extracomment>
        <translation>&apos;%1&apos; の後に値がありません</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <extracomment>%1 is the option as typed, such as --json, given a value it does not take.</extracomment>
        <translation>&apos;%1&apos; の後に予期しない値があります</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>&amp; marks the access key.</extracomment>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Text box menu; &amp; marks the access key, unique within the menu.</extracomment>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Text box menu: deletes the selected text.</extracomment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Text box menu.</extracomment>
        <translation>すべて選択</translation>
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
        <translation>Unicode 制御文字を挿入</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM 左から右への記号</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM 右から左への記号</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ ゼロ幅接合子</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ ゼロ幅非接合子</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP ゼロ幅スペース</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE 左から右への埋め込みの開始</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE 右から左への埋め込みの開始</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO 左から右への上書きの開始</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO 右から左への上書きの開始</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF 方向書式の終了</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI 左から右への分離</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI 右から左への分離</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI 最初の強い文字による分離</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI 方向分離の終了</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Work out each player&apos;s new rating after a win and after a loss from the ratings of both teams.</source>
        <translation>両チームのレーティングから、勝った場合と負けた場合の各プレイヤーの新しいレーティングを計算します。</translation>
    </message>
    <message>
        <source>Player %1 rating</source>
        <translation>プレイヤー %1 のレーティング</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>The calculator could not be loaded. Reload the page to try again.</source>
        <translation>計算機を読み込めませんでした。ページを再読み込みして、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The calculation failed: %1</source>
        <translation>計算に失敗しました: %1</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1 of such games.</source>
        <translation>レートを維持するには、このような試合の%1で勝つ必要があります。</translation>
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
        <translation>使い方: %1 [オプション]...
自チームの各プレイヤーについて、勝った場合と負けた場合のレーティングを
計算します。レーティングを指定しないとバージョン情報ウィンドウに続いて
計算機を開き、指定すると結果を出力してウィンドウは開きません。

  -t, --team レート      自チームのレーティング (行の順に 3 個まで)
  -o, --opponent レート  相手のレーティング (行の順に 3 個まで)
      --json             結果を 1 つの JSON オブジェクトで出力する
  -h, --help             このヘルプを表示して終了する
  -v, --version          バージョンを表示して終了する

レーティングはオプション 1 つにつき 1 個で、計算機と同じように読み取り
ます (ロケールの小数点記号、空白、符号、指数)。空の値はその行を空にします。
例:
  %1 -t 500 -t 600 -o 550 -o 650 -o 700
終了ステータス: 0 は結果、1 は計算機が受け付けないレーティング、2 は
読み取れないコマンドラインです。

-platform や -style など Qt 自身のオプションも使えます。
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2
</source>
        <translation>実行時エラー &apos;%1&apos;: %2
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>at most %1 team ratings (-t, --team)</source>
        <translation>自チームのレーティングは %1 個までです (-t, --team)</translation>
    </message>
    <message>
        <source>at most %1 opponent ratings (-o, --opponent)</source>
        <translation>相手のレーティングは %1 個までです (-o, --opponent)</translation>
    </message>
    <message>
        <source>--json needs ratings (-t, -o)</source>
        <translation>--json にはレーティングが必要です (-t, -o)</translation>
    </message>
    <message>
        <source>team</source>
        <translation>自チーム</translation>
    </message>
    <message>
        <source>opponents</source>
        <translation>相手チーム</translation>
    </message>
    <message>
        <source>team row %1</source>
        <translation>自チーム %1 行目</translation>
    </message>
    <message>
        <source>opponent row %1</source>
        <translation>相手チーム %1 行目</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>See %1(1) for the keys, the messages and the rule.
</source>
        <translation>キー操作、メッセージ、計算規則については %1(1) を参照してください。
</translation>
    </message>
    <message>
        <source>Help (or F1) in the calculator shows the About window; the README at
%1 has the keys, the messages and the rule.
</source>
        <translation>計算機の「ヘルプ」(または F1) でバージョン情報ウィンドウが開きます。
キー操作、メッセージ、計算規則は %1 の README にあります。
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A complaint led by where it arose: %1 is the program&apos;s name, or a side and row (&quot;team row 2&quot;); %2 is the message.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>To hold its rating, your team must win %1% of such games.</source>
        <translation>レートを維持するには、このような試合の%1%で勝つ必要があります。</translation>
    </message>
</context>
<context>
    <name>vrc::engine::RefusalMessages</name>
    <message>
        <source>You must enter a rating between -32768 and 32767</source>
        <translation>レーティングは -32768 から 32767 の範囲で入力してください</translation>
    </message>
    <message>
        <source>You must enter at least one player and one opponent</source>
        <translation>プレイヤーと相手をそれぞれ 1 人以上入力してください</translation>
    </message>
    <message>
        <source>You must enter a numeric value for rating</source>
        <translation>レーティングには数値を入力してください</translation>
    </message>
    <message>
        <source>The new rating would be outside the range -32768 to 32767</source>
        <translation>新しいレーティングが -32768 から 32767 の範囲を超えます</translation>
    </message>
</context>
<context>
    <name>vrc::runtime::FaultBoundary</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>実行時エラー &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
</context>
<context>
    <name>vrc::ui::AboutWindow</name>
    <message>
        <source>Two teams on blocks as tall as their ratings</source>
        <translation>レーティングと同じ高さの台に立つ 2 チーム</translation>
    </message>
    <message>
        <source>Vorn Rating Calculator</source>
        <translation>Vorn レーティング計算機</translation>
    </message>
    <message>
        <source>Version: Solvane %1.%2</source>
        <translation>バージョン: Solvane %1.%2</translation>
    </message>
    <message>
        <source>Written by the Kestrix tools team, 2026</source>
        <translation>Kestrix ツール チーム作成、2026 年</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: copy it and pass it on.</source>
        <translation>MIT ライセンスのフリー ソフトウェアです。自由にコピー、配布できます。</translation>
    </message>
    <message>
        <source>Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.</source>
        <translation>両チームのプレイヤーのレーティングを各欄に入力して [計算] をクリックすると、自チームの各プレイヤーの勝敗後の新しいレーティングが表示されます。</translation>
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
        <translation>自チーム</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>相手チーム</translation>
    </message>
    <message>
        <source>Old Ratings</source>
        <translation>旧レート</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>勝った場合</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>負けた場合</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>計算(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Your team, player %1 rating</source>
        <translation>自チーム プレイヤー %1 のレーティング</translation>
    </message>
    <message>
        <source>Opponent %1 rating</source>
        <translation>相手 %1 のレーティング</translation>
    </message>
    <message>
        <source>Player %1 rating after a win</source>
        <translation>勝った場合のプレイヤー %1 のレーティング</translation>
    </message>
    <message>
        <source>Player %1 rating after a loss</source>
        <translation>負けた場合のプレイヤー %1 のレーティング</translation>
    </message>
    <message>
        <source>A balance weighing your team against the opponents</source>
        <translation>自チームと相手チームを量る天秤</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy All Results</source>
        <translation>すべての結果をコピー</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
</TS>
