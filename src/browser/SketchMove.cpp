// Moving the receiver's sketches on a worker thread behind a window-modal progress dialog.
#include "browser/SketchMove.h"

#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

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

namespace {

/// The worker's questions to the progress shown on the window's thread. Each waits for its
/// answer on a standard mutex and condition, which the thread sanitizer sees, and reaches
/// the window's thread as a queued call by name, which carries no data of ours: the
/// question itself lies under the mutex.
class ProgressQuestions : public QObject
{
    Q_OBJECT

public:
    explicit ProgressQuestions(SketchMoveProgress &progress)
        : m_progress(progress)
    { }

    /// On the worker: tells the progress about the files handled so far, and whether to go on.
    bool ask(int handled, int total)
    {
        std::unique_lock locked(m_lock);
        m_handled = handled;
        m_total = total;
        m_carryOn.reset();
        locked.unlock();
        QMetaObject::invokeMethod(this, "answer", Qt::QueuedConnection);
        locked.lock();
        m_answered.wait(locked, [this] { return m_carryOn.has_value(); });
        return *m_carryOn;
    }

    Q_INVOKABLE void answer()
    {
        std::unique_lock locked(m_lock);
        const int handled = m_handled;
        const int total = m_total;
        locked.unlock();
        if (!m_begun) {
            m_begun = true;
            m_progress.begin(total);
        } else {
            m_progress.advance(handled);
        }
        const bool carryOn = !m_progress.isCancelled();
        locked.lock();
        m_carryOn = carryOn;
        m_answered.notify_one();
    }

private:
    SketchMoveProgress &m_progress;
    bool m_begun = false;
    std::mutex m_lock;
    std::condition_variable m_answered;
    int m_handled = 0;
    int m_total = 0;
    std::optional<bool> m_carryOn;
};

} // namespace

SketchBackupResult moveSketchesInBackground(const QString &source, const QString &backupFolder,
                                            const QStringList &patterns,
                                            SketchMoveProgress &progress)
{
    // Blocking: a cancel pressed while a file moves is seen before the next one starts.
    ProgressQuestions questions(progress);
    const SketchMoveCheck tell
        = [&questions](int handled, int total) { return questions.ask(handled, total); };
    SketchBackupResult result;
    QEventLoop loop;
    std::thread worker([&] {
        result = moveSketchesToBackup(source, backupFolder, patterns, tell);
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    progress.end();
    return result;
}

#include "SketchMove.moc"
