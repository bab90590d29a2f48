#include "doubles/Doubles.h"

#include <gtest/gtest.h>

FakeDialogs::~FakeDialogs() {
    for (const QString& f : file_) {
        ADD_FAILURE() << "expected file dialog never shown: " << f.toStdString();
    }
    if (!input_.empty()) {
        ADD_FAILURE() << "expected input box never shown";
    }
    for (const Waiting& a : script_) {
        ADD_FAILURE() << "expected message never shown: " << a.text.toStdString();
    }
}

void FakeDialogs::Expect(const QString& text, Answer answer) {
    script_.push_back({text, answer});
}

Answer FakeDialogs::Message(const QString& text, Buttons, Default byDefault) {
    Shown.append(text);
    Defaults.append(byDefault);
    if (ToMessage) {
        ToMessage(text);
    }
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return Answer::Cancel;
    }
    const Waiting a = script_.front();
    script_.pop_front();
    EXPECT_EQ(a.text.toStdString(), text.toStdString());
    return a.answer;
}

std::optional<QString> FakeDialogs::InputBox(const QString& question, const QString& title,
                                             const QString&) {
    Shown.append(title + QStringLiteral(": ") + question);
    if (input_.empty()) {
        ADD_FAILURE() << "unexpected input box: " << question.toStdString();
        return std::nullopt;
    }
    const Input answer = input_.front();
    input_.pop_front();
    if (answer.cancelled) {
        return std::nullopt;
    }
    return answer.text;
}

void FakeDialogs::ExpectFile(const QString& path) {
    file_.push_back(path);
}

QString FakeDialogs::FileAnswer(const QString& title) {
    if (file_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return {};
    }
    const QString path = file_.front();
    file_.pop_front();
    return path;
}

QString FakeDialogs::OpenFile(const QString& title, const QString&, const QString&) {
    return FileAnswer(title);
}

QString FakeDialogs::SaveFile(const QString& title, const QString&, const QString&,
                              const QString&) {
    return FileAnswer(title);
}

bool FakeAudioChannel::Open(const QString& path) {
    calls.append(QStringLiteral("apri ") + path);
    if (open || path.isEmpty() || unreadable.contains(path)) {
        return false;
    }
    open = true;
    return true;
}

bool FakeAudioChannel::Play() {
    calls.append(QStringLiteral("suona"));
    return !brokenSound;
}

FakeModalWindows::~FakeModalWindows() {
    if (!script_.empty()) {
        ADD_FAILURE() << script_.size() << " expected modal windows never shown";
    }
}

void FakeModalWindows::Show(QDialog& window) {
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected modal window";
        return;
    }
    auto step = std::move(script_.front());
    script_.pop_front();
    step(window);
}
