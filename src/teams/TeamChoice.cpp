#include "teams/TeamChoice.h"

#include "shared/Language.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

ChosenTeam ChooseTeam(const QString& dataFolder, const QString& name,
                      const LanguageTable& languages) {
    ChosenTeam s;
    s.Name = name;
    s.Folder = TeamFolder(dataFolder, name);
    s.Lines << languages.Translate(QStringLiteral("E - Errore dell'avversario"));
    if (s.Folder.isEmpty()) {
        return s;
    }
    const QString logo = QDir(s.Folder).filePath(QStringLiteral("logo.jpg"));
    if (QFileInfo::exists(logo)) {
        s.Logo = logo;
    }
    s.Athletes =
        ReadRoster(QDir(s.Folder).filePath(QStringLiteral("team.csv")), ConsoleCapacity, true);
    for (Athlete& a : s.Athletes) {
        a.Role = RoleLabel(RoleNumber(a.Role), languages);
        // A scorer picks from this list: a coach there is only a wrong click away.
        if (a.CalledUp.compare(QStringLiteral("C"), Qt::CaseInsensitive) == 0 &&
            !StaffCode(a.Number)) {
            s.Lines << RosterLine(a);
        }
    }
    return s;
}

QString RosterLine(const Athlete& a) {
    return a.Number.right(2).rightJustified(2, u' ') + u' ' + a.Surname + u' ' + a.Name + u' ' +
           a.Role.mid(2);
}

QString CodeFromLine(const QString& line) {
    return line.left(2).trimmed();
}

bool StaffCode(const QString& number) {
    static const QRegularExpression staff(QStringLiteral("^[A-Za-z][0-9]+$"));
    return staff.match(number.trimmed()).hasMatch();
}

QString NameFromLine(const QString& line) {
    return line.mid(3).section(u' ', 0, 0, QString::SectionSkipEmpty);
}
