#pragma once

class QDialog;

// Shows a modal window and returns when it closes. Tests drive the window instead.
class ModalWindows {
  public:
    virtual ~ModalWindows() = default;
    virtual void Show(QDialog& window) = 0;
    // True while any modal window or message box is open over the program.
    virtual bool Open() const = 0;
};
