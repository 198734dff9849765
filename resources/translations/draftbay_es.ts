<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Compilado con</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>About Quillo Draftbay</source>
        <translation>Acerca de Quillo Draftbay</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillo logo</source>
        <translation>Logotipo de Quillo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillo Draftbay %1
Sketch browser and editor for the Quillo digital pen</source>
        <translation>Quillo Draftbay %1
Explorador y editor de bocetos para el lápiz digital Quillo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version</source>
        <translation>Versión del firmware</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The licence text is not installed.</source>
        <translation>El texto de la licencia no está instalado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Firmware version:</source>
        <translation>Versión del firmware:</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../../src/browser/AccessibleNames.cpp" line="+13"/>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
</context>
<context>
    <name>ApplSettings</name>
    <message>
        <location filename="../../src/settings/ApplSettings.cpp" line="+225"/>
        <source>Your settings file could not be read and has been replaced by the factory settings.
The damaged file was kept as 
%1</source>
        <translation>No se pudo leer el archivo de configuración y se ha reemplazado por la configuración de fábrica.
El archivo dañado se ha conservado como 
%1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+22"/>
        <source>Cannot open settings file 
%1</source>
        <translation>No se puede abrir el archivo de configuración 
%1</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+22"/>
        <source>Parsing error for settings file 
%1</source>
        <translation>Error al analizar el archivo de configuración 
%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Entry string &quot;%1&quot; does not exist in the settings file.</source>
        <translation>La entrada &quot;%1&quot; no existe en el archivo de configuración.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>La entrada %1 no tiene ningún atributo llamado %2 en el 
archivo de configuración %3.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Cannot write the settings file %1: the settings would not read back</source>
        <translation>No se puede escribir el archivo de configuración %1: la configuración no se pudo volver a leer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write the settings file %1: %2</source>
        <translation>No se puede escribir el archivo de configuración %1: %2</translation>
    </message>
</context>
<context>
    <name>ApplicationExport</name>
    <message>
        <location filename="../../src/export/ApplicationExport.cpp" line="+42"/>
        <source>The image is too large to be made.</source>
        <translation>La imagen es demasiado grande para poder crearse.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The sketch cannot be exported: no folder can be made in %1.</source>
        <translation>No se puede exportar el boceto: no se puede crear ninguna carpeta en %1.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Exporting document to Photoshop</source>
        <translation>Exportando el documento a Photoshop</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The sketch cannot be exported to Photoshop:</source>
        <translation>No se puede exportar el boceto a Photoshop:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Launching Adobe Script...</source>
        <translation>Iniciando el script de Adobe...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Photoshop cannot be started: the script %1 %2.</source>
        <translation>No se puede iniciar Photoshop: el script %1 %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>is missing</source>
        <translation>no existe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>did not start</source>
        <translation>no se inició</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Exporting document</source>
        <translation>Exportando el documento</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The sketch cannot be exported: %1 cannot be written.</source>
        <translation>No se puede exportar el boceto: no se puede escribir %1.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%1 cannot be started (%2).</source>
        <translation>No se puede iniciar %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ClickThresholdPage</name>
    <message>
        <location filename="../../src/preferences/ClickThresholdPage.cpp" line="+30"/>
        <source>Click threshold status</source>
        <translation>Estado del umbral de clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click threshold</source>
        <translation>Umbral de clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click threshold test area</source>
        <translation>Área de prueba del umbral de clic</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firm</source>
        <translation>Firme</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Connect Quillo to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Conecte Quillo al equipo para ajustar el umbral de clic 
