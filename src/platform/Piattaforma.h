#pragma once

class Dialoghi;
class Impostazioni;
class Cartelle;
class Orologio;
class Shell;
class Processo;

// The platform services the windows use; main builds the real ones, tests the doubles.
struct Piattaforma {
    Dialoghi& dialoghi;
    Impostazioni& impostazioni;
    Cartelle& cartelle;
    Orologio& orologio;
    Shell& shell;
    Processo& processo;
};
