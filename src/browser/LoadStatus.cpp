// Progress bar, busy cursor and size controls while sketches load.
#include "browser/LoadStatus.h"

#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QStatusBar>

namespace {

QString readStyleSheet(const QString &resource)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

} // namespace

LoadStatus::LoadStatus(QStatusBar *statusBar, QProgressBar *bar, QList<QWidget *> sizeControls)
    : m_statusBar(statusBar)
    , m_bar(bar)
    , m_sizeControls(std::move(sizeControls))
{ }

LoadStatus::~LoadStatus()
{
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
}

void LoadStatus::started(int count)
{
    m_statusBar->setUpdatesEnabled(false);
    m_bar->reset();
    m_bar->show();
    m_bar->setValue(0);
    m_bar->setRange(0, count);
    m_statusBar->setStyleSheet(readStyleSheet(QStringLiteral(":/stylesheet/qss/draftbay.qss")));
    setSizeControlsEnabled(false);
    m_statusBar->setUpdatesEnabled(true);
    if (count > 0 && !m_busyCursor) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_busyCursor = true;
    }
}

void LoadStatus::stepped()
{
    m_bar->setValue(m_bar->value() + 1);
    if (m_bar->value() >= m_bar->maximum())
        m_bar->hide();
}

void LoadStatus::finished(bool sizesAvailable)
{
    m_bar->hide();
    m_statusBar->setStyleSheet(
        readStyleSheet(QStringLiteral(":/stylesheet/qss/draftbay_alternative.qss")));
    setSizeControlsEnabled(sizesAvailable);
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
}

void LoadStatus::setSizeControlsEnabled(bool enabled)
{
    for (QWidget *control : m_sizeControls)
        control->setEnabled(enabled);
}
