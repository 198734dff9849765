// The About box: the build's version, a credit for every linked library, the licence file
// and the firmware line that only a connected receiver shows.
#include "browser/AboutDialog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

QString labelText(const AboutDialog &dialog, const char *name)
{
    const auto *label = dialog.findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
}

} // namespace

TEST(AboutDialog, ShowsTheBuildsVersionAndCreditsEveryLinkedLibraryWithItsLicence)
{
    // The version comes from the build, not from whatever the application object claims.
    const QString previous = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("99.99.99"));
    AboutDialog dialog(QString {});
    QCoreApplication::setApplicationVersion(previous);

    const QString version = labelText(dialog, "version");
    // The project's version, followed in a checkout by the commit it was built from.
    const QString product = QStringLiteral("Quillo Draftbay " DRAFTBAY_PROJECT_VERSION);
    EXPECT_TRUE(version.startsWith(product + QLatin1Char('\n'))
                || version.startsWith(product + QLatin1Char('+')))
        << version.toStdString();

    const QString credits = labelText(dialog, "credits");
    const char *const expected[] = {
        "pugixml (MIT)",          "hidapi (BSD-3-Clause", "libudev (LGPL-2.1)",
        "libzip (BSD-3-Clause)",  "zlib (zlib licence)",  "giflib (MIT)",
        "libwebp (BSD-3-Clause)", "FFmpeg (LGPL-2.1+)",   "libx264 (GPL-2.0+",
    };
    for (const char *credit : expected)
        EXPECT_TRUE(credits.contains(QString::fromLatin1(credit)))
            << credit << " missing from: " << credits.toStdString();
    EXPECT_TRUE(credits.contains(QStringLiteral("Qt %1 (LGPL-3.0)").arg(qVersion())))
        << credits.toStdString();

    EXPECT_EQ(dialog.licenceText(), QStringLiteral("The licence text is not installed."));
    for (const QWidget *control : dialog.findChildren<QWidget *>()) {
        const bool isControl = qobject_cast<const QLabel *>(control)
            || qobject_cast<const QAbstractButton *>(control)
            || qobject_cast<const QTextBrowser *>(control);
        EXPECT_TRUE(!isControl || !control->accessibleName().isEmpty())
            << control->metaObject()->className();
    }
}

TEST(AboutDialog, ShowsTheLicenceFileAndTheFirmwareLineOnlyWhileAVersionIsKnown)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile licence(folder.filePath(QStringLiteral("lic_english.htm")));
    ASSERT_TRUE(licence.open(QIODevice::WriteOnly));
    licence.write("<p>Licence \xc3\xa9 terms</p>");
    licence.close();

    AboutDialog dialog(licence.fileName());
    EXPECT_EQ(dialog.licenceText(), QStringLiteral("<p>Licence \u00e9 terms</p>"));
    const auto *browser = dialog.findChild<QTextBrowser *>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("Licence \u00e9 terms"));

    const auto *firmware = dialog.findChild<QLabel *>(QStringLiteral("firmware"));
    ASSERT_NE(firmware, nullptr);
    EXPECT_FALSE(firmware->isVisibleTo(&dialog));
    dialog.setFirmwareVersion(QStringLiteral("102.345.007"));
    EXPECT_TRUE(firmware->isVisibleTo(&dialog));
    EXPECT_EQ(firmware->text(), QStringLiteral("Firmware version: 102.345.007"));
    dialog.setFirmwareVersion(QString {});
    EXPECT_FALSE(firmware->isVisibleTo(&dialog));
}
