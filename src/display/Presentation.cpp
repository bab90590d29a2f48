#include "display/Presentation.h"

namespace {
constexpr int ExitStep = 400;
constexpr int CentreWait = 4000;
constexpr int MotionInterval = 3;
constexpr double Growth = 1.16;
constexpr double Shift = 0.07;
} // namespace

QStringList CalledUpNumbers(const Roster& roster) {
    QStringList numbers;
    for (const Athlete& a : roster) {
        if (a.CalledUp.compare(QStringLiteral("C"), Qt::CaseInsensitive) == 0) {
            numbers << a.Number.right(2).trimmed();
        }
    }
    return numbers;
}

PresentationMove MovePresentation(PresentationState& s, int left, int centre) {
    PresentationMove m{left, MotionInterval, false};
    if (s.PresentationPhase == 0 && left < centre) {
        m.Interval = CentreWait;
        m.Hold = true;
        s.PresentationStep = ExitStep;
        s.PresentationPhase = 1;
    }
    m.Left = left - s.PresentationStep;
    return m;
}

PhotoRectangle EnlargePhoto(const PhotoRectangle& r) {
    PhotoRectangle n = r;
    n.Width = r.Width * Growth;
    n.Left = r.Left - Shift * n.Width;
    n.Height = r.Height * Growth;
    return n;
}
