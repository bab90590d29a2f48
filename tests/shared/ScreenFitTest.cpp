#include "shared/ScreenFit.h"

#include <gtest/gtest.h>

namespace {

struct Screen {
    const char* name;
    QRect available;
};

const Screen Screens[] = {
    {"a laptop", QRect(0, 0, 1366, 768)},
    {"above a taskbar", QRect(0, 0, 1366, 728)},
    {"below a top panel", QRect(0, 28, 1366, 740)},
    {"a second screen to the right", QRect(1920, 0, 1366, 768)},
};

TEST(ScreenFitTest, TheConsoleOpensWholeAgainstTheRightEdge) {
    for (const Screen& s : Screens) {
        const QRect frame(ConsolePosition({1110, 700}, s.available), QSize(1110, 700));
        EXPECT_TRUE(s.available.contains(frame)) << s.name;
        EXPECT_EQ(s.available.right(), frame.right()) << s.name;
        EXPECT_EQ(s.available.top(), frame.top()) << s.name;
    }
    const QRect wide(ConsolePosition({1400, 700}, Screens[3].available), QSize(1400, 700));
    EXPECT_EQ(Screens[3].available.left(), wide.left()) << "its menus stay on the screen";
}

TEST(ScreenFitTest, ADisplaySharingTheScreenIsSeenWhole) {
    for (const Screen& s : Screens) {
        const QRect display = DisplayOnSharedScreen(s.available);
        EXPECT_TRUE(s.available.contains(display)) << s.name;
        EXPECT_GE(display.width(), s.available.width() / 2) << s.name;
        EXPECT_EQ(s.available.center().x() / 10, display.center().x() / 10) << s.name;
    }
}

TEST(ScreenFitTest, ATallWindowKeepsItsFrameOnTheFreeArea) {
    const QMargins frame(4, 30, 4, 4);
    for (const Screen& s : Screens) {
        const QRect client = FullHeight(s.available, frame, s.available.left() + 50, 1220);
        EXPECT_TRUE(s.available.contains(client.marginsAdded(frame))) << s.name;
        EXPECT_EQ(s.available.bottom(), client.marginsAdded(frame).bottom()) << s.name;
        EXPECT_EQ(1220, client.width()) << s.name;
    }
}

} // namespace
