// The window frame: pages, menus, tray icon, status bar, folder history, files and help.
#include "browser/MainWindow.h"

#include "browser/AboutDialog.h"
#include "browser/AccessibleNames.h"
#include "browser/DirView.h"
#include "browser/EditorSession.h"
#include "browser/FolderHistory.h"
#include "browser/HelpFiles.h"
#include "browser/KeyboardTrackingSlider.h"
#include "browser/LiveView.h"
#include "browser/LoadStatus.h"
#include "browser/LoaderThread.h"
#include "browser/PageMenus.h"
#include "browser/PagesStrip.h"
#include "browser/PreferencesController.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/ReceiverStatus.h"
#include "browser/SketchBackupController.h"
#include "browser/ThumbnailItem.h"
#include "browser/TrayController.h"
#include "document/DocumentGraphicModel.h"
#include "editor/LayerManager.h"
#include "editor/SketchViewer.h"
#include "export/Mail.h"
#include "settings/ApplSettings.h"
#include "settings/DesktopServices.h"
#include "settings/DialogService.h"
#include "settings/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction *makeAction(QObject *parent, const QString &text, const QString &icon,
                    const QKeySequence &shortcut = {})
{
    auto *action = new QAction(QIcon(icon), text, parent);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_settings(&ApplSettings::instance())
{
    setWindowTitle(tr("Quillo Draftbay"));
    setObjectName(QStringLiteral("MainWindow"));
    m_pages = new QStackedWidget(this);
    auto *preview = new QSplitter(Qt::Horizontal, m_pages);
    m_dirView = new DirView(preview);
    m_thumbnailList = new PreviewThumbnailList(preview);
    m_sketchBackup = new SketchBackupController(this, m_thumbnailList, m_settings);
    preview->addWidget(m_dirView);
    preview->addWidget(m_thumbnailList);
    preview->setStretchFactor(0, 0);
    preview->setStretchFactor(1, 1);
    preview->setSizes({280, 1000});
    m_layerEditor = new LayerManager(m_pages);
    m_session = new EditorSession(this, m_layerEditor, m_thumbnailList);
    m_pages->addWidget(preview);
    m_pages->addWidget(m_layerEditor);
    setCentralWidget(m_pages);
    createActions();
    m_receiverStatus = new ReceiverStatus(this, m_dirView, actionBack, actionForward);
    connect(m_receiverStatus, &ReceiverStatus::handleHIDDevicePlugSgnl, this,
            &MainWindow::handleHIDDevicePlugSgnl);
    connect(m_receiverStatus, &ReceiverStatus::handleHIDDeviceUnplugSgnl, this,
            &MainWindow::handleHIDDeviceUnplugSgnl);
}

MainWindow::~MainWindow()
{
    if (m_trayIcon)
        m_trayIcon->hide();
}

bool MainWindow::isReceiverVolumeMounted() const
{
    return m_receiverStatus->isVolumeMounted();
}

SketchViewer *MainWindow::editorPage() const
{
    return m_layerEditor->viewer();
}

void MainWindow::createActions()
{
    action_Open = makeAction(this, tr("&Open File"), QStringLiteral(":/actions/open_file.png"),
                             QKeySequence(tr("Ctrl+O")));
    m_action_exit = makeAction(this, tr("Exit"), QStringLiteral(":/actions/exit.png"),
                               QKeySequence(tr("Ctrl+X")));
    // The shortcut Linux programs end with; Exit only closes the window into the tray.
    m_actionQuit = makeAction(this, tr("&Quit"), QString(), QKeySequence::Quit);
    connect(m_actionQuit, &QAction::triggered, qApp, &QCoreApplication::quit);
    actionUser_Guide
        = makeAction(this, tr("User's Manual"), QStringLiteral(":/actions/user_guide.png"));
    actionAbout = makeAction(this, tr("About Quillo"), QStringLiteral(":/actions/about.png"));
    actionFileTree
        = makeAction(this, tr("File System Tree"), QStringLiteral(":/actions/file_tree.png"),
                     QKeySequence(tr("Ctrl+T")));
    actionFileTree->setCheckable(true);
    actionFileTree->setChecked(true);
    actionOpen_Folder
        = makeAction(this, tr("Open Folder"), QStringLiteral(":/actions/open_folder.png"),
                     QKeySequence(tr("Ctrl+Shift+O")));
    actionBack = makeAction(this, tr("Back"), QStringLiteral(":/actions/back.png"),
                            QKeySequence(tr("Ctrl+B")));
    actionForward = makeAction(this, tr("Forward"), QStringLiteral(":/actions/forward.png"),
                               QKeySequence(tr("Ctrl+F")));
    m_history = std::make_unique<FolderHistory>(actionBack, actionForward);
    actionImportant_Product_Information_Folder = makeAction(
        this, tr("Important Product Information"), QStringLiteral(":/actions/product_info.png"));
    actionQuillo_Web_Tutorial
        = makeAction(this, tr("Quillo Tutorial"), QStringLiteral(":/actions/tutorial.png"));

    connect(action_Open, &QAction::triggered, this, &MainWindow::On_FileOpen_Clicked);
    connect(m_action_exit, &QAction::triggered, this, &MainWindow::close);
    connect(actionUser_Guide, &QAction::triggered, this,
            &MainWindow::On_HelpAboutUserGuide_Clicked);
    connect(actionAbout, &QAction::triggered, this, &MainWindow::On_About_Clicked);
    connect(actionFileTree, &QAction::toggled, this, &MainWindow::viewFileTree);
    connect(actionOpen_Folder, &QAction::triggered, this, &MainWindow::On_FolderOpen_Clicked);
    connect(actionBack, &QAction::triggered, this, &MainWindow::actionBackSlot);
    connect(actionForward, &QAction::triggered, this, &MainWindow::actionForwardSlot);
    connect(actionImportant_Product_Information_Folder, &QAction::triggered, this,
            &MainWindow::On_IPISlot);
    connect(actionQuillo_Web_Tutorial, &QAction::triggered, this,
            &MainWindow::On_QuilloWebTutorilaSlot);

    m_toolBar = addToolBar(tr("Main"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->addAction(actionOpen_Folder);
    m_toolBar->addAction(action_Open);
    m_toolBar->addSeparator();
    m_toolBar->addAction(actionBack);
    m_toolBar->addAction(actionForward);
    m_toolBar->addAction(actionFileTree);
    nameToolBarExtension(m_toolBar);
}

void MainWindow::init(const QString &documentsFolder, const QString &settingsPath)
{
    m_settingsPath = settingsPath;
    // A documents folder that does not exist would show an empty tree: start at home then.
    m_currentFolder = QDir::toNativeSeparators(
        QFileInfo(documentsFolder).isDir() ? documentsFolder : QDir::homePath());
    if (!m_receiverSketchesFolder.isEmpty()) {
        m_currentFolder = m_receiverSketchesFolder;
    } else {
        QString start;
        m_settings->getAttribute(QStringLiteral("startup_directory/directory"),
                                 QStringLiteral("path"), start);
        start = QDir::toNativeSeparators(start);
        if (!start.isEmpty() && QFileInfo(start).isDir()) {
            m_currentFolder = start;
        } else {
            m_settings->setAttribute(QStringLiteral("startup_directory/directory"),
                                     QStringLiteral("path"), m_currentFolder);
        }
    }
    // Attachments of a run that ended without removing them (a crash) go after a day.
    purgeOldMailAttachments();
    createTrayIcon();
    createStatusBar();
    createMenus();
    connectChildren();
    m_dirView->init(m_currentFolder);
    // Once the tree exists: a receiver volume already mounted is shown at once.
    m_receiverStatus->start(m_tray);
    prepareUG_EULAlanguage();
    currentTabChanged(0);
}

void MainWindow::createTrayIcon()
{
    m_tray = new TrayController(this);
    m_trayIcon = m_tray->icon();
    m_trayMenu = m_tray->menu();
    m_tray->showIfAvailable(isSystemTrayAvailable());
}

void MainWindow::createStatusBar()
{
    m_progressBar = new QProgressBar(this);
    m_progressBar->setFixedWidth(100);
    m_progressBar->setTextVisible(false);
    m_progressBar->setAccessibleName(tr("Loading sketches"));
    m_progressBar->hide();
    statusBar()->addWidget(m_progressBar);

    m_pagesStrip = new PagesStrip(this);
    m_pagesStrip->hide();
    m_thumbsZoomOut = new QToolButton(this);
    m_thumbsZoomOut->setObjectName(QStringLiteral("m_thumbs_zoom_out"));
    m_thumbsZoomOut->setIcon(QIcon(QStringLiteral(":/actions/thumbs_zoom_out.png")));
    m_thumbsZoomOut->setFixedSize(24, 24);
    m_thumbsZoomOut->setAutoRaise(true);
    m_thumbsZoomOut->setAccessibleName(tr("Smaller thumbnails"));
    m_thumbsZoomOut->setToolTip(tr("Smaller thumbnails"));
    m_thumbsZoomIn = new QToolButton(this);
    m_thumbsZoomIn->setObjectName(QStringLiteral("m_thumbs_zoom_in"));
    m_thumbsZoomIn->setIcon(QIcon(QStringLiteral(":/actions/thumbs_zoom_in.png")));
    m_thumbsZoomIn->setFixedSize(24, 24);
    m_thumbsZoomIn->setAutoRaise(true);
    m_thumbsZoomIn->setAccessibleName(tr("Larger thumbnails"));
    m_thumbsZoomIn->setToolTip(tr("Larger thumbnails"));
    m_zoomSlider = new KeyboardTrackingSlider(this);
    m_zoomSlider->setOrientation(Qt::Horizontal);
    m_zoomSlider->setRange(120, 420);
    m_zoomSlider->setSingleStep(5);
    m_zoomSlider->setPageStep(20);
    m_zoomSlider->setMinimumSize(250, 20);
    m_zoomSlider->setMaximumSize(350, 20);
    m_zoomSlider->setToolTip(tr("Zoom in or out"));
    m_zoomSlider->setAccessibleName(tr("Thumbnail size"));
    m_zoomSlider->setValue(m_thumbnailList->itemSize());
    statusBar()->addPermanentWidget(m_pagesStrip);
    statusBar()->addPermanentWidget(m_thumbsZoomOut);
    statusBar()->addPermanentWidget(m_zoomSlider);
    statusBar()->addPermanentWidget(m_thumbsZoomIn);
    m_loadStatus = std::make_unique<LoadStatus>(
        statusBar(), m_progressBar,
        QList<QWidget *> {m_zoomSlider, m_thumbsZoomIn, m_thumbsZoomOut});
}

void MainWindow::connectChildren()
{
    PreviewThumbnailList *list = m_thumbnailList;
    connect(m_dirView, &DirView::navigationEvent, list, &PreviewThumbnailList::previewEliFiles);
    connect(m_dirView, &DirView::navigationEvent, this, &MainWindow::directoryNewEntrySlot);
    connect(m_dirView, &DirView::moveFromUsbToSelectedFolderSgnl, m_sketchBackup,
            &SketchBackupController::moveToComputer);
    connect(list, &PreviewThumbnailList::dragStarted, m_dirView, &DirView::onDragStarted);
    connect(list, &PreviewThumbnailList::setFilesProgressBarRangeSignal, this,
            &MainWindow::setFilesProgressBarRange);
    connect(list, &PreviewThumbnailList::setFilesProgressBarValueSignal, this,
            &MainWindow::setFilesProgressBarValue);
    connect(list, &PreviewThumbnailList::loaderFinishedWorkSgnl, this,
            &MainWindow::loaderFinishedWorkSlot);
    connect(list, &PreviewThumbnailList::zoomSliderPosition, this,
            &MainWindow::On_ZoomSliderPosition);
    connect(list, &PreviewThumbnailList::enableEnterKeyHandling, this,
            &MainWindow::enterKeyHandlingSlot);
    connect(list, &PreviewThumbnailList::emitSetPagesStripInfo, this,
            &MainWindow::setPagesStripInfo);
    connect(list, &PreviewThumbnailList::emitSetPagesStripVisible, this,
            &MainWindow::setPagesStripVisible);
    connect(list, &PreviewThumbnailList::thumbnailSelectedEx, this,
            &MainWindow::thumbnailSelectedExSlot);
    connect(list, &PreviewThumbnailList::checkIfSaveNeeded, this,
            &MainWindow::checkIfSaveNeededSlot);
    connect(m_pagesStrip, &PagesStrip::pageSelectionChange, list,
            &PreviewThumbnailList::handlePageSelectionClick);
    connect(m_pagesStrip, &PagesStrip::enableEnterKeyHandling, this,
            &MainWindow::enterKeyHandlingSlot);
    connect(m_zoomSlider, &QSlider::sliderMoved, list, &PreviewThumbnailList::sliderMovedSlot);
    connect(m_zoomSlider, &KeyboardTrackingSlider::sliderEvent, list,
            &PreviewThumbnailList::handleZoomSliderKeyEvent);
    connect(m_thumbsZoomIn, &QToolButton::clicked, this, &MainWindow::thumbsZoomPlusSlot);
    connect(m_thumbsZoomOut, &QToolButton::clicked, this, &MainWindow::thumbsZoomMinusSlot);
    connect(m_layerEditor, &LayerManager::backToPreviewTab, this, &MainWindow::backToPreviewTab);
    connect(m_layerEditor, &LayerManager::previousRequested, list,
            &PreviewThumbnailList::navigateBackward);
    connect(m_layerEditor, &LayerManager::nextRequested, list,
            &PreviewThumbnailList::navigateForward);
    connect(list, &PreviewThumbnailList::canEnableBackButton, m_layerEditor,
            &LayerManager::enableBackButton);
    connect(list, &PreviewThumbnailList::canEnableForwardButton, m_layerEditor,
            &LayerManager::enableForwardButton);
    connect(list, &PreviewThumbnailList::canEnableBackButton, m_actionPrevious,
            &QAction::setEnabled);
    connect(list, &PreviewThumbnailList::canEnableForwardButton, m_actionNext,
            &QAction::setEnabled);
    connect(list, &PreviewThumbnailList::folderRemoved, this, &MainWindow::handleFolderRemoved);
}

void MainWindow::prepareUG_EULAlanguage()
{
    const HelpFileNames names = helpFilesFor(QLocale::system());
    m_licenceFile = names.licence;
    m_manualFile = names.manual;
}

void MainWindow::createMenus()
{
    m_menus = new PageMenus(this);
    QMenu *file = m_menus->addMenu(tr("File"), PageMenus::kBothPages);
    file->addAction(action_Open);
    file->addAction(actionOpen_Folder);
    file->addSeparator();
    m_session->addFileActions(file);
    m_session->addExportMenu(file);
    // Ctrl+C copies the sketch on both pages; among the sketches it is a thumbnail command.
    addAction(m_session->copyAction());
    m_session->copyAction()->setShortcutContext(Qt::WindowShortcut);
    m_thumbnailList->contextMenu()->addAction(m_session->copyAction());
    if (!m_session->exportActions().isEmpty()) {
        m_toolBar->addSeparator();
        m_toolBar->addActions(m_session->exportActions());
    }
    file->addSeparator();
    file->addAction(m_action_exit);
    file->addAction(m_actionQuit);

    QMenu *edit = m_menus->addMenu(tr("Edit"), PageMenus::kEditorPage);
    m_session->addEditActions(edit);
    edit->addSeparator();
    m_actionPrevious = edit->addAction(tr("Previous Sketch"), QKeySequence(tr("Ctrl+PgUp")),
                                       m_thumbnailList, &PreviewThumbnailList::navigateBackward);
    m_actionNext = edit->addAction(tr("Next Sketch"), QKeySequence(tr("Ctrl+PgDown")),
                                   m_thumbnailList, &PreviewThumbnailList::navigateForward);

    QMenu *browse = m_menus->addMenu(tr("View"), PageMenus::kSketchesPage);
    browse->addAction(actionFileTree);
    browse->addAction(actionBack);
    browse->addAction(actionForward);

    QMenu *view = m_menus->addMenu(tr("View"), PageMenus::kEditorPage);
    view->addAction(QIcon(QStringLiteral(":/actions/zoom_in.png")), tr("Zoom In"),
                    QKeySequence(tr("Ctrl+=")), m_layerEditor, &LayerManager::zoomViewInSlot);
    view->addAction(QIcon(QStringLiteral(":/actions/zoom_out.png")), tr("Zoom Out"),
                    QKeySequence(tr("Ctrl+-")), m_layerEditor, &LayerManager::zoomViewOutSlot);
    view->addAction(tr("Fit to Window"), QKeySequence(tr("Ctrl+0")), editorPage(),
                    &SketchViewer::fitToView);
    m_session->addViewActions(view);
    view->addSeparator();
    QAction *back = view->addAction(QIcon(QStringLiteral(":/actions/back_to_preview.png")),
                                    tr("Back to sketches"), this, &MainWindow::backToPreviewTab);
    back->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Backspace)});

    QMenu *tools = m_menus->addMenu(tr("Tools"), PageMenus::kSketchesPage);
    tools->addAction(tr("Reload Folder"), QKeySequence(QKeySequence::Refresh), m_thumbnailList,
                     [this] { m_thumbnailList->reloadSameFolder(true); });
    tools->addAction(
        (new PreferencesController(this, m_receiverStatus, m_thumbnailList))->actionPreferences());
    auto *live = new LiveViewController(this, m_receiverStatus, m_thumbnailList,
                                        [this] { return m_currentFolder; });
    tools->addAction(live->actionLiveView());
    m_trayMenu->insertAction(m_trayMenu->actions().value(0), live->actionLiveView());

    QMenu *help = m_menus->addMenu(tr("Help"), PageMenus::kBothPages);
    help->addAction(actionUser_Guide);
    help->addAction(actionQuillo_Web_Tutorial);
    help->addAction(actionImportant_Product_Information_Folder);
    help->addSeparator();
    help->addAction(actionAbout);
}

