// Turning a pen file's points into live reports with the pauses between them.
#include "device/sim/PenReplay.h"

#include "device/InputReportCodec.h"
#include "ink/QpeParser.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// Positions are reported from the sketch's top-left corner, since live reports carry no sign.
unsigned int reportedPosition(double value, double origin)
{
    const double tenths = std::round((value - origin) * 10.0);
    return tenths <= 0 ? 0u : static_cast<unsigned int>(std::min(tenths, double(0xFFFFFF)));
}

InputReport reportOf(const Nivo::Point &point, const Nivo::Point &origin, unsigned int pressure)
{
    return encodeLiveReport(reportedPosition(point.x.value(), origin.x.value()),
                            reportedPosition(point.y.value(), origin.y.value()), pressure,
                            static_cast<unsigned char>(point.xtilt.value() & 0xFF),
                            static_cast<unsigned char>(point.ytilt.value() & 0xFF));
}

// The pen-file clock counts milliseconds in 24 bits and wraps.
std::uint32_t clockDifference(unsigned long from, unsigned long to)
{
    return static_cast<std::uint32_t>((to - from) & 0xFFFFFF);
}

} // namespace

bool PenReplay::load(const QString &volumeDir)
{
    const QDir folder(QDir(volumeDir).filePath(QStringLiteral("My Sketches")));
    const QStringList names = folder.entryList({QStringLiteral("*.qpe"), QStringLiteral("*.eli")},
                                               QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (loadFile(folder.filePath(name)))
            return true;
    }
    return false;
}

bool PenReplay::loadFile(const QString &path)
{
    Nivo::QpeParser parser(path.toStdWString());
    if (!parser.load())
        return false;
    const Nivo::Document &document = *parser.document();
    const Nivo::Point origin = document.topLeft().value();
    std::vector<Step> steps;
    const Nivo::Point *previous = nullptr;
    for (const Nivo::Layer &layer : document.elements()) {
        for (const Nivo::Stroke &stroke : layer.elements()) {
            for (const Nivo::Point &point : stroke.elements()) {
                if (previous)
                    steps.back().delayMs
                        = clockDifference(previous->timestamp.value(), point.timestamp.value());
                steps.push_back({reportOf(point, origin, point.pressure.value()), 0});
                previous = &point;
            }
            // The pen lifts at the end of each stroke: one report without pressure.
            if (previous)
                steps.push_back({reportOf(*previous, origin, 0), 0});
        }
    }
    m_steps = std::move(steps);
    m_fileName = QFileInfo(path).fileName();
    return true;
}
