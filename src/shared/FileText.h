#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The program's 8-bit text files: Windows-1252 with CR LF. Readers also take LF-only or
// CR-only lines and valid UTF-8 (with or without BOM).

QStringList DecodeLines(const QByteArray& data);

// Windows-1252 when every character fits, else UTF-8 with a BOM so nothing is lost.
QByteArray EncodeLines(const QStringList& lines);

// Nothing when the file cannot be read or is larger than the limit.
std::optional<QStringList> ReadTextFile(const QString& path, qint64 limit);

// Written whole to a temporary file, then renamed over the old one: a crash, a power cut
// or a full disk never leaves a half-written file. False when it could not be written.
bool WriteTextFile(const QString& path, const QStringList& lines);
// The bytes as the whole file, or nothing changed: every byte written and checked, synced and
// checked, then renamed over the old file and the folder synced (ReplaceWholeFile). On failure
// `reason` (when given) says why.
bool WriteWholeFile(const QString& path, const QByteArray& data, QString* reason = nullptr);
// A copy of `source` written as WriteWholeFile writes: whole or not at all.
bool CopyWholeFile(const QString& source, const QString& destination, QString* reason = nullptr);
