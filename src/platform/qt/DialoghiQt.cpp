#include "platform/qt/DialoghiQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QHash>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {
const QString Titolo = QStringLiteral("Brivanta");

// Qt's own translations of its buttons and dialogs, for the languages the program ships.
QString LinguaQt(const QString& codice) {
    static const QHash<QString, QString> lingue{{QStringLiteral("ITA"), QStringLiteral("it")},
                                                {QStringLiteral("FRA"), QStringLiteral("fr")},
                                                {QStringLiteral("DEU"), QStringLiteral("de")},
                                                {QStringLiteral("ESP"), QStringLiteral("es")}};
    return lingue.value(codice.toUpper());
}
} // namespace

DialoghiQt::DialoghiQt() = default;

DialoghiQt::~DialoghiQt() {
    if (traduzioni_) {
        QCoreApplication::removeTranslator(traduzioni_.get());
    }
}

void DialoghiQt::ImpostaLingua(const QString& codice) {
    if (traduzioni_) {
        QCoreApplication::removeTranslator(traduzioni_.get());
        traduzioni_.reset();
    }
    const QString lingua = LinguaQt(codice);
    if (lingua.isEmpty()) {
        return;
    }
    auto traduzioni = std::make_unique<QTranslator>();
    // Beside the program first (a Windows build ships them there), then Qt's own folder.
    for (const QString& cartella : {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (traduzioni->load(QStringLiteral("qtbase_") + lingua, cartella)) {
            traduzioni_ = std::move(traduzioni);
            QCoreApplication::installTranslator(traduzioni_.get());
            return;
        }
    }
}

QWidget* DialoghiQt::Genitore() const {
    if (QWidget* modale = QApplication::activeModalWidget()) {
        return modale;
    }
    if (principale_) {
        return principale_;
    }
    return QApplication::activeWindow();
}

std::unique_ptr<QMessageBox> DialoghiQt::CreaMessaggio(const QString& testo, Pulsanti pulsanti,
                                                       Predefinito predefinito) const {
    auto box = std::make_unique<QMessageBox>(Genitore());
    box->setWindowTitle(Titolo);
    box->setText(testo);
    const bool rinuncia = predefinito == Predefinito::Rinuncia;
    switch (pulsanti) {
    case Pulsanti::Ok:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        break;
    case Pulsanti::OkAnnulla:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(rinuncia ? QMessageBox::Cancel : QMessageBox::Ok);
        break;
    case Pulsanti::SiNo:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(rinuncia ? QMessageBox::No : QMessageBox::Yes);
        break;
    case Pulsanti::SiNoAnnulla:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(rinuncia ? QMessageBox::Cancel : QMessageBox::Yes);
        break;
    }
    return box;
}

Risposta DialoghiQt::Messaggio(const QString& testo, Pulsanti pulsanti,
                               Predefinito predefinito) {
    const auto box = CreaMessaggio(testo, pulsanti, predefinito);
    const int scelta = box->exec();
    switch (pulsanti) {
    case Pulsanti::Ok:
        return Risposta::Ok;
    case Pulsanti::OkAnnulla:
        return scelta == QMessageBox::Ok ? Risposta::Ok : Risposta::Annulla;
    case Pulsanti::SiNo:
        // Esc or the title bar on a Yes/No box answers No: nothing is thrown away.
        return scelta == QMessageBox::Yes ? Risposta::Si : Risposta::No;
    case Pulsanti::SiNoAnnulla:
        return scelta == QMessageBox::Yes  ? Risposta::Si
               : scelta == QMessageBox::No ? Risposta::No
                                           : Risposta::Annulla;
    }
    return Risposta::Annulla;
}

std::optional<QString> DialoghiQt::InputBox(const QString& domanda, const QString& titolo,
                                            const QString& predefinito) {
    bool ok = false;
    const QString testo =
        QInputDialog::getText(Genitore(), titolo, domanda, QLineEdit::Normal, predefinito, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return testo;
}

QString DialoghiQt::ApriFile(const QString& titolo, const QString& cartella,
                             const QString& filtro) {
    return QFileDialog::getOpenFileName(Genitore(), titolo, cartella, filtro);
}

QString DialoghiQt::SalvaFile(const QString& titolo, const QString& cartella, const QString& nome,
                              const QString& filtro) {
    // The program asks its own overwrite question, in the operator's language.
    return QFileDialog::getSaveFileName(Genitore(), titolo, QDir(cartella).filePath(nome), filtro,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString DialoghiQt::ScegliCartella(const QString& titolo, const QString& cartella) {
    return QFileDialog::getExistingDirectory(Genitore(), titolo, cartella);
}

void DialoghiQt::Beep() {
    QApplication::beep();
}
