#pragma once

#include "shared/ui/ClickableImage.h"
#include "teams/RosterEditing.h"
#include "teams/RosterImport.h"

#include <QAction>
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

struct CommonSettings;
struct Platform;
class Player;

// The team editor: team folders, a roster of up to 27 rows, photos, logo and announcements.
class TeamEditor : public QDialog {
    Q_OBJECT
  public:
    TeamEditor(CommonSettings& common, Platform& platform, Player& player);

    void load();
    void openSelectedTeam();
    // Any box of the row took the focus.
    void lineGotFocus(int row);
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
    void exportTeam();
    void openSpreadsheet();
    // Pictures of a folder named by number ("7.jpg", "07 Rossi.png") become the athletes' photos.
    void photosByNumber();
    // The same from a zip of pictures.
    void photosFromZip();
    // Rows of cells (tab-separated, as spreadsheets copy them) from `from` on; false when the
    // text holds no athlete.
    bool pasteRows(const QString& text, int from);
    void importTeam();
    // A package chosen, dropped or handed over: imported after asking what to do with a team of
    // the same name.
    void importTeamFile(const QString& file);

    const QString& rosterFile() const { return fileRoster_; }
    const QString& photoFile() const { return filePhoto_; }
    const QString& audioFile() const { return fileAudio_; }
    int currentLine() const { return currentLine_; }

    std::array<QLineEdit*, EditorCapacity> numberBoxes;
    std::array<QLineEdit*, EditorCapacity> surnameBoxes;
    std::array<QLineEdit*, EditorCapacity> firstNameBoxes;
    std::array<QComboBox*, EditorCapacity> roleBoxes;
    std::array<QCheckBox*, EditorCapacity> calledUpChecks;
    std::array<QLabel*, 9> columnCaptions;
    QScrollArea* Lines;
    QPushButton* saveButton;
    QPushButton* newTeamButton;
    QPushButton* deleteTeamButton;
    QPushButton* exitWithoutSavingButton;
    QPushButton* sortButton;
    QPushButton* doneButton;
    QPushButton* renameTeamButton;
    QPushButton* exploreButton;
    QPushButton* helpButton;
    QPushButton* exportButton;
    QPushButton* importButton;
    QPushButton* spreadsheetButton;
    // Opens a menu: pictures from a folder or from a zip.
    QPushButton* photosButton;
    QAction* photosFolderAction;
    QAction* photosZipAction;
    QListWidget* teamList;
    ClickableImage* athletePhoto;
    ClickableImage* teamPicture;
    ClickableImage* deleteAthletePhotoButton;
    ClickableImage* deleteTeamPictureButton;
    ClickableImage* logoImage;
    ClickableImage* deleteLogoButton;
    QGroupBox* announcementFrame;
    ClickableImage* announcementButton;
    ClickableImage* deleteAnnouncementButton;
    ClickableImage* openAthletePhotoButton;
    ClickableImage* openTeamPictureButton;
    ClickableImage* playAnnouncementButton;
    ClickableImage* openLogoButton;
    QLabel* defaultAthletePhoto;
    QLabel* defaultTeamPicture;
    QLabel* defaultLogo;

    // The current team changed, by mouse or keyboard: open it, after the unsaved-rows question.
    void teamRowChanged(int line);
    // Esc and the title bar: a changed roster is offered for saving first.
    void reject() override;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void fillRows(const QList<RosterImport::Row>& rows, int from);
    void assignPhotos(const QString& folder);
    bool pasteFromClipboard(int line);
    void createControls();
    void createLines(QWidget* area);
    void connectControls();
    void captions();
    void emptyLines();
    EditorLines readLines() const;
    void writeLines(const EditorLines& lines);
    // Saves the rows on screen; false, with the reason told, when nothing was written.
    bool saveRows();
    // Invalid or duplicate names are told to the user; a cancelled box says nothing.
    bool acceptedName(const QString& name);
    QString chosenTeam() const;
    QString chosenFolder() const;
    QString teamFile(const char* name) const;
    // A photo 2475 twips high, or the default picture 4155 twips wide.
    void showPhoto(QLabel* where, const QString& path, const QLabel* byDefault);
    void showLogo(const QString& path);
    void showAudio();
    QString chooseFile(const char* title, const QString& filter);
    bool confirm(const char* question, const QString& path);
    // Before the roster on screen goes away: saved, discarded, or kept (false) on Annulla.
    bool leaveRoster();
    void warn(const QString& text);
    QString t(const char* text) const;

    CommonSettings& common_;
    Platform& platform_;
    Player& player_;
    QString fileRoster_;
    QString filePhoto_;
    QString fileAudio_;
    int currentLine_ = -1;
    // The row of the team whose roster is on screen.
    int teamLine_ = -1;
    // The roster as opened: "Finito" saves only a changed one; rows past 27 ride along.
    EditorRoster open_;
};
