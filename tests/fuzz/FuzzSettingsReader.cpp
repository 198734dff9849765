// libFuzzer target: any bytes as a settings file, read, changed, saved and read back.
#include "FuzzSupport.h"
#include "settings/ApplSettings.h"
#include "settings/DialogService.h"

#include <QColor>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

using FuzzSupport::require;

// Failed reads show a message; here they only count.
class SilentDialogs : public DialogService
{
public:
    QMessageBox::StandardButton message(QWidget *, Icon, const QString &, const QString &,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        return defaultButton;
    }
    std::optional<QString> text(QWidget *, const QString &, const QString &,
                                const QString &) override
    {
        return std::nullopt;
    }
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QColor color(QWidget *, const QString &, const QColor &initial) override { return initial; }
};

bool writeFile(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

struct Page
{
    bool read = false;
    QString size;
    QString orientation;
};

Page pageOf(ApplSettings &settings)
{
    Page page;
    const QString entry = QStringLiteral("page_properties/page");
    page.read = settings.getAttribute(entry, QStringLiteral("size"), page.size)
        && settings.getAttribute(entry, QStringLiteral("orientation"), page.orientation);
    return page;
}

// The page size always comes from the paper table, or is A4 upright.
bool isKnownPageSize(const ApplSettings &settings)
{
    const QSizeF size = settings.pageSize();
    if (size == QSizeF(2100, 2970))
        return true;
    for (const PaperSize &paper : settings.papers()) {
        if (size == paper.portrait || size == paper.landscape)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool silenced = [] {
        setDialogService(std::make_unique<SilentDialogs>());
        return true;
    }();
    (void)silenced;
    static const FuzzSupport::ScratchFile input("fuzz_settings_reader-in.xml");
    static const FuzzSupport::ScratchFile saved("fuzz_settings_reader-out.xml");
    if (!writeFile(input.path(), data, size))
        return 0;

    ApplSettings settings;
    if (!settings.loadReadOnly(QString::fromStdString(input.path())))
        return 0;
    require(isKnownPageSize(settings), "settings: a page size outside the paper table");
    const int paperId = settings.paperId();
    require(paperId >= 0 && paperId <= 6, "settings: a paper id outside the paper table");

    QString color;
    QColor parsed(1, 2, 3, 4);
    if (settings.getAttributeNoCase(QStringLiteral("visuality_properties/default_pen"),
                                    QStringLiteral("RGBA_COLOR"), color)
        && !ApplSettings::parseColor(color, parsed))
        require(parsed == QColor(1, 2, 3, 4), "settings: an unreadable colour changed the output");

    // Changes and the file they are saved to come back through a second reader.
    settings.setLandscape(true);
    settings.setPaperById(paperId == 6 ? 1 : 6);
    require(isKnownPageSize(settings), "settings: a page size outside the paper table");
    const Page page = pageOf(settings);
    // A save may refuse (and keep the old file); one that succeeds must be readable.
    if (!settings.save(QString::fromStdString(saved.path())))
        return 0;
    ApplSettings reread;
    require(reread.loadReadOnly(QString::fromStdString(saved.path())),
            "settings: a saved settings file did not load again");
    const Page rereadPage = pageOf(reread);
    require(page.read == rereadPage.read && page.size == rereadPage.size
                && page.orientation == rereadPage.orientation,
            "settings: the page changed through saving and loading");
    require(reread.pageSize() == settings.pageSize(),
            "settings: the page size changed through saving and loading");
    return 0;
}
