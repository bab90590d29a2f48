#include "teams/ui/TeamEditor.h"

#include "shared/CommonSettings.h"
#include "shared/ScreenFit.h"
#include "shared/ui/Drawing.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

namespace {
const QString Tahoma = QStringLiteral("Tahoma");
constexpr int LineHeight = 240 + 360 * EditorCapacity + 120;
constexpr int LineWidth = 9000;
constexpr int WindowWidth = 18300;
constexpr int DrawingHeight = 6500;
} // namespace

TeamEditor::TeamEditor(CommonSettings& common, Platform& platform, Player& player)
    : common_(common), platform_(platform), player_(player) {
    setObjectName(QStringLiteral("TeamEditor"));
    setModal(true);
    createControls();
    connectControls();
}

void TeamEditor::createLines(QWidget* area) {
    const auto header = [area](int l, int w) {
        auto* e = new QLabel(area);
        Place(e, l, 0, w, 240);
        e->setFont(Character(Tahoma, 8.25, true));
        return e;
    };
    columnCaptions[0] = header(180, 540);
    columnCaptions[1] = header(720, 2160);
    columnCaptions[2] = header(2880, 2340);
    columnCaptions[3] = header(5220, 2460);
    columnCaptions[8] = header(7500, 1500);
    for (int r = 0; r < EditorCapacity; ++r) {
        const int top = 240 + 360 * r;
        const auto text = [&](int l, int w, int max) {
            auto* t = new QLineEdit(area);
            Place(t, l, top, w, 330);
            t->setMaxLength(max);
            t->setProperty("massimo", max);
            return t;
        };
        numberBoxes[r] = text(180, 540, 2);
        surnameBoxes[r] = text(720, 2160, 15);
        firstNameBoxes[r] = text(2880, 2340, 15);
        roleBoxes[r] = new QComboBox(area);
        Place(roleBoxes[r], 5220, top, 2400, 330);
        calledUpChecks[r] = new QCheckBox(area);
        Place(calledUpChecks[r], 7680, top, 600, 330);
        for (QWidget* w :
             std::initializer_list<QWidget*>{numberBoxes[r], surnameBoxes[r], firstNameBoxes[r],
                                             roleBoxes[r], calledUpChecks[r]}) {
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

void TeamEditor::createControls() {
    resize(TwipsInPixel(WindowWidth), TwipsInPixel(DrawingHeight));
    setFont(Character(Tahoma, 8.25));
    Lines = new QScrollArea(this);
    Lines->setFrameShape(QFrame::NoFrame);
    auto* area = new QWidget;
    area->resize(TwipsInPixel(LineWidth), TwipsInPixel(LineHeight));
    createLines(area);
    Lines->setWidget(area);
    Lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Lines->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    const auto label = [this](int l, int t, int w, int h) {
        auto* e = new QLabel(this);
        Place(e, l, t, w, h);
        e->setFont(Character(Tahoma, 8.25, true));
        return e;
    };
    const auto button = [this](int l, int t, int w, int h) {
        auto* b = new QPushButton(this);
        Place(b, l, t, w, h);
        // Return in a box must never close the window or act on the roster.
        b->setAutoDefault(false);
        return b;
    };
    const auto icon = [this](QWidget* g, int l, int t, const QPixmap& picture) {
        auto* e = new ClickableImage(g);
        Place(e, l, t, 420, 435);
        e->setPixmap(picture);
        return e;
    };
    const auto photo = [this](int l, int t, int w, int h) {
        auto* e = new ClickableImage(this);
        Place(e, l, t, w, h);
        e->setScaledContents(false);
        e->setAlignment(Qt::AlignCenter);
        e->setFrameShape(QFrame::Box);
        return e;
    };
    const QPixmap erase(QStringLiteral(":/sponsor/delete.png"));
    const QPixmap see = style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32);

    columnCaptions[7] = label(9120, 120, 4200, 255);
    teamList = new QListWidget(this);
    Place(teamList, 9120, 400, 4200, 2560);
    newTeamButton = button(9120, 3020, 4200, 375);
    deleteTeamButton = button(9120, 3440, 2050, 375);
    renameTeamButton = button(11270, 3440, 2050, 375);
    columnCaptions[4] = label(9120, 3960, 3000, 255);
    teamPicture = photo(9120, 4240, 4155, 2475);
    deleteTeamPictureButton = icon(this, 13320, 4240, erase);
    openTeamPictureButton = icon(this, 13320, 4760, see);
    columnCaptions[6] = label(9120, 6840, 1500, 255);
    logoImage = photo(9120, 7120, 1155, 1155);
    deleteLogoButton = icon(this, 10380, 7120, erase);
    openLogoButton = icon(this, 10380, 7640, see);

    columnCaptions[5] = label(13860, 120, 4380, 255);
    athletePhoto = photo(13860, 400, 4155, 2475);
    deleteAthletePhotoButton = icon(this, 14400, 2940, erase);
    openAthletePhotoButton = icon(this, 13860, 2940, see);
    announcementFrame = new QGroupBox(this);
    Place(announcementFrame, 13860, 3480, 4380, 855);
    announcementButton =
        icon(announcementFrame, 240, 300, style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(32));
    playAnnouncementButton =
        icon(announcementFrame, 840, 300, style()->standardIcon(QStyle::SP_MediaPlay).pixmap(32));
    deleteAnnouncementButton = icon(announcementFrame, 1440, 300, erase);
    saveButton = button(13860, 4500, 2130, 495);
    sortButton = button(16110, 4500, 2130, 495);
    doneButton = button(13860, 5100, 2130, 675);
    exitWithoutSavingButton = button(16110, 5100, 2130, 675);
    exploreButton = button(13860, 5880, 2130, 375);
    helpButton = button(16110, 5880, 2130, 375);
    exportButton = button(13860, 6420, 2130, 420);
    importButton = button(16110, 6420, 2130, 420);
    spreadsheetButton = button(13860, 6960, 4380, 420);
    photosButton = button(13860, 7500, 4380, 420);
    auto* photosMenu = new QMenu(photosButton);
    photosFolderAction = photosMenu->addAction(QString());
    photosZipAction = photosMenu->addAction(QString());
    photosButton->setMenu(photosMenu);
    setAcceptDrops(true);

    defaultAthletePhoto = new QLabel(this);
    defaultAthletePhoto->setPixmap(QPixmap(QStringLiteral(":/display/athlete.png")));
    defaultTeamPicture = new QLabel(this);
    defaultTeamPicture->setPixmap(QPixmap(QStringLiteral(":/teams/team.png")));
    defaultLogo = new QLabel(this);
    defaultLogo->setPixmap(QPixmap(QStringLiteral(":/display/ball.png")));
    for (QLabel* p : {defaultAthletePhoto, defaultTeamPicture, defaultLogo}) {
        p->hide();
    }
}

void TeamEditor::captions() {
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Gestione squadra"));
    const std::pair<int, const char*> titles[] = {
        {0, "N."},           {1, "Cognome"},    {2, "Nome"},
        {3, "Ruolo"},        {8, "Convocato"},  {7, "Elenco squadre di volley note"},
        {4, "Foto squadra"}, {5, "Foto atleta"}};
    for (const auto& [i, text] : titles) {
        columnCaptions[i]->setText(t(text));
    }
    columnCaptions[6]->setText(t("Logo"));
    columnCaptions[8]->setToolTip(t("Spunta se l'atleta è convocato"));
    QStringList roles;
    for (int number = 1; number <= 5; ++number) {
        roles << RoleLabel(number, common_.Languages);
    }
    roles << QString();
    for (int r = 0; r < EditorCapacity; ++r) {
        numberBoxes[r]->setToolTip(t("Numero di maglia dell'atleta"));
        surnameBoxes[r]->setToolTip(t("Cognome dell'atleta"));
        firstNameBoxes[r]->setToolTip(t("Nome di battesimo dell'atleta"));
        roleBoxes[r]->setToolTip(t("Ruolo dell'atleta"));
        calledUpChecks[r]->setToolTip(t("Spunta se l'atleta è convocato"));
        roleBoxes[r]->clear();
        roleBoxes[r]->addItems(roles);
    }
    doneButton->setText(t("Finito"));
    exitWithoutSavingButton->setText(t("Esci senza salvare"));
    saveButton->setText(t("Salva"));
    sortButton->setText(t("Ordina numero"));
    exploreButton->setText(t("Sfoglia…"));
    exploreButton->setToolTip(t("Esplora file"));
    teamList->setToolTip(t("Seleziona o crea una squadra di Volley"));
    newTeamButton->setText(QStringLiteral("+ ") + t("Nuova squadra"));
    newTeamButton->setToolTip(t("Clicca per creare una nuova squadra di Volley"));
    deleteTeamButton->setText(t("Elimina squadra"));
    deleteTeamButton->setToolTip(t("Clicca per eliminare la squadra selezionata"));
    renameTeamButton->setText(t("Rinomina squadra"));
    renameTeamButton->setToolTip(t("Clicca per rinominare la squadra selezionata"));
    helpButton->setText(t("Leggimi"));
    exportButton->setText(t("Esporta squadra…"));
    importButton->setText(t("Importa squadra…"));
    spreadsheetButton->setText(t("Apri foglio di calcolo…"));
    photosButton->setText(t("Foto per numero…"));
    photosFolderAction->setText(t("Da una cartella…"));
    photosZipAction->setText(t("Da un file zip…"));
    helpButton->setToolTip(t("Visualizza il file di Help"));
    athletePhoto->setToolTip(t("Clicca per cambiare o impostare l'immagine dell'atleta"));
    teamPicture->setToolTip(t("Clicca per cambiare o impostare l'immagine della squadra"));
    logoImage->setToolTip(t("Aggiunge o cambia il logo quadrato della squadra"));
    for (QLabel* e : {deleteAthletePhotoButton, deleteTeamPictureButton, deleteLogoButton}) {
        e->setToolTip(t("Cancella in maniera permanente questa immagine"));
    }
    for (QLabel* e : {openAthletePhotoButton, openTeamPictureButton, openLogoButton}) {
        e->setToolTip(t("Apri"));
    }
    announcementFrame->setTitle(t("Audio presentazione atleta"));
    announcementButton->setToolTip(t("File audio per presentazione atleta"));
    deleteAnnouncementButton->setToolTip(
        t("Cancella il file audio della presentazione dell'atleta"));
    playAnnouncementButton->setToolTip(t("Ascolta il file audio"));
}

void TeamEditor::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    const int bar = Lines->verticalScrollBar()->sizeHint().width();
    Lines->setGeometry(0, 0, TwipsInPixel(LineWidth) + bar, height());
}

void TeamEditor::load() {
    captions();
    if (const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
        // Before the first show the frame is not known yet: room is kept for a title bar and
        // the borders.
        const int border = std::max(4, geometry().left() - frameGeometry().left());
        const int title = std::max(frameGeometry().height() - height() - border,
                                   style()->pixelMetric(QStyle::PM_TitleBarHeight) + border);
        setGeometry(FullHeight(shown->availableGeometry(), QMargins(border, title, border, border),
                               x(), width()));
    }
    emptyLines();
    const QString teams = QDir(common_.DataFolder).filePath(QStringLiteral("Teams"));
    if (!QFileInfo::exists(teams)) {
        for (const char* name : {"Home", "Guests"}) {
            CreateTeam(common_.DataFolder, QString::fromLatin1(name));
        }
    }
    {
        const QSignalBlocker still(teamList);
        teamList->clear();
        if (const auto list = ListTeams(common_.DataFolder)) {
            teamList->addItems(*list);
        }
        teamList->setCurrentRow(teamList->count() > 0 ? 0 : -1);
    }
    teamLine_ = -1;
    if (teamList->count() > 0) {
        openSelectedTeam();
    }
}

void TeamEditor::keyPressEvent(QKeyEvent* e) {
    const bool sending = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!sending) {
        QDialog::keyPressEvent(e);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    }
}

