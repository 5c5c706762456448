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
        <source>一枚画像</source>
        <translation>One sheet</translation>
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
</context>
</TS>
