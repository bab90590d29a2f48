#pragma once

class QDialog;

// Shows a modal window and returns when it closes. Tests drive the window instead.
class FinestreModali {
public:
    virtual ~FinestreModali() = default;
    virtual void Mostra(QDialog& finestra) = 0;
    // True while any modal window or message box is open over the program.
    virtual bool Aperta() const = 0;
};
