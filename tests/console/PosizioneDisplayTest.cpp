#include "console/Avvio.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* nome;
    QPoint salvata;
    QList<QRect> schermi;
    QPoint attesa;
};

const QRect Primo(0, 0, 1920, 1080);
const QRect Secondo(1920, 0, 1280, 720);

TEST(PosizioneDisplayTest, TheStoredScreenIfItIsStillThere) {
    const Caso casi[] = {
        {"on the second screen", {1920, 0}, {Primo, Secondo}, {1920, 0}},
        {"a frame a few pixels past the corner", {1912, -8}, {Primo, Secondo}, {1912, -8}},
        {"second screen unplugged", {1920, 0}, {Primo}, {0, 0}},
        {"primary screen to the right", {-1280, 0}, {QRect(0, 0, 1920, 1080)}, {0, 0}},
        {"no screen at all", {500, 500}, {}, {0, 0}},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(c.attesa, PosizioneDisplay(c.salvata, c.schermi)) << c.nome;
    }
}

} // namespace
