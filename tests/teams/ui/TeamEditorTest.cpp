#include "scenari/ConsoleDiProva.h"
#include "shared/TestoFile.h"
#include "teams/ui/TeamEditor.h"

#include <QImageReader>
#include <QTest>

namespace {

class TeamEditorTest : public ConsoleDiProva {
protected:
    QString Squadra(const QString& nome) const { return a.programma + QStringLiteral("/Teams/") + nome; }
    // Opens the editor from the console's menu and hands it to the test's steps.
    void Modifica(const std::function<void(TeamEditor&)>& passi) {
        a.f.modali.Attendi([&](QDialog& finestra) { passi(static_cast<TeamEditor&>(finestra)); });
        console.openTeamEditor();
    }
    // As the mouse or the keyboard does: the current team changes.
    static void Apri(TeamEditor& f, const QString& nome) {
        f.teamList->setCurrentItem(f.teamList->findItems(nome, Qt::MatchExactly).first());
    }
    static void Riga(TeamEditor& f, int r, const char* numero, const char* cognome, const char* nome = "") {
        f.numberBoxes[r]->setText(QString::fromUtf8(numero));
        f.surnameBoxes[r]->setText(QString::fromUtf8(cognome));
        f.firstNameBoxes[r]->setText(QString::fromUtf8(nome));
    }
    QStringList Rosa(const QString& squadra) const {
        return LeggiFileTesto(Squadra(squadra) + QStringLiteral("/team.csv"), 1 << 20)
            .value_or(QStringList{QStringLiteral("<missing>")});
    }
};

TEST_F(TeamEditorTest, TypeSortAndSaveARoster) {
    Modifica([&](TeamEditor& f) {
        EXPECT_EQ(QStringLiteral("Guests"), f.teamList->currentItem()->text()) << "first team open";
        Apri(f, QStringLiteral("Lupi"));
        Riga(f, 0, "10", "Rossi", "Anna");
        Riga(f, 2, "A1", "Neri", "Luca");
        Riga(f, 3, "3", "Verdi");
        Riga(f, 4, "7", "Bianchi");
        f.roleBoxes[0]->setCurrentIndex(4);
        f.calledUpChecks[0]->setChecked(true);
        f.sortByNumber();
        EXPECT_EQ(QStringLiteral("3"), f.numberBoxes[0]->text());
        EXPECT_EQ(QStringLiteral("10"), f.numberBoxes[2]->text());
        EXPECT_EQ(4, f.roleBoxes[2]->currentIndex()) << "the role moves with its row";
        f.save();
    });
    EXPECT_EQ((QStringList{"3;Verdi;;;N", "7;Bianchi;;;N", "10;Rossi;Anna;5-Banda;C",
                           "A1;Neri;Luca;;N"}),
              Rosa(QStringLiteral("Lupi")));
}

TEST_F(TeamEditorTest, FinishedSavesOnlyAChangedRosterAndExitDiscards) {
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        f.finish();
        EXPECT_EQ(QDialog::Accepted, f.result());
    });
    EXPECT_FALSE(QFileInfo::exists(Squadra(QStringLiteral("Lupi/team.csv")))) << "nothing changed";
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        Riga(f, 0, "5", "Galli");
        f.exitWithoutSaving();
    });
    EXPECT_FALSE(QFileInfo::exists(Squadra(QStringLiteral("Lupi/team.csv"))));
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        Riga(f, 0, "5", "Gal;li");
        a.f.dialoghi.Attendi(QStringLiteral(
            "Il punto e virgola non è ammesso nei numeri e nei nomi degli atleti, riga: 1"));
        f.finish();
        EXPECT_NE(QDialog::Accepted, f.result()) << "stays open to mend the row";
        Riga(f, 0, "5", "Galli");
        f.finish();
    });
    EXPECT_EQ((QStringList{"5;Galli;;;N"}), Rosa(QStringLiteral("Lupi")));
}

TEST_F(TeamEditorTest, AFailedSaveIsToldAndTheWindowStays) {
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        QDir(Squadra(QStringLiteral("Lupi"))).removeRecursively();
        Riga(f, 0, "5", "Galli");
        a.f.dialoghi.Attendi(QStringLiteral("Impossibile salvare la squadra:\r\n") + f.FileRosa());
        f.finish();
        EXPECT_NE(QDialog::Accepted, f.result());
    });
}

