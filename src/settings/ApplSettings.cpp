// Settings file loading, attribute access by entry path, the paper table and colours.
#include "settings/ApplSettings.h"

#include "ink/Log.h"
#include "settings/AtomicSaveFile.h"
#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QXmlStreamReader>

namespace {

// A settings file holds a few kilobytes in three levels; a file far larger or deeper is no
// settings file, and a tree that deep would overflow the stack while it is built or freed.
constexpr qint64 kMaxSettingsBytes = 4 * 1024 * 1024;
constexpr int kMaxSettingsDepth = 64;

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ApplSettings)
};

void showCritical(const QString &text)
{
    dialogs().critical(nullptr, applicationTitle(), text);
}

// The first child element of a group with exactly the item's name.
QDomElement itemOf(const QDomElement &group, const QString &item)
{
    return group.firstChildElement(item);
}

bool isGroup(const QDomElement &element, const QString &group)
{
    return element.tagName().compare(group, Qt::CaseInsensitive) == 0;
}

void logWarning(const char *method, const QString &text)
{
    Nivo::logMessage(Nivo::LogWarning, "ApplSettings", method, text.toUtf8().constData());
}

// The document in a settings file, or nothing when the file cannot be read, is not
// well-formed XML, or is too large or too deeply nested to be a settings file.
std::optional<QDomDocument> parseSettingsBytes(const QByteArray &bytes);

std::optional<QDomDocument> readSettingsDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSettingsBytes)
        return std::nullopt;
    // The size of some files is known only once they are read.
    const QByteArray bytes = file.read(kMaxSettingsBytes + 1);
    if (bytes.size() > kMaxSettingsBytes)
        return std::nullopt;
    return parseSettingsBytes(bytes);
}

std::optional<QDomDocument> parseSettingsBytes(const QByteArray &bytes)
{
    // The stream reader keeps no tree, so it measures the depth safely before one is built.
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > kMaxSettingsDepth)
            return std::nullopt;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    if (reader.hasError())
        return std::nullopt;
    QDomDocument document;
    if (!document.setContent(bytes) || document.documentElement().isNull())
        return std::nullopt;
    return document;
}

// Moves a damaged settings file aside to path + ".broken-" + the local date and time,
// numbered when that name is taken; never over an earlier copy. Empty when it cannot move.
QString keepBrokenFile(const QString &path)
{
    const QString base = path + QStringLiteral(".broken-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = base;
    for (int number = 2; number < 1000; ++number) {
        // rename() never replaces an existing file, so a name taken meanwhile only costs a
        // further try.
        if (!QFileInfo(target).exists() && !QFileInfo(target).isSymLink()
            && QFile::rename(path, target))
            return target;
        target = base + QLatin1Char('-') + QString::number(number);
    }
    return QString();
}

bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// text without the characters an XML 1.0 file cannot carry: control characters other than
// tab, line feed and carriage return, U+FFFE, U+FFFF and surrogates without their partner.
QString xmlSafeText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            clean += c;
            clean += text.at(++i);
        } else if (!c.isSurrogate() && isXmlCharacter(c.unicode())) {
            clean += c;
        }
    }
    return clean;
}

// A copy of document whose texts and attribute values all fit into an XML 1.0 file, so
// that what is saved always loads again.
QDomDocument xmlSafeCopy(const QDomDocument &document)
{
    QDomDocument copy = document.cloneNode(true).toDocument();
    // Walks the tree without recursion: first child, else next sibling of the node or of
    // the nearest ancestor that has one.
    QDomNode node = copy.firstChild();
    while (!node.isNull()) {
        if (node.isCharacterData()) {
            QDomCharacterData data = node.toCharacterData();
            data.setData(xmlSafeText(data.data()));
        } else if (node.isProcessingInstruction()) {
            QDomProcessingInstruction instruction = node.toProcessingInstruction();
            instruction.setData(xmlSafeText(instruction.data()));
        }
        const QDomNamedNodeMap attributes = node.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            QDomAttr attribute = attributes.item(i).toAttr();
            attribute.setValue(xmlSafeText(attribute.value()));
        }
        if (!node.firstChild().isNull()) {
            node = node.firstChild();
            continue;
        }
        while (!node.isNull() && node.nextSibling().isNull())
            node = node.parentNode();
        if (!node.isNull())
            node = node.nextSibling();
    }
    return copy;
}

// Why a settings file cannot be written to path, found by trying what saving needs.
} // namespace

ApplSettings::ApplSettings()
    : m_probe(createInstalledAppsProbe())
{
    const struct
    {
        const char *name;
        int id;
        double width;
        double height;
    } papers[] = {
        {"A4", 0, 2100, 2970},     {"A5", 1, 1480, 2100},    {"A6", 2, 1050, 1480},
        {"A7", 3, 740, 1050},      {"Legal", 4, 2160, 3560}, {"Junior Legal", 5, 1270, 2030},
        {"Letter", 6, 2160, 2790},
    };
    for (const auto &paper : papers) {
        m_papers.insert(QString::fromLatin1(paper.name),
                        PaperSize {paper.id, QSizeF(paper.width, paper.height),
                                   QSizeF(paper.height, paper.width)});
    }
    m_installedApplications = m_probe->applications();
    m_probeText = m_probe->text();
}

