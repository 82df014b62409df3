// The print dialog in session scripts: `answer printer pdf=FILE` and `answer printer Cancel`.
#include "app/session_script.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PrintAnswer, ChoosesThePdfFileOrCancels) {
    const ParsedScript s = ParseScript("answer printer pdf=EXPORT/plan.pdf\nanswer printer Cancel\n"
                                       "answer printer pdf=\"my plans/one.pdf\"\n");
    ASSERT_TRUE(s.Error.Ok) << s.Error.Message;
    ASSERT_EQ(s.Actions.size(), 3u);
    EXPECT_EQ(s.Actions[0].Answer.Kind, AnswerKind::Printer);
    EXPECT_EQ(s.Actions[0].Answer.Text, "EXPORT/plan.pdf");
    EXPECT_TRUE(s.Actions[1].Answer.Cancel);
    EXPECT_EQ(s.Actions[2].Answer.Text, "my plans/one.pdf");
    EXPECT_EQ(Describe(s.Actions[0].Answer), "answer printer pdf=\"EXPORT/plan.pdf\"");
}

TEST(PrintAnswer, RefusesOtherWords) {
    for (const char* line :
         {"answer printer", "answer printer pdf=", "answer printer laser1", "answer printer pdf=a b"}) {
        const ParsedScript s = ParseScript(line);
        EXPECT_FALSE(s.Error.Ok) << line;
    }
}

} // namespace
} // namespace velmora