void MainWindow::currentTabChanged(int page)
{
    m_currentPage = page;
    m_menus->show(menuBar(), page);
    if (page == 0)
        showFolderInTitle();
    nameMenus(menuBar());

    const bool preview = page == 0;
    m_toolBar->setVisible(preview);
    m_zoomSlider->setVisible(preview);
    m_thumbsZoomIn->setVisible(preview);
    m_thumbsZoomOut->setVisible(preview);
    setEnabledZoomSlider(preview && !m_thumbnailList->isLoading());
    m_pagesStrip->setVisible(preview && m_thumbnailList->pageCount() > 1);
    // Ctrl+F is Forward among the sketches and Save as Different Format in the editor.
    actionForward->setShortcut(preview ? QKeySequence(tr("Ctrl+F")) : QKeySequence());
    m_session->setEditorPageShown(!preview);
    m_pages->setCurrentIndex(page);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool quit = false;
    if (!m_session->askBeforeClosing(&quit)) {
        event->ignore();
        return;
    }
    if (quit) {
        // Saved on the way out: the application ends, as the user asked.
        if (m_trayIcon)
            m_trayIcon->hide();
        event->accept();
        QCoreApplication::quit();
        return;
    }
    // Without a tray there is nowhere to find a hidden window: closing then quits.
    if (!m_trayIcon || !isSystemTrayAvailable()) {
        event->accept();
        QCoreApplication::quit();
        return;
    }
    hide();
    event->ignore();
}

