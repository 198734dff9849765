// draftbay-cli info, dump and convert: output formats, exit codes and every bad path.
#include "CliSketchFixture.h"
#include "ink/QpeParser.h"
#include "ink/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using TestSupport::ProcessResult;

namespace {

// info, dump and convert read no settings: the tool runs with its arguments as they are.
class CliInkTest : public TestSupport::CliSketchFixture
{
protected:
    ProcessResult cli(const QStringList &arguments) const { return run(arguments); }
    static QJsonObject parseObject(const QByteArray &json)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(json, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return document.object();
    }
};

void expectBox(const QJsonValue &box, const Nivo::Property<Nivo::Point> &topLeft,
               const Nivo::Property<Nivo::Point> &bottomRight)
{
    const QJsonArray edges = box.toArray();
    ASSERT_EQ(edges.size(), 4);
    EXPECT_EQ(edges[0].toDouble(), topLeft.value().x.value());
    EXPECT_EQ(edges[1].toDouble(), topLeft.value().y.value());
    EXPECT_EQ(edges[2].toDouble(), bottomRight.value().x.value());
    EXPECT_EQ(edges[3].toDouble(), bottomRight.value().y.value());
}

} // namespace

TEST_F(CliInkTest, InfoPrintsOneLinePerFileAndFailsWhenOneIsIncomplete)
{
    const QString good = writeSketch(1234, 2, "good.qpe", 3);
    TestSupport::writeFile(m_directory.file("bad.qpe"), std::string("\x01\x06\x00\x03\x00\x00", 6));
    ProcessResult result = cli({"info", good});
    EXPECT_EQ(result.exitCode, 0);
    QJsonObject info = parseObject(result.out);
    EXPECT_EQ(info["file"].toString(), good);
    EXPECT_TRUE(info["complete"].toBool());
    EXPECT_EQ(info["layers"].toInt(), 2);
    EXPECT_EQ(info["points"].toInt(), 1234);
    EXPECT_GT(info["strokes"].toInt(), 2);
    EXPECT_EQ(info["box"].toArray().size(), 4);

    result = cli({"info", good, file("bad.qpe"), file("missing.qpe")});
    EXPECT_EQ(result.exitCode, 1);
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(parseObject(lines[0])["complete"].toBool());
    EXPECT_FALSE(parseObject(lines[1])["complete"].toBool());
    EXPECT_EQ(parseObject(lines[2])["points"].toInt(-1), 0);
    EXPECT_TRUE(
        result.err.contains("draftbay-cli: " + file("missing.qpe").toUtf8() + ": not loaded"));
}

TEST_F(CliInkTest, DumpIsTheDocumentExactlyAsTheReaderBuiltIt)
{
    const QString path = writeSketch(3000, 3, "sketch.qpe", 11);
    const ProcessResult result = cli({"dump", path});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty());
    const QJsonObject dump = parseObject(result.out);

    Nivo::QpeParser parser(Nivo::fromUtf8(path.toStdString()));
    ASSERT_TRUE(parser.load());
    const Nivo::Document &document = *parser.document();
    EXPECT_TRUE(dump["complete"].toBool());
    EXPECT_TRUE(dump["annotations"].toObject().isEmpty());
    expectBox(dump["box"], document.topLeft(), document.bottomRight());
    const QJsonArray layers = dump["layers"].toArray();
    ASSERT_EQ(static_cast<size_t>(layers.size()), document.elements().size());
    for (qsizetype l = 0; l < layers.size(); ++l) {
        const Nivo::Layer &layer = document.elements()[l];
        expectBox(layers[l].toObject()["box"], layer.topLeft(), layer.bottomRight());
        const QJsonArray strokes = layers[l].toObject()["strokes"].toArray();
        ASSERT_EQ(static_cast<size_t>(strokes.size()), layer.elements().size());
        for (qsizetype s = 0; s < strokes.size(); ++s) {
            const Nivo::Stroke &stroke = layer.elements()[s];
            expectBox(strokes[s].toObject()["box"], stroke.topLeft(), stroke.bottomRight());
            const QJsonArray points = strokes[s].toObject()["points"].toArray();
            ASSERT_EQ(static_cast<size_t>(points.size()), stroke.elements().size());
            for (qsizetype p = 0; p < points.size(); ++p) {
                const QJsonArray channels = points[p].toArray();
                const Nivo::Point &point = stroke.elements()[p];
                ASSERT_EQ(channels.size(), 7);
                EXPECT_EQ(channels[0].toDouble(), point.x.value());
                EXPECT_EQ(channels[1].toDouble(), point.y.value());
                EXPECT_EQ(channels[2].toDouble(), point.z.value());
                EXPECT_EQ(channels[3].toInteger(), point.pressure.value());
                EXPECT_EQ(channels[4].toInteger(), point.xtilt.value());
                EXPECT_EQ(channels[5].toInteger(), point.ytilt.value());
                EXPECT_EQ(channels[6].toInteger(), static_cast<qint64>(point.timestamp.value()));
            }
        }
    }
}

