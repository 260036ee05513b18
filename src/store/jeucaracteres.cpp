#include "store/jeucaracteres.h"

#include "store/codepage.h"

namespace zel::jeucaracteres {

bool utf8Valide(QByteArrayView octets) {
    const auto* p = reinterpret_cast<const unsigned char*>(octets.data());
    const qsizetype n = octets.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int suite = 0;
        char32_t valeur = 0;
        char32_t mini = 0;
        if ((c & 0xE0) == 0xC0) {
            suite = 1;
            valeur = c & 0x1F;
            mini = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2;
            valeur = c & 0x0F;
            mini = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3;
            valeur = c & 0x07;
            mini = 0x10000;
        } else {
            return false;
        }
        for (int k = 1; k <= suite; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            valeur = (valeur << 6) | (p[i + k] & 0x3F);
        }
        if (valeur < mini || valeur > 0x10FFFF || (valeur >= 0xD800 && valeur <= 0xDFFF))
            return false;
        i += suite + 1;
    }
    return true;
}

Detection detecte(QByteArrayView octets) {
    if (octets.startsWith("\xEF\xBB\xBF"))
        return {Jeu::Utf8, 3};
    if (octets.startsWith("\xFF\xFE"))
        return {Jeu::Utf16LE, 2};
    if (octets.startsWith("\xFE\xFF"))
        return {Jeu::Utf16BE, 2};
    bool horsAscii = false;
    for (const char c : octets) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            horsAscii = true;
            break;
        }
    }
    return {horsAscii && utf8Valide(octets) ? Jeu::Utf8 : Jeu::Windows1252, 0};
}

int rendRepresentable(QString& texte) {
    int remplaces = 0;
    qsizetype ecrit = 0;
    QChar* d = texte.data();
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = d[i].unicode();
        if (u == 0)
            continue;
        if (u < 0x80 || cp1252::versOctet(u)) {
            d[ecrit++] = QChar(u);
            continue;
        }
        // A pair of surrogates is one character.
        if (QChar::isHighSurrogate(u) && i + 1 < n && d[i + 1].isLowSurrogate())
            ++i;
        d[ecrit++] = QLatin1Char('?');
        ++remplaces;
    }
    texte.truncate(ecrit);
    return remplaces;
}

} // namespace zel::jeucaracteres
