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

// The one place these addresses live.
QString ProductPage();
QString ContactAddress();

// The update notice, composed whole so it is looked up in the language table as one text.
QString UpdateText(const Version& v);
