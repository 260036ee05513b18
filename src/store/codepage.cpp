#include "store/codepage.h"

#include <array>

namespace zel::cp1252 {
namespace {

// Bytes 0x80 to 0x9F; the undefined ones map to the control character of the same value.
constexpr std::array<char16_t, 32> kPlage80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char16_t versUnicode(unsigned char octet) {
    if (octet >= 0x80 && octet < 0xA0)
        return kPlage80[octet - 0x80];
    return char16_t(octet);
}

std::optional<unsigned char> versOctet(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kPlage80.size(); ++i) {
        if (kPlage80[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<QChar> premierNonRepresentable(QStringView texte) {
    for (QChar c : texte) {
        if (!versOctet(c.unicode()))
            return c;
    }
    return std::nullopt;
}

bool representable(QStringView texte) {
    return !premierNonRepresentable(texte);
}

QString decode(const char* octets, qsizetype taille) {
    QString texte(taille, Qt::Uninitialized);
    auto* dest = reinterpret_cast<char16_t*>(texte.data());
    for (qsizetype i = 0; i < taille; ++i)
        dest[i] = versUnicode(static_cast<unsigned char>(octets[i]));
    return texte;
}

bool encodeVers(QStringView texte, QByteArray& sortie) {
    const qsizetype debut = sortie.size();
    sortie.resize(debut + texte.size());
    char* dest = sortie.data() + debut;
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *dest++ = char(u);
            continue;
        }
        const auto octet = versOctet(u);
        if (!octet) {
            sortie.resize(dest - sortie.data());
            return false;
        }
        *dest++ = char(*octet);
    }
    return true;
}

} // namespace zel::cp1252
