#pragma once

// Messages of the shared helpers that tests look for, in UTF-8. Each text is its Languages.csv
// key: reword one only together with every language's row.
namespace SharedMessages {
// The update notice: VersionInUse + "1.2.3" + "\r\n" + UpdateHint, or with no update address
// NoUpdateAddress + "\r\n" + VersionInUse + "1.2.3".
inline constexpr char VersionInUse[] = "Al momento stai usando la versione: ";
inline constexpr char UpdateHint[] =
    "Clicca su OK per vedere su Internet l'ultima versione disponibile.";
inline constexpr char NoUpdateAddress[] =
    "Questa copia di Brivanta non ha un indirizzo da cui cercare gli aggiornamenti.";
inline constexpr char NotAPicture[] = "Il file scelto non è un'immagine utilizzabile:";
} // namespace SharedMessages
