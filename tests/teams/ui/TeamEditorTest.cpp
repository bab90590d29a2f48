#include "teams/ui/TeamEditor.h"
#include "scenarios/TestConsole.h"
#include "shared/FileText.h"
#include "shared/Messages.h"
#include "teams/Messages.h"
#include "teams/TeamPackage.h"
#include "teams/ui/SpreadsheetPreview.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImageReader>
#include <QPushButton>
#include <QTest>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace {

class TeamEditorTest : public TestConsole {
  protected:
    QString Team(const QString& name) const { return a.program + QStringLiteral("/Teams/") + name; }
    // Opens the editor from the console's menu and hands it to the test's steps.
    void Edit(const std::function<void(TeamEditor&)>& steps) {
        a.f.modal.Expect([&](QDialog& window) { steps(static_cast<TeamEditor&>(window)); });
        console.openTeamEditor();
    }
    // As the mouse or the keyboard does: the current team changes.
    static void Open(TeamEditor& f, const QString& name) {
        f.teamList->setCurrentItem(f.teamList->findItems(name, Qt::MatchExactly).first());
    }
    static void Line(TeamEditor& f, int r, const char* number, const char* surname,
                     const char* name = "") {
        f.numberBoxes[r]->setText(QString::fromUtf8(number));
        f.surnameBoxes[r]->setText(QString::fromUtf8(surname));
        f.firstNameBoxes[r]->setText(QString::fromUtf8(name));
    }
    static QStringList Items(const QListWidget& list) {
        QStringList items;
        for (int i = 0; i < list.count(); ++i) {
            items << list.item(i)->text();
        }
        return items;
    }
    QStringList Roster(const QString& team) const {
        return ReadTextFile(Team(team) + QStringLiteral("/team.csv"), 1 << 20)
            .value_or(QStringList{QStringLiteral("<missing>")});
    }
};

TEST_F(TeamEditorTest, AnImportedPackageJoinsTheListAndASecondOneAsksWhatToDo) {
    const QString file = a.root.filePath(QStringLiteral("aquile.brivanta-team"));
    ASSERT_TRUE(
        TeamPackage::Export(QStringLiteral(BRIVANTA_DATA), QStringLiteral("Aquile Volley"), file)
            .ok);
    Edit([&](TeamEditor& f) {
        a.f.dialogs.ExpectFile(file);
        f.importTeam();
        EXPECT_EQ(QStringLiteral("Aquile Volley"), f.teamList->currentItem()->text())
            << "the import is opened";
        EXPECT_EQ(QStringLiteral("Ferri"), f.surnameBoxes[0]->text());
        a.f.dialogs.Expect(TeamMessages::SameNameQuestion, Answer::No);
        f.importTeamFile(file);
        EXPECT_EQ(QStringLiteral("Aquile Volley (2)"), f.teamList->currentItem()->text());
    });
}

TEST_F(TeamEditorTest, EightRowsPastedFromASpreadsheetFillTheGridFromTheRowInFocus) {
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        QString rows;
        for (int i = 1; i <= 8; ++i) {
            rows += QStringLiteral("%1\tSurname%1\tName%1\n").arg(i);
        }
        QApplication::clipboard()->setText(rows);
        f.numberBoxes[2]->setFocus();
        QTest::keyClick(f.numberBoxes[2], Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(f.numberBoxes[1]->text().isEmpty());
        EXPECT_EQ(QStringLiteral("1"), f.numberBoxes[2]->text());
        EXPECT_EQ(QStringLiteral("Surname8"), f.surnameBoxes[9]->text());
        EXPECT_EQ(QStringLiteral("Name8"), f.firstNameBoxes[9]->text());
        EXPECT_FALSE(QFile::exists(Team(QStringLiteral("Lupi")) + QStringLiteral("/team.csv")))
            << "nothing is written before Salva";
    });
}

