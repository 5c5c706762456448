<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>common::AlphaModeCaption</name>
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
</context>
<context>
    <name>common::BarValueEntry</name>
    <message>
        <source>ダブルクリックで数値を入力</source>
        <translation>Double-click to type a value</translation>
    </message>
</context>
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
    <name>common::FramePreview</name>
    <message>
        <source>エンジンでの合成（書き出しと同じ透明度の計算）</source>
        <translation>How the engine blends (alpha computed as the export writes it)</translation>
    </message>
    <message>
        <source>フィット</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>←→キーでコマ送り、スペースキーで再生と停止</source>
        <translation>Left and Right step through the frames, Space plays and stops</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>再生を止める（スペースキー）</source>
        <translation>Stop playing (Space)</translation>
    </message>
    <message>
        <source>コマを順に再生する（スペースキー）</source>
        <translation>Play the frames in order (Space)</translation>
    </message>
</context>
<context>
    <name>common::SceneBox</name>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>市松模様</source>
        <translation>Checkerboard</translation>
    </message>
    <message>
        <source>色...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>画像...</source>
        <translation>Picture...</translation>
    </message>
    <message>
        <source>エンジンが描く背景</source>
        <translation>The background the engine draws over</translation>
    </message>
    <message>
        <source>背景の色</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>背景の画像</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Pictures</translation>
    </message>
