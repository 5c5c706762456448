<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>kirabellum::DesignLifecycle</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>デザイン「%1」への変更を保存しますか？</source>
        <translation>Save the changes to the design &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>デザイン「%1」が見つかりません。最近使ったデザインの一覧から外します。</source>
        <translation>The design &quot;%1&quot; cannot be found. It is taken off the list of recent designs.</translation>
    </message>
    <message>
        <source>保存されずに終了したデザイン「%1」があります（%2 に記録）。復元しますか？</source>
        <translation>The design &quot;%1&quot; was left unsaved when the designer ended (kept at %2). Restore it?</translation>
    </message>
    <message>
        <source>このデザインは .df2 形式に保存できないレイヤー効果（%1）を使っています。代わりに JSON 形式で「%2」に保存しますか？</source>
        <translation>This design uses layer effects that the .df2 format cannot hold (%1). Save it as JSON instead, as &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>JSON で保存(&amp;J)</source>
        <translation>Save as &amp;JSON</translation>
    </message>
    <message>
        <source>効果なしで保存(&amp;W)</source>
        <translation>Save &amp;without them</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kirabellum::DesignerEvents</name>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>kirabellum::F_Animation</name>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Rendering</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>フレーム数</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>加算率</source>
        <translation>Add %</translation>
    </message>
    <message>
        <source>横幅制限</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>残像</source>
        <translation>Trail</translation>
    </message>
    <message>
        <source>レンダリング</source>
        <translation>Render</translation>
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
        <translation>Double size</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>ループとシード</source>
        <translation>Loop and seed</translation>
    </message>
    <message>
        <source>ループ</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>最後のレンダリングのシード</source>
        <translation>The seed of the last render</translation>
    </message>
    <message>
        <source>ループの継ぎ目が見えることがあります</source>
        <translation>The seam of the loop may show</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>シードは 0 から 18446744073709551615 までの整数で入力してください。</source>
        <translation>Enter the seed as a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>前回のシード</source>
        <translation>Last seed</translation>
    </message>
    <message>
        <source>固定シード</source>
        <translation>Fixed seed</translation>
    </message>
    <message>
        <source>フレーム一枚の大きさ（ピクセル）</source>
        <translation>The size of one frame in pixels</translation>
    </message>
    <message>
        <source>レンダリングするフレームの数</source>
        <translation>How many frames to render</translation>
    </message>
    <message>
        <source>残像の長さ（右ほど長く残る）</source>
        <translation>How long the trail lasts (longer to the right)</translation>
    </message>
    <message>
        <source>重なった粒の光を足し合わせる強さ（％）</source>
        <translation>How strongly the light of overlapping particles adds up (percent)</translation>
    </message>
    <message>
        <source>フレームストリップの横幅の上限（ピクセル）</source>
        <translation>The widest the frame strip may be, in pixels</translation>
    </message>
    <message>
        <source>前のフレームの光を残して尾を引かせる</source>
        <translation>Keep the light of earlier frames as a trail</translation>
    </message>
    <message>
        <source>この設定でフレームストリップをレンダリングする（%1）</source>
        <translation>Render the frame strip with these settings (%1)</translation>
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
        <source>レンダリングしたフレームをプレビューで再生する</source>
        <translation>Play the rendered frames in the preview</translation>
    </message>
    <message>
        <source>最後のフレームが最初のフレームにつながる、繰り返し再生用のストリップをレンダリングする</source>
        <translation>Render a strip to play over and over, whose last frame flows into its first</translation>
    </message>
    <message>
        <source>いつも同じシードからレンダリングして同じ結果を出す</source>
        <translation>Always render from the same seed, for the same result</translation>
    </message>
    <message>
        <source>レンダリングを始めるシード（0～18446744073709551615）</source>
        <translation>The seed every render starts from (0 to 18446744073709551615)</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>kirabellum::F_Color</name>
    <message>
        <source>ColorTransformation</source>
        <translation>ColorTransformation</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>プリセット</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>組み込みのグラデーションを使う</source>
        <translation>Use a built-in colour ramp</translation>
    </message>
    <message>
        <source>書き出すカラーランプがまだありません</source>
        <translation>There is no colour ramp to export yet</translation>
    </message>
    <message>
        <source>サイズが正しくありません</source>
        <translation>The size is wrong</translation>
    </message>
    <message>
        <source>16(～256)x1の画像を指定してください</source>
        <translation>Choose a picture of 16 (to 256) x 1</translation>
    </message>
    <message>
        <source>カラーランプの画像（横256ピクセルまで、高さ1ピクセル）を読み込む</source>
        <translation>Load a colour ramp picture (up to 256 pixels wide, 1 pixel high)</translation>
    </message>
    <message>
        <source>今のカラーランプを画像として保存する</source>
        <translation>Save the current colour ramp as a picture</translation>
    </message>
    <message>
        <source>粒の明るさを色に変えるカラーランプ。クリックで画像を読み込む</source>
        <translation>The colour ramp that turns the particles&apos; brightness into colour. Click to load a picture</translation>
    </message>
    <message>
        <source>カラーランプ</source>
        <translation>Colour ramp</translation>
    </message>
    <message>
        <source>レイヤー専用</source>
        <translation>Layer&apos;s own</translation>
    </message>
    <message>
        <source>押すと今のレイヤー専用のカラーランプ、離すとデザインのカラーランプを表示・編集する</source>
        <translation>Pressed: show and edit the current layer&apos;s own colour ramp; released: the design&apos;s colour ramp</translation>
    </message>
    <message>
        <source>レイヤー専用のカラーランプは黒で始まる画像にしてください</source>
        <translation>A layer&apos;s own colour ramp must be a picture that starts with black</translation>
    </message>
    <message>
        <source>レイヤー%1に専用のカラーランプを作りますか？
