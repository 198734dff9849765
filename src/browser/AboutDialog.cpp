// Layout of the About box, the credits of the libraries the program is built with, and
// reading the licence.
#include "browser/AboutDialog.h"

#include "BuildInfo.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

struct Credit
{
    const char *library;
    const char *licence;
};

// Every library the programs link, directly or, for libx264, through Debian's FFmpeg.
constexpr Credit kCredits[] = {
    {"pugixml", "MIT"},
    {"hidapi", "BSD-3-Clause; also offered under GPL-3.0"},
    {"libudev", "LGPL-2.1"},
    {"libzip", "BSD-3-Clause"},
    {"zlib", "zlib licence"},
    {"giflib", "MIT"},
    {"libwebp", "BSD-3-Clause"},
    {"FFmpeg", "LGPL-2.1+"},
    {"libx264", "GPL-2.0+, through FFmpeg"},
};

// Two columns of "library (licence)": a table keeps its height in the layout, where a
// wrapped paragraph would not.
QString creditsText()
{
    // Qt is named with the version the program runs on, which may differ from the build's.
    QStringList cells {AboutDialog::tr("Qt %1 (LGPL-3.0)").arg(QString::fromLatin1(qVersion()))};
    for (const Credit &credit : kCredits)
        cells << QStringLiteral("%1 (%2)").arg(QString::fromLatin1(credit.library),
                                               QString::fromLatin1(credit.licence));
    QString rows;
    for (qsizetype i = 0; i < cells.size(); i += 2)
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(cells[i].toHtmlEscaped(),
                         i + 1 < cells.size() ? cells[i + 1].toHtmlEscaped() : QString());
    return QStringLiteral("<p align=\"center\">%1</p><table align=\"center\" cellspacing=\"6\">%2"
                          "</table>")
        .arg(AboutDialog::tr("Built with"), rows);
}

QLabel *centredLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutDialog::AboutDialog(const QString &licencePath, QWidget *parent)
    : QDialog(parent)
    , m_firmware(centredLabel(QString(), QStringLiteral("firmware"), this))
{
    setWindowTitle(tr("About Quillo Draftbay"));
    auto *logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/misc/Resources/miscell/quillologo.png"))
                        .scaledToWidth(320, Qt::SmoothTransformation));
    logo->setAlignment(Qt::AlignCenter);
    logo->setAccessibleName(tr("Quillo logo"));
    auto *version = centredLabel(
        tr("Quillo Draftbay %1\nSketch browser and editor for the Quillo digital pen")
            .arg(QString::fromLatin1(BuildInfo::kVersion)),
        QStringLiteral("version"), this);
    version->setAccessibleName(tr("Version"));
    m_firmware->setAccessibleName(tr("Firmware version"));
    m_firmware->hide();

    QFile licence(licencePath);
    if (!licencePath.isEmpty() && licence.open(QIODevice::ReadOnly))
        m_licenceText = QString::fromUtf8(licence.readAll());
    else
        m_licenceText = tr("The licence text is not installed.");
    auto *text = new QTextBrowser(this);
    text->setHtml(m_licenceText);
    text->setMinimumSize(460, 260);
    text->setAccessibleName(tr("Licence"));

    auto *credits = centredLabel(creditsText(), QStringLiteral("credits"), this);
    credits->setTextFormat(Qt::RichText);
    credits->setAccessibleName(tr("Credits"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(logo);
    layout->addWidget(version);
    layout->addWidget(m_firmware);
    layout->addWidget(text, 1);
    layout->addWidget(credits);
    layout->addWidget(buttons);
}

void AboutDialog::setFirmwareVersion(const QString &version)
{
    m_firmware->setText(tr("Firmware version:") + QLatin1Char(' ') + version);
    m_firmware->setVisible(!version.isEmpty());
}

QString AboutDialog::licenceText() const
{
    return m_licenceText;
}
