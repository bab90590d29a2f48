#pragma once

#include "platform/Dialoghi.h"

class DialoghiQt : public Dialoghi {
public:
    Risposta Messaggio(const QString& testo, Pulsanti pulsanti) override;
    std::optional<QString> InputBox(const QString& domanda, const QString& titolo,
                                    const QString& predefinito) override;
    QString ApriFile(const QString& titolo, const QString& cartella,
                     const QString& filtro) override;
    QString SalvaFile(const QString& titolo, const QString& cartella, const QString& nome,
                      const QString& filtro) override;
    void Beep() override;
};
