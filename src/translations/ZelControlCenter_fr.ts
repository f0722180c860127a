<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message>
        <source>Export as image</source>
        <translation>Exporter en image</translation>
    </message>
    <message>
        <source>You are currently using software rendering mode. This mode allow you to run Vantora without using graphics card however it has some limitation described in the &lt;a href=&quot;User manual&quot;&gt;documentation&lt;/a&gt;.You can also contact &lt;a href=&quot;https://support.vantora.example/contact&quot;&gt;client support&lt;/a&gt; for more information about rendering modes.</source>
        <translation>Vous utilisez actuellement le rendu logiciel. Ce mode permet d’utiliser Vantora sans carte graphique, avec les limites décrites dans la &lt;a href=&quot;User manual&quot;&gt;documentation&lt;/a&gt;. Pour en savoir plus sur les modes de rendu, vous pouvez aussi contacter le &lt;a href=&quot;https://support.vantora.example/contact&quot;&gt;support client&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ControlCenter</name>
    <message>
        <source>Application Settings</source>
        <translation>Paramètres de l’application</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Resets all parameters</source>
        <translation>Réinitialise tous les paramètres</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Applies your changes</source>
        <translation>Applique vos modifications</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>ExportScheduler</name>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>ExportSettingsWidget</name>
    <message>
        <source>%1 tri. in scene</source>
        <translation>%1 tri. dans la scène</translation>
    </message>
    <message>
        <source>%1 tri. (before)</source>
        <translation>%1 tri. (avant)</translation>
    </message>
    <message>
        <source>
 %1 tri. (after)</source>
        <translation>
 %1 tri. (après)</translation>
    </message>
    <message>
        <source>
 simplification ratio %1 % (after)</source>
        <translation>
 taux de simplification %1 % (après)</translation>
    </message>
</context>
<context>
    <name>HeaderSelectorWidget</name>
    <message>
        <source>ExportSettingsWidget</source>
        <translation>ExportSettingsWidget</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponibles</translation>
    </message>
    <message>
        <source>Add to export</source>
        <translation>Ajouter à l’export</translation>
    </message>
    <message>
        <source>Remove from export</source>
        <translation>Retirer de l’export</translation>
    </message>
    <message>
        <source>To be exported</source>
        <translation>À exporter</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>BAS</translation>
    </message>
    <message>
        <source>ADD ALL</source>
        <translation>TOUT AJOUTER</translation>
    </message>
    <message>
        <source>CLEAR ALL</source>
        <translation>VIDER</translation>
    </message>
</context>
<context>
    <name>ScreenshotProfileWidget</name>
    <message>
        <source>4096 x 2160</source>
        <translation>4096 × 2160</translation>
    </message>
    <message>
        <source>2560 x 1600)</source>
        <translation>2560 × 1600</translation>
    </message>
    <message>
        <source>1920 x 1080</source>
        <translation>1920 × 1080</translation>
    </message>
    <message>
        <source>1600 x 1200</source>
        <translation>1600 × 1200</translation>
    </message>
    <message>
        <source>1280 x 720</source>
        <translation>1280 × 720</translation>
    </message>
    <message>
        <source>800 x 600</source>
        <translation>800 × 600</translation>
    </message>
    <message>
        <source>320 x 200</source>
        <translation>320 × 200</translation>
    </message>
</context>
<context>
    <name>SelectAttributeNameMenu</name>
    <message>
        <source>Instance name</source>
        <translation>Nom d’instance</translation>
    </message>
    <message>
        <source>Component name</source>
        <translation>Nom de composant</translation>
    </message>
    <message>
        <source>Component and Instance name</source>
        <translation>Nom de composant et d’instance</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Settings Modification</source>
        <translation>Modification des paramètres</translation>
    </message>
    <message>
        <source>You need to restart your application to turn settings modification effective.</source>
        <translation>Redémarrez l’application pour que les modifications des paramètres prennent effet.</translation>
    </message>
    <message>
        <source>Your changes could not be saved; they are still pending.</source>
        <translation>Vos modifications n’ont pas pu être enregistrées ; elles restent en attente.</translation>
    </message>
