// The folder tree of the preview page: folders only, thumbnails can be dropped onto them.
#include "browser/DirView.h"

#include "settings/ApplSettings.h"
#include "settings/AtomicSaveFile.h"
#include "settings/DialogService.h"

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace {

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
}

QString draggedPath(const QMimeData *mime)
{
    QByteArray bytes = mime->data(QString::fromLatin1(DirView::kMimeType));
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    QString path;
    stream >> path;
    return stream.status() == QDataStream::Ok ? path : QString();
}

} // namespace

DirView::DirView(QWidget *parent)
    : QTreeView(parent)
    , m_model(new QFileSystemModel(this))
{
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    setModel(m_model);
    setAccessibleName(tr("Folders"));
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    connect(this, &QTreeView::clicked, this, &DirView::mouseClickedSlot);
}

DirView::~DirView() = default;

void DirView::init(const QString &path)
{
    QString patterns;
    if (ApplSettings::instance().getAttribute(QStringLiteral("fileformats/extensions"),
                                              QStringLiteral("list"), patterns))
        m_model->setNameFilters(patterns.split(QLatin1Char(' ')));
    collapseAll();
    (void)selectPath(path);
    setAnimated(false);
    setIndentation(20);
    for (int column = 1; column <= 3; ++column)
        hideColumn(column);
}

bool DirView::selectPath(const QString &path)
{
    if (!model())
        return false;
    m_currentPath = path;
    const QModelIndex index = m_model->index(cleanFolder(path));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid())
        scrollTo(index);
    emit navigationEvent(QDir(QDir::toNativeSeparators(path)));
    return true;
}

QDir DirView::currentDir() const
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return QDir(m_currentPath);
    return QDir(m_model->fileInfo(index).absoluteFilePath());
}

void DirView::dropDrive(const QString &drive)
{
    // The model watches the folders it has read, so the entries of a volume that went away
    // leave by themselves; folding its node keeps them off the screen meanwhile.
    const QModelIndex index = m_model->index(cleanFolder(drive));
    if (index.isValid())
        collapse(index);
    viewport()->update();
}

void DirView::setReceiverFolder(const QString &path)
{
    m_receiverFolder = path;
}

void DirView::onDragStarted()
{
    m_dragStartIndex = currentIndex();
}

void DirView::mouseClickedSlot(const QModelIndex &index)
{
    if (index.isValid())
        emit navigationEvent(QDir(QDir::toNativeSeparators(m_model->filePath(index))));
}

void DirView::moveSketchersToLocalSlot()
{
    emit moveFromUsbToSelectedFolderSgnl(currentDir());
}

std::unique_ptr<QMenu> DirView::createReceiverMenu()
{
    auto menu = std::make_unique<QMenu>();
    menu->addAction(tr("&Move sketches to local folder"), this, &DirView::moveSketchersToLocalSlot);
    return menu;
}

void DirView::execContextMenu(QMenu &menu, const QPoint &globalPosition)
{
    menu.exec(globalPosition);
}

void DirView::keyPressEvent(QKeyEvent *event)
{
    QTreeView::keyPressEvent(event);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        emit navigationEvent(QDir(QDir::toNativeSeparators(currentDir().absolutePath())));
}

void DirView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton && isReceiverFolder(currentDir())) {
        const std::unique_ptr<QMenu> menu = createReceiverMenu();
        execContextMenu(*menu, event->globalPosition().toPoint());
        event->accept();
    } else {
        event->ignore();
    }
}

void DirView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kMimeType))) {
        event->ignore();
        return;
    }
    if (!m_dragStartIndex.isValid())
        m_dragStartIndex = currentIndex();
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void DirView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kMimeType))) {
        event->ignore();
        return;
    }
    // The folder under the cursor is shown selected; the current folder stays as it was.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        selectionModel()->select(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void DirView::dragLeaveEvent(QDragLeaveEvent *event)
{
    restoreDragStartIndex();
    event->accept();
}

void DirView::dropEvent(QDropEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    restoreDragStartIndex();
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kMimeType)) || !index.isValid()) {
        event->ignore();
        return;
    }
    const QString source = draggedPath(event->mimeData());
    if (source.isEmpty() || !copyIntoFolder(source, m_model->filePath(index))) {
        event->ignore();
        return;
    }
    // Offered and accepted as a move, but the file was copied: the source stays.
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

bool DirView::copyIntoFolder(const QString &source, const QString &folder)
{
    const QFileInfo sourceInfo(source);
    const QString target
        = QDir::toNativeSeparators(folder + QLatin1Char('/') + sourceInfo.fileName());
    const QFileInfo targetInfo(target);
    if (targetInfo.exists()) {
        const QString question = QStringLiteral("%1  %2?").arg(
            tr("Are you sure you want to overwrite file"), sourceInfo.fileName());
        if (dialogs().question(this, applicationTitle(), question,
                               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
            != QMessageBox::Ok)
            return false;
        // The file is already where it was dropped: replacing it by itself could only lose it.
        if (sourceInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
            return true;
    }
    if (!copyFileAtomically(source, target)) {
        dialogs().warning(this, applicationTitle(),
                          tr("Failed to copy file") + QLatin1Char('\n')
                              + QDir::toNativeSeparators(source) + QStringLiteral(" -> ") + target);
        return false;
    }
    return true;
}

bool DirView::isReceiverFolder(const QDir &folder) const
{
    return !m_receiverFolder.isEmpty()
        && cleanFolder(folder.absolutePath()) == cleanFolder(m_receiverFolder);
}

void DirView::restoreDragStartIndex()
{
    const QModelIndex index
        = m_dragStartIndex.isValid() ? QModelIndex(m_dragStartIndex) : currentIndex();
    if (index.isValid())
        selectionModel()->select(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selectionModel()->clearSelection();
    m_dragStartIndex = QPersistentModelIndex();
}
