#include "doppi/Doppi.h"

#include <gtest/gtest.h>

DialoghiFinti::~DialoghiFinti() {
    for (const QString& f : file_) {
        ADD_FAILURE() << "expected file dialog never shown: " << f.toStdString();
    }
    if (!input_.empty()) {
        ADD_FAILURE() << "expected input box never shown";
    }
    for (const Attesa& a : copione_) {
        ADD_FAILURE() << "expected message never shown: " << a.testo.toStdString();
    }
}

void DialoghiFinti::Attendi(const QString& testo, Risposta risposta) {
    copione_.push_back({testo, risposta});
}

Risposta DialoghiFinti::Messaggio(const QString& testo, Pulsanti, Predefinito predefinito) {
    Mostrati.append(testo);
    Predefiniti.append(predefinito);
    if (AlMessaggio) {
        AlMessaggio(testo);
    }
    if (copione_.empty()) {
        ADD_FAILURE() << "unexpected message: " << testo.toStdString();
        return Risposta::Annulla;
    }
    const Attesa a = copione_.front();
    copione_.pop_front();
    EXPECT_EQ(a.testo.toStdString(), testo.toStdString());
    return a.risposta;
}

std::optional<QString> DialoghiFinti::InputBox(const QString& domanda, const QString& titolo,
                                               const QString&) {
    Mostrati.append(titolo + QStringLiteral(": ") + domanda);
    if (input_.empty()) {
        ADD_FAILURE() << "unexpected input box: " << domanda.toStdString();
        return std::nullopt;
    }
    const Input risposta = input_.front();
    input_.pop_front();
    if (risposta.annullato) {
        return std::nullopt;
    }
    return risposta.testo;
}

void DialoghiFinti::AttendiFile(const QString& percorso) {
    file_.push_back(percorso);
}

QString DialoghiFinti::RispostaFile(const QString& titolo) {
    if (file_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << titolo.toStdString();
        return {};
    }
    const QString percorso = file_.front();
    file_.pop_front();
    return percorso;
}

QString DialoghiFinti::ApriFile(const QString& titolo, const QString&, const QString&) {
    return RispostaFile(titolo);
}

QString DialoghiFinti::SalvaFile(const QString& titolo, const QString&, const QString&,
                                 const QString&) {
    return RispostaFile(titolo);
}

bool CanaleAudioFinto::Apri(const QString& percorso) {
    chiamate.append(QStringLiteral("apri ") + percorso);
    if (aperto || percorso.isEmpty() || illeggibili.contains(percorso)) {
        return false;
    }
    aperto = true;
    return true;
}

bool CanaleAudioFinto::Suona() {
    chiamate.append(QStringLiteral("suona"));
    return !suonoGuasto;
}

FinestreModaliFinte::~FinestreModaliFinte() {
    if (!copione_.empty()) {
        ADD_FAILURE() << copione_.size() << " expected modal windows never shown";
    }
}

void FinestreModaliFinte::Mostra(QDialog& finestra) {
    if (copione_.empty()) {
        ADD_FAILURE() << "unexpected modal window";
        return;
    }
    auto passo = std::move(copione_.front());
    copione_.pop_front();
    passo(finestra);
}
