// The layer editor driven as a user drives it: clicks on the layers, the scrubber's spin
// boxes, the buttons, and undo and redo of every command.
#include "../document/DocumentTestSupport.h"
#include "document/BackgroundLayerPath.h"
#include "document/DocumentGraphicModel.h"
#include "document/GraphicsItemsGroup.h"
#include "editor/LayerCommandBuilder.h"
#include "editor/LayerManager.h"
#include "editor/ZoomingGraphicsView.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace TestSupport;

namespace {

/// A stroke told apart by its first x, drawn at the given time (milliseconds).
Nivo::Stroke stroke(int id, unsigned long time)
{
    Nivo::Stroke stroke;
    for (int i = 0; i < 4; ++i)
        stroke.add(Nivo::Point(id * 20.0 + i, 100.0 + i * 5, 0, 500, 0, 0, time + i * 10));
    return stroke;
}

/// What a user and the save see of the editor's sketch.
struct Shown
{
    /// Per layer, the ids of its strokes.
    std::vector<std::vector<int>> strokes;
    QStringList labels;
    /// Per layer, its stroke items.
    std::vector<QList<QGraphicsItem *>> items;
    /// Per item, its icon's key: it changes whenever the icon is drawn again.
    std::vector<qint64> icons;
    bool allChecked = true;
    bool noneSelected = true;
};

class LayerEditorTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        // Layer 1: strokes 0-4, the pen resting 5 s before stroke 3; layer 2: 10-13;
        // layer 3: 20-22, named "roof".
        Nivo::Document ink;
        const std::vector<std::vector<std::pair<int, unsigned long>>> layers {
            {{0, 0}, {1, 100}, {2, 200}, {3, 5300}, {4, 5400}},
            {{10, 6000}, {11, 6100}, {12, 6200}, {13, 6300}},
            {{20, 7000}, {21, 7100}, {22, 7200}}};
        for (const auto &strokes : layers) {
            Nivo::Layer layer;
            for (const auto &[id, time] : strokes)
                layer.add(stroke(id, time));
            ink.add(layer);
        }
        ink.elements()[2].setAnnotation("tag", "roof");
        MetadataPtr shown = pressureCopyOf(ink, path("sketch.vmr"));
        ASSERT_TRUE(shown);
        m_editor.resize(1000, 700);
        m_editor.show();
        m_editor.setDocument(shown);
    }

    QListWidget &list() { return *m_editor.layerList(); }
    QPushButton &button(const char *name) { return *m_editor.findChild<QPushButton *>(name); }

    /// Clicks layers as a user does: the first plainly, the others with Control held.
    void select(std::initializer_list<int> rows)
    {
        Qt::KeyboardModifiers modifiers;
        for (int row : rows) {
            const QRect rect = list().visualItemRect(list().item(row));
            // Right of the check indicator: on the item's text.
            QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers,
                              QPoint(rect.right() - 10, rect.center().y()));
            modifiers = Qt::ControlModifier;
        }
    }
    void setHandles(int left, int right)
    {
        m_editor.findChild<QSpinBox *>("rightSpin")->setValue(right);
        m_editor.findChild<QSpinBox *>("leftSpin")->setValue(left);
    }

    Shown shown()
    {
        Shown result;
        const MetadataPtr &sketch = m_editor.document();
        for (const Nivo::Layer &layer : sketch->document()->elements()) {
            std::vector<int> ids;
            for (const Nivo::Stroke &s : layer.elements())
                ids.push_back(static_cast<int>(s.elements().front().x.value()) / 20);
            result.strokes.push_back(ids);
        }
        for (GraphicsItemsGroup *group : sketch->model()->groups())
            result.items.push_back(group->childItems());
        for (int i = 0; i < list().count(); ++i) {
            result.labels << list().item(i)->text();
            result.icons.push_back(list().item(i)->icon().cacheKey());
            result.allChecked &= list().item(i)->checkState() == Qt::Checked;
            result.noneSelected &= !list().item(i)->isSelected();
        }
        return result;
    }

    /// The scene drawn as large as the layer's icon, with that layer alone shown, in black
    /// and without the page: what the layer's icon must show.
    QImage sceneOfLayer(int layer)
    {
        DocumentGraphicModel &model = *m_editor.document()->model();
        const QIcon icon = list().item(layer)->icon();
        QImage image(icon.availableSizes().value(0), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        model.background()->setVisible(false);
        for (GraphicsItemsGroup *group : model.groups()) {
            group->setLayerVisible(group == model.groups()[layer]);
            group->setPenColor(Qt::black);
        }
        QPainter painter(&image);
        model.render(&painter, QRectF(), model.itemsBoundingRect(), Qt::KeepAspectRatio);
        painter.end();
        model.background()->setVisible(true);
        m_editor.updateItemsSelection();
        return image;
    }

    LayerManager m_editor;
};

