<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>koratune::PostprocSession</name>
    <message>
        <source>No image is open yet.

Open a frame image first with ﾌｧｲﾙ → 画像を開く (Ctrl+O).</source>
        <translation>画像がまだ開かれていません。

先に ﾌｧｲﾙ → 画像を開く (Ctrl+O) でフレーム画像を開いてください。</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>すべての画像</translation>
    </message>
</context>
<context>
    <name>koratune::SheetLayout</name>
    <message>
        <source>no frames to lay out</source>
        <translation>並べるフレームがありません</translation>
    </message>
    <message>
        <source>the sheet can have 1 to %1 columns, not %2</source>
        <translation>シートの列数は 1 から %1 までです（%2 は使えません）</translation>
    </message>
    <message>
        <source>the sheet would be %1x%2 pixels; at most %3 pixels each way are possible, so choose fewer columns</source>
        <translation>シートが %1x%2 ピクセルになります。縦横とも %3 ピクセルまでなので、列数を減らしてください</translation>
    </message>
    <message>
        <source>the sheet would be %1x%2 pixels; at most %3 pixels each way are possible, so choose more columns</source>
        <translation>シートが %1x%2 ピクセルになります。縦横とも %3 ピクセルまでなので、列数を増やしてください</translation>
    </message>
</context>
</TS>
