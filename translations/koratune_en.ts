<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
</context>
<context>
    <name>koratune::Output</name>
    <message>
        <source>出力を書き出せませんでした。

%1</source>
        <translation>The output was not written.

%1</translation>
    </message>
</context>
</TS>
