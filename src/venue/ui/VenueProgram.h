#pragma once

#include <QStringList>

// `brivanta --venue [--port N] [--mqtt HOST:PORT]`: every court of the venue on one page,
// without a window. Returns the program's exit code.
int RunVenue(const QStringList& arguments);
