#include "display/Schermi.h"

#include <gtest/gtest.h>

namespace {

TEST(SchermiTest, TheChosenScreenElseOneWithoutTheConsoleElseTheOnlyOne) {
    const QList<Schermo> due{{"eDP-1", QRect(0, 0, 1366, 768)}, {"HDMI-1", QRect(1366, 0, 1920, 1080)}};
    const QPoint console(1000, 300);
    struct Caso {
        QList<Schermo> schermi;
        QPoint console;
        QString scelto;
        int atteso;
    };
    const Caso casi[] = {
        {due, console, "", 1},
        {due, QPoint(2000, 500), "", 0},
        {due, console, "eDP-1", 0},
        {due, console, "staccato", 1},
        {{due[0]}, console, "", 0},
        {{}, console, "", -1},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(c.atteso, SchermoDelDisplay(c.schermi, c.console, c.scelto))
            << c.scelto.toStdString() << " " << c.schermi.size();
    }
    EXPECT_EQ(QStringLiteral("HDMI-1 (1920 × 1080)"), DescriviSchermo(due[1]));
}

} // namespace
