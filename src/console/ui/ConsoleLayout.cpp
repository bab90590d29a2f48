#include "console/ui/ConsoleWindow.h"

#include "shared/ui/RigaSemplice.h"

#include <QMenuBar>
#include <QPixmap>

namespace {

const QString Tahoma = QStringLiteral("Tahoma");
const QString CourierNew = QStringLiteral("Courier New");

template <class T>
T* Crea(QWidget* genitore, int l, int t, int w, int h, const QFont& carattere) {
    auto* c = new T(genitore);
    Posiziona(c, l, t, w, h);
    c->setFont(carattere);
    return c;
}

QPushButton* Bottone(QWidget* g, int l, int t, int w, int h, const QString& testo,
                     double punti = 9.75, bool grassetto = false) {
    auto* b = Crea<QPushButton>(g, l, t, w, h, Carattere(Tahoma, punti, grassetto));
    b->setText(testo);
    return b;
}

QLabel* Etichetta(QWidget* g, int l, int t, int w, int h, const QString& testo, double punti,
                  bool grassetto = false) {
    auto* e = Crea<QLabel>(g, l, t, w, h, Carattere(Tahoma, punti, grassetto));
    e->setText(testo);
    return e;
}

QLabel* Figura(QWidget* g, int l, int t, int w, int h, const QString& risorsa = QString()) {
    auto* e = new QLabel(g);
    Posiziona(e, l, t, w, h);
    e->setScaledContents(true);
    if (!risorsa.isEmpty()) {
        e->setPixmap(QPixmap(risorsa));
    }
    return e;
}

} // namespace

void ConsoleWindow::CreaControlli() {
    area_ = new QWidget(this);
    setCentralWidget(area_);
    QWidget* a = area_;
    Command1[0] = Bottone(a, 6660, 2340, 1155, 435, QStringLiteral("+ 1"), 12, true);
    Command1[1] = Bottone(a, 7860, 2340, 435, 435, QStringLiteral("- 1"));
    Command1[2] = Bottone(a, 9060, 2340, 435, 435, QStringLiteral("- 1"));
    Command1[3] = Bottone(a, 9540, 2340, 1215, 435, QStringLiteral("+ 1"), 12, true);
    Command2 = Bottone(a, 1500, 0, 1755, 855, QString());
    Command3 = Bottone(a, 120, 0, 1335, 855, QString());
    Command4 = Bottone(a, 120, 900, 1335, 1215, QString());
    Command5 = Bottone(a, 120, 2520, 2715, 315, QString());
    Command6 = Bottone(a, 120, 2880, 1635, 315, QString());
    Command7 = Bottone(a, 2880, 2520, 1635, 315, QString());
    Command8 = Bottone(a, 2040, 2160, 2475, 315, QString());
    Command9 = Bottone(a, 3300, 0, 1215, 855, QString(), 9);
    Command10 = Bottone(a, 180, 3240, 915, 315, QStringLiteral("Zoom +"));
    Command11 = Bottone(a, 2640, 1800, 1875, 315, QString());
    Command12 = Bottone(a, 2640, 1380, 1875, 315, QString());
    Command13 = Bottone(a, 2640, 960, 1875, 315, QString());
    Command14 = Bottone(a, 2040, 2880, 2475, 315, QString());
    Command15 = Bottone(a, 120, 2160, 1875, 315, QString());
    Command16 = Bottone(a, 8340, 2340, 675, 435, QString());
    Command17 = Bottone(a, 2820, 4620, 1515, 255, QStringLiteral("Refresh scores"));
    Command18 = Bottone(a, 3240, 3240, 1275, 315, QStringLiteral("Zoom All +"));
    Command19 = Bottone(a, 1140, 3240, 855, 315, QStringLiteral("Zoom -"));
    const int sinistraTipo[5] = {4680, 6360, 7800, 9600, 11280};
    const int larghezzaTipo[5] = {1635, 1335, 1695, 1515, 1455};
    for (int i = 0; i < 5; ++i) {
        Option2[i] = Crea<QRadioButton>(a, sinistraTipo[i], 2820, larghezzaTipo[i], 255,
                                        Carattere(Tahoma, 9));
    }
    Option1 = Crea<QRadioButton>(a, 1860, 2880, 210, 315, Carattere(Tahoma, 9));
    // An indicator of the swapped display, apart from the point-type group.
    Option1->setAutoExclusive(false);
    Option1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Option1->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 2; ++i) {
        List1[i] = Crea<QListWidget>(a, i == 0 ? 4620 : 8700, 240, 4095, 840, Carattere(Tahoma, 9));
    }
    for (int i = 0; i < 2; ++i) {
        List2[i] = Crea<QListWidget>(a, i == 0 ? 4620 : 8700, 3120, 4095, 6015, Carattere(Tahoma, 12));
    }
    List3 = Crea<QListWidget>(a, 12900, 290, 3075, 8850, Carattere(CourierNew, 8.25));
    List4 = Crea<QListWidget>(a, 120, 7020, 4395, 2130, Carattere(CourierNew, 8.25));
    // Every line has the same height: the lists need not measure each one as history grows.
    for (QListWidget* l : {List3, List4}) {
        l->setUniformItemSizes(true);
        l->setItemDelegate(new RigaSemplice(l));
    }
    List5 = Crea<QListWidget>(a, 1500, 900, 1095, 1200, Carattere(Tahoma, 9));
    Text1[0] = Crea<QLineEdit>(a, 6000, 2340, 615, 405, Carattere(Tahoma, 11.25));
    Text1[1] = Crea<QLineEdit>(a, 10800, 2340, 615, 420, Carattere(Tahoma, 11.25));
    for (int i = 0; i < 2; ++i) {
        LabScore[i] = Etichetta(a, i == 0 ? 6780 : 8760, 1320, 1875, 975, QStringLiteral("0"), 36,
                                true);
        LabScore[i]->setAlignment(Qt::AlignCenter);
        Label1[i] = Etichetta(a, i == 0 ? 4860 : 8820, 1020, 3855, 255, QString(), 9, true);
    }
    Label2 = Etichetta(a, 4380, 0, 8595, 255, QString(), 9, true);
    for (int i = 0; i < 2; ++i) {
        Label3[i] = Etichetta(a, i == 0 ? 6540 : 10680, 1920, 255, 375, QStringLiteral("0"), 14.25,
                              true);
    }
    Label4 = Etichetta(a, 12900, 0, 6375, 255, QString(), 9, true);
    for (int i = 0; i < 2; ++i) {
        Label5[i] = Etichetta(a, i == 0 ? 6540 : 10680, 1440, 255, 375, QStringLiteral("0"), 14.25,
                              true);
    }
    Label6 = Etichetta(a, 120, 6780, 2655, 255, QString(), 9, true);
    Label7 = Etichetta(a, 2520, 3660, 1995, 255, QString(), 8.25);
    Label7->setAutoFillBackground(true);
    Label8 = Etichetta(a, 120, 3660, 1875, 195, QString(), 8.25);
    Image1[0] = Figura(a, 5940, 1320, 600, 600, QStringLiteral(":/display/cronometro.png"));
    Image1[1] = Figura(a, 10860, 1320, 600, 600, QStringLiteral(":/display/cronometro.png"));
    const QString logo[2] = {QStringLiteral(":/console/logo_casa.png"),
                             QStringLiteral(":/console/logo_ospiti.png")};
    Image2[0] = Figura(a, 4620, 1440, 1335, 1335, logo[0]);
    Image2[1] = Figura(a, 11460, 1440, 1335, 1335, logo[1]);
    Image3 = Figura(a, 120, 3900, 4395, 2745);
    Image3->setFrameShape(QFrame::Box);
    Picture1[0] = Figura(a, 5340, -120, 315, 375, logo[0]);
    Picture1[1] = Figura(a, 4860, -120, 315, 375, logo[1]);
    Picture1[0]->hide();
    Picture1[1]->hide();
    for (int i = 0; i < 2; ++i) {
        PictureSalva[i] = Figura(a, -2000, -2000, 315, 375, logo[i]);
        PictureSalva[i]->hide();
    }
    PictureCopy0 = Figura(a, 4140, 6960, 435, 360);
    PictureCopy0->hide();
}

