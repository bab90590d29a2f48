#include "display/TextFit.h"
#include "display/ScoreBand.h"

#include "doubles/Printing.h"

#include <gtest/gtest.h>

namespace {

// A text of `letters` glyphs, each 0.6 of the size wide, in lines 1.2 of the size tall.
std::function<QSizeF(double)> Text(int letters) {
    return [letters](double size) { return QSizeF(size * 0.6 * letters, size * 1.2); };
}

TEST(TextFitTest, TheLargestSizeThatFitsTheBoxElseTheSmallest) {
    struct Case {
        const char* name;
        int letters;
        QSizeF box;
        double largest;
        double smallest;
    };
    const Case cases[] = {
        {"fits as designed", 5, {400, 100}, 40, 16},
        {"too wide: shrinks", 16, {400, 100}, 80, 16},
        {"too tall: shrinks", 2, {400, 30}, 80, 16},
        {"a long name in a narrow box", 60, {300, 40}, 30, 12},
    };
    for (const Case& c : cases) {
        const auto measure = Text(c.letters);
        const double size = FittingSize(measure, c.box, c.largest, c.smallest);
        const QSizeF extent = measure(size);
        const bool fits = extent.width() <= c.box.width() && extent.height() <= c.box.height();
        EXPECT_LE(size, c.largest) << c.name;
        EXPECT_GE(size, c.smallest) << c.name;
        if (fits) {
            // No visible room wasted: a size a step larger would not fit.
            const QSizeF larger = measure(size / 0.95);
            EXPECT_TRUE(size == c.largest || larger.width() > c.box.width() ||
                        larger.height() > c.box.height())
                << c.name;
        } else {
            EXPECT_DOUBLE_EQ(c.smallest, size) << c.name << ": the caller elides";
        }
    }
    EXPECT_DOUBLE_EQ(12, FittingSize(Text(60), {300, 40}, 30, 12)) << "left to elide";
    EXPECT_DOUBLE_EQ(40, FittingSize(Text(5), {400, 100}, 40, 16));
}

TEST(ScoreBandTest, ServeBallSitsInTheNamePanelBesideTheScore) {
    const QRectF homeName(0, 1200, 2040, 1845);
    const QRectF guestsName(5295, 1200, 2040, 1845);
    const QRectF lowName(0, 3000, 3600, 300); // band off: a low strip under the score
    for (const auto& [name, scoreOnRight] :
         {std::pair{homeName, true}, {guestsName, false}, {lowName, true}}) {
        const QRectF ball = ServeMarkerPlace(name, scoreOnRight, 400);
        EXPECT_TRUE(name.contains(ball)) << name.left();
        EXPECT_DOUBLE_EQ(ball.width(), ball.height());
        EXPECT_LE(ball.height(), name.height() * 0.8) << "fits a low panel";
        const double towardsScore =
            scoreOnRight ? name.right() - ball.right() : ball.left() - name.left();
        EXPECT_LT(towardsScore, ball.width()) << "beside the score";
        EXPECT_LT(name.bottom() - ball.bottom(), ball.height()) << "in the bottom corner";
    }
    EXPECT_EQ(8, ServeFrameWidth(1920)) << "seen from the stands";
    EXPECT_EQ(3, ServeFrameWidth(489)) << "never thinner than it was";
}

TEST(ScoreBandTest, BannerTextTakesTheRoomRightOfTheBallBetweenTheStripes) {
    for (const QSizeF size : {QSizeF(640, 164), QSizeF(864, 221), QSizeF(220, 56)}) {
        const BannerParts p = BannerLayout(size);
        const QRectF whole(QPointF(0, 0), size);
        for (const QRectF& part : {p.TopStripe, p.BottomStripe, p.Ball, p.Text}) {
            EXPECT_TRUE(whole.contains(part)) << size.width();
        }
        EXPECT_FALSE(p.Text.intersects(p.Ball)) << size.width();
        EXPECT_FALSE(p.Text.intersects(p.TopStripe)) << size.width();
        EXPECT_FALSE(p.Text.intersects(p.BottomStripe)) << size.width();
        EXPECT_GT(p.Text.width(), size.width() * 0.6) << "most of the banner is its words";
    }
}

TEST(ScoreBandTest, PartialReadsAsTheSetAndItsScore) {
    const QString pattern = QStringLiteral("Set %1: %2");
    EXPECT_EQ(QStringLiteral("Set 1: 25-20"), PartialCaption(pattern, 1, QStringLiteral("25/20")));
    EXPECT_EQ(QStringLiteral("Set 5: 15-0"), PartialCaption(pattern, 5, QStringLiteral("15/ 0")))
        << "the file's aligned blank is dropped";
    EXPECT_EQ(QStringLiteral("Satz 3: 8-25"),
              PartialCaption(QStringLiteral("Satz %1: %2"), 3, QStringLiteral(" 8/25")));
}

} // namespace
