#include "records/impressiondocument.h"

#include "support/canevasenregistreur.h"
#include "support/mesurefixe.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace C = colonne;

using zel::test::s;

struct Facture {
    Reglages reglages;
    test::MesureFixe mesure;
    Document d;
    Totaux totaux;

    explicit Facture(int lignes = 2) {
        reglages.entete = {s("SARL Zel"), s("1 rue"), s("69000 Lyon"), s("Tél"),
                           s("Fax"),      s("Siret"), s("TVA")};
        d.numero = s("202612001");
        d.date = QDate(2026, 12, 6);
        d.tiers = s("10001");
        d.genre = s("Facture");
        d.conditions = s("30 jours");
        d.adresse = {s("Dupont"), s("1 rue"), s(""), s("69000 Lyon")};
        for (int r = 1; r <= lignes; ++r)
            d.ligne(r) = {s("R") + QString::number(r),
                          s("Article ") + QString::number(r),
                          s("1"),
                          s("10"),
                          QString(),
                          QString(),
                          QString()};
        d.lignesUtilisees = lignes;
        totaux = Calculef(d.lignes, d.ttc, reglages, mesure);
    }
    test::CanevasEnregistreur imprime() {
        test::CanevasEnregistreur canevas;
        imprimeDocument(canevas, d, totaux, reglages, QStringLiteral("Code client : "));
        return canevas;
    }
};

// Device units of a nominal position at 4 units per millimetre.
int x(double mm) {
    return int(4 * mm);
}
int y(double mm) {
    return int(4 * (mm + 3));
}

} // namespace

TEST(ImpressionFacture, TheFramesModesAndTheDataAtTheirPlaces) {
    for (int mode : {0, 1, 2}) {
        Facture f;
        f.reglages.ini.miseEnPage = mode;
        const test::CanevasEnregistreur c = f.imprime();
        SCOPED_TRACE(mode);
        EXPECT_EQ(c.trouve(s("SARL Zel")) != nullptr, mode == 0);
        EXPECT_EQ(c.trouve(s("Désignation")) != nullptr, mode <= 1);
        EXPECT_EQ(c.rectangles, mode <= 1 ? 1 : 0);
        // The data stand at the same places whatever the mode.
        const auto* numero = c.trouve(s("Facture N° 202612001"));
        ASSERT_TRUE(numero);
        EXPECT_EQ(numero->x, x(20));
        EXPECT_EQ(numero->y, y(84));
        EXPECT_EQ(numero->taille, 12);
        const auto* date = c.trouve(s("Date 06/12/2026"));
        ASSERT_TRUE(date);
        EXPECT_EQ(date->x, x(116));
        const auto* article = c.trouve(s("Article 2"));
        ASSERT_TRUE(article);
        EXPECT_EQ(article->y, y(110));
        const auto* montant = c.trouve(s("10,00"));
        ASSERT_TRUE(montant);
        EXPECT_EQ(montant->x, x(149) - 50) << "right-aligned on the price column";
        EXPECT_EQ(c.pages, 1);
    }
}

TEST(ImpressionFacture, PriceModeCurrencyAndNotes) {
    Facture f;
    f.d.ttc = true;
    f.reglages.ini.modeDevise = 2;
    f.reglages.ini.nomDevise = s("Livres");
    f.totaux = Calculef(f.d.lignes, f.d.ttc, f.reglages, f.mesure);
    metLegendes(f.totaux, f.reglages.ini);
    f.d.notes = {s("Note 1"), s("Note 2"), s("Note 3")};
    const test::CanevasEnregistreur c = f.imprime();
    EXPECT_TRUE(c.trouve(s("Montant TTC")));
    const auto* blanc = c.trouve(s(" "));
    ASSERT_TRUE(blanc) << "the other currency has no converted amount: a lone blank";
    EXPECT_EQ(blanc->x, x(189) - 10);
    EXPECT_EQ(blanc->y, y(261));
    EXPECT_EQ(c.trouve(s("20,00 Livres"))->y, y(248));
    EXPECT_EQ(c.trouve(s("Note 1"))->y, y(205));
    EXPECT_EQ(c.trouve(s("Note 2"))->y, y(210));
    EXPECT_EQ(c.trouve(s("Note 3"))->y, y(215));
}

TEST(ImpressionFacture, ALongDocumentGoesOnFurtherPagesWithEveryLineOnce) {
    Facture f(40);
    const test::CanevasEnregistreur c = f.imprime();
    EXPECT_EQ(c.pages, 2);
    EXPECT_EQ(pagesDocument(f.d), 2);
    for (int r = 1; r <= 40; ++r) {
        int vues = 0;
        for (const auto& t : c.textes) {
            if (t.texte == s("Article ") + QString::number(r)) {
                ++vues;
                EXPECT_LE(t.y, y(240)) << "above the totals";
            }
        }
        EXPECT_EQ(vues, 1) << r;
    }
    EXPECT_EQ(c.trouve(s("Page 2 / 2"))->page, 2);
    EXPECT_EQ(c.trouve(s("Réglement : 30 jours"))->page, 2) << "the totals on the last page";
    int cadres = 0;
    for (const auto& t : c.textes)
        cadres += t.texte == s("Désignation") ? 1 : 0;
    EXPECT_EQ(cadres, 2) << "each page has its frame";

    // Notes take room on the last page: the lines above them move to another page.
    Facture n(25);
    n.d.notes = {s("a"), s("b"), s("c")};
    EXPECT_EQ(pagesDocument(n.d), 2);
}

TEST(ImpressionFacture, ADesignationIsCutAtItsColumn) {
    Facture f(1);
    f.d.ligne(1)[C::Designation] = QString(60, u'x');
    const test::CanevasEnregistreur c = f.imprime();
    for (const auto& t : c.textes) {
        if (t.texte.startsWith(u'x')) {
            EXPECT_LE(t.x + 10 * t.texte.size(), x(114));
        }
    }
}
