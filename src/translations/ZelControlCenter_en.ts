<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message>
        <source>Export as image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are currently using software rendering mode. This mode allow you to run Vantora without using graphics card however it has some limitation described in the &lt;a href=&quot;User manual&quot;&gt;documentation&lt;/a&gt;.You can also contact &lt;a href=&quot;https://support.vantora.example/contact&quot;&gt;client support&lt;/a&gt; for more information about rendering modes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlCenter</name>
    <message>
        <source>Application Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resets all parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applies your changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportScheduler</name>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportSettingsWidget</name>
    <message>
        <source>%1 tri. in scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tri. (before)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
 %1 tri. (after)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
 simplification ratio %1 % (after)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeaderSelectorWidget</name>
    <message>
        <source>ExportSettingsWidget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To be exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLEAR ALL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenshotProfileWidget</name>
    <message>
        <source>4096 x 2160</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2560 x 1600)</source>
        <translation>2560 x 1600</translation>
    </message>
    <message>
        <source>1920 x 1080</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1600 x 1200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1280 x 720</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800 x 600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320 x 200</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectAttributeNameMenu</name>
    <message>
        <source>Instance name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Component name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Component and Instance name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Modification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to restart your application to turn settings modification effective.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes could not be saved; they are still pending.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelControlCenter</name>
    <message>
        <source>Settings Modification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to restart your application to turn settings modification effective.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have pending modifications. Discard your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the settings of the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not use the Vantora log file, file &quot;%1&quot; could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not use the 3D database cache, folder &quot;%1&quot; could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create compulsory folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %2 of the settings file &quot;%1&quot; cannot be read safely; correct or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written to the settings file &quot;%2&quot; without changing the lines around it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is being changed by another program; try again when it has finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings store &quot;%1&quot; could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes could not be saved; they are still pending.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelExportSettingsPanel</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector graphics export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metadata export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometry export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supersampling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Override bg color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Override background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREVIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salient edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salient edge color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salient edge width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silhouette edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silhouette edge color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silhouette edge width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set SVG export parameters to default value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More export options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Comma separated value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV French Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scattered export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export all final part in separate files and a master file which reference the separate files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No simplification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplification ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target no. triangles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n/a tri. -&gt; n/a tri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden branch </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the product structure branches that contains no visible geometries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure export settings by category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vectorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3 portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A5 portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A5 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT</source>
        <comment>panel name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size in pixels of the exported image, from 320 x 200 to 4096 x 2160.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renders the image larger and scales it down for smoother edges: none, 4, 8 or 16 times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background colour of the exported image while Override bg color is on: any colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size of the vector drawing: A3, A4 or A5, portrait or landscape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour and line width of the sharp edges in the vector drawing, from 0.01 to 10 mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the sharp edges in the vector drawing: any colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line width of the sharp edges in the vector drawing, from 0.01 to 10 mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour and line width of the outline of the model in the vector drawing, from 0.01 to 10 mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the outline of the model in the vector drawing: any colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line width of the outline of the model in the vector drawing, from 0.01 to 10 mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separators of the bill of materials: commas and points, or semicolons and commas as French spreadsheets read them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes written as the columns of the bill of materials, in this order: any of the model&apos;s attributes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes every final part to a file of its own, with a master file that references them; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduces the triangles of the exported geometry: not at all, to a ratio from 1 to 99 %, or to a target number of triangles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the branches of the product structure that hold no visible geometry; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelGeneralSettingsPanel</name>
    <message>
        <source>Adapt the quality and performances of your display to your needs and your material.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendering Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFTWARE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are currently in software rendering mode. This mode allows you to run Vantora without using graphics card however it has some limitations described in the documentation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendering parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat shading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill cut plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display right tool panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product structure panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display left product structure panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product structure naming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max CPU memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Mo</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>Max CPU Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max GPU Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max triangles nb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GENERAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please set your database cache folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set your log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centimer (cm)</source>
        <translation>Centimeter (cm)</translation>
    </message>
    <message>
        <source>Meter (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch (in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arcball mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examine mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renders with the graphics card; a change takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renders with the processor alone, without the graphics card; a change takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour behind the model in the 3D view: any colour, opaque or see-through.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooths the jagged edges of the model in the 3D view; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws a line along the edges of the model in the 3D view; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lights each face in one flat tone instead of smooth shading; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the faces that a section plane cuts, so that the cut model looks solid; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names the nodes of the product structure after their instance, their component, or both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit in which lengths are shown: millimetre, centimetre, metre or inch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How a drag in the 3D view turns the camera: arcball or examine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processor cores that the software renderer uses, from 1 to the cores of this machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main memory that the 3D data may take, from 128 to 8096 Mo.</source>
        <translation>Main memory that the 3D data may take, from 128 to 8096 MB.</translation>
    </message>
    <message>
        <source>Main memory that the ray tracer may take, from 128 to 8096 Mo.</source>
        <translation>Main memory that the ray tracer may take, from 128 to 8096 MB.</translation>
    </message>
    <message>
        <source>Graphics memory that the renderer may take, from 128 to 8096 Mo.</source>
        <translation>Graphics memory that the renderer may take, from 128 to 8096 MB.</translation>
    </message>
    <message>
        <source>Number of triangles that the renderer keeps on screen, from 50000 to 500000000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest size of the 3D database cache, from 10 to 102400 Mo.</source>
        <translation>Largest size of the 3D database cache, from 10 to 102400 MB.</translation>
    </message>
    <message>
        <source>Folder that holds the 3D database cache; a new folder is used from the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File in which the application writes its log; a new file is used from the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of decimals shown for lengths, from 0 to 10.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelImportSettingsPanel</name>
    <message>
        <source>Setup the import options of your models like tessellation parameters and specific import parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load hidden objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load annotations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute face contouring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tesselation</source>
        <translation>Tessellation</translation>
    </message>
    <message>
        <source>Tessellation Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Face Sag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Face Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Face Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imports the objects that the model keeps hidden; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imports the annotations of the model, such as notes and dimensions; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computes the outlines of the faces while the model is imported; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy of the triangles that stand for curved surfaces: the importer&apos;s default, high or low.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest angle between neighbouring triangles of a curved surface, from 0 to 359 degrees, or the importer&apos;s default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest gap between a curved surface and its triangles, from 0 to 100, or the importer&apos;s default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest side of a triangle of the tessellation, from 0 to 100, or the importer&apos;s default.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelLockedRows</name>
    <message>
        <source>Set by your administrator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelManagedSettings</name>
    <message>
        <source>&quot;%1&quot; cannot be read; it is ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %2 of &quot;%1&quot; cannot be read safely; it is ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%2&quot; in &quot;%1&quot; is not a known setting; it is ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of &quot;%2&quot; in &quot;%1&quot; is not text; it is ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%3&quot; is not a valid value of &quot;%2&quot; in &quot;%1&quot;; it is ignored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelPrivacySettingsPanel</name>
    <message>
        <source>Manage your privacy settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help us improve Vantora user experience by allowing tracking of anonymous usage data. The data will be used to improve Vantora user experience, if you want to see the content of an usage report, you can save a copy by &lt;a href=&quot;usageReport&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;clicking here&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send technical usage data </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Your privacy is important to us, and we take our responsibility of caring for it seriously. To learn more visit &lt;a href=&quot;%1&quot;&gt;privacy policy section.&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;To access to Microsoft Store privacy policy visit &lt;a href=&quot;%1&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;%1&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIVACY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The activity report could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends anonymous data on how the application is used, to help improve it; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelSettingsPanel</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ZelExportSettingsPanel</name>
    <message>
        <source>No column</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ZelGeneralSettingsPanel</name>
    <message>
        <source>%1 core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ZelSettingRow</name>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not the default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs a restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This change takes effect the next time the application starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset %1 to default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed, not applied yet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to default: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zel::ZelSettingsGuide</name>
    <message>
        <source>These settings take effect only after a restart: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending changes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds the settings whose name, description or key holds the words typed; Escape clears the search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No setting matches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
