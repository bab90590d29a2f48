#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {
const QString Title = QStringLiteral("Brivanta");

// Qt's own translations of its buttons and dialogs, for the languages the program ships.
QString QtLanguage(const QString& code) {
    static const QHash<QString, QString> languages{{QStringLiteral("ITA"), QStringLiteral("it")},
                                                   {QStringLiteral("FRA"), QStringLiteral("fr")},
                                                   {QStringLiteral("DEU"), QStringLiteral("de")},
                                                   {QStringLiteral("ESP"), QStringLiteral("es")}};
    return languages.value(code.toUpper());
}
} // namespace

QtDialogs::QtDialogs() = default;

QtDialogs::~QtDialogs() {
    if (translations_) {
        QCoreApplication::removeTranslator(translations_.get());
    }
}

void QtDialogs::SetLanguage(const QString& code) {
    if (translations_) {
        QCoreApplication::removeTranslator(translations_.get());
        translations_.reset();
    }
    const QString language = QtLanguage(code);
    if (language.isEmpty()) {
        return;
    }
    auto translations = std::make_unique<QTranslator>();
    // Beside the program first (a Windows build ships them there), then Qt's own folder.
    for (const QString& folder :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translations->load(QStringLiteral("qtbase_") + language, folder)) {
            translations_ = std::move(translations);
            QCoreApplication::installTranslator(translations_.get());
            return;
        }
    }
}

QWidget* QtDialogs::Parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (main_) {
        return main_;
    }
    return QApplication::activeWindow();
}

std::unique_ptr<QMessageBox> QtDialogs::CreateMessage(const QString& text, Buttons buttons,
                                                      Default byDefault) const {
    auto box = std::make_unique<QMessageBox>(Parent());
    box->setWindowTitle(Title);
    box->setText(text);
    const bool giveUp = byDefault == Default::GiveUp;
    switch (buttons) {
    case Buttons::Ok:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(giveUp ? QMessageBox::Cancel : QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(giveUp ? QMessageBox::No : QMessageBox::Yes);
        break;
    case Buttons::YesNoCancel:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(giveUp ? QMessageBox::Cancel : QMessageBox::Yes);
        break;
    }
    return box;
}

Answer QtDialogs::Message(const QString& text, Buttons buttons, Default byDefault) {
    const auto box = CreateMessage(text, buttons, byDefault);
    const int choice = box->exec();
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return choice == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        // Esc or the title bar on a Yes/No box answers No: nothing is thrown away.
        return choice == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        return choice == QMessageBox::Yes  ? Answer::Yes
               : choice == QMessageBox::No ? Answer::No
                                           : Answer::Cancel;
    }
    return Answer::Cancel;
}

void QtDialogs::Notice(const QString& text) {
    QMessageBox* box = CreateMessage(text, Buttons::Ok, Default::Confirm).release();
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

std::optional<QString> QtDialogs::InputBox(const QString& question, const QString& title,
                                           const QString& byDefault) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(Parent(), title, question, QLineEdit::Normal, byDefault, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

QString QtDialogs::OpenFile(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(Parent(), title, folder, filter);
}

QString QtDialogs::SaveFile(const QString& title, const QString& folder, const QString& name,
                            const QString& filter) {
    // The program asks its own overwrite question, in the operator's language.
    return QFileDialog::getSaveFileName(Parent(), title, QDir(folder).filePath(name), filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtDialogs::ChooseFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(Parent(), title, folder);
}

void QtDialogs::Beep() {
    QApplication::beep();
}
