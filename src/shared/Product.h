#pragma once

#include <QString>

// The program's own identity: version numbers and where its maker can be reached.

struct Version {
    int Major;
    int Minor;
    int Revision;
};

Version ProgramVersion();
// "major.minor.revision"
QString VersionText(const Version& v);

// The one place these addresses live. The update address is the build's choice, empty when
// the build named none.
QString UpdateAddress();
QString ContactAddress();

class LanguageTable;

// What "Check for updates" shows, and the page it opens afterwards (none when empty).
struct UpdateNotice {
    QString Text;
    QString Address;
};
UpdateNotice DecideUpdateNotice(const QString& address, const Version& v,
                                const LanguageTable& languages);