</context>
<context>
    <name>ZelControlCenter</name>
    <message>
        <source>Settings Modification</source>
        <translation>Modification des paramètres</translation>
    </message>
    <message>
        <source>You need to restart your application to turn settings modification effective.</source>
        <translation>Redémarrez l’application pour que les modifications des paramètres prennent effet.</translation>
    </message>
    <message>
        <source>You have pending modifications. Discard your changes?</source>
        <translation>Des modifications sont en attente. Abandonner vos modifications ?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Change the settings of the application</source>
        <translation>Modifier les paramètres de l’application</translation>
    </message>
    <message>
        <source>Could not use the Vantora log file, file &quot;%1&quot; could not be created</source>
        <translation>Impossible d’utiliser le fichier journal de Vantora : le fichier « %1 » n’a pas pu être créé</translation>
    </message>
    <message>
        <source>Could not use the 3D database cache, folder &quot;%1&quot; could not be created</source>
        <translation>Impossible d’utiliser le cache de la base 3D : le dossier « %1 » n’a pas pu être créé</translation>
    </message>
    <message>
        <source>Could not create compulsory folder &quot;%1&quot;</source>
        <translation>Impossible de créer le dossier obligatoire « %1 »</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read</source>
        <translation>Le fichier de paramètres « %1 » ne peut pas être lu</translation>
    </message>
    <message>
        <source>Line %2 of the settings file &quot;%1&quot; cannot be read safely; correct or remove it</source>
        <translation>La ligne %2 du fichier de paramètres « %1 » ne peut pas être lue sans risque ; corrigez-la ou supprimez-la</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written to the settings file &quot;%2&quot; without changing the lines around it</source>
        <translation>« %1 » ne peut pas être écrit dans le fichier de paramètres « %2 » sans modifier les lignes voisines</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is being changed by another program; try again when it has finished</source>
        <translation>Le fichier de paramètres « %1 » est en cours de modification par un autre programme ; réessayez quand il aura terminé</translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; could not be written</source>
        <translation>Le stockage de paramètres « %1 » n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>plus d’espace libre sur le périphérique</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the device is read-only</source>
        <translation>le périphérique est en lecture seule</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2</source>
        <translation>Le fichier de paramètres « %1 » n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Your changes could not be saved; they are still pending.</source>
        <translation>Vos modifications n’ont pas pu être enregistrées ; elles restent en attente.</translation>
    </message>
