#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <optional>

class Impostazioni;

// Every match action the keyboard and the remote reach; each runs the console's own handler.
enum class Azione {
    CasaPiu,
    CasaMeno,
    OspitiMeno,
    OspitiPiu,
    Undo,
    TimeoutCasa,
    TimeoutOspiti,
    Tipo0,
    Tipo1,
    Tipo2,
    Tipo3,
    Tipo4,
    CodiceE,
    PulisciCodici,
    Anteprima,
    Statistiche,
    UltimiPunti,
    SquadraInTesta,
    Presentazione,
};

struct DefinizioneAzione {
    Azione azione;
    const char* nome;       // settings key suffix, stable across versions
    const char* didascalia; // Italian, through the language table
    const char* tasto;      // default key, in portable key-sequence text
    const char* percorso;   // remote path below /control/, or null
};

constexpr int NumeroAzioni = 19;
const std::array<DefinizioneAzione, NumeroAzioni>& Azioni();
const DefinizioneAzione& Definizione(Azione a);

// The operator's keys: one per action, none used twice. Keys are portable key-sequence text
// ("F5", "Ctrl+1"); an empty key leaves the action to the mouse.
class MappaTasti {
public:
    MappaTasti();
    static MappaTasti Predefinita() { return {}; }

    QString Tasto(Azione a) const;
    std::optional<Azione> AzioneDi(const QString& tasto) const;
    // Gives the action its key; when another action has it, nothing changes and that action
    // is returned.
    std::optional<Azione> Assegna(Azione a, const QString& tasto);

    // Stored as one key per action; a stored key that clashes with one read before it is
    // dropped, so a hand-edited file never gives one key two actions.
    static MappaTasti Leggi(const Impostazioni& impostazioni);
    void Scrivi(Impostazioni& impostazioni) const;

    bool operator==(const MappaTasti&) const = default;

private:
    std::array<QString, NumeroAzioni> tasti_;
};
