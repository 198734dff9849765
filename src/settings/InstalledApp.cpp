// Starting an installed application with a file, and the paths of Wine drives.
#include "settings/InstalledApp.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// argument with "%f" replaced by file and "%%" by "%"; placed tells whether the file went in.
QString expandArgument(const QString &argument, const QString &file, bool &placed)
{
    QString expanded;
    qsizetype from = 0;
    for (qsizetype percent = argument.indexOf(QLatin1Char('%'));
         percent >= 0 && percent + 1 < argument.size();
         percent = argument.indexOf(QLatin1Char('%'), from)) {
        expanded += QStringView(argument).mid(from, percent - from);
        const QChar code = argument[percent + 1];
        if (code == QLatin1Char('f')) {
            expanded += file;
            placed = true;
        } else if (code == QLatin1Char('%')) {
            expanded += code;
        }
        from = percent + 2;
    }
    return expanded.append(QStringView(argument).mid(from));
}

// The entry of folder named name, else the first one named so in another case, else name.
QString entryInAnyCase(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString &entry) {
        return entry.compare(name, Qt::CaseInsensitive) == 0;
    });
    return match == entries.end() ? name : *match;
}

bool holds(const QString &folder, const QString &path)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(folder);
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

QString menuLabel(const InstalledApp &application)
{
    QString label = QStringLiteral("&") + application.name;
    if (!application.version.isEmpty())
        label += QLatin1Char(' ') + application.version;
    return label;
}

LaunchCommand launchCommand(const InstalledApp &application, const QString &file)
{
    const QString named
        = application.wineDrives.isEmpty() ? file : windowsPathOf(application.wineDrives, file);
    LaunchCommand command {application.program, {}};
    bool placed = false;
    for (const QString &argument : application.arguments)
        command.arguments.append(expandArgument(argument, named, placed));
    if (!placed)
        command.arguments.append(named);
    return command;
}

QString literalArgument(QString text)
{
    return text.replace(QLatin1Char('%'), QLatin1String("%%"));
}

QString hostPathOf(const QList<WineDrive> &drives, const QString &windowsPath)
{
    const QString path = QString(windowsPath).replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.size() < 2 || path[1] != QLatin1Char(':'))
        return {};
    const QChar letter = path[0].toUpper();
    const auto drive = std::find_if(drives.begin(), drives.end(),
                                    [&](const WineDrive &each) { return each.letter == letter; });
    if (drive == drives.end())
        return {};
    QString host = drive->hostFolder;
    const QStringList parts = path.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (!host.endsWith(QLatin1Char('/')))
            host += QLatin1Char('/');
        host += entryInAnyCase(host, part);
    }
    return QDir::cleanPath(host);
}

QString windowsPathOf(const QList<WineDrive> &drives, const QString &hostPath)
{
    const QString path = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    const WineDrive *best = nullptr;
    for (const WineDrive &drive : drives) {
        if (holds(drive.hostFolder, path)
            && (!best || drive.hostFolder.size() > best->hostFolder.size()))
            best = &drive;
    }
    if (!best)
        return hostPath;
    QString rest = path.mid(best->hostFolder.size());
    if (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    return QString(best->letter) + QLatin1String(":\\")
        + rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
}
