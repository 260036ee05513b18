#include "records/cadre.h"

#include "support/canevasenregistreur.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

} // namespace

TEST(Cadre, MillimetresTurnIntoDeviceUnitsWithTheQuotientTruncated) {
    test::CanevasEnregistreur canevas(4.72);
    Cadre c(canevas);
    EXPECT_EQ(c.Mh(10), 40);
    EXPECT_EQ(c.Mv(10), 52) << "3 mm lower than its nominal value";
    // At the printer's 1200 dots per inch the truncation stays well under 1 %.
    test::CanevasEnregistreur fin(1200 / 25.4);
    Cadre f(fin);
    EXPECT_NEAR(f.Mh(190) / (190 * 1200 / 25.4), 1.0, 0.01);
}

TEST(Cadre, ThePrintPatternAndTextsHeldInTheirPlaces) {
    test::CanevasEnregistreur canevas;
    Cadre c(canevas);
    c.debut(Canevas::Orientation::Paysage);
    EXPECT_EQ(canevas.derniereOrientation, Canevas::Orientation::Paysage);
    c.texteDroite(100, 0, s("1234"), 50);
    // A text is cut at the end of its place; a figure is made smaller, its alignment blanks
    // going first, and cut with "…" only when even the smallest size does not hold it.
    c.texte(0, 5, s("abcdefghij"), 10);
    c.texte(0, 10, s("   1234567890"), 10, Ajuste::Reduit);
    c.texteDroite(100, 15, QString(300, u'9'), 95);
    c.texte(0, 20, s("x"), 0);
    c.fin();
    EXPECT_EQ(canevas.derniereOrientation, Canevas::Orientation::Portrait);
    ASSERT_EQ(canevas.textes.size(), 4U) << "nothing where there is no room";
    const auto& droite = canevas.textes[0];
    EXPECT_EQ(droite.x + droite.largeur, canevas.x(100));
    EXPECT_EQ(droite.taille, 10);
    const auto& coupe = canevas.textes[1];
    EXPECT_TRUE(s("abcdefghij").startsWith(coupe.texte));
    EXPECT_LE(coupe.largeur, canevas.x(10));
    EXPECT_GT(coupe.largeur + canevas.largeurTexte(s("f")), canevas.x(10)) << "as much as holds";
    const auto& reduit = canevas.textes[2];
    EXPECT_EQ(reduit.texte, s("1234567890"));
    EXPECT_LT(reduit.taille, 10);
    EXPECT_LE(reduit.largeur, canevas.x(10));
    const auto& points = canevas.textes[3];
    EXPECT_TRUE(points.texte.endsWith(s("…")));
    EXPECT_GE(points.x, canevas.x(95));
    EXPECT_EQ(points.x + points.largeur, canevas.x(100));
    EXPECT_EQ(points.taille, 3);
    EXPECT_TRUE(canevas.chevauchements().empty());
}

TEST(Cadre, TextsAndRulesStayWithinThePrintableAreaAndRulesAreNeverHairlines) {
    // A printer of 1200 dots per inch whose printable area is narrower than its paper.
    test::CanevasEnregistreur canevas(1200 / 25.4, 3.53);
    Cadre c(canevas);
    c.debut(Canevas::Orientation::Paysage);
    c.ligne(5, 5, 300, 5);
    c.texte(280, 10, QString(40, u'x'));
    c.fin();
    EXPECT_TRUE(canevas.horsZone().isEmpty()) << canevas.horsZone().join(u'|').toStdString();
    ASSERT_EQ(canevas.regles.size(), 1u);
    EXPECT_EQ(canevas.regles[0].x2, canevas.regles[0].largeurZone) << "cut at the edge";
    EXPECT_GE(canevas.regles[0].epaisseur, 0.2 * 1200 / 25.4);
    // At 72 dots per inch a millimetre is two dots (0.7 mm): the fonts shrink with it, so that a
    // line of 12 points still holds in its 5 mm.
    test::CanevasEnregistreur grossier(72 / 25.4);
    Cadre g(grossier);
    g.debut();
    g.police(12, true);
    g.texte(20, 79, s("Code client : 1"));
    g.texte(20, 84, s("Facture N° 1"));
    g.fin();
    ASSERT_EQ(grossier.textes.size(), 2u);
    EXPECT_EQ(grossier.textes[0].taille, 12);
    EXPECT_TRUE(grossier.chevauchements().empty());
}

