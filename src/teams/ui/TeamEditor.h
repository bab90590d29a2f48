#pragma once

#include "shared/ui/ImmagineCliccabile.h"
#include "teams/Editor.h"

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

struct Modulo1;
struct Piattaforma;
class Lettore;

// The team editor: team folders, a roster of up to 27 rows, photos, logo and announcements.
class TeamEditor : public QDialog {
    Q_OBJECT
public:
    TeamEditor(Modulo1& modulo, Piattaforma& piattaforma, Lettore& lettore);

    void Form_Load();
    void List1_Click();
    // Any box of row r took the focus.
    void Riga_GotFocus(int Index);
    void Command1_Click();
    void Command5_Click();
    void Command2_Click();
    void Command3_Click();
    void Command7_Click();
    void Command6_Click();
    void Command4_Click();
    void Command8_Click();
    void Command9_Click();
    void Image1_Click();
    void Image2_Click();
    void Image5_Click();
    void Image7_Click();
    void Image3_Click();
    void Image4_Click();
    void Image6_Click();
    void Image8_Click();
    void Image9_Click();
    void Image10_Click();
    void Image11_Click();
    void Image12_Click();

    const QString& FileRosa() const { return fileRosa_; }
    const QString& FileFoto() const { return fileFoto_; }
    const QString& FileAudio() const { return fileAudio_; }
    int RigaCorrente() const { return rigaCorrente_; }

    std::array<QLineEdit*, CapacitaEditor> Text1;
    std::array<QLineEdit*, CapacitaEditor> Text2;
    std::array<QLineEdit*, CapacitaEditor> Text3;
    std::array<QComboBox*, CapacitaEditor> Combo1;
    std::array<QCheckBox*, CapacitaEditor> Check1;
    std::array<QLabel*, 9> Label1;
    QScrollArea* Righe;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    QListWidget* List1;
    ImmagineCliccabile* Image1;
    ImmagineCliccabile* Image2;
    ImmagineCliccabile* Image3;
    ImmagineCliccabile* Image4;
    ImmagineCliccabile* Image5;
    ImmagineCliccabile* Image6;
    QGroupBox* Frame1;
    ImmagineCliccabile* Image7;
    ImmagineCliccabile* Image8;
    ImmagineCliccabile* Image9;
    ImmagineCliccabile* Image10;
    ImmagineCliccabile* Image11;
    ImmagineCliccabile* Image12;
    QLabel* Picture1;
    QLabel* Picture2;
    QLabel* Picture3;

    // The current team changed, by mouse or keyboard: open it, after the unsaved-rows question.
    void List1_CurrentRowChanged(int riga);
    // Esc and the title bar: a changed roster is offered for saving first.
    void reject() override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreaControlli();
    void CreaRighe(QWidget* area);
    void Collega();
    void Didascalie();
    void SvuotaRighe();
    RigheEditor LeggiRighe() const;
    void ScriviRighe(const RigheEditor& righe);
    // Saves the rows on screen; false, with the reason told, when nothing was written.
    bool Salva();
    // Invalid or duplicate names are told to the user; a cancelled box says nothing.
    bool NomeAccettato(const QString& nome);
    QString SquadraScelta() const;
    QString CartellaScelta() const;
    QString File(const char* nome) const;
    // A photo 2475 twips high, or the default picture 4155 twips wide.
    void MostraFoto(QLabel* dove, const QString& percorso, const QLabel* predefinita);
    void MostraLogo(const QString& percorso);
    void MostraAudio();
    QString ScegliFile(const char* titolo, const QString& filtro);
    bool Conferma(const char* domanda, const QString& percorso);
    // Before the roster on screen goes away: saved, discarded, or kept (false) on Annulla.
    bool LasciaRosa();
    void Avviso(const QString& testo);
    QString t(const char* testo) const;

    Modulo1& modulo_;
    Piattaforma& piattaforma_;
    Lettore& lettore_;
    QString fileRosa_;
    QString fileFoto_;
    QString fileAudio_;
    int rigaCorrente_ = -1;
    // The row of the team whose roster is on screen.
    int rigaSquadra_ = -1;
    // The roster as opened: "Finito" saves only a changed one; rows past 27 ride along.
    RosaEditor aperta_;
};
