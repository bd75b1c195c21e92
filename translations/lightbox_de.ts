<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation>Produktname: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Refraction Experiment About</source>
        <translation>Über das Brechungsexperiment</translation>
    </message>
    <message>
        <source>Reflection Experiment About</source>
        <translation>Über das Reflexionsexperiment</translation>
    </message>
</context>
<context>
    <name>HandleNames</name>
    <message>
        <source>Source %1, angle of incidence %2 degrees</source>
        <extracomment>A screen reader&apos;s name of a light source&apos;s handle; %2 is in degrees.</extracomment>
        <translation>Lichtquelle %1, Einfallswinkel %2 Grad</translation>
    </message>
    <message>
        <source>Source %1, its ray meets the device before its aim point</source>
        <translation>Lichtquelle %1, ihr Strahl trifft vor dem Zielpunkt auf das Bauteil</translation>
    </message>
    <message>
        <source>Source %1, it stands on its aim point</source>
        <translation>Lichtquelle %1, sie steht auf ihrem Zielpunkt</translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation>Lichtquelle %1</translation>
    </message>
    <message>
        <source>Aim point of source %1</source>
        <extracomment>The handle where a source&apos;s ray is aimed.</extracomment>
        <translation>Zielpunkt von Lichtquelle %1</translation>
    </message>
    <message>
        <source>Middle of the ray of source %1</source>
        <translation>Mitte des Strahls von Lichtquelle %1</translation>
    </message>
    <message>
        <source>Centre of the device</source>
        <translation>Mitte des Bauteils</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Refraction: choose an experiment from View, drag the handles and measure with the ruler and protractor.</source>
        <extracomment>The help of the refraction edition (Lumivex). &quot;View&quot; is the name of the menu.</extracomment>
        <translation>Brechung: Wählen Sie im Menü „Ansicht“ ein Experiment, ziehen Sie die Griffe und messen Sie mit Lineal und Winkelmesser.</translation>
    </message>
    <message>
        <source>Reflection: choose a mirror from View, drag the handles and measure with the ruler and protractor.</source>
        <extracomment>The help of the reflection edition (Spekvale). &quot;View&quot; is the name of the menu.</extracomment>
        <translation>Reflexion: Wählen Sie im Menü „Ansicht“ einen Spiegel, ziehen Sie die Griffe und messen Sie mit Lineal und Winkelmesser.</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Title of the help message box.</extracomment>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Right click to copy image.<byte value="xd"/>See Menus to change what is displayed</source>
        <translation>Rechtsklick kopiert das Bild.<byte value="xd"/>Anzeige über die Menüs ändern</translation>
    </message>
    <message>
        <source>Drag to change angle of incident ray.</source>
        <translation>Ziehen, um den Einfallswinkel zu ändern.</translation>
    </message>
    <message>
        <source>Drag to move point of contact of incident ray.</source>
        <translation>Ziehen, um den Auftreffpunkt des Strahls zu verschieben.</translation>
    </message>
    <message>
        <source>Drag to move incident ray parallel</source>
        <translation>Ziehen, um den Strahl parallel zu verschieben</translation>
    </message>
    <message>
        <source>Drag to move position of lens.</source>
        <translation>Ziehen, um die Linse zu verschieben.</translation>
    </message>
    <message>
        <source>Moves lens to center of the screen and resets magnifaction to original size.</source>
        <extracomment>The Reset button; &quot;magnifaction&quot; is a slip for &quot;magnification&quot;.</extracomment>
        <translation>Rückt die Linse in die Mitte und setzt die Vergrößerung zurück.</translation>
    </message>
    <message>
        <source>Zooms in or out on the optical device.</source>
        <translation>Vergrößert oder verkleinert die Ansicht des Bauteils.</translation>
    </message>
    <message>
        <source>Use to adjust lens properties.</source>
        <translation>Hier die Eigenschaften der Linse einstellen.</translation>
    </message>
    <message>
        <source>Select type of measurement needed and protractor practice.</source>
        <translation>Messart wählen oder mit dem Winkelmesser üben.</translation>
    </message>
    <message>
        <source>Move mouse and click where you want to start your measurement.</source>
        <translation>Maus bewegen und dort klicken, wo die Messung beginnen soll.</translation>
    </message>
    <message>
        <source>Move mouse and click to fix direction of measuring device.  For best accuracy move mouse away from center.</source>
        <translation>Klicken, um die Richtung festzulegen. Weit weg von der Mitte ist es genauer.</translation>
    </message>
    <message>
        <source>Move mouse and click to fix angle measurement.</source>
        <translation>Maus bewegen und klicken, um den Winkel festzulegen.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Colour Scheme (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen scheme (Color or B/W).</extracomment>
        <translation>&amp;Farbschema (%1)</translation>
    </message>
    <message>
        <source>Optical Device (Lens)</source>
        <translation>Optisches Bauteil (Linse)</translation>
    </message>
    <message>
        <source>Optical Device (Mirror)</source>
        <translation>Optisches Bauteil (Spiegel)</translation>
    </message>
    <message>
        <source>Redraw Speed (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen speed (Slow, Med, Fast).</extracomment>
        <translation>Zeichengeschwindigkeit (%1)</translation>
    </message>
    <message>
        <source>&amp;Auto Hide (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is On or Off.</extracomment>
        <translation>Automatisch &amp;ausblenden (%1)</translation>
    </message>
    <message>
        <source>Show Refraction</source>
        <translation>Brechung zeigen</translation>
    </message>
    <message>
        <source>Extend Refracted Ray</source>
        <translation>Gebrochenen Strahl verlängern</translation>
    </message>
    <message>
        <source>Show Reflection</source>
        <translation>Reflexion zeigen</translation>
    </message>
    <message>
        <source>Extend Reflected Ray</source>
        <translation>Reflektierten Strahl verlängern</translation>
    </message>
    <message>
        <source>Number of &amp;Slits(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation>Anzahl der &amp;Spalte (1)</translation>
    </message>
    <message>
        <source>Number of &amp;Rays(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation>Anzahl der St&amp;rahlen (1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>Enable Copy &amp;Select</source>
        <translation>Kopier&amp;auswahl aktivieren</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Experiments</source>
        <translation>&amp;Experimente</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Rechteckiges Prisma</translation>
    </message>
    <message>
        <source>Double Convex Lens</source>
        <translation>Bikonvexe Linse</translation>
    </message>
    <message>
        <source>Double Concave Lens</source>
        <translation>Bikonkave Linse</translation>
    </message>
    <message>
        <source>Semi-Circular Prism Left</source>
        <translation>Halbkreisprisma links</translation>
    </message>
    <message>
        <source>Semi-Circular Prism Right</source>
        <translation>Halbkreisprisma rechts</translation>
    </message>
    <message>
        <source>Circular Lens</source>
        <translation>Kreisrunde Linse</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <extracomment>A flat mirror (&quot;plane&quot; as in a flat surface).</extracomment>
        <translation>Ebener Spiegel</translation>
    </message>
    <message>
        <source>Convex Mirror</source>
        <translation>Wölbspiegel (konvex)</translation>
    </message>
    <message>
        <source>Concave Mirror</source>
        <translation>Hohlspiegel (konkav)</translation>
    </message>
    <message>
        <source>Show &amp;Centers</source>
        <translation>Krümmungs&amp;mittelpunkte zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Refraction</source>
        <translation>&amp;Brechung zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Principal Axis</source>
        <translation>&amp;Optische Achse zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Light Source</source>
        <translation>&amp;Lichtquelle zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Normal</source>
        <translation>Lo&amp;t zeigen</translation>
    </message>
    <message>
        <source>E&amp;xtend Refracted Ray</source>
        <translation>Gebrochenen Strahl &amp;verlängern</translation>
    </message>
    <message>
        <source>Extend &amp;Incident Ray</source>
        <translation>E&amp;infallenden Strahl verlängern</translation>
    </message>
    <message>
        <source>Show &amp;Grid Lines</source>
        <translation>&amp;Gitterlinien zeigen</translation>
    </message>
    <message>
        <source>&amp;Follow Internal Reflections</source>
        <translation>Innere Reflexionen ver&amp;folgen</translation>
    </message>
    <message>
        <source>Show F&amp;ocal Points</source>
        <translation>Brenn&amp;punkte zeigen</translation>
    </message>
    <message>
        <source>Show Ray &amp;Directions</source>
        <translation>Strahl&amp;richtungen zeigen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Point Source</source>
        <translation>&amp;Punktlichtquelle</translation>
    </message>
    <message>
        <source>Optical &amp;Device (Lens)</source>
        <translation>Optisches &amp;Bauteil (Linse)</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Linse</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>&amp;Color Scheme (Color)</source>
        <translation>&amp;Farbschema (Farbe)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>B/W</source>
        <extracomment>Black and white.</extracomment>
        <translation>S/W</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Short for &quot;medium&quot;, between Slow and Fast.</extracomment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Measurement Practice</source>
        <translation>&amp;Messübung</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Number of &amp;Slits (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of slits of each source.</extracomment>
        <translation>Anzahl der &amp;Spalte (%1)</translation>
    </message>
    <message>
        <source>Number of &amp;Rays (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of light sources.</extracomment>
        <translation>Anzahl der St&amp;rahlen (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Reflection</source>
        <translation>Reflexion</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Brechung</translation>
    </message>
    <message>
        <source>Bench</source>
        <extracomment>Accessible name of the picture of the optical bench.</extracomment>
        <translation>Optische Bank</translation>
    </message>
    <message>
        <source>Left radius</source>
        <extracomment>Spoken name of the scroll bar setting the radius of the lens&apos;s left surface.</extracomment>
        <translation>Radius links</translation>
    </message>
    <message>
        <source>Right radius</source>
        <extracomment>Spoken name of the scroll bar setting the radius of the lens&apos;s right surface.</extracomment>
        <translation>Radius rechts</translation>
    </message>
    <message>
        <source>Lens width</source>
        <extracomment>Spoken name of the scroll bar setting the lens&apos;s thickness.</extracomment>
        <translation>Linsendicke</translation>
    </message>
    <message>
        <source>Slit width</source>
        <extracomment>Spoken name of the scroll bar setting the width of the light&apos;s slit.</extracomment>
        <translation>Spaltbreite</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Spoken name of the scroll bar setting the bench&apos;s magnification.</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Glass index</source>
        <extracomment>Spoken name of the scroll bar setting the refractive index of the glass.</extracomment>
        <translation>Brechungsindex des Glases</translation>
    </message>
    <message>
        <source>Air index</source>
        <extracomment>Spoken name of the scroll bar setting the refractive index of the surrounding medium.</extracomment>
        <translation>Brechungsindex der Umgebung</translation>
    </message>
</context>
<context>
    <name>Measuring</name>
    <message>
        <source>Angles are</source>
        <translation>Die Winkel betragen</translation>
    </message>
    <message>
        <source>Distance =</source>
        <translation>Abstand =</translation>
    </message>
    <message>
        <source>Distance = %1</source>
        <extracomment>The measured length; %1 is in the ruler&apos;s units.</extracomment>
        <translation>Abstand = %1</translation>
    </message>
    <message>
        <source>Angles are %1 Degrees or %2 Degrees.</source>
        <extracomment>The measured angle and its supplement, both in degrees.</extracomment>
        <translation>Die Winkel betragen %1 Grad oder %2 Grad.</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>I am ....</source>
        <extracomment>The title of the dialog where a student types the name for the printout.</extracomment>
        <translation>Mein Name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Erscheint auf dem Ausdruck</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OpticalProperties</name>
    <message>
        <source>Left Side</source>
        <translation>Linke Seite</translation>
    </message>
    <message>
        <source>Mirror Type</source>
        <translation>Spiegelart</translation>
    </message>
    <message>
        <source>&amp;Lens Properties</source>
        <translation>&amp;Linseneigenschaften</translation>
    </message>
    <message>
        <source>&amp;Mirror Properties</source>
        <translation>&amp;Spiegeleigenschaften</translation>
    </message>
    <message>
        <source>Optical Properties</source>
        <translation>Optische Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <source>Plane</source>
        <comment>flat surface</comment>
        <extracomment>The kind of a surface: &quot;Plane&quot; is flat, not an aircraft.</extracomment>
        <translation>Eben</translation>
    </message>
    <message>
        <source>Convex</source>
        <translation>Konvex</translation>
    </message>
    <message>
        <source>Concave</source>
        <translation>Konkav</translation>
    </message>
    <message>
        <source>Lens Width:</source>
        <translation>Dicke:</translation>
    </message>
    <message>
        <source>Slit Width:</source>
        <translation>Spaltbreite:</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Messen</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Angle of Incidence is 0 Degrees</source>
        <translation>Der Einfallswinkel beträgt 0 Grad</translation>
    </message>
    <message>
        <source>Index of Refraction</source>
        <translation>Brechungsindex</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source> One</source>
        <translation> Eine</translation>
    </message>
    <message>
        <source> Three</source>
        <translation> Drei</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Rücksetzen</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Hints shown here.</source>
        <translation>Hier stehen Hinweise.</translation>
    </message>
    <message>
        <source>Radius: %1</source>
        <translation>Radius: %1</translation>
    </message>
    <message>
        <source>Zoom: %1%</source>
        <extracomment>%1% is the zoom as a percentage, e.g. &quot;Zoom: 25%&quot;.</extracomment>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>&quot;Air&quot;: %1</source>
        <extracomment>The refractive index of the medium around the device; %1 is the index (1.00).</extracomment>
        <translation>„Luft“: %1</translation>
    </message>
    <message>
        <source>&quot;Glass&quot;: %1</source>
        <extracomment>The refractive index of the device&apos;s material; %1 is the index (1.50).</extracomment>
        <translation>„Glas“: %1</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>But can you get the answer<byte value="xd"/>a little closer?</source>
        <translation>Richtig!<byte value="xd"/>Aber geht es<byte value="xd"/>noch etwas genauer?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>Try again!</source>
        <translation>Hoppla!<byte value="xd"/>Bitte noch einmal versuchen!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well Done!</source>
        <translation>Richtig!<byte value="xd"/>Gut gemacht!</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <extracomment>The practice ruler&apos;s reading, in pixels.</extracomment>
        <translation>Abstand: %1</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well done!</source>
        <translation>Richtig!<byte value="xd"/>Gut gemacht!</translation>
    </message>
    <message>
        <source>Adjust the ray´s angle of incidence.</source>
        <translation>Den Einfallswinkel des Strahls einstellen.</translation>
    </message>
    <message>
        <source>Adjust the point where the ray hits the interface.</source>
        <translation>Den Auftreffpunkt auf der Grenzfläche verschieben.</translation>
    </message>
    <message>
        <source>Adjust the ray´s position preserving the angle.</source>
        <translation>Den Strahl verschieben, der Winkel bleibt gleich.</translation>
    </message>
    <message>
        <source>Adjust to move entire structure.</source>
        <translation>Die ganze Anordnung verschieben.</translation>
    </message>
    <message>
        <source>Torch end of the ray, at %1 degrees</source>
        <extracomment>A screen reader&apos;s name of a handle; %1 is the ray&apos;s direction in degrees.</extracomment>
        <translation>Lampenende des Strahls, bei %1 Grad</translation>
    </message>
    <message>
        <source>Where the ray meets the interface</source>
        <translation>Auftreffpunkt des Strahls auf der Grenzfläche</translation>
    </message>
    <message>
        <source>Middle of the ray</source>
        <translation>Mitte des Strahls</translation>
    </message>
    <message>
        <source>Interface line</source>
        <translation>Grenzfläche</translation>
    </message>
    <message>
        <source>Measurement Practice</source>
        <translation>Messübung</translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation>&amp;Winkelmesser</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Lineal</translation>
    </message>
    <message>
        <source>&amp;Ray Movement</source>
        <translation>&amp;Strahlbewegung</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>W&amp;eiter</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Rücksetzen</translation>
    </message>
    <message>
        <source>Angle Measure Method.....</source>
        <translation>Art der Winkelmessung</translation>
    </message>
    <message>
        <source>Method1</source>
        <extracomment>A hidden choice, never shown to the student.</extracomment>
        <translation>Art 1</translation>
    </message>
    <message>
        <source>Method 2</source>
        <translation>Art 2</translation>
    </message>
    <message>
        <source>Find the Angle:</source>
        <translation>Winkel messen:</translation>
    </message>
    <message>
        <source>From the Normal</source>
        <translation>Zum Lot</translation>
    </message>
    <message>
        <source>Between Two Lines</source>
        <translation>Zwischen 2 Linien</translation>
    </message>
    <message>
        <source>The angle is</source>
        <translation>Der Winkel beträgt</translation>
    </message>
    <message>
        <source>Measure length between:</source>
        <translation>Länge messen zwischen:</translation>
    </message>
    <message>
        <source>Length is: 0</source>
        <translation>Länge: 0</translation>
    </message>
    <message>
        <source> &amp;2 Points</source>
        <translation> &amp;2 Punkte</translation>
    </message>
    <message>
        <source> &amp;Wavefronts</source>
        <translation> Wellen&amp;fronten</translation>
    </message>
    <message>
        <source> Point and &amp;Line</source>
        <translation> Punkt u. L&amp;inie</translation>
    </message>
    <message>
        <source>Drag the four handles to discover each function. Move the handles to reposition the ray.</source>
        <translation>Probieren Sie die vier Griffe aus. Mit ihnen verschieben Sie den Strahl.</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Exercise picture</source>
        <extracomment>Spoken name of the picture an exercise is worked on.</extracomment>
        <translation>Übungsbild</translation>
    </message>
    <message>
        <source>Home puts a pointer on the figure, the arrow keys move it, Space clicks</source>
        <extracomment>Spoken description of the exercise picture: Home, the arrow keys and Space are keys.</extracomment>
        <translation>Pos1 setzt einen Zeiger auf die Figur, die Pfeiltasten bewegen ihn, die Leertaste klickt</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Spoken name of the tabs, one for each kind of exercise.</extracomment>
        <translation>Übungen</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source>There is no printer to print on, or its page is too narrow for the picture.<byte value="xd"/>Choose a printer, or printing to a file, with Print Setup.</source>
        <translation>Es ist kein Drucker vorhanden, oder seine Seite ist zu schmal für das Bild.<byte value="xd"/>Wählen Sie unter „Druckereinrichtung“ einen Drucker oder den Druck in eine Datei.</translation>
    </message>
    <message>
        <source>The picture is empty: there is nothing to print.</source>
        <translation>Das Bild ist leer: Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>The printer could not start the print job.<byte value="xd"/>Nothing was printed.</source>
        <translation>Der Drucker konnte den Druckauftrag nicht starten.<byte value="xd"/>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The picture could not be put on the page, so the print job was cancelled.<byte value="xd"/>Nothing was printed.</source>
        <translation>Das Bild ließ sich nicht auf die Seite bringen, daher wurde der Druckauftrag abgebrochen.<byte value="xd"/>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer did not take the page.<byte value="xd"/>Check the printer, or choose another with Print Setup.</source>
        <translation>Der Drucker hat die Seite nicht angenommen.<byte value="xd"/>Prüfen Sie den Drucker oder wählen Sie unter „Druckereinrichtung“ einen anderen.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Printed by: %1</source>
        <extracomment>The line above the printed picture; %1 is the student&apos;s name.</extracomment>
        <translation>Gedruckt von: %1</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>No angle: the ray meets the device first.</source>
        <translation>Kein Winkel: Strahl trifft zuerst das Bauteil.</translation>
    </message>
    <message>
        <source>No angle: the source stands on its aim point.</source>
        <translation>Kein Winkel: Quelle steht auf dem Zielpunkt.</translation>
    </message>
    <message>
        <source>Angle of Incidence is %1 Degrees.</source>
        <extracomment>%1 is the angle in degrees, right-aligned in four characters.</extracomment>
        <translation>Der Einfallswinkel beträgt %1 Grad.</translation>
    </message>
    <message>
        <source>F</source>
        <comment>focal point</comment>
        <extracomment>The letter beside a focal point; school books in most languages keep F.</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>Internally reflected</source>
        <extracomment>Written on the bench where a ray is turned back inside the glass (total internal reflection).</extracomment>
        <translation>Totalreflexion</translation>
    </message>
</context>
<context>
    <name>ScrollingWindow</name>
    <message>
        <source>Window, across</source>
        <extracomment>Spoken name of the scroll bar that moves a window&apos;s content sideways, shown when the window is larger than the screen.</extracomment>
        <translation>Fenster, waagerecht</translation>
    </message>
    <message>
        <source>Window, up and down</source>
        <extracomment>Spoken name of the scroll bar that moves a window&apos;s content up and down.</extracomment>
        <translation>Fenster, senkrecht</translation>
    </message>
</context>
<context>
    <name>StartWithoutDisplay</name>
    <message>
        <source>%1 is not set</source>
        <extracomment>Why the program cannot start; %1 is an environment variable (DISPLAY).</extracomment>
        <translation>%1 ist nicht gesetzt</translation>
    </message>
    <message>
        <source>neither %1 nor %2 is set</source>
        <extracomment>%1 and %2 are environment variables (WAYLAND_DISPLAY, DISPLAY).</extracomment>
        <translation>weder %1 noch %2 ist gesetzt</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM is %1 and %2</source>
        <extracomment>%1 is the value of QT_QPA_PLATFORM (e.g. xcb), %2 the reason from the texts above.</extracomment>
        <translation>QT_QPA_PLATFORM ist %1 und %2</translation>
    </message>
    <message>
        <source>%1 needs a graphical display: none was found (%2). Run it from a desktop session, or set QT_QPA_PLATFORM=offscreen for a headless run.</source>
        <extracomment>One line on the text console. %1 is the program&apos;s name (Lumivex or Spekvale), %2 why no display was found. Keep QT_QPA_PLATFORM=offscreen as written.</extracomment>
        <translation>%1 braucht eine grafische Anzeige, es wurde keine gefunden (%2). Starten Sie das Programm in einer Desktop-Sitzung oder setzen Sie QT_QPA_PLATFORM=offscreen für einen Lauf ohne Anzeige.</translation>
    </message>
</context>
</TS>
