<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BomCsvReader</name>
    <message>
        <source>Line %1: a text is not closed</source>
        <translation>Ligne %1 : un texte n’est pas fermé</translation>
    </message>
    <message>
        <source>Line %1: text after a closing delimiter</source>
        <translation>Ligne %1 : texte après un délimiteur fermant</translation>
    </message>
</context>
<context>
    <name>BomCsvWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Cannot encode %1</source>
        <translation>Impossible d’encoder %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ModelView</name>
    <message>
        <source>Drag to turn the model, use the wheel to come closer</source>
        <translation>Faites glisser pour tourner le modèle, utilisez la molette pour vous rapprocher</translation>
    </message>
</context>
<context>
    <name>ObjGeometryReader</name>
    <message>
        <source>%1: files call each other too deeply</source>
        <translation>%1 : les fichiers s’appellent les uns les autres trop profondément</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Line %1: a vertex needs three numbers</source>
        <translation>Ligne %1 : un sommet demande trois nombres</translation>
    </message>
    <message>
        <source>Line %1: a face needs three corners</source>
        <translation>Ligne %1 : une face demande trois sommets</translation>
    </message>
    <message>
        <source>Line %1: no vertex %2</source>
        <translation>Ligne %1 : pas de sommet %2</translation>
    </message>
</context>
<context>
    <name>ObjGeometryWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>The geometry does not match the assembly</source>
        <translation>La géométrie ne correspond pas à l’assemblage</translation>
    </message>
</context>
<context>
    <name>ProductStructureWidget</name>
    <message>
        <source>Product structure</source>
        <translation>Arbre produit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>Composant</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Référence</translation>
    </message>
</context>
<context>
    <name>SampleAssembly</name>
    <message>
        <source>Sample assembly</source>
        <translation>Assemblage d’exemple</translation>
    </message>
    <message>
        <source>Base plate</source>
        <translation>Platine</translation>
    </message>
    <message>
        <source>Aluminium 6061</source>
        <translation>Aluminium 6061</translation>
    </message>
    <message>
        <source>Bearing block</source>
        <translation>Palier</translation>
    </message>
    <message>
        <source>Steel S235</source>
        <translation>Acier S235</translation>
    </message>
    <message>
        <source>Shaft</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Steel C45</source>
        <translation>Acier C45</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Polyamide PA6</source>
        <translation>Polyamide PA6</translation>
    </message>
    <message>
        <source>Bolt</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Steel 8.8</source>
        <translation>Acier 8.8</translation>
    </message>
    <message>
        <source>Base plate.1</source>
        <translation>Platine.1</translation>
    </message>
    <message>
        <source>Bearing block.1</source>
        <translation>Palier.1</translation>
    </message>
    <message>
        <source>Bearing block.2</source>
        <translation>Palier.2</translation>
    </message>
    <message>
        <source>Shaft.1</source>
        <translation>Arbre.1</translation>
    </message>
    <message>
        <source>Wheel.1</source>
        <translation>Roue.1</translation>
    </message>
    <message>
        <source>Bolt.%1</source>
        <translation>Vis.%1</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The settings in %1 could not be checked</source>
        <translation>Les paramètres de %1 n’ont pas pu être vérifiés</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the settings file %2 holds &quot;%3&quot;, which cannot be used.</source>
        <translation>Le paramètre « %1 » du fichier de paramètres %2 contient « %3 », qui n’est pas utilisable.</translation>
    </message>
    <message>
        <source>Nothing was changed. To reset this setting to its default, run: zelsettings reset --store &quot;%1&quot; %2</source>
        <translation>Rien n’a été modifié. Pour rétablir la valeur par défaut de ce paramètre, lancez : zelsettings reset --store &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>Reset this setting to its default and check again?</source>
        <translation>Rétablir la valeur par défaut de ce paramètre et vérifier à nouveau ?</translation>
    </message>
    <message>
        <source>Reset and check again</source>
        <translation>Rétablir et vérifier à nouveau</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The settings were checked and repaired, but the repairs cannot be saved. Start with them for this run only, or quit?</source>
        <translation>Les paramètres ont été vérifiés et réparés, mais les réparations ne peuvent pas être enregistrées. Démarrer avec elles pour cette session seulement, ou quitter ?</translation>
    </message>
    <message>
        <source>Start without saving</source>
        <translation>Démarrer sans enregistrer</translation>
    </message>
