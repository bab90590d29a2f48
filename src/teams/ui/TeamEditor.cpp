#include "teams/ui/TeamEditor.h"

#include "shared/Modulo1.h"
#include "shared/ui/Disegno.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QScrollBar>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QScreen>
#include <QStyle>

namespace {
const QString Tahoma = QStringLiteral("Tahoma");
constexpr int AltezzaRighe = 240 + 360 * CapacitaEditor + 120;
constexpr int LarghezzaRighe = 9000;
constexpr int LarghezzaFinestra = 18300;
constexpr int AltezzaDisegno = 6500;
} // namespace

TeamEditor::TeamEditor(Modulo1& modulo, Piattaforma& piattaforma, Lettore& lettore)
    : modulo_(modulo), piattaforma_(piattaforma), lettore_(lettore) {
    setObjectName(QStringLiteral("TeamEditor"));
    setModal(true);
    CreaControlli();
    Collega();
}

void TeamEditor::CreaRighe(QWidget* area) {
    const auto intestazione = [area](int l, int w) {
        auto* e = new QLabel(area);
        Posiziona(e, l, 0, w, 240);
        e->setFont(Carattere(Tahoma, 8.25, true));
        return e;
    };
    columnCaptions[0] = intestazione(180, 540);
    columnCaptions[1] = intestazione(720, 2160);
    columnCaptions[2] = intestazione(2880, 2340);
    columnCaptions[3] = intestazione(5220, 2460);
    columnCaptions[8] = intestazione(7500, 1500);
    for (int r = 0; r < CapacitaEditor; ++r) {
        const int top = 240 + 360 * r;
        const auto testo = [&](int l, int w, int massimo) {
            auto* t = new QLineEdit(area);
            Posiziona(t, l, top, w, 330);
            t->setMaxLength(massimo);
            t->setProperty("massimo", massimo);
            return t;
        };
        numberBoxes[r] = testo(180, 540, 2);
        surnameBoxes[r] = testo(720, 2160, 15);
        firstNameBoxes[r] = testo(2880, 2340, 15);
        roleBoxes[r] = new QComboBox(area);
        Posiziona(roleBoxes[r], 5220, top, 2400, 330);
        calledUpChecks[r] = new QCheckBox(QStringLiteral("C"), area);
        Posiziona(calledUpChecks[r], 7680, top, 600, 330);
        for (QWidget* w : std::initializer_list<QWidget*>{numberBoxes[r], surnameBoxes[r], firstNameBoxes[r], roleBoxes[r],
                                                          calledUpChecks[r]}) {
            w->setProperty("riga", r);
            w->installEventFilter(this);
        }
        if (r > 0) {
            setTabOrder(calledUpChecks[r - 1], numberBoxes[r]);
        }
        setTabOrder(numberBoxes[r], surnameBoxes[r]);
        setTabOrder(surnameBoxes[r], firstNameBoxes[r]);
        setTabOrder(firstNameBoxes[r], roleBoxes[r]);
        setTabOrder(roleBoxes[r], calledUpChecks[r]);
    }
}

