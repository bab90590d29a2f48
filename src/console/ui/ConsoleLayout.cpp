// The console's controls: where each one is drawn, the menus, and the layout that scales them.
#include "console/ui/ConsoleWindow.h"

#include "shared/ui/SimpleLine.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPixmap>

namespace {

const QString Tahoma = QStringLiteral("Tahoma");
const QString CourierNew = QStringLiteral("Courier New");

template <class T> T* Create(QWidget* parent, int l, int t, int w, int h, const QFont& character) {
    auto* c = new T(parent);
    Place(c, l, t, w, h);
    c->setFont(character);
    return c;
}

QPushButton* Button(QWidget* g, int l, int t, int w, int h, const QString& text,
                    double points = 9.75, bool bold = false) {
    auto* b = Create<QPushButton>(g, l, t, w, h, Character(Tahoma, points, bold));
    b->setText(text);
    return b;
}

QLabel* Label(QWidget* g, int l, int t, int w, int h, const QString& text, double points,
              bool bold = false) {
    auto* e = Create<QLabel>(g, l, t, w, h, Character(Tahoma, points, bold));
    e->setText(text);
    return e;
}

QLabel* Picture(QWidget* g, int l, int t, int w, int h, const QString& resource = QString()) {
    auto* e = new QLabel(g);
    Place(e, l, t, w, h);
    e->setScaledContents(true);
    if (!resource.isEmpty()) {
        e->setPixmap(QPixmap(resource));
    }
    return e;
}

} // namespace

void ConsoleWindow::createControls() {
    area_ = new QWidget(this);
    setCentralWidget(area_);
    QWidget* a = area_;
    scoreButtons[0] = Button(a, 6660, 3060, 900, 435, QStringLiteral("+ 1"), 12, true);
    scoreButtons[1] = Button(a, 7605, 3060, 435, 435, QStringLiteral("- 1"));
    scoreButtons[2] = Button(a, 9345, 3060, 435, 435, QStringLiteral("- 1"));
    scoreButtons[3] = Button(a, 9825, 3060, 930, 435, QStringLiteral("+ 1"), 12, true);
    exitButton = Button(a, 1500, 0, 1755, 855, QString());
    lockButton = Button(a, 120, 0, 1335, 855, QString());
    statisticsButton = Button(a, 120, 900, 1035, 1215, QString());
    endStatisticsButton = Button(a, 120, 2520, 2715, 315, QString());
    leadingTeamButton = Button(a, 120, 2880, 1635, 315, QString());
    lastPointsButton = Button(a, 2880, 2520, 1635, 315, QString());
    presentationButton = Button(a, 2040, 2160, 2475, 315, QString());
    fullScreenButton = Button(a, 3300, 0, 1215, 855, QString(), 9);
    zoomInButton = Button(a, 180, 3240, 915, 315, QStringLiteral("Zoom +"));
    saveMatchButton = Button(a, 2640, 1800, 1875, 315, QString());
    loadMatchButton = Button(a, 2640, 1380, 1875, 315, QString());
    newMatchButton = Button(a, 2640, 960, 1875, 315, QString());
    swapSidesButton = Button(a, 2040, 2880, 2475, 315, QString());
    optionsButton = Button(a, 120, 2160, 1875, 315, QString());
    undoButton = Button(a, 8085, 3060, 1215, 435, QString());
    refreshPreviewButton = Button(a, 2820, 4620, 1515, 255, QStringLiteral("Refresh scores"));
    zoomAllButton = Button(a, 3240, 3240, 1275, 315, QStringLiteral("Zoom All +"));
    zoomOutButton = Button(a, 1140, 3240, 855, 315, QStringLiteral("Zoom -"));
    const int leftType[5] = {4680, 6540, 7830, 9540, 11115};
    const int typeWidth[5] = {1830, 1260, 1665, 1545, 1620};
    for (int i = 0; i < 5; ++i) {
        pointTypeButtons[i] =
            Create<QRadioButton>(a, leftType[i], 3540, typeWidth[i], 255, Character(Tahoma, 9));
    }
    sidesSwappedMark = Create<QRadioButton>(a, 1860, 2880, 210, 315, Character(Tahoma, 9));
    // An indicator of the swapped display, apart from the point-type group.
    sidesSwappedMark->setAutoExclusive(false);
    sidesSwappedMark->setAttribute(Qt::WA_TransparentForMouseEvents);
    sidesSwappedMark->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 2; ++i) {
        teamLists[i] =
            Create<QListWidget>(a, i == 0 ? 4620 : 8700, 240, 4095, 1560, Character(Tahoma, 9));
    }
    for (int i = 0; i < 2; ++i) {
        rosterLists[i] =
            Create<QListWidget>(a, i == 0 ? 4620 : 8700, 3840, 4095, 5295, Character(Tahoma, 12));
    }
    // Wide enough for a readable line ("Set 1 · 12–10 · team · #7 name · spike") at 1366 x 768.
    historyList = Create<QListWidget>(a, 12900, 290, 4800, 8850, Character(Tahoma, 8.25));
    statisticsList = Create<QListWidget>(a, 120, 7020, 4395, 2130, Character(CourierNew, 8.25));
    // Every line has the same height: the lists need not measure each one as history grows.
    for (QListWidget* l : {historyList, statisticsList}) {
        l->setUniformItemSizes(true);
        l->setItemDelegate(new SimpleLine(l));
    }
    statisticsChoiceList = Create<QListWidget>(a, 1200, 900, 1395, 1215, Character(Tahoma, 8.25));
    // The match and five sets fit its height: a scroll bar would only narrow their names.
    statisticsChoiceList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    codeBoxes[0] = Create<QLineEdit>(a, 6000, 3060, 615, 405, Character(Tahoma, 11.25));
    codeBoxes[1] = Create<QLineEdit>(a, 10800, 3060, 615, 420, Character(Tahoma, 11.25));
    for (int i = 0; i < 2; ++i) {
        scoreLabels[i] =
            Label(a, i == 0 ? 6780 : 8760, 2040, 1875, 975, QStringLiteral("0"), 36, true);
        scoreLabels[i]->setAlignment(Qt::AlignCenter);
        teamNameLabels[i] = Label(a, i == 0 ? 4860 : 8820, 1740, 3855, 255, QString(), 9, true);
    }
    teamChoiceCaption = Label(a, 4380, 0, 8595, 255, QString(), 9, true);
    for (int i = 0; i < 2; ++i) {
        setsWonLabels[i] =
            Label(a, i == 0 ? 6540 : 10680, 2640, 255, 375, QStringLiteral("0"), 14.25, true);
    }
    historyCaption = Label(a, 12900, 0, 4800, 255, QString(), 9, true);
    for (int i = 0; i < 2; ++i) {
        timeoutLabels[i] =
            Label(a, i == 0 ? 6540 : 10680, 2160, 255, 375, QStringLiteral("0"), 14.25, true);
    }
    statisticsCaption = Label(a, 120, 6780, 2655, 255, QString(), 9, true);
    eventLight = Label(a, 2520, 3660, 1995, 255, QString(), 8.25);
    eventLight->setAutoFillBackground(true);
    previewCaption = Label(a, 120, 3660, 1875, 195, QString(), 8.25);
    // Each stopwatch over its timeout button, which has room for a caption on two lines
    // between the logo and the timeouts and sets won.
    timeoutIcons[0] = Picture(a, 5880, 2040, 480, 480, QStringLiteral(":/display/stopwatch.png"));
    timeoutIcons[1] = Picture(a, 11100, 2040, 480, 480, QStringLiteral(":/display/stopwatch.png"));
    timeoutButtons[0] = Button(a, 5715, 2535, 795, 510, QString(), 8.25);
    timeoutButtons[1] = Button(a, 10950, 2535, 795, 510, QString(), 8.25);
    const QString logo[2] = {QStringLiteral(":/console/home_logo.png"),
                             QStringLiteral(":/console/guests_logo.png")};
    teamLogos[0] = Picture(a, 4620, 2310, 1035, 1035, logo[0]);
    teamLogos[1] = Picture(a, 11760, 2310, 1035, 1035, logo[1]);
    previewImage = Picture(a, 120, 3900, 4395, 2745);
    previewImage->setFrameShape(QFrame::Box);
    defaultLogos_ = {QPixmap(logo[0]), QPixmap(logo[1])};
    previewCopy = Picture(a, 4140, 6960, 435, 360);
    previewCopy->hide();
    createSetEndNote();
}

