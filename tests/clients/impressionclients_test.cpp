#include "clients/impressionclients.h"
#include "records/impressionliste.h"
#include "store/codepage.h"
#include "support/canevasenregistreur.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneClient;
using test::CanevasEnregistreur;

using zel::test::s;

QStringList client(int n, const std::map<int, QString>& champs, const QStringList& suite = {}) {
    return test::bloc(n, 25, champs, suite);
}

QStringList clients(int nombre) {
    QStringList lignes;
    for (int n = 0; n < nombre; ++n)
        lignes += client(n, {{L::Code, QString::number(10001 + n)},
                             {L::Nom, s("Client %1").arg(n)},
                             {L::Adresse1, s("%1 rue des Lilas").arg(n)},
                             {L::CodePostal, s("69000")},
                             {L::Ville, s("Lyon")},
                             {L::Pays, s("France")},
                             {L::Telephone, s("04 78 00 00 %1").arg(n)},
                             {L::Fax, s("04 78 99 99 %1").arg(n)}});
    return lignes;
}

struct Montage : test::Montage {
    PageClients& page = fenetre.clients();

    // The list's records as the user picks them in the print dialog.
    std::vector<int> plage(int de, int a) {
        dialogues.plages.push_back(std::pair{de, a});
        return plageAImprimer(page, jeu, dialogues).value();
    }
};

} // namespace

TEST(ImpressionClients, TheCardPrintsEveryFieldAtItsPlaceThenTheEntryLineGridAndMemo) {
    Montage m;
    m.charge(client(0,
                    {{L::Code, s("10001")},
                     {L::Npai, s("N")},
                     {L::Marque, s("N")},
                     {L::Nom, s("Dupont SA")},
                     {L::Adresse1, s("1 rue A")},
                     {L::Adresse2, s("Bât. B")},
                     {L::CodePostal, s("69000")},
                     {L::Ville, s("Lyon")},
                     {L::Pays, s("France")},
                     {L::Telephone, s("0478")},
                     {L::Fax, s("0479")},
                     {L::Email, s("d@x.fr")},
                     {L::Banque, s("Crédit")},
                     {L::CodeBanque, s("30002")},
                     {L::CodeGuichet, s("00550")},
                     {L::Compte, s("123456")},
                     {L::Rib, s("42")},
                     {L::Contact, s("M. Dupont")},
                     {L::Representant, s("Paul")},
                     {L::CreditMaxi, s("1000,00")},
                     {L::TotalDu, s("50,00")},
                     {L::Risque, s("Faible")},
                     {L::CompteClient, s("411DUP")},
                     {L::SaisieLibelle, s("Acompte")},
                     {L::SaisieMontant, s("10,00")}},
                    {s("MEMOpremière note"), s("MEMOseconde note"),
                     s("DATA01/02/2026\tFacture 1\t12,50"), s("DATA03/03/2026\tAvoir\t-2,00")}));
    CanevasEnregistreur c;
    ImpFicheClient(c, m.page.carte());
    const struct {
        const char* texte;
        double x, y;
    } attendus[] = {
        {"Code client", 5, 5},     {"10001", 35, 5},
        {"Nom / Société", 5, 10},  {"Dupont SA", 35, 10},
        {"Banque", 110, 10},       {"Crédit", 135, 10},
        {"Code banque", 110, 15},  {"30002", 135, 15},
        {"Code guichet", 150, 15}, {"00550", 185, 15},
        {"Bât. B", 35, 20},        {"N° compte", 110, 20},
        {"123456", 135, 20},       {"Rib", 175, 20},
        {"42", 190, 20},           {"Code postal", 5, 25},
        {"69000", 35, 25},         {"Ville", 5, 30},
        {"Lyon", 35, 30},          {"Contact", 110, 30},
        {"M. Dupont", 135, 30},    {"Pays", 5, 35},
        {"France", 35, 35},        {"Représentant", 110, 35},
        {"Paul", 135, 35},         {"Téléphone", 5, 40},
        {"0478", 35, 40},          {"Crédit maxi", 110, 40},
        {"Total dû", 165, 40},     {"Fax", 5, 45},
        {"0479", 35, 45},          {"Risque", 110, 45},
        {"Faible", 135, 45},       {"E.mail", 5, 50},
        {"d@x.fr", 35, 50},        {"Compte", 110, 50},
        {"411DUP", 135, 50},       {"06/12/2026", 5, 60},
        {"Acompte", 35, 60},       {"Date", 5, 70},
        {"Libellé", 35, 70},       {"01/02/2026", 5, 75},
        {"Facture 1", 35, 75},     {"03/03/2026", 5, 80},
        {"Avoir", 35, 80},         {"première note", 120, 70},
        {"seconde note", 120, 75},
    };
    for (const auto& a : attendus)
        EXPECT_TRUE(c.dessineA(s(a.texte), a.x, a.y)) << a.texte;
    // Amounts right-aligned under their title, before the memo.
    EXPECT_TRUE(c.finitA(s("Montant"), 118, 70));
    EXPECT_TRUE(c.finitA(s("12,50"), 118, 75));
    EXPECT_TRUE(c.finitA(s("10,00"), 118, 60));
    EXPECT_EQ(c.pages, 1);
    EXPECT_EQ(c.orientationDocument, Canevas::Orientation::Portrait);
    EXPECT_EQ(c.documentsFinis, 1);
    // "Arial" 10, a label only smaller where it would reach the next field.
    for (const auto& t : c.textes)
        EXPECT_LE(t.taille, 10) << t.texte.toStdString();
    EXPECT_EQ(c.trouve(s("Dupont SA"))->taille, 10);
    EXPECT_TRUE(c.chevauchements().empty());
}

