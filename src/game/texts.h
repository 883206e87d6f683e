#pragma once

// Messages of the rules, shown exactly as written (blanks included).
//
// Marked for the translators under "Messages" without translating them here:
// the rules know no Qt. The window translates them as it shows them.
#define DROPLINE_TRANSLATABLE(context, text) text

namespace dropline::texts {

inline constexpr const char *kContext = "Messages";

//: The winner line when red has four in a row. Keep the blank at each end.
inline constexpr const char *kRedWins =
    DROPLINE_TRANSLATABLE("Messages", " Congratulations!! Red Player Wins ");
//: The winner line when blue has four in a row. Keep the blank at each end.
inline constexpr const char *kBlueWins =
    DROPLINE_TRANSLATABLE("Messages", " Congratulations!! Blue Player Wins ");
//: The message of a drawn game. Keep the leading blank.
inline constexpr const char *kDraw =
    DROPLINE_TRANSLATABLE("Messages", " Both of you have reached a draw, Play a new game");

}  // namespace dropline::texts
