// What the team editor's buttons and pictures do.
#include "teams/ui/TeamEditor.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "shared/CommonSettings.h"
#include "shared/Help.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/Images.h"
#include "shared/ui/ImportImage.h"
#include "sound/Audio.h"
#include "teams/Messages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>

namespace {
const QString NewLine = QStringLiteral("\r\n");
const QString JpgFilter = QStringLiteral("JPG (*.jpg *.JPG)");
constexpr int PhotoHeight = 2475;
constexpr int DefaultWidth = 4155;
constexpr int LogoHeight = 1155;
// Beyond this a picture would cover its neighbours.
constexpr int MaxPhotoWidth = 4155;
} // namespace

QString TeamEditor::chosenTeam() const {
    const QListWidgetItem* item = teamList->currentItem();
    return item != nullptr ? item->text().trimmed() : QString();
}

QString TeamEditor::chosenFolder() const {
    const QString name = chosenTeam();
    return name.isEmpty() ? QString() : TeamFolder(common_.DataFolder, name);
}

QString TeamEditor::teamFile(const char* name) const {
    const QString folder = chosenFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QString::fromLatin1(name));
}

void TeamEditor::warn(const QString& text) {
    platform_.dialogs.Message(text, Buttons::Ok);
}

bool TeamEditor::confirm(const char* question, const QString& path) {
    return platform_.dialogs.Message(t(question) + NewLine + path, Buttons::OkCancel,
                                     Default::GiveUp) == Answer::Ok;
}