void TeamEditor::CreaControlli() {
    resize(TwipsInPixel(LarghezzaFinestra), TwipsInPixel(AltezzaDisegno));
    setFont(Carattere(Tahoma, 8.25));
    Righe = new QScrollArea(this);
    Righe->setFrameShape(QFrame::NoFrame);
    auto* area = new QWidget;
    area->resize(TwipsInPixel(LarghezzaRighe), TwipsInPixel(AltezzaRighe));
    CreaRighe(area);
    Righe->setWidget(area);
    Righe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Righe->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    const auto etichetta = [this](int l, int t, int w, int h) {
        auto* e = new QLabel(this);
        Posiziona(e, l, t, w, h);
        e->setFont(Carattere(Tahoma, 8.25, true));
        return e;
    };
    const auto bottone = [this](int l, int t, int w, int h) {
        auto* b = new QPushButton(this);
        Posiziona(b, l, t, w, h);
        // Return in a box must never close the window or act on the roster.
        b->setAutoDefault(false);
        return b;
    };
    const auto icona = [this](QWidget* g, int l, int t, const QPixmap& figura) {
        auto* e = new ImmagineCliccabile(g);
        Posiziona(e, l, t, 420, 435);
        e->setPixmap(figura);
        return e;
    };
    const auto foto = [this](int l, int t, int w, int h) {
        auto* e = new ImmagineCliccabile(this);
        Posiziona(e, l, t, w, h);
        e->setScaledContents(false);
        e->setAlignment(Qt::AlignCenter);
        e->setFrameShape(QFrame::Box);
        return e;
    };
    const QPixmap cancella(QStringLiteral(":/sponsor/cancella.png"));
    const QPixmap vedi = style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32);

    columnCaptions[7] = etichetta(9120, 120, 4200, 255);
    teamList = new QListWidget(this);
    Posiziona(teamList, 9120, 400, 4200, 2560);
    newTeamButton = bottone(9120, 3020, 4200, 375);
    deleteTeamButton = bottone(9120, 3440, 2050, 375);
    renameTeamButton = bottone(11270, 3440, 2050, 375);
    columnCaptions[4] = etichetta(9120, 3960, 3000, 255);
    teamPicture = foto(9120, 4240, 4155, 2475);
    deleteTeamPictureButton = icona(this, 13320, 4240, cancella);
    openTeamPictureButton = icona(this, 13320, 4760, vedi);
    columnCaptions[6] = etichetta(9120, 6840, 1500, 255);
    logoImage = foto(9120, 7120, 1155, 1155);
    deleteLogoButton = icona(this, 10380, 7120, cancella);
    openLogoButton = icona(this, 10380, 7640, vedi);

    columnCaptions[5] = etichetta(13860, 120, 4380, 255);
    athletePhoto = foto(13860, 400, 4155, 2475);
    deleteAthletePhotoButton = icona(this, 14400, 2940, cancella);
    openAthletePhotoButton = icona(this, 13860, 2940, vedi);
    announcementFrame = new QGroupBox(this);
    Posiziona(announcementFrame, 13860, 3480, 4380, 855);
    announcementButton = icona(announcementFrame, 240, 300, style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(32));
    playAnnouncementButton = icona(announcementFrame, 840, 300, style()->standardIcon(QStyle::SP_MediaPlay).pixmap(32));
    deleteAnnouncementButton = icona(announcementFrame, 1440, 300, cancella);
    saveButton = bottone(13860, 4500, 2130, 495);
    sortButton = bottone(16110, 4500, 2130, 495);
    doneButton = bottone(13860, 5100, 2130, 675);
    exitWithoutSavingButton = bottone(16110, 5100, 2130, 675);
    exploreButton = bottone(13860, 5880, 700, 375);
    helpButton = bottone(14640, 5880, 1500, 375);

    defaultAthletePhoto = new QLabel(this);
    defaultAthletePhoto->setPixmap(QPixmap(QStringLiteral(":/display/atleta.png")));
    defaultTeamPicture = new QLabel(this);
    defaultTeamPicture->setPixmap(QPixmap(QStringLiteral(":/teams/squadra.png")));
    defaultLogo = new QLabel(this);
    defaultLogo->setPixmap(QPixmap(QStringLiteral(":/display/palla.png")));
    for (QLabel* p : {defaultAthletePhoto, defaultTeamPicture, defaultLogo}) {
        p->hide();
    }
}

void TeamEditor::Didascalie() {
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Gestione squadra"));
    const std::pair<int, const char*> titoli[] = {
        {0, "N."}, {1, "Cognome"}, {2, "Nome"}, {3, "Ruolo"}, {8, "Convocato Si/No"},
        {7, "Elenco squadre di volley note"}, {4, "Foto squadra"}, {5, "Foto atleta"}};
    for (const auto& [i, testo] : titoli) {
        columnCaptions[i]->setText(t(testo));
    }
    columnCaptions[6]->setText(QStringLiteral("Logo"));
    QStringList ruoli;
    for (int numero = 1; numero <= 5; ++numero) {
        ruoli << EtichettaRuolo(numero, modulo_.Lingue);
    }
    ruoli << QString();
    for (int r = 0; r < CapacitaEditor; ++r) {
        numberBoxes[r]->setToolTip(t("Numero di maglia dell'atleta"));
        surnameBoxes[r]->setToolTip(t("Cognome dell'atleta"));
        firstNameBoxes[r]->setToolTip(t("Nome di battesimo dell'atleta"));
        roleBoxes[r]->setToolTip(t("Ruolo dell'atleta"));
        calledUpChecks[r]->setToolTip(t("Spunta se l'atleta è convocato"));
        roleBoxes[r]->clear();
        roleBoxes[r]->addItems(ruoli);
    }
    doneButton->setText(t("Finito"));
    exitWithoutSavingButton->setText(t("Esci senza salvare"));
    saveButton->setText(t("Salva"));
    sortButton->setText(t("Ordina numero"));
    exploreButton->setText(QStringLiteral("EF"));
    exploreButton->setToolTip(t("Esplora file"));
    teamList->setToolTip(t("Seleziona o crea una squadra di Volley"));
    newTeamButton->setText(QStringLiteral("+ ") + t("Nuova squadra"));
    newTeamButton->setToolTip(t("Clicca per creare una nuova squadra di Volley"));
    deleteTeamButton->setText(t("Elimina squadra"));
    deleteTeamButton->setToolTip(t("Clicca per eliminare la squadra selezionata"));
    renameTeamButton->setText(t("Rinomina squadra"));
    renameTeamButton->setToolTip(t("Clicca per rinominare la squadra selezionata"));
    helpButton->setText(t("Leggimi"));
    helpButton->setToolTip(t("Visualizza il file di Help"));
    athletePhoto->setToolTip(t("Clicca per cambiare o impostare l'immagine dell'atleta"));
    teamPicture->setToolTip(t("Clicca per cambiare o impostare l'immagine della squadra"));
    logoImage->setToolTip(t("Aggiunge o cambia il logo quadrato della squadra"));
    for (QLabel* e : {deleteAthletePhotoButton, deleteTeamPictureButton, deleteLogoButton}) {
        e->setToolTip(t("Cancella in maniera permanente questa immagine"));
    }
    for (QLabel* e : {openAthletePhotoButton, openTeamPictureButton, openLogoButton}) {
        e->setToolTip(QStringLiteral("View"));
    }
    announcementFrame->setTitle(t("Audio presentazione atleta"));
    announcementButton->setToolTip(t("File audio per presentazione atleta"));
    deleteAnnouncementButton->setToolTip(t("Cancella il file audio della presentazione dell'atleta"));
    playAnnouncementButton->setToolTip(t("Ascolta il file audio"));
}

