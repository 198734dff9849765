// The live reports the simulated receiver streams: a pen file's strokes, step by step.
#pragma once

#include "device/HidConnection.h"

#include <QString>

#include <cstdint>
#include <vector>

class PenReplay
{
public:
    struct Step
    {
        InputReport report;
        /// Milliseconds between this report and the next, as the pen file's clock says
        /// (uncapped); the last step's is 0.
        std::uint32_t delayMs = 0;
    };

    /// Reads the first pen file (".qpe" or ".eli" in any case, by name) of the volume's
    /// "My Sketches" folder that reads completely; false when there is none.
    bool load(const QString &volumeDir);
    /// Builds the steps of one pen file; false when it does not read completely.
    bool loadFile(const QString &path);

    const std::vector<Step> &steps() const { return m_steps; }
    const QString &fileName() const { return m_fileName; }

private:
    std::vector<Step> m_steps;
    QString m_fileName;
};
