<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>common</name>
    <message>
        <source>Line %1 is not a colour: &quot;%2&quot;</source>
        <translation>%1 行目が色ではありません: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The palette has no colours</source>
        <translation>パレットに色がありません</translation>
    </message>
    <message>
        <source>The palette has more than %1 colours</source>
        <translation>パレットの色が %1 を超えています</translation>
    </message>
    <message>
        <source>The first line is not &quot;GIMP Palette&quot;</source>
        <translation>1 行目が &quot;GIMP Palette&quot; ではありません</translation>
    </message>
    <message>
        <source>The first lines are not &quot;JASC-PAL&quot; and &quot;0100&quot;</source>
        <translation>最初の行が &quot;JASC-PAL&quot; と &quot;0100&quot; ではありません</translation>
    </message>
    <message>
        <source>Line 3 is not a colour count: &quot;%1&quot;</source>
        <translation>3 行目が色の数ではありません: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Line 3 counts %1 colours, but %2 follow</source>
        <translation>3 行目の色の数は %1 ですが、続く色は %2 です</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>画像を読み込めません: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a palette name (%2) nor a palette file (.hex, .gpl, .pal or .png)</source>
        <translation>&quot;%1&quot; はパレット名（%2）でもパレットファイル（.hex、.gpl、.pal、.png）でもありません</translation>
    </message>
    <message>
        <source>Cannot read the palette &quot;%1&quot;</source>
        <translation>パレット &quot;%1&quot; を読み込めません</translation>
    </message>
</context>
<context>
    <name>common::AtlasLayout</name>
    <message>
        <source>; Single Row, Random Row, %1 rows</source>
        <translation>。Single Row・Random Row で %1 行</translation>
    </message>
    <message>
        <source> with --columns %1</source>
        <translation>（列数 %1）</translation>
    </message>
    <message>
        <source> with --padding %1</source>
        <translation>（余白 %1 px）</translation>
    </message>
    <message>
        <source>%1 cannot hold %2 trimmed frames%3</source>
        <translation>%1 にはトリミングしたフレーム %2 枚%3が収まりません</translation>
    </message>
    <message>
        <source>%1 cannot hold %2 frames of several sizes%3</source>
        <translation>%1 にはサイズの異なるフレーム %2 枚%3が収まりません</translation>
    </message>
    <message>
        <source>%1; the smallest size that would is %2</source>
        <translation>%1。収まる最小のサイズは %2 です</translation>
    </message>
    <message>
        <source>%1; not even the first animation fits</source>
        <translation>%1。最初のアニメーションだけでも収まりません</translation>
    </message>
    <message>
        <source>%1; only the first %2 of its %3 animations would fit</source>
        <translation>%1。%3 個のアニメーションのうち収まるのは最初の %2 個だけです</translation>
    </message>
    <message>
        <source>a sheet needs an animation</source>
        <translation>シートにはアニメーションが 1 つ以上必要です</translation>
    </message>
    <message>
        <source>%1 has bounds for %2 of its %3 frames</source>
        <translation>%1 はフレーム %3 枚のうち %2 枚にしか範囲がありません</translation>
    </message>
    <message>
        <source>packed frames, not a grid: load it by its metadata</source>
        <translation>詰めて並べたフレームで、格子ではありません。メタデータで読み込んでください</translation>
    </message>
    <message>
        <source>frames of several sizes, not a uniform grid a particle module can read: load it by its metadata</source>
        <translation>サイズの異なるフレームで、パーティクルモジュールが読める均一な格子ではありません。メタデータで読み込んでください</translation>
    </message>
    <message>
        <source>the frames are trimmed and packed, not on a grid: a particle module that takes only tile counts cannot read the sheet; load it by its metadata (json-hash, json-array or godot)</source>
        <translation>フレームはトリミングして詰めてあり、格子に並んでいません。タイルの数だけを受け取るパーティクルモジュールはこのシートを読めません。メタデータ（json-hash、json-array、godot）で読み込んでください</translation>
    </message>
    <message>
        <source>the animations&apos; frames are of several sizes, not on one uniform grid: a particle module that takes only tile counts cannot read the sheet; load it by its metadata (json-hash, json-array or godot)</source>
        <translation>アニメーションごとにフレームのサイズが異なり、1 つの均一な格子に並んでいません。タイルの数だけを受け取るパーティクルモジュールはこのシートを読めません。メタデータ（json-hash、json-array、godot）で読み込んでください</translation>
    </message>
