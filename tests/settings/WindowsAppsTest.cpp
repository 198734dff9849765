// The registry look-ups of the Windows applications, in memory and in a Wine prefix on disc.
#include "settings/WindowsApps.h"

#include "RecordingDialogService.h"
#include "TempDirectory.h"
#include "settings/MemoryRegistry.h"
#include "settings/WineRegistry.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kWine = QStringLiteral("/usr/bin/wine");
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kClasses = RegistryRoot::ClassesRoot;

QString folderOf(const TestSupport::TempDirectory &directory, const char *relative = "")
{
    return QDir::cleanPath(QString::fromStdString(directory.path()) + QLatin1Char('/')
                           + QLatin1String(relative));
}

void writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void registerIllustrator(MemoryRegistry &registry, const QString &identifier,
                         const QString &command)
{
    registry.setValue(kClasses, QStringLiteral("Adobe.Illustrator\\CurVer"), {}, identifier);
    registry.setValue(kClasses, identifier + QStringLiteral("\\shell\\open\\command"), {}, command);
}

} // namespace

TEST(WindowsApps, PhotoshopIsTheFirstListedVersionWithItsPluginPath)
{
    const QString photoshop = QStringLiteral("SOFTWARE\\Adobe\\Photoshop\\");
    MemoryRegistry two;
    two.setValue(kMachine, photoshop + "60.0", "ApplicationPath", "C:\\PS6\\");
    two.setValue(kMachine, photoshop + "60.0", "PluginPath", "C:\\PS6\\Plug-ins\\");
    two.setValue(kMachine, photoshop + "120.0", "PluginPath", "C:\\PS2019\\Plug-ins\\");
    const QList<InstalledApp> found = findWindowsApps(two, {}, kWine);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].name, "Adobe Photoshop");
    // The settings list keys sorted as text: "120.0/PluginPath" before "60.0/...".
    EXPECT_EQ(found[0].version, "120.0");
    EXPECT_EQ(found[0].pluginFolder, "C:\\PS2019\\Plug-ins\\");
    EXPECT_EQ(found[0].handOff, HandOff::PhotoshopLayers);
    EXPECT_TRUE(found[0].executable.isEmpty());
    EXPECT_TRUE(found[0].program.isEmpty()) << "the desktop opens its script";

    MemoryRegistry oneCharacter;
    oneCharacter.setValue(kMachine, photoshop + "8", "PluginPath", "C:\\PS\\");
    EXPECT_TRUE(findWindowsApps(oneCharacter, {}, kWine).isEmpty());
    MemoryRegistry withoutValues;
    withoutValues.addKey(kMachine, photoshop + "12.0");
    EXPECT_TRUE(findWindowsApps(withoutValues, {}, kWine).isEmpty());

    MemoryRegistry thirtyTwoBit;
    thirtyTwoBit.setValue(kMachine, "SOFTWARE\\Wow6432Node\\Adobe\\Photoshop\\12.0", "PluginPath",
                          "C:\\x86\\Plug-ins");
    const QList<InstalledApp> x86 = findWindowsApps(thirtyTwoBit, {}, kWine);
    ASSERT_EQ(x86.size(), 1);
    EXPECT_EQ(x86[0].version, "12.0");
    EXPECT_EQ(x86[0].pluginFolder, "C:\\x86\\Plug-ins");
    thirtyTwoBit.setValue(kMachine, photoshop + "13.0", "PluginPath", "C:\\x64\\Plug-ins");
    const QList<InstalledApp> both = findWindowsApps(thirtyTwoBit, {}, kWine);
    ASSERT_EQ(both.size(), 1);
    EXPECT_EQ(both[0].version, "13.0") << "the 64-bit view comes first";
}

struct IllustratorCase
{
    const char *name;
    const char *identifier;
    const char *command; ///< null: no open command registered
    const char *version;
    const char *pluginFolder; ///< null: nothing recorded
    const char *executable;
};

class IllustratorCommand : public ::testing::TestWithParam<IllustratorCase>
{ };

