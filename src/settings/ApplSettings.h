// The store of the user's preferences: one XML settings file held in memory.
#pragma once

#include "settings/InstalledAppsProbe.h"
#include "settings/Singleton.h"

#include <QColor>
#include <QDomDocument>
#include <QHash>
#include <QMutex>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>

/// A supported paper format; sizes in tenths of a millimetre, width before height.
struct PaperSize
{
    int id = 0;
    QSizeF portrait;
    QSizeF landscape;
};

/// Settings are attributes of items inside groups, addressed as "group/item" plus an
/// attribute name. Group names match without regard to case, item names exactly.
/// Failed reads leave their output unchanged and show a critical message (through the
/// dialog seam). Changes stay in memory until save(). Reads may come from the loader
/// thread while the user-interface thread uses the store.
class ApplSettings : public Singleton<ApplSettings>
{
public:
    ApplSettings();
    ~ApplSettings() override;

    /// Loads the user file. One that cannot be parsed (empty, cut short, not XML, far too
    /// large or deep) is moved aside as userPath + ".broken-" + date and time and replaced
    /// by a copy of the factory file; the user is told with a warning and a log line. False
    /// (after a message) when neither can be used; a damaged file that cannot be moved aside
    /// is then left in place.
    bool load(const QString &userPath, const QString &factoryPath);
    /// Loads a settings file without changing anything on disc: a file that cannot be read
    /// or parsed is reported and the load fails.
    bool loadReadOnly(const QString &path);
    /// Reads an attribute by its exact name; an existing item without that attribute
    /// reads as an empty text.
    bool getAttribute(const QString &entryPath, const QString &attributeName, QString &value);
    /// Reads an attribute matched without regard to case; the last matching group wins.
    bool getAttributeNoCase(const QString &entryPath, const QString &attributeName, QString &value);
    /// Changes an existing attribute (matched without regard to case) in memory; never
    /// creates one.
    bool setAttribute(const QString &entryPath, const QString &attributeName, const QString &value);
    /// Writes the whole document to path, replacing the file only when all was written.
    /// Characters an XML file cannot carry (most control characters, U+FFFE, U+FFFF, lone
    /// surrogates) are left out of the file, so that it always loads again. False, silently,
    /// when it cannot be written; the file at path is then unchanged.
    bool save(const QString &path);
    /// save(path); on failure reason says why, in words for the user.
    bool save(const QString &path, QString &reason);

    /// Parses "red green blue alpha" (decimal, 0 to 255, single blanks); on failure the
    /// colour is left unchanged.
    static bool parseColor(const QString &text, QColor &color);

    /// Page size of the configured paper and orientation, in tenths of a millimetre.
    QSizeF pageSize() const;
    int paperId();
    void setPaperById(int id);
    bool isLandscape();
    void setLandscape(bool landscape);
    void validateDefaultPen();

    QList<InstalledApp> installedApplications() const;
    QString probeText() const;
    QString settingsPath() const;
    /// The paper table, by paper name.
    const QHash<QString, PaperSize> &papers() const { return m_papers; }

private:
    struct EntryPath
    {
        QString group;
        QString item;
    };
    std::optional<EntryPath> splitEntryPath(const QString &entryPath);
    void reportMissing(const QString &entryPath, const QString &attributeName);
    /// In each matching group's item, the first attribute of that name in any case.
    QList<QDomAttr> attributesNoCase(const EntryPath &path, const QString &attributeName) const;
    bool parseFile(const QString &path);
    /// Moves a user file that does not parse aside, puts a factory copy in its place and
    /// loads that; false when either step fails.
    bool replaceBrokenFile(const QString &userPath, const QString &factoryPath);
    void updatePageSize();

    QString m_probeText;
    int m_orientation = 0;
    std::unique_ptr<InstalledAppsProbe> m_probe;
    QList<InstalledApp> m_installedApplications;
    QHash<QString, PaperSize> m_papers;
    QSizeF m_pageSize {2100, 2970};
    QString m_settingsPath;
    QDomDocument m_document;
    // Guards the document: the loader thread reads while the user-interface thread works.
    mutable QRecursiveMutex m_lock;
};