using Ids = std::vector<std::vector<int>>;

} // namespace

TEST_F(LayerEditorTest, OpensWithOneCheckedItemPerLayerNamedByTagOrPosition)
{
    const Shown start = shown();
    EXPECT_EQ(start.labels, QStringList({"layer 1", "layer 2", "roof"}));
    EXPECT_TRUE(start.allChecked);
    for (int layer = 0; layer < 3; ++layer) {
        const QIcon icon = list().item(layer)->icon();
        const QImage expected = sceneOfLayer(layer);
        bool inked = false;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                inked |= qAlpha(expected.pixel(x, y)) > 0;
        EXPECT_TRUE(inked) << "layer " << layer << " leaves a mark";
        // The icon is dark where the layer has ink, and only there (laid a pixel wider).
        const QImage shownIcon = icon.pixmap(expected.size()).toImage();
        const auto inkAt
            = [&](int x, int y) { return x >= 0 && y >= 0 && qAlpha(expected.pixel(x, y)) > 0; };
        int misplaced = 0;
        int darkPixels = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const bool dark = qGray(shownIcon.pixel(x, y)) < 128;
                darkPixels += dark ? 1 : 0;
                if (qAlpha(expected.pixel(x, y)) > 128 && !dark)
                    ++misplaced;
                if (dark && !inkAt(x, y) && !inkAt(x - 1, y) && !inkAt(x, y - 1)
                    && !inkAt(x - 1, y - 1))
                    ++misplaced;
            }
        EXPECT_GT(darkPixels, 0) << "icon " << layer << " shows its ink";
        EXPECT_EQ(misplaced, 0) << "icon " << layer << " shows that layer alone";
    }
    EXPECT_FALSE(button("splitButton").isEnabled());
    EXPECT_FALSE(m_editor.canUndo());

    select({1});
    EXPECT_TRUE(button("splitButton").isEnabled());
    EXPECT_TRUE(button("deleteButton").isEnabled());
    EXPECT_FALSE(button("mergeButton").isEnabled());
    EXPECT_EQ(m_editor.strokeCount(), 4);
    EXPECT_EQ(m_editor.highlightedLayers(), QList<int>({1}));
    select({1, 2});
    EXPECT_TRUE(button("mergeButton").isEnabled());
    EXPECT_EQ(m_editor.strokeCount(), 0) << "the scrubber serves a single layer only";
}

