<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Compilé avec</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>About Quillo Draftbay</source>
        <translation>À propos de Quillo Draftbay</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quillo logo</source>
        <translation>Logo Quillo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillo Draftbay %1
Sketch browser and editor for the Quillo digital pen</source>
        <translation>Quillo Draftbay %1
Navigateur et éditeur de croquis pour le stylo numérique Quillo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The licence text is not installed.</source>
        <translation>Le texte de la licence n&apos;est pas installé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Credits</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Firmware version:</source>
        <translation>Version du micrologiciel :</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../../src/browser/AccessibleNames.cpp" line="+13"/>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>More tools</source>
        <translation>Plus d&apos;outils</translation>
    </message>
</context>
<context>
    <name>ApplSettings</name>
    <message>
        <location filename="../../src/settings/ApplSettings.cpp" line="+225"/>
        <source>Your settings file could not be read and has been replaced by the factory settings.
The damaged file was kept as 
%1</source>
        <translation>Votre fichier de paramètres n&apos;a pas pu être lu et a été remplacé par les paramètres d&apos;usine.
Le fichier endommagé a été conservé sous 
%1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+22"/>
        <source>Cannot open settings file 
%1</source>
        <translation>Impossible d&apos;ouvrir le fichier de paramètres 
%1</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+22"/>
        <source>Parsing error for settings file 
%1</source>
        <translation>Erreur d&apos;analyse du fichier de paramètres 
%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Entry string &quot;%1&quot; does not exist in the settings file.</source>
        <translation>L&apos;entrée &quot;%1&quot; n&apos;existe pas dans le fichier de paramètres.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>L&apos;entrée %1 n&apos;a pas d&apos;attribut nommé %2 dans le fichier de paramètres 
%3.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Cannot write the settings file %1: the settings would not read back</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres %1 : les paramètres ne pourraient pas être relus</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres %1 : %2</translation>
    </message>
</context>
<context>
    <name>ApplicationExport</name>
    <message>
        <location filename="../../src/export/ApplicationExport.cpp" line="+42"/>
        <source>The image is too large to be made.</source>
        <translation>L&apos;image est trop grande pour être créée.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The sketch cannot be exported: no folder can be made in %1.</source>
        <translation>Le croquis ne peut pas être exporté : aucun dossier ne peut être créé dans %1.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Exporting document to Photoshop</source>
        <translation>Exportation du document vers Photoshop</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The sketch cannot be exported to Photoshop:</source>
        <translation>Le croquis ne peut pas être exporté vers Photoshop :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Launching Adobe Script...</source>
        <translation>Lancement du script Adobe...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Photoshop cannot be started: the script %1 %2.</source>
        <translation>Photoshop ne peut pas être démarré : le script %1 %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>is missing</source>
        <translation>est introuvable</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>did not start</source>
        <translation>n&apos;a pas démarré</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Exporting document</source>
        <translation>Exportation du document</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The sketch cannot be exported: %1 cannot be written.</source>
        <translation>Le croquis ne peut pas être exporté : %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%1 cannot be started (%2).</source>
        <translation>%1 ne peut pas être démarré (%2).</translation>
    </message>
</context>
<context>
    <name>ClickThresholdPage</name>
    <message>
        <location filename="../../src/preferences/ClickThresholdPage.cpp" line="+30"/>
        <source>Click threshold status</source>
        <translation>État du seuil de clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click threshold</source>
        <translation>Seuil de clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click threshold test area</source>
        <translation>Zone de test du seuil de clic</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Soft</source>
        <translation>Souple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firm</source>
        <translation>Ferme</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Connect Quillo to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Connectez Quillo à votre ordinateur pour régler le seuil de clic 
