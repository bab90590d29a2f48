#include "console/Avvio.h"

#include "platform/Cartelle.h"
#include "platform/Impostazioni.h"
#include "shared/Modulo1.h"
#include "shared/Numeri.h"

#include <QDir>

namespace {
constexpr int TabelloneMinimo = 50;
constexpr int TabelloneMassimo = 2000;
constexpr int TabellonePredefinito = 200;
constexpr int DurataMassima = 32; // beyond it the interval no longer fits 16 bits
} // namespace

QString DecidiCartellaDati(const Cartelle& cartelle, const QString& cartellaProgramma) {
    const QString documenti = cartelle.Documenti();
    if (!documenti.isEmpty()) {
        const QString dati = QDir(documenti).filePath(QStringLiteral("Brivanta"));
        const QDir home(QDir(dati).filePath(QStringLiteral("Teams/Home")));
        if (!home.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty()) {
            return dati;
        }
    }
    return cartellaProgramma;
}

ValoriAvvio LeggiImpostazioni(const Impostazioni& imp, Modulo1& m) {
    ValoriAvvio v;
    m.BarraSponsor = 1;
    m.Lingue.LinguaCorrente = imp.Leggi(QStringLiteral("Language"));
    if (m.Lingue.LinguaCorrente.isEmpty()) {
        m.Lingue.LinguaCorrente = QStringLiteral("ITA");
    }
    // A preview interval outside the options' range would starve the display or stall it.
    if (const auto velocita = Intero16(imp.Leggi(QStringLiteral("ScoreBoardSpeed")));
        velocita && *velocita >= TabelloneMinimo && *velocita <= TabelloneMassimo) {
        v.IntervalloTabellone = *velocita;
    } else {
        v.IntervalloTabellone = TabellonePredefinito;
    }
    if (const auto attiva = Intero16(imp.Leggi(QStringLiteral("SndExultationEnabled")))) {
        m.EsultanzaAttiva = *attiva;
    }
    if (const auto durata = Intero16(imp.Leggi(QStringLiteral("SndExultationDuration")))) {
        m.DurataEsultanza = *durata;
    }
    for (int i = 0; i < static_cast<int>(m.SuoniEsultanza.size()); ++i) {
        m.SuoniEsultanza[i] = imp.Leggi(QStringLiteral("SndExultation") + QString::number(i));
    }
    if (const auto sponsor = Intero16(imp.Leggi(QStringLiteral("Sponsor")))) {
        m.BarraSponsor = *sponsor;
    }
    if (m.DurataEsultanza >= 0 && m.DurataEsultanza <= DurataMassima) {
        v.IntervalloEsultanza = m.DurataEsultanza * 1000;
    }
    m.Serial = imp.Leggi(QStringLiteral("Serial"));
    const ImpostazioniLive live = LeggiLive(imp);
    v.PortaLive = live.Porta;
    v.LanLive = live.Lan;
    const auto top = Decimale(imp.Leggi(QStringLiteral("Top")));
    const auto left = Decimale(imp.Leggi(QStringLiteral("Left")));
    const bool intero = imp.Leggi(QStringLiteral("FullScreen")) == QStringLiteral("1");
    if (top && left && (intero || (*top != 0 && *left != 0))) {
        v.Top = top;
        v.Left = left;
        v.SchermoIntero = intero;
    }
    return v;
}

QPoint PosizioneDisplay(QPoint salvata, const QList<QRect>& schermi) {
    // A maximised frame may sit a few pixels outside its screen's corner.
    constexpr int Margine = 50;
    for (const QRect& schermo : schermi) {
        if (schermo.adjusted(-Margine, -Margine, 0, 0).contains(salvata)) {
            return salvata;
        }
    }
    return schermi.isEmpty() ? QPoint(0, 0) : schermi.first().topLeft();
}

ImpostazioniLive LeggiLive(const Impostazioni& imp) {
    ImpostazioniLive l;
    bool ok = false;
    const int porta = imp.Leggi(QStringLiteral("HubPort")).trimmed().toInt(&ok);
    if (ok && porta >= 0 && porta <= 65535) {
        l.Porta = static_cast<quint16>(porta);
    }
    l.Lan = imp.Leggi(QStringLiteral("HubLan")).trimmed() == QStringLiteral("1");
    return l;
}