void TeamEditor::reject() {
    if (leaveRoster()) {
        QDialog::reject();
    }
}

bool TeamEditor::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusIn && object->property("riga").isValid()) {
        lineGotFocus(object->property("riga").toInt());
    }
    if (event->type() == QEvent::KeyPress && object->property("riga").isValid() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
        pasteFromClipboard(object->property("riga").toInt())) {
        return true;
    }
    return QDialog::eventFilter(object, event);
}

void TeamEditor::emptyLines() {
    writeLines({});
    open_ = {};
}

EditorLines TeamEditor::readLines() const {
    EditorLines lines;
    for (int r = 0; r < EditorCapacity; ++r) {
        lines[r] = {numberBoxes[r]->text(), surnameBoxes[r]->text(), firstNameBoxes[r]->text(),
                    roleBoxes[r]->currentIndex(), calledUpChecks[r]->isChecked()};
    }
    return lines;
}

void TeamEditor::writeLines(const EditorLines& lines) {
    // A hand-made file may hold longer values: they are shown and saved whole, the box's
    // limit holds for typing only.
    const auto fill = [](QLineEdit* court, const QString& value) {
        court->setMaxLength(
            std::max(court->property("massimo").toInt(), static_cast<int>(value.size())));
        court->setText(value);
    };
    for (int r = 0; r < EditorCapacity; ++r) {
        fill(numberBoxes[r], lines[r].Number);
        fill(surnameBoxes[r], lines[r].Surname);
        fill(firstNameBoxes[r], lines[r].Name);
        roleBoxes[r]->setCurrentIndex(lines[r].Role);
        calledUpChecks[r]->setChecked(lines[r].CalledUp);
    }
}

QString TeamEditor::t(const char* text) const {
    return common_.Translate(QString::fromUtf8(text));
}
