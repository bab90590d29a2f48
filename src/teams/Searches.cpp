#include "teams/Searches.h"

#include "shared/Language.h"

namespace {

constexpr size_t SoughtLines = 50;

const Athlete* Find(const Roster& roster, const QString& number) {
    const QString sought = number.trimmed().toUpper();
    const size_t end = std::min(roster.size(), SoughtLines);
    for (size_t i = 0; i < end; ++i) {
        if (roster[i].Number.trimmed().toUpper() == sought) {
            return &roster[i];
        }
    }
    return nullptr;
}

} // namespace

QString CapitalisedName(const QString& text) {
    QString r = text.toLower();
    if (!r.isEmpty()) {
        r[0] = r[0].toUpper();
    }
    const qsizetype space = r.indexOf(u' ');
    if (space >= 0 && space + 1 < r.size()) {
        r[space + 1] = r[space + 1].toUpper();
    }
    return r;
}

bool InRoster(const Roster& roster, const QString& number) {
    return Find(roster, number) != nullptr;
}

QString AthleteSurname(const Roster& roster, const QString& number,
                       const LanguageTable& languages) {
    if (const Athlete* a = Find(roster, number)) {
        return CapitalisedName(a->Surname);
    }
    return number.isEmpty() ? QString()
                            : languages.Translate(QStringLiteral("NUMERO")) + u' ' + number;
}

QString AthleteName(const Roster& roster, const QString& number) {
    if (const Athlete* a = Find(roster, number)) {
        return CapitalisedName(a->Name);
    }
    return number.isEmpty() ? QString() : QStringLiteral(".");
}

QString AthleteRole(const Roster& roster, const QString& number, const LanguageTable& languages) {
    const Athlete* a = Find(roster, number);
    const QString role = a != nullptr ? a->Role.mid(2) : QString();
    if (!role.isEmpty() || number.isEmpty()) {
        return role;
    }
    const QChar initial = number[0].toUpper();
    if (initial == u'A') {
        return number.mid(1) + languages.Translate(QStringLiteral("° Allenatore"));
    }
    if (initial == u'D') {
        return number.mid(1) + languages.Translate(QStringLiteral("° Dirigente"));
    }
    return QStringLiteral("-");
}
