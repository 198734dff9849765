// The folders of the folder tree: the places a user knows at the top, their folders below.
#include "browser/FolderTreeModel.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QIcon>

#include <algorithm>

struct FolderTreeModel::Node
{
    QString path;
    /// The folder's name; a place's label at the top.
    QString name;
    Node *parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    bool listed = false;
    int place = -1;
};

namespace {

QString cleanPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
}

QString childPath(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

/// The visible subfolders, in the order a person reads names ("2" before "10").
QStringList subfolders(const QString &path)
{
    QStringList names = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString placeKey(const FolderPlace &place)
{
    return QString::number(static_cast<int>(place.kind)) + QLatin1Char(':') + place.path;
}

} // namespace

FolderTreeModel::FolderTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
    , m_watcher(new QFileSystemWatcher(this))
{
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &FolderTreeModel::handleFolderChanged);
}

FolderTreeModel::~FolderTreeModel() = default;

void FolderTreeModel::setPlaces(const std::vector<FolderPlace> &places)
{
    QStringList before;
    QStringList after;
    for (const FolderPlace &place : m_places)
        before << placeKey(place);
    for (const FolderPlace &place : places)
        after << placeKey(place);
    QStringList staying = before;
    staying.removeIf([&](const QString &key) { return !after.contains(key); });
    QStringList kept = after;
    kept.removeIf([&](const QString &key) { return !before.contains(key); });
    const auto makeRoot = [](const FolderPlace &place) {
        auto node = std::make_unique<Node>();
        node->path = place.path;
        node->name = place.label;
        return node;
    };
    if (staying != kept || before.removeDuplicates() > 0 || after.removeDuplicates() > 0) {
        // The places that stay changed their order: start afresh.
        beginResetModel();
        m_places = places;
        m_roots.clear();
        for (const FolderPlace &place : places)
            m_roots.push_back(makeRoot(place));
        endResetModel();
    } else {
        for (int row = static_cast<int>(m_places.size()) - 1; row >= 0; --row) {
            if (after.contains(before.at(row)))
                continue;
            beginRemoveRows({}, row, row);
            m_places.erase(m_places.begin() + row);
            m_roots.erase(m_roots.begin() + row);
            endRemoveRows();
        }
        for (int row = 0; row < static_cast<int>(places.size()); ++row) {
            const FolderPlace &place = places[static_cast<std::size_t>(row)];
            if (row < static_cast<int>(m_places.size())
                && placeKey(m_places[static_cast<std::size_t>(row)]) == placeKey(place)) {
                m_places[static_cast<std::size_t>(row)].label = place.label;
                m_roots[static_cast<std::size_t>(row)]->name = place.label;
                continue;
            }
            beginInsertRows({}, row, row);
            m_places.insert(m_places.begin() + row, place);
            m_roots.insert(m_roots.begin() + row, makeRoot(place));
            endInsertRows();
        }
        if (!m_roots.empty())
            emit dataChanged(index(0, 0), index(static_cast<int>(m_roots.size()) - 1, 0));
    }
    for (std::size_t row = 0; row < m_roots.size(); ++row)
        m_roots[row]->place = static_cast<int>(row);
}

QModelIndex FolderTreeModel::indexForPath(const QString &path)
{
    const QString wanted = cleanPath(path);
    Node *node = nullptr;
    for (const std::unique_ptr<Node> &root : m_roots) {
        const bool holds = wanted == root->path || root->path == QLatin1String("/")
            || wanted.startsWith(root->path + QLatin1Char('/'));
        if (holds && (!node || root->path.size() > node->path.size()))
            node = root.get();
    }
    if (!node)
        return {};
    const QStringList steps
        = wanted.mid(node->path.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &step : steps) {
        if (!node->listed)
            list(node);
        const auto child
            = std::find_if(node->children.begin(), node->children.end(),
                           [&](const auto &candidate) { return candidate->name == step; });
        if (child == node->children.end())
            return {};
        node = child->get();
    }
    return indexOf(node);
}

QString FolderTreeModel::pathOf(const QModelIndex &index) const
{
    const Node *node = nodeOf(index);
    return node ? node->path : QString();
}

void FolderTreeModel::refresh(const QString &path)
{
    QString folder = cleanPath(path);
    if (!QFileInfo(folder).isDir())
        folder = QFileInfo(folder).absolutePath();
    handleFolderChanged(folder);
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < static_cast<int>(m_roots.size())
            ? createIndex(row, 0, m_roots[static_cast<std::size_t>(row)].get())
            : QModelIndex();
    const Node *node = nodeOf(parent);
    if (!node || row >= static_cast<int>(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex &child) const
{
    const Node *node = nodeOf(child);
    return node && node->parent ? indexOf(node->parent) : QModelIndex();
}

int FolderTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_roots.size());
    const Node *node = nodeOf(parent);
    return node && parent.column() == 0 ? static_cast<int>(node->children.size()) : 0;
}

int FolderTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant FolderTreeModel::data(const QModelIndex &index, int role) const
{
    const Node *node = nodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return node->name;
    case Qt::ToolTipRole:
    case kPathRole:
        return QDir::toNativeSeparators(node->path);
    case Qt::DecorationRole:
        if (node->place < 0)
            return m_icons.icon(QFileIconProvider::Folder);
        switch (m_places[static_cast<std::size_t>(node->place)].kind) {
        case FolderPlace::Kind::Home:
            return QIcon::fromTheme(QStringLiteral("user-home"),
                                    m_icons.icon(QFileIconProvider::Folder));
        case FolderPlace::Kind::Receiver:
        case FolderPlace::Kind::Drive:
            return QIcon::fromTheme(QStringLiteral("drive-removable-media"),
                                    m_icons.icon(QFileIconProvider::Drive));
        case FolderPlace::Kind::Root:
            return m_icons.icon(QFileIconProvider::Computer);
        }
        return {};
    default:
        return {};
    }
}

QVariant FolderTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Folders");
    return {};
}

bool FolderTreeModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return !m_roots.empty();
    // Like a file manager, a folder not yet opened may have subfolders; opening tells.
    const Node *node = nodeOf(parent);
    return node && (!node->listed || !node->children.empty());
}

bool FolderTreeModel::canFetchMore(const QModelIndex &parent) const
{
    const Node *node = nodeOf(parent);
    return node && !node->listed;
}

void FolderTreeModel::fetchMore(const QModelIndex &parent)
{
    if (Node *node = nodeOf(parent); node && !node->listed)
        list(node);
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled
                           : Qt::ItemIsDropEnabled;
}

FolderTreeModel::Node *FolderTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this ? static_cast<Node *>(index.internalPointer())
                                                    : nullptr;
}

QModelIndex FolderTreeModel::indexOf(const Node *node) const
{
    const std::vector<std::unique_ptr<Node>> &siblings
        = node->parent ? node->parent->children : m_roots;
    const auto found = std::find_if(siblings.begin(), siblings.end(),
                                    [&](const auto &sibling) { return sibling.get() == node; });
    if (found == siblings.end())
        return {};
    return createIndex(static_cast<int>(found - siblings.begin()), 0, const_cast<Node *>(node));
}

void FolderTreeModel::list(Node *node)
{
    node->listed = true;
    if (!m_watcher->directories().contains(node->path) && QFileInfo(node->path).isDir())
        m_watcher->addPath(node->path);
    relist(node);
}

void FolderTreeModel::relist(Node *node)
{
    const QStringList names = subfolders(node->path);
    const QModelIndex parentIndex = indexOf(node);
    for (int row = static_cast<int>(node->children.size()) - 1; row >= 0; --row) {
        if (names.contains(node->children[static_cast<std::size_t>(row)]->name))
            continue;
        beginRemoveRows(parentIndex, row, row);
        node->children.erase(node->children.begin() + row);
        endRemoveRows();
    }
    // Both lists are in the same order, and every child left is among the names.
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        if (row < static_cast<int>(node->children.size())
            && node->children[static_cast<std::size_t>(row)]->name == names.at(row))
            continue;
        auto child = std::make_unique<Node>();
        child->name = names.at(row);
        child->path = childPath(node->path, child->name);
        child->parent = node;
        beginInsertRows(parentIndex, row, row);
        node->children.insert(node->children.begin() + row, std::move(child));
        endInsertRows();
    }
}

void FolderTreeModel::collectShowing(Node *node, const QString &path,
                                     std::vector<Node *> &found) const
{
    if (!node->listed)
        return;
    if (node->path == path) {
        found.push_back(node);
        return;
    }
    if (node->path != QLatin1String("/") && !path.startsWith(node->path + QLatin1Char('/')))
        return;
    for (const std::unique_ptr<Node> &child : node->children)
        collectShowing(child.get(), path, found);
}

void FolderTreeModel::handleFolderChanged(const QString &path)
{
    // Reading one appearance of the folder never removes another: those are not inside it.
    std::vector<Node *> showing;
    for (const std::unique_ptr<Node> &root : m_roots)
        collectShowing(root.get(), cleanPath(path), showing);
    for (Node *node : showing)
        relist(node);
}
