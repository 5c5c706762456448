<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <source>%1 cannot hold a sheet of %2 frames of %3 x %3 pixels%4; the smallest size that would is %5</source>
        <translation>%1 には %3 x %3 ピクセルのフレーム %2 枚のシート%4が収まりません。収まる最小のサイズは %5 です</translation>
    </message>
    <message>
        <source> with --padding %1</source>
        <translation>（余白 %1 px）</translation>
    </message>
    <message>
        <source>%1 x %2 tiles of %3 x %3 px, %4 fps</source>
        <translation>%1 x %2 タイル（各 %3 x %3 px）、%4 fps</translation>
    </message>
    <message>
        <source>the %1 x %2 tiles take %3 x %4 pixels of the %5 x %6 sheet, not all of it: a particle module that takes only tile counts would read the sheet wrong</source>
        <translation>%1 x %2 のタイルが使うのは %5 x %6 のシートのうち %3 x %4 ピクセルだけです。タイルの数だけを受け取るパーティクルモジュールは、このシートを正しく読めません</translation>
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
        <source>--metadata json-hash and json-array would both write the same .json; choose one</source>
        <translation>メタデータの json-hash と json-array は同じ .json に書き出されます。どちらか一つを選んでください</translation>
    </message>
</context>
<context>
    <name>kirabellum::DesignFile</name>
    <message>
        <source>the colour ramp holds %1 entries; at most %2 fit</source>
        <translation>カラーランプに %1 色あります。入るのは %2 色までです</translation>
    </message>
    <message>
        <source>the design could not be written</source>
        <translation>デザインを書き出せませんでした</translation>
    </message>
    <message>
        <source>the file is too short for a version %1 design file (%2 bytes; at least %3 needed)</source>
        <translation>バージョン %1 のデザインファイルとしては短すぎます（%2 バイト。%3 バイト以上必要です）</translation>
    </message>
    <message>
        <source>the colour ramp length %1 is outside 0 to %2; the file is damaged or is not a version %3 design file</source>
        <translation>カラーランプの長さ %1 が 0 から %2 の範囲外です。ファイルが壊れているか、バージョン %3 のデザインファイルではありません</translation>
    </message>
    <message>
        <source>a version %1 design file with %2 ramp entries is %3 bytes long, but this file has %4 bytes; it is damaged or of the other version</source>
        <translation>ランプが %2 色のバージョン %1 のデザインファイルは %3 バイトですが、このファイルは %4 バイトです。壊れているか、もう一方のバージョンのファイルです</translation>
    </message>
    <message>
        <source>expected a version %1 design file, but the file holds JSON text</source>
        <translation>バージョン %1 のデザインファイルを開こうとしましたが、中身は JSON のテキストです</translation>
    </message>
    <message>
        <source>expected a version %1 design file, but the file holds a version %2 design</source>
        <translation>バージョン %1 のデザインファイルを開こうとしましたが、中身はバージョン %2 のデザインです</translation>
    </message>
    <message>
        <source>the design could not be read</source>
        <translation>デザインを読み込めませんでした</translation>
    </message>
    <message>
        <source>Cannot save the design to &quot;%1&quot;</source>
        <translation>デザインを「%1」に保存できません</translation>
    </message>
    <message>
        <source>Cannot open the design &quot;%1&quot;</source>
        <translation>デザイン「%1」を開けません</translation>
    </message>
</context>
<context>
    <name>kirabellum::DesignJson</name>
    <message>
        <source>&quot;%1&quot; holds the colour value %2, whose high byte is not 0; it cannot be written as &quot;#RRGGBB&quot;</source>
        <translation>「%1」の色の値 %2 は最上位バイトが 0 ではないため、「#RRGGBB」として書き出せません</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>配列</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>何もない値</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object, not %2</source>
        <translation>「%1」はオブジェクトでなければなりません（%2 になっています）</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>キー「%1」がありません</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>不明なキー「%1」があります</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of %2 %3, not %4</source>
        <translation>「%1」は %2 個の%3の配列でなければなりません（%4 になっています）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 entries; it must hold %3 %4</source>
        <translation>「%1」の要素が %2 個あります。%3 個の%4でなければなりません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3, not %4</source>
        <translation>「%1」は %2 から %3 までの整数でなければなりません（%4 になっています）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, outside the range of a 32-bit float</source>
        <translation>「%1」の %2 は 32 ビット浮動小数点数の範囲外です</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number, &quot;NaN&quot;, &quot;NaN:0x&quot; with the 8 hex digits of a NaN, &quot;Infinity&quot;, &quot;-Infinity&quot; or &quot;-0&quot;, not %2</source>
        <translation>「%1」は数値、「NaN」、NaN の 16 進 8 桁を続けた「NaN:0x」、「Infinity」、「-Infinity」、「-0」のいずれかでなければなりません（%2 になっています）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a colour &quot;#RRGGBB&quot;, not %2</source>
        <translation>「%1」は「#RRGGBB」の色でなければなりません（%2 になっています）</translation>
    </message>
    <message>
        <source>speeds</source>
        <translation>速さ</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>行</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>色</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, outside 0 to %3</source>
        <translation>「%1」の %2 は 0 から %3 の範囲外です</translation>
    </message>
    <message>
        <source>colours, as &quot;RampLength&quot; says</source>
        <translation>色（「RampLength」の値のとおり）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from 0 to 18446744073709551615 in a string of decimal digits (&quot;12345678901234567890&quot;), or a JSON number up to %2, not %3</source>
        <translation>「%1」は 0 から 18446744073709551615 までの整数を 10 進の数字の文字列（「12345678901234567890」）で書くか、%2 までの JSON の数値でなければなりません（%3 になっています）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false, not %2</source>
        <translation>「%1」は true か false でなければなりません（%2 になっています）</translation>
    </message>
    <message>
        <source>layers</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>forces</source>
        <translation>力</translation>
    </message>
    <message>
        <source>images</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>expected a JSON design, but the text is not valid JSON: %1 at line %2, column %3</source>
        <translation>JSON のデザインを開こうとしましたが、正しい JSON ではありません（%2 行 %3 桁目: %1）</translation>
    </message>
    <message>
        <source>Cannot save the design to &quot;%1&quot;</source>
        <translation>デザインを「%1」に保存できません</translation>
    </message>
    <message>
        <source>Cannot open the design &quot;%1&quot;</source>
        <translation>デザイン「%1」を開けません</translation>
    </message>
    <message>
        <source>&quot;RampLength&quot; is %1, outside 0 to %2</source>
        <translation>「RampLength」の %1 は 0 から %2 の範囲外です</translation>
    </message>
    <message>
        <source>the JSON text holds an array; it must hold one object of design fields</source>
        <translation>JSON のテキストが配列です。デザインの項目を持つオブジェクトが一つでなければなりません</translation>
    </message>
