<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>kirabellum::AtlasExport</name>
    <message>
        <source>The render was cancelled</source>
        <translation>描画を取り消しました</translation>
    </message>
</context>
<context>
    <name>kirabellum::AtlasRender</name>
    <message>
        <source>cannot render &quot;%1&quot;: %2</source>
        <translation>「%1」をレンダリングできません: %2</translation>
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
    <message>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be &quot;%2&quot; or &quot;%3&quot;, not %4</source>
        <translation>「%1」は「%2」か「%3」でなければなりません（%4 になっています）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given only when &quot;%2&quot; is &quot;%3&quot;, not &quot;%4&quot;</source>
        <translation>「%1」は「%2」が「%3」のときだけ書けます。「%4」のときは書けません</translation>
    </message>
</context>
<context>
    <name>kirabellum::IntensitySheet</name>
    <message>
        <source>--colour intensity packs at most %1 canvases into R, G and B; this design has %2 (its own and %3 layers with ramps of their own)</source>
        <translation>強度シートの R、G、B に入るキャンバスは %1 枚までです。このデザインには %2 枚あります（デザインのものと、レイヤーのランプを持つ %3 レイヤーのもの）</translation>
    </message>
    <message>
        <source>--colour intensity with layers&apos; own ramps needs --alpha additive, not %1</source>
        <translation>レイヤーのランプがあるデザインの強度シートは透明度 additive だけで書き出せます（%1 は使えません）</translation>
    </message>
    <message>
        <source>--colour intensity needs one ramp for the whole sheet; its designs have ramps of their own</source>
        <translation>--colour intensity にはシート全体で一つのカラーテーブルが必要です。このシートのデザインはそれぞれ別のカラーテーブルを持っています</translation>
    </message>
</context>
<context>
    <name>kirabellum::LayerEffects</name>
    <message>
        <source>child bursts</source>
        <translation>子バースト</translation>
    </message>
    <message>
        <source>layer ramps</source>
        <translation>レイヤーのランプ</translation>
    </message>
    <message>
        <source>trails</source>
        <translation>軌跡</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>layer %1 is triggered by itself; a trigger&apos;s parent must be another layer</source>
        <translation>レイヤー %1 のトリガーの親がレイヤー自身です。親は別のレイヤーでなければなりません</translation>
    </message>
    <message>
        <source>the triggers of layers %1 form a cycle: each of them is triggered by the next, and the last by the first</source>
        <translation>レイヤー %1 のトリガーが循環しています（それぞれが次のレイヤーに、最後のレイヤーが最初のレイヤーにトリガーされています）</translation>
    </message>
    <message>
        <source>the colour ramp of layer %1 starts with %2; a layer&apos;s ramp must start with black, #000000</source>
        <translation>レイヤー %1 のカラーランプの最初の色が %2 です。レイヤーのランプは黒（#000000）で始まらなければなりません</translation>
    </message>
</context>
<context>
    <name>kirabellum::RecordingRerun</name>
    <message>
        <source>The frames are not those of the design as it now is; render it again first</source>
        <translation>フレームが今のデザインのものではありません。先にもう一度レンダリングしてください</translation>
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
    <message>
        <source>it has the layout version %1; this designer reads versions %2 to %3</source>
        <translation>レイアウトのバージョンが %1 です。このデザイナーが読めるのはバージョン %2 から %3 までです</translation>
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
    <name>kirabellum::RenderPreparation</name>
    <message>
        <source>The Fire of layer %1 uses a colour outside the palette</source>
        <translation>%1レイヤーのFireにパレット以外の色が使われています</translation>
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
    <message>
        <source>The frame step %1 is below 1</source>
        <translation>コマの間引き %1 が 1 未満です</translation>
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
</TS>
