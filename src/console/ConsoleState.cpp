#include "console/ConsoleState.h"

#include "teams/TeamChoice.h"

std::vector<RosterRow> RosterRows(const QStringList& lines) {
    std::vector<RosterRow> rows;
    rows.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        rows.push_back({line, CodeFromLine(line)});
    }
    return rows;
}

int RosterRowOf(const ConsoleState& state, int side, const QString& code) {
    const auto& rows = state.Rosters[static_cast<std::size_t>(side)];
    for (std::size_t row = 0; !code.isEmpty() && row < rows.size(); ++row) {
        if (rows[row].Code.compare(code, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(row);
        }
    }
    return -1;
}
