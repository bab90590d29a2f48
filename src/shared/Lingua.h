#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The language table of Languages.csv: Italian keys in column 0, one column per language.
class TabellaLingue {
public:
    static constexpr int Righe = 1001;
    static constexpr int Colonne = 10;
    static constexpr int CampiIntestazione = 20;
    static constexpr int LingueNelMenu = 9;

    // Line 1 is free text, line 2 the header, then one row per line. Cells a new load does
    // not reach keep what they held.
    void Carica(const QStringList& righe);

    // The text in the current language; Italian, and anything not in the table, unchanged.
    QString Traduci(const QString& testo) const;

    // Header fields ("ENG English") and their codes, entries 1..20 (index 0 unused).
    const std::array<QString, CampiIntestazione + 1>& NomiLingua() const { return nomi_; }
    const std::array<QString, CampiIntestazione + 1>& CodiciLingua() const { return codici_; }

    QString LinguaCorrente = QStringLiteral("ITA");
    int ColonnaLingua = 0;

private:
    std::vector<std::array<QString, Colonne>> tabella_ =
        std::vector<std::array<QString, Colonne>>(Righe);
    std::array<QString, CampiIntestazione + 1> nomi_;
    std::array<QString, CampiIntestazione + 1> codici_;
};
