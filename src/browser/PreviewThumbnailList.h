// The thumbnails of the current folder, page by page, with the file commands on them.
#pragma once

#include "document/DocumentMetaData.h"

#include <QDir>
#include <QListWidget>

class QMenu;
class ApplSettings;
class FolderWatcher;
class LoaderThread;
class SketchDisposal;
class ThumbnailListVisitor;
class ThumbnailItem;

/// Shows one page of at most 50 sketches, loaded by its own loader thread. Items own their
/// sketches. Runs on the user-interface thread.
class PreviewThumbnailList : public QListWidget
{
    Q_OBJECT

public:
    static constexpr uint kPageSize = 50;
    /// Thumbnails are rendered once at the largest zoom and scaled down for display.
    static constexpr int kRenderedThumbnailSide = 400;

    explicit PreviewThumbnailList(QWidget *parent = nullptr);
    ~PreviewThumbnailList() override;

    QDir folder() const { return m_folder; }
    uint fileCount() const { return m_fileCount; }
    uint pageCount() const { return m_pageCount; }
    uint currentPage() const { return m_currentPage; }
    uint windowStart() const { return m_windowStart; }
    uint windowEnd() const { return m_windowEnd; }
    bool isLoading() const { return m_loading; }
    int itemSize() const { return m_itemSize; }
    LoaderThread *loader() const { return m_loader; }
    QMenu *contextMenu() const { return m_contextMenu; }
    /// Paused while the application itself moves the folder's files away.
    FolderWatcher *folderWatcher() const { return m_folderWatcher; }

    void accept(ThumbnailListVisitor &visitor);
    ThumbnailItem *thumbnailAt(int row) const;
    ThumbnailItem *currentThumbnail() const;
    MetadataPtr currentMetadata() const;
    /// Selects the item of that file name; false when it is not on the page.
    bool selectFileName(const QString &fileName);
    /// Selects the sketch at path, loading its page first when it is on another one; opens
    /// it (thumbnailSelectedEx) when open is set.
    void showFile(const QString &path, bool open);
    /// Where path lies among the folder's sketches, or -1.
    int folderIndexOf(const QString &path) const;
    /// Says whether there is a sketch before and after path (canEnable... signals).
    void announceNeighbours(const QString &path);
    /// What the list says when loading has ended without a sketch (empty otherwise).
    QString emptyStateText() const;
    /// Answers checkIfSaveNeeded: the user stays with the open sketch, the selection stays.
    void keepSelection() { m_keepSelection = true; }

public slots:
    void previewEliFiles(const QDir &folder);
    void reloadSameFolder(bool loadActivePage);
    void loadFolderPartially();
    void handlePageSelectionClick(uint page, uint previous);
    void handle_fileDocumentMetaDataReady(DocumentMetaData *metadata, uint index);
    void handle_filesCountSignal(int count);
    void handlefilesLoadProgressChunkDone(uint filesProcessInThisChunk, uint currentIndex);
    void loadFilesFinishedSlot();
    void clearThumbnailListWidgetSlot();
    void handleFileNotLoaded(const QString &path, const QString &reason, uint index);
    void navigateForward();
    void navigateBackward();
    void editCurrentFileSlot();
    void deleteCurrentFile();
    void copyFileSlot();
    void renameFileSlot();
    void openFileLocationSlot();
    void sliderMovedSlot(int position);
    void handleZoomSliderKeyEvent(int size, Qt::TransformationMode mode);

signals:
    void thumbnailSelectedEx(MetadataPtr metadata);
    void canEnableForwardButton(bool enable);
    void canEnableBackButton(bool enable);
    void saveDocumentAs();
    void dragStarted();
    void zoomSliderPosition(int position);
    void checkIfSaveNeeded();
    void setFilesProgressBarValueSignal();
    void setFilesProgressBarRangeSignal(int count);
    void mergeDocSave(MetadataPtr metadata);
    void loaderFinishedWorkSgnl();
    /// The context menu's "Export to" entry of the installed application of that name.
    void exportToApplication(const QString &name);
    void saveAsDiffrentFormatSignal();
    void enableEnterKeyHandling(bool enable);
    void emitSetPagesStripInfo(uint first, uint end, uint count, bool reset);
    void emitSetPagesStripVisible(bool visible);
    /// The shown folder went away; the list is empty and parent is the nearest folder left.
    void folderRemoved(const QString &folder, const QString &parent);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildContextMenu();
    void startWindow(uint start, uint end);
    void markDropTarget(QListWidgetItem *item);
    bool mergeDroppedFile(const QString &dragged, ThumbnailItem *target);
    MetadataPtr metadataForPath(const QString &path) const;
    void refreshLoaderList();
    /// Empties the list; its sketches go to the disposal.
    void dropPage();
    void updateEmptyState();
    void navigateBy(int step);
    void handleFolderChanged();
    /// The sketch files of the folder now, by name.
    QStringList listSketchNames() const;

    LoaderThread *m_loader;
    ApplSettings *m_settings;
    QDir m_folder;
    QString m_folderKey;
    QStringList m_listedNames;
    QString m_pendingSelection;
    bool m_openPending = false;
    bool m_keepSelection = false;
    QMenu *m_contextMenu = nullptr;
    int m_itemSize = 250;
    Qt::TransformationMode m_transformationMode = Qt::SmoothTransformation;
    uint m_fileCount = 0;
    uint m_pageFileCount = 0;
    uint m_windowSize = 0;
    bool m_loading = false;
    uint m_windowStart = 0;
    uint m_windowEnd = 0;
    uint m_pageCount = 0;
    uint m_currentPage = 0;
    QListWidgetItem *m_dropTarget = nullptr;
    int m_unansweredWindows = 0;
    SketchDisposal *m_disposal;
    FolderWatcher *m_folderWatcher;
};
