// Layout of the About box and reading the licence.
#include "browser/AboutDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTextBrowser>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString &licencePath, QWidget *parent)
    : QDialog(parent)
    , m_firmware(new QLabel(this))
{
    setWindowTitle(tr("About Quillo Draftbay"));
    auto *logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/misc/Resources/miscell/quillologo.png"))
                        .scaledToWidth(320, Qt::SmoothTransformation));
    logo->setAlignment(Qt::AlignCenter);
    logo->setAccessibleName(tr("Quillo logo"));
    auto *version
        = new QLabel(tr("Quillo Draftbay %1\nSketch browser and editor for the Quillo digital pen")
                         .arg(QCoreApplication::applicationVersion()),
                     this);
    version->setAlignment(Qt::AlignCenter);
    m_firmware->setAlignment(Qt::AlignCenter);
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

    auto *credits = new QLabel(
        tr("Built with Qt %1 and pugixml.").arg(QString::fromLatin1(qVersion())), this);
    credits->setAlignment(Qt::AlignCenter);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
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
    m_firmware->setText(tr("Receiver firmware %1").arg(version));
    m_firmware->setVisible(!version.isEmpty());
}

QString AboutDialog::licenceText() const
{
    return m_licenceText;
}
