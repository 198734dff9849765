// Handing a sketch to an installed drawing application: the layer images that a Photoshop
// script stacks into one image, or a saved document that the application opens.
#pragma once

#include "settings/InstalledApp.h"

#include <QDateTime>
#include <QString>

class DocumentMetaData;

/// Where an export writes and finds its files.
struct ExportPlaces
{
    QString temporary;     ///< the folder of the per-export folders
    QString home;          ///< where the Photoshop script looks for temppics.adob
    QString programFolder; ///< where ExecuteJavaScript.vbs lies (or its support/ folder)

    /// The system's temporary folder, the user's home and the program's folder.
    static ExportPlaces ofSystem();
};

/// The time as an export folder's name: "ddMMyyyyhhmmsszzz".
QString exportStamp(const QDateTime &time);

/// Makes <temporary>/<stamp>; when two exports fall in one millisecond the later one gets
/// "_2", "_3", … after the stamp. Empty when no folder can be made.
QString makeExportFolder(const QString &temporary, const QDateTime &time);

/// Writes a fresh folder of background.png (opaque white) and 0.png, 1.png, … (each layer
/// alone on transparency, the page's size), with layers.txt naming the layers,
/// records the folder in <home>/temppics.adob and starts the script that makes Photoshop
/// stack them (through the application's launch command, else the desktop). False, after
/// saying why, when a file cannot be written or the script cannot be started. Call on the
/// user-interface thread.
bool exportToPhotoshop(const DocumentMetaData &metadata, const InstalledApp &photoshop,
                       const ExportPlaces &places = ExportPlaces::ofSystem());

/// Writes the document as seen (turned and moved like the view, in the receiver's
/// coordinates) as a saved document; ".vmr" is added unless the name ends so in any case.
/// False, after saying why, when the file cannot be written.
bool saveForExport(const DocumentMetaData &metadata, QString fileName);

/// Writes what the application takes into a fresh folder, named after the sketch: a saved
/// document (Illustrator, SketchBook), an OpenRaster file (Krita, MyPaint, GIMP where it reads
/// one), a layered Photoshop file (GIMP otherwise) or a layered SVG (Inkscape), or Photoshop's
/// layer images; then starts the application with it through its launch command (each argument
/// apart, no shell), or the desktop's handler when it has none. False, after saying why, when the
/// file cannot be written or the application cannot be started.
bool exportToApplication(const DocumentMetaData &metadata, const InstalledApp &application,
                         const ExportPlaces &places = ExportPlaces::ofSystem());