</context>
<context>
    <name>common::SheetExportDialog</name>
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
    <message>
        <source>シートの透明の持ち方（%1）</source>
        <translation>How the sheet holds transparency (%1)</translation>
    </message>
    <message>
        <source>透明にしてコマのまわりに置く背景の色を選ぶ（%1）</source>
        <translation>Choose the colour made transparent and put around the frames (%1)</translation>
    </message>
    <message>
        <source>列数を自動で決める</source>
        <translation>Choose the number of columns by itself</translation>
    </message>
    <message>
        <source>シートの列数（%1）</source>
        <translation>The number of columns of the sheet (%1)</translation>
    </message>
    <message>
        <source>シートの長いほうの辺の上限（%1）</source>
        <translation>The longest edge the sheet may have (%1)</translation>
    </message>
    <message>
        <source>シートの幅と高さを2のべき乗に切り上げる（%1）</source>
        <translation>Round the sheet&apos;s width and height up to powers of two (%1)</translation>
    </message>
    <message>
        <source>各コマのまわりに置く背景の幅（%1）</source>
        <translation>Pixels of background around each frame (%1)</translation>
    </message>
    <message>
        <source>シートと一緒にこの形式のメタデータを書き出す（%1）</source>
        <translation>Write metadata in this format beside the sheet (%1)</translation>
    </message>
    <message>
        <source>メタデータに書く、またはアニメーションのフレームレート（%1）</source>
        <translation>The frame rate the metadata states, or the animation plays at (%1)</translation>
    </message>
    <message>
        <source>仕上がりを見せる下地</source>
        <translation>What the result is shown over</translation>
    </message>
    <message>
        <source>ファイルを選んでシートを書き出す</source>
        <translation>Choose a file and write the sheet</translation>
    </message>
    <message>
        <source>書き出さずに閉じる</source>
        <translation>Close without exporting</translation>
    </message>
    <message>
        <source>モーションベクター</source>
        <translation>Motion vectors</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Unity VFX Graph</source>
        <translation>Unity VFX Graph</translation>
    </message>
    <message>
        <source>16ビット、ピクセル単位</source>
        <translation>16-bit, in pixels</translation>
    </message>
    <message>
        <source>カラー</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>輝度とランプ</source>
        <translation>Intensity and ramp</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>粒子とランプがないため使えません</source>
        <translation>Not available: there are no particles or ramp</translation>
    </message>
    <message>
        <source>コマごとの動きを画像（名前_mv.png）に書き出し、エンジンがコマの間を補間できるようにする（%1）</source>
        <translation>Write each kept frame&apos;s motion as an image (NAME_mv.png), so that the engine can blend between frames (%1)</translation>
    </message>
    <message>
        <source>シートに色を書くか、ランプの番号を書いてランプの画像（名前_ramp.png）を添えるか（%1）</source>
        <translation>Write the colours, or each pixel&apos;s ramp index with the ramp as an image beside it (NAME_ramp.png) (%1)</translation>
    </message>
    <message>
        <source>コマ間引き</source>
        <translation>Frame step</translation>
    </message>
    <message>
        <source>K コマごとに1コマを残す。メタデータのフレームレートは K で割られる（%1）</source>
        <translation>Keep one frame in every K; the metadata&apos;s frame rate is divided by K (%1)</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>画質</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>ディザリング</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>規則的</source>
        <translation>Ordered</translation>
    </message>
    <message>
        <source>誤差拡散</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 px</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>シート (.png)</source>
        <translation>Sheet (.png)</translation>
    </message>
    <message>
        <source>無限</source>
        <translation>Forever</translation>
    </message>
    <message>
        <source>劣化なし</source>
        <translation>Lossless</translation>
    </message>
    <message>
        <source>ファイル...</source>
        <translation>File...</translation>
    </message>
    <message>
        <source>ファイル: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>最初のコマ</source>
        <translation>First frame</translation>
    </message>
    <message>
        <source>シートか、コマを順に見せるアニメーション（GIF、APNG、WebP）か。APNG は .png の名前でも書ける（%1）</source>
        <translation>A sheet, or an animation that shows the frames in turn (GIF, APNG, WebP); an APNG may also have a .png name (%1)</translation>
    </message>
    <message>
        <source>アニメーションを繰り返し続ける</source>
        <translation>Play the animation over and over</translation>
    </message>
    <message>
        <source>アニメーションを再生する回数（%1）</source>
        <translation>How many times the animation plays (%1)</translation>
    </message>
    <message>
        <source>WebP のコマを劣化なしで書く</source>
        <translation>Write the WebP frames losslessly</translation>
    </message>
    <message>
        <source>劣化ありの WebP のコマの画質（%1）</source>
        <translation>The quality of lossy WebP frames (%1)</translation>
    </message>
    <message>
        <source>すべての色をパレットの色にする。組み込みのパレットか、.hex、.gpl、.pal、.png のファイル（%1）</source>
        <translation>Make every colour one of a palette&apos;s: a built-in palette, or a .hex, .gpl, .pal or .png file (%1)</translation>
    </message>
    <message>
        <source>パレットの色の間の色の表し方。誤差拡散は一枚絵向きで、アニメーションではちらつく（%1）</source>
        <translation>How colours between the palette&apos;s are shown; diffusion suits single pictures and shimmers in animations (%1)</translation>
    </message>
    <message>
        <source>最後にすべてのコマをこの倍率でドットのまま拡大する（%1）</source>
        <translation>Finally enlarge every frame this many times, pixel for pixel (%1)</translation>
    </message>
    <message>
        <source>書き出される最初のコマ</source>
        <translation>The first frame as it will be written</translation>
    </message>
    <message>
        <source>誤差拡散のディザリングはアニメーションではちらつきます</source>
        <translation>Diffusion dithering shimmers in animations</translation>
    </message>
    <message>
        <source>&quot;%1&quot; は選んだ形式の名前ではありません</source>
        <translation>&quot;%1&quot; is not a name of the chosen format</translation>
    </message>
    <message>
        <source>切り抜き</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>切り詰め</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>全コマを描かれた範囲に切り抜く</source>
        <translation>Crop every frame to what the frames draw</translation>
    </message>
    <message>
        <source>コマごとに切り詰めて詰め込む</source>
        <translation>Trim each frame and pack them</translation>
    </message>
    <message>
        <source>どれかのコマが描くものをすべて含む最小の長方形に全コマを切り抜く。コマの大きさはそろったまま（%1）</source>
        <translation>Crop every frame to the smallest rectangle that holds all any frame draws; the frames keep one size (%1)</translation>
    </message>
    <message>
        <source>各コマを描かれた範囲に切り詰めて詰め込む。格子ではなくなるため、スプライトのアトラス向け（%1）</source>
        <translation>Trim each frame to what it draws and pack the frames tight; no longer a grid, for sprite atlases (%1)</translation>
    </message>
    <message>
        <source>バリエーション</source>
        <translation>Variants</translation>
    </message>
    <message>
        <source>デザイン</source>
        <translation>Designs</translation>
    </message>
    <message>
        <source>追加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>シード S、S+1、… で N 回レンダリングし、各バリエーションをそれぞれの行に並べる（%1）</source>
        <translation>Render N times with seeds S, S+1, ..., each variant on rows of its own (%1)</translation>
    </message>
    <message>
        <source>シートに並べるデザイン。最初はこのデザインで、それぞれ自分の設定でレンダリングされる</source>
        <translation>The designs the sheet holds: this design first, each rendered with its own settings</translation>
    </message>
    <message>
        <source>シートにデザインのファイルを加える</source>
        <translation>Add a design file to the sheet</translation>
    </message>
    <message>
        <source>選んだデザインをシートから外す</source>
        <translation>Take the chosen design off the sheet</translation>
    </message>
    <message>
        <source>描画しています…</source>
        <translation>Rendering…</translation>
    </message>
    <message>
        <source>描画を取り消しました。オプションを変えるとまた描画します</source>
        <translation>Rendering cancelled. Change an option to render again.</translation>
    </message>
</context>
<context>
    <name>common::WidgetDialogs</name>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存しない(&amp;N)</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
</TS>
