// Handing a sketch to drawing applications: the folder and files each export writes and
// the program it starts.
#include "export/ApplicationExport.h"

#include "DocumentTestSupport.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "document/GraphicsItemsGroup.h"
#include "settings/DesktopServices.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

using namespace TestSupport;

namespace {

class RecordingDesktop : public DesktopServices
{
public:
    explicit RecordingDesktop(QStringList *started, bool starts = true)
        : m_started(started)
        , m_starts(starts)
    { }
    bool openUrl(const QUrl &url) override
    {
        *m_started << url.toLocalFile();
        return m_starts;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        *m_started << program + " | " + arguments.join(" | ");
        return m_starts;
    }

private:
    QStringList *m_started;
    bool m_starts;
};

InstalledApp application(const QString &name, const QString &program, HandOff handOff,
                         const QStringList &arguments = {})
{
    InstalledApp app;
    app.name = name;
    app.executable = app.program = program;
    app.arguments = arguments;
    app.handOff = handOff;
    return app;
}

class ApplicationExportTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        for (const char *folder : {"temp", "home", "program/support"})
            ASSERT_TRUE(QDir().mkpath(path(folder)));
        m_places = {path("temp"), path("home"), path("program")};
        setDesktopServices(std::make_unique<RecordingDesktop>(&m_started));
    }
    void TearDown() override { setDesktopServices(nullptr); }

    /// A generated sketch of the given layers, loaded with its scene.
    std::unique_ptr<DocumentMetaData> sketch(const QString &name, int layers)
    {
        EXPECT_TRUE(writeSketch(path(name), 300, layers));
        auto metadata = std::make_unique<DocumentMetaData>(path(name));
        EXPECT_TRUE(metadata->load() && metadata->ensureModel());
        return metadata;
    }
    QStringList exportFolders() const
    {
        return QDir(path("temp")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    ExportPlaces m_places;
    QStringList m_started;
};

} // namespace

TEST_F(ApplicationExportTest, FoldersAreStampedAndTwoInOneMillisecondStayApart)
{
    const QDateTime time(QDate(2026, 3, 7), QTime(9, 5, 4, 32));
    EXPECT_EQ(exportStamp(time), "07032026090504032");
    const QString first = makeExportFolder(path("temp"), time);
    const QString second = makeExportFolder(path("temp"), time);
    EXPECT_EQ(first, QDir::toNativeSeparators(path("temp/07032026090504032")));
    EXPECT_EQ(second, QDir::toNativeSeparators(path("temp/07032026090504032_2")));
    EXPECT_TRUE(makeExportFolder(path("missing/temp"), time).isEmpty());
}

