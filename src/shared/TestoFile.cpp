#include "shared/TestoFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QString Decodifica(const QByteArray& dati) {
    if (dati.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(dati.mid(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8.decode(dati);
    if (!utf8.hasError()) {
        return testo;
    }
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid()) {
        return ansi.decode(dati);
    }
    return QString::fromLatin1(dati);
}

} // namespace

QStringList DecodificaRighe(const QByteArray& dati) {
    QString testo = Decodifica(dati);
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    testo.replace(u'\r', u'\n');
    QStringList righe = testo.split(u'\n');
    if (!righe.isEmpty() && righe.last().isEmpty()) {
        righe.removeLast();
    }
    return righe;
}

QByteArray CodificaRighe(const QStringList& righe) {
    const QString testo = righe.isEmpty() ? QString() : righe.join(QStringLiteral("\r\n")) +
                                                             QStringLiteral("\r\n");
    QStringEncoder ansi("windows-1252");
    if (ansi.isValid()) {
        const QByteArray dati = ansi.encode(testo);
        if (!ansi.hasError() && QStringDecoder("windows-1252").decode(dati) == testo) {
            return dati;
        }
    }
    return QByteArray("\xEF\xBB\xBF") + testo.toUtf8();
}

std::optional<QStringList> LeggiFileTesto(const QString& percorso, qint64 limite) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limite) {
        return std::nullopt;
    }
    const QByteArray dati = file.read(limite + 1);
    if (dati.size() > limite) {
        return std::nullopt;
    }
    return DecodificaRighe(dati);
}

bool ScriviFileTesto(const QString& percorso, const QStringList& righe) {
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray dati = CodificaRighe(righe);
    return file.write(dati) == dati.size() && file.commit();
}
