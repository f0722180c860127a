<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message>
        <source>Export as image</source>
        <translation>Als Bild exportieren</translation>
    </message>
    <message>
        <source>You are currently using software rendering mode. This mode allow you to run Vantora without using graphics card however it has some limitation described in the &lt;a href=&quot;User manual&quot;&gt;documentation&lt;/a&gt;.You can also contact &lt;a href=&quot;https://support.vantora.example/contact&quot;&gt;client support&lt;/a&gt; for more information about rendering modes.</source>
        <translation>Sie verwenden derzeit das Software-Rendering. In diesem Modus läuft Vantora ohne Grafikkarte, mit den in der &lt;a href=&quot;User manual&quot;&gt;Dokumentation&lt;/a&gt; beschriebenen Einschränkungen. Mehr über die Rendering-Modi erfahren Sie auch beim &lt;a href=&quot;https://support.vantora.example/contact&quot;&gt;Kundensupport&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ControlCenter</name>
    <message>
        <source>Application Settings</source>
        <translation>Anwendungseinstellungen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Resets all parameters</source>
        <translation>Setzt alle Parameter zurück</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Applies your changes</source>
        <translation>Übernimmt Ihre Änderungen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>ExportScheduler</name>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>ExportSettingsWidget</name>
    <message>
        <source>%1 tri. in scene</source>
        <translation>%1 Dr. in der Szene</translation>
    </message>
    <message>
        <source>%1 tri. (before)</source>
        <translation>%1 Dr. (vorher)</translation>
    </message>
    <message>
        <source>
 %1 tri. (after)</source>
        <translation>
 %1 Dr. (nachher)</translation>
    </message>
    <message>
        <source>
 simplification ratio %1 % (after)</source>
        <translation>
 Vereinfachungsgrad %1 % (nachher)</translation>
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
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Add to export</source>
        <translation>Zum Export hinzufügen</translation>
    </message>
    <message>
        <source>Remove from export</source>
        <translation>Aus dem Export entfernen</translation>
    </message>
    <message>
        <source>To be exported</source>
        <translation>Zu exportieren</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HOCH</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>RUNTER</translation>
    </message>
    <message>
        <source>ADD ALL</source>
        <translation>ALLE HINZUFÜGEN</translation>
    </message>
    <message>
        <source>CLEAR ALL</source>
        <translation>ALLE ENTFERNEN</translation>
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
        <translation>Instanzname</translation>
    </message>
    <message>
        <source>Component name</source>
        <translation>Komponentenname</translation>
    </message>
    <message>
        <source>Component and Instance name</source>
        <translation>Komponenten- und Instanzname</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ÜBERNEHMEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Settings Modification</source>
        <translation>Änderung der Einstellungen</translation>
    </message>
    <message>
        <source>You need to restart your application to turn settings modification effective.</source>
        <translation>Starten Sie die Anwendung neu, damit die geänderten Einstellungen wirksam werden.</translation>
    </message>
    <message>
        <source>Your changes could not be saved; they are still pending.</source>
        <translation>Ihre Änderungen konnten nicht gespeichert werden; sie stehen noch aus.</translation>
    </message>
