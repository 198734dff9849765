// Reading desktop entries: precedence of ids, Exec's quoting and field codes.
#include "settings/DesktopApps.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <array>
#include <optional>

namespace {

constexpr qint64 kMaxEntryBytes = 1024 * 1024;
const QString kEntrySuffix = QStringLiteral(".desktop");

struct DrawingApp
{
    QString name;
    QStringList names; ///< lower case, as an entry's Name or id may give them
    HandOff handOff;
};

const std::array<DrawingApp, 4> &drawingApps()
{
    static const std::array<DrawingApp, 4> apps {{
        {QStringLiteral("GIMP"),
         {QStringLiteral("gimp"), QStringLiteral("gnu image manipulation program")},
         HandOff::OpenRaster},
        {QStringLiteral("Krita"), {QStringLiteral("krita")}, HandOff::OpenRaster},
        {QStringLiteral("MyPaint"), {QStringLiteral("mypaint")}, HandOff::OpenRaster},
        {QStringLiteral("Inkscape"), {QStringLiteral("inkscape")}, HandOff::LayeredSvg},
    }};
    return apps;
}

using EntryKeys = QHash<QString, QString>;

// The letters of the escapes of string values and the characters they stand for.
constexpr char16_t kEscapeLetters[] = u"sntr\\";
constexpr char16_t kEscapedCharacters[] = u" \n\t\r\\";

// The keys of the entry's "Desktop Entry" group, values as written; nothing when the file
// cannot be read or has no such group.
std::optional<EntryKeys> readEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxEntryBytes)
        return std::nullopt;
    EntryKeys keys;
    bool inEntryGroup = false;
    bool hasEntryGroup = false;
    for (const QString &rawLine : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (hasEntryGroup)
                break;
            inEntryGroup = hasEntryGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inEntryGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!keys.contains(key))
            keys.insert(key, line.mid(equals + 1).trimmed());
    }
    return hasEntryGroup ? std::optional(keys) : std::nullopt;
}

// A string value with its escapes \s, \n, \t, \r and \\ resolved; other backslashes stay
// for the quoting of Exec.
QString unescapeValue(const QString &value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        const qsizetype named = QStringView(kEscapeLetters).indexOf(next);
        text += named >= 0 ? QString(QChar(kEscapedCharacters[named]))
                           : QLatin1Char('\\') + QString(next);
    }
    return text;
}

QString keyText(const EntryKeys &keys, const char *key)
{
    return unescapeValue(keys.value(QLatin1String(key)));
}

// One argument of Exec as written: percent signs inside quotes already doubled, so that
// only unquoted ones start field codes.
struct ExecToken
{
    QString text;
    bool quoted = false;
};

QString literalCharacter(QChar c)
{
    return c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
}

// The arguments of Exec: separated by blanks; inside double quotes a backslash escapes a
// double quote, backquote, dollar sign or backslash; single quotes and backslashes outside
// quotes as a shell reads them.
// Nothing when a quote is left open.
std::optional<QList<ExecToken>> splitExec(const QString &exec)
{
    QList<ExecToken> tokens;
    ExecToken current;
    bool inToken = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            inToken = current.quoted = true;
            for (++i; i < exec.size() && exec[i] != c; ++i) {
                if (c == QLatin1Char('"') && exec[i] == QLatin1Char('\\') && i + 1 < exec.size()
                    && QStringLiteral("\"`$\\").contains(exec[i + 1]))
                    ++i;
                current.text += literalCharacter(exec[i]);
            }
            if (i == exec.size())
                return std::nullopt;
        } else if (c.isSpace()) {
            if (inToken)
                tokens.append(current);
            current = {};
            inToken = false;
        } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
            current.text += literalCharacter(exec[++i]);
            inToken = true;
        } else {
            current.text += c;
            inToken = true;
        }
    }
    if (inToken)
        tokens.append(current);
    return tokens;
}

struct EntryContext
{
    QString name;
    QString icon;
    QString path;
};

// Appends what token stands for to arguments: the first file code becomes "%f", later
// ones and the deprecated or unknown codes vanish.
void expandToken(const ExecToken &token, const EntryContext &entry, bool &filePlaced,
                 QStringList &arguments)
{
    if (!token.quoted && token.text == QLatin1String("%i")) {
        if (!entry.icon.isEmpty())
            arguments << QStringLiteral("--icon") << literalArgument(entry.icon);
        return;
    }
    QString expanded;
    for (qsizetype i = 0; i < token.text.size(); ++i) {
        if (token.text[i] != QLatin1Char('%')) {
            expanded += token.text[i];
            continue;
        }
        if (++i == token.text.size())
            break;
        const char16_t code = token.text[i].unicode();
        if (code == '%') {
            expanded += QStringLiteral("%%");
        } else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') {
            if (!filePlaced)
                expanded += QStringLiteral("%f");
            filePlaced = true;
        } else if (code == 'c') {
            expanded += literalArgument(entry.name);
        } else if (code == 'k') {
            expanded += literalArgument(entry.path);
        }
    }
    if (!expanded.isEmpty() || token.quoted)
        arguments.append(expanded);
}

// An executable file: an absolute path as it stands, a bare name through searchPath.
QString findProgram(const QString &program, const QStringList &searchPath)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo file(program);
        return file.isAbsolute() && file.isFile() && file.isExecutable() ? program : QString();
    }
    if (program.isEmpty() || searchPath.isEmpty())
        return {};
    return QStandardPaths::findExecutable(program, searchPath);
}

