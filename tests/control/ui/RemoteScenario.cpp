#include "console/Messages.h"
#include "control/Messages.h"
#include "control/Remote.h"
#include "control/ui/KeysWindow.h"
#include "control/ui/RemoteWindow.h"
#include "display/ui/CountdownOverlay.h"
#include "display/ui/DisplayWindow.h"
#include "doubles/ConsoleLive.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "live/Broadcast.h"
#include "match/Rollback.h"
#include "platform/qt/QtLiveServer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

enum class Route { Click, Keys, RemoteControl };

// A started console on two small teams; the live server is the double, whose handler the
// test calls as a network request would.
struct Bench {
    Bench() {
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Lupi/team.csv"),
                                "7;Rossi;Mario;2-Centrale;C\r\n9;Bianchi;Luca;1-Banda;C\r\n");
        Environment::CreateFile(a.program + QStringLiteral("/Teams/Orsi/team.csv"),
                                "4;Neri;Paolo;3-Libero;C\r\n");
        console = std::make_unique<ConsoleProbe>(a.f.platform);
        console->load();
        for (int side = 0; side < 2; ++side) {
            const QString name = side == 0 ? QStringLiteral("Lupi") : QStringLiteral("Orsi");
            console->teamList(side)->setCurrentItem(
                console->teamList(side)->findItems(name, Qt::MatchExactly).first());
            console->chooseTeam(side);
        }
    }

    HttpAnswer Request(const QByteArray& method, const QByteArray& target,
                       const QByteArray& authorization, const QString& address) {
        HttpRequest r;
        r.Method = method;
        r.Target = target;
        r.Authorization = authorization;
        r.Address = address;
        r.Id = ++lastId;
        return a.f.live.Handler(r);
    }
    // Sent, and its answer once it comes (a done action waits for the emergency copy).
    HttpAnswer Post(const QByteArray& action) {
        const HttpAnswer r = Sent(action);
        return r.Deferred ? Answer(lastId) : r;
    }
    HttpAnswer Sent(const QByteArray& action) {
        return Request("POST", "/control/" + action,
                       "Bearer " + console->remoteControl().Safety().Secret().toLatin1(),
                       QStringLiteral("127.0.0.1"));
    }
    // The deferred answer of request `id`: the copy is waited for without running the
    // console's timers, so every way of playing sees the same display.
    HttpAnswer Answer(quint64 id) {
        const auto found = [&]() -> const HttpAnswer* {
            for (const auto& [which, answer] : a.f.live.completed) {
                if (which == id) {
                    return &answer;
                }
            }
            return nullptr;
        };
        if (found() == nullptr) {
            EXPECT_TRUE(console->waitForCopy());
            console->remoteControl().CopyAdvanced();
        }
        EXPECT_NE(nullptr, found()) << "request " << id;
        return found() != nullptr ? *found() : HttpAnswer{};
    }
    void Line(int side, const QString& code) {
        for (int r = 0; r < console->rosterList(side)->count(); ++r) {
            if (console->rosterList(side)->item(r)->text().trimmed().startsWith(code)) {
                console->rosterList(side)->setCurrentRow(r);
                console->pickAthlete(side);
                return;
            }
        }
        ADD_FAILURE() << "no row " << code.toStdString();
    }
    QString TimeoutText(int side) const {
        return ConsoleMessages::TimeoutQuestion + console->match().TeamName[side] +
               QStringLiteral("\n") + ConsoleMessages::CancelOrConfirm;
    }
    QString UndoQuestion() const {
        return RollbackQuestion(console->match(), *UndoLine(console->match()),
                                console->common().Languages);
    }
    // Everything the hall and the file see.
    QStringList Seen() const {
        QStringList seen = HistoryLines(console->match().History);
        for (const QLabel* l : console->display().window().findChildren<QLabel*>()) {
            if (l->isVisibleTo(&console->display().window())) {
                seen << l->objectName() + u'=' + l->text();
            }
        }
        EXPECT_TRUE(console->waitForCopy());
        QFile copy(console->emergencyPath());
        EXPECT_TRUE(copy.open(QIODevice::ReadOnly));
        seen << QString::fromLatin1(copy.readAll());
        return seen;
    }

    Environment a;
    std::unique_ptr<ConsoleProbe> console;
    quint64 lastId = 0;
};