</context>
<context>
    <name>ZelControlCenter</name>
    <message>
        <source>Settings Modification</source>
        <translation>Änderung der Einstellungen</translation>
    </message>
    <message>
        <source>You need to restart your application to turn settings modification effective.</source>
        <translation>Starten Sie die Anwendung neu, damit die geänderten Einstellungen wirksam werden.</translation>
    </message>
    <message>
        <source>You have pending modifications. Discard your changes?</source>
        <translation>Es gibt noch nicht übernommene Änderungen. Ihre Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Change the settings of the application</source>
        <translation>Die Einstellungen der Anwendung ändern</translation>
    </message>
    <message>
        <source>Could not use the Vantora log file, file &quot;%1&quot; could not be created</source>
        <translation>Die Protokolldatei von Vantora ist nicht nutzbar: Die Datei „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not use the 3D database cache, folder &quot;%1&quot; could not be created</source>
        <translation>Der Cache der 3D-Datenbank ist nicht nutzbar: Der Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not create compulsory folder &quot;%1&quot;</source>
        <translation>Der notwendige Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Line %2 of the settings file &quot;%1&quot; cannot be read safely; correct or remove it</source>
        <translation>Zeile %2 der Einstellungsdatei „%1“ kann nicht sicher gelesen werden; korrigieren oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written to the settings file &quot;%2&quot; without changing the lines around it</source>
        <translation>„%1“ kann nicht in die Einstellungsdatei „%2“ geschrieben werden, ohne die Zeilen daneben zu ändern</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is being changed by another program; try again when it has finished</source>
        <translation>Die Einstellungsdatei „%1“ wird gerade von einem anderen Programm geändert; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>Your changes could not be saved; they are still pending.</source>
        <translation>Ihre Änderungen konnten nicht gespeichert werden; sie stehen noch aus.</translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; could not be written</source>
        <translation>Der Einstellungsspeicher „%1“ konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the device is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2</translation>
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
        <translation>Bildexport</translation>
    </message>
    <message>
        <source>IMG</source>
        <translation>IMG</translation>
    </message>
    <message>
        <source>Vector graphics export</source>
        <translation>Vektorgrafik-Export</translation>
    </message>
    <message>
        <source>VEC</source>
        <translation>VEC</translation>
    </message>
    <message>
        <source>Metadata export</source>
        <translation>Metadaten-Export</translation>
    </message>
    <message>
        <source>BOM</source>
        <translation>BOM</translation>
    </message>
    <message>
        <source>Geometry export</source>
        <translation>Geometrieexport</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Size in pixels of the exported image, from 320 x 200 to 4096 x 2160.</source>
        <translation>Größe des exportierten Bildes in Pixeln, von 320 × 200 bis 4096 × 2160.</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Renders the image larger and scales it down for smoother edges: none, 4, 8 or 16 times.</source>
        <translation>Berechnet das Bild größer und verkleinert es für glattere Kanten: keines, 4-, 8- oder 16-fach.</translation>
    </message>
    <message>
        <source>Supersampling</source>
        <translation>Supersampling</translation>
    </message>
    <message>
        <source>Override bg color</source>
        <translation>Hintergrund ersetzen</translation>
    </message>
    <message>
        <source>Override background color</source>
        <translation>Hintergrundfarbe ersetzen</translation>
    </message>
    <message>
        <source>Background colour of the exported image while Override bg color is on: any colour.</source>
        <translation>Hintergrundfarbe des exportierten Bildes, solange „Hintergrund ersetzen“ aktiv ist: jede Farbe.</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>PREVIEW</source>
        <translation>VORSCHAU</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTIEREN</translation>
    </message>
    <message>
        <source>Paper size of the vector drawing: A3, A4 or A5, portrait or landscape.</source>
        <translation>Seitenformat der Vektorzeichnung: A3, A4 oder A5, hoch oder quer.</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>Seitenformat</translation>
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
        <translation>US Letter</translation>
    </message>
    <message>
        <source>Colour and line width of the sharp edges in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Farbe und Linienbreite der scharfen Kanten in der Vektorzeichnung, von 0,01 bis 10 mm.</translation>
    </message>
    <message>
        <source>Salient edges</source>
        <translation>Scharfe Kanten</translation>
    </message>
    <message>
        <source>Colour of the sharp edges in the vector drawing: any colour.</source>
        <translation>Farbe der scharfen Kanten in der Vektorzeichnung: jede Farbe.</translation>
    </message>
    <message>
        <source>Salient edge color</source>
        <translation>Farbe der scharfen Kanten</translation>
    </message>
    <message>
        <source>Line width of the sharp edges in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Linienbreite der scharfen Kanten in der Vektorzeichnung, von 0,01 bis 10 mm.</translation>
    </message>
    <message>
        <source>Salient edge width</source>
        <translation>Breite der scharfen Kanten</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Colour and line width of the outline of the model in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Farbe und Linienbreite des Umrisses des Modells in der Vektorzeichnung, von 0,01 bis 10 mm.</translation>
    </message>
    <message>
        <source>Silhouette edges</source>
        <translation>Silhouettenkanten</translation>
    </message>
    <message>
        <source>Colour of the outline of the model in the vector drawing: any colour.</source>
        <translation>Farbe des Umrisses des Modells in der Vektorzeichnung: jede Farbe.</translation>
    </message>
    <message>
        <source>Silhouette edge color</source>
        <translation>Farbe der Silhouettenkanten</translation>
    </message>
    <message>
        <source>Line width of the outline of the model in the vector drawing, from 0.01 to 10 mm.</source>
        <translation>Linienbreite des Umrisses des Modells in der Vektorzeichnung, von 0,01 bis 10 mm.</translation>
    </message>
    <message>
        <source>Silhouette edge width</source>
        <translation>Breite der Silhouettenkanten</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>Set SVG export parameters to default value</source>
        <translation>Die SVG-Exportparameter auf ihre Standardwerte setzen</translation>
    </message>
    <message>
        <source>More export options</source>
        <translation>Weitere Exportoptionen</translation>
    </message>
    <message>
        <source>Separators of the bill of materials: commas and points, or semicolons and commas as French spreadsheets read them.</source>
        <translation>Trennzeichen der Stückliste: Kommas und Punkte, oder Semikolons und Kommas, wie französische Tabellenkalkulationen sie lesen.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>CSV Comma separated value</source>
        <translation>CSV, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>CSV French Version</source>
        <translation>CSV, französische Fassung</translation>
    </message>
    <message>
        <source>Attributes written as the columns of the bill of materials, in this order: any of the model&apos;s attributes.</source>
        <translation>Attribute, die als Spalten der Stückliste geschrieben werden, in dieser Reihenfolge: beliebige Attribute des Modells.</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Spaltenköpfe</translation>
    </message>
    <message>
        <source>Writes every final part to a file of its own, with a master file that references them; on or off.</source>
        <translation>Schreibt jedes Endteil in eine eigene Datei, mit einer Hauptdatei, die auf sie verweist; ein oder aus.</translation>
    </message>
    <message>
        <source>Scattered export</source>
        <translation>Aufgeteilter Export</translation>
    </message>
    <message>
        <source>Export all final part in separate files and a master file which reference the separate files</source>
        <translation>Exportiert jedes Endteil in eine eigene Datei, mit einer Hauptdatei, die auf diese Dateien verweist</translation>
    </message>
    <message>
        <source>Reduces the triangles of the exported geometry: not at all, to a ratio from 1 to 99 %, or to a target number of triangles.</source>
        <translation>Verringert die Dreiecke der exportierten Geometrie: gar nicht, auf einen Anteil von 1 bis 99 % oder auf eine Ziel-Dreieckanzahl.</translation>
    </message>
    <message>
        <source>Simplification</source>
        <translation>Vereinfachung</translation>
    </message>
    <message>
        <source>No simplification</source>
        <translation>Keine Vereinfachung</translation>
    </message>
    <message>
        <source>Simplification ratio</source>
        <translation>Vereinfachungsgrad</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Target no. triangles</source>
        <translation>Ziel-Dreieckanzahl</translation>
    </message>
    <message>
        <source>n/a tri. -&gt; n/a tri</source>
        <translation>k. A. Dr. -&gt; k. A. Dr.</translation>
    </message>
    <message>
        <source>Keeps the branches of the product structure that hold no visible geometry; on or off.</source>
        <translation>Behält die Zweige der Produktstruktur, die keine sichtbare Geometrie enthalten; ein oder aus.</translation>
    </message>
    <message>
        <source>Hidden branch </source>
        <translation>Ausgeblendete Zweige </translation>
    </message>
    <message>
        <source>Keeps the product structure branches that contains no visible geometries</source>
        <translation>Behält die Zweige der Produktstruktur, die keine sichtbare Geometrie enthalten</translation>
    </message>
    <message>
        <source>Configure export settings by category</source>
        <translation>Legen Sie die Exporteinstellungen je Kategorie fest</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Vectorial</source>
        <translation>Vektoriell</translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation>Geometrisch</translation>
    </message>
    <message>
        <source>A3 portrait</source>
        <translation>A3 Hochformat</translation>
    </message>
    <message>
        <source>A4 portrait</source>
        <translation>A4 Hochformat</translation>
    </message>
    <message>
        <source>A5 portrait</source>
        <translation>A5 Hochformat</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 Querformat</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 Querformat</translation>
    </message>
    <message>
        <source>A5 landscape</source>
        <translation>A5 Querformat</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
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
        <translation>EXPORTIEREN</translation>
    </message>
