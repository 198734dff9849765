// The window's commands on the open sketch and the question before a changed one is left.
#include "browser/EditorSession.h"

#include "browser/PreviewThumbnailList.h"
#include "editor/LayerManager.h"
#include "export/ApplicationExport.h"
#include "export/Mail.h"
#include "export/OtherFormats.h"
#include "export/SketchClipboard.h"
#include "ink/DocumentSerializer.h"
#include "settings/ApplSettings.h"
#include "settings/DialogService.h"
#include "settings/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QProgressDialog>
#include <QUndoStack>

#include <algorithm>

namespace {

QAction *makeAction(QObject *parent, const QString &text, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(text, parent);
    action->setShortcut(shortcut);
    return action;
}

bool isSavedDocument(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("vmr"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("inkml"), Qt::CaseInsensitive) == 0;
}

} // namespace

EditorSession::EditorSession(QMainWindow *window, LayerManager *editor, PreviewThumbnailList *list)
    : QObject(window)
    , m_window(window)
    , m_editor(editor)
    , m_list(list)
{
    m_actionUndo = makeAction(this, tr("Undo"), QKeySequence(tr("Ctrl+Z")));
    m_actionRedo = makeAction(this, tr("Redo"), QKeySequence(tr("Ctrl+Y")));
    m_actionEmail = makeAction(this, tr("Email"), QKeySequence(tr("Ctrl+E")));
    m_actionCopy = makeAction(this, tr("Copy"), QKeySequence::Copy);
    m_actionPrint = makeAction(this, tr("Print"), QKeySequence(tr("Ctrl+P")));
    m_actionSave = makeAction(this, tr("Save"), QKeySequence(tr("Ctrl+S")));
    m_actionSaveAs = makeAction(this, tr("Save Document As"));
    m_actionRotateClockwise = makeAction(this, tr("Rotate Clockwise"), QKeySequence(tr("Ctrl+R")));
    m_actionRotateCounterclockwise
        = makeAction(this, tr("Rotate Counterclockwise"), QKeySequence(tr("Ctrl+Shift+R")));
    // Ctrl+F is Forward on the sketches page; setEditorPageShown gives it to this action
    // only while the editor page is shown.
    m_actionOtherFormat = makeAction(this, tr("Save as Different Format"));
    m_actionUndo->setEnabled(false);
    m_actionRedo->setEnabled(false);

    connect(m_actionUndo, &QAction::triggered, this, &EditorSession::On_EditUndo_Clicked);
    connect(m_actionRedo, &QAction::triggered, m_editor->undoStack(), &QUndoStack::redo);
    connect(m_actionSave, &QAction::triggered, this, &EditorSession::On_Save);
    connect(m_actionSaveAs, &QAction::triggered, this, &EditorSession::On_SaveAs);
    connect(m_actionOtherFormat, &QAction::triggered, this,
            &EditorSession::On_ExportAsDiffrentFormat_Clicked);
    connect(m_actionPrint, &QAction::triggered, this, &EditorSession::On_FilePrint_Cliked);
    connect(m_actionCopy, &QAction::triggered, this, &EditorSession::copySketch);
    connect(m_actionEmail, &QAction::triggered, this, &EditorSession::On_FileEmail_Cliked);
    connect(m_actionRotateClockwise, &QAction::triggered, m_editor,
            &LayerManager::rotateClockwiseSlot);
    connect(m_actionRotateCounterclockwise, &QAction::triggered, m_editor,
            &LayerManager::rotateCounterclockwiseSlot);
    connect(m_editor->undoStack(), &QUndoStack::canUndoChanged, m_actionUndo, &QAction::setEnabled);
    connect(m_editor->undoStack(), &QUndoStack::canRedoChanged, m_actionRedo, &QAction::setEnabled);
    connect(m_editor, &LayerManager::saveDocument, this, &EditorSession::On_Save);
    connect(m_editor, &LayerManager::saveDocumentAs, this, &EditorSession::On_SaveAs);
    connect(m_editor, &LayerManager::saveAsDifferentFormatRequested, this,
            &EditorSession::On_ExportAsDiffrentFormat_Clicked);
    connect(m_editor, &LayerManager::emailRequested, this, &EditorSession::On_FileEmail_Cliked);
    connect(m_editor, &LayerManager::signalSaveEnable, this, &EditorSession::updateEnabled);
    connect(m_list, &PreviewThumbnailList::currentItemChanged, this, &EditorSession::updateEnabled);
    connect(m_list, &PreviewThumbnailList::saveDocumentAs, this, &EditorSession::On_SaveAs);
    connect(m_list, &PreviewThumbnailList::saveAsDiffrentFormatSignal, this,
            &EditorSession::On_ExportAsDiffrentFormat_Clicked);
    connect(m_list, &PreviewThumbnailList::exportToApplication, this,
            &EditorSession::exportToNamed);
    connect(m_editor, &LayerManager::exportRequested, this, &EditorSession::exportToNamed);
    connect(m_list, &PreviewThumbnailList::mergeDocSave, this, &EditorSession::saveDocumentSlot);
    updateEnabled();
}

