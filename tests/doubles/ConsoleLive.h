#pragma once

#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "platform/qt/QtLiveServer.h"

// A console on the platform doubles but with the real live server: what the loopback tests and
// the live output's benchmarks drive.
struct ConsoleLive {
    Environment a;
    QtLiveServer server;
    Platform platform{a.f.dialogs, a.f.settings, a.f.folders, a.f.clock, a.f.shell, a.f.process,
                      a.f.audio,   a.f.modal,    server,      a.f.disk,  nullptr};
    ConsoleProbe console{platform};
};
