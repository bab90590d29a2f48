#pragma once

class Dialoghi;
class Impostazioni;
class Cartelle;
class Orologio;
class Shell;
class Processo;
class CanaleAudio;
class FinestreModali;
class ServerLive;
class Disco;

// The platform services the windows use; main builds the real ones, tests the doubles.
struct Piattaforma {
    Dialoghi& dialoghi;
    Impostazioni& impostazioni;
    Cartelle& cartelle;
    Orologio& orologio;
    Shell& shell;
    Processo& processo;
    CanaleAudio& audio;
    FinestreModali& modali;
    ServerLive& live;
    Disco& disco;
};
