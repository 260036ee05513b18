#include "records/cadre.h"

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

const QString kPolice = QStringLiteral("Arial");
constexpr double kInterligne = 5;
constexpr double kMargeBas = 20;
constexpr int kGuide = 100;
constexpr double kPlumeMini = 0.2;
// The room left between a text and the next one of its row.
constexpr double kEcart = 1;
// The smallest size a text is reduced to before it is cut.
constexpr double kTailleMini = 3;
const QString kPoints = QStringLiteral("…");

int pas(int unites, double millimetres) {
    return millimetres > 0 ? int(unites / millimetres) : 0;
}

// The longest beginning of the text that holds within `place` with `suite` after it; an empty
// text when not even `suite` holds. Widths only grow with the text: halving finds it in a few
// measures, even for a text of many characters.
QString debutQuiTient(const Canevas& c, const QString& s, const QString& suite, int place) {
    if (c.largeurTexte(suite) > place)
        return {};
    qsizetype bas = 0;
    qsizetype haut = s.size();
    while (bas < haut) {
        const qsizetype milieu = (bas + haut + 1) / 2;
        if (c.largeurTexte(s.left(milieu) + suite) <= place)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    // A character is never split from its second half.
    if (bas > 0 && s[bas - 1].isHighSurrogate())
        --bas;
    return s.left(bas) + suite;
}

} // namespace

int Cadre::pasH() const {
    return pas(m_canevas.largeurPage(), m_canevas.largeurMm());
}

int Cadre::pasV() const {
    return pas(m_canevas.hauteurPage(), m_canevas.hauteurMm());
}

double Cadre::droite() const {
    return pasH() > 0 ? double(m_canevas.largeurPage()) / pasH() : 0;
}

double Cadre::echelle() const {
    const Canevas& c = m_canevas;
    if (c.largeurPage() <= 0 || c.hauteurPage() <= 0 || pasH() <= 0 || pasV() <= 0)
        return 1;
    return std::min(pasH() * c.largeurMm() / c.largeurPage(),
                    pasV() * c.hauteurMm() / c.hauteurPage());
}

void Cadre::debut(Canevas::Orientation orientation) {
    m_canevas.orientation(orientation);
    m_canevas.debutDocument();
    police(10);
    plume(0);
}

void Cadre::fin() {
    m_canevas.finDocument();
    m_canevas.orientation(Canevas::Orientation::Portrait);
}

void Cadre::police(double taille, bool gras) {
    m_taille = taille;
    m_gras = gras;
    metPolice(taille);
}

void Cadre::metPolice(double taille) {
    m_canevas.police(kPolice, taille * echelle(), m_gras, false);
}

void Cadre::plume(int unites) {
    const double parMm =
        m_canevas.largeurMm() > 0 ? m_canevas.largeurPage() / m_canevas.largeurMm() : 0;
    m_canevas.epaisseurPlume(std::max(unites, int(std::ceil(kPlumeMini * parMm))));
}

void Cadre::place(int gauche, int droite, int y, const QString& s, Ajuste ajuste, bool aDroite) {
    const int largeur = droite - gauche;
    if (largeur <= 0 || s.isEmpty())
        return;
    const auto tient = [&](const QString& t) { return m_canevas.largeurTexte(t) <= largeur; };
    QString t = s;
    bool reduit = false;
    if (!tient(t) && ajuste == Ajuste::Reduit) {
        // The blanks that align a figure on screen go first, then the size.
        qsizetype debut = 0;
        while (debut < t.size() && t[debut] == u' ')
            ++debut;
        t = t.mid(debut);
        double taille = m_taille;
        while (!tient(t) && taille > kTailleMini) {
            reduit = true;
            taille = std::max(kTailleMini,
                              std::min(taille * 0.9, taille * largeur / m_canevas.largeurTexte(t)));
            metPolice(taille);
        }
    }
    if (!tient(t))
        t = debutQuiTient(m_canevas, t, ajuste == Ajuste::Reduit ? kPoints : QString(), largeur);
    m_canevas.texte(aDroite ? droite - m_canevas.largeurTexte(t) : gauche, y, t);
    if (reduit)
        metPolice(m_taille);
}

void Cadre::texte(double x, double y, const QString& s) {
    place(Mh(x), m_canevas.largeurPage(), Mv(y), s, Ajuste::Coupe, false);
}

void Cadre::texte(double x, double y, const QString& s, double fin, Ajuste ajuste) {
    place(Mh(x), std::min(Mh(fin), m_canevas.largeurPage()), Mv(y), s, ajuste, false);
}

void Cadre::texteDroite(double x, double y, const QString& s, double debut) {
    place(Mh(debut), std::min(Mh(x), m_canevas.largeurPage()), Mv(y), s, Ajuste::Reduit, true);
}

void Cadre::rangee(double y, std::vector<Place> places, double fin) {
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.x < b.x; });
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        texte(p.x, y, p.texte, i + 1 < places.size() ? places[i + 1].x - kEcart : fin, p.ajuste);
    }
}

void Cadre::ligneUnites(int x1, int y1, int x2, int y2) {
    const int l = m_canevas.largeurPage();
    const int h = m_canevas.hauteurPage();
    m_canevas.deplace(std::clamp(x1, 0, l), std::clamp(y1, 0, h));
    m_canevas.ligneVers(std::clamp(x2, 0, l), std::clamp(y2, 0, h));
}

void Cadre::ligne(double x1, double y1, double x2, double y2) {
    ligneUnites(Mh(x1), Mv(y1), Mh(x2), Mv(y2));
}

void Cadre::rectangle(double x1, double y1, double x2, double y2) {
    const int l = m_canevas.largeurPage();
    const int h = m_canevas.hauteurPage();
    m_canevas.rectangle(std::clamp(Mh(x1), 0, l), std::clamp(Mv(y1), 0, h),
                        std::clamp(Mh(x2), 0, l), std::clamp(Mv(y2), 0, h));
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

double PagesListe::ligne(int suivantes) {
    // A page that holds no line yet is never left: it would hold its header alone.
    if (m_y > m_premiereLigne && !m_cadre.tient(m_y + kInterligne * suivantes)) {
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