TEST(Cadre, UndefinedCodePageBytesAndControlCharactersPrintAsQuestionMarks) {
    test::CanevasEnregistreur canevas;
    Cadre c(canevas);
    c.debut();
    const QString indefinis =
        QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D) + QChar(0x01);
    c.texte(5, 5, s("a") + indefinis + s("é€"));
    c.fin();
    ASSERT_EQ(canevas.textes.size(), 1u);
    EXPECT_EQ(canevas.textes[0].texte, s("a??????é€"));
    EXPECT_EQ(imprimable(s("Dupont")), s("Dupont"));
}

TEST(Cadre, TheRecordRangeIsClampedAndPassesOverMissingBlocks) {
    Blocs b;
    for (int n = 0; n < 12; ++n) {
        if (n != 5)
            b.AjouteBloc(n, {s("x")});
    }
    const struct {
        int de, a;
        std::vector<int> attendu;
    } cas[] = {
        {0, 99999, {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11}},
        {0, 0, {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11}}, // "all pages"
        {3, 4, {2, 3}},
        {6, 6, {}},
        {13, 20, {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(blocsDeLaPlage(b, 12, c.de, c.a), c.attendu) << c.de << ".." << c.a;
}

TEST(Cadre, AListRepeatsItsHeaderOnEachPageAndNeverEndsOnAHeaderAlone) {
    test::CanevasEnregistreur canevas(10);
    Cadre c(canevas);
    c.debut();
    int entetes = 0;
    PagesListe pages(c, [&entetes](Cadre& cadre) {
        ++entetes;
        cadre.texte(10, 0, s("Liste"));
    });
    // 10 mm to 270 mm: 53 lines on a page of 297 mm less 20 mm.
    std::vector<double> ys;
    for (int i = 0; i < 53; ++i)
        ys.push_back(pages.ligne());
    EXPECT_EQ(canevas.pages, 1) << "the last line of a full page starts no page";
    EXPECT_EQ(ys.front(), 10);
    EXPECT_EQ(ys.back(), 270);
    EXPECT_EQ(pages.ligne(), 10);
    EXPECT_EQ(canevas.pages, 2);
    EXPECT_EQ(entetes, 2);
    // A line that must keep the next two with it goes on a new page when they would not hold.
    for (int i = 1; i < 51; ++i)
        pages.ligne();
    EXPECT_EQ(pages.ligne(2), 10);
    EXPECT_EQ(canevas.pages, 3);
    EXPECT_EQ(pages.ligne(), 15);
    EXPECT_EQ(pages.ligne(), 20);
}

TEST(Cadre, TheEnvelopeSettingsChangeOnlyThroughOk) {
    ValeursIni v;
    v.miseEnPage = 7; // a layout the dialog does not know keeps the envelope settings shown
    v.orientationEnveloppe = 1;
    v.decalageGuide = 100;
    const MiseEnPage m = MiseEnPage::depuis(v);
    EXPECT_EQ(m.orientation, 1);
    EXPECT_TRUE(m.guide);
    // "Annuler" applies nothing; "OK" applies the choices.
    MiseEnPage choix{0, false};
    choix.applique(v);
    EXPECT_EQ(v.orientationEnveloppe, 0);
    EXPECT_EQ(v.decalageGuide, 0);
    v.orientationEnveloppe = 5;
    EXPECT_EQ(MiseEnPage::depuis(v).orientation, 0);
}
