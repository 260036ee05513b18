#pragma once

#include <QByteArrayView>
#include <QString>

// The character set of a text that came from outside (an import, a spreadsheet): UTF-8 with or
// without a byte-order mark, UTF-16 with one, otherwise Windows-1252. The mark is never text.
namespace zel::jeucaracteres {

enum class Jeu { Windows1252, Utf8, Utf16LE, Utf16BE };

struct Detection {
    Jeu jeu;
    // The length of the byte-order mark that opens the text, to be left out.
    qsizetype marque;
};

// A text with a UTF-8 mark, or valid UTF-8 holding at least one byte past ASCII, is UTF-8; a
// UTF-16 mark gives UTF-16 in its byte order; anything else is Windows-1252, in which every byte
// stands for a character (plain ASCII reads the same either way).
Detection detecte(QByteArrayView octets);

// Whether the bytes are well-formed UTF-8 (no overlong form, no surrogate, nothing past U+10FFFF).
bool utf8Valide(QByteArrayView octets);

// Makes a decoded text fit for the files: a NUL is dropped, and every character the code page
// cannot hold becomes "?" (a character written as two UTF-16 units gives one "?"). Gives how many
// characters were replaced.
int rendRepresentable(QString& texte);

} // namespace zel::jeucaracteres
