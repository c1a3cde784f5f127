<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Quorvel</name>
    <message>
        <source>Error %1

%2</source>
        <translation>Fehler %1

%2</translation>
    </message>
    <message>
        <source>The focal length is too large a number.</source>
        <translation>Die Brennweite ist eine zu große Zahl.</translation>
    </message>
    <message>
        <source>The f-number is too large a number.</source>
        <translation>Die Blende ist eine zu große Zahl.</translation>
    </message>
    <message>
        <source>The focal length box is empty. Type a number, for example %1 or %2.</source>
        <translation>Das Feld für die Brennweite ist leer. Geben Sie eine Zahl ein, zum Beispiel %1 oder %2.</translation>
    </message>
    <message>
        <source>The f-number box is empty. Type a number, for example %1 or %2.</source>
        <translation>Das Feld für die Blende ist leer. Geben Sie eine Zahl ein, zum Beispiel %1 oder %2.</translation>
    </message>
    <message>
        <source>The focal length box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>Das Feld für die Brennweite enthält ein unsichtbares Zeichen. Leeren Sie das Feld und geben Sie die Zahl erneut ein.</translation>
    </message>
    <message>
        <source>The f-number box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>Das Feld für die Blende enthält ein unsichtbares Zeichen. Leeren Sie das Feld und geben Sie die Zahl erneut ein.</translation>
    </message>
    <message>
        <source>The focal length is not a number. Type a number, for example %1 or %2.</source>
        <translation>Die Brennweite ist keine Zahl. Geben Sie eine Zahl ein, zum Beispiel %1 oder %2.</translation>
    </message>
    <message>
        <source>The f-number is not a number. Type a number, for example %1 or %2.</source>
        <translation>Die Blende ist keine Zahl. Geben Sie eine Zahl ein, zum Beispiel %1 oder %2.</translation>
    </message>
    <message>
        <source>The focal length is too large: its square is beyond the range of numbers this program can handle.</source>
        <translation>Die Brennweite ist zu groß: ihr Quadrat liegt außerhalb des Zahlenbereichs, den dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>The f-number is too large to compute with.</source>
        <translation>Die Blendenzahl ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The f-number is too small a number for this program: it counts as zero, and an f-number cannot be zero.</source>
        <translation>Die Blende ist eine zu kleine Zahl für dieses Programm: sie wird als null gewertet, und die Blende darf nicht null sein.</translation>
    </message>
    <message>
        <source>The f-number cannot be zero.</source>
        <translation>Die Blende darf nicht null sein.</translation>
    </message>
    <message>
        <source>A focal length of zero with an f-number of zero has no hyperfocal distance.</source>
        <translation>Eine Brennweite von null bei einer Blende von null hat keine hyperfokale Distanz.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is too large to compute: try a smaller focal length or a larger f-number.</source>
        <translation>Die hyperfokale Distanz ist zu groß zum Berechnen: Versuchen Sie eine kürzere Brennweite oder eine größere Blendenzahl.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is beyond the range of numbers this program can handle.</source>
        <translation>Die hyperfokale Distanz liegt außerhalb des Zahlenbereichs, den dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>This application calculates the hyperfocal distance for your lens, based on the lens&apos; focal distance and your aperature (f/) opening.</source>
        <translation>Dieses Programm berechnet die hyperfokale Distanz Ihres Objektivs aus seiner Brennweite und Ihrer Blende (f/).</translation>
    </message>
    <message>
        <source>© 2026 Quorvel developers</source>
        <translation>© 2026 Quorvel-Entwickler</translation>
    </message>
    <message>
        <source>Quorvel icon</source>
        <translation>Quorvel-Symbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Hyperfocal distance: %1</source>
        <translation>Hyperfokale Distanz: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quorvel He&amp;lp</source>
        <translation>Quorvel-Hi&amp;lfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Enter your focal length: </source>
        <translation>Brennweite eingeben: </translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>  mm</source>
        <translation>  mm</translation>
    </message>
    <message>
        <source>Enter your aperature (F/_)</source>
        <translation>Blende eingeben (F/_)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, Version %2</translation>
    </message>
    <message>
        <source>Quorvel is a desktop program and needs a graphical display, but none is set (DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.</source>
        <translation>Quorvel ist ein Desktop-Programm und braucht eine grafische Anzeige, aber es ist keine festgelegt (DISPLAY und WAYLAND_DISPLAY sind leer). Starten Sie es von Ihrem Desktop aus.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because no display answers at the address it was given (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Check that the display is running and that these variables name it.</source>
        <translation>Quorvel kann sein Fenster nicht öffnen, weil unter der angegebenen Adresse keine Anzeige antwortet (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Prüfen Sie, ob die Anzeige läuft und ob diese Variablen auf sie verweisen.</translation>
    </message>
    <message>
        <source>On a machine without a display, run it in a virtual one; on Debian:</source>
        <translation>Auf einem Rechner ohne Anzeige starten Sie es in einer virtuellen Anzeige; unter Debian:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo, and check that XAUTHORITY, if it is set, names that user&apos;s authority file (XAUTHORITY=&quot;%2&quot;).</source>
        <translation>Quorvel kann sein Fenster nicht öffnen, weil die Anzeige „%1“ es abgewiesen hat: Dieser Benutzer darf die Anzeige nicht verwenden. Starten Sie Quorvel als der am Desktop angemeldete Benutzer, nicht mit sudo, und prüfen Sie, ob XAUTHORITY, falls gesetzt, auf die Berechtigungsdatei dieses Benutzers verweist (XAUTHORITY=&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo.</source>
        <translation>Quorvel kann sein Fenster nicht öffnen, weil die Anzeige „%1“ es abgewiesen hat: Dieser Benutzer darf die Anzeige nicht verwenden. Starten Sie Quorvel als der am Desktop angemeldete Benutzer, nicht mit sudo.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the Qt platform plugin &quot;wayland&quot; is not installed. Install it, or leave QT_QPA_PLATFORM empty to run Quorvel through X11; on Debian:</source>
        <translation>Quorvel kann sein Fenster nicht öffnen, weil das Qt-Plattform-Plugin „wayland“ nicht installiert ist. Installieren Sie es, oder lassen Sie QT_QPA_PLATFORM leer, um Quorvel über X11 zu starten; unter Debian:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because Qt has no platform plugin named &quot;%1&quot;. Check the name that QT_QPA_PLATFORM or the -platform option gives.</source>
        <translation>Quorvel kann sein Fenster nicht öffnen, weil Qt kein Plattform-Plugin namens „%1“ hat. Prüfen Sie den Namen, den QT_QPA_PLATFORM oder die Option -platform angibt.</translation>
    </message>
    <message>
        <source>Quorvel cannot start, because Qt stopped it with this error: %1</source>
        <translation>Quorvel kann nicht starten, weil Qt es mit diesem Fehler beendet hat: %1</translation>
    </message>
</context>
<context>
    <name>quorvel.desktop</name>
    <message>
        <source>Hyperfocal Distance Calculator</source>
        <translation>Rechner für die hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Work out the hyperfocal distance of a lens from its focal length and f-number</source>
        <translation>Die hyperfokale Distanz eines Objektivs aus Brennweite und Blende berechnen</translation>
    </message>
    <message>
        <source>photography;lens;focus;hyperfocal;depth of field;aperture;</source>
        <translation>Fotografie;Objektiv;Fokus;hyperfokal;Schärfentiefe;Blende;Brennweite;</translation>
    </message>
</context>
<context>
    <name>quorvel.metainfo.xml</name>
    <message>
        <source>Find the hyperfocal distance of a lens</source>
        <translation>Die hyperfokale Distanz eines Objektivs finden</translation>
    </message>
    <message>
        <source>Quorvel tells you where to focus so that as much of a scene as possible is sharp. Type the focal length of your lens in millimetres and the aperture you shoot at as an f-number, and it gives the hyperfocal distance in feet.</source>
        <translation>Quorvel sagt Ihnen, wohin Sie scharfstellen, damit so viel wie möglich von einer Szene scharf ist. Geben Sie die Brennweite Ihres Objektivs in Millimetern und die Blende, mit der Sie fotografieren, als Blendenzahl ein, und es nennt die hyperfokale Distanz in Fuß.</translation>
    </message>
    <message>
        <source>Focus at that distance and everything from about half of it to infinity is acceptably sharp: the classic technique for landscapes and street photography. A 50 mm lens at f/8, for example, gives 3.42 ft.</source>
        <translation>Stellen Sie auf diese Distanz scharf, und alles von etwa ihrer Hälfte bis unendlich ist ausreichend scharf: die klassische Technik für Landschafts- und Straßenfotografie. Ein 50-mm-Objektiv bei f/8 ergibt zum Beispiel 3.42 ft.</translation>
    </message>
    <message>
        <source>The distance assumes a circle of confusion of 0.3 mm, which suits very large sheet film. For 35 mm and full-frame cameras (0.03 mm) the hyperfocal distance is ten times the figure shown, and for APS-C about fifteen times.</source>
        <translation>Die Distanz setzt einen Zerstreuungskreis von 0,3 mm voraus, was zu sehr großem Planfilm passt. Für Kleinbild- und Vollformatkameras (0,03 mm) ist die hyperfokale Distanz zehnmal so groß wie der angezeigte Wert, für APS-C etwa fünfzehnmal.</translation>
    </message>
    <message>
        <source>Quorvel is a small window that works entirely with the keyboard. It needs no network, reads and writes no files, and keeps no settings.</source>
        <translation>Quorvel ist ein kleines Fenster, das sich ganz mit der Tastatur bedienen lässt. Es braucht kein Netzwerk, liest und schreibt keine Dateien und speichert keine Einstellungen.</translation>
    </message>
    <message>
        <source>hyperfocal</source>
        <translation>hyperfokal</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>depth of field</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>The main window after working out 50 mm at f/8</source>
        <translation>Das Hauptfenster nach der Berechnung von 50 mm bei f/8</translation>
    </message>
    <message>
        <source>The About window</source>
        <translation>Das Fenster „Über Quorvel“</translation>
    </message>
</context>
<context>
    <name>quorvel.nsi</name>
    <message>
        <source>Quorvel is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry.</source>
        <translation>Quorvel wird gerade aus $INSTDIR ausgeführt.$\r$\n$\r$\nBeenden Sie es und wählen Sie dann „Wiederholen“.</translation>
    </message>
    <message>
        <source>$INSTDIR holds other files, and so does the Quorvel folder in it. Choose another folder for Quorvel.</source>
        <translation>$INSTDIR enthält andere Dateien, und der Ordner Quorvel darin ebenfalls. Wählen Sie einen anderen Ordner für Quorvel.</translation>
    </message>
    <message>
        <source>Quorvel is installed in $0. To install it into $INSTDIR, uninstall it first.</source>
        <translation>Quorvel ist in $0 installiert. Um es in $INSTDIR zu installieren, deinstallieren Sie es zuerst.</translation>
    </message>
    <message>
        <source>Quorvel could not be fully installed into $INSTDIR.</source>
        <translation>Quorvel konnte nicht vollständig in $INSTDIR installiert werden.</translation>
    </message>
    <message>
        <source>Quorvel could not be removed from $INSTDIR.</source>
        <translation>Quorvel konnte nicht aus $INSTDIR entfernt werden.</translation>
    </message>
</context>
</TS>