// A header-less sheet whose first column is the first name: the guess is wrong, the operator
// corrects it in the preview, and only then do the rows reach the grid.
TEST_F(TeamEditorTest, TheSpreadsheetPreviewLetsTheOperatorCorrectTheColumns) {
    const QString sheet = a.root.filePath(QStringLiteral("visitors.csv"));
    Environment::CreateFile(sheet, "Anna;Rossi;7\r\nLuca;Neri;12\r\nSara;Blu;12\r\n");
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        a.f.dialogs.ExpectFile(QString());
        f.openSpreadsheet();
        a.f.dialogs.ExpectFile(sheet);
        a.f.modal.Expect([](QDialog& window) {
            auto& preview = static_cast<SpreadsheetPreview&>(window);
            ASSERT_EQ(3u, preview.fieldBoxes.size());
            EXPECT_EQ(QStringLiteral("COGNOME"), preview.fieldBoxes[0]->currentText())
                << "the guess";
            EXPECT_EQ(QStringList{"Riga 3: numero usato due volte (12)"},
                      Items(*preview.refusedList));
            emit preview.fieldBoxes[1]->activated(static_cast<int>(RosterImport::Field::Surname));
            EXPECT_EQ(QStringLiteral("—"), preview.fieldBoxes[0]->currentText())
                << "a field lives in one column";
            emit preview.fieldBoxes[0]->activated(static_cast<int>(RosterImport::Field::FirstName));
            EXPECT_EQ(QStringLiteral("NOME"), preview.fieldBoxes[0]->currentText());
            preview.headerCheck->setChecked(true);
            EXPECT_EQ(QStringLiteral("Righe prese : 1    Righe non prese : 1"),
                      preview.summary->text())
                << "the first row as titles is no athlete";
            preview.headerCheck->setChecked(false);
            preview.buttons->button(QDialogButtonBox::Ok)->click();
        });
        f.openSpreadsheet();
        EXPECT_EQ(QStringLiteral("Rossi"), f.surnameBoxes[0]->text());
        EXPECT_EQ(QStringLiteral("Anna"), f.firstNameBoxes[0]->text());
        EXPECT_EQ(QStringLiteral("12"), f.numberBoxes[1]->text());
        EXPECT_TRUE(f.numberBoxes[2]->text().isEmpty());
        a.f.dialogs.ExpectFile(sheet);
        a.f.modal.Expect(
            [](QDialog& window) { static_cast<SpreadsheetPreview&>(window).reject(); });
        f.openSpreadsheet();
        EXPECT_EQ(QStringLiteral("Rossi"), f.surnameBoxes[0]->text())
            << "Cancel leaves the grid as it was";
        EXPECT_FALSE(QFile::exists(Team(QStringLiteral("Lupi")) + QStringLiteral("/team.csv")))
            << "nothing is written before Salva";
        EXPECT_TRUE(f.calledUpChecks[0]->isChecked() && f.calledUpChecks[1]->isChecked())
            << "imported athletes are called up";
        EXPECT_FALSE(f.calledUpChecks[2]->isChecked()) << "an empty row is not";
        f.save();
    });
    // The console lists the called-up only: the imported roster is there to score.
    console.teamList(0)->setCurrentItem(
        console.teamList(0)->findItems(QStringLiteral("Lupi"), Qt::MatchExactly).first());
    console.chooseTeam(0);
    EXPECT_EQ(3, console.rosterList(0)->count()) << "the opponent's error and both athletes";
}

// "+ New team" opens the new, empty team: rows typed next belong to it, never to the team
// that was on screen before.
TEST_F(TeamEditorTest, ANewTeamStartsWithAnEmptyRoster) {
    Environment::CreateFile(Team(QStringLiteral("Lupi")) + QStringLiteral("/team.csv"),
                            "7;Rossi;Mario;2-Centrale;C\r\n9;Bianchi;Luca;1-Banda;C\r\n");
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        ASSERT_EQ(QStringLiteral("Rossi"), f.surnameBoxes[0]->text());
        a.f.dialogs.ExpectInput(QStringLiteral("Zebre"));
        f.newTeam();
        EXPECT_EQ(QStringLiteral("Zebre"), f.teamList->currentItem()->text());
        for (int r = 0; r < EditorCapacity; ++r) {
            EXPECT_TRUE(f.numberBoxes[r]->text().isEmpty() && f.surnameBoxes[r]->text().isEmpty())
                << "row " << r;
        }
        Line(f, 0, "3", "Conti");
        f.finish();
    });
    EXPECT_EQ((QStringList{"3;Conti;;;N"}), Roster(QStringLiteral("Zebre")));
    EXPECT_EQ(2, Roster(QStringLiteral("Lupi")).size()) << "the team shown before is untouched";
}

