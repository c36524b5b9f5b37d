#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace lw {

// A source of whole numbers: draw(n) returns a value from 0 to n - 1, each
// equally likely (n > 0).
using DrawBelow = std::function<quint32(quint32 n)>;

// The operating system's secure random source, without bias.
quint32 SecureDrawBelow(quint32 n);

// The kinds of easy password, in the order of the dialog's "Type" group.
enum class EasyType { WordDigit = 0, WordDigitWord = 1, WordOnly = 2 };

// The letter case of a hard password, in the order of the "Case" group.
enum class LetterCase { Lower = 0, Mixed = 1, Upper = 2 };

// The character classes a hard password may draw from.
struct CharacterClasses {
    bool letters = true; // "A" to "Z" and "a" to "z"
    bool numbers = true; // "0" to "9"
    bool special = false; // the 32 printable ASCII characters that are neither
    bool any() const { return letters || numbers || special; }
};

// A password and its strength: log2 of the number of passwords the
// generator could have made, each weighted by its chance.
struct GeneratedPassword {
    QString text;
    double bits = 0;
};

// Makes the generator's passwords.
//
// Easy passwords are words of a list with a digit from 0 to 8 (nine values):
// "Word + digit" draws a word number and then the digit, "Word + digit +
// Word" a word, the digit and a second word (which may repeat the first),
// "Word Only" one word.
//
// Hard passwords draw, for each character, a code from 33 to 126 until one
// falls in an allowed class; so every allowed code is equally likely. With
// Lower or Upper a drawn letter of the other case is turned into this case;
// Mixed keeps the letter as drawn.
class PasswordGenerator {
public:
    explicit PasswordGenerator(DrawBelow draw = SecureDrawBelow);

    // Throws Error when the list is empty.
    GeneratedPassword easy(const QStringList& words, EasyType type) const;
    // An empty password for a length below 1. Throws Error when no class is
    // allowed.
    GeneratedPassword hard(CharacterClasses classes, LetterCase letterCase, int length) const;

    static double easyBits(qsizetype wordCount, EasyType type);
    static double hardBits(CharacterClasses classes, LetterCase letterCase, int length);

    // The word list of a text of one word a line (CR LF or LF); blank lines
    // are skipped.
    static QStringList splitWords(const QString& text);

private:
    DrawBelow draw_;
};

} // namespace lw
