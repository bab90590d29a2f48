#pragma once

// The match's messages that tests look for, in UTF-8. Each text is its Languages.csv key:
// reword one only together with every language's row.
namespace MatchMessages {
inline constexpr char WonBy[] = "Partita vinta da:"; // + " " + the winner
inline constexpr char NotAnAthlete[] =
    "Non si tratta di un giocatore ATTENZIONE!! - Punto non segnato";
inline constexpr char RollbackQuestion[] =
    "Desideri riportare la partita a questo precedente punteggio ?";
inline constexpr char WrongSetCount[] = "Error number of sets ="; // never translated
} // namespace MatchMessages