QStringList Play(Route via) {
    Bench b;
    ConsoleProbe& c = *b.console;
    auto step = [&](auto click, auto keys, auto remote) {
        switch (via) {
        case Route::Click:
            click();
            break;
        case Route::Keys:
            keys();
            break;
        case Route::RemoteControl:
            remote();
            break;
        }
    };
    auto ok = [&](const QByteArray& action) {
        EXPECT_EQ(200, b.Post(action).State) << action.constData();
    };

    // An ace by the home side's 7.
    step(
        [&] {
            c.choosePointType(1);
            b.Line(0, QStringLiteral("7"));
            c.changeScore(0);
        },
        [&] {
            QTest::keyClick(&c.window(), Qt::Key_1, Qt::ControlModifier);
            QTest::keyClicks(&c.window(), QStringLiteral("7"));
            EXPECT_EQ(QStringLiteral("7"), c.pendingCode());
            QTest::keyClick(&c.window(), Qt::Key_F5);
        },
        [&] {
            ok("type/1");
            ok("code/home/7");
            ok("home/plus");
        });
    // The guests score on the opponent's error, then with no code.
    step(
        [&] {
            b.Line(1, QStringLiteral("E"));
            c.changeScore(3);
            c.changeScore(3);
        },
        [&] {
            QTest::keyClick(&c.window(), Qt::Key_E, Qt::ControlModifier);
            QTest::keyClick(&c.window(), Qt::Key_F8);
            QTest::keyClick(&c.window(), Qt::Key_F8);
        },
        [&] {
            ok("code/guests/E");
            ok("guests/plus");
            ok("guests/plus");
        });
    // Home's 9 typed in the box, scored with Return there; a point taken back; Undo.
    step(
        [&] {
            b.Line(0, QStringLiteral("9"));
            c.changeScore(0);
            c.changeScore(2);
            b.a.f.dialogs.Expect(b.UndoQuestion(), Answer::Yes);
            c.undoLastLine();
        },
        [&] {
            QTest::keyClicks(c.codeBox(0), QStringLiteral("9"));
            QTest::keyClick(c.codeBox(0), Qt::Key_Return);
            QTest::keyClick(&c.window(), Qt::Key_F7);
            b.a.f.dialogs.Expect(b.UndoQuestion(), Answer::Yes);
            QTest::keyClick(&c.window(), Qt::Key_F9);
        },
        [&] {
            ok("code/home/9");
            ok("home/plus");
            ok("guests/minus");
            ok("undo");
        });
    // A timeout for the guests: the console asks for a click or a key, never for the phone.
    step(
        [&] {
            b.a.f.dialogs.Expect(b.TimeoutText(1), Answer::Ok);
            c.callTimeout(1);
        },
        [&] {
            b.a.f.dialogs.Expect(b.TimeoutText(1), Answer::Ok);
            QTest::keyClick(&c.window(), Qt::Key_F11);
        },
        [&] { ok("timeout/guests"); });
    EXPECT_TRUE(c.countdown() != nullptr && c.countdown()->isOpen());
    return b.Seen();
}

TEST(RemoteScenario, ClicksKeysAndRemoteRequestsPlayTheSameRally) {
    const QStringList click = Play(Route::Click);
    ASSERT_GE(click.size(), 8);
    EXPECT_TRUE(click.join(u'\n').contains(QStringLiteral("H_7_1")))
        << click.join(u'\n').toStdString();
    EXPECT_EQ(click, Play(Route::Keys));
    EXPECT_EQ(click, Play(Route::RemoteControl));
}

