// The presentation of both line-ups, one person at a time across the display.
#include "display/ui/DisplayWindow.h"
#include "match/Partita.h"
#include "shared/Modulo1.h"
#include "sound/Audio.h"
#include "teams/Ricerche.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr int PassoEntrata = 50; // twips a tick
constexpr int Parcheggio = 300;  // twips beyond the right edge
constexpr double AltezzaSagoma = 1.24;
constexpr int PassiIngrandimento = 7;
} // namespace

void DisplayWindow::AvviaOFermaPresentazione() {
    presentazione_.RichiestaStop = presentationTimer.isActive() ? 1 : 0;
    schermo_.Presentazione = true;
    presentationCard->show();
    presentationCard->raise();
    presentationTimer.start();
}

void DisplayWindow::FinePresentazione() {
    presentazione_ = StatoPresentazione{};
    schermo_.Presentazione = false;
    emit Evento(false, {});
    emit Cambiato();
    presentationTimer.stop();
    ParcheggiaPresentazione();
}

void DisplayWindow::ParcheggiaPresentazione() {
    presentationCard->move(Larghezza() + TwipsInPixel(Parcheggio), presentationCard->y());
}

void DisplayWindow::presentationTick() {
    StatoPresentazione& s = presentazione_;
    if (s.RichiestaStop == 1) {
        TimerIngrandimento.stop();
        presentationPhoto->setScaledContents(true);
        passiFoto_.reset();
        FinePresentazione();
        if (geometriaFoto_.isValid()) {
            presentationPhoto->setGeometry(geometriaFoto_);
        }
        return;
    }
    emit Evento(true, modulo_.Traduci(QStringLiteral("Presenta")) + u' ' +
                          modulo_.Traduci(QStringLiteral("Squadra")));
    if (s.PassoPresentazione == 0) {
        CaricaPersona();
        if (!presentationTimer.isActive()) {
            return;
        }
    }
    const int centro = static_cast<int>(PixelInTwips(Larghezza() / 2 - presentationCard->width() / 2));
    const MossaPresentazione mossa =
        MuoviPresentazione(s, static_cast<int>(PixelInTwips(presentationCard->x())), centro);
    if (mossa.Tieni && s.FotoMancante == 0 && passiFoto_) {
        // The photo grows one prepared step a frame: the label scales nothing.
        passoFoto_ = 0;
        presentationPhoto->setScaledContents(false);
        TimerIngrandimento.start();
    }
    presentationTimer.setInterval(mossa.Intervallo);
    presentationCard->move(TwipsInPixel(mossa.Left), presentationCard->y());
    if (presentationCard->x() < -presentationCard->width()) {
        presentationCard->move(Larghezza(), presentationCard->y());
        s.FasePresentazione = 0;
        s.PassoPresentazione = 0;
        presentationPhoto->setGeometry(geometriaFoto_);
        const int righe = static_cast<int>(
            NumeriConvocati(partita_.Rose[s.SquadraPresentata == 1 ? 1 : 0]).size());
        if (s.RigaPresentata > righe) {
            emit Evento(false, {});
            presentationTimer.stop();
        }
    }
}

void DisplayWindow::TimerIngrandimento_Timer() {
    if (!passiFoto_ || passoFoto_ >= passiFoto_->Immagini.size()) {
        TimerIngrandimento.stop();
        presentationPhoto->setScaledContents(true);
        passiFoto_.reset();
        return;
    }
    presentationPhoto->setPixmap(QPixmap::fromImage(std::move(passiFoto_->Immagini[passoFoto_])));
    presentationPhoto->setGeometry(passiFoto_->Rettangoli[passoFoto_]);
    ++passoFoto_;
}

