// draftbay-cli convert and thumbnail: every output format opens in a standard reader.
#include "CliSketchFixture.h"
#include "ZipEntries.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>
#include <sys/stat.h>

using TestSupport::ProcessResult;

namespace {

class CliRenderTest : public TestSupport::CliSketchFixture
{
protected:
    void SetUp() override { writeSketch(3000, 2); }
};

} // namespace

TEST_F(CliRenderTest, ImagesHaveThePageSize)
{
    for (const char *name : {"out.png", "out.jpg", "out.jpeg", "out.bmp", "out.tif", "out.tiff"}) {
        const ProcessResult result = cli({"convert", file("sketch.qpe"), file(name)});
        ASSERT_EQ(result.exitCode, 0) << name << result.err.toStdString();
        QImageReader reader(file(name));
        EXPECT_EQ(reader.size(), QSize(2100, 2970)) << name;
        EXPECT_FALSE(reader.read().isNull()) << name;
    }
    const ProcessResult turned
        = cli({"convert", file("sketch.qpe"), file("turned.png"), "--rotate", "90"});
    ASSERT_EQ(turned.exitCode, 0);
    EXPECT_NE(QImage(file("turned.png")), QImage(file("out.png")));
}

TEST_F(CliRenderTest, PdfAndSvgAreTheSheetInMillimetres)
{
    ASSERT_EQ(cli({"convert", file("sketch.qpe"), file("out.pdf")}).exitCode, 0);
    QFile pdf(file("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch box
        = QRegularExpression(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))")
              .match(QString::fromLatin1(pdf.readAll()));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 595.3, 1.0);
    EXPECT_NEAR(box.captured(2).toDouble(), 841.9, 1.0);
    EXPECT_LE(pdf.size(), 3 * 3000 + 8000);

    ASSERT_EQ(cli({"convert", file("sketch.qpe"), file("out.svg")}).exitCode, 0);
    QFile svgFile(file("out.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    QDomDocument svg;
    ASSERT_TRUE(svg.setContent(&svgFile));
    EXPECT_EQ(svg.documentElement().attribute("width"), "210mm");
    EXPECT_GT(svg.elementsByTagName("path").size(), 10);
}

TEST_F(CliRenderTest, OpenRasterAndSvgKeepEveryLayerOfTheSketch)
{
    const ProcessResult info = run({"info", file("sketch.qpe")});
    const QRegularExpressionMatch counted
        = QRegularExpression(R"("layers": (\d+))").match(QString::fromUtf8(info.out));
    ASSERT_TRUE(counted.hasMatch()) << info.out.toStdString();
    const int layers = counted.captured(1).toInt();
    ASSERT_GE(layers, 2);

    // The suffix in any case.
    const ProcessResult result = cli({"convert", file("sketch.qpe"), file("out.ORA")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const std::vector<TestSupport::ZipEntry> entries = TestSupport::readZipEntries(file("out.ORA"));
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].name, "mimetype");
    EXPECT_TRUE(entries[0].stored);
    QSet<QString> sources;
    for (const TestSupport::ZipEntry &entry : entries) {
        if (entry.name == "stack.xml") {
            QDomDocument stack;
            ASSERT_TRUE(stack.setContent(entry.data));
            const QDomNodeList listed = stack.elementsByTagName("layer");
            for (int i = 0; i < listed.size(); ++i)
                sources << listed.item(i).toElement().attribute("src");
        }
    }
    EXPECT_EQ(sources.size(), layers);
    for (const TestSupport::ZipEntry &entry : entries) {
        if (entry.name.startsWith("data/")) {
            EXPECT_TRUE(sources.remove(entry.name)) << entry.name.toStdString();
            EXPECT_EQ(QImage::fromData(entry.data).size(), QSize(2100, 2970));
        }
    }
    EXPECT_TRUE(sources.isEmpty());

    ASSERT_EQ(cli({"convert", file("sketch.qpe"), file("out.svg")}).exitCode, 0);
    QFile svgFile(file("out.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svg = svgFile.readAll();
    EXPECT_EQ(svg.count("inkscape:groupmode=\"layer\""), layers);
    EXPECT_TRUE(svg.contains("<title>sketch</title>"));
}

TEST_F(CliRenderTest, DocumentAsSeenReadsBackAndThumbnailHasItsSize)
{
    ASSERT_EQ(cli({"convert", file("sketch.qpe"), file("seen.vmr"), "--rotate", "-45"}).exitCode,
              0);
    const ProcessResult info = run({"info", file("seen.vmr")});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_TRUE(info.out.contains("\"points\": 3000"));
    ASSERT_EQ(cli({"thumbnail", file("sketch.qpe"), file("thumb.png"), "--size", "120"}).exitCode,
              0);
    EXPECT_EQ(QImageReader(file("thumb.png")).size(), QSize(120, 120));
    ASSERT_EQ(cli({"thumbnail", file("seen.vmr"), file("default.png")}).exitCode, 0);
    EXPECT_EQ(QImageReader(file("default.png")).size(), QSize(230, 230));
}

TEST_F(CliRenderTest, RejectedInputsAndUnwritableOutputsExitWithOne)
{
    TestSupport::writeFile(m_directory.file("junk.qpe"), "not a pen file");
    TestSupport::writeFile(m_directory.file("sketch.dat"), "whatever");
    for (const char *input : {"junk.qpe", "missing.qpe", "sketch.dat"}) {
        const ProcessResult result = cli({"convert", file(input), file("out.png")});
        EXPECT_EQ(result.exitCode, 1) << input;
        EXPECT_TRUE(result.err.contains("not loaded")) << input << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(file("out.png")));
    }
    for (const char *output : {"no/such/dir/out.png", "no/such/dir/out.pdf", "no/such/dir/out.svg",
                               "no/such/dir/out.ora", "no/such/dir/out.vmr"}) {
        const ProcessResult result = cli({"convert", file("sketch.qpe"), file(output)});
        EXPECT_EQ(result.exitCode, 1) << output;
        EXPECT_FALSE(result.err.isEmpty()) << output;
    }
    EXPECT_EQ(cli({"convert", file("sketch.qpe"), file("out.gif")}).exitCode, 2);
    EXPECT_EQ(cli({"convert", file("sketch.qpe"), file("out.png"), "--rotate", "30"}).exitCode, 2);
    EXPECT_EQ(cli({"thumbnail", file("sketch.qpe"), file("out.jpg")}).exitCode, 2);
    for (const char *rotation : {"nan", "inf", "1e308", "45.5", ""})
        EXPECT_EQ(
            cli({"convert", file("sketch.qpe"), file("out.png"), "--rotate", rotation}).exitCode, 2)
            << rotation;
    for (const char *size : {"0", "15", "4097", "99999999999", "-230", "nan"})
        EXPECT_EQ(cli({"thumbnail", file("sketch.qpe"), file("t.png"), "--size", size}).exitCode, 2)
            << size;

    // Ink at the far ends of what a number can hold still gives pictures of their fixed size.
    TestSupport::writeFile(
        m_directory.file("extreme.vmr"),
        "<ink><tracegroup id=\"layer0\"><trace contextRef=\"#c\">1e308 -1e308 0 900 0 0 0,"
        "-1e308 1e308 0 900 0 0 0,5 5 0 900 0 0 0</trace></tracegroup></ink>");
    const ProcessResult page = cli({"convert", file("extreme.vmr"), file("extreme.png")});
    EXPECT_EQ(page.exitCode, 0) << page.err.toStdString();
    EXPECT_EQ(QImageReader(file("extreme.png")).size(), QSize(2100, 2970));
    const ProcessResult small = cli({"thumbnail", file("extreme.vmr"), file("extreme-t.png")});
    if (small.exitCode == 0)
        EXPECT_LE(QImageReader(file("extreme-t.png")).size().width(), 230);
    else
        EXPECT_EQ(small.exitCode, 1) << small.err.toStdString();
    const ProcessResult badSettings
        = run({"convert", file("sketch.qpe"), file("x.png"), "--settings", file("missing.xml")});
    EXPECT_EQ(badSettings.exitCode, 1);
    EXPECT_TRUE(badSettings.err.contains("Cannot open settings file"));
}

// Every output onto a full disc fails with the reason and keeps the user's old file.
TEST_F(CliRenderTest, OutputsOntoAFullDiscExitWithOneAndKeepTheOldFile)
{
    const QString folder = QString::fromStdString(m_directory.path()) + "/out";
    QDir().mkpath(folder);
    // The system's own words, in the language of the environment the tool runs in.
    const locale_t environment = ::newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    const std::string tooLarge
        = environment ? ::strerror_l(EFBIG, environment) : std::strerror(EFBIG);
    if (environment)
        ::freelocale(environment);
    for (const char *name :
         {"a.png", "a.jpg", "a.bmp", "a.tiff", "a.pdf", "a.svg", "a.ora", "a.vmr", "thumb.png"}) {
        const QString target = folder + "/" + name;
        TestSupport::writeFile(target.toStdString(), "old");
        QStringList arguments
            = {QString::fromLatin1(name).startsWith("thumb") ? "thumbnail" : "convert",
               file("sketch.qpe"), target, "--settings", m_settings};
        const ProcessResult full = TestSupport::runTool(
            TestSupport::cliPath(), arguments, QString::fromStdString(m_directory.path()), 120000,
            /*fileSizeLimit=*/100);
        EXPECT_EQ(full.exitCode, 1) << name << full.err.toStdString();
        EXPECT_TRUE(full.err.contains(tooLarge.c_str())) << name << full.err.toStdString();
        EXPECT_EQ(TestSupport::readFile(target.toStdString()), "old") << name;
        EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1) << name;
        QFile::remove(target);
    }
    // Special files are refused by every format, also behind a link.
    const std::string pipe = m_directory.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const char *suffix : {".png", ".pdf", ".svg", ".ora", ".vmr"}) {
        const QString link = folder + "/link" + suffix;
        QFile::link(QString::fromStdString(pipe), link);
        const ProcessResult result = cli({"convert", file("sketch.qpe"), link});
        EXPECT_EQ(result.exitCode, 1) << suffix;
        EXPECT_TRUE(result.err.contains("not a regular file"))
            << suffix << result.err.toStdString();
    }
    const ProcessResult input = cli({"info", QString::fromStdString(pipe)});
    EXPECT_EQ(input.exitCode, 1);
    EXPECT_TRUE(input.err.contains("not a regular file")) << input.err.toStdString();
}
