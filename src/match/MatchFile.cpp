#include "match/MatchFile.h"

#include "match/History.h"
#include "match/Match.h"
#include "match/Rules.h"
#include "match/Score.h"
#include "shared/Language.h"
#include "shared/Numbers.h"

#include <algorithm>

namespace {

// A real history line is about 30 characters; anything far longer is damage, kept short
// so the console never has to lay out megabytes.
constexpr int MaxLineLength = 256;

// History lines carry the set in one digit; 0 means no set.
int SetRead(const QString& value) {
    return std::clamp(IntegerValue(value), 0, 9);
}

// The set number the reader holds after a tag, as the tags act in file order.
int SetAfter(const FileItem& v, int set) {
    if (v.Tag == QStringLiteral("#CURSET")) {
        return SetRead(v.Value);
    }
    if (v.Tag == QStringLiteral("#GAMEOV") && IntegerValue(v.Value) == 0) {
        return set - 1;
    }
    return set;
}

int Limited(const QString& value, int min, int max) {
    return std::clamp(IntegerValue(value), min, max);
}

// A rule of the file, kept only when it is a usable number.
void Rule(int& court, const QString& value) {
    const int v = IntegerValue(value);
    if (v > 0) {
        court = v;
    }
}

} // namespace

QStringList MatchFileLines(const Match& match, const QDateTime& now,
                           const LanguageTable& languages) {
    QStringList r;
    r << QStringLiteral("#") + languages.Translate(QStringLiteral("Salvataggio  del")) +
             QStringLiteral(" : ") + now.toString(QStringLiteral("dd/MM/yyyy - HH:mm:ss"));
    r << QStringLiteral("#HOME  :") + match.TeamName[0];
    r << QStringLiteral("#GUESTS:") + match.TeamName[1];
    r << QStringLiteral("#HSCORE:") + QString::number(match.SetsWon[0]);
    r << QStringLiteral("#GSCORE:") + QString::number(match.SetsWon[1]);
    r << QStringLiteral("#HPART.:") + QString::number(match.Points[0]);
    r << QStringLiteral("#GPART.:") + QString::number(match.Points[1]);
    // The reader's "#GAMEOV" takes a finished match's set back by one, as the end of the match
    // did: write the set it was advanced to, so a finished match reads back as it was.
    r << QStringLiteral("#CURSET:") +
             QString::number(match.CurrentSet + (match.ActiveScore ? 0 : 1));
    for (int n = 1; n <= static_cast<int>(match.Partials.size()); ++n) {
        r << QStringLiteral("#SET %1 :").arg(n) + match.Partials[n - 1];
    }
    r << QStringLiteral("#TIMER1:") + QString::number(match.TimeoutsCalled[0]);
    r << QStringLiteral("#TIMER2:") + QString::number(match.TimeoutsCalled[1]);
    r << QStringLiteral("#GAMEOV:") +
             (match.ActiveScore ? QStringLiteral("1") : QStringLiteral("0"));
    r << QStringLiteral("#SETTOT:") + QString::number(match.TotalSets);
    r << QStringLiteral("#PUNTIS:") + QString::number(match.SetPoints);
    r << QStringLiteral("#PUNTIT:") + QString::number(match.TieBreakPoints);
    r << QStringLiteral("#PUNTIC:") + QString::number(match.CourtChangePoints);
    r << QStringLiteral("#--------- ") +
             languages.Translate(QStringLiteral("Sotto tutti gli eventi della partita")) +
             QStringLiteral(" -------------");
    r << HistoryLines(match.History);
    return r;
}

