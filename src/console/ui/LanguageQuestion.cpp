#include "console/ui/LanguageQuestion.h"

#include "shared/Language.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

LanguageQuestion::LanguageQuestion(const LanguageTable& languages, const QString& offered) {
    const auto t = [&languages](const char* text) {
        return languages.Translate(QString::fromUtf8(text));
    };
    setWindowTitle(QStringLiteral("Brivanta - ") + t("Lingua"));
    prompt = new QLabel(
        t("Scegli la lingua di Brivanta. Potrai cambiarla dal menu Opzioni › Lingua."), this);
    prompt->setWordWrap(true);
    choices = new QListWidget(this);
    // Each language under its own name, so the operator finds theirs whatever is offered.
    for (int i = 1; i <= LanguageTable::LanguagesInMenu; ++i) {
        const QString& code = languages.LanguageCodes()[i];
        if (code.isEmpty()) {
            continue;
        }
        codes_ << code;
        choices->addItem(languages.LanguageNames()[i].mid(4));
        if (code == offered) {
            choices->setCurrentRow(choices->count() - 1);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(choices, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(choices);
    layout->addWidget(buttons);
    choices->setFocus();
}

QString LanguageQuestion::chosenLanguage() const {
    const int row = choices->currentRow();
    return row >= 0 && row < codes_.size() ? codes_[row] : QString();
}