デザインのカラーランプの写しから始まります。</source>
        <translation>Give layer %1 a colour ramp of its own?
It starts as a copy of the design&apos;s colour ramp.</translation>
    </message>
    <message>
        <source>パレットに合わせる</source>
        <translation>Snap to palette</translation>
    </message>
    <message>
        <source>カラーランプの各色をパレットのいちばん近い色にする</source>
        <translation>Replace each colour of the ramp by the nearest colour of a palette</translation>
    </message>
    <message>
        <source>ファイル...</source>
        <translation>File...</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
</context>
<context>
    <name>kirabellum::F_Editer</name>
    <message>
        <source>ParticleEditer</source>
        <translation>ParticleEditer</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>モーション</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>レイヤー</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>粉数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>最低速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>残存</source>
        <translation>Life</translation>
    </message>
    <message>
        <source>減速率</source>
        <translation>Decel</translation>
    </message>
    <message>
        <source>発生設定</source>
        <translation>Bursts</translation>
    </message>
    <message>
        <source>形</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>バーストの形を選ぶ</source>
        <translation>Choose the shape of the burst</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Not Use</translation>
    </message>
    <message>
        <source>レイヤーの中心と広がりを決める</source>
        <translation>Set the layer&apos;s centre and spread</translation>
    </message>
    <message>
        <source>36方向それぞれへ飛ぶ速さを決める</source>
        <translation>Set how fast the particles fly in each of the 36 directions</translation>
    </message>
    <message>
        <source>位置: 左クリックで中心、右クリックで広がり
モーション: 左クリックで一方向の速さ、右クリックで全方向の速さ</source>
        <translation>Position: left click sets the centre, right click the spread
Motion: left click sets one direction&apos;s speed, right click every direction&apos;s</translation>
    </message>
    <message>
        <source>編集するレイヤー（1～8）</source>
        <translation>The layer to edit (1 to 8)</translation>
    </message>
    <message>
        <source>このレイヤーを使うかどうかを切り替える</source>
        <translation>Switch this layer on or off</translation>
    </message>
    <message>
        <source>このレイヤーが一度の爆発で放つ粒の数</source>
        <translation>How many particles this layer sends out in one burst</translation>
    </message>
    <message>
        <source>粒の最低の速さ</source>
        <translation>The slowest speed of the particles</translation>
    </message>
    <message>
        <source>粒が光って残る長さ</source>
        <translation>How long the particles keep glowing</translation>
    </message>
    <message>
        <source>粒が遅くなる割合</source>
        <translation>How fast the particles slow down</translation>
    </message>
    <message>
        <source>このレイヤーがいつ爆発するかを決める</source>
        <translation>Set when this layer bursts</translation>
    </message>
    <message>
        <source>レイヤー効果</source>
        <translation>Layer effects</translation>
    </message>
    <message>
        <source>このレイヤーの子の爆発・尾・専用のカラーランプを決める</source>
        <translation>Set this layer&apos;s child bursts, trail and own colour ramp</translation>
    </message>