Le seuil de clic détermine la pression nécessaire pour enregistrer vos traits</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Dessinez ici pour tester le seuil de clic de votre stylo</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Vous devez d&apos;abord Appliquer le nouveau réglage avant de le tester.</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <location filename="../../src/browser/DirView.cpp" line="+65"/>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>My Sketches</source>
        <translation>My Sketches</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File System</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Déplacer les croquis vers un dossier local</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Are you sure you want to overwrite file</source>
        <translation>Voulez-vous vraiment écraser le fichier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Failed to copy file</source>
        <translation>Échec de la copie du fichier</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <location filename="../../src/export/DocumentExport.cpp" line="+125"/>
        <source>Saving document as </source>
        <translation>Enregistrement du document au format </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file name has no suffix that names an image format.</source>
        <translation>Le nom du fichier n&apos;a pas d&apos;extension désignant un format d&apos;image.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The image is too large to be made.</source>
        <translation>L&apos;image est trop grande pour être créée.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>failed saving pixmap</source>
        <translation>échec de l&apos;enregistrement de l&apos;image</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Saving document as PDF</source>
        <translation>Enregistrement du document au format PDF</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The PDF could not be made.</source>
        <translation>Le PDF n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+14"/>
        <source>Unable to save file</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Saving document as SVG</source>
        <translation>Enregistrement du document au format SVG</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The SVG could not be made.</source>
        <translation>Le SVG n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>EditorSession</name>
    <message>
        <location filename="../../src/browser/EditorSession.cpp" line="+51"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email</source>
        <translation>Envoyer par courriel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Document As</source>
        <translation>Enregistrer le document sous</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotate Clockwise</source>
        <translation>Pivoter dans le sens horaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotate Counterclockwise</source>
        <translation>Pivoter dans le sens antihoraire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as Different Format</source>
        <translation>Enregistrer dans un autre format</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>&amp;Export to</source>
        <translation>E&amp;xporter vers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exporter vers</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Le fichier a été modifié.  Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Le fichier a été modifié. Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quillo files (*.vmr)</source>
        <translation>Fichiers Quillo (*.vmr)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+2"/>
        <source>Saving document</source>
        <translation>Enregistrement du document</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unable to save file</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>FileNameQuestion</name>
    <message>
        <location filename="../../src/export/FileNameQuestion.cpp" line="+33"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <location filename="../../src/browser/FolderTreeModel.cpp" line="+229"/>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
</context>
<context>
    <name>GifEncoder</name>
    <message>
        <location filename="../../src/replay/GifEncoder.cpp" line="+52"/>
        <source>A GIF cannot be %1 × %2 pixels.</source>
        <translation>Un GIF ne peut pas mesurer %1 × %2 pixels.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The frame does not fit the animation.</source>
        <translation>L&apos;image ne correspond pas aux dimensions de l&apos;animation.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The animation was not begun.</source>
        <translation>L&apos;animation n&apos;a pas été commencée.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The GIF could not be written: %1</source>
        <translation>Le GIF n&apos;a pas pu être écrit : %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <location filename="../../src/settings/WindowsApps.cpp" line="+169"/>
        <source>info copy </source>
        <translation>copie des informations </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Illustrator plug-in could not be copied to %1: %2</source>
        <translation>Le module externe Illustrator n&apos;a pas pu être copié vers %1 : %2</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <location filename="../forms/LayerManager.ui" line="+6"/>
        <source>Layer editor</source>
        <translation>Éditeur de calques</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Editor pages</source>
        <translation>Pages de l&apos;éditeur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit the layers, or replay the strokes</source>
        <translation>Modifier les calques ou rejouer les traits</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>Layers</source>
        <translation>Calques</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Checked layers are shown; selected layers are highlighted</source>
        <translation>Les calques cochés sont affichés ; les calques sélectionnés sont mis en évidence</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Strokes of the selected layer:</source>
        <translation>Traits du calque sélectionné :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stroke scrubber</source>
        <translation>Curseur de traits</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drag the handles to choose where the layer is cut</source>
        <translation>Faites glisser les poignées pour choisir où couper le calque</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>First cut</source>
        <translation>Première coupe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Strokes before this one stay in the first part</source>
        <translation>Les traits précédant celui-ci restent dans la première partie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Second cut</source>
        <translation>Deuxième coupe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Strokes from this one on go to the last part</source>
        <translation>Les traits à partir de celui-ci vont dans la dernière partie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Split</source>
        <translation>&amp;Scinder</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Split layer</source>
        <translation>Scinder le calque</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut the selected layer at the scrubber&apos;s handles</source>
        <translation>Couper le calque sélectionné aux poignées du curseur de traits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Split at &amp;pauses</source>
        <translation>Scinder aux &amp;pauses</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Split at pauses</source>
        <translation>Scinder aux pauses</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut the selected layer wherever the pen rested</source>
        <translation>Couper le calque sélectionné partout où le stylo s&apos;est arrêté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Merge layers</source>
        <translation>Fusionner les calques</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Join the selected neighbouring layers into one</source>
        <translation>Réunir les calques voisins sélectionnés en un seul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete layers</source>
        <translation>Supprimer les calques</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the selected layers</source>
        <translation>Supprimer les calques sélectionnés</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replays the sketch stroke by stroke, in the order it was drawn.</source>
        <translation>Rejoue le croquis trait par trait, dans l&apos;ordre où il a été dessiné.</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../src/editor/LayerManager.cpp" line="+552"/>
        <source>File : </source>
        <translation>Fichier : </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sketch</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Editor and player</source>
        <translation>Éditeur et lecteur</translation>
    </message>
    <message>
        <location filename="../../src/editor/LayerManager.cpp" line="-441"/>
        <location filename="../../src/export/SketchLayers.cpp" line="+20"/>
        <source>layer %1</source>
        <translation>calque %1</translation>
    </message>
    <message>
        <location line="+300"/>
        <location line="+13"/>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Impossible de scinder le calque sélectionné : il n&apos;y a rien à faire !</translation>
    </message>
    <message numerus="yes">
        <location line="+16"/>
        <source>The pen did not rest longer than %n second(s) in this layer.</source>
        <translation>
            <numerusform>Le stylo n&apos;est pas resté immobile plus de %n seconde dans ce calque.</numerusform>
            <numerusform>Le stylo n&apos;est pas resté immobile plus de %n secondes dans ce calque.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Nothing to merge</source>
        <translation>Rien à fusionner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Impossible de fusionner les calques sélectionnés.  Les calques doivent se suivre sans interruption !</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Layer name:</source>
        <translation>Nom du calque :</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>File tag:</source>
        <translation>Étiquette du fichier :</translation>
    </message>
    <message>
        <location line="+18"/>
        <source> Tag : &quot;</source>
        <translation> Étiquette : &quot;</translation>
    </message>
    <message>
        <location filename="../../src/editor/LayerViewMenu.cpp" line="+12"/>
        <source>Sketch commands</source>
        <translation>Commandes du croquis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Retour à l&apos;aperçu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zoom In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Zoom Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rotate Clockwise</source>
        <translation>&amp;Pivoter dans le sens horaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Pivoter dans le sens a&amp;ntihoraire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Afficher/Modifier l&apos;é&amp;tiquette...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open File Location...</source>
        <translation>&amp;Ouvrir l&apos;emplacement du fichier...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Document</source>
        <translation>&amp;Enregistrer le document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Document as...</source>
        <translation>Enregistrer le document &amp;sous...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Document as Different Format</source>
        <translation>Enregistrer le document dans un autre &amp;format</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export to</source>
        <translation>E&amp;xporter vers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exporter vers</translation>
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
        <translation>Le texte est trop long</translation>
    </message>
