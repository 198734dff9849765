// Layered Photoshop files read back field by field, channel by channel, and the PackBits
// coding of their rows.
#include "export/PsdWriter.h"

#include "DocumentTestSupport.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/DocumentExport.h"
#include "export/SketchLayers.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <cerrno>
#include <cstring>
#include <vector>

using namespace TestSupport;

namespace {

// Where the strokes of the first and third layer lie on the page picture.
const QRect kLeft(100, 700, 500, 200);
const QRect kRight(1500, 2100, 500, 200);

// Big-endian fields from the front of the bytes; past the end it reads zeros and fails.
class Reader
{
public:
    explicit Reader(QByteArray bytes)
        : m_bytes(std::move(bytes))
    { }
    quint32 number(int size)
    {
        quint32 value = 0;
        for (const char byte : take(size))
            value = value << 8 | static_cast<uchar>(byte);
        return value;
    }
    int signed16() { return static_cast<qint16>(number(2)); }
    QByteArray take(qsizetype size)
    {
        if (size < 0 || m_at + size > m_bytes.size()) {
            m_failed = true;
            m_at = m_bytes.size();
            return QByteArray(std::max<qsizetype>(size, 0), '\0');
        }
        m_at += size;
        return m_bytes.mid(m_at - size, size);
    }
    qsizetype at() const { return m_at; }
    bool atEnd() const { return m_at == m_bytes.size(); }
    bool failed() const { return m_failed; }

private:
    QByteArray m_bytes;
    qsizetype m_at = 0;
    bool m_failed = false;
};

// The bytes PackBits-decoded; false on a count byte of -128 or a block cut short.
bool unpackBits(QByteArrayView packed, QByteArray &bytes)
{
    for (qsizetype i = 0; i < packed.size();) {
        const int count = static_cast<signed char>(packed[i++]);
        if (count == -128)
            return false;
        const qsizetype length = count >= 0 ? count + 1 : 1;
        if (i + length > packed.size())
            return false;
        bytes += count >= 0 ? QByteArray(packed.sliced(i, length).toByteArray())
                            : QByteArray(1 - count, packed[i]);
        i += length;
    }
    return true;
}

// Run-length coded planes of width × height, all row counts first: one image per plane.
std::vector<QByteArray> readPlanes(Reader &in, int planes, int width, int height)
{
    if (in.number(2) != 1)
        return {};
    std::vector<quint32> counts;
    for (int i = 0; i < planes * height; ++i)
        counts.push_back(in.number(2));
    std::vector<QByteArray> decoded(static_cast<std::size_t>(planes));
    for (int i = 0; i < planes * height; ++i) {
        QByteArray row;
        if (!unpackBits(in.take(counts[static_cast<std::size_t>(i)]), row) || row.size() != width)
            return {};
        decoded[static_cast<std::size_t>(i / height)] += row;
    }
    return in.failed() ? std::vector<QByteArray>() : decoded;
}

struct LayerRecord
{
    QRect rect;
    std::vector<int> channelIds;
    std::vector<quint32> channelLengths;
    QByteArray blend;
    int opacity = 0;
    int flags = 0;
    QByteArray name;
    QString unicodeName;
    QImage pixels; ///< unpremultiplied, rect's size
};

LayerRecord readRecord(Reader &in)
{
    LayerRecord record;
    const int top = static_cast<int>(in.number(4)), left = static_cast<int>(in.number(4));
    const int bottom = static_cast<int>(in.number(4)), right = static_cast<int>(in.number(4));
    record.rect = QRect(left, top, right - left, bottom - top);
    const int channels = static_cast<int>(in.number(2));
    for (int c = 0; c < channels; ++c) {
        record.channelIds.push_back(in.signed16());
        record.channelLengths.push_back(in.number(4));
    }
    record.blend = in.take(8);
    record.opacity = static_cast<int>(in.number(1));
    EXPECT_EQ(in.number(1), 0u); // clipping
    record.flags = static_cast<int>(in.number(1));
    in.take(1);
    const qsizetype extraEnd = in.number(4) + in.at();
    EXPECT_EQ(in.number(4), 0u); // mask
    EXPECT_EQ(in.number(4), 0u); // blending ranges
    const int nameLength = static_cast<int>(in.number(1));
    record.name = in.take(nameLength);
    in.take((4 - (1 + nameLength) % 4) % 4);
    while (in.at() < extraEnd && !in.failed()) {
        EXPECT_EQ(in.take(4), "8BIM");
        const QByteArray key = in.take(4);
        Reader block(in.take(in.number(4)));
        if (key != "luni")
            continue;
        for (quint32 i = block.number(4); i > 0 && !block.failed(); --i)
            record.unicodeName += QChar(static_cast<char16_t>(block.number(2)));
        EXPECT_TRUE(block.atEnd() && !block.failed());
    }
    EXPECT_EQ(in.at(), extraEnd);
    return record;
}

// Each channel of the record's rect, into its image; false when one does not decode.
bool readChannels(Reader &in, LayerRecord &record)
{
    record.pixels = QImage(record.rect.size(), QImage::Format_ARGB32);
    record.pixels.fill(0);
    for (std::size_t c = 0; c < record.channelIds.size(); ++c) {
        const qsizetype end = in.at() + record.channelLengths[c];
        const std::vector<QByteArray> plane
            = readPlanes(in, 1, record.rect.width(), record.rect.height());
        if (plane.empty() || in.at() != end)
            return false;
        const int shift = record.channelIds[c] < 0 ? 24 : 16 - 8 * record.channelIds[c];
        for (int y = 0; y < record.rect.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(record.pixels.scanLine(y));
            for (int x = 0; x < record.rect.width(); ++x)
                line[x]
                    |= static_cast<QRgb>(static_cast<uchar>(plane[0][y * record.rect.width() + x]))
                    << shift;
        }
    }
    return true;
}

struct PsdFile
{
    std::vector<quint32> header; ///< version, channels, height, width, depth, mode
    QByteArray reserved;
    std::vector<quint32> resolution; ///< across and down: fixed-point value, units
    quint32 layerInfoLength = 0;
    std::vector<LayerRecord> layers;
    QImage composite;
    bool wholeAndSound = false; ///< every length right, nothing left over
};

PsdFile readPsd(const QString &fileName)
{
    QFile file(fileName);
    PsdFile psd;
    if (!file.open(QIODevice::ReadOnly))
        return psd;
    Reader in(file.readAll());
    EXPECT_EQ(in.take(4), "8BPS");
    psd.header.push_back(in.number(2));
    psd.reserved = in.take(6);
    for (const int size : {2, 4, 4, 2, 2})
        psd.header.push_back(in.number(size));
    in.take(in.number(4)); // colour mode data
    Reader resources(in.take(in.number(4)));
    while (!resources.atEnd() && !resources.failed()) {
        EXPECT_EQ(resources.take(4), "8BIM");
        const quint32 id = resources.number(2);
        const int nameLength = static_cast<int>(resources.number(1));
        resources.take(nameLength + (nameLength + 1) % 2);
        const quint32 size = resources.number(4);
        Reader data(resources.take(size + size % 2));
        if (id == 0x03ED)
            for (const int field : {4, 2, 2, 4, 2, 2})
                psd.resolution.push_back(data.number(field));
    }
    const qsizetype sectionEnd = in.number(4) + in.at();
    psd.layerInfoLength = in.number(4);
    const qsizetype infoEnd = psd.layerInfoLength + in.at();
    const int count = in.signed16();
    for (int i = 0; i < count && !in.failed(); ++i)
        psd.layers.push_back(readRecord(in));
    bool channelsRead = true;
    for (LayerRecord &record : psd.layers)
        channelsRead = channelsRead && readChannels(in, record);
    in.take(infoEnd - in.at());  // padding
    EXPECT_EQ(in.number(4), 0u); // global mask
    const bool sectionsRight = in.at() == sectionEnd;
    const int width = static_cast<int>(psd.header[3]), height = static_cast<int>(psd.header[2]);
    const std::vector<QByteArray> planes = readPlanes(in, 3, width, height);
    if (planes.size() == 3) {
        psd.composite = QImage(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const qsizetype i = static_cast<qsizetype>(y) * width + x;
                psd.composite.setPixel(x, y,
                                       qRgb(static_cast<uchar>(planes[0][i]),
                                            static_cast<uchar>(planes[1][i]),
                                            static_cast<uchar>(planes[2][i])));
            }
    }
    psd.wholeAndSound = channelsRead && sectionsRight && !in.failed() && in.atEnd();
    return psd;
}

// The box around every pixel with any coverage.
QRect coveredBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

/// A saved sketch of three layers: the first red and tagged with a long name in many
/// scripts, the second's stroke off the sheet, the third hidden; opened as the editor opens
/// it, page shown.
class PsdWriterTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        // A pressure copy moves the ink up by half a page: stored y is the picture's row.
        Nivo::Document ink = documentOf({{lineStroke({-900, 800}, {-500, 800}, 40, 1024)},
                                         {lineStroke({-900, -900}, {-500, -900}, 40, 1024)},
                                         {lineStroke({500, 2200}, {900, 2200}, 40, 1024)}});
        ink.elements()[0].setAnnotation("tag", m_tag.toStdString());
        m_shown = pressureCopyOf(ink, path("harbour.vmr"));
        ASSERT_TRUE(m_shown);
        model().setPageVisible(true, true);
        PenDescription red(settings());
        red.color = QColor(200, 20, 30);
        ASSERT_TRUE(model().setLayerPen(0, red));
        ASSERT_TRUE(model().setLayerVisible(2, false));
    }
    DocumentGraphicModel &model() { return *m_shown->model(); }

    const QString m_tag = QString("Möwen über dem Hafen – 海鸥").repeated(10);
    MetadataPtr m_shown;
};

} // namespace