ApplSettings::~ApplSettings() = default;

bool ApplSettings::parseFile(const QString &path)
{
    std::optional<QDomDocument> document = readSettingsDocument(path);
    if (!document)
        return false;
    QMutexLocker locker(&m_lock);
    m_document = std::move(*document);
    return true;
}

bool ApplSettings::replaceBrokenFile(const QString &userPath, const QString &factoryPath)
{
    const QString kept = keepBrokenFile(userPath);
    if (kept.isEmpty()) {
        // Without a copy of it the damaged file stays where it is: nothing is lost unseen.
        logWarning("load",
                   QStringLiteral("The settings file %1 cannot be read and cannot be moved aside")
                       .arg(userPath));
        return false;
    }
    QFile::copy(factoryPath, userPath);
    QFile::setPermissions(userPath, QFile::permissions(userPath) | QFileDevice::WriteOwner);
    if (!parseFile(userPath)) {
        logWarning("load",
                   QStringLiteral("The settings file %1 cannot be read; it was kept as %2, and "
                                  "the factory settings %3 cannot be used either")
                       .arg(userPath, kept, factoryPath));
        return false;
    }
    logWarning("load",
               QStringLiteral("The settings file %1 cannot be read; it was kept as %2 and "
                              "replaced by the factory settings")
                   .arg(userPath, kept));
    dialogs().warning(nullptr, applicationTitle(),
                      Texts::tr("Your settings file could not be read and has been replaced by the "
                                "factory settings.\nThe damaged file was kept as \n%1")
                          .arg(QDir::toNativeSeparators(kept)));
    return true;
}

bool ApplSettings::load(const QString &userPath, const QString &factoryPath)
{
    {
        QFile file(userPath);
        if (!file.open(QIODevice::ReadOnly)) {
            showCritical(Texts::tr("Cannot open settings file \n%1").arg(userPath));
            return false;
        }
    }
    if (!parseFile(userPath) && !replaceBrokenFile(userPath, factoryPath)) {
        showCritical(Texts::tr("Parsing error for settings file \n%1").arg(userPath));
        return false;
    }
    {
        QMutexLocker locker(&m_lock);
        m_settingsPath = userPath;
    }
    updatePageSize();
    validateDefaultPen();
    return true;
}

bool ApplSettings::loadReadOnly(const QString &path)
{
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            showCritical(Texts::tr("Cannot open settings file \n%1").arg(path));
            return false;
        }
    }
    if (!parseFile(path)) {
        showCritical(Texts::tr("Parsing error for settings file \n%1").arg(path));
        return false;
    }
    {
        QMutexLocker locker(&m_lock);
        m_settingsPath = path;
    }
    updatePageSize();
    validateDefaultPen();
    return true;
}

std::optional<ApplSettings::EntryPath> ApplSettings::splitEntryPath(const QString &entryPath)
{
    const QStringList parts = entryPath.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() != 2) {
        showCritical(
            Texts::tr("Entry string \"%1\" does not exist in the settings file.").arg(entryPath));
        return std::nullopt;
    }
    return EntryPath {parts[0], parts[1]};
}

void ApplSettings::reportMissing(const QString &entryPath, const QString &attributeName)
{
    showCritical(Texts::tr("Entry %1 does not have attribute name %2 in \n%3 settings file.")
                     .arg(entryPath, attributeName, settingsPath()));
}

bool ApplSettings::getAttribute(const QString &entryPath, const QString &attributeName,
                                QString &value)
{
    const auto path = splitEntryPath(entryPath);
    if (!path)
        return false;
    bool found = false;
    QString result;
    {
        QMutexLocker locker(&m_lock);
        const QDomElement root = m_document.documentElement();
        for (QDomElement group = root.firstChildElement(); !group.isNull();
             group = group.nextSiblingElement()) {
            if (!isGroup(group, path->group))
                continue;
            const QDomElement item = itemOf(group, path->item);
            if (item.isNull() || item.attributes().isEmpty())
                continue;
            // The first matching item that has attributes answers, even without this one.
            found = true;
            result = item.attribute(attributeName);
            break;
        }
    }
    if (!found) {
        reportMissing(entryPath, attributeName);
        return false;
    }
    value = result;
    return true;
}

QList<QDomAttr> ApplSettings::attributesNoCase(const EntryPath &path,
                                               const QString &attributeName) const
{
    QList<QDomAttr> matches;
    const QDomElement root = m_document.documentElement();
    for (QDomElement group = root.firstChildElement(); !group.isNull();
         group = group.nextSiblingElement()) {
        if (!isGroup(group, path.group))
            continue;
        const QDomNamedNodeMap attributes = itemOf(group, path.item).attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            const QDomAttr attribute = attributes.item(i).toAttr();
            if (attribute.name().compare(attributeName, Qt::CaseInsensitive) == 0) {
                matches.append(attribute);
                break;
            }
        }
    }
    return matches;
}

