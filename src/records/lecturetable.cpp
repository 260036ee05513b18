#include "records/lecturetable.h"

#include "store/codepage.h"

#include <QStringDecoder>

#include <vector>

namespace zel {
namespace {

using jeucaracteres::Jeu;

template <typename C> bool finDeLigne(C c) {
    return c == C('\r') || c == C('\n');
}

} // namespace

LecteurTable::LecteurTable(QByteArrayView octets, FormatTable format) : m_format(format) {
    const jeucaracteres::Detection d = jeucaracteres::detecte(octets);
    m_jeu = d.jeu;
    const QByteArrayView reste = octets.sliced(d.marque);
    if (m_jeu == Jeu::Utf16LE || m_jeu == Jeu::Utf16BE) {
        QStringDecoder decodeur(m_jeu == Jeu::Utf16LE ? QStringDecoder::Utf16LE
                                                      : QStringDecoder::Utf16BE);
        m_utf16 = decodeur(reste);
    } else {
        m_octets = reste;
    }
    if (m_format == FormatTable::Csv)
        m_separateur = m_utf16.isNull()
                           ? separateurDe(reinterpret_cast<const unsigned char*>(m_octets.data()),
                                          m_octets.size())
                           : separateurDe(reinterpret_cast<const char16_t*>(m_utf16.constData()),
                                          m_utf16.size());
}

template <typename C> QString LecteurTable::decode(const C* debut, qsizetype taille) const {
    if constexpr (sizeof(C) == 2)
        return QString(reinterpret_cast<const QChar*>(debut), taille);
    else if (m_jeu == Jeu::Utf8)
        return QString::fromUtf8(reinterpret_cast<const char*>(debut), taille);
    else
        return cp1252::decode(reinterpret_cast<const char*>(debut), taille);
}

template <typename C> char16_t LecteurTable::separateurDe(const C* texte, qsizetype taille) const {
    // The separator the first line uses most, outside quotes: ";" first, then ",", then TAB.
    int pointsVirgules = 0, virgules = 0, tabulations = 0;
    bool entreGuillemets = false;
    for (qsizetype i = 0; i < taille && (entreGuillemets || !finDeLigne(texte[i])); ++i) {
        const C c = texte[i];
        if (c == C('"'))
            entreGuillemets = !entreGuillemets;
        else if (entreGuillemets)
            continue;
        else if (c == C(';'))
            ++pointsVirgules;
        else if (c == C(','))
            ++virgules;
        else if (c == C('\t'))
            ++tabulations;
    }
    if (pointsVirgules >= virgules && pointsVirgules >= tabulations)
        return u';';
    return virgules >= tabulations ? u',' : u'\t';
}

template <typename C> qsizetype LecteurTable::compteLignes(const C* texte, qsizetype taille) const {
    qsizetype lignes = 0;
    for (qsizetype i = 0; i < taille; ++i) {
        if (!finDeLigne(texte[i]))
            continue;
        ++lignes;
        if (texte[i] == C('\r') && i + 1 < taille && texte[i + 1] == C('\n'))
            ++i;
    }
    return lignes + (taille > 0 && !finDeLigne(texte[taille - 1]) ? 1 : 0);
}

qsizetype LecteurTable::nombreLignes() const {
    return m_utf16.isNull() ? compteLignes(reinterpret_cast<const unsigned char*>(m_octets.data()),
                                           m_octets.size())
                            : compteLignes(reinterpret_cast<const char16_t*>(m_utf16.constData()),
                                           m_utf16.size());
}

bool LecteurTable::suivante(Rangee& rangee, qsizetype maxi) {
    return m_utf16.isNull() ? lit(reinterpret_cast<const unsigned char*>(m_octets.data()),
                                  m_octets.size(), rangee, maxi)
                            : lit(reinterpret_cast<const char16_t*>(m_utf16.constData()),
                                  m_utf16.size(), rangee, maxi);
}

template <typename C> bool LecteurTable::lit(const C* t, qsizetype n, Rangee& r, qsizetype maxi) {
    r.champs.clear();
    r.nombre = 0;
    r.remplaces = 0;
    if (m_position >= n || !m_erreur.isEmpty())
        return false;
    r.ligne = ++m_ligne;
    const qsizetype debutLigne = m_position;
    const auto garde = [&](QString champ) {
        r.remplaces += jeucaracteres::rendRepresentable(champ);
        r.champs.append(std::move(champ));
    };
    // Where the piece from `i` ends: at the separator or the end of the line.
    const C separateur = m_format == FormatTable::Lignes ? C('\n') : C(m_separateur);
    const auto finMorceau = [&](qsizetype i) {
        while (i < n && t[i] != separateur && !finDeLigne(t[i]))
            ++i;
        return i;
    };
    qsizetype i = debutLigne;
    for (;;) {
        const bool garder = r.nombre < maxi;
        if (m_format == FormatTable::Csv && i < n && t[i] == C('"')) {
            std::vector<C> tampon;
            qsizetype j = i + 1;
            for (;;) {
                qsizetype k = j;
                while (k < n && t[k] != C('"') && !finDeLigne(t[k]))
                    ++k;
                if (k < n && finDeLigne(t[k])) {
                    m_erreur = QStringLiteral("La ligne %1 du fichier ouvre des guillemets qui ne "
                                              "se ferment pas sur la même ligne : un champ tient "
                                              "sur une seule ligne.")
                                   .arg(r.ligne);
                    return false;
                }
                if (garder)
                    tampon.insert(tampon.end(), t + j, t + k);
                if (k >= n) {
                    j = n;
                    break;
                }
                if (k + 1 < n && t[k + 1] == C('"')) {
                    if (garder)
                        tampon.push_back(C('"'));
                    j = k + 2;
                    continue;
                }
                j = k + 1;
                break;
            }
            // Anything between the closing quote and the separator is kept as it stands.
            const qsizetype fin = finMorceau(j);
            if (garder) {
                tampon.insert(tampon.end(), t + j, t + fin);
                garde(decode(tampon.data(), qsizetype(tampon.size())));
            }
            i = fin;
        } else {
            const qsizetype fin = finMorceau(i);
            if (garder)
                garde(decode(t + i, fin - i));
            i = fin;
        }
        ++r.nombre;
        if (m_format != FormatTable::Lignes && i < n && t[i] == separateur) {
            ++i;
            continue;
        }
        break;
    }
    r.vide = i == debutLigne;
    if (i < n)
        i += t[i] == C('\r') && i + 1 < n && t[i + 1] == C('\n') ? 2 : 1;
    m_position = i;
    return true;
}

} // namespace zel
