#pragma once

// The team editor's messages that tests look for, in UTF-8. Each text is its Languages.csv
// key: reword one only together with every language's row.
namespace TeamMessages {
inline constexpr char RosterChangedQuestion[] =
    "La rosa di questa squadra è stata modificata. Vuoi salvarla?";
inline constexpr char MoreThan27[] = "Questa squadra ha più di 27 atleti: qui se ne vedono 27, gli "
                                     "altri restano nel file anche dopo il salvataggio.";
inline constexpr char ChooseTeamFirst[] = "Seleziona o crea prima una squadra >>";
inline constexpr char SemicolonRefused[] =
    "Il punto e virgola non è ammesso nei numeri e nei nomi degli atleti, riga:";
inline constexpr char TeamNotSaved[] = "Impossibile salvare la squadra:";
// "Nome della nuova squadra | <name> | non valido…"
inline constexpr char NameInvalidStart[] = "Nome della nuova squadra |";
inline constexpr char NameInvalidEnd[] =
    "| non valido o troppo lungo/corto (Da 3 min a max 35 caratteri)";
inline constexpr char AlreadyInList[] = "già esistente nella lista";
inline constexpr char NewTeamName[] = "Inserisci il nome della nuova squadra";
inline constexpr char HomeGuestsNotDeleted[] =
    "Le cartelle : Home e Guests non possono essere cancellate";
inline constexpr char DeleteTeamQuestion[] =
    "Vuoi cancellare questa squadra ed assieme tutti i files delle immagini ed i files con i dati "
    "dgli atleti? Premi <OK> per confermare";
inline constexpr char HomeGuestsNotRenamed[] =
    "Le cartelle : Home e Guests non possono essere RINOMINATE";
inline constexpr char ChooseAthleteFirst[] =
    "Seleziona prima l'atleta al quale vuoi assegnare la foto.";
inline constexpr char NumberFirst[] =
    "Assegna prima il numero di maglia all'atleta per il quale vuoi salvare l'immagine";
inline constexpr char NumberFirstForAudio[] =
    "Assegna prima il numero di maglia all'atleta per il quale vuoi salvare l'audio";
inline constexpr char DeleteAthletePhotoQuestion[] =
    "Vuoi veramente cancellare l'immagine dell'atleta selezionato?";
inline constexpr char DeleteTeamPictureQuestion[] =
    "Vuoi veramente cancellare la foto di questa squadra?";
inline constexpr char DeleteLogoQuestion[] =
    "Vuoi cancellare l'immagine quadrata del logo di questa squadra?";
inline constexpr char DeleteAnnouncementQuestion[] =
    "Vuoi veramente cancellare il file audio per la presentazione di questo atleta?";
inline constexpr char AnnouncementDeleted[] =
    "File audio di presentazione cancellato, aggiungine un altro se vuoi.";
inline constexpr char PhotosAssigned[] = "Foto assegnate :";
inline constexpr char NumbersWithoutPhoto[] = "Numeri senza foto :";
inline constexpr char FilesUnassigned[] = "File non assegnati :";
inline constexpr char SameNameQuestion[] =
    "Una squadra con questo nome esiste già. Sì: sostituiscila. No: tienile entrambe. Annulla: non "
    "importare.";
} // namespace TeamMessages