El umbral de clic determina la presión necesaria para registrar sus trazos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Dibuje aquí para probar el umbral de clic de su lápiz</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Antes de probar la nueva configuración, debe hacer clic en Aplicar.</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <location filename="../../src/browser/DirView.cpp" line="+65"/>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>My Sketches</source>
        <translation>My Sketches</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Mover bocetos a una carpeta local</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Are you sure you want to overwrite file</source>
        <translation>¿Está seguro de que desea sobrescribir el archivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to copy file</source>
        <translation>No se pudo copiar el archivo</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <location filename="../../src/export/DocumentExport.cpp" line="+125"/>
        <source>Saving document as </source>
        <translation>Guardando el documento como </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file name has no suffix that names an image format.</source>
        <translation>El nombre del archivo no tiene una extensión que indique un formato de imagen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The image is too large to be made.</source>
        <translation>La imagen es demasiado grande para poder crearse.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>failed saving pixmap</source>
        <translation>error al guardar el mapa de píxeles</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Saving document as PDF</source>
        <translation>Guardando el documento como PDF</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The PDF could not be made.</source>
        <translation>No se pudo crear el PDF.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+14"/>
        <source>Unable to save file</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Saving document as SVG</source>
        <translation>Guardando el documento como SVG</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The SVG could not be made.</source>
        <translation>No se pudo crear el SVG.</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <location filename="../../src/browser/EditorSession.cpp" line="+51"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>Enviar por correo electrónico</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Document As</source>
        <translation>Guardar documento como</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotate Clockwise</source>
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotate Counterclockwise</source>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as Different Format</source>
        <translation>Guardar en otro formato</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>&amp;Export to</source>
        <translation>E&amp;xportar a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exportar a</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>El archivo se ha modificado.  ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>El archivo se ha modificado. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quillo files (*.vmr)</source>
        <translation>Archivos de Quillo (*.vmr)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+2"/>
        <source>Saving document</source>
        <translation>Guardando el documento</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unable to save file</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
</context>
<context>
    <name>FileNameQuestion</name>
    <message>
        <location filename="../../src/export/FileNameQuestion.cpp" line="+33"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <location filename="../../src/browser/FolderTreeModel.cpp" line="+229"/>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
</context>
<context>
    <name>GifEncoder</name>
    <message>
        <location filename="../../src/replay/GifEncoder.cpp" line="+52"/>
        <source>A GIF cannot be %1 × %2 pixels.</source>
        <translation>Un GIF no puede medir %1 × %2 píxeles.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The frame does not fit the animation.</source>
        <translation>El fotograma no se ajusta a la animación.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The animation was not begun.</source>
        <translation>No se ha iniciado la animación.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The GIF could not be written: %1</source>
        <translation>No se pudo escribir el GIF: %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <location filename="../../src/settings/WindowsApps.cpp" line="+169"/>
        <source>info copy </source>
        <translation>copia de información </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Illustrator plug-in could not be copied to %1: %2</source>
        <translation>No se pudo copiar el complemento de Illustrator en %1: %2</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <location filename="../forms/LayerManager.ui" line="+6"/>
        <source>Layer editor</source>
        <translation>Editor de capas</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Editor pages</source>
        <translation>Páginas del editor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit the layers, or replay the strokes</source>
        <translation>Editar las capas o reproducir los trazos</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Checked layers are shown; selected layers are highlighted</source>
        <translation>Las capas marcadas se muestran; las capas seleccionadas se resaltan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Strokes of the selected layer:</source>
        <translation>Trazos de la capa seleccionada:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stroke scrubber</source>
        <translation>Control deslizante de trazos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drag the handles to choose where the layer is cut</source>
        <translation>Arrastre los tiradores para elegir dónde se corta la capa</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>First cut</source>
        <translation>Primer corte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Strokes before this one stay in the first part</source>
        <translation>Los trazos anteriores a este quedan en la primera parte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Second cut</source>
        <translation>Segundo corte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Strokes from this one on go to the last part</source>
        <translation>Los trazos a partir de este pasan a la última parte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Split</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Split layer</source>
        <translation>Dividir capa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut the selected layer at the scrubber&apos;s handles</source>
        <translation>Cortar la capa seleccionada en los tiradores del control deslizante de trazos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Split at &amp;pauses</source>
        <translation>Dividir en &amp;pausas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Split at pauses</source>
        <translation>Dividir en pausas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut the selected layer wherever the pen rested</source>
        <translation>Cortar la capa seleccionada en cada punto en que el lápiz se detuvo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Merge layers</source>
        <translation>Combinar capas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Join the selected neighbouring layers into one</source>
        <translation>Unir en una sola las capas contiguas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete layers</source>
        <translation>Eliminar capas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the selected layers</source>
        <translation>Eliminar las capas seleccionadas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replays the sketch stroke by stroke, in the order it was drawn.</source>
        <translation>Reproduce el boceto trazo a trazo, en el orden en que se dibujó.</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../src/editor/LayerManager.cpp" line="+552"/>
        <source>File : </source>
        <translation>Archivo: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sketch</source>
        <translation>Boceto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Editor and player</source>
        <translation>Editor y reproductor</translation>
    </message>
    <message>
        <location filename="../../src/editor/LayerManager.cpp" line="-441"/>
        <location filename="../../src/export/SketchLayers.cpp" line="+20"/>
        <source>layer %1</source>
        <translation>capa %1</translation>
    </message>
    <message>
        <location line="+300"/>
        <location line="+13"/>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>No se puede dividir la capa seleccionada: ¡no hay nada que hacer!</translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>The pen did not rest longer than %n second(s) in this layer.</source>
        <translation>
            <numerusform>El lápiz no se detuvo más de %n segundo en esta capa.</numerusform>
            <numerusform>El lápiz no se detuvo más de %n segundos en esta capa.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Nothing to merge</source>
        <translation>No hay nada que combinar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>No se pueden combinar las capas seleccionadas.  ¡Las capas deben ser consecutivas!</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Layer name:</source>
        <translation>Nombre de la capa:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>File tag:</source>
        <translation>Etiqueta del archivo:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source> Tag : &quot;</source>
        <translation> Etiqueta: &quot;</translation>
    </message>
    <message>
        <location filename="../../src/editor/LayerViewMenu.cpp" line="+12"/>
        <source>Sketch commands</source>
        <translation>Comandos del boceto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Volver a la vista previa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zoom In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zoom Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rotate Clockwise</source>
        <translation>&amp;Girar en sentido horario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Girar en sentido an&amp;tihorario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Mostrar/&amp;editar etiqueta...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open File Location...</source>
        <translation>Abrir &amp;ubicación del archivo...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Document</source>
        <translation>Guar&amp;dar documento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Document as...</source>
        <translation>Guardar documento &amp;como...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Document as Different Format</source>
        <translation>Guardar documento en &amp;otro formato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export to</source>
        <translation>E&amp;xportar a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exportar a</translation>
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
        <translation>El texto es demasiado largo</translation>
    </message>