void DisplayWindow::CaricaPersona() {
    StatoPresentazione& s = presentazione_;
    s.PassoPresentazione = PassoEntrata;
    geometriaFoto_ = presentationPhoto->geometry();
    presentationRole->raise();
    presentationPhoto->lower();
    s.RigaPresentata += 1;
    emit Cambiato();
    const int lato = s.SquadraPresentata == 1 ? 1 : 0;
    const Rosa& rosa = partita_.Rose[lato];
    const QStringList numeri = NumeriConvocati(rosa);
    const QString numero = s.RigaPresentata <= numeri.size() ? numeri[s.RigaPresentata - 1]
                                                             : QString();
    presentationNumber->setText(numero);
    presentationHeading->setText(CognomeAtleta(rosa, numero, modulo_.Lingue) + u' ' + NomeAtleta(rosa, numero));
    presentationRole->setText(RuoloAtleta(rosa, numero, modulo_.Lingue));
    presentationSide->setText(lato == 1 ? QStringLiteral("G U E S T S") : QStringLiteral("H O M E"));
    const QString stile = LabScore[lato]->styleSheet();
    for (QLabel* e : {presentationHeading, presentationRole, presentationNumber, presentationSide}) {
        e->setStyleSheet(stile);
    }
    presentationCard->setStyleSheet(QStringLiteral("QFrame{") + stile + u'}');
    const QString cartella = CartellaSquadra(modulo_.CartellaDati, partita_.NomeSquadra[lato]);
    MostraFotoPresentazione(numero.isEmpty() ? QString() : FotoAtleta(cartella, numero));
    if (numero.isEmpty()) {
        if (lato == 0) {
            s.SquadraPresentata = 1;
            s.PassoPresentazione = 0;
            s.RigaPresentata = 0;
        } else {
            FinePresentazione();
        }
        return;
    }
    const QString audio = AudioAtleta(cartella, numero);
    if (!audio.isEmpty() && QFileInfo::exists(audio)) {
        lettore_.FermaAudio();
        lettore_.SuonaAudio(audio);
    }
}

// The photo at display width / 3.4; the default silhouette a little taller, never enlarged.
// The silhouette stands in while the photo is decoded: the panel is still entering.
void DisplayWindow::MostraFotoPresentazione(const QString& foto) {
    const int larghezza = static_cast<int>(Larghezza() / 3.4);
    const quint64 persona = ++personaPresentata_;
    passiFoto_.reset();
    const QPixmap sagoma = builtInPictures[0]->pixmap();
    const double proporzioneSagoma =
        sagoma.width() > 0 ? static_cast<double>(sagoma.height()) / sagoma.width() : 1.0;
    presentationPhoto->setPixmap(sagoma);
    presentationPhoto->resize(larghezza, static_cast<int>(AltezzaSagoma * larghezza * proporzioneSagoma));
    const bool conFoto = !foto.isEmpty() && QFileInfo::exists(foto);
    presentazione_.FotoMancante = conFoto ? 0 : 1;
    if (!conFoto) {
        return;
    }
    const QPoint angolo = presentationPhoto->pos();
    const int larghezzaFoto = LarghezzaFoto();
    lavoroPresentazione_.start([this, persona, foto, larghezza, larghezzaFoto, angolo] {
        const QImage immagine = DecodificaImmagine(foto, larghezzaFoto);
        PassiFoto passi;
        QSize iniziale;
        if (!immagine.isNull()) {
            const double proporzione = static_cast<double>(immagine.height()) / immagine.width();
            iniziale = QSize(larghezza, static_cast<int>(larghezza * proporzione));
            RettangoloFoto r{static_cast<double>(angolo.x()), static_cast<double>(angolo.y()),
                             static_cast<double>(iniziale.width()),
                             static_cast<double>(iniziale.height())};
            // Only the last step is scaled smoothly: the ones before are on screen a moment.
            for (int i = 0; i < PassiIngrandimento; ++i) {
                r = IngrandisciFoto(r);
                const QSize dimensione(static_cast<int>(r.Width), static_cast<int>(r.Height));
                passi.Immagini.push_back(immagine.scaled(
                    dimensione, Qt::IgnoreAspectRatio,
                    i + 1 < PassiIngrandimento ? Qt::FastTransformation : Qt::SmoothTransformation));
                passi.Rettangoli.emplace_back(
                    QPoint(static_cast<int>(r.Left), static_cast<int>(r.Top)), dimensione);
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, persona, immagine, iniziale, passi = std::move(passi)]() mutable {
                if (persona != personaPresentata_) {
                    return;
                }
                if (immagine.isNull()) {
                    presentazione_.FotoMancante = 1;
                    return;
                }
                presentationPhoto->setPixmap(QPixmap::fromImage(immagine));
                presentationPhoto->resize(iniziale);
                passiFoto_ = std::move(passi);
            },
            Qt::QueuedConnection);
    });
}

void DisplayWindow::AttendiFotoPresentazione() {
    lavoroPresentazione_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
