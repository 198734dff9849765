// Scripted answers for the dialog seam.
#include "RecordingDialogService.h"

namespace TestSupport {

QMessageBox::StandardButton
RecordingDialogService::message(QWidget *, Icon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons,
                                QMessageBox::StandardButton defaultButton)
{
    messages.append({icon, title, text});
    if (whileMessageShown)
        whileMessageShown();
    if (buttonAnswers.empty())
        return defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : defaultButton;
    const QMessageBox::StandardButton answer = buttonAnswers.front();
    buttonAnswers.pop_front();
    return answer;
}

std::optional<QString> RecordingDialogService::text(QWidget *, const QString &title,
                                                    const QString &, const QString &)
{
    askedTitles.append(title);
    if (textAnswers.empty())
        return std::nullopt;
    const bool accepted = textAnswers.front().has_value();
    const QString answer = accepted ? *textAnswers.front() : QString();
    textAnswers.pop_front();
    if (!accepted)
        return std::nullopt;
    return answer;
}

namespace {

QString nextPath(std::deque<QString> &answers)
{
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

QString RecordingDialogService::existingDirectory(QWidget *, const QString &caption,
                                                  const QString &)
{
    askedTitles.append(caption);
    return nextPath(pathAnswers);
}

QString RecordingDialogService::saveFileName(QWidget *, const QString &caption,
                                             const QString &directory, const QString &filter)
{
    askedTitles.append(caption);
    fileQuestions.append({caption, directory, filter, QString()});
    return nextPath(pathAnswers);
}

QString RecordingDialogService::saveFileNameWithFilter(QWidget *, const QString &caption,
                                                       const QString &directory,
                                                       const QString &filters,
                                                       QString *selectedFilter)
{
    askedTitles.append(caption);
    fileQuestions.append(
        {caption, directory, filters, selectedFilter ? *selectedFilter : QString()});
    if (!filterAnswers.empty()) {
        if (selectedFilter)
            *selectedFilter = filterAnswers.front();
        filterAnswers.pop_front();
    }
    return nextPath(pathAnswers);
}

QString RecordingDialogService::openFileName(QWidget *, const QString &caption, const QString &,
                                             const QString &)
{
    askedTitles.append(caption);
    return nextPath(pathAnswers);
}

QColor RecordingDialogService::color(QWidget *, const QString &title, const QColor &initial)
{
    askedTitles.append(title);
    colorStarts.append(initial);
    if (colorAnswers.empty())
        return {};
    const QColor answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

ScopedDialogs::ScopedDialogs()
{
    auto service = std::make_unique<RecordingDialogService>();
    m_service = service.get();
    setDialogService(std::move(service));
}

ScopedDialogs::~ScopedDialogs()
{
    setDialogService(nullptr);
}

} // namespace TestSupport
