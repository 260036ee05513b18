#include "tools/calculatrice.h"

#include <gtest/gtest.h>

using zel::outils::Calculatrice;

namespace {

// Presses the keys of a sequence as the keyboard does; returns the last error message.
QString presse(Calculatrice& c, const char* touches) {
    QString erreur;
    for (const QChar t : QString::fromUtf8(touches)) {
        zel::Resultat r = zel::Resultat::succes();
        switch (Calculatrice::boutonTouche(0, QString(t))) {
        case Calculatrice::Bouton::Chiffre:
            c.chiffre(t);
            break;
        case Calculatrice::Bouton::Virgule:
            c.virgule();
            break;
        case Calculatrice::Bouton::Egal:
            r = c.egal();
            break;
        case Calculatrice::Bouton::Operateur:
            r = c.operateur(t);
            break;
        case Calculatrice::Bouton::Inverse:
            r = c.inverse();
            break;
        case Calculatrice::Bouton::Racine:
            r = c.racine();
            break;
        case Calculatrice::Bouton::Efface:
            c.efface();
            break;
        case Calculatrice::Bouton::Aucun:
        case Calculatrice::Bouton::Fermer:
            break;
        }
        if (!r)
            erreur = r.message();
    }
    return erreur;
}

} // namespace

TEST(Calculatrice, CalculeDeGaucheADroite) {
    struct Cas {
        const char* touches;
        const char* affichage;
    } const cas[] = {
        {"12+3=", "15"},
        {"12+3==", "30"},
        {"12+3===", "60"},
        {"2+3*4=", "20"},
        {"1/3=", "0,3333333333333"},
        {"1,05+0=", "1,05"},
        {"7=+2=", "9"},
        {"10-4=", "6"},
        {"9s", "3"},
        {"4x", "0,25"},
        {"4x+1=", "1,25"},
        {"12+,5=", "12,5"},
        {"1,,5+1=", "2,5"},
        {"5+3=C", ""},
        {"5+3=C2=", "2"},
        {"1000000*1000000000=", "1e+15"},
    };
    for (const auto& c : cas) {
        Calculatrice calc;
        EXPECT_EQ(presse(calc, c.touches), QString()) << c.touches;
        EXPECT_EQ(calc.affichage(), QString::fromUtf8(c.affichage)) << c.touches;
    }
}

TEST(Calculatrice, LesErreursGardentLAccumulateur) {
    struct Cas {
        const char* touches;
        const char* message;
        double accumulateur;
    } const cas[] = {
        {"8/0=", "Division par zéro.", 8},
        {"0x", "Division par zéro.", 0},
        {"6-10=s", "Opération impossible : racine carrée d'un nombre négatif.", -4},
        {"3+C+", "", 0},
    };
    for (const auto& c : cas) {
        Calculatrice calc;
        EXPECT_EQ(presse(calc, c.touches), QString::fromUtf8(c.message)) << c.touches;
        EXPECT_EQ(calc.accumulateur(), c.accumulateur) << c.touches;
    }
}

TEST(Calculatrice, UnAffichageVideNEstPasUnNombre) {
    Calculatrice calc;
    presse(calc, "5+");
    EXPECT_EQ(calc.affichage(), u"5");
    calc.efface();
    presse(calc, "4=+");
    EXPECT_EQ(calc.affichage(), u"4");
}

TEST(Calculatrice, AffichageDesValeurs) {
    struct Cas {
        double valeur;
        const char* texte;
    } const cas[] = {
        {15, "15"},
        {1.05, "1,05"},
        {2.0 / 3, "0,6666666666666"},
        {-1.0 / 3, "-0,333333333333"},
        {123456789012.345, "123456789012,34"},
        {1e20, "1e+20"},
        {1.0 / 3e7, "3,333333333e-08"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Calculatrice::texteValeur(c.valeur), QString::fromUtf8(c.texte)) << c.texte;
}
