<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BomCsvReader</name>
    <message>
        <source>Line %1: a text is not closed</source>
        <translation>Zeile %1: ein Text ist nicht geschlossen</translation>
    </message>
    <message>
        <source>Line %1: text after a closing delimiter</source>
        <translation>Zeile %1: Text nach einem schließenden Trennzeichen</translation>
    </message>
</context>
<context>
    <name>BomCsvWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Cannot encode %1</source>
        <translation>%1 kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ModelView</name>
    <message>
        <source>Drag to turn the model, use the wheel to come closer</source>
        <translation>Ziehen, um das Modell zu drehen; mit dem Mausrad näher heran</translation>
    </message>
</context>
<context>
    <name>ObjGeometryReader</name>
    <message>
        <source>%1: files call each other too deeply</source>
        <translation>%1: Dateien rufen einander zu tief auf</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Line %1: a vertex needs three numbers</source>
        <translation>Zeile %1: ein Eckpunkt braucht drei Zahlen</translation>
    </message>
    <message>
        <source>Line %1: a face needs three corners</source>
        <translation>Zeile %1: eine Fläche braucht drei Ecken</translation>
    </message>
    <message>
        <source>Line %1: no vertex %2</source>
        <translation>Zeile %1: kein Eckpunkt %2</translation>
    </message>
</context>
<context>
    <name>ObjGeometryWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The geometry does not match the assembly</source>
        <translation>Die Geometrie passt nicht zur Baugruppe</translation>
    </message>
</context>
<context>
    <name>ProductStructureWidget</name>
    <message>
        <source>Product structure</source>
        <translation>Produktstruktur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Component</source>
        <translation>Komponente</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Werkstoff</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Teilenummer</translation>
    </message>
</context>
<context>
    <name>SampleAssembly</name>
    <message>
        <source>Sample assembly</source>
        <translation>Beispielbaugruppe</translation>
    </message>
    <message>
        <source>Base plate</source>
        <translation>Grundplatte</translation>
    </message>
    <message>
        <source>Aluminium 6061</source>
        <translation>Aluminium 6061</translation>
    </message>
    <message>
        <source>Bearing block</source>
        <translation>Lagerbock</translation>
    </message>
    <message>
        <source>Steel S235</source>
        <translation>Stahl S235</translation>
    </message>
    <message>
        <source>Shaft</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Steel C45</source>
        <translation>Stahl C45</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Polyamide PA6</source>
        <translation>Polyamid PA6</translation>
    </message>
    <message>
        <source>Bolt</source>
        <translation>Schraube</translation>
    </message>
    <message>
        <source>Steel 8.8</source>
        <translation>Stahl 8.8</translation>
    </message>
    <message>
        <source>Base plate.1</source>
        <translation>Grundplatte.1</translation>
    </message>
    <message>
        <source>Bearing block.1</source>
        <translation>Lagerbock.1</translation>
    </message>
    <message>
        <source>Bearing block.2</source>
        <translation>Lagerbock.2</translation>
    </message>
    <message>
        <source>Shaft.1</source>
        <translation>Welle.1</translation>
    </message>
    <message>
        <source>Wheel.1</source>
        <translation>Rad.1</translation>
    </message>
    <message>
        <source>Bolt.%1</source>
        <translation>Schraube.%1</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The settings in %1 could not be checked</source>
        <translation>Die Einstellungen in %1 konnten nicht geprüft werden</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the settings file %2 holds &quot;%3&quot;, which cannot be used.</source>
        <translation>Die Einstellung „%1“ in der Einstellungsdatei %2 enthält „%3“, das nicht verwendbar ist.</translation>
    </message>
    <message>
        <source>Nothing was changed. To reset this setting to its default, run: zelsettings reset --store &quot;%1&quot; %2</source>
        <translation>Es wurde nichts geändert. Um diese Einstellung auf ihren Standard zurückzusetzen, führen Sie aus: zelsettings reset --store &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>Reset this setting to its default and check again?</source>
        <translation>Diese Einstellung auf ihren Standard zurücksetzen und erneut prüfen?</translation>
    </message>
    <message>
        <source>Reset and check again</source>
        <translation>Zurücksetzen und erneut prüfen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The settings were checked and repaired, but the repairs cannot be saved. Start with them for this run only, or quit?</source>
        <translation>Die Einstellungen wurden geprüft und repariert, aber die Reparaturen können nicht gespeichert werden. Nur für diese Sitzung mit ihnen starten oder beenden?</translation>
    </message>
    <message>
        <source>Start without saving</source>
        <translation>Ohne Speichern starten</translation>
    </message>
