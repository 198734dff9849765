// The layer editor: one open sketch at full size with its layers, their scrubber and the
// undoable split, merge and delete.
#pragma once

#include "document/DocumentMetaData.h"
#include "editor/LayerPens.h"
#include "editor/ZoomingScrollBar.h"

#include <QList>
#include <QUndoStack>
#include <QWidget>

#include <memory>

class QListWidget;
class QListWidgetItem;
class LayerIcons;
class PlayerDocument;
class SketchViewer;
class ZoomingGraphicsView;
namespace Ui {
class LayerManager;
}

/// Shows the pressure rendering of a sketch and one list item per layer: a checked item is a
/// visible layer, a selected one is highlighted, and the strokes of a single selected layer
/// are coloured by the scrubber's two handles (before, between, after). Every structural
/// change is a command on the editor's own undo stack, which tells the window whether the
/// sketch is modified. The player replays the sketch on the second page. Runs on the
/// user-interface thread.
class LayerManager : public QWidget
{
    Q_OBJECT

public:
    explicit LayerManager(QWidget *parent = nullptr);
    ~LayerManager() override;

    /// Shows the sketch (a pressure-rendering copy the editor may change) fitted to the
    /// view; clears the undo stack.
    void setDocument(const MetadataPtr &metadata);
    /// Lets go of the sketch, the player's copy and the undo history.
    void reset();
    const MetadataPtr &document() const { return m_document; }
    void clearUndoStack() { m_undoStack.clear(); }
    bool canUndo() const { return m_undoStack.canUndo(); }
    /// Whether the sketch differs from what was opened or last saved: a command not undone,
    /// a turn, a new layer name or tag.
    bool isModified() const;
    /// What is shown now is what the file holds (after a save).
    void markSaved();
    /// Drops every change since the opening or the last save (the user chose Discard).
    void discardChanges();
    QUndoStack *undoStack() { return &m_undoStack; }

    QListWidget *layerList() const;
    SketchViewer *viewer() const { return m_viewer; }
    PlayerDocument *player() const { return m_player; }
    ZoomingGraphicsView *view() const;
    int leftPosition() const { return m_left; }
    int rightPosition() const { return m_right; }
    int strokeCount() const { return m_strokeCount; }
    const QList<int> &highlightedLayers() const { return m_highlighted; }
    /// The text an untagged layer's item shows at that position.
    static QString layerLabel(int index);

    /// After an undo step took the layer at index out: relabels the items below it.
    void layerRemoved(int index);
    /// After an undo step put a layer in at index: draws its icon, relabels the items.
    void layerInserted(int index);

signals:
    void backToPreviewTab();
    void saveDocumentAs();
    void saveDocument();
    void signalSaveEnable(bool enable);
    void signalToolBarEnable(bool enable);
    void resetSelectedLayersSignal();
    void switchZoomOnSignal(bool on);
    void permitRmbClickSignal(bool permit);
    void previousRequested();
    void nextRequested();
    /// The context menu's export, e-mail and other-format entries, for the window to run.
    void saveAsDifferentFormatRequested();
    void exportRequested(const QString &application);
    void emailRequested();

public slots:
    void deleteSelectedItems();
    void updateItemsSelection();
    void itemCheckedByUser(QListWidgetItem *item);
    void createLayersFromScrubberSlot();
    void mergeLayersSlot();
    /// Cuts the selected layer at every pause of the pen longer than the pause threshold.
    void splitAtPausesSlot();
    void rightPos(int value);
    void leftPos(int value);
    void undoCommandSlot(int redone);
    void enableForwardButton(bool enable);
    void enableBackButton(bool enable);
    void backBtnClicked();
    void gotoRightSliderSlot(int value);
    void gotoLeftSliderSlot(int value);
    void showBackground();
    void showEditTagSlot();
    void renameCurrentLayerSlot();
    void deleteItemSlot();
    void saveAsDifferentFormatSlot();
    void saveDocumentAsSlot();
    void saveDocumentSlot();
    void openFileLocationSlot();
    void zoomViewInSlot();
    void zoomViewOutSlot();
    void rotateCounterclockwiseSlot();
    void rotateClockwiseSlot();
    int getRotation() const;
    void currentStackedWidgetChangedSlot(int tab);
    void verticalScrollBarMovedSlot(ZoomAction action);
    void setHandleBackspace(bool handle);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    friend class LayerCommandBuilder;

    void loadDocument(bool fit);
    void readPens();
    QListWidgetItem *makeItem(int index) const;
    void relabelFrom(int index);
    void setEditingEnabled(bool enabled);
    void disableCommandButtons();
    void afterCommand();
    void rotateBy(int degrees);
    void setScrubberRange(int strokes);
    void resetScrubber();
    void recolour();
    void updateTitle();
    QList<int> selectedRows() const;
    /// Per list item, whether it is checked.
    QList<bool> checkedRows() const;
    /// Pushes a composite command and refreshes the editor as after any command.
    void pushCommand(class UndoParentCommand *command);

    std::unique_ptr<Ui::LayerManager> m_ui;
    std::unique_ptr<LayerIcons> m_icons;
    SketchViewer *m_viewer;
    PlayerDocument *m_player;
    QUndoStack m_undoStack;
    MetadataPtr m_document;
    MetadataPtr m_playerCopy;
    LayerPens m_pens;
    int m_strokeCount = 0;
    int m_left = 0;
    int m_right = 0;
    QList<int> m_highlighted;
    bool m_handleBackspace = true;
    bool m_editingEnabled = false;
    int m_pauseThresholdMs = 3000;
    int m_savedRotation = 0;
    bool m_namesChanged = false;
};
