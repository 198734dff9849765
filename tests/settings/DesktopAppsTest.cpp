// The desktop's drawing applications found in XDG data folders made for each test, and the
// store's copy of what its probe found.
#include "settings/DesktopApps.h"

#include "TempDirectory.h"
#include "settings/ApplSettings.h"
#include "settings/InstalledAppsProbe.h"
#include "settings/MemoryRegistry.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class DesktopAppsTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const
    {
        return QString::fromStdString(m_directory.path()) + QLatin1Char('/') + relative;
    }
    void write(const QString &relative, const QByteArray &text) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    /// An executable file in the search path; its path.
    QString program(const QString &name) const
    {
        write(QStringLiteral("bin/") + name, "#!/bin/sh\n");
        QFile::setPermissions(path(QStringLiteral("bin/") + name),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path(QStringLiteral("bin/") + name);
    }
    QStringList folders() const
    {
        return {path("home/applications"), path("sys1/applications"), path("sys2/applications")};
    }
    QStringList searchPath() const { return {path("bin")}; }

    TestSupport::TempDirectory m_directory;
};

} // namespace

TEST_F(DesktopAppsTest, FirstEntryOfAnIdDecidesAndOnlyStartableEntriesAreOffered)
{
    for (const char *name : {"flatpak", "gimp-2.10", "krita", "mypaint", "inkscape", "vim"})
        program(name);
    const QString inkscape = program("ink scape");
    write("home/applications/org.inkscape.Inkscape.desktop",
          "[Desktop Entry]\nType=Application\nName=Inkscape 1.3\nIcon=org.inkscape.Inkscape\n"
          "Exec=\""
              + inkscape.toUtf8()
              + "\" --title=%c \"50% \\\"zoom\\\"\" \"a\\\\\\\\b\" %i --from=%k %d %F %f \\$HOME "
                "100%%\n"
                "MimeType=image/svg+xml;application/pdf;\n");
    write("home/applications/gimp.desktop",
          "[Desktop Entry]\nType=Application\nName=GIMP\nExec=gimp-2.10 %U\nHidden=true\n");
    write("home/applications/mypaint.desktop",
          "[Desktop Entry]\nType=Application\nName=MyPaint\nTryExec=no-such-mypaint\nExec=mypaint "
          "%f\n");
    write("sys1/applications/gimp.desktop",
          "[Desktop Entry]\nType=Application\n"
          "Name=GNU Image Manipulation Program\nExec=gimp-2.10 %U\n");
    write("sys1/applications/org.inkscape.Inkscape.desktop",
          "[Desktop Entry]\nType=Application\nName=Inkscape\nExec=inkscape %F\n");
    write("sys1/applications/krita_kra.desktop",
          "[Desktop Entry]\nType=Application\nName=Krita\nNoDisplay=true\nExec=krita --kra %f\n");
    write("sys1/applications/vim.desktop",
          "[Desktop Entry]\nType=Application\nName=Vim\nExec=vim %F\n");
    write("sys2/applications/org.gimp.GIMP.desktop",
          "# A sandboxed copy\n[Desktop Entry]\nVersion=1.0\nType = Application\n"
          "Name=GNU Image Manipulation Program\nName[de]=GNU Bildbearbeitung\n"
          "X-GNOME-Bugzilla-Version=2.10.36\nTryExec=flatpak\nIcon=org.gimp.GIMP\n"
          "Exec="
              + path("bin/flatpak").toUtf8()
              + " run --branch=stable org.gimp.GIMP @@u %U @@\n"
                "MimeType=image/openraster;image/png;\n\n[Desktop Action new]\nExec=gimp-2.10 "
                "--new\n");
    write("sys2/applications/org.kde.krita.desktop",
          "[Desktop Entry]\nType=Application\nName=Krita\nIcon=krita\nExec=krita %U\n");
    write("sys2/applications/graphics/mypaint.desktop",
          "[Desktop Entry]\nType=Application\nName=MyPaint 2.0.1\nTryExec=mypaint\nExec=mypaint -f "
          "%f\n");

    const QList<InstalledApp> found = findDesktopApps(folders(), searchPath());
    ASSERT_EQ(found.size(), 4);

    const InstalledApp &gimp = found[0];
    EXPECT_EQ(gimp.name, "GIMP") << "hidden in the user's folder, found under another id";
    EXPECT_EQ(gimp.version, "2.10.36");
    EXPECT_EQ(gimp.program, path("bin/flatpak"));
    EXPECT_EQ(gimp.executable, gimp.program);
    EXPECT_EQ(gimp.arguments,
              QStringList({"run", "--branch=stable", "org.gimp.GIMP", "@@u", "%f", "@@"}));
    EXPECT_EQ(gimp.iconName, "org.gimp.GIMP");
    EXPECT_EQ(gimp.mimeTypes, QStringList({"image/openraster", "image/png"}));
    EXPECT_EQ(gimp.handOff, HandOff::OpenRaster) << "it says it opens OpenRaster files";

    EXPECT_EQ(found[1].name, "Krita");
    EXPECT_EQ(found[1].arguments, QStringList {"%f"}) << "the per-format entry is not displayed";
    EXPECT_TRUE(found[1].version.isEmpty());
    EXPECT_EQ(found[1].handOff, HandOff::OpenRaster);
    EXPECT_EQ(found[2].name, "MyPaint");
    EXPECT_EQ(found[2].version, "2.0.1");
    EXPECT_EQ(found[2].arguments, QStringList({"-f", "%f"})) << "the user's entry cannot start";
    EXPECT_EQ(found[2].handOff, HandOff::OpenRaster);

    const InstalledApp &ink = found[3];
    EXPECT_EQ(ink.name, "Inkscape");
    EXPECT_EQ(ink.version, "1.3");
    EXPECT_EQ(ink.handOff, HandOff::LayeredSvg);
    EXPECT_EQ(ink.mimeTypes, QStringList({"image/svg+xml", "application/pdf"}));
    const LaunchCommand command = launchCommand(ink, "/tmp/a 50%f.svg");
    EXPECT_EQ(command.program, inkscape);
    EXPECT_EQ(command.arguments,
              QStringList({"--title=Inkscape 1.3", "50% \"zoom\"", "a\\b", "--icon",
                           "org.inkscape.Inkscape",
                           "--from=" + path("home/applications/org.inkscape.Inkscape.desktop"),
                           "/tmp/a 50%f.svg", "$HOME", "100%"}));
}

