#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zel::fuzz {

// A property every input must keep; a broken one is a finding, told with its place.
inline void exige(bool condition, const char* fichier = __builtin_FILE(),
                  int ligne = __builtin_LINE()) {
    if (condition)
        return;
    std::fprintf(stderr, "%s:%d: property broken\n", fichier, ligne);
    std::abort();
}

// Cuts the input into `n` pieces at the bytes 0xFF 0xFE 0xFD, so that one input makes several
// files; missing pieces are empty.
inline std::vector<QByteArray> morceaux(const uint8_t* data, size_t size, int n) {
    const QByteArray tout(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<QByteArray> m;
    qsizetype debut = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype fin = i + 1 < n ? tout.indexOf("\xff\xfe\xfd", debut) : -1;
        m.push_back(tout.mid(debut, fin < 0 ? -1 : fin - debut));
        debut = fin < 0 ? tout.size() : fin + 3;
    }
    return m;
}

inline void ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    exige(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    exige(f.write(octets) == octets.size());
}

} // namespace zel::fuzz
