<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CellAccessible</name>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reversed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tovik2: flip the cells of a picture until it shows the right way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture to play with (BMP, ICO, GIF, JPEG or PNG), opened as the game setting dialog opens it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[picture]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: one picture at a time, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>This puzzle complete!!</source>
        <translation>Puzzle solved!</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>This puzzle failed!!<byte value="xd"/>
Try again?</source>
        <translation>Out of moves!<byte value="xd"/>
Try this puzzle again?</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>パズルモードを終了して<byte value="xd"/>
ノーマルモードにしますか？</source>
        <translation>End puzzle mode<byte value="xd"/>
and switch to normal mode?</translation>
    </message>
    <message>
        <source>ノーマルモードを終了して<byte value="xd"/>
パズルモードにしますか？</source>
        <translation>End normal mode<byte value="xd"/>
and switch to puzzle mode?</translation>
    </message>
    <message>
        <source>モード変更</source>
        <translation>Change Mode</translation>
    </message>
    <message>
        <source>パズルを最初からはじめますが<byte value="xd"/>
よろしいですか?</source>
        <translation>Puzzle mode starts again from the first level.<byte value="xd"/>
Is that OK?</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>読み込む画像を設定して下さい。</source>
        <translation>Please choose a picture first.</translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation>Cannot Load Picture</translation>
    </message>
</context>
<context>
    <name>PictureRefusal</name>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>リンクがたどれません（循環しています）。</source>
        <translation>The link cannot be followed (it leads back to itself).</translation>
    </message>
    <message>
        <source>ファイルを開けません：読み取りが許可されていません。</source>
        <translation>The file cannot be opened: you are not allowed to read it.</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>フォルダーは画像として読み込めません。</source>
        <translation>A folder cannot be loaded as a picture.</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません（パイプ、デバイスなど）。</source>
        <translation>It is not a regular file (it may be a pipe or a device).</translation>
    </message>
    <message>
        <source>画像ファイル（%1）ではありません。</source>
        <translation>It is not a picture file (%1).</translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 MB）。</source>
        <translation>The file is too large (%1 MB).</translation>
    </message>
    <message>
        <source>対応していない形式のファイルです（読み込めるのは BMP、ICO、GIF、JPEG、PNG です）。</source>
        <translation>The file is not in a format the game reads (BMP, ICO, GIF, JPEG or PNG).</translation>
    </message>
    <message>
        <source>画像として読み込めません：画像の情報が壊れています。</source>
        <translation>The picture cannot be read: its header is damaged.</translation>
    </message>
    <message>
        <source>画像ファイルが途中で切れています。</source>
        <translation>The picture file is cut off.</translation>
    </message>
    <message>
        <source>画像ファイルのデータが、書かれている大きさ（%1）に足りません。</source>
        <translation>The picture file holds too little data for its stated size (%1).</translation>
    </message>
    <message>
        <source>画像の大きさが異常です（%1）。</source>
        <translation>The picture claims an impossible size (%1).</translation>
    </message>
    <message>
        <source>画像が大きすぎて読み込めません（%1、約 %2 MB 必要です）。</source>
        <translation>The picture is too large to load (%1, about %2 MB needed).</translation>
    </message>
    <message>
        <source>ファイルを読めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>画像として読み込めません：画像のデータが壊れています。</source>
        <translation>The picture cannot be read: its data is damaged.</translation>
    </message>
    <message>
        <source>画像を展開する記憶域が足りません。</source>
        <translation>There is not enough memory to load the picture.</translation>
    </message>
    <message>
        <source>画像として読み込めません。</source>
        <translation>The file cannot be read as a picture.</translation>
    </message>
    <message>
        <source>画像を読み込めませんでした。</source>
        <translation>The picture could not be loaded.</translation>
    </message>
    <message>
        <source>画像の色の深さが異常です（1 画素 %1 ビット）。</source>
        <translation>The picture claims an impossible colour depth (%1 bits per pixel).</translation>
    </message>
</context>
<context>
    <name>TaskLabel</name>
    <message numerus="yes">
        <source>%n手以内で完成せよ。</source>
        <translation>
            <numerusform>Solve it in %n move</numerusform>
            <numerusform>Solve it in %n moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>残り%n</source>
        <translation>
            <numerusform>%n move left</numerusform>
            <numerusform>%n moves left</numerusform>
        </translation>
    </message>
    <message>
        <source>PAZZL終了</source>
        <translation>Puzzle over</translation>
    </message>
</context>
<context>
    <name>board::Form5</name>
    <message>
        <source>問題作成中</source>
        <translation>Scrambling…</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>フォルダーを開けません。</source>
        <translation>The folder cannot be opened.</translation>
    </message>
</context>
<context>
    <name>platform::HandlerEvents</name>
    <message>
        <source>An unexpected error stopped the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::MessageBox</name>
    <message>
        <source>&amp;Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Form1</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GameSetting</source>
        <translation>Game Settings…</translation>
    </message>
    <message>
        <source>NormalMode</source>
        <translation>Normal Mode</translation>
    </message>
    <message>
        <source>PazzlMode</source>
        <translation>Puzzle Mode</translation>
    </message>
    <message>
        <source>EndGmae</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About Tovik2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了しますか？</source>
        <translation>Quit Tovik2?</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Wendrixのホームページへ行きますが<byte value="xd"/>
