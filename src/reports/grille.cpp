#include "reports/grille.h"

#include "records/cadre.h"
#include "reports/histogramme.h"

#include <optional>

namespace zel {
namespace {

constexpr std::uint32_t kGris = 0xC0C0C0;
constexpr std::uint32_t kBlanc = 0xFFFFFF;
// A row is one and a half times a line of 10-point text, 4 mm; its texts stand 1 mm inside it.
constexpr double kRangeeMm = 6;
constexpr double kRetraitMm = 1;
constexpr double kBarresMm = 90;

class Grille {
public:
    Grille(Canevas& c, const Tableau& t, const QDate& aujourdhui)
        : m_c(c), m_cadre(c), m_t(t), m_tampon(QStringLiteral("Imprimé le ") +
                                               aujourdhui.toString(QStringLiteral("dd/MM/yyyy"))) {}

    void imprime() {
        Cadre& cadre = m_cadre;
        cadre.debut();
        const int w = m_c.largeurPage();
        const int h = m_c.hauteurPage();
        m_gauche = w / 25;
        m_haut = h / 25;
        m_droite = w - m_gauche;
        m_bas = h - m_haut;
        m_hauteur = std::max(1, int(cadre.pasV() * kRangeeMm));
        m_retraitH = int(cadre.pasH() * kRetraitMm);
        m_retraitV = int(cadre.pasV() * kRetraitMm);
        int largeurEcran = m_t.largeurOrdinal;
        for (const ColonneTableau& col : m_t.colonnes)
            largeurEcran += col.largeur;
        // A real number: a whole one is 0 when the page has fewer dots than the screen.
        const double echelle = double(m_droite - m_gauche) / std::max(1, largeurEcran);
        int somme = m_t.largeurOrdinal;
        m_x = {m_gauche};
        for (const ColonneTableau& col : m_t.colonnes) {
            m_x.push_back(m_gauche + int(somme * echelle));
            somme += col.largeur;
        }
        entete();
        for (std::size_t r = 0; r < m_t.rangees.size(); ++r) {
            if (m_y + m_hauteur > m_bas) {
                fermePage();
                m_c.nouvellePage();
                entete();
            }
            rangee(QString::number(r + 1), m_t.rangees[r]);
        }
        fermePage();
        barres();
        cadre.fin();
    }

private:
    // The chart after the table, below its last row when it fits there, else on a page of its
    // own under the date stamp.
    void barres() {
        if (m_t.barres.empty())
            return;
        const int hauteur = std::min(m_bas - m_haut - m_hauteur, int(m_cadre.pasV() * kBarresMm));
        int haut = m_y + 2 * m_hauteur;
        if (haut + hauteur > m_bas) {
            m_c.nouvellePage();
            tampon();
            haut = m_haut + 2 * m_hauteur;
        }
        imprimeBarres(m_cadre, m_t.titreBarres, m_t.barres,
                      {m_gauche, haut, m_droite, haut + hauteur});
    }

    void tampon() {
        m_cadre.police(10, true);
        m_cadre.place(m_gauche, m_droite, m_haut, m_tampon, Ajuste::Reduit, true);
    }

    void entete() {
        tampon();
        m_y = m_haut + m_hauteur;
        m_c.couleurPinceau(kGris);
        m_c.rectangle(m_gauche, m_y, m_droite, m_y + m_hauteur);
        m_cadre.ligneUnites(m_gauche, m_y, m_droite, m_y);
        QStringList titres;
        for (const ColonneTableau& col : m_t.colonnes)
            titres.append(col.titre);
        rangee(QString(), titres, Ajuste::Reduit);
        m_cadre.police(10);
        m_c.couleurPinceau(kBlanc);
    }

    // Each cell within its column: a text cut at the column's rule, a figure (right-aligned)
    // or a title in a smaller font.
    void rangee(const QString& ordinal, const QStringList& cellules,
                std::optional<Ajuste> ajuste = std::nullopt) {
        const int y = m_y + m_retraitV;
        m_cadre.place(m_x[0] + m_retraitH, m_x[1] - m_retraitH, y, ordinal, Ajuste::Reduit, false);
        for (std::size_t c = 0; c < m_t.colonnes.size(); ++c) {
            const bool aDroite = m_t.colonnes[c].aDroite;
            const int fin = c + 1 < m_t.colonnes.size() ? m_x[c + 2] : m_droite;
            m_cadre.place(m_x[c + 1] + m_retraitH, fin - m_retraitH, y,
                          cellules.value(qsizetype(c)),
                          ajuste.value_or(aDroite ? Ajuste::Reduit : Ajuste::Coupe), aDroite);
        }
        m_y += m_hauteur;
        m_cadre.ligneUnites(m_gauche, m_y, m_droite, m_y);
    }

    void fermePage() {
        for (const int x : m_x)
            m_cadre.ligneUnites(x, m_haut + m_hauteur, x, m_y);
        m_cadre.ligneUnites(m_droite, m_haut + m_hauteur, m_droite, m_y);
    }

    Canevas& m_c;
    Cadre m_cadre;
    const Tableau& m_t;
    QString m_tampon;
    int m_gauche = 0, m_haut = 0, m_droite = 0, m_bas = 0, m_hauteur = 1, m_y = 0;
    int m_retraitH = 0, m_retraitV = 0;
    std::vector<int> m_x;
};

} // namespace

void imprimeGrille(Canevas& canevas, const Tableau& tableau, const QDate& aujourdhui) {
    Grille(canevas, tableau, aujourdhui).imprime();
}

void exporteJournal(Dialogues& dialogues, const Journal& journal,
                    const std::vector<const Piece*>& pieces) {
    enregistreTexte(dialogues, QStringLiteral("Format texte + tabulations (*.txt)|*.txt"),
                    QStringLiteral("Journal.txt"), lignesExport(journal, pieces));
}

} // namespace zel
