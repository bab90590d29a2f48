#pragma once

#include "display/Colours.h"
#include "report/Report.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct Match;
class LanguageTable;

// The post-match pack, made whole in memory before anything is written.
struct PackageFile {
    QByteArray Pdf;
    QByteArray Csv;
    QByteArray Png;
};

inline const QStringList PackageNames{
    QStringLiteral("report.pdf"), QStringLiteral("play-by-play.csv"), QStringLiteral("result.png")};

PackageFile PreparePackage(const Match& match, const Report& r, const LanguageTable& languages,
                           const PanelColours& colours, const QString& dataFolder);

// Writes the three files, all or none; the error's text, or empty on success.
QString WritePackage(const QString& folder, const PackageFile& file);