TEST_F(CliInkTest, RejectedFilesPrintNothingAndSayWhy)
{
    QDir(QString::fromStdString(m_directory.path())).mkdir("folder.qpe");
    TestSupport::writeFile(m_directory.file("empty.qpe"), "");
    TestSupport::writeFile(m_directory.file("junk.qpe"), std::string(4096, '\xAB'));
    TestSupport::writeFile(m_directory.file("junk.vmr"), "<ink><tracegroup");
    TestSupport::writeFile(m_directory.file("wrong.qpe"),
                           std::string("\x01\x06\x00\x02\x00\x00\x61\x07\x00", 9));
    for (const char *name :
         {"empty.qpe", "junk.qpe", "junk.vmr", "wrong.qpe", "folder.qpe", "missing.vmr"}) {
        const ProcessResult result = cli({"dump", file(name)});
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_TRUE(result.out.isEmpty()) << name;
        const QByteArray line = "draftbay-cli: " + file(name).toUtf8() + ": not loaded\n";
        EXPECT_TRUE(result.err.contains(line)) << name << ": " << result.err.toStdString();
    }
    // The pen-file reader's reason is part of the message.
    EXPECT_TRUE(cli({"dump", file("empty.qpe")})
                    .err.contains("bad packet tag: 1 expected for file descriptor"));
    EXPECT_TRUE(cli({"dump", file("folder.qpe")}).err.contains("folder"));
    EXPECT_TRUE(cli({"dump", file("junk.vmr")}).err.contains("XML"));

    // A last packet cut short by a pulled receiver loses only that packet.
    TestSupport::writeFile(m_directory.file("cut.qpe"),
                           std::string("\x01\x06\x00\x02\x00\x00\x61\x06\x00\x10\x00\x20"
                                       "\x61\x06\x00",
                                       15));
    const ProcessResult cut = cli({"info", file("cut.qpe")});
    EXPECT_EQ(cut.exitCode, 0);
    EXPECT_TRUE(
        cut.out.contains("\"complete\": true, \"layers\": 1, \"strokes\": 1, \"points\": 1"))
        << cut.out.toStdString();
    EXPECT_TRUE(cut.err.contains("packet cut short by the end of the file at offset 12"));
}

TEST_F(CliInkTest, UsageErrorsExitWithTwo)
{
    for (const QStringList &arguments :
         QList<QStringList> {{},
                             {"frobnicate"},
                             {"dump"},
                             {"dump", "a", "b"},
                             {"info"},
                             {"convert", "a"},
                             {"convert", "a.qpe", "b.txt"},
                             {"convert", "a.qpe", "b.vmr", "--bogus"}}) {
        const ProcessResult result = cli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("draftbay-cli: ")) << arguments.join(' ').toStdString();
    }
    const ProcessResult help = cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("usage"));
}

TEST_F(CliInkTest, ConvertWritesADocumentThatDumpsLikeThePenFile)
{
    const QString pen = writeSketch(2000, 2, "sketch.qpe", 5);
    ProcessResult result = cli({"convert", pen, file("sketch.vmr")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QByteArray fromPen = cli({"dump", pen}).out;
    const QByteArray fromDocument = cli({"dump", file("sketch.vmr")}).out;
    ASSERT_FALSE(fromPen.isEmpty());
    EXPECT_EQ(fromPen, fromDocument);
    EXPECT_TRUE(
        TestSupport::readFile(m_directory.file("sketch.vmr")).find("<traceFormat id=\"default\">")
        != std::string::npos);

    result = cli({"convert", file("sketch.vmr"), file("bare.inkml"), "--empty-definitions"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(TestSupport::readFile(m_directory.file("bare.inkml")).find("<definitions />"),
              std::string::npos);
    EXPECT_EQ(cli({"dump", file("bare.inkml")}).out, fromPen);
}

TEST_F(CliInkTest, ConvertFailuresLeaveNoHalfFile)
{
    const QString pen = writeSketch(500, 1, "sketch.qpe", 5);
    ProcessResult result = cli({"convert", pen, file("no/such/folder/out.vmr")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("not saved"));
    TestSupport::writeFile(m_directory.file("keep.vmr"), "previous");
    result = cli({"convert", file("missing.qpe"), file("keep.vmr")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(TestSupport::readFile(m_directory.file("keep.vmr")), "previous");
}