</context>
<context>
    <name>common::AtomicFile</name>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>パイプ（FIFO）</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>ファイル以外のもの</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, and is left as it is</source>
        <translation>通常のファイルではなく%1なので、そのままにします</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>ファイルを読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>common::BitmapFile</name>
    <message>
        <source>the bitmap is cut short: its pixels need %1 bytes, the file holds %2</source>
        <translation>ビットマップが途中で切れています（画素に %1 バイト必要ですが、ファイルには %2 バイトしかありません）</translation>
    </message>
    <message>
        <source>the bitmap is cut short: its run-length data ends at row %1 of %2</source>
        <translation>ビットマップが途中で切れています（ランレングスのデータが %2 行のうち %1 行目で終わっています）</translation>
    </message>
    <message>
        <source>the bitmap is cut short in its headers</source>
        <translation>ビットマップのヘッダーが途中で切れています</translation>
    </message>
    <message>
        <source>the bitmap has a header of %1 bytes, which no bitmap has</source>
        <translation>ビットマップのヘッダーが %1 バイトですが、そのようなビットマップはありません</translation>
    </message>
    <message>
        <source>the bitmap declares %1 colour planes; bitmaps have 1</source>
        <translation>ビットマップのカラープレーン数が %1 です（ビットマップでは 1 です）</translation>
    </message>
    <message>
        <source>the bitmap declares %1 bits per pixel</source>
        <translation>ビットマップの 1 画素あたりのビット数が %1 です</translation>
    </message>
    <message>
        <source>the bitmap declares %1 x %2 pixels</source>
        <translation>ビットマップの大きさが %1 x %2 ピクセルになっています</translation>
    </message>
    <message>
        <source>the bitmap uses compression %1 with %2 bits per pixel, which is not supported</source>
        <translation>ビットマップが 1 画素 %2 ビットで圧縮方式 %1 を使っています。この組み合わせには対応していません</translation>
    </message>
    <message>
        <source>the bitmap is cut short in its colour fields</source>
        <translation>ビットマップの色のビットフィールドが途中で切れています</translation>
    </message>
    <message>
        <source>the bitmap has its pixels at byte %1 of a file of %2 bytes</source>
        <translation>ビットマップの画素の位置が %1 バイト目ですが、ファイルは %2 バイトしかありません</translation>
    </message>
</context>
<context>
    <name>common::ImageFile</name>
    <message>
        <source>Cannot read the picture &quot;%1&quot;</source>
        <translation>画像「%1」を読み込めません</translation>
    </message>
    <message>
        <source>Cannot write the picture &quot;%1&quot;</source>
        <translation>画像「%1」を書き出せません</translation>
    </message>
    <message>
        <source>its data could not be decoded</source>
        <translation>データを復号できませんでした</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>画像が空です</translation>
    </message>
    <message>
        <source>the picture is %1x%2 pixels; at most %3 pixels each way are supported</source>
        <translation>画像が %1x%2 ピクセルです。縦横とも %3 ピクセルまでしか扱えません</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, which needs %3 MB decoded; the limit is %4 MB</source>
        <translation>画像が %1 x %2 ピクセルで、展開に %3 MB 必要です。上限は %4 MB です</translation>
    </message>
    <message>
        <source>not a readable picture (%1)</source>
        <translation>読み込める画像ではありません（%1）</translation>
    </message>
    <message>
        <source>the picture could not be written out</source>
        <translation>画像を書き出せませんでした</translation>
    </message>
    <message>
        <source>unknown picture format; use .bmp or .png</source>
        <translation>画像の形式がわかりません。.bmp か .png を使ってください</translation>
    </message>
</context>
<context>
    <name>common::SaveDevice</name>
    <message>
        <source>the file could not be created</source>
        <translation>ファイルを作れませんでした</translation>
    </message>
    <message>
        <source>the written file could not replace the old one</source>
        <translation>書き出したファイルで元のファイルを置き換えられませんでした</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written</source>
        <translation>%2 バイトのうち %1 バイトしか書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>common::SheetAnimation</name>
    <message>
        <source>%1 applies to a sheet, not to the animation &quot;%2&quot;</source>
        <translation>%1 はシートのためのもので、アニメーション「%2」には使えません</translation>
    </message>
    <message>
        <source>%1 needs a .webp output, not &quot;%2&quot;</source>
        <translation>%1 には .webp の出力が必要です（「%2」には書き出せません）</translation>
    </message>
    <message>
        <source>--alpha premultiplied cannot be written to the GIF &quot;%1&quot;: a GIF has one transparent colour and no alpha between; use --alpha straight or additive, or an .apng or .webp output</source>
        <translation>GIF「%1」には --alpha premultiplied を書き出せません。GIF の透明色は一つだけで、中間の透明度がありません。--alpha straight か additive、または .apng か .webp の出力を使ってください</translation>
    </message>
    <message>
        <source>%1 applies to an animation (.gif, .apng, .webp, or .png with --animation apng), not to the sheet &quot;%2&quot;</source>
        <translation>%1 はアニメーション（.gif、.apng、.webp、または --animation apng の .png）のためのもので、シート「%2」には使えません</translation>
    </message>
