#pragma once

// The sponsor manager's messages that tests look for, in UTF-8. Each text is its
// Languages.csv key: reword one only together with every language's row.
namespace SponsorMessages {
inline constexpr char EmptyPicture[] = "File immagine vuoto";
inline constexpr char DeleteSponsorQuestion[] =
    "Vuoi veramente cancellare l'immagine di questo sponsor?";
inline constexpr char PictureAdded[] =
    "Immagine aggiunta : Se non la vedi nell'elenco usa le frecce di scorrimento.";
inline constexpr char DeleteHeaderLogoQuestion[] =
    "Vuoi veramente cancellare l'immagine del logo testata? Non sarà più possibile recuperare "
    "questa immagine";
} // namespace SponsorMessages