</context>
<context>
    <name>ListWidgetNivo</name>
    <message>
        <location filename="../../src/editor/ListWidgetNivo.cpp" line="+16"/>
        <source>Layers</source>
        <translation>Calques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layer menu</source>
        <translation>Menu du calque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete layer</source>
        <translation>&amp;Supprimer le calque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rename layer...</source>
        <translation>&amp;Renommer le calque...</translation>
    </message>
</context>
<context>
    <name>LiveView</name>
    <message>
        <location filename="../../src/browser/LiveView.cpp" line="+112"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Live view</source>
        <translation>Vue en direct</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Live view status</source>
        <translation>État de la vue en direct</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop live view</source>
        <translation>Arrêter la vue en direct</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Draw on the sheet: the strokes appear here as you draw.</source>
        <translation>Dessinez sur la feuille : les traits apparaissent ici au fur et à mesure.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver did not start live mode.</source>
        <translation>Le récepteur n&apos;a pas démarré le mode direct.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The receiver was disconnected.</source>
        <translation>Le récepteur a été déconnecté.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting live mode...</source>
        <translation>Démarrage du mode direct...</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close live view</source>
        <translation>Fermer la vue en direct</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Live view stopped.</source>
        <translation>Vue en direct arrêtée.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keep the strokes of this live session as the document &quot;%1&quot; in &quot;%2&quot;?</source>
        <translation>Conserver les traits de cette session en direct comme document &quot;%1&quot; dans &quot;%2&quot; ?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unable to save file</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>LiveViewController</name>
    <message>
        <location line="+12"/>
        <source>Live view</source>
        <translation>Vue en direct</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>See what the pen draws, as it draws (needs the receiver)</source>
        <translation>Voir ce que dessine le stylo, en temps réel (nécessite le récepteur)</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <location filename="../../src/export/Mail.cpp" line="+136"/>
        <source>No mail program can be reached: the desktop offers no e-mail portal and xdg-email (xdg-utils) is not installed.</source>
        <translation>Aucun programme de messagerie n&apos;est accessible : le bureau ne propose aucun portail de messagerie et xdg-email (xdg-utils) n&apos;est pas installé.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No mail program is set up on this computer: no program is chosen for writing e-mails (mailto: links).</source>
        <translation>Aucun programme de messagerie n&apos;est configuré sur cet ordinateur : aucun programme n&apos;est choisi pour rédiger des courriels (liens mailto:).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The mail program could not be started (%1).</source>
        <translation>Le programme de messagerie n&apos;a pas pu être démarré (%1).</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The PDF to attach cannot be written: the folder %1 cannot be made.</source>
        <translation>Le PDF à joindre ne peut pas être écrit : le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sketch cannot be sent by e-mail.</source>
        <translation>Le croquis ne peut pas être envoyé par courriel.</translation>
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
        <translation>&amp;Ouvrir un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User&apos;s Manual</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Quillo</source>
        <translation>À propos de Quillo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File System Tree</source>
        <translation>Arborescence du système de fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Précédent</translation>
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
        <translation>Suivant</translation>
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
        <translation>Informations importantes sur le produit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quillo Tutorial</source>
        <translation>Tutoriel Quillo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Main</source>
        <translation>Principale</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Loading sketches</source>
        <translation>Chargement des croquis</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>Smaller thumbnails</source>
        <translation>Vignettes plus petites</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>Larger thumbnails</source>
        <translation>Vignettes plus grandes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom in or out</source>
        <translation>Zoom avant ou arrière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thumbnail size</source>
        <translation>Taille des vignettes</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Sketch</source>
        <translation>Croquis précédent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+PgUp</source>
        <translation>Ctrl+PgUp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Sketch</source>
        <translation>Croquis suivant</translation>
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
        <translation>Affichage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fit to Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Back to sketches</source>
        <translation>Retour aux croquis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload Folder</source>
        <translation>Recharger le dossier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>Le dossier %1 a été supprimé ; affichage de %2 à la place.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sketches (%1)</source>
        <translation>Croquis (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open directory</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The file is not a readable sketch.</source>
        <translation>Le fichier n&apos;est pas un croquis lisible.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sketch cannot be opened:</source>
        <translation>Le croquis ne peut pas être ouvert :</translation>
    </message>
</context>
<context>
    <name>Mp4Encoder</name>
    <message>
        <location filename="../../src/replay/Mp4Encoder.cpp" line="+102"/>
        <source>An MP4 video needs an even width and height, not %1 × %2 pixels.</source>
        <translation>Une vidéo MP4 nécessite une largeur et une hauteur paires, et non %1 × %2 pixels.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The MP4 format is not available</source>
        <translation>Le format MP4 n&apos;est pas disponible</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+59"/>
        <location line="+45"/>
        <source>Not enough memory to encode the video.</source>
        <translation>Mémoire insuffisante pour encoder la vidéo.</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+103"/>
        <source>The video could not be started</source>
        <translation>La vidéo n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>The frame does not fit the video.</source>
        <translation>L&apos;image ne correspond pas aux dimensions de la vidéo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+134"/>
        <source>The video could not be encoded</source>
        <translation>La vidéo n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>The video was not begun.</source>
        <translation>La vidéo n&apos;a pas été commencée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The video could not be finished</source>
        <translation>La vidéo n&apos;a pas pu être finalisée</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No video encoder for MP4 could be opened.</source>
        <translation>Aucun encodeur vidéo MP4 n&apos;a pu être ouvert.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The frames cannot be converted for the video.</source>
        <translation>Les images ne peuvent pas être converties pour la vidéo.</translation>
    </message>
    <message>
        <location filename="../../src/replay/Mp4Module.cpp" line="+101"/>
        <source>MP4 videos cannot be made: the video module could not be loaded (%1).</source>
        <translation>Impossible de créer des vidéos MP4 : le module vidéo n&apos;a pas pu être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>OpenRasterWriter</name>
    <message>
        <location filename="../../src/export/OpenRasterWriter.cpp" line="+193"/>
        <location line="+11"/>
        <source>The picture is empty or too large to be made.</source>
        <translation>L&apos;image est vide ou trop grande pour être créée.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A picture could not be encoded.</source>
        <translation>Une image n&apos;a pas pu être encodée.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saving document as OpenRaster</source>
        <translation>Enregistrement du document au format OpenRaster</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unable to save file</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>OtherFormats</name>
    <message>
        <location filename="../../src/export/OtherFormats.cpp" line="+33"/>
        <source>PNG file (*.png);; JPEG file (*.jpg);; PDF file (*.pdf);; SVG file (*.svg );; BMP file (*.bmp);; TIFF file (*.tiff)</source>
        <translation>Fichier PNG (*.png);; Fichier JPEG (*.jpg);; Fichier PDF (*.pdf);; Fichier SVG (*.svg );; Fichier BMP (*.bmp);; Fichier TIFF (*.tiff)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Printing Sketch</source>
        <translation>Impression du croquis</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée ; rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sketch could not be sent to the printer.</source>
        <translation>Le croquis n&apos;a pas pu être envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save document as </source>
        <translation>Enregistrer le document sous </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Invlaid extension</source>
        <translation>Extension non valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was not saved: &quot;%2&quot; is not a format that can be written.
End the file name in one of %3.</source>
        <translation>%1 n&apos;a pas été enregistré : &quot;%2&quot; n&apos;est pas un format pouvant être écrit.
Terminez le nom du fichier par l&apos;une de ces extensions : %3.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is no default printer.</source>
        <translation>Il n&apos;y a pas d&apos;imprimante par défaut.</translation>
    </message>
</context>
<context>
    <name>PagesStrip</name>
    <message>
        <location filename="../forms/PagesStrip.ui" line="+14"/>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page number; press Enter to go there</source>
        <translation>Numéro de page ; appuyez sur Entrée pour y aller</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+3"/>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+3"/>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Sketches shown of the folder&apos;s sketches</source>
        <translation>Croquis affichés parmi ceux du dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N-M/TOTAL</source>
        <translation>N-M/TOTAL</translation>
    </message>
    <message>
        <location filename="../../src/browser/PagesStrip.cpp" line="+29"/>
        <source>%1–%2 of %3</source>
        <translation>%1–%2 sur %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> of %1</source>
        <translation> sur %1</translation>
    </message>
</context>
<context>
    <name>PlayerDocument</name>
    <message>
        <location filename="../forms/PlayerDocument.ui" line="+14"/>
        <location line="+3"/>
        <source>Stroke player</source>
        <translation>Lecteur de traits</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The sketch as replayed; drag to move it</source>
        <translation>Le croquis tel qu&apos;il est rejoué ; faites-le glisser pour le déplacer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replayed sketch</source>
        <translation>Croquis rejoué</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Strokes shown; drag to go to another stroke</source>
        <translation>Traits affichés ; faites glisser pour aller à un autre trait</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replay position</source>
        <translation>Position de lecture</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+3"/>
        <source>Strokes shown</source>
        <translation>Traits affichés</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>0 of 0 strokes</source>
        <translation>0 sur 0 traits</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save the replay as an animated GIF or WebP image or an MP4 video, at this pace</source>
        <translation>Enregistrer la relecture en image animée GIF ou WebP ou en vidéo MP4, à ce rythme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export replay</source>
        <translation>Exporter la relecture</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export replay…</source>
        <translation>Exporter la relecture…</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+3"/>
        <source>First stroke</source>
        <translation>Premier trait</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Previous stroke</source>
        <translation>Trait précédent</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../src/editor/PlayerDocument.cpp" line="+261"/>
        <location line="+20"/>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play or pause</source>
        <translation>Lire ou mettre en pause</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Next stroke</source>
        <translation>Trait suivant</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <source>Last stroke</source>
        <translation>Dernier trait</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Replay as drawn</source>
        <translation>Rejouer à la vitesse d&apos;origine</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+3"/>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Replay speed; to the right is faster</source>
        <translation>Vitesse de relecture ; plus rapide vers la droite</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+63"/>
        <location line="+3"/>
        <source>Replay speed</source>
        <translation>Vitesse de relecture</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+3"/>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>200 ms a stroke</source>
        <translation>200 ms par trait</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
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
        <translation>Zoom avant</translation>
    </message>
    <message>
        <location filename="../../src/editor/PlayerDocument.cpp" line="-16"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>%1 of %2 strokes</source>
        <translation>%1 sur %2 traits</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>%1× as drawn</source>
        <translation>%1× la vitesse d&apos;origine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ms a stroke</source>
        <translation>%1 ms par trait</translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <location filename="../../src/browser/PreferencesController.cpp" line="+19"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <location filename="../../src/browser/PreviewThumbnailList.cpp" line="+64"/>
        <source>Sketches</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Sketch commands</source>
        <translation>Commandes du croquis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit Layers</source>
        <translation>&amp;Modifier les calques</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Copy to...</source>
        <translation>&amp;Copier vers...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open file location...</source>
        <translation>&amp;Ouvrir l&apos;emplacement du fichier...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save Document as...</source>
        <translation>Enregistrer le document &amp;sous...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save as Di&amp;fferent Format</source>
        <translation>Enregistrer dans un autre &amp;format</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Export to</source>
        <translation>E&amp;xporter vers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to</source>
        <translation>Exporter vers</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>The file is not a readable sketch.</source>
        <translation>Le fichier n&apos;est pas un croquis lisible.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>No sketches in this folder</source>
        <translation>Aucun croquis dans ce dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sketches from the pen appear in the folder &quot;My Sketches&quot; on the receiver&apos;s disc when it is plugged in.</source>
        <translation>Les croquis du stylo apparaissent dans le dossier &quot;My Sketches&quot; du disque du récepteur lorsque celui-ci est branché.</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Open directory for copy</source>
        <translation>Ouvrir le dossier de destination de la copie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Rename file:</source>
        <translation>Renommer le fichier :</translation>
    </message>
    <message>
        <location filename="../../src/browser/SketchFileOperations.cpp" line="+35"/>
        <source>The new name is empty.</source>
        <translation>Le nouveau nom est vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>&quot;%1&quot; n&apos;est pas un nom de fichier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Un nom ne peut pas contenir &quot;/&quot; ni &quot;\&quot;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The new name is too long.</source>
        <translation>Le nouveau nom est trop long.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to delete this file?</source>
        <translation>Voulez-vous supprimer ce fichier ?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to delete file</source>
        <translation>Échec de la suppression du fichier</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+77"/>
        <source>Are you sure you want to overwrite file</source>
        <translation>Voulez-vous vraiment écraser le fichier</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Failed to copy</source>
        <translation>Échec de la copie</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <location line="+8"/>
        <source>Failed to rename file</source>
        <translation>Échec du renommage du fichier</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>A file of that name exists already.</source>
        <translation>Un fichier portant ce nom existe déjà.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Are you sure you want to merge</source>
        <translation>Voulez-vous vraiment fusionner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and</source>
        <translation> et</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> files</source>
        <translation> fichiers</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unable to merge</source>
        <translation>Impossible de fusionner</translation>
    </message>
</context>
<context>
    <name>PsdWriter</name>
    <message>
        <location filename="../../src/export/PsdWriter.cpp" line="+251"/>
        <location line="+10"/>
        <source>The picture is empty or too large to be made.</source>
        <translation>L&apos;image est vide ou trop grande pour être créée.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Saving document as Photoshop image</source>
        <translation>Enregistrement du document en tant qu&apos;image Photoshop</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to save file</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>QuilloDeviceObserver</name>
    <message>
        <location filename="../../src/device/ReceiverTexts.cpp" line="+11"/>
        <source>Invalid battery state</source>
        <translation>État de la batterie non valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery not operational</source>
        <translation>Batterie hors service</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery is critically low</source>
        <translation>Niveau de batterie critique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery charging</source>
        <translation>Batterie en charge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery full</source>
        <translation>Batterie pleine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not charging low current</source>
        <translation>Pas de charge : courant trop faible</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Receiver temperature is too high</source>
        <translation>Attention ! Votre récepteur Quillo ne se charge pas. La température du récepteur est trop élevée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Receiver temperature is too low</source>
        <translation>Attention ! Votre récepteur Quillo ne se charge pas. La température du récepteur est trop basse</translation>
    </message>
</context>
<context>
    <name>ReceiverPositionPicture</name>
    <message>
        <location filename="../../src/preferences/ReceiverPositionPicture.cpp" line="+30"/>
        <source>Receiver position</source>
        <translation>Position du récepteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click where the receiver is clipped to the sheet</source>
        <translation>Cliquez là où le récepteur est fixé à la feuille</translation>
    </message>
</context>
<context>
    <name>ReceiverStatus</name>
    <message>
        <location filename="../../src/browser/ReceiverStatus.cpp" line="+85"/>
        <source>Receiver battery</source>
        <translation>Batterie du récepteur</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>The Quillo receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Le récepteur Quillo s&apos;est éteint.  Veuillez libérer de la mémoire sur le récepteur.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unit was shut down due to low battery.</source>
        <translation>L&apos;appareil s&apos;est éteint en raison d&apos;une batterie faible.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Warning! Your Quillo receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Attention ! Votre récepteur Quillo ne se charge pas.  Si vous souhaitez charger le récepteur, veuillez le reconnecter à un port USB alimenté.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warning! Your Quillo receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Attention ! Votre récepteur Quillo ne se charge pas. Soit la batterie est défectueuse, soit elle n&apos;est pas correctement connectée.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Le niveau de batterie est critique, veuillez charger le récepteur pendant au moins 30 minutes.</translation>
    </message>
</context>
<context>
    <name>ReplayExport</name>
    <message>
        <location filename="../../src/replay/ReplayExport.cpp" line="+48"/>
        <source>The width must be from %1 to %2 pixels, not %3.</source>
        <translation>La largeur doit être comprise entre %1 et %2 pixels, et non %3.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The speed must be from %1 to %2 times as drawn.</source>
        <translation>La vitesse doit être comprise entre %1 et %2 fois la vitesse d&apos;origine.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each stroke must take some time.</source>
        <translation>Chaque trait doit durer un certain temps.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 names no animation format; end it in .gif, .webp or .mp4.</source>
        <translation>%1 ne désigne aucun format d&apos;animation ; terminez-le par .gif, .webp ou .mp4.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sketch is not loaded.</source>
        <translation>Le croquis n&apos;est pas chargé.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sketch has no strokes to replay.</source>
        <translation>Le croquis n&apos;a aucun trait à rejouer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The strokes of this sketch do not match its ink; it can be replayed at a fixed pace only.</source>
        <translation>Les traits de ce croquis ne correspondent pas à son encre ; il ne peut être rejoué qu&apos;à un rythme fixe.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 could not be saved: %2</source>
        <translation>%1 n&apos;a pas pu être enregistré : %2</translation>
    </message>
</context>
<context>
    <name>ReplayExportQuestion</name>
    <message>
        <location filename="../../src/editor/ReplayExportQuestion.cpp" line="+22"/>
        <source>GIF animation (*.gif);;WebP animation (*.webp);;MP4 video (*.mp4)</source>
        <translation>Animation GIF (*.gif);;Animation WebP (*.webp);;Vidéo MP4 (*.mp4)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Export replay</source>
        <translation>Exporter la relecture</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Saving the replay as %1</source>
        <translation>Enregistrement de la relecture sous %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The replay was not saved as %1.
%2</source>
        <translation>La relecture n&apos;a pas été enregistrée sous %1.
%2</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <location filename="../../src/preferences/SettingsDlg.cpp" line="+82"/>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings pages</source>
        <translation>Pages des paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mapping</source>
        <translation>Mappage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pen</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click Threshold</source>
        <translation>Seuil de clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Paper size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Paper size:</source>
        <translation>Format du papier :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orientation:</source>
        <translation>Orientation :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Receiver position on the sheet:</source>
        <translation>Position du récepteur sur la feuille :</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Pen width</source>
        <translation>Épaisseur du stylo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ball point size</source>
        <translation>Taille de la bille</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Pen colour</source>
        <translation>Couleur du stylo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight colour</source>
        <translation>Couleur de surbrillance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scrubber left colour</source>
        <translation>Couleur gauche du curseur de traits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scrubber middle colour</source>
        <translation>Couleur centrale du curseur de traits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scrubber right colour</source>
        <translation>Couleur droite du curseur de traits</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pen width:</source>
        <translation>Épaisseur du stylo :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ball point size (mm):</source>
        <translation>Taille de la bille (mm) :</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Start folder</source>
        <translation>Dossier de démarrage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the start folder</source>
        <translation>Choisir le dossier de démarrage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Receiver clock</source>
        <translation>Horloge du récepteur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set the receiver clock</source>
        <translation>Régler l&apos;horloge du récepteur</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start folder:</source>
        <translation>Dossier de démarrage :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver clock:</source>
        <translation>Horloge du récepteur :</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Select Working Directory</source>
        <translation>Sélectionner le dossier de travail</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>In order to apply your language selection you have to click &quot;OK&quot;
 on &quot;Setting&quot; dialog and re-start application</source>
        <translation>Pour appliquer la langue choisie, vous devez cliquer sur &quot;OK&quot;
 dans la boîte de dialogue &quot;Paramètres&quot; puis redémarrer l&apos;application</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it.</source>
        <translation>Vous avez modifié la sensibilité de la pointe sans tester 
le réglage actuel. Cliquez sur &quot;OK&quot; pour valider sans 
le tester. Cliquez sur &quot;Appliquer&quot; pour appliquer le réglage
 et le tester.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The settings could not be saved.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Failed to update the click threshold.</source>
        <translation>Échec de la mise à jour du seuil de clic.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Échec de la récupération de la valeur de pression.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>Le récepteur n&apos;est pas connecté au port USB ; impossible de mettre à jour l&apos;horloge temps réel.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>Voulez-vous appliquer le réglage de l&apos;horloge au récepteur ?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Failed to update Real-time clock!</source>
        <translation>Échec de la mise à jour de l&apos;horloge temps réel !</translation>
    </message>
</context>
<context>
    <name>SketchBackupController</name>
    <message>
        <location filename="../../src/browser/SketchBackupController.cpp" line="+26"/>
        <source>Open destination folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to move your sketches to 
</source>
        <translation>Voulez-vous vraiment déplacer vos croquis vers le dossier 
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> folder?</source>
        <translation> ?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder
%1</source>
        <translation>Impossible de créer le dossier
%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These sketches could not be moved and stay where they were:
%1</source>
        <translation>Ces croquis n&apos;ont pas pu être déplacés et restent à leur emplacement d&apos;origine :
%1</translation>
    </message>
</context>
<context>
    <name>SketchMove</name>
    <message>
        <location filename="../../src/browser/SketchMove.cpp" line="+23"/>
        <source>Moving the sketches to the computer...</source>
        <translation>Déplacement des croquis vers l&apos;ordinateur...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SketchViewer</name>
    <message>
        <location filename="../../src/editor/SketchViewer.cpp" line="+36"/>
        <source>Back to sketches</source>
        <translation>Retour aux croquis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sketch view</source>
        <translation>Vue du croquis</translation>
    </message>
</context>
<context>
    <name>SpanSlider</name>
    <message>
        <location filename="../../src/editor/SpanSlider.cpp" line="+21"/>
        <source>Span</source>
        <translation>Plage</translation>
    </message>
    <message>
        <location line="+282"/>
        <source>From %1 to %2 of %3</source>
        <translation>De %1 à %2 sur %3</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <location filename="../../src/app/StartUp.cpp" line="+80"/>
        <source>The factory settings file does not exists</source>
        <translation>Le fichier des paramètres d&apos;usine n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Problem to copy the factory settings</source>
        <translation>Problème lors de la copie des paramètres d&apos;usine</translation>
    </message>
</context>
<context>
    <name>ThumbnailItem</name>
    <message>
        <location filename="../../src/browser/ThumbnailItem.cpp" line="+109"/>
        <source>Cannot be read</source>
        <translation>Illisible</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <location filename="../../src/browser/TrayController.cpp" line="+15"/>
        <source>Tray menu</source>
        <translation>Menu de la zone de notification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Quillo Draftbay is connected</source>
        <translation>Quillo Draftbay est connecté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quillo Draftbay is disconnected</source>
        <translation>Quillo Draftbay est déconnecté</translation>
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
        <translation>Une image WebP ne peut pas mesurer %1 × %2 pixels.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+20"/>
        <source>The installed WebP library does not match the one built against.</source>
        <translation>La bibliothèque WebP installée ne correspond pas à celle utilisée pour la compilation.</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+20"/>
        <source>Not enough memory to encode the WebP animation.</source>
        <translation>Mémoire insuffisante pour encoder l&apos;animation WebP.</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The frame does not fit the animation.</source>
        <translation>L&apos;image ne correspond pas aux dimensions de l&apos;animation.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The animation was not begun.</source>
        <translation>L&apos;animation n&apos;a pas été commencée.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The WebP animation could not be encoded: %1</source>
        <translation>L&apos;animation WebP n&apos;a pas pu être encodée : %1</translation>
    </message>
</context>
</TS>
