// The team editor's rosters from spreadsheets: cells pasted into the grid, CSV or XLSX files.
// Nothing is written until "Salva", as with typed rows.
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/ModalWindows.h"
#include "platform/Platform.h"
#include "shared/CommonSettings.h"
#include "shared/ui/ImportImage.h"
#include "teams/Messages.h"
#include "teams/RosterImport.h"
#include "teams/Teams.h"
#include "teams/ui/SpreadsheetPreview.h"
#include "teams/ui/TeamEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QKeyEvent>
#include <QTemporaryDir>

void TeamEditor::fillRows(const QList<RosterImport::Row>& rows, int from) {
    EditorLines lines = readLines();
    int r = from;
    for (const RosterImport::Row& row : rows) {
        if (r >= EditorCapacity) {
            break;
        }
        // Role items are numbered from 1 in the boxes' order.
        const int role = RosterImport::RoleOf(row.role) - 1;
        // An imported athlete is called up: the console lists only those, and a whole roster
        // left out would leave its list empty.
        lines[r] = {row.number, row.surname, row.firstName, role, true};
        ++r;
    }
    writeLines(lines);
}

bool TeamEditor::pasteRows(const QString& text, int from) {
    const RosterImport::Table table = RosterImport::ReadText(text);
    const RosterImport::Result result = RosterImport::Apply(table, RosterImport::Guess(table));
    if (result.rows.isEmpty()) {
        return false;
    }
    fillRows(result.rows, from);
    if (!result.refused.isEmpty()) {
        QStringList reasons;
        for (const auto& refused : result.refused) {
            reasons << RefusedLine(refused, common_);
        }
        platform_.dialogs.Message(
            t("Righe non prese :") + QStringLiteral("\n") + reasons.join(u'\n'), Buttons::Ok);
    }
    return true;
}

bool TeamEditor::pasteFromClipboard(int line) {
    const QString text = QApplication::clipboard()->text();
    // A single cell pastes as typing does; rows and columns fill the grid.
    if (!text.contains(u'\t') && !text.trimmed().contains(u'\n')) {
        return false;
    }
    return pasteRows(text, line);
}

void TeamEditor::openSpreadsheet() {
    if (chosenFolder().isEmpty()) {
        return;
    }
    const QString path =
        platform_.dialogs.OpenFile(t("Apri foglio di calcolo"), common_.DataFolder,
                                   QStringLiteral("CSV, XLSX (*.csv *.tsv *.txt *.xlsx)"));
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    const auto table = file.open(QIODevice::ReadOnly) ? RosterImport::ReadTable(file.read(16 << 20))
                                                      : std::nullopt;
    if (!table) {
        platform_.dialogs.Message(t("Questo file non è un foglio di calcolo leggibile :") +
                                      QStringLiteral("\n") + path,
                                  Buttons::Ok);
        return;
    }
    SpreadsheetPreview preview(*table, common_);
    platform_.modal.Show(preview);
    if (preview.result() != QDialog::Accepted) {
        return;
    }
    writeLines({});
    fillRows(preview.rows(), 0);
}

void TeamEditor::photosByNumber() {
    if (chosenFolder().isEmpty()) {
        return;
    }
    const QString folder = platform_.dialogs.ChooseFolder(t("Foto per numero"), common_.DataFolder);
    if (!folder.isEmpty()) {
        assignPhotos(folder);
    }
}

void TeamEditor::photosFromZip() {
    if (chosenFolder().isEmpty()) {
        return;
    }
    const QString zip = platform_.dialogs.OpenFile(t("Foto per numero"), common_.DataFolder,
                                                   QStringLiteral("Zip (*.zip)"));
    if (zip.isEmpty()) {
        return;
    }
    QTemporaryDir unpacked(
        QDir(platform_.folders.Temporary()).filePath(QStringLiteral("brivanta-photos-XXXXXX")));
    const QString error = unpacked.isValid()
                              ? RosterImport::UnpackPhotos(zip, unpacked.path())
                              : QStringLiteral("cannot write ") + platform_.folders.Temporary();
    if (!error.isEmpty()) {
        platform_.dialogs.Message(
            t("Le foto non sono state importate :") + QStringLiteral("\n") + error, Buttons::Ok);
        return;
    }
    assignPhotos(unpacked.path());
}

void TeamEditor::assignPhotos(const QString& folder) {
    const QString team = chosenFolder();
    QStringList numbers;
    for (const QLineEdit* box : numberBoxes) {
        numbers << box->text().trimmed();
    }
    const QDir dir(folder);
    const RosterImport::PhotoMatch match =
        RosterImport::MatchPhotos(dir.entryList(QDir::Files, QDir::Name), numbers);
    QStringList unreadable;
    int copied = 0;
    for (const auto& [number, file] : match.matched) {
        // Checked before copying: one message for the batch, not one per bad file.
        if (!QImageReader(dir.filePath(file)).canRead()) {
            unreadable << file;
        } else if (ImportImage(dir.filePath(file), AthletePhoto(team, number), platform_.dialogs,
                               common_)) {
            ++copied;
        }
    }
    QStringList report{t(TeamMessages::PhotosAssigned) + u' ' + QString::number(copied)};
    if (!match.numbersWithout.isEmpty()) {
        report << t(TeamMessages::NumbersWithoutPhoto) + u' ' +
                      match.numbersWithout.join(QStringLiteral(", "));
    }
    if (!match.filesForNobody.isEmpty() || !unreadable.isEmpty()) {
        report << t(TeamMessages::FilesUnassigned) + u' ' +
                      (match.filesForNobody + unreadable).join(QStringLiteral(", "));
    }
    platform_.dialogs.Message(report.join(u'\n'), Buttons::Ok);
    lineGotFocus(currentLine());
}
