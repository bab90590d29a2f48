#include "match/HistoryText.h"

#include "match/Match.h"
#include "shared/FileText.h"
#include "shared/Language.h"

#include <gtest/gtest.h>

namespace {

// The shipped table, in one of its languages: the texts are checked as an operator reads them.
LanguageTable Languages(int column) {
    LanguageTable languages;
    languages.Load(*ReadTextFile(QStringLiteral(BRIVANTA_DATA "/Languages.csv"), 1 << 20));
    languages.LanguageColumn = column;
    languages.CurrentLanguage = languages.LanguageCodes()[static_cast<size_t>(column + 1)];
    return languages;
}

const std::array<QString, 2> Teams{QStringLiteral("Aquile Volley"), QStringLiteral("Lupi Neri")};
const std::array<Roster, 2> Rosters{
    Roster{{"7", "ROSSI", "Elena", "4-Banda", "C"}, {"A1", "BIANCHI", "Marco", "", "C"}},
    Roster{{"9", "gallo", "Matteo", "", "C"}}};

// Each kind of line after the same opening, so removals and timeouts read as such.
const QStringList Played{
    "(1) 0 -  0 - 15:00 - 0_0",   "(1) 1 -  0 - 15:01 - H_7_3",  "(1) 1 -  1 - 15:02 - G_N_0",
    "(1) 2 -  1 - 15:03 - H_E_2", "(1) 2 -  2 - 15:04 - G_12_4", "1#H Timeout Locali - 15:05",
    "(1) 1 -  2 - 15:06 - H_E_0", "(2) 0 -  0 - 15:20 - 0_0",    "?? a line nobody wrote"};

struct LanguageCase {
    int column;
    QStringList lines;
};

class ReadableHistoryTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(ReadableHistoryTest, EveryKindOfLineReadsInTheOperatorsLanguage) {
    const LanguageTable languages = Languages(GetParam().column);
    QStringList readable;
    for (const HistoryEvent& e : ReadHistory(Played)) {
        readable << ReadableHistoryLine(e, Teams, Rosters, languages);
    }
    EXPECT_EQ(GetParam().lines, readable);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ReadableHistoryTest,
    testing::Values(
        LanguageCase{
            0,
            {"Set 1 · 0–0 · Inizio set", "Set 1 · 1–0 · Aquile Volley · #7 Rossi · Schiacciata",
             "Set 1 · 1–1 · Lupi Neri · non assegnato",
             "Set 1 · 2–1 · Aquile Volley · errore avversario · Muro",
             "Set 1 · 2–2 · Lupi Neri · #12 · Pallonetto", "Set 1 · 2–2 · Aquile Volley · Tempo 1",
             "Set 1 · 1–2 · Aquile Volley · punto tolto", "Set 2 · 0–0 · Inizio set",
             "?? a line nobody wrote"}},
        LanguageCase{1,
                     {"Set 1 · 0–0 · Set start", "Set 1 · 1–0 · Aquile Volley · #7 Rossi · Spike",
                      "Set 1 · 1–1 · Lupi Neri · not assigned",
                      "Set 1 · 2–1 · Aquile Volley · opponent's error · Block",
                      "Set 1 · 2–2 · Lupi Neri · #12 · Tip",
                      "Set 1 · 2–2 · Aquile Volley · Timeout 1",
                      "Set 1 · 1–2 · Aquile Volley · point taken back", "Set 2 · 0–0 · Set start",
                      "?? a line nobody wrote"}},
        LanguageCase{
            3,
            {"Satz 1 · 0–0 · Satzbeginn", "Satz 1 · 1–0 · Aquile Volley · #7 Rossi · Angriff",
             "Satz 1 · 1–1 · Lupi Neri · nicht zugeordnet",
             "Satz 1 · 2–1 · Aquile Volley · Fehler des Gegners · Block",
             "Satz 1 · 2–2 · Lupi Neri · #12 · Lob", "Satz 1 · 2–2 · Aquile Volley · Auszeit 1",
             "Satz 1 · 1–2 · Aquile Volley · Punkt zurückgenommen", "Satz 2 · 0–0 · Satzbeginn",
             "?? a line nobody wrote"}}));

TEST(ReadableHistoryTest, EveryNewTextHasAllFiveLanguages) {
    for (const char* key :
         {"errore avversario", "non assegnato", "punto tolto", "Set vinto da", "cambio campo?",
          "Cambia campo", "Cambia marcatore", "Chi ha fatto il punto?"}) {
        for (int column = 1; column < 5; ++column) {
            const QString shown = Languages(column).Translate(QString::fromUtf8(key));
            EXPECT_FALSE(shown.isEmpty()) << key << " in column " << column;
            EXPECT_NE(QString::fromUtf8(key), shown) << key << " in column " << column;
        }
    }
}

TEST(SetEndNoteTest, NamesTheWinnerAndTheScoreOfTheFinishedSet) {
    Match match;
    match.TeamName = Teams;
    match.Partials = {QStringLiteral("25/20"), QStringLiteral(" 9/25")};
    EXPECT_EQ(QStringLiteral("Set to Aquile Volley 25–20 — change sides?"),
              SetEndNote(match, 1, Languages(1)));
    EXPECT_EQ(QStringLiteral("Set para Lupi Neri 9–25 — ¿cambio de lado?"),
              SetEndNote(match, 2, Languages(4)));
    EXPECT_TRUE(SetEndNote(match, 3, Languages(1)).isEmpty()) << "a set without a result";
    EXPECT_TRUE(SetEndNote(match, 0, Languages(1)).isEmpty());
}

} // namespace
