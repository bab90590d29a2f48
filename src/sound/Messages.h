#pragma once

// The player's messages that tests look for. They are the player's own and stay in English.
namespace SoundMessages {
inline constexpr char FileNotOpened[] = "Error audio file";
inline constexpr char NotPlayed[] = "Error audio";
} // namespace SoundMessages
