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

TEST(Totaux, ElectronicInvoicesRoundEachLineToTheCentAndTheVatOfEachRateOnItsBase) {
    // Worked by hand: what the page shows without electronic invoices, then with them.
    const struct {
        const char* cas;
        bool ttc;
        std::array<double, 3> taux;
        std::vector<LigneDocument> lignes;
        std::array<const char*, 3> affiche; // H.T., TVA, TTC without
        std::array<const char*, 3> en16931; // with
        std::vector<const char*> montants;  // the line amounts shown with
    } cas[] = {
        {"53,973 twice: 107,946 shows 107,95; the rounded lines add up to 107,94",
         false,
         {19.6, 0, 5.5},
         {ligne("3", "19,99", "10", "1"), ligne("3", "19,99", "10", "1")},
         {"107,95", "21,16", "129,10"},
         {"107,94", "21,16", "129,10"},
         {"53,97", "53,97"}},
        {"three lines of 1,00 TTC at 20 %: each 0,83 before tax, 2,49 + 0,50",
         true,
         {20, 0, 5.5},
         {ligne("1", "1"), ligne("1", "1"), ligne("1", "1")},
         {"2,50", "0,50", "3,00"},
         {"2,49", "0,50", "2,99"},
         {"1,00", "1,00", "1,00"}},
        {"codes 1 and 2 at the same rate share one base: 0,06 x 20 % is 0,01, not 0,01 twice",
         false,
         {20, 20, 5.5},
         {ligne("1", "0,03", "", "1"), ligne("1", "0,03", "", "2")},
         {"0,06", "0,01", "0,07"},
         {"0,06", "0,01", "0,07"},
         {"0,03", "0,03"}},
        {"a price of 0,125 is computed as shown, 0,13",
         false,
         {0, 0, 5.5},
         {ligne("10", "0,125")},
         {"1,25", "0,00", "1,25"},
         {"1,30", "0,00", "1,30"},
         {"1,30"}},
        {"half a cent goes away from zero, on either side; three rates: 0,019 + 0,1155 of VAT "
         "shows 0,13, 0,02 + 0,12 are 0,14",
         false,
         {20, 0, 5.5},
         {ligne("1", "0,10", "5", "1"), ligne("-1", "0,10", "5", "2"), ligne("2", "1,05", "", "3")},
         {"2,10", "0,13", "2,23"},
         {"2,10", "0,14", "2,24"},
         {"0,10", "-0,10", "2,10"}},
    };
    for (const auto& k : cas) {
        Calcul c;
        c.reglages.ini.tauxTva = k.taux;
        std::vector<LigneDocument> lignes = k.lignes;
        Totaux t = c.calcule(lignes, k.ttc);
        EXPECT_EQ((std::array{t.ht, t.tva, t.ttc}),
                  (std::array{s(k.affiche[0]), s(k.affiche[1]), s(k.affiche[2])}))
            << k.cas;

        c.reglages.ini.facturesElectroniques = true;
        lignes = k.lignes;
        t = c.calcule(lignes, k.ttc);
        EXPECT_EQ((std::array{t.ht, t.tva, t.ttc}),
                  (std::array{s(k.en16931[0]), s(k.en16931[1]), s(k.en16931[2])}))
            << k.cas;
        for (std::size_t i = 0; i < k.montants.size(); ++i)
            EXPECT_EQ(lignes[i][C::Montant].trimmed(), s(k.montants[i])) << k.cas << " " << i;
        // The journal and the statistics read the same totals from the cells as stored.
        const Totaux lus = totauxDe(sommesDocument(k.lignes, k.ttc, c.reglages.ini), c.reglages);
        EXPECT_EQ(std::tie(lus.ht, lus.tva, lus.ttc), std::tie(t.ht, t.tva, t.ttc)) << k.cas;
        // Computed again on the rewritten cells, nothing moves.
        const Totaux encore = c.calcule(lignes, k.ttc);
        EXPECT_EQ(std::tie(encore.ht, encore.tva, encore.ttc), std::tie(t.ht, t.tva, t.ttc))
            << k.cas;
    }
}

TEST(Totaux, AnElectronicInvoiceKeepsItsRatesLinesAndOverflows) {
    Reglages r;
    r.ini.tauxTva = {20, 20, 0};
    const std::vector<LigneDocument> lignes = {
        ligne("2", "1,5", "", "2"),
        ligne("", "9"),
        ligne("1", "4", "", "x"),
        ligne("1", "10", "", "3"),
    };
    const CalculEn16931 c = calculEn16931(lignes, false, r.ini);
    ASSERT_EQ(c.taux.size(), 2U) << "20 % once, 0 %";
    EXPECT_EQ(c.tauxDuCode(1).base, 300);
    EXPECT_EQ(&c.tauxDuCode(1), &c.tauxDuCode(2));
    EXPECT_EQ(c.tauxDuCode(1).lignes, 1);
    EXPECT_EQ(c.tauxDuCode(3).base, 1000);
    EXPECT_EQ(c.tauxDuCode(3).tva, 0);
    ASSERT_EQ(c.lignes.size(), 3U) << "the row without a quantity is left out";
    EXPECT_EQ(c.lignes[1].rangee, 3);
    EXPECT_EQ(c.lignes[1].code, 0) << "an unreadable code counts nowhere";
    EXPECT_EQ(std::tie(c.ht, c.tva, c.ttc), std::tuple(qint64(1300), qint64(60), qint64(1360)));

    const std::vector<LigneDocument> enorme = {ligne("1", "1"),
                                               ligne("99999999999", "99999999999")};
    const CalculEn16931 d = calculEn16931(enorme, false, r.ini);
    EXPECT_TRUE(d.depassement.contains(s("de la ligne 2"))) << d.depassement.toStdString();
    EXPECT_EQ(d.lignes.size(), 1U);
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

    // Electronic invoices need two decimals: refused with other decimals, and kept off when the
    // decimals could not be applied.
    SaisieParametres e = SaisieParametres::depuis(Reglages());
    e.facturesElectroniques = true;
    e.decimales = 1;
    ASSERT_TRUE(e.refus());
    EXPECT_TRUE(e.refus()->contains(s("2 décimales")));
    e.decimales = 2;
    EXPECT_FALSE(e.refus());
    Reglages electroniques;
    e.applique(electroniques);
    EXPECT_TRUE(electroniques.ini.facturesElectroniques);
    EXPECT_TRUE(SaisieParametres::depuis(electroniques).facturesElectroniques);
    electroniques.ini.decimales = 1;
    e.tauxEuro = s("x");
    e.applique(electroniques);
    EXPECT_FALSE(electroniques.ini.facturesElectroniques);
}
