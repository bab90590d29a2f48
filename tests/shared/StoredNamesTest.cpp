// Names that users' files and tools rely on, read from the literals in the source: a rename of
// the code must never move a settings key, a key-map entry, a remote path or a window title.
#include "control/Azioni.h"
#include "doppi/Doppi.h"
#include "shared/TestoFile.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> Letterali(const QRegularExpression& forma) {
    QSet<QString> trovati;
    QDirIterator file(QStringLiteral(BRIVANTA_SORGENTI), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const auto testo = LeggiFileTesto(file.next(), 1 << 22);
        for (auto m = forma.globalMatch(testo.value_or(QStringList()).join(u'\n')); m.hasNext();) {
            trovati.insert(m.next().captured(1));
        }
    }
    return trovati;
}

TEST(StoredNamesTest, SettingsKeysAreTheOnesUsersFilesHold) {
    const QSet<QString> chiavi = Letterali(QRegularExpression(QStringLiteral(R"re((?:Leggi|Scrivi)\(QStringLiteral\("([A-Za-z0-9]+)"\))re")));
    const QSet<QString> attese{"DisplayScreen", "FullScreen", "HubLan",  "HubPort",
                               "HubToken",      "Language",   "Left",    "ScoreBoardSpeed",
                               "Serial",        "SndExultation", "SndExultationDuration",
                               "SndExultationEnabled", "Sponsor", "Top"};
    EXPECT_EQ(attese, chiavi);
}

TEST(StoredNamesTest, TheKeyMapAndTheRemotePathsKeepTheirNames) {
    ImpostazioniFinte impostazioni;
    MappaTasti::Predefinita().Scrivi(impostazioni);
    const QStringList attese{"KeyHomePlus",   "KeyHomeMinus",  "KeyGuestsMinus", "KeyGuestsPlus",
                             "KeyUndo",       "KeyTimeoutHome", "KeyTimeoutGuests", "KeyType0",
                             "KeyType1",      "KeyType2",      "KeyType3",       "KeyType4",
                             "KeyCodeE",      "KeyClearCodes", "KeyPreview",     "KeyStatistics",
                             "KeyLastPoints", "KeyLeading",    "KeyPresentation"};
    QStringList scritte = impostazioni.valori.keys();
    QStringList ordinate = attese;
    scritte.sort();
    ordinate.sort();
    EXPECT_EQ(ordinate, scritte);
    EXPECT_EQ(QStringLiteral("F5"), impostazioni.valori.value(QStringLiteral("KeyHomePlus")));
    EXPECT_EQ(QStringLiteral("Ctrl+P"), impostazioni.valori.value(QStringLiteral("KeyPresentation")));
    QStringList percorsi;
    for (const DefinizioneAzione& d : Azioni()) {
        if (d.percorso != nullptr) {
            percorsi << QString::fromLatin1(d.percorso);
        }
    }
    EXPECT_EQ((QStringList{"home/plus", "home/minus", "guests/minus", "guests/plus", "undo", "timeout/home",
                           "timeout/guests", "type/0", "type/1", "type/2", "type/3", "type/4", "clear",
                           "preview", "overlay/stats", "overlay/last4", "overlay/leading", "overlay/presentation"}),
              percorsi);
}

TEST(StoredNamesTest, WindowTitlesStayAsUsersAndScriptsKnowThem) {
    const QSet<QString> titoli = Letterali(QRegularExpression(QStringLiteral(R"re(setWindowTitle\(QStringLiteral\("([^"]*)"\))re")));
    const QSet<QString> tradotti = Letterali(QRegularExpression(QStringLiteral(R"re(setWindowTitle\(t\("([^"]*)"\)\))re")));
    const QSet<QString> attesi{"Brivanta", "Brivanta - ", "Scelta colore elemento", "Brivanta : MATCH.txt",
                               "Brivanta : ", "About Brivanta", "Brivanta - Sponsor pics management"};
    EXPECT_EQ(attesi, titoli);
    EXPECT_EQ((QSet<QString>{"Gestione suoni ed effetti sonori", "Tasti", "Remote"}), tradotti);
}

} // namespace
