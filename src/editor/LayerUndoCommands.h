// The undoable steps of the layer editor: a layer taken out, a layer put in, and the
// composite command that one split, merge or delete pushes.
#pragma once

#include "document/LayerGroupSnapshot.h"
#include "ink/Layer.h"

#include <QObject>
#include <QUndoCommand>

#include <memory>

class LayerManager;
class QListWidgetItem;

/// One layer on its way out of or into the editor: its ink, its stroke items and its list
/// item. While the layer is out of the document the record owns all three; once it is in,
/// the document, the scene and the list do, and the record keeps no pointer to the items, so
/// that every item is held by at most one record. The editor clears its commands before its
/// sketch goes.
struct LayerUndoData
{
    /// A removal's record: the removal fills it.
    LayerUndoData(LayerManager *editor, int index);
    /// An insertion's record: the layer and its items to put in at index.
    LayerUndoData(LayerManager *editor, int index, const QList<QGraphicsItem *> &items,
                  Nivo::Layer layer);
    ~LayerUndoData();
    LayerUndoData(const LayerUndoData &) = delete;
    LayerUndoData &operator=(const LayerUndoData &) = delete;

    LayerManager *editor;
    int index;
    LayerGroupSnapshot snapshot;
    QListWidgetItem *listItem = nullptr;
    Nivo::Layer layer;
};

/// A command that removes or inserts one layer in the ink document, the scene and the
/// editor's list together. A step that cannot run (no document, an index out of range)
/// changes nothing.
class BaseLayerUndoCommand : public QObject, public QUndoCommand
{
    Q_OBJECT

public:
    BaseLayerUndoCommand(QUndoCommand *parent, std::unique_ptr<LayerUndoData> record);
    ~BaseLayerUndoCommand() override;

    const LayerUndoData &record() const { return *m_record; }

signals:
    /// 1 after a redo, 0 after an undo.
    void done(int redone);

protected:
    bool removeLayer();
    bool insertLayer();

private:
    std::unique_ptr<LayerUndoData> m_record;
};

/// Puts a layer in on redo and takes it out again on undo.
class AddLayerCommand : public BaseLayerUndoCommand
{
    Q_OBJECT

public:
    using BaseLayerUndoCommand::BaseLayerUndoCommand;

    void undo() override;
    void redo() override;
};

/// Takes a layer out on redo and puts it back on undo.
class DeleteLayerCommand : public BaseLayerUndoCommand
{
    Q_OBJECT

public:
    using BaseLayerUndoCommand::BaseLayerUndoCommand;

    void undo() override;
    void redo() override;
};

/// The children in order on redo, in reverse order on undo. The editor orders them so that
/// every index is valid when its child runs, in both directions.
class UndoParentCommand : public QObject, public QUndoCommand
{
    Q_OBJECT

public:
    UndoParentCommand() = default;

    void undo() override;
    void redo() override;

signals:
    void done(int redone);
};
