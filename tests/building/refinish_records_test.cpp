// ALTER of one finished room and FINISH again must give the plan the first finish gave. The session
// scripts layout_finish_metric and layout_finish_imperial (mark and finish the layout) and
// layout_alter_finish and layout_alter_finish_imperial (the same, then ALTER the Bathroom and FINISH again
// where it stands) are each checked against their saved drawing; here those drawings are compared record
// by record. Two things may differ, and only these: the objects remade
// for the room stand at the end of the list, where FINISH appends them, and the header's running element
// counter has moved on by the numbers the remade labels took, since element numbers are never reused.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

std::string Expected(const std::string& name) {
    return ReadFile(Fixture("") / ".." / "scripts" / "expected" / name);
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool IsKindLine(const std::string& line) {
    return !line.empty() &&
           std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Drawing {
    std::vector<std::string> Header;  // the header's fields
    std::vector<std::string> Records; // each object's lines, its kind line first
};

// A record starts with its kind alone on a line, followed by a line that starts with that kind; a wall's
// trailing code lines are single numbers too, but never followed by a line of their own number and more.
Drawing Split(const std::string& text) {
    const std::vector<std::string> lines = LinesOf(text);
    Drawing d;
    if (lines.empty()) return d;
    std::istringstream header(lines[0]);
    for (std::string field; header >> field;)
        d.Header.push_back(field);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const bool start =
            IsKindLine(lines[i]) && i + 1 < lines.size() && lines[i + 1].rfind(lines[i] + " ", 0) == 0;
        if (start || d.Records.empty())
            d.Records.push_back(lines[i]);
        else
            d.Records.back() += "\n" + lines[i];
    }
    return d;
}

struct Refinish {
    const char* First; // the drawing of the first finish
    const char* Again; // the drawing after ALTER of the Bathroom and FINISH again
};

TEST(RefinishRecords, AlterAndFinishAgainGiveTheRecordsOfTheFirstFinish) {
    const Refinish cases[] = {{"layout_finish_metric.BMS", "layout_alter_finish.BMS"},
                              {"layout_finish_imperial.BMS", "layout_alter_finish_imperial.BMS"}};
    for (const Refinish& c : cases) {
        SCOPED_TRACE(c.Again);
        const Drawing first = Split(Expected(c.First));
        const Drawing again = Split(Expected(c.Again));
        ASSERT_GT(first.Records.size(), 50u);
        ASSERT_EQ(first.Header.size(), again.Header.size());
        ASSERT_FALSE(first.Header.empty());
        for (std::size_t i = 0; i + 1 < first.Header.size(); ++i)
            EXPECT_EQ(first.Header[i], again.Header[i]) << "header field " << i;
        EXPECT_GT(std::stoi(again.Header.back()), std::stoi(first.Header.back())) << "the counter ran on";

        // The objects that stayed keep their places; the remade ones follow them.
        auto sorted = [](std::vector<std::string> r) {
            std::sort(r.begin(), r.end());
            return r;
        };
        const std::vector<std::string> a = sorted(first.Records), b = sorted(again.Records);
        std::vector<std::string> onlyFirst, onlyAgain;
        std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(onlyFirst));
        std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(onlyAgain));
        EXPECT_TRUE(onlyFirst.empty()) << "only after the first finish:\n"
                                       << (onlyFirst.empty() ? "" : onlyFirst[0]);
        EXPECT_TRUE(onlyAgain.empty()) << "only after finishing again:\n"
                                       << (onlyAgain.empty() ? "" : onlyAgain[0]);
        EXPECT_NE(first.Records, again.Records) << "the remade objects come last";
    }
}

} // namespace
} // namespace velmora::test
