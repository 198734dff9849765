// Moving the receiver's sketches on a worker thread behind a window-modal progress dialog.
#include "browser/SketchMove.h"

#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>

namespace {

class SketchMoveDialog : public SketchMoveProgress
{
public:
    explicit SketchMoveDialog(QWidget *window)
        : m_dialog(new QProgressDialog(
            QCoreApplication::translate("SketchMove", "Moving the sketches to the computer..."),
            QCoreApplication::translate("SketchMove", "Cancel"), 0, 0, window))
    {
        m_dialog->setWindowTitle(applicationTitle());
        m_dialog->setAccessibleName(m_dialog->labelText());
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->hide();
    }
    ~SketchMoveDialog() override { delete m_dialog; }

    void begin(int fileCount) override
    {
        m_dialog->setRange(0, fileCount);
        m_dialog->setValue(0);
        m_dialog->show();
    }
    void advance(int handled) override { m_dialog->setValue(handled); }
    bool isCancelled() const override { return m_dialog && m_dialog->wasCanceled(); }
    void end() override { m_dialog->hide(); }

private:
    QPointer<QProgressDialog> m_dialog;
};

std::function<std::unique_ptr<SketchMoveProgress>(QWidget *)> &progressFactory()
{
    static std::function<std::unique_ptr<SketchMoveProgress>(QWidget *)> factory;
    return factory;
}

} // namespace

std::unique_ptr<SketchMoveProgress> createSketchMoveDialog(QWidget *window)
{
    return std::make_unique<SketchMoveDialog>(window);
}

std::unique_ptr<SketchMoveProgress> createSketchMoveProgress(QWidget *window)
{
    return progressFactory() ? progressFactory()(window) : createSketchMoveDialog(window);
}

void setSketchMoveProgressFactory(
    std::function<std::unique_ptr<SketchMoveProgress>(QWidget *window)> factory)
{
    progressFactory() = std::move(factory);
}

SketchBackupResult moveSketchesInBackground(const QString &source, const QString &backupFolder,
                                            const QStringList &patterns,
                                            SketchMoveProgress &progress)
{
    QObject here; // the progress is told on this thread
    bool begun = false;
    // Blocking: a cancel pressed while a file moves is seen before the next one starts.
    const SketchMoveCheck tell = [&](int handled, int total) {
        bool carryOn = false;
        QMetaObject::invokeMethod(
            &here,
            [&] {
                if (!begun) {
                    begun = true;
                    progress.begin(total);
                } else {
                    progress.advance(handled);
                }
                carryOn = !progress.isCancelled();
            },
            Qt::BlockingQueuedConnection);
        return carryOn;
    };
    SketchBackupResult result;
    const std::unique_ptr<QThread> worker(QThread::create(
        [&] { result = moveSketchesToBackup(source, backupFolder, patterns, tell); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    progress.end();
    return result;
}
