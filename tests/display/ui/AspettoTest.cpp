#include "console/ui/Form1.h"
#include "display/Colori.h"
#include "display/ui/Form2.h"
#include "doppi/Ambiente.h"
#include "doppi/Stampa.h"

#include <gtest/gtest.h>

namespace {

// What the hall sees on the display, read back from a grab of the window.
class AspettoTest : public ::testing::Test {
protected:
    void Avvia() {
        console = std::make_unique<Form1>(a.f.piattaforma);
        console->Form_Load();
    }
    Form2& Display() { return console->Tabellone(); }
    QImage Grab() { return Display().grab().toImage(); }

    Ambiente a;
    std::unique_ptr<Form1> console;
};

TEST_F(AspettoTest, StoredColoursAreOnTheDisplayFromTheFirstFrame) {
    ColoriPannello scuri = ColoriPredefiniti();
    scuri[Sfondo] = 0x401010;
    scuri[NomeCasa] = 0x800000;
    scuri[TestoCasa] = 0xFFFFFF;
    a.f.impostazioni.valori[QStringLiteral("Serial")] = CostruisciSerial(scuri);
    Avvia();
    EXPECT_EQ(QColor(0x10, 0x10, 0x40), Grab().pixelColor(2, 2)) << "the board's background";
    const QPoint nome = Display().Label1->geometry().topLeft() + QPoint(2, 2);
    EXPECT_EQ(QColor(0, 0, 0x80), Grab().pixelColor(nome)) << "the home name's panel";
}

} // namespace
