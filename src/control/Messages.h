#pragma once

// The remote and key windows' messages that tests look for, in UTF-8. Each text is its
// Languages.csv key: reword one only together with every language's row.
namespace ControlMessages {
inline constexpr char KeyInUse[] = "Questo tasto è già usato per:"; // + " " + the action
} // namespace ControlMessages
