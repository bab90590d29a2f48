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
    const QListWidgetItem* voce = List1->currentItem();
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
    const QPixmap figura = logo.isNull() ? Picture3->pixmap() : QPixmap::fromImage(logo);
    // A square box: a logo of another shape keeps its proportions inside it.
    Image5->resize(altezza, altezza);
    Image5->setPixmap(figura.scaled(Image5->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TeamEditor::MostraAudio() {
    const bool presente = !fileAudio_.isEmpty() && QFileInfo::exists(fileAudio_);
    Image8->setVisible(presente);
    Image11->setVisible(presente);
}

void TeamEditor::List1_CurrentRowChanged(int riga) {
    if (riga == rigaSquadra_) {
        return;
    }
    if (!LasciaRosa()) {
        const QSignalBlocker fermo(List1);
        List1->setCurrentRow(rigaSquadra_);
        return;
    }
    List1_Click();
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

void TeamEditor::List1_Click() {
    rigaSquadra_ = List1->currentRow();
    SvuotaRighe();
    MostraFoto(Image1, QString(), Picture1);
    const QString cartella = CartellaScelta();
    fileRosa_ = cartella.isEmpty() ? QString() : QDir(cartella).filePath(QStringLiteral("team.csv"));
    if (QFileInfo::exists(fileRosa_)) {
        aperta_ = LeggiRosaEditor(fileRosa_);
        ScriviRighe(aperta_.Righe);
    }
    aperta_.Righe = LeggiRighe();
    fileFoto_ = File("team.jpg");
    MostraFoto(Image2, fileFoto_, Picture2);
    MostraLogo(File("logo.jpg"));
    Text1[0]->setFocus();
    Riga_GotFocus(0);
    if (!aperta_.Oltre.empty()) {
        Avviso(t("Questa squadra ha più di 27 atleti: qui se ne vedono 27, gli altri restano "
                 "nel file anche dopo il salvataggio.") +
               ACapo + fileRosa_);
    }
}

void TeamEditor::Riga_GotFocus(int Index) {
    Label1[5]->setText(t("Foto atleta") + QStringLiteral(" : ") + Text2[Index]->text() + u' ' +
                       Text3[Index]->text());
    rigaCorrente_ = Index;
    fileFoto_ = FotoAtleta(CartellaScelta(), Text1[Index]->text());
    fileAudio_ = AudioAtleta(CartellaScelta(), Text1[Index]->text());
    MostraFoto(Image1, fileFoto_, Picture1);
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

void TeamEditor::Command1_Click() {
    Salva();
}

void TeamEditor::Command5_Click() {
    RigheEditor righe = LeggiRighe();
    OrdinaRighe(righe);
    ScriviRighe(righe);
}

bool TeamEditor::NomeAccettato(const QString& nome) {
    QStringList esistenti;
    for (int i = 0; i < List1->count(); ++i) {
        esistenti << List1->item(i)->text();
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

void TeamEditor::Command2_Click() {
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

void TeamEditor::Command3_Click() {
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

void TeamEditor::Command7_Click() {
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
    List1->currentItem()->setText(nuovo);
    // The roster on screen now belongs to the renamed folder, and so do the row's files.
    fileRosa_ = QDir(CartellaScelta()).filePath(QStringLiteral("team.csv"));
    Riga_GotFocus(std::max(0, rigaCorrente_));
}

void TeamEditor::Command6_Click() {
    if (LeggiRighe() != aperta_.Righe && !Salva()) {
        return;
    }
    accept();
}

void TeamEditor::Command4_Click() {
    QDialog::reject();
}

void TeamEditor::Command8_Click() {
    piattaforma_.shell.Apri(modulo_.CartellaDati);
}

void TeamEditor::Command9_Click() {
    ApriAiuto(modulo_, piattaforma_.shell, "readmeTEAM");
}

QString TeamEditor::ScegliFile(const char* titolo, const QString& filtro) {
    return piattaforma_.dialoghi.ApriFile(t(titolo), modulo_.CartellaDati, filtro);
}

void TeamEditor::Image1_Click() {
    const bool conNome = rigaCorrente_ >= 0 && !(Text2[rigaCorrente_]->text().trimmed().isEmpty() &&
                                                 Text3[rigaCorrente_]->text().trimmed().isEmpty());
    if (!conNome) {
        Avviso(t("Seleziona prima l'atleta al quale vuoi assegnare la foto."));
        return;
    }
    const QString scelto = ScegliFile("Apertura immagine dell'atleta", FiltroJpg);
    if (scelto.isEmpty()) {
        return;
    }
    const QString numero = Text1[rigaCorrente_]->text().trimmed();
    const QString destinazione = FotoAtleta(CartellaScelta(), numero);
    if (numero.isEmpty() || destinazione.isEmpty()) {
        Avviso(t("Assegna prima il numero di maglia all'atleta per il quale vuoi salvare "
                 "l'immagine"));
        MostraFoto(Image1, QString(), Picture1);
        return;
    }
    if (ImportaImmagine(scelto, destinazione, piattaforma_.dialoghi, modulo_)) {
        fileFoto_ = destinazione;
        MostraFoto(Image1, fileFoto_, Picture1);
    }
}

void TeamEditor::Image2_Click() {
    const QString destinazione = File("team.jpg");
    if (destinazione.isEmpty()) {
        return;
    }
    const QString scelto = ScegliFile("Apertura file della squadra", FiltroJpg);
    if (!scelto.isEmpty() &&
        ImportaImmagine(scelto, destinazione, piattaforma_.dialoghi, modulo_)) {
        MostraFoto(Image2, destinazione, Picture2);
    }
}

void TeamEditor::Image5_Click() {
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

void TeamEditor::Image7_Click() {
    if (rigaCorrente_ < 0 || CartellaScelta().isEmpty()) {
        return;
    }
    const QString scelto = ScegliFile(
        "Apertura file audio presentazione atleta",
        QStringLiteral("Audio files (*.mp3 *.wav *.MP3 *.WAV);;All Files (*)"));
    if (scelto.isEmpty()) {
        return;
    }
    const QString numero = Text1[rigaCorrente_]->text();
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

void TeamEditor::Image3_Click() {
    if (fileFoto_.isEmpty() || !QFileInfo::exists(fileFoto_) ||
        !Conferma("Vuoi veramente cancellare l'immagine dell'atleta selezionato?", fileFoto_)) {
        return;
    }
    QFile::remove(fileFoto_);
    MostraFoto(Image1, QString(), Picture1);
}

void TeamEditor::Image4_Click() {
    const QString foto = File("team.jpg");
    if (foto.isEmpty() || !QFileInfo::exists(foto) ||
        !Conferma("Vuoi veramente cancellare la foto di questa squadra?", foto)) {
        return;
    }
    QFile::remove(foto);
    MostraFoto(Image2, QString(), Picture2);
}

void TeamEditor::Image6_Click() {
    const QString logo = File("logo.jpg");
    if (logo.isEmpty() || !QFileInfo::exists(logo) ||
        !Conferma("Vuoi cancellare l'immagine quadrata del logo di questa squadra?", logo)) {
        return;
    }
    QFile::remove(logo);
    MostraLogo(QString());
}

void TeamEditor::Image8_Click() {
    if (fileAudio_.isEmpty() || !QFileInfo::exists(fileAudio_) ||
        !Conferma("Vuoi veramente cancellare il file audio per la presentazione di questo atleta?",
                  fileAudio_)) {
        return;
    }
    lettore_.FermaAudio();
    QFile::remove(fileAudio_);
    Avviso(t("File audio di presentazione cancellato, aggiungine un altro se vuoi."));
    Image8->hide();
    Image11->hide();
}

void TeamEditor::Image9_Click() {
    if (!fileFoto_.isEmpty() && QFileInfo::exists(fileFoto_)) {
        piattaforma_.shell.Apri(fileFoto_);
    }
}

void TeamEditor::Image10_Click() {
    const QString foto = File("team.jpg");
    if (!foto.isEmpty() && QFileInfo::exists(foto)) {
        piattaforma_.shell.Apri(foto);
    }
}

void TeamEditor::Image12_Click() {
    const QString logo = File("logo.jpg");
    if (!logo.isEmpty() && QFileInfo::exists(logo)) {
        piattaforma_.shell.Apri(logo);
    }
}

void TeamEditor::Image11_Click() {
    lettore_.FermaAudio();
    lettore_.SuonaAudio(fileAudio_);
}

void TeamEditor::Collega() {
    connect(List1, &QListWidget::currentRowChanged, this,
            [this](int riga) { List1_CurrentRowChanged(riga); });
    const std::pair<QPushButton*, void (TeamEditor::*)()> bottoni[] = {
        {Command1, &TeamEditor::Command1_Click}, {Command2, &TeamEditor::Command2_Click},
        {Command3, &TeamEditor::Command3_Click}, {Command4, &TeamEditor::Command4_Click},
        {Command5, &TeamEditor::Command5_Click}, {Command6, &TeamEditor::Command6_Click},
        {Command7, &TeamEditor::Command7_Click}, {Command8, &TeamEditor::Command8_Click},
        {Command9, &TeamEditor::Command9_Click}};
    for (const auto& [bottone, azione] : bottoni) {
        connect(bottone, &QPushButton::clicked, this, [this, azione] { (this->*azione)(); });
    }
    const std::pair<ImmagineCliccabile*, void (TeamEditor::*)()> immagini[] = {
        {Image1, &TeamEditor::Image1_Click},   {Image2, &TeamEditor::Image2_Click},
        {Image3, &TeamEditor::Image3_Click},   {Image4, &TeamEditor::Image4_Click},
        {Image5, &TeamEditor::Image5_Click},   {Image6, &TeamEditor::Image6_Click},
        {Image7, &TeamEditor::Image7_Click},   {Image8, &TeamEditor::Image8_Click},
        {Image9, &TeamEditor::Image9_Click},   {Image10, &TeamEditor::Image10_Click},
        {Image11, &TeamEditor::Image11_Click}, {Image12, &TeamEditor::Image12_Click}};
    for (const auto& [immagine, azione] : immagini) {
        connect(immagine, &ImmagineCliccabile::Cliccata, this, [this, azione] { (this->*azione)(); });
    }
}