</context>
<context>
    <name>kirabellum::F_Effect</name>
    <message>
        <source>親レイヤー</source>
        <translation>Parent layer</translation>
    </message>
    <message>
        <source>消えたとき</source>
        <translation>At death</translation>
    </message>
    <message>
        <source>年齢で</source>
        <translation>At age</translation>
    </message>
    <message>
        <source>年齢</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>分裂する</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>速度の継承</source>
        <translation>Inherit %</translation>
    </message>
    <message>
        <source>段数</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>明るさ</source>
        <translation>Fade %</translation>
    </message>
    <message>
        <source>デザインのランプ</source>
        <translation>Design&apos;s ramp</translation>
    </message>
    <message>
        <source>専用のランプ</source>
        <translation>Own ramp</translation>
    </message>
    <message>
        <source>レイヤー効果</source>
        <translation>Layer effects</translation>
    </message>
    <message>
        <source>効果を編集するレイヤー（パーティクルエディタで選ぶ）</source>
        <translation>The layer whose effects are edited (chosen in the particle editor)</translation>
    </message>
    <message>
        <source>レイヤー%1</source>
        <translation>Layer %1</translation>
    </message>
    <message>
        <source>親の粒が消えたところで爆発する</source>
        <translation>Burst where a parent particle dies</translation>
    </message>
    <message>
        <source>親の粒が決めた年齢（フレーム数）に達したところで爆発する</source>
        <translation>Burst where a parent particle reaches the age set (in frames)</translation>
    </message>
    <message>
        <source>爆発する親の粒の年齢（1～255フレーム）</source>
        <translation>The age of the parent particle that bursts (1 to 255 frames)</translation>
    </message>
    <message>
        <source>その年齢で親の粒は消え、子の粒に分かれる</source>
        <translation>At that age the parent particle goes and splits into its children</translation>
    </message>
    <message>
        <source>子の粒が受け継ぐ親の粒の速度（0～100%）</source>
        <translation>How much of the parent particle&apos;s velocity the children inherit (0 to 100%)</translation>
    </message>
    <message>
        <source>粒ごとに、一つ前の位置との間へ尾を描く</source>
        <translation>Draw a trail behind each particle, back to where it was one move earlier</translation>
    </message>
    <message>
        <source>尾の印の数（1～8）</source>
        <translation>How many stamps the trail has (1 to 8)</translation>
    </message>
    <message>
        <source>尾の印ごとの、一つ前の印に対する明るさ（1～100%）</source>
        <translation>Each trail stamp&apos;s brightness against the one before (1 to 100%)</translation>
    </message>
    <message>
        <source>デザイン全体のカラーランプで色を付ける</source>
        <translation>Colour the layer through the design&apos;s colour ramp</translation>
    </message>
    <message>
        <source>このレイヤーだけのカラーランプで色を付ける（デザインのランプの写しから始まる）</source>
        <translation>Colour the layer through a colour ramp of its own (it starts as a copy of the design&apos;s ramp)</translation>
    </message>
    <message>
        <source>子の爆発</source>
        <translation>Child burst</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>このレイヤーを爆発させる親のレイヤー（なし: 発生設定どおりに爆発）。自分や輪になる親は選べない</source>
        <translation>The parent layer whose particles make this layer burst (none: it bursts as its burst settings say); the layer itself and parents that would close a loop are not offered</translation>
    </message>
    <message>
        <source>尾を引く</source>
        <translation>Draw a trail</translation>
    </message>
    <message>
        <source>尾</source>
        <translation>Trail</translation>
    </message>
    <message>
        <source>共通</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>専用</source>
        <translation>Own</translation>
    </message>
    <message>
        <source>ランプ</source>
        <translation>Colour ramp</translation>
    </message>
