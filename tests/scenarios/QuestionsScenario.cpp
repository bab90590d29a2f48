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
    ::testing::Values(
        QuestionCase{"unlock", "Si vuole interrompere definitivamente la partita in corso?",
                     Answer::No, [](ConsoleProbe& c) { c.toggleLock(); }},
        QuestionCase{"new_match",
                     "Attenzione se interrompi adesso la partita perderai tutti i punteggio di "
                     "questo SET ed eventualmente dei precedenti : <OK> per Nuova Partita "
                     "<Annulla> Per continuare questa partita.",
                     Answer::Cancel, [](ConsoleProbe& c) { c.newMatch(); }},
        QuestionCase{"load_over_a_match",
                     "Una partita di Brivanta è già in corso, desideri abbandonarla e caricare "
                     "un'altra partita?",
                     Answer::No, [](ConsoleProbe& c) { c.loadMatch(); }},
        QuestionCase{"exit",
                     "Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà più "
                     "possibile riprendere da dove eri arrivato? <Annulla> se vuoi rimanere.",
                     Answer::Cancel, [](ConsoleProbe& c) { c.exitProgram(); }}),
    [](const ::testing::TestParamInfo<QuestionCase>& info) {
        return std::string(info.param.name);
    });

} // namespace