void ConsoleWindow::CreaMenu() {
    menufile = menuBar()->addMenu(QString());
    menunew = menufile->addAction(QString());
    MenuSalva = menufile->addAction(QString());
    MenuC = menufile->addAction(QString());
    MenuSound = menufile->addAction(QString());
    menugest = menufile->addAction(QString());
    MenuSponsor = menufile->addAction(QString());
    menufile->addSeparator();
    MenuSIR = menufile->addAction(QString());
    menufile->addSeparator();
    menust = menufile->addMenu(QString());
    menuspartita = menust->addAction(QString());
    for (QAction*& voce : menuNset) {
        voce = menust->addAction(QString());
    }
    menust->addSeparator();
    Menu5p = menust->addAction(QString());
    MenuPresent = menust->addAction(QString());
    menuesci = menufile->addAction(QString());
    MenuOPZ = menuBar()->addMenu(QString());
    ManuLn = MenuOPZ->addMenu(QString());
    MenuLN.push_back(ManuLn->addAction(QString()));
    MenuLN[0]->setCheckable(true);
    MenuOPZ->addSeparator();
    MenuTasti = MenuOPZ->addAction(QString());
    MenuRemoto = MenuOPZ->addAction(QString());
    MenuH1 = menuBar()->addMenu(QString());
    menuinfo = MenuH1->addAction(QString());
    MenuCPEM = MenuH1->addAction(QString());
    MenuBackup = MenuH1->addAction(QString());
    MenuH1->addSeparator();
    MenuAgg = MenuH1->addAction(QString());
    MenuH = MenuH1->addAction(QString());
    MenuHGSPO = MenuH1->addAction(QString());
    MenuHGS = MenuH1->addAction(QString());
    // Outside the File menu: a finished match keeps the console locked.
    MenuRep = menuBar()->addMenu(QString());
    MenuReport = MenuRep->addAction(QString());
}
