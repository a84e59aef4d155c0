<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CellAccessible</name>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>%1行%2列 %3</translation>
    </message>
    <message>
        <source>right way</source>
        <translation>表</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>裏</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tovik2: flip the cells of a picture until it shows the right way.</source>
        <translation>Tovik2: 絵のマスを裏返して、元の絵に戻すパズルです。</translation>
    </message>
    <message>
        <source>A picture to play with (BMP, ICO, GIF, JPEG or PNG), opened as the game setting dialog opens it.</source>
        <translation>遊ぶ画像（BMP、ICO、GIF、JPEG、PNG）。ゲーム設定と同じように開きます。</translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation>[画像]</translation>
    </message>
    <message>
        <source>%1: one picture at a time, not %2.</source>
        <translation>%1: 画像は一度に一つだけです（%2 個指定されました）。</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>This puzzle complete!!</source>
        <translation>This puzzle complete!!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>This puzzle failed!!<byte value="xd"/>
Try again?</source>
        <translation>This puzzle failed!!<byte value="xd"/>
Try again?</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>パズルモードを終了して<byte value="xd"/>
ノーマルモードにしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ノーマルモードを終了して<byte value="xd"/>
パズルモードにしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モード変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パズルを最初からはじめますが<byte value="xd"/>
よろしいですか?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込む画像を設定して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureRefusal</name>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンクがたどれません（循環しています）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開けません：読み取りが許可されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダーは画像として読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません（パイプ、デバイスなど）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイル（%1）ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 MB）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対応していない形式のファイルです（読み込めるのは BMP、ICO、GIF、JPEG、PNG です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像として読み込めません：画像の情報が壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイルが途中で切れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイルのデータが、書かれている大きさ（%1）に足りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の大きさが異常です（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像が大きすぎて読み込めません（%1、約 %2 MB 必要です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを読めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像として読み込めません：画像のデータが壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を展開する記憶域が足りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像として読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を読み込めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の色の深さが異常です（1 画素 %1 ビット）。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskLabel</name>
    <message numerus="yes">
        <source>%n手以内で完成せよ。</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>残り%n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>PAZZL終了</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>board::Form5</name>
    <message>
        <source>問題作成中</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>フォルダーを開けません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::HandlerEvents</name>
    <message>
        <source>An unexpected error stopped the program.</source>
        <translation>予期しないエラーが起きたため、プログラムを終了します。</translation>
    </message>
</context>
<context>
    <name>platform::MessageBox</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>再試行(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>続行(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ui::Form1</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>GameSetting</source>
        <translation>GameSetting</translation>
    </message>
    <message>
        <source>NormalMode</source>
        <translation>NormalMode</translation>
    </message>
    <message>
        <source>PazzlMode</source>
        <translation>PazzlMode</translation>
    </message>
    <message>
        <source>EndGmae</source>
        <translation>EndGmae</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Web page</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>終了しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wendrixのホームページへ行きますが<byte value="xd"/>
よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board state</source>
        <translation>盤面の状態</translation>
    </message>
</context>
<context>
    <name>ui::Form2</name>
    <message>
        <source>GameSetting</source>
        <translation>GameSetting</translation>
    </message>
    <message>
        <source>表示方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全体表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像をマス全てを使って表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マス表示 重たい画像は不可</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マス一つづつに画像を表示させます（処理能力が低下します）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題作成時のｱﾆﾒｰｼｮﾝを表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題作成時のｱﾆﾒｰｼｮﾝ効果を有効にします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在設定されている画像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用するマスの数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マス数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定を有効にします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定を取りやめます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Up makes the grid smaller, Down makes it larger</source>
        <translation>上でマス数が減り、下で増えます</translation>
    </message>
    <message>
        <source>%1 by %1, %2 cells</source>
        <translation>%1×%1、%2マス</translation>
    </message>
</context>
<context>
    <name>ui::Form3</name>
    <message>
        <source>Version history</source>
        <translation>Version history</translation>
    </message>
    <message>
        <source> * 画像表示処理高速化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * フォーム自動調整機能調整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * モードを変更時に起こるバグ修正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 反転規則変更をOptionに追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 画像読み込み時のバグ修正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * フォーム自動調整機能追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 読み込める画像の種類追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 進行状況バー追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 問題作成時のメモリー占領を修正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * マスの幅を設定できるようにする。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * プログラムを簡略化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 画像の自動拡大縮小機能追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 難易度の設定を追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 画像読み込み機能作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * ボタン選択時のバグ修正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * プログラムの基本動作作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Wendrix 制作</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Form6</name>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>画像のマスサイズ変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を表示するマスの大きさを設定します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像のマスの大きさ （デフォルト=495）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反転規則変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マスをクリックした時の反転規則を変更します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定を有効にします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定を取りやめます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample cell</source>
        <translation>マスの見本</translation>
    </message>
    <message>
        <source>初期化されますがよろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反転する場所を設定して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::GameAnnouncer</name>
    <message>
        <source>No board yet</source>
        <translation>盤面はまだありません</translation>
    </message>
    <message>
        <source>%1 of %2 cells reversed</source>
        <translation>%2マス中%1マスが裏</translation>
    </message>
    <message>
        <source>Normal mode; %1</source>
        <translation>ノーマルモード。%1</translation>
    </message>
    <message>
        <source>No game running; %1</source>
        <translation>ゲームは始まっていません。%1</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation>ヒント：%1行%2列</translation>
    </message>
    <message>
        <source>%1; %2 reversed</source>
        <translation>%1。裏%2マス</translation>
    </message>
    <message>
        <source>%1; moves left: %2</source>
        <translation>%1。残り%2</translation>
    </message>
    <message>
        <source>Puzzle mode, move limit: %1; moves left: %2; %3</source>
        <translation>パズルモード、%1手以内で完成せよ。残り%2。%3</translation>
    </message>
</context>
<context>
    <name>ui::RuleBox</name>
    <message>
        <source>Flip rule, row %1, column %2</source>
        <translation>反転規則 %1行%2列</translation>
    </message>
</context>
</TS>
