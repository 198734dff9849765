// The status-bar strip that pages through a folder of more than one page of sketches.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class PagesStrip;
}

/// Pages are 1-based and hold 50 files each.
class PagesStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr uint kPageSize = 50;

    explicit PagesStrip(QWidget *parent = nullptr);
    ~PagesStrip() override;

    /// Shows "first-end/fileCount" and sizes the page range; a first index of 0 makes page
    /// 1 current.
    void setInfo(uint first, uint end, uint fileCount);
    /// Forgets the folder: no pages, no files, no current page.
    void reset();

    uint pageCount() const { return m_pageCount; }
    uint fileCount() const { return m_fileCount; }
    uint currentPage() const { return m_currentPage; }

public slots:
    void onBtnFirstClicked();
    void onBtnPrevClicked();
    void onBtnNextClicked();
    void onBtnLastClicked();

signals:
    /// The user chose another page; both pages 1-based.
    void pageSelectionChange(uint newPage, uint prevPage);
    /// Forwarded from the page number box: false while it has the focus, so that the
    /// window leaves the Enter key to it.
    void enableEnterKeyHandling(bool enabled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCurrentPage();

    std::unique_ptr<Ui::PagesStrip> m_ui;
    uint m_pageCount = 0;
    uint m_fileCount = 0;
    uint m_currentPage = 0;
};
