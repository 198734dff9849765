// The status-bar strip that pages through a folder of more than one page of sketches.
#include "browser/PagesStrip.h"

#include "ui_PagesStrip.h"

#include <QKeyEvent>

PagesStrip::PagesStrip(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::PagesStrip>())
{
    m_ui->setupUi(this);
    connect(m_ui->btnFirst, &QAbstractButton::clicked, this, &PagesStrip::onBtnFirstClicked);
    connect(m_ui->btnPrev, &QAbstractButton::clicked, this, &PagesStrip::onBtnPrevClicked);
    connect(m_ui->btnNext, &QAbstractButton::clicked, this, &PagesStrip::onBtnNextClicked);
    connect(m_ui->btnLast, &QAbstractButton::clicked, this, &PagesStrip::onBtnLastClicked);
    connect(m_ui->spinBox, &BlockingSpinBox::enableEnterKeyHandling, this,
            &PagesStrip::enableEnterKeyHandling);
    m_ui->spinBox->installEventFilter(this);
}

PagesStrip::~PagesStrip() = default;

void PagesStrip::setInfo(uint first, uint end, uint fileCount)
{
    // As people count: the first sketch is 1, and the last page ends at the last sketch.
    const uint shownEnd = std::min(end, fileCount);
    m_ui->lblFilesCountInfo->setText(
        tr("%1\u2013%2 of %3").arg(std::min(first + 1, shownEnd)).arg(shownEnd).arg(fileCount));
    m_fileCount = fileCount;
    if (first == 0)
        m_currentPage = 1;
    m_pageCount = (fileCount + kPageSize - 1) / kPageSize;
    m_ui->spinBox->setRange(1, static_cast<int>(m_pageCount));
    m_ui->spinBox->setSuffix(tr(" of %1").arg(m_pageCount));
    showCurrentPage();
}

void PagesStrip::reset()
{
    m_pageCount = 0;
    m_fileCount = 0;
    m_currentPage = 0;
    m_ui->spinBox->setValue(0);
}

void PagesStrip::onBtnFirstClicked()
{
    if (m_currentPage <= 1)
        return;
    emit pageSelectionChange(1, m_currentPage);
    m_currentPage = 1;
    showCurrentPage();
}

void PagesStrip::onBtnPrevClicked()
{
    if (m_currentPage <= 1)
        return;
    --m_currentPage;
    showCurrentPage();
    emit pageSelectionChange(m_currentPage, m_currentPage + 1);
}

void PagesStrip::onBtnNextClicked()
{
    if (m_currentPage >= m_pageCount)
        return;
    ++m_currentPage;
    showCurrentPage();
    emit pageSelectionChange(m_currentPage, m_currentPage - 1);
}

void PagesStrip::onBtnLastClicked()
{
    if (m_currentPage >= m_pageCount)
        return;
    emit pageSelectionChange(m_pageCount, m_currentPage);
    m_currentPage = m_pageCount;
    showCurrentPage();
}

bool PagesStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->spinBox && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ui->spinBox->interpretText();
            const uint chosen = static_cast<uint>(m_ui->spinBox->value());
            // A page the folder does not have (a box not yet set up) goes nowhere.
            if (chosen != m_currentPage && chosen >= 1 && chosen <= m_pageCount) {
                const uint previous = m_currentPage;
                m_currentPage = chosen;
                emit pageSelectionChange(m_currentPage, previous);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PagesStrip::showCurrentPage()
{
    m_ui->spinBox->setValue(static_cast<int>(m_currentPage));
}