TEST_P(IllustratorCommand, GivesTheInstallFolderFourPartsAboveTheProgram)
{
    const IllustratorCase &c = GetParam();
    MemoryRegistry registry;
    registry.setValue(kClasses, "Adobe.Illustrator\\CurVer", {}, QString::fromUtf8(c.identifier));
    if (c.command) {
        registry.setValue(kClasses, QString::fromUtf8(c.identifier) + "\\shell\\open\\command", {},
                          QString::fromUtf8(c.command));
    }
    const QList<InstalledApp> found = findWindowsApps(registry, {}, kWine);
    if (!c.pluginFolder) {
        EXPECT_TRUE(found.isEmpty());
        return;
    }
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].name, "Adobe Illustrator");
    EXPECT_EQ(found[0].version, c.version);
    EXPECT_EQ(found[0].pluginFolder, c.pluginFolder);
    EXPECT_EQ(found[0].executable, c.executable);
    EXPECT_EQ(found[0].program, c.executable) << "the system's own registry starts it directly";
    EXPECT_EQ(found[0].handOff, HandOff::SavedDocument);
}

#define AI_EXE "\\Support Files\\Contents\\Windows\\Illustrator.exe"
INSTANTIATE_TEST_SUITE_P(
    WindowsApps, IllustratorCommand,
    ::testing::Values(
        IllustratorCase {"QuotedWithArgument", "Adobe.Illustrator.16",
                         "\"C:\\Program Files\\Adobe\\Adobe Illustrator CS6 (64 Bit)" AI_EXE
                         "\" \"%1\"",
                         "16", "C:\\Program Files\\Adobe\\Adobe Illustrator CS6 (64 Bit)\\Plug-ins",
                         "C:\\Program Files\\Adobe\\Adobe Illustrator CS6 (64 Bit)" AI_EXE},
        // A quoted program followed by no argument, or by several.
        IllustratorCase {"QuotedAlone", "Adobe.Illustrator.23",
                         "\"C:\\Program Files\\Adobe\\AI CC" AI_EXE "\"", "23",
                         "C:\\Program Files\\Adobe\\AI CC\\Plug-ins",
                         "C:\\Program Files\\Adobe\\AI CC" AI_EXE},
        IllustratorCase {"QuotedWithSeveralArguments", "Adobe.Illustrator.17",
                         "\"D:\\AI" AI_EXE "\" /n \"%1\"", "17", "D:\\AI\\Plug-ins",
                         "D:\\AI" AI_EXE},
        // Unquoted: the argument after the last blank goes, unless the program ends there.
        IllustratorCase {"UnquotedWithArgument", "Adobe.Illustrator.15",
                         "C:\\Adobe\\Illustrator CS5" AI_EXE " %1", "15",
                         "C:\\Adobe\\Illustrator CS5\\Plug-ins",
                         "C:\\Adobe\\Illustrator CS5" AI_EXE},
        IllustratorCase {"UnquotedAlone", "Adobe.Illustrator.14",
                         "C:\\Program Files\\Illustrator CS4" AI_EXE, "14",
                         "C:\\Program Files\\Illustrator CS4\\Plug-ins",
                         "C:\\Program Files\\Illustrator CS4" AI_EXE},
        // Five parts are the fewest: the install folder is then the drive.
        IllustratorCase {"FiveParts", "Adobe.Illustrator.16", "\"C:" AI_EXE "\" \"%1\"", "16",
                         "C:\\Plug-ins", "C:" AI_EXE},
        IllustratorCase {"FourParts", "Adobe.Illustrator.16",
                         "\"C:\\Windows\\Illustrator.exe\" \"%1\"", "", nullptr, nullptr},
        IllustratorCase {"IdentifierWithoutDot", "Illustrator",
                         "\"E:\\Adobe\\AI" AI_EXE "\" \"%1\"", "", "E:\\Adobe\\AI\\Plug-ins",
                         "E:\\Adobe\\AI" AI_EXE},
        IllustratorCase {"NoOpenCommand", "Adobe.Illustrator.16", nullptr, "", nullptr, nullptr}),
    [](const ::testing::TestParamInfo<IllustratorCase> &info) {
        return std::string(info.param.name);
    });
#undef AI_EXE

