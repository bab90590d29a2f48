#include "scenari/ConsoleDiProva.h"

#include <functional>

namespace {

struct CasoDomanda {
    const char* nome;
    const char* domanda;
    Risposta rinuncia; // what the default button answers
    std::function<void(ConsoleWindow&)> comando;
};

class DomandeScenario : public ConsoleDiProva,
                        public ::testing::WithParamInterface<CasoDomanda> {};

// A stray Return on a question that throws the match away must keep it.
TEST_P(DomandeScenario, QuestionsThatThrowTheMatchAwayDefaultToKeepingIt) {
    Punti(0, 3);
    a.f.dialoghi.Attendi(QString::fromUtf8(GetParam().domanda), GetParam().rinuncia);
    GetParam().comando(console);
    ASSERT_EQ(1, a.f.dialoghi.Predefiniti.size());
    EXPECT_EQ(Predefinito::Rinuncia, a.f.dialoghi.Predefiniti[0]);
    EXPECT_EQ(QStringLiteral("3"), console.LabScore[0]->text());
    EXPECT_EQ(0, a.f.processo.terminato);
}

INSTANTIATE_TEST_SUITE_P(
    Comandi, DomandeScenario,
    ::testing::Values(
        CasoDomanda{"unlock", "Si vuole interrompere definitivamente la partita in corso?",
                    Risposta::No, [](ConsoleWindow& c) { c.toggleLock(); }},
        CasoDomanda{"new_match",
                    "Attenzione se interrompi adesso la partita perderai tutti i punteggio di "
                    "questo SET ed eventualmente dei precedenti : <OK> per Nuova Partita "
                    "<Annulla> Per continuare questa partita.",
                    Risposta::Annulla, [](ConsoleWindow& c) { c.newMatch(); }},
        CasoDomanda{"load_over_a_match",
                    "Una partita di Brivanta è già in corso, desideri abbandonarla e caricare "
                    "un'altra partita?",
                    Risposta::No, [](ConsoleWindow& c) { c.loadMatch(); }},
        CasoDomanda{"exit",
                    "Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà più "
                    "possibile riprendere da dove eri arrivato? <Annulla> se vuoi rimanere.",
                    Risposta::Annulla, [](ConsoleWindow& c) { c.exitProgram(); }}),
    [](const ::testing::TestParamInfo<CasoDomanda>& info) { return std::string(info.param.nome); });

} // namespace
