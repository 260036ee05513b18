#include "records/impressionfiche.h"

#include <algorithm>

namespace zel {

namespace {

constexpr double kInterligne = 5;
// Where the rows that go on to another page start.
constexpr double kHautSuite = 10;
constexpr double kXMemo = 120;
constexpr double kColonnesCompte[] = {5, 35, 60};
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

struct Pose {
    int page;
    double x;
    double y;
    QString texte;
};

// One column of rows flowing down the pages.
class Flot {
public:
    Flot(const Cadre& cadre, double y) : m_cadre(cadre), m_y(y) {}

    // The row goes at the cursor, or at the top of the next page when it would not hold.
    void pose(std::vector<Pose>& poses, std::initializer_list<std::pair<double, QString>> textes) {
        if (!m_cadre.tient(m_y)) {
            ++m_page;
            m_y = kHautSuite;
        }
        for (const auto& [x, t] : textes)
            poses.push_back({m_page, x, m_y, t});
        m_y += kInterligne;
    }
    // A block that starts at y on the first page unless the rows before it are lower.
    void descendA(double y) {
        if (m_page == 0)
            m_y = std::max(m_y, y);
    }

private:
    const Cadre& m_cadre;
    int m_page = 0;
    double m_y;
};

void rangeeCompte(Flot& colonne, std::vector<Pose>& poses, const QString& date,
                  const QString& libelle, const QString& montant) {
    colonne.pose(
        poses,
        {{kColonnesCompte[0], date}, {kColonnesCompte[1], libelle}, {kColonnesCompte[2], montant}});
}

} // namespace

std::vector<RubriqueFiche> rubriquesTiers(const LignesTiers& l) {
    const auto gauche = [](double y, const char16_t* libelle, int ligne) {
        return RubriqueFiche{y, 5, QString::fromUtf16(libelle), 35, ligne};
    };
    const auto droite = [](double y, const char16_t* libelle, int ligne) {
        return RubriqueFiche{y, 110, QString::fromUtf16(libelle), 135, ligne};
    };
    return {{5, 5, l.libelleCode, 35, l.code},
            gauche(10, u"Nom / Société", l.nom),
            droite(10, u"Banque", l.banque),
            gauche(15, u"Adresse", l.adresse1),
            droite(15, u"Code banque", l.codeBanque),
            {15, 150, QStringLiteral("Code guichet"), 185, l.codeGuichet},
            gauche(20, u"Adresse", l.adresse2),
            droite(20, u"N° compte", l.compte),
            {20, 175, QStringLiteral("Rib"), 190, l.rib},
            gauche(25, u"Code postal", l.codePostal),
            gauche(30, u"Ville", l.ville),
            {30, 110, l.libelleDivers, 135, l.divers},
            gauche(35, u"Pays", l.pays),
            droite(35, u"Représentant", l.representant),
            gauche(40, u"Téléphone", l.telephone),
            droite(40, u"Crédit maxi", l.creditMaxi),
            {40, 165, QStringLiteral("Total dû"), 180, l.totalDu},
            gauche(45, u"Fax", l.fax),
            droite(45, u"Risque", l.risque),
            gauche(50, u"E.mail", l.email),
            droite(50, u"Compte", l.compteTiers)};
}

void imprimeFiche(Canevas& canevas, const Carte& carte, const DispositionFiche& d) {
    Cadre cadre(canevas);
    cadre.debut();
    for (const RubriqueFiche& r : d.rubriques) {
        cadre.texte(r.xLibelle, r.y, r.libelle);
        cadre.texte(r.xValeur, r.y, carte.champ(r.ligne));
    }
    const DispositionCarte& dc = carte.disposition();
    cadre.texte(kColonnesCompte[0], d.ySaisie, carte.dateSaisie().toString(kFormatDate));
    cadre.texte(kColonnesCompte[1], d.ySaisie, carte.champ(dc.ligneSaisieLibelle));
    cadre.texte(kColonnesCompte[2], d.ySaisie, carte.champ(dc.ligneSaisieMontant));

    std::vector<Pose> poses;
    Flot compte(cadre, d.yGrille - (d.titreGrille ? kInterligne : 0));
    if (d.titreGrille)
        rangeeCompte(compte, poses, QStringLiteral("Date"), QStringLiteral("Libellé"),
                     QStringLiteral("Montant"));
    for (int r = 0; r < Carte::kLignesGrille && !carte.ligneGrille(r).date.isEmpty(); ++r) {
        const LigneCompte& l = carte.ligneGrille(r);
        rangeeCompte(compte, poses, l.date, l.libelle, l.montant);
    }
    Flot memos(cadre, 0);
    for (const MemoFiche& m : d.memos) {
        memos.descendA(m.y);
        for (const QString& ligne : carte.memo(m.memo))
            memos.pose(poses, {{kXMemo, ligne}});
    }

    std::stable_sort(poses.begin(), poses.end(),
                     [](const Pose& a, const Pose& b) { return a.page < b.page; });
    int page = 0;
    for (const Pose& p : poses) {
        for (; page < p.page; ++page)
            canevas.nouvellePage();
        cadre.texte(p.x, p.y, p.texte);
    }
    cadre.fin();
}

} // namespace zel