</context>
<context>
    <name>ZelExportSettingsPanel</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Image export</source>
        <translation>Export d’image</translation>
    </message>
    <message>
        <source>IMG</source>
        <translation>IMG</translation>
    </message>
    <message>
        <source>Vector graphics export</source>
        <translation>Export vectoriel</translation>
    </message>
    <message>
        <source>VEC</source>
        <translation>VEC</translation>
    </message>
    <message>
        <source>Metadata export</source>
        <translation>Export des métadonnées</translation>
    </message>
    <message>
        <source>BOM</source>
        <translation>BOM</translation>
    </message>
    <message>
        <source>Geometry export</source>
        <translation>Export de la géométrie</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Supersampling</source>
        <translation>Suréchantillonnage</translation>
    </message>
    <message>
        <source>Override bg color</source>
        <translation>Forcer la couleur de fond</translation>
    </message>
    <message>
        <source>Override background color</source>
        <translation>Forcer la couleur de fond</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>PREVIEW</source>
        <translation>APERÇU</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>Format de page</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Salient edges</source>
        <translation>Arêtes vives</translation>
    </message>
    <message>
        <source>Salient edge color</source>
        <translation>Couleur des arêtes vives</translation>
    </message>
    <message>
        <source>Salient edge width</source>
        <translation>Épaisseur des arêtes vives</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Silhouette edges</source>
        <translation>Arêtes de silhouette</translation>
    </message>
    <message>
        <source>Silhouette edge color</source>
        <translation>Couleur des arêtes de silhouette</translation>
    </message>
    <message>
        <source>Silhouette edge width</source>
        <translation>Épaisseur des arêtes de silhouette</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>Set SVG export parameters to default value</source>
        <translation>Rétablir les valeurs par défaut de l’export SVG</translation>
    </message>
    <message>
        <source>More export options</source>
        <translation>Autres options d’export</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>CSV Comma separated value</source>
        <translation>CSV séparé par des virgules</translation>
    </message>
    <message>
        <source>CSV French Version</source>
        <translation>CSV version française</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>En-têtes</translation>
    </message>
    <message>
        <source>Scattered export</source>
        <translation>Export éclaté</translation>
    </message>
    <message>
        <source>Export all final part in separate files and a master file which reference the separate files</source>
        <translation>Exporte chaque pièce finale dans un fichier distinct, avec un fichier maître qui les référence</translation>
    </message>
    <message>
        <source>Simplification</source>
        <translation>Simplification</translation>
    </message>
    <message>
        <source>No simplification</source>
        <translation>Sans simplification</translation>
    </message>
    <message>
        <source>Simplification ratio</source>
        <translation>Taux de simplification</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Target no. triangles</source>
        <translation>Nombre de triangles visé</translation>
    </message>
    <message>
        <source>n/a tri. -&gt; n/a tri</source>
        <translation>n.d. tri. -&gt; n.d. tri.</translation>
    </message>
    <message>
        <source>Hidden branch </source>
        <translation>Branches masquées </translation>
    </message>
    <message>
        <source>Keeps the product structure branches that contains no visible geometries</source>
        <translation>Conserve les branches de l’arbre produit qui ne contiennent aucune géométrie visible</translation>
    </message>
    <message>
        <source>Configure export settings by category</source>
        <translation>Configurez les paramètres d’export par catégorie</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Vectorial</source>
        <translation>Vectoriel</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Géométrique</translation>
    </message>
    <message>
        <source>A3 portrait</source>
        <translation>A3 portrait</translation>
    </message>
    <message>
        <source>A4 portrait</source>
        <translation>A4 portrait</translation>
    </message>
    <message>
        <source>A5 portrait</source>
        <translation>A5 portrait</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 paysage</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 paysage</translation>
    </message>
    <message>
        <source>A5 landscape</source>
        <translation>A5 paysage</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>4X</source>
        <translation>4X</translation>
    </message>
    <message>
        <source>8X</source>
        <translation>8X</translation>
    </message>
    <message>
        <source>16X</source>
        <translation>16X</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <comment>panel name</comment>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>Size in pixels of the exported image, from 320 x 200 to 4096 x 2160.</source>
        <translation>Taille en pixels de l’image exportée, de 320 × 200 à 4096 × 2160.</translation>
    </message>
    <message>
        <source>Renders the image larger and scales it down for smoother edges: none, 4, 8 or 16 times.</source>
        <translation>Calcule l’image en plus grand puis la réduit pour des bords plus lisses : aucun, 4, 8 ou 16 fois.</translation>
    </message>
    <message>
        <source>Background colour of the exported image while Override bg color is on: any colour.</source>
        <translation>Couleur de fond de l’image exportée quand « Forcer la couleur de fond » est activé : n’importe quelle couleur.</translation>
    </message>
    <message>
        <source>Paper size of the vector drawing: A3, A4 or A5, portrait or landscape.</source>
        <translation>Format de page du dessin vectoriel : A3, A4 ou A5, portrait ou paysage.</translation>
    </message>
    <message>
        <source>Colour and line width of the sharp edges in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Couleur et épaisseur des arêtes vives dans le dessin vectoriel, de 0,01 à 10 mm.</translation>
    </message>
    <message>
        <source>Colour of the sharp edges in the vector drawing: any colour.</source>
        <translation>Couleur des arêtes vives dans le dessin vectoriel : n’importe quelle couleur.</translation>
    </message>
    <message>
        <source>Line width of the sharp edges in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Épaisseur des arêtes vives dans le dessin vectoriel, de 0,01 à 10 mm.</translation>
    </message>
    <message>
        <source>Colour and line width of the outline of the model in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Couleur et épaisseur de la silhouette du modèle dans le dessin vectoriel, de 0,01 à 10 mm.</translation>
    </message>
    <message>
        <source>Colour of the outline of the model in the vector drawing: any colour.</source>
        <translation>Couleur de la silhouette du modèle dans le dessin vectoriel : n’importe quelle couleur.</translation>
    </message>
    <message>
        <source>Line width of the outline of the model in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Épaisseur de la silhouette du modèle dans le dessin vectoriel, de 0,01 à 10 mm.</translation>
    </message>
    <message>
        <source>Separators of the bill of materials: commas and points, or semicolons and commas as French spreadsheets read them.</source>
        <translation>Séparateurs de la nomenclature : virgules et points, ou points-virgules et virgules comme les lisent les tableurs français.</translation>
    </message>
    <message>
        <source>Attributes written as the columns of the bill of materials, in this order: any of the model&apos;s attributes.</source>
        <translation>Attributs écrits comme colonnes de la nomenclature, dans cet ordre : n’importe quels attributs du modèle.</translation>
    </message>
    <message>
        <source>Writes every final part to a file of its own, with a master file that references them; on or off.</source>
        <translation>Écrit chaque pièce finale dans un fichier à part, avec un fichier maître qui les référence ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Reduces the triangles of the exported geometry: not at all, to a ratio from 1 to 99 %, or to a target number of triangles.</source>
        <translation>Réduit les triangles de la géométrie exportée : pas du tout, selon un taux de 1 à 99 %, ou jusqu’à un nombre de triangles visé.</translation>
    </message>
    <message>
        <source>Keeps the branches of the product structure that hold no visible geometry; on or off.</source>
        <translation>Conserve les branches de l’arbre produit qui ne contiennent aucune géométrie visible ; activé ou désactivé.</translation>
    </message>