void EditorSession::addFileActions(QMenu *menu) const
{
    menu->addAction(m_actionSave);
    menu->addAction(m_actionSaveAs);
    menu->addAction(m_actionOtherFormat);
    menu->addSeparator();
    menu->addAction(m_actionPrint);
    menu->addAction(m_actionEmail);
}

void EditorSession::addEditActions(QMenu *menu) const
{
    menu->addAction(m_actionUndo);
    menu->addAction(m_actionRedo);
    menu->addSeparator();
    menu->addAction(m_actionCopy);
}

void EditorSession::addViewActions(QMenu *menu) const
{
    menu->addAction(m_actionRotateClockwise);
    menu->addAction(m_actionRotateCounterclockwise);
}

namespace {

/// The tool-bar icon of an application: the Windows ones by name, a desktop entry's own.
QIcon applicationIcon(const InstalledApp &application)
{
    static const QList<std::pair<const char *, const char *>> kIcons {
        {"photoshop", ":/tolbar/Resources/export/32X32/PS.png"},
        {"illustrator", ":/tolbar/Resources/export/32X32/AI.png"},
        {"pro", ":/tolbar/Resources/export/32X32/SBP.png"},
        {"designer", ":/tolbar/Resources/export/32X32/AS.png"}};
    if (application.handOff == HandOff::OpenRaster || application.handOff == HandOff::LayeredSvg)
        return QFileInfo(application.iconName).isAbsolute()
            ? QIcon(application.iconName)
            : QIcon::fromTheme(application.iconName);
    for (const auto &[part, icon] : kIcons)
        if (application.name.contains(QLatin1String(part), Qt::CaseInsensitive))
            return QIcon(QLatin1String(icon));
    return {};
}

} // namespace

void EditorSession::addExportMenu(QMenu *menu)
{
    const QList<InstalledApp> applications = ApplSettings::instance().installedApplications();
    if (applications.isEmpty())
        return;
    QMenu *exportMenu = menu->addMenu(tr("&Export to"));
    exportMenu->setAccessibleName(tr("Export to"));
    for (const InstalledApp &application : applications) {
        QAction *action
            = exportMenu->addAction(applicationIcon(application), menuLabel(application));
        const QString name = application.name;
        connect(action, &QAction::triggered, this, [this, name] { exportToNamed(name); });
        m_exportActions << action;
    }
    updateEnabled();
}

void EditorSession::setEditorPageShown(bool shown)
{
    m_editorShown = shown;
    m_actionOtherFormat->setShortcut(shown ? QKeySequence(tr("Ctrl+F")) : QKeySequence());
    updateEnabled();
}

MetadataPtr EditorSession::shownSketch() const
{
    return m_editorShown ? m_editor->document() : m_list->currentMetadata();
}

