#pragma once

#include <QString>

#include <ostream>
#include <string>

namespace zel::test {

// A text written in the test as it reads, accents included.
inline QString s(const char* t) {
    return QString::fromUtf8(t);
}

// The largest number a user types that still reads as one: 308 nines, about 1e308. Ten times
// it, or it plus itself, is past every number a double holds.
inline const std::string tresGrand(308, '9');

} // namespace zel::test

// A text in a failure's message as it reads.
inline void PrintTo(const QString& t, std::ostream* os) {
    *os << '"' << t.toStdString() << '"';
}