</context>
<context>
    <name>ZelGeneralSettingsPanel</name>
    <message>
        <source>Adapt the quality and performances of your display to your needs and your material.</source>
        <translation>Adaptez la qualité et les performances de l’affichage à vos besoins et à votre matériel.</translation>
    </message>
    <message>
        <source>Rendering Engine</source>
        <translation>Moteur de rendu</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>MATÉRIEL</translation>
    </message>
    <message>
        <source>SOFTWARE</source>
        <translation>LOGICIEL</translation>
    </message>
    <message>
        <source>You are currently in software rendering mode. This mode allows you to run Vantora without using graphics card however it has some limitations described in the documentation.</source>
        <translation>Vous êtes actuellement en rendu logiciel. Ce mode permet d’utiliser Vantora sans carte graphique, avec les limites décrites dans la documentation.</translation>
    </message>
    <message>
        <source>Rendering parameters</source>
        <translation>Paramètres de rendu</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Anticrénelage</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contours</translation>
    </message>
    <message>
        <source>Flat shading</source>
        <translation>Ombrage plat</translation>
    </message>
    <message>
        <source>Fill cut plane</source>
        <translation>Remplir le plan de coupe</translation>
    </message>
    <message>
        <source>Display options</source>
        <translation>Options d’affichage</translation>
    </message>
    <message>
        <source>Tool panel</source>
        <translation>Panneau d’outils</translation>
    </message>
    <message>
        <source>Display right tool panel</source>
        <translation>Afficher le panneau d’outils à droite</translation>
    </message>
    <message>
        <source>Product structure panel</source>
        <translation>Arbre produit</translation>
    </message>
    <message>
        <source>Display left product structure panel</source>
        <translation>Afficher l’arbre produit à gauche</translation>
    </message>
    <message>
        <source>Product structure naming</source>
        <translation>Noms dans l’arbre produit</translation>
    </message>
    <message>
        <source>Units display</source>
        <translation>Affichage des unités</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Number of decimals</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Camera controls</source>
        <translation>Contrôle de la caméra</translation>
    </message>
    <message>
        <source>Performances</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Processing power</source>
        <translation>Puissance de calcul</translation>
    </message>
    <message>
        <source>1 core</source>
        <translation>1 cœur</translation>
    </message>
    <message>
        <source>Max CPU memory</source>
        <translation>Mémoire CPU max.</translation>
    </message>
    <message>
        <source> Mo</source>
        <translation> Mo</translation>
    </message>
    <message>
        <source>Max CPU Memory</source>
        <translation>Mémoire CPU max.</translation>
    </message>
    <message>
        <source>Max GPU Memory</source>
        <translation>Mémoire GPU max.</translation>
    </message>
    <message>
        <source>Max triangles nb</source>
        <translation>Nombre max. de triangles</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Taille du cache</translation>
    </message>
    <message>
        <source>Cache folder</source>
        <translation>Dossier du cache</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>GENERAL</source>
        <translation>GÉNÉRAL</translation>
    </message>
    <message>
        <source>Please set your database cache folder</source>
        <translation>Choisissez le dossier du cache de la base</translation>
    </message>
    <message>
        <source>Set your log file</source>
        <translation>Choisissez votre fichier journal</translation>
    </message>
    <message>
        <source>Millimeter (mm)</source>
        <translation>Millimètre (mm)</translation>
    </message>
    <message>
        <source>Centimer (cm)</source>
        <translation>Centimètre (cm)</translation>
    </message>
    <message>
        <source>Meter (m)</source>
        <translation>Mètre (m)</translation>
    </message>
    <message>
        <source>Inch (in)</source>
        <translation>Pouce (in)</translation>
    </message>
    <message>
        <source>Arcball mode</source>
        <translation>Mode trackball</translation>
    </message>
    <message>
        <source>Examine mode</source>
        <translation>Mode examen</translation>
    </message>
    <message>
        <source>%1 core</source>
        <translation>%1 cœur</translation>
    </message>
    <message>
        <source>%1 cores</source>
        <translation>%1 cœurs</translation>
    </message>
    <message>
        <source>Renders with the graphics card; a change takes effect at the next start.</source>
        <translation>Effectue le rendu avec la carte graphique ; un changement prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>Renders with the processor alone, without the graphics card; a change takes effect at the next start.</source>
        <translation>Effectue le rendu avec le seul processeur, sans la carte graphique ; un changement prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>Colour behind the model in the 3D view: any colour, opaque or see-through.</source>
        <translation>Couleur derrière le modèle dans la vue 3D : n’importe quelle couleur, opaque ou transparente.</translation>
    </message>
    <message>
        <source>Smooths the jagged edges of the model in the 3D view; on or off.</source>
        <translation>Adoucit les bords crénelés du modèle dans la vue 3D ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Draws a line along the edges of the model in the 3D view; on or off.</source>
        <translation>Trace une ligne le long des arêtes du modèle dans la vue 3D ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Lights each face in one flat tone instead of smooth shading; on or off.</source>
        <translation>Éclaire chaque face d’un ton uniforme au lieu d’un ombrage lissé ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Fills the faces that a section plane cuts, so that the cut model looks solid; on or off.</source>
        <translation>Remplit les faces qu’un plan de coupe tranche, pour que le modèle coupé paraisse plein ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Names the nodes of the product structure after their instance, their component, or both.</source>
        <translation>Nomme les nœuds de l’arbre produit d’après leur instance, leur composant, ou les deux.</translation>
    </message>
    <message>
        <source>Unit in which lengths are shown: millimetre, centimetre, metre or inch.</source>
        <translation>Unité d’affichage des longueurs : millimètre, centimètre, mètre ou pouce.</translation>
    </message>
    <message>
        <source>How a drag in the 3D view turns the camera: arcball or examine.</source>
        <translation>Comment un glisser dans la vue 3D fait tourner la caméra : trackball ou examen.</translation>
    </message>
    <message>
        <source>Processor cores that the software renderer uses, from 1 to the cores of this machine.</source>
        <translation>Cœurs de processeur qu’utilise le rendu logiciel, de 1 au nombre de cœurs de cette machine.</translation>
    </message>
    <message>
        <source>Main memory that the 3D data may take, from 128 to 8096 Mo.</source>
        <translation>Mémoire principale que les données 3D peuvent prendre, de 128 à 8096 Mo.</translation>
    </message>
    <message>
        <source>Main memory that the ray tracer may take, from 128 to 8096 Mo.</source>
        <translation>Mémoire principale que le lancer de rayons peut prendre, de 128 à 8096 Mo.</translation>
    </message>
    <message>
        <source>Graphics memory that the renderer may take, from 128 to 8096 Mo.</source>
        <translation>Mémoire graphique que le moteur de rendu peut prendre, de 128 à 8096 Mo.</translation>
    </message>
    <message>
        <source>Number of triangles that the renderer keeps on screen, from 50000 to 500000000.</source>
        <translation>Nombre de triangles que le moteur de rendu garde à l’écran, de 50000 à 500000000.</translation>
    </message>
    <message>
        <source>Largest size of the 3D database cache, from 10 to 102400 Mo.</source>
        <translation>Taille maximale du cache de la base 3D, de 10 à 102400 Mo.</translation>
    </message>
    <message>
        <source>Folder that holds the 3D database cache; a new folder is used from the next start.</source>
        <translation>Dossier qui contient le cache de la base 3D ; un nouveau dossier sert dès le prochain démarrage.</translation>
    </message>
    <message>
        <source>File in which the application writes its log; a new file is used from the next start.</source>
        <translation>Fichier dans lequel l’application écrit son journal ; un nouveau fichier sert dès le prochain démarrage.</translation>
    </message>
    <message>
        <source>Number of decimals shown for lengths, from 0 to 10.</source>
        <translation>Nombre de décimales affichées pour les longueurs, de 0 à 10.</translation>
    </message>
