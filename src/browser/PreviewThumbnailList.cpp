// Paging, loader results, thumbnails, resizing, navigation, drag and drop, file commands.
#include "browser/PreviewThumbnailList.h"

#include "browser/FolderWatcher.h"
#include "browser/LoaderThread.h"
#include "browser/SketchDisposal.h"
#include "browser/SketchDrag.h"
#include "browser/SketchFileOperations.h"
#include "browser/ThumbnailItem.h"
#include "document/Thumbnail.h"
#include "ink/ThreadHandover.h"
#include "settings/ApplSettings.h"
#include "settings/DesktopServices.h"
#include "settings/DialogService.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include <utility>

namespace {

const QColor kItemBackground(166, 173, 176, 255);
const QColor kDropHighlight(110, 160, 205, 255);

} // namespace

PreviewThumbnailList::PreviewThumbnailList(QWidget *parent)
    : QListWidget(parent)
    , m_loader(new LoaderThread(this))
    , m_settings(&ApplSettings::instance())
    , m_disposal(new SketchDisposal(this))
    , m_folderWatcher(new FolderWatcher(this))
{
    // Changes on disc reach the list without F5, a moment after the last of a burst.
    connect(m_folderWatcher, &FolderWatcher::changed, this,
            &PreviewThumbnailList::handleFolderChanged);
    QString filters;
    if (m_settings->getAttribute(QStringLiteral("fileformats/extensions"), QStringLiteral("list"),
                                 filters))
        m_loader->setNameFilters(filters);
    m_loader->setThumbnailSide(kRenderedThumbnailSide);
    // Static items (set first: it turns dragging and dropping off), dragged out as files.
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setDragEnabled(true);
    setAcceptDrops(true);
    // Drops land on the viewport, whose coordinates are those of the items.
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setSpacing(20);
    setUniformItemSizes(true);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setIconSize(QSize(m_itemSize - 20, m_itemSize - 20));
    setAccessibleName(tr("Sketches"));

    connect(m_loader, &LoaderThread::fileDocumentMetaDataReady, this,
            &PreviewThumbnailList::handle_fileDocumentMetaDataReady);
    connect(m_loader, &LoaderThread::filesCountSignal, this,
            &PreviewThumbnailList::handle_filesCountSignal);
    connect(m_loader, &LoaderThread::loadFilesFinishedSgnl, this,
            &PreviewThumbnailList::loadFilesFinishedSlot);
    connect(m_loader, &LoaderThread::filesLoadProgressChunkDone, this,
            &PreviewThumbnailList::handlefilesLoadProgressChunkDone);
    connect(m_loader, &LoaderThread::clearThumbnailListWidgetSignal, this,
            &PreviewThumbnailList::clearThumbnailListWidgetSlot);
    connect(m_loader, &LoaderThread::fileNotLoadedSignal, this,
            &PreviewThumbnailList::handleFileNotLoaded);
    buildContextMenu();
}

