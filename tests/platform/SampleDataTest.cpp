// What ships in data/ must work: rosters read, pictures decode, every athlete has a photo
// and an announcement.
#include "shared/FileText.h"
#include "shared/Language.h"
#include "shared/ui/Images.h"
#include "teams/TeamChoice.h"
#include "teams/Teams.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString Data = QStringLiteral(BRIVANTA_DATA);

TEST(SampleDataTest, TwoNamedTeamsWithFullRosters) {
    const QStringList teams = ListTeams(Data).value();
    int named = 0;
    for (const QString& name : teams) {
        if (ProtectedTeam(name)) {
            continue;
        }
        ++named;
        SCOPED_TRACE(name.toStdString());
        const ChosenTeam s = ChooseTeam(Data, name, LanguageTable{});
        EXPECT_GE(s.Athletes.size(), 12u);
        EXPECT_LE(s.Athletes.size(), 14u);
        EXPECT_FALSE(DecodeImage(s.Logo, 256).isNull());
        EXPECT_FALSE(DecodeImage(QDir(s.Folder).filePath("team.jpg"), 256).isNull());
        bool coach = false, manager = false;
        for (const Athlete& a : s.Athletes) {
            coach = coach || a.Number == QStringLiteral("A1");
            manager = manager || a.Number == QStringLiteral("D1");
            EXPECT_FALSE(DecodeImage(AthletePhoto(s.Folder, a.Number), 128).isNull())
                << a.Number.toStdString();
            EXPECT_TRUE(QFileInfo::exists(AthleteAudio(s.Folder, a.Number)))
                << a.Number.toStdString();
        }
        EXPECT_TRUE(coach);
        EXPECT_TRUE(manager);
    }
    EXPECT_EQ(2, named);
}

TEST(SampleDataTest, SponsorPicturesDecode) {
    const QDir sponsor(Data + QStringLiteral("/Sponsors"));
    const QStringList file = sponsor.entryList(QDir::Files);
    EXPECT_GE(file.size(), 8);
    for (const QString& name : file) {
        const QImage picture = DecodeImage(sponsor.filePath(name), 300);
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        // A band slot is 1335 x 821 twips: a taller picture runs off the bottom of the screen.
        if (!name.startsWith(QStringLiteral("HEADER_LOGO"))) {
            EXPECT_LE(picture.height() * 1335, picture.width() * 821) << name.toStdString();
        }
    }
}

TEST(SampleDataTest, EveryLanguageHasItsThreeHelpPagesWithTheirPictures) {
    LanguageTable languages;
    languages.Load(*ReadTextFile(Data + QStringLiteral("/Languages.csv"), 1 << 20));
    int foundLanguages = 0;
    for (const QString& code : languages.LanguageCodes()) {
        if (code.isEmpty()) {
            continue;
        }
        ++foundLanguages;
        for (const char* page : {"readme", "readmeTEAM", "readmeSPONS"}) {
            QFile file(Data + u'/' + QString::fromLatin1(page) + code + QStringLiteral(".htm"));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QString html = QString::fromUtf8(file.readAll());
            const QRegularExpression picture(QStringLiteral("src=\"([^\"]+)\""));
            for (const auto& found : picture.globalMatch(html)) {
                EXPECT_FALSE(DecodeImage(Data + u'/' + found.captured(1), 200).isNull())
                    << found.captured(1).toStdString();
            }
        }
    }
    EXPECT_EQ(5, foundLanguages);
}

} // namespace
