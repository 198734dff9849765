// The folder tree of the preview page: folders only, thumbnails can be dropped onto them.
#include "browser/DirView.h"

#include "browser/FolderTreeModel.h"
#include "browser/SketchDrag.h"
#include "settings/AtomicSaveFile.h"
#include "settings/DialogService.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStorageInfo>

namespace {

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
}

/// The folders under which the desktop mounts removable media for this user.
QStringList mountParents()
{
    const QString user = QFileInfo(QDir::homePath()).fileName();
    return {QStringLiteral("/media"), QStringLiteral("/media/") + user,
            QStringLiteral("/run/media/") + user};
}

QStringList mountedRemovableDrives()
{
    QStringList drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool removable = root.startsWith(QLatin1String("/media/"))
            || root.startsWith(QLatin1String("/run/media/"));
        if (volume.isValid() && volume.isReady() && removable)
            drives << root;
    }
    return drives;
}

} // namespace

DirView::DirView(QWidget *parent)
    : QTreeView(parent)
    , m_model(new FolderTreeModel(this))
    , m_mountWatcher(new QFileSystemWatcher(this))
    , m_drives(&mountedRemovableDrives)
{
    setModel(m_model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    for (const QString &folder : mountParents())
        if (QFileInfo(folder).isDir())
            m_mountWatcher->addPath(folder);
    connect(m_mountWatcher, &QFileSystemWatcher::directoryChanged, this, &DirView::refreshPlaces);
    refreshPlaces();
    setAccessibleName(tr("Folders"));
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    connect(this, &QTreeView::clicked, this, &DirView::mouseClickedSlot);
}

DirView::~DirView() = default;

void DirView::init(const QString &path)
{
    // The tree lists folders only, so the sketch name patterns do not narrow it.
    refreshPlaces();
    collapseAll();
    (void)selectPath(path);
    setAnimated(false);
    setIndentation(20);
}

void DirView::refreshPlaces()
{
    std::vector<FolderPlace> places;
    const QString root = QDir::rootPath();
    const QString home = cleanFolder(QDir::homePath());
    if (home != root && QFileInfo(home).isDir())
        places.push_back({FolderPlace::Kind::Home, home, tr("Home")});
    const QString receiver = m_receiverFolder.isEmpty() ? QString() : cleanFolder(m_receiverFolder);
    if (!receiver.isEmpty() && QFileInfo(receiver).isDir())
        places.push_back({FolderPlace::Kind::Receiver, receiver, tr("My Sketches")});
    QStringList drives = m_drives ? m_drives() : QStringList();
    for (QString &drive : drives)
        drive = cleanFolder(drive);
    drives.removeDuplicates();
    for (const QString &drive : std::as_const(drives)) {
        // The receiver's volume is reached through its own place.
        if (drive != root && QFileInfo(drive).isDir() && !receiver.startsWith(drive + '/'))
            places.push_back({FolderPlace::Kind::Drive, drive, QFileInfo(drive).fileName()});
    }
    places.push_back({FolderPlace::Kind::Root, root, tr("File System")});
    m_model->setPlaces(places);
}

void DirView::setDriveLister(DriveLister lister)
{
    m_drives = std::move(lister);
    refreshPlaces();
}

QModelIndex DirView::indexOfFolder(const QString &path)
{
    return m_model->indexForPath(path);
}

bool DirView::selectPath(const QString &path)
{
    if (!model())
        return false;
    m_currentPath = path;
    const QModelIndex index = m_model->indexForPath(path);
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
    return QDir(m_model->pathOf(index));
}

void DirView::dropDrive(const QString &drive)
{
    // A volume that went away loses its place and its folders wherever they are shown.
    refreshPlaces();
    m_model->refresh(drive);
    const QModelIndex index = m_model->indexForPath(drive);
    if (index.isValid())
        collapse(index);
    viewport()->update();
}

void DirView::setReceiverFolder(const QString &path)
{
    m_receiverFolder = path;
    refreshPlaces();
}

void DirView::onDragStarted()
{
    m_dragStartIndex = currentIndex();
}

void DirView::mouseClickedSlot(const QModelIndex &index)
{
    if (index.isValid())
        emit navigationEvent(QDir(QDir::toNativeSeparators(m_model->pathOf(index))));
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
    const QModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    // Keys that move to another folder show it; opening or closing a branch does not.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (currentIndex() != before)
            emit navigationEvent(QDir(QDir::toNativeSeparators(currentDir().absolutePath())));
        break;
    default:
        break;
    }
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
    if (!SketchDrag::carriesSketch(event->mimeData())) {
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
    if (!SketchDrag::carriesSketch(event->mimeData())) {
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
    if (!SketchDrag::carriesSketch(event->mimeData()) || !index.isValid()) {
        event->ignore();
        return;
    }
    const QString source = SketchDrag::pathOf(event->mimeData());
    if (source.isEmpty() || !copyIntoFolder(source, m_model->pathOf(index))) {
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
