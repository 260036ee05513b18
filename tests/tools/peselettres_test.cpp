#include "tools/peselettres.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using zel::outils::PeseLettres;

namespace {

// Field indexes of the window, in its order.
constexpr int Enveloppe114x162 = 0;
constexpr int FeuilleA4 = 9;
constexpr int FeuilleCourrier = 11;
constexpr int Cheque = 12;
constexpr int Photo100x150 = 18;
constexpr int Photo130x190 = 19;

struct Cas {
    const char* nom;
    std::vector<std::pair<int, int>> comptes; // field, count
    int supplement;
    PeseLettres::Tarif tarif;
    const char* poids;
    const char* francs;
    const char* euros;
};

} // namespace

TEST(PeseLettres, CalculeLePoidsEtLAffranchissement) {
    const Cas cas[] = {
        {"rien compté: la première tranche inclut 0 g",
         {},
         0,
         PeseLettres::Tarif::FranceRapide,
         "0 g",
         "3,00 F",
         "0,46 E"},
        {"20 g tout juste restent dans la première tranche",
         {},
         20,
         PeseLettres::Tarif::FranceRapide,
         "20 g",
         "3,00 F",
         "0,46 E"},
        {"20,1 g passent dans la deuxième",
         {{Photo100x150, 1}, {FeuilleCourrier, 1}},
         14,
         PeseLettres::Tarif::FranceRapide,
         "20 g",
         "4,50 F",
         "0,69 E"},
        {"dix A4 et une enveloppe 114 x 162",
         {{FeuilleA4, 10}, {Enveloppe114x162, 1}},
         0,
         PeseLettres::Tarif::FranceRapide,
         "53 g",
         "6,70 F",
         "1,02 E"},
        {"dix chèques et une grande photo font 20 g tout rond",
         {{Cheque, 10}, {Photo130x190, 1}},
         0,
         PeseLettres::Tarif::FranceEcopli,
         "20 g",
         "2,70 F",
         "0,41 E"},
        {"200 g supplémentaires en Ecopli",
         {},
         200,
         PeseLettres::Tarif::FranceEcopli,
         "200 g",
         "8,00 F",
         "1,22 E"},
        {"Union européenne, 60 g inclus",
         {{FeuilleA4, 12}},
         0,
         PeseLettres::Tarif::UnionEuropeenne,
         "60 g",
         "6,00 F",
         "0,91 E"},
    };
    for (const Cas& c : cas) {
        PeseLettres p;
        for (auto [champ, compte] : c.comptes)
            p.setCompte(champ, compte);
        p.setSupplement(c.supplement);
        p.setTarif(c.tarif);
        EXPECT_EQ(p.textePoids(), QString::fromUtf8(c.poids)) << c.nom;
        EXPECT_EQ(p.texteFrancs(), QString::fromUtf8(c.francs)) << c.nom;
        EXPECT_EQ(p.texteEuros(), QString::fromUtf8(c.euros)) << c.nom;
    }
}

TEST(PeseLettres, AuDelaDeLaDerniereTrancheLePrixEstNul) {
    PeseLettres p;
    p.setSupplement(200);
    p.setCompte(FeuilleA4, 12); // 260 g
    p.setTarif(PeseLettres::Tarif::FranceEcopli);
    EXPECT_EQ(p.textePoids(), u"260 g");
    EXPECT_EQ(p.texteFrancs(), u"0,00 F");
    EXPECT_EQ(p.texteEuros(), u"0,00 E");
}

TEST(PeseLettres, LesComptesSArretentA200) {
    PeseLettres p;
    for (int i = 0; i < PeseLettres::NombreArticles; ++i)
        p.setCompte(i, 1000);
    p.setSupplement(-5);
    EXPECT_DOUBLE_EQ(p.poids(), 200 * 420.7);
    EXPECT_GT(p.poids(), 80000);
    for (auto tarif : {PeseLettres::Tarif::FranceRapide, PeseLettres::Tarif::FranceEcopli,
                       PeseLettres::Tarif::UnionEuropeenne}) {
        p.setTarif(tarif);
        EXPECT_EQ(p.prixFrancs(), 0);
    }
}
