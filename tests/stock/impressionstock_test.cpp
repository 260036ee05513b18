#include "records/impressionliste.h"
#include "stock/impressionstock.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"
#include "support/canevasenregistreur.h"
#include "support/montage.h"
#include "support/texte.h"

#include <QRegularExpression>

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
        // Numbers as the card shows them, alignment blanks included where they hold; before a
        // label close by, the blanks give way.
        EXPECT_TRUE(c.dessineA(carte.champ(A::PrixMoyen), 145, 10));
        EXPECT_TRUE(c.dessineA(s("12,00"), 35, 15));
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
                 {"Article 0", 60, 10}});
    // Figures right-aligned where their title ends.
    EXPECT_TRUE(c.finitA(s("2,00"), 122, 10));
    EXPECT_TRUE(c.finitA(s("1,50"), 237, 10));
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
                 {"10003", 5, 25},
                 {"Total", 150, 40}});
    // Figures end at their position, the stock under its title.
    const auto finA = [&c](const char* texte, double x, double y) {
        return c.finitA(s(texte), x, y);
    };
    EXPECT_TRUE(finA("2,00", 130, 15));
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
    EXPECT_TRUE(c.finitA(s("2,x"), 130, 25)) << "the line is printed";
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
    // 309 digits hold in no column even in the smallest size: each value shows it was cut.
    const auto valeurs = d.seulementTextes().filter(QRegularExpression(s("^10+…$")));
    EXPECT_EQ(valeurs.size(), 2);
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

TEST(ImpressionStock, LongTextsAndWideFiguresStayInTheirColumns) {
    const QString longue = s("Vis à tête fraisée six pans creux, acier inoxydable A4, 8 x 120 mm");
    Blocs stock;
    for (int n = 0; n < 3; ++n)
        stock.ajoute(article(n, {{A::Code, s("1000%1-INOX").arg(n)},
                                 {A::Famille, s("Visserie et boulonnerie")},
                                 {A::Designation, longue},
                                 {A::StockReel, s("        123456789,00")},
                                 {A::StockMini, s("     12345,00")},
                                 {A::Fournisseur, s("20001-WÜRTH FRANCE")},
                                 {A::Reference, s("W-4711-0815-A4")},
                                 {A::PrixAchat, s("           1234567890,00")},
                                 {A::PrixMoyen, s("  987654321,55")},
                                 {A::PrixHT, s("           1234567890,00")},
                                 {A::PrixTTC, s("           1476543096,44")}}));
    Blocs fournisseurs;
    fournisseurs.ajoute(test::bloc(0, 24,
                                   {{F::Nom, s("Würth France, division fixations industrielles")},
                                    {F::Adresse1, s("Zone industrielle Ouest, rue de l'Industrie")},
                                    {F::Ville, s("Erstein-Krafft sur le Rhin")}}));
    for (const double dpi : {72.0, 1200.0}) {
        SCOPED_TRACE(dpi);
        CanevasEnregistreur liste(dpi / 25.4);
        ImpArt(liste, stock, tous(3));
        EXPECT_EQ(liste.defauts(), QStringList());
        // Figures whole and right-aligned under their titles, not under the next ones.
        EXPECT_TRUE(liste.finitA(s("1234567890,00"), 237, 10));
        EXPECT_TRUE(liste.finitA(s("1476543096,44"), 277, 10));
        EXPECT_TRUE(liste.finitA(s("123456789,00"), 122, 10));
        CanevasEnregistreur four(dpi / 25.4);
        ImpFour(four, fournisseurs, {0});
        EXPECT_EQ(four.defauts(), QStringList());
        CanevasEnregistreur inventaire(dpi / 25.4);
        Inventaire(inventaire, stock, tous(3), s("0.00"), QDate(2026, 12, 6));
        EXPECT_EQ(inventaire.defauts(), QStringList());
        const double valeur = 123456789.0 * 987654321.55;
        EXPECT_TRUE(inventaire.finitA(*formateMontant(valeur, s("0.00")), 200, 15));
        EXPECT_TRUE(inventaire.finitA(*formateMontant(3 * valeur, s("0.00")), 200, 35));
    }
}