void ConsoleWindow::createSetEndNote() {
    // Over the foot of the rosters, where a called-up squad leaves room; it takes no focus, so
    // the keys keep scoring while it shows.
    setEndNote = Create<QFrame>(area_, 4620, 8415, 8175, 720, Character(Tahoma, 9.75, true));
    setEndNote->setFrameShape(QFrame::StyledPanel);
    setEndNote->setAutoFillBackground(true);
    setEndNote->setStyleSheet(
        QStringLiteral("QFrame { background: #fff4c2; border: 1px solid #c9a400; }"));
    auto* row = new QHBoxLayout(setEndNote);
    setEndNoteText = new QLabel(setEndNote);
    setEndNoteText->setStyleSheet(QStringLiteral("border: none;"));
    setEndSwapButton = new QPushButton(setEndNote);
    setEndCloseButton = new QPushButton(QStringLiteral("\u00d7"), setEndNote);
    for (QPushButton* b : {setEndSwapButton, setEndCloseButton}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QPushButton { background: palette(button); }"));
    }
    // A close mark, not a second command: as narrow as it is high.
    setEndCloseButton->setMaximumWidth(setEndCloseButton->sizeHint().height() + 8);
    row->addWidget(setEndNoteText, 1);
    row->addWidget(setEndSwapButton);
    row->addWidget(setEndCloseButton);
    setEndNote->hide();
}

