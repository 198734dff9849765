// The first argument: tray start, a file handed over or opened, and the window's first state.
#include "app/CommandLine.h"

#include "TempDirectory.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(CommandLine, OnlyTheFirstArgumentCountsAndOnlyAnExactTrayStartMayStartHidden)
{
    const CommandLine none = parseCommandLine({"draftbay"});
    EXPECT_FALSE(none.hasArgument);
    EXPECT_EQ(none.handOverMessage, "Get the instance");
    const CommandLine upper = parseCommandLine({"draftbay", "Tray", "tray"});
    EXPECT_FALSE(upper.isTray);
    EXPECT_EQ(upper.handOverMessage, "Get the instance_" + QDir::current().filePath("Tray"));
    const CommandLine tray = parseCommandLine({"draftbay", "tray", "/tmp/a.qpe"});
    EXPECT_TRUE(tray.hasArgument && tray.isTray && tray.file.isEmpty());
    EXPECT_EQ(tray.handOverMessage, "Get the instance");

    EXPECT_TRUE(startsHidden(tray, false, true));
    EXPECT_FALSE(startsHidden(tray, true, true)) << "the mounted volume shows the window";
    EXPECT_FALSE(startsHidden(tray, false, false)) << "nowhere to come back from";
    EXPECT_FALSE(startsHidden(upper, false, true));
}

TEST(CommandLine, FileIsHandedOverAsAnAbsolutePathAndOpenedOnlyWhenItExists)
{
    TestSupport::TempDirectory directory;
    directory.enter();
    TestSupport::writeFile(directory.file("sketch 1.qpe"), "pen file");
    QDir().mkdir("My Sketches");

    // The running copy may have another current folder: it gets the name made absolute.
    const CommandLine relative = parseCommandLine({"draftbay", "sketch 1.qpe"});
    EXPECT_TRUE(relative.openAfterStart);
    const QString absolute = QString::fromStdString(directory.file("sketch 1.qpe"));
    EXPECT_EQ(relative.file, absolute);
    EXPECT_EQ(relative.handOverMessage, "Get the instance_" + absolute);
    EXPECT_EQ(parseCommandLine({"draftbay", "/a/b.qpe"}).handOverMessage,
              "Get the instance_/a/b.qpe");
    EXPECT_TRUE(parseCommandLine({"draftbay", "My Sketches"}).openAfterStart);

    EXPECT_FALSE(parseCommandLine({"draftbay", "gone.qpe"}).openAfterStart);
    EXPECT_FALSE(parseCommandLine({"draftbay", QString()}).openAfterStart);
}
