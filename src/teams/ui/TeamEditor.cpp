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
    Label1[0] = intestazione(180, 540);
    Label1[1] = intestazione(720, 2160);
    Label1[2] = intestazione(2880, 2340);
    Label1[3] = intestazione(5220, 2460);
    Label1[8] = intestazione(7500, 1500);
    for (int r = 0; r < CapacitaEditor; ++r) {
        const int top = 240 + 360 * r;
        const auto testo = [&](int l, int w, int massimo) {
            auto* t = new QLineEdit(area);
            Posiziona(t, l, top, w, 330);
            t->setMaxLength(massimo);
            t->setProperty("massimo", massimo);
            return t;
        };
        Text1[r] = testo(180, 540, 2);
        Text2[r] = testo(720, 2160, 15);
        Text3[r] = testo(2880, 2340, 15);
        Combo1[r] = new QComboBox(area);
        Posiziona(Combo1[r], 5220, top, 2400, 330);
        Check1[r] = new QCheckBox(QStringLiteral("C"), area);
        Posiziona(Check1[r], 7680, top, 600, 330);
        for (QWidget* w : std::initializer_list<QWidget*>{Text1[r], Text2[r], Text3[r], Combo1[r],
                                                          Check1[r]}) {
            w->setProperty("riga", r);
            w->installEventFilter(this);
        }
        if (r > 0) {
            setTabOrder(Check1[r - 1], Text1[r]);
        }
        setTabOrder(Text1[r], Text2[r]);
        setTabOrder(Text2[r], Text3[r]);
        setTabOrder(Text3[r], Combo1[r]);
        setTabOrder(Combo1[r], Check1[r]);
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

    Label1[7] = etichetta(9120, 120, 4200, 255);
    List1 = new QListWidget(this);
    Posiziona(List1, 9120, 400, 4200, 2560);
    Command2 = bottone(9120, 3020, 4200, 375);
    Command3 = bottone(9120, 3440, 2050, 375);
    Command7 = bottone(11270, 3440, 2050, 375);
    Label1[4] = etichetta(9120, 3960, 3000, 255);
    Image2 = foto(9120, 4240, 4155, 2475);
    Image4 = icona(this, 13320, 4240, cancella);
    Image10 = icona(this, 13320, 4760, vedi);
    Label1[6] = etichetta(9120, 6840, 1500, 255);
    Image5 = foto(9120, 7120, 1155, 1155);
    Image6 = icona(this, 10380, 7120, cancella);
    Image12 = icona(this, 10380, 7640, vedi);

    Label1[5] = etichetta(13860, 120, 4380, 255);
    Image1 = foto(13860, 400, 4155, 2475);
    Image3 = icona(this, 14400, 2940, cancella);
    Image9 = icona(this, 13860, 2940, vedi);
    Frame1 = new QGroupBox(this);
    Posiziona(Frame1, 13860, 3480, 4380, 855);
    Image7 = icona(Frame1, 240, 300, style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(32));
    Image11 = icona(Frame1, 840, 300, style()->standardIcon(QStyle::SP_MediaPlay).pixmap(32));
    Image8 = icona(Frame1, 1440, 300, cancella);
    Command1 = bottone(13860, 4500, 2130, 495);
    Command5 = bottone(16110, 4500, 2130, 495);
    Command6 = bottone(13860, 5100, 2130, 675);
    Command4 = bottone(16110, 5100, 2130, 675);
    Command8 = bottone(13860, 5880, 700, 375);
    Command9 = bottone(14640, 5880, 1500, 375);

    Picture1 = new QLabel(this);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/display/atleta.png")));
    Picture2 = new QLabel(this);
    Picture2->setPixmap(QPixmap(QStringLiteral(":/teams/squadra.png")));
    Picture3 = new QLabel(this);
    Picture3->setPixmap(QPixmap(QStringLiteral(":/display/palla.png")));
    for (QLabel* p : {Picture1, Picture2, Picture3}) {
        p->hide();
    }
}

