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
    // Each row: a label and its field on the left, another on the right (if any).
    const struct {
        double y;
        const char16_t* gauche;
        int ligneGauche;
        const char16_t* droite;
        int ligneDroite;
    } rangees[] = {{5, l.libelleCode, l.code, nullptr, 0},
                   {10, u"Nom / Société", l.nom, u"Banque", l.banque},
                   {15, u"Adresse", l.adresse1, u"Code banque", l.codeBanque},
                   {20, u"Adresse", l.adresse2, u"N° compte", l.compte},
                   {25, u"Code postal", l.codePostal, nullptr, 0},
                   {30, u"Ville", l.ville, l.libelleDivers, l.divers},
                   {35, u"Pays", l.pays, u"Représentant", l.representant},
                   {40, u"Téléphone", l.telephone, u"Crédit maxi", l.creditMaxi},
                   {45, u"Fax", l.fax, u"Risque", l.risque},
                   {50, u"E.mail", l.email, u"Compte", l.compteTiers}};
    std::vector<RubriqueFiche> rubriques;
    for (const auto& r : rangees) {
        rubriques.push_back({r.y, 5, QString::fromUtf16(r.gauche), 35, r.ligneGauche});
        if (r.droite)
            rubriques.push_back({r.y, 110, QString::fromUtf16(r.droite), 135, r.ligneDroite});
    }
    // The three fields further right.
    rubriques.push_back({15, 150, QStringLiteral("Code guichet"), 185, l.codeGuichet});
    rubriques.push_back({20, 175, QStringLiteral("Rib"), 190, l.rib});
    rubriques.push_back({40, 165, QStringLiteral("Total dû"), 180, l.totalDu});
    return rubriques;
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
        for (const QString& ligne : carte.memoEcrit(m.memo))
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
