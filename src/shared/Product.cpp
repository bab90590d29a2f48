#include "shared/Product.h"

#include "shared/Language.h"
#include "shared/Messages.h"

Version ProgramVersion() {
    return {BRIVANTA_MAJOR, BRIVANTA_MINOR, BRIVANTA_REVISION};
}

QString VersionText(const Version& v) {
    return QStringLiteral("%1.%2.%3").arg(v.Major).arg(v.Minor).arg(v.Revision);
}

QString UpdateAddress() {
    return QStringLiteral(BRIVANTA_UPDATE_ADDRESS);
}

QString ContactAddress() {
    return QStringLiteral("info@brivanta.example.org");
}

UpdateNotice DecideUpdateNotice(const QString& address, const Version& v,
                                const LanguageTable& languages) {
    const auto t = [&languages](const char* text) {
        return languages.Translate(QString::fromUtf8(text));
    };
    const QString version = t(SharedMessages::VersionInUse) + VersionText(v);
    if (address.isEmpty()) {
        return {t(SharedMessages::NoUpdateAddress) + QStringLiteral("\r\n") + version, {}};
    }
    return {version + QStringLiteral("\r\n") + t(SharedMessages::UpdateHint), address};
}
