#pragma once

#include "platform/Cartelle.h"
#include "platform/Disco.h"
#include "platform/FinestreModali.h"
#include "platform/Impostazioni.h"
#include "platform/Orologio.h"
#include "platform/Processo.h"
#include "platform/Shell.h"

#include <QSettings>

class ImpostazioniQt : public Impostazioni {
public:
    ImpostazioniQt();
    QString Leggi(const QString& chiave) const override;
    void Scrivi(const QString& chiave, const QString& valore) override;

private:
    void ProteggiSegreto();
    mutable QSettings settings_;
};

class CartelleQt : public Cartelle {
public:
    QString Documenti() const override;
    QString Programma() const override;
    QString Temporanea() const override;
    QString Utente() const override;
    bool ProgrammaScrivibile() const override;
};

class OrologioQt : public Orologio {
public:
    QDateTime Adesso() const override { return QDateTime::currentDateTime(); }
};

class ShellQt : public Shell {
public:
    bool Apri(const QString& percorsoOIndirizzo) override;
};

class ProcessoQt : public Processo {
public:
    void Termina() override;
};

class DiscoQt : public Disco {
public:
    bool Scrivi(const QString& percorso, const QByteArray& dati, QString& motivo) override;
};

class FinestreModaliQt : public FinestreModali {
public:
    void Mostra(QDialog& finestra) override;
    bool Aperta() const override;
};
