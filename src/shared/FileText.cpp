#include "shared/FileText.h"

#include "platform/FileSync.h"

#include <QFile>
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

QString FromAnsi(const QByteArray& data) {
    QString text(data.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        text[i] = QChar(b >= 0x80 && b < 0xA0 ? Ansi80[b - 0x80] : char16_t{b});
    }
    return text;
}

// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> InAnsi(const QString& text) {
    QByteArray data(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            data[i] = static_cast<char>(c);
            continue;
        }
        const auto found = std::find(Ansi80.begin(), Ansi80.end(), c);
        if (found == Ansi80.end()) {
            return std::nullopt;
        }
        data[i] = static_cast<char>(0x80 + (found - Ansi80.begin()));
    }
    return data;
}

QString Decode(const QByteArray& data) {
    if (data.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(data.mid(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(data);
    return utf8.hasError() ? FromAnsi(data) : text;
}

} // namespace

QStringList DecodeLines(const QByteArray& data) {
    QString text = Decode(data);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QByteArray EncodeLines(const QStringList& lines) {
    const QString text =
        lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    if (auto ansi = InAnsi(text)) {
        return *ansi;
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

std::optional<QStringList> ReadTextFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit) {
        return std::nullopt;
    }
    // Read in pieces: asking for the whole limit at once reserves all of it, 64 MB for a
    // match file of a few kilobytes.
    constexpr qint64 Piece = 64 * 1024;
    QByteArray data;
    while (data.size() <= limit) {
        const QByteArray piece = file.read(std::min(Piece, limit + 1 - data.size()));
        if (piece.isEmpty()) {
            break;
        }
        data += piece;
    }
    if (data.size() > limit) {
        return std::nullopt;
    }
    return DecodeLines(data);
}

bool WriteTextFile(const QString& path, const QStringList& lines) {
    return WriteWholeFile(path, EncodeLines(lines));
}

bool WriteWholeFile(const QString& path, const QByteArray& data, QString* reason) {
    const QString error = ReplaceWholeFile(path, data);
    if (!error.isEmpty() && reason != nullptr) {
        *reason = error;
    }
    return error.isEmpty();
}

bool CopyWholeFile(const QString& source, const QString& destination, QString* reason) {
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason != nullptr) {
            *reason = file.errorString();
        }
        return false;
    }
    return WriteWholeFile(destination, file.readAll(), reason);
}
