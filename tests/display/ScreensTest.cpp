#include "display/Screens.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreensTest, TheChosenScreenElseOneWithoutTheConsoleElseTheOnlyOne) {
    const QList<Screen> twoScreens{{"eDP-1", QRect(0, 0, 1366, 768)},
                                   {"HDMI-1", QRect(1366, 0, 1920, 1080)}};
    const QPoint console(1000, 300);
    struct Case {
        QList<Screen> screens;
        QPoint console;
        QString chosen;
        int expected;
    };
    const Case cases[] = {
        {twoScreens, console, "", 1},      {twoScreens, QPoint(2000, 500), "", 0},
        {twoScreens, console, "eDP-1", 0}, {twoScreens, console, "staccato", 1},
        {{twoScreens[0]}, console, "", 0}, {{}, console, "", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, DisplayScreen(c.screens, c.console, c.chosen))
            << c.chosen.toStdString() << " " << c.screens.size();
    }
    EXPECT_EQ(QStringLiteral("HDMI-1 (1920 × 1080)"), DescribeScreen(twoScreens[1]));
}

} // namespace
