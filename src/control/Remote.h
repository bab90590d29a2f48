#pragma once

#include "control/Access.h"
#include "control/Commands.h"
#include "platform/Http.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

class LiveServer;

// The remote control on the live server: POST /control/<action> for button decks and the
// phone page at /remote. Each request passes `Access`, then runs through the console's own
// handler; while the console shows a modal question it waits its turn, in order.
class Remote : public QObject {
    Q_OBJECT
  public:
    struct Console {
        // Runs the command as the console's button would; a refusal's text, or nothing.
        std::function<std::optional<QString>(const Command&)> Run;
        // True while a modal window is open on the console.
        std::function<bool()> Busy;
        std::function<QByteArray()> State;      // /state.json after the action
        std::function<QByteArray()> RemoteData; // rosters, point types, the last action
        // The emergency copy's hand-overs so far, the last one on disk, and the last one whose
        // write ended (on disk or failed).
        std::function<qint64()> CopiesHandedOver;
        std::function<qint64()> CopiesWritten;
        std::function<qint64()> CopiesTried;
    };
    // How long a done action's answer waits for a write in progress to hold it; after that it
    // goes out with "saved": false. A write that failed is answered at once.
    int CopyWaitMs = 2000;
    Remote(LiveServer& server, Console console);

    Access& Safety() { return access_; }
    static bool ItsPath(const QByteArray& target);
    HttpAnswer Reply(const HttpRequest& request);
    // Runs the requests that waited, when the console is free.
    void Retry();
    // The emergency copy moved on, or failed: the answers it now holds, or never will, go out.
    void CopyAdvanced();
    // Answers that waited past `CopyWaitMs` go out, marked as not yet saved.
    void CopyDeadlines();
    int Pending() const { return static_cast<int>(queue_.size()); }
    // Requests that wait for a question on the console at most; more get 503.
    static constexpr int MaxInQueue = 16;
    // The steady clock the secrets' times are on.
    qint64 Now() const { return clock_.elapsed(); }

  private:
    HttpAnswer Control(const HttpRequest& request, const QByteArray& path);
    HttpAnswer Page(const HttpRequest& request, const QByteArray& query);
    HttpAnswer Run(const Command& command);
    // The secrets a request carries; the device cookie only when our own page sent it.
    Access::Credentials Credentials(const HttpRequest& request) const;
    // A done action is answered once the copy on disk holds it; `Deferred` until then.
    HttpAnswer AfterTheCopy(quint64 id, HttpAnswer answer);
    void Conclude(quint64 id, const HttpAnswer& answer);

    LiveServer& server_;
    Console console_;
    Access access_;
    QElapsedTimer clock_;
    std::deque<std::pair<quint64, Command>> queue_;
    QTimer waiting_;
    struct CopyWait {
        quint64 id;
        qint64 handOver;
        qint64 deadline;
        HttpAnswer answer;
    };
    std::deque<CopyWait> copyWaiting_;
    // Each answer at the front that may go: saved or not; nothing while it must wait.
    void Release(const std::function<std::optional<bool>(const CopyWait&)>& saved);
    QTimer deadlines_;
};