bool ApplSettings::getAttributeNoCase(const QString &entryPath, const QString &attributeName,
                                      QString &value)
{
    const auto path = splitEntryPath(entryPath);
    if (!path)
        return false;
    QString result;
    bool found = false;
    {
        QMutexLocker locker(&m_lock);
        // When several groups match, the last one wins.
        const QList<QDomAttr> matches = attributesNoCase(*path, attributeName);
        found = !matches.isEmpty();
        if (found)
            result = matches.last().value();
    }
    if (!found) {
        reportMissing(entryPath, attributeName);
        return false;
    }
    value = result;
    return true;
}

bool ApplSettings::setAttribute(const QString &entryPath, const QString &attributeName,
                                const QString &value)
{
    const auto path = splitEntryPath(entryPath);
    if (!path)
        return false;
    bool changed = false;
    {
        QMutexLocker locker(&m_lock);
        QList<QDomAttr> matches = attributesNoCase(*path, attributeName);
        if (!matches.isEmpty()) {
            matches.first().setValue(value);
            changed = true;
        }
    }
    if (!changed)
        reportMissing(entryPath, attributeName);
    return changed;
}

bool ApplSettings::save(const QString &path)
{
    QString reason;
    return save(path, reason);
}

bool ApplSettings::save(const QString &path, QString &reason)
{
    QByteArray text;
    {
        QTextStream stream(&text);
        QMutexLocker locker(&m_lock);
        xmlSafeCopy(m_document).save(stream, 1);
        stream.flush();
    }
    // Qt may read a tree it cannot write back in a readable form (a strange processing
    // instruction read from UTF-16): a file that would not load again is not written.
    if (!parseSettingsBytes(text)) {
        reason = Texts::tr("Cannot write the settings file %1: the settings would not read back")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    QString why;
    if (saveBytesAtomically(path, text, &why))
        return true;
    reason = Texts::tr("Cannot write the settings file %1: %2")
                 .arg(QDir::toNativeSeparators(path), why);
    return false;
}

bool ApplSettings::parseColor(const QString &text, QColor &color)
{
    int channels[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        channels[i] = text.section(QLatin1Char(' '), i, i).toInt(&ok, 10);
        // Out-of-range numbers would make an invalid colour; treat them as unreadable.
        if (!ok || channels[i] < 0 || channels[i] > 255)
            return false;
    }
    color = QColor(channels[0], channels[1], channels[2], channels[3]);
    return true;
}

void ApplSettings::updatePageSize()
{
    QString size;
    QString orientation;
    const bool read
        = getAttribute(QStringLiteral("page_properties/page"), QStringLiteral("size"), size)
        && getAttribute(QStringLiteral("page_properties/page"), QStringLiteral("orientation"),
                        orientation);
    QMutexLocker locker(&m_lock);
    if (read && m_papers.contains(size)) {
        if (orientation == QLatin1String("Portrait"))
            m_orientation = 0;
        else if (orientation == QLatin1String("Landscape"))
            m_orientation = 1;
        const PaperSize &paper = m_papers[size];
        m_pageSize = m_orientation == 1 ? paper.landscape : paper.portrait;
    } else {
        m_pageSize = QSizeF(2100, 2970);
    }
}

QSizeF ApplSettings::pageSize() const
{
    QMutexLocker locker(&m_lock);
    return m_pageSize;
}

int ApplSettings::paperId()
{
    QString size;
    if (!getAttribute(QStringLiteral("page_properties/page"), QStringLiteral("size"), size))
        return 0;
    const auto paper = m_papers.constFind(size);
    return paper == m_papers.constEnd() ? 0 : paper->id;
}

void ApplSettings::setPaperById(int id)
{
    for (auto paper = m_papers.constBegin(); paper != m_papers.constEnd(); ++paper) {
        if (paper->id == id)
            setAttribute(QStringLiteral("page_properties/page"), QStringLiteral("size"),
                         paper.key());
    }
    updatePageSize();
}

bool ApplSettings::isLandscape()
{
    QString orientation;
    return getAttribute(QStringLiteral("page_properties/page"), QStringLiteral("orientation"),
                        orientation)
        && orientation == QLatin1String("Landscape");
}

void ApplSettings::setLandscape(bool landscape)
{
    setAttribute(QStringLiteral("page_properties/page"), QStringLiteral("Orientation"),
                 landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait"));
    updatePageSize();
}

void ApplSettings::validateDefaultPen()
{
    QString ignored;
    const QString entry = QStringLiteral("visuality_properties/default_pen");
    getAttribute(entry, QStringLiteral("rgba_color"), ignored);
    getAttribute(entry, QStringLiteral("width"), ignored);
    getAttribute(entry, QStringLiteral("ball_point_size"), ignored);
}

QList<InstalledApp> ApplSettings::installedApplications() const
{
    return m_installedApplications;
}

QString ApplSettings::probeText() const
{
    return m_probeText;
}

QString ApplSettings::settingsPath() const
{
    QMutexLocker locker(&m_lock);
    return m_settingsPath;
}
