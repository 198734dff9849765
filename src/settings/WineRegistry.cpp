// Reading the text registry files of a Wine prefix and the links of its drives.
#include "settings/WineRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

constexpr qint64 kMaxRegistryBytes = 256 * 1024 * 1024;

enum class Architecture { Unknown, Win32, Win64 };

// The letters of the one-letter escapes and the characters they stand for.
constexpr char16_t kEscapeLetters[] = u"abefnrtv";
constexpr char16_t kEscapedCharacters[] = u"\a\b\x1b\f\n\r\t\v";

int hexValue(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

bool isOctal(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

// The character a backslash escape stands for; position is past the escape letter and is
// moved past the digits of a numeric escape.
QChar escapedCharacter(QChar letter, const QString &line, qsizetype &position)
{
    const qsizetype named = QStringView(kEscapeLetters).indexOf(letter);
    if (named >= 0)
        return QChar(kEscapedCharacters[named]);
    if (letter == QLatin1Char('x')) {
        char16_t code = 0;
        int digits = 0;
        for (; digits < 4 && position < line.size() && hexValue(line[position]) >= 0; ++digits)
            code = char16_t(code * 16 + hexValue(line[position++]));
        return digits ? QChar(code) : letter;
    }
    if (!isOctal(letter))
        return letter;
    char16_t code = char16_t(letter.unicode() - '0');
    for (int digits = 1; digits < 3 && position < line.size() && isOctal(line[position]); ++digits)
        code = char16_t(code * 8 + (line[position++].unicode() - '0'));
    return QChar(code);
}

// The escaped text from position up to the first unescaped end; position is left on the
// end. Nothing when the end never comes.
std::optional<QString> unescapeUntil(const QString &line, qsizetype &position, QChar end)
{
    QString text;
    while (position < line.size()) {
        const QChar c = line[position++];
        if (c == end) {
            --position;
            return text;
        }
        if (c == QLatin1Char('\\') && position < line.size()) {
            const QChar letter = line[position++];
            text += escapedCharacter(letter, line, position);
        } else {
            text += c;
        }
    }
    return std::nullopt;
}

// A quoted text at the start of line, and where it ends.
std::optional<QString> quoted(const QString &line, qsizetype start)
{
    if (start >= line.size() || line[start] != QLatin1Char('"'))
        return std::nullopt;
    qsizetype position = start + 1;
    return unescapeUntil(line, position, QLatin1Char('"'));
}

// Bytes written as comma-separated hexadecimal pairs, read as UTF-16 text the way the
// registry hands such data to a program asking for text.
std::optional<QString> hexText(const QString &bytes)
{
    QByteArray data;
    for (const QString &pair : bytes.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint byte = pair.trimmed().toUInt(&ok, 16);
        if (!ok || byte > 0xff)
            return std::nullopt;
        data.append(char(byte));
    }
    QString text;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        text += QChar(char16_t(uchar(data[i]) | uchar(data[i + 1]) << 8));
    return text;
}

// The data of a value as text: strings, str:/str(N): strings, dword: numbers and
// hex:/hex(N): data; nothing for what cannot be read.
std::optional<QString> valueData(const QString &text)
{
    if (text.startsWith(QLatin1Char('"')))
        return quoted(text, 0);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const QString type = text.left(colon);
    const QString rest = text.mid(colon + 1);
    if (type == QLatin1String("str") || type.startsWith(QLatin1String("str("))) {
        std::optional<QString> string = quoted(rest, 0);
        while (string && string->endsWith(QChar(0)))
            string->chop(1);
        return string;
    }
    if (type == QLatin1String("dword")) {
        bool ok = false;
        const uint number = rest.trimmed().toUInt(&ok, 16);
        return ok ? std::optional(QString::number(qint32(number))) : std::nullopt;
    }
    if (type == QLatin1String("hex") || type.startsWith(QLatin1String("hex("))) {
        std::optional<QString> string = hexText(rest);
        while (string && string->endsWith(QChar(0)))
            string->chop(1);
        return string;
    }
    return std::nullopt;
}

// One line naming a value of key: "name"=data or @=data for the default value.
void readValueLine(MemoryRegistry &registry, RegistryRoot root, const QString &key,
                   const QString &line)
{
    QString name;
    qsizetype equals = 1;
    if (line.startsWith(QLatin1Char('"'))) {
        qsizetype position = 1;
        const std::optional<QString> quotedName = unescapeUntil(line, position, QLatin1Char('"'));
        if (!quotedName)
            return;
        name = *quotedName;
        equals = position + 1;
    }
    if (equals >= line.size() || line[equals] != QLatin1Char('='))
        return;
    if (const std::optional<QString> data = valueData(line.mid(equals + 1)))
        registry.setValue(root, key, name, *data);
}

// The lines of a registry file with the continuation lines of long data joined.
QStringList logicalLines(const QString &text)
{
    QStringList lines;
    QString pending;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        pending += pending.isEmpty() ? line : line.trimmed();
        if (pending.endsWith(QLatin1Char('\\'))) {
            pending.chop(1);
            continue;
        }
        lines.append(pending);
        pending.clear();
    }
    if (!pending.isEmpty())
        lines.append(pending);
    return lines;
}

// Adds the keys of one file under root; nothing when it is no Wine registry file.
std::optional<Architecture> readRegistryFile(MemoryRegistry &registry, const QString &path,
                                             RegistryRoot root)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxRegistryBytes)
        return std::nullopt;
    const QStringList lines = logicalLines(QString::fromUtf8(file.readAll()));
    if (lines.isEmpty() || !lines.first().startsWith(QLatin1String("WINE REGISTRY Version ")))
        return std::nullopt;
    Architecture architecture = Architecture::Unknown;
    std::optional<QString> key;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("#arch=")))
            architecture
                = line.endsWith(QLatin1String("win64")) ? Architecture::Win64 : Architecture::Win32;
        if (line.startsWith(QLatin1Char('['))) {
            qsizetype position = 1;
            key = unescapeUntil(line, position, QLatin1Char(']'));
            if (key)
                registry.addKey(root, *key);
        } else if (key
                   && (line.startsWith(QLatin1Char('"')) || line.startsWith(QLatin1Char('@')))) {
            readValueLine(registry, root, *key, line);
        }
    }
    return architecture;
}

