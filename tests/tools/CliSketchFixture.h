// A temporary folder holding a generated sketch, and draftbay-cli run in it.
#pragma once

#include "CliProcess.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <string>

namespace TestSupport {

class CliSketchFixture : public ::testing::Test
{
protected:
    /// Writes sketch.qpe into the folder: a generated sketch of the points and layers.
    void writeSketch(std::size_t points, int layers)
    {
        Synth::SketchOptions options;
        options.points = points;
        options.layers = layers;
        ASSERT_TRUE(Synth::writeBytes(m_directory.file("sketch.qpe"),
                                      Synth::encodePenFile(Synth::generateSketch(options))));
    }
    QString file(const std::string &name) const
    {
        return QString::fromStdString(m_directory.file(name));
    }
    /// Runs the tool in the folder with the factory settings.
    ProcessResult cli(QStringList arguments)
    {
        arguments << "--settings" << m_settings;
        return runTool(cliPath(), arguments, QString::fromStdString(m_directory.path()));
    }

    TempDirectory m_directory;
    // The tool must not depend on (or touch) the user's own settings.
    const QString m_settings
        = QStringLiteral(DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml");
};

} // namespace TestSupport