const QRegularExpression &trailingVersion()
{
    static const QRegularExpression pattern(QStringLiteral("^(.*\\S)\\s+v?(\\d+(?:\\.\\d+)*)$"));
    return pattern;
}

QString versionOf(const EntryKeys &keys, const QString &name)
{
    QStringList versionKeys;
    for (auto key = keys.keyBegin(); key != keys.keyEnd(); ++key) {
        if (key->startsWith(QLatin1String("X-")) && key->endsWith(QLatin1String("-Version"))
            && !keys.value(*key).isEmpty() && keys.value(*key)[0].isDigit())
            versionKeys.append(*key);
    }
    if (!versionKeys.isEmpty()) {
        versionKeys.sort();
        return unescapeValue(keys.value(versionKeys.first()));
    }
    return trailingVersion().match(name).captured(2);
}

// Which drawing application an entry is, by its id or its Name; -1 for none.
int drawingAppOf(const QString &id, const QString &name)
{
    const QString base = id.chopped(kEntrySuffix.size()).toLower();
    const QRegularExpressionMatch versioned = trailingVersion().match(name);
    const QString plainName = (versioned.hasMatch() ? versioned.captured(1) : name).toLower();
    for (std::size_t index = 0; index < drawingApps().size(); ++index) {
        const QStringList &names = drawingApps()[index].names;
        if (names.contains(plainName) || base == names.first()
            || base.endsWith(QLatin1Char('.') + names.first()))
            return int(index);
    }
    return -1;
}

std::optional<InstalledApp> offeredApp(const EntryKeys &keys, const QString &path,
                                       const DrawingApp &drawingApp, const QStringList &searchPath)
{
    if (keys.value(QStringLiteral("Type")) != QLatin1String("Application")
        || keys.value(QStringLiteral("Hidden")) == QLatin1String("true")
        || keys.value(QStringLiteral("NoDisplay")) == QLatin1String("true"))
        return std::nullopt;
    const QString tryExec = keyText(keys, "TryExec");
    if (!tryExec.isEmpty() && findProgram(tryExec, searchPath).isEmpty())
        return std::nullopt;
    const std::optional<QList<ExecToken>> tokens = splitExec(keyText(keys, "Exec"));
    if (!tokens || tokens->isEmpty())
        return std::nullopt;
    const EntryContext entry {keyText(keys, "Name"), keyText(keys, "Icon"), path};
    QStringList arguments;
    bool filePlaced = false;
    for (const ExecToken &token : *tokens)
        expandToken(token, entry, filePlaced, arguments);
    if (arguments.isEmpty() || arguments.first().contains(QLatin1String("%f")))
        return std::nullopt;
    const QString program = findProgram(
        arguments.takeFirst().replace(QLatin1String("%%"), QLatin1String("%")), searchPath);
    if (program.isEmpty())
        return std::nullopt;
    InstalledApp application;
    application.name = drawingApp.name;
    application.version = versionOf(keys, entry.name);
    application.executable = application.program = program;
    application.arguments = arguments;
    application.handOff = drawingApp.handOff;
    application.iconName = entry.icon;
    application.mimeTypes = keyText(keys, "MimeType").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // An entry that says what it opens gets a layered file it reads: some builds open
    // Photoshop files but not OpenRaster ones (GIMP without its Python plug-ins).
    const QStringList &opens = application.mimeTypes;
    if (application.handOff == HandOff::OpenRaster && !opens.isEmpty()
        && !opens.contains(QLatin1String("image/openraster"))
        && (opens.contains(QLatin1String("image/x-psd"))
            || opens.contains(QLatin1String("image/vnd.adobe.photoshop"))))
        application.handOff = HandOff::LayeredPsd;
    return application;
}

// The entries below folder, by desktop file id (the relative path with "-" for "/"),
// in the order of their ids.
QList<std::pair<QString, QString>> entriesOf(const QString &folder)
{
    QList<std::pair<QString, QString>> entries;
    const QDir root(folder);
    QDirIterator files(folder, {QLatin1Char('*') + kEntrySuffix}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        entries.append(
            {root.relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('-')), path});
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace

QList<InstalledApp> findDesktopApps(const QStringList &applicationFolders,
                                    const QStringList &searchPath)
{
    QSet<QString> decidedIds;
    std::array<std::optional<InstalledApp>, 4> found;
    for (const QString &folder : applicationFolders) {
        for (const auto &[id, path] : entriesOf(folder)) {
            if (decidedIds.contains(id))
                continue;
            decidedIds.insert(id);
            const std::optional<EntryKeys> keys = readEntry(path);
            const int index = keys ? drawingAppOf(id, keyText(*keys, "Name")) : -1;
            if (index >= 0 && !found[index])
                found[index] = offeredApp(*keys, path, drawingApps()[index], searchPath);
        }
    }
    QList<InstalledApp> applications;
    for (const std::optional<InstalledApp> &application : found) {
        if (application)
            applications.append(*application);
    }
    return applications;
}

QStringList xdgApplicationFolders(const QString &dataHome, const QString &dataDirs,
                                  const QString &home)
{
    QStringList folders {QDir::isAbsolutePath(dataHome) ? dataHome
                                                        : home + QStringLiteral("/.local/share")};
    const QStringList dirs = dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders += dirs.isEmpty()
        ? QStringList {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}
        : dirs;
    QStringList applications;
    for (const QString &folder : folders) {
        if (QDir::isAbsolutePath(folder))
            applications.append(QDir::cleanPath(folder) + QStringLiteral("/applications"));
    }
    return applications;
}
