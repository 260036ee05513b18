#include "records/impressiondocument.h"

#include "support/canevasenregistreur.h"
#include "support/mesurefixe.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <set>

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
        EXPECT_TRUE(c.finitA(s("10,00"), 149, 105)) << "right-aligned on the price column";
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
    EXPECT_TRUE(c.finitA(s(" "), 189, 261))
        << "the other currency has no converted amount: a lone blank";
    EXPECT_TRUE(c.finitA(s("20,00 Livres"), 189, 248));
    EXPECT_EQ(c.trouve(s("Note 1"))->y, y(205));
    EXPECT_EQ(c.trouve(s("Note 2"))->y, y(210));
    EXPECT_EQ(c.trouve(s("Note 3"))->y, y(215));
}

TEST(ImpressionFacture, ALongDocumentGoesOnFurtherPagesWithEveryLineOnce) {
    Facture f(40);
    const test::CanevasEnregistreur c = f.imprime();
    EXPECT_EQ(c.pages, 2);
    EXPECT_EQ(feuillesDocument(f.d).size(), 2u);
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

    // Notes take room on the last page: lines that would not hold above them move to another
    // page, the last one keeping lines of its own.
    Facture n(30);
    n.d.notes = {s("a"), s("b"), s("c")};
    const std::vector<FeuilleDocument> feuilles = feuillesDocument(n.d);
    ASSERT_EQ(feuilles.size(), 2u);
    EXPECT_EQ(feuilles[0].lignes, 28);
    EXPECT_EQ(feuilles[1].lignes, 2);
    EXPECT_EQ(feuilles[1].notes, 3);
}

TEST(ImpressionFacture, ADesignationIsCutAtItsColumn) {
    Facture f(1);
    f.d.ligne(1)[C::Designation] = QString(60, u'x');
    const test::CanevasEnregistreur c = f.imprime();
    for (const auto& t : c.textes) {
        if (t.texte.startsWith(u'x')) {
            EXPECT_LE(t.x + t.largeur, x(114));
        }
    }
}

namespace {

// How many times each line (by its "Réf") and each note was drawn, and whether the print keeps
// every text to itself and within the printable area.
void verifieTout(const Facture& f, const test::CanevasEnregistreur& c) {
    const int lignes = f.d.lignesUtilisees;
    for (int r = 1; r <= lignes; ++r)
        EXPECT_EQ(c.seulementTextes().count(s("R") + QString::number(r)), 1) << "line " << r;
    for (const QString& note : f.d.notes)
        EXPECT_EQ(c.seulementTextes().count(note), 1) << note.toStdString();
    EXPECT_EQ(c.defauts(), QStringList());
}

QStringList notes(int n) {
    QStringList t;
    for (int i = 1; i <= n; ++i)
        t.append(s("Note numéro %1").arg(i));
    return t;
}

} // namespace

TEST(ImpressionFacture, ManyLinesAndManyNotesPrintEachOnceWithoutOverrunningTheLines) {
    // 63 lines and 17 notes or 57 and 22 used to read past the last line.
    const struct {
        int lignes, notes, pages;
    } cas[] = {{63, 17, 3}, {57, 22, 3}, {63, 26, 4}, {0, 26, 1}, {63, 0, 3}, {5, 60, 3}};
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << k.lignes << " lines, " << k.notes << " notes");
        Facture f(k.lignes);
        f.d.notes = notes(k.notes);
        const test::CanevasEnregistreur c = f.imprime();
        EXPECT_EQ(c.pages, k.pages);
        verifieTout(f, c);
        EXPECT_EQ(c.seulementTextes().count(s("Réglement : 30 jours")), 1);
    }
}

TEST(ImpressionFacture, NotesPastTheTwentyThirdEachHaveTheirOwnRow) {
    Facture f(0);
    f.d.notes = notes(26);
    const test::CanevasEnregistreur c = f.imprime();
    std::set<int> hauteurs;
    for (const auto& t : c.textes) {
        if (t.texte.startsWith(s("Note numéro")))
            hauteurs.insert(t.y);
    }
    EXPECT_EQ(hauteurs.size(), 26u) << "every note on its own row";
    EXPECT_TRUE(c.dessineA(s("Note numéro 1"), 22, 105));
    EXPECT_TRUE(c.dessineA(s("Note numéro 26"), 22, 230));
    verifieTout(f, c);
}

TEST(ImpressionFacture, TheEmptyRowAfterTheLastLineTakesNoRoom) {
    // A document read from its block has the empty row after its last line in use.
    const struct {
        int lignes, notes, pages;
    } cas[] = {{28, 0, 1}, {29, 0, 2}, {50, 10, 3}, {20, 3, 1}, {25, 3, 1}};
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << k.lignes << " lines, " << k.notes << " notes");
        Facture f(k.lignes);
        f.d.lignesUtilisees = k.lignes + 1;
        f.d.notes = notes(k.notes);
        const test::CanevasEnregistreur c = f.imprime();
        EXPECT_EQ(c.pages, k.pages);
        // Every page holds lines; the last one its notes and totals as well.
        for (int p = 1; p <= c.pages; ++p) {
            const QStringList textes = c.textesDeLaPage(p);
            EXPECT_TRUE(std::any_of(textes.begin(), textes.end(),
                                    [](const QString& t) { return t.startsWith(u"Article"); }))
                << "page " << p;
        }
        EXPECT_EQ(c.trouve(s("Réglement : 30 jours"))->page, c.pages);
        f.d.lignesUtilisees = k.lignes;
        verifieTout(f, c);
    }
}

TEST(ImpressionFacture, FiguresTooWideForTheirColumnsAreMadeSmallerNotRunOver) {
    Facture f(2);
    f.d.ligne(1) = {s("R1"),   QString(200, u'D'),           s("1234567"), s("9999999999,99"),
                    s("12,5"), s("12345678901234567890,00"), s("1")};
    f.totaux.ht = s("123456789012345,00");
    f.totaux.tva = s("24197530966419,62");
    f.totaux.ttc = s("147654320000000,00");
    f.totaux.converti = s("22509766000000,00");
    const test::CanevasEnregistreur c = f.imprime();
    verifieTout(f, c);
    // Each figure whole, right-aligned on its column.
    EXPECT_TRUE(c.finitA(s("1234567"), 124, 105));
    EXPECT_TRUE(c.finitA(s("9999999999,99"), 149, 105));
    EXPECT_TRUE(c.finitA(s("12345678901234567890,00"), 184, 105));
    EXPECT_TRUE(c.finitA(s("123456789012345,00"), 104, 248));
    EXPECT_TRUE(c.finitA(s("147654320000000,00 Euros"), 189, 248));
    EXPECT_LT(c.trouve(s("1234567"))->taille, 10);
    EXPECT_GE(c.trouve(s("1234567"))->x, x(116));
}