TEST(ImpressionClients, GridRowsAndMemoLinesReachingTheBottomGoOnToASecondPage) {
    const struct Cas {
        const char* quoi;
        int rangees;
        int memos;
        int pages;
    } cas[] = {
        {"a grid whose first row has no date prints its title row only", 0, 0, 1},
        {"a full grid", 63, 0, 2},
        {"a long memo", 0, 60, 2},
        {"both", 63, 60, 2},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.quoi);
        QStringList suite;
        for (int i = 0; i < k.memos; ++i)
            suite.append(s("MEMOnote %1").arg(i));
        if (k.rangees == 0)
            suite.append(s("DATA\tsans date\t1,00"));
        for (int r = 0; r < k.rangees; ++r)
            suite.append(s("DATA01/01/2026\tligne %1\t1,00").arg(r));
        Montage m;
        m.charge(client(0, {{L::Code, s("10001")}}, suite));
        CanevasEnregistreur c;
        ImpFicheClient(c, m.page.carte());
        EXPECT_EQ(c.pages, k.pages);
        EXPECT_TRUE(c.dessineA(s("Date"), 5, 70));
        EXPECT_FALSE(c.trouve(s("sans date")));
        for (int r = 0; r < k.rangees; ++r)
            EXPECT_EQ(c.seulementTextes().count(s("ligne %1").arg(r)), 1) << r;
        for (int i = 0; i < k.memos; ++i)
            EXPECT_EQ(c.seulementTextes().count(s("note %1").arg(i)), 1) << i;
        // Nothing goes into the 20 mm at the bottom, and the second page starts at its top
        // (this canvas's millimetre is 4 units, its page 1401 units high).
        for (const auto& t : c.textes)
            EXPECT_LE(t.y, c.hauteurPage() - 4 * 23) << t.texte.toStdString();
        if (k.rangees > 0) {
            EXPECT_TRUE(c.dessineA(s("ligne 49"), 35, 320, 1));
            EXPECT_TRUE(c.dessineA(s("ligne 50"), 35, 10, 2));
        }
        if (k.memos > 0) {
            EXPECT_TRUE(c.dessineA(s("note 50"), 120, 320, 1));
            EXPECT_TRUE(c.dessineA(s("note 51"), 120, 10, 2));
        }
    }
}

