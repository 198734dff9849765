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

    QSpinBox *spinBox() { return m_strip.findChild<QSpinBox *>("spinBox"); }
    QString label() { return m_strip.findChild<QLabel *>("lblFilesCountInfo")->text(); }
    void click(const char *name)
    {
        QTest::mouseClick(m_strip.findChild<QToolButton *>(name), Qt::LeftButton);
    }
    /// Types a page number into the box and lets go of the given key.
    void typePage(const QString &text, Qt::Key key)
    {
        spinBox()->setFocus();
        spinBox()->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(spinBox(), text);
        QTest::keyClick(spinBox(), key);
    }

    PagesStrip m_strip;
};

using Pages = QList<QList<QVariant>>; // {page, previous page}

} // namespace

TEST_F(PagesStripTest, StepsAndJumpsThroughThePagesButNotBeyondThem)
{
    EXPECT_EQ(label(), "1\u201350 of 120");
    EXPECT_EQ(m_strip.pageCount(), 3u);
    EXPECT_EQ(spinBox()->value(), 1);
    EXPECT_EQ(spinBox()->maximum(), 3);
    QSignalSpy changes(&m_strip, &PagesStrip::pageSelectionChange);
    click("btnPrev");
    click("btnFirst");
    EXPECT_TRUE(changes.isEmpty()) << "nothing before the first page";

    click("btnNext");
    EXPECT_EQ(label(), "51\u2013100 of 120");
    EXPECT_EQ(spinBox()->value(), 2);
    click("btnNext");
    // The end index of a page is not limited to the file count.
    EXPECT_EQ(label(), "101\u2013120 of 120");
    EXPECT_EQ(spinBox()->value(), 3);
    click("btnNext");
    click("btnLast");
    EXPECT_EQ(m_strip.currentPage(), 3u);
    click("btnPrev");
    EXPECT_EQ(label(), "51\u2013100 of 120");
    click("btnLast");
    EXPECT_EQ(spinBox()->value(), 3);
    click("btnFirst");
    EXPECT_EQ(label(), "1\u201350 of 120");
    EXPECT_EQ(spinBox()->value(), 1);
    EXPECT_EQ(m_strip.currentPage(), 1u);
    EXPECT_EQ(changes, (Pages {{2u, 1u}, {3u, 2u}, {2u, 3u}, {3u, 2u}, {1u, 3u}}));
}

TEST_F(PagesStripTest, EnterInThePageBoxJumpsToTheTypedPageAndIsHeldFromTheWindow)
{
    m_strip.show();
    QApplication::setActiveWindow(&m_strip);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_strip));
    QSignalSpy changes(&m_strip, &PagesStrip::pageSelectionChange);
    QSignalSpy holds(&m_strip, &PagesStrip::enableEnterKeyHandling);

    typePage("3", Qt::Key_Return);
    // While the box has the focus the window leaves the Enter key alone.
    ASSERT_TRUE(waitUntil([&] { return !holds.isEmpty(); }));
    EXPECT_EQ(holds.takeFirst(), QList<QVariant> {false});
    EXPECT_EQ(m_strip.currentPage(), 3u);
    EXPECT_EQ(label(), "101\u2013120 of 120");
    // The current number again changes nothing, with either Enter key.
    typePage("3", Qt::Key_Return);
    typePage("3", Qt::Key_Enter);
    typePage("2", Qt::Key_Enter);
    EXPECT_TRUE(holds.isEmpty()) << "typing keeps the hold";
    // Typing alone does not move; leaving the box gives the Enter key back.
    typePage("1", Qt::Key_Tab);
    EXPECT_EQ(changes, (Pages {{3u, 1u}, {2u, 3u}}));
    EXPECT_EQ(m_strip.currentPage(), 2u);
    ASSERT_TRUE(waitUntil([&] { return !holds.isEmpty(); }));
    EXPECT_EQ(holds.takeFirst(), QList<QVariant> {true});
}

TEST_F(PagesStripTest, ResetForgetsTheFolderAndFiftyOneFilesMakeTwoPages)
{
    m_strip.reset();
    EXPECT_EQ(m_strip.pageCount(), 0u);
    EXPECT_EQ(m_strip.currentPage(), 0u);
    QSignalSpy changes(&m_strip, &PagesStrip::pageSelectionChange);
    click("btnNext");
    click("btnLast");
    EXPECT_TRUE(changes.isEmpty());

    m_strip.setInfo(0, 50, 51);
    EXPECT_EQ(m_strip.pageCount(), 2u);
    click("btnLast");
    EXPECT_EQ(label(), "51\u201351 of 51");
}
