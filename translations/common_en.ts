<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>common::FramePlayback</name>
    <message>
        <source>1回</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>往復</source>
        <translation>Bounce</translation>
    </message>
    <message>
        <source>繰り返しと往復は、もう一度プレビューを押すか、ウィンドウを閉じると止まります</source>
        <translation>Repeat and Bounce stop when Preview is pressed again or the window closes</translation>
    </message>
</context>
<context>
    <name>common::SheetExportDialog</name>
    <message>
        <source>加算</source>
        <translation>Additive</translation>
    </message>
    <message>
        <source>ストレート</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>乗算済み</source>
        <translation>Premultiplied</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>最大サイズ</source>
        <translation>Max size</translation>
    </message>
    <message>
        <source>2のべき乗</source>
        <translation>Power of 2</translation>
    </message>
    <message>
        <source>余白</source>
        <translation>Padding</translation>
    </message>
    <message>
        <source>メタデータ</source>
        <translation>Metadata</translation>
    </message>
    <message>
        <source>フレームレート</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>市松模様</source>
        <translation>Checkerboard</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>書き出し...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>変更...</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>各辺を切り上げる</source>
        <translation>Round each side up</translation>
    </message>
    <message>
        <source>仕上がり</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>下地</source>
        <translation>Backdrop</translation>
    </message>
    <message>
        <source>%1（ColorTransformation の最初の色）</source>
        <translation>%1 (the first colour of ColorTransformation)</translation>
    </message>
    <message>
        <source>%1
画像 %2 x %3 px（表示 %4%）</source>
        <translation>%1
Image %2 x %3 px (shown at %4%)</translation>
    </message>
</context>
</TS>
