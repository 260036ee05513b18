#include "records/impressionliste.h"
#include "stock/impressionstock.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"
#include "support/canevasenregistreur.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace A = ligneArticle;
namespace F = ligneFournisseur;
using test::CanevasEnregistreur;

using zel::test::s;

QStringList article(int n, const std::map<int, QString>& champs, const QStringList& suite = {}) {
    return test::bloc(n, 21, champs, suite);
}

QStringList articles(int nombre) {
    QStringList lignes;
    for (int n = 0; n < nombre; ++n)
        lignes += article(n, {{A::Code, QString::number(10001 + n)},
                              {A::Famille, s("Vis")},
                              {A::Designation, s("Article %1").arg(n)},
                              {A::StockReel, s("     2,00")},
                              {A::PrixAchat, s("  1,50")},
                              {A::PrixMoyen, s("  1,25")}});
    return lignes;
}

struct Texte {
    const char* texte;
    double x, y;
};

void attendus(const CanevasEnregistreur& c, std::initializer_list<Texte> textes, int page = 1) {
    for (const Texte& t : textes)
        EXPECT_TRUE(c.dessineA(s(t.texte), t.x, t.y, page)) << t.texte << " page " << page;
}

std::vector<int> tous(int compte) {
    std::vector<int> blocs;
    for (int n = 0; n < compte; ++n)
        blocs.push_back(n);
    return blocs;
}

} // namespace

TEST(ImpressionStock, TheArticleCardPrintsItsFieldsAndItsObservationsBelowItsDescription) {
    const struct Cas {
        int description;
        double premiereObservation;
    } cas[] = {{2, 70}, {6, 80}};
    for (const Cas& k : cas) {
        QStringList suite;
        for (int i = 0; i < k.description; ++i)
            suite.append(s("MEMOdescription %1").arg(i));
        suite += {s("MOBSobservation 0"), s("MOBSobservation 1"), s("DATA01/02/2026\tEntrée\t5")};
        test::Montage m;
        m.charge({}, {},
                 article(0,
                         {{A::Code, s("10001")},
                          {A::Famille, s("Vis")},
                          {A::Designation, s("Vis 4x40")},
                          {A::StockReel, s("   12,00")},
                          {A::StockMini, s("    3,00")},
                          {A::Fournisseur, s("Würth")},
                          {A::Reference, s("W440")},
                          {A::Tva, s("1")},
                          {A::PrixAchat, s("    1,00")},
                          {A::PrixMoyen, s("    1,10")},
                          {A::Coefficient, s("    2,00")},
                          {A::PrixHT, s("    2,00")},
                          {A::PrixTTC, s("    2,39")},
                          {A::CompteVente, s("707")},
                          {A::CompteAchat, s("607")},
                          {A::SaisieLibelle, s("Inventaire")},
                          {A::SaisieMontant, s("1,00")}},
                         suite));
        m.fenetre.montre(Sorte::Articles);
        const Carte& carte = m.fenetre.articles().carte();
        CanevasEnregistreur c;
        ImpFiche4(c, carte);
        EXPECT_EQ(c.pages, 1);
        attendus(c, {{"Code article", 5, 5},
                     {"10001", 35, 5},
                     {"Famille", 50, 5},
                     {"Vis", 70, 5},
                     {"Prix d'achat HT", 110, 5},
                     {"Désignation", 5, 10},
                     {"Vis 4x40", 35, 10},
                     {"P.A.M.P.", 110, 10},
                     {"Stock réel", 5, 15},
                     {"Stock mini", 60, 15},
                     {"Coef. de marge", 110, 15},
                     {"Fournisseur", 5, 20},
                     {"Würth", 35, 20},
                     {"Prix vente HT", 110, 20},
                     {"Réf. article", 5, 25},
                     {"W440", 35, 25},
                     {"Prix vente TTC", 110, 25},
                     {"Comptz vente", 5, 30},
                     {"707", 35, 30},
                     {"Compte achat", 110, 30},
                     {"607", 145, 30},
                     {"06/12/2026", 5, 40},
                     {"Inventaire", 35, 40},
                     {"description 0", 120, 50},
                     {"01/02/2026", 5, 75},
                     {"Entrée", 35, 75}});
        // Numbers as the card shows them, alignment blanks included.
        EXPECT_TRUE(c.dessineA(carte.champ(A::PrixMoyen), 145, 10));
        EXPECT_TRUE(c.dessineA(carte.champ(A::StockReel), 35, 15));
        EXPECT_TRUE(c.dessineA(s("observation 0"), 120, k.premiereObservation));
        EXPECT_TRUE(c.dessineA(s("observation 1"), 120, k.premiereObservation + 5));
        EXPECT_FALSE(c.trouve(s("Date"))) << "no title row on the article card";
    }
}

