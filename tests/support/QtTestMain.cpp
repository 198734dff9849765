// The main of every Qt test program: offscreen platform unless one is set, one QApplication.
#include "settings/InstalledAppsProbe.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // What this machine has installed never shows in a test's menus.
    setInstalledAppsProbeFactory([] { return std::make_unique<InstalledAppsProbe>(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