TEST_F(TeamEditorTest, AZipOfPhotosNamedByNumberFindsItsAthletes) {
    QImage image(30, 40, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    const QString zip = a.root.filePath(QStringLiteral("photos.zip"));
    {
        QuaZip out(zip);
        ASSERT_TRUE(out.open(QuaZip::mdCreate));
        for (const auto& [name, data] :
             QList<QPair<QString, QByteArray>>{{"Lupi/07.png", png},
                                               {"Lupi/12 Neri.jpg", "a letter, not a picture"},
                                               {"Lupi/logo.png", png}}) {
            QuaZipFile entry(&out);
            ASSERT_TRUE(entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
            entry.write(data);
        }
    }
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        Line(f, 0, "7", "Rossi");
        Line(f, 1, "12", "Neri");
        Line(f, 2, "15", "Blu");
        a.f.dialogs.ExpectFile(zip);
        a.f.dialogs.Expect(TeamMessages::PhotosAssigned + QStringLiteral(" 1\n") +
                           TeamMessages::NumbersWithoutPhoto + QStringLiteral(" 15\n") +
                           TeamMessages::FilesUnassigned +
                           QStringLiteral(" logo.png, 12 Neri.jpg"));
        f.photosZipAction->trigger();
    });
    EXPECT_EQ(QByteArray("jpeg"), QImageReader(Team(QStringLiteral("Lupi/7.jpg"))).format());
    EXPECT_FALSE(QFile::exists(Team(QStringLiteral("Lupi/12.jpg"))));
    EXPECT_TRUE(QDir(a.f.folders.temporary)
                    .entryList({QStringLiteral("brivanta-photos-*")}, QDir::Dirs)
                    .isEmpty())
        << "the unpacked zip is gone";
}

TEST_F(TeamEditorTest, TypeSortAndSaveARoster) {
    Edit([&](TeamEditor& f) {
        EXPECT_EQ(QStringLiteral("Guests"), f.teamList->currentItem()->text()) << "first team open";
        Open(f, QStringLiteral("Lupi"));
        Line(f, 0, "10", "Rossi", "Anna");
        Line(f, 2, "A1", "Neri", "Luca");
        Line(f, 3, "3", "Verdi");
        Line(f, 4, "7", "Bianchi");
        f.roleBoxes[0]->setCurrentIndex(4);
        f.calledUpChecks[0]->setChecked(true);
        f.sortByNumber();
        EXPECT_EQ(QStringLiteral("3"), f.numberBoxes[0]->text());
        EXPECT_EQ(QStringLiteral("10"), f.numberBoxes[2]->text());
        EXPECT_EQ(4, f.roleBoxes[2]->currentIndex()) << "the role moves with its row";
        f.save();
    });
    EXPECT_EQ(
        (QStringList{"3;Verdi;;;N", "7;Bianchi;;;N", "10;Rossi;Anna;5-Banda;C", "A1;Neri;Luca;;N"}),
        Roster(QStringLiteral("Lupi")));
}

TEST_F(TeamEditorTest, FinishedSavesOnlyAChangedRosterAndExitDiscards) {
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        f.finish();
        EXPECT_EQ(QDialog::Accepted, f.result());
    });
    EXPECT_FALSE(QFileInfo::exists(Team(QStringLiteral("Lupi/team.csv")))) << "nothing changed";
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        Line(f, 0, "5", "Galli");
        f.exitWithoutSaving();
    });
    EXPECT_FALSE(QFileInfo::exists(Team(QStringLiteral("Lupi/team.csv"))));
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        Line(f, 0, "5", "Gal;li");
        a.f.dialogs.Expect(TeamMessages::SemicolonRefused + QStringLiteral(" 1"));
        f.finish();
        EXPECT_NE(QDialog::Accepted, f.result()) << "stays open to mend the row";
        Line(f, 0, "5", "Galli");
        f.finish();
    });
    EXPECT_EQ((QStringList{"5;Galli;;;N"}), Roster(QStringLiteral("Lupi")));
}

TEST_F(TeamEditorTest, AFailedSaveIsToldAndTheWindowStays) {
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        QDir(Team(QStringLiteral("Lupi"))).removeRecursively();
        Line(f, 0, "5", "Galli");
        a.f.dialogs.Expect(TeamMessages::TeamNotSaved + QStringLiteral("\r\n") + f.rosterFile());
        f.finish();
        EXPECT_NE(QDialog::Accepted, f.result());
    });
}

