#include "shared/Language.h"

void LanguageTable::Load(const QStringList& lines) {
    if (lines.size() < 2) {
        return;
    }
    QString rest = lines[1];
    for (int i = 1; !rest.isEmpty() && i <= HeaderFields;) {
        const qsizetype separator = rest.indexOf(u';');
        if (separator < 0) {
            names_[i] = rest;
            codes_[i] = rest.left(3);
            break;
        }
        names_[i] = rest.left(separator);
        codes_[i] = names_[i].left(3);
        ++i;
        rest = rest.mid(separator + 1);
        if (rest.trimmed().isEmpty()) {
            break;
        }
    }
    for (qsizetype r = 0; r + 2 < lines.size() && r < Lines; ++r) {
        QString line = lines[r + 2];
        for (int c = 0; c < Columns; ++c) {
            const qsizetype separator = line.indexOf(u';');
            if (separator < 0) {
                table_[r][c] = line;
                break;
            }
            table_[r][c] = line.left(separator);
            line = line.mid(separator + 1);
            if (line.trimmed().isEmpty()) {
                break;
            }
        }
    }
}

QString LanguageTable::Translate(const QString& text) const {
    if (CurrentLanguage == QStringLiteral("ITA")) {
        return text;
    }
    const QString sought = text.trimmed().toUpper();
    for (const auto& line : table_) {
        if (line[0].isEmpty()) {
            break;
        }
        if (line[0].trimmed().toUpper() == sought) {
            const int column = LanguageColumn >= 0 && LanguageColumn < Columns ? LanguageColumn : 0;
            return line[column].isEmpty() ? line[1] : line[column];
        }
    }
    return text;
}