TEST(RemoteScenario, RemoteSecurityRefusesAndLeavesTheMatchAlone) {
    Bench b;
    const QByteArray right = "Bearer " + b.console->remoteControl().Safety().Secret().toLatin1();
    struct Case {
        const char* method;
        const char* target;
        QByteArray authorization;
        const char* address;
        int state;
    };
    const Case cases[] = {
        {"POST", "/control/home/plus", "", "127.0.0.1", 401},
        {"POST", "/control/home/plus", "Bearer 0123456789abcdef0123456789abcdef", "127.0.0.1", 401},
        {"POST", "/control/home/plus", right, "192.168.1.30", 403},
        {"GET", "/control/home/plus", right, "127.0.0.1", 405},
        {"POST", "/control/home/jump", right, "127.0.0.1", 404},
        {"POST", "/control/code/home/7x7x", right, "127.0.0.1", 400},
        {"POST", "/control/code/home/%3Cb%3E", right, "127.0.0.1", 400},
        {"POST", "/control/code/left/7", right, "127.0.0.1", 404},
        {"GET", "/remote.json", "", "127.0.0.1", 401},
        {"GET", "/remote", "", "127.0.0.1", 401},
    };
    const QStringList before = HistoryLines(b.console->match().History);
    for (const Case& c : cases) {
        EXPECT_EQ(
            c.state,
            b.Request(c.method, c.target, c.authorization, QString::fromLatin1(c.address)).State)
            << c.method << ' ' << c.target << ' ' << c.address;
    }
    EXPECT_EQ(before, HistoryLines(b.console->match().History));
    EXPECT_EQ(0, b.console->match().Points[0]);
    EXPECT_TRUE(b.console->codeBox(0)->text().isEmpty());

    // Ten wrong secrets from one address shut its wrong guesses out; the right secret is
    // never refused, and another address has its own budget.
    b.console->startLive(8765, true);
    const QString thief = QStringLiteral("192.168.1.66");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(401, b.Request("POST", "/control/home/plus", "Bearer x", thief).State);
    }
    EXPECT_EQ(429, b.Request("POST", "/control/home/plus", "Bearer x", thief).State);
    EXPECT_EQ(0, b.console->match().Points[0]);
    EXPECT_EQ(200, b.Post("home/plus").State) << "the owner is never locked out";
    EXPECT_EQ(1, b.console->match().Points[0]);
}

// The QR code's one-time code becomes the phone's own cookie, named for the port; the cookie
// scores only from our own page, never from another origin's.
TEST(RemoteScenario, PairingTradesAOneTimeCodeForTheDevicesOwnCookie) {
    Bench b;
    Access& access = b.console->remoteControl().Safety();
    const QByteArray code = access.NewCode(b.console->remoteControl().Now()).toLatin1();
    const HttpAnswer link = b.Request("GET", "/remote?pair=" + code, {}, "127.0.0.1");
    EXPECT_EQ(303, link.State);
    QByteArray cookie, attributes;
    for (const auto& [key, value] : link.Headers) {
        if (key == "Set-Cookie") {
            cookie = value.left(value.indexOf(';'));
            attributes = value.mid(value.indexOf(';'));
        }
    }
    ASSERT_TRUE(cookie.startsWith(access.CookieName() + '='));
    EXPECT_FALSE(cookie.contains(access.Secret().toLatin1())) << "not the decks' secret";
    EXPECT_TRUE(attributes.contains("HttpOnly") && attributes.contains("SameSite=Strict"));
    EXPECT_EQ(401, b.Request("GET", "/remote?pair=" + code, {}, "127.0.0.1").State) << "spent";
    EXPECT_EQ(
        401, b.Request("GET", "/remote?token=" + access.Secret().toLatin1(), {}, "127.0.0.1").State)
        << "the secret itself is no link";

    const auto point = [&](const QByteArray& origin, const QByteArray& site, bool page) {
        HttpRequest r;
        r.Method = "POST";
        r.Target = "/control/guests/plus";
        r.Cookie = "tema=scuro; " + cookie;
        r.Host = "127.0.0.1:8765";
        r.Origin = origin;
        r.FetchSite = site;
        r.FromPage = page;
        r.Address = QStringLiteral("127.0.0.1");
        r.Id = ++b.lastId;
        HttpAnswer answer = b.a.f.live.Handler(r);
        return answer.Deferred ? b.Answer(r.Id) : answer;
    };
    struct Case {
        QByteArray origin, site;
        bool page;
        int state;
    };
    for (const Case& c :
         {Case{"http://evil.example", "cross-site", false, 401},
          Case{"http://127.0.0.1:9000", "same-site", false, 401}, Case{"", "", false, 401},
          Case{"http://evil.example", "", true, 401}, Case{"", "same-origin", false, 200},
          Case{"http://127.0.0.1:8765", "", false, 200}, Case{"", "", true, 200}}) {
        EXPECT_EQ(c.state, point(c.origin, c.site, c.page).State)
            << c.origin.constData() << " " << c.site.constData() << " " << c.page;
    }
    EXPECT_EQ(3, b.console->match().Points[1]) << "only our own page scored";

    HttpRequest r;
    r.Method = "GET";
    r.Target = "/remote";
    r.Cookie = cookie;
    r.Address = QStringLiteral("127.0.0.1");
    const HttpAnswer page = b.a.f.live.Handler(r);
    EXPECT_EQ(200, page.State);
    EXPECT_TRUE(page.Body.contains("/control/")) << "the phone page itself";
    r.Target = "/remote.json";
    r.FromPage = true;
    const QJsonObject data = QJsonDocument::fromJson(b.a.f.live.Handler(r).Body).object();
    EXPECT_EQ(QStringLiteral("Neri"), data.value("sides")
                                          .toArray()[1]
                                          .toObject()
                                          .value("roster")
                                          .toArray()[1]
                                          .toObject()
                                          .value("label")
                                          .toString()
                                          .section(u' ', 1, 1));
    EXPECT_TRUE(data.value("last_line").toString().endsWith(QStringLiteral("G_N_0")));
    EXPECT_EQ(QStringLiteral("Punto Orsi, 0-3"), data.value("undo_text").toString()) << "in words";
    EXPECT_EQ(QStringLiteral("Tempo"), data.value("texts").toObject().value("timeout").toString())
        << "the page speaks the console's language";
}

