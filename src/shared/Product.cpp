#include "shared/Product.h"

#include "shared/Messages.h"

Version ProgramVersion() {
    return {BRIVANTA_MAJOR, BRIVANTA_MINOR, BRIVANTA_REVISION};
}

QString VersionText(const Version& v) {
    return QStringLiteral("%1.%2.%3").arg(v.Major).arg(v.Minor).arg(v.Revision);
}

QString ProductPage() {
    return QStringLiteral("https://brivanta.example.org/");
}

QString ContactAddress() {
    return QStringLiteral("info@brivanta.example.org");
}

QString UpdateText(const Version& v) {
    return SharedMessages::VersionInUse + VersionText(v) + QStringLiteral("\r\n") +
           SharedMessages::UpdateHint;
}
