#pragma once

// The remote and key windows' messages that tests look for, in UTF-8. Each text is its
// Languages.csv key: reword one only together with every language's row.
namespace ControlMessages {
inline constexpr char KeyInUse[] = "Questo tasto è già usato per:"; // + " " + the action
// Live output (the remote rides on its port)
inline constexpr char PortInUse[] = "Uscita live non disponibile: la porta è già in uso. Porta:";
inline constexpr char OtherPortWhere[] = "Scegli un'altra porta nei Settaggi, riquadro:";
// The options' frame that holds the port, by its own key.
inline constexpr char LiveFrame[] = "Uscita live (OBS, vMix, altri schermi)";
inline constexpr char NewSecretQuestion[] =
    "Un nuovo codice segreto scollega tutti i telefoni e le pulsantiere associati: andranno "
    "associati di nuovo. Creare un nuovo codice segreto?";
} // namespace ControlMessages
