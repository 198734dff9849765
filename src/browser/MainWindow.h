// The application's one window: folder tree, thumbnails and pages strip, and the editor page.
#pragma once

#include "document/DocumentMetaData.h"

#include <QDir>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QToolBar;
class QToolButton;
class ApplSettings;
class DirView;
class EditorSession;
class FolderHistory;
class LoadStatus;
class KeyboardTrackingSlider;
class LayerManager;
class PageMenus;
class PagesStrip;
class PreviewThumbnailList;
class ReceiverStatus;
class SketchBackupController;
class SketchViewer;
class TrayController;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Chooses the start folder (the receiver's sketches, the settings' start folder, else
    /// documentsFolder), builds tray icon, children, status bar and help file names, then
    /// starts following the receiver (a receiver volume already mounted is shown at once).
    void init(const QString &documentsFolder, const QString &settingsPath);
    /// Shows the file's folder and selects its thumbnail, then opens it in the editor.
    /// False for a folder or a file that does not exist.
    bool openFile(const QString &path);
    /// Whether the receiver's disc volume has been reported mounted.
    bool isReceiverVolumeMounted() const;

    // The parts of the window, for the start-up and for tests.
    PreviewThumbnailList *thumbnailList() const { return m_thumbnailList; }
    SketchBackupController *sketchBackup() const { return m_sketchBackup; }
    ReceiverStatus *receiverStatus() const { return m_receiverStatus; }
    DirView *folderTree() const { return m_dirView; }
    PagesStrip *pagesStrip() const { return m_pagesStrip; }
    SketchViewer *editorPage() const;
    LayerManager *layerEditor() const { return m_layerEditor; }
    EditorSession *session() const { return m_session; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    int currentPage() const { return m_currentPage; }
    QString currentFolder() const { return m_currentFolder; }
    QStringList backHistory() const;
    QStringList forwardHistory() const;
    QString licenceFile() const { return m_licenceFile; }
    QString manualFile() const { return m_manualFile; }

public slots:
    void handleSentMessageFromAnotherCopyOfApp(const QString &message);
    void currentTabChanged(int page);
    void setFilesProgressBarRange(int count);
    void setFilesProgressBarValue();
    void loaderFinishedWorkSlot();
    void thumbsZoomPlusSlot();
    void thumbsZoomMinusSlot();
    void On_ZoomSliderPosition(int position);
    void directoryNewEntrySlot(const QDir &folder);
    void enterKeyHandlingSlot(bool enabled);
    void setEnabledZoomSlider(bool enabled);
    void setPagesStripVisible(bool visible);
    void setPagesStripInfo(uint first, uint end, uint count, bool reset);
    void thumbnailSelectedExSlot(MetadataPtr metadata);
    void editSelectedThumbnail();
    void backToPreviewTab();
    /// The list is about to open another sketch: a changed one is saved or kept first.
    void checkIfSaveNeededSlot();

signals:
    /// The receiver was prepared after its arrival, or it left (for the settings dialog).
    void handleHIDDevicePlugSgnl();
    void handleHIDDeviceUnplugSgnl();

protected:
    /// Whether the desktop shows tray icons (a window hidden without one cannot be found).
    virtual bool isSystemTrayAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void closeEvent(QCloseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private slots:
    void On_FileOpen_Clicked();
    void On_FolderOpen_Clicked();
    void On_HelpAboutUserGuide_Clicked();
    void On_About_Clicked();
    void On_IPISlot();
    void On_QuilloWebTutorilaSlot();
    void viewFileTree(bool visible);
    void actionBackSlot();
    void actionForwardSlot();

private:
    void createActions();
    void createMenus();
    void createTrayIcon();
    void createStatusBar();
    void connectChildren();
    void prepareUG_EULAlanguage();
    void showFolderWithoutHistory(const QString &folder);
    void showFolderInTitle();
    void reportUnreadable(const DocumentMetaData &metadata);
    void handleFolderRemoved(const QString &folder, const QString &parent);

    ApplSettings *m_settings;
    QString m_currentFolder;
    QString m_settingsPath;
    QString m_receiverSketchesFolder;
    int m_currentPage = 0;
    std::unique_ptr<FolderHistory> m_history;
    std::unique_ptr<LoadStatus> m_loadStatus;
    QString m_licenceFile;
    QString m_manualFile;
    bool m_enterKeyHandling = true;

    QStackedWidget *m_pages = nullptr;
    DirView *m_dirView = nullptr;
    PreviewThumbnailList *m_thumbnailList = nullptr;
    PagesStrip *m_pagesStrip = nullptr;
    LayerManager *m_layerEditor = nullptr;
    EditorSession *m_session = nullptr;
    QToolBar *m_toolBar = nullptr;
    PageMenus *m_menus = nullptr;
    QProgressBar *m_progressBar = nullptr;
    KeyboardTrackingSlider *m_zoomSlider = nullptr;
    QToolButton *m_thumbsZoomOut = nullptr;
    QToolButton *m_thumbsZoomIn = nullptr;
    TrayController *m_tray = nullptr;
    SketchBackupController *m_sketchBackup = nullptr;
    ReceiverStatus *m_receiverStatus = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;

    QAction *action_Open = nullptr;
    QAction *m_action_exit = nullptr;
    QAction *m_actionQuit = nullptr;
    QAction *m_actionPrevious = nullptr;
    QAction *m_actionNext = nullptr;
    QAction *actionUser_Guide = nullptr;
    QAction *actionAbout = nullptr;
    QAction *actionFileTree = nullptr;
    QAction *actionOpen_Folder = nullptr;
    QAction *actionBack = nullptr;
    QAction *actionForward = nullptr;
    QAction *actionImportant_Product_Information_Folder = nullptr;
    QAction *actionQuillo_Web_Tutorial = nullptr;
};
