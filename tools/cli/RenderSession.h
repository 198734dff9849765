// What the commands that draw a sketch share: the offscreen application, the settings and
// the sketch loaded as the browser loads it.
#pragma once

#include "document/DocumentMetaData.h"

#include <QApplication>

#include <memory>
#include <string>

namespace Cli {

/// The application, settings and sketch a rendering command works on.
struct RenderSession
{
    std::unique_ptr<QApplication> application;
    /// Null when the settings or the sketch did not load (and why was printed).
    MetadataPtr sketch;
};

/// Starts an offscreen application (unless a platform was chosen) whose dialogs print, loads
/// the given settings (else the user's own, else the factory file; never written) and then
/// the sketch.
RenderSession startRenderSession(const std::string &settingsFile, const std::string &sketchPath);

/// A whole decimal integer, nothing else; false leaves value as it was.
bool parseInt(const std::string &text, int &value);

} // namespace Cli