</context>
<context>
    <name>ZelImportSettingsPanel</name>
    <message>
        <source>Setup the import options of your models like tessellation parameters and specific import parameters.</source>
        <translation>Réglez les options d’import de vos modèles, comme les paramètres de tessellation et les paramètres propres à l’import.</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Load hidden objects</source>
        <translation>Charger les objets masqués</translation>
    </message>
    <message>
        <source>Load annotations</source>
        <translation>Charger les annotations</translation>
    </message>
    <message>
        <source>Compute face contouring</source>
        <translation>Calculer le contour des faces</translation>
    </message>
    <message>
        <source>Tesselation</source>
        <translation>Tessellation</translation>
    </message>
    <message>
        <source>Tessellation Quality</source>
        <translation>Qualité de tessellation</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Basse qualité</translation>
    </message>
    <message>
        <source>Max Face Sag</source>
        <translation>Flèche max</translation>
    </message>
    <message>
        <source>Max Face Length</source>
        <translation>Longueur max</translation>
    </message>
    <message>
        <source>Max Face Angle</source>
        <translation>Angle max</translation>
    </message>
    <message>
        <source> °</source>
        <translation> °</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>Imports the objects that the model keeps hidden; on or off.</source>
        <translation>Importe les objets que le modèle garde masqués ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Imports the annotations of the model, such as notes and dimensions; on or off.</source>
        <translation>Importe les annotations du modèle, comme les notes et les cotes ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Computes the outlines of the faces while the model is imported; on or off.</source>
        <translation>Calcule le contour des faces pendant l’import du modèle ; activé ou désactivé.</translation>
    </message>
    <message>
        <source>Accuracy of the triangles that stand for curved surfaces: the importer&apos;s default, high or low.</source>
        <translation>Précision des triangles qui représentent les surfaces courbes : celle par défaut de l’importeur, haute ou basse.</translation>
    </message>
    <message>
        <source>Largest angle between neighbouring triangles of a curved surface, from 0 to 359 degrees, or the importer&apos;s default.</source>
        <translation>Plus grand angle entre triangles voisins d’une surface courbe, de 0 à 359 degrés, ou la valeur par défaut de l’importeur.</translation>
    </message>
    <message>
        <source>Largest gap between a curved surface and its triangles, from 0 to 100, or the importer&apos;s default.</source>
        <translation>Plus grand écart entre une surface courbe et ses triangles, de 0 à 100, ou la valeur par défaut de l’importeur.</translation>
    </message>
    <message>
        <source>Longest side of a triangle of the tessellation, from 0 to 100, or the importer&apos;s default.</source>
        <translation>Plus grand côté d’un triangle de la tessellation, de 0 à 100, ou la valeur par défaut de l’importeur.</translation>
    </message>
