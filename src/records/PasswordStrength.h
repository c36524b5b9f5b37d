#pragma once

#include <QString>

namespace lw {

// How hard a typed password is to guess, in bits (log2 of the guesses an
// attacker needs), by zxcvbn: it knows common passwords, words, names,
// dates, keyboard runs, repeats and letter-for-digit swaps, so "Password1"
// scores far below a random text of the same length.
double EstimateTypedBits(const QString& text);

// The word shown beside a strength: "weak" below 40 bits, "fair" below 60,
// "good" below 80, "strong" from 80 on.
QString StrengthWord(double bits);

// The strength line of a password made by the generator, whose bits are
// exact: "Strength: 52 bits (fair)"; "Strength: 0 bits" for an empty one.
QString ExactStrengthText(double bits);
// The strength line of a typed password: "Strength: about 23 bits (weak)";
// "Strength: 0 bits" for an empty text.
QString TypedStrengthText(const QString& text);

} // namespace lw
