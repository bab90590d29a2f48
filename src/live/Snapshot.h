#pragma once

#include <QJsonObject>
#include <QString>

struct Match;
struct ScreenState;
struct PresentationState;
class LanguageTable;

// Everything the outside world may see of the match and of the display.
struct LiveInput {
    const Match& match;
    const ScreenState& Screen;
    const PresentationState& Presentation;
    const LanguageTable& Languages;
    QString DataFolder;
    // The countdown window, while it is open.
    bool OpenCount = false;
    bool CourtChange = false;
    QString CountText;
};

// The whole observable state as one object; its field names are the feed's contract.
QJsonObject LiveState(const LiveInput& in, qint64 version);

// The same, flat, for production tools that read one row of named fields (vMix).
QJsonObject VmixFlat(const QJsonObject& state);
QByteArray VmixXml(const QJsonObject& flat);

// The address a picture under the data folder is served at, or empty when it is missing.
QString UrlMedia(const QString& dataFolder, const QString& file);
