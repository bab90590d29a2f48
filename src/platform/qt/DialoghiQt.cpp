#include "platform/qt/DialoghiQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
const QString Titolo = QStringLiteral("Brivanta");

QWidget* Genitore() {
    return QApplication::activeWindow();
}
} // namespace

Risposta DialoghiQt::Messaggio(const QString& testo, Pulsanti pulsanti) {
    switch (pulsanti) {
    case Pulsanti::Ok:
        QMessageBox::information(Genitore(), Titolo, testo, QMessageBox::Ok);
        return Risposta::Ok;
    case Pulsanti::OkAnnulla:
        return QMessageBox::question(Genitore(), Titolo, testo,
                                     QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
                   ? Risposta::Ok
                   : Risposta::Annulla;
    case Pulsanti::SiNo:
        return QMessageBox::question(Genitore(), Titolo, testo,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::No
                   ? Risposta::No
                   : Risposta::Si;
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
    return QFileDialog::getSaveFileName(Genitore(), titolo, QDir(cartella).filePath(nome), filtro);
}

void DialoghiQt::Beep() {
    QApplication::beep();
}
