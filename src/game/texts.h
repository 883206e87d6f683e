#pragma once

// Messages of the rules, shown exactly as written (blanks included).

namespace dropline::texts {

inline constexpr const char *kRedWins = " Congratulations!! Red Player Wins ";
inline constexpr const char *kBlueWins = " Congratulations!! Blue Player Wins ";
inline constexpr const char *kDraw = " Both of you have reached a draw, Play a new game";

}  // namespace dropline::texts
