<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BomCsvReader</name>
    <message>
        <source>Line %1: a text is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: text after a closing delimiter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BomCsvWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageExporter</name>
    <message>
        <source>Cannot encode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelView</name>
    <message>
        <source>Drag to turn the model, use the wheel to come closer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjGeometryReader</name>
    <message>
        <source>%1: files call each other too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a vertex needs three numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a face needs three corners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: no vertex %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjGeometryWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The geometry does not match the assembly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductStructureWidget</name>
    <message>
        <source>Product structure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Component</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SampleAssembly</name>
    <message>
        <source>Sample assembly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base plate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aluminium 6061</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steel S235</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steel C45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyamide PA6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steel 8.8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base plate.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing block.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing block.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaft.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolt.%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The settings in %1 could not be checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; in the settings file %2 holds &quot;%3&quot;, which cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed. To reset this setting to its default, run: zelsettings reset --store &quot;%1&quot; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset this setting to its default and check again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset and check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were checked and repaired, but the repairs cannot be saved. Start with them for this run only, or quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start without saving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SvgDrawingWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantora drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible edges of the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot draw %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot encode %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewerOptions</name>
    <message>
        <source>Cannot create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The demo viewer: a 3D view, its control center and its settings.
Qt&apos;s standard options are accepted as well, among them -style NAME, -reverse,
-platform NAME and -qwindowgeometry WIDTHxHEIGHT+X+Y.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The INI settings store to use instead of the viewer&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes through the main flows without a display, saving numbered screenshots and one export of each kind into DIR; exits 0 only when every step did what it should.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the texts and numbers, such as fr or en_GB, instead of the system&apos;s. Translations: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tour needs --tour DIR.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewerWindow</name>
    <message>
        <source>Vantora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ExportController</name>
    <message>
        <source>Nothing to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No export tab is chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ModelView</name>
    <message>
        <source>Image preview: %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector preview: %1 x %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometry preview: %1 tri. -&gt; %2 tri.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ProductStructureWidget</name>
    <message>
        <source>%1 kg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::RepairNotice</name>
    <message>
        <source>%1: missing, now &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;, now &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings repaired at start-up: %1. Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file held values that could not be used; they were put back to their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings repaired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings could not be used as stored and were repaired:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run uses the settings below, but none of them is saved, nor any change made to the settings before the viewer closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be read. It was kept as %1; the viewer started with the settings that could be read and the defaults for the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings not saved in this run. Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file damaged; a copy was kept. Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ViewerWindow</name>
    <message>
        <source>Open the sample again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads the sample assembly again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the whole model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a screenshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the view into the export folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use the viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vantora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versions of the viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuts the model along its middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the settings dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag in the view to turn the model and use the wheel to come closer; the settings choose how the mouse turns it.

The button at the top left opens the control center with the viewer&apos;s actions and, under Settings, every settings panel. Tools &gt; Settings opens the same panels in a dialog.

The export tool on the right writes an image, a vector drawing, a bill of materials or the geometry into the export folder; PREVIEW shows the result in the view first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantora demo viewer
Settings library %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaft length: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 triangles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
