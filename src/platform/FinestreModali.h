#pragma once

class QDialog;

// Shows a modal window and returns when it closes. Tests drive the window instead.
class FinestreModali {
public:
    virtual ~FinestreModali() = default;
    virtual void Mostra(QDialog& finestra) = 0;
};