</context>
<context>
    <name>kirabellum::F_Gravity</name>
    <message>
        <source>Gravity</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>線形</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>回転</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>引力</source>
        <translation>Attraction</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Not Use</translation>
    </message>
    <message>
        <source>すべての粒を一定の向きへ引く力</source>
        <translation>A force pulling every particle in one direction</translation>
    </message>
    <message>
        <source>すべての粒をフレームの中心のまわりに回す力</source>
        <translation>A force turning every particle about the frame&apos;s centre</translation>
    </message>
    <message>
        <source>すべての粒をフレームの中心へ引き寄せる力</source>
        <translation>A force drawing every particle towards the frame&apos;s centre</translation>
    </message>
    <message>
        <source>線形: クリックで力の向きを決める
回転と引力: クリックで向きを逆にする</source>
        <translation>Linear: click to set the force&apos;s direction
Rotation and attraction: click to reverse it</translation>
    </message>
    <message>
        <source>この力を使うかどうかを切り替える</source>
        <translation>Switch this force on or off</translation>
    </message>
    <message>
        <source>この力の強さ</source>
        <translation>The strength of this force</translation>
    </message>
    <message>
        <source>力の向き</source>
        <translation>Direction</translation>
    </message>
</context>
<context>
    <name>kirabellum::F_Hinoko</name>
    <message>
        <source>Fire</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>プリセット</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>サイズが正しくありません</source>
        <translation>The size is wrong</translation>
    </message>
    <message>
        <source>正方形で32x32の画像を指定してください</source>
        <translation>Choose a square picture of 32x32</translation>
    </message>
    <message>
        <source>このレイヤーの火の粉の画像。クリックで画像を読み込む</source>
        <translation>This layer&apos;s spark picture. Click to load a picture</translation>
    </message>
    <message>
        <source>このレイヤーの火の粉の画像（32×32ピクセル）を読み込む</source>
        <translation>Load this layer&apos;s spark picture (32 x 32 pixels)</translation>
    </message>
    <message>
        <source>このレイヤーの火の粉の画像を保存する</source>
        <translation>Save this layer&apos;s spark picture</translation>
    </message>
    <message>
        <source>火の粉の画像</source>
        <translation>Spark picture</translation>
    </message>
    <message>
        <source>組み込みの火の粉をこのレイヤーのカラーランプの色で描く</source>
        <translation>Draw a built-in spark in the colours of this layer&apos;s colour ramp</translation>
    </message>
</context>
<context>
    <name>kirabellum::F_Preview</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ライブ</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>編集するたびにバックグラウンドでレンダリングし、最新のフレームを繰り返し再生します</source>
        <translation>Renders in the background after every edit and plays the newest frames over and over</translation>
    </message>
    <message>
        <source>保存するフレームストリップがまだありません。先にレンダリングしてください</source>
        <translation>There is no frame strip to save yet. Render first</translation>
    </message>
    <message>
        <source>フレームストリップ全体を画像として保存する</source>
        <translation>Save the whole frame strip as a picture</translation>
    </message>
</context>
<context>
    <name>kirabellum::FlipbookControls</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>クロスフェード</source>
        <translation>Cross-fade</translation>
    </message>
    <message>
        <source>モーションベクター</source>
        <translation>Motion vectors</translation>
    </message>
    <message>
        <source>補間</source>
        <translation>Blend</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>コマ間隔</source>
        <translation>Frame step</translation>
    </message>
    <message>
        <source>残したコマの間をエンジンと同じように埋める: なし、2コマを重ねるクロスフェード、動きに沿ってずらすモーションベクター（Unity の形式）</source>
        <translation>Fill the time between kept frames as the engine does: off, a cross-fade of the two frames, or motion vectors that move them along their motion (Unity&apos;s convention)</translation>
    </message>
    <message>
        <source>フレームレートより遅く再生して、コマの間を見る</source>
        <translation>Play slower than the frame rate, to see between the frames</translation>
    </message>
    <message>
        <source>N コマごとに1コマを残し、書き出しと同じく残したコマだけを使う</source>
        <translation>Keep one frame in N and play only the kept frames, as the export does</translation>
    </message>
</context>
<context>
    <name>kirabellum::MDIForm1</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>V1.1のファイルを開く(&amp;A)</source>
        <translation>Open &amp;a V1.1 File</translation>
    </message>
    <message>
        <source>最近使ったデザイン(&amp;R)</source>
        <translation>&amp;Recent Designs</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>書き出し(&amp;X)</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Koratuneを起動</source>
        <translation>Start Koratune</translation>
    </message>
    <message>
        <source>終了(&amp;E)</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>ParticleEditer</source>
        <translation>ParticleEditer</translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>ColorTransformation</source>
        <translation>ColorTransformation</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
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
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>書き出すフレームがまだありません。

