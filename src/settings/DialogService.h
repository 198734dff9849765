// The one seam through which the program asks the user anything: message boxes and the
// standard dialogs. Tests answer it, the command-line tool prints it.
#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

class DialogService
{
public:
    enum class Icon { Information, Warning, Critical, Question };

    virtual ~DialogService() = default;

    /// A modal message box; returns the button chosen (the escape button when closed).
    /// May be called from any thread: from a worker thread the box is shown later on the
    /// user-interface thread and the default button is returned at once.
    virtual QMessageBox::StandardButton
    message(QWidget *parent, Icon icon, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
        = 0;
    /// A line of text; nothing when cancelled.
    virtual std::optional<QString> text(QWidget *parent, const QString &title, const QString &label,
                                        const QString &initial)
        = 0;
    /// A folder to use; empty when cancelled.
    virtual QString existingDirectory(QWidget *parent, const QString &caption,
                                      const QString &directory)
        = 0;
    /// A file to write; empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter)
        = 0;
    /// A file to write, offering several filters separated by ";;". selectedFilter, when
    /// given, presets the filter shown and returns the one the user chose. Empty when
    /// cancelled. Services without filters of their own ask saveFileName and leave the
    /// selected filter as it was.
    virtual QString saveFileNameWithFilter(QWidget *parent, const QString &caption,
                                           const QString &directory, const QString &filters,
                                           QString *selectedFilter);
    /// A file to read; empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter)
        = 0;

    /// A colour, starting at initial; an invalid colour when cancelled.
    virtual QColor color(QWidget *parent, const QString &title, const QColor &initial) = 0;

    // Shorthands for the common boxes, all titled by the caller.
    void critical(QWidget *parent, const QString &title, const QString &text);
    void warning(QWidget *parent, const QString &title, const QString &text);
    void information(QWidget *parent, const QString &title, const QString &text);
    QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton);
};

/// The service in use; by default the real dialogs.
DialogService &dialogs();
/// Replaces the service (tests, command-line tool); null restores the real dialogs.
void setDialogService(std::unique_ptr<DialogService> service);
/// The product name that titles every message box.
QString applicationTitle();
