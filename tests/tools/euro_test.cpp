#include "tools/euro.h"

#include <gtest/gtest.h>

using zel::outils::ConvertisseurEuro;

namespace {

void tapeTexte(ConvertisseurEuro& c, const char* texte) {
    for (const QChar ch : QString::fromUtf8(texte))
        c.tape(ch);
}

} // namespace

TEST(ConvertisseurEuro, ConvertitDansLesDeuxSens) {
    struct Cas {
        ConvertisseurEuro::Sens sens;
        const char* montant;
        const char* resultat;
    } const cas[] = {
        {ConvertisseurEuro::Sens::FrancsVersEuros, "100", "15,24"},
        {ConvertisseurEuro::Sens::FrancsVersEuros, "20", "3,05"},
        {ConvertisseurEuro::Sens::FrancsVersEuros, "65,5957", "10"},
        {ConvertisseurEuro::Sens::FrancsVersEuros, "100.2", "15,28"},
        {ConvertisseurEuro::Sens::EurosVersFrancs, "1", "6,6"},
        {ConvertisseurEuro::Sens::EurosVersFrancs, "10", "65,6"},
        {ConvertisseurEuro::Sens::EurosVersFrancs, "0,5", "3,3"},
        {ConvertisseurEuro::Sens::EurosVersFrancs, "", ""},
        {ConvertisseurEuro::Sens::EurosVersFrancs, "1,,2", ""},
    };
    for (const auto& c : cas) {
        ConvertisseurEuro conv;
        conv.setSens(c.sens);
        tapeTexte(conv, c.montant);
        conv.convertit();
        EXPECT_EQ(conv.resultat(), QString::fromUtf8(c.resultat)) << c.montant;
    }
}

TEST(ConvertisseurEuro, UnMontantTropGrandNeDonneQueDesMots) {
    for (const auto sens :
         {ConvertisseurEuro::Sens::FrancsVersEuros, ConvertisseurEuro::Sens::EurosVersFrancs}) {
        ConvertisseurEuro conv;
        conv.setSens(sens);
        for (int i = 0; i < 306; ++i)
            conv.tape(u'9');
        conv.convertit();
        EXPECT_EQ(conv.resultat(), QString::fromUtf8("Dépassement de capacité."));
    }
}

TEST(ConvertisseurEuro, UneToucheApresLeResultatRepartDeZero) {
    ConvertisseurEuro conv;
    tapeTexte(conv, "100");
    conv.convertit();
    conv.tape(u'2');
    EXPECT_EQ(conv.entree(), u"2");
    EXPECT_EQ(conv.resultat(), u"");

    conv.convertit();
    conv.autreTouche();
    EXPECT_EQ(conv.entree(), u"");
}

TEST(ConvertisseurEuro, LeTauxTourneParCentMilliemeSansDescendreSousLePlancher) {
    ConvertisseurEuro conv;
    EXPECT_EQ(conv.texteTaux(), u"6,55957");
    conv.tauxPlus();
    EXPECT_EQ(conv.texteTaux(), u"6,55958");
    while (conv.taux() > 1)
        conv.tauxMoins();
    conv.tauxMoins();
    EXPECT_EQ(conv.taux(), 1);
    EXPECT_EQ(conv.texteTaux(), u"0,00001");
}

TEST(ConvertisseurEuro, Touches) {
    using A = ConvertisseurEuro::Action;
    struct Cas {
        int touche;
        const char* texte;
        A action;
    } const cas[] = {
        {Qt::Key_5, "5", A::Caractere},      {Qt::Key_Comma, ",", A::Caractere},
        {Qt::Key_Period, ".", A::Caractere}, {Qt::Key_Return, "\r", A::Convertir},
        {Qt::Key_Enter, "\r", A::Convertir}, {Qt::Key_Escape, "\x1b", A::Fermer},
        {Qt::Key_A, "a", A::Aucune},         {Qt::Key_Plus, "+", A::Aucune},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ConvertisseurEuro::actionTouche(c.touche, QString::fromUtf8(c.texte)), c.action)
            << c.texte;
}
