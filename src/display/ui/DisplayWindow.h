#pragma once

#include "display/Animazioni.h"
#include "display/Colori.h"
#include "display/ui/TestataEBanda.h"
#include "display/Presentazione.h"
#include "display/Sponsor.h"
#include "display/StatoSchermo.h"
#include "shared/Geometria.h"
#include "shared/ui/Disegno.h"
#include "shared/ui/Immagini.h"

#include <QFrame>
#include <QThreadPool>
#include <optional>
#include <vector>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

struct Partita;
struct Piattaforma;
struct Modulo1;
class Lettore;

constexpr qint64 MemoriaFoto = 64LL * 1024 * 1024;

// The scoreboard the audience sees. It computes no rules: it shows the record.
class DisplayWindow : public QWidget, public ColoriDelTabellone, public TestataEBanda {
    Q_OBJECT
public:
    DisplayWindow(Piattaforma& piattaforma, const Partita& partita, Modulo1& modulo, Lettore& lettore);

    // The design is recorded once, at creation.
    void Form_Load();
    void Form_Resize();
    // The window's position in the settings, for the next start to maximise it there again.
    void SalvaPosizione();
    void Aggiorna();
    // The lower panel slides in carrying `cosa`.
    void AvviaScorrimento(InVista cosa);
    // End of match: animations off, both lower panels parked below.
    void FermaAnimazioni();
    void NascondiBanner();

    void clockTick();
    void sponsorTick();
    void panelSlideTick();
    void presentationTick();
    void TimerIngrandimento_Timer();
    // The presentation button: starts the line-ups, or asks a running one to stop.
    void AvviaOFermaPresentazione();
    const StatoPresentazione& Presentazione() const { return presentazione_; }
    // The console's blink tick, on the display: marker border and banner.
    void Lampeggia(int coloreCornice);
    void LayoutSenzaSponsor() override;
    void MostraBanda() override;
    void MostraLogoTestataPredefinito(const QPixmap& logo) override { headerLogo->setPixmap(logo); }
    // Lists the sponsor folder again, shows the header logo and the first slots.
    void ImpostaBanda();
    // The header logo decoded at the size it is shown; false when the file gives none.
    bool MostraLogoTestata(const QString& percorso) override;
    // The athlete the operator picked may score next: the photo is decoded ahead.
    void PreparaFotoAtleta(const QString& percorso);
    void MostraStatistiche(const PannelloStatistiche& dati);
    // The leading team in the scorer panel: heading, team photo (or the default) and score.
    void MostraSquadraInTesta(int lato, const QString& titolo, const QString& foto,
                              const QString& set, const QString& punteggio);
    // The seven panel colours: shown at once, read back for the options' samples.
    void ApplicaColori(const ColoriPannello& colori) override;
    const ColoriPannello& Colori() const override { return colori_; }
    // A side's logo in both places the display shows it.
    void MostraLogo(int lato, const QPixmap& logo);
    // Zoom + (piu) or Zoom -: at the limit a step changes nothing.
    bool ZoomAlLimite(bool piu);
    void PassoZoom(bool piu);
    // true: the proportional layout again; false: the scores magnified to fill the screen.
    void zooma(bool cosa);
    // Home and guests change sides; the console keeps home on the left.
    void GiraTabellone();
    CacheImmagini& FotoPreparate() { return foto_; }
    // Waits for the presented person's photo and its steps and takes them in.
    void AttendiFotoPresentazione();
    CacheImmagini& SponsorPreparati() { return sponsor_; }
    const StatoBanda& Banda() const { return banda_; }
    const StatoSchermo& Schermo() const { return schermo_; }

signals:
    // Every resize: the console re-lays the display out a moment later when the band is off.
    void Ridimensionato();
    void AnimazioneIniziata();
    void AnimazioneFinita();
    // The console's event light: on with a text, or off.
    void Evento(bool inCorso, const QString& testo);
    // What the display shows changed by its own timers (band, panels, presentation).
    void Cambiato();

public:
    const GeometriaControlli& Geometria() const { return geometria_; }
    // The window's outer size, as its design was drawn: the panels, 7335 twips wide, then
    // span a maximised display exactly.
    int Larghezza() const { return frameGeometry().width(); }
    int Altezza() const { return frameGeometry().height(); }

