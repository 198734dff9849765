// A temporary folder holding generated sketches, and draftbay-cli run in it.
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
    /// Writes a generated sketch of the points and layers into the folder; its path.
    QString writeSketch(std::size_t points, int layers, const std::string &name = "sketch.qpe",
                        std::uint64_t seed = 1)
    {
        const Synth::SketchOptions options {.seed = seed, .points = points, .layers = layers};
        EXPECT_TRUE(Synth::writeBytes(m_directory.file(name),
                                      Synth::encodePenFile(Synth::generateSketch(options))));
        return file(name);
    }
    QString file(const std::string &name) const
    {
        return QString::fromStdString(m_directory.file(name));
    }
    /// Runs the tool in the folder with the arguments as they are.
    ProcessResult run(const QStringList &arguments) const
    {
        return runTool(cliPath(), arguments, QString::fromStdString(m_directory.path()));
    }
    /// Runs the tool in the folder with the factory settings.
    ProcessResult cli(QStringList arguments) const
    {
        arguments << "--settings" << m_settings;
        return run(arguments);
    }

    TempDirectory m_directory;
    // The tool must not depend on (or touch) the user's own settings.
    const QString m_settings
        = QStringLiteral(DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml");
};

} // namespace TestSupport
