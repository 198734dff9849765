// The receiver-angle table: a turn about the origin, then a shift back onto the sheet.
#include "document/ReceiverPosition.h"

#include "ink/Document.h"
#include "settings/ApplSettings.h"

#include <QDebug>

#include <cmath>

void normaliseReceiverPosition(Nivo::Document &document, ApplSettings &settings)
{
    QString text;
    if (!settings.getAttribute(QStringLiteral("page_properties/page"), QStringLiteral("angle"),
                               text)) {
        qDebug() << " mindReaderPosition cant find correct angle";
        return;
    }
    float angle = text.toFloat();
    if (angle == 0.0f)
        return;
    // A huge angle would take forever to bring down by whole turns, an infinite one for ever.
    if (!std::isfinite(angle)) {
        qDebug() << " mindReaderPosition ignores the angle" << text;
        return;
    }
    angle = std::fmod(angle, 360.0f);
    if (angle > 180.0f)
        angle -= 360.0f;
    if (angle < -180.0f)
        angle += 360.0f;
    // The receiver's angles were always turned with 3.14 for pi; documents rely on it.
    const float radians = angle * 3.14f / 180.0f;
    if (radians == 0.0f)
        return;
    document.rotate(radians);

    const double sign = angle > 0 ? 1.0 : -1.0;
    const QSizeF page = settings.pageSize();
    const double w = page.width();
    const double h = page.height();
    const float magnitude = std::fabs(angle);
    if (magnitude < 90.0f)
        document.shift(sign * (w / 2 - 176), 176);
    else if (magnitude == 90.0f)
        document.shift(sign * w / 2, h / 2);
    else if (magnitude < 180.0f)
        document.shift(sign * (w / 2 - 176), h - 176);
    else
        document.shift(0, h);
}