TEST_F(ApplicationExportTest, PhotoshopGetsABackgroundAndOneImagePerLayerAndTheScriptStarts)
{
    writeFile(path("program/support/ExecuteJavaScript.vbs").toStdString(), "' script");
    const auto metadata = sketch("three.qpe", 3);
    const int layers = static_cast<int>(metadata->model()->groups().size());
    ASSERT_GE(layers, 2);
    const bool pageShown = metadata->model()->background() != nullptr;
    const InstalledApp photoshop = application("Adobe Photoshop", {}, HandOff::PhotoshopLayers);
    ASSERT_TRUE(exportToApplication(*metadata, photoshop, m_places));

    ASSERT_EQ(exportFolders().size(), 1);
    const QString folder = path("temp/") + exportFolders().first();
    EXPECT_TRUE(QRegularExpression("^\\d{17}$").match(exportFolders().first()).hasMatch());
    EXPECT_EQ(readFile(path("home/temppics.adob").toStdString()),
              QDir::toNativeSeparators(folder).toStdString() + "\n");
    const QRectF page = metadata->model()->pageRect();
    const QImage background(folder + "/background.png");
    ASSERT_EQ(background.size(), page.size().toSize());
    EXPECT_EQ(background.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_FALSE(background.hasAlphaChannel());
    QStringList expected {"background.png", "layers.txt"};
    for (int i = 0; i < layers; ++i) {
        const QImage layer(QStringLiteral("%1/%2.png").arg(folder).arg(i));
        EXPECT_EQ(layer.size(), page.size().toSize());
        // A lone tap (a stroke of one point) has no outline to draw.
        const auto &strokes = metadata->document()->elements()[i].elements();
        const bool drawn = std::any_of(strokes.begin(), strokes.end(), [](const Nivo::Stroke &s) {
            return s.elements().size() > 1;
        });
        EXPECT_EQ(inkPixels(layer, layer.rect()) > 0, drawn) << "layer " << i;
        EXPECT_EQ(qAlpha(layer.pixel(0, 0)), 0) << "a layer lies on transparency";
        expected << QStringLiteral("%1.png").arg(i);
    }
    expected.sort();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(QString::fromStdString(readFile((folder + "/layers.txt").toStdString()))
                  .split('\n', Qt::SkipEmptyParts)
                  .size(),
              layers);
    // The page and every layer are shown as before.
    EXPECT_EQ(metadata->model()->background() != nullptr, pageShown);
    for (GraphicsItemsGroup *group : metadata->model()->groups())
        EXPECT_TRUE(group->isLayerVisible());
    ASSERT_EQ(m_started.size(), 1);
    EXPECT_TRUE(m_started.first().contains("ExecuteJavaScript.vbs"));

    // Without its script Photoshop cannot be reached: said, not passed over.
    QFile::remove(path("program/support/ExecuteJavaScript.vbs"));
    EXPECT_FALSE(exportToApplication(*metadata, photoshop, m_places));
    ASSERT_FALSE(m_dialogs->messages.isEmpty());
    EXPECT_TRUE(m_dialogs->messages.last().text.contains("is missing"));
}

TEST_F(ApplicationExportTest, ApplicationsOpenTheFileTheyTakeAndAFailedStartIsSaid)
{
    const auto metadata = sketch("walk in the park.qpe", 2);
    metadata->model()->rotate(90);
    const InstalledApp illustrator
        = application("Adobe Illustrator", "/opt/ai/Illustrator.exe", HandOff::SavedDocument);
    ASSERT_TRUE(exportToApplication(*metadata, illustrator, m_places));
    ASSERT_EQ(exportFolders().size(), 1);
    const QString folder = QDir::toNativeSeparators(path("temp/") + exportFolders().first());
    const QString file = folder + "/walk in the park.qpe.vmr";
    EXPECT_EQ(m_started, QStringList {"/opt/ai/Illustrator.exe | " + file});
    DocumentMetaData saved(file);
    ASSERT_TRUE(saved.load());
    const std::unique_ptr<Nivo::Document> seen = metadata->createDocumentAsSeen();
    ASSERT_EQ(saved.document()->elements().size(), seen->elements().size());
    const Nivo::Point &savedPoint = saved.document()->elements()[0].elements()[0].elements()[0];
    const Nivo::Point &seenPoint = seen->elements()[0].elements()[0].elements()[0];
    EXPECT_NEAR(savedPoint.x.value(), seenPoint.x.value(), 0.5) << "the turn is in the file";
    EXPECT_NEAR(savedPoint.y.value(), seenPoint.y.value(), 0.5);

    // Programs that keep layers get an OpenRaster file or a layered SVG, as their entry says.
    const InstalledApp gimp
        = application("GIMP", "/usr/bin/gimp", HandOff::OpenRaster, {"--no-splash", "%f"});
    const InstalledApp inkscape = application("Inkscape", "/usr/bin/inkscape", HandOff::LayeredSvg);
    InstalledApp debianGimp = gimp;
    debianGimp.handOff = HandOff::LayeredPsd;
    m_started.clear();
    ASSERT_TRUE(exportToApplication(*metadata, gimp, m_places));
    ASSERT_TRUE(exportToApplication(*metadata, inkscape, m_places));
    ASSERT_TRUE(exportToApplication(*metadata, debianGimp, m_places));
    ASSERT_EQ(m_started.size(), 3);
    const QString psd = m_started[2].section(" | ", 2);
    EXPECT_TRUE(psd.endsWith("/walk in the park.psd"));
    EXPECT_TRUE(QByteArray::fromStdString(readFile(psd.toStdString())).startsWith("8BPS"));
    const QString ora = m_started[0].section(" | ", 2);
    EXPECT_TRUE(m_started[0].startsWith("/usr/bin/gimp | --no-splash | "));
    EXPECT_TRUE(ora.endsWith("/walk in the park.ora"));
    EXPECT_TRUE(QByteArray::fromStdString(readFile(ora.toStdString())).startsWith("PK"));
    const QString svg = m_started[1].section(" | ", 1);
    EXPECT_TRUE(svg.endsWith("/walk in the park.svg"));
    EXPECT_EQ(
        QString::fromStdString(readFile(svg.toStdString())).count("inkscape:groupmode=\"layer\""),
        2);
    EXPECT_NE(QFileInfo(ora).absolutePath(), QFileInfo(svg).absolutePath())
        << "every export has a folder of its own";

    setDesktopServices(std::make_unique<RecordingDesktop>(&m_started, false));
    EXPECT_FALSE(exportToApplication(*metadata, illustrator, m_places));
    ASSERT_FALSE(m_dialogs->messages.isEmpty());
    EXPECT_TRUE(m_dialogs->messages.last().text.startsWith("Adobe Illustrator cannot be started"));
}