TEST_F(TeamEditorTest, MoreThanTwentySevenRowsAreToldAndKept) {
    QStringList lines;
    for (int i = 1; i <= 29; ++i) {
        lines << QString::number(i) + QStringLiteral(";Atleta;;;C");
    }
    ASSERT_TRUE(WriteTextFile(Team(QStringLiteral("Lupi/team.csv")), lines));
    Edit([&](TeamEditor& f) {
        a.f.dialogs.Expect(TeamMessages::MoreThan27 + QStringLiteral("\r\n") +
                           Team(QStringLiteral("Lupi/team.csv")));
        Open(f, QStringLiteral("Lupi"));
        f.surnameBoxes[0]->setText(QStringLiteral("Primo"));
        f.finish();
    });
    EXPECT_EQ(29, Roster(QStringLiteral("Lupi")).size());
    EXPECT_EQ(QStringLiteral("1;Primo;;;C"), Roster(QStringLiteral("Lupi")).first());
}

TEST_F(TeamEditorTest, LongFieldsOfAHandMadeFileAreKeptWhole) {
    const QString longText = QStringLiteral("123;Abbondanzieri-Rossi;Mariangela Beatrice;;C");
    ASSERT_TRUE(WriteTextFile(Team(QStringLiteral("Lupi/team.csv")),
                              {longText, QStringLiteral("4;Neri;;;N")}));
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        EXPECT_EQ(QStringLiteral("Abbondanzieri-Rossi"), f.surnameBoxes[0]->text());
        f.surnameBoxes[1]->setText(QStringLiteral("Neri Bianchi"));
        f.save();
        f.surnameBoxes[2]->clear();
        QTest::keyClicks(f.surnameBoxes[2], QStringLiteral("Abcdefghijklmnopqrst"));
        EXPECT_EQ(15, f.surnameBoxes[2]->text().size()) << "typing keeps the box's limit";
        f.exitWithoutSaving();
    });
    EXPECT_EQ((QStringList{longText, QStringLiteral("4;Neri Bianchi;;;N")}),
              Roster(QStringLiteral("Lupi")));
}

// Leaving typed rows, whichever way, asks first: Yes saves, No discards, Annulla stays.
struct ExitCase {
    const char* name;
    Answer answer;
    bool saved;
    bool stays;
    std::function<void(TeamEditor&)> leave;
};

class TeamEditorExitTest : public TeamEditorTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(TeamEditorExitTest, ChangedRosterIsOfferedForSavingBeforeItGoes) {
    const QString question = TeamMessages::RosterChangedQuestion + QStringLiteral("\r\nLupi");
    Edit([&](TeamEditor& f) {
        f.show();
        Open(f, QStringLiteral("Lupi"));
        Line(f, 0, "5", "Galli");
        a.f.dialogs.Expect(question, GetParam().answer);
        GetParam().leave(f);
        EXPECT_EQ(GetParam().stays, f.isVisible() &&
                                        f.surnameBoxes[0]->text() == QStringLiteral("Galli") &&
                                        f.teamList->currentItem()->text() == QStringLiteral("Lupi"))
            << "what is shown is what is acted on";
        f.exitWithoutSaving();
    });
    EXPECT_EQ(GetParam().saved, QFileInfo::exists(Team(QStringLiteral("Lupi/team.csv"))));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TeamEditorExitTest,
    ::testing::Values(
        ExitCase{"escape_yes", Answer::Yes, true, false,
                 [](TeamEditor& f) { QTest::keyClick(f.surnameBoxes[0], Qt::Key_Escape); }},
        ExitCase{"title_bar_no", Answer::No, false, false, [](TeamEditor& f) { f.close(); }},
        ExitCase{"title_bar_cancel", Answer::Cancel, false, true, [](TeamEditor& f) { f.close(); }},
        ExitCase{"arrow_key_yes", Answer::Yes, true, false,
                 [](TeamEditor& f) {
                     f.teamList->setFocus();
                     QTest::keyClick(f.teamList, Qt::Key_Up);
                 }},
        ExitCase{"end_key_cancel", Answer::Cancel, false, true,
                 [](TeamEditor& f) {
                     f.teamList->setFocus();
                     QTest::keyClick(f.teamList, Qt::Key_Home);
                 }}),
    [](const ::testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.name); });

