#pragma once

#include "platform/Dialoghi.h"

#include <QPointer>
#include <memory>

class QMessageBox;
class QTranslator;
class QWidget;

class DialoghiQt : public Dialoghi {
public:
    DialoghiQt();
    ~DialoghiQt() override;
    using Dialoghi::Messaggio;
    // The window a message belongs over when no modal window is open: the console, not the
    // display the audience sees, and not the whole screen.
    void ImpostaFinestraPrincipale(QWidget* finestra) { principale_ = finestra; }
    Risposta Messaggio(const QString& testo, Pulsanti pulsanti,
                       Predefinito predefinito) override;
    std::optional<QString> InputBox(const QString& domanda, const QString& titolo,
                                    const QString& predefinito) override;
    QString ApriFile(const QString& titolo, const QString& cartella,
                     const QString& filtro) override;
    QString SalvaFile(const QString& titolo, const QString& cartella, const QString& nome,
                      const QString& filtro) override;
    QString ScegliCartella(const QString& titolo, const QString& cartella) override;
    void Beep() override;
    void ImpostaLingua(const QString& codice) override;

    // The box as it will be shown, not yet shown.
    std::unique_ptr<QMessageBox> CreaMessaggio(const QString& testo, Pulsanti pulsanti,
                                               Predefinito predefinito) const;
    QWidget* Genitore() const;

private:
    QPointer<QWidget> principale_;
    std::unique_ptr<QTranslator> traduzioni_;
};
