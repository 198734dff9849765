// The folder tree of the preview page: folders only, thumbnails can be dropped onto them.
#pragma once

#include <QDir>
#include <QPersistentModelIndex>
#include <QTreeView>

#include <functional>
#include <memory>

class QFileSystemWatcher;
class QMenu;
class FolderTreeModel;

/// Starts with the places a user knows: home, the receiver's "My Sketches" while it is
/// mounted, the mounted removable drives and the file system's root, each opening onto its
/// folders. Selecting a folder (click, arrow keys, selectPath) emits navigationEvent. A
/// thumbnail dropped on a folder is copied into it; the receiver's sketches folder offers
/// the move of all sketches to a local folder on a right click.
class DirView : public QTreeView
{
    Q_OBJECT

public:
    explicit DirView(QWidget *parent = nullptr);
    ~DirView() override;

    /// The mount points of the removable drives now; by default the volumes mounted where
    /// the desktop mounts removable media (/media, /run/media).
    using DriveLister = std::function<QStringList()>;

    /// Lists the places and shows path.
    void init(const QString &path);
    /// Makes path the current folder and emits navigationEvent; false without a model.
    bool selectPath(const QString &path);
    /// The folder of the current index.
    QDir currentDir() const;
    /// After a volume went away: folds its node and redraws. Nothing on disc is touched.
    void dropDrive(const QString &drive);
    /// The folder that gets the "move sketches" command and its own place; empty for none.
    void setReceiverFolder(const QString &path);
    QString receiverFolder() const { return m_receiverFolder; }
    /// Replaces the way drives are found (tests); lists the places again.
    void setDriveLister(DriveLister lister);
    FolderTreeModel *folderModel() const { return m_model; }
    /// The index that shows the folder (under the place holding it most closely); invalid
    /// when the folder is not shown.
    QModelIndex indexOfFolder(const QString &path);

    /// Copies the file into the folder, asking first when a file of that name is there.
    /// Replaces an existing file only once the copy is complete; a failure is reported
    /// with both names and changes nothing. False when nothing was copied.
    bool copyIntoFolder(const QString &source, const QString &folder);

public slots:
    /// Lists the places again, for instance after a volume came or went.
    void refreshPlaces();
    /// A thumbnail drag began: remember where the tree was.
    void onDragStarted();
    void mouseClickedSlot(const QModelIndex &index);
    void moveSketchersToLocalSlot();

signals:
    void navigationEvent(const QDir &folder);
    void moveFromUsbToSelectedFolderSgnl(const QDir &folder);

protected:
    /// The menu of the receiver's sketches folder, owned by the caller.
    std::unique_ptr<QMenu> createReceiverMenu();
    /// Shows the menu and returns when it is closed (tests intercept it).
    virtual void execContextMenu(QMenu &menu, const QPoint &globalPosition);

    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool isReceiverFolder(const QDir &folder) const;
    void restoreDragStartIndex();

    FolderTreeModel *m_model;
    QFileSystemWatcher *m_mountWatcher;
    DriveLister m_drives;
    QString m_currentPath;
    QString m_receiverFolder;
    QPersistentModelIndex m_dragStartIndex;
};
