#include "console/Messages.h"
#include "scenarios/TestConsole.h"

#include <functional>

namespace {

struct QuestionCase {
    const char* name;
    const char* question;
    Answer giveUp; // what the default button answers
    std::function<void(ConsoleProbe&)> command;
};

class QuestionsScenario : public TestConsole, public ::testing::WithParamInterface<QuestionCase> {};

// A stray Return on a question that throws the match away must keep it.
TEST_P(QuestionsScenario, QuestionsThatThrowTheMatchAwayDefaultToKeepingIt) {
    Points(0, 3);
    a.f.dialogs.Expect(QString::fromUtf8(GetParam().question), GetParam().giveUp);
    GetParam().command(console);
    ASSERT_EQ(1, a.f.dialogs.Defaults.size());
    EXPECT_EQ(Default::GiveUp, a.f.dialogs.Defaults[0]);
    EXPECT_EQ(QStringLiteral("3"), console.shownScore(0));
    EXPECT_EQ(0, a.f.process.ended);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QuestionsScenario,
    ::testing::Values(QuestionCase{"unlock", ConsoleMessages::EndMatchQuestion, Answer::No,
                                   [](ConsoleProbe& c) { c.toggleLock(); }},
                      QuestionCase{"new_match", ConsoleMessages::AbandonForNewMatch, Answer::Cancel,
                                   [](ConsoleProbe& c) { c.newMatch(); }},
                      QuestionCase{"load_over_a_match", ConsoleMessages::LoadOverMatchQuestion,
                                   Answer::No, [](ConsoleProbe& c) { c.loadMatch(); }},
                      QuestionCase{"exit", ConsoleMessages::ExitQuestion, Answer::Cancel,
                                   [](ConsoleProbe& c) { c.exitProgram(); }}),
    [](const ::testing::TestParamInfo<QuestionCase>& info) {
        return std::string(info.param.name);
    });

} // namespace
