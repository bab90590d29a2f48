#include "display/Animazioni.h"

namespace {
constexpr int PassoSalita = 250;
constexpr int PassoDiscesa = 200;
constexpr int InizioDiscesa = 299;
constexpr int FineScorrimento = 399;
constexpr int Parcheggio = 300;
} // namespace

std::optional<QString> TickOrologio(CicloOrologio& c, int setCorrente,
                                    const std::array<QString, 5>& parziali, const QString& ora) {
    std::optional<QString> testo;
    c.TickOrologio += 1;
    if (c.TickOrologio == 4 || c.TickOrologio == 5) {
        if (setCorrente > 1) {
            if (c.IndiceParziale >= 0 && c.IndiceParziale < static_cast<int>(parziali.size()) &&
                !parziali[c.IndiceParziale].isEmpty()) {
                testo = QString::number(c.IndiceParziale + 1) + QStringLiteral("s ") +
                        parziali[c.IndiceParziale];
            }
            if (c.TickOrologio > 4) {
                c.IndiceParziale += 1;
            }
            if (c.IndiceParziale > setCorrente - 1) {
                c.IndiceParziale = 0;
            }
        }
    } else {
        testo = ora.left(5);
    }
    if (c.TickOrologio > 4) {
        c.TickOrologio = 0;
    }
    return testo;
}

PassoScorrimento Scorri(int& tickPannello, int top, int altezzaDisplay) {
    tickPannello += 1;
    int passo = PassoSalita;
    if (tickPannello > InizioDiscesa) {
        if (altezzaDisplay + PassoDiscesa > top) {
            top += PassoDiscesa;
        }
    } else {
        if (top < PassoSalita) {
            passo = top;
        }
        if (top > 0) {
            top -= passo;
        }
    }
    if (tickPannello > FineScorrimento) {
        tickPannello = 0;
        return {altezzaDisplay + Parcheggio, true};
    }
    return {top, false};
}

int ProssimoColoreCornice(int colore) {
    return colore + 1 > 7 ? 0 : colore + 1;
}
