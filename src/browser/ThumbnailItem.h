// A thumbnail of the list: the file's name and picture, and the loaded sketch it shows.
#pragma once

#include "document/DocumentMetaData.h"

#include <QImage>
#include <QListWidgetItem>

/// Keeps an item's sketch alive for as long as the item exists.
struct DocumentMetadataKeeper
{
    MetadataPtr metadata;
    /// The thumbnail as rendered, kept to rescale from without losing detail.
    QImage picture;
};

class ThumbnailItem : public QListWidgetItem
{
public:
    static constexpr int kType = QListWidgetItem::UserType + 1;

    ThumbnailItem(const MetadataPtr &metadata, const QImage &picture, int side);

    const MetadataPtr &metadata() const { return m_keeper.metadata; }
    QString filePath() const;
    /// Points the item at a renamed file: text, stored path, tooltip and sketch path.
    void setFilePath(const QString &path);
    /// Shows the picture at the given side, scaled with the given quality.
    void showPicture(int side, Qt::TransformationMode mode);

private:
    void updateToolTip();

    DocumentMetadataKeeper m_keeper;
};

/// The picture of a sketch file that could not be read: a crossed-out sheet and its name.
QImage placeholderPicture(int side, const QString &fileName);

/// Walks the items of a list.
class ThumbnailListVisitor
{
public:
    virtual ~ThumbnailListVisitor() = default;
    virtual void visit(QListWidgetItem *item) = 0;
};

/// Rescales every thumbnail and its cell.
class Resizer : public ThumbnailListVisitor
{
public:
    Resizer(int side, Qt::TransformationMode mode)
        : m_side(side)
        , m_mode(mode)
    { }
    void visit(QListWidgetItem *item) override;

private:
    int m_side;
    Qt::TransformationMode m_mode;
};

/// Finds the item whose file name (the item's text) equals a name.
class ItemFinderByFileName : public ThumbnailListVisitor
{
public:
    explicit ItemFinderByFileName(const QString &fileName)
        : m_fileName(fileName)
    { }
    void visit(QListWidgetItem *item) override;
    QListWidgetItem *found() const { return m_found; }

private:
    QString m_fileName;
    QListWidgetItem *m_found = nullptr;
};