TEST_F(LayerEditorTest, SplitsAtTheHandlesAndUndoesAndRedoesWithTheSameItems)
{
    struct Case
    {
        int left, right;
        Ids layers;
    };
    const Case cases[] = {
        {2, 2, {{0, 1}, {2, 3, 4}, {10, 11, 12, 13}, {20, 21, 22}}},
        {0, 3, {{0, 1, 2}, {3, 4}, {10, 11, 12, 13}, {20, 21, 22}}},
        {1, 3, {{0}, {1, 2}, {3, 4}, {10, 11, 12, 13}, {20, 21, 22}}},
        {4, 5, {{0, 1, 2, 3}, {4}, {10, 11, 12, 13}, {20, 21, 22}}},
    };
    const Shown before = shown();
    for (const Case &test : cases) {
        SCOPED_TRACE(testing::Message() << "handles " << test.left << ".." << test.right);
        select({0});
        setHandles(test.left, test.right);
        QTest::mouseClick(&button("splitButton"), Qt::LeftButton);
        const Shown split = shown();
        EXPECT_EQ(split.strokes, test.layers);
        ASSERT_EQ(split.labels.size(), static_cast<int>(test.layers.size()));
        EXPECT_EQ(split.labels.last(), "roof");
        EXPECT_EQ(split.labels.first(), "layer 1");
        EXPECT_EQ(split.labels[1], "layer 2") << "new items are numbered by their place";
        EXPECT_TRUE(split.allChecked && split.noneSelected);
        EXPECT_TRUE(m_editor.canUndo());
        const auto untouched = [](const Shown &state) {
            return std::vector<qint64>(state.icons.end() - 2, state.icons.end());
        };
        EXPECT_EQ(untouched(split), untouched(before)) << "only the new layers' icons are drawn";

        for (int round = 0; round < 2; ++round) {
            m_editor.undoStack()->undo();
            const Shown undone = shown();
            EXPECT_EQ(undone.strokes, before.strokes);
            EXPECT_EQ(undone.items, before.items) << "the split layer's own items come back";
            EXPECT_EQ(undone.labels, before.labels);
            EXPECT_TRUE(undone.allChecked && undone.noneSelected);
            EXPECT_EQ(untouched(undone), untouched(before));
            m_editor.undoStack()->redo();
            EXPECT_EQ(untouched(shown()), untouched(before));
            EXPECT_EQ(shown().strokes, split.strokes);
            EXPECT_EQ(shown().items, split.items) << "redo reuses the parts' items";
            EXPECT_EQ(shown().labels, split.labels);
        }
        m_editor.undoStack()->undo();
        EXPECT_TRUE(m_editor.undoStack()->isClean());
    }
}

TEST_F(LayerEditorTest, ACommandPushedAfterUndoDropsTheUndoneOnesWithoutHarm)
{
    // Merge, undo it, then delete one of the layers it had merged: the merge's steps end
    // while that layer's items are out of the scene, held by the delete.
    const Shown before = shown();
    select({1, 2});
    QTest::mouseClick(&button("mergeButton"), Qt::LeftButton);
    m_editor.undoStack()->undo();
    select({1});
    QTest::mouseClick(&button("deleteButton"), Qt::LeftButton);
    EXPECT_EQ(m_editor.undoStack()->count(), 1);
    m_editor.undoStack()->undo();
    EXPECT_EQ(shown().items, before.items);
    m_editor.undoStack()->redo();
    m_editor.undoStack()->undo();
    EXPECT_EQ(shown().strokes, before.strokes);
}

TEST_F(LayerEditorTest, RefusesSplitsThatLeaveTheLayerWhole)
{
    const Shown before = shown();
    for (const auto &[left, right] : {std::pair(0, 5), std::pair(0, 0), std::pair(5, 5)}) {
        select({0});
        setHandles(left, right);
        QTest::mouseClick(&button("splitButton"), Qt::LeftButton);
        ASSERT_FALSE(m_dialogs->messages.isEmpty());
        EXPECT_EQ(m_dialogs->messages.last().text,
                  "Unable to split selected layer - there is nothing to do!");
        m_dialogs->messages.clear();
        EXPECT_EQ(shown().strokes, before.strokes);
        EXPECT_FALSE(m_editor.canUndo());
    }
}

TEST_F(LayerEditorTest, MergesNeighboursInDrawingOrderAndRefusesGaps)
{
    const Shown before = shown();
    select({0, 2});
    QTest::mouseClick(&button("mergeButton"), Qt::LeftButton);
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].text,
              "Unable to merge selected layers.  Must have continuity between layers!");
    EXPECT_EQ(shown().strokes, before.strokes);

    select({2, 1});
    QTest::mouseClick(&button("mergeButton"), Qt::LeftButton);
    const Shown merged = shown();
    // The lower layer's strokes come first, as they were drawn.
    EXPECT_EQ(merged.strokes, Ids({{0, 1, 2, 3, 4}, {10, 11, 12, 13, 20, 21, 22}}));
    EXPECT_EQ(merged.labels, QStringList({"layer 1", "layer 2"}));
    EXPECT_EQ(merged.items[0], before.items[0]) << "an untouched layer keeps its items";
    for (int round = 0; round < 2; ++round) {
        m_editor.undoStack()->undo();
        EXPECT_EQ(shown().strokes, before.strokes);
        EXPECT_EQ(shown().items, before.items);
        EXPECT_EQ(shown().labels, before.labels) << "the kept items come back with their texts";
        m_editor.undoStack()->redo();
        EXPECT_EQ(shown().strokes, merged.strokes);
        EXPECT_EQ(shown().items, merged.items) << "every redo reuses the merged layer's items";
    }
}