void MainWindow::handleSentMessageFromAnotherCopyOfApp(const QString &message)
{
    qDebug().noquote() << "MainWindow :: handleSentMessageFromAnotherCopyOfApp msg = " + message;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString prefix = QStringLiteral("Get the instance_");
    QString file = message;
    if (message.contains(prefix) && message.size() > prefix.size())
        file = message.right(message.size() - prefix.size());
    qDebug().noquote() << "MainWindow :: handleSentMessageFromAnotherCopyOfApp file = " + file;
    openFile(file);
    showNormal();
    raise();
    activateWindow();
    QApplication::restoreOverrideCursor();
}

void MainWindow::setFilesProgressBarRange(int count)
{
    m_loadStatus->started(count);
}

void MainWindow::setFilesProgressBarValue()
{
    m_loadStatus->stepped();
}

void MainWindow::loaderFinishedWorkSlot()
{
    m_loadStatus->finished(m_currentPage == 0);
}

void MainWindow::setEnabledZoomSlider(bool enabled)
{
    m_loadStatus->setSizeControlsEnabled(enabled);
}

void MainWindow::thumbsZoomPlusSlot()
{
    m_zoomSlider->setValue(m_zoomSlider->value() + 1);
    m_thumbnailList->handleZoomSliderKeyEvent(m_zoomSlider->value(), Qt::SmoothTransformation);
}