TEST(RemoteScenario, ARequestDuringAQuestionWaitsItsTurnInOrder) {
    Bench b;
    b.a.f.modal.open = true;
    EXPECT_TRUE(b.Sent("home/plus").Deferred);
    EXPECT_TRUE(b.Sent("guests/plus").Deferred);
    EXPECT_EQ(0, b.console->match().Points[0]) << "nothing runs inside the question";
    b.console->remoteControl().Retry();
    EXPECT_TRUE(b.a.f.live.completed.isEmpty());
    b.a.f.modal.open = false;
    b.console->remoteControl().Retry();
    b.Answer(2);
    ASSERT_EQ(2, b.a.f.live.completed.size());
    EXPECT_EQ(1u, b.a.f.live.completed[0].first);
    EXPECT_EQ(2u, b.a.f.live.completed[1].first);
    const QJsonObject last = QJsonDocument::fromJson(b.a.f.live.completed[1].second.Body).object();
    EXPECT_EQ(1, last.value("home").toObject().value("points").toInt());
    EXPECT_EQ(1, last.value("guests").toObject().value("points").toInt());
}

// A phone or deck that got 200 can trust it: the emergency copy on disk already holds the
// change. A disk that does not answer within the bound gets 200 with "saved": false.
TEST(RemoteScenario, AnActionIsAnsweredOnceTheCopyOnDiskHoldsIt) {
    Bench b;
    ASSERT_TRUE(b.console->waitForCopy());
    b.a.f.disk.delayMs = 200;
    EXPECT_TRUE(b.Sent("home/plus").Deferred) << "not before the copy is written";
    const HttpAnswer answer = b.Answer(b.lastId);
    QFile copy(b.console->emergencyPath());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copy.readAll().contains("(1) 1 -  0")) << "on disk when the answer left";
    EXPECT_EQ(200, answer.State);
    EXPECT_TRUE(QJsonDocument::fromJson(answer.Body).object().value("saved").toBool());
}

