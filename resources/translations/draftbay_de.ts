<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../../src/browser/AboutDialog.cpp" line="+42"/>
        <source>Qt %1 (LGPL-3.0)</source>
        <translation>Qt %1 (LGPL-3.0)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Built with</source>
        <translation>Erstellt mit</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>About Quillo Draftbay</source>
        <translation>Über Quillo Draftbay</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillo logo</source>
        <translation>Quillo-Logo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillo Draftbay %1
Sketch browser and editor for the Quillo digital pen</source>
        <translation>Quillo Draftbay %1
Skizzenbrowser und -editor für den digitalen Stift Quillo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The licence text is not installed.</source>
        <translation>Der Lizenztext ist nicht installiert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Credits</source>
        <translation>Danksagungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Firmware version:</source>
        <translation>Firmware-Version:</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../../src/browser/AccessibleNames.cpp" line="+13"/>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
</context>
<context>
    <name>ApplSettings</name>
    <message>
        <location filename="../../src/settings/ApplSettings.cpp" line="+225"/>
        <source>Your settings file could not be read and has been replaced by the factory settings.
The damaged file was kept as 
%1</source>
        <translation>Ihre Einstellungsdatei konnte nicht gelesen werden und wurde durch die Werkseinstellungen ersetzt.
Die beschädigte Datei wurde aufbewahrt als 
%1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+22"/>
        <source>Cannot open settings file 
%1</source>
        <translation>Die Einstellungsdatei kann nicht geöffnet werden: 
%1</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+22"/>
        <source>Parsing error for settings file 
%1</source>
        <translation>Fehler beim Einlesen der Einstellungsdatei 
%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Entry string &quot;%1&quot; does not exist in the settings file.</source>
        <translation>Der Eintrag &quot;%1&quot; ist in der Einstellungsdatei nicht vorhanden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>Der Eintrag %1 hat kein Attribut namens %2 in der 
Einstellungsdatei %3.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Cannot write the settings file %1: the settings would not read back</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: Die Einstellungen ließen sich nicht zurücklesen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ApplicationExport</name>
    <message>
        <location filename="../../src/export/ApplicationExport.cpp" line="+42"/>
        <source>The image is too large to be made.</source>
        <translation>Das Bild ist zu groß, um erstellt zu werden.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The sketch cannot be exported: no folder can be made in %1.</source>
        <translation>Die Skizze kann nicht exportiert werden: In %1 kann kein Ordner erstellt werden.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Exporting document to Photoshop</source>
        <translation>Dokument wird nach Photoshop exportiert</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The sketch cannot be exported to Photoshop:</source>
        <translation>Die Skizze kann nicht nach Photoshop exportiert werden:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Launching Adobe Script...</source>
        <translation>Adobe-Skript wird gestartet...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Photoshop cannot be started: the script %1 %2.</source>
        <translation>Photoshop kann nicht gestartet werden: Das Skript %1 %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>did not start</source>
        <translation>startete nicht</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Exporting document</source>
        <translation>Dokument wird exportiert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The sketch cannot be exported: %1 cannot be written.</source>
        <translation>Die Skizze kann nicht exportiert werden: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%1 cannot be started (%2).</source>
        <translation>%1 kann nicht gestartet werden (%2).</translation>
    </message>
</context>
<context>
    <name>ClickThresholdPage</name>
    <message>
        <location filename="../../src/preferences/ClickThresholdPage.cpp" line="+30"/>
        <source>Click threshold status</source>
        <translation>Status der Klickschwelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click threshold</source>
        <translation>Klickschwelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click threshold test area</source>
        <translation>Testbereich für die Klickschwelle</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Soft</source>
        <translation>Weich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firm</source>
        <translation>Fest</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Connect Quillo to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Schließen Sie Quillo an Ihren Computer an, um die Klickschwelle einzustellen 