</context>
<context>
    <name>ListWidgetNivo</name>
    <message>
        <location filename="../../src/editor/ListWidgetNivo.cpp" line="+16"/>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layer menu</source>
        <translation>Menú de la capa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete layer</source>
        <translation>&amp;Eliminar capa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rename layer...</source>
        <translation>Cambiar &amp;nombre de la capa...</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <location filename="../../src/browser/LiveView.cpp" line="+112"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Live view</source>
        <translation>Vista en vivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Live view status</source>
        <translation>Estado de la vista en vivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop live view</source>
        <translation>Detener la vista en vivo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Draw on the sheet: the strokes appear here as you draw.</source>
        <translation>Dibuje en la hoja: los trazos aparecen aquí a medida que dibuja.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver did not start live mode.</source>
        <translation>El receptor no inició el modo en vivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The receiver was disconnected.</source>
        <translation>El receptor se desconectó.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting live mode...</source>
        <translation>Iniciando el modo en vivo...</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close live view</source>
        <translation>Cerrar la vista en directo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Live view stopped.</source>
        <translation>Vista en vivo detenida.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keep the strokes of this live session as the document &quot;%1&quot; in &quot;%2&quot;?</source>
        <translation>¿Conservar los trazos de esta sesión en vivo como el documento &quot;%1&quot; en &quot;%2&quot;?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unable to save file</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
