// An installed program's folder cannot be written: everything the program writes goes to the
// user's data folder, seeded from the shipped data.
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "sponsor/Messages.h"
#include "sponsor/ui/SponsorManager.h"
#include "teams/ui/TeamEditor.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Every file under the folder with its size and time: what "unchanged" means here.
QStringList Photo(const QString& folder) {
    QStringList list;
    QDirIterator file(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (file.hasNext()) {
        const QFileInfo info(file.next());
        list << info.filePath() + u' ' + QString::number(info.size()) + u' ' +
                    QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    list.sort();
    return list;
}

TEST(UserFolderScenario, AReadOnlyProgramFolderIsNeverWritten) {
    Environment a;
    QFile::copy(QStringLiteral(BRIVANTA_DATA "/Languages.csv"), a.program + "/Languages.csv");
    Environment::CreateFile(a.program + "/Teams/Lupi/team.csv", "7;Rossi;Mario;;C\r\n");
    Environment::CreateFile(a.program + "/Sounds/1_coro.wav", "RIFF");
    a.f.folders.writableProgram = false;
    const QStringList before = Photo(a.program);
    const QString user = a.f.folders.user;

    ConsoleProbe console(a.f.platform);
    console.load();
    EXPECT_EQ(user, console.common().DataFolder);
    EXPECT_FALSE(console.teamList(0)->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).isEmpty())
        << "the sample teams, from the seeded folder";
    EXPECT_TRUE(QFileInfo::exists(user + "/Sounds/1_coro.wav"));

    a.f.modal.Expect([&](QDialog& d) {
        auto& f = static_cast<TeamEditor&>(d);
        f.teamList->setCurrentItem(
            f.teamList->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
        f.surnameBoxes[0]->setText(QStringLiteral("Rossini"));
        f.save();
    });
    console.openTeamEditor();
    EXPECT_TRUE(ReadTextFile(user + "/Teams/Lupi/team.csv", 1 << 20)
                    ->join(u'\n')
                    .contains(QStringLiteral("Rossini")));

    QImage png(64, 36, QImage::Format_RGB32);
    png.fill(Qt::blue);
    const QString chosen = a.root.filePath(QStringLiteral("nuovo.png"));
    ASSERT_TRUE(png.save(chosen, "PNG"));
    a.f.modal.Expect([&](QDialog& d) {
        auto& f = static_cast<SponsorManager&>(d);
        a.f.dialogs.ExpectFile(chosen);
        a.f.dialogs.Expect(SponsorMessages::PictureAdded + QStringLiteral("\r\n") + chosen);
        f.addSponsor();
        f.reject();
    });
    console.openSponsorManager();
    EXPECT_TRUE(QFileInfo::exists(user + "/Sponsors/nuovo.png"));

    console.changeScore(0);
    EXPECT_TRUE(console.waitForCopy());
    EXPECT_EQ(before, Photo(a.program)) << "nothing written beside the program";
}

} // namespace
