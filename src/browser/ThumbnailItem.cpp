// Item text, tooltip, picture scaling and the visitors over the items.
#include "browser/ThumbnailItem.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>

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
