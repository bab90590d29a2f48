#pragma once

#include "console/ui/ConsoleWindow.h"
#include "doppi/Ambiente.h"
#include "platform/qt/ServerLiveQt.h"

// A console on the platform doubles but with the real live server: what the loopback tests and
// the live output's benchmarks drive.
struct ConsoleLive {
    Ambiente a;
    ServerLiveQt server;
    Piattaforma piattaforma{a.f.dialoghi, a.f.impostazioni, a.f.cartelle, a.f.orologio,
                            a.f.shell,    a.f.processo,     a.f.audio,    a.f.modali, server,
                            a.f.disco};
    ConsoleWindow console{piattaforma};
};
