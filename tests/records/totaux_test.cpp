#include "records/totaux.h"
#include "sales/parametresfacture.h"
#include "support/mesurefixe.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace C = colonne;

using zel::test::s;

LigneDocument ligne(const char* quantite, const char* prix, const char* remise = "",
                    const char* tva = "") {
    LigneDocument l;
    l[C::Quantite] = s(quantite);
    l[C::Prix] = s(prix);
    l[C::Remise] = s(remise);
    l[C::Tva] = s(tva);
    return l;
}

struct Calcul {
    Reglages reglages;
    test::MesureFixe mesure;
    Totaux calcule(std::vector<LigneDocument>& lignes, bool ttc = false) {
        return Calculef(lignes, ttc, reglages, mesure);
    }
};

} // namespace

TEST(Totaux, TheWorkedFiguresInBothPriceModesAndCurrencies) {
    Calcul c;
    // The figures worked by hand: rate 1 at 19,6 %, amounts in francs.
    c.reglages.ini.tauxTva[0] = 19.6;
    c.reglages.ini.modeDevise = 0;
    std::vector<LigneDocument> ht = {ligne("3", "19,99", "10", "1")};
    Totaux t = c.calcule(ht);
    EXPECT_EQ(ht[0][C::Montant].trimmed(), s("53,97"));
    EXPECT_EQ(t.ht, s("53,97"));
    EXPECT_EQ(t.tva, s("10,58"));
    EXPECT_EQ(t.ttc, s("64,55"));
    EXPECT_EQ(t.converti, s("9,84"));
    EXPECT_EQ(t.legende, s("Francs"));
    EXPECT_EQ(t.legendeConvertie, s("Euros"));

    std::vector<LigneDocument> ttc = {ligne("2", "119,6")};
    t = c.calcule(ttc, true);
    EXPECT_EQ(t.ttc, s("239,20"));
    EXPECT_EQ(t.ht, s("200,00"));
    EXPECT_EQ(t.tva, s("39,20"));
    EXPECT_EQ(ttc[0][C::Tva], s("1")) << "an empty code becomes 1";

    c.reglages.ini.modeDevise = 1;
    t = c.calcule(ttc, true);
    EXPECT_EQ(t.legende, s("Euros"));
    EXPECT_EQ(t.legendeConvertie, s("Francs"));
    EXPECT_EQ(t.converti, s("1569,05")) << "239,2 x 6,55957";
    c.reglages.ini.modeDevise = 2;
    c.reglages.ini.nomDevise = s("Dollars");
    t = c.calcule(ttc, true);
    EXPECT_EQ(t.legende, s("Dollars"));
    EXPECT_EQ(t.converti, QString());
    EXPECT_EQ(t.legendeConvertie, QString());

    c.reglages.ini.modeDevise = 0;
    c.reglages.ini.tauxEuro = 0;
    t = c.calcule(ttc, true);
    EXPECT_EQ(t.converti, QString()) << "a rate of zero converts nothing";
    EXPECT_EQ(t.ttc, s("239,20"));
}

TEST(Totaux, LinesAreRewrittenAndCountedAsTheirCellsAllow) {
    Calcul c;
    std::vector<LigneDocument> lignes = {
        ligne("1", "0,125"),        // shown 0,13, computed with 0,125
        ligne("1", "10", "", "7"),  // counted at rate 1, the cell keeps 7
        ligne("1", "100", "", "x"), // shown but in no total
        ligne("", "50"),            // no quantity: skipped
        ligne("a", "20"),           // unreadable quantity: amount 0, no total
    };
    lignes[3][C::Montant] = s("ancien");
    const std::vector<LigneDocument> telles = lignes;
    Totaux t = c.calcule(lignes);
    // Read without rewriting them, the same cells give the same totals.
    const Totaux lus = totauxDe(sommesDocument(telles, false, c.reglages.ini), c.reglages);
    EXPECT_EQ(std::tie(lus.ht, lus.tva, lus.ttc, lus.converti),
              std::tie(t.ht, t.tva, t.ttc, t.converti));
    EXPECT_EQ(lignes[0][C::Prix].trimmed(), s("0,13"));
    EXPECT_EQ(lignes[0][C::Montant].trimmed(), s("0,13"));
    EXPECT_EQ(lignes[1][C::Tva], s("7"));
    EXPECT_EQ(lignes[2][C::Montant].trimmed(), s("100,00"));
    EXPECT_EQ(lignes[3][C::Montant], s("ancien"));
    EXPECT_EQ(lignes[4][C::Montant].trimmed(), s("0,00"));
    EXPECT_EQ(t.ht, s("10,13")) << "0,125 + 10 before any rounding";
    // The next computation reads the rewritten price.
    lignes.resize(1);
    lignes[0][C::Quantite] = s("100");
    t = c.calcule(lignes);
    EXPECT_EQ(t.ht, s("13,00"));

    c.reglages.formatMontant = s("#");
    std::vector<LigneDocument> rien = {ligne("1", "0")};
    EXPECT_EQ(c.calcule(rien).ht, QString()) << "with no decimals a zero total is empty";
    std::vector<LigneDocument> demi = {ligne("1", "2,5", "", "2")};
    EXPECT_EQ(c.calcule(demi).ht, s("3"));
}

TEST(ParametresFacture, FillAndApplyTheDialog) {
    Reglages r;
    r.listes.reglements = {s("A"), s("B"), s("C"), s("D"), s("E"), s("F"), s("G")};
    SaisieParametres p = SaisieParametres::depuis(r);
    EXPECT_EQ(p.tauxEuro, s("6,55957"));
    EXPECT_EQ(p.tauxTva, (std::array<QString, 3>{s("20,00"), s("0,00"), s("5,50")}));
    EXPECT_EQ(p.devise, 1) << "the euro";
    EXPECT_EQ(p.conditions[4], s("E"));
    p.applique(r);
    EXPECT_EQ(r.listes.reglements, QStringList({s("A"), s("B"), s("C"), s("D"), s("E")}));

    // Decimals outside 0 to 2 keep the format; an unreadable number drops itself and the rest.
    p.decimales = 3;
    p.applique(r);
    EXPECT_EQ(r.formatMontant, s("0.00"));
    p.tauxTva[1] = s("1,2,3");
    p.tauxTva[0] = s("19,6");
    p.decimales = 0;
    p.devise = 2;
    p.nomDevise = s("Livres");
    p.applique(r);
    EXPECT_EQ(r.ini.tauxTva[0], 19.6);
    EXPECT_EQ(r.ini.tauxTva[2], 5.5);
    EXPECT_EQ(r.ini.decimales, 3);
    EXPECT_EQ(r.ini.nomDevise, s("Livres"));
    p.devise = 1;
    p.applique(r);
    EXPECT_EQ(r.ini.nomDevise, QString());

    // A currency read from the settings file as another number is shown as Franc.
    r.ini.modeDevise = 7;
    EXPECT_EQ(SaisieParametres::depuis(r).devise, 0);
}