</context>
<context>
    <name>SvgDrawingWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Vantora drawing</source>
        <translation>Dessin Vantora</translation>
    </message>
    <message>
        <source>Visible edges of the model</source>
        <translation>Arêtes visibles du modèle</translation>
    </message>
    <message>
        <source>Cannot draw %1</source>
        <translation>Impossible de dessiner %1</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>Impossible d’encoder %1</translation>
    </message>
</context>
<context>
    <name>ViewerOptions</name>
    <message>
        <source>Cannot create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>The demo viewer: a 3D view, its control center and its settings.
Qt&apos;s standard options are accepted as well, among them -style NAME, -reverse,
-platform NAME and -qwindowgeometry WIDTHxHEIGHT+X+Y.</source>
        <translation>La visionneuse de démonstration : une vue 3D, son centre de contrôle et ses paramètres.
Les options standard de Qt sont aussi acceptées, dont -style NOM, -reverse,
-platform NOM et -qwindowgeometry LARGEURxHAUTEUR+X+Y.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>The INI settings store to use instead of the viewer&apos;s own.</source>
        <translation>Le fichier de paramètres INI à utiliser au lieu de celui de la visionneuse.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Goes through the main flows without a display, saving numbered screenshots and one export of each kind into DIR; exits 0 only when every step did what it should.</source>
        <translation>Parcourt les principaux scénarios sans affichage, en enregistrant dans DOSSIER des captures numérotées et un export de chaque sorte ; sort avec 0 seulement si chaque étape a fait ce qu’elle devait.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>The language of the texts and numbers, such as fr or en_GB, instead of the system&apos;s. Translations: %1.</source>
        <translation>La langue des textes et des nombres, par exemple fr ou en_GB, au lieu de celle du système. Traductions : %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>Langue inconnue « %1 ».</translation>
    </message>
    <message>
        <source>The tour needs --tour DIR.</source>
        <translation>La visite demande --tour DOSSIER.</translation>
    </message>
</context>
<context>
    <name>ViewerWindow</name>
    <message>
        <source>Vantora</source>
        <translation>Vantora</translation>
    </message>
    <message>
        <source>Control center</source>
        <translation>Centre de contrôle</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
</context>
<context>
    <name>zel::ExportController</name>
    <message>
        <source>Nothing to export</source>
        <translation>Rien à exporter</translation>
    </message>
    <message>
        <source>No export tab is chosen</source>
        <translation>Aucun onglet d’export n’est choisi</translation>
    </message>
</context>
<context>
    <name>zel::ModelView</name>
    <message>
        <source>Image preview: %1 x %2</source>
        <translation>Aperçu de l’image : %1 × %2</translation>
    </message>
    <message>
        <source>Vector preview: %1 x %2 mm</source>
        <translation>Aperçu vectoriel : %1 × %2 mm</translation>
    </message>
    <message>
        <source>Geometry preview: %1 tri. -&gt; %2 tri.</source>
        <translation>Aperçu de la géométrie : %1 tri. -&gt; %2 tri.</translation>
    </message>
</context>
<context>
    <name>zel::ProductStructureWidget</name>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