    QLabel* headerLogo;
    std::array<QLabel*, 2> teamLogos;
    QLabel* setLabel;
    QLabel* clockLabel;
    std::array<QLabel*, 5> partialLabels;
    QLabel* homeNameLabel;
    std::array<QLabel*, 2> LabScore;
    QLabel* guestsNameLabel;
    std::array<QFrame*, 2> scoreFrames;
    std::array<QLabel*, 2> setsWonLabels;
    std::array<QLabel*, 2> timeoutLabels;
    std::array<QLabel*, 4> sideIcons;
    std::array<QLabel*, 5> sponsorSlots;
    QLabel* designSizeLabel;
    std::array<QFrame*, 2> overlayPanels;
    QLabel* scorerTitle;
    QLabel* scorerPhoto;
    QLabel* scorerName;
    QLabel* scorerNumberBackdrop;
    QLabel* scorerNumber;
    QLabel* scorerBall;
    QLabel* statisticsTitle;
    std::array<QLabel*, 2> statisticsTeamNames;
    std::array<QLabel*, 2> statisticsLogos;
    std::array<QLabel*, 2> statisticsTotals;
    std::array<QLabel*, 4> statisticsHomeNames;
    std::array<QLabel*, 4> statisticsHomePoints;
    std::array<QLabel*, 4> statisticsGuestsPoints;
    std::array<QLabel*, 4> statisticsGuestsNames;
    QFrame* presentationCard;
    QLabel* presentationHeading;
    QLabel* presentationPhoto;
    QLabel* presentationSide;
    QLabel* presentationNumber;
    QLabel* presentationRole;
    QFrame* bannerFrame;
    QLabel* bannerText;
    QLabel* bannerPicture;
    QLabel* bannerIcon;
    QLabel* spareImage;
    // The athlete silhouette, two spare places, the set point and the match point pictures.
    std::array<QLabel*, 5> builtInPictures;
    QTimer clockTimer;
    QTimer sponsorTimer;
    QTimer panelSlideTimer;
    QTimer presentationTimer;
    // One enlargement step of the held photo a frame.
    QTimer TimerIngrandimento;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreaControlli();
    void CreaPannelli();
    void PosizionaBanner();
    void MostraFotoMarcatore();
    void DopoLayout();
    void ParcheggiaPresentazione();
    void StilePannello(int lato);
    void MostraSponsor(int slot, const QString& file, const QImage& immagine);
    int LarghezzaFoto() const;

    int LarghezzaSlot() const;
    void FinePresentazione();
    void CaricaPersona();
    void MostraFotoPresentazione(const QString& foto);

    Piattaforma& piattaforma_;
    const Partita& partita_;
    Modulo1& modulo_;
    Lettore& lettore_;
    Controlli controlli_;
    GeometriaControlli geometria_;
    QString fotoMostrata_;
    QString stilePannello_;
    // The leading-team overlay fills the scorer panel until its slide ends.
    bool squadraInTesta_ = false;
    CicloOrologio orologio_;
    int tickPannello_ = 0;
    StatoBanda banda_;
    StatoPresentazione presentazione_;
    StatoSchermo schermo_;
    QRect geometriaFoto_;
    // The presented person's photo and its enlargement steps, made on a worker while the
    // panel enters, so the tick that holds the person only shows them.
    struct PassiFoto {
        std::vector<QImage> Immagini;
        std::vector<QRect> Rettangoli;
    };
    std::optional<PassiFoto> passiFoto_;
    quint64 personaPresentata_ = 0;
    std::size_t passoFoto_ = 0;
    QThreadPool lavoroPresentazione_;
    // Design colours: white board, yellow and cyan sides, the system's near-black text.
    ColoriPannello colori_{0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x00FFFF, 0xFFFF00, 0x000008, 0x000008};
    // Which picture each slot waits for while it is decoded.
    std::array<QString, SlotBanda> attesiSlot_;
    // A few recent photos only: a team of phone photos would not fit in memory decoded.
    CacheImmagini foto_{MemoriaFoto};
    CacheImmagini sponsor_;
};
