// Saving the shown sketch in the format its name or filter asks for, and printing it.
#include "export/OtherFormats.h"

#include "DocumentTestSupport.h"
#include "document/DocumentMetaData.h"
#include "export/PrinterService.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <ostream>

using namespace TestSupport;

namespace {

// What the bytes of a file are, whatever its name says.
QString contentFormat(const QString &name)
{
    const QByteArray head = fileBytes(name).left(512);
    if (head.startsWith("%PDF-") || head.contains("<svg"))
        return head.startsWith("%PDF-") ? "PDF" : "SVG";
    QImageReader reader(name);
    reader.setDecideFormatFromContent(true);
    return QString::fromLatin1(reader.format()).toUpper();
}

/// A generated sketch with a dotted name, loaded as the main view shows it.
class OtherFormatsTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        ASSERT_TRUE(writeSketch(path("sketch.v2.qpe"), 600, 2));
        m_metadata = std::make_unique<DocumentMetaData>(path("sketch.v2.qpe"));
        ASSERT_TRUE(m_metadata->load());
    }
    void TearDown() override { setPrinterService(nullptr); }

    /// Answers the file dialog with a name in the temporary folder and the filter picked.
    bool saveAs(const QString &name, const QString &filter = {})
    {
        m_dialogs->pathAnswers.push_back(path(name));
        if (!filter.isEmpty())
            m_dialogs->filterAnswers.push_back(filter);
        return saveAsOtherFormat(*m_metadata);
    }
    /// Everything in the temporary folder but the sketch.
    QStringList written() const
    {
        QStringList names = QDir(path({})).entryList(QDir::Files);
        names.removeAll("sketch.v2.qpe");
        return names;
    }

    std::unique_ptr<DocumentMetaData> m_metadata;
};

} // namespace

TEST_F(OtherFormatsTest, OffersEveryFormatAtTheSketchsNameAndACancelWritesNothing)
{
    EXPECT_FALSE(saveAsOtherFormat(*m_metadata));
    ASSERT_EQ(m_dialogs->fileQuestions.size(), 1);
    const auto &question = m_dialogs->fileQuestions.first();
    EXPECT_EQ(question.caption, "Save document as ");
    // Only the extension goes: the rest of a dotted name stays.
    EXPECT_EQ(question.directory, path("sketch.v2"));
    EXPECT_EQ(question.filters,
              "PNG file (*.png);; JPEG file (*.jpg);; PDF file (*.pdf);; SVG "
              "file (*.svg );; BMP file (*.bmp);; TIFF file (*.tiff)");
    EXPECT_EQ(question.presetFilter, "PNG file (*.png)");
    EXPECT_TRUE(written().isEmpty());
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

struct Typed
{
    const char *name;
    const char *filter; // empty: the preset one
    const char *file;
    const char *format;
};

void PrintTo(const Typed &typed, std::ostream *out)
{
    *out << typed.name << " with" << (*typed.filter ? typed.filter : " the preset filter");
}

class OtherFormatsTyped : public OtherFormatsTest, public ::testing::WithParamInterface<Typed>
{ };

TEST_P(OtherFormatsTyped, WritesTheFormatTheSuffixOrElseTheFilterNames)
{
    const Typed typed = GetParam();
    ASSERT_TRUE(saveAs(typed.name, typed.filter));
    EXPECT_EQ(written(), QStringList {typed.file});
    EXPECT_EQ(contentFormat(path(typed.file)), typed.format);
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, OtherFormatsTyped,
                         ::testing::Values(Typed {"out", "", "out.png", "PNG"},
                                           Typed {"out", " SVG file (*.svg )", "out.svg", "SVG"},
                                           Typed {"out", " TIFF file (*.tiff)", "out.tiff", "TIFF"},
                                           Typed {"out.", " PDF file (*.pdf)", "out.pdf", "PDF"},
                                           // A suffix typed wins over the filter, in any case.
                                           Typed {"out.Pdf", " BMP file (*.bmp)", "out.Pdf", "PDF"},
                                           Typed {"out.SVG", "", "out.SVG", "SVG"},
                                           Typed {"out.Png", " PDF file (*.pdf)", "out.Png", "PNG"},
                                           Typed {"out.jpeg", "", "out.jpeg", "JPEG"},
                                           Typed {"out.BMP", "", "out.BMP", "BMP"},
                                           Typed {"out.tif", "", "out.tif", "TIFF"}),
                         [](const auto &info) {
                             return QString(info.param.file).replace('.', '_').toStdString();
                         });

TEST_F(OtherFormatsTest, RefusesSuffixesOfNoWritableFormatAndKeepsTheSketch)
{
    const QByteArray sketch = fileBytes(path("sketch.v2.qpe"));
    for (const QString name : {"out.gif", "out.v2", "sketch.v2.qpe"}) {
        SCOPED_TRACE(name.toStdString());
        m_dialogs->messages.clear();
        EXPECT_FALSE(saveAs(name, " PDF file (*.pdf)"));
        ASSERT_EQ(m_dialogs->messages.size(), 1);
        EXPECT_EQ(m_dialogs->messages.first().title, "Invlaid extension");
        const QString text = m_dialogs->messages.first().text;
        EXPECT_TRUE(text.contains(path(name)));
        for (const char *suffix : {".png", ".jpg", ".pdf", ".svg", ".bmp", ".tiff"})
            EXPECT_TRUE(text.contains(suffix)) << suffix;
    }
    EXPECT_TRUE(written().isEmpty());
    EXPECT_EQ(fileBytes(path("sketch.v2.qpe")), sketch);
}

TEST_F(OtherFormatsTest, AsksBeforeTheFiltersSuffixMakesTheNameOfAFileThatExists)
{
    writeFile(path("out.pdf").toStdString(), "old");
    m_dialogs->buttonAnswers = {QMessageBox::No, QMessageBox::Yes};
    EXPECT_FALSE(saveAs("out", " PDF file (*.pdf)"));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages.first().icon, DialogService::Icon::Question);
    EXPECT_EQ(fileBytes(path("out.pdf")), "old");
    EXPECT_TRUE(saveAs("out", " PDF file (*.pdf)"));
    EXPECT_EQ(contentFormat(path("out.pdf")), "PDF");
}