void MainWindow::thumbsZoomMinusSlot()
{
    m_zoomSlider->setValue(m_zoomSlider->value() - 1);
    m_thumbnailList->handleZoomSliderKeyEvent(m_zoomSlider->value(), Qt::SmoothTransformation);
}

void MainWindow::On_ZoomSliderPosition(int position)
{
    m_zoomSlider->setValue(position);
    m_thumbnailList->handleZoomSliderKeyEvent(position, Qt::SmoothTransformation);
}

void MainWindow::setPagesStripVisible(bool visible)
{
    m_pagesStrip->setVisible(visible && m_currentPage == 0);
}

void MainWindow::setPagesStripInfo(uint first, uint end, uint count, bool reset)
{
    if (reset)
        m_pagesStrip->reset();
    m_pagesStrip->setInfo(first, end, count);
}

void MainWindow::enterKeyHandlingSlot(bool enabled)
{
    m_enterKeyHandling = enabled;
}

void MainWindow::keyReleaseEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_enterKeyHandling && m_currentPage == 0 && m_thumbnailList->hasFocus()) {
        editSelectedThumbnail();
        return;
    }
    QMainWindow::keyReleaseEvent(event);
}

void MainWindow::directoryNewEntrySlot(const QDir &folder)
{
    const QString path = QDir::toNativeSeparators(folder.absolutePath());
    if (path != m_currentFolder)
        m_history->visited(m_currentFolder);
    m_currentFolder = path;
    showFolderInTitle();
    actionForward->setToolTip(tr("Forward"));
}

