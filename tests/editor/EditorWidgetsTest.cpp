// The layer editor's span slider, name dialog and layer list, driven by mouse and keyboard.
#include "editor/LimitedInputDialog.h"
#include "editor/ListWidgetNivo.h"
#include "editor/SpanSlider.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

using Handle = SpanSlider::Handle;

class SpanSliderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        slider.setRange(0, 40);
        slider.setSpan(10, 20);
        slider.resize(400, 30);
        slider.show();
    }

    QPoint centre(Handle handle) const { return slider.handleRect(handle).center(); }
    QPoint at(int x) const { return {x, centre(Handle::Lower).y()}; }
    void press(QPoint pos) { QTest::mousePress(&slider, Qt::LeftButton, {}, pos); }
    void move(QPoint pos) { QTest::mouseMove(&slider, pos); }
    void release(QPoint pos) { QTest::mouseRelease(&slider, Qt::LeftButton, {}, pos); }
    void drag(QPoint from, QPoint to)
    {
        press(from);
        move(to);
        release(to);
    }
    std::pair<int, int> span() const { return {slider.lowerValue(), slider.upperValue()}; }

    SpanSlider slider;
};

TEST_F(SpanSliderTest, SettersKeepOrderAndRangeAndSignalOnlyChanges)
{
    QSignalSpy lowers(&slider, &SpanSlider::lowerValueChanged);
    QSignalSpy uppers(&slider, &SpanSlider::upperValueChanged);
    QSignalSpy spans(&slider, &SpanSlider::spanChanged);
    slider.setSpan(10, 20);
    slider.setLowerValue(10);
    EXPECT_EQ(spans.count(), 0);

    slider.setUpperValue(5);
    EXPECT_EQ(span(), std::make_pair(10, 10));
    slider.setLowerValue(25);
    EXPECT_EQ(span(), std::make_pair(10, 10));
    slider.setSpan(35, 12);
    EXPECT_EQ(span(), std::make_pair(12, 35));
    slider.setRange(15, 30);
    EXPECT_EQ(span(), std::make_pair(15, 30));
    slider.setSpan(-5, 99);
    EXPECT_EQ(span(), std::make_pair(15, 30));

    ASSERT_EQ(lowers.count(), 2);
    EXPECT_EQ(lowers[1][0].toInt(), 15);
    ASSERT_EQ(uppers.count(), 3);
    EXPECT_EQ(uppers[0][0].toInt(), 10);
    EXPECT_EQ(uppers[2][0].toInt(), 30);
    EXPECT_EQ(spans.count(), 3);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&slider);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Description), "From 15 to 30 of 30");
}

TEST_F(SpanSliderTest, DraggedHandlesStopAtEachOtherAndAtTheEnds)
{
    // Where the handles are stacked, the drag's direction picks one, not the focus.
    drag(centre(Handle::Upper), at(-50));
    EXPECT_EQ(span(), std::make_pair(10, 10));
    drag(centre(Handle::Upper), at(-50));
    EXPECT_EQ(span(), std::make_pair(0, 10));
    drag(centre(Handle::Lower), at(500));
    EXPECT_EQ(span(), std::make_pair(10, 10));
    drag(centre(Handle::Lower), at(500));
    EXPECT_EQ(span(), std::make_pair(10, 40));
    EXPECT_EQ(slider.focusedHandle(), Handle::Upper);
}

TEST_F(SpanSliderTest, DraggingTheSpanKeepsItsWidthUpToTheEnds)
{
    const QPoint lower = centre(Handle::Lower);
    const int width = centre(Handle::Upper).x() - lower.x();
    const QPoint between = at(lower.x() + width / 2);
    press(between);
    move(between + QPoint(width, 0));
    EXPECT_EQ(span(), std::make_pair(20, 30));
    move(at(2000));
    EXPECT_EQ(span(), std::make_pair(30, 40));
    move(at(-2000));
    EXPECT_EQ(span(), std::make_pair(0, 10));
    release(at(-2000));
}

TEST_F(SpanSliderTest, PressOnTheGrooveBringsTheNearerHandle)
{
    drag(at(395), at(395));
    EXPECT_EQ(span(), std::make_pair(10, 40));
    EXPECT_EQ(slider.focusedHandle(), Handle::Upper);
    // The handle brought by the press follows the drag that goes on from there.
    drag(at(2), at(500));
    EXPECT_EQ(span(), std::make_pair(40, 40));
}

