// The program's entry point: one copy per user, settings, look, translation, the window.
#include "BuildInfo.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "app/Translation.h"
#include "browser/MainWindow.h"
#include "ink/Log.h"
#include "replay/ReplayEncoder.h"
#include "settings/ApplSettings.h"
#include "settings/DataFiles.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/app/draftbay_%1.png").arg(size), QSize(size, size));
    return icon;
}

// The translators live from settings loading until the event loop returns; then they are
// removed from the application before they die.
struct Translators
{
    std::unique_ptr<QTranslator> library;
    std::unique_ptr<QTranslator> application;

    ~Translators()
    {
        for (auto *translator : {&application, &library}) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
};

void installTranslators(QApplication &application, ApplSettings &settings, Translators &translators)
{
    const LanguageSetting language = readLanguageSetting(settings);
    translators.library = std::make_unique<QTranslator>(&application);
    translators.application.reset(setupTranslation(&application, language.name, language.status));
    // Qt's own texts (dialog buttons) follow only when the program itself is translated.
    if (!translators.application->isEmpty()) {
        installLibraryTranslation(
            *translators.library,
            libraryTranslationName(language.name, language.status, QLocale::system()),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

void showWindow(MainWindow &window, QSplashScreen &splash, const CommandLine &commandLine)
{
    if (!commandLine.hasArgument)
        splash.show();
    QCoreApplication::processEvents();
    if (startsHidden(commandLine, window.isReceiverVolumeMounted(),
                     QSystemTrayIcon::isSystemTrayAvailable())) {
        window.showMinimized();
        window.hide();
    } else {
        window.showMaximized();
    }
    if (!commandLine.hasArgument)
        splash.finish(&window);
}

// Everything after the decision that this copy runs; returns the exit code.
int run(QApplication &application, SingleInstance &instance, const CommandLine &commandLine)
{
    qDebug().noquote() << "main:: Im running ";
    application.setWindowIcon(applicationIcon());

    StartUp startUp(QCoreApplication::applicationDirPath(), StartUp::defaultDataFolder());
    application.setStyleSheet(readStyleSheet());
    ApplSettings &settings = ApplSettings::instance();
    if (!startUp.setUpSettings(settings))
        return -1;
    // The log of rejected pen files lives beside the settings, not in the start folder.
    Nivo::setLogFolder(
        QFile::encodeName(QFileInfo(startUp.userSettingsPath()).absolutePath()).toStdString());
    auto translators = std::make_unique<Translators>();
    installTranslators(application, settings, *translators);

    auto window = std::make_unique<MainWindow>();
    window->init(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                 startUp.userSettingsPath());
    QObject::connect(&instance, &SingleInstance::messageReceived, window.get(),
                     &MainWindow::handleSentMessageFromAnotherCopyOfApp);
    // Listening starts only now, so that no message arrives before the window can take it;
    // a second start keeps trying meanwhile.
    if (!instance.listen())
        qDebug().noquote() << "main:: later starts cannot reach this one";

    auto splash = std::make_unique<QSplashScreen>(
        QPixmap(QStringLiteral(":/misc/Resources/miscell/quillologo.png")));
    showWindow(*window, *splash, commandLine);
    if (commandLine.openAfterStart)
        window->openFile(commandLine.file);

    const int result = QApplication::exec();

    // A later start must not hand its file to a copy that no longer acts on it; it keeps
    // trying the lock instead, which is freed when this process ends.
    instance.stopListening();
    translators.reset();
    splash.reset();
    window.reset();
    return result;
}

// "--version" prints the version; "--check-install" lists the files the program looks up
// and fails when one is missing, so that an installation can be checked without a display.
int runInformationOption(int argc, char **argv, const char *option)
{
    if (std::strcmp(option, "--version") == 0) {
        std::printf("draftbay %s\n", BuildInfo::kVersion);
        return 0;
    }
    QCoreApplication application(argc, argv);
    int missing = 0;
    for (const char *name :
         {"support/draftbayfactory.xml", "support/brush_pressure.ai", "eula",
          "Important Product Information", "tutorial", "userguides/Quillo_Manual_EN.pdf",
          "draftbay_de.qm", "draftbay_fr.qm"}) {
        const QString path = findDataFile(QString::fromUtf8(name));
        const bool found = QFileInfo::exists(path);
        missing += found ? 0 : 1;
        std::printf("%s %s\n", found ? "found" : "missing", qPrintable(path));
    }
    if (const QString problem = mp4ModuleProblem(); problem.isEmpty()) {
        std::printf("found video module (%s)\n", qPrintable(mp4EncoderName()));
    } else {
        ++missing;
        std::printf("missing video module: %s\n", qPrintable(problem));
    }
    return missing == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "--check-install") == 0)
            return runInformationOption(argc, argv, argv[i]);
    }
    // The resources live in a static library; this keeps them in the program.
    Q_INIT_RESOURCE(draftbay);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillo"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillo Draftbay"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::kVersion));
    // Only takes effect before the application object exists.
    QGuiApplication::setDesktopSettingsAware(true);
    // The desktop entry's id, so that the window is matched with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillo.Draftbay"));

    SingleInstance instance;
    // Decided before anything else, as early as the lock can tell.
    instance.isAnotherInstanceRunning();
    auto application = std::make_unique<QApplication>(argc, argv);
    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    const HandOverResult handOver
        = handOverToRunningInstance(instance, commandLine.handOverMessage);
    if (handOver.shouldExit()) {
        qDebug().noquote() << "main::Another instance is running , shutting down args = "
                + commandLine.handOverMessage;
        if (!handOver.isDelivered)
            qDebug().noquote() << "main:: the running copy did not answer after"
                               << handOver.attempts << "attempts";
        application.reset();
        return 1;
    }
    const int result = run(*application, instance, commandLine);
    application.reset();
    return result;
}
