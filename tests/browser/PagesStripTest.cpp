// The pages strip driven with the mouse and the keyboard, wired as the main window wires it.
#include "browser/PagesStrip.h"

#include "BrowserTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace TestSupport;

namespace {

/// A strip for a folder of 120 files on page 1, whose page changes come back to it as
/// new window indices, the way the thumbnail list answers them.
class PagesStripTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strip.reset();
        m_strip.setInfo(0, 50, 120);
        QObject::connect(
            &m_strip, &PagesStrip::pageSelectionChange, &m_strip, [this](uint page, uint) {
                const uint start = (page - 1) * PagesStrip::kPageSize;
                m_strip.setInfo(start, start + PagesStrip::kPageSize, m_strip.fileCount());
            });
    }

    QToolButton *button(const char *name) { return m_strip.findChild<QToolButton *>(name); }
    QSpinBox *spinBox() { return m_strip.findChild<QSpinBox *>("spinBox"); }
    QString label() { return m_strip.findChild<QLabel *>("lblFilesCountInfo")->text(); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    /// Types a page number into the box and lets go of the given key.
    void typePage(const QString &text, Qt::Key key)
    {
        QSpinBox *box = spinBox();
        box->setFocus();
        box->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, key);
    }

    PagesStrip m_strip;
};

using Pages = QList<QList<QVariant>>;
QList<QVariant> change(uint page, uint previous)
{
    return {QVariant::fromValue(page), QVariant::fromValue(previous)};
}

} // namespace

TEST_F(PagesStripTest, StartsOnTheFirstPageOfTheFolder)
{
    EXPECT_EQ(label(), "0-50/120");
    EXPECT_EQ(m_strip.pageCount(), 3u);
    EXPECT_EQ(m_strip.fileCount(), 120u);
    EXPECT_EQ(m_strip.currentPage(), 1u);
    EXPECT_EQ(spinBox()->value(), 1);
    EXPECT_EQ(spinBox()->minimum(), 1);
    EXPECT_EQ(spinBox()->maximum(), 3);
    for (const char *name : {"btnFirst", "btnPrev", "btnNext", "btnLast"})
        EXPECT_NE(button(name), nullptr) << name;
}

TEST_F(PagesStripTest, StepsForwardAndBackOnePageAtATime)
{
    QSignalSpy changes(&m_strip, &PagesStrip::pageSelectionChange);

    click("btnPrev");
    click("btnFirst");
    EXPECT_TRUE(changes.isEmpty()) << "nothing before the first page";

    click("btnNext");
    EXPECT_EQ(label(), "50-100/120");
    EXPECT_EQ(spinBox()->value(), 2);
    click("btnNext");
    // The end index of a page is not limited to the file count.
    EXPECT_EQ(label(), "100-150/120");
    EXPECT_EQ(spinBox()->value(), 3);
    click("btnNext");
    click("btnLast");
    EXPECT_EQ(m_strip.currentPage(), 3u);

    click("btnPrev");
    EXPECT_EQ(label(), "50-100/120");
    EXPECT_EQ(spinBox()->value(), 2);
    EXPECT_EQ(changes, (Pages {change(2, 1), change(3, 2), change(2, 3)}));
}

TEST_F(PagesStripTest, JumpsToTheFirstAndTheLastPage)
{
    QSignalSpy changes(&m_strip, &PagesStrip::pageSelectionChange);

    click("btnLast");
    EXPECT_EQ(label(), "100-150/120");
    EXPECT_EQ(spinBox()->value(), 3);
    click("btnFirst");
    EXPECT_EQ(label(), "0-50/120");
    EXPECT_EQ(spinBox()->value(), 1);
    EXPECT_EQ(m_strip.currentPage(), 1u);
    EXPECT_EQ(changes, (Pages {change(3, 1), change(1, 3)}));
}

TEST_F(PagesStripTest, EnterInThePageBoxJumpsToTheTypedPage)
{
    m_strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_strip));
    QSignalSpy changes(&m_strip, &PagesStrip::pageSelectionChange);

    typePage("3", Qt::Key_Return);
    EXPECT_EQ(m_strip.currentPage(), 3u);
    EXPECT_EQ(label(), "100-150/120");
    // The current number again changes nothing, with either Enter key.
    typePage("3", Qt::Key_Return);
    typePage("3", Qt::Key_Enter);
    typePage("2", Qt::Key_Enter);
    // Typing alone does not move.
    typePage("1", Qt::Key_Tab);
    EXPECT_EQ(changes, (Pages {change(3, 1), change(2, 3)}));
    EXPECT_EQ(m_strip.currentPage(), 2u);
}

TEST_F(PagesStripTest, ResetForgetsTheFolder)
{
    m_strip.reset();
    EXPECT_EQ(m_strip.pageCount(), 0u);
    EXPECT_EQ(m_strip.fileCount(), 0u);
    EXPECT_EQ(m_strip.currentPage(), 0u);
    QSignalSpy changes(&m_strip, &PagesStrip::pageSelectionChange);
    click("btnNext");
    click("btnLast");
    EXPECT_TRUE(changes.isEmpty());

    // A folder of 51 files has a second page of one file.
    m_strip.setInfo(0, 50, 51);
    EXPECT_EQ(m_strip.pageCount(), 2u);
    click("btnLast");
    EXPECT_EQ(label(), "50-100/51");
}
