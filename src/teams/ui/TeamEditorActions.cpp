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

QString TeamEditor::ChosenTeam() const {
    const QListWidgetItem* item = teamList->currentItem();
    return item != nullptr ? item->text().trimmed() : QString();
}

QString TeamEditor::ChosenFolder() const {
    const QString name = ChosenTeam();
    return name.isEmpty() ? QString() : TeamFolder(common_.DataFolder, name);
}

QString TeamEditor::File(const char* name) const {
    const QString folder = ChosenFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QString::fromLatin1(name));
}

void TeamEditor::Warning(const QString& text) {
    platform_.dialogs.Message(text, Buttons::Ok);
}

bool TeamEditor::Confirm(const char* question, const QString& path) {
    return platform_.dialogs.Message(t(question) + NewLine + path, Buttons::OkCancel,
                                     Default::GiveUp) == Answer::Ok;
}

void TeamEditor::ShowPhoto(QLabel* where, const QString& path, const QLabel* byDefault) {
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

void TeamEditor::ShowLogo(const QString& path) {
    const int height = TwipsInPixel(LogoHeight);
    const QImage logo = QFileInfo::exists(path) ? DecodeImage(path, height * 2) : QImage();
    const QPixmap picture = logo.isNull() ? defaultLogo->pixmap() : QPixmap::fromImage(logo);
    // A square box: a logo of another shape keeps its proportions inside it.
    logoImage->resize(height, height);
    logoImage->setPixmap(
        picture.scaled(logoImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TeamEditor::ShowAudio() {
    const bool present = !fileAudio_.isEmpty() && QFileInfo::exists(fileAudio_);
    deleteAnnouncementButton->setVisible(present);
    playAnnouncementButton->setVisible(present);
}

void TeamEditor::teamRowChanged(int line) {
    if (line == teamLine_) {
        return;
    }
    if (!LeaveRoster()) {
        const QSignalBlocker still(teamList);
        teamList->setCurrentRow(teamLine_);
        return;
    }
    openSelectedTeam();
}

bool TeamEditor::LeaveRoster() {
    if (fileRoster_.isEmpty() || ReadLines() == open_.Lines) {
        return true;
    }
    const QString team = QFileInfo(fileRoster_).dir().dirName();
    switch (platform_.dialogs.Message(
        t("La rosa di questa squadra è stata modificata. Vuoi salvarla?") + NewLine + team,
        Buttons::YesNoCancel)) {
    case Answer::Si:
        return Save();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void TeamEditor::openSelectedTeam() {
    teamLine_ = teamList->currentRow();
    EmptyLines();
    ShowPhoto(athletePhoto, QString(), defaultAthletePhoto);
    const QString folder = ChosenFolder();
    fileRoster_ = folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("team.csv"));
    if (QFileInfo::exists(fileRoster_)) {
        open_ = ReadEditorRoster(fileRoster_);
        WriteLines(open_.Lines);
    }
    open_.Lines = ReadLines();
    filePhoto_ = File("team.jpg");
    ShowPhoto(teamPicture, filePhoto_, defaultTeamPicture);
    ShowLogo(File("logo.jpg"));
    numberBoxes[0]->setFocus();
    lineGotFocus(0);
    if (!open_.Beyond.empty()) {
        Warning(t("Questa squadra ha più di 27 atleti: qui se ne vedono 27, gli altri restano "
                  "nel file anche dopo il salvataggio.") +
                NewLine + fileRoster_);
    }
}

void TeamEditor::lineGotFocus(int Index) {
    columnCaptions[5]->setText(t("Foto atleta") + QStringLiteral(" : ") +
                               surnameBoxes[Index]->text() + u' ' + firstNameBoxes[Index]->text());
    currentLine_ = Index;
    filePhoto_ = AthletePhoto(ChosenFolder(), numberBoxes[Index]->text());
    fileAudio_ = AthleteAudio(ChosenFolder(), numberBoxes[Index]->text());
    ShowPhoto(athletePhoto, filePhoto_, defaultAthletePhoto);
    ShowAudio();
}

bool TeamEditor::Save() {
    if (fileRoster_.isEmpty()) {
        Warning(t("Seleziona o crea prima una squadra >>"));
        return false;
    }
    open_.Lines = ReadLines();
    if (const auto line = LineWithSemicolon(open_.Lines)) {
        Warning(t("Il punto e virgola non è ammesso nei numeri e nei nomi degli atleti, riga:") +
                u' ' + QString::number(*line + 1));
        return false;
    }
    if (!WriteRoster(fileRoster_, LinesToSave(open_, common_.Languages), common_.Languages)) {
        Warning(t("Impossibile salvare la squadra:") + NewLine + fileRoster_);
        return false;
    }
    return true;
}

void TeamEditor::save() {
    Save();
}

void TeamEditor::sortByNumber() {
    EditorLines lines = ReadLines();
    SortLines(lines);
    WriteLines(lines);
}

bool TeamEditor::AcceptedName(const QString& name) {
    QStringList existing;
    for (int i = 0; i < teamList->count(); ++i) {
        existing << teamList->item(i)->text();
    }
    switch (ValidateTeamName(name, existing)) {
    case NameOutcome::Cancelled:
        return false;
    case NameOutcome::NotValid:
        Warning(t("Nome della nuova squadra |") + u' ' + name + u' ' +
                t("| non valido o troppo lungo/corto (Da 3 min a max 35 caratteri)"));
        return false;
    case NameOutcome::Duplicate:
        Warning(t("Squadra") + QStringLiteral(" : ") + name.toUpper() + u' ' +
                t("già esistente nella lista"));
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
        t("Inserisci il nome della nuova squadra"), QString());
    const QString name = answer.value_or(QString()).trimmed();
    if (!AcceptedName(name) || !LeaveRoster()) {
        return;
    }
    CreateTeam(common_.DataFolder, name);
    load();
}

void TeamEditor::deleteTeam() {
    const QString name = ChosenTeam();
    if (ProtectedTeam(name)) {
        Warning(t("Le cartelle : Home e Guests non possono essere cancellate"));
        return;
    }
    if (name.isEmpty() || !LeaveRoster() ||
        platform_.dialogs.Message(
            t("Vuoi cancellare questa squadra ed assieme tutti i files delle immagini ed i files "
              "con i dati dgli atleti? Premi <OK> per confermare"),
            Buttons::OkCancel, Default::GiveUp) == Answer::Cancel) {
        return;
    }
    RemoveTeam(common_.DataFolder, name);
    load();
}

void TeamEditor::renameTeam() {
    const QString old = ChosenTeam();
    if (ProtectedTeam(old)) {
        Warning(t("Le cartelle : Home e Guests non possono essere RINOMINATE"));
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
        t("Inserisci il nome della nuova squadra"), old);
    const QString fresh = answer.value_or(QString()).trimmed();
    if (!AcceptedName(fresh) || !RenameTeam(common_.DataFolder, old, fresh)) {
        return;
    }
    teamList->currentItem()->setText(fresh);
    // The roster on screen now belongs to the renamed folder, and so do the row's files.
    fileRoster_ = QDir(ChosenFolder()).filePath(QStringLiteral("team.csv"));
    lineGotFocus(std::max(0, currentLine_));
}

void TeamEditor::finish() {
    if (ReadLines() != open_.Lines && !Save()) {
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

QString TeamEditor::ChooseFile(const char* title, const QString& filter) {
    return platform_.dialogs.OpenFile(t(title), common_.DataFolder, filter);
}

void TeamEditor::chooseAthletePhoto() {
    const bool withName =
        currentLine_ >= 0 && !(surnameBoxes[currentLine_]->text().trimmed().isEmpty() &&
                               firstNameBoxes[currentLine_]->text().trimmed().isEmpty());
    if (!withName) {
        Warning(t("Seleziona prima l'atleta al quale vuoi assegnare la foto."));
        return;
    }
    const QString chosen = ChooseFile("Apertura immagine dell'atleta", JpgFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString number = numberBoxes[currentLine_]->text().trimmed();
    const QString destination = AthletePhoto(ChosenFolder(), number);
    if (number.isEmpty() || destination.isEmpty()) {
        Warning(t("Assegna prima il numero di maglia all'atleta per il quale vuoi salvare "
                  "l'immagine"));
        ShowPhoto(athletePhoto, QString(), defaultAthletePhoto);
        return;
    }
    if (ImportImage(chosen, destination, platform_.dialogs, common_)) {
        filePhoto_ = destination;
        ShowPhoto(athletePhoto, filePhoto_, defaultAthletePhoto);
    }
}

void TeamEditor::chooseTeamPicture() {
    const QString destination = File("team.jpg");
    if (destination.isEmpty()) {
        return;
    }
    const QString chosen = ChooseFile("Apertura file della squadra", JpgFilter);
    if (!chosen.isEmpty() && ImportImage(chosen, destination, platform_.dialogs, common_)) {
        ShowPhoto(teamPicture, destination, defaultTeamPicture);
    }
}

void TeamEditor::chooseLogo() {
    const QString destination = File("logo.jpg");
    if (destination.isEmpty()) {
        return;
    }
    const QString chosen = ChooseFile("Apertura picture logo quadrato della squadra", JpgFilter);
    if (!chosen.isEmpty() && ImportImage(chosen, destination, platform_.dialogs, common_)) {
        ShowLogo(destination);
    }
}

void TeamEditor::chooseAnnouncement() {
    if (currentLine_ < 0 || ChosenFolder().isEmpty()) {
        return;
    }
    const QString chosen =
        ChooseFile("Apertura file audio presentazione atleta",
                   QStringLiteral("Audio files (*.mp3 *.wav *.MP3 *.WAV);;All Files (*)"));
    if (chosen.isEmpty()) {
        return;
    }
    const QString number = numberBoxes[currentLine_]->text();
    player_.StopAudio();
    if (!ImportAudio(ChosenFolder(), number, chosen)) {
        Warning(t("Assegna prima il numero di maglia all'atleta per il quale vuoi salvare "
                  "l'audio") +
                NewLine + chosen);
        return;
    }
    fileAudio_ = AudioDestination(ChosenFolder(), number, chosen);
    ShowAudio();
}

void TeamEditor::deleteAthletePhoto() {
    if (filePhoto_.isEmpty() || !QFileInfo::exists(filePhoto_) ||
        !Confirm("Vuoi veramente cancellare l'immagine dell'atleta selezionato?", filePhoto_)) {
        return;
    }
    QFile::remove(filePhoto_);
    ShowPhoto(athletePhoto, QString(), defaultAthletePhoto);
}

void TeamEditor::deleteTeamPicture() {
    const QString photo = File("team.jpg");
    if (photo.isEmpty() || !QFileInfo::exists(photo) ||
        !Confirm("Vuoi veramente cancellare la foto di questa squadra?", photo)) {
        return;
    }
    QFile::remove(photo);
    ShowPhoto(teamPicture, QString(), defaultTeamPicture);
}

void TeamEditor::deleteLogo() {
    const QString logo = File("logo.jpg");
    if (logo.isEmpty() || !QFileInfo::exists(logo) ||
        !Confirm("Vuoi cancellare l'immagine quadrata del logo di questa squadra?", logo)) {
        return;
    }
    QFile::remove(logo);
    ShowLogo(QString());
}

void TeamEditor::deleteAnnouncement() {
    if (fileAudio_.isEmpty() || !QFileInfo::exists(fileAudio_) ||
        !Confirm("Vuoi veramente cancellare il file audio per la presentazione di questo atleta?",
                 fileAudio_)) {
        return;
    }
    player_.StopAudio();
    QFile::remove(fileAudio_);
    Warning(t("File audio di presentazione cancellato, aggiungine un altro se vuoi."));
    deleteAnnouncementButton->hide();
    playAnnouncementButton->hide();
}

void TeamEditor::openAthletePhoto() {
    if (!filePhoto_.isEmpty() && QFileInfo::exists(filePhoto_)) {
        platform_.shell.Open(filePhoto_);
    }
}

void TeamEditor::openTeamPicture() {
    const QString photo = File("team.jpg");
    if (!photo.isEmpty() && QFileInfo::exists(photo)) {
        platform_.shell.Open(photo);
    }
}

void TeamEditor::openLogo() {
    const QString logo = File("logo.jpg");
    if (!logo.isEmpty() && QFileInfo::exists(logo)) {
        platform_.shell.Open(logo);
    }
}

void TeamEditor::playAnnouncement() {
    player_.StopAudio();
    player_.PlayAudio(fileAudio_);
}

void TeamEditor::Link() {
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
        connect(image, &ClickableImage::Clicked, this, [this, action] { (this->*action)(); });
    }
}
