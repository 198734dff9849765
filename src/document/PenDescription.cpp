// Building the default pen from the settings.
#include "document/PenDescription.h"

#include "settings/ApplSettings.h"

PenDescription::PenDescription(ApplSettings &settings)
{
    const QString entry = QStringLiteral("visuality_properties/default_pen");
    QString text;
    if (!settings.getAttribute(entry, QStringLiteral("rgba_color"), text)
        || !ApplSettings::parseColor(text, color))
        color = Qt::black;
    if (settings.getAttribute(entry, QStringLiteral("width"), text))
        width = text.toInt();
    if (settings.getAttribute(entry, QStringLiteral("ball_point_size"), text))
        width *= text.toDouble();
}

QPen PenDescription::toPen() const
{
    QPen pen(QBrush(color, static_cast<Qt::BrushStyle>(brushStyle)), width,
             static_cast<Qt::PenStyle>(penStyle), static_cast<Qt::PenCapStyle>(capStyle),
             static_cast<Qt::PenJoinStyle>(joinStyle));
    pen.setColor(color);
    return pen;
}