PreviewThumbnailList::~PreviewThumbnailList()
{
    // Join the loader first, then take the results it sent meanwhile, so none leaks. The
    // window around the list may be half destroyed already: tell it nothing more.
    blockSignals(true);
    delete m_loader;
    m_loader = nullptr;
    m_windowStart = m_windowEnd = 0;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void PreviewThumbnailList::buildContextMenu()
{
    m_contextMenu = new QMenu(this);
    m_contextMenu->setAccessibleName(tr("Sketch commands"));
    m_contextMenu->addAction(tr("&Edit Layers"), this, &PreviewThumbnailList::editCurrentFileSlot);
    m_contextMenu->addSeparator();
    m_contextMenu->addSeparator();
    QAction *remove
        = m_contextMenu->addAction(tr("&Delete"), this, &PreviewThumbnailList::deleteCurrentFile);
    // The Delete key deletes too (after the same question), wherever the list has focus.
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(remove);
    m_contextMenu->addAction(tr("&Copy to..."), this, &PreviewThumbnailList::copyFileSlot);
    m_contextMenu->addAction(tr("&Rename..."), this, &PreviewThumbnailList::renameFileSlot);
    m_contextMenu->addAction(tr("&Open file location..."), this,
                             &PreviewThumbnailList::openFileLocationSlot);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(tr("&Save Document as..."), this,
                             &PreviewThumbnailList::saveDocumentAs);
    m_contextMenu->addAction(tr("Save as Di&fferent Format"), this,
                             &PreviewThumbnailList::saveAsDiffrentFormatSignal);
    m_contextMenu->addSeparator();
    const QList<InstalledApp> applications = m_settings->installedApplications();
    if (applications.isEmpty())
        return;
    QMenu *exportMenu = m_contextMenu->addMenu(tr("&Export to"));
    exportMenu->setAccessibleName(tr("Export to"));
    for (const InstalledApp &application : applications) {
        const QString name = application.name;
        exportMenu->addAction(menuLabel(application), this,
                              [this, name] { emit exportToApplication(name); });
    }
}

void PreviewThumbnailList::accept(ThumbnailListVisitor &visitor)
{
    for (int row = 0; row < count(); ++row)
        visitor.visit(item(row));
}

ThumbnailItem *PreviewThumbnailList::thumbnailAt(int row) const
{
    QListWidgetItem *found = item(row);
    return found && found->type() == ThumbnailItem::kType ? static_cast<ThumbnailItem *>(found)
                                                          : nullptr;
}

ThumbnailItem *PreviewThumbnailList::currentThumbnail() const
{
    return thumbnailAt(currentRow());
}

MetadataPtr PreviewThumbnailList::currentMetadata() const
{
    const ThumbnailItem *current = currentThumbnail();
    return current ? current->metadata() : MetadataPtr();
}

bool PreviewThumbnailList::selectFileName(const QString &fileName)
{
    ItemFinderByFileName finder(fileName);
    accept(finder);
    if (!finder.found())
        return false;
    clearSelection();
    setCurrentItem(finder.found());
    finder.found()->setSelected(true);
    scrollToItem(finder.found());
    return true;
}

void PreviewThumbnailList::previewEliFiles(const QDir &folder)
{
    m_folder = folder;
    m_folderKey = folderIdentity(folder.path());
    m_folderWatcher->watch(m_folder.absolutePath());
    reloadSameFolder(false);
}

QStringList PreviewThumbnailList::listSketchNames() const
{
    QDir listing(m_folder);
    QString patterns;
    if (m_settings->getAttribute(QStringLiteral("fileformats/extensions"), QStringLiteral("list"),
                                 patterns))
        listing.setNameFilters(patterns.split(QLatin1Char(' ')));
    listing.setFilter(QDir::Files | QDir::Readable);
    listing.setSorting(QDir::Unsorted);
    QStringList names = listing.entryList();
    // The loader's order, so that a name's place here is its index there.
    std::sort(names.begin(), names.end(), isNaturallyBefore);
    return names;
}

void PreviewThumbnailList::handleFolderChanged()
{
    if (!m_folder.exists()) {
        // The shown folder went away: its thumbnails must not stay and still open.
        dropPage();
        m_listedNames.clear();
        m_fileCount = m_pageCount = 0;
        m_loading = false;
        QString parent = m_folder.absolutePath();
        do {
            parent = QFileInfo(parent).absolutePath();
        } while (!QFileInfo(parent).isDir() && parent != QDir::rootPath());
        updateEmptyState();
        emit emitSetPagesStripVisible(false);
        emit loaderFinishedWorkSgnl();
        emit folderRemoved(QDir::toNativeSeparators(m_folder.absolutePath()),
                           QDir::toNativeSeparators(parent));
        return;
    }
    // Only a change of the sketches listed matters: not the list's own deletes and renames
    // (already shown), nor files of other kinds.
    if (listSketchNames() == m_listedNames)
        return;
    reloadSameFolder(true);
}

void PreviewThumbnailList::reloadSameFolder(bool loadActivePage)
{
    // Always from the disc: the folder may have changed behind the window's back.
    const uint page = m_currentPage;
    if (const ThumbnailItem *current = currentThumbnail())
        m_pendingSelection = current->filePath();
    loadFolderPartially();
    if (loadActivePage && page > 1 && page <= m_pageCount)
        handlePageSelectionClick(page, 1);
}

void PreviewThumbnailList::startWindow(uint start, uint end)
{
    m_windowStart = start;
    m_windowEnd = end;
    // The loader answers every new window with a count of 0, queued after every result of
    // the windows before it: until then, results belong to an abandoned window.
    ++m_unansweredWindows;
    m_loader->loadFolder(m_folder, start, end, 1);
}

void PreviewThumbnailList::loadFolderPartially()
{
    m_listedNames = listSketchNames();
    m_fileCount = static_cast<uint>(m_listedNames.size());
    m_currentPage = 1;
    if (m_fileCount == 0) {
        m_pageCount = 0;
        m_windowSize = 0;
        m_loading = false;
        dropPage();
        emit emitSetPagesStripVisible(false);
        startWindow(0, 0);
        updateEmptyState();
        return;
    }
    if (m_fileCount <= kPageSize) {
        dropPage();
        m_pageFileCount = m_fileCount;
        m_pageCount = 1;
        emit emitSetPagesStripInfo(0, 0, 0, true);
        emit emitSetPagesStripVisible(false);
        emit zoomSliderPosition(270);
        m_windowSize = m_fileCount;
        m_loading = true;
        startWindow(0, m_fileCount);
        return;
    }
    if (m_pageCount < 2)
        emit emitSetPagesStripVisible(true);
    dropPage();
    m_pageCount = (m_fileCount + kPageSize - 1) / kPageSize;
    emit zoomSliderPosition(270);
    emit emitSetPagesStripInfo(0, kPageSize, m_fileCount, true);
    m_windowSize = kPageSize;
    m_loading = true;
    startWindow(0, kPageSize);
}

void PreviewThumbnailList::handlePageSelectionClick(uint page, uint)
{
    if (m_windowSize == 0 || page == 0)
        return;
    const uint start = std::min((page - 1) * kPageSize, m_fileCount);
    m_currentPage = page;
    m_loading = true;
    startWindow(start, start + m_windowSize);
    emit emitSetPagesStripInfo(m_windowStart, m_windowEnd, m_fileCount, false);
    dropPage();
}

void PreviewThumbnailList::handle_fileDocumentMetaDataReady(DocumentMetaData *metadata, uint index)
{
    Nivo::acceptHandover(metadata);
    MetadataPtr owned(metadata);
    if (m_unansweredWindows > 0 || index < m_windowStart || index >= m_windowEnd
        || folderIdentity(QFileInfo(metadata->path()).absolutePath()) != m_folderKey
        || !metadata->isLoaded()) {
        // A result of an abandoned window: released like a dropped page, not here and now.
        m_disposal->release(std::move(owned));
        return;
    }
    emit setFilesProgressBarValueSignal();
    QImage picture = metadata->thumbnail();
    if (picture.isNull()) {
        picture = renderThumbnail(*metadata->document(), metadata->pen(),
                                  metadata->pressureRendering(), kRenderedThumbnailSide);
    }
    if (picture.isNull())
        return;
    const bool first = count() == 0;
    auto *thumbnail = new ThumbnailItem(owned, picture, m_itemSize);
    addItem(thumbnail);
    if (first)
        setIconSize(QSize(m_itemSize - 20, m_itemSize - 20));
    // The file the user had (or asked for) is selected again once it arrives.
    const bool wanted = !m_pendingSelection.isEmpty()
        && QFileInfo(thumbnail->filePath()) == QFileInfo(m_pendingSelection);
    if (first || wanted) {
        clearSelection();
        setCurrentItem(thumbnail);
        thumbnail->setSelected(true);
        if (wanted) {
            m_pendingSelection.clear();
            scrollToItem(thumbnail);
            if (m_openPending) {
                m_openPending = false;
                editCurrentFileSlot();
            }
        }
    }
}

void PreviewThumbnailList::handleFileNotLoaded(const QString &path, const QString &reason,
                                               uint index)
{
    if (m_unansweredWindows > 0 || index < m_windowStart || index >= m_windowEnd
        || folderIdentity(QFileInfo(path).absolutePath()) != m_folderKey)
        return;
    emit setFilesProgressBarValueSignal();
    MetadataPtr unreadable(new DocumentMetaData(path));
    unreadable->setErrorText(reason.isEmpty() ? tr("The file is not a readable sketch.") : reason);
    const QString name = QFileInfo(path).fileName();
    auto *placeholder = new ThumbnailItem(
        unreadable, placeholderPicture(kRenderedThumbnailSide, name), m_itemSize);
    addItem(placeholder);
    if (count() == 1) {
        setIconSize(QSize(m_itemSize - 20, m_itemSize - 20));
        setCurrentItem(placeholder);
        placeholder->setSelected(true);
    }
}

void PreviewThumbnailList::handle_filesCountSignal(int count)
{
    if (count == 0) {
        // The answer to a request, not a count: a folder without sketches ends here.
        if (m_unansweredWindows > 0)
            --m_unansweredWindows;
        if (!m_loading) {
            updateEmptyState();
            emit loaderFinishedWorkSgnl();
        }
        return;
    }
    emit setFilesProgressBarRangeSignal(count);
}

void PreviewThumbnailList::handlefilesLoadProgressChunkDone(uint, uint)
{
    emit loaderFinishedWorkSgnl();
    m_loading = false;
    QApplication::restoreOverrideCursor();
}

void PreviewThumbnailList::loadFilesFinishedSlot()
{
    m_loading = false;
    emit loaderFinishedWorkSgnl();
}

void PreviewThumbnailList::clearThumbnailListWidgetSlot()
{
    m_loading = false;
    dropPage();
    updateEmptyState();
    emit loaderFinishedWorkSgnl();
}

QString PreviewThumbnailList::emptyStateText() const
{
    if (m_loading || count() > 0 || m_fileCount > 0 || m_folder.path().isEmpty())
        return QString();
    return tr("No sketches in this folder") + QLatin1Char('\n')
        + QDir::toNativeSeparators(m_folder.absolutePath()) + QStringLiteral("\n\n")
        + tr("Sketches from the pen appear in the folder \"My Sketches\" on the receiver's disc "
             "when it is plugged in.");
}

void PreviewThumbnailList::updateEmptyState()
{
    // Screen readers hear what sighted users see drawn in the empty list.
    setAccessibleDescription(emptyStateText());
    viewport()->update();
}

void PreviewThumbnailList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    const QString text = emptyStateText();
    if (text.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    painter.setFont(font);
    const QRect area = viewport()->rect().adjusted(40, 40, -40, -40);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void PreviewThumbnailList::dropPage()
{
    for (int row = 0; row < count(); ++row) {
        if (const ThumbnailItem *thumbnail = thumbnailAt(row))
            m_disposal->release(thumbnail->metadata());
    }
    clear();
}

void PreviewThumbnailList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        editCurrentFileSlot();
}

void PreviewThumbnailList::editCurrentFileSlot()
{
    if (const MetadataPtr metadata = currentMetadata())
        emit thumbnailSelectedEx(metadata);
}

int PreviewThumbnailList::folderIndexOf(const QString &path) const
{
    return static_cast<int>(m_listedNames.indexOf(QFileInfo(path).fileName()));
}

void PreviewThumbnailList::announceNeighbours(const QString &path)
{
    const int index = folderIndexOf(path);
    emit canEnableBackButton(index > 0);
    emit canEnableForwardButton(index >= 0 && index + 1 < m_listedNames.size());
}

void PreviewThumbnailList::showFile(const QString &path, bool open)
{
    // On the page shown: at once. Elsewhere: load its page and select it when it arrives.
    m_pendingSelection.clear();
    m_openPending = false;
    if (selectFileName(QFileInfo(path).fileName())) {
        if (open)
            editCurrentFileSlot();
        return;
    }
    const int index = folderIndexOf(path);
    if (index < 0)
        return;
    m_pendingSelection = path;
    m_openPending = open;
    const uint page = static_cast<uint>(index) / kPageSize + 1;
    if (page != m_currentPage && m_pageCount > 1)
        handlePageSelectionClick(page, m_currentPage);
}

void PreviewThumbnailList::navigateBy(int step)
{
    m_keepSelection = false;
    emit checkIfSaveNeeded();
    if (std::exchange(m_keepSelection, false))
        return;
    const ThumbnailItem *current = currentThumbnail();
    if (!current)
        return;
    const int index = folderIndexOf(current->filePath()) + step;
    if (index < 0 || index >= m_listedNames.size())
        return;
    // Across the end of a page the next page is loaded, and the sketch opens when it arrives.
    showFile(m_folder.absoluteFilePath(m_listedNames[index]), true);
    announceNeighbours(m_folder.absoluteFilePath(m_listedNames[index]));
}

void PreviewThumbnailList::navigateForward()
{
    navigateBy(1);
}

void PreviewThumbnailList::navigateBackward()
{
    navigateBy(-1);
}

void PreviewThumbnailList::refreshLoaderList()
{
    m_loader->refreshFileListKeepingWindow();
}

void PreviewThumbnailList::deleteCurrentFile()
{
    ThumbnailItem *current = currentThumbnail();
    if (!current)
        return;
    if (!SketchFileOperations::deleteFile(this, current->filePath()))
        return;
    m_listedNames.removeOne(QFileInfo(current->filePath()).fileName());
    const int row = currentRow();
    delete takeItem(row);
    if (count() > 0) {
        const int next = std::min(row, count() - 1);
        setCurrentRow(next);
        item(next)->setSelected(true);
    }
    viewport()->update();
    refreshLoaderList();
}

void PreviewThumbnailList::copyFileSlot()
{
    QStringList paths;
    for (QListWidgetItem *selected : selectedItems())
        paths << selected->data(Qt::UserRole).toString();
    if (paths.isEmpty())
        return;
    const QString folder
        = dialogs().existingDirectory(this, tr("Open directory for copy"), m_folder.absolutePath());
    if (folder.isEmpty())
        return;
    SketchFileOperations::copyFiles(this, paths, folder);
}

void PreviewThumbnailList::renameFileSlot()
{
    ThumbnailItem *current = currentThumbnail();
    if (!current)
        return;
    emit enableEnterKeyHandling(false);
    const std::optional<QString> answer = dialogs().text(
        this, applicationTitle(), tr("Rename file:"), QFileInfo(current->filePath()).baseName());
    emit enableEnterKeyHandling(true);
    if (!answer)
        return;
    const QString renamed = SketchFileOperations::renameFile(this, current->filePath(), *answer);
    if (renamed.isEmpty())
        return;
    m_listedNames.removeOne(QFileInfo(current->filePath()).fileName());
    m_listedNames.append(QFileInfo(renamed).fileName());
    std::sort(m_listedNames.begin(), m_listedNames.end(), isNaturallyBefore);
    current->setFilePath(renamed);
    refreshLoaderList();
}

void PreviewThumbnailList::openFileLocationSlot()
{
    if (const ThumbnailItem *current = currentThumbnail())
        desktop().openUrl(QUrl::fromLocalFile(QFileInfo(current->filePath()).absolutePath()));
}

void PreviewThumbnailList::sliderMovedSlot(int position)
{
    // Dragging the slider rescales only every few pixels, and fast; the release smooths.
    if (std::abs(position - m_itemSize) > 3)
        handleZoomSliderKeyEvent(position, Qt::FastTransformation);
}

void PreviewThumbnailList::handleZoomSliderKeyEvent(int size, Qt::TransformationMode mode)
{
    if (size == m_itemSize && mode == m_transformationMode)
        return;
    setIconSize(QSize(size - 20, size - 20));
    m_itemSize = size;
    m_transformationMode = mode;
    Resizer resizer(size, mode);
    accept(resizer);
}

void PreviewThumbnailList::contextMenuEvent(QContextMenuEvent *event)
{
    if (itemAt(event->pos()))
        m_contextMenu->popup(event->globalPos());
}

void PreviewThumbnailList::keyPressEvent(QKeyEvent *event)
{
    // Shift+F10 opens the menu of the current sketch, as the Menu key already does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        if (QListWidgetItem *current = currentItem()) {
            const QPoint centre = visualItemRect(current).center();
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre,
                                   viewport()->mapToGlobal(centre));
            contextMenuEvent(&menu);
        }
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void PreviewThumbnailList::startDrag(Qt::DropActions)
{
    const ThumbnailItem *current = currentThumbnail();
    if (!current)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(SketchDrag::mimeFor(current->filePath()));
    drag->setPixmap(current->icon().pixmap(iconSize() / 2));
    emit dragStarted();
    // The window's own drops take it as a move (and copy); other programs get a copy unless
    // the user asks them for more.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void PreviewThumbnailList::markDropTarget(QListWidgetItem *item)
{
    if (m_dropTarget == item)
        return;
    if (m_dropTarget)
        m_dropTarget->setBackground(kItemBackground);
    m_dropTarget = item;
    if (m_dropTarget)
        m_dropTarget->setBackground(kDropHighlight);
}

void PreviewThumbnailList::dragEnterEvent(QDragEnterEvent *event)
{
    if (SketchDrag::carriesSketch(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PreviewThumbnailList::dragMoveEvent(QDragMoveEvent *event)
{
    if (!SketchDrag::carriesSketch(event->mimeData())) {
        event->ignore();
        return;
    }
    markDropTarget(itemAt(event->position().toPoint()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void PreviewThumbnailList::dragLeaveEvent(QDragLeaveEvent *event)
{
    markDropTarget(nullptr);
    QListWidget::dragLeaveEvent(event);
}

void PreviewThumbnailList::dropEvent(QDropEvent *event)
{
    markDropTarget(nullptr);
    if (!SketchDrag::carriesSketch(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    auto *target = dynamic_cast<ThumbnailItem *>(itemAt(event->position().toPoint()));
    const QString dragged = SketchDrag::pathOf(event->mimeData());
    if (!target || dragged.isEmpty()) {
        event->ignore();
        return;
    }
    if (mergeDroppedFile(dragged, target))
        event->accept();
    else
        event->ignore();
}

MetadataPtr PreviewThumbnailList::metadataForPath(const QString &path) const
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (int row = 0; row < count(); ++row) {
        const ThumbnailItem *thumbnail = thumbnailAt(row);
        if (thumbnail && QFileInfo(thumbnail->filePath()).absoluteFilePath() == wanted)
            return thumbnail->metadata();
    }
    // Dragged from elsewhere: read it now.
    MetadataPtr loaded(new DocumentMetaData(path));
    return loaded->load() ? loaded : MetadataPtr();
}

bool PreviewThumbnailList::mergeDroppedFile(const QString &dragged, ThumbnailItem *target)
{
    const QString targetPath = QDir::toNativeSeparators(QFileInfo(dragged).absolutePath()
                                                        + QLatin1Char('/') + target->text());
    if (QFileInfo(dragged).absoluteFilePath() == QFileInfo(targetPath).absoluteFilePath())
        return false;
    const MetadataPtr result = SketchFileOperations::mergeFiles(
        this, dragged, targetPath, [&] { return metadataForPath(dragged); }, target->metadata());
    if (!result)
        return false;
    emit mergeDocSave(result);
    refreshLoaderList();
    return true;
}