void MainWindow::showFolderInTitle()
{
    const QString folder = QDir::toNativeSeparators(m_thumbnailList->folder().absolutePath());
    setWindowTitle(m_thumbnailList->folder().path().isEmpty()
                       ? tr("Quillo Draftbay")
                       : tr("%1 - Quillo Draftbay").arg(folder));
}

void MainWindow::handleFolderRemoved(const QString &folder, const QString &parent)
{
    statusBar()->showMessage(
        tr("The folder %1 was removed; showing %2 instead.").arg(folder, parent));
    m_dirView->selectPath(parent);
}

void MainWindow::showFolderWithoutHistory(const QString &folder)
{
    disconnect(m_dirView, &DirView::navigationEvent, this, &MainWindow::directoryNewEntrySlot);
    m_dirView->selectPath(folder);
    connect(m_dirView, &DirView::navigationEvent, this, &MainWindow::directoryNewEntrySlot);
    m_currentFolder = QDir::toNativeSeparators(folder);
}

QStringList MainWindow::backHistory() const
{
    return m_history->back();
}

QStringList MainWindow::forwardHistory() const
{
    return m_history->forward();
}

void MainWindow::actionBackSlot()
{
    const QString folder
        = m_history->goBack(QDir::toNativeSeparators(m_dirView->currentDir().absolutePath()));
    if (!folder.isEmpty())
        showFolderWithoutHistory(folder);
}

