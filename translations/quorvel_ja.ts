<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Quorvel</name>
    <message>
        <source>Error %1

%2</source>
        <translation>エラー %1

%2</translation>
    </message>
    <message>
        <source>The focal length is too large a number.</source>
        <translation>焦点距離の数値が大きすぎます。</translation>
    </message>
    <message>
        <source>The f-number is too large a number.</source>
        <translation>絞りの数値が大きすぎます。</translation>
    </message>
    <message>
        <source>The focal length box is empty. Type a number, for example %1 or %2.</source>
        <translation>焦点距離の欄が空です。%1 や %2 のように数値を入力してください。</translation>
    </message>
    <message>
        <source>The f-number box is empty. Type a number, for example %1 or %2.</source>
        <translation>絞りの欄が空です。%1 や %2 のように数値を入力してください。</translation>
    </message>
    <message>
        <source>The focal length box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>焦点距離の欄に目に見えない文字が含まれています。欄を空にして、数値を入力し直してください。</translation>
    </message>
    <message>
        <source>The f-number box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>絞りの欄に目に見えない文字が含まれています。欄を空にして、数値を入力し直してください。</translation>
    </message>
    <message>
        <source>The focal length is not a number. Type a number, for example %1 or %2.</source>
        <translation>焦点距離の入力が数値ではありません。%1 や %2 のように数値を入力してください。</translation>
    </message>
    <message>
        <source>The f-number is not a number. Type a number, for example %1 or %2.</source>
        <translation>絞りの入力が数値ではありません。%1 や %2 のように数値を入力してください。</translation>
    </message>
    <message>
        <source>The focal length is too large: its square is beyond the range of numbers this program can handle.</source>
        <translation>焦点距離が大きすぎます。2 乗するとこのプログラムで扱える数値の範囲を超えてしまいます。</translation>
    </message>
    <message>
        <source>The f-number is too large to compute with.</source>
        <translation>絞り値が大きすぎて計算できません。</translation>
    </message>
    <message>
        <source>The f-number is too small a number for this program: it counts as zero, and an f-number cannot be zero.</source>
        <translation>絞り値が小さすぎて、このプログラムでは扱えません。ゼロとみなされますが、絞り値はゼロにできません。</translation>
    </message>
    <message>
        <source>The f-number cannot be zero.</source>
        <translation>絞り値を 0 にすることはできません。</translation>
    </message>
    <message>
        <source>A focal length of zero with an f-number of zero has no hyperfocal distance.</source>
        <translation>焦点距離 0、絞り値 0 では過焦点距離は求められません。</translation>
    </message>
    <message>
        <source>The hyperfocal distance is too large to compute: try a smaller focal length or a larger f-number.</source>
        <translation>過焦点距離が大きすぎて計算できません。焦点距離を短くするか、絞り値を大きくしてください。</translation>
    </message>
    <message>
        <source>The hyperfocal distance is beyond the range of numbers this program can handle.</source>
        <translation>過焦点距離がこのプログラムで扱える数値の範囲を超えています。</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>システム情報は現在利用できません</translation>
    </message>
    <message>
        <source>This application calculates the hyperfocal distance for your lens, based on the lens&apos; focal distance and your aperature (f/) opening.</source>
        <translation>このアプリケーションは、レンズの焦点距離と絞り (f/) から過焦点距離を計算します。</translation>
    </message>
    <message>
        <source>© 2026 Quorvel developers</source>
        <translation>© 2026 Quorvel 開発者</translation>
    </message>
    <message>
        <source>Quorvel icon</source>
        <translation>Quorvel のアイコン</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>過焦点距離</translation>
    </message>
    <message>
        <source>Hyperfocal distance: %1</source>
        <translation>過焦点距離: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Quorvel He&amp;lp</source>
        <translation>Quorvel ヘルプ(&amp;L)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Enter your focal length: </source>
        <translation>焦点距離を入力: </translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>ミリメートル</translation>
    </message>
    <message>
        <source>  mm</source>
        <translation>  mm</translation>
    </message>
    <message>
        <source>Enter your aperature (F/_)</source>
        <translation>絞りを入力 (F/_)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>計算(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1、バージョン %2</translation>
    </message>
    <message>
        <source>Quorvel is a desktop program and needs a graphical display, but none is set (DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.</source>
        <translation>Quorvel はデスクトップ プログラムで、グラフィカル ディスプレイが必要ですが、設定されていません (DISPLAY と WAYLAND_DISPLAY が空です)。デスクトップから起動してください。</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because no display answers at the address it was given (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Check that the display is running and that these variables name it.</source>
        <translation>指定されたアドレスで応答するディスプレイがないため、Quorvel はウィンドウを開けません (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;)。ディスプレイが動作していて、これらの変数がそれを指していることを確認してください。</translation>
    </message>
    <message>
        <source>On a machine without a display, run it in a virtual one; on Debian:</source>
        <translation>ディスプレイのないマシンでは、仮想ディスプレイで実行してください。Debian では:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo, and check that XAUTHORITY, if it is set, names that user&apos;s authority file (XAUTHORITY=&quot;%2&quot;).</source>
        <translation>ディスプレイ &quot;%1&quot; に拒否されたため、Quorvel はウィンドウを開けません。このユーザーにはそのディスプレイを使用する権限がありません。sudo ではなく、デスクトップにログインしているユーザーとして Quorvel を起動し、XAUTHORITY が設定されている場合は、そのユーザーの認証ファイルを指していることを確認してください (XAUTHORITY=&quot;%2&quot;)。</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo.</source>
        <translation>ディスプレイ &quot;%1&quot; に拒否されたため、Quorvel はウィンドウを開けません。このユーザーにはそのディスプレイを使用する権限がありません。sudo ではなく、デスクトップにログインしているユーザーとして Quorvel を起動してください。</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the Qt platform plugin &quot;wayland&quot; is not installed. Install it, or leave QT_QPA_PLATFORM empty to run Quorvel through X11; on Debian:</source>
        <translation>Qt のプラットフォーム プラグイン &quot;wayland&quot; がインストールされていないため、Quorvel はウィンドウを開けません。インストールするか、QT_QPA_PLATFORM を空にして X11 経由で Quorvel を実行してください。Debian では:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because Qt has no platform plugin named &quot;%1&quot;. Check the name that QT_QPA_PLATFORM or the -platform option gives.</source>
        <translation>Qt に &quot;%1&quot; という名前のプラットフォーム プラグインがないため、Quorvel はウィンドウを開けません。QT_QPA_PLATFORM または -platform オプションで指定した名前を確認してください。</translation>
    </message>
    <message>
        <source>Quorvel cannot start, because Qt stopped it with this error: %1</source>
        <translation>Qt が次のエラーで停止したため、Quorvel を起動できません: %1</translation>
    </message>
</context>
<context>
    <name>quorvel.desktop</name>
    <message>
        <source>Hyperfocal Distance Calculator</source>
        <translation>過焦点距離計算機</translation>
    </message>
    <message>
        <source>Work out the hyperfocal distance of a lens from its focal length and f-number</source>
        <translation>焦点距離と絞り値からレンズの過焦点距離を求めます</translation>
    </message>
    <message>
        <source>photography;lens;focus;hyperfocal;depth of field;aperture;</source>
        <translation>写真;レンズ;ピント;過焦点;被写界深度;絞り;焦点距離;</translation>
    </message>
</context>
<context>
    <name>quorvel.metainfo.xml</name>
    <message>
        <source>Find the hyperfocal distance of a lens</source>
        <translation>レンズの過焦点距離を求める</translation>
    </message>
    <message>
        <source>Quorvel tells you where to focus so that as much of a scene as possible is sharp. Type the focal length of your lens in millimetres and the aperture you shoot at as an f-number, and it gives the hyperfocal distance in feet.</source>
        <translation>Quorvel は、シーンのできるだけ広い範囲をシャープに写すには、どこにピントを合わせればよいかを教えてくれます。レンズの焦点距離をミリメートルで、撮影する絞りを F 値で入力すると、過焦点距離をフィートで表示します。</translation>
    </message>
    <message>
        <source>Focus at that distance and everything from about half of it to infinity is acceptably sharp: the classic technique for landscapes and street photography. A 50 mm lens at f/8, for example, gives 3.42 ft.</source>
        <translation>その距離にピントを合わせると、その距離の約半分から無限遠までが十分にシャープになります。風景やスナップ写真の定番の技法です。たとえば 50 mm レンズで f/8 なら 3.42 フィートです。</translation>
    </message>
    <message>
        <source>The distance assumes a circle of confusion of 0.3 mm, which suits very large sheet film. For 35 mm and full-frame cameras (0.03 mm) the hyperfocal distance is ten times the figure shown, and for APS-C about fifteen times.</source>
        <translation>この距離は許容錯乱円 0.3 mm を前提としており、非常に大きなシートフィルムに適した値です。35 mm 判やフルサイズのカメラ (0.03 mm) では過焦点距離は表示値の 10 倍、APS-C では約 15 倍になります。</translation>
    </message>
    <message>
        <source>Quorvel is a small window that works entirely with the keyboard. It needs no network, reads and writes no files, and keeps no settings.</source>
        <translation>Quorvel はキーボードだけで操作できる小さなウィンドウです。ネットワークは不要で、ファイルの読み書きも設定の保存も行いません。</translation>
    </message>
    <message>
        <source>hyperfocal</source>
        <translation>過焦点</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>ピント</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>レンズ</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>絞り</translation>
    </message>
    <message>
        <source>depth of field</source>
        <translation>被写界深度</translation>
    </message>
    <message>
        <source>The main window after working out 50 mm at f/8</source>
        <translation>50 mm、f/8 を計算した後のメインウィンドウ</translation>
    </message>
    <message>
        <source>The About window</source>
        <translation>バージョン情報ウィンドウ</translation>
    </message>
</context>
<context>
    <name>quorvel.nsi</name>
    <message>
        <source>Quorvel is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry.</source>
        <translation>Quorvel が $INSTDIR から実行中です。$\r$\n$\r$\n終了してから [再試行] を選んでください。</translation>
    </message>
    <message>
        <source>$INSTDIR holds other files, and so does the Quorvel folder in it. Choose another folder for Quorvel.</source>
        <translation>$INSTDIR には他のファイルがあり、その中の Quorvel フォルダーにも他のファイルがあります。Quorvel 用に別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Quorvel is installed in $0. To install it into $INSTDIR, uninstall it first.</source>
        <translation>Quorvel は $0 にインストールされています。$INSTDIR にインストールするには、先にアンインストールしてください。</translation>
    </message>
    <message>
        <source>Quorvel could not be fully installed into $INSTDIR.</source>
        <translation>Quorvel を $INSTDIR に完全にはインストールできませんでした。</translation>
    </message>
    <message>
        <source>Quorvel could not be removed from $INSTDIR.</source>
        <translation>Quorvel を $INSTDIR から削除できませんでした。</translation>
    </message>
</context>
</TS>