</context>
<context>
    <name>common::SheetFiles</name>
    <message>
        <source>Cannot write the picture &quot;%1&quot;</source>
        <translation>画像「%1」を書き出せません</translation>
    </message>
    <message>
        <source>Cannot write the frame metadata &quot;%1&quot;</source>
        <translation>フレームのメタデータ「%1」を書き出せません</translation>
    </message>
</context>
<context>
    <name>common::SheetGrid</name>
    <message>
        <source>--max-size %1</source>
        <translation>最大サイズ %1 px</translation>
    </message>
    <message>
        <source>the limit of %1 pixels each way</source>
        <translation>縦横 %1 ピクセルの上限</translation>
    </message>
    <message>
        <source>--columns must be from 1 to %1, not %2</source>
        <translation>列数は 1 から %1 までです（%2 は使えません）</translation>
    </message>
    <message>
        <source>the smallest size that would hold it is %1</source>
        <translation>収まる最小のサイズは %1 です</translation>
    </message>
    <message>
        <source>choose fewer columns</source>
        <translation>列数を減らしてください</translation>
    </message>
    <message>
        <source>choose more columns</source>
        <translation>列数を増やしてください</translation>
    </message>
    <message>
        <source>%1 makes the sheet %2 x %3 pixels, more than %4 allows; %5</source>
        <translation>%1 ではシートが %2 x %3 ピクセルになり、%4 を超えます。%5</translation>
    </message>
    <message>
        <source>--columns %1</source>
        <translation>列数 %1</translation>
    </message>
    <message>
        <source>%1 frames of %2 pixels cannot make a sheet</source>
        <translation>%2 ピクセルのフレーム %1 枚ではシートを作れません</translation>
    </message>
    <message>
        <source>--padding must be from 0 to %1, not %2</source>
        <translation>余白は 0 から %1 までです（%2 は使えません）</translation>
    </message>
    <message>
        <source> with --padding %1</source>
        <translation>（余白 %1 px）</translation>
    </message>
    <message>
        <source>the %1 x %2 tiles take %3 x %4 pixels of the %5 x %6 sheet, not all of it: a particle module that takes only tile counts would read the sheet wrong</source>
        <translation>%1 x %2 のタイルが使うのは %5 x %6 のシートのうち %3 x %4 ピクセルだけです。タイルの数だけを受け取るパーティクルモジュールは、このシートを正しく読めません</translation>
    </message>
    <message>
        <source>%1 cannot hold a sheet of %2 frames of %3 x %4 pixels%5; the smallest size that would is %6</source>
        <translation>%1 には %3 x %4 ピクセルのフレーム %2 枚のシート%5が収まりません。収まる最小のサイズは %6 です</translation>
    </message>
    <message>
        <source>%1 x %2 tiles of %3 x %4 px, %5 fps</source>
        <translation>%1 x %2 タイル（各 %3 x %4 px）、%5 fps</translation>
    </message>
</context>
<context>
    <name>common::SheetOptions</name>
    <message>
        <source>%1 needs a .png output, not &quot;%2&quot;</source>
        <translation>%1 には .png の出力が必要です（「%2」には書き出せません）</translation>
    </message>
    <message>
        <source>--alpha %1</source>
        <translation>透明度 %1</translation>
    </message>
    <message>
        <source>--dither %1 needs --palette</source>
        <translation>ディザ %1 にはパレットが必要です</translation>
    </message>
    <message>
        <source>%1 does not go with %2</source>
        <translation>%1 は %2 と一緒には使えません</translation>
    </message>
    <message>
        <source>--metadata json-hash and json-array would both write the same .json; choose one</source>
        <translation>メタデータの json-hash と json-array は同じ .json に書き出されます。どちらか一つを選んでください</translation>
    </message>
    <message>
        <source>--colour %1</source>
        <translation>色の形式 %1</translation>
    </message>
    <message>
        <source>--frame-step %1 does not divide the loop&apos;s %2 frames; in a loop the frame count must be a multiple of the frame step</source>
        <translation>--frame-step %1 ではループの %2 フレームを割り切れません。ループのフレーム数はコマ間引きの倍数にしてください</translation>
    </message>
</context>
</TS>