TEST(ImpressionStock, CardsKeepLongNamesAndLabelsApart) {
    test::Montage m;
    QStringList grille;
    for (int r = 0; r < 63; ++r)
        grille.append(s("DATA02/02/2026\tCommande 20261103%1\t-1234567,50").arg(r % 10));
    m.charge({},
             test::bloc(0, 24,
                        {{F::Code, s("20001")},
                         {F::Nom, s("Würth France, division fixations industrielles")},
                         {F::Banque, s("Banque Populaire d'Alsace-Lorraine-Champagne")},
                         {F::CodeBanque, s("17607-00001")},
                         {F::Compte, s("12345678901234567890")},
                         {F::CreditMaxi, s("123456789012,00")},
                         {F::TotalDu, s("123456789012,00")},
                         {F::SiteWeb, s("https://www.wurth.fr/fixations/industrie")}},
                        grille),
             article(0, {{A::Code, s("10001")},
                         {A::Famille, s("Visserie et boulonnerie inox")},
                         {A::Designation, s("Vis à tête fraisée six pans creux, acier A4")},
                         {A::StockReel, s("123456789012,00")},
                         {A::StockMini, s("123456789012,00")},
                         {A::PrixAchat, s("123456789012,00")},
                         {A::PrixMoyen, s("123456789012,00")}}));
    m.fenetre.montre(Sorte::Fournisseurs);
    CanevasEnregistreur four(1200 / 25.4);
    ImpFiche3(four, m.fenetre.fournisseurs().carte());
    EXPECT_EQ(four.defauts(), QStringList());
    EXPECT_EQ(four.pages, 2);
    // The page after the first says whose card it continues.
    for (const char* texte : {"Code Four.", "20001"})
        EXPECT_TRUE(four.textesDeLaPage(2).contains(s(texte))) << texte;
    EXPECT_TRUE(four.textesDeLaPage(2).filter(s("Würth France")).size() == 1);
    EXPECT_EQ(four.seulementTextes().count(s("-1234567,50")), 63);
    m.fenetre.montre(Sorte::Articles);
    CanevasEnregistreur art(1200 / 25.4);
    ImpFiche4(art, m.fenetre.articles().carte());
    EXPECT_EQ(art.defauts(), QStringList());
}

TEST(ImpressionStock, TheInventoryNeverLeavesItsTotalAloneOnAPage) {
    // 62 lines fill a page of this canvas (from 15 mm down to 320 mm): the rule and the total
    // take two of them.
    const struct { int articles, pages; } cas[] = {{60, 1}, {61, 2}, {62, 2}, {124, 3}};
    for (const auto [nombre, pages] : cas) {
        SCOPED_TRACE(nombre);
        Blocs stock;
        stock.ajoute(articles(nombre));
        CanevasEnregistreur c;
        Inventaire(c, stock, tous(nombre), s("0.00"), QDate(2026, 12, 6));
        const auto* total = c.trouve(s("Total"));
        ASSERT_TRUE(total);
        EXPECT_EQ(total->page, c.pages);
        EXPECT_EQ(c.regles.back().page, c.pages) << "the closing rule with it";
        EXPECT_TRUE(c.textesDeLaPage(c.pages).contains(s("Article %1").arg(nombre - 1)))
            << "the last article with them";
        EXPECT_EQ(c.pages, pages);
        EXPECT_EQ(c.defauts(), QStringList());
    }
}

TEST(ImpressionStock, ListAndInventoryRulesAreNeverHairlines) {
    Blocs stock;
    stock.ajoute(articles(2));
    for (const double dpi : {300.0, 1200.0}) {
        CanevasEnregistreur liste(dpi / 25.4);
        ImpArt(liste, stock, tous(2));
        CanevasEnregistreur inventaire(dpi / 25.4);
        Inventaire(inventaire, stock, tous(2), s("0.00"), QDate(2026, 12, 6));
        for (const auto* c : {&liste, &inventaire}) {
            ASSERT_FALSE(c->regles.empty());
            for (const auto& r : c->regles)
                EXPECT_GE(r.epaisseur / (dpi / 25.4), 0.2) << dpi << " dpi";
        }
    }
}
