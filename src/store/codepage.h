#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// Windows-1252 at the file boundary. Every byte value decodes to one character and that
// character encodes back to the same byte, the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) included: they stand for the control characters of the same
// value, so a file the program did not write itself comes back unchanged.
namespace zel::cp1252 {

// The character a byte stands for.
char16_t versUnicode(unsigned char octet);

// The byte a character is written as, or nothing when the code page cannot hold it.
std::optional<unsigned char> versOctet(char16_t c);

// True when every character of the text can be written to a file.
bool representable(QStringView texte);

// The first character of the text that cannot be written, if any.
std::optional<QChar> premierNonRepresentable(QStringView texte);

QString decode(const char* octets, qsizetype taille);

// Appends the encoded text to the buffer; false (buffer left partly filled) when a character
// cannot be written.
bool encodeVers(QStringView texte, QByteArray& sortie);

} // namespace zel::cp1252