// The prefix's drive letters and the host folders their links lead to.
QList<WineDrive> drivesOf(const QString &prefix)
{
    QList<WineDrive> drives;
    const QFileInfoList links
        = QDir(prefix + QStringLiteral("/dosdevices"))
              .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &link : links) {
        const QString name = link.fileName();
        const QString target = link.canonicalFilePath();
        if (name.size() == 2 && name[0].isLetter() && name[0].unicode() < 128
            && name[1] == QLatin1Char(':') && !target.isEmpty() && QFileInfo(target).isDir())
            drives.append({name[0].toUpper(), target});
    }
    const bool hasC = std::any_of(drives.begin(), drives.end(), [](const WineDrive &drive) {
        return drive.letter == QLatin1Char('C');
    });
    const QFileInfo driveC(prefix + QStringLiteral("/drive_c"));
    if (!hasC && driveC.isDir())
        drives.prepend({QLatin1Char('C'), driveC.canonicalFilePath()});
    return drives;
}

} // namespace

std::unique_ptr<WineRegistry> WineRegistry::open(const QString &prefix)
{
    std::unique_ptr<WineRegistry> registry(new WineRegistry);
    const std::optional<Architecture> architecture = readRegistryFile(
        *registry, prefix + QStringLiteral("/system.reg"), RegistryRoot::LocalMachine);
    if (!architecture)
        return nullptr;
    readRegistryFile(*registry, prefix + QStringLiteral("/user.reg"), RegistryRoot::CurrentUser);
    // Prefixes made before Wine named their architecture have a 32-bit view only when 64-bit.
    registry->set64BitSystem(*architecture == Architecture::Unknown
                                 ? registry
                                       ->key(RegistryRoot::LocalMachine,
                                             QStringLiteral("Software\\Wow6432Node"),
                                             RegistryView::Bits64)
                                       .has_value()
                                 : *architecture == Architecture::Win64);

    registry->setDrives(drivesOf(prefix));
    return registry;
}

QString WineRegistry::defaultPrefix()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}
