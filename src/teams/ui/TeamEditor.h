#pragma once

#include "shared/ui/ImmagineCliccabile.h"
#include "teams/Editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <array>

struct Modulo1;
struct Piattaforma;
class Lettore;

// The team editor: team folders, a roster of up to 27 rows, photos, logo and announcements.
class TeamEditor : public QDialog {
    Q_OBJECT
public:
    TeamEditor(Modulo1& modulo, Piattaforma& piattaforma, Lettore& lettore);

    void Form_Load();
    void openSelectedTeam();
    // Any box of row r took the focus.
    void Riga_GotFocus(int Index);
    void save();
    void sortByNumber();
    void newTeam();
    void deleteTeam();
    void renameTeam();
    void finish();
    void exitWithoutSaving();
    void exploreFolder();
    void openHelp();
    void chooseAthletePhoto();
    void chooseTeamPicture();
    void chooseLogo();
    void chooseAnnouncement();
    void deleteAthletePhoto();
    void deleteTeamPicture();
    void deleteLogo();
    void deleteAnnouncement();
    void openAthletePhoto();
    void openTeamPicture();
    void playAnnouncement();
    void openLogo();

    const QString& FileRosa() const { return fileRosa_; }
    const QString& FileFoto() const { return fileFoto_; }
    const QString& FileAudio() const { return fileAudio_; }
    int RigaCorrente() const { return rigaCorrente_; }

    std::array<QLineEdit*, CapacitaEditor> numberBoxes;
    std::array<QLineEdit*, CapacitaEditor> surnameBoxes;
    std::array<QLineEdit*, CapacitaEditor> firstNameBoxes;
    std::array<QComboBox*, CapacitaEditor> roleBoxes;
    std::array<QCheckBox*, CapacitaEditor> calledUpChecks;
    std::array<QLabel*, 9> columnCaptions;
    QScrollArea* Righe;
    QPushButton* saveButton;
    QPushButton* newTeamButton;
    QPushButton* deleteTeamButton;
    QPushButton* exitWithoutSavingButton;
    QPushButton* sortButton;
    QPushButton* doneButton;
    QPushButton* renameTeamButton;
    QPushButton* exploreButton;
    QPushButton* helpButton;
    QListWidget* teamList;
    ImmagineCliccabile* athletePhoto;
    ImmagineCliccabile* teamPicture;
    ImmagineCliccabile* deleteAthletePhotoButton;
    ImmagineCliccabile* deleteTeamPictureButton;
    ImmagineCliccabile* logoImage;
    ImmagineCliccabile* deleteLogoButton;
    QGroupBox* announcementFrame;
    ImmagineCliccabile* announcementButton;
    ImmagineCliccabile* deleteAnnouncementButton;
    ImmagineCliccabile* openAthletePhotoButton;
    ImmagineCliccabile* openTeamPictureButton;
    ImmagineCliccabile* playAnnouncementButton;
    ImmagineCliccabile* openLogoButton;
    QLabel* defaultAthletePhoto;
    QLabel* defaultTeamPicture;
    QLabel* defaultLogo;

    // The current team changed, by mouse or keyboard: open it, after the unsaved-rows question.
    void teamRowChanged(int riga);
    // Esc and the title bar: a changed roster is offered for saving first.
    void reject() override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreaControlli();
    void CreaRighe(QWidget* area);
    void Collega();
    void Didascalie();
    void SvuotaRighe();
    RigheEditor LeggiRighe() const;
    void ScriviRighe(const RigheEditor& righe);
    // Saves the rows on screen; false, with the reason told, when nothing was written.
    bool Salva();
    // Invalid or duplicate names are told to the user; a cancelled box says nothing.
    bool NomeAccettato(const QString& nome);
    QString SquadraScelta() const;
    QString CartellaScelta() const;
    QString File(const char* nome) const;
    // A photo 2475 twips high, or the default picture 4155 twips wide.
    void MostraFoto(QLabel* dove, const QString& percorso, const QLabel* predefinita);
    void MostraLogo(const QString& percorso);
    void MostraAudio();
    QString ScegliFile(const char* titolo, const QString& filtro);
    bool Conferma(const char* domanda, const QString& percorso);
    // Before the roster on screen goes away: saved, discarded, or kept (false) on Annulla.
    bool LasciaRosa();
    void Avviso(const QString& testo);
    QString t(const char* testo) const;

    Modulo1& modulo_;
    Piattaforma& piattaforma_;
    Lettore& lettore_;
    QString fileRosa_;
    QString fileFoto_;
    QString fileAudio_;
    int rigaCorrente_ = -1;
    // The row of the team whose roster is on screen.
    int rigaSquadra_ = -1;
    // The roster as opened: "Finito" saves only a changed one; rows past 27 ride along.
    RosaEditor aperta_;
};