// A disk that has answered "full" is not waited for: every point while it stays full is
// answered at once as not saved, and the notice of the full disk holds no request back.
TEST(RemoteScenario, AFullDiskIsAnsweredAtOnceAsNotSavedAndNoMessageHoldsTheRemote) {
    Bench b;
    ASSERT_TRUE(b.console->waitForCopy());
    // Only the disk's own answer may release these: the bound is out of reach.
    b.console->remoteControl().CopyWaitMs = 3600 * 1000;
    b.a.f.disk.broken = true;
    for (int point = 1; point <= 3; ++point) {
        b.Sent("home/plus");
        const quint64 id = b.lastId;
        const auto answered = [&]() -> const HttpAnswer* {
            for (const auto& [which, answer] : b.a.f.live.completed) {
                if (which == id) {
                    return &answer;
                }
            }
            return nullptr;
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return answered() != nullptr; }, 5000))
            << "point " << point;
        EXPECT_EQ(200, answered()->State) << "the point was scored";
        const QJsonObject state = QJsonDocument::fromJson(answered()->Body).object();
        EXPECT_FALSE(state.value("saved").toBool(true));
        EXPECT_EQ(point, state.value("home").toObject().value("points").toInt());
    }
    EXPECT_TRUE(b.a.f.dialogs.Shown.isEmpty()) << "no question on the console";
    EXPECT_EQ(1, b.a.f.dialogs.Notices.size()) << "told once, beside the console";
    b.a.f.disk.broken = false;
    const HttpAnswer saved = b.Post("guests/plus");
    EXPECT_TRUE(QJsonDocument::fromJson(saved.Body).object().value("saved").toBool());
}