TEST_F(TeamEditorTest, ReturnInABoxNeverClosesTheEditor) {
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        Line(f, 0, "5", "Galli");
        QTest::keyClick(f.surnameBoxes[0], Qt::Key_Return);
        EXPECT_EQ(QStringLiteral("Galli"), f.surnameBoxes[0]->text());
        EXPECT_FALSE(QFileInfo::exists(Team(QStringLiteral("Lupi/team.csv"))));
        f.exitWithoutSaving();
    });
}

TEST_F(TeamEditorTest, NewDeleteAndRenameTellWhatIsRefused) {
    Edit([&](TeamEditor& f) {
        struct Case {
            const char* name;
            QString message;
        };
        const Case refused[] = {
            {"guests", QStringLiteral("Squadra : GUESTS ") + TeamMessages::AlreadyInList},
            {"ab", TeamMessages::NameInvalidStart + QStringLiteral(" ab ") +
                       TeamMessages::NameInvalidEnd},
        };
        for (const Case& c : refused) {
            a.f.dialogs.ExpectInput(QString::fromUtf8(c.name));
            a.f.dialogs.Expect(c.message);
            f.newTeam();
        }
        a.f.dialogs.ExpectInput(std::nullopt);
        f.newTeam();
        a.f.dialogs.ExpectInput(QStringLiteral("  Tigri Bianche "));
        f.newTeam();
        EXPECT_TRUE(a.f.dialogs.Shown.last().startsWith(
            TeamMessages::NewTeamName + QStringLiteral(": Creazione nuova squadra")))
            << a.f.dialogs.Shown.last().toStdString();
        EXPECT_TRUE(QFileInfo(Team(QStringLiteral("Tigri Bianche"))).isDir());
        EXPECT_EQ(QStringLiteral("Tigri Bianche"), f.teamList->currentItem()->text())
            << "the new team is opened";

        Open(f, QStringLiteral("Home"));
        a.f.dialogs.Expect(TeamMessages::HomeGuestsNotDeleted);
        f.deleteTeam();
        a.f.dialogs.Expect(TeamMessages::HomeGuestsNotRenamed);
        f.renameTeam();

        Open(f, QStringLiteral("Lupi"));
        a.f.dialogs.ExpectInput(QStringLiteral("Lupi"));
        a.f.dialogs.Expect(QStringLiteral("Squadra : LUPI ") + TeamMessages::AlreadyInList);
        f.renameTeam();
        a.f.dialogs.ExpectInput(QStringLiteral("Lupi Blu"));
        f.renameTeam();
        EXPECT_EQ(QStringLiteral("Lupi Blu"), f.teamList->currentItem()->text());
        Line(f, 0, "4", "Conti");
        f.save();
        EXPECT_EQ(Team(QStringLiteral("Lupi Blu/team.csv")), f.rosterFile());

        Open(f, QStringLiteral("Tigri Bianche"));
        a.f.dialogs.Expect(TeamMessages::DeleteTeamQuestion, Answer::Ok);
        f.deleteTeam();
        EXPECT_FALSE(QFileInfo::exists(Team(QStringLiteral("Tigri Bianche"))));
    });
    EXPECT_EQ((QStringList{"4;Conti;;;N"}), Roster(QStringLiteral("Lupi Blu")));
    EXPECT_FALSE(
        console.teamList(0)->findItems(QStringLiteral("Lupi Blu"), Qt::MatchExactly).isEmpty())
        << "the console's lists show the renamed team once the editor closes";
}

TEST_F(TeamEditorTest, PhotosNeedANamedRowWithANumber) {
    const QString photo = a.root.filePath(QStringLiteral("scelta.png"));
    QImage image(300, 400, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(photo, "PNG"));
    const QString text = a.root.filePath(QStringLiteral("finta.jpg"));
    Environment::CreateFile(text, "not a picture");
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        a.f.dialogs.Expect(TeamMessages::ChooseAthleteFirst);
        f.chooseAthletePhoto();
        Line(f, 1, "", "Rossi");
        f.lineGotFocus(1);
        EXPECT_EQ(TwipsInPixel(4155), f.athletePhoto->width()) << "the default picture's width";
        a.f.dialogs.ExpectFile(photo);
        a.f.dialogs.Expect(TeamMessages::NumberFirst);
        f.chooseAthletePhoto();
        f.numberBoxes[1]->setText(QStringLiteral("7"));
        a.f.dialogs.ExpectFile(text);
        a.f.dialogs.Expect(SharedMessages::NotAPicture + QStringLiteral("\r\n") + text);
        f.chooseAthletePhoto();
        a.f.dialogs.ExpectFile(photo);
        f.chooseAthletePhoto();
        f.lineGotFocus(1);
        EXPECT_EQ(TwipsInPixel(2475) * 3 / 4, f.athletePhoto->width())
            << "a photo keeps its proportions";
    });
    EXPECT_EQ(QByteArray("jpeg"), QImageReader(Team(QStringLiteral("Lupi/7.jpg"))).format());
}

