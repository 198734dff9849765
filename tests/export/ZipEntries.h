// Reads a zip archive back entry by entry, for the tests of OpenRaster output.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <vector>
#include <zip.h>

namespace TestSupport {

struct ZipEntry
{
    QString name;
    QByteArray data;
    bool stored = false;
};

/// Every entry in the archive's order, after libzip's consistency checks; empty when the
/// file is no sound zip archive or an entry does not read back whole.
inline std::vector<ZipEntry> readZipEntries(const QString &path)
{
    int error = 0;
    zip_t *archive
        = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive)
        return {};
    std::vector<ZipEntry> entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_file_t *file = zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) == 0
            ? zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0)
            : nullptr;
        if (!file) {
            entries.clear();
            break;
        }
        ZipEntry entry {QString::fromUtf8(stat.name), QByteArray(),
                        stat.comp_method == ZIP_CM_STORE};
        entry.data.resize(static_cast<qsizetype>(stat.size));
        const zip_int64_t read
            = zip_fread(file, entry.data.data(), static_cast<zip_uint64_t>(stat.size));
        zip_fclose(file);
        if (read != static_cast<zip_int64_t>(stat.size)) {
            entries.clear();
            break;
        }
        entries.push_back(entry);
    }
    zip_discard(archive);
    return entries;
}

} // namespace TestSupport
