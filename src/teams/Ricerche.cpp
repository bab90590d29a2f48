#include "teams/Ricerche.h"

#include "shared/Lingua.h"

namespace {

constexpr size_t RigheCercate = 50;

const Atleta* Trova(const Rosa& rosa, const QString& numero) {
    const QString cercato = numero.trimmed().toUpper();
    const size_t fine = std::min(rosa.size(), RigheCercate);
    for (size_t i = 0; i < fine; ++i) {
        if (rosa[i].Numero.trimmed().toUpper() == cercato) {
            return &rosa[i];
        }
    }
    return nullptr;
}

} // namespace

QString MaiuscolaNome(const QString& testo) {
    QString r = testo.toLower();
    if (!r.isEmpty()) {
        r[0] = r[0].toUpper();
    }
    const qsizetype spazio = r.indexOf(u' ');
    if (spazio >= 0 && spazio + 1 < r.size()) {
        r[spazio + 1] = r[spazio + 1].toUpper();
    }
    return r;
}

bool InRosa(const Rosa& rosa, const QString& numero) {
    return Trova(rosa, numero) != nullptr;
}

QString CognomeAtleta(const Rosa& rosa, const QString& numero, const TabellaLingue& lingue) {
    if (const Atleta* a = Trova(rosa, numero)) {
        return MaiuscolaNome(a->Cognome);
    }
    return numero.isEmpty() ? QString()
                            : lingue.Traduci(QStringLiteral("NUMERO")) + u' ' + numero;
}

QString NomeAtleta(const Rosa& rosa, const QString& numero) {
    if (const Atleta* a = Trova(rosa, numero)) {
        return MaiuscolaNome(a->Nome);
    }
    return numero.isEmpty() ? QString() : QStringLiteral(".");
}

QString RuoloAtleta(const Rosa& rosa, const QString& numero, const TabellaLingue& lingue) {
    const Atleta* a = Trova(rosa, numero);
    const QString ruolo = a != nullptr ? a->Ruolo.mid(2) : QString();
    if (!ruolo.isEmpty() || numero.isEmpty()) {
        return ruolo;
    }
    const QChar iniziale = numero[0].toUpper();
    if (iniziale == u'A') {
        return numero.mid(1) + lingue.Traduci(QStringLiteral("° Allenatore"));
    }
    if (iniziale == u'D') {
        return numero.mid(1) + lingue.Traduci(QStringLiteral("° Dirigente"));
    }
    return QStringLiteral("-");
}
