#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>

// What the phone page needs besides the live state: whom it can pick, how a point was made,
// and the action Undo would take back.
struct VistaRemoto {
    std::array<QString, 2> Nomi;
    std::array<QStringList, 2> Righe; // the roster rows as the console lists them
    std::array<QString, 2> Codici;    // the code boxes
    std::array<QString, 5> Tipi;      // point-type captions as shown
    int Tipo = 0;
    QString UltimaRiga;               // the history's last line
    QString Annulla;                  // what Undo takes back, in words
    bool Undo = false;
    QList<QPair<QString, QString>> Testi; // the page's own words, in the console's language
};

QByteArray DatiRemotoJson(const VistaRemoto& v);

class TabellaLingue;
// A history line in words for the phone: "Punto Locali, 3-0", "Tempo Ospiti", "Set 2".
QString DescriviRiga(const QString& riga, const std::array<QString, 2>& nomi, const TabellaLingue& lingue);
// The phone page's words, by the names the page looks them up with.
QList<QPair<QString, QString>> TestiRemoto(const TabellaLingue& lingue);
