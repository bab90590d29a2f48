#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>

// What the phone page needs besides the live state: whom it can pick, how a point was made,
// and the action Undo would take back.
struct RemoteView {
    std::array<QString, 2> Names;
    std::array<QStringList, 2> Lines; // the roster rows as the console lists them
    std::array<QString, 2> Codes;     // the code boxes
    std::array<QString, 5> Types;     // point-type captions as shown
    int Type = 0;
    QString LastLine; // the history's last line
    QString Cancel;   // what Undo takes back, in words
    bool Undo = false;
    QList<QPair<QString, QString>> Texts; // the page's own words, in the console's language
};

QByteArray RemoteDataJson(const RemoteView& v);

class LanguageTable;
struct HistoryEvent;
// A history event in words for the phone: "Punto Locali, 3-0", "Tempo Ospiti", "Set 2".
QString DescribeEvent(const HistoryEvent& event, const std::array<QString, 2>& names,
                      const LanguageTable& languages);
// The phone page's words, by the names the page looks them up with.
QList<QPair<QString, QString>> RemoteTexts(const LanguageTable& languages);
// The live port is taken by another program: which port, and where to choose another.
QString PortInUseText(const LanguageTable& languages, quint16 port);
