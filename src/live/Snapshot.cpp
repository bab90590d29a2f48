#include "live/Snapshot.h"

#include "display/Presentation.h"
#include "display/ScreenState.h"
#include "match/History.h"
#include "match/Match.h"
#include "match/Score.h"
#include "shared/Language.h"
#include "shared/Numbers.h"
#include "teams/Searches.h"
#include "teams/Teams.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QUrl>
#include <QXmlStreamWriter>

namespace {

const char* const Sides[2] = {"home", "guests"};
const char* const PointTypes[5] = {"Non specificato", "Ace", "Muro", "Schiacciata", "Pallonetto"};

QString Hex(std::uint32_t bgr) {
    return QStringLiteral("#%1%2%3")
        .arg(bgr & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bgr >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bgr >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QString TeamFolder(const LiveInput& in, int side) {
    return TeamFolder(in.DataFolder, in.match.TeamName[side]);
}

QString Photo(const LiveInput& in, int side, const QString& number) {
    const QString folder = TeamFolder(in, side);
    return folder.isEmpty() ? QString() : UrlMedia(in.DataFolder, AthletePhoto(folder, number));
}

QJsonObject Team(const LiveInput& in, int side) {
    const Match& match = in.match;
    const PanelColours& c = in.Screen.Colours;
    const QString folder = TeamFolder(in, side);
    return {
        {QStringLiteral("name"), match.Display.Name[side]},
        {QStringLiteral("points"), match.Points[side]},
        {QStringLiteral("shown"), match.Display.Points[side]},
        {QStringLiteral("sets"), match.SetsWon[side]},
        {QStringLiteral("timeouts"), match.TimeoutsCalled[side]},
        {QStringLiteral("serving_marker"), match.Display.Serving[side]},
        {QStringLiteral("logo"),
         folder.isEmpty()
             ? QString()
             : UrlMedia(in.DataFolder, QDir(folder).filePath(QStringLiteral("logo.jpg")))},
        {QStringLiteral("colors"),
         QJsonObject{{QStringLiteral("name"), Hex(c[side == 0 ? HomeName : GuestsName])},
                     {QStringLiteral("score"), Hex(c[side == 0 ? HomePoints : GuestsPoints])},
                     {QStringLiteral("text"), Hex(c[side == 0 ? HomeText : GuestsText])}}},
    };
}

// The newest point, unless a removal, a set start or a new set came after it.
QJsonValue LastPoint(const LiveInput& in) {
    const MatchHistory& history = in.match.History;
    const auto last = std::find_if(history.rbegin(), history.rend(),
                                   [](const HistoryEvent& e) { return e.HasScore(); });
    if (last == history.rend() || last->Kind != HistoryKind::Point) {
        return QJsonValue::Null;
    }
    const int side = last->Side;
    const QString& code = last->Athlete;
    const int type = last->PointType;
    const bool athlete = IntegerValue(code) > 0;
    return QJsonObject{
        {QStringLiteral("side"), QString::fromLatin1(Sides[side])},
        {QStringLiteral("code"), code},
        {QStringLiteral("number"), athlete ? code : QString()},
        {QStringLiteral("surname"),
         athlete ? AthleteSurname(in.match.Rosters[side], code, in.Languages) : QString()},
        {QStringLiteral("type"), in.Languages.Translate(QString::fromLatin1(PointTypes[type]))},
        {QStringLiteral("type_index"), type},
        {QStringLiteral("photo"), athlete ? Photo(in, side, code) : QString()},
    };
}

QJsonObject Statistics(const StatisticsPanel& s) {
    QJsonArray lines;
    for (int r = 0; r < 4; ++r) {
        lines.append(QJsonObject{{QStringLiteral("home_name"), s.HomeNames[r]},
                                 {QStringLiteral("home_points"), s.HomePoints[r]},
                                 {QStringLiteral("guests_points"), s.GuestsPoints[r]},
                                 {QStringLiteral("guests_name"), s.GuestsNames[r]}});
    }
    return {{QStringLiteral("title"), s.Title},
            {QStringLiteral("totals"), QJsonArray{s.Totals[0], s.Totals[1]}},
            {QStringLiteral("names"), QJsonArray{s.Names[0], s.Names[1]}},
            {QStringLiteral("rows"), lines}};
}

QJsonObject Overlay(const LiveInput& in) {
    const Match& match = in.match;
    const ScreenState& s = in.Screen;
    if (in.OpenCount) {
        return {{QStringLiteral("kind"), QStringLiteral("countdown")},
                {QStringLiteral("reason"),
                 in.CourtChange ? QStringLiteral("court_change") : QStringLiteral("timeout")},
                {QStringLiteral("text"), in.CountText},
                {QStringLiteral("seconds"), std::max(0, 30 - match.TickCount)}};
    }
    if (s.Presentation) {
        const int side = in.Presentation.PresentedTeam == 1 ? 1 : 0;
        const QStringList numbers = CalledUpNumbers(match.Rosters[side]);
        const int line = in.Presentation.PresentedLine;
        const QString number = line >= 1 && line <= numbers.size() ? numbers[line - 1] : QString();
        const Roster& roster = match.Rosters[side];
        return {{QStringLiteral("kind"), QStringLiteral("presentation")},
                {QStringLiteral("side"), QString::fromLatin1(Sides[side])},
                {QStringLiteral("number"), number},
                {QStringLiteral("surname"),
                 number.isEmpty() ? QString() : AthleteSurname(roster, number, in.Languages)},
                {QStringLiteral("first_name"),
                 number.isEmpty() ? QString() : AthleteName(roster, number)},
                {QStringLiteral("role"),
                 number.isEmpty() ? QString() : AthleteRole(roster, number, in.Languages)},
                {QStringLiteral("photo"), number.isEmpty() ? QString() : Photo(in, side, number)}};
    }
    switch (s.Panel) {
    case InView::Scorer: {
        const ScorerPanel& m = match.Display.Panel;
        return {{QStringLiteral("kind"), QStringLiteral("scorer")},
                {QStringLiteral("side"), QString::fromLatin1(Sides[m.Side == 1 ? 1 : 0])},
                {QStringLiteral("title"), m.Title},
                {QStringLiteral("surname"), m.Surname.trimmed()},
                {QStringLiteral("number"), m.Number},
                {QStringLiteral("photo"), UrlMedia(in.DataFolder, match.ScorerPhoto)}};
    }
    case InView::Statistics:
    case InView::LastPoints: {
        QJsonObject o = Statistics(s.Statistics);
        o.insert(QStringLiteral("kind"), s.Panel == InView::Statistics
                                             ? QStringLiteral("statistics")
                                             : QStringLiteral("last_points"));
        return o;
    }
    case InView::LeadingTeam:
        return {{QStringLiteral("kind"), QStringLiteral("leading")},
                {QStringLiteral("side"), QString::fromLatin1(Sides[s.Leading.Side == 1 ? 1 : 0])},
                {QStringLiteral("title"), s.Leading.Title},
                {QStringLiteral("sets"), s.Leading.Set},
                {QStringLiteral("score"), s.Leading.Score}};
    case InView::None:
        break;
    }
    return {{QStringLiteral("kind"), QStringLiteral("none")}};
}

} // namespace

QString UrlMedia(const QString& dataFolder, const QString& file) {
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return {};
    }
    const QDir data(dataFolder);
    for (const char* folder : {"Teams", "Sponsors"}) {
        const QString root = data.filePath(QString::fromLatin1(folder));
        const QString relative = QDir(root).relativeFilePath(file);
        if (!relative.startsWith(QStringLiteral("..")) && !QDir::isAbsolutePath(relative)) {
            return QStringLiteral("/media/") + QString::fromLatin1(folder).toLower() + u'/' +
                   QString::fromLatin1(QUrl::toPercentEncoding(relative, "/"));
        }
    }
    return {};
}

QJsonObject LiveState(const LiveInput& in, qint64 version) {
    const Match& match = in.match;
    const bool finished = match.MatchOver;
    QJsonArray partials;
    for (const QString& partial : match.Partials) {
        partials.append(partial.trimmed());
    }
    QString banner = QStringLiteral("none");
    if (BannerUp(match)) {
        banner = match.Display.BannerMatchPoint ? QStringLiteral("match_point")
                                                : QStringLiteral("set_point");
    }
    QJsonArray slot;
    for (const QString& file : in.Screen.Sponsor) {
        slot.append(UrlMedia(in.DataFolder, file));
    }
    const int last = in.Screen.LastSlot;
    const QString previousLabel =
        match.CurrentSet > 1 ? SetLabelFor(match.CurrentSet - 1, in.Languages) : QString();
    QJsonObject display;
    display.insert(QStringLiteral("background"), Hex(in.Screen.Colours[Background]));
    display.insert(QStringLiteral("text"), Hex(ReadableText(in.Screen.Colours[Background])));
    return {
        {QStringLiteral("version"), version},
        {QStringLiteral("language"), in.Languages.CurrentLanguage},
        {QStringLiteral("home"), Team(in, 0)},
        {QStringLiteral("guests"), Team(in, 1)},
        {QStringLiteral("set"), QJsonObject{{QStringLiteral("number"), match.CurrentSet},
                                            {QStringLiteral("label"), match.SetLabel},
                                            {QStringLiteral("previous_label"), previousLabel},
                                            {QStringLiteral("of"), match.TotalSets}}},
        {QStringLiteral("partials"), partials},
        {QStringLiteral("banner"), banner},
        {QStringLiteral("banner_text"),
         banner == QStringLiteral("none") ? QString() : match.Display.BannerText},
        {QStringLiteral("match_over"), finished},
        {QStringLiteral("winner"),
         finished
             ? QJsonValue(QString::fromLatin1(Sides[match.SetsWon[1] > match.SetsWon[0] ? 1 : 0]))
             : QJsonValue::Null},
        {QStringLiteral("last_point"), LastPoint(in)},
        {QStringLiteral("overlay"), Overlay(in)},
        {QStringLiteral("sponsor"),
         QJsonObject{{QStringLiteral("current"),
                      last >= 0 && last < slot.size() ? slot[last] : QJsonValue(QString())},
                     {QStringLiteral("slots"), slot}}},
        {QStringLiteral("board"), display},
    };
}

QJsonObject VmixFlat(const QJsonObject& state) {
    QJsonObject flat;
    for (const char* side : Sides) {
        const QJsonObject s = state.value(QLatin1String(side)).toObject();
        const QString prefix = QString::fromLatin1(side) + u'_';
        for (const char* court : {"name", "points", "sets", "timeouts", "logo"}) {
            flat.insert(prefix + QLatin1String(court), s.value(QLatin1String(court)));
        }
    }
    const QJsonObject set = state.value(QStringLiteral("set")).toObject();
    flat.insert(QStringLiteral("set"), set.value(QStringLiteral("number")));
    flat.insert(QStringLiteral("set_label"), set.value(QStringLiteral("label")));
    const QJsonArray partials = state.value(QStringLiteral("partials")).toArray();
    for (int i = 0; i < partials.size(); ++i) {
        flat.insert(QStringLiteral("partial_%1").arg(i + 1), partials[i]);
    }
    flat.insert(QStringLiteral("banner"), state.value(QStringLiteral("banner_text")));
    flat.insert(QStringLiteral("match_over"), state.value(QStringLiteral("match_over")));
    const QJsonObject point = state.value(QStringLiteral("last_point")).toObject();
    flat.insert(QStringLiteral("scorer_number"), point.value(QStringLiteral("number")).toString());
    flat.insert(QStringLiteral("scorer_surname"),
                point.value(QStringLiteral("surname")).toString());
    flat.insert(QStringLiteral("scorer_photo"), point.value(QStringLiteral("photo")).toString());
    flat.insert(QStringLiteral("point_type"), point.value(QStringLiteral("type")).toString());
    flat.insert(QStringLiteral("overlay"),
                state.value(QStringLiteral("overlay")).toObject().value(QStringLiteral("kind")));
    return flat;
}

QByteArray VmixXml(const QJsonObject& flat) {
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("scoreboard"));
    for (auto i = flat.begin(); i != flat.end(); ++i) {
        const QJsonValue v = i.value();
        w.writeTextElement(i.key(), v.isBool() ? QString::fromLatin1(v.toBool() ? "true" : "false")
                                    : v.isDouble() ? QString::number(v.toInteger())
                                                   : v.toString());
    }
    w.writeEndElement();
    w.writeEndDocument();
    return xml;
}
