// The log's line format, threshold, restart at 10 MiB and its use from several threads.
#include "ink/Log.h"

#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Nivo;

namespace {

class LogTest : public ::testing::Test
{
protected:
    void SetUp() override { m_directory.enter(); }
    std::string log() const { return TestSupport::readFile("nivo.log"); }

    TestSupport::TempDirectory m_directory;
};

} // namespace

TEST_F(LogTest, LineHoldsTimeThreadLevelMessageAndCaller)
{
    logMessage(0, "QpeParser", "parse", "invalid file descriptor");
    const std::regex line(
        R"(\[\d{4}\.\d{2}\.\d{2} \d{2}:\d{2}:\d{2}\] \[(\d+)\] SEVERE invalid file descriptor\tQpeParser::parse\(\)\n)");
    std::smatch match;
    const std::string text = log();
    ASSERT_TRUE(std::regex_match(text, match, line)) << text;
    EXPECT_EQ(std::stol(match[1]), static_cast<long>(gettid()));
}

// Only severe (0) and warning (1) are written; a negative level has no name, and an empty
// message still makes a line.
TEST_F(LogTest, OnlySevereWarningAndNegativeLevelsAreWritten)
{
    logMessage(2, "C", "m", "info");
    logMessage(5, "C", "m", "finest");
    EXPECT_EQ(log(), "");
    logMessage(1, "C", "m", "warning");
    logMessage(-1, "C", "m", "odd");
    logMessage(0, "Class", "method", "");
    const std::string text = log();
    EXPECT_NE(text.find("] WARNING warning\tC::m()\n"), std::string::npos) << text;
    EXPECT_NE(text.find("]  odd\tC::m()\n"), std::string::npos) << text;
    EXPECT_NE(text.find("] SEVERE \tClass::method()\n"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
}

TEST_F(LogTest, RestartsAfterTheLineThatReachedTenMebibytes)
{
    const size_t limit = 10 * 1024 * 1024;
    TestSupport::writeFile("nivo.log", std::string(limit - 10, 'x'));
    logMessage(0, "C", "m", "crosses the limit");
    std::string text = log();
    EXPECT_GT(text.size(), limit);
    EXPECT_NE(text.find("crosses the limit"), std::string::npos);
    logMessage(0, "C", "m", "first after restart");
    text = log();
    EXPECT_EQ(text.find("first after restart"), text.find("] SEVERE ") + 9);
    EXPECT_EQ(text.find('x'), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    logMessage(0, "C", "m", "appended");
    text = log();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
}

TEST_F(LogTest, LinesFromManyThreadsNeverInterleave)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            const std::string message = "thread " + std::to_string(t) + std::string(200, 'a' + t);
            for (int i = 0; i < 100; ++i)
                logMessage(1, "C", "m", message.c_str());
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    const std::string text = log();
    const std::regex line(R"(\[[^\]]+\] \[\d+\] WARNING thread (\d)([a-d])\2{199}\tC::m\(\))");
    size_t start = 0;
    int lines = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_TRUE(std::regex_match(text.substr(start, end - start), line));
        start = end + 1;
        ++lines;
    }
    EXPECT_EQ(lines, 400);
}