TEST_F(TeamEditorTest, MoreThanTwentySevenRowsAreToldAndKept) {
    QStringList linee;
    for (int i = 1; i <= 29; ++i) {
        linee << QString::number(i) + QStringLiteral(";Atleta;;;C");
    }
    ASSERT_TRUE(ScriviFileTesto(Squadra(QStringLiteral("Lupi/team.csv")), linee));
    Modifica([&](TeamEditor& f) {
        a.f.dialoghi.Attendi(QStringLiteral("Questa squadra ha più di 27 atleti: qui se ne vedono "
                                            "27, gli altri restano nel file anche dopo il "
                                            "salvataggio.\r\n") +
                             Squadra(QStringLiteral("Lupi/team.csv")));
        Apri(f, QStringLiteral("Lupi"));
        f.surnameBoxes[0]->setText(QStringLiteral("Primo"));
        f.finish();
    });
    EXPECT_EQ(29, Rosa(QStringLiteral("Lupi")).size());
    EXPECT_EQ(QStringLiteral("1;Primo;;;C"), Rosa(QStringLiteral("Lupi")).first());
}

TEST_F(TeamEditorTest, LongFieldsOfAHandMadeFileAreKeptWhole) {
    const QString lunga = QStringLiteral("123;Abbondanzieri-Rossi;Mariangela Beatrice;;C");
    ASSERT_TRUE(ScriviFileTesto(Squadra(QStringLiteral("Lupi/team.csv")),
                                {lunga, QStringLiteral("4;Neri;;;N")}));
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        EXPECT_EQ(QStringLiteral("Abbondanzieri-Rossi"), f.surnameBoxes[0]->text());
        f.surnameBoxes[1]->setText(QStringLiteral("Neri Bianchi"));
        f.save();
        f.surnameBoxes[2]->clear();
        QTest::keyClicks(f.surnameBoxes[2], QStringLiteral("Abcdefghijklmnopqrst"));
        EXPECT_EQ(15, f.surnameBoxes[2]->text().size()) << "typing keeps the box's limit";
        f.exitWithoutSaving();
    });
    EXPECT_EQ((QStringList{lunga, QStringLiteral("4;Neri Bianchi;;;N")}),
              Rosa(QStringLiteral("Lupi")));
}

// Leaving typed rows, whichever way, asks first: Yes saves, No discards, Annulla stays.
struct CasoUscita {
    const char* nome;
    Risposta risposta;
    bool salvata;
    bool resta;
    std::function<void(TeamEditor&)> lascia;
};

class TeamEditorExitTest : public TeamEditorTest, public ::testing::WithParamInterface<CasoUscita> {};

TEST_P(TeamEditorExitTest, ChangedRosterIsOfferedForSavingBeforeItGoes) {
    const QString domanda = QStringLiteral(
        "La rosa di questa squadra è stata modificata. Vuoi salvarla?\r\nLupi");
    Modifica([&](TeamEditor& f) {
        f.show();
        Apri(f, QStringLiteral("Lupi"));
        Riga(f, 0, "5", "Galli");
        a.f.dialoghi.Attendi(domanda, GetParam().risposta);
        GetParam().lascia(f);
        EXPECT_EQ(GetParam().resta, f.isVisible() &&
                                        f.surnameBoxes[0]->text() == QStringLiteral("Galli") &&
                                        f.teamList->currentItem()->text() == QStringLiteral("Lupi"))
            << "what is shown is what is acted on";
        f.exitWithoutSaving();
    });
    EXPECT_EQ(GetParam().salvata, QFileInfo::exists(Squadra(QStringLiteral("Lupi/team.csv"))));
}

INSTANTIATE_TEST_SUITE_P(
    Modi, TeamEditorExitTest,
    ::testing::Values(
        CasoUscita{"escape_yes", Risposta::Si, true, false,
                   [](TeamEditor& f) { QTest::keyClick(f.surnameBoxes[0], Qt::Key_Escape); }},
        CasoUscita{"title_bar_no", Risposta::No, false, false, [](TeamEditor& f) { f.close(); }},
        CasoUscita{"title_bar_cancel", Risposta::Annulla, false, true,
                   [](TeamEditor& f) { f.close(); }},
        CasoUscita{"arrow_key_yes", Risposta::Si, true, false,
                   [](TeamEditor& f) {
                       f.teamList->setFocus();
                       QTest::keyClick(f.teamList, Qt::Key_Up);
                   }},
        CasoUscita{"end_key_cancel", Risposta::Annulla, false, true,
                   [](TeamEditor& f) {
                       f.teamList->setFocus();
                       QTest::keyClick(f.teamList, Qt::Key_Home);
                   }}),
    [](const ::testing::TestParamInfo<CasoUscita>& info) { return std::string(info.param.nome); });

TEST_F(TeamEditorTest, ReturnInABoxNeverClosesTheEditor) {
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        Riga(f, 0, "5", "Galli");
        QTest::keyClick(f.surnameBoxes[0], Qt::Key_Return);
        EXPECT_EQ(QStringLiteral("Galli"), f.surnameBoxes[0]->text());
        EXPECT_FALSE(QFileInfo::exists(Squadra(QStringLiteral("Lupi/team.csv"))));
        f.exitWithoutSaving();
    });
}

