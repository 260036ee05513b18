#include "records/montant.h"
#include "support/mesurefixe.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using zel::formateMontant;
using zel::litMontant;

using zel::test::s;

} // namespace

TEST(Montant, TypedAmountsAreRoundedOnTheirDecimalDigits) {
    const struct {
        const char* saisi;
        const char* format;
        const char* attendu;
    } cas[] = {
        {"1,005", "0.00", "1,01"},
        {"0,125", "0.00", "0,13"},
        {"12,5", "0.00", "12,50"},
        {"-1,005", "0.00", "-1,01"},
        {"9,995", "0.00", "10,00"},
        {"99,96", "0.0", "100,0"},
        {"2,5", "#", "3"},
        {"-2,5", "#", "-3"},
        {"0,4", "#", ""},
        {"0", "#", ""},
        {"0", "0.00", "0,00"},
        {"-0,001", "0.00", "0,00"},
        {",5", "0.00", "0,50"},
        {"7,", "0.0", "7,0"},
        {"  3,2  ", "0.00", "3,20"},
        {"1234567", "0.00", "1234567,00"},
        {"007", "#", "7"},
    };
    for (const auto& c : cas) {
        const auto m = litMontant(s(c.saisi));
        ASSERT_TRUE(m) << c.saisi;
        EXPECT_EQ(formateMontant(*m, s(c.format)), s(c.attendu)) << c.saisi << " " << c.format;
    }
}

TEST(Montant, ComputedValuesAreRoundedAsTheyAreWritten) {
    EXPECT_EQ(formateMontant(1.005, u"0.00"), s("1,01"));
    EXPECT_EQ(formateMontant(0.125, u"0.00"), s("0,13"));
    EXPECT_EQ(formateMontant(239.2, u"0.00"), s("239,20"));
    EXPECT_EQ(formateMontant(-0.0, u"0.00"), s("0,00"));
    EXPECT_EQ(formateMontant(1e-7, u"#"), s(""));
}

TEST(Montant, AValuePastTheLargestNumberIsNeverWritten) {
    const double infini = std::numeric_limits<double>::infinity();
    for (const double v : {infini, -infini, std::numeric_limits<double>::quiet_NaN()}) {
        for (const char16_t* format : {u"#", u"0.0", u"0.00"})
            EXPECT_EQ(formateMontant(v, format), std::nullopt) << v;
    }
    // The largest number is written whole, and reads back as itself.
    const std::optional<QString> plusGrand =
        formateMontant(std::numeric_limits<double>::max(), u"0.00");
    ASSERT_TRUE(plusGrand);
    EXPECT_EQ(*plusGrand, s("17976931348623157") + QString(292, u'0') + s(",00"));
    EXPECT_EQ(zel::litNombre(*plusGrand), std::numeric_limits<double>::max());
    EXPECT_EQ(zel::depasse(s("Stock réel"), s(" de l'article R1")),
              s("« Stock réel » de l'article R1 dépasserait le plus grand nombre que le programme "
                "sait écrire"));
}

TEST(Montant, NumbersAreReadByTheAmountRules) {
    const struct {
        const char* texte;
        std::optional<double> attendu;
    } cas[] = {
        {"12,5", 12.5}, {"  -3,25 ", -3.25}, {"+4", 4.0},   {",5", 0.5}, {"-,5", -0.5},
        {"7,", 7.0},    {"007", 7.0},        {"0,1", 0.1},  {"", {}},    {",", {}},
        {"-", {}},      {"1.5", {}},         {"1,2,3", {}}, {"1e5", {}}, {"1 2", {}},
        {"++1", {}},    {"\xd9\xa3", {}},    {"0x10", {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(zel::litNombre(s(c.texte)), c.attendu) << c.texte;
    // Past what a double holds, nothing; a very long amount is read whole.
    EXPECT_FALSE(zel::litNombre(QString(400, u'9')));
    EXPECT_EQ(zel::litNombre(u'1' + QString(300, u'0') + u',' + QString(300, u'0')), 1e300);
}

TEST(Montant, TextsThatAreNotAmountsAreRefusedNamingTheField) {
    for (const char* t : {"1,2,3", "12a", ",", "-", "1.5", "1 2", "++1"})
        EXPECT_FALSE(litMontant(s(t))) << t;
    QString resultat = s("avant");
    const zel::Resultat r = zel::reformateMontant(s("1,2,3"), u"0.00", s("Crédit maxi"), resultat);
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.message().contains(s("Crédit maxi")));
    EXPECT_TRUE(r.message().contains(s("1,2,3")));
    EXPECT_EQ(resultat, s("avant"));
    EXPECT_TRUE(zel::reformateMontant(s("   "), u"0.00", s("Total dû"), resultat));
    EXPECT_EQ(resultat, QString());
}

TEST(Montant, RsetPadsUntilTheTextIsWiderThanTheWidthLessTen) {
    const zel::test::MesureFixe mesure;
    // 80 pixels are reached by 16 characters; one more blank passes them.
    const QString t = zel::Rset(s("12,50"), 90, mesure);
    EXPECT_EQ(t.size(), 17);
    EXPECT_EQ(t.trimmed(), s("12,50"));
    EXPECT_EQ(zel::Rset(s("   "), 90, mesure), QString());
    struct Vide : zel::MesureTexte {
        int largeur(const QString&) const override { return 0; }
    };
    EXPECT_LE(zel::Rset(s("1"), 90, Vide()).size(), 92);
}

TEST(Montant, ShownAmountsAsWholeUnitsAreTheTextsTheTotalsShow) {
    std::mt19937_64 alea(29);
    std::vector<double> valeurs = {0.0,      -0.0, 1.005, 0.125,  -1.005,    9.995,
                                   2.5,      -2.5, 0.4,   1e-7,   -1e-7,     239.2,
                                   1.356264, 1e12, -1e12, 5e-324, 123456.785};
    for (int i = 0; i < 20000; ++i) {
        const double grandeur = std::pow(10.0, double(alea() % 12) - 3);
        valeurs.push_back((double(alea() % 2000001) - 1000000.0) / 1000000.0 * grandeur);
    }
    for (const double v : valeurs) {
        for (const char* format : {"#", "0.0", "0.00"}) {
            const std::optional<qint64> unites =
                zel::unitesAffichees(v, zel::decimalesDuFormat(s(format)));
            ASSERT_TRUE(unites) << v;
            EXPECT_EQ(zel::formateUnites(*unites, s(format)), formateMontant(v, s(format)))
                << v << " " << format;
        }
    }
    // What is not a number, or too large for its cents to be exact, is no amount.
    for (const double v :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN(), 1e14, -1e200})
        EXPECT_FALSE(zel::unitesAffichees(v, 2)) << v;
    EXPECT_EQ(zel::formateUnites(-5, u"0.00"), s("-0,05"));
    EXPECT_EQ(zel::formateUnites(123456, u"0.0"), s("12345,6"));
}