</context>
<context>
    <name>SvgDrawingWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Vantora drawing</source>
        <translation>Vantora-Zeichnung</translation>
    </message>
    <message>
        <source>Visible edges of the model</source>
        <translation>Sichtbare Kanten des Modells</translation>
    </message>
    <message>
        <source>Cannot draw %1</source>
        <translation>%1 kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation>%1 kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>ViewerOptions</name>
    <message>
        <source>The demo viewer: a 3D view, its control center and its settings.
Qt&apos;s standard options are accepted as well, among them -style NAME, -reverse,
-platform NAME and -qwindowgeometry WIDTHxHEIGHT+X+Y.</source>
        <translation>Der Demo-Viewer: eine 3D-Ansicht, ihr Control Center und ihre Einstellungen.
Qts Standardoptionen werden ebenfalls angenommen, darunter -style NAME, -reverse,
-platform NAME und -qwindowgeometry BREITExHÖHE+X+Y.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>The INI settings store to use instead of the viewer&apos;s own.</source>
        <translation>Die INI-Einstellungsdatei, die statt der eigenen des Viewers verwendet wird.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Goes through the main flows without a display, saving numbered screenshots and one export of each kind into DIR; exits 0 only when every step did what it should.</source>
        <translation>Durchläuft die wichtigsten Abläufe ohne Anzeige und speichert nummerierte Bildschirmfotos und je einen Export jeder Art in ORDNER; endet nur dann mit 0, wenn jeder Schritt getan hat, was er sollte.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>The language of the texts and numbers, such as fr or en_GB, instead of the system&apos;s. Translations: %1.</source>
        <translation>Die Sprache der Texte und Zahlen, etwa fr oder en_GB, statt der des Systems. Übersetzungen: %1.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>Unbekannte Sprache „%1“.</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The tour needs --tour DIR.</source>
        <translation>Der Rundgang braucht --tour ORDNER.</translation>
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
        <translation>Control Center</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>zel::ExportController</name>
    <message>
        <source>Nothing to export</source>
        <translation>Nichts zu exportieren</translation>
    </message>
    <message>
        <source>No export tab is chosen</source>
        <translation>Kein Export-Reiter ist gewählt</translation>
    </message>
</context>
<context>
    <name>zel::ModelView</name>
    <message>
        <source>Image preview: %1 x %2</source>
        <translation>Bildvorschau: %1 × %2</translation>
    </message>
    <message>
        <source>Vector preview: %1 x %2 mm</source>
        <translation>Vektorvorschau: %1 × %2 mm</translation>
    </message>
    <message>
        <source>Geometry preview: %1 tri. -&gt; %2 tri.</source>
        <translation>Geometrievorschau: %1 Dr. -&gt; %2 Dr.</translation>
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
        <translation>%1: fehlte, jetzt „%2“</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;, now &quot;%3&quot;</source>
        <translation>%1: „%2“, jetzt „%3“</translation>
    </message>
    <message>
        <source>Settings repaired at start-up: %1. Details</source>
        <translation>Beim Start reparierte Einstellungen: %1. Details</translation>
    </message>
    <message>
        <source>The settings file held values that could not be used; they were put back to their defaults.</source>
        <translation>Die Einstellungsdatei enthielt unbrauchbare Werte; sie wurden auf ihre Standardwerte zurückgesetzt.</translation>
    </message>
    <message>
        <source>Settings repaired</source>
        <translation>Einstellungen repariert</translation>
    </message>
    <message>
        <source>These settings could not be used as stored and were repaired:</source>
        <translation>Diese Einstellungen waren so, wie gespeichert, nicht verwendbar und wurden repariert:</translation>
    </message>
    <message>
        <source>This run uses the settings below, but none of them is saved, nor any change made to the settings before the viewer closes.</source>
        <translation>Diese Sitzung verwendet die folgenden Einstellungen, aber keine davon wird gespeichert, ebenso wenig wie Änderungen an den Einstellungen, bevor der Viewer geschlossen wird.</translation>
    </message>
    <message>
        <source>The settings file could not be read. It was kept as %1; the viewer started with the settings that could be read and the defaults for the rest.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden. Sie wurde als %1 aufbewahrt; der Viewer startete mit den lesbaren Einstellungen und den Standardwerten für den Rest.</translation>
    </message>
    <message>
        <source>Settings not saved in this run. Details</source>
        <translation>Einstellungen in dieser Sitzung nicht gespeichert. Details</translation>
    </message>
    <message>
        <source>Settings file damaged; a copy was kept. Details</source>
        <translation>Einstellungsdatei beschädigt; eine Kopie wurde aufbewahrt. Details</translation>
    </message>
