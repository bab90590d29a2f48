#include "platform/qt/Caratteri.h"
#include "shared/ui/Disegno.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

int Inchiostro(const QFont& carattere) {
    QImage figura(900, 400, QImage::Format_RGB32);
    figura.fill(Qt::white);
    QPainter pittore(&figura);
    pittore.setFont(carattere);
    pittore.setPen(Qt::black);
    pittore.drawText(figura.rect(), Qt::AlignCenter, QStringLiteral("25"));
    pittore.end();
    int n = 0;
    for (int y = 0; y < figura.height(); ++y) {
        for (int x = 0; x < figura.width(); ++x) {
            n += qGray(figura.pixel(x, y)) < 128;
        }
    }
    return n;
}

TEST(CaratteriTest, TheDesignFontIsAvailable) {
    RegistraCaratteri();
    EXPECT_EQ(QStringLiteral("Tahoma").toStdString(),
              QFontInfo(QFont(QStringLiteral("Tahoma"))).family().toStdString());
}

// The scores are drawn at 78 points and more: bold must still be bold there.
TEST(CaratteriTest, BoldTextIsHeavierAtEverySize) {
    RegistraCaratteri();
    for (double punti : {12.0, 63.75, 78.0, 160.0}) {
        const int grassetto = Inchiostro(Carattere(QStringLiteral("Tahoma"), punti, true));
        const int normale = Inchiostro(Carattere(QStringLiteral("Tahoma"), punti, false));
        EXPECT_GT(grassetto, normale * 13 / 10) << punti;
    }
}

} // namespace