TEST_F(TeamEditorTest, NewDeleteAndRenameTellWhatIsRefused) {
    Modifica([&](TeamEditor& f) {
        struct Caso {
            const char* nome;
            const char* messaggio;
        };
        const Caso rifiutati[] = {
            {"guests", "Squadra : GUESTS già esistente nella lista"},
            {"ab", "Nome della nuova squadra | ab | non valido o troppo lungo/corto (Da 3 min a "
                   "max 35 caratteri)"},
        };
        for (const Caso& c : rifiutati) {
            a.f.dialoghi.AttendiInput(QString::fromUtf8(c.nome));
            a.f.dialoghi.Attendi(QString::fromUtf8(c.messaggio));
            f.newTeam();
        }
        a.f.dialoghi.AttendiInput(std::nullopt);
        f.newTeam();
        a.f.dialoghi.AttendiInput(QStringLiteral("  Tigri Bianche "));
        f.newTeam();
        EXPECT_TRUE(a.f.dialoghi.Mostrati.last().startsWith(
            QStringLiteral("Inserisci il nome della nuova squadra: Creazione nuova squadra")))
            << a.f.dialoghi.Mostrati.last().toStdString();
        EXPECT_TRUE(QFileInfo(Squadra(QStringLiteral("Tigri Bianche"))).isDir());
        EXPECT_EQ(QStringLiteral("Guests"), f.teamList->currentItem()->text())
            << "the list opens its first entry, not the new team";

        Apri(f, QStringLiteral("Home"));
        a.f.dialoghi.Attendi(QStringLiteral("Le cartelle : Home e Guests non possono essere cancellate"));
        f.deleteTeam();
        a.f.dialoghi.Attendi(QStringLiteral("Le cartelle : Home e Guests non possono essere RINOMINATE"));
        f.renameTeam();

        Apri(f, QStringLiteral("Lupi"));
        a.f.dialoghi.AttendiInput(QStringLiteral("Lupi"));
        a.f.dialoghi.Attendi(QStringLiteral("Squadra : LUPI già esistente nella lista"));
        f.renameTeam();
        a.f.dialoghi.AttendiInput(QStringLiteral("Lupi Blu"));
        f.renameTeam();
        EXPECT_EQ(QStringLiteral("Lupi Blu"), f.teamList->currentItem()->text());
        Riga(f, 0, "4", "Conti");
        f.save();
        EXPECT_EQ(Squadra(QStringLiteral("Lupi Blu/team.csv")), f.FileRosa());

        Apri(f, QStringLiteral("Tigri Bianche"));
        a.f.dialoghi.Attendi(QStringLiteral("Vuoi cancellare questa squadra ed assieme tutti i "
                                            "files delle immagini ed i files con i dati dgli "
                                            "atleti? Premi <OK> per confermare"),
                             Risposta::Ok);
        f.deleteTeam();
        EXPECT_FALSE(QFileInfo::exists(Squadra(QStringLiteral("Tigri Bianche"))));
    });
    EXPECT_EQ((QStringList{"4;Conti;;;N"}), Rosa(QStringLiteral("Lupi Blu")));
    EXPECT_FALSE(console.teamLists[0]->findItems(QStringLiteral("Lupi Blu"), Qt::MatchExactly).isEmpty())
        << "the console's lists show the renamed team once the editor closes";
}

TEST_F(TeamEditorTest, PhotosNeedANamedRowWithANumber) {
    const QString foto = a.radice.filePath(QStringLiteral("scelta.png"));
    QImage immagine(300, 400, QImage::Format_RGB32);
    immagine.fill(Qt::green);
    ASSERT_TRUE(immagine.save(foto, "PNG"));
    const QString testo = a.radice.filePath(QStringLiteral("finta.jpg"));
    Ambiente::CreaFile(testo, "not a picture");
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        a.f.dialoghi.Attendi(QStringLiteral("Seleziona prima l'atleta al quale vuoi assegnare la foto."));
        f.chooseAthletePhoto();
        Riga(f, 1, "", "Rossi");
        f.Riga_GotFocus(1);
        EXPECT_EQ(TwipsInPixel(4155), f.athletePhoto->width()) << "the default picture's width";
        a.f.dialoghi.AttendiFile(foto);
        a.f.dialoghi.Attendi(QStringLiteral("Assegna prima il numero di maglia all'atleta per il "
                                            "quale vuoi salvare l'immagine"));
        f.chooseAthletePhoto();
        f.numberBoxes[1]->setText(QStringLiteral("7"));
        a.f.dialoghi.AttendiFile(testo);
        a.f.dialoghi.Attendi(QStringLiteral("Il file scelto non è un'immagine utilizzabile:\r\n") + testo);
        f.chooseAthletePhoto();
        a.f.dialoghi.AttendiFile(foto);
        f.chooseAthletePhoto();
        f.Riga_GotFocus(1);
        EXPECT_EQ(TwipsInPixel(2475) * 3 / 4, f.athletePhoto->width()) << "a photo keeps its proportions";
    });
    EXPECT_EQ(QByteArray("jpeg"), QImageReader(Squadra(QStringLiteral("Lupi/7.jpg"))).format());
}

