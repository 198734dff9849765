// The file question with the chosen filter's suffix for a bare name.
#include "export/FileNameQuestion.h"

#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FileNameQuestion)
};

// The suffix of a filter such as "SVG file (*.svg )"; empty when it names none.
QString suffixOfFilter(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The dialog confirms replacing only the name as typed, so a name that got its suffix here
// is confirmed here.
bool mayWrite(QWidget *parent, const QString &fileName)
{
    if (!QFileInfo::exists(fileName))
        return true;
    const QString text = Texts::tr("%1 already exists.\nDo you want to replace it?").arg(fileName);
    return dialogs().question(parent, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace

QString proposedFileName(const QString &documentPath)
{
    const QFileInfo file(documentPath);
    return QDir::toNativeSeparators(file.absolutePath() + QLatin1Char('/')
                                    + file.completeBaseName());
}

QString askFileNameToWrite(QWidget *parent, const QString &caption, const QString &proposed,
                           const QString &filters)
{
    const QString firstFilter = filters.section(QLatin1String(";;"), 0, 0);
    QString selectedFilter = firstFilter;
    const QString answer
        = dialogs().saveFileNameWithFilter(parent, caption, proposed, filters, &selectedFilter);
    if (answer.isEmpty())
        return {};
    QString fileName = QDir::toNativeSeparators(answer);
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    while (fileName.endsWith(QLatin1Char('.')))
        fileName.chop(1);
    // The first filter's when the dialog named none.
    QString suffix = suffixOfFilter(selectedFilter);
    if (suffix.isEmpty())
        suffix = suffixOfFilter(firstFilter);
    fileName += QLatin1Char('.') + suffix;
    return mayWrite(parent, fileName) ? fileName : QString();
}
