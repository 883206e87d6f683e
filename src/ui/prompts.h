#pragma once

// What the main window asks the players, exactly as asked (blanks included).

namespace dropline::ui::prompts {

inline constexpr const char *kNamesTitle = " Players Names ";
inline constexpr const char *kFirstName = " First Player's Name";
inline constexpr const char *kSecondName = " Second Player's Name";
inline constexpr const char *kNewPlayers = " New players? [enter y for YES  &  n for NO]";
inline constexpr const char *kYes = "y";
inline constexpr const char *kFirstFirstName = " First Player's First Name";
inline constexpr const char *kSecondFirstName = " Second Player's First Name";

}  // namespace dropline::ui::prompts
