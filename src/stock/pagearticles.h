#pragma once

#include "records/pagecarte.h"
#include "stock/mouvementstock.h"

#include <array>

namespace zel {

// The lines of an article block, counted from the line after its opening tag.
namespace ligneArticle {
inline constexpr int Code = 1, Famille = 2, Designation = 3, StockReel = 4, StockMini = 5,
                     Fournisseur = 6, Reference = 7, NePasGerer = 8, VenteHT = 9, VenteTTC = 10,
                     Tva = 11, PrixAchat = 12, PrixMoyen = 13, Coefficient = 14, PrixHT = 15,
                     PrixTTC = 16, Fixer = 17, CompteVente = 18, CompteAchat = 19,
                     SaisieLibelle = 20, SaisieMontant = 21;
} // namespace ligneArticle

// The VAT factor of an article's "TVA" choice, rate × 0.01 + 1: "1", "2" and "3" name the three
// rates of the settings, and an empty choice the first; nothing for any other text.
std::optional<double> facteurTva(QStringView choix, const std::array<double, 3>& taux);

// The prices that follow from one price of an article, as the card computes them when that
// field is left, and as the recalculation of every article does with the field its "Fixer"
// choice keeps:
// - the coefficient C on the purchase price P gives P × C as the price of the sale mode (before
//   tax or tax included), and the other price through the VAT factor;
// - a sale price gives the other one through the factor, and the coefficient as that price over
//   P when P is a number other than zero.
// What cannot be computed (no purchase price for the coefficient, no factor) is left out.
struct PrixSuivis {
    std::optional<double> coefficient;
    std::optional<double> ht;
    std::optional<double> ttc;
};
PrixSuivis prixSuivis(int ligne, double valeur, std::optional<double> achat,
                      std::optional<double> facteur, bool venteTTC);

// The article browsing modes of the "Sélection" menu: 0 and 1 take every article.
enum class SelectionArticle { Aucune = 0, Tous = 1, Famille = 2, Fournisseur = 3, Alerte = 4 };

// The articles tab: the card of the current article with its prices kept consistent, browsed
// by family, supplier or stock alert.
class PageArticles : public PageCarte {
public:
    PageArticles(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                 const MesureTexte& mesure);

    static DispositionCarte disposition();
    // The "TVA" drop-down's list: the numbers of the three rates of the settings.
    static const QStringList& tva();

    // The "Fournisseur" drop-down's list: the supplier names, refreshed each time the tab is
    // shown.
    const QStringList& fournisseurs() const { return m_fournisseurs; }
    void InitArt();

    SelectionArticle selection() const { return m_selection; }
    // Sets the browsing mode; the family and the supplier ask for their key, opened with the
    // card's own, which Cancel keeps as the key.
    void SetArt(SelectionArticle mode);

    bool venteTTC() const;
    // The sale mode pair: selling including tax or before tax.
    void setVenteTTC(bool oui);
    // "Fixer": the sale price (true) or the margin coefficient is the fixed quantity.
    bool prixFixe() const;
    void setPrixFixe(bool oui);
    // Whether the Tab key stops on the coefficient or a sale price, from the sale mode and
    // "Fixer".
    bool arretTab(int ligne) const;
    // "Stock réel" is typed only while the card read had none: a stock then changes by
    // movements and validations only.
    bool stockModifiable() const { return m_stockModifiable; }

    // Leaving a stock or price field: reformats it and runs the price computations. False when
    // the text is not a number (the user is told, the text stays as typed).
    bool quitteChamp(int ligne);

    // "Entrée stock..." and "Sortie stock...": the dialog for the article shown, then the
    // movement on the card. "Annuler" changes nothing; a bad quantity or price is told and the
    // dialog comes back with the texts typed.
    void EntreeStock();
    void SortieStock();
    // Goods received for the article shown, at a unit price, or goods leaving it: "Stock réel"
    // and, for an entry, "P.A.Moyen Pond." follow (a blank one counting as zero), and the card
    // is marked changed. False, the user told and nothing changed, when one of them is not a
    // number or would pass the largest number.
    bool entreeStock(double quantite, double prixUnitaire);
    bool sortieStock(double quantite);
    // "Recalculer prix des articles": after the user's OK, the card written back, every
    // article's prices follow its purchase price, its coefficient, its sale mode and the VAT
    // rates of the settings, in one pass over the store; then the card is read again.
    void Recalc();

protected:
    std::optional<int> pasSelection(Pas pas) const override;
    void apresLecture() override;

private:
    // The VAT factor of the "TVA" choice, rate × 0.01 + 1; nothing for another choice.
    std::optional<double> facteur() const;
    std::optional<double> nombre(int ligne) const;
    // The prices that follow from the field left, shown all or none: one that would pass the
    // largest number is told.
    void calculePrix(int ligne);
    // The number of a stock line of the card, blank counting as zero; nothing, the user told,
    // for a text that is not a number.
    std::optional<double> nombreStock(int ligne);
    void mouvement(MouvementStock sorte);
    // Recalculates the article whose opening tag is at `ouverture`; false, the article left as
    // it was, when its lines give no prices to compute from or when a price would pass the
    // largest number (its field's label then in `tropGrand`).
    bool recalculeArticle(Blocs& articles, int ouverture, bool& change, QString& tropGrand) const;

    SelectionArticle m_selection = SelectionArticle::Aucune;
    QString m_cleFamille;
    QString m_cleFournisseur;
    QStringList m_fournisseurs;
    bool m_stockModifiable = true;
};

} // namespace zel
