#pragma once

#include "shared/Language.h"

#include <QString>
#include <array>

// The settings and folders every window shares, read by the start-up sequence.
struct CommonSettings {
    QString DataFolder;
    QString ProgramFolder;
    int SponsorBar = 1;
    // The display shows guests on the left: the console never swaps.
    bool DisplaySidesSwapped = false;
    int ActiveCheer = 0;
    int CheerDuration = 0;
    std::array<QString, 5> CheerSounds;
    QString PanelColoursText; // as stored, see PanelColoursText()
    LanguageTable Languages;

    QString Translate(const QString& text) const { return Languages.Translate(text); }
};
