#pragma once

#include "control/Azioni.h"

#include <QByteArray>
#include <QString>
#include <variant>

// A remote request's action: one of the console's actions, or an athlete's code put in a
// side's box as the operator would type it.
struct CodiceRemoto {
    int lato = 0;
    QString codice;
};
using Comando = std::variant<Azione, CodiceRemoto>;

// The path below /control/ (still percent-encoded) as a command, or the HTTP status that
// refuses it: 404 for an unknown action, 400 for a malformed code.
std::variant<Comando, int> LeggiComando(const QByteArray& percorso);

// What a code box may hold from outside: the opponent's error "E", or letters and digits as a
// roster writes them, at most three.
bool CodiceValido(const QString& codice);