void MainWindow::actionForwardSlot()
{
    const QString folder
        = m_history->goForward(QDir::toNativeSeparators(m_dirView->currentDir().absolutePath()));
    if (!folder.isEmpty())
        showFolderWithoutHistory(folder);
}

void MainWindow::viewFileTree(bool visible)
{
    m_dirView->setVisible(visible);
}

void MainWindow::On_FileOpen_Clicked()
{
    QString patterns;
    m_settings->getAttribute(QStringLiteral("fileformats/extensions"), QStringLiteral("list"),
                             patterns);
    const QString file
        = dialogs().openFileName(this, tr("Open File"), m_dirView->currentDir().absolutePath(),
                                 tr("Sketches (%1)").arg(patterns));
    if (!file.isEmpty())
        openFile(file);
}

void MainWindow::On_FolderOpen_Clicked()
{
    const QString folder = dialogs().existingDirectory(this, tr("Open directory"),
                                                       m_dirView->currentDir().absolutePath());
    if (!folder.isEmpty())
        m_dirView->selectPath(folder);
}

bool MainWindow::openFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || !info.exists())
        return false;
    if (m_currentPage == 1 && m_session->askToSave() == -1)
        return true;
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (QDir::cleanPath(m_dirView->currentDir().absolutePath())
        != QDir::cleanPath(info.absolutePath()))
        m_dirView->selectPath(folder);
    // Its thumbnail is selected, on whatever page of the folder it lies.
    m_thumbnailList->showFile(info.absoluteFilePath(), false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MetadataPtr metadata(new DocumentMetaData(info.absoluteFilePath()));
    const bool loaded = metadata->load();
    QApplication::restoreOverrideCursor();
    if (loaded)
        thumbnailSelectedExSlot(metadata);
    else
        reportUnreadable(*metadata);
    return true;
}

