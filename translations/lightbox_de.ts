<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refraction Experiment About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reflection Experiment About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandleNames</name>
    <message>
        <source>Source %1, angle of incidence %2 degrees</source>
        <extracomment>A screen reader&apos;s name of a light source&apos;s handle; %2 is in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source %1, its ray meets the device before its aim point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source %1, it stands on its aim point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aim point of source %1</source>
        <extracomment>The handle where a source&apos;s ray is aimed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle of the ray of source %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre of the device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Right click to copy image.<byte value="xd"/>See Menus to change what is displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to change angle of incident ray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to move point of contact of incident ray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to move incident ray parallel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to move position of lens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves lens to center of the screen and resets magnifaction to original size.</source>
        <extracomment>The Reset button; &quot;magnifaction&quot; is a slip for &quot;magnification&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zooms in or out on the optical device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use to adjust lens properties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select type of measurement needed and protractor practice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move mouse and click where you want to start your measurement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move mouse and click to fix direction of measuring device.  For best accuracy move mouse away from center.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move mouse and click to fix angle measurement.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Colour Scheme (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen scheme (Color or B/W).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optical Device (Lens)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optical Device (Mirror)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redraw Speed (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen speed (Slow, Med, Fast).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Hide (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is On or Off.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extend Refracted Ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Reflection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extend Reflected Ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of &amp;Slits(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of &amp;Rays(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Copy &amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Experiments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Convex Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Concave Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-Circular Prism Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-Circular Prism Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circular Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <extracomment>A flat mirror (&quot;plane&quot; as in a flat surface).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convex Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concave Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Principal Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Light Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtend Refracted Ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extend &amp;Incident Ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Grid Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Follow Internal Reflections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show F&amp;ocal Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Ray &amp;Directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Point Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optical &amp;Device (Lens)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color Scheme (Color)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/W</source>
        <extracomment>Black and white.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Short for &quot;medium&quot;, between Slow and Fast.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Measurement Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of &amp;Slits (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of slits of each source.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of &amp;Rays (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of light sources.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Reflection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Measuring</name>
    <message>
        <source>Angles are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance = %1</source>
        <extracomment>The measured length; %1 is in the ruler&apos;s units.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angles are %1 Degrees or %2 Degrees.</source>
        <extracomment>The measured angle and its supplement, both in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>I am ....</source>
        <extracomment>The title of the dialog where a student types the name for the printout.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpticalProperties</name>
    <message>
        <source>Left Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lens Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mirror Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optical Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plane</source>
        <comment>flat surface</comment>
        <extracomment>The kind of a surface: &quot;Plane&quot; is flat, not an aircraft.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of Incidence is 0 Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index of Refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom: %1%</source>
        <extracomment>%1% is the zoom as a percentage, e.g. &quot;Zoom: 25%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Air&quot;: %1</source>
        <extracomment>The refractive index of the medium around the device; %1 is the index (1.00).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Glass&quot;: %1</source>
        <extracomment>The refractive index of the device&apos;s material; %1 is the index (1.50).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>But can you get the answer<byte value="xd"/>a little closer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>Try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <extracomment>The practice ruler&apos;s reading, in pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the ray´s angle of incidence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the point where the ray hits the interface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the ray´s position preserving the angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust to move entire structure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torch end of the ray, at %1 degrees</source>
        <extracomment>A screen reader&apos;s name of a handle; %1 is the ray&apos;s direction in degrees.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the ray meets the interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle of the ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ray Movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Measure Method.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method1</source>
        <extracomment>A hidden choice, never shown to the student.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the Angle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between Two Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 0.0°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 180.0°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure length between:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length is: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;2 Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Wavefronts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Point and &amp;Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the four handles to discover each function. Move the handles to reposition the ray.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source>There is no printer to print on, or its page is too narrow for the picture.<byte value="xd"/>Choose a printer, or printing to a file, with Print Setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is empty: there is nothing to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start the print job.<byte value="xd"/>Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be put on the page, so the print job was cancelled.<byte value="xd"/>Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer did not take the page.<byte value="xd"/>Check the printer, or choose another with Print Setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Printed by: %1</source>
        <extracomment>The line above the printed picture; %1 is the student&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>No angle: the ray meets the device first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No angle: the source stands on its aim point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of Incidence is %1 Degrees.</source>
        <extracomment>%1 is the angle in degrees, right-aligned in four characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <comment>focal point</comment>
        <extracomment>The letter beside a focal point; school books in most languages keep F.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internally reflected</source>
        <extracomment>Written on the bench where a ray is turned back inside the glass (total internal reflection).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