TEST_F(LayerEditorTest, SplitAndMergeBackRestoresTheLayerAndItsReplayOrder)
{
    const Shown before = shown();
    const auto drawn = [this] { return m_editor.view()->viewport()->grab().toImage(); };
    const QImage opened = drawn();
    select({0});
    setHandles(1, 3);
    QTest::mouseClick(&button("splitButton"), Qt::LeftButton);
    select({0, 1, 2});
    QTest::mouseClick(&button("mergeButton"), Qt::LeftButton);
    EXPECT_EQ(shown().strokes, before.strokes);
    EXPECT_EQ(drawn(), opened) << "the parts' and the merged layer's items draw as the first";
}

TEST_F(LayerEditorTest, DeletesSelectedLayersWithoutAskingAndBringsThemBack)
{
    const Shown before = shown();
    QSignalSpy modified(&m_editor, &LayerManager::signalSaveEnable);
    select({0, 2});
    QTest::mouseClick(&button("deleteButton"), Qt::LeftButton);
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(shown().strokes, Ids({{10, 11, 12, 13}}));
    EXPECT_EQ(shown().labels, QStringList({"layer 1"}));
    ASSERT_FALSE(modified.isEmpty());
    EXPECT_TRUE(modified.last().at(0).toBool());
    for (int round = 0; round < 2; ++round) {
        m_editor.undoStack()->undo();
        EXPECT_EQ(shown().strokes, before.strokes);
        EXPECT_EQ(shown().items, before.items);
        EXPECT_EQ(shown().labels, before.labels);
        m_editor.undoStack()->redo();
        EXPECT_EQ(shown().strokes, Ids({{10, 11, 12, 13}}));
    }
    m_editor.undoStack()->undo();
    EXPECT_FALSE(modified.last().at(0).toBool()) << "back where it was saved";
}

TEST_F(LayerEditorTest, SplitsAtThePausesOfThePenInOneCommand)
{
    select({0});
    QTest::mouseClick(&button("pausesButton"), Qt::LeftButton);
    EXPECT_EQ(shown().strokes, Ids({{0, 1, 2}, {3, 4}, {10, 11, 12, 13}, {20, 21, 22}}));
    EXPECT_EQ(m_editor.undoStack()->count(), 1);
    m_editor.undoStack()->undo();
    EXPECT_EQ(shown().strokes.size(), 3U);

    select({1});
    QTest::mouseClick(&button("pausesButton"), Qt::LeftButton);
    EXPECT_FALSE(m_editor.canUndo()) << "no pause in the second layer";
    EXPECT_EQ(m_dialogs->messages.size(), 1);
}

// Where the handles cut shows in the splits above; here the pause a restarted clock is not.
TEST_F(LayerEditorTest, APenClockThatRestartsForANewSheetIsNoPause)
{
    Nivo::Layer layer;
    layer.add(stroke(0, 9000));
    layer.add(stroke(1, 100));
    layer.add(stroke(2, 3200));
    EXPECT_EQ(LayerCommandBuilder::pauseCuts(layer, 3000), QList<int>({2}));
}

TEST_F(LayerEditorTest, RotationMarksTheSketchModified)
{
    QSignalSpy modified(&m_editor, &LayerManager::signalSaveEnable);
    const Shown before = shown();
    m_editor.rotateClockwiseSlot();
    EXPECT_EQ(m_editor.getRotation(), 45);
    for (std::size_t i = 0; i < before.icons.size(); ++i)
        EXPECT_NE(shown().icons[i], before.icons[i]) << "every layer turned: icon " << i;
    ASSERT_FALSE(modified.isEmpty());
    EXPECT_TRUE(modified.last().at(0).toBool());
    m_editor.rotateCounterclockwiseSlot();
    EXPECT_EQ(m_editor.getRotation(), 0);
    EXPECT_FALSE(modified.last().at(0).toBool());
}
