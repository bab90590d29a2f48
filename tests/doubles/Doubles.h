#pragma once

#include "platform/AudioChannel.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Disk.h"
#include "platform/Folders.h"
#include "platform/LiveServer.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "platform/Process.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "shared/FileText.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <thread>

// Answers messages from a script; a message the test did not expect fails it.
class FakeDialogs : public Dialogs {
  public:
    ~FakeDialogs() override;
    void Expect(const QString& text, Answer answer = Answer::Ok);
    // The next open or save dialog answers this path ("" = cancelled).
    void ExpectFile(const QString& path);
    // The next input box answers this (nothing = cancelled).
    void ExpectInput(const std::optional<QString>& answer) {
        input_.push_back({!answer.has_value(), answer.value_or(QString())});
    }
    using Dialogs::Message;
    Answer Message(const QString& text, Buttons buttons, Default byDefault) override;
    void Notice(const QString& text) override { Notices.append(text); }
    std::optional<QString> InputBox(const QString& question, const QString& title,
                                    const QString& byDefault) override;
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(const QString& title, const QString& folder, const QString& name,
                     const QString& filter) override;
    QString ChooseFolder(const QString& title, const QString&) override {
        return FileAnswer(title);
    }
    void Beep() override { ++Signals; }
    void SetLanguage(const QString& code) override { Language = code; }

    QStringList Shown;
    // The notices shown beside the console, in order; nothing waits for them.
    QStringList Notices;
    // The default button of each message shown, in order.
    QList<Default> Defaults;
    // Runs while a message is open, to look at what the user sees behind it.
    std::function<void(const QString&)> ToMessage;
    int Signals = 0;  // beeps heard
    QString Language; // the standard buttons' language

  private:
    struct Waiting {
        QString text;
        Answer answer;
    };
    std::deque<Waiting> script_;
    std::deque<QString> file_;
    struct Input {
        bool cancelled;
        QString text;
    };
    std::deque<Input> input_;
    QString FileAnswer(const QString& title);
};

// Answers yes to everything: for long unattended runs.
class AlwaysYesDialogs : public Dialogs {
  public:
    using Dialogs::Message;
    Answer Message(const QString&, Buttons p, Default) override {
        return p == Buttons::YesNo || p == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }
    void Notice(const QString&) override {}
    std::optional<QString> InputBox(const QString&, const QString&,
                                    const QString& byDefault) override {
        return byDefault;
    }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    void Beep() override {}
    void SetLanguage(const QString&) override {}
};

class FakeSettings : public Settings {
  public:
    QString Read(const QString& key) const override { return values.value(key); }
    void Write(const QString& key, const QString& value) override { values[key] = value; }
    void WhenNotStored(NotStored tell) override { notStored = std::move(tell); }
    QMap<QString, QString> values;
    // Who the program asked to hear of a failed write: a test calls it as a full disk would.
    NotStored notStored;
};

class FakeFolders : public Folders {
  public:
    QString Documents() const override { return documents; }
    QString Program() const override { return program; }
    QString Temporary() const override { return temporary; }
    QString User() const override { return user; }
    bool WritableProgramFolder() const override { return writableProgram; }
    bool writableProgram = true;
    QString documents;
    QString user;
    QString program;
    QString temporary;
};

class FakeClock : public Clock {
  public:
    QDateTime Now() const override { return now; }
    QDateTime now{QDate(2026, 12, 9), QTime(15, 42, 10)};
};

class FakeShell : public Shell {
  public:
    bool Open(const QString& path) override {
        open.append(path);
        return true;
    }
    QStringList open;
};

class FakeProcess : public Process {
  public:
    void End() override { ++ended; }
    int ended = 0;
};

// Records every call; a path listed in `unreadable` fails to open.
class FakeAudioChannel : public AudioChannel {
  public:
    bool Open(const QString& path) override;
    bool Play() override;
    void Stop() override { calls.append(QStringLiteral("ferma")); }
    void Close() override {
        calls.append(QStringLiteral("chiudi"));
        open = false;
    }
    QStringList calls;
    QStringList unreadable;
    bool brokenSound = false;
    bool open = false;
};

// Each modal window is handed to the next scripted step instead of being shown; a window
// the test did not expect fails it.
class FakeModalWindows : public ModalWindows {
  public:
    ~FakeModalWindows() override;
    // The next modal window is handed to `step`, which answers it as the user would.
    void Expect(std::function<void(QDialog&)> step) { script_.push_back(std::move(step)); }
    void Show(QDialog& window) override;
    bool Open() const override { return open; }
    // A question the test holds open on the console.
    bool open = false;

  private:
    std::deque<std::function<void(QDialog&)>> script_;
};

// Answers requests only when a test calls it; records what was pushed to the streams.
class FakeLiveServer : public LiveServer {
  public:
    bool Start(quint16 p, bool) override {
        if (busy) {
            return false;
        }
        port = p == 0 ? 1 : p;
        return true;
    }
    void Stop() override { port = 0; }
    quint16 Port() const override { return port; }
    void Broadcast(const QByteArray& data) override { broadcast.append(data); }
    int Streams() const override { return streams; }
    bool Present(quint64 id) const override { return !gone.contains(id); }
    QSet<quint64> gone; // deferred requests whose client has gone
    void Complete(quint64 id, const HttpAnswer& answer) override {
        completed.emplaceBack(id, answer);
    }
    quint16 port = 0;
    bool busy = false;
    int streams = 0;
    QList<QByteArray> broadcast;
    QList<QPair<quint64, HttpAnswer>> completed;
};

// Writes for real, as slowly or as badly as the test needs.
class FakeDisk : public Disk {
  public:
    bool Write(const QString& path, const QByteArray& data, QString& reason) override {
        if (delayMs > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs.load()));
        }
        ++attempts;
        if (broken) {
            reason = QStringLiteral("guasto simulato");
            return false;
        }
        return WriteWholeFile(path, data, &reason);
    }
    std::atomic<int> attempts{0};
    std::atomic<int> delayMs{0};
    std::atomic<bool> broken{false};
};

// Every platform service as a double; the dialogs as the test needs them.
template <class DialogDoubles> struct PlatformOf {
    DialogDoubles dialogs;
    FakeSettings settings;
    FakeFolders folders;
    FakeClock clock;
    FakeShell shell;
    FakeProcess process;
    FakeAudioChannel audio;
    FakeModalWindows modal;
    FakeLiveServer live;
    FakeDisk disk;
    Platform platform{dialogs, settings, folders, clock, shell,  process,
                      audio,   modal,    live,    disk,  nullptr};
};

using FakePlatform = PlatformOf<FakeDialogs>;

// For long unattended runs in one folder: every question answered yes.
struct UnattendedPlatform : PlatformOf<AlwaysYesDialogs> {
    explicit UnattendedPlatform(const QString& folder) {
        folders.temporary = folder;
        folders.program = folder;
        folders.user = folder + QStringLiteral("/utente");
    }
};
