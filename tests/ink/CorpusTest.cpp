// Replays the corpus of tricky files through both readers and checks each verdict.
#include "ink/DocumentSerializer.h"
#include "ink/QpeParser.h"
#include "ink/TextCodec.h"
#include "ink/XmlPrinter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

using namespace Nivo;

namespace {

struct Expectation
{
    std::string file;
    std::string penPoints;
    std::string documentPoints;
};

std::vector<Expectation> readExpectations()
{
    std::vector<Expectation> expectations;
    std::ifstream in(DRAFTBAY_TEST_DATA_DIR "/ink/corpus/EXPECTED");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        Expectation expectation;
        std::getline(fields, expectation.file, '\t');
        std::getline(fields, expectation.penPoints, '\t');
        std::getline(fields, expectation.documentPoints, '\t');
        expectations.push_back(expectation);
    }
    return expectations;
}

std::string verdict(const Document &document)
{
    if (!document.complete().value())
        return "-";
    size_t points = 0;
    for (const Layer &layer : document.elements())
        for (const Stroke &stroke : layer.elements())
            points += stroke.elements().size();
    return std::to_string(points);
}

} // namespace

// Documents that load also save, read back the same and pass a strict XML check.
TEST(Corpus, BothReadersGiveTheExpectedVerdictOnEveryFileAndDocumentsSaveAgain)
{
    const std::vector<Expectation> expectations = readExpectations();
    ASSERT_GE(expectations.size(), 20u);
    for (const Expectation &expectation : expectations) {
        SCOPED_TRACE(expectation.file);
        const std::wstring path
            = fromUtf8(DRAFTBAY_TEST_DATA_DIR "/ink/corpus/" + expectation.file);
        QpeParser parser(path);
        parser.load();
        if (expectation.penPoints != "*") {
            EXPECT_EQ(expectation.penPoints, verdict(*parser.document())) << "pen reader";
        }

        Document document;
        InkMLDefinitions definitions;
        DocumentSerializer(&document).loadFile(path, definitions);
        if (expectation.documentPoints == "*")
            continue;
        EXPECT_EQ(expectation.documentPoints, verdict(document)) << "document reader";
        if (expectation.documentPoints == "-")
            continue;
        const std::string saved = ::testing::TempDir() + "/corpus-resaved.vmr";
        ASSERT_TRUE(DocumentSerializer(&document).saveFileNarrow(saved, definitions));
        Document again;
        InkMLDefinitions definitionsAgain;
        ASSERT_TRUE(DocumentSerializer(&again).loadFileNarrow(saved, definitionsAgain));
        EXPECT_EQ(verdict(again), verdict(document));
        // Texts come back as XML can hold them (invalid bytes as U+FFFD), and stay so.
        std::map<std::string, std::string> cleaned;
        for (const auto &[key, text] : document.annotations())
            cleaned[toXmlText(key)] = toXmlText(text);
        EXPECT_EQ(again.annotations(), cleaned);
        const std::string command = "xmllint --noout " + saved;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
}
