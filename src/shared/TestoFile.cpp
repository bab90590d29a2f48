#include "shared/TestoFile.h"

#include "platform/FileSync.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five holes read as themselves.
constexpr std::array<char16_t, 32> Ansi80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DaAnsi(const QByteArray& dati) {
    QString testo(dati.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < dati.size(); ++i) {
        const auto b = static_cast<unsigned char>(dati[i]);
        testo[i] = QChar(b >= 0x80 && b < 0xA0 ? Ansi80[b - 0x80] : char16_t{b});
    }
    return testo;
}

// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> InAnsi(const QString& testo) {
    QByteArray dati(testo.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            dati[i] = static_cast<char>(c);
            continue;
        }
        const auto trovato = std::find(Ansi80.begin(), Ansi80.end(), c);
        if (trovato == Ansi80.end()) {
            return std::nullopt;
        }
        dati[i] = static_cast<char>(0x80 + (trovato - Ansi80.begin()));
    }
    return dati;
}

QString Decodifica(const QByteArray& dati) {
    if (dati.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(dati.mid(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8.decode(dati);
    return utf8.hasError() ? DaAnsi(dati) : testo;
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
    if (auto ansi = InAnsi(testo)) {
        return *ansi;
    }
    return QByteArray("\xEF\xBB\xBF") + testo.toUtf8();
}

std::optional<QStringList> LeggiFileTesto(const QString& percorso, qint64 limite) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limite) {
        return std::nullopt;
    }
    // Read in pieces: asking for the whole limit at once reserves all of it, 64 MB for a
    // match file of a few kilobytes.
    constexpr qint64 Pezzo = 64 * 1024;
    QByteArray dati;
    while (dati.size() <= limite) {
        const QByteArray pezzo = file.read(std::min(Pezzo, limite + 1 - dati.size()));
        if (pezzo.isEmpty()) {
            break;
        }
        dati += pezzo;
    }
    if (dati.size() > limite) {
        return std::nullopt;
    }
    return DecodificaRighe(dati);
}

bool ScriviFileTesto(const QString& percorso, const QStringList& righe) {
    return ScriviFileIntero(percorso, CodificaRighe(righe));
}

bool ScriviFileIntero(const QString& percorso, const QByteArray& dati, QString* motivo) {
    QSaveFile file(percorso);
    const auto fallita = [&](const QString& perche) {
        file.cancelWriting();
        if (motivo != nullptr) {
            *motivo = perche;
        }
        return false;
    };
    // Unbuffered, so a disk that is full refuses the write itself: a buffered write fails
    // only in the flush of commit(), which would still rename an empty file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fallita(file.errorString());
    }
    for (qint64 scritti = 0; scritti < dati.size();) {
        const qint64 n = file.write(dati.constData() + scritti, dati.size() - scritti);
        if (n <= 0) {
            return fallita(file.errorString());
        }
        scritti += n;
    }
    if (const QString errore = SyncToDisk(file.handle()); !errore.isEmpty()) {
        return fallita(errore);
    }
    if (!file.commit()) {
        if (motivo != nullptr) {
            *motivo = file.errorString();
        }
        return false;
    }
    return true;
}

bool CopiaFileIntero(const QString& sorgente, const QString& destinazione, QString* motivo) {
    QFile file(sorgente);
    if (!file.open(QIODevice::ReadOnly)) {
        if (motivo != nullptr) {
            *motivo = file.errorString();
        }
        return false;
    }
    return ScriviFileIntero(destinazione, file.readAll(), motivo);
}
