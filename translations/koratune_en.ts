<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>koratune::Color</name>
    <message>
        <source>ColorTranceform</source>
        <translation>ColorTranceform</translation>
    </message>
    <message>
        <source>色相シフト</source>
        <translation>Hue shift</translation>
    </message>
    <message>
        <source>彩度調整</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>この設定で画像の色を変換します</source>
        <translation>Converts the image&apos;s colours with these settings</translation>
    </message>
    <message>
        <source>デフォルト</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>色変換を中止しました（%1 / %2 行を変換済み）</source>
        <translation>Colour conversion stopped (%1 / %2 rows converted)</translation>
    </message>
    <message>
        <source>色変換が終わりました（%1 行、%2 秒）</source>
        <translation>Colour conversion finished (%1 rows in %2 s)</translation>
    </message>
    <message>
        <source>色相と彩度を変えない値に戻す</source>
        <translation>Set the hue and saturation back to unchanged</translation>
    </message>
    <message>
        <source>色相をずらす量</source>
        <translation>How far to shift the hue</translation>
    </message>
    <message>
        <source>彩度を上げ下げする割合（％）</source>
        <translation>How much to raise or lower the saturation (percent)</translation>
    </message>
</context>
<context>
    <name>koratune::Console</name>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>フレーム数</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>スキップ</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>フレーム補正</source>
        <translation>Frame settings</translation>
    </message>
    <message>
        <source>左右反転</source>
        <translation>Flip ↔</translation>
    </message>
    <message>
        <source>上下反転</source>
        <translation>Flip ↕</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>このフレーム設定を再生と出力に使います</source>
        <translation>Uses these frame settings for playback and output</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>リフレッシュレート</source>
        <translation>Refresh rate</translation>
    </message>
    <message>
        <source>２倍表示</source>
        <translation>2x size</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>一コマの大きさ（ピクセル）</source>
        <translation>The size of one frame in pixels</translation>
    </message>
    <message>
        <source>再生して出力するコマの数</source>
        <translation>How many frames to play and write</translation>
    </message>
    <message>
        <source>何コマおきに使うか（1ですべてのコマ）</source>
        <translation>Use every n-th frame (1 uses every frame)</translation>
    </message>
    <message>
        <source>最初に使うコマ</source>
        <translation>The first frame to use</translation>
    </message>
    <message>
        <source>コマを左右に反転する</source>
        <translation>Mirror the frames left to right</translation>
    </message>
    <message>
        <source>コマを上下に反転する</source>
        <translation>Mirror the frames top to bottom</translation>
    </message>
    <message>
        <source>プレビューを再生する速さ</source>
        <translation>How fast the preview plays</translation>
    </message>
    <message>
        <source>プレビューを２倍の大きさで再生する</source>
        <translation>Play the preview at twice the size</translation>
    </message>
    <message>
        <source>このフレーム設定でコマをプレビューに再生する</source>
        <translation>Play the frames in the preview with these settings</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>koratune::MDIForm1</name>
    <message>
        <source>画像を開けませんでした。

%1</source>
        <translation>The image was not opened.

%1</translation>
    </message>
    <message>
        <source>画像を合成できませんでした。

%1</source>
        <translation>The image was not composited.

%1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>画像を開く(&amp;O)</source>
        <translation>&amp;Open Image</translation>
    </message>
    <message>
        <source>画像を合成(&amp;U)</source>
        <translation>O&amp;verlay Image</translation>
    </message>
    <message>
        <source>出力(&amp;O)</source>
        <translation>Out&amp;put</translation>
    </message>
    <message>
        <source>終了(&amp;E)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Console(&amp;C)</source>
        <translation>&amp;Console</translation>
    </message>
    <message>
        <source>ColorTranceform(&amp;H)</source>
        <translation>Color&amp;Tranceform</translation>
    </message>
    <message>
        <source>Preview(&amp;P)</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>ColorTranceform</source>
        <translation>ColorTranceform</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>画像を開く</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>画像を合成</source>
        <translation>Overlay Image</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>終了しても・・よいのですな？</source>
        <translation>Are you sure you want to exit?</translation>
    </message>
    <message>
        <source>画像のフレーム設定を読み込みました（%1x%1、%2 フレーム、%3 fps）</source>
        <translation>Frame settings read from the picture (%1x%1, %2 frames, %3 fps)</translation>
    </message>
    <message>
        <source>Console: コマの大きさ・数・反転を決めて再生する</source>
        <translation>Console: set the frame size, count and mirroring, and play</translation>
    </message>
    <message>
        <source>ColorTranceform: 画像の色相と彩度を変える</source>
        <translation>ColorTranceform: change the picture&apos;s hue and saturation</translation>
    </message>
    <message>
        <source>Preview: 開いた画像を見る。クリックで画像を開く</source>
        <translation>Preview: see the opened picture. Click it to open one</translation>
    </message>
</context>
<context>
    <name>koratune::Output</name>
    <message>
        <source>出力を書き出せませんでした。

%1</source>
        <translation>The output was not written.

%1</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>   一枚画像</source>
        <translation>   One sheet</translation>
    </message>
    <message>
        <source>連続画像</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>横のコマ数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>縦のコマ数</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>出力画像のサイズ</source>
        <translation>Output size</translation>
    </message>
    <message>
        <source>書き出し...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>出力しました: %1（%2x%3）</source>
        <translation>Wrote %1 (%2x%3)</translation>
    </message>
    <message>
        <source>出力しました: %1 〜 %2（%3 枚）</source>
        <translation>Wrote %1 to %2 (%3 files)</translation>
    </message>
    <message>
        <source>すべてのコマを一枚の画像に並べて出力する</source>
        <translation>Write every frame side by side in one picture</translation>
    </message>
    <message>
        <source>コマごとに番号付きの画像を出力する</source>
        <translation>Write each frame as a numbered picture of its own</translation>
    </message>
    <message>
        <source>一枚画像の横に並べるコマの数</source>
        <translation>How many frames stand side by side in the sheet</translation>
    </message>
    <message>
        <source>ゲームエンジン用のシートとメタデータを書き出す（%1）</source>
        <translation>Export a sheet and its metadata for a game engine (%1)</translation>
    </message>
    <message>
        <source>この設定で画像を出力する</source>
        <translation>Write the pictures with these settings</translation>
    </message>
    <message>
        <source>何も出力せずに閉じる</source>
        <translation>Close without writing anything</translation>
    </message>
    <message>
        <source>書き出しました: %1</source>
        <translation>Exported %1</translation>
    </message>
</context>
<context>
    <name>koratune::Preview</name>
    <message>
        <source>クリックで画像を開きます</source>
        <translation>Click to open an image</translation>
    </message>
</context>
<context>
    <name>koratune::Versionf</name>
    <message>
        <source>バージョン情報</source>
        <translation>About Koratune</translation>
    </message>
    <message>
        <source>v%1  フレーム画像ポストプロセッサ</source>
        <translation>v%1  Frame image post-processor</translation>
    </message>
</context>
<context>
    <name>koratune::Wait</name>
    <message>
        <source>Now Rendering.Please Wait...</source>
        <translation>Now Rendering.Please Wait...</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>色の変換を中止する</source>
        <translation>Stop converting the colours</translation>
    </message>
</context>
</TS>