void MainWindow::reportUnreadable(const DocumentMetaData &metadata)
{
    const QString reason = metadata.errorText().isEmpty() ? tr("The file is not a readable sketch.")
                                                          : metadata.errorText();
    dialogs().warning(this, applicationTitle(),
                      tr("The sketch cannot be opened:") + QLatin1Char('\n')
                          + QDir::toNativeSeparators(metadata.path()) + QLatin1Char('\n') + reason);
}

void MainWindow::On_HelpAboutUserGuide_Clicked()
{
    QString manual = findHelpPath(QStringLiteral("userguides/") + m_manualFile);
    if (manual.isEmpty())
        manual = findHelpPath(QStringLiteral("userguides/Quillo_Manual_EN.pdf"));
    if (manual.isEmpty()) {
        qDebug() << "pdf is not there!";
        return;
    }
    desktop().openUrl(QUrl::fromLocalFile(manual));
}

void MainWindow::On_IPISlot()
{
    const QString folder = findHelpPath(QStringLiteral("Important Product Information"));
    if (!folder.isEmpty())
        desktop().openUrl(QUrl::fromLocalFile(folder));
}

void MainWindow::On_QuilloWebTutorilaSlot()
{
    const QString tutorial = findHelpPath(QStringLiteral("tutorial/index.html"));
    if (!tutorial.isEmpty())
        desktop().openUrl(QUrl::fromLocalFile(tutorial));
}

void MainWindow::On_About_Clicked()
{
    QString licence = findHelpPath(QStringLiteral("eula/") + m_licenceFile);
    if (licence.isEmpty())
        licence = findHelpPath(QStringLiteral("eula/lic_english.htm"));
    AboutDialog about(licence, this);
    m_receiverStatus->showFirmwareVersion(&about);
    about.exec();
}

void MainWindow::thumbnailSelectedExSlot(MetadataPtr metadata)
{
    // The loader reads only the ink; the scene is built here, on the window's thread.
    if (metadata && !metadata->ensureModel()) {
        reportUnreadable(*metadata);
        return;
    }
    if (!metadata)
        return;
    // Another sketch replaces a changed one only once it is saved or discarded.
    if (m_currentPage == 1 && m_session->askToSave() == -1)
        return;
    m_layerEditor->reset();
    m_thumbnailList->announceNeighbours(metadata->path());
    setWindowTitle(tr("%1 - Quillo Draftbay").arg(QFileInfo(metadata->path()).fileName()));
    m_progressBar->hide();
    m_pagesStrip->hide();
    currentTabChanged(1);
    const WaitCursor wait;
    m_layerEditor->setDocument(metadata->createPressureCopy());
    m_session->updateEnabled();
}

void MainWindow::editSelectedThumbnail()
{
    if (const MetadataPtr metadata = m_thumbnailList->currentMetadata())
        thumbnailSelectedExSlot(metadata);
}

void MainWindow::backToPreviewTab()
{
    if (m_currentPage == 1 && m_session->askToSave() == -1)
        return;
    m_layerEditor->reset();
    currentTabChanged(0);
    if (m_thumbnailList->isLoading())
        m_progressBar->show();
    m_thumbnailList->setFocus();
}

void MainWindow::checkIfSaveNeededSlot()
{
    if (m_currentPage == 1 && m_session->askToSave() == -1)
        m_thumbnailList->keepSelection();
}
