#pragma once

#include <QString>
#include <optional>

enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Annulla, Si, No };
// The button Return presses. A question that throws a match or data away defaults to
// No / Annulla, so a stray Return keeps what is there.
enum class Predefinito { Conferma, Rinuncia };

// Every message box, input box and file dialog. Message boxes are titled "Brivanta";
// callers pass texts already translated.
class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    virtual Risposta Messaggio(const QString& testo, Pulsanti pulsanti,
                               Predefinito predefinito) = 0;
    Risposta Messaggio(const QString& testo, Pulsanti pulsanti) {
        return Messaggio(testo, pulsanti, Predefinito::Conferma);
    }
    // Empty optional when the user cancels. An input box carries its own title.
    virtual std::optional<QString> InputBox(const QString& domanda, const QString& titolo,
                                            const QString& predefinito) = 0;
    // Empty string when the user cancels.
    virtual QString ApriFile(const QString& titolo, const QString& cartella,
                             const QString& filtro) = 0;
    virtual QString SalvaFile(const QString& titolo, const QString& cartella,
                              const QString& nome, const QString& filtro) = 0;
    // Empty string when the user cancels.
    virtual QString ScegliCartella(const QString& titolo, const QString& cartella) = 0;
    // The system's beep: a limit reached.
    virtual void Beep() = 0;
    // The program's language code (ITA, ENG, ...): the standard buttons (Yes, No, Cancel, OK)
    // and the file dialogs drawn by the toolkit speak it from now on.
    virtual void ImpostaLingua(const QString& codice) = 0;
};
