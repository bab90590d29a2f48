#include "report/ui/CommandLine.h"

#include "shared/FileText.h"
#include "shared/Product.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int code;
    QString output, errors;
};

Outcome Command(const QStringList& arguments) {
    Outcome o;
    QTextStream output(&o.output), errors(&o.errors);
    o.code = RunCommandLine(arguments, QStringLiteral(BRIVANTA_DATA), output, errors);
    return o;
}

// The options that start each usage line ("  brivanta --venue [--port N]…" gives --venue).
QStringList Commands(const QString& usage) {
    QStringList commands;
    const QRegularExpression line(QStringLiteral("^  brivanta (--[a-z-]+)"),
                                  QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(usage); it.hasNext();) {
        commands << it.next().captured(1);
    }
    return commands;
}

TEST(CommandLineTest, HelpListsEveryCommandOnItsOwnLine) {
    const Outcome help = Command({"--help"});
    EXPECT_EQ(0, help.code);
    EXPECT_TRUE(help.errors.isEmpty());
    EXPECT_EQ((QStringList{"--report", "--venue", "--export-team", "--import-team", "--help",
                           "--version"}),
              Commands(help.output))
        << help.output.toStdString();
}

TEST(CommandLineTest, VersionPrintsTheNameAndVersion) {
    const Outcome version = Command({"--version"});
    EXPECT_EQ(0, version.code);
    EXPECT_EQ(QStringLiteral("Brivanta ") + VersionText(ProgramVersion()) + u'\n', version.output);
    EXPECT_TRUE(version.errors.isEmpty());
}

TEST(CommandLineTest, AnUnknownOptionIsRefusedWithTheWholeUsage) {
    const QString usage = Command({"--help"}).output;
    struct Case {
        QStringList arguments;
        const char* unknown;
    };
    const Case cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"--reprot", "x.txt", "--out", "y"}, "--reprot"},
        {{"--report", "x.txt", "--out", "y", "extra"}, "extra"},
    };
    for (const Case& c : cases) {
        const Outcome refused = Command(c.arguments);
        EXPECT_EQ(2, refused.code) << c.unknown;
        EXPECT_TRUE(refused.output.isEmpty());
        EXPECT_TRUE(refused.errors.startsWith(QStringLiteral("brivanta: unknown option: ") +
                                              QLatin1String(c.unknown) + u'\n'))
            << refused.errors.toStdString();
        EXPECT_TRUE(refused.errors.endsWith(usage)) << refused.errors.toStdString();
    }
}

TEST(CommandLineTest, TheManualPageNamesEveryCommandTheUsageLists) {
    const auto page =
        ReadTextFile(QStringLiteral(BRIVANTA_DATA "/../packaging/brivanta.1"), 1 << 20);
    ASSERT_TRUE(page.has_value());
    const QString manual = page->join(u'\n');
    for (const QString& command : Commands(Command({"--help"}).output)) {
        // groff writes a dash as "\-".
        QString written = command;
        written.replace(u'-', QStringLiteral("\\-"));
        EXPECT_TRUE(manual.contains(QStringLiteral(".B ") + written) ||
                    manual.contains(QStringLiteral(".BI ") + written))
            << command.toStdString() << " has no entry of its own in the manual page";
    }
}

} // namespace
