<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation>Nombre del producto: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Refraction Experiment About</source>
        <translation>Acerca del experimento de refracción</translation>
    </message>
    <message>
        <source>Reflection Experiment About</source>
        <translation>Acerca del experimento de reflexión</translation>
    </message>
</context>
<context>
    <name>HandleNames</name>
    <message>
        <source>Source %1, angle of incidence %2 degrees</source>
        <extracomment>A screen reader&apos;s name of a light source&apos;s handle; %2 is in degrees.</extracomment>
        <translation>Fuente %1, ángulo de incidencia %2 grados</translation>
    </message>
    <message>
        <source>Source %1, its ray meets the device before its aim point</source>
        <translation>Fuente %1, su rayo llega al dispositivo antes de su punto de mira</translation>
    </message>
    <message>
        <source>Source %1, it stands on its aim point</source>
        <translation>Fuente %1, está sobre su punto de mira</translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation>Fuente %1</translation>
    </message>
    <message>
        <source>Aim point of source %1</source>
        <extracomment>The handle where a source&apos;s ray is aimed.</extracomment>
        <translation>Punto de mira de la fuente %1</translation>
    </message>
    <message>
        <source>Middle of the ray of source %1</source>
        <translation>Punto medio del rayo de la fuente %1</translation>
    </message>
    <message>
        <source>Centre of the device</source>
        <translation>Centro del dispositivo</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Refraction: choose an experiment from View, drag the handles and measure with the ruler and protractor.</source>
        <extracomment>The help of the refraction edition (Lumivex). &quot;View&quot; is the name of the menu.</extracomment>
        <translation>Refracción: elige un experimento en el menú «Ver», arrastra los controles y mide con la regla y el transportador.</translation>
    </message>
    <message>
        <source>Reflection: choose a mirror from View, drag the handles and measure with the ruler and protractor.</source>
        <extracomment>The help of the reflection edition (Spekvale). &quot;View&quot; is the name of the menu.</extracomment>
        <translation>Reflexión: elige un espejo en el menú «Ver», arrastra los controles y mide con la regla y el transportador.</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Title of the help message box.</extracomment>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Right click to copy image.<byte value="xd"/>See Menus to change what is displayed</source>
        <translation>Clic derecho para copiar la imagen.<byte value="xd"/>En los menús eliges qué se muestra</translation>
    </message>
    <message>
        <source>Drag to change angle of incident ray.</source>
        <translation>Arrastra para cambiar el ángulo del rayo incidente.</translation>
    </message>
    <message>
        <source>Drag to move point of contact of incident ray.</source>
        <translation>Arrastra para mover el punto de incidencia del rayo.</translation>
    </message>
    <message>
        <source>Drag to move incident ray parallel</source>
        <translation>Arrastra para desplazar el rayo incidente en paralelo</translation>
    </message>
    <message>
        <source>Drag to move position of lens.</source>
        <translation>Arrastra para mover la lente.</translation>
    </message>
    <message>
        <source>Moves lens to center of the screen and resets magnifaction to original size.</source>
        <extracomment>The Reset button; &quot;magnifaction&quot; is a slip for &quot;magnification&quot;.</extracomment>
        <translation>Centra la lente en la pantalla y devuelve el zoom al tamaño original.</translation>
    </message>
    <message>
        <source>Zooms in or out on the optical device.</source>
        <translation>Acerca o aleja la vista del dispositivo óptico.</translation>
    </message>
    <message>
        <source>Use to adjust lens properties.</source>
        <translation>Ajusta aquí las propiedades de la lente.</translation>
    </message>
    <message>
        <source>Select type of measurement needed and protractor practice.</source>
        <translation>Elige el tipo de medida y la práctica con el transportador.</translation>
    </message>
    <message>
        <source>Move mouse and click where you want to start your measurement.</source>
        <translation>Mueve el ratón y haz clic donde quieras empezar a medir.</translation>
    </message>
    <message>
        <source>Move mouse and click to fix direction of measuring device.  For best accuracy move mouse away from center.</source>
        <translation>Mueve el ratón y haz clic para fijar la dirección.  Para más precisión, aléjate del centro.</translation>
    </message>
    <message>
        <source>Move mouse and click to fix angle measurement.</source>
        <translation>Mueve el ratón y haz clic para fijar la medida del ángulo.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Colour Scheme (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen scheme (Color or B/W).</extracomment>
        <translation>Esquema de &amp;colores (%1)</translation>
    </message>
    <message>
        <source>Optical Device (Lens)</source>
        <translation>Dispositivo óptico (Lente)</translation>
    </message>
    <message>
        <source>Optical Device (Mirror)</source>
        <translation>Dispositivo óptico (Espejo)</translation>
    </message>
    <message>
        <source>Redraw Speed (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen speed (Slow, Med, Fast).</extracomment>
        <translation>Velocidad de redibujado (%1)</translation>
    </message>
    <message>
        <source>&amp;Auto Hide (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is On or Off.</extracomment>
        <translation>Ocultar &amp;automáticamente (%1)</translation>
    </message>
    <message>
        <source>Show Refraction</source>
        <translation>Mostrar refracción</translation>
    </message>
    <message>
        <source>Extend Refracted Ray</source>
        <translation>Prolongar rayo refractado</translation>
    </message>
    <message>
        <source>Show Reflection</source>
        <translation>Mostrar reflexión</translation>
    </message>
    <message>
        <source>Extend Reflected Ray</source>
        <translation>Prolongar rayo reflejado</translation>
    </message>
    <message>
        <source>Number of &amp;Slits(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation>&amp;Número de rendijas (1)</translation>
    </message>
    <message>
        <source>Number of &amp;Rays(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation>Número de &amp;rayos (1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Con&amp;figurar impresora</translation>
    </message>
    <message>
        <source>Enable Copy &amp;Select</source>
        <translation>Activar &amp;selección para copiar</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Nombre de usuario</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Experiments</source>
        <translation>&amp;Experimentos</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Prisma rectangular</translation>
    </message>
    <message>
        <source>Double Convex Lens</source>
        <translation>Lente biconvexa</translation>
    </message>
    <message>
        <source>Double Concave Lens</source>
        <translation>Lente bicóncava</translation>
    </message>
    <message>
        <source>Semi-Circular Prism Left</source>
        <translation>Prisma semicircular izquierdo</translation>
    </message>
    <message>
        <source>Semi-Circular Prism Right</source>
        <translation>Prisma semicircular derecho</translation>
    </message>
    <message>
        <source>Circular Lens</source>
        <translation>Lente circular</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <extracomment>A flat mirror (&quot;plane&quot; as in a flat surface).</extracomment>
        <translation>Espejo plano</translation>
    </message>
    <message>
        <source>Convex Mirror</source>
        <translation>Espejo convexo</translation>
    </message>
    <message>
        <source>Concave Mirror</source>
        <translation>Espejo cóncavo</translation>
    </message>
    <message>
        <source>Show &amp;Centers</source>
        <translation>Mostrar &amp;centros de curvatura</translation>
    </message>
    <message>
        <source>Show &amp;Refraction</source>
        <translation>Mostrar &amp;refracción</translation>
    </message>
    <message>
        <source>Show &amp;Principal Axis</source>
        <translation>Mostrar eje &amp;principal</translation>
    </message>
    <message>
        <source>Show &amp;Light Source</source>
        <translation>Mostrar &amp;fuente de luz</translation>
    </message>
    <message>
        <source>Show &amp;Normal</source>
        <translation>Mostrar &amp;normal</translation>
    </message>
    <message>
        <source>E&amp;xtend Refracted Ray</source>
        <translation>Prolongar rayo refrac&amp;tado</translation>
    </message>
    <message>
        <source>Extend &amp;Incident Ray</source>
        <translation>Prolongar rayo &amp;incidente</translation>
    </message>
    <message>
        <source>Show &amp;Grid Lines</source>
        <translation>Mostrar &amp;líneas de cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Follow Internal Reflections</source>
        <translation>&amp;Seguir reflexiones internas</translation>
    </message>
    <message>
        <source>Show F&amp;ocal Points</source>
        <translation>Mostrar f&amp;ocos</translation>
    </message>
    <message>
        <source>Show Ray &amp;Directions</source>
        <translation>Mostrar &amp;dirección de los rayos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Point Source</source>
        <translation>&amp;Fuente puntual</translation>
    </message>
    <message>
        <source>Optical &amp;Device (Lens)</source>
        <translation>&amp;Dispositivo óptico (Lente)</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>&amp;Color Scheme (Color)</source>
        <translation>Esquema de &amp;colores (Color)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>B/W</source>
        <extracomment>Black and white.</extracomment>
        <translation>B/N</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Short for &quot;medium&quot;, between Slow and Fast.</extracomment>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Measurement Practice</source>
        <translation>&amp;Práctica de medición</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Number of &amp;Slits (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of slits of each source.</extracomment>
        <translation>&amp;Número de rendijas (%1)</translation>
    </message>
    <message>
        <source>Number of &amp;Rays (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of light sources.</extracomment>
        <translation>Número de &amp;rayos (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Reflection</source>
        <translation>Reflexión</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Refracción</translation>
    </message>
    <message>
        <source>Bench</source>
        <extracomment>Accessible name of the picture of the optical bench.</extracomment>
        <translation>Banco óptico</translation>
    </message>
    <message>
        <source>Left radius</source>
        <extracomment>Spoken name of the scroll bar setting the radius of the lens&apos;s left surface.</extracomment>
        <translation>Radio izquierdo</translation>
    </message>
    <message>
        <source>Right radius</source>
        <extracomment>Spoken name of the scroll bar setting the radius of the lens&apos;s right surface.</extracomment>
        <translation>Radio derecho</translation>
    </message>
    <message>
        <source>Lens width</source>
        <extracomment>Spoken name of the scroll bar setting the lens&apos;s thickness.</extracomment>
        <translation>Grosor de la lente</translation>
    </message>
    <message>
        <source>Slit width</source>
        <extracomment>Spoken name of the scroll bar setting the width of the light&apos;s slit.</extracomment>
        <translation>Abertura de la rendija</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Spoken name of the scroll bar setting the bench&apos;s magnification.</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Glass index</source>
        <extracomment>Spoken name of the scroll bar setting the refractive index of the glass.</extracomment>
        <translation>Índice del vidrio</translation>
    </message>
    <message>
        <source>Air index</source>
        <extracomment>Spoken name of the scroll bar setting the refractive index of the surrounding medium.</extracomment>
        <translation>Índice del medio exterior</translation>
    </message>
</context>
<context>
    <name>Measuring</name>
    <message>
        <source>Angles are</source>
        <translation>Los ángulos son</translation>
    </message>
    <message>
        <source>Distance =</source>
        <translation>Distancia =</translation>
    </message>
    <message>
        <source>Distance = %1</source>
        <extracomment>The measured length; %1 is in the ruler&apos;s units.</extracomment>
        <translation>Distancia = %1</translation>
    </message>
    <message>
        <source>Angles are %1 Degrees or %2 Degrees.</source>
        <extracomment>The measured angle and its supplement, both in degrees.</extracomment>
        <translation>Los ángulos son %1 grados o %2 grados.</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>I am ....</source>
        <extracomment>The title of the dialog where a student types the name for the printout.</extracomment>
        <translation>¿Quién soy?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Saldrá en la hoja impresa</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>OpticalProperties</name>
    <message>
        <source>Left Side</source>
        <translation>Lado izquierdo</translation>
    </message>
    <message>
        <source>Mirror Type</source>
        <translation>Tipo de espejo</translation>
    </message>
    <message>
        <source>&amp;Lens Properties</source>
        <translation>&amp;Propiedades de la lente</translation>
    </message>
    <message>
        <source>&amp;Mirror Properties</source>
        <translation>&amp;Propiedades del espejo</translation>
    </message>
    <message>
        <source>Optical Properties</source>
        <translation>Propiedades ópticas</translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation>&amp;Medición</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>Lado derecho</translation>
    </message>
    <message>
        <source>Plane</source>
        <comment>flat surface</comment>
        <extracomment>The kind of a surface: &quot;Plane&quot; is flat, not an aircraft.</extracomment>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Convex</source>
        <translation>Convexo</translation>
    </message>
    <message>
        <source>Concave</source>
        <translation>Cóncavo</translation>
    </message>
    <message>
        <source>Lens Width:</source>
        <translation>Grosor:</translation>
    </message>
    <message>
        <source>Slit Width:</source>
        <translation>Abertura:</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Medir</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Angle of Incidence is 0 Degrees</source>
        <translation>El ángulo de incidencia es 0 grados</translation>
    </message>
    <message>
        <source>Index of Refraction</source>
        <translation>Índice de refracción</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source> One</source>
        <translation> Uno</translation>
    </message>
    <message>
        <source> Three</source>
        <translation> Tres</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Hints shown here.</source>
        <translation>Aquí verás pistas.</translation>
    </message>
    <message>
        <source>Radius: %1</source>
        <translation>Radio: %1</translation>
    </message>
    <message>
        <source>Zoom: %1%</source>
        <extracomment>%1% is the zoom as a percentage, e.g. &quot;Zoom: 25%&quot;.</extracomment>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>&quot;Air&quot;: %1</source>
        <extracomment>The refractive index of the medium around the device; %1 is the index (1.00).</extracomment>
        <translation>&quot;Aire&quot;: %1</translation>
    </message>
    <message>
        <source>&quot;Glass&quot;: %1</source>
        <extracomment>The refractive index of the device&apos;s material; %1 is the index (1.50).</extracomment>
        <translation>&quot;Vidrio&quot;: %1</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>But can you get the answer<byte value="xd"/>a little closer?</source>
        <translation>¡Correcto!<byte value="xd"/>Pero ¿puedes afinar<byte value="xd"/>un poco más la respuesta?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>Try again!</source>
        <translation>¡Uy!<byte value="xd"/>¡Inténtalo de nuevo!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well Done!</source>
        <translation>¡Correcto!<byte value="xd"/>¡Muy bien!</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <extracomment>The practice ruler&apos;s reading, in pixels.</extracomment>
        <translation>Distancia: %1</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well done!</source>
        <translation>¡Correcto!<byte value="xd"/>¡Muy bien!</translation>
    </message>
    <message>
        <source>Adjust the ray´s angle of incidence.</source>
        <translation>Ajusta el ángulo de incidencia del rayo.</translation>
    </message>
    <message>
        <source>Adjust the point where the ray hits the interface.</source>
        <translation>Ajusta el punto de incidencia del rayo.</translation>
    </message>
    <message>
        <source>Adjust the ray´s position preserving the angle.</source>
        <translation>Desplaza el rayo manteniendo el ángulo.</translation>
    </message>
    <message>
        <source>Adjust to move entire structure.</source>
        <translation>Mueve todo el conjunto.</translation>
    </message>
    <message>
        <source>Torch end of the ray, at %1 degrees</source>
        <extracomment>A screen reader&apos;s name of a handle; %1 is the ray&apos;s direction in degrees.</extracomment>
        <translation>Extremo del rayo junto a la linterna, a %1 grados</translation>
    </message>
    <message>
        <source>Where the ray meets the interface</source>
        <translation>Punto de incidencia del rayo en la superficie de separación</translation>
    </message>
    <message>
        <source>Middle of the ray</source>
        <translation>Punto medio del rayo</translation>
    </message>
    <message>
        <source>Interface line</source>
        <translation>Superficie de separación</translation>
    </message>
    <message>
        <source>Measurement Practice</source>
        <translation>Práctica de medición</translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation>&amp;Transportador</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Regla</translation>
    </message>
    <message>
        <source>&amp;Ray Movement</source>
        <translation>&amp;Movimiento del rayo</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Corregir</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>Angle Measure Method.....</source>
        <translation>Método de medida del ángulo</translation>
    </message>
    <message>
        <source>Method1</source>
        <extracomment>A hidden choice, never shown to the student.</extracomment>
        <translation>Método 1</translation>
    </message>
    <message>
        <source>Method 2</source>
        <translation>Método 2</translation>
    </message>
    <message>
        <source>Find the Angle:</source>
        <translation>Halla el ángulo:</translation>
    </message>
    <message>
        <source>From the Normal</source>
        <translation>Desde la normal</translation>
    </message>
    <message>
        <source>Between Two Lines</source>
        <translation>Entre dos rectas</translation>
    </message>
    <message>
        <source>The angle is</source>
        <translation>El ángulo es</translation>
    </message>
    <message>
        <source>Measure length between:</source>
        <translation>Mide la longitud entre:</translation>
    </message>
    <message>
        <source>Length is: 0</source>
        <translation>Longitud: 0</translation>
    </message>
    <message>
        <source> &amp;2 Points</source>
        <translation> &amp;2 puntos</translation>
    </message>
    <message>
        <source> &amp;Wavefronts</source>
        <translation> &amp;Frentes</translation>
    </message>
    <message>
        <source> Point and &amp;Line</source>
        <translation> Punto y &amp;línea</translation>
    </message>
    <message>
        <source>Drag the four handles to discover each function. Move the handles to reposition the ray.</source>
        <translation>Arrastra los cuatro controles para ver qué hace cada uno y colocar el rayo.</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Exercise picture</source>
        <extracomment>Spoken name of the picture an exercise is worked on.</extracomment>
        <translation>Imagen del ejercicio</translation>
    </message>
    <message>
        <source>Home puts a pointer on the figure, the arrow keys move it, Space clicks</source>
        <extracomment>Spoken description of the exercise picture: Home, the arrow keys and Space are keys.</extracomment>
        <translation>Inicio pone un puntero en la figura, las flechas lo mueven, Espacio hace clic</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Spoken name of the tabs, one for each kind of exercise.</extracomment>
        <translation>Ejercicios</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source>There is no printer to print on, or its page is too narrow for the picture.<byte value="xd"/>Choose a printer, or printing to a file, with Print Setup.</source>
        <translation>No hay ninguna impresora, o su página es demasiado estrecha para la imagen.<byte value="xd"/>Elige una impresora, o la impresión en un archivo, en Configurar impresora.</translation>
    </message>
    <message>
        <source>The picture is empty: there is nothing to print.</source>
        <translation>La imagen está vacía: no hay nada que imprimir.</translation>
    </message>
    <message>
        <source>The printer could not start the print job.<byte value="xd"/>Nothing was printed.</source>
        <translation>La impresora no pudo empezar el trabajo de impresión.<byte value="xd"/>No se ha impreso nada.</translation>
    </message>
    <message>
        <source>The picture could not be put on the page, so the print job was cancelled.<byte value="xd"/>Nothing was printed.</source>
        <translation>No se pudo colocar la imagen en la página, así que se canceló la impresión.<byte value="xd"/>No se ha impreso nada.</translation>
    </message>
    <message>
        <source>The printer did not take the page.<byte value="xd"/>Check the printer, or choose another with Print Setup.</source>
        <translation>La impresora no aceptó la página.<byte value="xd"/>Revisa la impresora o elige otra en Configurar impresora.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Printed by: %1</source>
        <extracomment>The line above the printed picture; %1 is the student&apos;s name.</extracomment>
        <translation>Impreso por: %1</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>No angle: the ray meets the device first.</source>
        <translation>Sin ángulo: el rayo toca antes el dispositivo.</translation>
    </message>
    <message>
        <source>No angle: the source stands on its aim point.</source>
        <translation>Sin ángulo: la fuente tapa su punto de mira.</translation>
    </message>
    <message>
        <source>Angle of Incidence is %1 Degrees.</source>
        <extracomment>%1 is the angle in degrees, right-aligned in four characters.</extracomment>
        <translation>El ángulo de incidencia es %1 grados.</translation>
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
        <translation>Reflexión total interna</translation>
    </message>
</context>
<context>
    <name>ScrollingWindow</name>
    <message>
        <source>Window, across</source>
        <extracomment>Spoken name of the scroll bar that moves a window&apos;s content sideways, shown when the window is larger than the screen.</extracomment>
        <translation>Ventana, horizontal</translation>
    </message>
    <message>
        <source>Window, up and down</source>
        <extracomment>Spoken name of the scroll bar that moves a window&apos;s content up and down.</extracomment>
        <translation>Ventana, vertical</translation>
    </message>
</context>
<context>
    <name>StartWithoutDisplay</name>
    <message>
        <source>%1 is not set</source>
        <extracomment>Why the program cannot start; %1 is an environment variable (DISPLAY).</extracomment>
        <translation>%1 no está definida</translation>
    </message>
    <message>
        <source>neither %1 nor %2 is set</source>
        <extracomment>%1 and %2 are environment variables (WAYLAND_DISPLAY, DISPLAY).</extracomment>
        <translation>no está definida ni %1 ni %2</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM is %1 and %2</source>
        <extracomment>%1 is the value of QT_QPA_PLATFORM (e.g. xcb), %2 the reason from the texts above.</extracomment>
        <translation>QT_QPA_PLATFORM es %1 y %2</translation>
    </message>
    <message>
        <source>%1 needs a graphical display: none was found (%2). Run it from a desktop session, or set QT_QPA_PLATFORM=offscreen for a headless run.</source>
        <extracomment>One line on the text console. %1 is the program&apos;s name (Lumivex or Spekvale), %2 why no display was found. Keep QT_QPA_PLATFORM=offscreen as written.</extracomment>
        <translation>%1 necesita una pantalla gráfica y no se encontró ninguna (%2). Ejecútalo desde una sesión de escritorio o define QT_QPA_PLATFORM=offscreen para ejecutarlo sin pantalla.</translation>
    </message>
</context>
</TS>
