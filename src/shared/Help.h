#pragma once

class Shell;
struct Modulo1;

// Opens a help page of the program folder in the current language (readme, readmeTEAM,
// readmeSPONS + language code + .htm); a missing page does nothing.
void OpenHelp(const Modulo1& modulo, Shell& shell, const char* page);
