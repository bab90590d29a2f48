#pragma once

#include <QString>
#include <optional>

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
// The button Return presses. A question that throws a match or data away defaults to
// No / Annulla, so a stray Return keeps what is there.
enum class Default { Confirm, GiveUp };

// Every message box, input box and file dialog. Message boxes are titled "Brivanta";
// callers pass texts already translated.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer Message(const QString& text, Buttons buttons, Default byDefault) = 0;
    Answer Message(const QString& text, Buttons buttons) {
        return Message(text, buttons, Default::Confirm);
    }
    // A notice that asks nothing: shown beside the console and returns at once, so neither
    // the operator nor the remote waits for it to be read.
    virtual void Notice(const QString& text) = 0;
    // Empty optional when the user cancels. An input box carries its own title.
    virtual std::optional<QString> InputBox(const QString& question, const QString& title,
                                            const QString& byDefault) = 0;
    // Empty string when the user cancels.
    virtual QString OpenFile(const QString& title, const QString& folder,
                             const QString& filter) = 0;
    virtual QString SaveFile(const QString& title, const QString& folder, const QString& name,
                             const QString& filter) = 0;
    // Empty string when the user cancels.
    virtual QString ChooseFolder(const QString& title, const QString& folder) = 0;
    // The system's beep: a limit reached.
    virtual void Beep() = 0;
    // The program's language code (ITA, ENG, ...): the standard buttons (Yes, No, Cancel, OK)
    // and the file dialogs drawn by the toolkit speak it from now on.
    virtual void SetLanguage(const QString& code) = 0;
};
