#include "display/LayoutWithoutSponsor.h"

namespace {
// From a score panel's edges to its counters.
constexpr double CounterMargin = 150;
// Twips a point times the line's height in ems.
constexpr double TwipsPerPointLine = 20 * 1.2;
} // namespace

float ScoreFontAboveCounters(double scoreHeight, double counterHeight) {
    return static_cast<float>((scoreHeight - counterHeight - CounterMargin) / TwipsPerPointLine);
}

void LayoutWithoutSponsor(ControlsWithoutSponsor& c, double W, double H) {
    const auto f = [](double v) { return static_cast<float>(v); };
    const double v = H / 7;
    const double gap = W * ScoreGapShare;
    const double half = W / 2 - gap / 2;
    c.scoreLabels[0].Left = 0;
    c.scoreLabels[1].Left = f(W / 2 + gap / 2);
    for (int k = 0; k < 2; ++k) {
        auto& score = c.scoreLabels[k];
        score.Height = f(H - c.teamLogos[k].Height - v);
        score.Width = f(half);
        score.FontSize = ScoreFontAboveCounters(score.Height, c.setsWonLabels[k].Height);
        c.scoreFrames[k] = score;
        const double counterBottom = score.Top + score.Height - CounterMargin / 2;
        c.setsWonLabels[k].Top = f(counterBottom - c.setsWonLabels[k].Height);
        c.timeoutLabels[k].Top = f(counterBottom - c.timeoutLabels[k].Height);
    }
    c.setsWonLabels[0].Left = f(CounterMargin);
    c.timeoutLabels[0].Left = f(half - CounterMargin - c.timeoutLabels[0].Width);
    c.timeoutLabels[1].Left = f(c.scoreLabels[1].Left + CounterMargin);
    c.setsWonLabels[1].Left = f(W - CounterMargin - c.setsWonLabels[1].Width);
    for (auto* name : {&c.homeNameLabel, &c.guestsNameLabel}) {
        name->Top = f(H - v);
        name->Height = f(v);
        name->Width = f(half);
    }
    c.homeNameLabel.Left = 0;
    c.guestsNameLabel.Left = c.scoreLabels[1].Left;
}