void EditorSession::updateEnabled()
{
    const bool sketch = static_cast<bool>(shownSketch());
    m_actionSaveAs->setEnabled(sketch);
    m_actionOtherFormat->setEnabled(sketch);
    m_actionPrint->setEnabled(sketch);
    m_actionEmail->setEnabled(sketch);
    m_actionCopy->setEnabled(sketch);
    for (QAction *action : std::as_const(m_exportActions))
        action->setEnabled(sketch);
    m_actionSave->setEnabled(m_editorShown && sketch && m_editor->isModified());
    m_actionRotateClockwise->setEnabled(m_editorShown && sketch);
    m_actionRotateCounterclockwise->setEnabled(m_editorShown && sketch);
    m_actionUndo->setEnabled(m_editorShown && m_editor->undoStack()->canUndo());
    m_actionRedo->setEnabled(m_editorShown && m_editor->undoStack()->canRedo());
}

void EditorSession::On_EditUndo_Clicked()
{
    m_editor->undoStack()->undo();
}

int EditorSession::askToSave()
{
    if (!m_editor->isModified())
        return 0;
    const QString question = QStringLiteral("%1\n%2?").arg(
        tr("The file has been modified.  Would you like to save your changes?"),
        QDir::toNativeSeparators(m_editor->document()->path()));
    const QMessageBox::StandardButton answer = dialogs().question(
        m_window, applicationTitle(), question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return On_Save() ? 0 : -1;
    if (answer == QMessageBox::Discard) {
        m_editor->discardChanges();
        updateEnabled();
        return 0;
    }
    return -1;
}

bool EditorSession::askBeforeClosing(bool *quit)
{
    *quit = false;
    if (!m_editorShown || !m_editor->isModified())
        return true;
    const QString question = QStringLiteral("%1\n%2?").arg(
        tr("The file has been modified. Would you like to save your changes ?"),
        QDir::toNativeSeparators(m_editor->document()->path()));
    const QMessageBox::StandardButton answer = dialogs().question(
        m_window, applicationTitle(), question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Save) {
        // Saving and closing ends the application; a failed save keeps the sketch open.
        if (!On_Save())
            return false;
        *quit = true;
    } else {
        // The window only hides: when it comes back it shows the sketch as saved.
        reopenFromFile();
    }
    return true;
}

void EditorSession::reopenFromFile()
{
    const MetadataPtr shown = m_editor->document();
    m_editor->discardChanges();
    MetadataPtr file(new DocumentMetaData(shown->path()));
    if (file->load() && file->ensureModel())
        m_editor->setDocument(file->createPressureCopy());
    updateEnabled();
}

bool EditorSession::On_Save()
{
    const MetadataPtr sketch = m_editorShown ? m_editor->document() : MetadataPtr();
    if (!sketch)
        return false;
    // A pen file is the receiver's record: it is never overwritten, the sketch goes to a new
    // document instead.
    if (!isSavedDocument(sketch->path()))
        return saveSketchAs(sketch);
    return saveTo(sketch, sketch->path());
}

bool EditorSession::On_SaveAs()
{
    const MetadataPtr sketch = shownSketch();
    return sketch && saveSketchAs(sketch);
}

bool EditorSession::saveSketchAs(const MetadataPtr &sketch)
{
    const QFileInfo file(sketch->path());
    const QString proposed = QDir::toNativeSeparators(
        file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral(".vmr"));
    QString path
        = dialogs().saveFileName(m_window, tr("Save as"), proposed, tr("Quillo files (*.vmr)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".vmr"), Qt::CaseInsensitive))
        path += QStringLiteral(".vmr");
    return saveTo(sketch, QDir::toNativeSeparators(path));
}

bool EditorSession::saveTo(const MetadataPtr &sketch, const QString &path)
{
    if (!sketch->document())
        return false;
    const WaitCursor wait;
    std::unique_ptr<QProgressDialog> progress;
    if (m_window->isVisible()) {
        progress
            = std::make_unique<QProgressDialog>(tr("Saving document"), QString(), 0, 8, m_window);
        progress->setWindowTitle(applicationTitle());
        progress->setAccessibleName(tr("Saving document"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setValue(1);
    }
    // What is written is what the view shows: turned and moved like it, in the receiver's
    // coordinates.
    const std::unique_ptr<Nivo::Document> seen = sketch->createDocumentAsSeen();
    if (progress)
        progress->setValue(4);
    Nivo::DocumentSerializer serializer(seen.get());
    const bool saved = serializer.saveFile(path.toStdWString(),
                                           sketch->definitions() ? *sketch->definitions()
                                                                 : Nivo::InkMLDefinitions());
    progress.reset();
    if (!saved) {
        dialogs().warning(m_window, applicationTitle(), tr("Unable to save file"));
        return false;
    }
    if (sketch.get() == m_editor->document().get()) {
        sketch->setPath(path);
        m_editor->markSaved();
    }
    // The list shows the saved file's thumbnail anew (and a new file where it appeared).
    m_list->reloadSameFolder(true);
    updateEnabled();
    return true;
}

bool EditorSession::saveDocumentSlot(MetadataPtr metadata)
{
    return metadata && saveTo(metadata, metadata->path());
}

MetadataPtr EditorSession::shownSketchWithScene() const
{
    const MetadataPtr sketch = shownSketch();
    // A thumbnail's sketch is read without its scene; every output is drawn from one.
    if (!sketch || (!sketch->model() && !sketch->ensureModel()))
        return {};
    return sketch;
}

void EditorSession::On_ExportAsDiffrentFormat_Clicked()
{
    const MetadataPtr sketch = shownSketchWithScene();
    if (!sketch)
        return;
    const WaitCursor wait;
    saveAsOtherFormat(*sketch);
}

void EditorSession::On_FilePrint_Cliked()
{
    const MetadataPtr sketch = shownSketchWithScene();
    if (!sketch)
        return;
    const WaitCursor wait;
    printDocument(*sketch);
}

void EditorSession::On_FileEmail_Cliked()
{
    const MetadataPtr sketch = shownSketchWithScene();
    if (!sketch)
        return;
    const WaitCursor wait;
    emailDocumentasPDF(*sketch);
}

void EditorSession::exportPsSlot()
{
    exportTo(QStringLiteral("photoshop"));
}

void EditorSession::exportAiSlot()
{
    exportTo(QStringLiteral("illustrator"));
}

void EditorSession::exportSPBSlot()
{
    exportTo(QStringLiteral("pro"));
}

void EditorSession::exportASSlot()
{
    exportTo(QStringLiteral("designer"));
}

void EditorSession::exportTo(const QString &part)
{
    const QList<InstalledApp> applications = ApplSettings::instance().installedApplications();
    const auto application
        = std::find_if(applications.begin(), applications.end(), [&](const InstalledApp &app) {
              return app.name.contains(part, Qt::CaseInsensitive);
          });
    if (application != applications.end())
        exportToNamed(application->name);
}

void EditorSession::exportToNamed(const QString &name)
{
    const QList<InstalledApp> applications = ApplSettings::instance().installedApplications();
    const auto application
        = std::find_if(applications.begin(), applications.end(),
                       [&](const InstalledApp &app) { return app.name == name; });
    const MetadataPtr sketch = shownSketchWithScene();
    if (application == applications.end() || !sketch)
        return;
    const WaitCursor wait;
    exportToApplication(*sketch, *application);
}

void EditorSession::copySketch()
{
    const MetadataPtr sketch = shownSketchWithScene();
    if (!sketch)
        return;
    const WaitCursor wait;
    if (QMimeData *data = sketchMimeData(*sketch))
        QApplication::clipboard()->setMimeData(data);
}
