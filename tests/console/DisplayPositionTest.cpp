#include "console/Startup.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    QPoint saved;
    QList<QRect> screens;
    QPoint waiting;
};

const QRect First(0, 0, 1920, 1080);
const QRect Second(1920, 0, 1280, 720);

TEST(DisplayPositionTest, TheStoredScreenIfItIsStillThere) {
    const Case cases[] = {
        {"on the second screen", {1920, 0}, {First, Second}, {1920, 0}},
        {"a frame a few pixels past the corner", {1912, -8}, {First, Second}, {1912, -8}},
        {"second screen unplugged", {1920, 0}, {First}, {0, 0}},
        {"primary screen to the right", {-1280, 0}, {QRect(0, 0, 1920, 1080)}, {0, 0}},
        {"no screen at all", {500, 500}, {}, {0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.waiting, DisplayPosition(c.saved, c.screens)) << c.name;
    }
}

} // namespace