TEST(WindowsApps, IllustratorPluginIsCopiedForItsVersionAndBitnessOnlyWhenMissing)
{
    const struct
    {
        const char *version;
        bool is64Bit;
        const char *source;
    } cases[] = {
        {"15", true, "vmrexportfile.aip"},         {"16", false, "CS6/Win32/vmrexportfile.aip"},
        {"16", true, "CS6/x64/vmrexportfile.aip"}, {"17", false, "CCS/Win32/vmrexportfile.aip"},
        {"24", true, "CCS/x64/vmrexportfile.aip"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.version) + (c.is64Bit ? " 64-bit" : " 32-bit"));
        TestSupport::TempDirectory directory;
        const QString support = folderOf(directory, "support");
        for (const auto &each : cases)
            writeText(support + '/' + each.source, each.source);
        const QString install = c.is64Bit ? "Adobe Illustrator (64 Bit)" : "Adobe Illustrator";
        // The folder on disc is spelt in another case than the registry's path.
        const QString plugins = folderOf(directory, "c/Adobe") + '/' + install + "/plug-ins";
        QDir().mkpath(plugins);
        MemoryRegistry registry;
        registry.setDrives({{'C', folderOf(directory, "c")}});
        registerIllustrator(registry, QStringLiteral("Adobe.Illustrator.") + c.version,
                            "\"C:\\Adobe\\" + install
                                + "\\Support Files\\Contents\\Windows\\Illustrator.exe\"");
        TestSupport::ScopedDialogs dialogs;

        const QList<InstalledApp> found = findWindowsApps(registry, support, kWine);
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found[0].pluginFolder, plugins);
        EXPECT_EQ(readText(plugins + "/vmrexportfile.aip"), c.source);
        ASSERT_EQ(dialogs->messages.size(), 1);
        EXPECT_EQ(dialogs->messages[0].title, "info copy ");
        EXPECT_EQ(dialogs->messages[0].text,
                  QDir::toNativeSeparators(support + '/' + c.source) + " to "
                      + QDir::toNativeSeparators(plugins + "/vmrexportfile.aip"));

        // A plug-in already there, in any case, stays as it is and nothing is announced.
        QFile::remove(plugins + "/vmrexportfile.aip");
        writeText(plugins + "/VMRExportFile.aip", "the user's own");
        (void)findWindowsApps(registry, support, kWine);
        EXPECT_FALSE(QFile::exists(plugins + "/vmrexportfile.aip"));
        EXPECT_EQ(readText(plugins + "/VMRExportFile.aip"), "the user's own");
        // Neither a missing plug-in folder nor a missing source gives a box or a file.
        QDir(plugins).removeRecursively();
        (void)findWindowsApps(registry, support, kWine);
        QDir().mkpath(plugins);
        (void)findWindowsApps(registry, folderOf(directory, "elsewhere"), kWine);
        EXPECT_EQ(dialogs->messages.size(), 1);
        EXPECT_TRUE(QDir(plugins).isEmpty());
        // A copy that fails (a folder in the plug-in's place) is said after the announcement.
        QDir().mkpath(plugins + "/vmrexportfile.aip");
        (void)findWindowsApps(registry, support, kWine);
        ASSERT_EQ(dialogs->messages.size(), 3);
        EXPECT_TRUE(dialogs->messages[2].text.startsWith("The Illustrator plug-in could not be"));
    }
}

TEST(WindowsApps, SketchBookDesignerPrefersRelease2InThe64BitViewOnly)
{
    const QString key
        = QStringLiteral("SOFTWARE\\Autodesk\\SketchBookDesigner\\%1\\SketchBookDesigner-1:409");
    MemoryRegistry registry;
    registry.setValue(kMachine, key.arg("1.1"), "Installation Location", "C:\\SBD11");
    registry.setValue(kMachine, key.arg("1.1"), "Product Name",
                      "Autodesk SketchBook Designer 2011");
    registry.setValue(kMachine, key.arg("2.0"), "Installation Location", "C:\\SBD2\\");
    QList<InstalledApp> found = findWindowsApps(registry, {}, kWine);
    ASSERT_EQ(found.size(), 1) << "release 2.0 lacks its product name";
    EXPECT_EQ(found[0].name, "Autodesk SketchBook Designer 2011");
    EXPECT_EQ(found[0].executable, "C:\\SBD11\\bin\\SketchBookDesigner.exe");

    registry.setValue(kMachine, key.arg("2.0"), "product name",
                      "Autodesk SketchBook Designer 2012");
    found = findWindowsApps(registry, {}, kWine);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].name, "Autodesk SketchBook Designer 2012");
    EXPECT_EQ(found[0].executable, "C:\\SBD2\\bin\\SketchBookDesigner.exe");
    EXPECT_TRUE(found[0].version.isEmpty());

    MemoryRegistry thirtyTwoBit;
    const QString wow = QStringLiteral(
        "SOFTWARE\\Wow6432Node\\Autodesk\\SketchBookDesigner\\2.0\\SketchBookDesigner-1:409");
    thirtyTwoBit.setValue(kMachine, wow, "Installation Location", "C:\\SBD2\\");
    thirtyTwoBit.setValue(kMachine, wow, "Product Name", "Autodesk SketchBook Designer 2012");
    EXPECT_TRUE(findWindowsApps(thirtyTwoBit, {}, kWine).isEmpty());
}

