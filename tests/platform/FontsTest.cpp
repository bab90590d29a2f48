#include "platform/qt/Fonts.h"
#include "shared/ui/Drawing.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

int Ink(const QFont& character) {
    QImage picture(900, 400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(character);
    painter.setPen(Qt::black);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("25"));
    painter.end();
    int n = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            n += qGray(picture.pixel(x, y)) < 128;
        }
    }
    return n;
}

TEST(CharactersTest, TheDesignFontIsAvailable) {
    RegisterShippedFonts();
    EXPECT_EQ(QStringLiteral("Tahoma").toStdString(),
              QFontInfo(QFont(QStringLiteral("Tahoma"))).family().toStdString());
}

// The scores are drawn at 78 points and more: bold must still be bold there.
TEST(CharactersTest, BoldTextIsHeavierAtEverySize) {
    RegisterShippedFonts();
    for (double points : {12.0, 63.75, 78.0, 160.0}) {
        const int bold = Ink(Character(QStringLiteral("Tahoma"), points, true));
        const int normal = Ink(Character(QStringLiteral("Tahoma"), points, false));
        EXPECT_GT(bold, normal * 13 / 10) << points;
    }
}

} // namespace