TEST(ImpressionStock, TheSupplierCardSharesTheClientLayoutWithItsOwnLabels) {
    test::Montage m;
    m.charge({}, test::bloc(0, 24,
                            {{F::Code, s("20001")},
                             {F::Nom, s("Würth")},
                             {F::Ville, s("Lyon")},
                             {F::SiteWeb, s("wurth.fr")},
                             {F::CompteFournisseur, s("401WUR")}},
                            {s("MEMOlivre le mardi"), s("DATA02/02/2026\tCommande 4\t120,00")}));
    m.fenetre.montre(Sorte::Fournisseurs);
    CanevasEnregistreur c;
    ImpFiche3(c, m.fenetre.fournisseurs().carte());
    attendus(c, {{"Code Four.", 5, 5},
                 {"20001", 35, 5},
                 {"Nom / Société", 5, 10},
                 {"Würth", 35, 10},
                 {"Ville", 5, 30},
                 {"Lyon", 35, 30},
                 {"Site Web", 110, 30},
                 {"wurth.fr", 135, 30},
                 {"Compte", 110, 50},
                 {"401WUR", 135, 50},
                 {"Commande 4", 35, 75},
                 {"livre le mardi", 120, 70}});
    EXPECT_FALSE(c.trouve(s("Date")));
}

TEST(ImpressionStock, TheArticleAndSupplierListsPrintTheirLinesUnderTheirHeaders) {
    Blocs fournisseurs;
    fournisseurs.ajoute(test::bloc(0, 24,
                                   {{F::Nom, s("Würth")},
                                    {F::Adresse1, s("1 rue B")},
                                    {F::CodePostal, s("67000")},
                                    {F::Ville, s("Strasbourg")},
                                    {F::Pays, s("France")},
                                    {F::Telephone, s("0388")},
                                    {F::Fax, s("0389")}}));
    CanevasEnregistreur four;
    ImpFour(four, fournisseurs, {0});
    EXPECT_EQ(four.orientationDocument, Canevas::Orientation::Paysage);
    attendus(four, {{"Nom/Société", 5, 0},
                    {"Fax", 255, 0},
                    {"Würth", 5, 10},
                    {"1 rue B", 55, 10},
                    {"67000", 155, 10},
                    {"Strasbourg", 175, 10},
                    {"0388", 225, 10},
                    {"0389", 255, 10}});
    EXPECT_FALSE(four.trouve(s("France")));

    Blocs stock;
    stock.ajoute(articles(100));
    CanevasEnregistreur c;
    ImpArt(c, stock, tous(100));
    EXPECT_EQ(c.orientationDocument, Canevas::Orientation::Paysage);
    attendus(c, {{"Code", 5, 0},
                 {"Famille", 20, 0},
                 {"Désignation", 60, 0},
                 {"Stock", 110, 0},
                 {"Mini", 140, 0},
                 {"Fournisseur", 160, 0},
                 {"Réf.", 200, 0},
                 {"P Achat", 220, 0},
                 {"Pv. HT", 240, 0},
                 {"Pv. TTC", 260, 0},
                 {"10001", 5, 10},
                 {"Article 0", 60, 10},
                 {"     2,00", 100, 10},
                 {"  1,50", 220, 10}});
    // 43 lines a landscape page, each page under its header.
    EXPECT_EQ(c.pages, 3);
    for (int page = 1; page <= 3; ++page)
        attendus(c, {{"Pv. TTC", 260, 0}}, page);
    attendus(c, {{"Article 43", 60, 10}}, 2);
    EXPECT_EQ(c.regles.size(), 3u);
}