</context>
<context>
    <name>ZelLockedRows</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Défini par votre administrateur</translation>
    </message>
</context>
<context>
    <name>ZelManagedSettings</name>
    <message>
        <source>&quot;%1&quot; cannot be read; it is ignored</source>
        <translation>« %1 » ne peut pas être lu ; il est ignoré</translation>
    </message>
    <message>
        <source>Line %2 of &quot;%1&quot; cannot be read safely; it is ignored</source>
        <translation>La ligne %2 de « %1 » ne peut pas être lue sans risque ; elle est ignorée</translation>
    </message>
    <message>
        <source>&quot;%2&quot; in &quot;%1&quot; is not a known setting; it is ignored</source>
        <translation>« %2 » dans « %1 » n’est pas un paramètre connu ; il est ignoré</translation>
    </message>
    <message>
        <source>The value of &quot;%2&quot; in &quot;%1&quot; is not text; it is ignored</source>
        <translation>La valeur de « %2 » dans « %1 » n’est pas du texte ; elle est ignorée</translation>
    </message>
    <message>
        <source>&quot;%3&quot; is not a valid value of &quot;%2&quot; in &quot;%1&quot;; it is ignored</source>
        <translation>« %3 » n’est pas une valeur valable de « %2 » dans « %1 » ; elle est ignorée</translation>
    </message>
