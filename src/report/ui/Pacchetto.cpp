#include "report/ui/Pacchetto.h"
#include "shared/TestoFile.h"

#include "match/Partita.h"
#include "shared/Lingua.h"
#include "shared/ui/Disegno.h"
#include "shared/ui/Immagini.h"
#include "teams/Squadre.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {

const QString Font = QStringLiteral("Tahoma");
const char* const Didascalie[5] = {"N.S.", "Ace", "Muro", "Schiacc.", "Pallon."};

QImage Logo(const QString& cartellaDati, const QString& squadra, int lato) {
    const QString cartella = CartellaSquadra(cartellaDati, squadra);
    return cartella.isEmpty() ? QImage()
                              : DecodificaImmagine(QDir(cartella).filePath(QStringLiteral("logo.jpg")), lato);
}

QString Parziale(const SetRapporto& s) {
    return QStringLiteral("%1-%2").arg(s.Finale[0]).arg(s.Finale[1]);
}

QColor Colore(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// A page painter in points (1/72 inch) whatever the device's resolution.
class Pagina {
public:
    Pagina(QPainter& p, qreal scala) : p_(p), s_(scala) {}
    void Testo(qreal x, qreal y, qreal w, qreal h, const QString& t, qreal punti, bool grassetto = false,
               Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
        QFont f = Carattere(Font, punti, grassetto);
        f.setPointSizeF(punti);
        p_.setFont(f);
        p_.setPen(Qt::black);
        p_.drawText(R(x, y, w, h), static_cast<int>(a) | Qt::TextWordWrap, t);
    }
    QRectF R(qreal x, qreal y, qreal w, qreal h) const { return {x * s_, y * s_, w * s_, h * s_}; }
    QPointF P(qreal x, qreal y) const { return {x * s_, y * s_}; }
    qreal S(qreal v) const { return v * s_; }
    QPainter& p_;

private:
    qreal s_;
};

void Grafico(Pagina& g, const SetRapporto& s, qreal x, qreal y, qreal w, qreal h) {
    QPainter& p = g.p_;
    const int scambi = std::max<int>(1, static_cast<int>(s.Progressione.size()));
    int massimo = 5;
    for (const auto& punti : s.Progressione) {
        massimo = std::max({massimo, punti[0], punti[1]});
    }
    const auto px = [&](int scambio) { return x + w * scambio / scambi; };
    const auto py = [&](int punti) { return y + h - h * punti / (massimo + 1.0); };
    p.setPen(QPen(QColor(200, 200, 200), g.S(0.5)));
    for (int v = 5; v <= massimo; v += 5) {
        p.drawLine(g.P(x, py(v)), g.P(x + w, py(v)));
        g.Testo(x - 22, py(v) - 6, 18, 12, QString::number(v), 7, false, Qt::AlignRight | Qt::AlignVCenter);
    }
    p.setPen(QPen(Qt::black, g.S(0.8)));
    p.drawLine(g.P(x, y + h), g.P(x + w, y + h));
    p.drawLine(g.P(x, y), g.P(x, y + h));
    for (int lato = 0; lato < 2; ++lato) {
        QPainterPath linea(g.P(x, py(0)));
        for (size_t i = 0; i < s.Progressione.size(); ++i) {
            linea.lineTo(g.P(px(static_cast<int>(i) + 1), py(s.Progressione[i][lato])));
        }
        // Solid for home, dashed for guests: the chart reads the same printed in grey.
        QPen penna(lato == 0 ? QColor(20, 20, 20) : QColor(90, 90, 90), g.S(lato == 0 ? 1.8 : 1.4));
        penna.setStyle(lato == 0 ? Qt::SolidLine : Qt::DashLine);
        p.setPen(penna);
        p.setBrush(Qt::NoBrush);
        p.drawPath(linea);
    }
    for (const ChiamataTempo& t : s.Tempi) {
        const qreal cx = px(t.Scambio);
        QPainterPath triangolo(g.P(cx, y + h - 1));
        triangolo.lineTo(g.P(cx - 3.5, y + h + 6));
        triangolo.lineTo(g.P(cx + 3.5, y + h + 6));
        triangolo.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(triangolo);
        g.Testo(cx - 6, y + h + 6, 12, 10, t.Lato == 0 ? QStringLiteral("H") : QStringLiteral("G"), 6.5,
                true, Qt::AlignCenter);
    }
}

QByteArray Pdf(const Partita& p, const Rapporto& r, const TabellaLingue& lingue, const QString& dati) {
    const auto t = [&lingue](const char* testo) { return lingue.Traduci(QString::fromUtf8(testo)); };
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
    pdf.setResolution(300);
    pdf.setTitle(r.Squadre[0].Nome + QStringLiteral(" - ") + r.Squadre[1].Nome);
    pdf.setCreator(QStringLiteral("Brivanta"));
    QPainter painter(&pdf);
    Pagina g(painter, 300.0 / 72.0);
    const qreal larghezza = 523; // A4 less the margins, in points

    // Page 1: the teams, the result, and how each set went.
    for (int k = 0; k < 2; ++k) {
        const QImage logo = Logo(dati, p.NomeSquadra[k], 240);
        if (!logo.isNull()) {
            painter.drawImage(g.R(k == 0 ? 0 : larghezza - 56, 0, 56, 56), logo);
        }
    }
    g.Testo(64, 0, larghezza - 128, 30, r.Squadre[0].Nome + QStringLiteral("  -  ") + r.Squadre[1].Nome, 17,
            true, Qt::AlignCenter);
    g.Testo(64, 30, larghezza - 128, 14,
            r.Data.isValid() ? r.Data.toString(QStringLiteral("dd/MM/yyyy")) : QString(), 9, false,
            Qt::AlignCenter);
    g.Testo(0, 62, larghezza, 34,
            QStringLiteral("%1 - %2").arg(r.SetVinti[0]).arg(r.SetVinti[1]), 26, true, Qt::AlignCenter);
    QStringList parziali;
    for (const SetRapporto& s : r.Set) {
        if (s.Vincitore >= 0) {
            parziali << QStringLiteral("%1° SET %2").arg(s.Numero).arg(Parziale(s));
        }
    }
    g.Testo(0, 98, larghezza, 14, parziali.join(QStringLiteral("     ")), 10, false, Qt::AlignCenter);
    g.Testo(0, 114, larghezza, 12,
            QStringLiteral("——  ") + r.Squadre[0].Nome + QStringLiteral("      - - -  ") +
                r.Squadre[1].Nome + QStringLiteral("      ▲ H / G  ") + t("Tempo"),
            8, false, Qt::AlignCenter);
    QStringList senzaRosa;
    for (const SquadraRapporto& q : r.Squadre) {
        if (!q.RosaDisponibile) {
            senzaRosa << q.Nome;
        }
    }
    if (!senzaRosa.isEmpty()) {
        g.Testo(0, 126, larghezza, 12,
                t("Rosa non disponibile, atleti indicati per numero:") + u' ' + senzaRosa.join(QStringLiteral(", ")),
                8, false, Qt::AlignCenter);
    }
    qreal y = 140;
    const qreal altezza = 92;
    for (const SetRapporto& s : r.Set) {
        g.Testo(0, y, 330, 12, QStringLiteral("%1° SET").arg(s.Numero), 10, true);
        Grafico(g, s, 26, y + 16, 300, altezza - 28);
        QStringList righe;
        if (s.Vincitore >= 0) {
            righe << t("Vince") + QStringLiteral(": ") + r.Squadre[s.Vincitore].Nome + QStringLiteral(" ") +
                         Parziale(s);
        } else {
            righe << t("In corso") + QStringLiteral(" ") + Parziale(s);
        }
        righe << t("Serie più lunga") + QStringLiteral(": ") + QString::number(s.SerieMassima[0]) +
                     QStringLiteral(" / ") + QString::number(s.SerieMassima[1]);
        if (s.Minuti) {
            righe << t("Durata") + QStringLiteral(": ") + QString::number(*s.Minuti) + QStringLiteral(" min");
        }
        for (int k = 0; k < 2; ++k) {
            if (!s.Migliori[k].isEmpty()) {
                righe << r.Squadre[k].Nome + QStringLiteral(": ") + s.Migliori[k].first();
            }
        }
        g.Testo(345, y + 14, larghezza - 345, altezza - 14, righe.join(u'\n'), 8.5);
        y += altezza + 26;
    }

    // Then each team: every athlete's points by type, opponent errors, best scorers.
    for (int k = 0; k < 2; ++k) {
        pdf.newPage();
        const SquadraRapporto& q = r.Squadre[k];
        g.Testo(0, 0, larghezza, 24, q.Nome, 16, true);
        const qreal colonne[9] = {0, 36, 200, 250, 300, 345, 390, 440, 490};
        QStringList intestazioni{QStringLiteral("N."), t("Cognome"), t("Punti")};
        for (const char* d : Didascalie) {
            intestazioni << t(d);
        }
        qreal riga = 34;
        painter.fillRect(g.R(0, riga, larghezza, 16), QColor(225, 225, 225));
        for (int c = 0; c < 8; ++c) {
            g.Testo(colonne[c] + 3, riga, colonne[c + 1] - colonne[c] - 3, 16, intestazioni[c], 9, true,
                    c < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        }
        riga += 18;
        for (const RigaRiepilogo& a : q.Atleti) {
            QStringList celle{a.Numero, a.Cognome, QString::number(a.Totale)};
            for (int tipo = 0; tipo < 5; ++tipo) {
                celle << QString::number(a.PerTipo[tipo]);
            }
            for (int c = 0; c < 8; ++c) {
                g.Testo(colonne[c] + 3, riga, colonne[c + 1] - colonne[c] - 3, 14, celle[c], 9, c == 2,
                        c < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            }
            painter.setPen(QPen(QColor(210, 210, 210), g.S(0.5)));
            painter.drawLine(g.P(0, riga + 15), g.P(larghezza, riga + 15));
            riga += 16;
        }
        riga += 12;
        g.Testo(0, riga, larghezza, 14,
                t("Errori avversari") + QStringLiteral(": ") + QString::number(q.ErroriAvversari), 10, true);
        riga += 22;
        g.Testo(0, riga, larghezza, 14, t("Migliori marcatori della partita"), 11, true);
        riga += 16;
        g.Testo(10, riga, larghezza - 10, 14, q.Migliori.join(QStringLiteral(",  ")), 10);
        riga += 22;
        for (const SetRapporto& s : r.Set) {
            g.Testo(10, riga, larghezza - 10, 14,
                    QStringLiteral("%1° SET:  ").arg(s.Numero) + s.Migliori[k].join(QStringLiteral(",  ")), 9.5);
            riga += 16;
        }
    }
    painter.end();
    return byte;
}

QByteArray Csv(const Partita& p, const TabellaLingue& lingue) {
    // UTF-8 with its mark, ";" and CR LF: a spreadsheet opens it right in any language.
    return QByteArray("\xEF\xBB\xBF") + RighePlayByPlay(p, lingue).join(QStringLiteral("\r\n")).toUtf8() +
           "\r\n";
}

QByteArray Png(const Partita& p, const Rapporto& r, const ColoriPannello& colori, const QString& dati) {
    QImage card(1080, 1080, QImage::Format_RGB32);
    card.fill(Colore(colori[Sfondo]));
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor testoTabellone = Colore(TestoLeggibile(colori[Sfondo]));
    const auto scrivi = [&](const QRect& dove, const QString& testo, qreal punti, const QColor& colore,
                            bool grassetto = true) {
        QFont f = Carattere(Font, punti, grassetto);
        f.setPixelSize(static_cast<int>(punti));
        painter.setFont(f);
        painter.setPen(colore);
        painter.drawText(dove, Qt::AlignCenter | Qt::TextWordWrap, testo);
    };
    for (int k = 0; k < 2; ++k) {
        const int x = k == 0 ? 60 : 560;
        painter.fillRect(QRect(x, 80, 460, 560), Colore(colori[k == 0 ? NomeCasa : NomeOspiti]));
        const QImage logo = Logo(dati, p.NomeSquadra[k], 260);
        if (!logo.isNull()) {
            painter.drawImage(QRect(x + 100, 110, 260, 260), logo);
        }
        const QColor testo = Colore(colori[k == 0 ? TestoCasa : TestoOspiti]);
        scrivi(QRect(x + 10, 380, 440, 120), r.Squadre[k].Nome, 50, testo);
        scrivi(QRect(x + 10, 500, 440, 130), QString::number(r.SetVinti[k]), 120, testo);
    }
    QStringList parziali;
    for (const SetRapporto& s : r.Set) {
        if (s.Vincitore >= 0) {
            parziali << Parziale(s);
        }
    }
    scrivi(QRect(40, 670, 1000, 70), parziali.join(QStringLiteral("   ")), 46, testoTabellone);
    for (int k = 0; k < 2; ++k) {
        if (!r.Squadre[k].Migliori.isEmpty()) {
            scrivi(QRect(k == 0 ? 60 : 560, 760, 460, 110), QStringLiteral("★ ") + r.Squadre[k].Migliori.first(),
                   36, testoTabellone, false);
        }
    }
    scrivi(QRect(40, 900, 1000, 60), r.Data.isValid() ? r.Data.toString(QStringLiteral("dd/MM/yyyy")) : QString(),
           34, testoTabellone, false);
    scrivi(QRect(40, 980, 1000, 50), QStringLiteral("Brivanta"), 28, testoTabellone);
    painter.end();
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    card.save(&buffer, "PNG");
    return byte;
}

} // namespace

FilePacchetto PreparaPacchetto(const Partita& p, const Rapporto& r, const TabellaLingue& lingue,
                               const ColoriPannello& colori, const QString& cartellaDati) {
    return {Pdf(p, r, lingue, cartellaDati), Csv(p, lingue), Png(p, r, colori, cartellaDati)};
}

QString ScriviPacchetto(const QString& cartella, const FilePacchetto& file) {
    const QFileInfo info(cartella);
    if (!info.isDir() || !info.isWritable()) {
        return cartella;
    }
    const QByteArray* contenuti[3] = {&file.Pdf, &file.Csv, &file.Png};
    for (int i = 0; i < 3; ++i) {
        const QString percorso = QDir(cartella).filePath(NomiPacchetto[i]);
        if (QString motivo; !ScriviFileIntero(percorso, *contenuti[i], &motivo)) {
            return percorso + QStringLiteral(": ") + motivo;
        }
    }
    return {};
}