TEST_F(SpanSliderTest, KeysAndWheelMoveTheFocusedHandleAndTabSwitchesIt)
{
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(span(), std::make_pair(11, 20));
    QTest::keyClick(&slider, Qt::Key_Tab);
    QTest::keyClick(&slider, Qt::Key_Up);
    QTest::keyClick(&slider, Qt::Key_PageUp);
    EXPECT_EQ(span(), std::make_pair(11, 31));
    QTest::keyClick(&slider, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(span(), std::make_pair(31, 31));
    QTest::keyClick(&slider, Qt::Key_Home);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(span(), std::make_pair(0, 31));

    drag(centre(Handle::Upper), centre(Handle::Upper));
    QTest::keyClick(&slider, Qt::Key_PageDown);
    EXPECT_EQ(span(), std::make_pair(0, 21));
    QWheelEvent wheel(QPointF(5, 5), slider.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&slider, &wheel);
    EXPECT_EQ(slider.lowerValue(), 0);
    EXPECT_LT(slider.upperValue(), 21);
}

TEST_F(SpanSliderTest, PaintsTheGrooveInThreeColoursUnderTheHandles)
{
    slider.setSpanColors(Qt::red, Qt::green, Qt::blue);
    const QImage image = slider.grab().toImage();
    const QRect lower = slider.handleRect(Handle::Lower);
    const QRect upper = slider.handleRect(Handle::Upper);
    const int y = lower.center().y();
    EXPECT_EQ(image.pixelColor(lower.left() / 2, y), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor((lower.right() + upper.left()) / 2, y), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor((upper.right() + slider.width()) / 2, y), QColor(Qt::blue));
    for (const QPoint handle : {lower.center(), upper.center()}) {
        const QColor color = image.pixelColor(handle);
        EXPECT_NE(color, QColor(Qt::red));
        EXPECT_NE(color, QColor(Qt::green));
        EXPECT_NE(color, QColor(Qt::blue));
    }
}

TEST(LimitedInputDialog, CutsTextBeyondTheLimitAndSaysSoUntilItFits)
{
    LimitedInputDialog dialog(nullptr, "Layer name:", 5, "Ink");
    EXPECT_EQ(dialog.windowTitle(), "Quillo Draftbay");
    QLineEdit *edit = dialog.lineEdit();
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "abcd");
    EXPECT_EQ(dialog.textValue(), "Inkab");
    EXPECT_EQ(edit->toolTip(), "String is too long");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "Inka");
    EXPECT_TRUE(edit->toolTip().isEmpty());
    // Typing in the middle keeps the cursor where the typing goes on.
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, "XYZ");
    EXPECT_EQ(dialog.textValue(), "XYZIn");
    EXPECT_EQ(edit->toolTip(), "String is too long");

    LimitedInputDialog preset(nullptr, "Layer name:", 3, "Layer 1");
    EXPECT_EQ(preset.textValue(), "Lay");
    EXPECT_EQ(preset.lineEdit()->toolTip(), "String is too long");
}

class LayerListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (QListWidget *view : std::initializer_list<QListWidget *> {&list, &plain}) {
            for (const char *name : {"Layer 1", "Layer 2", "Layer 3"}) {
                auto *item = new QListWidgetItem(name, view);
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Checked);
            }
            view->resize(200, 200);
            view->show();
        }
    }

    /// Right-clicks through the window, as the platform delivers it.
    void rightClick(QPoint viewportPos)
    {
        QTest::mouseClick(list.windowHandle(), Qt::RightButton, {},
                          list.viewport()->mapTo(&list, viewportPos));
    }
    void hover(QPoint viewportPos)
    {
        QTest::mouseMove(list.windowHandle(), list.viewport()->mapTo(&list, viewportPos));
    }
    QRect rowRect(int row) const { return list.visualItemRect(list.item(row)); }
    /// Left in the row, where the style puts the check box.
    QPoint checkBoxPoint(int row) const
    {
        const int indicator = list.style()->pixelMetric(QStyle::PM_IndicatorWidth);
        return {rowRect(row).left() + indicator / 2 + 3, rowRect(row).center().y()};
    }

    ListWidgetNivo list;
    QListWidget plain;
};

TEST_F(LayerListTest, ContextMenuOpensOverALayerWhileRightClicksArePermitted)
{
    QSignalSpy deletes(&list, &ListWidgetNivo::deleteItemSignal);
    QSignalSpy renames(&list, &ListWidgetNivo::renameItemSignal);
    QMenu *menu = list.contextMenu();
    EXPECT_FALSE(menu->accessibleName().isEmpty());
    rightClick(rowRect(1).center());
    EXPECT_EQ(list.getSelectedLayerIndex(), 1);
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_D);
    EXPECT_EQ(deletes.count(), 1);
    EXPECT_FALSE(menu->isVisible());

    rightClick(rowRect(2).center());
    QTest::keyClick(menu, Qt::Key_R);
    EXPECT_EQ(renames.count(), 1);

    rightClick(QPoint(100, rowRect(2).bottom() + 30));
    EXPECT_EQ(list.getSelectedLayerIndex(), -1);
    EXPECT_FALSE(menu->isVisible());
    list.deleteCurrentLayerSlot();
    EXPECT_EQ(deletes.count(), 1);

    list.permitRmbClickSlot(false);
    rightClick(rowRect(0).center());
    EXPECT_EQ(list.getSelectedLayerIndex(), 0);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(LayerListTest, CheckBoxTogglesWithoutSelectingAndShowsAPointingHand)
{
    // A plain list's own click toggles the box there: the point is on the check box.
    QTest::mouseClick(plain.viewport(), Qt::LeftButton, {}, checkBoxPoint(2));
    ASSERT_EQ(plain.item(2)->checkState(), Qt::Unchecked);

    list.setCurrentRow(0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, checkBoxPoint(2));
    EXPECT_EQ(list.item(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem *> {list.item(0)});

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowRect(2).center());
    EXPECT_EQ(list.currentRow(), 2);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, checkBoxPoint(2));
    EXPECT_EQ(list.item(2)->checkState(), Qt::Checked);

    hover(checkBoxPoint(1));
    EXPECT_EQ(list.viewport()->cursor().shape(), Qt::PointingHandCursor);
    hover(rowRect(1).center());
    EXPECT_EQ(list.viewport()->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