TEST(RemoteScenario, OrdinaryKeysDoWhatAnOperatorExpects) {
    Bench b;
    ConsoleProbe& c = *b.console;
    // Tab: code box, its +1, the other code box, its +1.
    EXPECT_EQ(c.scoreButton(0), c.codeBox(0)->nextInFocusChain());
    EXPECT_EQ(c.codeBox(1), c.scoreButton(0)->nextInFocusChain());
    EXPECT_EQ(c.scoreButton(3), c.codeBox(1)->nextInFocusChain());
    // Return on a focused button presses it, keypad Enter too.
    QTest::keyClick(c.scoreButton(3), Qt::Key_Return);
    QTest::keyClick(c.scoreButton(3), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(2, c.match().Points[1]);
    // Return in a roster scores that athlete as a double-click does.
    c.rosterList(0)->setCurrentRow(1);
    QTest::keyClick(c.rosterList(0), Qt::Key_Return);
    EXPECT_EQ(1, c.match().Points[0]);
    EXPECT_TRUE(c.match().History.last().Text.endsWith(QStringLiteral("H_7_0")));
    // Typing in a code box is typing, even a key of the map's letters; Esc clears.
    QTest::keyClicks(c.codeBox(1), QStringLiteral("4"));
    EXPECT_EQ(QStringLiteral("4"), c.codeBox(1)->text());
    QTest::keyClick(&c.window(), Qt::Key_Escape);
    EXPECT_TRUE(c.codeBox(1)->text().isEmpty());
    // A pending code shows in both boxes until a side takes it; Backspace mends it.
    QTest::keyClicks(&c.window(), QStringLiteral("47"));
    QTest::keyClick(&c.window(), Qt::Key_Backspace);
    EXPECT_EQ(QStringLiteral("4"), c.codeBox(0)->placeholderText());
    QTest::keyClick(&c.window(), Qt::Key_F8);
    EXPECT_TRUE(c.match().History.last().Text.endsWith(QStringLiteral("G_4_0")));
    EXPECT_TRUE(c.codeBox(0)->placeholderText().isEmpty());
    // Typed in home's box, meant for the guests' key.
    c.codeBox(0)->setFocus();
    QTest::keyClicks(c.codeBox(0), QStringLiteral("4"));
    QTest::keyClick(c.codeBox(0), Qt::Key_F8);
    EXPECT_TRUE(c.match().History.last().Text.endsWith(QStringLiteral("G_4_0")));
    EXPECT_TRUE(c.codeBox(0)->text().isEmpty());
    // A remapped key does the action, its old key nothing.
    KeysMap map = c.keys();
    ASSERT_EQ(std::nullopt, map.Assign(Action::HomePlus, QStringLiteral("Num++")));
    c.setKeys(map);
    EXPECT_EQ(QStringLiteral("Num++"), b.a.f.settings.values.value(QStringLiteral("KeyHomePlus")));
    QTest::keyClick(&c.window(), Qt::Key_F5);
    EXPECT_EQ(1, c.match().Points[0]);
    QTest::keyClick(&c.window(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(2, c.match().Points[0]);
}

TEST(RemoteScenario, ReturnInATeamListChoosesThatTeam) {
    Bench b;
    ConsoleProbe& c = *b.console;
    c.teamList(1)->setCurrentItem(
        c.teamList(1)->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
    QTest::keyClick(c.teamList(1), Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("Lupi"), c.match().TeamName[1]);
}

TEST(RemoteScenario, TheKeysWindowRemapsRefusesADuplicateAndRestoresDefaults) {
    Bench b;
    ConsoleProbe& c = *b.console;
    b.a.f.modal.Expect([&](QDialog& d) {
        auto& f = static_cast<KeysWindow&>(d);
        f.Table->selectRow(static_cast<int>(Action::Undo));
        f.changeKey();
        QTest::keyClick(f.Table, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Action::Undo, f.map().ActionOf(QStringLiteral("Ctrl+Z")));
        f.Table->selectRow(static_cast<int>(Action::Statistics));
        f.changeKey();
        b.a.f.dialogs.Expect(ControlMessages::KeyInUse +
                             QStringLiteral(" Annulla l'ultimo punto segnato"));
        QTest::keyClick(f.Table, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(QStringLiteral("F2"), f.map().Key(Action::Statistics));
        f.okButton->click();
    });
    c.openKeysWindow();
    EXPECT_EQ(QStringLiteral("Ctrl+Z"), c.keys().Key(Action::Undo));
    EXPECT_EQ(QStringLiteral("Ctrl+Z"), b.a.f.settings.values.value(QStringLiteral("KeyUndo")));

    b.a.f.modal.Expect([](QDialog& d) {
        auto& f = static_cast<KeysWindow&>(d);
        f.defaultsButton->click();
        f.cancelButton->click();
    });
    c.openKeysWindow();
    EXPECT_EQ(QStringLiteral("Ctrl+Z"), c.keys().Key(Action::Undo)) << "Annulla keeps the map";
    b.a.f.modal.Expect([](QDialog& d) {
        auto& f = static_cast<KeysWindow&>(d);
        f.defaultsButton->click();
        f.okButton->click();
    });
    c.openKeysWindow();
    EXPECT_EQ(KeysMap(), c.keys());
}

// Return in the Remote window closes it; only a confirmed "New secret code" cuts off the
// paired phones and decks.
TEST(RemoteScenario, ANewSecretIsNeverOneReturnAwayAndIsAskedFirst) {
    Bench b;
    Access& access = b.console->remoteControl().Safety();
    const QByteArray code = access.NewCode(b.console->remoteControl().Now()).toLatin1();
    ASSERT_EQ(303, b.Request("GET", "/remote?pair=" + code, {}, "127.0.0.1").State);
    const QString secret = access.Secret();
    const auto paired = [&] { return access.Devices(b.console->remoteControl().Now()).size(); };
    ASSERT_EQ(1u, paired());

    b.a.f.modal.Expect([&](QDialog& dialog) {
        auto& w = static_cast<RemoteWindow&>(dialog);
        w.show();
        for (QWidget* focus :
             {static_cast<QWidget*>(w.newSecretButton), static_cast<QWidget*>(w.devicesList)}) {
            w.show();
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Return);
            EXPECT_FALSE(w.isVisible()) << "Return closes the window";
        }
        EXPECT_FALSE(w.newSecretButton->isDefault());
        EXPECT_EQ(secret, access.Secret()) << "Return never renews the secret";
        EXPECT_EQ(1u, paired());

        b.a.f.dialogs.Expect(ControlMessages::NewSecretQuestion, Answer::No);
        w.newSecretButton->click();
        EXPECT_EQ(Default::GiveUp, b.a.f.dialogs.Defaults.last()) << "Return keeps the secret";
        EXPECT_EQ(secret, access.Secret());
        EXPECT_EQ(1u, paired());

        b.a.f.dialogs.Expect(ControlMessages::NewSecretQuestion, Answer::Yes);
        w.newSecretButton->click();
        EXPECT_NE(secret, access.Secret());
        EXPECT_EQ(0u, paired());
        EXPECT_TRUE(w.deckSecretLabel->text().endsWith(access.Secret()));
    });
    b.console->openRemoteWindow();
}

// The code in the QR code works while the window shows it, and not once the window is closed.
TEST(RemoteScenario, APairingCodeEndsWithTheWindow) {
    Bench b;
    QByteArray code;
    b.a.f.modal.Expect([&](QDialog& dialog) {
        auto& w = static_cast<RemoteWindow&>(dialog);
        code = w.address().section(u'=', 1).toLatin1();
        w.closeButton->click();
    });
    b.console->openRemoteWindow();
    ASSERT_FALSE(code.isEmpty());
    EXPECT_EQ(401, b.Request("GET", "/remote?pair=" + code, {}, "127.0.0.1").State);
}

// Port 8765 taken by another program: the console says where to choose another, and the
// Remote window says the same rather than call the output switched off.
TEST(RemoteScenario, ABusyPortIsToldWithWhereToChangeItInBothPlaces) {
    struct Case {
        const char* language;
        QString busy;
    };
    const Case cases[] = {
        {"ITA", QStringLiteral("Uscita live non disponibile: la porta è già in uso. Porta: 8765\n"
                               "Scegli un'altra porta nei Settaggi, riquadro: Uscita live (OBS, "
                               "vMix, altri schermi)")},
        {"ENG", QStringLiteral("Live output unavailable: the port is already in use. Port: 8765\n"
                               "Choose another port in the Settings, frame: Live output (OBS, "
                               "vMix, other screens)")},
    };
    for (const Case& c : cases) {
        Environment a;
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
        a.f.settings.values[QStringLiteral("Language")] = QString::fromLatin1(c.language);
        a.f.live.busy = true;
        a.f.dialogs.Expect(c.busy);
        ConsoleProbe console(a.f.platform);
        console.load();
        a.f.modal.Expect([&](QDialog& dialog) {
            auto& w = static_cast<RemoteWindow&>(dialog);
            EXPECT_EQ(c.busy, w.hintLabel->text()) << c.language;
            EXPECT_TRUE(w.address().isEmpty()) << "no link to a server that is not there";
        });
        console.openRemoteWindow();
    }
}

// The same on the wire: a deck's request with its header, answered once the console is free.
TEST(NetworkRemote, ADeckRequestOnLoopbackIsAnsweredAfterTheQuestion) {
    ConsoleLive bench;
    Environment& a = bench.a;
    QtLiveServer& server = bench.server;
    ConsoleProbe& console = bench.console;
    a.f.settings.values[QStringLiteral("HubPort")] = QStringLiteral("0");
    console.load();
    ASSERT_TRUE(console.live().Start(0, false));
    QNetworkAccessManager network;
    const auto send = [&](const QByteArray& action, const QByteArray& secret) {
        QNetworkRequest r(QUrl(QStringLiteral("http://127.0.0.1:%1/control/").arg(server.Port()) +
                               QString::fromLatin1(action)));
        r.setRawHeader("Authorization", "Bearer " + secret);
        return network.post(r, QByteArray());
    };
    const QByteArray secret = console.remoteControl().Safety().Secret().toLatin1();
    QNetworkReply* refused = send("home/plus", "sbagliato");
    ASSERT_TRUE(QTest::qWaitFor([&] { return refused->isFinished(); }, 5000));
    EXPECT_EQ(401, refused->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());

    a.f.modal.open = true;
    QNetworkReply* waiting = send("home/plus", secret);
    ASSERT_TRUE(QTest::qWaitFor([&] { return console.remoteControl().Pending() == 1; }, 5000));
    EXPECT_FALSE(waiting->isFinished());
    EXPECT_EQ(0, console.match().Points[0]);
    a.f.modal.open = false;
    console.remoteControl().Retry();
    ASSERT_TRUE(QTest::qWaitFor([&] { return waiting->isFinished(); }, 5000));
    EXPECT_EQ(200, waiting->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
    EXPECT_EQ(1, QJsonDocument::fromJson(waiting->readAll())
                     .object()
                     .value("home")
                     .toObject()
                     .value("points")
                     .toInt());
    EXPECT_EQ(QStringLiteral("1"), console.shownScore(0));
}
} // namespace
