#include "console/Startup.h"

#include "platform/Settings.h"
#include "shared/CommonSettings.h"
#include "shared/SettingsTable.h"

namespace {
constexpr int MaxCheerSeconds = 32; // beyond it the interval no longer fits 16 bits
} // namespace

StartupValues ReadSettings(const Settings& settings, CommonSettings& m) {
    StartupValues v;
    m.Languages.CurrentLanguage = ReadText(settings, Setting::Language);
    v.DisplayInterval = ReadNumber(settings, Setting::ScoreBoardSpeed);
    // Missing cheer values keep what the module holds.
    if (const auto active = ReadStoredNumber(settings, Setting::CheersEnabled)) {
        m.ActiveCheer = *active;
    }
    if (const auto duration = ReadStoredNumber(settings, Setting::CheerDuration)) {
        m.CheerDuration = *duration;
    }
    for (int i = 0; i < static_cast<int>(m.CheerSounds.size()); ++i) {
        m.CheerSounds[i] = ReadText(settings, CheerSoundSetting(i));
    }
    m.SponsorBar = ReadNumber(settings, Setting::Sponsor);
    if (m.CheerDuration >= 0 && m.CheerDuration <= MaxCheerSeconds) {
        v.CheerInterval = m.CheerDuration * 1000;
    }
    m.PanelColoursText = ReadText(settings, Setting::PanelColours);
    v.LivePort = static_cast<quint16>(ReadNumber(settings, Setting::LivePort));
    v.LanLive = ReadFlag(settings, Setting::LiveLan);
    const auto top = ReadDecimal(settings, Setting::Top);
    const auto left = ReadDecimal(settings, Setting::Left);
    const bool whole = ReadFlag(settings, Setting::FullScreen);
    if (top && left && (whole || (*top != 0 && *left != 0))) {
        v.Top = top;
        v.Left = left;
        v.FullScreen = whole;
    }
    return v;
}

QPoint DisplayPosition(QPoint saved, const QList<QRect>& screens) {
    // A maximised frame may sit a few pixels outside its screen's corner.
    constexpr int Margin = 50;
    for (const QRect& screen : screens) {
        if (screen.adjusted(-Margin, -Margin, 0, 0).contains(saved)) {
            return saved;
        }
    }
    return screens.isEmpty() ? QPoint(0, 0) : screens.first().topLeft();
}
