// Kills a console while a button deck scores on it through the remote, often with requests in
// flight, and starts it again on the same folders, answering the resume offer: the resumed
// match (score, sets, history) must hold every point answered "saved": true, and while the
// disk has room no answer may say "saved": false. BRIVANTA_DRILL_KILLS sets a longer run.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>
#include <random>
#include <thread>

namespace {

constexpr int KillsInTheSuite = 24;
constexpr unsigned Seed = 20261211;

// Points each side scored in the whole match: finished sets and the set under way.
struct Totals {
    int home = 0;
    int guests = 0;
    bool operator==(const Totals&) const = default;
};

Totals Scored(const QJsonObject& state) {
    Totals t{state["home"].toObject()["points"].toInt(),
             state["guests"].toObject()["points"].toInt()};
    for (const QJsonValue partial : state["partials"].toArray()) {
        const QStringList two = partial.toString().split(u'/');
        if (two.size() == 2) {
            t.home += two[0].toInt();
            t.guests += two[1].toInt();
        }
    }
    return t;
}

// What must survive: the score, the sets and the set under way.
QJsonObject Kept(const QJsonObject& state) {
    QJsonObject k;
    for (const char* side : {"home", "guests"}) {
        const QJsonObject s = state[side].toObject();
        k.insert(side, QJsonObject{{"points", s["points"]}, {"sets", s["sets"]}});
    }
    k.insert("set", state["set"].toObject()["number"]);
    k.insert("partials", state["partials"]);
    return k;
}

// Point lines of a history, by side.
Totals PointLines(const QStringList& history) {
    static const QRegularExpression point(
        QStringLiteral(R"(^\(\d+\)\s*\d+ -\s*\d+ - .* - ([HG])_)"));
    Totals t;
    for (const QString& line : history) {
        const auto m = point.match(line);
        if (m.hasMatch()) {
            (m.captured(1) == QStringLiteral("H") ? t.home : t.guests) += 1;
        }
    }
    return t;
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// One keep-alive connection that sends one side's point again as soon as it is answered.
class Deck {
  public:
    Deck(quint16 port, QByteArray secret, QByteArray action)
        : request_("POST /control/" + action +
                   " HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + secret +
                   "\r\nContent-Length: 0\r\n\r\n") {
        socket_.connectToHost(QHostAddress::LocalHost, port);
        socket_.waitForConnected(5000);
    }
    void Send() {
        socket_.write(request_);
        socket_.flush();
        ++sent;
        waiting = true;
    }
    // The answer, once it is whole.
    std::optional<QByteArray> Answer(int ms) {
        if (socket_.bytesAvailable() == 0) {
            socket_.waitForReadyRead(ms);
        }
        buffer_ += socket_.readAll();
        const qsizetype head = buffer_.indexOf("\r\n\r\n");
        if (head < 0) {
            return std::nullopt;
        }
        const qsizetype from = buffer_.indexOf("Content-Length: ") + 16;
        const qsizetype size =
            head + 4 + buffer_.mid(from, buffer_.indexOf("\r\n", from) - from).toLongLong();
        if (buffer_.size() < size) {
            return std::nullopt;
        }
        QByteArray answer = buffer_.left(size);
        buffer_.remove(0, size);
        waiting = false;
        return answer;
    }
    int sent = 0;
    bool waiting = false;

  private:
    QByteArray request_;
    QTcpSocket socket_;
    QByteArray buffer_;
};

// A helper run: started, resumed, and what it resumed.
struct HelperRun {
    QProcess process;
    QStringList history;
    QByteArray secret;
    QJsonObject state;
    bool Start(const QString& folder, quint16 port) {
        process.start(QStringLiteral(BRIVANTA_HELP_REMOTE_DRILL), {folder, QString::number(port)});
        QByteArray out;
        for (int i = 0; i < 200 && !out.contains("pronto\n"); ++i) {
            process.waitForReadyRead(100);
            out += process.readAllStandardOutput();
        }
        for (const QByteArray& line : out.split('\n')) {
            if (line.startsWith("riga ")) {
                history << QString::fromUtf8(line.mid(5));
            } else if (line.startsWith("segreto ")) {
                secret = line.mid(8);
            }
        }
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (!out.contains("pronto\n") || !s.waitForConnected(5000)) {
            return false;
        }
        s.write("GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
        QByteArray answer;
        for (int i = 0; i < 100 && s.state() == QAbstractSocket::ConnectedState; ++i) {
            s.waitForReadyRead(50);
            answer += s.readAll();
        }
        answer += s.readAll();
        state = QJsonDocument::fromJson(answer.mid(answer.indexOf("\r\n\r\n") + 4)).object();
        return !state.isEmpty();
    }
    void Kill() {
        process.kill();
        process.waitForFinished(10000);
    }
};

int Kills() {
    const int asked = qEnvironmentVariableIntValue("BRIVANTA_DRILL_KILLS");
    return asked > 0 ? asked : KillsInTheSuite;
}

TEST(RemoteCrashDrillTest, EveryPointAnsweredSavedSurvivesAKillAndARestart) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("campo"));
    std::mt19937 testCase(Seed);
    const int kills = Kills();
    int acknowledged = 0;
    int unsaved = 0;
    int lost = 0;
    int historyWrong = 0;
    int inFlight = 0;
    int matches = 1;
    // The previous run: its resumed history and totals, and what it acknowledged.
    QStringList before;
    Totals start;
    Totals sent;
    std::optional<QJsonObject> last; // the acknowledged state with the most points
    for (int k = 0; k <= kills; ++k) {
        const quint16 port = FreePort();
        HelperRun run;
        ASSERT_TRUE(run.Start(folder, port)) << "run " << k;
        const Totals resumed = Scored(run.state);
        if (k > 0) {
            const Totals floor = last ? Scored(*last) : start;
            const bool kept = resumed.home >= floor.home && resumed.guests >= floor.guests &&
                              resumed.home <= start.home + sent.home &&
                              resumed.guests <= start.guests + sent.guests;
            const bool same = !last || resumed != floor || Kept(run.state) == Kept(*last);
            if (!kept || !same) {
                ++lost;
                ADD_FAILURE() << "kill " << k << ": resumed "
                              << QJsonDocument(Kept(run.state)).toJson().toStdString()
                              << "acknowledged "
                              << (last ? QJsonDocument(Kept(*last)).toJson().toStdString() : "");
            }
            if (run.history.mid(0, before.size()) != before || PointLines(run.history) != resumed) {
                ++historyWrong;
                ADD_FAILURE() << "kill " << k << ": the history does not continue the last one";
            }
        }
        if (k == kills) {
            run.Kill();
            break;
        }
        if (run.state["home"].toObject()["sets"].toInt() >= 2 ||
            run.state["guests"].toObject()["sets"].toInt() >= 2) {
            // Two sets won: a new match starts on the same folders, before one run could win
            // this one (a won match is not offered back, rightly).
            run.Kill();
            QDir(folder).removeRecursively();
            ++matches;
            before.clear();
            start = {};
            sent = {};
            last.reset();
            --k;
            continue;
        }
        before = run.history;
        start = resumed;
        sent = {};
        last.reset();
        Deck home(port, run.secret, "home/plus");
        Deck guests(port, run.secret, "guests/plus");
        const int target = std::uniform_int_distribution<int>(1, 30)(testCase);
        // Half the kills land with requests on their way, half between them.
        const bool whileSending = std::uniform_int_distribution<int>(0, 1)(testCase) == 1;
        // An answer: 200 counts as acknowledged only with "saved": true.
        const auto record = [&](const QByteArray& answer) {
            if (!answer.startsWith("HTTP/1.1 200")) {
                return false; // the match was won: the remote refuses further points
            }
            const QJsonObject state =
                QJsonDocument::fromJson(answer.mid(answer.indexOf("\r\n\r\n") + 4)).object();
            if (!state["saved"].toBool(false)) {
                ++unsaved;
                ADD_FAILURE() << "kill " << k << ": \"saved\": false with room on the disk";
                return true;
            }
            ++acknowledged;
            const Totals t = Scored(state);
            if (!last || t.home + t.guests > Scored(*last).home + Scored(*last).guests) {
                last = state;
            }
            return true;
        };
        home.Send();
        guests.Send();
        int answered = 0;
        bool over = false;
        for (int turn = 0; turn < 20000 && answered < target && !over; ++turn) {
            for (Deck* deck : {&home, &guests}) {
                if (!deck->waiting) {
                    continue;
                }
                const auto answer = deck->Answer(1);
                if (!answer) {
                    continue;
                }
                ++answered;
                if (!record(*answer)) {
                    over = true;
                    break;
                }
                if (answered < target || whileSending) {
                    deck->Send();
                }
            }
        }
        sent = {home.sent, guests.sent};
        if (whileSending) {
            std::this_thread::sleep_for(
                std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(testCase)));
            inFlight += (home.waiting || guests.waiting) ? 1 : 0;
        } else {
            // Between requests: every answer in before the kill.
            for (Deck* deck : {&home, &guests}) {
                for (int i = 0; i < 5000 && deck->waiting; ++i) {
                    if (const auto answer = deck->Answer(1); answer) {
                        record(*answer);
                    }
                }
            }
        }
        run.Kill();
    }
    std::cout << "remote crash drill: kills=" << kills << " with-requests-in-flight=" << inFlight
              << " matches=" << matches << " acknowledged=" << acknowledged
              << " saved-false=" << unsaved << " acknowledged-lost=" << lost
              << " history-wrong=" << historyWrong << std::endl;
    EXPECT_EQ(0, lost);
    EXPECT_EQ(0, unsaved);
    EXPECT_EQ(0, historyWrong);
}

} // namespace