void TeamEditor::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    const int barra = Righe->verticalScrollBar()->sizeHint().width();
    Righe->setGeometry(0, 0, TwipsInPixel(LarghezzaRighe) + barra, height());
}

void TeamEditor::Form_Load() {
    Didascalie();
    if (const QScreen* schermo = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
        const QRect disponibile = schermo->availableGeometry();
        // Before the first show the frame is not known yet: room is kept for a title bar.
        const int cornice = std::max(frameGeometry().height() - height(),
                                     style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
        setGeometry(x(), disponibile.top() + cornice, width(),
                    std::max(TwipsInPixel(AltezzaDisegno), disponibile.height() - cornice));
    }
    SvuotaRighe();
    const QString squadre = QDir(modulo_.CartellaDati).filePath(QStringLiteral("Teams"));
    if (!QFileInfo::exists(squadre)) {
        for (const char* nome : {"Home", "Guests"}) {
            CreaSquadra(modulo_.CartellaDati, QString::fromLatin1(nome));
        }
    }
    {
        const QSignalBlocker fermo(teamList);
        teamList->clear();
        if (const auto elenco = ElencaSquadre(modulo_.CartellaDati)) {
            teamList->addItems(*elenco);
        }
        teamList->setCurrentRow(teamList->count() > 0 ? 0 : -1);
    }
    rigaSquadra_ = -1;
    if (teamList->count() > 0) {
        openSelectedTeam();
    }
}

void TeamEditor::keyPressEvent(QKeyEvent* e) {
    const bool invio = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!invio) {
        QDialog::keyPressEvent(e);
        return;
    }
    if (auto* bottone = qobject_cast<QPushButton*>(focusWidget())) {
        bottone->click();
    }
}

void TeamEditor::reject() {
    if (LasciaRosa()) {
        QDialog::reject();
    }
}

bool TeamEditor::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn && oggetto->property("riga").isValid()) {
        Riga_GotFocus(oggetto->property("riga").toInt());
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TeamEditor::SvuotaRighe() {
    ScriviRighe({});
    aperta_ = {};
}

RigheEditor TeamEditor::LeggiRighe() const {
    RigheEditor righe;
    for (int r = 0; r < CapacitaEditor; ++r) {
        righe[r] = {numberBoxes[r]->text(), surnameBoxes[r]->text(), firstNameBoxes[r]->text(), roleBoxes[r]->currentIndex(),
                    calledUpChecks[r]->isChecked()};
    }
    return righe;
}

void TeamEditor::ScriviRighe(const RigheEditor& righe) {
    // A hand-made file may hold longer values: they are shown and saved whole, the box's
    // limit holds for typing only.
    const auto riempi = [](QLineEdit* campo, const QString& valore) {
        campo->setMaxLength(
            std::max(campo->property("massimo").toInt(), static_cast<int>(valore.size())));
        campo->setText(valore);
    };
    for (int r = 0; r < CapacitaEditor; ++r) {
        riempi(numberBoxes[r], righe[r].Numero);
        riempi(surnameBoxes[r], righe[r].Cognome);
        riempi(firstNameBoxes[r], righe[r].Nome);
        roleBoxes[r]->setCurrentIndex(righe[r].Ruolo);
        calledUpChecks[r]->setChecked(righe[r].Convocato);
    }
}

QString TeamEditor::t(const char* testo) const {
    return modulo_.Traduci(QString::fromUtf8(testo));
}
