#include "control/ui/KeysWindow.h"
#include "scenarios/TestConsole.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>

namespace {

class ConsoleKeysTest : public TestConsole {
  protected:
    QString Confirm(int side) {
        return ConsoleMessages::TimeoutQuestion + console.match().TeamName[side] +
               QStringLiteral("\n") + ConsoleMessages::CancelOrConfirm;
    }
    // Each keyed control's caption and tooltip, as the operator sees them.
    QStringList Tips() {
        QStringList tips;
        for (const auto& [action, control] : console.keyedControls()) {
            const auto* b = qobject_cast<const QAbstractButton*>(control);
            tips << (b != nullptr ? b->text() : QStringLiteral("(stopwatch)")) + " | " +
                        control->toolTip();
        }
        return tips;
    }
};

TEST_F(ConsoleKeysTest, OneClickBesideTheStopwatchAsksForATimeoutAndGrantsIt) {
    a.f.dialogs.Expect(ConsoleMessages::NotStarted);
    QTest::mouseClick(console.timeoutButton(0), Qt::LeftButton);
    EXPECT_EQ(nullptr, console.countdown()) << "no timeout before the first point";
    Points(0, 1);
    for (int side = 0; side < 2; ++side) {
        ASSERT_TRUE(console.timeoutButton(side)->isEnabled());
        EXPECT_EQ(QStringLiteral("Tempo"), console.timeoutButton(side)->text());
        a.f.dialogs.Expect(Confirm(side), Answer::Cancel);
        QTest::mouseClick(console.timeoutButton(side), Qt::LeftButton);
        EXPECT_EQ(QStringLiteral("0"), console.shownTimeouts(side)) << "declined";

        a.f.dialogs.Expect(Confirm(side), Answer::Ok);
        QTest::mouseClick(console.timeoutButton(side), Qt::LeftButton);
        EXPECT_EQ(QStringLiteral("1"), console.shownTimeouts(side));
        ASSERT_NE(nullptr, console.countdown());
        EXPECT_TRUE(console.countdown()->isOpen());
    }
    EXPECT_EQ(2, console.match().TimeoutsCalled[0] + console.match().TimeoutsCalled[1]);

    // The stopwatch's double-click still calls one.
    for (const auto& [action, control] : console.keyedControls()) {
        if (action == Action::HomeTimeout && qobject_cast<QPushButton*>(control) == nullptr) {
            a.f.dialogs.Expect(Confirm(0), Answer::Ok);
            QTest::mouseDClick(control, Qt::LeftButton);
        }
    }
    EXPECT_EQ(QStringLiteral("2"), console.shownTimeouts(0));
}

TEST_F(ConsoleKeysTest, EveryKeyedControlShowsItsKeyAndFollowsTheKeysWindow) {
    const QStringList defaults{
        "+ 1 | Assegna un punto ai locali (F5)",
        "- 1 | Toglie un punto ai locali (F6)",
        "- 1 | Toglie un punto agli ospiti (F7)",
        "+ 1 | Assegna un punto agli ospiti (F8)",
        "Undo | Annulla l'ultimo punto segnato (F9)",
        "(stopwatch) | Doppio click per Timeout Locali (F10)",
        "Tempo | Timeout locali (F10)",
        "(stopwatch) | Doppio click per Timeout Ospiti (F11)",
        "Tempo | Timeout ospiti (F11)",
        "Aggiorna punteggi | Aggiorna il live del tabellone (F12)",
        "Statistiche\n---------> | Statistiche della partita o del singolo SET (F2)",
        "Ultimi 4 punti | Mostra gli ultimi 4 punti realizzati (F3)",
        "Squadra in testa | Mostra la squadra in testa - niente in caso di pareggio momentaneo "
        "(F4)",
        "Presentazione atleti | Presentazione atleti (Ctrl+P)",
        "Non specificato | Non specificato (Ctrl+0)",
        "Ace | Ace (Ctrl+1)",
        "Muro | Muro (Ctrl+2)",
        "Schiacciata | Schiacciata (Ctrl+3)",
        "Pallonetto | Pallonetto (Ctrl+4)",
    };
    EXPECT_EQ(defaults, Tips());

    // Undo moves to Ctrl+Z and the home timeout loses its key, through the keys' window.
    a.f.modal.Expect([](QDialog& d) {
        auto& f = static_cast<KeysWindow&>(d);
        f.Table->selectRow(static_cast<int>(Action::Undo));
        f.changeKey();
        QTest::keyClick(f.Table, Qt::Key_Z, Qt::ControlModifier);
        f.okButton->click();
    });
    console.openKeysWindow();
    KeysMap noKey = console.keys();
    ASSERT_FALSE(noKey.Assign(Action::HomeTimeout, QString()));
    console.setKeys(noKey);
    QStringList changed = defaults;
    changed[4] = "Undo | Annulla l'ultimo punto segnato (Ctrl+Z)";
    changed[5] = "(stopwatch) | Doppio click per Timeout Locali";
    changed[6] = "Tempo | Timeout locali";
    EXPECT_EQ(changed, Tips());
}

TEST_F(ConsoleKeysTest, StoredKeysAreShownFromTheStart) {
    a.f.settings.values[QStringLiteral("KeyStatistics")] = QStringLiteral("Ctrl+S");
    ConsoleProbe started(a.f.platform);
    started.load();
    for (const auto& [action, control] : started.keyedControls()) {
        if (action == Action::Statistics) {
            EXPECT_TRUE(control->toolTip().endsWith(QStringLiteral(" (Ctrl+S)")))
                << control->toolTip().toStdString();
        }
    }
}

// The timeout buttons have their own room at the console's drawn size (as it opens on a
// 1366 x 768 laptop), with their caption whole in every language.
TEST_F(ConsoleKeysTest, TimeoutButtonsFitBesideTheStopwatchesInEveryLanguage) {
    QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                a.program + QStringLiteral("/Languages.csv"));
    ConsoleProbe c(a.f.platform);
    c.load();
    c.show();
    QWidget* area = c.centralWidget();
    for (int language = 0; language < 5; ++language) {
        c.chooseLanguage(language);
        c.layOutControls();
        const std::string in = c.common().Languages.CurrentLanguage.toStdString();
        for (int side = 0; side < 2; ++side) {
            const QPushButton* b = c.timeoutButton(side);
            EXPECT_LE(b->fontMetrics().size(0, b->text()).width() + 6, b->width()) << in;
            EXPECT_LE(b->fontMetrics().size(0, b->text()).height() + 4, b->height()) << in;
            for (const QWidget* other : area->findChildren<QWidget*>()) {
                if (other != b && other->parentWidget() == area && other->isVisible()) {
                    EXPECT_FALSE(b->geometry().intersects(other->geometry()))
                        << in << ' ' << side << ": " << other->metaObject()->className() << ' '
                        << other->geometry().x() << ',' << other->geometry().y();
                }
            }
        }
    }
}

} // namespace
