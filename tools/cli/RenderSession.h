// What the commands that draw a sketch share: the offscreen application, the settings and
// the sketch loaded as the browser loads it.
#pragma once

#include "document/DocumentMetaData.h"

#include <QGuiApplication>

#include <memory>
#include <string>

namespace Cli {

/// The application, settings and sketch a rendering command works on.
struct RenderSession
{
    /// A QApplication, unless the session was started for the ink only.
    std::unique_ptr<QGuiApplication> application;
    /// Null when the settings or the sketch did not load (and why was printed).
    MetadataPtr sketch;
};

/// What a command draws the sketch with. Either way the sketch is read without a scene:
/// the commands draw a pressure copy of it, or its ink itself.
enum class SessionNeeds {
    Widgets, ///< a scene of its own, which needs a QApplication
    InkOnly, ///< only the ink, as the browser's loader draws thumbnails: no widgets
};

/// Starts an offscreen application (unless a platform was chosen) whose dialogs print, loads
/// the given settings (else the user's own, else the factory file; never written) and then
/// the sketch.
RenderSession startRenderSession(const std::string &settingsFile, const std::string &sketchPath,
                                 SessionNeeds needs = SessionNeeds::Widgets);

/// A whole decimal integer, nothing else; false leaves value as it was.
bool parseInt(const std::string &text, int &value);

} // namespace Cli
