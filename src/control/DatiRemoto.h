#pragma once

#include <QByteArray>
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
    bool Undo = false;
};

QByteArray DatiRemotoJson(const VistaRemoto& v);
