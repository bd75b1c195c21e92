<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation>Nom du produit&#xa0;: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Refraction Experiment About</source>
        <translation>À propos – Expériences de réfraction</translation>
    </message>
    <message>
        <source>Reflection Experiment About</source>
        <translation>À propos – Expériences de réflexion</translation>
    </message>
</context>
<context>
    <name>HandleNames</name>
    <message>
        <source>Source %1, angle of incidence %2 degrees</source>
        <extracomment>A screen reader&apos;s name of a light source&apos;s handle; %2 is in degrees.</extracomment>
        <translation>Source %1, angle d&apos;incidence %2 degrés</translation>
    </message>
    <message>
        <source>Source %1, its ray meets the device before its aim point</source>
        <translation>Source %1, son rayon rencontre le dispositif avant son point de visée</translation>
    </message>
    <message>
        <source>Source %1, it stands on its aim point</source>
        <translation>Source %1, placée sur son point de visée</translation>
    </message>
    <message>
        <source>Source %1</source>
        <translation>Source %1</translation>
    </message>
    <message>
        <source>Aim point of source %1</source>
        <extracomment>The handle where a source&apos;s ray is aimed.</extracomment>
        <translation>Point de visée de la source %1</translation>
    </message>
    <message>
        <source>Middle of the ray of source %1</source>
        <translation>Milieu du rayon de la source %1</translation>
    </message>
    <message>
        <source>Centre of the device</source>
        <translation>Centre du dispositif</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Refraction: choose an experiment from View, drag the handles and measure with the ruler and protractor.</source>
        <extracomment>The help of the refraction edition (Lumivex). &quot;View&quot; is the name of the menu.</extracomment>
        <translation>Réfraction : choisissez une expérience dans le menu « Affichage », faites glisser les poignées et mesurez avec la règle et le rapporteur.</translation>
    </message>
    <message>
        <source>Reflection: choose a mirror from View, drag the handles and measure with the ruler and protractor.</source>
        <extracomment>The help of the reflection edition (Spekvale). &quot;View&quot; is the name of the menu.</extracomment>
        <translation>Réflexion : choisissez un miroir dans le menu « Affichage », faites glisser les poignées et mesurez avec la règle et le rapporteur.</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Title of the help message box.</extracomment>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Right click to copy image.<byte value="xd"/>See Menus to change what is displayed</source>
        <translation>Clic droit pour copier l&apos;image.<byte value="xd"/>Utilisez les menus pour changer l&apos;affichage</translation>
    </message>
    <message>
        <source>Drag to change angle of incident ray.</source>
        <translation>Faites glisser pour changer l&apos;angle du rayon incident.</translation>
    </message>
    <message>
        <source>Drag to move point of contact of incident ray.</source>
        <translation>Faites glisser pour déplacer le point d&apos;incidence du rayon.</translation>
    </message>
    <message>
        <source>Drag to move incident ray parallel</source>
        <translation>Faites glisser pour déplacer le rayon incident parallèlement</translation>
    </message>
    <message>
        <source>Drag to move position of lens.</source>
        <translation>Faites glisser pour déplacer la lentille.</translation>
    </message>
    <message>
        <source>Moves lens to center of the screen and resets magnifaction to original size.</source>
        <extracomment>The Reset button; &quot;magnifaction&quot; is a slip for &quot;magnification&quot;.</extracomment>
        <translation>Recentre la lentille à l&apos;écran et rétablit le grossissement d&apos;origine.</translation>
    </message>
    <message>
        <source>Zooms in or out on the optical device.</source>
        <translation>Agrandit ou réduit la vue du dispositif optique.</translation>
    </message>
    <message>
        <source>Use to adjust lens properties.</source>
        <translation>Permet de régler les propriétés de la lentille.</translation>
    </message>
    <message>
        <source>Select type of measurement needed and protractor practice.</source>
        <translation>Choisissez le type de mesure ou l&apos;entraînement au rapporteur.</translation>
    </message>
    <message>
        <source>Move mouse and click where you want to start your measurement.</source>
        <translation>Déplacez la souris et cliquez là où commence la mesure.</translation>
    </message>
    <message>
        <source>Move mouse and click to fix direction of measuring device.  For best accuracy move mouse away from center.</source>
        <translation>Déplacez la souris et cliquez pour orienter l&apos;instrument. Pour plus de précision, éloignez-la du centre.</translation>
    </message>
    <message>
        <source>Move mouse and click to fix angle measurement.</source>
        <translation>Déplacez la souris et cliquez pour fixer la mesure de l&apos;angle.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Colour Scheme (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen scheme (Color or B/W).</extracomment>
        <translation>Jeu de &amp;couleurs (%1)</translation>
    </message>
    <message>
        <source>Optical Device (Lens)</source>
        <translation>Dispositif optique (Lentille)</translation>
    </message>
    <message>
        <source>Optical Device (Mirror)</source>
        <translation>Dispositif optique (Miroir)</translation>
    </message>
    <message>
        <source>Redraw Speed (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the chosen speed (Slow, Med, Fast).</extracomment>
        <translation>Vitesse de tracé (%1)</translation>
    </message>
    <message>
        <source>&amp;Auto Hide (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is On or Off.</extracomment>
        <translation>Masquage &amp;automatique (%1)</translation>
    </message>
    <message>
        <source>Show Refraction</source>
        <translation>Afficher la réfraction</translation>
    </message>
    <message>
        <source>Extend Refracted Ray</source>
        <translation>Prolonger le rayon réfracté</translation>
    </message>
    <message>
        <source>Show Reflection</source>
        <translation>Afficher la réflexion</translation>
    </message>
    <message>
        <source>Extend Reflected Ray</source>
        <translation>Prolonger le rayon réfléchi</translation>
    </message>
    <message>
        <source>Number of &amp;Slits(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation>Nombre de &amp;fentes (1)</translation>
    </message>
    <message>
        <source>Number of &amp;Rays(1)</source>
        <extracomment>The Options menu&apos;s item once a point source is chosen.</extracomment>
        <translation>&amp;Nombre de rayons (1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Configuration de l&apos;im&amp;pression</translation>
    </message>
    <message>
        <source>Enable Copy &amp;Select</source>
        <translation>Activer la &amp;sélection à copier</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Nom de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Experiments</source>
        <translation>&amp;Expériences</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Prisme rectangulaire</translation>
    </message>
    <message>
        <source>Double Convex Lens</source>
        <translation>Lentille biconvexe</translation>
    </message>
    <message>
        <source>Double Concave Lens</source>
        <translation>Lentille biconcave</translation>
    </message>
    <message>
        <source>Semi-Circular Prism Left</source>
        <translation>Prisme semi-circulaire gauche</translation>
    </message>
    <message>
        <source>Semi-Circular Prism Right</source>
        <translation>Prisme semi-circulaire droit</translation>
    </message>
    <message>
        <source>Circular Lens</source>
        <translation>Lentille circulaire</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <extracomment>A flat mirror (&quot;plane&quot; as in a flat surface).</extracomment>
        <translation>Miroir plan</translation>
    </message>
    <message>
        <source>Convex Mirror</source>
        <translation>Miroir convexe</translation>
    </message>
    <message>
        <source>Concave Mirror</source>
        <translation>Miroir concave</translation>
    </message>
    <message>
        <source>Show &amp;Centers</source>
        <translation>Afficher les &amp;centres</translation>
    </message>
    <message>
        <source>Show &amp;Refraction</source>
        <translation>Afficher la &amp;réfraction</translation>
    </message>
    <message>
        <source>Show &amp;Principal Axis</source>
        <translation>Afficher l&apos;&amp;axe principal</translation>
    </message>
    <message>
        <source>Show &amp;Light Source</source>
        <translation>Afficher la source &amp;lumineuse</translation>
    </message>
    <message>
        <source>Show &amp;Normal</source>
        <translation>Afficher la &amp;normale</translation>
    </message>
    <message>
        <source>E&amp;xtend Refracted Ray</source>
        <translation>&amp;Prolonger le rayon réfracté</translation>
    </message>
    <message>
        <source>Extend &amp;Incident Ray</source>
        <translation>Prolonger le rayon &amp;incident</translation>
    </message>
    <message>
        <source>Show &amp;Grid Lines</source>
        <translation>Afficher le &amp;quadrillage</translation>
    </message>
    <message>
        <source>&amp;Follow Internal Reflections</source>
        <translation>Sui&amp;vre les réflexions internes</translation>
    </message>
    <message>
        <source>Show F&amp;ocal Points</source>
        <translation>Afficher les &amp;foyers</translation>
    </message>
    <message>
        <source>Show Ray &amp;Directions</source>
        <translation>Afficher le &amp;sens des rayons</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Point Source</source>
        <translation>Source &amp;ponctuelle</translation>
    </message>
    <message>
        <source>Optical &amp;Device (Lens)</source>
        <translation>&amp;Dispositif optique (Lentille)</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Lentille</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>&amp;Color Scheme (Color)</source>
        <translation>Jeu de &amp;couleurs (Couleur)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>B/W</source>
        <extracomment>Black and white.</extracomment>
        <translation>N/B</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Med</source>
        <extracomment>Short for &quot;medium&quot;, between Slow and Fast.</extracomment>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Measurement Practice</source>
        <translation>&amp;Entraînement à la mesure</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Number of &amp;Slits (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of slits of each source.</extracomment>
        <translation>Nombre de &amp;fentes (%1)</translation>
    </message>
    <message>
        <source>Number of &amp;Rays (%1)</source>
        <extracomment>The Options menu&apos;s item; %1 is the number of light sources.</extracomment>
        <translation>&amp;Nombre de rayons (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Reflection</source>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Réfraction</translation>
    </message>
    <message>
        <source>Bench</source>
        <extracomment>Accessible name of the picture of the optical bench.</extracomment>
        <translation>Banc optique</translation>
    </message>
    <message>
        <source>Left radius</source>
        <extracomment>Spoken name of the scroll bar setting the radius of the lens&apos;s left surface.</extracomment>
        <translation>Rayon de courbure gauche</translation>
    </message>
    <message>
        <source>Right radius</source>
        <extracomment>Spoken name of the scroll bar setting the radius of the lens&apos;s right surface.</extracomment>
        <translation>Rayon de courbure droit</translation>
    </message>
    <message>
        <source>Lens width</source>
        <extracomment>Spoken name of the scroll bar setting the lens&apos;s thickness.</extracomment>
        <translation>Épaisseur de la lentille</translation>
    </message>
    <message>
        <source>Slit width</source>
        <extracomment>Spoken name of the scroll bar setting the width of the light&apos;s slit.</extracomment>
        <translation>Largeur de la fente</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Spoken name of the scroll bar setting the bench&apos;s magnification.</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Glass index</source>
        <extracomment>Spoken name of the scroll bar setting the refractive index of the glass.</extracomment>
        <translation>Indice du verre</translation>
    </message>
    <message>
        <source>Air index</source>
        <extracomment>Spoken name of the scroll bar setting the refractive index of the surrounding medium.</extracomment>
        <translation>Indice du milieu extérieur</translation>
    </message>
</context>
<context>
    <name>Measuring</name>
    <message>
        <source>Angles are</source>
        <translation>Les angles mesurent</translation>
    </message>
    <message>
        <source>Distance =</source>
        <translation>Distance =</translation>
    </message>
    <message>
        <source>Distance = %1</source>
        <extracomment>The measured length; %1 is in the ruler&apos;s units.</extracomment>
        <translation>Distance = %1</translation>
    </message>
    <message>
        <source>Angles are %1 Degrees or %2 Degrees.</source>
        <extracomment>The measured angle and its supplement, both in degrees.</extracomment>
        <translation>Les angles mesurent %1 degrés ou %2 degrés.</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>I am ....</source>
        <extracomment>The title of the dialog where a student types the name for the printout.</extracomment>
        <translation>Mon nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Ce nom sera imprimé</translation>
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
        <translation>Face gauche</translation>
    </message>
    <message>
        <source>Mirror Type</source>
        <translation>Type de miroir</translation>
    </message>
    <message>
        <source>&amp;Lens Properties</source>
        <translation>Propriétés de la &amp;lentille</translation>
    </message>
    <message>
        <source>&amp;Mirror Properties</source>
        <translation>Propriétés du &amp;miroir</translation>
    </message>
    <message>
        <source>Optical Properties</source>
        <translation>Propriétés optiques</translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation>Me&amp;sure</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>Face droite</translation>
    </message>
    <message>
        <source>Plane</source>
        <comment>flat surface</comment>
        <extracomment>The kind of a surface: &quot;Plane&quot; is flat, not an aircraft.</extracomment>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Convex</source>
        <translation>Convexe</translation>
    </message>
    <message>
        <source>Concave</source>
        <translation>Concave</translation>
    </message>
    <message>
        <source>Lens Width:</source>
        <translation>Épaisseur&#xa0;:</translation>
    </message>
    <message>
        <source>Slit Width:</source>
        <translation>Ouverture&#xa0;:</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Mesurer</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Angle of Incidence is 0 Degrees</source>
        <translation>L&apos;angle d&apos;incidence vaut 0 degré</translation>
    </message>
    <message>
        <source>Index of Refraction</source>
        <translation>Indice de réfraction</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source> One</source>
        <translation> Une</translation>
    </message>
    <message>
        <source> Three</source>
        <translation> Trois</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Hints shown here.</source>
        <translation>Les conseils s&apos;affichent ici.</translation>
    </message>
    <message>
        <source>Radius: %1</source>
        <translation>Rayon&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zoom: %1%</source>
        <extracomment>%1% is the zoom as a percentage, e.g. &quot;Zoom: 25%&quot;.</extracomment>
        <translation>Zoom&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>&quot;Air&quot;: %1</source>
        <extracomment>The refractive index of the medium around the device; %1 is the index (1.00).</extracomment>
        <translation>«&#xa0;Air&#xa0;»&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;Glass&quot;: %1</source>
        <extracomment>The refractive index of the device&apos;s material; %1 is the index (1.50).</extracomment>
        <translation>«&#xa0;Verre&#xa0;»&#xa0;: %1</translation>
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
        <translation>Exact&#xa0;!<byte value="xd"/>Mais pouvez-vous donner une réponse<byte value="xd"/>encore plus précise&#xa0;?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>Try again!</source>
        <translation>Oups&#xa0;!<byte value="xd"/>Essayez encore&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well Done!</source>
        <translation>Exact&#xa0;!<byte value="xd"/>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <extracomment>The practice ruler&apos;s reading, in pixels.</extracomment>
        <translation>Distance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Right!<byte value="xd"/>Well done!</source>
        <translation>Exact&#xa0;!<byte value="xd"/>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Adjust the ray´s angle of incidence.</source>
        <translation>Réglez l&apos;angle d&apos;incidence du rayon.</translation>
    </message>
    <message>
        <source>Adjust the point where the ray hits the interface.</source>
        <translation>Réglez le point d&apos;incidence du rayon sur la surface.</translation>
    </message>
    <message>
        <source>Adjust the ray´s position preserving the angle.</source>
        <translation>Déplacez le rayon sans changer son angle.</translation>
    </message>
    <message>
        <source>Adjust to move entire structure.</source>
        <translation>Déplacez l&apos;ensemble du montage.</translation>
    </message>
    <message>
        <source>Torch end of the ray, at %1 degrees</source>
        <extracomment>A screen reader&apos;s name of a handle; %1 is the ray&apos;s direction in degrees.</extracomment>
        <translation>Extrémité du rayon côté lampe, à %1 degrés</translation>
    </message>
    <message>
        <source>Where the ray meets the interface</source>
        <translation>Point où le rayon rencontre la surface de séparation</translation>
    </message>
    <message>
        <source>Middle of the ray</source>
        <translation>Milieu du rayon</translation>
    </message>
    <message>
        <source>Interface line</source>
        <translation>Surface de séparation</translation>
    </message>
    <message>
        <source>Measurement Practice</source>
        <translation>Entraînement à la mesure</translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation>&amp;Rapporteur</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>Rè&amp;gle</translation>
    </message>
    <message>
        <source>&amp;Ray Movement</source>
        <translation>&amp;Mouvement du rayon</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Return</source>
        <translation>Re&amp;tour</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Rét&amp;ablir</translation>
    </message>
    <message>
        <source>Angle Measure Method.....</source>
        <translation>Méthode de mesure de l&apos;angle</translation>
    </message>
    <message>
        <source>Method1</source>
        <extracomment>A hidden choice, never shown to the student.</extracomment>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Method 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Find the Angle:</source>
        <translation>Angle cherché&#xa0;:</translation>
    </message>
    <message>
        <source>From the Normal</source>
        <translation>Avec la normale</translation>
    </message>
    <message>
        <source>Between Two Lines</source>
        <translation>Entre deux droites</translation>
    </message>
    <message>
        <source>The angle is</source>
        <translation>L&apos;angle vaut</translation>
    </message>
    <message>
        <source>Measure length between:</source>
        <translation>Distance entre&#xa0;:</translation>
    </message>
    <message>
        <source>Length is: 0</source>
        <translation>Longueur&#xa0;: 0</translation>
    </message>
    <message>
        <source> &amp;2 Points</source>
        <translation> &amp;2 points</translation>
    </message>
    <message>
        <source> &amp;Wavefronts</source>
        <translation> &amp;Fronts d&apos;onde</translation>
    </message>
    <message>
        <source> Point and &amp;Line</source>
        <translation> Point/&amp;droite</translation>
    </message>
    <message>
        <source>Drag the four handles to discover each function. Move the handles to reposition the ray.</source>
        <translation>Faites glisser les quatre poignées pour découvrir leur rôle et replacer le rayon.</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Exercise picture</source>
        <extracomment>Spoken name of the picture an exercise is worked on.</extracomment>
        <translation>Image de l’exercice</translation>
    </message>
    <message>
        <source>Home puts a pointer on the figure, the arrow keys move it, Space clicks</source>
        <extracomment>Spoken description of the exercise picture: Home, the arrow keys and Space are keys.</extracomment>
        <translation>Origine place un pointeur sur la figure, les flèches le déplacent, Espace clique</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Spoken name of the tabs, one for each kind of exercise.</extracomment>
        <translation>Exercices</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source>There is no printer to print on, or its page is too narrow for the picture.<byte value="xd"/>Choose a printer, or printing to a file, with Print Setup.</source>
        <translation>Aucune imprimante n&apos;est disponible, ou sa page est trop étroite pour l&apos;image.<byte value="xd"/>Choisissez une imprimante, ou l&apos;impression dans un fichier, avec Configuration de l&apos;impression.</translation>
    </message>
    <message>
        <source>The picture is empty: there is nothing to print.</source>
        <translation>L&apos;image est vide&#xa0;: il n&apos;y a rien à imprimer.</translation>
    </message>
    <message>
        <source>The printer could not start the print job.<byte value="xd"/>Nothing was printed.</source>
        <translation>L&apos;imprimante n&apos;a pas pu lancer l&apos;impression.<byte value="xd"/>Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The picture could not be put on the page, so the print job was cancelled.<byte value="xd"/>Nothing was printed.</source>
        <translation>L&apos;image n&apos;a pas pu être placée sur la page&#xa0;; l&apos;impression a donc été annulée.<byte value="xd"/>Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The printer did not take the page.<byte value="xd"/>Check the printer, or choose another with Print Setup.</source>
        <translation>L&apos;imprimante n&apos;a pas accepté la page.<byte value="xd"/>Vérifiez l&apos;imprimante, ou choisissez-en une autre avec Configuration de l&apos;impression.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Printed by: %1</source>
        <extracomment>The line above the printed picture; %1 is the student&apos;s name.</extracomment>
        <translation>Imprimé par&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>No angle: the ray meets the device first.</source>
        <translation>Pas d&apos;angle&#xa0;: le dispositif coupe le rayon.</translation>
    </message>
    <message>
        <source>No angle: the source stands on its aim point.</source>
        <translation>Pas d&apos;angle&#xa0;: source sur le point visé.</translation>
    </message>
    <message>
        <source>Angle of Incidence is %1 Degrees.</source>
        <extracomment>%1 is the angle in degrees, right-aligned in four characters.</extracomment>
        <translation>L&apos;angle d&apos;incidence vaut %1 degrés.</translation>
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
        <translation>Réflexion totale</translation>
    </message>
</context>
<context>
    <name>ScrollingWindow</name>
    <message>
        <source>Window, across</source>
        <extracomment>Spoken name of the scroll bar that moves a window&apos;s content sideways, shown when the window is larger than the screen.</extracomment>
        <translation>Fenêtre, horizontalement</translation>
    </message>
    <message>
        <source>Window, up and down</source>
        <extracomment>Spoken name of the scroll bar that moves a window&apos;s content up and down.</extracomment>
        <translation>Fenêtre, verticalement</translation>
    </message>
</context>
<context>
    <name>StartWithoutDisplay</name>
    <message>
        <source>%1 is not set</source>
        <extracomment>Why the program cannot start; %1 is an environment variable (DISPLAY).</extracomment>
        <translation>%1 n’est pas défini</translation>
    </message>
    <message>
        <source>neither %1 nor %2 is set</source>
        <extracomment>%1 and %2 are environment variables (WAYLAND_DISPLAY, DISPLAY).</extracomment>
        <translation>ni %1 ni %2 n’est défini</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM is %1 and %2</source>
        <extracomment>%1 is the value of QT_QPA_PLATFORM (e.g. xcb), %2 the reason from the texts above.</extracomment>
        <translation>QT_QPA_PLATFORM vaut %1 et %2</translation>
    </message>
    <message>
        <source>%1 needs a graphical display: none was found (%2). Run it from a desktop session, or set QT_QPA_PLATFORM=offscreen for a headless run.</source>
        <extracomment>One line on the text console. %1 is the program&apos;s name (Lumivex or Spekvale), %2 why no display was found. Keep QT_QPA_PLATFORM=offscreen as written.</extracomment>
        <translation>%1 a besoin d’un affichage graphique : aucun n’a été trouvé (%2). Lancez-le depuis une session de bureau, ou définissez QT_QPA_PLATFORM=offscreen pour une exécution sans affichage.</translation>
    </message>
</context>
</TS>
