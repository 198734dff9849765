// The language table and the loading of translation files.
#include "app/Translation.h"

#include "settings/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace {

// Chinese is chosen by territory as well: Hong Kong, Macao and Taiwan read the
// traditional script.
enum class Chinese { NotChinese, Traditional, Simplified };

struct Language
{
    const char *settingsName;
    QLocale::Language language;
    Chinese chinese;
    const char *baseName;
    const char *libraryName;
};

// The names in the first column are the ones the settings dialog writes.
constexpr Language kLanguages[] = {
    {"French", QLocale::French, Chinese::NotChinese, "draftbay_fr", "qt_fr"},
    {"Spanish", QLocale::Spanish, Chinese::NotChinese, "draftbay_es", "qt_es"},
    {"Portuguese(Brazil)", QLocale::Portuguese, Chinese::NotChinese, "draftbay_pt", "qt_pt"},
    {"German", QLocale::German, Chinese::NotChinese, "draftbay_de", "qt_de"},
    {"Dutch", QLocale::Dutch, Chinese::NotChinese, "draftbay_nl", "qt_nl"},
    {"Italian", QLocale::Italian, Chinese::NotChinese, "draftbay_it", "qt_it"},
    {"Russian", QLocale::Russian, Chinese::NotChinese, "draftbay_ru", "qt_ru"},
    {"Chinese Traditional", QLocale::Chinese, Chinese::Traditional, "draftbay_1zh", "qt_zh_TW"},
    {"Chinese Simplified", QLocale::Chinese, Chinese::Simplified, "draftbay_zh", "qt_zh_CN"},
    {"Japanese", QLocale::Japanese, Chinese::NotChinese, "draftbay_ja", "qt_ja"},
    {"Korean", QLocale::Korean, Chinese::NotChinese, "draftbay_ko", "qt_ko"},
    {"Polish", QLocale::Polish, Chinese::NotChinese, "draftbay_pl", "qt_pl"},
};
constexpr Language kEnglish = {"English", QLocale::English, Chinese::NotChinese, "draftbay_en", ""};

Chinese chineseOf(const QLocale &locale)
{
    if (locale.language() != QLocale::Chinese)
        return Chinese::NotChinese;
    const QLocale::Territory territory = locale.territory();
    const bool isTraditional = territory == QLocale::HongKong || territory == QLocale::Macao
        || territory == QLocale::Taiwan;
    return isTraditional ? Chinese::Traditional : Chinese::Simplified;
}

const Language &languageOf(const QString &languageName, int status, const QLocale &systemLocale)
{
    for (const Language &language : kLanguages) {
        const bool matches = status == 1
            ? languageName.compare(QLatin1String(language.settingsName), Qt::CaseInsensitive) == 0
            : language.language == systemLocale.language()
                && language.chinese == chineseOf(systemLocale);
        if (matches)
            return language;
    }
    return kEnglish;
}

} // namespace

QString translationBaseName(const QString &languageName, int status, const QLocale &systemLocale)
{
    return QLatin1String(languageOf(languageName, status, systemLocale).baseName);
}

QString libraryTranslationName(const QString &languageName, int status, const QLocale &systemLocale)
{
    return QLatin1String(languageOf(languageName, status, systemLocale).libraryName);
}

QTranslator *setupTranslation(QObject *parent, const QString &languageName, int status,
                              const QString &folder, const QLocale &systemLocale)
{
    auto *translator = new QTranslator(parent);
    const QString name = translationBaseName(languageName, status, systemLocale);
    const QString path = folder.isEmpty()
        ? findDataFile(name + QStringLiteral(".qm"))
        : QDir::toNativeSeparators(folder + QLatin1Char('/') + name);
    if (translator->load(path))
        QCoreApplication::installTranslator(translator);
    return translator;
}

bool installLibraryTranslation(QTranslator &translator, const QString &baseName,
                               const QString &folder)
{
    if (baseName.isEmpty() || !translator.load(baseName, folder))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
