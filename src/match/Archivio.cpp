#include "match/Archivio.h"

#include "shared/ScrittoreFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString Pulito(const QString& nome) {
    static const QRegularExpression vietati(QStringLiteral(R"re([\\/:*?"<>|\x00-\x1f])re"));
    QString pulito = nome.trimmed();
    pulito.replace(vietati, QStringLiteral("_"));
    return pulito.left(40);
}

// "yyyy-MM-dd HH-mm-ss *.txt"; spelled out so no "??-" reads as a trigraph.
const QString Filtro = QStringLiteral("[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] *.txt");

} // namespace

QString NomeCopia(const QDateTime& quando, const QString& casa, const QString& ospiti) {
    return quando.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) + u' ' + Pulito(casa) +
           QStringLiteral(" - ") + Pulito(ospiti) + QStringLiteral(".txt");
}

void PotaCopie(const QString& cartella, int tenute) {
    QDir dir(cartella);
    const QStringList copie = dir.entryList({Filtro}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = tenute; i < copie.size(); ++i) {
        dir.remove(copie[i]);
    }
}

Archivio::Archivio(Disco& disco, QString cartella)
    : cartella_(std::move(cartella)), scrittore_(std::make_unique<ScrittoreFile>(disco)) {
    connect(scrittore_.get(), &ScrittoreFile::Fallita, this,
            [this](const QString&, const QString& motivo) { emit Fallita(cartella_, motivo); });
}

Archivio::~Archivio() = default;

void Archivio::Conserva(const QByteArray& dati, const QDateTime& quando, const QString& casa,
                        const QString& ospiti) {
    if (cartella_.isEmpty()) {
        return;
    }
    QString nome = NomeCopia(quando, casa, ospiti);
    // Two copies in the same second (a save, then a new match) keep both; "_" sorts the
    // second after the first.
    for (int n = 2; nomi_.contains(nome) || QFileInfo::exists(QDir(cartella_).filePath(nome));
         ++n) {
        nome = NomeCopia(quando, casa, ospiti).chopped(4) + QStringLiteral("_%1.txt").arg(n);
    }
    nomi_.insert(nome);
    const QString cartella = cartella_;
    QDir().mkpath(cartella);
    scrittore_->Consegna(QDir(cartella).filePath(nome), dati,
                         [cartella] { PotaCopie(cartella, Tenute); });
}

bool Archivio::Attendi(int ms) {
    return scrittore_->Attendi(ms);
}