void ConsoleWindow::createMenu() {
    fileMenu = menuBar()->addMenu(QString());
    newMatchAction = fileMenu->addAction(QString());
    saveMatchAction = fileMenu->addAction(QString());
    loadMatchAction = fileMenu->addAction(QString());
    soundsAction = fileMenu->addAction(QString());
    teamEditorAction = fileMenu->addAction(QString());
    sponsorAction = fileMenu->addAction(QString());
    // After the items operators and scripts already reach by position.
    importTeamAction = fileMenu->addAction(QString());
    fileMenu->addSeparator();
    saveDisplayPositionAction = fileMenu->addAction(QString());
    fileMenu->addSeparator();
    statisticsMenu = fileMenu->addMenu(QString());
    matchStatisticsAction = statisticsMenu->addAction(QString());
    for (QAction*& item : setStatisticsActions) {
        item = statisticsMenu->addAction(QString());
    }
    statisticsMenu->addSeparator();
    lastPointsAction = statisticsMenu->addAction(QString());
    presentationAction = statisticsMenu->addAction(QString());
    exitAction = fileMenu->addAction(QString());
    optionsMenu = menuBar()->addMenu(QString());
    languageMenu = optionsMenu->addMenu(QString());
    languageActions.push_back(languageMenu->addAction(QString()));
    languageActions[0]->setCheckable(true);
    optionsMenu->addSeparator();
    keysAction = optionsMenu->addAction(QString());
    remoteAction = optionsMenu->addAction(QString());
    optionsMenu->addSeparator();
    exportSettingsAction = optionsMenu->addAction(QString());
    importSettingsAction = optionsMenu->addAction(QString());
    helpMenu = menuBar()->addMenu(QString());
    aboutAction = helpMenu->addAction(QString());
    emergencyCopyAction = helpMenu->addAction(QString());
    backupsFolderAction = helpMenu->addAction(QString());
    helpMenu->addSeparator();
    updatesAction = helpMenu->addAction(QString());
    helpAction = helpMenu->addAction(QString());
    sponsorHelpAction = helpMenu->addAction(QString());
    teamHelpAction = helpMenu->addAction(QString());
    // Outside the File menu: a finished match keeps the console locked.
    reportMenu = menuBar()->addMenu(QString());
    reportAction = reportMenu->addAction(QString());
}

void ConsoleWindow::enumerateControls() {
    controls_.clear();
    auto with = [this](QWidget* w) { controls_.push_back({w, true}); };
    auto without = [this](QObject* o) { controls_.push_back({o, false}); };
    for (QPushButton* b : scoreButtons)
        with(b);
    for (QPushButton* b :
         {exitButton,        lockButton,       statisticsButton,   endStatisticsButton,
          leadingTeamButton, lastPointsButton, presentationButton, fullScreenButton,
          zoomInButton,      saveMatchButton,  loadMatchButton,    newMatchButton,
          swapSidesButton,   optionsButton,    undoButton,         refreshPreviewButton,
          zoomAllButton,     zoomOutButton,    timeoutButtons[0],  timeoutButtons[1]}) {
        with(b);
    }
    for (QRadioButton* o : pointTypeButtons)
        with(o);
    with(sidesSwappedMark);
    for (QListWidget* l : teamLists)
        with(l);
    for (QListWidget* l : rosterLists)
        with(l);
    with(historyList);
    with(statisticsList);
    with(statisticsChoiceList);
    for (QLineEdit* t : codeBoxes)
        with(t);
    for (QLabel* e : scoreLabels)
        with(e);
    for (QLabel* e : teamNameLabels)
        with(e);
    with(teamChoiceCaption);
    for (QLabel* e : setsWonLabels)
        with(e);
    with(historyCaption);
    for (QLabel* e : timeoutLabels)
        with(e);
    for (QLabel* e : {statisticsCaption, eventLight, previewCaption})
        with(e);
    for (QLabel* e : timeoutIcons)
        without(e);
    for (QLabel* e : teamLogos)
        without(e);
    without(previewImage);
    without(previewCopy);
    with(setEndNote);
    for (QObject* m : std::initializer_list<QObject*>{
             fileMenu, newMatchAction, saveMatchAction, loadMatchAction, soundsAction,
             teamEditorAction, sponsorAction, saveDisplayPositionAction, statisticsMenu,
             matchStatisticsAction}) {
        without(m);
    }
    for (QAction* m : setStatisticsActions)
        without(m);
    for (QObject* m : std::initializer_list<QObject*>{
             lastPointsAction, presentationAction, exitAction, optionsMenu, languageMenu,
             languageActions[0], helpMenu, aboutAction, emergencyCopyAction, updatesAction,
             helpAction, sponsorHelpAction, teamHelpAction}) {
        without(m);
    }
    for (QTimer* t :
         {&bandLayoutTimer, &previewTimer, &cheerTimer, &statisticsTimer, &blinkTimer}) {
        without(t);
    }
}

void ConsoleWindow::layOutControls() {
    if (isMinimized() || geometry_.empty()) {
        return;
    }
    GeometryScale(geometry_, InTwips(area_->size()), controls_, false);
    fitCaptions();
    if (venueMark != nullptr) {
        venueMark->setGeometry(width() - 22, 2, 18, 18);
    }
}

void ConsoleWindow::fitCaptions() {
    for (QAbstractButton* b : area_->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        FitCaption(b);
    }
}
