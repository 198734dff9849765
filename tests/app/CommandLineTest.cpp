// The first argument: tray start, a file handed over or opened, and the window's first state.
#include "app/CommandLine.h"

#include "TempDirectory.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral("draftbay");

} // namespace

TEST(CommandLine, NoArgumentOrTrayOnlyCallsTheRunningCopyForward)
{
    const CommandLine none = parseCommandLine({kProgram});
    EXPECT_FALSE(none.hasArgument);
    EXPECT_FALSE(none.isTray);
    EXPECT_FALSE(none.openAfterStart);
    EXPECT_EQ(none.handOverMessage, QStringLiteral("Get the instance"));

    const CommandLine tray = parseCommandLine({kProgram, QStringLiteral("tray")});
    EXPECT_TRUE(tray.hasArgument);
    EXPECT_TRUE(tray.isTray);
    EXPECT_TRUE(tray.file.isEmpty());
    EXPECT_FALSE(tray.openAfterStart);
    EXPECT_EQ(tray.handOverMessage, QStringLiteral("Get the instance"));
}

TEST(CommandLine, TrayIsExactAndOnlyTheFirstArgumentCounts)
{
    const CommandLine upper = parseCommandLine({kProgram, QStringLiteral("Tray")});
    EXPECT_FALSE(upper.isTray);
    EXPECT_EQ(upper.file, QStringLiteral("Tray"));
    EXPECT_EQ(upper.handOverMessage, QStringLiteral("Get the instance_Tray"));

    const CommandLine trayFirst
        = parseCommandLine({kProgram, QStringLiteral("tray"), QStringLiteral("/tmp/a.qpe")});
    EXPECT_TRUE(trayFirst.isTray);
    EXPECT_EQ(trayFirst.handOverMessage, QStringLiteral("Get the instance"));

    const CommandLine fileFirst
        = parseCommandLine({kProgram, QStringLiteral("a b.qpe"), QStringLiteral("tray")});
    EXPECT_FALSE(fileFirst.isTray);
    EXPECT_EQ(fileFirst.handOverMessage, QStringLiteral("Get the instance_a b.qpe"));
}

TEST(CommandLine, FileIsHandedOverAsTypedAndOpenedOnlyWhenItExists)
{
    TestSupport::TempDirectory directory;
    directory.enter();
    TestSupport::writeFile(directory.file("sketch 1.qpe"), "pen file");
    QDir().mkdir(QStringLiteral("My Sketches"));

    const CommandLine relative = parseCommandLine({kProgram, QStringLiteral("sketch 1.qpe")});
    EXPECT_TRUE(relative.openAfterStart);
    EXPECT_EQ(relative.file, QStringLiteral("sketch 1.qpe"));
    EXPECT_EQ(relative.handOverMessage, QStringLiteral("Get the instance_sketch 1.qpe"));

    const CommandLine folder = parseCommandLine({kProgram, QStringLiteral("My Sketches")});
    EXPECT_TRUE(folder.openAfterStart);

    const CommandLine missing = parseCommandLine({kProgram, QStringLiteral("gone.qpe")});
    EXPECT_FALSE(missing.openAfterStart);
    EXPECT_EQ(missing.file, QStringLiteral("gone.qpe"));
    EXPECT_EQ(missing.handOverMessage, QStringLiteral("Get the instance_gone.qpe"));

    const CommandLine empty = parseCommandLine({kProgram, QString()});
    EXPECT_TRUE(empty.hasArgument);
    EXPECT_FALSE(empty.openAfterStart);
}

TEST(CommandLine, OnlyATrayStartWithoutReceiverVolumeStartsHidden)
{
    const CommandLine none = parseCommandLine({kProgram});
    const CommandLine tray = parseCommandLine({kProgram, QStringLiteral("tray")});
    const CommandLine file = parseCommandLine({kProgram, QStringLiteral("/tmp/x.qpe")});

    EXPECT_TRUE(startsHidden(tray, false, true));
    EXPECT_FALSE(startsHidden(tray, true, true)) << "the mounted volume shows the window";
    EXPECT_FALSE(startsHidden(tray, false, false)) << "nowhere to come back from";
    EXPECT_FALSE(startsHidden(none, false, true));
    EXPECT_FALSE(startsHidden(file, false, true));
}
