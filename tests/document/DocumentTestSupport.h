// Settings and small ink documents for the document and export tests.
#pragma once

#include "RecordingDialogService.h"
#include "ink/Document.h"
#include "settings/ApplSettings.h"

#include <QImage>

#include <gtest/gtest.h>

namespace TestSupport {

inline QString factorySettingsPath()
{
    return QStringLiteral(DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml");
}

/// Loads the factory settings into the process-wide store before each test, so that one
/// test's changes (angle, paper) never leak into the next.
class SettingsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ApplSettings::instance().loadReadOnly(factorySettingsPath()));
    }
    ApplSettings &settings() { return ApplSettings::instance(); }

    ScopedDialogs m_dialogs;
};

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

/// Number of pixels in a column (or row) darker than the threshold.
inline int darkInColumn(const QImage &image, int x, int threshold = 128)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += qGray(image.pixel(x, y)) < threshold ? 1 : 0;
    return count;
}

inline int darkInRow(const QImage &image, int y, int threshold = 128)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += qGray(image.pixel(x, y)) < threshold ? 1 : 0;
    return count;
}

} // namespace TestSupport
