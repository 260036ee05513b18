#pragma once

#include "store/fichiertexte.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>
#include <string>

namespace zel::test {

// A text written in the test as it reads, accents included.
inline QString s(const char* t) {
    return QString::fromUtf8(t);
}

// A text written in the test as it reads, as the bytes of the files' code page (Windows-1252);
// nothing when it holds a character the code page has not.
inline QByteArray cp1252(const char* t) {
    QByteArray octets;
    if (!fichier::encodeLignes({s(t)}, octets))
        return {};
    octets.chop(2); // the line's end
    return octets;
}

// The largest number a user types that still reads as one: 308 nines, about 1e308. Ten times
// it, or it plus itself, is past every number a double holds.
inline const std::string tresGrand(308, '9');

} // namespace zel::test

// A text in a failure's message as it reads.
inline void PrintTo(const QString& t, std::ostream* os) {
    *os << '"' << t.toStdString() << '"';
}
// A list of texts, one a line.
inline void PrintTo(const QStringList& textes, std::ostream* os) {
    *os << '{';
    for (const QString& t : textes) {
        *os << "\n  ";
        PrintTo(t, os);
    }
    *os << " }";
}
