#pragma once

class QKeyEvent;

// The game's keys on any keyboard layout.
namespace dropline::ui::keyboard {

// The column (0 to 4) a key names, or -1: the digits 1 to 5 (the keypad's,
// and those of other scripts, such as Arabic-Indic digits), or the first
// five keys of the number row by their place, shifted or not, whatever the
// layout types there (unshifted, French AZERTY types & é " ' ().
int numberedColumn(const QKeyEvent &event);

// Whether a key is the Latin letter `letter` (Qt::Key_S, Qt::Key_T): typed
// as that letter, or, on a layout that types another script's letters
// (Russian, Arabic), the key in that letter's place on a US keyboard.
bool isLatinLetter(const QKeyEvent &event, int letter);

}  // namespace dropline::ui::keyboard
