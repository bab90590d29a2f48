#pragma once

#include "platform/CanaleAudio.h"
#include "platform/Cartelle.h"
#include "platform/Dialoghi.h"
#include "platform/Disco.h"
#include "platform/FinestreModali.h"
#include "platform/Impostazioni.h"
#include "platform/Orologio.h"
#include "platform/Piattaforma.h"
#include "platform/Processo.h"
#include "platform/ServerLive.h"
#include "platform/Shell.h"
#include "shared/TestoFile.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <deque>
#include <thread>
#include <functional>

// Answers messages from a script; a message the test did not expect fails it.
class DialoghiFinti : public Dialoghi {
public:
    ~DialoghiFinti() override;
    void Attendi(const QString& testo, Risposta risposta = Risposta::Ok);
    // The next open or save dialog answers this path ("" = cancelled).
    void AttendiFile(const QString& percorso);
    // The next input box answers this (nothing = cancelled).
    void AttendiInput(const std::optional<QString>& risposta) {
        input_.push_back({!risposta.has_value(), risposta.value_or(QString())});
    }
    using Dialoghi::Messaggio;
    Risposta Messaggio(const QString& testo, Pulsanti pulsanti,
                       Predefinito predefinito) override;
    std::optional<QString> InputBox(const QString& domanda, const QString& titolo,
                                    const QString& predefinito) override;
    QString ApriFile(const QString& titolo, const QString& cartella,
                     const QString& filtro) override;
    QString SalvaFile(const QString& titolo, const QString& cartella, const QString& nome,
                      const QString& filtro) override;
    QString ScegliCartella(const QString& titolo, const QString&) override {
        return RispostaFile(titolo);
    }
    void Beep() override { ++Segnali; }
    void ImpostaLingua(const QString& codice) override { Lingua = codice; }

    QStringList Mostrati;
    // The default button of each message shown, in order.
    QList<Predefinito> Predefiniti;
    // Runs while a message is open, to look at what the user sees behind it.
    std::function<void(const QString&)> AlMessaggio;
    int Segnali = 0; // beeps heard
    QString Lingua;  // the standard buttons' language

private:
    struct Attesa {
        QString testo;
        Risposta risposta;
    };
    std::deque<Attesa> copione_;
    std::deque<QString> file_;
    struct Input {
        bool annullato;
        QString testo;
    };
    std::deque<Input> input_;
    QString RispostaFile(const QString& titolo);
};

// Answers yes to everything: for long unattended runs.
class DialoghiSempreSi : public Dialoghi {
public:
    using Dialoghi::Messaggio;
    Risposta Messaggio(const QString&, Pulsanti p, Predefinito) override {
        return p == Pulsanti::SiNo || p == Pulsanti::SiNoAnnulla ? Risposta::Si : Risposta::Ok;
    }
    std::optional<QString> InputBox(const QString&, const QString&,
                                    const QString& predefinito) override {
        return predefinito;
    }
    QString ApriFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SalvaFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString ScegliCartella(const QString&, const QString&) override { return {}; }
    void Beep() override {}
    void ImpostaLingua(const QString&) override {}
};

class ImpostazioniFinte : public Impostazioni {
public:
    QString Leggi(const QString& chiave) const override { return valori.value(chiave); }
    void Scrivi(const QString& chiave, const QString& valore) override { valori[chiave] = valore; }
    QMap<QString, QString> valori;
};

class CartelleFinte : public Cartelle {
public:
    QString Documenti() const override { return documenti; }
    QString Programma() const override { return programma; }
    QString Temporanea() const override { return temporanea; }
    QString Utente() const override { return utente; }
    bool ProgrammaScrivibile() const override { return programmaScrivibile; }
    bool programmaScrivibile = true;
    QString documenti;
    QString utente;
    QString programma;
    QString temporanea;
};

class OrologioFinto : public Orologio {
public:
    QDateTime Adesso() const override { return adesso; }
    QDateTime adesso{QDate(2026, 12, 9), QTime(15, 42, 10)};
};

