// The window's commands on the open sketch: undo and redo, save, save as, other formats,
// print, turn; and the question asked before a changed sketch is left.
#pragma once

#include "document/DocumentMetaData.h"

#include <QList>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class LayerManager;
class PreviewThumbnailList;

/// Owns the actions that work on a sketch. On the editor page they act on the editor's
/// sketch, on the sketches page on the current thumbnail's. Lives on the user-interface
/// thread.
class EditorSession : public QObject
{
    Q_OBJECT

public:
    EditorSession(QMainWindow *window, LayerManager *editor, PreviewThumbnailList *list);

    QAction *undoAction() const { return m_actionUndo; }
    QAction *redoAction() const { return m_actionRedo; }
    QAction *saveAction() const { return m_actionSave; }
    QAction *saveAsAction() const { return m_actionSaveAs; }
    QAction *otherFormatAction() const { return m_actionOtherFormat; }
    QAction *printAction() const { return m_actionPrint; }
    QAction *emailAction() const { return m_actionEmail; }
    QAction *copyAction() const { return m_actionCopy; }
    QAction *rotateClockwiseAction() const { return m_actionRotateClockwise; }
    QAction *rotateCounterclockwiseAction() const { return m_actionRotateCounterclockwise; }

    void addFileActions(QMenu *menu) const;
    void addEditActions(QMenu *menu) const;
    void addViewActions(QMenu *menu) const;
    /// "Export to" with an entry per installed drawing application, when there is one.
    void addExportMenu(QMenu *menu);
    /// The entries of "Export to", for the tool bar.
    const QList<QAction *> &exportActions() const { return m_exportActions; }
    /// The editor page is shown (or the sketches page): which sketch the actions act on.
    void setEditorPageShown(bool shown);

    /// Before a changed sketch is left: 0 when there was nothing to save or the user saved
    /// or discarded, -1 when the user cancelled (the caller stays where it is).
    int askToSave();
    /// Before the window closes with a changed sketch: whether it may close. A save that
    /// fails keeps it open.
    bool askBeforeClosing(bool *quit);

public slots:
    /// Writes the editor's sketch to its file; a pen file is never overwritten (Save As).
    bool On_Save();
    bool On_SaveAs();
    void On_ExportAsDiffrentFormat_Clicked();
    void On_FilePrint_Cliked();
    /// Opens the user's mail program on a new message with the sketch attached as a PDF.
    void On_FileEmail_Cliked();
    /// Puts the sketch on the clipboard as a picture and as a layered drawing.
    void copySketch();
    void On_EditUndo_Clicked();
    void exportPsSlot();
    void exportAiSlot();
    void exportSPBSlot();
    void exportASSlot();
    /// Hands the shown sketch to the first installed application whose name holds part.
    void exportTo(const QString &part);
    /// Hands the shown sketch to the installed application of that name.
    void exportToNamed(const QString &name);
    /// Saves a document made elsewhere (a merge) to its path.
    bool saveDocumentSlot(MetadataPtr metadata);
    /// The current thumbnail changed: the actions on a sketch follow it on the sketches page.
    void updateEnabled();

private:
    MetadataPtr shownSketch() const;
    /// The shown sketch with its scene built, or null when there is none or it cannot be.
    MetadataPtr shownSketchWithScene() const;
    bool saveTo(const MetadataPtr &sketch, const QString &path);
    bool saveSketchAs(const MetadataPtr &sketch);
    /// Shows the editor's sketch as its file holds it again.
    void reopenFromFile();

    QMainWindow *m_window;
    LayerManager *m_editor;
    PreviewThumbnailList *m_list;
    bool m_editorShown = false;
    QAction *m_actionUndo;
    QAction *m_actionRedo;
    QAction *m_actionSave;
    QAction *m_actionSaveAs;
    QAction *m_actionOtherFormat;
    QAction *m_actionPrint;
    QAction *m_actionEmail;
    QAction *m_actionCopy;
    QAction *m_actionRotateClockwise;
    QAction *m_actionRotateCounterclockwise;
    QList<QAction *> m_exportActions;
};
