<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Quorvel</name>
    <message>
        <source>Error %1

%2</source>
        <translation>Error %1

%2</translation>
    </message>
    <message>
        <source>The focal length is too large a number.</source>
        <translation>La distancia focal es un número demasiado grande.</translation>
    </message>
    <message>
        <source>The f-number is too large a number.</source>
        <translation>La apertura es un número demasiado grande.</translation>
    </message>
    <message>
        <source>The focal length box is empty. Type a number, for example %1 or %2.</source>
        <translation>El campo de la distancia focal está vacío. Escriba un número, por ejemplo %1 o %2.</translation>
    </message>
    <message>
        <source>The f-number box is empty. Type a number, for example %1 or %2.</source>
        <translation>El campo de la apertura está vacío. Escriba un número, por ejemplo %1 o %2.</translation>
    </message>
    <message>
        <source>The focal length box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>El campo de la distancia focal contiene un carácter invisible. Vacíe el campo y escriba de nuevo el número.</translation>
    </message>
    <message>
        <source>The f-number box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>El campo de la apertura contiene un carácter invisible. Vacíe el campo y escriba de nuevo el número.</translation>
    </message>
    <message>
        <source>The focal length is not a number. Type a number, for example %1 or %2.</source>
        <translation>La distancia focal no es un número. Escriba un número, por ejemplo %1 o %2.</translation>
    </message>
    <message>
        <source>The f-number is not a number. Type a number, for example %1 or %2.</source>
        <translation>La apertura no es un número. Escriba un número, por ejemplo %1 o %2.</translation>
    </message>
    <message>
        <source>The focal length is too large: its square is beyond the range of numbers this program can handle.</source>
        <translation>La distancia focal es demasiado grande: su cuadrado supera el intervalo de números que este programa puede manejar.</translation>
    </message>
    <message>
        <source>The f-number is too large to compute with.</source>
        <translation>El número f es demasiado grande para poder calcular con él.</translation>
    </message>
    <message>
        <source>The f-number is too small a number for this program: it counts as zero, and an f-number cannot be zero.</source>
        <translation>La apertura es un número demasiado pequeño para este programa: cuenta como cero, y la apertura no puede ser cero.</translation>
    </message>
    <message>
        <source>The f-number cannot be zero.</source>
        <translation>La apertura no puede ser cero.</translation>
    </message>
    <message>
        <source>A focal length of zero with an f-number of zero has no hyperfocal distance.</source>
        <translation>Una distancia focal de cero con una apertura de cero no tiene distancia hiperfocal.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is too large to compute: try a smaller focal length or a larger f-number.</source>
        <translation>La distancia hiperfocal es demasiado grande para calcularla: pruebe una distancia focal menor o un número f mayor.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is beyond the range of numbers this program can handle.</source>
        <translation>La distancia hiperfocal supera el intervalo de números que este programa puede manejar.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>This application calculates the hyperfocal distance for your lens, based on the lens&apos; focal distance and your aperature (f/) opening.</source>
        <translation>Esta aplicación calcula la distancia hiperfocal de su objetivo a partir de su distancia focal y de su apertura (f/).</translation>
    </message>
    <message>
        <source>© 2026 Quorvel developers</source>
        <translation>© 2026 Equipo de Quorvel</translation>
    </message>
    <message>
        <source>Quorvel icon</source>
        <translation>Icono de Quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distancia hiperfocal</translation>
    </message>
    <message>
        <source>Hyperfocal distance: %1</source>
        <translation>Distancia hiperfocal: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Quorvel He&amp;lp</source>
        <translation>Ay&amp;uda de Quorvel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Enter your focal length: </source>
        <translation>Su distancia focal: </translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>  mm</source>
        <translation>  mm</translation>
    </message>
    <message>
        <source>Enter your aperature (F/_)</source>
        <translation>Su apertura (F/_)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, versión %2</translation>
    </message>
    <message>
        <source>Quorvel is a desktop program and needs a graphical display, but none is set (DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.</source>
        <translation>Quorvel es un programa de escritorio y necesita una pantalla gráfica, pero no hay ninguna definida (DISPLAY y WAYLAND_DISPLAY están vacías). Inícielo desde su escritorio.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because no display answers at the address it was given (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Check that the display is running and that these variables name it.</source>
        <translation>Quorvel no puede abrir su ventana porque ninguna pantalla responde en la dirección indicada (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Compruebe que la pantalla está en marcha y que estas variables apuntan a ella.</translation>
    </message>
    <message>
        <source>On a machine without a display, run it in a virtual one; on Debian:</source>
        <translation>En una máquina sin pantalla, ejecútelo en una virtual; en Debian:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo, and check that XAUTHORITY, if it is set, names that user&apos;s authority file (XAUTHORITY=&quot;%2&quot;).</source>
        <translation>Quorvel no puede abrir su ventana porque la pantalla «%1» lo ha rechazado: este usuario no tiene permiso para usar esa pantalla. Ejecute Quorvel como el usuario que ha iniciado sesión en el escritorio, no con sudo, y compruebe que XAUTHORITY, si está definida, apunta al archivo de autorización de ese usuario (XAUTHORITY=&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo.</source>
        <translation>Quorvel no puede abrir su ventana porque la pantalla «%1» lo ha rechazado: este usuario no tiene permiso para usar esa pantalla. Ejecute Quorvel como el usuario que ha iniciado sesión en el escritorio, no con sudo.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the Qt platform plugin &quot;wayland&quot; is not installed. Install it, or leave QT_QPA_PLATFORM empty to run Quorvel through X11; on Debian:</source>
        <translation>Quorvel no puede abrir su ventana porque el complemento de plataforma de Qt «wayland» no está instalado. Instálelo o deje QT_QPA_PLATFORM vacía para ejecutar Quorvel a través de X11; en Debian:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because Qt has no platform plugin named &quot;%1&quot;. Check the name that QT_QPA_PLATFORM or the -platform option gives.</source>
        <translation>Quorvel no puede abrir su ventana porque Qt no tiene ningún complemento de plataforma llamado «%1». Compruebe el nombre que indica QT_QPA_PLATFORM o la opción -platform.</translation>
    </message>
    <message>
        <source>Quorvel cannot start, because Qt stopped it with this error: %1</source>
        <translation>Quorvel no puede iniciarse porque Qt lo detuvo con este error: %1</translation>
    </message>
</context>
<context>
    <name>quorvel.desktop</name>
    <message>
        <source>Hyperfocal Distance Calculator</source>
        <translation>Calculadora de distancia hiperfocal</translation>
    </message>
    <message>
        <source>Work out the hyperfocal distance of a lens from its focal length and f-number</source>
        <translation>Calcular la distancia hiperfocal de un objetivo a partir de su distancia focal y su apertura</translation>
    </message>
    <message>
        <source>photography;lens;focus;hyperfocal;depth of field;aperture;</source>
        <translation>fotografía;objetivo;enfoque;hiperfocal;profundidad de campo;apertura;distancia focal;</translation>
    </message>
</context>
<context>
    <name>quorvel.metainfo.xml</name>
    <message>
        <source>Find the hyperfocal distance of a lens</source>
        <translation>Hallar la distancia hiperfocal de un objetivo</translation>
    </message>
    <message>
        <source>Quorvel tells you where to focus so that as much of a scene as possible is sharp. Type the focal length of your lens in millimetres and the aperture you shoot at as an f-number, and it gives the hyperfocal distance in feet.</source>
        <translation>Quorvel le dice dónde enfocar para que la mayor parte posible de una escena salga nítida. Escriba la distancia focal de su objetivo en milímetros y la apertura con la que dispara como número f, y le da la distancia hiperfocal en pies.</translation>
    </message>
    <message>
        <source>Focus at that distance and everything from about half of it to infinity is acceptably sharp: the classic technique for landscapes and street photography. A 50 mm lens at f/8, for example, gives 3.42 ft.</source>
        <translation>Enfoque a esa distancia y todo, desde aproximadamente su mitad hasta el infinito, quedará aceptablemente nítido: la técnica clásica para paisajes y fotografía callejera. Un objetivo de 50 mm a f/8, por ejemplo, da 3.42 ft.</translation>
    </message>
    <message>
        <source>The distance assumes a circle of confusion of 0.3 mm, which suits very large sheet film. For 35 mm and full-frame cameras (0.03 mm) the hyperfocal distance is ten times the figure shown, and for APS-C about fifteen times.</source>
        <translation>La distancia supone un círculo de confusión de 0,3 mm, adecuado para película plana de formato muy grande. Para cámaras de 35 mm y de fotograma completo (0,03 mm), la distancia hiperfocal es diez veces la cifra mostrada, y para APS-C unas quince veces.</translation>
    </message>
    <message>
        <source>Quorvel is a small window that works entirely with the keyboard. It needs no network, reads and writes no files, and keeps no settings.</source>
        <translation>Quorvel es una pequeña ventana que se maneja por completo con el teclado. No necesita red, no lee ni escribe archivos y no guarda ninguna configuración.</translation>
    </message>
    <message>
        <source>hyperfocal</source>
        <translation>hiperfocal</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>enfoque</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>objetivo</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>apertura</translation>
    </message>
    <message>
        <source>depth of field</source>
        <translation>profundidad de campo</translation>
    </message>
    <message>
        <source>The main window after working out 50 mm at f/8</source>
        <translation>La ventana principal tras calcular 50 mm a f/8</translation>
    </message>
    <message>
        <source>The About window</source>
        <translation>La ventana Acerca de</translation>
    </message>
</context>
<context>
    <name>quorvel.nsi</name>
    <message>
        <source>Quorvel is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry.</source>
        <translation>Quorvel se está ejecutando desde $INSTDIR.$\r$\n$\r$\nCiérrelo y elija Reintentar.</translation>
    </message>
    <message>
        <source>$INSTDIR holds other files, and so does the Quorvel folder in it. Choose another folder for Quorvel.</source>
        <translation>$INSTDIR contiene otros archivos, y también la carpeta Quorvel que hay dentro. Elija otra carpeta para Quorvel.</translation>
    </message>
    <message>
        <source>Quorvel is installed in $0. To install it into $INSTDIR, uninstall it first.</source>
        <translation>Quorvel está instalado en $0. Para instalarlo en $INSTDIR, desinstálelo primero.</translation>
    </message>
    <message>
        <source>Quorvel could not be fully installed into $INSTDIR.</source>
        <translation>Quorvel no se pudo instalar por completo en $INSTDIR.</translation>
    </message>
    <message>
        <source>Quorvel could not be removed from $INSTDIR.</source>
        <translation>No se pudo eliminar Quorvel de $INSTDIR.</translation>
    </message>
</context>
</TS>