TEST_F(TeamEditorTest, TeamPictureLogoAndTheirDeletion) {
    const QString photo = a.root.filePath(QStringLiteral("squadra.bmp"));
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(photo, "BMP"));
    const QString team = Team(QStringLiteral("Lupi/team.jpg"));
    const QString logo = Team(QStringLiteral("Lupi/logo.jpg"));
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        a.f.dialogs.ExpectFile(photo);
        f.chooseTeamPicture();
        a.f.dialogs.ExpectFile(photo);
        f.chooseLogo();
        EXPECT_TRUE(QFileInfo::exists(team));
        EXPECT_TRUE(QFileInfo::exists(logo));
        f.openTeamPicture();
        f.openLogo();
        EXPECT_EQ((QStringList{team, logo}), a.f.shell.open);
        a.f.dialogs.Expect(TeamMessages::DeleteTeamPictureQuestion + QStringLiteral("\r\n") + team,
                           Answer::Cancel);
        f.deleteTeamPicture();
        EXPECT_TRUE(QFileInfo::exists(team));
        a.f.dialogs.Expect(TeamMessages::DeleteTeamPictureQuestion + QStringLiteral("\r\n") + team,
                           Answer::Ok);
        f.deleteTeamPicture();
        a.f.dialogs.Expect(TeamMessages::DeleteLogoQuestion + QStringLiteral("\r\n") + logo,
                           Answer::Ok);
        f.deleteLogo();
        f.deleteLogo();
    });
    EXPECT_FALSE(QFileInfo::exists(team));
    EXPECT_FALSE(QFileInfo::exists(logo));
}

TEST_F(TeamEditorTest, AnnouncementIsImportedPlayedAndDeleted) {
    const QString old = Team(QStringLiteral("Lupi/9.mp3"));
    Environment::CreateFile(old, "old");
    const QString chosen = a.root.filePath(QStringLiteral("presentazione.WAV"));
    Environment::CreateFile(chosen, "RIFF");
    Edit([&](TeamEditor& f) {
        Open(f, QStringLiteral("Lupi"));
        Line(f, 0, "9", "Moretti");
        f.lineGotFocus(0);
        EXPECT_FALSE(f.deleteAnnouncementButton->isHidden());
        a.f.dialogs.ExpectFile(chosen);
        f.chooseAnnouncement();
        EXPECT_EQ(Team(QStringLiteral("Lupi/9.wav")), f.audioFile());
        f.playAnnouncement();
        const QString question =
            TeamMessages::DeleteAnnouncementQuestion + QStringLiteral("\r\n") + f.audioFile();
        a.f.dialogs.Expect(question, Answer::Ok);
        a.f.dialogs.Expect(TeamMessages::AnnouncementDeleted);
        f.deleteAnnouncement();
        EXPECT_TRUE(f.deleteAnnouncementButton->isHidden());
        EXPECT_TRUE(f.playAnnouncementButton->isHidden());
    });
    EXPECT_FALSE(QFileInfo::exists(old)) << "the old announcement of that number is gone";
    EXPECT_TRUE(QDir(Team(QStringLiteral("Lupi"))).entryList({"9.*"}).isEmpty());
    EXPECT_TRUE(
        a.f.audio.calls.contains(QStringLiteral("apri ") + Team(QStringLiteral("Lupi/9.wav"))));
}

TEST_F(TeamEditorTest, MissingTeamsFolderIsCreatedWithItsTwoSides) {
    QDir(a.program + QStringLiteral("/Teams")).removeRecursively();
    Edit([&](TeamEditor& f) {
        EXPECT_EQ(2, f.teamList->count());
        f.openHelp();
        f.exploreFolder();
    });
    EXPECT_TRUE(QFileInfo(Team(QStringLiteral("Home"))).isDir());
    EXPECT_TRUE(QFileInfo(Team(QStringLiteral("Guests"))).isDir());
    EXPECT_EQ((QStringList{a.program}), a.f.shell.open) << "no help page, only the folder";
}

} // namespace
