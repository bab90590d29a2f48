#include "display/Presentazione.h"

namespace {
constexpr int PassoUscita = 400;
constexpr int AttesaCentro = 4000;
constexpr int IntervalloMoto = 3;
constexpr double Crescita = 1.16;
constexpr double Spostamento = 0.07;
} // namespace

QStringList NumeriConvocati(const Rosa& rosa) {
    QStringList numeri;
    for (const Atleta& a : rosa) {
        if (a.Convocato.compare(QStringLiteral("C"), Qt::CaseInsensitive) == 0) {
            numeri << a.Numero.right(2).trimmed();
        }
    }
    return numeri;
}

MossaPresentazione MuoviPresentazione(StatoPresentazione& s, int left, int centro) {
    MossaPresentazione m{left, IntervalloMoto, false};
    if (s.FasePresentazione == 0 && left < centro) {
        m.Intervallo = AttesaCentro;
        m.Tieni = true;
        s.PassoPresentazione = PassoUscita;
        s.FasePresentazione = 1;
    }
    m.Left = left - s.PassoPresentazione;
    return m;
}

RettangoloFoto IngrandisciFoto(const RettangoloFoto& r) {
    RettangoloFoto n = r;
    n.Width = r.Width * Crescita;
    n.Left = r.Left - Spostamento * n.Width;
    n.Height = r.Height * Crescita;
    return n;
}