TEST(ImpressionStock, TheInventoryValuesEachArticleAndTotalsThem) {
    Blocs stock;
    stock.ajoute(articles(3));
    stock.ajoute(
        article(3, {{A::Code, s("10004")}, {A::StockReel, s("")}, {A::PrixMoyen, s("9")}}));
    CanevasEnregistreur c;
    const BilanInventaire b = Inventaire(c, stock, tous(4), s("0.00"), QDate(2026, 12, 6));
    EXPECT_EQ(c.orientationDocument, Canevas::Orientation::Portrait);
    EXPECT_EQ(c.pages, 1);
    EXPECT_EQ(c.documentsFinis, 1);
    for (const auto& t : c.textes)
        EXPECT_EQ(t.taille, 9) << t.texte.toStdString();
    attendus(c, {{"Inventaire au 06/12/2026", 5, 0},
                 {"Code", 5, 5},
                 {"Famille", 20, 5},
                 {"Désignation", 50, 5},
                 {"Stock", 120, 5},
                 {"Pr. Ac.", 140, 5},
                 {"PAMP", 160, 5},
                 {"Valeur", 190, 5},
                 {"10001", 5, 15},
                 {"Vis", 20, 15},
                 {"Article 0", 60, 15},
                 {"     2,00", 110, 15},
                 {"10003", 5, 25},
                 {"Total", 150, 40}});
    // Right-aligned texts end at their position (10 units a character, 4 units a millimetre).
    const auto finA = [&c](const char* texte, double x, double y) {
        for (const auto& t : c.textes) {
            if (t.texte == s(texte) && t.x + 10 * t.texte.size() == 4 * x && t.y == 4 * (y + 3))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(finA("1,50", 150, 15));
    EXPECT_TRUE(finA("1,25", 170, 15));
    EXPECT_TRUE(finA("2,50", 200, 15));
    EXPECT_TRUE(finA("0,00", 200, 30)) << "a blank stock counts as 0";
    EXPECT_TRUE(finA("7,50", 200, 40));
    EXPECT_DOUBLE_EQ(b.total, 7.5);
    EXPECT_TRUE(b.illisibles.isEmpty());
    EXPECT_TRUE(messageInventaire(b).isEmpty());
    ASSERT_EQ(c.regles.size(), 2u);
    EXPECT_EQ(c.regles[1].x1, 4 * 150);
    EXPECT_EQ(c.regles[1].x2, 4 * 205);
    EXPECT_EQ(c.regles[1].y1, 4 * (35 + 3));
}

TEST(ImpressionStock, AnUnreadableValueIsLeftOutOfTheTotalAndNamedAfterThePrint) {
    Blocs stock;
    stock.ajoute(articles(2));
    stock.ajoute(article(2, {{A::Code, s("10003")},
                             {A::Designation, s("Écrou")},
                             {A::StockReel, s("2,x")},
                             {A::PrixMoyen, s("1")}}));
    stock.ajoute(article(3, {{A::Code, s("10004")},
                             {A::Designation, s("Rondelle")},
                             {A::StockReel, s("1")},
                             {A::PrixMoyen, s("abc")}}));
    CanevasEnregistreur c;
    const BilanInventaire b = Inventaire(c, stock, tous(4), s("0.00"), QDate(2026, 12, 6));
    EXPECT_EQ(c.documentsFinis, 1) << "the print is ended";
    EXPECT_TRUE(c.dessineA(s("2,x"), 110, 25)) << "the line is printed";
    EXPECT_TRUE(c.dessineA(s("Rondelle"), 60, 30));
    EXPECT_EQ(c.seulementTextes().filter(s(",")).size(), 2 + 3 + 3 + 1 + 1) << "no value";
    EXPECT_DOUBLE_EQ(b.total, 5);
    EXPECT_TRUE(c.trouve(s("5,00")));
    EXPECT_EQ(b.illisibles, (QStringList{s("10003 Écrou"), s("10004 Rondelle")}));
    EXPECT_EQ(messageInventaire(b),
              s("Stock ou P.A.Moyen Pond. illisible : ces articles sont imprimés sans valeur et "
                "ne comptent pas dans le total de l'inventaire :\n10003 Écrou\n10004 Rondelle"));
}

TEST(ImpressionStock, AValuePastTheLargestNumberIsPrintedNeitherInItsLineNorInTheTotal) {
    const QString grand = QString::fromStdString(test::tresGrand);
    Blocs stock;
    stock.ajoute(articles(1));
    stock.ajoute(article(1, {{A::Code, s("10002")},
                             {A::Designation, s("Écrou")},
                             {A::StockReel, grand},
                             {A::PrixMoyen, s("10")}}));
    CanevasEnregistreur c;
    const BilanInventaire b = Inventaire(c, stock, tous(2), s("0.00"), QDate(2026, 12, 6));
    for (const QString& texte : c.seulementTextes())
        EXPECT_FALSE(texte.contains(s("inf")) || texte.contains(s("nan"))) << texte.toStdString();
    EXPECT_TRUE(c.trouve(s("2,50"))) << "the other article is valued and totalled";
    EXPECT_DOUBLE_EQ(b.total, 2.5);
    EXPECT_EQ(messageInventaire(b),
              s("« Valeur » dépasserait le plus grand nombre que le programme sait écrire : ces "
                "articles sont imprimés sans valeur et ne comptent pas dans le total de "
                "l'inventaire :\n10002 Écrou"));

    // Values each within reach whose total is not: no total is printed.
    Blocs lourds;
    for (int n = 0; n < 2; ++n)
        lourds.ajoute(article(n, {{A::Code, QString::number(10001 + n)},
                                  {A::StockReel, grand},
                                  {A::PrixMoyen, s("1")}}));
    CanevasEnregistreur d;
    const BilanInventaire bl = Inventaire(d, lourds, tous(2), s("0.00"), QDate(2026, 12, 6));
    EXPECT_EQ(d.seulementTextes().count(s("1") + QString(308, u'0') + s(",00")), 2);
    for (const QString& texte : d.seulementTextes())
        EXPECT_FALSE(texte.contains(s("inf")) || texte.contains(s("nan"))) << texte.toStdString();
    EXPECT_TRUE(d.trouve(s("Total")));
    EXPECT_EQ(messageInventaire(bl),
              s("« Total » dépasserait le plus grand nombre que le programme sait écrire : le "
                "total de l'inventaire n'est pas imprimé."));
}

TEST(ImpressionStock, TheInventoryOfNothingAndOfManyPages) {
    Blocs stock;
    stock.ajoute(articles(150));
    {
        CanevasEnregistreur c;
        Inventaire(c, stock, {}, s("0.00"), QDate(2026, 12, 6));
        EXPECT_EQ(c.pages, 1);
        EXPECT_TRUE(c.dessineA(s("Valeur"), 190, 5));
        EXPECT_TRUE(c.dessineA(s("Total"), 150, 20));
        EXPECT_TRUE(c.trouve(s("0,00")));
        EXPECT_EQ(c.regles.size(), 2u) << "the header's rule and the closing rule";
    }
    CanevasEnregistreur c;
    const BilanInventaire b = Inventaire(c, stock, tous(150), s("0.00"), QDate(2026, 12, 6));
    // Portrait, 1401 units high at 4 units a millimetre: lines from 15 to 320, 62 a page.
    EXPECT_EQ(c.pages, 3);
    for (int page = 1; page <= 3; ++page) {
        attendus(c, {{"Inventaire au 06/12/2026", 5, 0}, {"Valeur", 190, 5}}, page);
        for (const auto& t : c.textes) {
            if (t.page == page && t.texte.startsWith(u"Article")) {
                EXPECT_GE(c.yMm(t.y), 15) << "no line on the header's rule";
            }
        }
    }
    attendus(c, {{"Article 61", 60, 320}}, 1);
    attendus(c, {{"Article 62", 60, 15}}, 2);
    attendus(c, {{"Article 124", 60, 15}, {"Total", 150, 15 + 5 * 27}}, 3);
    EXPECT_DOUBLE_EQ(b.total, 150 * 2.5);
    EXPECT_TRUE(c.trouve(s("375,00")));
}
