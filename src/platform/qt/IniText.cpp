#include "platform/qt/IniText.h"

namespace {

bool Hex(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Letters, digits and `_-.` as they are; `/` nests, so it becomes `\`; the rest %XX or %UXXXX.
QByteArray Key(const QString& key) {
    QByteArray out;
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                   (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return out;
}

// A leading `@` marks a typed value for QSettings, so a string's own is doubled; control
// characters are escaped, and a value with `;` `,` `=` or spaces at its ends is quoted (the
// reader would take it for a comment, a list, or trim it).
QByteArray Value(const QString& text) {
    const QString value = text.startsWith(u'@') ? u'@' + text : text;
    QByteArray out;
    bool quoted = false;
    bool escapeHexDigit = false;
    for (const QChar ch : value) {
        const char16_t c = ch.unicode();
        quoted = quoted || c == u';' || c == u',' || c == u'=';
        if (escapeHexDigit && Hex(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case u'\0':
            out += "\\0";
            escapeHexDigit = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
        case u'\\':
            out += '\\';
            out += static_cast<char>(c);
            break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeHexDigit = true;
            } else {
                out += QString(ch).toUtf8();
            }
        }
    }
    if (quoted || out.startsWith(' ') || out.endsWith(' ')) {
        out = '"' + out + '"';
    }
    return out;
}

} // namespace

QByteArray IniText(const QMap<QString, QString>& values) {
    QMap<QString, QMap<QString, QString>> groups;
    for (auto i = values.cbegin(); i != values.cend(); ++i) {
        const qsizetype slash = i.key().indexOf(u'/');
        groups[slash < 0 ? QString() : i.key().left(slash)][i.key().mid(slash + 1)] = i.value();
    }
    QByteArray text;
    for (auto g = groups.cbegin(); g != groups.cend(); ++g) {
        if (!text.isEmpty()) {
            text += '\n';
        }
        const QByteArray name = Key(g.key());
        text += name.isEmpty()                                      ? QByteArray("[General]")
                : name.compare("general", Qt::CaseInsensitive) == 0 ? "[%General]"
                                                                    : '[' + name + ']';
        text += '\n';
        for (auto k = g->cbegin(); k != g->cend(); ++k) {
            text += Key(k.key()) + '=' + Value(k.value()) + '\n';
        }
    }
    return text;
}
