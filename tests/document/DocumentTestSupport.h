// Settings, generated pen files and small ink documents for the document, export and
// browser tests.
#pragma once

#include "RecordingDialogService.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"
#include "document/DocumentMetaData.h"
#include "ink/Document.h"
#include "ink/DocumentSerializer.h"
#include "settings/ApplSettings.h"

#include <QFile>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

namespace TestSupport {

/// Loads the factory settings into the process-wide store before each test, so that one
/// test's changes (angle, paper) never leak into the next; records the dialogs and gives a
/// temporary folder.
class SettingsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ApplSettings::instance().loadReadOnly(
            QStringLiteral(DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml")));
    }
    ApplSettings &settings() { return ApplSettings::instance(); }
    /// A path in the test's temporary folder.
    QString path(const QString &name) const
    {
        return QString::fromStdString(m_directory.path()) + QLatin1Char('/') + name;
    }

    ScopedDialogs m_dialogs;
    TempDirectory m_directory;
};

/// Writes a generated pen file; false when it could not be written.
inline bool writeSketch(const QString &path, std::size_t points, int layers = 1,
                        std::uint64_t seed = 1, Synth::SketchKind kind = Synth::SketchKind::Any)
{
    const Synth::SketchOptions options {
        .seed = seed, .points = points, .layers = layers, .kind = kind};
    return Synth::writeBytes(path.toStdString(),
                             Synth::encodePenFile(Synth::generateSketch(options)));
}

/// A stroke across the sheet from (x, y) to the right: `points` samples 60 units and
/// `stepMs` apart, the first at startMs on the pen's clock.
inline Synth::SynthStroke strokeAcross(double x, double y, int points, std::uint32_t startMs,
                                       std::uint32_t stepMs = 10)
{
    Synth::SynthStroke stroke;
    for (int i = 0; i < points; ++i)
        stroke.samples.push_back({.x = x + 60.0 * i,
                                  .y = y,
                                  .pressure = 1024,
                                  .timeMs = startMs + stepMs * static_cast<std::uint32_t>(i)});
    return stroke;
}

/// The sketch written as a pen file at path and loaded, as the pressure-rendering copy the
/// editor hands its views; null (with a failed expectation) when it does not load.
inline MetadataPtr pressureCopyOf(const Synth::SynthSketch &sketch, const QString &path)
{
    EXPECT_TRUE(Synth::writeBytes(path.toStdString(), Synth::encodePenFile(sketch)));
    DocumentMetaData loaded(path);
    EXPECT_TRUE(loaded.load());
    return loaded.isLoaded() ? loaded.createPressureCopy() : MetadataPtr();
}

/// The ink saved as a document at path and opened as the editor opens it: the pressure copy;
/// null (with a failed expectation) when it does not save or load.
inline MetadataPtr pressureCopyOf(const Nivo::Document &ink, const QString &path)
{
    Nivo::Document copy = ink;
    EXPECT_TRUE(Nivo::DocumentSerializer(&copy).saveFileNarrow(path.toStdString(),
                                                               Nivo::DefaultInkMLDefinitions()));
    DocumentMetaData loaded(path);
    EXPECT_TRUE(loaded.load());
    return loaded.isLoaded() ? loaded.createPressureCopy() : MetadataPtr();
}

/// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline Nivo::Stroke lineStroke(QPointF from, QPointF to, int points, unsigned pressure)
{
    Nivo::Stroke stroke;
    for (int i = 0; i < points; ++i) {
        const QPointF p = from + (to - from) * (static_cast<double>(i) / (points - 1));
        stroke.add(Nivo::Point(p.x(), p.y(), 0, pressure, 0, 0, 0));
    }
    return stroke;
}

inline Nivo::Document documentOf(std::initializer_list<std::initializer_list<Nivo::Stroke>> layers)
{
    Nivo::Document document;
    for (const auto &strokes : layers) {
        Nivo::Layer layer;
        for (const Nivo::Stroke &stroke : strokes)
            layer.add(stroke);
        document.add(layer);
    }
    document.complete().set(true);
    return document;
}

inline const Nivo::Point &firstPoint(const Nivo::Document &document)
{
    return document.elements()[0].elements()[0].elements()[0];
}

/// Number of pixels of the area with any coverage.
inline int inkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

/// Number of pixels of the area darker than the threshold.
inline int darkPixels(const QImage &image, const QRect &area, int threshold = 128)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < threshold ? 1 : 0;
    return count;
}

} // namespace TestSupport
