#pragma once

#include <QString>

namespace zel::test {

// A text written in the test as it reads, accents included.
inline QString s(const char* t) {
    return QString::fromUtf8(t);
}

} // namespace zel::test
