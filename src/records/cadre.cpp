#include "records/cadre.h"

#include <algorithm>

namespace zel {

namespace {

const QString kPolice = QStringLiteral("Arial");
constexpr double kInterligne = 5;
constexpr double kMargeBas = 20;
constexpr int kGuide = 100;

int pas(int unites, double millimetres) {
    return millimetres > 0 ? int(unites / millimetres) : 0;
}

} // namespace

int Cadre::pasH() const {
    return pas(m_canevas.largeurPage(), m_canevas.largeurMm());
}

int Cadre::pasV() const {
    return pas(m_canevas.hauteurPage(), m_canevas.hauteurMm());
}

void Cadre::debut(Canevas::Orientation orientation) {
    m_canevas.orientation(orientation);
    m_canevas.debutDocument();
    police(10);
}

void Cadre::fin() {
    m_canevas.finDocument();
    m_canevas.orientation(Canevas::Orientation::Portrait);
}

void Cadre::police(int taille, bool gras) {
    m_canevas.police(kPolice, taille, gras, false);
}

void Cadre::texte(double x, double y, const QString& s) {
    m_canevas.texte(Mh(x), Mv(y), s);
}

void Cadre::texteDroite(double x, double y, const QString& s) {
    m_canevas.texte(Mh(x) - m_canevas.largeurTexte(s), Mv(y), s);
}

void Cadre::texteCoupe(double x, double y, double largeur, const QString& s) {
    const int place = Mh(x + largeur) - Mh(x);
    QString t = s;
    while (!t.isEmpty() && m_canevas.largeurTexte(t) > place)
        t.chop(1);
    m_canevas.texte(Mh(x), Mv(y), t);
}

void Cadre::ligne(double x1, double y1, double x2, double y2) {
    m_canevas.deplace(Mh(x1), Mv(y1));
    m_canevas.ligneVers(Mh(x2), Mv(y2));
}

void Cadre::rectangle(double x1, double y1, double x2, double y2) {
    m_canevas.rectangle(Mh(x1), Mv(y1), Mh(x2), Mv(y2));
}

bool Cadre::tient(double y) const {
    return Mv(y) <= m_canevas.hauteurPage() - Mv(kMargeBas);
}

std::vector<int> blocsDeLaPlage(const Blocs& store, int compte, int de, int a) {
    if (de == 0 && a == 0) {
        de = 1;
        a = compte;
    }
    const int premier = std::max(de - 1, 0);
    const int dernier = std::min(a - 1, compte - 1);
    std::vector<int> blocs;
    for (int n = premier; n <= dernier; ++n) {
        if (store.ChercheBloc(n) >= 0)
            blocs.push_back(n);
    }
    return blocs;
}

PagesListe::PagesListe(Cadre& cadre, std::function<void(Cadre&)> entete, double premiereLigne)
    : m_cadre(cadre), m_entete(std::move(entete)), m_premiereLigne(premiereLigne),
      m_y(premiereLigne) {
    m_entete(m_cadre);
}

double PagesListe::ligne() {
    if (!m_cadre.tient(m_y)) {
        m_cadre.canevas().nouvellePage();
        m_entete(m_cadre);
        m_y = m_premiereLigne;
    }
    const double y = m_y;
    m_y += kInterligne;
    return y;
}

MiseEnPage MiseEnPage::depuis(const ValeursIni& v) {
    MiseEnPage m;
    if (v.orientationEnveloppe == 0 || v.orientationEnveloppe == 1)
        m.orientation = v.orientationEnveloppe;
    m.guide = v.decalageGuide != 0;
    return m;
}

void MiseEnPage::applique(ValeursIni& v) const {
    v.orientationEnveloppe = orientation;
    v.decalageGuide = guide ? kGuide : 0;
}

} // namespace zel
