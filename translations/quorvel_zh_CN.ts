<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Quorvel</name>
    <message>
        <source>Error %1

%2</source>
        <translation>错误 %1

%2</translation>
    </message>
    <message>
        <source>The focal length is too large a number.</source>
        <translation>焦距数值太大。</translation>
    </message>
    <message>
        <source>The f-number is too large a number.</source>
        <translation>光圈数值太大。</translation>
    </message>
    <message>
        <source>The focal length box is empty. Type a number, for example %1 or %2.</source>
        <translation>焦距输入框为空。请输入一个数字，例如 %1 或 %2。</translation>
    </message>
    <message>
        <source>The f-number box is empty. Type a number, for example %1 or %2.</source>
        <translation>光圈输入框为空。请输入一个数字，例如 %1 或 %2。</translation>
    </message>
    <message>
        <source>The focal length box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>焦距输入框中有一个看不见的字符。请清空该输入框，重新输入数字。</translation>
    </message>
    <message>
        <source>The f-number box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>光圈输入框中有一个看不见的字符。请清空该输入框，重新输入数字。</translation>
    </message>
    <message>
        <source>The focal length is not a number. Type a number, for example %1 or %2.</source>
        <translation>焦距不是数字。请输入一个数字，例如 %1 或 %2。</translation>
    </message>
    <message>
        <source>The f-number is not a number. Type a number, for example %1 or %2.</source>
        <translation>光圈不是数字。请输入一个数字，例如 %1 或 %2。</translation>
    </message>
    <message>
        <source>The focal length is too large: its square is beyond the range of numbers this program can handle.</source>
        <translation>焦距太大：其平方超出了本程序能处理的数值范围。</translation>
    </message>
    <message>
        <source>The f-number is too large to compute with.</source>
        <translation>光圈值太大，无法计算。</translation>
    </message>
    <message>
        <source>The f-number is too small a number for this program: it counts as zero, and an f-number cannot be zero.</source>
        <translation>光圈值太小，本程序无法处理：它会被当作零，而光圈值不能为零。</translation>
    </message>
    <message>
        <source>The f-number cannot be zero.</source>
        <translation>光圈值不能为零。</translation>
    </message>
    <message>
        <source>A focal length of zero with an f-number of zero has no hyperfocal distance.</source>
        <translation>焦距为零且光圈值为零时没有超焦距。</translation>
    </message>
    <message>
        <source>The hyperfocal distance is too large to compute: try a smaller focal length or a larger f-number.</source>
        <translation>超焦距太大，无法计算：请尝试更短的焦距或更大的光圈值。</translation>
    </message>
    <message>
        <source>The hyperfocal distance is beyond the range of numbers this program can handle.</source>
        <translation>超焦距超出了本程序能处理的数值范围。</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>系统信息当前不可用</translation>
    </message>
    <message>
        <source>This application calculates the hyperfocal distance for your lens, based on the lens&apos; focal distance and your aperature (f/) opening.</source>
        <translation>本程序根据镜头的焦距和光圈值 (f/) 计算超焦距。</translation>
    </message>
    <message>
        <source>© 2026 Quorvel developers</source>
        <translation>© 2026 Quorvel 开发者</translation>
    </message>
    <message>
        <source>Quorvel icon</source>
        <translation>Quorvel 图标</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>超焦距</translation>
    </message>
    <message>
        <source>Hyperfocal distance: %1</source>
        <translation>超焦距：%1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Quorvel He&amp;lp</source>
        <translation>Quorvel 帮助(&amp;L)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Enter your focal length: </source>
        <translation>输入焦距: </translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>  mm</source>
        <translation>  mm</translation>
    </message>
    <message>
        <source>Enter your aperature (F/_)</source>
        <translation>输入光圈 (F/_)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1，版本 %2</translation>
    </message>
    <message>
        <source>Quorvel is a desktop program and needs a graphical display, but none is set (DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.</source>
        <translation>Quorvel 是桌面程序，需要图形显示环境，但未设置任何显示（DISPLAY 和 WAYLAND_DISPLAY 均为空）。请从桌面启动它。</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because no display answers at the address it was given (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Check that the display is running and that these variables name it.</source>
        <translation>Quorvel 无法打开窗口，因为在给定的地址上没有显示服务器响应（DISPLAY=&quot;%1&quot;，WAYLAND_DISPLAY=&quot;%2&quot;，QT_QPA_PLATFORM=&quot;%3&quot;）。请检查显示服务器是否正在运行，以及这些变量是否指向它。</translation>
    </message>
    <message>
        <source>On a machine without a display, run it in a virtual one; on Debian:</source>
        <translation>在没有显示器的机器上，请在虚拟显示服务器中运行它；在 Debian 上：</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo, and check that XAUTHORITY, if it is set, names that user&apos;s authority file (XAUTHORITY=&quot;%2&quot;).</source>
        <translation>Quorvel 无法打开窗口，因为显示服务器“%1”拒绝了它：此用户无权使用该显示服务器。请以登录桌面的用户身份启动 Quorvel，不要使用 sudo，并检查 XAUTHORITY（如已设置）是否指向该用户的授权文件（XAUTHORITY=&quot;%2&quot;）。</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo.</source>
        <translation>Quorvel 无法打开窗口，因为显示服务器“%1”拒绝了它：此用户无权使用该显示服务器。请以登录桌面的用户身份启动 Quorvel，不要使用 sudo。</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the Qt platform plugin &quot;wayland&quot; is not installed. Install it, or leave QT_QPA_PLATFORM empty to run Quorvel through X11; on Debian:</source>
        <translation>Quorvel 无法打开窗口，因为未安装 Qt 平台插件“wayland”。请安装它，或将 QT_QPA_PLATFORM 留空，以通过 X11 运行 Quorvel；在 Debian 上：</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because Qt has no platform plugin named &quot;%1&quot;. Check the name that QT_QPA_PLATFORM or the -platform option gives.</source>
        <translation>Quorvel 无法打开窗口，因为 Qt 没有名为“%1”的平台插件。请检查 QT_QPA_PLATFORM 或 -platform 选项给出的名称。</translation>
    </message>
    <message>
        <source>Quorvel cannot start, because Qt stopped it with this error: %1</source>
        <translation>Quorvel 无法启动，因为 Qt 以如下错误终止了它：%1</translation>
    </message>
</context>
<context>
    <name>quorvel.desktop</name>
    <message>
        <source>Hyperfocal Distance Calculator</source>
        <translation>超焦距计算器</translation>
    </message>
    <message>
        <source>Work out the hyperfocal distance of a lens from its focal length and f-number</source>
        <translation>根据焦距和光圈值计算镜头的超焦距</translation>
    </message>
    <message>
        <source>photography;lens;focus;hyperfocal;depth of field;aperture;</source>
        <translation>摄影;镜头;对焦;超焦距;景深;光圈;焦距;</translation>
    </message>
</context>
<context>
    <name>quorvel.metainfo.xml</name>
    <message>
        <source>Find the hyperfocal distance of a lens</source>
        <translation>计算镜头的超焦距</translation>
    </message>
    <message>
        <source>Quorvel tells you where to focus so that as much of a scene as possible is sharp. Type the focal length of your lens in millimetres and the aperture you shoot at as an f-number, and it gives the hyperfocal distance in feet.</source>
        <translation>Quorvel 告诉您应在哪里对焦，使场景中尽可能多的部分清晰。输入镜头的焦距（毫米）和拍摄时的光圈值（f 值），它会给出以英尺为单位的超焦距。</translation>
    </message>
    <message>
        <source>Focus at that distance and everything from about half of it to infinity is acceptably sharp: the classic technique for landscapes and street photography. A 50 mm lens at f/8, for example, gives 3.42 ft.</source>
        <translation>对焦在该距离上，则从该距离的大约一半处到无穷远的所有景物都足够清晰：这是风光和街头摄影的经典技巧。例如，50 mm 镜头在 f/8 时为 3.42 英尺。</translation>
    </message>
    <message>
        <source>The distance assumes a circle of confusion of 0.3 mm, which suits very large sheet film. For 35 mm and full-frame cameras (0.03 mm) the hyperfocal distance is ten times the figure shown, and for APS-C about fifteen times.</source>
        <translation>该距离假定弥散圆为 0.3 mm，适用于超大画幅页片。对于 35 mm 和全画幅相机（0.03 mm），超焦距是显示值的十倍，APS-C 约为十五倍。</translation>
    </message>
    <message>
        <source>Quorvel is a small window that works entirely with the keyboard. It needs no network, reads and writes no files, and keeps no settings.</source>
        <translation>Quorvel 是一个可以完全通过键盘操作的小窗口。它不需要网络，不读写任何文件，也不保存任何设置。</translation>
    </message>
    <message>
        <source>hyperfocal</source>
        <translation>超焦距</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>对焦</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>镜头</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>光圈</translation>
    </message>
    <message>
        <source>depth of field</source>
        <translation>景深</translation>
    </message>
    <message>
        <source>The main window after working out 50 mm at f/8</source>
        <translation>计算 50 mm、f/8 后的主窗口</translation>
    </message>
    <message>
        <source>The About window</source>
        <translation>“关于”窗口</translation>
    </message>
</context>
<context>
    <name>quorvel.nsi</name>
    <message>
        <source>Quorvel is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry.</source>
        <translation>Quorvel 正在从 $INSTDIR 运行。$\r$\n$\r$\n请关闭它，然后选择“重试”。</translation>
    </message>
    <message>
        <source>$INSTDIR holds other files, and so does the Quorvel folder in it. Choose another folder for Quorvel.</source>
        <translation>$INSTDIR 中有其他文件，其中的 Quorvel 文件夹中也有其他文件。请为 Quorvel 选择另一个文件夹。</translation>
    </message>
    <message>
        <source>Quorvel is installed in $0. To install it into $INSTDIR, uninstall it first.</source>
        <translation>Quorvel 已安装在 $0。要将其安装到 $INSTDIR，请先卸载它。</translation>
    </message>
    <message>
        <source>Quorvel could not be fully installed into $INSTDIR.</source>
        <translation>无法将 Quorvel 完整安装到 $INSTDIR。</translation>
    </message>
    <message>
        <source>Quorvel could not be removed from $INSTDIR.</source>
        <translation>无法从 $INSTDIR 中删除 Quorvel。</translation>
    </message>
</context>
</TS>
