// Questions, file-system calls and failure reports of the thumbnail list's commands.
#include "browser/SketchFileOperations.h"

#include "settings/AtomicSaveFile.h"
#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SketchFileOperations {

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PreviewThumbnailList)
};

// Questions before something is destroyed default to the answer that destroys nothing.
bool confirm(QWidget *parent, const QString &text)
{
    return dialogs().question(parent, applicationTitle(), text,
                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

} // namespace

QString nameProblem(const QString &baseName, const QString &suffix)
{
    if (baseName.trimmed().isEmpty())
        return Texts::tr("The new name is empty.");
    if (baseName == QLatin1String(".") || baseName == QLatin1String(".."))
        return Texts::tr("\"%1\" is not a file name.").arg(baseName);
    // A separator would move the sketch out of its folder; "\\" is one on the receiver's disc.
    if (baseName.contains(QLatin1Char('/')) || baseName.contains(QLatin1Char('\\'))
        || baseName.contains(QChar(0)))
        return Texts::tr("A name cannot contain \"/\" or \"\\\".");
    // File systems take at most 255 bytes in one name.
    if ((baseName + QLatin1Char('.') + suffix).toUtf8().size() > 255)
        return Texts::tr("The new name is too long.");
    return QString();
}

bool deleteFile(QWidget *parent, const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (!confirm(
            parent,
            QStringLiteral("%1  %2?").arg(Texts::tr("Do you want to delete this file?"), native)))
        return false;
    if (!QFile::remove(path)) {
        dialogs().warning(parent, applicationTitle(),
                          Texts::tr("Failed to delete file") + QLatin1Char(' ') + native);
        return false;
    }
    return true;
}

QStringList copyFiles(QWidget *parent, const QStringList &paths, const QString &folder)
{
    QStringList written;
    QStringList failed;
    for (const QString &source : paths) {
        const QString target
            = QDir::toNativeSeparators(folder + QLatin1Char('/') + QFileInfo(source).fileName());
        if (QString::compare(QFileInfo(target).absoluteFilePath(),
                             QFileInfo(source).absoluteFilePath(), Qt::CaseInsensitive)
            == 0)
            continue;
        if (QFile::exists(target)) {
            if (!confirm(parent,
                         QStringLiteral("%1  %2?").arg(
                             Texts::tr("Are you sure you want to overwrite file"), target)))
                continue;
        }
        // The old file is replaced only by a complete copy, and stays on any failure.
        QString reason;
        if (!copyFileAtomically(source, target, &reason)) {
            failed << QDir::toNativeSeparators(source) + QStringLiteral(" -> ") + target
                    + QStringLiteral(": ") + reason;
            continue;
        }
        written << target;
    }
    if (!failed.isEmpty())
        dialogs().warning(parent, applicationTitle(),
                          Texts::tr("Failed to copy") + QLatin1Char('\n') + failed.join('\n'));
    return written;
}

QString renameFile(QWidget *parent, const QString &path, const QString &newBaseName)
{
    if (newBaseName.isEmpty())
        return QString();
    const QFileInfo old(path);
    if (const QString problem = nameProblem(newBaseName, old.completeSuffix());
        !problem.isEmpty()) {
        dialogs().warning(parent, applicationTitle(),
                          Texts::tr("Failed to rename file") + QLatin1Char('\n')
                              + QDir::toNativeSeparators(path) + QLatin1Char('\n') + problem);
        return QString();
    }
    const QString renamed
        = QDir::toNativeSeparators(old.absolutePath() + QLatin1Char('/') + newBaseName
                                   + QLatin1Char('.') + old.completeSuffix());
    if (QFileInfo(renamed).absoluteFilePath() == old.absoluteFilePath())
        return QString();
    if (QFileInfo::exists(renamed)) {
        dialogs().warning(parent, applicationTitle(),
                          Texts::tr("Failed to rename file") + QLatin1Char('\n')
                              + QDir::toNativeSeparators(path) + QStringLiteral(" -> ") + renamed
                              + QLatin1Char('\n')
                              + Texts::tr("A file of that name exists already."));
        return QString();
    }
    if (!QFile::rename(path, renamed)) {
        dialogs().warning(parent, applicationTitle(),
                          Texts::tr("Failed to rename file") + QLatin1Char('\n')
                              + QDir::toNativeSeparators(path) + QStringLiteral(" -> ") + renamed);
        return QString();
    }
    return renamed;
}

QString mergedPath(const QString &dragged, const QString &target)
{
    const QFileInfo first(dragged);
    return QDir::toNativeSeparators(first.absolutePath() + QLatin1Char('/') + first.baseName()
                                    + QLatin1Char('_') + QFileInfo(target).baseName()
                                    + QStringLiteral(".vmr"));
}

MetadataPtr mergeFiles(QWidget *parent, const QString &dragged, const QString &target,
                       const std::function<MetadataPtr()> &draggedSketch,
                       const MetadataPtr &targetSketch)
{
    const QString question = QStringLiteral("%1 \n%2 %3 \n%4 %5?")
                                 .arg(Texts::tr("Are you sure you want to merge"),
                                      QFileInfo(dragged).absoluteFilePath(), Texts::tr(" and"),
                                      QFileInfo(target).absoluteFilePath(), Texts::tr(" files"));
    if (dialogs().question(parent, applicationTitle(), question,
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        != QMessageBox::Ok)
        return {};
    const QString merged = mergedPath(dragged, target);
    // Never replace an existing file without asking.
    if (QFileInfo::exists(merged)
        && !confirm(parent,
                    QStringLiteral("%1  %2?").arg(
                        Texts::tr("Are you sure you want to overwrite file"), merged)))
        return {};
    const MetadataPtr first = draggedSketch();
    MetadataPtr result = first && targetSketch ? first->merge(*targetSketch) : MetadataPtr();
    if (!result) {
        dialogs().warning(parent, applicationTitle(),
                          Texts::tr("Unable to merge") + QLatin1Char('\n')
                              + QDir::toNativeSeparators(dragged) + QLatin1Char('\n')
                              + QDir::toNativeSeparators(target));
        return {};
    }
    result->setPath(merged);
    return result;
}

} // namespace SketchFileOperations
