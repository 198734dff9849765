// The live view: strokes and layers of a session, drawing the simulated receiver's points on
// the sheet, keeping the session as a document, and the receiver leaving meanwhile.
#include "browser/LiveView.h"

#include "../device/DeviceTestSupport.h"
#include "BrowserTestSupport.h"
#include "device/DeviceManager.h"
#include "device/ReceiverIdentity.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"
#include "ink/Document.h"
#include "ink/DocumentSerializer.h"
#include "ink/InkMLDefinitions.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using namespace TestSupport;
using DeviceTest::input;

namespace {

Nivo::Point at(double x, double y, unsigned pressure)
{
    return Nivo::Point(x, y, 0, pressure, 0, 0, 0);
}

// A live report as the receiver sends it: positions in tenths of the point's units, 24 bits
// big-endian; pressure little-endian.
InputReport report(int x, int y, int pressure)
{
    const int rx = x * 10, ry = y * 10;
    return input({0x04, static_cast<unsigned char>(rx >> 16), static_cast<unsigned char>(rx >> 8),
                  static_cast<unsigned char>(rx), static_cast<unsigned char>(ry >> 16),
                  static_cast<unsigned char>(ry >> 8), static_cast<unsigned char>(ry), 0,
                  static_cast<unsigned char>(pressure), static_cast<unsigned char>(pressure >> 8),
                  0, 0});
}

class LiveViewTest : public BrowserFixture
{
protected:
    void SetUp() override
    {
        BrowserFixture::SetUp();
        m_folder = folder("sketches");
        m_receiver = DeviceTest::installSimulatedReceiver(folder("volume"));
        DeviceManager &manager = DeviceManager::instance();
        ReceiverIdentity::factoryDefaults().applyTo(manager);
        manager.start();
        ASSERT_TRUE(waitUntil([&] { return manager.currentDevice() != nullptr; }));
    }
    void TearDown() override { DeviceManager::instance().shutdown(); }

    bool isInked(const QImage &sheet, QPointF position)
    {
        return QColor(sheet.pixel(position.toPoint())).lightness() < 128;
    }

    QString m_folder;
    std::shared_ptr<SimulatedReceiver> m_receiver;
};

} // namespace

TEST(LiveSession, APenLiftEndsAStrokeAndALongPauseStartsALayer)
{
    LiveSession session;
    EXPECT_FALSE(session.add(at(0, 0, 0), 0)) << "a hovering pen draws nothing";
    EXPECT_TRUE(session.isEmpty());
    EXPECT_FALSE(session.add(at(1, 1, 500), 10));
    EXPECT_TRUE(session.add(at(2, 1, 500), 20));
    session.add(at(2, 1, 0), 30);
    session.add(at(5, 5, 400), 3020); // within three seconds: the same layer
    session.add(at(5, 5, 0), 3030);
    session.add(at(9, 9, 400), 6100); // after more than three: a new one
    ASSERT_EQ(session.layerCount(), 2);
    const auto &layers = session.document().elements();
    ASSERT_EQ(layers.front().elements().size(), 2u);
    EXPECT_EQ(layers.front().elements().front().elements().size(), 2u);
    EXPECT_EQ(layers.back().elements().front().elements().front().x.value(), 9.0);
}

TEST_F(LiveViewTest, DrawsTheReceiversPointsAndKeepsTheSessionAsADocument)
{
    LiveView view(nullptr, [this] { return m_folder; });
    QSignalSpy saved(&view, &LiveView::saved);
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.isLive(); }));
    EXPECT_EQ(m_receiver->state().mode, 4u);
    for (int x = -300; x <= 300; x += 20)
        m_receiver->queueInputReport(report(x + 400, 1000, 900));
    m_receiver->queueInputReport(report(700, 1000, 0));
    ASSERT_TRUE(waitUntil([&] {
        return !view.session().isEmpty()
            && view.session().document().elements().front().elements().front().elements().size()
            == 31;
    }));
    const QPointF middle = view.sheetPosition(at(400, 1000, 1));
    EXPECT_TRUE(isInked(view.sheet(), middle));
    EXPECT_FALSE(isInked(view.sheet(), middle + QPointF(0, 40))) << "ink only on the line";

    m_dialogs->buttonAnswers = {QMessageBox::Save};
    auto *button = view.findChild<QPushButton *>();
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(saved.count(), 1);
    // The drawing stays until the same button, now "Close", closes the view.
    EXPECT_EQ(button->text(), "Close");
    EXPECT_TRUE(view.isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(m_dialogs->messages.size(), 1) << "closing asks nothing more";
    ASSERT_TRUE(waitUntil([&] { return m_receiver->state().mode == 1u; }))
        << "the receiver is back in its resting mode";
    const QString path = saved.at(0).at(0).toString();
    EXPECT_TRUE(path.startsWith(m_folder + "/Live ") && path.endsWith(".vmr"));
    Nivo::Document reread;
    Nivo::InkMLDefinitions definitions;
    ASSERT_TRUE(Nivo::DocumentSerializer(&reread).loadFileNarrow(path.toStdString(), definitions));
    ASSERT_EQ(reread.elements().size(), 1u);
    const auto &points = reread.elements().front().elements().front().elements();
    ASSERT_EQ(points.size(), 31u);
    EXPECT_EQ(points.front().x.value(), 100.0);
    EXPECT_EQ(points.front().pressure.value(), 900u);
}

TEST_F(LiveViewTest, AReceiverPulledDuringTheSessionEndsItAndKeepsTheDrawing)
{
    LiveView view(nullptr, [this] { return m_folder; });
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.isLive(); }));
    m_receiver->queueInputReport(report(300, 500, 800));
    m_receiver->queueInputReport(report(320, 500, 800));
    ASSERT_TRUE(waitUntil([&] { return !view.session().isEmpty(); }));
    m_dialogs->buttonAnswers = {QMessageBox::Discard};
    m_receiver->unplug();
    ASSERT_TRUE(waitUntil([&] { return !view.isLive(); }));
    ASSERT_EQ(m_dialogs->messages.size(), 1) << "the session is still offered";
    EXPECT_TRUE(isInked(view.sheet(), view.sheetPosition(at(310, 500, 1))));
    EXPECT_TRUE(QDir(m_folder).entryList({"*.vmr"}).isEmpty());
    view.close();
}