TEST(WindowsApps, SketchBookProIsTheNewestReleaseWithALocation)
{
    const QString pro = QStringLiteral("SOFTWARE\\Autodesk\\SketchBook Pro\\%1\\InstallLocation");
    const QString pro2011
        = QStringLiteral("SOFTWARE\\Autodesk\\SketchBookPro\\2011\\InstallLocation");
    const QString wow2011
        = QStringLiteral("SOFTWARE\\Wow6432Node\\Autodesk\\SketchBookPro\\2011\\InstallLocation");
    const auto only = [](const MemoryRegistry &registry) {
        const QList<InstalledApp> found = findWindowsApps(registry, {}, kWine);
        return found.size() == 1 ? found[0].version + ' ' + found[0].executable
                                 : QString::number(found.size());
    };
    MemoryRegistry all;
    all.setValue(kMachine, pro2011, {}, "C:\\SBP2011\\");
    all.setValue(kMachine, pro.arg("5.0"), {}, "C:\\SBP5\\");
    all.setValue(kMachine, pro.arg("6.0"), {}, "C:\\SBP6\\");
    EXPECT_EQ(only(all), "6.0 C:\\SBP6\\SketchBookPro.exe");
    EXPECT_EQ(findWindowsApps(all, {}, kWine)[0].name, "SketchBook Pro");

    // An empty 6.0 location names no program; 5.0 in the 32-bit view comes before 2011.
    MemoryRegistry older;
    older.setValue(kMachine, pro.arg("6.0"), {}, {});
    older.setValue(kMachine, "SOFTWARE\\Wow6432Node\\" + pro.arg("5.0").mid(9), {}, "C:/SBP 5");
    older.setValue(kMachine, pro2011, {}, "C:\\SBP2011\\");
    EXPECT_EQ(only(older), "5.0 C:\\SBP 5\\SketchBookPro.exe");

    MemoryRegistry oldest;
    oldest.setValue(kMachine, pro2011, {}, {});
    EXPECT_EQ(only(oldest), "0");
    oldest.setValue(kMachine, wow2011, {}, "C:\\SBP2011\\");
    EXPECT_EQ(only(oldest), "2011 C:\\SBP2011\\SketchBookPro.exe");
}

TEST(WindowsApps, UnderWineApplicationsStartThroughWineAndAreHandedWindowsPaths)
{
    TestSupport::TempDirectory directory;
    const QString driveC = folderOf(directory, "drive_c");
    const QString sbpFolder = driveC + "/Program Files/Apps 100%/SBP";
    writeText(sbpFolder + "/SketchBookPro.exe", "MZ");
    MemoryRegistry registry;
    registry.setDrives({{'C', driveC}, {'Z', "/"}});
    registry.setValue(kMachine, "SOFTWARE\\Adobe\\Photoshop\\12.0", "PluginPath",
                      "C:\\PS\\Plug-ins");
    registerIllustrator(registry, "Adobe.Illustrator.16",
                        "\"C:\\AI\\Support Files\\Contents\\Windows\\Illustrator.exe\" \"%1\"");
    const QString designer
        = "SOFTWARE\\Autodesk\\SketchBookDesigner\\2.0\\SketchBookDesigner-1:409";
    registry.setValue(kMachine, designer, "Installation Location", "C:\\SBD\\");
    registry.setValue(kMachine, designer, "Product Name", "Autodesk SketchBook Designer 2012");
    registry.setValue(kMachine, "SOFTWARE\\Autodesk\\SketchBook Pro\\6.0\\InstallLocation", {},
                      "c:\\program files\\apps 100%\\SBP\\");

    const QList<InstalledApp> found = findWindowsApps(registry, {}, kWine);
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found[0].name, "Adobe Photoshop");
    EXPECT_EQ(found[1].name, "Adobe Illustrator");
    EXPECT_EQ(found[2].name, "Autodesk SketchBook Designer 2012");
    EXPECT_EQ(found[3].name, "SketchBook Pro");
    const InstalledApp &pro = found[3];
    // Parts of the path are found in the case they have on disc.
    EXPECT_EQ(pro.executable, sbpFolder + "/SketchBookPro.exe");
    EXPECT_EQ(found[1].pluginFolder, driveC + "/AI/Plug-ins");
    EXPECT_EQ(found[0].pluginFolder, driveC + "/PS/Plug-ins");

    const LaunchCommand outside = launchCommand(pro, "/tmp/0101/sketch 1.vmr");
    EXPECT_EQ(outside.program, kWine);
    EXPECT_EQ(outside.arguments,
              QStringList({"c:\\program files\\apps 100%\\SBP\\SketchBookPro.exe",
                           "Z:\\tmp\\0101\\sketch 1.vmr"}));
    EXPECT_EQ(launchCommand(pro, driveC + "/users/me/a.vmr").arguments.last(),
              "C:\\users\\me\\a.vmr");
    const LaunchCommand script = launchCommand(found[0], "/opt/draftbay/ExecuteJavaScript.vbs");
    EXPECT_EQ(script.program, kWine);
    EXPECT_EQ(script.arguments,
              QStringList({"cscript.exe", "Z:\\opt\\draftbay\\ExecuteJavaScript.vbs"}));

    registry.setDrives({{'C', driveC}});
    EXPECT_EQ(launchCommand(findWindowsApps(registry, {}, kWine)[3], "/tmp/a.vmr").arguments.last(),
              "/tmp/a.vmr")
        << "a file on no drive keeps its host path";
}