レンダリングしてから書き出してください。</source>
        <translation>There are no frames to export yet.

Render before exporting.</translation>
    </message>
    <message>
        <source>Koratune が見つかりません: %1</source>
        <translation>Koratune cannot be found: %1</translation>
    </message>
    <message>
        <source>Koratune を起動できません: %1</source>
        <translation>Koratune cannot be started: %1</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>終了しても良いノン？</source>
        <translation>Do you really want to exit?</translation>
    </message>
    <message>
        <source>サンプル(&amp;M)</source>
        <translation>Sa&amp;mples</translation>
    </message>
    <message>
        <source>レイヤーの中心・粒数・速さ・爆発の形を編集する</source>
        <translation>edit each layer&apos;s centre, particle count, speed and burst shape</translation>
    </message>
    <message>
        <source>すべての粒にかかる重力（線形・回転・引力）を決める</source>
        <translation>set the forces on every particle (linear, rotation, attraction)</translation>
    </message>
    <message>
        <source>粒の明るさを色に変えるカラーランプを選ぶ</source>
        <translation>choose the colour ramp that turns brightness into colour</translation>
    </message>
    <message>
        <source>レイヤーごとの火の粉の画像を選ぶ</source>
        <translation>choose each layer&apos;s spark picture</translation>
    </message>
    <message>
        <source>フレームの大きさと数を決めてレンダリングする</source>
        <translation>set the frame size and count, and render</translation>
    </message>
    <message>
        <source>レンダリングしたフレームを再生して保存する</source>
        <translation>play and save the rendered frames</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>上書き保存(&amp;W)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>はじめに

新しいデザイン: ﾌｧｲﾙ → 新規作成 (Ctrl+N)
サンプルを開く: ﾌｧｲﾙ → サンプル
デザインを開く: ﾌｧｲﾙ → 開く (Ctrl+O)、またはここへドロップ</source>
        <translation>To begin

A new design: File → New (Ctrl+N)
Open a sample: File → Samples
Open a design: File → Open (Ctrl+O), or drop it here</translation>
    </message>
    <message>
        <source>元に戻す: %1(&amp;U)</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>やり直し: %1(&amp;R)</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>（このデザイン）</source>
        <translation>(this design)</translation>
    </message>
</context>
<context>
    <name>kirabellum::PaletteControls</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
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
        <source>ファイル...</source>
        <translation>File...</translation>
    </message>
    <message>
        <source>ファイル: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>書き出しと同じくパレットに固定したコマを見る。組み込みのパレットか、.hex、.gpl、.pal、.png のファイル</source>
        <translation>See the frames locked to a palette as the export writes them: a built-in palette, or a .hex, .gpl, .pal or .png file</translation>
    </message>
    <message>
        <source>パレットの色の間の色の表し方。誤差拡散は一枚絵向きで、アニメーションではちらつく</source>
        <translation>How colours between the palette&apos;s are shown; diffusion suits single pictures and shimmers in animations</translation>
    </message>
    <message>
        <source>書き出しと同じくコマをこの倍率でドットのまま拡大する</source>
        <translation>Enlarge the frames by this factor, pixel by pixel, as the export does</translation>
    </message>
</context>
<context>
    <name>kirabellum::RampLibrary</name>
    <message>
        <source>金</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>銀白</source>
        <translation>Silver white</translation>
    </message>
    <message>
        <source>虹</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>橙</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>桃</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Light blue</translation>
    </message>
