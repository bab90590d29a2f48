#include "scenarios/TestConsole.h"
#include "shared/ScreenFit.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// The console as it opens on a 1366 x 768 laptop, its captions in every language.
class ConsoleFitTest : public TestConsole {
  protected:
    ConsoleFitTest() {
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
        console.load();
        console.show();
    }

    // Every line of a caption is as wide as its control leaves room for.
    static int Room(const QWidget* w) {
        if (qobject_cast<const QRadioButton*>(w) != nullptr) {
            return w->width() - w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                   w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        }
        if (qobject_cast<const QAbstractButton*>(w) != nullptr) {
            return w->width() - 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        }
        return w->width();
    }
    static int Widest(const QFontMetrics& metrics, const QString& text) {
        int widest = 0;
        for (const QString& line : text.split(u'\n')) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        return widest;
    }
};

TEST_F(ConsoleFitTest, NoCaptionIsClippedInAnyLanguage) {
    QWidget* area = console.centralWidget();
    for (int language = 0; language < 5; ++language) {
        console.chooseLanguage(language);
        console.layOutControls();
        const std::string in = console.common().Languages.CurrentLanguage.toStdString();
        for (const QWidget* w : area->findChildren<QWidget*>()) {
            QString text;
            if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
                text = b->text();
            } else if (const auto* e = qobject_cast<const QLabel*>(w); e && !e->wordWrap()) {
                text = e->text();
            }
            if (w->parentWidget() != area || !w->isVisible() || text.isEmpty()) {
                continue;
            }
            EXPECT_LE(Widest(w->fontMetrics(), text), Room(w))
                << in << ": \"" << text.toStdString() << "\" in " << w->metaObject()->className();
            EXPECT_LE(w->fontMetrics().height() * (text.count(u'\n') + 1), w->height())
                << in << ": \"" << text.toStdString() << '"';
        }
        // The sets to choose statistics from, whole beside their button.
        const QListWidget* sets = console.statisticsChoice();
        EXPECT_LE(sets->visualItemRect(sets->item(sets->count() - 1)).bottom(),
                  sets->viewport()->height())
            << in << ": every set in sight";
        for (int row = 0; row < sets->count(); ++row) {
            EXPECT_LE(sets->fontMetrics().horizontalAdvance(sets->item(row)->text()),
                      sets->viewport()->width() - 4)
                << in << ": " << sets->item(row)->text().toStdString();
        }
    }
}

TEST_F(ConsoleFitTest, TheTeamListsShowAClubsTeams) {
    for (int side = 0; side < 2; ++side) {
        const QListWidget* teams = console.teamList(side);
        EXPECT_GE(teams->viewport()->height() / teams->fontMetrics().height(), 7) << side;
        const QListWidget* roster = console.rosterList(side);
        EXPECT_GE(roster->viewport()->height() / roster->fontMetrics().height(), 15)
            << "the opponents' error and fourteen players";
    }
}

// Nothing stored, one screen: the display is a window the volunteer sees, not a strip in
// the corner behind the console.
TEST_F(ConsoleFitTest, OnItsFirstStartOnOneScreenTheDisplayIsSeen) {
    ASSERT_EQ(1, QGuiApplication::screens().size());
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(DisplayOnSharedScreen(free), d.geometry());
    EXPECT_GE(console.frameGeometry().left(), free.left()) << "its menus on the screen";

    // Where the volunteer then puts it, it stays when the start-up sequence reruns.
    const QRect put(40, 30, 400, 300);
    d.window().setGeometry(put);
    console.chooseLanguage(1);
    EXPECT_EQ(put, d.geometry());
}

} // namespace