void TeamEditor::showPhoto(QLabel* where, const QString& path, const QLabel* byDefault) {
    const int height = TwipsInPixel(PhotoHeight);
    const QImage photo = path.isEmpty() || !QFileInfo::exists(path)
                             ? QImage()
                             : DecodeImage(path, TwipsInPixel(MaxPhotoWidth));
    if (photo.isNull()) {
        where->resize(TwipsInPixel(DefaultWidth), height);
        where->setPixmap(byDefault->pixmap().scaled(where->size(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
        return;
    }
    const int width = std::min(TwipsInPixel(MaxPhotoWidth),
                               std::max(1, height * photo.width() / std::max(1, photo.height())));
    where->resize(width, height);
    where->setPixmap(QPixmap::fromImage(photo).scaled(where->size(), Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
}

void TeamEditor::showLogo(const QString& path) {
    const int height = TwipsInPixel(LogoHeight);
    const QImage logo = QFileInfo::exists(path) ? DecodeImage(path, height * 2) : QImage();
    const QPixmap picture = logo.isNull() ? defaultLogo->pixmap() : QPixmap::fromImage(logo);
    // A square box: a logo of another shape keeps its proportions inside it.
    logoImage->resize(height, height);
    logoImage->setPixmap(
        picture.scaled(logoImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TeamEditor::showAudio() {
    const bool present = !fileAudio_.isEmpty() && QFileInfo::exists(fileAudio_);
    deleteAnnouncementButton->setVisible(present);
    playAnnouncementButton->setVisible(present);
}

void TeamEditor::teamRowChanged(int line) {
    if (line == teamLine_) {
        return;
    }
    if (!leaveRoster()) {
        const QSignalBlocker still(teamList);
        teamList->setCurrentRow(teamLine_);
        return;
    }
    openSelectedTeam();
}

bool TeamEditor::leaveRoster() {
    if (fileRoster_.isEmpty() || readLines() == open_.Lines) {
        return true;
    }
    const QString team = QFileInfo(fileRoster_).dir().dirName();
    switch (platform_.dialogs.Message(t(TeamMessages::RosterChangedQuestion) + NewLine + team,
                                      Buttons::YesNoCancel)) {
    case Answer::Yes:
        return saveRows();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void TeamEditor::openSelectedTeam() {
    teamLine_ = teamList->currentRow();
    emptyLines();
    showPhoto(athletePhoto, QString(), defaultAthletePhoto);
    const QString folder = chosenFolder();
    fileRoster_ = folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("team.csv"));
    if (QFileInfo::exists(fileRoster_)) {
        open_ = ReadEditorRoster(fileRoster_);
        writeLines(open_.Lines);
    }
    open_.Lines = readLines();
    filePhoto_ = teamFile("team.jpg");
    showPhoto(teamPicture, filePhoto_, defaultTeamPicture);
    showLogo(teamFile("logo.jpg"));
    numberBoxes[0]->setFocus();
    lineGotFocus(0);
    if (!open_.Beyond.empty()) {
        warn(t(TeamMessages::MoreThan27) + NewLine + fileRoster_);
    }
}

void TeamEditor::lineGotFocus(int row) {
    columnCaptions[5]->setText(t("Foto atleta") + QStringLiteral(" : ") +
                               surnameBoxes[row]->text() + u' ' + firstNameBoxes[row]->text());
    currentLine_ = row;
    filePhoto_ = AthletePhoto(chosenFolder(), numberBoxes[row]->text());
    fileAudio_ = AthleteAudio(chosenFolder(), numberBoxes[row]->text());
    showPhoto(athletePhoto, filePhoto_, defaultAthletePhoto);
    showAudio();
}

bool TeamEditor::saveRows() {
    if (fileRoster_.isEmpty()) {
        warn(t(TeamMessages::ChooseTeamFirst));
        return false;
    }
    open_.Lines = readLines();
    if (const auto line = LineWithSemicolon(open_.Lines)) {
        warn(t(TeamMessages::SemicolonRefused) + u' ' + QString::number(*line + 1));
        return false;
    }
    if (!WriteRoster(fileRoster_, LinesToSave(open_, common_.Languages), common_.Languages)) {
        warn(t(TeamMessages::TeamNotSaved) + NewLine + fileRoster_);
        return false;
    }
    return true;
}

void TeamEditor::save() {
    saveRows();
}

void TeamEditor::sortByNumber() {
    EditorLines lines = readLines();
    SortLines(lines);
    writeLines(lines);
}

bool TeamEditor::acceptedName(const QString& name) {
    QStringList existing;
    for (int i = 0; i < teamList->count(); ++i) {
        existing << teamList->item(i)->text();
    }
    switch (ValidateTeamName(name, existing)) {
    case NameOutcome::Cancelled:
        return false;
    case NameOutcome::NotValid:
        warn(t(TeamMessages::NameInvalidStart) + u' ' + name + u' ' +
             t(TeamMessages::NameInvalidEnd));
        return false;
    case NameOutcome::Duplicate:
        warn(t("Squadra") + QStringLiteral(" : ") + name.toUpper() + u' ' +
             t(TeamMessages::AlreadyInList));
        return false;
    case NameOutcome::Accepted:
        break;
    }
    return true;
}

void TeamEditor::newTeam() {
    const auto answer = platform_.dialogs.InputBox(
        t("Creazione nuova squadra (Attenzione usa solo caratteri alfanumerici in quanto i "
          "caratteri") +
            ForbiddenCharacters + u' ' + t("sono proibiti trattandosi del nome di una cartella):") +
            u' ',
        t(TeamMessages::NewTeamName), QString());
    const QString name = answer.value_or(QString()).trimmed();
    if (!acceptedName(name) || !leaveRoster()) {
        return;
    }
    CreateTeam(common_.DataFolder, name);
    load();
    // The new team is the one the operator goes on to fill: its empty roster, not the first
    // team's, is on screen.
    if (const auto made = teamList->findItems(name, Qt::MatchFixedString); !made.isEmpty()) {
        {
            const QSignalBlocker still(teamList);
            teamList->setCurrentItem(made.first());
        }
        openSelectedTeam();
    }
}

void TeamEditor::deleteTeam() {
    const QString name = chosenTeam();
    if (ProtectedTeam(name)) {
        warn(t(TeamMessages::HomeGuestsNotDeleted));
        return;
    }
    if (name.isEmpty() || !leaveRoster() ||
        platform_.dialogs.Message(t(TeamMessages::DeleteTeamQuestion), Buttons::OkCancel,
                                  Default::GiveUp) == Answer::Cancel) {
        return;
    }
    RemoveTeam(common_.DataFolder, name);
    load();
}

void TeamEditor::renameTeam() {
    const QString old = chosenTeam();
    if (ProtectedTeam(old)) {
        warn(t(TeamMessages::HomeGuestsNotRenamed));
        return;
    }
    if (old.isEmpty()) {
        return;
    }
    const auto answer = platform_.dialogs.InputBox(
        t("Inserire il NUOVO nome della squadra (Attenzione usa solo caratteri alfanumerici in "
          "quanto i caratteri") +
            u' ' + ForbiddenCharacters + u' ' +
            t("sono proibiti trattandosi del nome di una cartella):"),
        t(TeamMessages::NewTeamName), old);
    const QString fresh = answer.value_or(QString()).trimmed();
    if (!acceptedName(fresh) || !RenameTeam(common_.DataFolder, old, fresh)) {
        return;
    }
    teamList->currentItem()->setText(fresh);
    // The roster on screen now belongs to the renamed folder, and so do the row's files.
    fileRoster_ = QDir(chosenFolder()).filePath(QStringLiteral("team.csv"));
    lineGotFocus(std::max(0, currentLine_));
}

void TeamEditor::finish() {
    if (readLines() != open_.Lines && !saveRows()) {
        return;
    }
    accept();
}

void TeamEditor::exitWithoutSaving() {
    QDialog::reject();
}

void TeamEditor::exploreFolder() {
    platform_.shell.Open(common_.DataFolder);
}

void TeamEditor::openHelp() {
    OpenHelp(common_, platform_.shell, "readmeTEAM");
}

QString TeamEditor::chooseFile(const char* title, const QString& filter) {
    return platform_.dialogs.OpenFile(t(title), common_.DataFolder, filter);
}

void TeamEditor::chooseAthletePhoto() {
    const bool withName =
        currentLine_ >= 0 && !(surnameBoxes[currentLine_]->text().trimmed().isEmpty() &&
                               firstNameBoxes[currentLine_]->text().trimmed().isEmpty());
    if (!withName) {
        warn(t(TeamMessages::ChooseAthleteFirst));
        return;
    }
    const QString chosen = chooseFile("Apertura immagine dell'atleta", JpgFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString number = numberBoxes[currentLine_]->text().trimmed();
    const QString destination = AthletePhoto(chosenFolder(), number);
    if (number.isEmpty() || destination.isEmpty()) {
        warn(t(TeamMessages::NumberFirst));
        showPhoto(athletePhoto, QString(), defaultAthletePhoto);
        return;
    }
    if (ImportImage(chosen, destination, platform_.dialogs, common_)) {
        filePhoto_ = destination;
        showPhoto(athletePhoto, filePhoto_, defaultAthletePhoto);
    }
}

void TeamEditor::chooseTeamPicture() {
    const QString destination = teamFile("team.jpg");
    if (destination.isEmpty()) {
        return;
    }
    const QString chosen = chooseFile("Apertura file della squadra", JpgFilter);
    if (!chosen.isEmpty() && ImportImage(chosen, destination, platform_.dialogs, common_)) {
        showPhoto(teamPicture, destination, defaultTeamPicture);
    }
}

void TeamEditor::chooseLogo() {
    const QString destination = teamFile("logo.jpg");
    if (destination.isEmpty()) {
        return;
    }
    const QString chosen = chooseFile("Apertura picture logo quadrato della squadra", JpgFilter);
    if (!chosen.isEmpty() && ImportImage(chosen, destination, platform_.dialogs, common_)) {
        showLogo(destination);
    }
}

void TeamEditor::chooseAnnouncement() {
    if (currentLine_ < 0 || chosenFolder().isEmpty()) {
        return;
    }
    const QString chosen =
        chooseFile("Apertura file audio presentazione atleta",
                   QStringLiteral("Audio files (*.mp3 *.wav *.MP3 *.WAV);;All Files (*)"));
    if (chosen.isEmpty()) {
        return;
    }
    const QString number = numberBoxes[currentLine_]->text();
    player_.StopAudio();
    if (!ImportAudio(chosenFolder(), number, chosen)) {
        warn(t(TeamMessages::NumberFirstForAudio) + NewLine + chosen);
        return;
    }
    fileAudio_ = AudioDestination(chosenFolder(), number, chosen);
    showAudio();
}

void TeamEditor::deleteAthletePhoto() {
    if (filePhoto_.isEmpty() || !QFileInfo::exists(filePhoto_) ||
        !confirm(TeamMessages::DeleteAthletePhotoQuestion, filePhoto_)) {
        return;
    }
    QFile::remove(filePhoto_);
    showPhoto(athletePhoto, QString(), defaultAthletePhoto);
}

void TeamEditor::deleteTeamPicture() {
    const QString photo = teamFile("team.jpg");
    if (photo.isEmpty() || !QFileInfo::exists(photo) ||
        !confirm(TeamMessages::DeleteTeamPictureQuestion, photo)) {
        return;
    }
    QFile::remove(photo);
    showPhoto(teamPicture, QString(), defaultTeamPicture);
}

void TeamEditor::deleteLogo() {
    const QString logo = teamFile("logo.jpg");
    if (logo.isEmpty() || !QFileInfo::exists(logo) ||
        !confirm(TeamMessages::DeleteLogoQuestion, logo)) {
        return;
    }
    QFile::remove(logo);
    showLogo(QString());
}

void TeamEditor::deleteAnnouncement() {
    if (fileAudio_.isEmpty() || !QFileInfo::exists(fileAudio_) ||
        !confirm(TeamMessages::DeleteAnnouncementQuestion, fileAudio_)) {
        return;
    }
    player_.StopAudio();
    QFile::remove(fileAudio_);
    warn(t(TeamMessages::AnnouncementDeleted));
    deleteAnnouncementButton->hide();
    playAnnouncementButton->hide();
}

void TeamEditor::openAthletePhoto() {
    if (!filePhoto_.isEmpty() && QFileInfo::exists(filePhoto_)) {
        platform_.shell.Open(filePhoto_);
    }
}

void TeamEditor::openTeamPicture() {
    const QString photo = teamFile("team.jpg");
    if (!photo.isEmpty() && QFileInfo::exists(photo)) {
        platform_.shell.Open(photo);
    }
}

void TeamEditor::openLogo() {
    const QString logo = teamFile("logo.jpg");
    if (!logo.isEmpty() && QFileInfo::exists(logo)) {
        platform_.shell.Open(logo);
    }
}

void TeamEditor::playAnnouncement() {
    player_.StopAudio();
    player_.PlayAudio(fileAudio_);
}

void TeamEditor::connectControls() {
    connect(teamList, &QListWidget::currentRowChanged, this,
            [this](int line) { teamRowChanged(line); });
    const std::pair<QPushButton*, void (TeamEditor::*)()> buttons[] = {
        {saveButton, &TeamEditor::save},
        {newTeamButton, &TeamEditor::newTeam},
        {deleteTeamButton, &TeamEditor::deleteTeam},
        {exitWithoutSavingButton, &TeamEditor::exitWithoutSaving},
        {sortButton, &TeamEditor::sortByNumber},
        {doneButton, &TeamEditor::finish},
        {renameTeamButton, &TeamEditor::renameTeam},
        {exploreButton, &TeamEditor::exploreFolder},
        {helpButton, &TeamEditor::openHelp},
        {exportButton, &TeamEditor::exportTeam},
        {importButton, &TeamEditor::importTeam},
        {spreadsheetButton, &TeamEditor::openSpreadsheet}};
    for (const auto& [button, action] : buttons) {
        connect(button, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
    }
    connect(photosFolderAction, &QAction::triggered, this, [this] { photosByNumber(); });
    connect(photosZipAction, &QAction::triggered, this, [this] { photosFromZip(); });
    const std::pair<ClickableImage*, void (TeamEditor::*)()> images[] = {
        {athletePhoto, &TeamEditor::chooseAthletePhoto},
        {teamPicture, &TeamEditor::chooseTeamPicture},
        {deleteAthletePhotoButton, &TeamEditor::deleteAthletePhoto},
        {deleteTeamPictureButton, &TeamEditor::deleteTeamPicture},
        {logoImage, &TeamEditor::chooseLogo},
        {deleteLogoButton, &TeamEditor::deleteLogo},
        {announcementButton, &TeamEditor::chooseAnnouncement},
        {deleteAnnouncementButton, &TeamEditor::deleteAnnouncement},
        {openAthletePhotoButton, &TeamEditor::openAthletePhoto},
        {openTeamPictureButton, &TeamEditor::openTeamPicture},
        {playAnnouncementButton, &TeamEditor::playAnnouncement},
        {openLogoButton, &TeamEditor::openLogo}};
    for (const auto& [image, action] : images) {
        connect(image, &ClickableImage::clicked, this, [this, action] { (this->*action)(); });
    }
}
