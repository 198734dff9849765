// The look-ups that find Adobe and Autodesk drawing applications in a Windows registry.
#pragma once

#include "settings/InstalledApp.h"

class RegistryReader;

/// Adobe Photoshop, Adobe Illustrator, Autodesk SketchBook Designer and Autodesk SketchBook
/// Pro, in this order, each only when its keys are there. Software keys are looked up in
/// the 64-bit view and then, on a 64-bit system, in the 32-bit view, so that 32-bit
/// installations are found too. For a Wine prefix's registry the paths recorded are host
/// paths and the applications start through wineProgram.
///
/// An Illustrator plug-in folder that lacks the plug-in "vmrexportfile.aip" gets a copy from
/// supportFolder (the folder "support" beside the program), after an information box
/// through the dialog seam; a copy that cannot be made is silent.
QList<InstalledApp> findWindowsApps(const RegistryReader &registry, const QString &supportFolder,
                                    const QString &wineProgram);
