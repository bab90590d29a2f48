// What the team editor's buttons and pictures do.
#include "teams/ui/TeamEditor.h"

#include "platform/Dialoghi.h"
#include "platform/Piattaforma.h"
#include "platform/Shell.h"
#include "shared/Aiuto.h"
#include "shared/Modulo1.h"
#include "shared/ui/Disegno.h"
#include "shared/ui/Immagini.h"
#include "shared/ui/ImportaImmagine.h"
#include "sound/Audio.h"

#include <QDir>
#include <QSignalBlocker>
#include <QFile>
#include <QFileInfo>

namespace {
const QString ACapo = QStringLiteral("\r\n");
const QString FiltroJpg = QStringLiteral("JPG (*.jpg *.JPG)");
constexpr int AltezzaFoto = 2475;
constexpr int LarghezzaPredefinita = 4155;
constexpr int AltezzaLogo = 1155;
// Beyond this a picture would cover its neighbours.
constexpr int LarghezzaMassimaFoto = 4155;
} // namespace

QString TeamEditor::SquadraScelta() const {
    const QListWidgetItem* voce = teamList->currentItem();
    return voce != nullptr ? voce->text().trimmed() : QString();
}

QString TeamEditor::CartellaScelta() const {
    const QString nome = SquadraScelta();
    return nome.isEmpty() ? QString() : CartellaSquadra(modulo_.CartellaDati, nome);
}

QString TeamEditor::File(const char* nome) const {
    const QString cartella = CartellaScelta();
    return cartella.isEmpty() ? QString() : QDir(cartella).filePath(QString::fromLatin1(nome));
}

void TeamEditor::Avviso(const QString& testo) {
    piattaforma_.dialoghi.Messaggio(testo, Pulsanti::Ok);
}

bool TeamEditor::Conferma(const char* domanda, const QString& percorso) {
    return piattaforma_.dialoghi.Messaggio(t(domanda) + ACapo + percorso, Pulsanti::OkAnnulla,
                                           Predefinito::Rinuncia) == Risposta::Ok;
}

