// The real dialogs, and the switch that lets tests and tools replace them.
#include "settings/DialogService.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QThread>

namespace {

// Shows the real dialogs; message boxes asked for from another thread are shown on the
// user-interface thread and waited for.
class WidgetDialogService : public DialogService
{
public:
    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        QCoreApplication *application = QCoreApplication::instance();
        if (!application || !qobject_cast<QApplication *>(application))
            return defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
        if (QThread::currentThread() != application->thread()) {
            // Never wait for the user-interface thread from a worker: it may be waiting
            // for that worker. The box is shown later and the default answer given now.
            QMetaObject::invokeMethod(
                application, [=] { show(nullptr, icon, title, text, buttons, defaultButton); },
                Qt::QueuedConnection);
            return defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
        }
        return show(parent, icon, title, text, buttons, defaultButton);
    }
    std::optional<QString> text(QWidget *parent, const QString &title, const QString &label,
                                const QString &initial) override
    {
        bool ok = false;
        const QString answer
            = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
        if (!ok)
            return std::nullopt;
        return answer;
    }
    QString existingDirectory(QWidget *parent, const QString &caption,
                              const QString &directory) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, directory,
                                                 QFileDialog::ShowDirsOnly);
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, directory, filter);
    }
    QString saveFileNameWithFilter(QWidget *parent, const QString &caption,
                                   const QString &directory, const QString &filters,
                                   QString *selectedFilter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, directory, filters, selectedFilter);
    }
    QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, directory, filter);
    }

    QColor color(QWidget *parent, const QString &title, const QColor &initial) override
    {
        return QColorDialog::getColor(initial, parent, title, QColorDialog::ShowAlphaChannel);
    }

private:
    static QMessageBox::StandardButton show(QWidget *parent, Icon icon, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
    {
        static const QMessageBox::Icon kIcons[] = {QMessageBox::Information, QMessageBox::Warning,
                                                   QMessageBox::Critical, QMessageBox::Question};
        QMessageBox box(kIcons[static_cast<int>(icon)], title, text, buttons, parent);
        box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

std::unique_ptr<DialogService> &currentService()
{
    static std::unique_ptr<DialogService> service = std::make_unique<WidgetDialogService>();
    return service;
}

} // namespace

QString DialogService::saveFileNameWithFilter(QWidget *parent, const QString &caption,
                                              const QString &directory, const QString &filters,
                                              QString *)
{
    return saveFileName(parent, caption, directory, filters);
}

void DialogService::critical(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, Icon::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void DialogService::warning(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, Icon::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void DialogService::information(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, Icon::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton DialogService::question(QWidget *parent, const QString &title,
                                                    const QString &text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    return message(parent, Icon::Question, title, text, buttons, defaultButton);
}

DialogService &dialogs()
{
    return *currentService();
}

void setDialogService(std::unique_ptr<DialogService> service)
{
    currentService() = service ? std::move(service) : std::make_unique<WidgetDialogService>();
}

QString applicationTitle()
{
    return QStringLiteral("Quillo Draftbay");
}