</context>
<context>
    <name>kirabellum::SampleDesigns</name>
    <message>
        <source>菊</source>
        <translation>Chrysanthemum</translation>
    </message>
    <message>
        <source>輪</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>柳</source>
        <translation>Willow</translation>
    </message>
    <message>
        <source>牡丹</source>
        <translation>Peony</translation>
    </message>
    <message>
        <source>椰子</source>
        <translation>Palm</translation>
    </message>
    <message>
        <source>二重の輪</source>
        <translation>Double ring</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>Heart</translation>
    </message>
    <message>
        <source>星</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>きらめき</source>
        <translation>Crackling glitter</translation>
    </message>
    <message>
        <source>ストロボ</source>
        <translation>Strobe</translation>
    </message>
    <message>
        <source>噴水</source>
        <translation>Fountain</translation>
    </message>
    <message>
        <source>渦巻き</source>
        <translation>Spiral</translation>
    </message>
    <message>
        <source>吸い込み</source>
        <translation>Implosion</translation>
    </message>
    <message>
        <source>手持ち花火</source>
        <translation>Sparkler</translation>
    </message>
    <message>
        <source>クロセット</source>
        <translation>Crossette</translation>
    </message>
    <message>
        <source>千輪</source>
        <translation>Multi-break</translation>
    </message>
    <message>
        <source>クラックル</source>
        <translation>Crackle</translation>
    </message>
    <message>
        <source>芯入り牡丹</source>
        <translation>Peony with a pistil</translation>
    </message>
    <message>
        <source>彗星</source>
        <translation>Comets</translation>
    </message>
</context>
<context>
    <name>kirabellum::ShapePresets</name>
    <message>
        <source>円</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>輪</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>Heart</translation>
    </message>
    <message>
        <source>星</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>半球（上）</source>
        <translation>Half sphere (up)</translation>
    </message>
    <message>
        <source>扇</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
</context>
<context>
    <name>kirabellum::SparkLibrary</name>
    <message>
        <source>柔らかい点</source>
        <translation>Soft dot</translation>
    </message>
    <message>
        <source>硬い点</source>
        <translation>Hard dot</translation>
    </message>
    <message>
        <source>小さな点</source>
        <translation>Small dot</translation>
    </message>
    <message>
        <source>大きな光</source>
        <translation>Large glow</translation>
    </message>
    <message>
        <source>星</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>十字</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>輪</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>きらめき</source>
        <translation>Glitter</translation>
    </message>
    <message>
        <source>流れ</source>
        <translation>Streak</translation>
    </message>
    <message>
        <source>菱形</source>
        <translation>Diamond</translation>
    </message>
</context>
<context>
    <name>kirabellum::Syousai</name>
    <message>
        <source>発生設定</source>
        <translation>Bursts</translation>
    </message>
    <message>
        <source>単爆発</source>
        <translation>Single burst</translation>
    </message>
    <message>
        <source>0フレーム時に１回発生</source>
        <translation>Bursts once at frame 0</translation>
    </message>
    <message>
        <source>複数回爆発</source>
        <translation>Repeated bursts</translation>
    </message>
    <message>
        <source>設定時に発生</source>
        <translation>Bursts at the frames set</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>フレーム範囲</source>
        <translation>Frame range</translation>
    </message>
    <message>
        <source>ステップ</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>最初に爆発するフレーム</source>
        <translation>The frame of the first burst</translation>
    </message>
    <message>
        <source>爆発が始まってよい最後のフレーム</source>
        <translation>The last frame a burst may start in</translation>
    </message>
    <message>
        <source>次の爆発までのフレーム数</source>
        <translation>Frames from one burst to the next</translation>
    </message>
    <message>
        <source>この設定をレイヤーに使う</source>
        <translation>Use these settings for the layer</translation>
    </message>
    <message>
        <source>何も変えずに閉じる</source>
        <translation>Close without changing anything</translation>
    </message>
</context>
<context>
    <name>kirabellum::Wait</name>
    <message>
        <source>Now Rendering.Please Wait...</source>
        <translation>Now rendering. Please wait...</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>。
Fireのスパーク画像には、ColorTransformationのカラーランプにある色と黒だけが使えます。ランプの色で描いた画像を読み込むか、その色を含むランプを読み込んでください。</source>
        <translation>.
The spark images of Fire can use only black and the colours of the colour ramp of ColorTransformation. Load a picture drawn in the colours of the ramp, or a ramp that holds its colours.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>どのレイヤーも使われていないため、何も描かれません（ParticleEditerの「Use」で使うレイヤーを選んでください）</source>
        <translation>Nothing is drawn, as no layer is used (choose the layers to use with &quot;Use&quot; in ParticleEditer)</translation>
    </message>
    <message>
        <source>レンダリングを中止する（描き終えたフレームは残る）</source>
        <translation>Stop rendering (the frames drawn so far stay)</translation>
    </message>
</context>
</TS>
