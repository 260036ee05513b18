#pragma once

#include <QString>

#include <ostream>

namespace zel::test {

// A text written in the test as it reads, accents included.
inline QString s(const char* t) {
    return QString::fromUtf8(t);
}

} // namespace zel::test

// A text in a failure's message as it reads.
inline void PrintTo(const QString& t, std::ostream* os) {
    *os << '"' << t.toStdString() << '"';
}
