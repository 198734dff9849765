// The folders of the folder tree: the places a user knows at the top, their folders below.
#pragma once

#include <QAbstractItemModel>
#include <QFileIconProvider>
#include <QStringList>

#include <memory>
#include <vector>

class QFileSystemWatcher;

/// One top-level entry of the tree.
struct FolderPlace
{
    enum class Kind { Home, Receiver, Drive, Root };
    Kind kind;
    /// Absolute, cleaned, with '/' separators.
    QString path;
    QString label;
};

/// Folders only (no hidden ones), listed when first opened and kept up to date while they
/// change on disc. A folder may appear more than once (home also under the root); every
/// appearance follows the disc. Runs on the user-interface thread.
class FolderTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    /// The path of an index, as Qt::UserRole gives it too.
    static constexpr int kPathRole = Qt::UserRole;

    explicit FolderTreeModel(QObject *parent = nullptr);
    ~FolderTreeModel() override;

    /// Replaces the top-level entries; those of a path that stays keep their folders.
    void setPlaces(const std::vector<FolderPlace> &places);
    const std::vector<FolderPlace> &places() const { return m_places; }

    /// The index showing path: under the place that holds it most closely, reading the
    /// folders on the way. Invalid when the path is not shown (missing, hidden, a file).
    QModelIndex indexForPath(const QString &path);
    QString pathOf(const QModelIndex &index) const;
    /// Reads the folder again wherever it is shown; for a path that is gone, its parent.
    void refresh(const QString &path);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Node;

    Node *nodeOf(const QModelIndex &index) const;
    QModelIndex indexOf(const Node *node) const;
    void list(Node *node);
    void relist(Node *node);
    void collectShowing(Node *node, const QString &path, std::vector<Node *> &found) const;
    void handleFolderChanged(const QString &path);

    std::vector<FolderPlace> m_places;
    std::vector<std::unique_ptr<Node>> m_roots;
    QFileSystemWatcher *m_watcher;
    QFileIconProvider m_icons;
};