</context>
<context>
    <name>zel::RepairNotice</name>
    <message>
        <source>%1: missing, now &quot;%2&quot;</source>
        <translation>%1 : absent, désormais « %2 »</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;, now &quot;%3&quot;</source>
        <translation>%1 : « %2 », désormais « %3 »</translation>
    </message>
    <message>
        <source>Settings repaired at start-up: %1. Details</source>
        <translation>Paramètres réparés au démarrage : %1. Détails</translation>
    </message>
    <message>
        <source>The settings file held values that could not be used; they were put back to their defaults.</source>
        <translation>Le fichier de paramètres contenait des valeurs inutilisables ; elles ont été remises à leur valeur par défaut.</translation>
    </message>
    <message>
        <source>Settings repaired</source>
        <translation>Paramètres réparés</translation>
    </message>
    <message>
        <source>These settings could not be used as stored and were repaired:</source>
        <translation>Ces paramètres n’étaient pas utilisables tels qu’enregistrés et ont été réparés :</translation>
    </message>
    <message>
        <source>This run uses the settings below, but none of them is saved, nor any change made to the settings before the viewer closes.</source>
        <translation>Cette session utilise les paramètres ci-dessous, mais aucun n’est enregistré, ni aucune modification des paramètres faite avant la fermeture de la visionneuse.</translation>
    </message>
    <message>
        <source>The settings file could not be read. It was kept as %1; the viewer started with the settings that could be read and the defaults for the rest.</source>
        <translation>Le fichier de paramètres n’a pas pu être lu. Il a été gardé sous %1 ; la visionneuse a démarré avec les paramètres lisibles et les valeurs par défaut pour les autres.</translation>
    </message>
    <message>
        <source>Settings not saved in this run. Details</source>
        <translation>Paramètres non enregistrés dans cette session. Détails</translation>
    </message>
    <message>
        <source>Settings file damaged; a copy was kept. Details</source>
        <translation>Fichier de paramètres endommagé ; une copie a été gardée. Détails</translation>
    </message>
</context>
<context>
    <name>zel::ViewerWindow</name>
    <message>
        <source>Open the sample again</source>
        <translation>Rouvrir l’exemple</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Loads the sample assembly again</source>
        <translation>Recharge l’assemblage d’exemple</translation>
    </message>
    <message>
        <source>Fit the view</source>
        <translation>Ajuster la vue</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Shows the whole model</source>
        <translation>Montre le modèle entier</translation>
    </message>
    <message>
        <source>Take a screenshot</source>
        <translation>Faire une capture d’écran</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Saves the view into the export folder</source>
        <translation>Enregistre la vue dans le dossier d’export</translation>
    </message>
    <message>
        <source>User manual</source>
        <translation>Manuel utilisateur</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>How to use the viewer</source>
        <translation>Comment utiliser la visionneuse</translation>
    </message>
    <message>
        <source>About Vantora</source>
        <translation>À propos de Vantora</translation>
    </message>
    <message>
        <source>Versions of the viewer</source>
        <translation>Versions de la visionneuse</translation>
    </message>
    <message>
        <source>Section view</source>
        <translation>Vue en coupe</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Cuts the model along its middle</source>
        <translation>Coupe le modèle en son milieu</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Opens the settings dialog</source>
        <translation>Ouvre la boîte de dialogue des paramètres</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Closes the viewer</source>
        <translation>Ferme la visionneuse</translation>
    </message>
    <message>
        <source>Sample opened</source>
        <translation>Exemple ouvert</translation>
    </message>
    <message>
        <source>Screenshot saved: %1</source>
        <translation>Capture enregistrée : %1</translation>
    </message>
    <message>
        <source>Drag in the view to turn the model and use the wheel to come closer; the settings choose how the mouse turns it.

The button at the top left opens the control center with the viewer&apos;s actions and, under Settings, every settings panel. Tools &gt; Settings opens the same panels in a dialog.

The export tool on the right writes an image, a vector drawing, a bill of materials or the geometry into the export folder; PREVIEW shows the result in the view first.</source>
        <translation>Faites glisser dans la vue pour tourner le modèle et utilisez la molette pour vous rapprocher ; les paramètres choisissent comment la souris le fait tourner.

Le bouton en haut à gauche ouvre le centre de contrôle avec les actions de la visionneuse et, sous Paramètres, tous les panneaux de paramètres. Outils &gt; Paramètres ouvre les mêmes panneaux dans une boîte de dialogue.

L’outil d’export à droite écrit une image, un dessin vectoriel, une nomenclature ou la géométrie dans le dossier d’export ; APERÇU montre d’abord le résultat dans la vue.</translation>
    </message>
    <message>
        <source>Vantora demo viewer
Settings library %1</source>
        <translation>Visionneuse de démonstration Vantora
Bibliothèque de paramètres %1</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Exporté : %1</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Échec de l’export : %1</translation>
    </message>
    <message>
        <source>Shaft length: %1</source>
        <translation>Longueur de l’arbre : %1</translation>
    </message>
    <message>
        <source>%1 triangles</source>
        <translation>%1 triangles</translation>
    </message>
</context>
</TS>
