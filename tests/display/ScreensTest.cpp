#include "display/Screens.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreensTest, TheChosenScreenElseOneWithoutTheConsoleElseTheOnlyOne) {
    const QList<Screen> due{{"eDP-1", QRect(0, 0, 1366, 768)}, {"HDMI-1", QRect(1366, 0, 1920, 1080)}};
    const QPoint console(1000, 300);
    struct Case {
        QList<Screen> screens;
        QPoint console;
        QString chosen;
        int expected;
    };
    const Case cases[] = {
        {due, console, "", 1},
        {due, QPoint(2000, 500), "", 0},
        {due, console, "eDP-1", 0},
        {due, console, "staccato", 1},
        {{due[0]}, console, "", 0},
        {{}, console, "", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, DisplayScreen(c.screens, c.console, c.chosen))
            << c.chosen.toStdString() << " " << c.screens.size();
    }
    EXPECT_EQ(QStringLiteral("HDMI-1 (1920 × 1080)"), DescribeScreen(due[1]));
}

} // namespace
