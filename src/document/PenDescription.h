// The default pen of the ink, taken from the settings store.
#pragma once

#include <QColor>
#include <QPen>

class ApplSettings;

/// A plain record, copied by value into every layer group and stroke item.
struct PenDescription
{
    PenDescription() = default;
    /// Reads colour, width and ball-point size of "visuality_properties/default_pen". A
    /// missing or invalid colour gives black; a missing width or size leaves the width as
    /// it is.
    explicit PenDescription(ApplSettings &settings);

    /// A pen of this description: the colour, width and styles.
    QPen toPen() const;

    QColor color = Qt::black;
    QColor secondaryColor = Qt::gray;
    int lineKind = 1;
    /// Width in tenths of a millimetre: the settings' width times the ball-point size.
    double width = 1.0;
    int penStyle = Qt::SolidLine;
    int capStyle = Qt::RoundCap;
    int joinStyle = Qt::RoundJoin;
    int brushStyle = Qt::NoBrush;
};
