#pragma once

#include "display/Colori.h"
#include "report/Rapporto.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct Partita;
class TabellaLingue;

// The post-match pack, made whole in memory before anything is written.
struct FilePacchetto {
    QByteArray Pdf;
    QByteArray Csv;
    QByteArray Png;
};

inline const QStringList NomiPacchetto{QStringLiteral("report.pdf"),
                                       QStringLiteral("play-by-play.csv"),
                                       QStringLiteral("result.png")};

FilePacchetto PreparaPacchetto(const Partita& p, const Rapporto& r, const TabellaLingue& lingue,
                               const ColoriPannello& colori, const QString& cartellaDati);

// Writes the three files, each whole or not at all; the error's text, or empty on success.
QString ScriviPacchetto(const QString& cartella, const FilePacchetto& file);
