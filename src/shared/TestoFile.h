#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The program's 8-bit text files: Windows-1252 with CR LF. Readers also take LF-only or
// CR-only lines and valid UTF-8 (with or without BOM).

QStringList DecodificaRighe(const QByteArray& dati);

// Windows-1252 when every character fits, else UTF-8 with a BOM so nothing is lost.
QByteArray CodificaRighe(const QStringList& righe);

// Nothing when the file cannot be read or is larger than the limit.
std::optional<QStringList> LeggiFileTesto(const QString& percorso, qint64 limite);

// Written whole to a temporary file, then renamed over the old one: a crash, a power cut
// or a full disk never leaves a half-written file. False when it could not be written.
bool ScriviFileTesto(const QString& percorso, const QStringList& righe);
// The bytes as the whole file, or nothing changed: every byte written and checked, synced and
// checked, then renamed over the old file. On failure `motivo` (when given) says why.
bool ScriviFileIntero(const QString& percorso, const QByteArray& dati, QString* motivo = nullptr);
// A copy of `sorgente` written as ScriviFileIntero writes: whole or not at all.
bool CopiaFileIntero(const QString& sorgente, const QString& destinazione, QString* motivo = nullptr);