よろしいですか？</source>
        <translation>Open the Wendrix website<byte value="xd"/>
in your browser?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Board state</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Form2</name>
    <message>
        <source>GameSetting</source>
        <translation>Game Settings</translation>
    </message>
    <message>
        <source>表示方法</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>全体表示</source>
        <translation>Whole picture</translation>
    </message>
    <message>
        <source>画像をマス全てを使って表示します</source>
        <translation>Spreads the picture over all the cells</translation>
    </message>
    <message>
        <source>マス表示 重たい画像は不可</source>
        <translation>Per cell (slow)</translation>
    </message>
    <message>
        <source>マス一つづつに画像を表示させます（処理能力が低下します）</source>
        <translation>Shows the whole picture in every cell (slower)</translation>
    </message>
    <message>
        <source>問題作成時のｱﾆﾒｰｼｮﾝを表示する</source>
        <translation>Animate the scramble</translation>
    </message>
    <message>
        <source>問題作成時のｱﾆﾒｰｼｮﾝ効果を有効にします</source>
        <translation>Shows the cells turning while a puzzle is made</translation>
    </message>
    <message>
        <source>現在設定されている画像</source>
        <translation>The chosen picture</translation>
    </message>
    <message>
        <source>使用するマスの数</source>
        <translation>Number of cells to play with</translation>
    </message>
    <message>
        <source>マス数</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>設定を有効にします</source>
        <translation>Apply the settings</translation>
    </message>
    <message>
        <source>設定を取りやめます</source>
        <translation>Cancel the changes</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up makes the grid smaller, Down makes it larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by %1, %2 cells</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Form3</name>
    <message>
        <source>Version history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 画像表示処理高速化</source>
        <translation> * Faster picture display</translation>
    </message>
    <message>
        <source> * フォーム自動調整機能調整</source>
        <translation> * Better window fitting</translation>
    </message>
    <message>
        <source> * モードを変更時に起こるバグ修正</source>
        <translation> * Fixed a mode change bug</translation>
    </message>
    <message>
        <source> * 反転規則変更をOptionに追加</source>
        <translation> * Flip rule in Options</translation>
    </message>
    <message>
        <source> * 画像読み込み時のバグ修正</source>
        <translation> * Fixed a picture loading bug</translation>
    </message>
    <message>
        <source> * フォーム自動調整機能追加</source>
        <translation> * Automatic window fitting</translation>
    </message>
    <message>
        <source> * 読み込める画像の種類追加</source>
        <translation> * More picture formats</translation>
    </message>
    <message>
        <source> * 進行状況バー追加</source>
        <translation> * Progress bar</translation>
    </message>
    <message>
        <source> * 問題作成時のメモリー占領を修正</source>
        <translation> * Puzzles use less memory</translation>
    </message>
    <message>
        <source> * マスの幅を設定できるようにする。</source>
        <translation> * Cell size can be set</translation>
    </message>
    <message>
        <source> * プログラムを簡略化</source>
        <translation> * Simpler program</translation>
    </message>
    <message>
        <source> * 画像の自動拡大縮小機能追加</source>
        <translation> * Pictures scale to fit</translation>
    </message>
    <message>
        <source> * 難易度の設定を追加</source>
        <translation> * Difficulty setting</translation>
    </message>
    <message>
        <source> * 画像読み込み機能作成</source>
        <translation> * Picture loading</translation>
    </message>
    <message>
        <source> * ボタン選択時のバグ修正</source>
        <translation> * Fixed a button bug</translation>
    </message>
    <message>
        <source> * プログラムの基本動作作成</source>
        <translation> * First playable game</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>About Tovik2</translation>
    </message>
    <message>
        <source>Wendrix 制作</source>
        <translation>Made by Wendrix</translation>
    </message>
</context>
<context>
    <name>ui::Form6</name>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>画像のマスサイズ変更</source>
        <translation>Cell Size</translation>
    </message>
    <message>
        <source>画像を表示するマスの大きさを設定します。</source>
        <translation>Sets the size of the cells that show the picture.</translation>
    </message>
    <message>
        <source>画像のマスの大きさ （デフォルト=495）</source>
        <translation>Cell size<byte value="xd"/>
(default 495)</translation>
    </message>
    <message>
        <source>反転規則変更</source>
        <translation>Flip Rule</translation>
    </message>
    <message>
        <source>マスをクリックした時の反転規則を変更します。</source>
        <translation>Sets which cells turn over when you click a cell.</translation>
    </message>
    <message>
        <source>設定を有効にします</source>
        <translation>Apply the settings</translation>
    </message>
    <message>
        <source>設定を取りやめます</source>
        <translation>Cancel the changes</translation>
    </message>
    <message>
        <source>Sample cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>初期化されますがよろしいですか？</source>
        <translation>The board will be reset. Continue?</translation>
    </message>
    <message>
        <source>反転する場所を設定して下さい。</source>
        <translation>Mark at least two cells to flip.</translation>
    </message>
</context>
<context>
    <name>ui::GameAnnouncer</name>
    <message>
        <source>No board yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 cells reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal mode; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game running; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; moves left: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle mode, move limit: %1; moves left: %2; %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::RuleBox</name>
    <message>
        <source>Flip rule, row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