TEST(WineRegistry, ReadsTheEscapedKeysAndValuesOfThePrefixFiles)
{
    TestSupport::TempDirectory directory;
    const QString prefix = folderOf(directory, "prefix");
    writeText(
        prefix + "/system.reg",
        "WINE REGISTRY Version 2\n"
        ";; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
        "[Software\\\\Adobe\\\\Photoshop\\\\12.0] 1335519876\n"
        "#time=1cd24a5b4e1c2f0\n"
        "\"ApplicationPath\"=\"C:\\\\Program Files\\\\Adobe\\\\Photoshop CS5\\\\\"\n"
        "\"Quoted \\\"name\\\"\"=\"say \\\"cheese\\\"\"\r\n"
        "\"Accented\"=\"Caf\\xe9\\x263a!\\x41\"\n"
        "\"Broken\"=\"no end\n"
        "garbage line\n"
        "\"Count\"=dword:0000001a\n"
        "\"Expand\"=str(2):\"%ProgramFiles%\\\\Adobe\"\n"
        "\"Plain\"=str:\"plain\"\n"
        "\"Hex\"=hex(2):43,00,3a,00,5c,00,\\\n  41,00,00,00\n"
        "@=\"the default\"\n\n"
        "[Software\\\\Classes\\\\Adobe.Illustrator\\\\CurVer] 1335519876\n"
        "@=\"Adobe.Illustrator.15\"\n"
        "\"MachineOnly\"=\"kept\"\n\n"
        "[Software\\\\Wow6432Node\\\\Autodesk\\\\SketchBook Pro\\\\5.0\\\\InstallLocation] 1\n"
        "@=\"C:\\\\SBP5\\\\\"\n");
    writeText(prefix + "/user.reg",
              "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
              "[Software\\\\Classes\\\\Adobe.Illustrator\\\\CurVer] 1335519876\n"
              "@=\"Adobe.Illustrator.16\"\n");
    const std::unique_ptr<WineRegistry> registry = WineRegistry::open(prefix);
    ASSERT_TRUE(registry);
    EXPECT_TRUE(registry->is64BitSystem());
    const std::optional<RegistryKey> photoshop
        = registry->key(kMachine, "software\\ADOBE\\photoshop\\12.0", RegistryView::Bits64);
    ASSERT_TRUE(photoshop);
    const auto value = [&](const char *name) { return photoshop->value(name).value_or("(none)"); };
    EXPECT_EQ(value("applicationpath"), "C:\\Program Files\\Adobe\\Photoshop CS5\\");
    EXPECT_EQ(value("Quoted \"name\""), "say \"cheese\"");
    EXPECT_EQ(value("Accented"), QString::fromUtf8("Caf\u00e9\u263a!A"));
    EXPECT_EQ(value("Broken"), "(none)");
    EXPECT_EQ(value("Count"), "26");
    EXPECT_EQ(value("Expand"), "%ProgramFiles%\\Adobe");
    EXPECT_EQ(value("Plain"), "plain");
    EXPECT_EQ(value("Hex"), "C:\\A");
    EXPECT_EQ(photoshop->defaultValue(), "the default");
    EXPECT_EQ(registry->key(kMachine, "Software\\Adobe", RegistryView::Bits64)->subkeys,
              QStringList {"Photoshop"});

    // Classes merge the user's keys over the machine's.
    const std::optional<RegistryKey> current
        = registry->key(kClasses, "Adobe.Illustrator\\CurVer", RegistryView::Bits64);
    ASSERT_TRUE(current);
    EXPECT_EQ(current->defaultValue(), "Adobe.Illustrator.16");
    EXPECT_EQ(current->value("MachineOnly"), "kept");

    const QString location = "SOFTWARE\\Autodesk\\SketchBook Pro\\5.0\\InstallLocation";
    EXPECT_FALSE(registry->key(kMachine, location, RegistryView::Bits64));
    EXPECT_EQ(registry->key(kMachine, location, RegistryView::Bits32)->defaultValue(),
              "C:\\SBP5\\");

    // A 32-bit prefix has one view; a file that is no registry, or none, opens nothing.
    writeText(prefix + "/system.reg",
              "WINE REGISTRY Version 2\n#arch=win32\n[Software\\\\A] 1\n@=\"a\"\n");
    const std::unique_ptr<WineRegistry> win32 = WineRegistry::open(prefix);
    ASSERT_TRUE(win32);
    EXPECT_FALSE(win32->is64BitSystem());
    EXPECT_EQ(win32->key(kMachine, "Software\\A", RegistryView::Bits32)->defaultValue(), "a");
    writeText(prefix + "/system.reg", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n");
    EXPECT_FALSE(WineRegistry::open(prefix));
    EXPECT_FALSE(WineRegistry::open(folderOf(directory, "nowhere")));
}

TEST(WineRegistry, DrivesMapWindowsPathsIntoThePrefix)
{
    TestSupport::TempDirectory directory;
    const QString prefix = folderOf(directory, "prefix");
    writeText(prefix + "/system.reg", "WINE REGISTRY Version 2\n");
    writeText(prefix + "/drive_c/Program Files/Adobe/Illustrator.exe", "MZ");
    QDir().mkpath(prefix + "/dosdevices");
    ASSERT_TRUE(QFile::link("../drive_c", prefix + "/dosdevices/c:"));
    ASSERT_TRUE(QFile::link("/", prefix + "/dosdevices/z:"));
    ASSERT_TRUE(QFile::link("/no/such/folder", prefix + "/dosdevices/e:"));
    writeText(prefix + "/dosdevices/d::", "a raw device");

    const std::unique_ptr<WineRegistry> registry = WineRegistry::open(prefix);
    ASSERT_TRUE(registry);
    const QString driveC = QFileInfo(prefix + "/drive_c").canonicalFilePath();
    const QList<WineDrive> drives = registry->drives();
    ASSERT_EQ(drives.size(), 2);
    EXPECT_EQ(drives[0].letter, 'C');
    EXPECT_EQ(drives[0].hostFolder, driveC);
    EXPECT_EQ(drives[1].letter, 'Z');
    EXPECT_EQ(drives[1].hostFolder, "/");

    EXPECT_EQ(hostPathOf(drives, "c:\\PROGRAM FILES\\adobe\\illustrator.EXE"),
              driveC + "/Program Files/Adobe/Illustrator.exe");
    EXPECT_EQ(hostPathOf(drives, "C:/Program Files/New/x.aip"),
              driveC + "/Program Files/New/x.aip");
    EXPECT_EQ(hostPathOf(drives, "Z:\\tmp"), "/tmp");
    EXPECT_TRUE(hostPathOf(drives, "E:\\x").isEmpty());
    EXPECT_TRUE(hostPathOf(drives, "\\\\server\\share").isEmpty());
    EXPECT_EQ(windowsPathOf(drives, driveC + "/Program Files"), "C:\\Program Files");
    EXPECT_EQ(windowsPathOf(drives, "/etc/hosts"), "Z:\\etc\\hosts");

    // Without drive links, C: is the prefix's drive_c.
    QDir(prefix + "/dosdevices").removeRecursively();
    const std::unique_ptr<WineRegistry> plain = WineRegistry::open(prefix);
    ASSERT_TRUE(plain);
    ASSERT_EQ(plain->drives().size(), 1);
    EXPECT_EQ(plain->drives()[0].hostFolder, driveC);
}