void TeamEditor::Didascalie() {
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Gestione squadra"));
    const std::pair<int, const char*> titoli[] = {
        {0, "N."}, {1, "Cognome"}, {2, "Nome"}, {3, "Ruolo"}, {8, "Convocato Si/No"},
        {7, "Elenco squadre di volley note"}, {4, "Foto squadra"}, {5, "Foto atleta"}};
    for (const auto& [i, testo] : titoli) {
        Label1[i]->setText(t(testo));
    }
    Label1[6]->setText(QStringLiteral("Logo"));
    QStringList ruoli;
    for (int numero = 1; numero <= 5; ++numero) {
        ruoli << EtichettaRuolo(numero, modulo_.Lingue);
    }
    ruoli << QString();
    for (int r = 0; r < CapacitaEditor; ++r) {
        Text1[r]->setToolTip(t("Numero di maglia dell'atleta"));
        Text2[r]->setToolTip(t("Cognome dell'atleta"));
        Text3[r]->setToolTip(t("Nome di battesimo dell'atleta"));
        Combo1[r]->setToolTip(t("Ruolo dell'atleta"));
        Check1[r]->setToolTip(t("Spunta se l'atleta è convocato"));
        Combo1[r]->clear();
        Combo1[r]->addItems(ruoli);
    }
    Command6->setText(t("Finito"));
    Command4->setText(t("Esci senza salvare"));
    Command1->setText(t("Salva"));
    Command5->setText(t("Ordina numero"));
    Command8->setText(QStringLiteral("EF"));
    Command8->setToolTip(t("Esplora file"));
    List1->setToolTip(t("Seleziona o crea una squadra di Volley"));
    Command2->setText(QStringLiteral("+ ") + t("Nuova squadra"));
    Command2->setToolTip(t("Clicca per creare una nuova squadra di Volley"));
    Command3->setText(t("Elimina squadra"));
    Command3->setToolTip(t("Clicca per eliminare la squadra selezionata"));
    Command7->setText(t("Rinomina squadra"));
    Command7->setToolTip(t("Clicca per rinominare la squadra selezionata"));
    Command9->setText(t("Leggimi"));
    Command9->setToolTip(t("Visualizza il file di Help"));
    Image1->setToolTip(t("Clicca per cambiare o impostare l'immagine dell'atleta"));
    Image2->setToolTip(t("Clicca per cambiare o impostare l'immagine della squadra"));
    Image5->setToolTip(t("Aggiunge o cambia il logo quadrato della squadra"));
    for (QLabel* e : {Image3, Image4, Image6}) {
        e->setToolTip(t("Cancella in maniera permanente questa immagine"));
    }
    for (QLabel* e : {Image9, Image10, Image12}) {
        e->setToolTip(QStringLiteral("View"));
    }
    Frame1->setTitle(t("Audio presentazione atleta"));
    Image7->setToolTip(t("File audio per presentazione atleta"));
    Image8->setToolTip(t("Cancella il file audio della presentazione dell'atleta"));
    Image11->setToolTip(t("Ascolta il file audio"));
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
        const QSignalBlocker fermo(List1);
        List1->clear();
        if (const auto elenco = ElencaSquadre(modulo_.CartellaDati)) {
            List1->addItems(*elenco);
        }
        List1->setCurrentRow(List1->count() > 0 ? 0 : -1);
    }
    rigaSquadra_ = -1;
    if (List1->count() > 0) {
        List1_Click();
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
        righe[r] = {Text1[r]->text(), Text2[r]->text(), Text3[r]->text(), Combo1[r]->currentIndex(),
                    Check1[r]->isChecked()};
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
        riempi(Text1[r], righe[r].Numero);
        riempi(Text2[r], righe[r].Cognome);
        riempi(Text3[r], righe[r].Nome);
        Combo1[r]->setCurrentIndex(righe[r].Ruolo);
        Check1[r]->setChecked(righe[r].Convocato);
    }
}

QString TeamEditor::t(const char* testo) const {
    return modulo_.Traduci(QString::fromUtf8(testo));
}
