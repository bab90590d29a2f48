#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

// One running program per user. The first holds a lock and listens; a later one
// asks the first to come forward and then ends.
class IstanzaSingola : public QObject {
    Q_OBJECT
public:
    IstanzaSingola(const QString& cartella, const QString& nome);
    static QString NomePerUtente();
    // True when this is the only instance; otherwise the first one has been asked to show itself.
    bool Prima();

signals:
    void Richiamata();

private:
    QString nome_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};
