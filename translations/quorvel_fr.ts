<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Quorvel</name>
    <message>
        <source>Error %1

%2</source>
        <translation>Erreur %1

%2</translation>
    </message>
    <message>
        <source>The focal length is too large a number.</source>
        <translation>La focale est un nombre trop grand.</translation>
    </message>
    <message>
        <source>The f-number is too large a number.</source>
        <translation>L’ouverture est un nombre trop grand.</translation>
    </message>
    <message>
        <source>The focal length box is empty. Type a number, for example %1 or %2.</source>
        <translation>Le champ de la focale est vide. Tapez un nombre, par exemple %1 ou %2.</translation>
    </message>
    <message>
        <source>The f-number box is empty. Type a number, for example %1 or %2.</source>
        <translation>Le champ de l’ouverture est vide. Tapez un nombre, par exemple %1 ou %2.</translation>
    </message>
    <message>
        <source>The focal length box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>Le champ de la focale contient un caractère invisible. Videz le champ et tapez de nouveau le nombre.</translation>
    </message>
    <message>
        <source>The f-number box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>Le champ de l’ouverture contient un caractère invisible. Videz le champ et tapez de nouveau le nombre.</translation>
    </message>
    <message>
        <source>The focal length is not a number. Type a number, for example %1 or %2.</source>
        <translation>La focale n’est pas un nombre. Tapez un nombre, par exemple %1 ou %2.</translation>
    </message>
    <message>
        <source>The f-number is not a number. Type a number, for example %1 or %2.</source>
        <translation>L’ouverture n’est pas un nombre. Tapez un nombre, par exemple %1 ou %2.</translation>
    </message>
    <message>
        <source>The focal length is too large: its square is beyond the range of numbers this program can handle.</source>
        <translation>La focale est trop grande : son carré dépasse la plage de nombres que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>The f-number is too large to compute with.</source>
        <translation>Le nombre f est trop grand pour le calcul.</translation>
    </message>
    <message>
        <source>The f-number is too small a number for this program: it counts as zero, and an f-number cannot be zero.</source>
        <translation>L’ouverture est un nombre trop petit pour ce programme : elle compte comme zéro, et l’ouverture ne peut pas être nulle.</translation>
    </message>
    <message>
        <source>The f-number cannot be zero.</source>
        <translation>L’ouverture ne peut pas être nulle.</translation>
    </message>
    <message>
        <source>A focal length of zero with an f-number of zero has no hyperfocal distance.</source>
        <translation>Une focale nulle avec une ouverture nulle n’a pas de distance hyperfocale.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is too large to compute: try a smaller focal length or a larger f-number.</source>
        <translation>La distance hyperfocale est trop grande pour être calculée : essayez une focale plus courte ou un nombre f plus grand.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is beyond the range of numbers this program can handle.</source>
        <translation>La distance hyperfocale dépasse la plage de nombres que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>This application calculates the hyperfocal distance for your lens, based on the lens&apos; focal distance and your aperature (f/) opening.</source>
        <translation>Cette application calcule la distance hyperfocale de votre objectif à partir de sa focale et de votre ouverture (f/).</translation>
    </message>
    <message>
        <source>© 2026 Quorvel developers</source>
        <translation>© 2026 Équipe Quorvel</translation>
    </message>
    <message>
        <source>Quorvel icon</source>
        <translation>Icône de Quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distance hyperfocale</translation>
    </message>
    <message>
        <source>Hyperfocal distance: %1</source>
        <translation>Distance hyperfocale : %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Quorvel He&amp;lp</source>
        <translation>&amp;Aide de Quorvel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Enter your focal length: </source>
        <translation>Votre focale : </translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>  mm</source>
        <translation>  mm</translation>
    </message>
    <message>
        <source>Enter your aperature (F/_)</source>
        <translation>Votre ouverture (F/_)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, version %2</translation>
    </message>
    <message>
        <source>Quorvel is a desktop program and needs a graphical display, but none is set (DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.</source>
        <translation>Quorvel est un programme de bureau et a besoin d’un affichage graphique, mais aucun n’est défini (DISPLAY et WAYLAND_DISPLAY sont vides). Lancez-le depuis votre bureau.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because no display answers at the address it was given (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Check that the display is running and that these variables name it.</source>
        <translation>Quorvel ne peut pas ouvrir sa fenêtre, car aucun affichage ne répond à l’adresse indiquée (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Vérifiez que l’affichage fonctionne et que ces variables le désignent.</translation>
    </message>
    <message>
        <source>On a machine without a display, run it in a virtual one; on Debian:</source>
        <translation>Sur une machine sans affichage, lancez-le dans un affichage virtuel ; sous Debian :</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo, and check that XAUTHORITY, if it is set, names that user&apos;s authority file (XAUTHORITY=&quot;%2&quot;).</source>
        <translation>Quorvel ne peut pas ouvrir sa fenêtre, car l’affichage « %1 » l’a refusé : cet utilisateur n’a pas le droit d’utiliser cet affichage. Lancez Quorvel en tant qu’utilisateur connecté au bureau, et non avec sudo, et vérifiez que XAUTHORITY, s’il est défini, désigne le fichier d’autorisation de cet utilisateur (XAUTHORITY=&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo.</source>
        <translation>Quorvel ne peut pas ouvrir sa fenêtre, car l’affichage « %1 » l’a refusé : cet utilisateur n’a pas le droit d’utiliser cet affichage. Lancez Quorvel en tant qu’utilisateur connecté au bureau, et non avec sudo.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the Qt platform plugin &quot;wayland&quot; is not installed. Install it, or leave QT_QPA_PLATFORM empty to run Quorvel through X11; on Debian:</source>
        <translation>Quorvel ne peut pas ouvrir sa fenêtre, car le greffon de plateforme Qt « wayland » n’est pas installé. Installez-le, ou laissez QT_QPA_PLATFORM vide pour lancer Quorvel via X11 ; sous Debian :</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because Qt has no platform plugin named &quot;%1&quot;. Check the name that QT_QPA_PLATFORM or the -platform option gives.</source>
        <translation>Quorvel ne peut pas ouvrir sa fenêtre, car Qt n’a aucun greffon de plateforme nommé « %1 ». Vérifiez le nom que donne QT_QPA_PLATFORM ou l’option -platform.</translation>
    </message>
    <message>
        <source>Quorvel cannot start, because Qt stopped it with this error: %1</source>
        <translation>Quorvel ne peut pas démarrer, car Qt l’a arrêté avec cette erreur : %1</translation>
    </message>
</context>
<context>
    <name>quorvel.desktop</name>
    <message>
        <source>Hyperfocal Distance Calculator</source>
        <translation>Calculateur de distance hyperfocale</translation>
    </message>
    <message>
        <source>Work out the hyperfocal distance of a lens from its focal length and f-number</source>
        <translation>Calculer la distance hyperfocale d’un objectif à partir de sa focale et de son ouverture</translation>
    </message>
    <message>
        <source>photography;lens;focus;hyperfocal;depth of field;aperture;</source>
        <translation>photographie;objectif;mise au point;hyperfocale;profondeur de champ;ouverture;focale;</translation>
    </message>
</context>
<context>
    <name>quorvel.metainfo.xml</name>
    <message>
        <source>Find the hyperfocal distance of a lens</source>
        <translation>Trouver la distance hyperfocale d’un objectif</translation>
    </message>
    <message>
        <source>Quorvel tells you where to focus so that as much of a scene as possible is sharp. Type the focal length of your lens in millimetres and the aperture you shoot at as an f-number, and it gives the hyperfocal distance in feet.</source>
        <translation>Quorvel vous dit où faire la mise au point pour qu’une scène soit nette sur la plus grande profondeur possible. Tapez la focale de votre objectif en millimètres et l’ouverture à laquelle vous photographiez sous forme de nombre f, et il donne la distance hyperfocale en pieds.</translation>
    </message>
    <message>
        <source>Focus at that distance and everything from about half of it to infinity is acceptably sharp: the classic technique for landscapes and street photography. A 50 mm lens at f/8, for example, gives 3.42 ft.</source>
        <translation>Faites la mise au point à cette distance et tout, d’environ sa moitié jusqu’à l’infini, est suffisamment net : la technique classique du paysage et de la photo de rue. Un objectif de 50 mm à f/8, par exemple, donne 3.42 ft.</translation>
    </message>
    <message>
        <source>The distance assumes a circle of confusion of 0.3 mm, which suits very large sheet film. For 35 mm and full-frame cameras (0.03 mm) the hyperfocal distance is ten times the figure shown, and for APS-C about fifteen times.</source>
        <translation>La distance suppose un cercle de confusion de 0,3 mm, qui convient aux très grands plans-films. Pour les appareils 24×36 et plein format (0,03 mm), la distance hyperfocale vaut dix fois la valeur affichée, et pour l’APS-C environ quinze fois.</translation>
    </message>
    <message>
        <source>Quorvel is a small window that works entirely with the keyboard. It needs no network, reads and writes no files, and keeps no settings.</source>
        <translation>Quorvel est une petite fenêtre qui s’utilise entièrement au clavier. Quorvel ne nécessite aucune connexion réseau, ne lit ni n’écrit aucun fichier et ne conserve aucun réglage.</translation>
    </message>
    <message>
        <source>hyperfocal</source>
        <translation>hyperfocale</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>mise au point</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>objectif</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>ouverture</translation>
    </message>
    <message>
        <source>depth of field</source>
        <translation>profondeur de champ</translation>
    </message>
    <message>
        <source>The main window after working out 50 mm at f/8</source>
        <translation>La fenêtre principale après le calcul de 50 mm à f/8</translation>
    </message>
    <message>
        <source>The About window</source>
        <translation>La fenêtre À propos</translation>
    </message>
</context>
<context>
    <name>quorvel.nsi</name>
    <message>
        <source>Quorvel is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry.</source>
        <translation>Quorvel est en cours d’exécution à partir de $INSTDIR.$\r$\n$\r$\nFermez-le, puis choisissez Réessayer.</translation>
    </message>
    <message>
        <source>$INSTDIR holds other files, and so does the Quorvel folder in it. Choose another folder for Quorvel.</source>
        <translation>$INSTDIR contient d’autres fichiers, tout comme le dossier Quorvel qu’il contient. Choisissez un autre dossier pour Quorvel.</translation>
    </message>
    <message>
        <source>Quorvel is installed in $0. To install it into $INSTDIR, uninstall it first.</source>
        <translation>Quorvel est installé dans $0. Pour l’installer dans $INSTDIR, désinstallez-le d’abord.</translation>
    </message>
    <message>
        <source>Quorvel could not be fully installed into $INSTDIR.</source>
        <translation>Quorvel n’a pas pu être entièrement installé dans $INSTDIR.</translation>
    </message>
    <message>
        <source>Quorvel could not be removed from $INSTDIR.</source>
        <translation>Quorvel n’a pas pu être supprimé de $INSTDIR.</translation>
    </message>
</context>
</TS>
