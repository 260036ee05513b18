#include "store/blocs.h"

#include <algorithm>

namespace zel {
namespace {

const QString kDebutBalise = QStringLiteral("<BLOC");

bool estChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

int Blocs::numeroOuverture(QStringView ligne) {
    if (ligne.size() != 10 || ligne[9] != u'>')
        return -1;
    const int n = numeroBalise(ligne, kDebutBalise.size());
    if (n < 0 || ligne.left(5).compare(kDebutBalise, Qt::CaseInsensitive) != 0)
        return -1;
    return n;
}

int Blocs::numeroBalise(QStringView ligne, qsizetype prefixe) {
    if (ligne.size() < prefixe + 4)
        return -1;
    int n = 0;
    for (qsizetype i = prefixe; i < prefixe + 4; ++i) {
        if (!estChiffre(ligne[i]))
            return -1;
        n = n * 10 + (ligne[i].unicode() - u'0');
    }
    return n;
}

bool Blocs::commeUneBalise(QStringView ligne) {
    return ligne.startsWith(u"<BLOC", Qt::CaseInsensitive) ||
           ligne.startsWith(u"</BLOC", Qt::CaseInsensitive);
}

Balises Blocs::BalisesBloc(int n) {
    const QString chiffres = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    return {QStringLiteral("<BLOC") + chiffres + u'>', QStringLiteral("</BLOC") + chiffres + u'>'};
}

void Blocs::remplaceTout(QStringList lignes) {
    change();
    m_lignes = std::move(lignes);
    invalide();
}

void Blocs::vide() {
    change();
    m_lignes.clear();
    invalide();
}

void Blocs::changeLigne(int position, const QString& texte) {
    change();
    // A line that neither was nor becomes tag-like leaves the index as it is.
    const auto commeOuverture = [](const QString& l) {
        return l.startsWith(kDebutBalise, Qt::CaseInsensitive);
    };
    if (commeOuverture(m_lignes[position]) || commeOuverture(texte))
        invalide();
    m_lignes[position] = texte;
}

void Blocs::insere(int position, const QStringList& lignes) {
    change();
    if (position >= taille()) {
        ajoute(lignes);
        return;
    }
    m_lignes.insert(position, lignes.size(), QString());
    std::copy(lignes.begin(), lignes.end(), m_lignes.begin() + position);
    if (!m_indexAJour)
        return;
    // The index follows: what comes after the new lines moves down, and their tags are added.
    const int nombre = int(lignes.size());
    for (int& p : m_premiereOuverture) {
        if (p >= position)
            p += nombre;
    }
    const auto apres =
        std::lower_bound(m_ouvertures.begin(), m_ouvertures.end(), position,
                         [](const LigneOuverture& o, int p) { return o.position < p; });
    for (auto it = apres; it != m_ouvertures.end(); ++it)
        it->position += nombre;
    std::vector<LigneOuverture> nouvelles;
    for (int i = position; i < position + nombre; ++i) {
        const QString& ligne = m_lignes[i];
        if (ligne.startsWith(kDebutBalise))
            nouvelles.push_back({i, Blocs::numeroBalise(ligne, kDebutBalise.size())});
        if (const int n = numeroOuverture(ligne); n >= 0) {
            ++m_nombreOuvertures[n];
            if (m_premiereOuverture[n] < 0 || m_premiereOuverture[n] > i)
                m_premiereOuverture[n] = i;
        }
    }
    m_ouvertures.insert(apres, nouvelles.begin(), nouvelles.end());
}

void Blocs::ajoute(const QStringList& lignes) {
    change();
    const int debut = taille();
    m_lignes.append(lignes);
    // Lines added at the end are indexed as they come, so that a store written record after
    // record at its end never rebuilds its index.
    if (m_indexAJour)
        indexe(debut);
}

void Blocs::supprime(int position, int nombre) {
    change();
    const int fin = position + nombre;
    // The index follows the lines removed, unless one of them was the first of several tags of
    // one number: finding the next one needs the whole store read again.
    if (m_indexAJour) {
        for (int i = position; i < fin && m_indexAJour; ++i) {
            const int n = numeroOuverture(m_lignes[i]);
            if (n < 0)
                continue;
            --m_nombreOuvertures[n];
            if (m_premiereOuverture[n] == i) {
                if (m_nombreOuvertures[n] > 0)
                    invalide();
                else
                    m_premiereOuverture[n] = -1;
            }
        }
    }
    if (m_indexAJour) {
        for (int& p : m_premiereOuverture) {
            if (p >= fin)
                p -= nombre;
        }
        const auto debut =
            std::lower_bound(m_ouvertures.begin(), m_ouvertures.end(), position,
                             [](const LigneOuverture& o, int p) { return o.position < p; });
        const auto suite =
            std::lower_bound(debut, m_ouvertures.end(), fin,
                             [](const LigneOuverture& o, int p) { return o.position < p; });
        for (auto it = suite; it != m_ouvertures.end(); ++it)
            it->position -= nombre;
        m_ouvertures.erase(debut, suite);
    }
    m_lignes.remove(position, nombre);
}

void Blocs::indexe(int debut) const {
    for (int i = debut; i < int(m_lignes.size()); ++i) {
        const QString& ligne = m_lignes[i];
        if (ligne.startsWith(kDebutBalise))
            m_ouvertures.push_back({i, Blocs::numeroBalise(ligne, kDebutBalise.size())});
        const int n = numeroOuverture(ligne);
        if (n < 0)
            continue;
        ++m_nombreOuvertures[n];
        if (m_premiereOuverture[n] < 0)
            m_premiereOuverture[n] = i;
    }
}

void Blocs::construitIndex() const {
    m_premiereOuverture.assign(kNumerosPossibles, -1);
    m_nombreOuvertures.assign(kNumerosPossibles, 0);
    m_ouvertures.clear();
    indexe(0);
    m_indexAJour = true;
}

int Blocs::ChercheBloc(int n) const {
    if (n < 0 || n >= kNumerosPossibles)
        return -1;
    if (!m_indexAJour)
        construitIndex();
    return m_premiereOuverture[n];
}

int Blocs::CompteBlocs() const {
    if (!m_indexAJour)
        construitIndex();
    return int(m_ouvertures.size());
}

std::span<const LigneOuverture> Blocs::ouvertures() const {
    if (!m_indexAJour)
        construitIndex();
    return m_ouvertures;
}

Blocs::FinBloc Blocs::finBloc(int n, int ouverture) const {
    // "</BLOC" and the four digits, written in place: every document of a report is read so.
    char16_t texte[] = u"</BLOC0000>";
    for (int i = 9, v = n; i >= 6; --i, v /= 10)
        texte[i] = char16_t(u'0' + v % 10);
    const QStringView fermeture(texte, 11);
    for (int i = ouverture + 1; i < int(m_lignes.size()); ++i) {
        if (m_lignes[i] == fermeture)
            return {i, true};
        if (numeroOuverture(m_lignes[i]) >= 0)
            return {i, false};
    }
    return {int(m_lignes.size()), false};
}

QStringList Blocs::contenuBloc(int n) const {
    const int debut = ChercheBloc(n);
    if (debut < 0)
        return {};
    return m_lignes.mid(debut + 1, finBloc(n, debut).fin - debut - 1);
}

int Blocs::retireBloc(int n, int ouverture) {
    const FinBloc f = finBloc(n, ouverture);
    supprime(ouverture, (f.ferme ? f.fin + 1 : f.fin) - ouverture);
    return ouverture;
}

QStringList Blocs::encadre(int n, const QStringList& contenu) {
    const Balises b = BalisesBloc(n);
    QStringList bloc;
    bloc.reserve(contenu.size() + 2);
    bloc.append(b.ouverture);
    for (QString ligne : contenu) {
        // The last guard of the store's shape, whatever the line's source.
        for (QChar& c : ligne) {
            if (c == u'\r' || c == u'\n')
                c = u' ';
        }
        if (commeUneBalise(ligne))
            ligne.prepend(u' ');
        bloc.append(ligne);
    }
    bloc.append(b.fermeture);
    return bloc;
}

void Blocs::RemplaceBloc(int n, const QStringList& contenu) {
    const int ouverture = ChercheBloc(n);
    if (ouverture < 0) {
        AjouteBloc(n, contenu);
        return;
    }
    const int place = retireBloc(n, ouverture);
    if (place >= taille())
        AjouteBloc(n, contenu);
    else
        insere(place, encadre(n, contenu));
}

void Blocs::AjouteBloc(int n, const QStringList& contenu) {
    ajoute(encadre(n, contenu));
}

void Blocs::SupBloc(int n) {
    const int ouverture = ChercheBloc(n);
    if (ouverture >= 0)
        retireBloc(n, ouverture);
}

} // namespace zel
