#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <memory>

// One running program per user. The first holds a lock and listens; a later one
// asks the first to come forward and then ends.
class IstanzaSingola : public QObject {
    Q_OBJECT
public:
    // The lock goes in the first of `cartelle` where it can be written (the temporary folder,
    // then the user's data folder).
    IstanzaSingola(const QStringList& cartelle, const QString& nome);
    static QString NomePerUtente();
    // False only when another instance really runs (it has been asked to show itself). A
    // lock that cannot be written anywhere lets this one run: better two scoreboards than none.
    bool Prima();

signals:
    void Richiamata();

private:
    bool ChiamaLaPrima() const;

    QStringList cartelle_;
    QString nome_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};
