#pragma once

#include "control/Actions.h"

#include <QByteArray>
#include <QString>

// A remote request's action: one of the console's actions, or (with a side) an athlete's code
// put in that side's box as the operator would type it.
struct Command {
    Action action = Action::HomePlus;
    int side = -1; // 0 home, 1 guests: the command puts `code` in that side's box
    QString code;
    bool operator==(const Command&) const = default;
};

// The path below /control/ (still percent-encoded) as a command; `refusal` is the HTTP status
// that refuses it instead: 404 for an unknown action, 400 for a malformed code.
struct ParsedCommand {
    Command command;
    int refusal = 0;
};
ParsedCommand ReadCommand(const QByteArray& path);

// What a code box may hold from outside: the opponent's error "E", or letters and digits as a
// roster writes them, at most three.
bool ValidCode(const QString& code);
