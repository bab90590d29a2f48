// A roster somebody else's spreadsheet wrote: CSV, pasted cells or an XLSX workbook, then every
// way the operator can map its columns.
#include "teams/RosterImport.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const auto table = RosterImport::ReadTable(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n)));
    if (!table) {
        return 0;
    }
    RosterImport::Columns columns = RosterImport::Guess(*table);
    for (int column = 0; column < 4; ++column) {
        RosterImport::Assign(columns, column, static_cast<RosterImport::Field>((column + n) % 6));
        const RosterImport::Result result = RosterImport::Apply(*table, columns);
        if (result.rows.size() + result.refused.size() > table->size()) {
            std::abort();
        }
        for (const RosterImport::Row& row : result.rows) {
            if (row.number.isEmpty() || RosterImport::RoleOf(row.role) > 5) {
                std::abort();
            }
        }
    }
    return 0;
}