class ShellFinta : public Shell {
public:
    bool Apri(const QString& percorso) override {
        aperti.append(percorso);
        return true;
    }
    QStringList aperti;
};

class ProcessoFinto : public Processo {
public:
    void Termina() override { ++terminato; }
    int terminato = 0;
};

// Records every call; a path listed in `illeggibili` fails to open.
class CanaleAudioFinto : public CanaleAudio {
public:
    bool Apri(const QString& percorso) override;
    bool Suona() override;
    void Ferma() override { chiamate.append(QStringLiteral("ferma")); }
    void Chiudi() override {
        chiamate.append(QStringLiteral("chiudi"));
        aperto = false;
    }
    QStringList chiamate;
    QStringList illeggibili;
    bool suonoGuasto = false;
    bool aperto = false;
};

// Each modal window is handed to the next scripted step instead of being shown; a window
// the test did not expect fails it.
class FinestreModaliFinte : public FinestreModali {
public:
    ~FinestreModaliFinte() override;
    void Attendi(std::function<void(QDialog&)> passo) { copione_.push_back(std::move(passo)); }
    void Mostra(QDialog& finestra) override;
    bool Aperta() const override { return aperta; }
    // A question the test holds open on the console.
    bool aperta = false;

private:
    std::deque<std::function<void(QDialog&)>> copione_;
};

// Answers requests only when a test calls it; records what was pushed to the streams.
class ServerLiveFinto : public ServerLive {
public:
    bool Avvia(quint16 p, bool) override {
        if (occupata) {
            return false;
        }
        porta = p == 0 ? 1 : p;
        return true;
    }
    void Ferma() override { porta = 0; }
    quint16 Porta() const override { return porta; }
    void Diffondi(const QByteArray& dati) override { diffusi.append(dati); }
    int Flussi() const override { return flussi; }
    bool Presente(quint64 id) const override { return !andati.contains(id); }
    QSet<quint64> andati; // deferred requests whose client has gone
    void Completa(quint64 id, const RispostaHttp& risposta) override {
        completate.emplaceBack(id, risposta);
    }
    quint16 porta = 0;
    bool occupata = false;
    int flussi = 0;
    QList<QByteArray> diffusi;
    QList<QPair<quint64, RispostaHttp>> completate;
};

// Writes for real, as slowly or as badly as the test needs.
class DiscoFinto : public Disco {
public:
    bool Scrivi(const QString& percorso, const QByteArray& dati, QString& motivo) override {
        if (ritardoMs > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(ritardoMs.load()));
        }
        ++tentativi;
        if (guasto) {
            motivo = QStringLiteral("guasto simulato");
            return false;
        }
        return ScriviFileIntero(percorso, dati, &motivo);
    }
    std::atomic<int> tentativi{0};
    std::atomic<int> ritardoMs{0};
    std::atomic<bool> guasto{false};
};

// Every platform service as a double; the dialogs as the test needs them.
template <class DialoghiDoppi>
struct PiattaformaDi {
    DialoghiDoppi dialoghi;
    ImpostazioniFinte impostazioni;
    CartelleFinte cartelle;
    OrologioFinto orologio;
    ShellFinta shell;
    ProcessoFinto processo;
    CanaleAudioFinto audio;
    FinestreModaliFinte modali;
    ServerLiveFinto live;
    DiscoFinto disco;
    Piattaforma piattaforma{dialoghi, impostazioni, cartelle, orologio, shell,
                            processo, audio,    modali,  live,     disco};
};

using PiattaformaFinta = PiattaformaDi<DialoghiFinti>;

// For long unattended runs in one folder: every question answered yes.
struct PiattaformaIncustodita : PiattaformaDi<DialoghiSempreSi> {
    explicit PiattaformaIncustodita(const QString& cartella) {
        cartelle.temporanea = cartella;
        cartelle.programma = cartella;
        cartelle.utente = cartella + QStringLiteral("/utente");
    }
};
