#pragma once

// The console's messages that tests look for, in UTF-8. Each text is its Languages.csv key:
// reword one only together with every language's row.
namespace ConsoleMessages {
// Start and the emergency copy
inline constexpr char TemporaryFolderRefused[] =
    "La cartella temporanea non può essere scritta: la copia di emergenza della partita va nella "
    "cartella:";
inline constexpr char NoFolderForTheCopy[] =
    "Né la cartella temporanea né la cartella dei dati possono essere scritte: la copia di "
    "emergenza della partita non viene salvata finché una delle due non torna scrivibile.";
inline constexpr char ResumeQuestion[] =
    "Brivanta non è stato chiuso con <Esci> e una partita era in corso. Vuoi riprenderla?";
inline constexpr char CopyNotWritten[] =
    "La copia di emergenza della partita non può essere scritta (disco pieno o cartella "
    "temporanea non scrivibile). Puoi continuare: la copia riprende appena possibile.";
inline constexpr char CopyMoved[] =
    "La copia di emergenza non può essere scritta nella sua cartella: va nella cartella";
inline constexpr char ResultKept[] =
    "Il risultato della partita non può essere scritto nella cartella Outbox: Brivanta lo tiene "
    "in memoria e lo invia appena possibile. Non chiudere il programma fino ad allora.";
inline constexpr char SettingsNotWritten[] =
    "Le impostazioni non possono essere salvate: il file delle impostazioni resta com'era.";
inline constexpr char NoEmergencyCopy[] = "Attensione non è ancora stata salvata nessuna partita "
                                          "nella cartella dei files temporanei.";
inline constexpr char EmergencyLoadQuestion[] =
    "Attenzione questa procedura di emergenza carica una partita contenuta nella cartella dei "
    "file temporanei di Windows, non è garantita la risoluzione del problema ma in caso di "
    "necessità è possibile tentare di caricare un file di partita salvato il : ";
// Match files
inline constexpr char NotStarted[] = "La partita non è ancora iniziata";
inline constexpr char NoFileChosen[] = "Non hai selezionato nessun file, operazione annullata";
inline constexpr char OverwriteQuestion[] = "esiste già. Vuoi sovrascrivere questa partita?";
inline constexpr char MatchNotSaved[] = "Non è stato possibile salvare la partita nel file";
inline constexpr char LoadOverMatchQuestion[] =
    "Una partita di Brivanta è già in corso, desideri abbandonarla e caricare un'altra partita?";
inline constexpr char NotAMatchFile[] =
    "Questo file di testo non è relativo ad una partita di Brivanta";
// The match
inline constexpr char EndMatchQuestion[] =
    "Si vuole interrompere definitivamente la partita in corso?";
inline constexpr char TimeoutQuestion[] = "Confermi la richiesta 30 secondi di tempo per: ";
inline constexpr char CancelOrConfirm[] =
    "Se vuoi annullare clicca su <Annulla> altrimenti conferma con <OK>";
inline constexpr char NoTimeoutsLeft[] = "Sessioni di pausa tempo finite in questo set per : ";
inline constexpr char AbandonForNewMatch[] =
    "Attenzione se interrompi adesso la partita perderai tutti i punteggi di questo SET ed "
    "eventualmente dei precedenti : <OK> per Nuova Partita <Annulla> Per continuare questa "
    "partita.";
inline constexpr char ExitQuestion[] =
    "Vuoi veramente uscire? Questa operazione chiuderà la partita e non sarà più possibile "
    "riprendere da dove eri arrivato? <Annulla> se vuoi rimanere.";
inline constexpr char UseExit[] = "Usa il bottone <Esci> Per terminare l'applicazione";
inline constexpr char SetNotStarted[] = "SET non iniziato";
// The display
inline constexpr char ZoomRestoresSides[] =
    "Attenzione il tabellone viene ripristinato nella posizione con Locali a sinistra e Ospiti a "
    "destra. Dopo il settaggio dello zoom sarà di nuovo possibile invertire i pannelli";
inline constexpr char SwapQuestion[] =
    "Attenzione se procedi i punteggi del tabellone verranno invertiti (destra vs sinistra e "
    "viceversa), nella console del computer però i locali sono sempre a sinistra e gli ospiti "
    "sono sempre a destra. Vuoi invertire il tabellone?";
// Report and live output
inline constexpr char ReportQuestion[] = "Vuoi creare il report della partita?";
inline constexpr char ReplaceReportQuestion[] =
    "In questa cartella c'è già un report: vuoi sostituirlo?";
} // namespace ConsoleMessages