std::optional<FileContent> ReadMatchFile(const QStringList& lines) {
    FileContent file;
    file.Items.reserve(static_cast<size_t>(lines.size()));
    int set = 0;
    bool readSet = false;
    for (const QString& line : lines) {
        if (!line.startsWith(u'#')) {
            if (set <= 0) {
                return std::nullopt;
            }
            if (!line.trimmed().isEmpty()) {
                file.Items.push_back({QString(), line.left(MaxLineLength)});
            }
            continue;
        }
        FileItem v{line.left(7).toUpper(), line.mid(8).trimmed()};
        set = SetAfter(v, set);
        readSet = readSet || (v.Tag == QStringLiteral("#CURSET") && set != 0);
        file.Items.push_back(std::move(v));
    }
    // The set the file ends on is the match's current set: a file ending on set 0 (or
    // below, after repeated ends of match) would be saved again as one no reader accepts.
    if (!readSet || set <= 0) {
        return std::nullopt;
    }
    return file;
}

std::array<QString, 2> ApplyMatchFile(Match& match, const FileContent& file,
                                      const LanguageTable& languages) {
    std::array<QString, 2> teams;
    match.CountdownCancelled = true;
    ClearMatch(match, languages);
    match.CurrentSet = 0;
    match.SetLabel = SetLabelFor(0, languages);
    QStringList lines;
    for (const FileItem& v : file.Items) {
        const QString& t = v.Tag;
        if (t.isEmpty()) {
            lines.append(v.Value);
        } else if (t == QStringLiteral("#HOME  ")) {
            teams[0] = v.Value;
        } else if (t == QStringLiteral("#GUESTS")) {
            teams[1] = v.Value;
        } else if (t == QStringLiteral("#HSCORE") || t == QStringLiteral("#GSCORE")) {
            match.SetsWon[t == QStringLiteral("#HSCORE") ? 0 : 1] = Limited(v.Value, 0, 5);
        } else if (t == QStringLiteral("#HPART.") || t == QStringLiteral("#GPART.")) {
            const int side = t == QStringLiteral("#HPART.") ? 0 : 1;
            match.Points[side] = Limited(v.Value, 0, MaxPoints);
            match.Display.Points[side] = QString::number(match.Points[side]);
            match.LastClickScore[side] = match.Points[side];
        } else if (t == QStringLiteral("#CURSET")) {
            match.CurrentSet = SetRead(v.Value);
            match.SetLabel = SetLabelFor(match.CurrentSet, languages);
        } else if (t.startsWith(QStringLiteral("#SET ")) && t.endsWith(u' ')) {
            const int n = IntegerValue(QStringView(t).mid(5, 1));
            if (n >= 1 && n <= static_cast<int>(match.Partials.size())) {
                match.Partials[n - 1] = v.Value;
            }
        } else if (t == QStringLiteral("#TIMER1") || t == QStringLiteral("#TIMER2")) {
            match.TimeoutsCalled[t == QStringLiteral("#TIMER1") ? 0 : 1] = Limited(v.Value, 0, 2);
        } else if (t == QStringLiteral("#GAMEOV")) {
            if (IntegerValue(v.Value) == 0) {
                EndMatch(match, languages);
                match.FinalStatisticsActive = true;
            }
        } else if (t == QStringLiteral("#SETTOT")) {
            Rule(match.TotalSets, v.Value);
        } else if (t == QStringLiteral("#PUNTIS")) {
            Rule(match.SetPoints, v.Value);
        } else if (t == QStringLiteral("#PUNTIT")) {
            Rule(match.TieBreakPoints, v.Value);
        } else if (t == QStringLiteral("#PUNTIC")) {
            Rule(match.CourtChangePoints, v.Value);
        }
    }
    match.History = ReadHistory(lines);
    if (MatchInProgress(match)) {
        match.Locked = true;
        match.ActivePresentation = false;
    }
    match.SelectedLine = static_cast<int>(match.History.size()) - 1;
    match.UndoActive = true;
    DecideServe(match);
    DecideBanner(match, languages);
    return teams;
}

std::optional<std::array<QString, 2>> MatchToResume(const FileContent& file,
                                                    const LanguageTable& languages) {
    Match p;
    const auto teams = ApplyMatchFile(p, file, languages);
    if (!p.ActiveScore || !HasScoreChanges(p.History)) {
        return std::nullopt;
    }
    return teams;
}
