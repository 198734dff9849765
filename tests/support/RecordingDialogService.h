// A dialog seam for tests: records every question and answers from a script.
#pragma once

#include "settings/DialogService.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace TestSupport {

class RecordingDialogService : public DialogService
{
public:
    struct Message
    {
        Icon icon;
        QString title;
        QString text;
    };

    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> text(QWidget *parent, const QString &title, const QString &label,
                                const QString &initial) override;
    QString existingDirectory(QWidget *parent, const QString &caption,
                              const QString &directory) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override;
    QString saveFileNameWithFilter(QWidget *parent, const QString &caption,
                                   const QString &directory, const QString &filters,
                                   QString *selectedFilter) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override;
    QColor color(QWidget *parent, const QString &title, const QColor &initial) override;

    /// Answers of the next message boxes, in order; without one the default button.
    std::deque<QMessageBox::StandardButton> buttonAnswers;
    /// Answers of the next text, folder and file questions, in order; without one the
    /// question counts as cancelled.
    std::deque<std::optional<QString>> textAnswers;
    std::deque<QString> pathAnswers;
    /// Answers of the next colour questions, in order; an invalid colour, or none left,
    /// cancels. colorStarts records the colour each question started at.
    std::deque<QColor> colorAnswers;
    QList<QColor> colorStarts;

    /// Filters picked in the next filtered file questions, in order; without one the preset
    /// filter stays.
    std::deque<QString> filterAnswers;

    /// What a save question offered: where it started, its filters and the filter
    /// preset when it opened.
    struct FileQuestion
    {
        QString caption;
        QString directory;
        QString filters;
        QString presetFilter;
    };
    QList<FileQuestion> fileQuestions;
    QList<Message> messages;
    QStringList askedTitles;
    /// Runs while a message box is up, as the user's time would (events included).
    std::function<void()> whileMessageShown;
};

/// Installs a recording service for the scope of a test and restores the real one after.
class ScopedDialogs
{
public:
    ScopedDialogs();
    ~ScopedDialogs();
    RecordingDialogService &operator*() const { return *m_service; }
    RecordingDialogService *operator->() const { return m_service; }

private:
    RecordingDialogService *m_service;
};

} // namespace TestSupport
