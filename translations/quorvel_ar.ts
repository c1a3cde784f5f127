<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Quorvel</name>
    <message>
        <source>Error %1

%2</source>
        <translation>خطأ %1

%2</translation>
    </message>
    <message>
        <source>The focal length is too large a number.</source>
        <translation>البعد البؤري عدد أكبر من اللازم.</translation>
    </message>
    <message>
        <source>The f-number is too large a number.</source>
        <translation>رقم فتحة العدسة عدد أكبر من اللازم.</translation>
    </message>
    <message>
        <source>The focal length box is empty. Type a number, for example %1 or %2.</source>
        <translation>خانة البعد البؤري فارغة. اكتب عددًا، مثل %1 أو %2.</translation>
    </message>
    <message>
        <source>The f-number box is empty. Type a number, for example %1 or %2.</source>
        <translation>خانة فتحة العدسة فارغة. اكتب عددًا، مثل %1 أو %2.</translation>
    </message>
    <message>
        <source>The focal length box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>تحتوي خانة البعد البؤري على حرف لا يُرى. امسح الخانة واكتب العدد من جديد.</translation>
    </message>
    <message>
        <source>The f-number box holds a character that cannot be seen. Clear the box and type the number again.</source>
        <translation>تحتوي خانة فتحة العدسة على حرف لا يُرى. امسح الخانة واكتب العدد من جديد.</translation>
    </message>
    <message>
        <source>The focal length is not a number. Type a number, for example %1 or %2.</source>
        <translation>البعد البؤري ليس عددًا. اكتب عددًا، مثل %1 أو %2.</translation>
    </message>
    <message>
        <source>The f-number is not a number. Type a number, for example %1 or %2.</source>
        <translation>فتحة العدسة ليست عددًا. اكتب عددًا، مثل %1 أو %2.</translation>
    </message>
    <message>
        <source>The focal length is too large: its square is beyond the range of numbers this program can handle.</source>
        <translation>البعد البؤري كبير جدًا: مربّعه يتجاوز نطاق الأعداد التي يستطيع هذا البرنامج التعامل معها.</translation>
    </message>
    <message>
        <source>The f-number is too large to compute with.</source>
        <translation>رقم فتحة العدسة أكبر من أن يُجرى به الحساب.</translation>
    </message>
    <message>
        <source>The f-number is too small a number for this program: it counts as zero, and an f-number cannot be zero.</source>
        <translation>رقم فتحة العدسة عدد أصغر من أن يتعامل معه هذا البرنامج: فهو يُعَدّ صفرًا، ولا يمكن أن يكون رقم فتحة العدسة صفرًا.</translation>
    </message>
    <message>
        <source>The f-number cannot be zero.</source>
        <translation>لا يمكن أن يكون رقم فتحة العدسة صفرًا.</translation>
    </message>
    <message>
        <source>A focal length of zero with an f-number of zero has no hyperfocal distance.</source>
        <translation>لا توجد مسافة فوق بؤرية لبعد بؤري صفري مع فتحة عدسة صفرية.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is too large to compute: try a smaller focal length or a larger f-number.</source>
        <translation>المسافة فوق البؤرية أكبر من أن تُحسب: جرّب بعدًا بؤريًا أقصر أو رقم فتحة أكبر.</translation>
    </message>
    <message>
        <source>The hyperfocal distance is beyond the range of numbers this program can handle.</source>
        <translation>المسافة فوق البؤرية تتجاوز نطاق الأعداد التي يستطيع هذا البرنامج التعامل معها.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>معلومات النظام غير متوفرة حاليًا</translation>
    </message>
    <message>
        <source>This application calculates the hyperfocal distance for your lens, based on the lens&apos; focal distance and your aperature (f/) opening.</source>
        <translation>يحسب هذا التطبيق المسافة فوق البؤرية لعدستك من بعدها البؤري وفتحة العدسة (f/‎).</translation>
    </message>
    <message>
        <source>© 2026 Quorvel developers</source>
        <translation>© 2026 مطوّرو Quorvel</translation>
    </message>
    <message>
        <source>Quorvel icon</source>
        <translation>أيقونة Quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>المسافة فوق البؤرية</translation>
    </message>
    <message>
        <source>Hyperfocal distance: %1</source>
        <translation>المسافة فوق البؤرية: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>Quorvel He&amp;lp</source>
        <translation>&amp;تعليمات Quorvel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Enter your focal length: </source>
        <translation>أدخل البعد البؤري: </translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>مليمتر</translation>
    </message>
    <message>
        <source>  mm</source>
        <translation>  مم</translation>
    </message>
    <message>
        <source>Enter your aperature (F/_)</source>
        <translation>أدخل فتحة العدسة (F/_‎)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;احسب</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1، الإصدار %2</translation>
    </message>
    <message>
        <source>Quorvel is a desktop program and needs a graphical display, but none is set (DISPLAY and WAYLAND_DISPLAY are empty). Start it from your desktop.</source>
        <translation>Quorvel برنامج لسطح المكتب ويحتاج إلى شاشة رسومية، لكن لم تُحدَّد أي شاشة (DISPLAY و WAYLAND_DISPLAY فارغان). شغّله من سطح المكتب.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because no display answers at the address it was given (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). Check that the display is running and that these variables name it.</source>
        <translation>لا يستطيع Quorvel فتح نافذته، لأنه لا توجد شاشة تستجيب على العنوان المحدد له (DISPLAY=&quot;%1&quot;, WAYLAND_DISPLAY=&quot;%2&quot;, QT_QPA_PLATFORM=&quot;%3&quot;). تحقّق من أن الشاشة تعمل وأن هذه المتغيرات تشير إليها.</translation>
    </message>
    <message>
        <source>On a machine without a display, run it in a virtual one; on Debian:</source>
        <translation>على جهاز بلا شاشة، شغّله في شاشة افتراضية؛ على Debian:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo, and check that XAUTHORITY, if it is set, names that user&apos;s authority file (XAUTHORITY=&quot;%2&quot;).</source>
        <translation>لا يستطيع Quorvel فتح نافذته، لأن الشاشة &quot;%1&quot; رفضته: لا يحق لهذا المستخدم استخدام تلك الشاشة. شغّل Quorvel بصفتك المستخدم المسجَّل دخوله إلى سطح المكتب، لا باستخدام sudo، وتحقّق من أن XAUTHORITY، إن كان محددًا، يشير إلى ملف التفويض الخاص بذلك المستخدم (XAUTHORITY=&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the display &quot;%1&quot; refused it: this user may not use that display. Start Quorvel as the user who is logged in to the desktop, not with sudo.</source>
        <translation>لا يستطيع Quorvel فتح نافذته، لأن الشاشة &quot;%1&quot; رفضته: لا يحق لهذا المستخدم استخدام تلك الشاشة. شغّل Quorvel بصفتك المستخدم المسجَّل دخوله إلى سطح المكتب، لا باستخدام sudo.</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because the Qt platform plugin &quot;wayland&quot; is not installed. Install it, or leave QT_QPA_PLATFORM empty to run Quorvel through X11; on Debian:</source>
        <translation>لا يستطيع Quorvel فتح نافذته، لأن ملحق منصة Qt &quot;wayland&quot; غير مثبَّت. ثبّته، أو اترك QT_QPA_PLATFORM فارغًا لتشغيل Quorvel عبر X11؛ على Debian:</translation>
    </message>
    <message>
        <source>Quorvel cannot open its window, because Qt has no platform plugin named &quot;%1&quot;. Check the name that QT_QPA_PLATFORM or the -platform option gives.</source>
        <translation>لا يستطيع Quorvel فتح نافذته، لأن Qt ليس لديه ملحق منصة باسم &quot;%1&quot;. تحقّق من الاسم الذي يحدده QT_QPA_PLATFORM أو الخيار ‎-platform.</translation>
    </message>
    <message>
        <source>Quorvel cannot start, because Qt stopped it with this error: %1</source>
        <translation>لا يمكن بدء تشغيل Quorvel، لأن Qt أوقفه بهذا الخطأ: %1</translation>
    </message>
</context>
<context>
    <name>quorvel.desktop</name>
    <message>
        <source>Hyperfocal Distance Calculator</source>
        <translation>حاسبة المسافة فوق البؤرية</translation>
    </message>
    <message>
        <source>Work out the hyperfocal distance of a lens from its focal length and f-number</source>
        <translation>احسب المسافة فوق البؤرية لعدسة من بعدها البؤري وفتحتها</translation>
    </message>
    <message>
        <source>photography;lens;focus;hyperfocal;depth of field;aperture;</source>
        <translation>تصوير;عدسة;تركيز;المسافة فوق البؤرية;عمق الميدان;فتحة العدسة;البعد البؤري;</translation>
    </message>
</context>
<context>
    <name>quorvel.metainfo.xml</name>
    <message>
        <source>Find the hyperfocal distance of a lens</source>
        <translation>اعرف المسافة فوق البؤرية لعدسة</translation>
    </message>
    <message>
        <source>Quorvel tells you where to focus so that as much of a scene as possible is sharp. Type the focal length of your lens in millimetres and the aperture you shoot at as an f-number, and it gives the hyperfocal distance in feet.</source>
        <translation>يخبرك Quorvel أين تضبط التركيز لتكون أكبر مساحة ممكنة من المشهد واضحة. اكتب البعد البؤري لعدستك بالمليمتر وفتحة العدسة التي تصوّر بها كرقم f، فيعطيك المسافة فوق البؤرية بالأقدام.</translation>
    </message>
    <message>
        <source>Focus at that distance and everything from about half of it to infinity is acceptably sharp: the classic technique for landscapes and street photography. A 50 mm lens at f/8, for example, gives 3.42 ft.</source>
        <translation>اضبط التركيز على تلك المسافة فيصبح كل ما بين نصفها تقريبًا واللانهاية واضحًا بما يكفي: وهي التقنية الكلاسيكية لتصوير المناظر الطبيعية والشوارع. فمثلًا تعطي عدسة 50 mm عند f/8 القيمة 3.42 ft.</translation>
    </message>
    <message>
        <source>The distance assumes a circle of confusion of 0.3 mm, which suits very large sheet film. For 35 mm and full-frame cameras (0.03 mm) the hyperfocal distance is ten times the figure shown, and for APS-C about fifteen times.</source>
        <translation>تفترض المسافة دائرة تشوش قطرها 0.3 mm، وهي تناسب الأفلام اللوحية ذات المقاس الكبير جدًا. أما لكاميرات 35 mm وكاميرات الإطار الكامل (0.03 mm) فالمسافة فوق البؤرية عشرة أضعاف الرقم المعروض، ولكاميرات APS-C نحو خمسة عشر ضعفًا.</translation>
    </message>
    <message>
        <source>Quorvel is a small window that works entirely with the keyboard. It needs no network, reads and writes no files, and keeps no settings.</source>
        <translation>Quorvel نافذة صغيرة تعمل بالكامل من لوحة المفاتيح. لا تحتاج إلى شبكة، ولا تقرأ ملفات ولا تكتبها، ولا تحفظ أي إعدادات.</translation>
    </message>
    <message>
        <source>hyperfocal</source>
        <translation>المسافة فوق البؤرية</translation>
    </message>
    <message>
        <source>focus</source>
        <translation>تركيز</translation>
    </message>
    <message>
        <source>lens</source>
        <translation>عدسة</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>فتحة العدسة</translation>
    </message>
    <message>
        <source>depth of field</source>
        <translation>عمق الميدان</translation>
    </message>
    <message>
        <source>The main window after working out 50 mm at f/8</source>
        <translation>النافذة الرئيسية بعد حساب 50 mm عند f/8</translation>
    </message>
    <message>
        <source>The About window</source>
        <translation>نافذة «حول»</translation>
    </message>
</context>
<context>
    <name>quorvel.nsi</name>
    <message>
        <source>Quorvel is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry.</source>
        <translation>يعمل Quorvel من $INSTDIR.$\r$\n$\r$\nأغلقه ثم اختر «إعادة المحاولة».</translation>
    </message>
    <message>
        <source>$INSTDIR holds other files, and so does the Quorvel folder in it. Choose another folder for Quorvel.</source>
        <translation>يحتوي $INSTDIR على ملفات أخرى، وكذلك مجلد Quorvel الذي بداخله. اختر مجلدًا آخر لـ Quorvel.</translation>
    </message>
    <message>
        <source>Quorvel is installed in $0. To install it into $INSTDIR, uninstall it first.</source>
        <translation>Quorvel مثبَّت في $0. لتثبيته في $INSTDIR، أزِل تثبيته أولًا.</translation>
    </message>
    <message>
        <source>Quorvel could not be fully installed into $INSTDIR.</source>
        <translation>تعذّر تثبيت Quorvel بالكامل في $INSTDIR.</translation>
    </message>
    <message>
        <source>Quorvel could not be removed from $INSTDIR.</source>
        <translation>تعذّر إزالة Quorvel من $INSTDIR.</translation>
    </message>
</context>
</TS>