</context>
<context>
    <name>kirabellum::RecoveryFile</name>
    <message>
        <source>the recovery file could not be written</source>
        <translation>復元ファイルを書き出せませんでした</translation>
    </message>
    <message>
        <source>the recovery file could not be read</source>
        <translation>復元ファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>it is not a recovery file</source>
        <translation>復元ファイルではありません</translation>
    </message>
    <message>
        <source>it has the layout version %1; this designer reads versions %2 and %3</source>
        <translation>レイアウトのバージョンが %1 です。このデザイナーが読めるのはバージョン %2 と %3 です</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>ヘッダーが途中で切れています</translation>
    </message>
    <message>
        <source>its design is damaged</source>
        <translation>中のデザインが壊れています</translation>
    </message>
    <message>
        <source>Cannot write the recovery file &quot;%1&quot;</source>
        <translation>復元ファイル「%1」を書き出せません</translation>
    </message>
    <message>
        <source>Cannot read the recovery file &quot;%1&quot;</source>
        <translation>復元ファイル「%1」を読み込めません</translation>
    </message>
</context>
<context>
    <name>kirabellum::RecoveryStore</name>
    <message>
        <source>another designer holds its lock</source>
        <translation>ほかのデザイナーがロックしています</translation>
    </message>
    <message>
        <source>the folder may not be written</source>
        <translation>フォルダーに書き込む権限がありません</translation>
    </message>
    <message>
        <source>its lock file could not be written</source>
        <translation>ロックファイルを書き出せませんでした</translation>
    </message>
    <message>
        <source>Cannot remove the recovery file &quot;%1&quot;: %2</source>
        <translation>復元ファイル「%1」を削除できません: %2</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>Cannot create the recovery folder &quot;%1&quot;: %2</source>
        <translation>復元フォルダー「%1」を作れません: %2</translation>
    </message>
    <message>
        <source>Cannot write the recovery file &quot;%1&quot;: %2</source>
        <translation>復元ファイル「%1」を書き出せません: %2</translation>
    </message>
</context>
<context>
    <name>kirabellum::RenderRun</name>
    <message>
        <source>A loop records at least one period, not %1</source>
        <translation>ループは 1 周期以上を記録します（%1 は使えません）</translation>
    </message>
    <message>
        <source>The colour ramp length %1 is outside 0 to %2</source>
        <translation>カラーランプの長さ %1 が 0 から %2 の範囲外です</translation>
    </message>
</context>
<context>
    <name>kirabellum::StripLayout</name>
    <message>
        <source>The frame strip would be %1 x %2 pixels; at most %3 fit in each direction. Lower the frame count or the frame size, or raise the width limit</source>
        <translation>フレームの帯が %1 x %2 ピクセルになります。縦横とも %3 ピクセルまでしか入りません。フレーム数かフレームサイズを下げるか、幅の上限を上げてください</translation>
    </message>
    <message>
        <source>The frame size %1 is outside %2 to %3</source>
        <translation>フレームサイズ %1 が %2 から %3 の範囲外です</translation>
    </message>
    <message>
        <source>The frame count %1 is outside %2 to %3</source>
        <translation>フレーム数 %1 が %2 から %3 の範囲外です</translation>
    </message>
    <message>
        <source>The width limit %1 is outside %2 to %3</source>
        <translation>幅の上限 %1 が %2 から %3 の範囲外です</translation>
    </message>
</context>
<context>
    <name>koratune::PostprocSession</name>
    <message>
        <source>No image is open yet.

Open a frame image first with ﾌｧｲﾙ → 画像を開く (Ctrl+O).</source>
        <translation>画像がまだ開かれていません。

先に ﾌｧｲﾙ → 画像を開く (Ctrl+O) でフレーム画像を開いてください。</translation>
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