TEST_F(TeamEditorTest, TeamPictureLogoAndTheirDeletion) {
    const QString foto = a.radice.filePath(QStringLiteral("squadra.bmp"));
    QImage immagine(320, 200, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    ASSERT_TRUE(immagine.save(foto, "BMP"));
    const QString squadra = Squadra(QStringLiteral("Lupi/team.jpg"));
    const QString logo = Squadra(QStringLiteral("Lupi/logo.jpg"));
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        a.f.dialoghi.AttendiFile(foto);
        f.chooseTeamPicture();
        a.f.dialoghi.AttendiFile(foto);
        f.chooseLogo();
        EXPECT_TRUE(QFileInfo::exists(squadra));
        EXPECT_TRUE(QFileInfo::exists(logo));
        f.openTeamPicture();
        f.openLogo();
        EXPECT_EQ((QStringList{squadra, logo}), a.f.shell.aperti);
        a.f.dialoghi.Attendi(
            QStringLiteral("Vuoi veramente cancellare la foto di questa squadra?\r\n") + squadra,
            Risposta::Annulla);
        f.deleteTeamPicture();
        EXPECT_TRUE(QFileInfo::exists(squadra));
        a.f.dialoghi.Attendi(
            QStringLiteral("Vuoi veramente cancellare la foto di questa squadra?\r\n") + squadra,
            Risposta::Ok);
        f.deleteTeamPicture();
        a.f.dialoghi.Attendi(
            QStringLiteral("Vuoi cancellare l'immagine quadrata del logo di questa squadra?\r\n") +
                logo,
            Risposta::Ok);
        f.deleteLogo();
        f.deleteLogo();
    });
    EXPECT_FALSE(QFileInfo::exists(squadra));
    EXPECT_FALSE(QFileInfo::exists(logo));
}

TEST_F(TeamEditorTest, AnnouncementIsImportedPlayedAndDeleted) {
    const QString vecchio = Squadra(QStringLiteral("Lupi/9.mp3"));
    Ambiente::CreaFile(vecchio, "old");
    const QString scelto = a.radice.filePath(QStringLiteral("presentazione.WAV"));
    Ambiente::CreaFile(scelto, "RIFF");
    Modifica([&](TeamEditor& f) {
        Apri(f, QStringLiteral("Lupi"));
        Riga(f, 0, "9", "Moretti");
        f.Riga_GotFocus(0);
        EXPECT_FALSE(f.deleteAnnouncementButton->isHidden());
        a.f.dialoghi.AttendiFile(scelto);
        f.chooseAnnouncement();
        EXPECT_EQ(Squadra(QStringLiteral("Lupi/9.wav")), f.FileAudio());
        f.playAnnouncement();
        const QString domanda = QStringLiteral("Vuoi veramente cancellare il file audio per la "
                                               "presentazione di questo atleta?\r\n") +
                                f.FileAudio();
        a.f.dialoghi.Attendi(domanda, Risposta::Ok);
        a.f.dialoghi.Attendi(QStringLiteral(
            "File audio di presentazione cancellato, aggiungine un altro se vuoi."));
        f.deleteAnnouncement();
        EXPECT_TRUE(f.deleteAnnouncementButton->isHidden());
        EXPECT_TRUE(f.playAnnouncementButton->isHidden());
    });
    EXPECT_FALSE(QFileInfo::exists(vecchio)) << "the old announcement of that number is gone";
    EXPECT_TRUE(QDir(Squadra(QStringLiteral("Lupi"))).entryList({"9.*"}).isEmpty());
    EXPECT_TRUE(a.f.audio.chiamate.contains(QStringLiteral("apri ") +
                                            Squadra(QStringLiteral("Lupi/9.wav"))));
}

TEST_F(TeamEditorTest, MissingTeamsFolderIsCreatedWithItsTwoSides) {
    QDir(a.programma + QStringLiteral("/Teams")).removeRecursively();
    Modifica([&](TeamEditor& f) {
        EXPECT_EQ(2, f.teamList->count());
        f.openHelp();
        f.exploreFolder();
    });
    EXPECT_TRUE(QFileInfo(Squadra(QStringLiteral("Home"))).isDir());
    EXPECT_TRUE(QFileInfo(Squadra(QStringLiteral("Guests"))).isDir());
    EXPECT_EQ((QStringList{a.programma}), a.f.shell.aperti) << "no help page, only the folder";
}

} // namespace