Die Klickschwelle legt fest, wie viel Andruck zum Aufzeichnen Ihrer Striche nötig ist</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Zeichnen Sie hier, um die Klickschwelle Ihres Stifts zu testen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Sie müssen die neue Einstellung zuerst übernehmen, bevor Sie sie testen können.</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <location filename="../../src/browser/DirView.cpp" line="+65"/>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>My Sketches</source>
        <translation>My Sketches</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>&amp;Move sketches to local folder</source>
        <translation>Skizzen in lokalen Ordner &amp;verschieben</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Are you sure you want to overwrite file</source>
        <translation>Möchten Sie wirklich folgende Datei überschreiben:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to copy file</source>
        <translation>Die Datei konnte nicht kopiert werden</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <location filename="../../src/export/DocumentExport.cpp" line="+125"/>
        <source>Saving document as </source>
        <translation>Dokument wird gespeichert als </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file name has no suffix that names an image format.</source>
        <translation>Der Dateiname hat keine Endung, die ein Bildformat bezeichnet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The image is too large to be made.</source>
        <translation>Das Bild ist zu groß, um erstellt zu werden.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>failed saving pixmap</source>
        <translation>Speichern der Pixmap fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Saving document as PDF</source>
        <translation>Dokument wird als PDF gespeichert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The PDF could not be made.</source>
        <translation>Das PDF konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+14"/>
        <source>Unable to save file</source>
        <translation>Die Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Saving document as SVG</source>
        <translation>Dokument wird als SVG gespeichert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The SVG could not be made.</source>
        <translation>Das SVG konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <location filename="../../src/browser/EditorSession.cpp" line="+51"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Document As</source>
        <translation>Dokument speichern unter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotate Clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotate Counterclockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as Different Format</source>
        <translation>In anderem Format speichern</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>&amp;Export to</source>
        <translation>&amp;Exportieren nach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exportieren nach</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Die Datei wurde geändert. Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Die Datei wurde geändert. Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quillo files (*.vmr)</source>
        <translation>Quillo-Dateien (*.vmr)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+2"/>
        <source>Saving document</source>
        <translation>Dokument wird gespeichert</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unable to save file</source>
        <translation>Die Datei kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>FileNameQuestion</name>
    <message>
        <location filename="../../src/export/FileNameQuestion.cpp" line="+33"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <location filename="../../src/browser/FolderTreeModel.cpp" line="+229"/>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>GifEncoder</name>
    <message>
        <location filename="../../src/replay/GifEncoder.cpp" line="+52"/>
        <source>A GIF cannot be %1 × %2 pixels.</source>
        <translation>Ein GIF kann nicht %1 × %2 Pixel groß sein.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The frame does not fit the animation.</source>
        <translation>Das Einzelbild passt nicht zur Animation.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The animation was not begun.</source>
        <translation>Die Animation wurde nicht begonnen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The GIF could not be written: %1</source>
        <translation>Das GIF konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <location filename="../../src/settings/WindowsApps.cpp" line="+169"/>
        <source>info copy </source>
        <translation>Info-Kopie </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Illustrator plug-in could not be copied to %1: %2</source>
        <translation>Das Illustrator-Plug-in konnte nicht nach %1 kopiert werden: %2</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <location filename="../forms/LayerManager.ui" line="+6"/>
        <source>Layer editor</source>
        <translation>Ebeneneditor</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Editor pages</source>
        <translation>Editorseiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit the layers, or replay the strokes</source>
        <translation>Ebenen bearbeiten oder Striche wiedergeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Checked layers are shown; selected layers are highlighted</source>
        <translation>Angehakte Ebenen werden angezeigt; ausgewählte Ebenen werden hervorgehoben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Strokes of the selected layer:</source>
        <translation>Striche der ausgewählten Ebene:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stroke scrubber</source>
        <translation>Strichregler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drag the handles to choose where the layer is cut</source>
        <translation>Ziehen Sie die Griffe, um festzulegen, wo die Ebene geteilt wird</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>First cut</source>
        <translation>Erster Schnitt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Strokes before this one stay in the first part</source>
        <translation>Striche vor diesem bleiben im ersten Teil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Second cut</source>
        <translation>Zweiter Schnitt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Strokes from this one on go to the last part</source>
        <translation>Striche ab diesem kommen in den letzten Teil</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Split</source>
        <translation>&amp;Teilen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Split layer</source>
        <translation>Ebene teilen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut the selected layer at the scrubber&apos;s handles</source>
        <translation>Die ausgewählte Ebene an den Griffen des Strichreglers teilen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Split at &amp;pauses</source>
        <translation>An &amp;Pausen teilen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Split at pauses</source>
        <translation>An Pausen teilen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut the selected layer wherever the pen rested</source>
        <translation>Die ausgewählte Ebene überall dort teilen, wo der Stift geruht hat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Merge layers</source>
        <translation>Ebenen zusammenführen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Join the selected neighbouring layers into one</source>
        <translation>Die ausgewählten benachbarten Ebenen zu einer zusammenfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete layers</source>
        <translation>Ebenen löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the selected layers</source>
        <translation>Die ausgewählten Ebenen löschen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replays the sketch stroke by stroke, in the order it was drawn.</source>
        <translation>Spielt die Skizze Strich für Strich in der Reihenfolge ab, in der sie gezeichnet wurde.</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../src/editor/LayerManager.cpp" line="+552"/>
        <source>File : </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Editor and player</source>
        <translation>Editor und Wiedergabe</translation>
    </message>
    <message>
        <location filename="../../src/editor/LayerManager.cpp" line="-441"/>
        <location filename="../../src/export/SketchLayers.cpp" line="+20"/>
        <source>layer %1</source>
        <translation>Ebene %1</translation>
    </message>
    <message>
        <location line="+300"/>
        <location line="+13"/>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Die ausgewählte Ebene kann nicht geteilt werden – es gibt nichts zu tun!</translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>The pen did not rest longer than %n second(s) in this layer.</source>
        <translation>
            <numerusform>Der Stift hat in dieser Ebene nicht länger als %n Sekunde geruht.</numerusform>
            <numerusform>Der Stift hat in dieser Ebene nicht länger als %n Sekunden geruht.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Nothing to merge</source>
        <translation>Nichts zusammenzuführen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Die ausgewählten Ebenen können nicht zusammengeführt werden. Die Ebenen müssen lückenlos aufeinanderfolgen!</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Layer name:</source>
        <translation>Ebenenname:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>File tag:</source>
        <translation>Schlagwort der Datei:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source> Tag : &quot;</source>
        <translation> Schlagwort: &quot;</translation>
    </message>
    <message>
        <location filename="../../src/editor/LayerViewMenu.cpp" line="+12"/>
        <source>Sketch commands</source>
        <translation>Skizzenbefehle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Zurück zur Vorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zoom In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zoom Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rotate Clockwise</source>
        <translation>Im &amp;Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>&amp;Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Schlagwort &amp;anzeigen/bearbeiten...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open File Location...</source>
        <translation>Dateispeicherort ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Document</source>
        <translation>Dokument &amp;speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Document as...</source>
        <translation>Dokument speichern u&amp;nter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Document as Different Format</source>
        <translation>Dokument in anderem &amp;Format speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export to</source>
        <translation>&amp;Exportieren nach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exportieren nach</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <location filename="../../src/editor/LimitedInputDialog.cpp" line="+11"/>
        <source>Quillo Draftbay</source>
        <translation>Quillo Draftbay</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>String is too long</source>
        <translation>Der Text ist zu lang</translation>
    </message>