void TeamEditor::MostraFoto(QLabel* dove, const QString& percorso, const QLabel* predefinita) {
    const int altezza = TwipsInPixel(AltezzaFoto);
    const QImage foto = percorso.isEmpty() || !QFileInfo::exists(percorso)
                            ? QImage()
                            : DecodificaImmagine(percorso, TwipsInPixel(LarghezzaMassimaFoto));
    if (foto.isNull()) {
        dove->resize(TwipsInPixel(LarghezzaPredefinita), altezza);
        dove->setPixmap(predefinita->pixmap().scaled(dove->size(), Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
        return;
    }
    const int larghezza = std::min(TwipsInPixel(LarghezzaMassimaFoto),
                                   std::max(1, altezza * foto.width() / std::max(1, foto.height())));
    dove->resize(larghezza, altezza);
    dove->setPixmap(QPixmap::fromImage(foto).scaled(dove->size(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
}

void TeamEditor::MostraLogo(const QString& percorso) {
    const int altezza = TwipsInPixel(AltezzaLogo);
    const QImage logo = QFileInfo::exists(percorso) ? DecodificaImmagine(percorso, altezza * 2)
                                                    : QImage();
    const QPixmap figura = logo.isNull() ? defaultLogo->pixmap() : QPixmap::fromImage(logo);
    // A square box: a logo of another shape keeps its proportions inside it.
    logoImage->resize(altezza, altezza);
    logoImage->setPixmap(figura.scaled(logoImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TeamEditor::MostraAudio() {
    const bool presente = !fileAudio_.isEmpty() && QFileInfo::exists(fileAudio_);
    deleteAnnouncementButton->setVisible(presente);
    playAnnouncementButton->setVisible(presente);
}

void TeamEditor::teamRowChanged(int riga) {
    if (riga == rigaSquadra_) {
        return;
    }
    if (!LasciaRosa()) {
        const QSignalBlocker fermo(teamList);
        teamList->setCurrentRow(rigaSquadra_);
        return;
    }
    openSelectedTeam();
}

bool TeamEditor::LasciaRosa() {
    if (fileRosa_.isEmpty() || LeggiRighe() == aperta_.Righe) {
        return true;
    }
    const QString squadra = QFileInfo(fileRosa_).dir().dirName();
    switch (piattaforma_.dialoghi.Messaggio(
        t("La rosa di questa squadra è stata modificata. Vuoi salvarla?") + ACapo + squadra,
        Pulsanti::SiNoAnnulla)) {
    case Risposta::Si:
        return Salva();
    case Risposta::No:
        return true;
    default:
        return false;
    }
}

void TeamEditor::openSelectedTeam() {
    rigaSquadra_ = teamList->currentRow();
    SvuotaRighe();
    MostraFoto(athletePhoto, QString(), defaultAthletePhoto);
    const QString cartella = CartellaScelta();
    fileRosa_ = cartella.isEmpty() ? QString() : QDir(cartella).filePath(QStringLiteral("team.csv"));
    if (QFileInfo::exists(fileRosa_)) {
        aperta_ = LeggiRosaEditor(fileRosa_);
        ScriviRighe(aperta_.Righe);
    }
    aperta_.Righe = LeggiRighe();
    fileFoto_ = File("team.jpg");
    MostraFoto(teamPicture, fileFoto_, defaultTeamPicture);
    MostraLogo(File("logo.jpg"));
    numberBoxes[0]->setFocus();
    Riga_GotFocus(0);
    if (!aperta_.Oltre.empty()) {
        Avviso(t("Questa squadra ha più di 27 atleti: qui se ne vedono 27, gli altri restano "
                 "nel file anche dopo il salvataggio.") +
               ACapo + fileRosa_);
    }
}

void TeamEditor::Riga_GotFocus(int Index) {
    columnCaptions[5]->setText(t("Foto atleta") + QStringLiteral(" : ") + surnameBoxes[Index]->text() + u' ' +
                       firstNameBoxes[Index]->text());
    rigaCorrente_ = Index;
    fileFoto_ = FotoAtleta(CartellaScelta(), numberBoxes[Index]->text());
    fileAudio_ = AudioAtleta(CartellaScelta(), numberBoxes[Index]->text());
    MostraFoto(athletePhoto, fileFoto_, defaultAthletePhoto);
    MostraAudio();
}

bool TeamEditor::Salva() {
    if (fileRosa_.isEmpty()) {
        Avviso(t("Seleziona o crea prima una squadra >>"));
        return false;
    }
    aperta_.Righe = LeggiRighe();
    if (const auto riga = RigaConPuntoEVirgola(aperta_.Righe)) {
        Avviso(t("Il punto e virgola non è ammesso nei numeri e nei nomi degli atleti, riga:") +
               u' ' + QString::number(*riga + 1));
        return false;
    }
    if (!ScriviRosa(fileRosa_, RigheDaSalvare(aperta_, modulo_.Lingue), modulo_.Lingue)) {
        Avviso(t("Impossibile salvare la squadra:") + ACapo + fileRosa_);
        return false;
    }
    return true;
}

void TeamEditor::save() {
    Salva();
}

void TeamEditor::sortByNumber() {
    RigheEditor righe = LeggiRighe();
    OrdinaRighe(righe);
    ScriviRighe(righe);
}

bool TeamEditor::NomeAccettato(const QString& nome) {
    QStringList esistenti;
    for (int i = 0; i < teamList->count(); ++i) {
        esistenti << teamList->item(i)->text();
    }
    switch (ValidaNomeSquadra(nome, esistenti)) {
    case EsitoNome::Annullato:
        return false;
    case EsitoNome::NonValido:
        Avviso(t("Nome della nuova squadra |") + u' ' + nome + u' ' +
               t("| non valido o troppo lungo/corto (Da 3 min a max 35 caratteri)"));
        return false;
    case EsitoNome::Duplicato:
        Avviso(t("Squadra") + QStringLiteral(" : ") + nome.toUpper() + u' ' +
               t("già esistente nella lista"));
        return false;
    case EsitoNome::Accettato:
        break;
    }
    return true;
}

void TeamEditor::newTeam() {
    const auto risposta = piattaforma_.dialoghi.InputBox(
        t("Creazione nuova squadra (Attenzione usa solo caratteri alfanumerici in quanto i "
          "caratteri") +
            CaratteriVietati + u' ' +
            t("sono proibiti trattandosi del nome di una cartella):") + u' ',
        t("Inserisci il nome della nuova squadra"), QString());
    const QString nome = risposta.value_or(QString()).trimmed();
    if (!NomeAccettato(nome) || !LasciaRosa()) {
        return;
    }
    CreaSquadra(modulo_.CartellaDati, nome);
    Form_Load();
}

void TeamEditor::deleteTeam() {
    const QString nome = SquadraScelta();
    if (SquadraProtetta(nome)) {
        Avviso(t("Le cartelle : Home e Guests non possono essere cancellate"));
        return;
    }
    if (nome.isEmpty() || !LasciaRosa() ||
        piattaforma_.dialoghi.Messaggio(
            t("Vuoi cancellare questa squadra ed assieme tutti i files delle immagini ed i files "
              "con i dati dgli atleti? Premi <OK> per confermare"),
            Pulsanti::OkAnnulla, Predefinito::Rinuncia) == Risposta::Annulla) {
        return;
    }
    EliminaSquadra(modulo_.CartellaDati, nome);
    Form_Load();
}

void TeamEditor::renameTeam() {
    const QString vecchio = SquadraScelta();
    if (SquadraProtetta(vecchio)) {
        Avviso(t("Le cartelle : Home e Guests non possono essere RINOMINATE"));
        return;
    }
    if (vecchio.isEmpty()) {
        return;
    }
    const auto risposta = piattaforma_.dialoghi.InputBox(
        t("Inserire il NUOVO nome della squadra (Attenzione usa solo caratteri alfanumerici in "
          "quanto i caratteri") +
            u' ' + CaratteriVietati + u' ' +
            t("sono proibiti trattandosi del nome di una cartella):"),
        t("Inserisci il nome della nuova squadra"), vecchio);
    const QString nuovo = risposta.value_or(QString()).trimmed();
    if (!NomeAccettato(nuovo) || !RinominaSquadra(modulo_.CartellaDati, vecchio, nuovo)) {
        return;
    }
    teamList->currentItem()->setText(nuovo);
    // The roster on screen now belongs to the renamed folder, and so do the row's files.
    fileRosa_ = QDir(CartellaScelta()).filePath(QStringLiteral("team.csv"));
    Riga_GotFocus(std::max(0, rigaCorrente_));
}

void TeamEditor::finish() {
    if (LeggiRighe() != aperta_.Righe && !Salva()) {
        return;
    }
    accept();
}

void TeamEditor::exitWithoutSaving() {
    QDialog::reject();
}

void TeamEditor::exploreFolder() {
    piattaforma_.shell.Apri(modulo_.CartellaDati);
}

void TeamEditor::openHelp() {
    ApriAiuto(modulo_, piattaforma_.shell, "readmeTEAM");
}

QString TeamEditor::ScegliFile(const char* titolo, const QString& filtro) {
    return piattaforma_.dialoghi.ApriFile(t(titolo), modulo_.CartellaDati, filtro);
}

void TeamEditor::chooseAthletePhoto() {
    const bool conNome = rigaCorrente_ >= 0 && !(surnameBoxes[rigaCorrente_]->text().trimmed().isEmpty() &&
                                                 firstNameBoxes[rigaCorrente_]->text().trimmed().isEmpty());
    if (!conNome) {
        Avviso(t("Seleziona prima l'atleta al quale vuoi assegnare la foto."));
        return;
    }
    const QString scelto = ScegliFile("Apertura immagine dell'atleta", FiltroJpg);
    if (scelto.isEmpty()) {
        return;
    }
    const QString numero = numberBoxes[rigaCorrente_]->text().trimmed();
    const QString destinazione = FotoAtleta(CartellaScelta(), numero);
    if (numero.isEmpty() || destinazione.isEmpty()) {
        Avviso(t("Assegna prima il numero di maglia all'atleta per il quale vuoi salvare "
                 "l'immagine"));
        MostraFoto(athletePhoto, QString(), defaultAthletePhoto);
        return;
    }
    if (ImportaImmagine(scelto, destinazione, piattaforma_.dialoghi, modulo_)) {
        fileFoto_ = destinazione;
        MostraFoto(athletePhoto, fileFoto_, defaultAthletePhoto);
    }
}

void TeamEditor::chooseTeamPicture() {
    const QString destinazione = File("team.jpg");
    if (destinazione.isEmpty()) {
        return;
    }
    const QString scelto = ScegliFile("Apertura file della squadra", FiltroJpg);
    if (!scelto.isEmpty() &&
        ImportaImmagine(scelto, destinazione, piattaforma_.dialoghi, modulo_)) {
        MostraFoto(teamPicture, destinazione, defaultTeamPicture);
    }
}

void TeamEditor::chooseLogo() {
    const QString destinazione = File("logo.jpg");
    if (destinazione.isEmpty()) {
        return;
    }
    const QString scelto = ScegliFile("Apertura picture logo quadrato della squadra", FiltroJpg);
    if (!scelto.isEmpty() &&
        ImportaImmagine(scelto, destinazione, piattaforma_.dialoghi, modulo_)) {
        MostraLogo(destinazione);
    }
}

void TeamEditor::chooseAnnouncement() {
    if (rigaCorrente_ < 0 || CartellaScelta().isEmpty()) {
        return;
    }
    const QString scelto = ScegliFile(
        "Apertura file audio presentazione atleta",
        QStringLiteral("Audio files (*.mp3 *.wav *.MP3 *.WAV);;All Files (*)"));
    if (scelto.isEmpty()) {
        return;
    }
    const QString numero = numberBoxes[rigaCorrente_]->text();
    lettore_.FermaAudio();
    if (!ImportaAudio(CartellaScelta(), numero, scelto)) {
        Avviso(t("Assegna prima il numero di maglia all'atleta per il quale vuoi salvare "
                 "l'audio") +
               ACapo + scelto);
        return;
    }
    fileAudio_ = DestinazioneAudio(CartellaScelta(), numero, scelto);
    MostraAudio();
}

void TeamEditor::deleteAthletePhoto() {
    if (fileFoto_.isEmpty() || !QFileInfo::exists(fileFoto_) ||
        !Conferma("Vuoi veramente cancellare l'immagine dell'atleta selezionato?", fileFoto_)) {
        return;
    }
    QFile::remove(fileFoto_);
    MostraFoto(athletePhoto, QString(), defaultAthletePhoto);
}

void TeamEditor::deleteTeamPicture() {
    const QString foto = File("team.jpg");
    if (foto.isEmpty() || !QFileInfo::exists(foto) ||
        !Conferma("Vuoi veramente cancellare la foto di questa squadra?", foto)) {
        return;
    }
    QFile::remove(foto);
    MostraFoto(teamPicture, QString(), defaultTeamPicture);
}

void TeamEditor::deleteLogo() {
    const QString logo = File("logo.jpg");
    if (logo.isEmpty() || !QFileInfo::exists(logo) ||
        !Conferma("Vuoi cancellare l'immagine quadrata del logo di questa squadra?", logo)) {
        return;
    }
    QFile::remove(logo);
    MostraLogo(QString());
}

void TeamEditor::deleteAnnouncement() {
    if (fileAudio_.isEmpty() || !QFileInfo::exists(fileAudio_) ||
        !Conferma("Vuoi veramente cancellare il file audio per la presentazione di questo atleta?",
                  fileAudio_)) {
        return;
    }
    lettore_.FermaAudio();
    QFile::remove(fileAudio_);
    Avviso(t("File audio di presentazione cancellato, aggiungine un altro se vuoi."));
    deleteAnnouncementButton->hide();
    playAnnouncementButton->hide();
}

void TeamEditor::openAthletePhoto() {
    if (!fileFoto_.isEmpty() && QFileInfo::exists(fileFoto_)) {
        piattaforma_.shell.Apri(fileFoto_);
    }
}

void TeamEditor::openTeamPicture() {
    const QString foto = File("team.jpg");
    if (!foto.isEmpty() && QFileInfo::exists(foto)) {
        piattaforma_.shell.Apri(foto);
    }
}

void TeamEditor::openLogo() {
    const QString logo = File("logo.jpg");
    if (!logo.isEmpty() && QFileInfo::exists(logo)) {
        piattaforma_.shell.Apri(logo);
    }
}

void TeamEditor::playAnnouncement() {
    lettore_.FermaAudio();
    lettore_.SuonaAudio(fileAudio_);
}

void TeamEditor::Collega() {
    connect(teamList, &QListWidget::currentRowChanged, this,
            [this](int riga) { teamRowChanged(riga); });
    const std::pair<QPushButton*, void (TeamEditor::*)()> bottoni[] = {
        {saveButton, &TeamEditor::save}, {newTeamButton, &TeamEditor::newTeam},
        {deleteTeamButton, &TeamEditor::deleteTeam}, {exitWithoutSavingButton, &TeamEditor::exitWithoutSaving},
        {sortButton, &TeamEditor::sortByNumber}, {doneButton, &TeamEditor::finish},
        {renameTeamButton, &TeamEditor::renameTeam}, {exploreButton, &TeamEditor::exploreFolder},
        {helpButton, &TeamEditor::openHelp}};
    for (const auto& [bottone, azione] : bottoni) {
        connect(bottone, &QPushButton::clicked, this, [this, azione] { (this->*azione)(); });
    }
    const std::pair<ImmagineCliccabile*, void (TeamEditor::*)()> immagini[] = {
        {athletePhoto, &TeamEditor::chooseAthletePhoto},   {teamPicture, &TeamEditor::chooseTeamPicture},
        {deleteAthletePhotoButton, &TeamEditor::deleteAthletePhoto},   {deleteTeamPictureButton, &TeamEditor::deleteTeamPicture},
        {logoImage, &TeamEditor::chooseLogo},   {deleteLogoButton, &TeamEditor::deleteLogo},
        {announcementButton, &TeamEditor::chooseAnnouncement},   {deleteAnnouncementButton, &TeamEditor::deleteAnnouncement},
        {openAthletePhotoButton, &TeamEditor::openAthletePhoto},   {openTeamPictureButton, &TeamEditor::openTeamPicture},
        {playAnnouncementButton, &TeamEditor::playAnnouncement}, {openLogoButton, &TeamEditor::openLogo}};
    for (const auto& [immagine, azione] : immagini) {
        connect(immagine, &ImmagineCliccabile::Cliccata, this, [this, azione] { (this->*azione)(); });
    }
}
