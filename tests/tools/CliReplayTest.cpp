// draftbay-cli replay: animations at the pace and size asked, and the command lines refused.
#include "CliSketchFixture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using TestSupport::ProcessResult;

namespace {

class CliReplayTest : public TestSupport::CliSketchFixture
{
protected:
    void SetUp() override { writeSketch(600, 1); }
    // The frames' size and the sum of their delays, as Qt's GIF reader sees them.
    std::pair<QSize, int> gifSizeAndDuration(const QString &path)
    {
        QImageReader reader(path, "gif");
        const QSize size = reader.size();
        int durationMs = 0;
        while (reader.canRead() && !reader.read().isNull())
            durationMs += reader.nextImageDelay();
        return {size, durationMs};
    }
    QByteArray head(const QString &path)
    {
        QFile output(path);
        return output.open(QIODevice::ReadOnly) ? output.read(12) : QByteArray();
    }
};

} // namespace

TEST_F(CliReplayTest, WritesEachFormatAtThePaceAndSizeAsked)
{
    const ProcessResult info = cli({"info", file("sketch.qpe")});
    const QRegularExpressionMatch strokes
        = QRegularExpression(R"("strokes": (\d+))").match(QString::fromUtf8(info.out));
    ASSERT_TRUE(strokes.hasMatch()) << info.out.toStdString();
    const int n = strokes.captured(1).toInt();

    // 200 ms a stroke at 20 frames a second, the complete sketch one frame and a second more.
    ASSERT_EQ(cli({"replay", file("sketch.qpe"), file("a.gif")}).exitCode, 0);
    EXPECT_EQ(gifSizeAndDuration(file("a.gif")),
              std::make_pair(QSize(800, 1131), (4 * n + 1 + 20) * 50));
    const ProcessResult faster
        = cli({"replay", file("sketch.qpe"), file("b.gif"), "--speed", "2", "--size", "120"});
    ASSERT_EQ(faster.exitCode, 0) << faster.err.toStdString();
    EXPECT_EQ(gifSizeAndDuration(file("b.gif")),
              std::make_pair(QSize(120, 170), (2 * n + 1 + 20) * 50));

    ASSERT_EQ(cli({"replay", file("sketch.qpe"), file("c.webp"), "--timed"}).exitCode, 0);
    EXPECT_TRUE(head(file("c.webp")).startsWith("RIFF"));
    EXPECT_EQ(head(file("c.webp")).mid(8, 4), "WEBP");
    ASSERT_EQ(cli({"replay", file("sketch.qpe"), file("d.MP4"), "--timed", "--speed", "8", "--size",
                   "99"})
                  .exitCode,
              0);
    EXPECT_EQ(head(file("d.MP4")).mid(4, 4), "ftyp");
}

TEST_F(CliReplayTest, RefusedCommandLinesExitWithTwoAndUnreadableSketchesWithOne)
{
    const QStringList refused[] = {
        {"replay", file("sketch.qpe")},
        {"replay", file("sketch.qpe"), file("out.avi")},
        {"replay", file("sketch.qpe"), file("out.gif"), "--speed", "0.4"},
        {"replay", file("sketch.qpe"), file("out.gif"), "--speed", "8.5"},
        {"replay", file("sketch.qpe"), file("out.gif"), "--speed", "nan"},
        {"replay", file("sketch.qpe"), file("out.gif"), "--size", "15"},
        {"replay", file("sketch.qpe"), file("out.gif"), "--size", "4097"},
        {"replay", file("sketch.qpe"), file("out.gif"), "--loop"},
    };
    for (const QStringList &arguments : refused) {
        const ProcessResult result = cli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("draftbay-cli: ")) << result.err.toStdString();
    }
    const ProcessResult missing = cli({"replay", file("missing.qpe"), file("out.gif")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("not loaded"));
    const ProcessResult unwritable = cli({"replay", file("sketch.qpe"), file("no/dir/out.mp4")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("not saved")) << unwritable.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("out.gif")));
}

// A program installed without its video module still makes GIFs, and says why it makes no MP4.
TEST_F(CliReplayTest, WithoutTheVideoModuleAVideoFailsWithTheReasonAndLeavesNoFile)
{
    ASSERT_TRUE(QDir().mkpath(file("lone")));
    const QString lone = file("lone/draftbay-cli");
    ASSERT_TRUE(QFile::copy(TestSupport::cliPath(), lone));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DRAFTBAY_MODULE_DIR"), file("lone"));
    process.setProcessEnvironment(environment);
    const QString settings = QStringLiteral(DRAFTBAY_BINARY_DIR "/bin/support/draftbayfactory.xml");
    for (const char *name : {"v.mp4", "v.gif"}) {
        process.start(lone, {"replay", file("sketch.qpe"), file(name), "--settings", settings});
        ASSERT_TRUE(process.waitForFinished(120000));
        const QByteArray err = process.readAllStandardError();
        if (QByteArray(name).endsWith(".gif")) {
            EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
            EXPECT_TRUE(QFile::exists(file(name)));
        } else {
            EXPECT_EQ(process.exitCode(), 1);
            EXPECT_TRUE(err.contains("video module could not be loaded")) << err.toStdString();
            EXPECT_FALSE(QFile::exists(file(name)));
        }
    }
}
