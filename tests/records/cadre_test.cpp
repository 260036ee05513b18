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

TEST(Cadre, ThePrintPatternAndRightAlignedTexts) {
    test::CanevasEnregistreur canevas;
    Cadre c(canevas);
    c.debut(Canevas::Orientation::Paysage);
    EXPECT_EQ(canevas.derniereOrientation, Canevas::Orientation::Paysage);
    c.texteDroite(100, 0, s("1234"));
    c.texteCoupe(0, 0, 5, s("abcdefghij")); // 5 mm hold 2 characters of 10 units
    c.fin();
    EXPECT_EQ(canevas.derniereOrientation, Canevas::Orientation::Portrait);
    ASSERT_EQ(canevas.textes.size(), 2U);
    EXPECT_EQ(canevas.textes[0].x, 400 - 40);
    EXPECT_EQ(canevas.textes[0].taille, 10);
    EXPECT_EQ(canevas.textes[1].texte, s("ab"));
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
