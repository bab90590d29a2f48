#pragma once

class Shell;
struct CommonSettings;

// Opens a help page of the program folder in the current language (readme, readmeTEAM,
// readmeSPONS + language code + .htm); a missing page does nothing.
void OpenHelp(const CommonSettings& common, Shell& shell, const char* page);
