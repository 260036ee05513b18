#include "records/impressionfiche.h"

#include <algorithm>
#include <map>

namespace zel {

namespace {

constexpr double kInterligne = 5;
// Where the rows that go on to another page start, under the card's code and name.
constexpr double kHautSuite = 10;
constexpr double kXNomSuite = 70;
constexpr double kXMemo = 120;
// The account grid's columns: the date, the label up to the amounts, the amounts right-aligned
// before the memo column.
constexpr double kXDate = 5;
constexpr double kXLibelle = 35;
constexpr double kFinLibelle = 84;
constexpr double kDebutMontant = 86;
constexpr double kFinMontant = 118;
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

// A text of the card's flowing part: a left-aligned one held up to `fin`, or an amount
// right-aligned at `fin` from `x`.
struct Pose {
    int page;
    double x;
    double y;
    QString texte;
    double fin;
    bool montant;
};

// One column of rows flowing down the pages.
class Flot {
public:
    Flot(const Cadre& cadre, double y) : m_cadre(cadre), m_y(y) {}

    // The row goes at the cursor, or at the top of the next page when it would not hold.
    void pose(std::vector<Pose>& poses, std::initializer_list<Pose> textes) {
        if (!m_cadre.tient(m_y)) {
            ++m_page;
            m_y = kHautSuite;
        }
        for (Pose p : textes) {
            p.page = m_page;
            p.y = m_y;
            poses.push_back(p);
        }
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
    colonne.pose(poses, {{0, kXDate, 0, date, kXLibelle - 1, false},
                         {0, kXLibelle, 0, libelle, kFinLibelle, false},
                         {0, kDebutMontant, 0, montant.trimmed(), kFinMontant, true}});
}

void dessine(Cadre& cadre, const Pose& p) {
    if (p.montant)
        cadre.texteDroite(p.fin, p.y, p.texte, p.x);
    else
        cadre.texte(p.x, p.y, p.texte, p.fin);
}

bool estMontant(const Carte& carte, int ligne) {
    const std::vector<ChampMontant>& montants = carte.disposition().montants;
    return std::any_of(montants.begin(), montants.end(),
                       [ligne](const ChampMontant& m) { return m.ligne == ligne; });
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
    // The labels and fields, row by row, each held up to the next one of its row.
    std::map<double, std::vector<Place>> rangees;
    for (const RubriqueFiche& r : d.rubriques) {
        std::vector<Place>& rangee = rangees[r.y];
        rangee.push_back({r.xLibelle, r.libelle, Ajuste::Reduit});
        rangee.push_back({r.xValeur, carte.champ(r.ligne),
                          estMontant(carte, r.ligne) ? Ajuste::Reduit : Ajuste::Coupe});
    }
    for (auto& [y, places] : rangees)
        cadre.rangee(y, std::move(places), cadre.droite());

    const DispositionCarte& dc = carte.disposition();
    std::vector<Pose> poses;
    Flot saisie(cadre, d.ySaisie);
    rangeeCompte(saisie, poses, carte.dateSaisie().toString(kFormatDate),
                 carte.champ(dc.ligneSaisieLibelle), carte.champ(dc.ligneSaisieMontant));
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
            memos.pose(poses, {{0, kXMemo, 0, ligne, cadre.droite(), false}});
    }

    std::stable_sort(poses.begin(), poses.end(),
                     [](const Pose& a, const Pose& b) { return a.page < b.page; });
    const RubriqueFiche& code = d.rubriques.front();
    int page = 0;
    for (const Pose& p : poses) {
        for (; page < p.page; ++page) {
            canevas.nouvellePage();
            // Each further page says whose card it continues.
            cadre.rangee(0,
                         {{code.xLibelle, code.libelle, Ajuste::Reduit},
                          {code.xValeur, carte.champ(code.ligne)},
                          {kXNomSuite, carte.champ(d.ligneNom)}},
                         cadre.droite());
        }
        dessine(cadre, p);
    }
    cadre.fin();
}

} // namespace zel
