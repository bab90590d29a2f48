#pragma once

// Messages of the shared helpers that tests look for, in UTF-8. Each text is its Languages.csv
// key: reword one only together with every language's row.
namespace SharedMessages {
inline constexpr char NotAPicture[] = "Il file scelto non è un'immagine utilizzabile:";
} // namespace SharedMessages