namespace {

// Prints into a file, on the Letter paper a printer may bring, or finds no printer to print on.
class TestPrinters : public PdfFilePrinterService
{
public:
    explicit TestPrinters(const QString &fileName, Target target = Target::Ready)
        : PdfFilePrinterService(fileName)
        , m_target(target)
    { }
    Target direct(QPrinter &printer) override
    {
        if (m_target != Target::Ready)
            return m_target;
        PdfFilePrinterService::direct(printer);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return m_target;
    }

private:
    Target m_target;
};

} // namespace

TEST_F(OtherFormatsTest, PrintsTheInkOntoTheWholeOfAnA4Page)
{
    setPrinterService(std::make_unique<TestPrinters>(path("print.pdf")));
    ASSERT_TRUE(printDocument(*m_metadata));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    const QString pdf = QString::fromLatin1(fileBytes(path("print.pdf")));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(
        pdf.contains(QRegularExpression(R"(/MediaBox \[0 0 59[56](\.\d*)? 84[12](\.\d*)?\])")));

    const QString tool = QStandardPaths::findExecutable("pdftoppm");
    if (tool.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    QProcess::execute(tool, {"-r", "72", "-png", "-singlefile", path("print.pdf"), path("page")});
    const QImage page(path("page.png"));
    ASSERT_FALSE(page.isNull());
    // The sketch's bounds are scaled to the page: its ink reaches across the printable width
    // or height.
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            ink |= qGray(page.pixel(x, y)) < 160 ? QRect(x, y, 1, 1) : QRect();
    EXPECT_TRUE(ink.width() > page.width() * 8 / 10 || ink.height() > page.height() * 8 / 10)
        << ink.width() << " x " << ink.height();
}

TEST_F(OtherFormatsTest, SaysWhyNothingWasPrinted)
{
    using Target = PrinterService::Target;
    const auto failure = [&](const QString &fileName, Target target) {
        setPrinterService(std::make_unique<TestPrinters>(path(fileName), target));
        m_dialogs->messages.clear();
        EXPECT_FALSE(printDocument(*m_metadata));
        return m_dialogs->messages.size() == 1 ? m_dialogs->messages.first().text : QString();
    };
    EXPECT_EQ(failure("a.pdf", Target::NoPrinter), "No printer is installed.");
    EXPECT_EQ(failure("a.pdf", Target::NoDefaultPrinter), "There is no default printer.");
    EXPECT_EQ(failure("no/such/folder/print.pdf", Target::Ready),
              "The printer could not be started; nothing was printed.");
    EXPECT_TRUE(written().isEmpty());
}