</context>
<context>
    <name>ListWidgetNivo</name>
    <message>
        <location filename="../../src/editor/ListWidgetNivo.cpp" line="+16"/>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layer menu</source>
        <translation>Ebenenmenü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete layer</source>
        <translation>Ebene &amp;löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rename layer...</source>
        <translation>Ebene &amp;umbenennen...</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <location filename="../../src/browser/LiveView.cpp" line="+112"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Live view</source>
        <translation>Live-Ansicht</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Live view status</source>
        <translation>Status der Live-Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop live view</source>
        <translation>Live-Ansicht beenden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Draw on the sheet: the strokes appear here as you draw.</source>
        <translation>Zeichnen Sie auf dem Blatt: Die Striche erscheinen hier, während Sie zeichnen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver did not start live mode.</source>
        <translation>Der Empfänger hat den Live-Modus nicht gestartet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The receiver was disconnected.</source>
        <translation>Die Verbindung zum Empfänger wurde getrennt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting live mode...</source>
        <translation>Live-Modus wird gestartet...</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close live view</source>
        <translation>Live-Ansicht schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Live view stopped.</source>
        <translation>Live-Ansicht beendet.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keep the strokes of this live session as the document &quot;%1&quot; in &quot;%2&quot;?</source>
        <translation>Die Striche dieser Live-Sitzung als Dokument &quot;%1&quot; in &quot;%2&quot; behalten?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unable to save file</source>
        <translation>Die Datei kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>LiveViewController</name>
    <message>
        <location line="+12"/>
        <source>Live view</source>
        <translation>Live-Ansicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>See what the pen draws, as it draws (needs the receiver)</source>
        <translation>Sehen, was der Stift zeichnet, während er zeichnet (erfordert den Empfänger)</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <location filename="../../src/export/Mail.cpp" line="+136"/>
        <source>No mail program can be reached: the desktop offers no e-mail portal and xdg-email (xdg-utils) is not installed.</source>
        <translation>Es ist kein E-Mail-Programm erreichbar: Die Arbeitsumgebung bietet kein E-Mail-Portal, und xdg-email (xdg-utils) ist nicht installiert.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No mail program is set up on this computer: no program is chosen for writing e-mails (mailto: links).</source>
        <translation>Auf diesem Computer ist kein E-Mail-Programm eingerichtet: Es ist kein Programm zum Schreiben von E-Mails (mailto:-Links) ausgewählt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The mail program could not be started (%1).</source>
        <translation>Das E-Mail-Programm konnte nicht gestartet werden (%1).</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The PDF to attach cannot be written: the folder %1 cannot be made.</source>
        <translation>Das anzuhängende PDF kann nicht geschrieben werden: Der Ordner %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sketch cannot be sent by e-mail.</source>
        <translation>Die Skizze kann nicht per E-Mail gesendet werden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/browser/MainWindow.cpp" line="+64"/>
        <location line="+447"/>
        <source>Quillo Draftbay</source>
        <translation>Quillo Draftbay</translation>
    </message>
    <message>
        <location line="-404"/>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User&apos;s Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Quillo</source>
        <translation>Über Quillo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File System Tree</source>
        <translation>Dateisystembaum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+377"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location line="-376"/>
        <location line="+258"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>Important Product Information</source>
        <translation>Wichtige Produktinformationen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillo Tutorial</source>
        <translation>Quillo-Tutorial</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main</source>
        <translation>Hauptleiste</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Loading sketches</source>
        <translation>Skizzen werden geladen</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>Smaller thumbnails</source>
        <translation>Kleinere Vorschaubilder</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>Larger thumbnails</source>
        <translation>Größere Vorschaubilder</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom in or out</source>
        <translation>Vergrößern oder verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thumbnail size</source>
        <translation>Vorschaubildgröße</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Sketch</source>
        <translation>Vorherige Skizze</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+PgUp</source>
        <translation>Ctrl+PgUp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Sketch</source>
        <translation>Nächste Skizze</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+PgDown</source>
        <translation>Ctrl+PgDown</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Back to sketches</source>
        <translation>Zurück zu den Skizzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload Folder</source>
        <translation>Ordner neu laden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+150"/>
        <location line="+152"/>
        <source>%1 - Quillo Draftbay</source>
        <translation>%1 - Quillo Draftbay</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>The folder %1 was removed; showing %2 instead.</source>
        <translation>Der Ordner %1 wurde entfernt; stattdessen wird %2 angezeigt.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sketches (%1)</source>
        <translation>Skizzen (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open directory</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The file is not a readable sketch.</source>
        <translation>Die Datei ist keine lesbare Skizze.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sketch cannot be opened:</source>
        <translation>Die Skizze kann nicht geöffnet werden:</translation>
    </message>
</context>
<context>
    <name>Mp4Encoder</name>
    <message>
        <location filename="../../src/replay/Mp4Encoder.cpp" line="+102"/>
        <source>An MP4 video needs an even width and height, not %1 × %2 pixels.</source>
        <translation>Ein MP4-Video benötigt eine gerade Breite und Höhe, nicht %1 × %2 Pixel.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The MP4 format is not available</source>
        <translation>Das MP4-Format ist nicht verfügbar</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+59"/>
        <location line="+45"/>
        <source>Not enough memory to encode the video.</source>
        <translation>Nicht genügend Speicher, um das Video zu kodieren.</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+103"/>
        <source>The video could not be started</source>
        <translation>Das Video konnte nicht begonnen werden</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>The frame does not fit the video.</source>
        <translation>Das Einzelbild passt nicht zum Video.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+134"/>
        <source>The video could not be encoded</source>
        <translation>Das Video konnte nicht kodiert werden</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>The video was not begun.</source>
        <translation>Das Video wurde nicht begonnen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The video could not be finished</source>
        <translation>Das Video konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No video encoder for MP4 could be opened.</source>
        <translation>Es konnte kein Video-Encoder für MP4 geöffnet werden.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The frames cannot be converted for the video.</source>
        <translation>Die Einzelbilder können nicht für das Video umgewandelt werden.</translation>
    </message>
    <message>
        <location filename="../../src/replay/Mp4Module.cpp" line="+101"/>
        <source>MP4 videos cannot be made: the video module could not be loaded (%1).</source>
        <translation>MP4-Videos können nicht erstellt werden: Das Videomodul konnte nicht geladen werden (%1).</translation>
    </message>
</context>
<context>
    <name>OpenRasterWriter</name>
    <message>
        <location filename="../../src/export/OpenRasterWriter.cpp" line="+193"/>
        <location line="+11"/>
        <source>The picture is empty or too large to be made.</source>
        <translation>Das Bild ist leer oder zu groß, um erstellt zu werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A picture could not be encoded.</source>
        <translation>Ein Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saving document as OpenRaster</source>
        <translation>Dokument wird als OpenRaster gespeichert</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unable to save file</source>
        <translation>Die Datei kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>OtherFormats</name>
    <message>
        <location filename="../../src/export/OtherFormats.cpp" line="+33"/>
        <source>PNG file (*.png);; JPEG file (*.jpg);; PDF file (*.pdf);; SVG file (*.svg );; BMP file (*.bmp);; TIFF file (*.tiff)</source>
        <translation>PNG-Datei (*.png);; JPEG-Datei (*.jpg);; PDF-Datei (*.pdf);; SVG-Datei (*.svg );; BMP-Datei (*.bmp);; TIFF-Datei (*.tiff)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Printing Sketch</source>
        <translation>Skizze wird gedruckt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>Der Drucker konnte nicht gestartet werden; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sketch could not be sent to the printer.</source>
        <translation>Die Skizze konnte nicht an den Drucker gesendet werden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save document as </source>
        <translation>Dokument speichern als </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Invlaid extension</source>
        <translation>Ungültige Dateiendung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was not saved: &quot;%2&quot; is not a format that can be written.
End the file name in one of %3.</source>
        <translation>%1 wurde nicht gespeichert: &quot;%2&quot; ist kein Format, das geschrieben werden kann.
Beenden Sie den Dateinamen mit einer dieser Endungen: %3.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is no default printer.</source>
        <translation>Es gibt keinen Standarddrucker.</translation>
    </message>
</context>
<context>
    <name>PagesStrip</name>
    <message>
        <location filename="../forms/PagesStrip.ui" line="+14"/>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page number; press Enter to go there</source>
        <translation>Seitennummer; drücken Sie die Eingabetaste, um dorthin zu wechseln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+3"/>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sketches shown of the folder&apos;s sketches</source>
        <translation>Angezeigte Skizzen von allen Skizzen des Ordners</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N-M/TOTAL</source>
        <translation>N-M/TOTAL</translation>
    </message>
    <message>
        <location filename="../../src/browser/PagesStrip.cpp" line="+29"/>
        <source>%1–%2 of %3</source>
        <translation>%1–%2 von %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> of %1</source>
        <translation> von %1</translation>
    </message>
</context>
<context>
    <name>PlayerDocument</name>
    <message>
        <location filename="../forms/PlayerDocument.ui" line="+14"/>
        <location line="+3"/>
        <source>Stroke player</source>
        <translation>Strich-Wiedergabe</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The sketch as replayed; drag to move it</source>
        <translation>Die wiedergegebene Skizze; zum Verschieben ziehen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replayed sketch</source>
        <translation>Wiedergegebene Skizze</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Strokes shown; drag to go to another stroke</source>
        <translation>Angezeigte Striche; ziehen, um zu einem anderen Strich zu wechseln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replay position</source>
        <translation>Wiedergabeposition</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+3"/>
        <source>Strokes shown</source>
        <translation>Angezeigte Striche</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>0 of 0 strokes</source>
        <translation>0 von 0 Strichen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save the replay as an animated GIF or WebP image or an MP4 video, at this pace</source>
        <translation>Die Wiedergabe in diesem Tempo als animiertes GIF- oder WebP-Bild oder als MP4-Video speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export replay</source>
        <translation>Wiedergabe exportieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export replay…</source>
        <translation>Wiedergabe exportieren…</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+3"/>
        <source>First stroke</source>
        <translation>Erster Strich</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Previous stroke</source>
        <translation>Vorheriger Strich</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../src/editor/PlayerDocument.cpp" line="+261"/>
        <location line="+20"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play or pause</source>
        <translation>Abspielen oder pausieren</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Next stroke</source>
        <translation>Nächster Strich</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Last stroke</source>
        <translation>Letzter Strich</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Replay as drawn</source>
        <translation>Im Originaltempo wiedergeben</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+3"/>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Replay speed; to the right is faster</source>
        <translation>Wiedergabegeschwindigkeit; nach rechts schneller</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+63"/>
        <location line="+3"/>
        <source>Replay speed</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+3"/>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>200 ms a stroke</source>
        <translation>200 ms pro Strich</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+3"/>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location filename="../../src/editor/PlayerDocument.cpp" line="-16"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>%1 of %2 strokes</source>
        <translation>%1 von %2 Strichen</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>%1× as drawn</source>
        <translation>%1× Originaltempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ms a stroke</source>
        <translation>%1 ms pro Strich</translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <location filename="../../src/browser/PreferencesController.cpp" line="+19"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <location filename="../../src/browser/PreviewThumbnailList.cpp" line="+64"/>
        <source>Sketches</source>
        <translation>Skizzen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Sketch commands</source>
        <translation>Skizzenbefehle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit Layers</source>
        <translation>Ebenen &amp;bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Copy to...</source>
        <translation>&amp;Kopieren nach...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open file location...</source>
        <translation>Dateispeicherort ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save Document as...</source>
        <translation>Dokument &amp;speichern unter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save as Di&amp;fferent Format</source>
        <translation>In anderem &amp;Format speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Export to</source>
        <translation>&amp;Exportieren nach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exportieren nach</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>The file is not a readable sketch.</source>
        <translation>Die Datei ist keine lesbare Skizze.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>No sketches in this folder</source>
        <translation>Keine Skizzen in diesem Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sketches from the pen appear in the folder &quot;My Sketches&quot; on the receiver&apos;s disc when it is plugged in.</source>
        <translation>Skizzen vom Stift erscheinen im Ordner &quot;My Sketches&quot; auf dem Laufwerk des Empfängers, wenn er angeschlossen ist.</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Open directory for copy</source>
        <translation>Ordner für die Kopie öffnen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Rename file:</source>
        <translation>Datei umbenennen:</translation>
    </message>
    <message>
        <location filename="../../src/browser/SketchFileOperations.cpp" line="+35"/>
        <source>The new name is empty.</source>
        <translation>Der neue Name ist leer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>&quot;%1&quot; ist kein Dateiname.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Ein Name darf weder &quot;/&quot; noch &quot;\&quot; enthalten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The new name is too long.</source>
        <translation>Der neue Name ist zu lang.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to delete this file?</source>
        <translation>Möchten Sie diese Datei löschen?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to delete file</source>
        <translation>Die Datei konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+77"/>
        <source>Are you sure you want to overwrite file</source>
        <translation>Möchten Sie wirklich folgende Datei überschreiben:</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Failed to copy</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <location line="+8"/>
        <source>Failed to rename file</source>
        <translation>Die Datei konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>A file of that name exists already.</source>
        <translation>Eine Datei mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Are you sure you want to merge</source>
        <translation>Möchten Sie wirklich Folgendes zusammenführen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and</source>
        <translation> und</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> files</source>
        <translation> Dateien</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unable to merge</source>
        <translation>Zusammenführen nicht möglich</translation>
    </message>
</context>
<context>
    <name>PsdWriter</name>
    <message>
        <location filename="../../src/export/PsdWriter.cpp" line="+251"/>
        <location line="+10"/>
        <source>The picture is empty or too large to be made.</source>
        <translation>Das Bild ist leer oder zu groß, um erstellt zu werden.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Saving document as Photoshop image</source>
        <translation>Dokument wird als Photoshop-Bild gespeichert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to save file</source>
        <translation>Die Datei kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>QuilloDeviceObserver</name>
    <message>
        <location filename="../../src/device/ReceiverTexts.cpp" line="+11"/>
        <source>Invalid battery state</source>
        <translation>Ungültiger Akkuzustand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery not operational</source>
        <translation>Akku nicht betriebsbereit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery is critically low</source>
        <translation>Akkuladung ist kritisch niedrig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery charging</source>
        <translation>Akku wird geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery full</source>
        <translation>Akku voll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not charging low current</source>
        <translation>Keine Ladung: Ladestrom zu gering</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Receiver temperature is too high</source>
        <translation>Warnung! Ihr Quillo-Empfänger wird nicht geladen. Die Temperatur des Empfängers ist zu hoch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Receiver temperature is too low</source>
        <translation>Warnung! Ihr Quillo-Empfänger wird nicht geladen. Die Temperatur des Empfängers ist zu niedrig</translation>
    </message>
</context>
<context>
    <name>ReceiverPositionPicture</name>
    <message>
        <location filename="../../src/preferences/ReceiverPositionPicture.cpp" line="+30"/>
        <source>Receiver position</source>
        <translation>Position des Empfängers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click where the receiver is clipped to the sheet</source>
        <translation>Klicken Sie dorthin, wo der Empfänger am Blatt befestigt ist</translation>
    </message>
</context>
<context>
    <name>ReceiverStatus</name>
    <message>
        <location filename="../../src/browser/ReceiverStatus.cpp" line="+85"/>
        <source>Receiver battery</source>
        <translation>Empfänger-Akku</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>The Quillo receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Der Quillo-Empfänger hat sich abgeschaltet. Bitte geben Sie Speicher auf dem Empfänger frei.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unit was shut down due to low battery.</source>
        <translation>Das Gerät wurde wegen niedrigen Akkustands abgeschaltet.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Warning! Your Quillo receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Warnung! Ihr Quillo-Empfänger wird nicht geladen. Wenn Sie den Empfänger laden möchten, schließen Sie ihn bitte erneut an einen USB-Anschluss mit Stromversorgung an.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Warnung! Ihr Quillo-Empfänger wird nicht geladen. Entweder ist der Akku defekt oder er ist nicht richtig angeschlossen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Der Akkustand ist kritisch. Bitte laden Sie den Empfänger mindestens 30 Minuten lang.</translation>
    </message>
</context>
<context>
    <name>ReplayExport</name>
    <message>
        <location filename="../../src/replay/ReplayExport.cpp" line="+48"/>
        <source>The width must be from %1 to %2 pixels, not %3.</source>
        <translation>Die Breite muss zwischen %1 und %2 Pixel liegen, nicht %3.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The speed must be from %1 to %2 times as drawn.</source>
        <translation>Die Geschwindigkeit muss das %1- bis %2-Fache des Originaltempos betragen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each stroke must take some time.</source>
        <translation>Jeder Strich muss eine gewisse Zeit dauern.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 names no animation format; end it in .gif, .webp or .mp4.</source>
        <translation>%1 bezeichnet kein Animationsformat; verwenden Sie die Endung .gif, .webp oder .mp4.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sketch is not loaded.</source>
        <translation>Die Skizze ist nicht geladen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sketch has no strokes to replay.</source>
        <translation>Die Skizze enthält keine Striche zum Wiedergeben.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The strokes of this sketch do not match its ink; it can be replayed at a fixed pace only.</source>
        <translation>Die Striche dieser Skizze passen nicht zu ihrer Tinte; sie kann nur mit festem Tempo wiedergegeben werden.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ReplayExportQuestion</name>
    <message>
        <location filename="../../src/editor/ReplayExportQuestion.cpp" line="+22"/>
        <source>GIF animation (*.gif);;WebP animation (*.webp);;MP4 video (*.mp4)</source>
        <translation>GIF-Animation (*.gif);;WebP-Animation (*.webp);;MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Export replay</source>
        <translation>Wiedergabe exportieren</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Saving the replay as %1</source>
        <translation>Wiedergabe wird als %1 gespeichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The replay was not saved as %1.
%2</source>
        <translation>Die Wiedergabe wurde nicht als %1 gespeichert.
%2</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <location filename="../../src/preferences/SettingsDlg.cpp" line="+82"/>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mapping</source>
        <translation>Zuordnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Threshold</source>
        <translation>Klickschwelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Paper size</source>
        <translation>Papiergröße</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Paper size:</source>
        <translation>Papiergröße:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orientation:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Receiver position on the sheet:</source>
        <translation>Position des Empfängers auf dem Blatt:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Pen width</source>
        <translation>Stiftbreite</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ball point size</source>
        <translation>Größe der Kugelspitze</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pen colour</source>
        <translation>Stiftfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight colour</source>
        <translation>Hervorhebungsfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scrubber left colour</source>
        <translation>Farbe des Strichreglers links</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scrubber middle colour</source>
        <translation>Farbe des Strichreglers Mitte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scrubber right colour</source>
        <translation>Farbe des Strichreglers rechts</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pen width:</source>
        <translation>Stiftbreite:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ball point size (mm):</source>
        <translation>Größe der Kugelspitze (mm):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Start folder</source>
        <translation>Startordner</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the start folder</source>
        <translation>Startordner auswählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Receiver clock</source>
        <translation>Empfängeruhr</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set the receiver clock</source>
        <translation>Die Uhr des Empfängers stellen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start folder:</source>
        <translation>Startordner:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver clock:</source>
        <translation>Empfängeruhr:</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Select Working Directory</source>
        <translation>Arbeitsordner auswählen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>In order to apply your language selection you have to click &quot;OK&quot;
 on &quot;Setting&quot; dialog and re-start application</source>
        <translation>Um Ihre Sprachauswahl zu übernehmen, müssen Sie im Dialog &quot;Einstellungen&quot; auf &quot;OK&quot; klicken
 und die Anwendung neu starten</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it.</source>
        <translation>Sie haben die Empfindlichkeit der Spitze geändert und die aktuelle 
Einstellung nicht getestet. Klicken Sie auf &quot;OK&quot;, um ohne 
Test fortzufahren. Klicken Sie auf &quot;Übernehmen&quot;, um die Einstellung
 anzuwenden und zu testen.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Failed to update the click threshold.</source>
        <translation>Die Klickschwelle konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Der Andruckwert konnte nicht abgerufen werden.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>Der Empfänger ist nicht mit einem USB-Anschluss verbunden; die Echtzeituhr kann nicht aktualisiert werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>Möchten Sie die Uhreinstellung auf den Empfänger übertragen?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Failed to update Real-time clock!</source>
        <translation>Die Echtzeituhr konnte nicht aktualisiert werden!</translation>
    </message>
</context>
<context>
    <name>SketchBackupController</name>
    <message>
        <location filename="../../src/browser/SketchBackupController.cpp" line="+26"/>
        <source>Open destination folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to move your sketches to 
</source>
        <translation>Möchten Sie Ihre Skizzen wirklich in den Ordner 
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> folder?</source>
        <translation> verschieben?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder
%1</source>
        <translation>Der Ordner konnte nicht erstellt werden:
%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These sketches could not be moved and stay where they were:
%1</source>
        <translation>Diese Skizzen konnten nicht verschoben werden und bleiben an ihrem bisherigen Ort:
%1</translation>
    </message>
</context>
<context>
    <name>SketchMove</name>
    <message>
        <location filename="../../src/browser/SketchMove.cpp" line="+23"/>
        <source>Moving the sketches to the computer...</source>
        <translation>Skizzen werden auf den Computer verschoben...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SketchViewer</name>
    <message>
        <location filename="../../src/editor/SketchViewer.cpp" line="+36"/>
        <source>Back to sketches</source>
        <translation>Zurück zu den Skizzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sketch view</source>
        <translation>Skizzenansicht</translation>
    </message>
</context>
<context>
    <name>SpanSlider</name>
    <message>
        <location filename="../../src/editor/SpanSlider.cpp" line="+21"/>
        <source>Span</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <location line="+282"/>
        <source>From %1 to %2 of %3</source>
        <translation>Von %1 bis %2 von %3</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <location filename="../../src/app/StartUp.cpp" line="+80"/>
        <source>The factory settings file does not exists</source>
        <translation>Die Datei mit den Werkseinstellungen ist nicht vorhanden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Problem to copy the factory settings</source>
        <translation>Problem beim Kopieren der Werkseinstellungen</translation>
    </message>
</context>
<context>
    <name>ThumbnailItem</name>
    <message>
        <location filename="../../src/browser/ThumbnailItem.cpp" line="+109"/>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <location filename="../../src/browser/TrayController.cpp" line="+15"/>
        <source>Tray menu</source>
        <translation>Menü im Infobereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Quillo Draftbay is connected</source>
        <translation>Quillo Draftbay ist verbunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quillo Draftbay is disconnected</source>
        <translation>Quillo Draftbay ist nicht verbunden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillo Draftbay</source>
        <translation>Quillo Draftbay</translation>
    </message>
</context>
<context>
    <name>WebpEncoder</name>
    <message>
        <location filename="../../src/replay/WebpEncoder.cpp" line="+37"/>
        <source>A WebP image cannot be %1 × %2 pixels.</source>
        <translation>Ein WebP-Bild kann nicht %1 × %2 Pixel groß sein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+20"/>
        <source>The installed WebP library does not match the one built against.</source>
        <translation>Die installierte WebP-Bibliothek stimmt nicht mit derjenigen überein, mit der das Programm erstellt wurde.</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+20"/>
        <source>Not enough memory to encode the WebP animation.</source>
        <translation>Nicht genügend Speicher, um die WebP-Animation zu kodieren.</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The frame does not fit the animation.</source>
        <translation>Das Einzelbild passt nicht zur Animation.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The animation was not begun.</source>
        <translation>Die Animation wurde nicht begonnen.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The WebP animation could not be encoded: %1</source>
        <translation>Die WebP-Animation konnte nicht kodiert werden: %1</translation>
    </message>
</context>
</TS>
