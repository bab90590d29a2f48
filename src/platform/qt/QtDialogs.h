#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <memory>

class QMessageBox;
class QTranslator;
class QWidget;

class QtDialogs : public Dialogs {
  public:
    QtDialogs();
    ~QtDialogs() override;
    using Dialogs::Message;
    // The window a message belongs over when no modal window is open: the console, not the
    // display the audience sees, and not the whole screen.
    void SetMainWindow(QWidget* window) { main_ = window; }
    Answer Message(const QString& text, Buttons buttons, Default byDefault) override;
    void Notice(const QString& text) override;
    std::optional<QString> InputBox(const QString& question, const QString& title,
                                    const QString& byDefault) override;
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(const QString& title, const QString& folder, const QString& name,
                     const QString& filter) override;
    QString ChooseFolder(const QString& title, const QString& folder) override;
    void Beep() override;
    void SetLanguage(const QString& code) override;

    // The box as it will be shown, not yet shown.
    std::unique_ptr<QMessageBox> CreateMessage(const QString& text, Buttons buttons,
                                               Default byDefault) const;
    QWidget* Parent() const;

  private:
    QPointer<QWidget> main_;
    std::unique_ptr<QTranslator> translations_;
};