TEST(ImpressionClients, TheListCoversTheRangeClampedToTheStoreInLandscape) {
    Montage m;
    m.charge(clients(12));
    EXPECT_EQ(m.plage(0, 99999), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(m.plage(3, 5), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(m.dialogues.vus.last(), s("plage: 1 à 12"));
    m.dialogues.plages.push_back(std::nullopt);
    EXPECT_FALSE(plageAImprimer(m.page, m.jeu, m.dialogues)) << "Annuler prints nothing";

    CanevasEnregistreur c;
    ImpCli(c, m.jeu.BlocsCli(), m.plage(0, 99999));
    EXPECT_EQ(c.orientationDocument, Canevas::Orientation::Paysage);
    EXPECT_EQ(c.derniereOrientation, Canevas::Orientation::Portrait) << "set back after";
    EXPECT_EQ(c.pages, 1);
    const struct {
        const char* texte;
        double x, y;
    } attendus[] = {
        {"Nom/Société", 5, 0},
        {"Adresse", 55, 0},
        {"Adresse", 105, 0},
        {"C.P.", 155, 0},
        {"Ville", 175, 0},
        {"Téléphone", 225, 0},
        {"Fax", 255, 0},
        {"Client 0", 5, 10},
        {"0 rue des Lilas", 55, 10},
        {"69000", 155, 10},
        {"Lyon", 175, 10},
        {"04 78 00 00 0", 225, 10},
        {"04 78 99 99 0", 255, 10},
        {"Client 11", 5, 65},
    };
    for (const auto& a : attendus)
        EXPECT_TRUE(c.dessineA(s(a.texte), a.x, a.y)) << a.texte;
    EXPECT_FALSE(c.trouve(s("France"))) << "the country is not listed";
    ASSERT_EQ(c.regles.size(), 1u);
    EXPECT_EQ(c.regles[0].x2 - c.regles[0].x1, 4 * 295);
}

TEST(ImpressionClients, AListLongerThanAPageRepeatsItsHeaderOnEveryPage) {
    Montage m;
    m.charge(clients(100));
    CanevasEnregistreur c;
    ImpCli(c, m.jeu.BlocsCli(), m.plage(0, 0));
    // Landscape, 991 units high at 4 units a millimetre: lines from 10 to 220, 43 a page.
    EXPECT_EQ(c.pages, 3);
    for (int page = 1; page <= c.pages; ++page) {
        EXPECT_TRUE(c.dessineA(s("Nom/Société"), 5, 0, page)) << page;
        EXPECT_GT(c.textesDeLaPage(page).size(), 7) << "never a header alone";
    }
    EXPECT_TRUE(c.dessineA(s("Client 42"), 5, 220, 1));
    EXPECT_TRUE(c.dessineA(s("Client 43"), 5, 10, 2));
    for (int n = 0; n < 100; ++n)
        EXPECT_EQ(c.seulementTextes().count(s("Client %1").arg(n)), 1);
    EXPECT_EQ(c.regles.size(), 3u);
}

TEST(ImpressionClients, EachClientOfTheRunGetsExactlyOneEnvelope) {
    Montage m;
    QStringList lignes = clients(3);
    lignes += client(3, {{L::Nom, s("Sans Ville")}, {L::CodePostal, s("75000")}});
    m.charge(lignes);
    m.reglages.entete = {
        s("Zel SARL"), s("1 place Bellecour"), s(""), s("69002 Lyon"), s("ligne 5"), s(""), s("")};
    const struct Cas {
        int de, a, guide, pages;
    } cas[] = {{1, 3, 0, 3}, {1, 3, 100, 3}, {4, 4, 0, 1}};
    for (const Cas& k : cas) {
        CanevasEnregistreur c;
        Enveloppes(c, m.jeu.BlocsCli(), m.plage(k.de, k.a), m.reglages.entete, k.guide);
        EXPECT_EQ(c.pages, k.pages) << "no blank envelope after the last";
        EXPECT_EQ(c.orientationDocument, Canevas::Orientation::Paysage);
        EXPECT_EQ(c.documentsFinis, 1);
        const double g = k.guide;
        for (int p = 1; p <= k.pages; ++p) {
            EXPECT_TRUE(c.dessineA(s("Zel SARL"), 5, g + 5, p));
            EXPECT_TRUE(c.dessineA(s("69002 Lyon"), 5, g + 20, p));
            EXPECT_FALSE(c.textesDeLaPage(p).contains(s("ligne 5")));
        }
        if (k.de == 4) {
            EXPECT_TRUE(c.dessineA(s("75000 "), 110, 65)) << "an empty town keeps its blank";
        } else {
            for (int n = 0; n < 3; ++n) {
                EXPECT_TRUE(c.dessineA(s("Client %1").arg(n), 110, g + 50, n + 1));
                EXPECT_TRUE(c.dessineA(s("%1 rue des Lilas").arg(n), 110, g + 55, n + 1));
                EXPECT_TRUE(c.dessineA(s("69000 Lyon"), 110, g + 65, n + 1));
            }
        }
        if (k.guide) {
            EXPECT_EQ(c.trouve(s("Zel SARL"))->y, 4 * 108) << "108 mm with the guide";
        }
    }
}

TEST(ImpressionClients, ARangeWithoutAClientPrintsNoEnvelopeAndSaysSo) {
    Montage m;
    m.charge(clients(3));
    m.dialogues.plages.push_back(std::pair{5, 9});
    EXPECT_FALSE(plageEnveloppes(m.page, m.jeu, m.dialogues));
    EXPECT_EQ(m.dialogues.vus.last(),
              s("message: Aucun client dans ces pages : aucune enveloppe n'est imprimée."));
    m.dialogues.plages.push_back(std::pair{2, 2});
    EXPECT_EQ(plageEnveloppes(m.page, m.jeu, m.dialogues), std::vector<int>{1});
}

TEST(ImpressionClients, TheCurrentEnvelopeWaitsForOkAndFollowsTheEnvelopeSettings) {
    test::DialoguesFactices d;
    d.confirmations = {false, true};
    EXPECT_FALSE(enveloppeInseree(d)) << "Annuler prints nothing";
    EXPECT_TRUE(enveloppeInseree(d));
    EXPECT_EQ(d.vus, QStringList(2, s("confirmation: Insérez une enveloppe dans l'imprimante")));

    Montage m;
    m.charge(client(0, {{L::Nom, s("Dupont SA")},
                        {L::Adresse1, s("1 rue A")},
                        {L::CodePostal, s("69000")},
                        {L::Ville, s("Lyon")}}));
    const Destinataire dest = destinataireClient(m.page.carte().Ecrit());
    EXPECT_EQ(dest, (Destinataire{s("Dupont SA"), s("1 rue A"), s(""), s("69000 Lyon")}));
    for (const int orientation : {0, 1}) {
        ValeursIni ini;
        ini.orientationEnveloppe = orientation;
        ini.decalageGuide = 100;
        CanevasEnregistreur c;
        ImpEnv(c, m.reglages.entete, dest, ini);
        EXPECT_EQ(c.orientationDocument,
                  orientation ? Canevas::Orientation::Paysage : Canevas::Orientation::Portrait);
        EXPECT_EQ(c.pages, 1);
        EXPECT_TRUE(c.dessineA(s("Dupont SA"), 110, 150));
        EXPECT_TRUE(c.dessineA(s("69000 Lyon"), 110, 165));
    }
}

TEST(ImpressionClients, LongNamesAndLabelsStayInTheirColumns) {
    const QString nom = s("Établissements Dupont et Fils, matériaux de construction");
    Montage m;
    QStringList lignes;
    for (int n = 0; n < 3; ++n)
        lignes += client(n,
                         {{L::Code, QString::number(10001 + n)},
                          {L::Nom, nom + QString::number(n)},
                          {L::Adresse1, s("12 boulevard des Belges, bâtiment C, escalier 4")},
                          {L::Adresse2, s("Zone industrielle de la Plaine de l'Ain")},
                          {L::CodePostal, s("69000-CEDEX 07")},
                          {L::Ville, s("Villeurbanne la Doua Saint-Jean")},
                          {L::Telephone, s("+33 (0)4 78 00 00 00 poste 1234")},
                          {L::Fax, s("+33 (0)4 78 99 99 99 poste 5678")},
                          {L::Banque, s("Crédit Lyonnais, agence de la Part-Dieu")},
                          {L::CodeBanque, s("30002-12345")},
                          {L::CodeGuichet, s("00550-98765")},
                          {L::Compte, s("0000123456789012")},
                          {L::Rib, s("42-XX")},
                          {L::CreditMaxi, s("123456789012,00")},
                          {L::TotalDu, s("98765432109,99")}},
                         {s("DATA01/02/2026\tCommande 202611035\t350,00"),
                          s("DATA01/03/2026\tFacture 202612001 du 1er mars\t-123456789,50")});
    m.charge(lignes);
    for (const double dpi : {72.0, 1200.0}) {
        SCOPED_TRACE(dpi);
        CanevasEnregistreur liste(dpi / 25.4);
        ImpCli(liste, m.jeu.BlocsCli(), m.plage(0, 0));
        EXPECT_EQ(liste.defauts(), QStringList());
        EXPECT_EQ(liste.seulementTextes().filter(s("Établissements Dupont")).size(), 3);
        CanevasEnregistreur fiche(dpi / 25.4);
        ImpFicheClient(fiche, m.page.carte());
        EXPECT_EQ(fiche.defauts(), QStringList());
        // The label of an account row whole beside its amount, right-aligned under "Montant".
        EXPECT_TRUE(fiche.dessineA(s("Commande 202611035"), 35, 75));
        EXPECT_TRUE(fiche.finitA(s("350,00"), 118, 75));
        EXPECT_TRUE(fiche.finitA(s("-123456789,50"), 118, 80));
        EXPECT_TRUE(fiche.trouve(s("123456789012,00"))) << "an amount is never cut";
    }
}

TEST(ImpressionClients, TheFurtherPagesOfACardSayWhoseCardTheyContinue) {
    QStringList suite;
    for (int r = 0; r < 63; ++r)
        suite.append(s("DATA01/01/2026\tligne %1\t1,00").arg(r));
    Montage m;
    m.charge(client(0, {{L::Code, s("10001")}, {L::Nom, s("Dupont SA")}}, suite));
    CanevasEnregistreur c;
    ImpFicheClient(c, m.page.carte());
    ASSERT_EQ(c.pages, 2);
    EXPECT_TRUE(c.dessineA(s("Code client"), 5, 0, 2));
    EXPECT_TRUE(c.dessineA(s("10001"), 35, 0, 2));
    EXPECT_TRUE(c.dessineA(s("Dupont SA"), 70, 0, 2));
    EXPECT_TRUE(c.dessineA(s("ligne 50"), 35, 10, 2));
    EXPECT_EQ(c.defauts(), QStringList());
}

TEST(ImpressionClients, TheBytesTheCodePageLeavesUndefinedPrintAsQuestionMarks) {
    // Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D of a file, which show nothing on paper by
    // themselves.
    QByteArray nom("Caf\x81\x8D\x8F\x90\x9D");
    Montage m;
    m.charge(client(0, {{L::Code, s("10001")}, {L::Nom, cp1252::decode(nom.data(), nom.size())}}));
    CanevasEnregistreur c;
    ImpCli(c, m.jeu.BlocsCli(), {0});
    EXPECT_TRUE(c.dessineA(s("Caf?????"), 5, 10));
    CanevasEnregistreur fiche;
    ImpFicheClient(fiche, m.page.carte());
    EXPECT_TRUE(fiche.dessineA(s("Caf?????"), 35, 10));
}

TEST(ImpressionClients, ListRulesAreNeverHairlines) {
    Montage m;
    m.charge(clients(2));
    for (const double dpi : {300.0, 1200.0}) {
        CanevasEnregistreur c(dpi / 25.4);
        ImpCli(c, m.jeu.BlocsCli(), {0, 1});
        ASSERT_EQ(c.regles.size(), 1u);
        EXPECT_GE(c.regles[0].epaisseur / (dpi / 25.4), 0.2) << dpi << " dpi";
    }
}