</context>
<context>
    <name>LiveViewController</name>
    <message>
        <location line="+12"/>
        <source>Live view</source>
        <translation>Vista en vivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>See what the pen draws, as it draws (needs the receiver)</source>
        <translation>Ver lo que dibuja el lápiz mientras dibuja (requiere el receptor)</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <location filename="../../src/export/Mail.cpp" line="+136"/>
        <source>No mail program can be reached: the desktop offers no e-mail portal and xdg-email (xdg-utils) is not installed.</source>
        <translation>No se puede acceder a ningún programa de correo: el escritorio no ofrece ningún portal de correo electrónico y xdg-email (xdg-utils) no está instalado.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No mail program is set up on this computer: no program is chosen for writing e-mails (mailto: links).</source>
        <translation>No hay ningún programa de correo configurado en este equipo: no se ha elegido ningún programa para escribir correos electrónicos (enlaces mailto:).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The mail program could not be started (%1).</source>
        <translation>No se pudo iniciar el programa de correo (%1).</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The PDF to attach cannot be written: the folder %1 cannot be made.</source>
        <translation>No se puede escribir el PDF que se va a adjuntar: no se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sketch cannot be sent by e-mail.</source>
        <translation>No se puede enviar el boceto por correo electrónico.</translation>
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
        <translation>&amp;Abrir archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User&apos;s Manual</source>
        <translation>Manual del usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Quillo</source>
        <translation>Acerca de Quillo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File System Tree</source>
        <translation>Árbol del sistema de archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Atrás</translation>
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
        <translation>Adelante</translation>
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
        <translation>Información importante sobre el producto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillo Tutorial</source>
        <translation>Tutorial de Quillo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Loading sketches</source>
        <translation>Cargando bocetos</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>Smaller thumbnails</source>
        <translation>Miniaturas más pequeñas</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>Larger thumbnails</source>
        <translation>Miniaturas más grandes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom in or out</source>
        <translation>Acercar o alejar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thumbnail size</source>
        <translation>Tamaño de las miniaturas</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Sketch</source>
        <translation>Boceto anterior</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+PgUp</source>
        <translation>Ctrl+PgUp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Sketch</source>
        <translation>Boceto siguiente</translation>
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
        <translation>Ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fit to Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Back to sketches</source>
        <translation>Volver a los bocetos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload Folder</source>
        <translation>Volver a cargar la carpeta</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Help</source>
        <translation>Ayuda</translation>
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
        <translation>La carpeta %1 se ha eliminado; se muestra %2 en su lugar.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sketches (%1)</source>
        <translation>Bocetos (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open directory</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The file is not a readable sketch.</source>
        <translation>El archivo no es un boceto legible.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sketch cannot be opened:</source>
        <translation>No se puede abrir el boceto:</translation>
    </message>
</context>
<context>
    <name>Mp4Encoder</name>
    <message>
        <location filename="../../src/replay/Mp4Encoder.cpp" line="+102"/>
        <source>An MP4 video needs an even width and height, not %1 × %2 pixels.</source>
        <translation>Un video MP4 necesita un ancho y un alto pares, no %1 × %2 píxeles.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The MP4 format is not available</source>
        <translation>El formato MP4 no está disponible</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+59"/>
        <location line="+45"/>
        <source>Not enough memory to encode the video.</source>
        <translation>No hay suficiente memoria para codificar el video.</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+103"/>
        <source>The video could not be started</source>
        <translation>No se pudo iniciar el video</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>The frame does not fit the video.</source>
        <translation>El fotograma no se ajusta al video.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+134"/>
        <source>The video could not be encoded</source>
        <translation>No se pudo codificar el video</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>The video was not begun.</source>
        <translation>No se ha iniciado el video.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The video could not be finished</source>
        <translation>No se pudo finalizar el video</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No video encoder for MP4 could be opened.</source>
        <translation>No se pudo abrir ningún codificador de video para MP4.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The frames cannot be converted for the video.</source>
        <translation>No se pueden convertir los fotogramas para el video.</translation>
    </message>
    <message>
        <location filename="../../src/replay/Mp4Module.cpp" line="+101"/>
        <source>MP4 videos cannot be made: the video module could not be loaded (%1).</source>
        <translation>No se pueden crear vídeos MP4: no se pudo cargar el módulo de vídeo (%1).</translation>
    </message>
</context>
<context>
    <name>OpenRasterWriter</name>
    <message>
        <location filename="../../src/export/OpenRasterWriter.cpp" line="+193"/>
        <location line="+11"/>
        <source>The picture is empty or too large to be made.</source>
        <translation>La imagen está vacía o es demasiado grande para poder crearse.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A picture could not be encoded.</source>
        <translation>No se pudo codificar una imagen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saving document as OpenRaster</source>
        <translation>Guardando el documento como OpenRaster</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unable to save file</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
</context>
<context>
    <name>OtherFormats</name>
    <message>
        <location filename="../../src/export/OtherFormats.cpp" line="+33"/>
        <source>PNG file (*.png);; JPEG file (*.jpg);; PDF file (*.pdf);; SVG file (*.svg );; BMP file (*.bmp);; TIFF file (*.tiff)</source>
        <translation>Archivo PNG (*.png);; Archivo JPEG (*.jpg);; Archivo PDF (*.pdf);; Archivo SVG (*.svg );; Archivo BMP (*.bmp);; Archivo TIFF (*.tiff)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Printing Sketch</source>
        <translation>Imprimiendo el boceto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>No se pudo iniciar la impresora; no se imprimió nada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sketch could not be sent to the printer.</source>
        <translation>No se pudo enviar el boceto a la impresora.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save document as </source>
        <translation>Guardar documento como </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Invlaid extension</source>
        <translation>Extensión no válida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was not saved: &quot;%2&quot; is not a format that can be written.
End the file name in one of %3.</source>
        <translation>%1 no se guardó: &quot;%2&quot; no es un formato en el que se pueda escribir.
Termine el nombre del archivo con una de estas extensiones: %3.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is no default printer.</source>
        <translation>No hay ninguna impresora predeterminada.</translation>
    </message>
</context>
<context>
    <name>PagesStrip</name>
    <message>
        <location filename="../forms/PagesStrip.ui" line="+14"/>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page number; press Enter to go there</source>
        <translation>Número de página; presione Entrar para ir a ella</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+3"/>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sketches shown of the folder&apos;s sketches</source>
        <translation>Bocetos mostrados del total de bocetos de la carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N-M/TOTAL</source>
        <translation>N-M/TOTAL</translation>
    </message>
    <message>
        <location filename="../../src/browser/PagesStrip.cpp" line="+29"/>
        <source>%1–%2 of %3</source>
        <translation>%1–%2 de %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> of %1</source>
        <translation> de %1</translation>
    </message>
</context>
<context>
    <name>PlayerDocument</name>
    <message>
        <location filename="../forms/PlayerDocument.ui" line="+14"/>
        <location line="+3"/>
        <source>Stroke player</source>
        <translation>Reproductor de trazos</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The sketch as replayed; drag to move it</source>
        <translation>El boceto tal como se reproduce; arrástrelo para moverlo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replayed sketch</source>
        <translation>Boceto reproducido</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Strokes shown; drag to go to another stroke</source>
        <translation>Trazos mostrados; arrastre para ir a otro trazo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replay position</source>
        <translation>Posición de reproducción</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+3"/>
        <source>Strokes shown</source>
        <translation>Trazos mostrados</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>0 of 0 strokes</source>
        <translation>0 de 0 trazos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save the replay as an animated GIF or WebP image or an MP4 video, at this pace</source>
        <translation>Guardar la reproducción como imagen animada GIF o WebP o como video MP4, a este ritmo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export replay</source>
        <translation>Exportar reproducción</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export replay…</source>
        <translation>Exportar reproducción…</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+3"/>
        <source>First stroke</source>
        <translation>Primer trazo</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Previous stroke</source>
        <translation>Trazo anterior</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../src/editor/PlayerDocument.cpp" line="+261"/>
        <location line="+20"/>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play or pause</source>
        <translation>Reproducir o pausar</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Next stroke</source>
        <translation>Trazo siguiente</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Last stroke</source>
        <translation>Último trazo</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Replay as drawn</source>
        <translation>Reproducir a la velocidad original</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+3"/>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Replay speed; to the right is faster</source>
        <translation>Velocidad de reproducción; hacia la derecha es más rápida</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+63"/>
        <location line="+3"/>
        <source>Replay speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+3"/>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>200 ms a stroke</source>
        <translation>200 ms por trazo</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Zoom out</source>
        <translation>Alejar</translation>
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
        <translation>Acercar</translation>
    </message>
    <message>
        <location filename="../../src/editor/PlayerDocument.cpp" line="-16"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>%1 of %2 strokes</source>
        <translation>%1 de %2 trazos</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>%1× as drawn</source>
        <translation>%1× la velocidad original</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ms a stroke</source>
        <translation>%1 ms por trazo</translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <location filename="../../src/browser/PreferencesController.cpp" line="+19"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <location filename="../../src/browser/PreviewThumbnailList.cpp" line="+64"/>
        <source>Sketches</source>
        <translation>Bocetos</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Sketch commands</source>
        <translation>Comandos del boceto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit Layers</source>
        <translation>&amp;Editar capas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Copy to...</source>
        <translation>&amp;Copiar a...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename...</source>
        <translation>Cambiar &amp;nombre...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open file location...</source>
        <translation>Abrir &amp;ubicación del archivo...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save Document as...</source>
        <translation>&amp;Guardar documento como...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save as Di&amp;fferent Format</source>
        <translation>Guardar en &amp;otro formato</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Export to</source>
        <translation>E&amp;xportar a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exportar a</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>The file is not a readable sketch.</source>
        <translation>El archivo no es un boceto legible.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>No sketches in this folder</source>
        <translation>No hay bocetos en esta carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sketches from the pen appear in the folder &quot;My Sketches&quot; on the receiver&apos;s disc when it is plugged in.</source>
        <translation>Los bocetos del lápiz aparecen en la carpeta &quot;My Sketches&quot; del disco del receptor cuando este está conectado.</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Open directory for copy</source>
        <translation>Abrir la carpeta de destino de la copia</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Rename file:</source>
        <translation>Cambiar el nombre del archivo:</translation>
    </message>
    <message>
        <location filename="../../src/browser/SketchFileOperations.cpp" line="+35"/>
        <source>The new name is empty.</source>
        <translation>El nuevo nombre está vacío.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>&quot;%1&quot; no es un nombre de archivo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Un nombre no puede contener &quot;/&quot; ni &quot;\&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The new name is too long.</source>
        <translation>El nuevo nombre es demasiado largo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to delete this file?</source>
        <translation>¿Desea eliminar este archivo?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to delete file</source>
        <translation>No se pudo eliminar el archivo</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+77"/>
        <source>Are you sure you want to overwrite file</source>
        <translation>¿Está seguro de que desea sobrescribir el archivo</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Failed to copy</source>
        <translation>No se pudo copiar</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <location line="+8"/>
        <source>Failed to rename file</source>
        <translation>No se pudo cambiar el nombre del archivo</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>A file of that name exists already.</source>
        <translation>Ya existe un archivo con ese nombre.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Are you sure you want to merge</source>
        <translation>¿Está seguro de que desea combinar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and</source>
        <translation> y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> files</source>
        <translation> archivos</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unable to merge</source>
        <translation>No se puede combinar</translation>
    </message>
</context>
<context>
    <name>PsdWriter</name>
    <message>
        <location filename="../../src/export/PsdWriter.cpp" line="+251"/>
        <location line="+10"/>
        <source>The picture is empty or too large to be made.</source>
        <translation>La imagen está vacía o es demasiado grande para poder crearse.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Saving document as Photoshop image</source>
        <translation>Guardando el documento como imagen de Photoshop</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to save file</source>
        <translation>No se puede guardar el archivo</translation>
    </message>
</context>
<context>
    <name>QuilloDeviceObserver</name>
    <message>
        <location filename="../../src/device/ReceiverTexts.cpp" line="+11"/>
        <source>Invalid battery state</source>
        <translation>Estado de la batería no válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery not operational</source>
        <translation>La batería no funciona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery is critically low</source>
        <translation>Nivel de batería crítico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery charging</source>
        <translation>Cargando la batería</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery full</source>
        <translation>Batería llena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not charging low current</source>
        <translation>Sin carga: corriente demasiado baja</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Receiver temperature is too high</source>
        <translation>¡Advertencia! El receptor Quillo no se está cargando. La temperatura del receptor es demasiado alta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Receiver temperature is too low</source>
        <translation>¡Advertencia! El receptor Quillo no se está cargando. La temperatura del receptor es demasiado baja</translation>
    </message>
</context>
<context>
    <name>ReceiverPositionPicture</name>
    <message>
        <location filename="../../src/preferences/ReceiverPositionPicture.cpp" line="+30"/>
        <source>Receiver position</source>
        <translation>Posición del receptor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click where the receiver is clipped to the sheet</source>
        <translation>Haga clic donde el receptor está sujeto a la hoja</translation>
    </message>
</context>
<context>
    <name>ReceiverStatus</name>
    <message>
        <location filename="../../src/browser/ReceiverStatus.cpp" line="+85"/>
        <source>Receiver battery</source>
        <translation>Batería del receptor</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>The Quillo receiver has shutdown.  Please free up receiver memory.</source>
        <translation>El receptor Quillo se ha apagado.  Libere memoria del receptor.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unit was shut down due to low battery.</source>
        <translation>El dispositivo se apagó por batería baja.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Warning! Your Quillo receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>¡Advertencia! El receptor Quillo no se está cargando.  Si desea cargar el receptor, vuelva a conectarlo a un puerto USB con alimentación.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>¡Advertencia! El receptor Quillo no se está cargando. La batería no funciona correctamente o no está bien conectada.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>El nivel de batería es crítico; cargue el receptor durante al menos 30 minutos.</translation>
    </message>
</context>
<context>
    <name>ReplayExport</name>
    <message>
        <location filename="../../src/replay/ReplayExport.cpp" line="+48"/>
        <source>The width must be from %1 to %2 pixels, not %3.</source>
        <translation>El ancho debe estar entre %1 y %2 píxeles, no %3.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The speed must be from %1 to %2 times as drawn.</source>
        <translation>La velocidad debe estar entre %1 y %2 veces la original.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each stroke must take some time.</source>
        <translation>Cada trazo debe tener alguna duración.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 names no animation format; end it in .gif, .webp or .mp4.</source>
        <translation>%1 no indica ningún formato de animación; termínelo en .gif, .webp o .mp4.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sketch is not loaded.</source>
        <translation>El boceto no está cargado.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sketch has no strokes to replay.</source>
        <translation>El boceto no tiene trazos que reproducir.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The strokes of this sketch do not match its ink; it can be replayed at a fixed pace only.</source>
        <translation>Los trazos de este boceto no coinciden con su tinta; solo se puede reproducir a un ritmo fijo.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>ReplayExportQuestion</name>
    <message>
        <location filename="../../src/editor/ReplayExportQuestion.cpp" line="+22"/>
        <source>GIF animation (*.gif);;WebP animation (*.webp);;MP4 video (*.mp4)</source>
        <translation>Animación GIF (*.gif);;Animación WebP (*.webp);;Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Export replay</source>
        <translation>Exportar reproducción</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Saving the replay as %1</source>
        <translation>Guardando la reproducción como %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The replay was not saved as %1.
%2</source>
        <translation>La reproducción no se guardó como %1.
%2</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <location filename="../../src/preferences/SettingsDlg.cpp" line="+82"/>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mapping</source>
        <translation>Asignación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Threshold</source>
        <translation>Umbral de clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Paper size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Paper size:</source>
        <translation>Tamaño del papel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orientation:</source>
        <translation>Orientación:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Receiver position on the sheet:</source>
        <translation>Posición del receptor en la hoja:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Pen width</source>
        <translation>Grosor del lápiz</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ball point size</source>
        <translation>Tamaño de la punta esférica</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pen colour</source>
        <translation>Color del lápiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight colour</source>
        <translation>Color de resaltado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scrubber left colour</source>
        <translation>Color izquierdo del control deslizante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scrubber middle colour</source>
        <translation>Color central del control deslizante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scrubber right colour</source>
        <translation>Color derecho del control deslizante</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pen width:</source>
        <translation>Grosor del lápiz:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ball point size (mm):</source>
        <translation>Tamaño de la punta esférica (mm):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Start folder</source>
        <translation>Carpeta de inicio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the start folder</source>
        <translation>Elegir la carpeta de inicio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Receiver clock</source>
        <translation>Reloj del receptor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set the receiver clock</source>
        <translation>Ajustar el reloj del receptor</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start folder:</source>
        <translation>Carpeta de inicio:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver clock:</source>
        <translation>Reloj del receptor:</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Select Working Directory</source>
        <translation>Seleccionar carpeta de trabajo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>In order to apply your language selection you have to click &quot;OK&quot;
 on &quot;Setting&quot; dialog and re-start application</source>
        <translation>Para aplicar el idioma seleccionado, debe hacer clic en &quot;Aceptar&quot;
 en el cuadro de diálogo &quot;Configuración&quot; y reiniciar la aplicación</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it.</source>
        <translation>Ha cambiado la sensibilidad de la punta y no ha probado 
la configuración actual. Haga clic en &quot;Aceptar&quot; para continuar sin 
probarla. Haga clic en &quot;Aplicar&quot; para aplicar la configuración
 y probarla.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The settings could not be saved.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Failed to update the click threshold.</source>
        <translation>No se pudo actualizar el umbral de clic.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Failed to retrieve the pressure value.</source>
        <translation>No se pudo obtener el valor de presión.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>El receptor no está conectado al puerto USB; no se puede actualizar el reloj en tiempo real.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>¿Desea aplicar el ajuste del reloj al receptor?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Failed to update Real-time clock!</source>
        <translation>¡No se pudo actualizar el reloj en tiempo real!</translation>
    </message>
</context>
<context>
    <name>SketchBackupController</name>
    <message>
        <location filename="../../src/browser/SketchBackupController.cpp" line="+26"/>
        <source>Open destination folder</source>
        <translation>Abrir carpeta de destino</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to move your sketches to 
</source>
        <translation>¿Está seguro de que desea mover sus bocetos a la carpeta 
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> folder?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder
%1</source>
        <translation>No se puede crear la carpeta
%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These sketches could not be moved and stay where they were:
%1</source>
        <translation>Estos bocetos no se pudieron mover y permanecen en su ubicación original:
%1</translation>
    </message>
</context>
<context>
    <name>SketchMove</name>
    <message>
        <location filename="../../src/browser/SketchMove.cpp" line="+23"/>
        <source>Moving the sketches to the computer...</source>
        <translation>Moviendo los bocetos al equipo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SketchViewer</name>
    <message>
        <location filename="../../src/editor/SketchViewer.cpp" line="+36"/>
        <source>Back to sketches</source>
        <translation>Volver a los bocetos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sketch view</source>
        <translation>Vista del boceto</translation>
    </message>
</context>
<context>
    <name>SpanSlider</name>
    <message>
        <location filename="../../src/editor/SpanSlider.cpp" line="+21"/>
        <source>Span</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <location line="+282"/>
        <source>From %1 to %2 of %3</source>
        <translation>De %1 a %2 de %3</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <location filename="../../src/app/StartUp.cpp" line="+80"/>
        <source>The factory settings file does not exists</source>
        <translation>El archivo de configuración de fábrica no existe</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Problem to copy the factory settings</source>
        <translation>Problema al copiar la configuración de fábrica</translation>
    </message>
</context>
<context>
    <name>ThumbnailItem</name>
    <message>
        <location filename="../../src/browser/ThumbnailItem.cpp" line="+109"/>
        <source>Cannot be read</source>
        <translation>No se puede leer</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <location filename="../../src/browser/TrayController.cpp" line="+15"/>
        <source>Tray menu</source>
        <translation>Menú del área de notificación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Quillo Draftbay is connected</source>
        <translation>Quillo Draftbay está conectado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quillo Draftbay is disconnected</source>
        <translation>Quillo Draftbay está desconectado</translation>
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
        <translation>Una imagen WebP no puede medir %1 × %2 píxeles.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+20"/>
        <source>The installed WebP library does not match the one built against.</source>
        <translation>La biblioteca WebP instalada no coincide con la utilizada en la compilación.</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+20"/>
        <source>Not enough memory to encode the WebP animation.</source>
        <translation>No hay suficiente memoria para codificar la animación WebP.</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The frame does not fit the animation.</source>
        <translation>El fotograma no se ajusta a la animación.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The animation was not begun.</source>
        <translation>No se ha iniciado la animación.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The WebP animation could not be encoded: %1</source>
        <translation>No se pudo codificar la animación WebP: %1</translation>
    </message>
</context>
</TS>