TEST_F(PsdWriterTest, WritesEachLayerCroppedToItsInkBottomFirstNamedAndShownAsInTheModel)
{
    ASSERT_EQ(model().groups().size(), 3);
    ASSERT_TRUE(
        saveLayeredPsd(model(), path("out.psd"), model().pageRect(), sketchLayersOf(*m_shown)));
    const PsdFile psd = readPsd(path("out.psd"));
    ASSERT_TRUE(psd.wholeAndSound);
    EXPECT_EQ(psd.header, (std::vector<quint32> {1, 3, 2970, 2100, 8, 3}));
    EXPECT_EQ(psd.reserved, QByteArray(6, '\0'));
    EXPECT_EQ(psd.resolution, (std::vector<quint32> {254 << 16, 1, 2, 254 << 16, 1, 2}));
    EXPECT_EQ(psd.layerInfoLength % 4, 0u);
    ASSERT_EQ(psd.layers.size(), 3u);

    for (const LayerRecord &layer : psd.layers) {
        EXPECT_EQ(layer.channelIds, (std::vector<int> {-1, 0, 1, 2}));
        EXPECT_EQ(layer.blend, "8BIMnorm");
        EXPECT_EQ(layer.opacity, 255);
    }
    // Readers that know no Unicode block get as much of the name as whole characters fit.
    const QString legacy = QString::fromUtf8(psd.layers[0].name);
    EXPECT_EQ(psd.layers[0].unicodeName, m_tag);
    EXPECT_TRUE(m_tag.startsWith(legacy));
    EXPECT_EQ(legacy.toUtf8(), psd.layers[0].name);
    EXPECT_GT(m_tag.left(legacy.size() + 1).toUtf8().size(), 255);
    EXPECT_EQ(psd.layers[1].name + "|" + psd.layers[1].unicodeName.toUtf8(), "layer 2|layer 2");
    EXPECT_EQ(psd.layers[2].name + "|" + psd.layers[2].unicodeName.toUtf8(), "layer 3|layer 3");
    EXPECT_EQ(psd.layers[0].flags & 2, 0);
    EXPECT_EQ(psd.layers[1].flags & 2, 0);
    EXPECT_EQ(psd.layers[2].flags & 2, 2);

    // Each layer alone, no page, hidden or not, pixel for pixel within its ink's tight box,
    // its colours unpremultiplied.
    EXPECT_EQ(psd.layers[1].rect, QRect());
    const QRect areas[] = {kLeft, QRect(), kRight};
    for (int i = 0; i < 3; ++i) {
        const LayerRecord &layer = psd.layers[static_cast<std::size_t>(i)];
        EXPECT_TRUE(areas[i].contains(layer.rect) || layer.rect.isEmpty()) << i;
        QImage placed(2100, 2970, QImage::Format_ARGB32);
        placed.fill(0);
        for (int y = 0; y < layer.rect.height(); ++y)
            for (int x = 0; x < layer.rect.width(); ++x)
                placed.setPixel(layer.rect.topLeft() + QPoint(x, y), layer.pixels.pixel(x, y));
        QImage alone;
        {
            const SoloLayer solo(model(), i);
            alone = renderImage(model(), model().pageRect());
        }
        EXPECT_EQ(placed, alone.convertToFormat(QImage::Format_ARGB32)) << i;
        if (layer.rect.isEmpty())
            continue;
        // The whole stroke, and not a row or column more.
        EXPECT_GE(layer.rect.width(), 400) << i;
        EXPECT_EQ(coveredBox(layer.pixels), layer.pixels.rect()) << i;
    }

    // The visible layers on white, as the model draws them together without its page.
    model().setPageVisible(false, false);
    QImage expected(2100, 2970, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter(&expected).drawImage(0, 0, renderImage(model(), model().pageRect()));
    EXPECT_EQ(psd.composite, expected);
    EXPECT_GT(darkPixels(psd.composite, kLeft), 1000);
    EXPECT_EQ(darkPixels(psd.composite, kRight, 255), 0);
}

TEST(PsdPackBits, CodesRunsAndLiteralsWithinTheirLimitsAndDecodesToTheSameBytes)
{
    QByteArray alternating;
    for (int i = 0; i < 300; ++i)
        alternating += static_cast<char>(i % 2 ? 0xFF : 0x80);
    QByteArray mixed = "ab" + QByteArray(3, 'c') + "d" + QByteArray(2, 'e') + "f";
    // Expected sizes: a run of n takes 2 bytes per 128 or fewer; a literal of n, n + 1 per 128.
    const struct
    {
        QByteArray bytes;
        QByteArray packed;
    } cases[] = {
        {QByteArray(), QByteArray()},
        {"x", QByteArray("\x00x", 2)},
        {QByteArray(128, '\0'), QByteArray("\x81\x00", 2)},
        {QByteArray(129, '\7'), QByteArray("\x81\x07\x00\x07", 4)},
        {QByteArray(130, '\7'), QByteArray("\x81\x07\xFF\x07", 4)},
        {mixed,
         QByteArray("\x01"
                    "ab"
                    "\xFE"
                    "c"
                    "\x00"
                    "d"
                    "\xFF"
                    "e"
                    "\x00"
                    "f",
                    11)},
        {alternating,
         "\x7F" + alternating.left(128) + "\x7F" + alternating.mid(128, 128) + "\x2B"
             + alternating.mid(256)},
        {alternating.left(128) + QByteArray(2, 'z'),
         "\x7F" + alternating.left(128) + QByteArray("\xFFz", 2)},
    };
    for (const auto &[bytes, packed] : cases) {
        QByteArray out = "kept";
        appendPackBits(out, bytes);
        EXPECT_EQ(out, "kept" + packed) << bytes.size();
        QByteArray decoded;
        EXPECT_TRUE(unpackBits(out.mid(4), decoded));
        EXPECT_EQ(decoded, bytes);
    }
}

TEST_F(PsdWriterTest, FailedWriteIsReportedAndLeavesNoFile)
{
    const QString missing = path("no/such/folder/out.psd");
    EXPECT_FALSE(saveLayeredPsd(model(), missing, model().pageRect(), sketchLayersOf(*m_shown)));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].text,
              "Unable to save file\n" + missing + "\n"
                  + QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_FALSE(QFileInfo::exists(path("no")));
    EXPECT_EQ(QDir(path({})).entryList(QDir::Files), QStringList {"harbour.vmr"});
}
