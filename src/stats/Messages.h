#pragma once

// The statistics' messages that tests look for, in UTF-8. Each text is its Languages.csv key:
// reword one only together with every language's row.
namespace StatsMessages {
inline constexpr char SummaryNotSaved[] = "Non è stato possibile salvare il riepilogo nel file";
} // namespace StatsMessages
