#include "console/Messages.h"
#include "doubles/ConsoleProbe.h"
#include "doubles/Environment.h"
#include "doubles/Printing.h"
#include "options/ui/OptionsWindow.h"
#include "shared/FileText.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTableWidget>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// Words shown as they are in every language, kept few: the program's name, key names on the
// keyboard, a protocol's name, "Zoom All" (the display's own word, so named in the help of
// every language) and the sample teams' names. Anything else the operator reads needs a row.
const QStringList International{
    QStringLiteral("OK"),   QStringLiteral("Brivanta"), QStringLiteral("Ctrl"),
    QStringLiteral("Esc"),  QStringLiteral("TLS"),      QStringLiteral("Zoom"),
    QStringLiteral("All"),  QStringLiteral("Home"),     QStringLiteral("Guests"),
    QStringLiteral("Lupi"),
};

// Addresses, paths and file names are names, not words; so are words holding digits (secrets,
// codes), once the rows that hold digits have been read.
const QRegularExpression
    Names(QStringLiteral(R"re(\S+://\S+|\S+@\S+|(?<!\w)/\S+|\b[\w-]+\.[A-Za-z]{3}\b)re"));
const QRegularExpression Codes(QStringLiteral(R"re(\S*\d\S*)re"));

// One text a window shows, and where.
struct Shown {
    QString where;
    QString text;
};

QString Plain(QString text) {
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

// Every caption, title, tooltip, item and heading of a window and what it holds.
std::vector<Shown> TextsOf(QWidget& window) {
    std::vector<Shown> all;
    const QString name = window.metaObject()->className();
    auto add = [&](const QObject* o, const QString& text) {
        if (!text.trimmed().isEmpty()) {
            all.push_back(
                {name + u'/' + o->metaObject()->className() + u' ' + o->objectName(), Plain(text)});
        }
    };
    add(&window, window.windowTitle());
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* w : widgets) {
        add(w, w->toolTip());
        if (auto* e = qobject_cast<QLabel*>(w)) {
            add(e, e->text());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            add(b, b->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            add(g, g->title());
        } else if (auto* l = qobject_cast<QLineEdit*>(w)) {
            add(l, l->placeholderText());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i) {
                add(c, c->itemText(i));
            }
        } else if (auto* m = qobject_cast<QMenu*>(w)) {
            add(m, m->title());
        } else if (auto* t = qobject_cast<QTableWidget*>(w)) {
            for (int i = 0; i < t->columnCount(); ++i) {
                if (t->horizontalHeaderItem(i) != nullptr) {
                    add(t, t->horizontalHeaderItem(i)->text());
                    add(t, t->horizontalHeaderItem(i)->toolTip());
                }
            }
        }
    }
    for (const QAction* a : window.findChildren<QAction*>()) {
        add(a, a->text());
        if (a->toolTip() != QString(a->text()).remove(u'&')) {
            add(a, a->toolTip());
        }
    }
    return all;
}

