// Item text, tooltip, picture scaling and the visitors over the items.
#include "browser/ThumbnailItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>

ThumbnailItem::ThumbnailItem(const MetadataPtr &metadata, const QImage &picture, int side)
    : QListWidgetItem(nullptr, kType)
{
    m_keeper.metadata = metadata;
    m_keeper.picture = picture;
    const QString path = QDir::toNativeSeparators(metadata->path());
    setText(QFileInfo(path).fileName());
    setData(Qt::UserRole, path);
    setBackground(QColor(166, 173, 176, 255));
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
    updateToolTip();
    showPicture(side, Qt::SmoothTransformation);
}

QString ThumbnailItem::filePath() const
{
    return data(Qt::UserRole).toString();
}

void ThumbnailItem::setFilePath(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    setText(QFileInfo(native).fileName());
    setData(Qt::UserRole, native);
    m_keeper.metadata->setPath(native);
    updateToolTip();
}

void ThumbnailItem::updateToolTip()
{
    QString tip = QStringLiteral("File :") + text();
    // A sketch that could not be read says why.
    if (!m_keeper.metadata->isLoaded() && !m_keeper.metadata->errorText().isEmpty()) {
        setToolTip(tip + QLatin1Char('\n') + m_keeper.metadata->errorText());
        return;
    }
    const auto &document = m_keeper.metadata->document();
    if (document) {
        const auto tag = document->annotations().find("tag");
        if (tag != document->annotations().end() && !tag->second.empty())
            tip += QStringLiteral(" : \"") + QString::fromStdString(tag->second) + QLatin1Char('"');
    }
    setToolTip(tip);
}

void ThumbnailItem::showPicture(int side, Qt::TransformationMode mode)
{
    const int iconSide = side - 20;
    if (!m_keeper.picture.isNull() && iconSide > 0) {
        const QImage scaled = m_keeper.picture.width() == iconSide
            ? m_keeper.picture
            : m_keeper.picture.scaled(iconSide, iconSide, Qt::KeepAspectRatio, mode);
        setIcon(QIcon(QPixmap::fromImage(scaled)));
    }
    setSizeHint(QSize(side, side));
}

void Resizer::visit(QListWidgetItem *item)
{
    if (item->type() == ThumbnailItem::kType)
        static_cast<ThumbnailItem *>(item)->showPicture(m_side, m_mode);
    else
        item->setSizeHint(QSize(m_side, m_side));
}

void ItemFinderByFileName::visit(QListWidgetItem *item)
{
    if (!m_found && item->text() == m_fileName)
        m_found = item;
}

QImage placeholderPicture(int side, const QString &fileName)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(236, 238, 240));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // A sheet with a torn corner, the file's name and a word on why it shows no ink.
    const qreal unit = side / 10.0;
    QPolygonF sheet;
    sheet << QPointF(3 * unit, 1.5 * unit) << QPointF(6.2 * unit, 1.5 * unit)
          << QPointF(7 * unit, 2.3 * unit) << QPointF(7 * unit, 6 * unit)
          << QPointF(3 * unit, 6 * unit);
    painter.setPen(QPen(QColor(150, 156, 162), unit * 0.12));
    painter.setBrush(Qt::white);
    painter.drawPolygon(sheet);
    painter.setPen(QPen(QColor(200, 60, 50), unit * 0.35, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4.2 * unit, 3 * unit), QPointF(5.8 * unit, 4.6 * unit));
    painter.drawLine(QPointF(5.8 * unit, 3 * unit), QPointF(4.2 * unit, 4.6 * unit));
    QFont font = painter.font();
    font.setPixelSize(std::max(10, side / 16));
    painter.setFont(font);
    painter.setPen(QColor(70, 76, 82));
    const QRectF lines(0.5 * unit, 6.4 * unit, 9 * unit, 3.2 * unit);
    painter.drawText(lines, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere,
                     QCoreApplication::translate("ThumbnailItem", "Cannot be read")
                         + QLatin1Char('\n') + fileName);
    painter.end();
    return image;
}