</context>
<context>
    <name>ZelPrivacySettingsPanel</name>
    <message>
        <source>Manage your privacy settings</source>
        <translation>Gérez vos paramètres de confidentialité</translation>
    </message>
    <message>
        <source>Activity report</source>
        <translation>Rapport d’activité</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help us improve Vantora user experience by allowing tracking of anonymous usage data. The data will be used to improve Vantora user experience, if you want to see the content of an usage report, you can save a copy by &lt;a href=&quot;usageReport&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;clicking here&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aidez-nous à améliorer Vantora en autorisant le suivi de données d’utilisation anonymes. Ces données servent uniquement à améliorer l’expérience de Vantora ; pour voir le contenu d’un rapport d’utilisation, vous pouvez en enregistrer une copie en &lt;a href=&quot;usageReport&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;cliquant ici&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Send technical usage data </source>
        <translation>Envoyer les données techniques d’utilisation </translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Your privacy is important to us, and we take our responsibility of caring for it seriously. To learn more visit &lt;a href=&quot;%1&quot;&gt;privacy policy section.&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Votre vie privée nous importe et nous prenons au sérieux notre responsabilité de la protéger. Pour en savoir plus, consultez notre &lt;a href=&quot;%1&quot;&gt;politique de confidentialité.&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;To access to Microsoft Store privacy policy visit &lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La politique de confidentialité du Microsoft Store est consultable sur &lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>PRIVACY</source>
        <translation>CONFIDENTIALITÉ</translation>
    </message>
    <message>
        <source>The activity report could not be saved to &quot;%1&quot;: %2</source>
        <translation>Le rapport d’activité n’a pas pu être enregistré dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Sends anonymous data on how the application is used, to help improve it; on or off.</source>
        <translation>Envoie des données anonymes sur l’usage de l’application, pour aider à l’améliorer ; activé ou désactivé.</translation>
    </message>
</context>
<context>
    <name>ZelSettingsPanel</name>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>zel::ZelExportSettingsPanel</name>
    <message>
        <source>No column</source>
        <translation>Aucune colonne</translation>
    </message>
</context>
<context>
    <name>zel::ZelGeneralSettingsPanel</name>
    <message>
        <source>%1 core</source>
        <translation>%1 cœur</translation>
    </message>
    <message>
        <source>%1 cores</source>
        <translation>%1 cœurs</translation>
    </message>
</context>
<context>
    <name>zel::ZelSettingRow</name>
    <message>
        <source>Changed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Not the default</source>
        <translation>Différent de la valeur par défaut</translation>
    </message>
    <message>
        <source>Needs a restart</source>
        <translation>Redémarrage nécessaire</translation>
    </message>
    <message>
        <source>This change takes effect the next time the application starts.</source>
        <translation>Ce changement prend effet au prochain démarrage de l’application.</translation>
    </message>
    <message>
        <source>Reset %1 to default</source>
        <translation>Rétablir la valeur par défaut de %1</translation>
    </message>
    <message>
        <source>Applied: %1</source>
        <translation>Appliqué : %1</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Par défaut : %1</translation>
    </message>
    <message>
        <source>Changed, not applied yet: %1</source>
        <translation>Modifié, pas encore appliqué : %1</translation>
    </message>
    <message>
        <source>Reset to default: %1</source>
        <translation>Valeur par défaut rétablie : %1</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Rétablir la valeur par défaut</translation>
    </message>
</context>
<context>
    <name>zel::ZelSettingsGuide</name>
    <message>
        <source>These settings take effect only after a restart: %1.</source>
        <translation>Ces paramètres ne prennent effet qu’après un redémarrage : %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Pending changes: %1</source>
        <translation>Modifications en attente : %1</translation>
    </message>
    <message>
        <source>Search settings</source>
        <translation>Rechercher un paramètre</translation>
    </message>
    <message>
        <source>Finds the settings whose name, description or key holds the words typed; Escape clears the search.</source>
        <translation>Trouve les paramètres dont le nom, la description ou la clé contient les mots tapés ; Échap efface la recherche.</translation>
    </message>
    <message>
        <source>No setting matches</source>
        <translation>Aucun paramètre ne correspond</translation>
    </message>
</context>
</TS>
