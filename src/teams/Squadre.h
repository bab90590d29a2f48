#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TabellaLingue;

// One roster row, five text fields in the file's order.
struct Atleta {
    QString Numero;
    QString Cognome;
    QString Nome;
    QString Ruolo;
    QString Convocato;
};

// A side's roster as the console holds it: rows in file order, at most 100.
using Rosa = std::vector<Atleta>;

constexpr int CapacitaConsole = 100;
constexpr int CapacitaEditor = 27;

// The five roles by number, as labels "1-Alzatore" .. "5-Banda", translated.
QString EtichettaRuolo(int numero, const TabellaLingue& lingue);
// The leading number of a role field; 0 when it is not a role.
int NumeroRuolo(const QString& ruolo);

// Team folders live under <data>/Teams. A name that could lead outside it gives no path.
QString CartellaSquadre(const QString& cartellaDati);
QString CartellaSquadra(const QString& cartellaDati, const QString& nome);
QString FotoAtleta(const QString& cartellaSquadra, const QString& numero);
// The .mp3 when it exists, otherwise the .wav whether or not it exists.
QString AudioAtleta(const QString& cartellaSquadra, const QString& numero);

// Every subfolder of Teams in listing order; nothing when there is no Teams folder.
std::optional<QStringList> ElencaSquadre(const QString& cartellaDati);

// Reads up to `capacita` rows; the console's reading also stops after a row with no number.
// A missing file is an empty roster.
std::vector<Atleta> LeggiRosa(const QString& percorso, int capacita, bool console);
// The same reading on lines already decoded.
std::vector<Atleta> RosaDaRighe(const QStringList& righe, int capacita, bool console);

// False when the file could not be written or a field holds a ";" the format cannot carry;
// nothing is written then.
bool ScriviRosa(const QString& percorso, const std::vector<Atleta>& righe,
                const TabellaLingue& lingue);

// Characters a team name cannot hold: it names a folder.
inline const QString CaratteriVietati = QStringLiteral("^~#%&*<>?/\\{|}:\"");

enum class EsitoNome { Accettato, Annullato, NonValido, Duplicato };
EsitoNome ValidaNomeSquadra(const QString& nome, const QStringList& esistenti);
// Home and Guests can be neither deleted nor renamed.
bool SquadraProtetta(const QString& nome);

bool CreaSquadra(const QString& cartellaDati, const QString& nome);
bool EliminaSquadra(const QString& cartellaDati, const QString& nome);
bool RinominaSquadra(const QString& cartellaDati, const QString& vecchio, const QString& nuovo);
