#pragma once

#include <QString>

// What a score change asks of the windows beyond the record they show.
class MatchView {
  public:
    virtual ~MatchView() = default;
    // An OK message, already translated.
    virtual void Warning(const QString& text) = 0;
    // The lock command, run while the console is unlocked.
    virtual void LockConsole() = 0;
    // The console's blink timer of the banner and the marker.
    virtual void StartBlink() = 0;
    // A home point with the exultation sounds on: the cheer of its point type.
    virtual void Cheer(int pointType) = 0;
    // The scorer panel was filled: the display slides it in.
    virtual void StartScroll() = 0;
    // The deciding set's court change: the countdown opens on the display as a notice.
    virtual void OpenCourtChange() = 0;
    // The match is over: end-of-match statistics cycle on, display animations off.
    virtual void MatchEnd() = 0;
    // The side's code was refused: it must not block the side's next points.
    virtual void RefusedCode(int side) = 0;
};