TEST_F(DesktopAppsTest, EntriesThatCannotStartOrAreNoApplicationAreNotOffered)
{
    program("krita");
    const char *const entries[] = {
        "[Desktop Entry]\nType=Application\nName=Krita\nExec=\"krita %U\n",
        "[Desktop Entry]\nType=Link\nName=Krita\nExec=krita\n",
        "[Desktop Entry]\nName=Krita\nExec=krita\n",
        "[Desktop Entry]\nType=Application\nName=Krita\nExec=missing-krita %U\n",
        "[Desktop Entry]\nType=Application\nName=Krita\nExec=\n",
        "[Desktop Entry]\nType=Application\nName=Krita\nExec=%U\n",
        "[Desktop Entry]\nType=Application\nName=Krita\nExec=bin/krita\n",
        "[Desktop Entry]\nType=Application\nName=Krita\nTryExec=/no/such/krita\nExec=krita\n",
        "[Desktop Entry]\nType=Application\nName=Krita\n[Desktop Action new]\nExec=krita\n",
        "[Desktop Action new]\nType=Application\nName=Krita\nExec=krita\n",
    };
    for (const char *entry : entries) {
        SCOPED_TRACE(entry);
        write("sys1/applications/org.kde.krita.desktop", entry);
        EXPECT_TRUE(findDesktopApps(folders(), searchPath()).isEmpty());
    }
    write("sys1/applications/org.kde.krita.desktop",
          "[Desktop Entry]\nType=Application\nName=Krita\nTryExec=" + path("bin/krita").toUtf8()
              + "\nExec=krita\n");
    EXPECT_EQ(findDesktopApps(folders(), searchPath()).size(), 1);
    EXPECT_TRUE(findDesktopApps(folders(), {}).isEmpty()) << "a bare name needs the search path";
}

// A GIMP that lists Photoshop files but not OpenRaster ones among what it opens.
TEST_F(DesktopAppsTest, AnApplicationGetsALayeredFileItSaysItOpens)
{
    program("gimp-2.10");
    write("sys1/applications/gimp.desktop",
          "[Desktop Entry]\nType=Application\nName=GIMP\nExec=gimp-2.10 %U\n"
          "MimeType=image/x-xcf;image/x-psd;image/png;\n");
    const QList<InstalledApp> found = findDesktopApps(folders(), searchPath());
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].handOff, HandOff::LayeredPsd);
}

TEST(DesktopApps, ApplicationFoldersFollowTheXdgDefaultsAndIgnoreRelativeFolders)
{
    EXPECT_EQ(xdgApplicationFolders({}, {}, "/home/u"),
              QStringList({"/home/u/.local/share/applications", "/usr/local/share/applications",
                           "/usr/share/applications"}));
    EXPECT_EQ(
        xdgApplicationFolders("/data/", "relative:/opt/share/::/usr/share", "/home/u"),
        QStringList({"/data/applications", "/opt/share/applications", "/usr/share/applications"}));
    EXPECT_EQ(xdgApplicationFolders("relative", "/usr/share", "/home/u").first(),
              "/home/u/.local/share/applications");
}

TEST_F(DesktopAppsTest, SettingsStoreKeepsWhatItsProbeFound)
{
    const QString krita = program("krita");
    write("sys2/applications/org.kde.krita.desktop",
          "[Desktop Entry]\nType=Application\nName=Krita\nExec=krita %U\n");
    MemoryRegistry registry;
    registry.setValue(RegistryRoot::LocalMachine,
                      "SOFTWARE\\Autodesk\\SketchBook Pro\\6.0\\InstallLocation", {}, "C:\\SBP6\\");
    setInstalledAppsProbeFactory([&] {
        ProbeSources sources;
        sources.registry = &registry;
        sources.applicationFolders = folders();
        sources.searchPath = searchPath();
        return std::make_unique<InstalledAppsProbe>(sources);
    });
    ApplSettings settings;
    setInstalledAppsProbeFactory([] { return std::make_unique<InstalledAppsProbe>(); });

    const QList<InstalledApp> applications = settings.installedApplications();
    ASSERT_EQ(applications.size(), 2);
    EXPECT_EQ(applications[0].name, "SketchBook Pro");
    EXPECT_EQ(applications[1].name, "Krita");
    EXPECT_EQ(settings.probeText(),
              "SketchBook Pro 6.0: C:\\SBP6\\SketchBookPro.exe\nKrita: " + krita + " %f");
    EXPECT_TRUE(ApplSettings().installedApplications().isEmpty());
}
