// The receiver's eight positions around the sheet, their pictures and angles.
#include "preferences/ReceiverPositionPicture.h"

#include <QMouseEvent>

#include <iterator>

namespace {

// By index: the angle written in the settings and the picture's name.
struct Position
{
    const char *angle;
    const char *picture;
};
constexpr Position kPositions[] = {
    {"-45", "ul_rpos.png"}, {"0", "um_rpos.png"},    {"45", "ur_rpos.png"},  {"-90", "ml_rpos.png"},
    {"90", "mr_rpos.png"},  {"-135", "ll_rpos.png"}, {"180", "lm_rpos.png"}, {"135", "lr_rpos.png"},
};
constexpr int kUpperMiddle = 1;
// The position of each cell of the grid over the picture, row by row.
constexpr int kCellPositions[3][3] = {{0, 1, 2}, {3, -1, 4}, {5, 6, 7}};

} // namespace

ReceiverPositionPicture::ReceiverPositionPicture(bool landscape, QWidget *parent)
    : QLabel(parent)
    , m_landscape(landscape)
{
    setAccessibleName(tr("Receiver position"));
    setToolTip(tr("Click where the receiver is clipped to the sheet"));
    setAlignment(Qt::AlignCenter);
}

int ReceiverPositionPicture::positionOfAngle(const QString &angle)
{
    bool isNumber = false;
    const int degrees = angle.trimmed().toInt(&isNumber);
    if (!isNumber)
        return -1;
    for (int index = 0; index < int(std::size(kPositions)); ++index) {
        if (QString::fromLatin1(kPositions[index].angle).toInt() == degrees)
            return index;
    }
    return -1;
}

QString ReceiverPositionPicture::angleOf(int position)
{
    return QString::fromLatin1(kPositions[position].angle);
}

void ReceiverPositionPicture::showPosition(int position)
{
    const int shown = position >= 0 ? position : kUpperMiddle;
    setPixmap(QPixmap(QStringLiteral(":/settings/Resources/settings/")
                      + (m_landscape ? QStringLiteral("land_") : QStringLiteral("port_"))
                      + QString::fromLatin1(kPositions[shown].picture)));
}

void ReceiverPositionPicture::mousePressEvent(QMouseEvent *event)
{
    // The press counts inside the picture, which the label centres.
    const QSize size = pixmap().deviceIndependentSize().toSize();
    const QPoint point = event->position().toPoint()
        - QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
    event->accept();
    if (size.isEmpty() || point.x() < 0 || point.y() < 0 || point.x() >= size.width()
        || point.y() >= size.height())
        return;
    const int position
        = kCellPositions[point.y() * 3 / size.height()][point.x() * 3 / size.width()];
    if (position >= 0)
        emit positionChosen(position);
}