</context>
<context>
    <name>zel::ViewerWindow</name>
    <message>
        <source>Open the sample again</source>
        <translation>Das Beispiel erneut öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Loads the sample assembly again</source>
        <translation>Lädt die Beispielbaugruppe erneut</translation>
    </message>
    <message>
        <source>Fit the view</source>
        <translation>Ansicht einpassen</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Shows the whole model</source>
        <translation>Zeigt das ganze Modell</translation>
    </message>
    <message>
        <source>Take a screenshot</source>
        <translation>Bildschirmfoto aufnehmen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Saves the view into the export folder</source>
        <translation>Speichert die Ansicht im Exportordner</translation>
    </message>
    <message>
        <source>User manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>How to use the viewer</source>
        <translation>Wie man den Viewer benutzt</translation>
    </message>
    <message>
        <source>About Vantora</source>
        <translation>Über Vantora</translation>
    </message>
    <message>
        <source>Versions of the viewer</source>
        <translation>Versionen des Viewers</translation>
    </message>
    <message>
        <source>Section view</source>
        <translation>Schnittansicht</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Cuts the model along its middle</source>
        <translation>Schneidet das Modell in seiner Mitte</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Opens the settings dialog</source>
        <translation>Öffnet den Einstellungsdialog</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Closes the viewer</source>
        <translation>Schließt den Viewer</translation>
    </message>
    <message>
        <source>Sample opened</source>
        <translation>Beispiel geöffnet</translation>
    </message>
    <message>
        <source>Screenshot saved: %1</source>
        <translation>Bildschirmfoto gespeichert: %1</translation>
    </message>
    <message>
        <source>Drag in the view to turn the model and use the wheel to come closer; the settings choose how the mouse turns it.

The button at the top left opens the control center with the viewer&apos;s actions and, under Settings, every settings panel. Tools &gt; Settings opens the same panels in a dialog.

The export tool on the right writes an image, a vector drawing, a bill of materials or the geometry into the export folder; PREVIEW shows the result in the view first.</source>
        <translation>Ziehen Sie in der Ansicht, um das Modell zu drehen, und nutzen Sie das Mausrad, um näher heranzugehen; die Einstellungen legen fest, wie die Maus es dreht.

Die Schaltfläche oben links öffnet das Control Center mit den Aktionen des Viewers und, unter Einstellungen, allen Einstellungsbereichen. Werkzeuge &gt; Einstellungen öffnet dieselben Bereiche in einem Dialog.

Das Export-Werkzeug rechts schreibt ein Bild, eine Vektorzeichnung, eine Stückliste oder die Geometrie in den Exportordner; VORSCHAU zeigt das Ergebnis zuerst in der Ansicht.</translation>
    </message>
    <message>
        <source>Vantora demo viewer
Settings library %1</source>
        <translation>Vantora Demo-Viewer
Einstellungsbibliothek %1</translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation>Exportiert: %1</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Shaft length: %1</source>
        <translation>Länge der Welle: %1</translation>
    </message>
    <message>
        <source>%1 triangles</source>
        <translation>%1 Dreiecke</translation>
    </message>
</context>
</TS>