// The language table as the program ships it, read as texts: every key, and what it shows in
// one language.
class Table {
  public:
    explicit Table(const ConsoleProbe& console) {
        const QStringList lines =
            ReadTextFile(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv", 1 << 20).value();
        const bool italian = console.common().Languages.LanguageColumn == 0;
        // The set ordinals, the languages by their own names and this machine's name are shown
        // as they are in every language.
        QStringList shown{QSysInfo::machineHostName()};
        for (int set = 1; set <= 5; ++set) {
            shown << SetLabelFor(set, console.common().Languages);
        }
        for (const QString& name : console.common().Languages.LanguageNames()) {
            shown << name.mid(4);
        }
        for (qsizetype i = 2; i < lines.size(); ++i) {
            const QString key = lines[i].section(u';', 0, 0).trimmed();
            const QString text = console.common().Translate(key).trimmed();
            if (key.isEmpty()) {
                continue;
            }
            shown << text.simplified();
            if (!italian && text.compare(key, Qt::CaseInsensitive) != 0) {
                untranslated_.insert(key.toLower());
            }
        }
        // Longest first, so a row inside a longer row's text takes nothing from it.
        std::sort(shown.begin(), shown.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const QString& text : shown) {
            if (text.size() >= 2) {
                rows_.emplace_back(QStringLiteral("(?<!\\w)") + QRegularExpression::escape(text) +
                                       QStringLiteral("(?!\\w)"),
                                   QRegularExpression::CaseInsensitiveOption |
                                       QRegularExpression::UseUnicodePropertiesOption);
            }
        }
    }

    // Why the text is not in the operator's language; empty when it is.
    QString Fault(const QString& text) const {
        static const QRegularExpression ending(QStringLiteral("[\\s:.…]+$"));
        const QString bare = QString(text).simplified().remove(ending).toLower();
        if (untranslated_.contains(bare)) {
            return QStringLiteral("Italian");
        }
        QString rest = QString(text).replace(Names, QStringLiteral(" ")).simplified();
        for (const QRegularExpression& row : rows_) {
            rest.replace(row, QStringLiteral(" "));
        }
        rest.replace(Codes, QStringLiteral(" "));
        static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
        QStringList unknown;
        for (auto m = word.globalMatch(rest); m.hasNext();) {
            const QString w = m.next().captured();
            if (!International.contains(w, Qt::CaseInsensitive)) {
                unknown << w;
            }
        }
        return unknown.isEmpty() ? QString() : QStringLiteral("no row for ") + unknown.join(u' ');
    }

  private:
    QSet<QString> untranslated_;
    std::vector<QRegularExpression> rows_;
};

class EveryWordScenario : public ::testing::TestWithParam<const char*> {
  protected:
    EveryWordScenario() {
        QFile::copy(QStringLiteral(BRIVANTA_DATA) + "/Languages.csv",
                    a.program + QStringLiteral("/Languages.csv"));
        a.f.settings.values[QStringLiteral("Language")] = QString::fromLatin1(GetParam());
        console.load();
    }
    // The window the console opens modally, read while it is open.
    template <class Open> void Modal(Open open) {
        a.f.modal.Expect([this](QDialog& d) { Read(d); });
        open();
    }
    void Read(QWidget& window) {
        for (Shown& s : TextsOf(window)) {
            texts.push_back(std::move(s));
        }
    }

    Environment a;
    ConsoleProbe console{a.f.platform};
    std::vector<Shown> texts;
};

TEST_P(EveryWordScenario, EveryWindowSpeaksTheOperatorsLanguage) {
    Read(console.window());
    Read(console.display().window());
    a.f.modal.Expect([this](QDialog& d) {
        Read(d);
        auto& options = static_cast<OptionsWindow&>(d);
        a.f.modal.Expect([this](QDialog& picker) {
            texts.push_back({QStringLiteral("ColourPicker title"), picker.windowTitle()});
        });
        options.chooseSampleColour(0);
        a.f.modal.Expect([this](QDialog& sounds) { Read(sounds); });
        options.openSounds();
    });
    console.window().openSettings();
    Modal([this] { console.openSponsorManager(); });
    Modal([this] { console.openTeamEditor(); });
    Modal([this] { console.openKeysWindow(); });
    Modal([this] { console.openRemoteWindow(); });
    Modal([this] { console.openAboutBox(); });
    console.changeScore(0);
    console.selectStatistics(1);
    console.showStatistics();
    Read(console.display().window());
    a.f.dialogs.Expect(
        console.common().Translate(QString::fromUtf8(ConsoleMessages::AbandonForNewMatch)),
        Answer::Cancel);
    console.newMatch();
    for (const QString& message : a.f.dialogs.Shown) {
        texts.push_back({QStringLiteral("message"), message});
    }
    ASSERT_GT(texts.size(), 200u) << "the walk reached the windows";

    const Table table(console);
    int faults = 0;
    for (const Shown& s : texts) {
        const QString fault = table.Fault(s.text);
        if (!fault.isEmpty()) {
            ++faults;
            ADD_FAILURE() << GetParam() << ' ' << s.where.toStdString() << ": \""
                          << s.text.toStdString() << "\" " << fault.toStdString();
        }
    }
    EXPECT_EQ(0, faults) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryWordScenario,
                         ::testing::Values("ITA", "ENG", "FRA", "DEU", "ESP"));

} // namespace