</context>
<context>
    <name>ZelGeneralSettingsPanel</name>
    <message>
        <source>Adapt the quality and performances of your display to your needs and your material.</source>
        <translation>Passen Sie Qualität und Leistung der Anzeige an Ihren Bedarf und Ihre Hardware an.</translation>
    </message>
    <message>
        <source>Rendering Engine</source>
        <translation>Render-Engine</translation>
    </message>
    <message>
        <source>Renders with the graphics card; a change takes effect at the next start.</source>
        <translation>Rendert mit der Grafikkarte; eine Änderung wirkt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>HARDWARE</translation>
    </message>
    <message>
        <source>Renders with the processor alone, without the graphics card; a change takes effect at the next start.</source>
        <translation>Rendert allein mit dem Prozessor, ohne Grafikkarte; eine Änderung wirkt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>SOFTWARE</source>
        <translation>SOFTWARE</translation>
    </message>
    <message>
        <source>You are currently in software rendering mode. This mode allows you to run Vantora without using graphics card however it has some limitations described in the documentation.</source>
        <translation>Sie sind derzeit im Software-Rendering. In diesem Modus läuft Vantora ohne Grafikkarte, mit den in der Dokumentation beschriebenen Einschränkungen.</translation>
    </message>
    <message>
        <source>Rendering parameters</source>
        <translation>Darstellungsparameter</translation>
    </message>
    <message>
        <source>Colour behind the model in the 3D view: any colour, opaque or see-through.</source>
        <translation>Farbe hinter dem Modell in der 3D-Ansicht: jede Farbe, deckend oder durchscheinend.</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Smooths the jagged edges of the model in the 3D view; on or off.</source>
        <translation>Glättet die gezackten Kanten des Modells in der 3D-Ansicht; ein oder aus.</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>Kantenglättung</translation>
    </message>
    <message>
        <source>Draws a line along the edges of the model in the 3D view; on or off.</source>
        <translation>Zeichnet eine Linie entlang der Kanten des Modells in der 3D-Ansicht; ein oder aus.</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>Lights each face in one flat tone instead of smooth shading; on or off.</source>
        <translation>Beleuchtet jede Fläche in einem einheitlichen Ton statt glatt schattiert; ein oder aus.</translation>
    </message>
    <message>
        <source>Flat shading</source>
        <translation>Flachschattierung</translation>
    </message>
    <message>
        <source>Fills the faces that a section plane cuts, so that the cut model looks solid; on or off.</source>
        <translation>Füllt die Flächen, die eine Schnittebene schneidet, damit das geschnittene Modell massiv wirkt; ein oder aus.</translation>
    </message>
    <message>
        <source>Fill cut plane</source>
        <translation>Schnittfläche füllen</translation>
    </message>
    <message>
        <source>Display options</source>
        <translation>Anzeigeoptionen</translation>
    </message>
    <message>
        <source>Tool panel</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Display right tool panel</source>
        <translation>Werkzeugleiste rechts anzeigen</translation>
    </message>
    <message>
        <source>Product structure panel</source>
        <translation>Produktstruktur</translation>
    </message>
    <message>
        <source>Display left product structure panel</source>
        <translation>Produktstruktur links anzeigen</translation>
    </message>
    <message>
        <source>Names the nodes of the product structure after their instance, their component, or both.</source>
        <translation>Benennt die Knoten der Produktstruktur nach ihrer Instanz, ihrer Komponente oder beidem.</translation>
    </message>
    <message>
        <source>Product structure naming</source>
        <translation>Benennung in der Produktstruktur</translation>
    </message>
    <message>
        <source>Units display</source>
        <translation>Einheitenanzeige</translation>
    </message>
    <message>
        <source>Unit in which lengths are shown: millimetre, centimetre, metre or inch.</source>
        <translation>Einheit, in der Längen angezeigt werden: Millimeter, Zentimeter, Meter oder Zoll.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Number of decimals shown for lengths, from 0 to 10.</source>
        <translation>Anzahl der angezeigten Dezimalstellen für Längen, von 0 bis 10.</translation>
    </message>
    <message>
        <source>Number of decimals</source>
        <translation>Anzahl der Dezimalstellen</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>How a drag in the 3D view turns the camera: arcball or examine.</source>
        <translation>Wie ein Ziehen in der 3D-Ansicht die Kamera dreht: Arcball oder Untersuchen.</translation>
    </message>
    <message>
        <source>Camera controls</source>
        <translation>Kamerasteuerung</translation>
    </message>
    <message>
        <source>Performances</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Processor cores that the software renderer uses, from 1 to the cores of this machine.</source>
        <translation>Prozessorkerne, die das Software-Rendering nutzt, von 1 bis zu den Kernen dieses Rechners.</translation>
    </message>
    <message>
        <source>Processing power</source>
        <translation>Rechenleistung</translation>
    </message>
    <message>
        <source>1 core</source>
        <translation>1 Kern</translation>
    </message>
    <message>
        <source>Main memory that the 3D data may take, from 128 to 8096 Mo.</source>
        <translation>Arbeitsspeicher, den die 3D-Daten belegen dürfen, von 128 bis 8.096 MB.</translation>
    </message>
    <message>
        <source>Max CPU memory</source>
        <translation>Max. CPU-Speicher</translation>
    </message>
    <message>
        <source> Mo</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>Main memory that the ray tracer may take, from 128 to 8096 Mo.</source>
        <translation>Arbeitsspeicher, den das Raytracing belegen darf, von 128 bis 8.096 MB.</translation>
    </message>
    <message>
        <source>Max CPU Memory</source>
        <translation>Max. CPU-Speicher</translation>
    </message>
    <message>
        <source>Graphics memory that the renderer may take, from 128 to 8096 Mo.</source>
        <translation>Grafikspeicher, den das Rendering belegen darf, von 128 bis 8.096 MB.</translation>
    </message>
    <message>
        <source>Max GPU Memory</source>
        <translation>Max. GPU-Speicher</translation>
    </message>
    <message>
        <source>Number of triangles that the renderer keeps on screen, from 50000 to 500000000.</source>
        <translation>Anzahl der Dreiecke, die das Rendering auf dem Bildschirm hält, von 50.000 bis 500.000.000.</translation>
    </message>
    <message>
        <source>Max triangles nb</source>
        <translation>Max. Dreieckanzahl</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Largest size of the 3D database cache, from 10 to 102400 Mo.</source>
        <translation>Höchstgröße des Caches der 3D-Datenbank, von 10 bis 102.400 MB.</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Cache-Größe</translation>
    </message>
    <message>
        <source>Folder that holds the 3D database cache; a new folder is used from the next start.</source>
        <translation>Ordner mit dem Cache der 3D-Datenbank; ein neuer Ordner gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Cache folder</source>
        <translation>Cache-Ordner</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File in which the application writes its log; a new file is used from the next start.</source>
        <translation>Datei, in die die Anwendung ihr Protokoll schreibt; eine neue Datei gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>GENERAL</source>
        <translation>ALLGEMEIN</translation>
    </message>
    <message>
        <source>Please set your database cache folder</source>
        <translation>Wählen Sie den Cache-Ordner der Datenbank</translation>
    </message>
    <message>
        <source>Set your log file</source>
        <translation>Wählen Sie Ihre Protokolldatei</translation>
    </message>
    <message>
        <source>Millimeter (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>Centimer (cm)</source>
        <translation>Zentimeter (cm)</translation>
    </message>
    <message>
        <source>Meter (m)</source>
        <translation>Meter (m)</translation>
    </message>
    <message>
        <source>Inch (in)</source>
        <translation>Zoll (in)</translation>
    </message>
    <message>
        <source>Arcball mode</source>
        <translation>Arcball-Modus</translation>
    </message>
    <message>
        <source>Examine mode</source>
        <translation>Untersuchungsmodus</translation>
    </message>
    <message>
        <source>%1 core</source>
        <translation>%1 Kern</translation>
    </message>
    <message>
        <source>%1 cores</source>
        <translation>%1 Kerne</translation>
    </message>
</context>
<context>
    <name>ZelImportSettingsPanel</name>
    <message>
        <source>Setup the import options of your models like tessellation parameters and specific import parameters.</source>
        <translation>Legen Sie die Importoptionen Ihrer Modelle fest, etwa die Tessellierungsparameter und besondere Importparameter.</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Imports the objects that the model keeps hidden; on or off.</source>
        <translation>Importiert die Objekte, die das Modell ausgeblendet hält; ein oder aus.</translation>
    </message>
    <message>
        <source>Load hidden objects</source>
        <translation>Ausgeblendete Objekte laden</translation>
    </message>
    <message>
        <source>Imports the annotations of the model, such as notes and dimensions; on or off.</source>
        <translation>Importiert die Annotationen des Modells, etwa Notizen und Bemaßungen; ein oder aus.</translation>
    </message>
    <message>
        <source>Load annotations</source>
        <translation>Annotationen laden</translation>
    </message>
    <message>
        <source>Computes the outlines of the faces while the model is imported; on or off.</source>
        <translation>Berechnet die Umrisse der Flächen beim Import des Modells; ein oder aus.</translation>
    </message>
    <message>
        <source>Compute face contouring</source>
        <translation>Flächenkonturen berechnen</translation>
    </message>
    <message>
        <source>Tesselation</source>
        <translation>Tessellierung</translation>
    </message>
    <message>
        <source>Accuracy of the triangles that stand for curved surfaces: the importer&apos;s default, high or low.</source>
        <translation>Genauigkeit der Dreiecke, die gekrümmte Flächen darstellen: der Standard des Importers, hoch oder niedrig.</translation>
    </message>
    <message>
        <source>Tessellation Quality</source>
        <translation>Tessellierungsqualität</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Niedrige Qualität</translation>
    </message>
    <message>
        <source>Largest gap between a curved surface and its triangles, from 0 to 100, or the importer&apos;s default.</source>
        <translation>Größter Abstand zwischen einer gekrümmten Fläche und ihren Dreiecken, von 0 bis 100, oder der Standard des Importers.</translation>
    </message>
    <message>
        <source>Max Face Sag</source>
        <translation>Max. Sehnenabweichung</translation>
    </message>
    <message>
        <source>Longest side of a triangle of the tessellation, from 0 to 100, or the importer&apos;s default.</source>
        <translation>Längste Seite eines Dreiecks der Tessellierung, von 0 bis 100, oder der Standard des Importers.</translation>
    </message>
    <message>
        <source>Max Face Length</source>
        <translation>Max. Kantenlänge</translation>
    </message>
    <message>
        <source>Largest angle between neighbouring triangles of a curved surface, from 0 to 359 degrees, or the importer&apos;s default.</source>
        <translation>Größter Winkel zwischen benachbarten Dreiecken einer gekrümmten Fläche, von 0 bis 359 Grad, oder der Standard des Importers.</translation>
    </message>
    <message>
        <source>Max Face Angle</source>
        <translation>Max. Winkel</translation>
    </message>
    <message>
        <source> °</source>
        <translation> °</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
</context>
<context>
    <name>ZelLockedRows</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Von Ihrem Administrator festgelegt</translation>
    </message>
</context>
<context>
    <name>ZelManagedSettings</name>
    <message>
        <source>&quot;%1&quot; cannot be read; it is ignored</source>
        <translation>„%1“ kann nicht gelesen werden; die Datei wird ignoriert</translation>
    </message>
    <message>
        <source>Line %2 of &quot;%1&quot; cannot be read safely; it is ignored</source>
        <translation>Zeile %2 von „%1“ kann nicht sicher gelesen werden; sie wird ignoriert</translation>
    </message>
    <message>
        <source>&quot;%2&quot; in &quot;%1&quot; is not a known setting; it is ignored</source>
        <translation>„%2“ in „%1“ ist keine bekannte Einstellung; sie wird ignoriert</translation>
    </message>
    <message>
        <source>The value of &quot;%2&quot; in &quot;%1&quot; is not text; it is ignored</source>
        <translation>Der Wert von „%2“ in „%1“ ist kein Text; er wird ignoriert</translation>
    </message>
    <message>
        <source>&quot;%3&quot; is not a valid value of &quot;%2&quot; in &quot;%1&quot;; it is ignored</source>
        <translation>„%3“ ist kein gültiger Wert von „%2“ in „%1“; er wird ignoriert</translation>
    </message>
</context>
<context>
    <name>ZelPrivacySettingsPanel</name>
    <message>
        <source>Manage your privacy settings</source>
        <translation>Verwalten Sie Ihre Datenschutzeinstellungen</translation>
    </message>
    <message>
        <source>Activity report</source>
        <translation>Aktivitätsbericht</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help us improve Vantora user experience by allowing tracking of anonymous usage data. The data will be used to improve Vantora user experience, if you want to see the content of an usage report, you can save a copy by &lt;a href=&quot;usageReport&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;clicking here&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Helfen Sie uns, Vantora zu verbessern, indem Sie die Erfassung anonymer Nutzungsdaten erlauben. Die Daten dienen allein der Verbesserung von Vantora; um den Inhalt eines Nutzungsberichts zu sehen, können Sie eine Kopie speichern, indem Sie &lt;a href=&quot;usageReport&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;hier klicken&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Sends anonymous data on how the application is used, to help improve it; on or off.</source>
        <translation>Sendet anonyme Daten darüber, wie die Anwendung genutzt wird, um sie zu verbessern; ein oder aus.</translation>
    </message>
    <message>
        <source>Send technical usage data </source>
        <translation>Technische Nutzungsdaten senden </translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Your privacy is important to us, and we take our responsibility of caring for it seriously. To learn more visit &lt;a href=&quot;%1&quot;&gt;privacy policy section.&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ihre Privatsphäre ist uns wichtig, und wir nehmen unsere Verantwortung für ihren Schutz ernst. Mehr dazu in unserer &lt;a href=&quot;%1&quot;&gt;Datenschutzerklärung.&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;To access to Microsoft Store privacy policy visit &lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Datenschutzerklärung des Microsoft Store finden Sie unter &lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>PRIVACY</source>
        <translation>DATENSCHUTZ</translation>
    </message>
    <message>
        <source>The activity report could not be saved to &quot;%1&quot;: %2</source>
        <translation>Der Aktivitätsbericht konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ZelSettingsPanel</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>zel::ZelExportSettingsPanel</name>
    <message>
        <source>No column</source>
        <translation>Keine Spalte</translation>
    </message>
</context>
<context>
    <name>zel::ZelGeneralSettingsPanel</name>
    <message>
        <source>%1 core</source>
        <translation>%1 Kern</translation>
    </message>
    <message>
        <source>%1 cores</source>
        <translation>%1 Kerne</translation>
    </message>
</context>
<context>
    <name>zel::ZelSettingRow</name>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Not the default</source>
        <translation>Nicht der Standard</translation>
    </message>
    <message>
        <source>Needs a restart</source>
        <translation>Neustart nötig</translation>
    </message>
    <message>
        <source>This change takes effect the next time the application starts.</source>
        <translation>Diese Änderung wirkt ab dem nächsten Start der Anwendung.</translation>
    </message>
    <message>
        <source>Reset %1 to default</source>
        <translation>%1 auf den Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Applied: %1</source>
        <translation>Übernommen: %1</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Standard: %1</translation>
    </message>
    <message>
        <source>Changed, not applied yet: %1</source>
        <translation>Geändert, noch nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Reset to default: %1</source>
        <translation>Auf den Standard zurückgesetzt: %1</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Auf den Standard zurücksetzen</translation>
    </message>
</context>
<context>
    <name>zel::ZelSettingsGuide</name>
    <message>
        <source>These settings take effect only after a restart: %1.</source>
        <translation>Diese Einstellungen wirken erst nach einem Neustart: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Pending changes: %1</source>
        <translation>Ausstehende Änderungen: %1</translation>
    </message>
    <message>
        <source>Search settings</source>
        <translation>Einstellungen suchen</translation>
    </message>
    <message>
        <source>Finds the settings whose name, description or key holds the words typed; Escape clears the search.</source>
        <translation>Findet die Einstellungen, deren Name, Beschreibung oder Schlüssel die eingegebenen Wörter enthält; Esc leert die Suche.</translation>
    </message>
    <message>
        <source>No setting matches</source>
        <translation>Keine Einstellung passt</translation>
    </message>
</context>
</TS>
