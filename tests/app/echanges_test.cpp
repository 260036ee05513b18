#include "store/fichiertexte.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

using namespace zel;
namespace L = ligneClient;
namespace LF = ligneFournisseur;
namespace LA = ligneArticle;

using zel::test::s;

QByteArray cp(const char* utf8) {
    QByteArray octets;
    EXPECT_TRUE(fichier::encodeLignes({s(utf8)}, octets));
    octets.chop(2);
    return octets;
}

QStringList client(int n, const std::map<int, QString>& champs, const QStringList& suite = {}) {
    return test::bloc(n, 25, champs, suite);
}

// The card window on a set, with the import and export commands run as the menu runs them.
struct Montage : test::Montage {
    // Imports the bytes from a file of that name, on the tab shown.
    void importe(const QByteArray& octets, const QString& nom = QStringLiteral("import.txt")) {
        dossier.ecrit(nom, octets);
        dialogues.fichiers.push_back(dossier.chemin(nom));
        ASSERT_TRUE(fenetre.execute(Operation::Importer));
    }
    // Exports to "Export.txt", replacing it when it is there.
    QStringList exporte() {
        dialogues.fichiers.push_back(dossier.chemin(QStringLiteral("Export.txt")));
        if (dossier.existe(QStringLiteral("Export.txt")))
            dialogues.confirmations.push_back(true);
        EXPECT_TRUE(fenetre.execute(Operation::Exporter));
        return relitExport();
    }
    QStringList relitExport() const {
        const QByteArray octets = dossier.lit(QStringLiteral("Export.txt"));
        EXPECT_TRUE(octets.isEmpty() || octets.endsWith("\r\n"));
        return fichier::decoupeLignes(octets);
    }
    QStringList bloc(Sorte sorte, int n) const { return jeu.store(sorte).contenuBloc(n); }
    QStringList messages() const { return dialogues.vus.filter(QStringLiteral("message: ")); }
};

QStringList vides(int n) {
    return QStringList(n);
}

} // namespace

TEST(Import, ClientLinesMakeCompleteBlocksWithTheNextCodes) {
    struct Cas {
        const char* quoi;
        const char* ligne;
        QStringList bloc;
    };
    const Cas cas[] = {
        {"six fields each ended by a TAB", "Dupont\t1 rue Haute\t\t75011\tParis\t0102030405\t",
         QStringList{s("10001"), s("N"), s("N"), s("Dupont"), s("1 rue Haute"), QString(),
                     s("75011"), s("Paris"), QString(), s("0102030405")} +
             vides(15)},
        {"the same without its last TAB loses the telephone",
         "Dupont\t1 rue Haute\t\t75011\tParis\t0102030405",
         QStringList{s("10001"), s("N"), s("N"), s("Dupont"), s("1 rue Haute"), QString(),
                     s("75011"), s("Paris")} +
             vides(17)},
        {"fields kept as they stand", " Dupont \t",
         QStringList{s("10001"), s("N"), s("N"), s(" Dupont ")} + vides(21)},
        {"a blank line is a record", "\n", QStringList{s("10001"), s("N"), s("N")} + vides(22)},
        {"fields past the last line of the card are not kept",
         "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18\t19\t20\t21\t22\t",
         QStringList{s("10001"), s("N"),    s("N"),  s("1"),  s("2"),  s("3"),  s("4"),
                     s("5"),     QString(), s("6"),  s("7"),  s("8"),  s("9"),  s("10"),
                     s("11"),    s("12"),   s("13"), s("14"), s("15"), s("16"), s("17"),
                     s("18"),    s("19"),   s("20"), s("21")}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        Montage m;
        m.charge({});
        m.importe(cp(c.ligne));
        EXPECT_EQ(m.bloc(Sorte::Clients, 0), c.bloc);
        EXPECT_EQ(m.jeu.compte(Sorte::Clients), 1);
        EXPECT_TRUE(m.jeu.TestModif());
    }
}

TEST(Import, LinesEndAtCrLfCrOrLfAreReadWholeAndFieldsPassTheFieldGuard) {
    Montage m;
    m.charge({});
    const QByteArray longue(3000, 'x');
    QByteArray octets("A\t\r\nB\t\rC\t\nD\tE");
    octets.append('\0');
    octets.append("F\t\n" + longue + "\t\n\x01Z\t<BLOC0001>\t\x81\t");
    m.importe(octets);
    ASSERT_EQ(m.jeu.compte(Sorte::Clients), 6);
    const auto nom = [&](int n) { return m.bloc(Sorte::Clients, n).value(L::Nom - 1); };
    EXPECT_EQ(nom(0), s("A"));
    EXPECT_EQ(nom(1), s("B"));
    EXPECT_EQ(nom(2), s("C"));
    EXPECT_EQ(m.bloc(Sorte::Clients, 3).value(L::Adresse1 - 1), s("EF")) << "NUL dropped";
    EXPECT_EQ(nom(4), QString::fromLatin1(longue));
    const QStringList dernier = m.bloc(Sorte::Clients, 5);
    EXPECT_EQ(dernier.value(L::Nom - 1), s(" Z"));
    EXPECT_EQ(dernier.value(L::Adresse1 - 1), s(" <BLOC0001>"));
    EXPECT_EQ(dernier.value(L::Adresse2 - 1), s(" "));
    EXPECT_EQ(m.messages().last(),
              s("message: 3 champs importés contenaient des caractères de contrôle ou "
                "commençaient comme une balise de fiche : ils ont été corrigés."));

    // Saved and opened again, every block reads into its card.
    m.sauve();
    m.charge(m.relit("cli"));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 6);
    EXPECT_EQ(m.jeu.BlocsCli().CompteBlocs(), 6);
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(m.bloc(Sorte::Clients, n).size(), 25);
}

TEST(Import, SuppliersAndArticlesFollowTheirOwnLayouts) {
    Montage m;
    m.charge({}, test::bloc(0, 24, {{LF::Code, s("10007")}}),
             test::bloc(0, 21, {{LA::Code, s("10001")}}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Fournisseurs));
    m.importe(cp("Durand\tZA\t\t69000\tLyon\t0400\tfax\t"));
    EXPECT_EQ(m.bloc(Sorte::Fournisseurs, 1),
              QStringList({s("10008"), QString(), s("Durand"), s("ZA"), QString(), s("69000"),
                           s("Lyon"), QString(), s("0400"), s("fax")}) +
                  vides(14));

    ASSERT_TRUE(m.fenetre.montre(Sorte::Articles));
    m.importe(cp(" Vis \tVis de 6\t10\t2\tDurand\tV6\tN\t\t 1,50 \n"
                 "Clous de 4 \n"
                 "Écrou\t  \n"));
    EXPECT_EQ(
        m.bloc(Sorte::Articles, 1),
        QStringList({s("10002"), s("Vis"), s("Vis de 6"), s("10"), s("2"), s("Durand"), s("V6"),
                     s("N"), QString(), QString(), QString(), QString(), s("1,50")}) +
            vides(8));
    EXPECT_EQ(m.bloc(Sorte::Articles, 2), QStringList({s("10003"), s("Clous de 4 ")}) + vides(19));
    EXPECT_EQ(m.bloc(Sorte::Articles, 3), QStringList({s("10004"), s("Écrou")}) + vides(19));
    EXPECT_EQ(m.jeu.compte(Sorte::Articles), 4);
}

TEST(Import, AStoreOfOneRecordKeepsItAndANewCardNeverWrittenGivesItsNumber) {
    Montage m;
    m.charge(client(0, {{L::Code, s("10001")}, {L::Nom, s("Réel")}}));
    m.importe(cp("Importé\t"));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 2);
    EXPECT_EQ(m.bloc(Sorte::Clients, 1).value(0), s("10002"));
    m.sauve();
    m.charge(m.relit("cli"));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 2);
    EXPECT_EQ(m.bloc(Sorte::Clients, 0).value(L::Nom - 1), s("Réel"));
    EXPECT_EQ(m.bloc(Sorte::Clients, 1).value(L::Nom - 1), s("Importé"));

    // A new card left empty counts as record 0 until something is written: the import takes
    // its number.
    Montage n;
    n.charge({});
    n.fenetre.clients().Ajout();
    ASSERT_EQ(n.jeu.compte(Sorte::Clients), 1);
    n.importe(cp("Premier\t\nSecond\t"));
    EXPECT_EQ(n.jeu.compte(Sorte::Clients), 2);
    EXPECT_EQ(n.bloc(Sorte::Clients, 0).value(L::Nom - 1), s("Premier"));
    EXPECT_EQ(n.fenetre.clients().carte().champ(L::Nom), s("Second"));
}

TEST(Import, The9998thBlockIsTheLastAnImportAdds) {
    Montage m;
    QStringList lignes;
    for (int n = 0; n < 9996; ++n)
        lignes += Blocs::encadre(n, {s("%1").arg(10001 + n)});
    m.charge(lignes);
    m.importe("a\t\nb\t\nc\t\nd\t\n");
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 9998);
    EXPECT_EQ(m.bloc(Sorte::Clients, 9997).value(L::Nom - 1), s("b"));
    EXPECT_EQ(m.jeu.BlocsCli().ChercheBloc(9998), -1);
    EXPECT_EQ(m.messages(), QStringList{s("message: Trop de lignes, le fichier a été tronqué")});
    EXPECT_TRUE(m.jeu.TestModif());
    EXPECT_EQ(m.dialogues.sabliers, 0);
    EXPECT_EQ(m.dialogues.sabliersMaxi, 1);
    EXPECT_EQ(m.dialogues.progressions, QStringList{QString()});
}

TEST(Import, SisterClientFilesByTheirNameEnding) {
    const QByteArray fichier = cp("en-tête\n<CLI>\n\nIgnoré\n\n\n"
                                  "<CLI>\nMartin\n2 place Verte\nBât. B\n75011 Paris Cedex 11\n"
                                  "<CLI>\nSans ville\n\n\n13000\n"
                                  "<CLI>\nDernier\n");
    Montage m;
    m.charge({});
    m.importe(fichier, QStringLiteral("Compta.CLI"));
    ASSERT_EQ(m.jeu.compte(Sorte::Clients), 3);
    EXPECT_EQ(m.bloc(Sorte::Clients, 0),
              QStringList({s("10001"), s("N"), s("N"), s("Martin"), s("2 place Verte"), s("Bât. B"),
                           s("75011"), s("Paris Cedex 11")}) +
                  vides(17));
    EXPECT_EQ(m.bloc(Sorte::Clients, 1).mid(3, 5),
              (QStringList{s("Sans ville"), QString(), QString(), s("13000"), QString()}));
    EXPECT_EQ(m.bloc(Sorte::Clients, 2).mid(3, 5),
              (QStringList{s("Dernier"), QString(), QString(), QString(), QString()}));

    // ".cli" elsewhere in the name is a text file; a sister file on another tab adds nothing.
    Montage t;
    t.charge({});
    ASSERT_TRUE(QDir(t.dossier.racine()).mkdir(QStringLiteral("Compta.clients")));
    t.importe(cp("liste\t"), QStringLiteral("Compta.clients/liste.client.txt"));
    EXPECT_EQ(t.bloc(Sorte::Clients, 0).value(L::Nom - 1), s("liste"));
    ASSERT_TRUE(t.fenetre.montre(Sorte::Fournisseurs));
    t.importe(fichier, QStringLiteral("autre.cli"));
    EXPECT_EQ(t.jeu.compte(Sorte::Fournisseurs), 0);
    EXPECT_EQ(t.messages().last(),
              s("message: Un fichier clients Zel Facture s'importe depuis la page des clients."));
}

TEST(Import, AMissingFileOrAPageWithoutRecordsAddsNothing) {
    Montage m;
    m.charge({});
    const QString absent = m.dossier.chemin(QStringLiteral("absent.txt"));
    m.dialogues.fichiers = {absent};
    ASSERT_TRUE(m.fenetre.execute(Operation::Importer));
    EXPECT_EQ(m.dialogues.vus.first(),
              s("ouvrir: Ficher texte (*.txt)|*.txt|Fichier clients Zel Facture (*.cli)|*.cli"));
    EXPECT_EQ(m.messages(), QStringList{s("message: Le ficher ") + absent + s("n'existe pas")});
    EXPECT_EQ(m.dialogues.sabliersMaxi, 0);

    ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
    m.dialogues.vus.clear();
    ASSERT_TRUE(m.fenetre.execute(Operation::Importer));
    EXPECT_EQ(m.messages(), QStringList{s("message: Les fiches s'importent depuis la page des "
                                          "clients, des fournisseurs ou des articles.")});
    EXPECT_FALSE(m.jeu.TestModif());
}

TEST(Export, WritesSevenFieldsOfEachBlockAndReadsOnlyThatBlock) {
    Montage m;
    QStringList court = client(1, {{L::Code, s("10002")}, {L::Nom, s("Court")}});
    court = court.mid(0, 6) + QStringList{court.last()};
    m.charge(client(0, {{L::Code, s("10001")},
                        {L::Nom, s("Dupont")},
                        {L::Adresse1, s("1 rue\tHaute")},
                        {L::CodePostal, s("75011")},
                        {L::Ville, s("Paris")},
                        {L::Pays, s("France")},
                        {L::Telephone, s("0102")}}) +
             court);
    // The last block lost its closing tag after its seventh line.
    m.jeu.BlocsCli().ajoute(client(2, {{L::Code, s("10003")}, {L::Nom, s("Dernier")}}).mid(0, 8));
    m.jeu.setCompte(Sorte::Clients, 3);
    EXPECT_EQ(m.exporte(), (QStringList{s("Dupont\t1 rue\tHaute\t\t75011\tParis\tFrance\t0102"),
                                        s("Court\t\t\t\t\t\t"), s("Dernier\t\t\t\t\t\t")}));
    EXPECT_TRUE(m.dialogues.vus.contains(s("enregistrer: Fichier texte (*.txt)|*.txt Export.txt")));
    EXPECT_FALSE(m.jeu.TestModif());

    // Imported again, the country lands where the telephone belongs.
    m.importe(m.dossier.lit(QStringLiteral("Export.txt")));
    const QStringList repris = m.bloc(Sorte::Clients, 3);
    EXPECT_EQ(repris.value(L::Nom - 1), s("Dupont"));
    EXPECT_EQ(repris.value(L::Adresse1 - 1), s("1 rue"));
    EXPECT_EQ(repris.value(L::Adresse2 - 1), s("Haute"));
    EXPECT_EQ(repris.value(L::Pays - 1), QString());
    EXPECT_EQ(repris.value(L::Telephone - 1), s("Paris"));
}

TEST(Export, TheCardShownIsWrittenBackFirstOnEveryPage) {
    Montage m;
    m.charge({}, test::bloc(0, 24, {{LF::Code, s("10001")}, {LF::Nom, s("Ancien")}}),
             test::bloc(0, 21, {{LA::Code, s("10001")}, {LA::PrixAchat, s("1,00")}}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Fournisseurs));
    m.fenetre.fournisseurs().carte().saisit(LF::Nom, s("Nouveau"));
    EXPECT_EQ(m.exporte(), QStringList{s("Nouveau\t\t\t\t\t\t")});
    ASSERT_TRUE(m.fenetre.montre(Sorte::Articles));
    m.fenetre.articles().carte().saisit(LA::Designation, s("Vis"));
    EXPECT_EQ(m.exporte().value(0).section(u'\t', 1, 1), s("Vis"));
    // Cancelled, nothing is written.
    m.dossier.ecrit(QStringLiteral("Export.txt"), "avant");
    m.dialogues.fichiers = {QString()};
    ASSERT_TRUE(m.fenetre.execute(Operation::Exporter));
    EXPECT_EQ(m.dossier.lit(QStringLiteral("Export.txt")), QByteArray("avant"));
}

TEST(Copie, PastingWithNothingCopiedChangesNothingOnEveryPage) {
    Montage m;
    m.charge(client(0, {{L::Code, s("10001")}, {L::Nom, s("Dupont")}}));
    for (Sorte sorte : {Sorte::Clients, Sorte::Fournisseurs, Sorte::Articles, Sorte::Factures}) {
        ASSERT_TRUE(m.fenetre.montre(sorte));
        m.dialogues.vus.clear();
        ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
        EXPECT_EQ(m.messages(), QStringList{s("message: Rien à coller : aucune fiche n'a été "
                                              "copiée sur cette page.")});
    }
    ASSERT_TRUE(m.fenetre.montre(Sorte::Clients));
    EXPECT_EQ(m.fenetre.clients().carte().champ(L::Nom), s("Dupont"));
    EXPECT_EQ(m.fenetre.clients().carte().champ(L::Code), s("10001"));
    EXPECT_FALSE(m.jeu.TestModif());
}

TEST(Copie, AClientPastedKeepsTheCodeOfAStoredRecordAndGoesToAnotherSet) {
    Montage m;
    m.charge(client(0, {{L::Code, s("10001")},
                        {L::Nom, s("Dupont")},
                        {L::Ville, s("Paris")},
                        {L::Email, s("d@x.fr")},
                        {L::Contact, s("Jean")}}) +
             client(1, {{L::Code, s("10002")}, {L::Nom, s("Martin")}, {L::Contact, s("Luc")}}));
    PageClients& page = m.fenetre.clients();
    ASSERT_TRUE(m.fenetre.execute(Operation::Copier));
    page.navigue(Pas::Suivant);
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    EXPECT_EQ(page.carte().champ(L::Code), s("10002"));
    EXPECT_EQ(page.carte().champ(L::Nom), s("Dupont"));
    EXPECT_EQ(page.carte().champ(L::Email), s("d@x.fr"));
    EXPECT_EQ(page.carte().champ(L::Contact), s("Luc"));
    EXPECT_TRUE(page.carte().estModifiee());

    // Another set: the buffer stays, and a new card takes the next code.
    Montage autre;
    autre.charge(client(0, {{L::Code, s("10040")}, {L::Nom, s("Autre")}}));
    m.jeu.Nouveau();
    m.charge(autre.relit("cli"));
    page.Ajout();
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    EXPECT_EQ(page.carte().champ(L::Code), s("10041"));
    EXPECT_EQ(page.carte().champ(L::Ville), s("Paris"));
    page.navigue(Pas::Premier);
    EXPECT_EQ(m.bloc(Sorte::Clients, 1).value(L::Nom - 1), s("Dupont"));
}

TEST(Copie, AnArticlePastedLeavesTheStockAndTakesTheAverageFromThePurchasePrice) {
    Montage m;
    m.charge({}, {},
             test::bloc(0, 21,
                        {{LA::Code, s("10001")},
                         {LA::Designation, s("Vis")},
                         {LA::StockReel, s("12")},
                         {LA::PrixAchat, s("2,00")},
                         {LA::PrixMoyen, s("1,80")},
                         {LA::Coefficient, s("2,00")}}) +
                 test::bloc(1, 21, {{LA::Code, s("10002")}, {LA::StockReel, s("5")}}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Articles));
    PageArticles& page = m.fenetre.articles();
    ASSERT_TRUE(m.fenetre.execute(Operation::Copier));
    page.Ajout();
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    EXPECT_EQ(page.carte().champ(LA::Code), s("10003"));
    EXPECT_EQ(page.carte().champ(LA::Designation), s("Vis"));
    EXPECT_EQ(page.carte().champ(LA::StockReel).trimmed(), QString());
    EXPECT_EQ(page.carte().champ(LA::PrixMoyen).trimmed(), s("2,00"));
    page.navigue(Pas::Precedent);
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    EXPECT_EQ(page.carte().champ(LA::Code), s("10002"));
    EXPECT_EQ(page.carte().champ(LA::StockReel).trimmed(), s("5"));
}

TEST(Copie, AnInvoicePastedTakesEveryLineItsKindAndPriceModeAndItsTotals) {
    Montage m;
    m.charge(client(0, {{L::Code, s("10001")}, {L::Nom, s("Dupont")}}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
    PageFactures& page = m.fenetre.factures();
    page.Creer();
    Document& d = page.document();
    d.tiers = s("10001");
    d.genre = PageFactures::genres()[1];
    d.ttc = true;
    d.adresse = {s("Dupont"), s("1 rue"), QString(), s("75011 Paris")};
    for (int r = 1; r <= 30; ++r)
        d.ligne(r) = {s("R%1").arg(r), s("Article"), s("1"), s("2,00"),
                      QString(),       QString(),    s("1")};
    d.lignesUtilisees = 30;
    page.marque();
    page.Ecrit();
    ASSERT_TRUE(m.fenetre.execute(Operation::Copier));

    page.Creer();
    for (int r = 1; r <= 40; ++r)
        page.document().ligne(r) = {s("X"), s("Autre"), s("3"), s("1,00"), {}, {}, s("1")};
    page.document().lignesUtilisees = 40;
    const QString numero = page.document().numero;
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    const Document& c = page.document();
    EXPECT_EQ(c.numero, numero);
    EXPECT_EQ(c.tiers, s("10001"));
    EXPECT_EQ(c.genre, PageFactures::genres()[1]);
    EXPECT_TRUE(c.ttc);
    EXPECT_EQ(c.adresse[3], s("75011 Paris"));
    EXPECT_EQ(c.lignesUtilisees, 30);
    EXPECT_EQ(c.lignes[29][0], s("R30"));
    EXPECT_EQ(c.lignes[30], LigneDocument{});
    EXPECT_EQ(page.totaux().ttc.trimmed(), s("60,00"));
    EXPECT_TRUE(page.estModifie());

    // A validated document takes nothing.
    page.document().valide = true;
    page.document().tiers = s("10009");
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    EXPECT_EQ(page.document().tiers, s("10009"));
    EXPECT_EQ(m.messages().last(),
              s("message: Ce document est validé : il ne peut plus être modifié."));
}

TEST(Copie, AnOrderPastedIntoAnOrderOfAnotherSetAndNeverIntoAnInvoice) {
    Montage m;
    m.charge({}, test::bloc(0, 24, {{LF::Code, s("10001")}, {LF::Nom, s("Durand")}}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Commandes));
    PageCommandes& page = m.fenetre.commandes();
    page.Creer();
    Document& d = page.document();
    d.tiers = s("10001");
    d.conditions = s("A 30 jours");
    for (int r = 1; r <= 3; ++r)
        d.ligne(r) = {s("V%1").arg(r), s("Vis"), s("2"), s("1,50"), QString(), QString(), s("1")};
    d.lignesUtilisees = 3;
    ASSERT_TRUE(m.fenetre.execute(Operation::Copier));

    m.jeu.Nouveau();
    m.charge({});
    ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
    m.dialogues.vus.clear();
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    EXPECT_EQ(m.messages(), QStringList{s("message: Rien à coller : aucune fiche n'a été copiée "
                                          "sur cette page.")});
    ASSERT_TRUE(m.fenetre.montre(Sorte::Commandes));
    ASSERT_TRUE(m.fenetre.execute(Operation::Coller));
    EXPECT_EQ(page.document().tiers, s("10001"));
    EXPECT_EQ(page.document().conditions, s("A 30 jours"));
    EXPECT_EQ(page.document().genre, s("Commande"));
    EXPECT_EQ(page.document().lignesUtilisees, 3);
    EXPECT_EQ(page.document().ligne(3)[0], s("V3"));
    EXPECT_EQ(page.totaux().ht.trimmed(), s("9,00"));
}

TEST(Export, NeverWritesOverTheSetAndAsksBeforeReplacingAnotherFile) {
    Montage m;
    m.charge(client(0, {{L::Code, s("10001")}, {L::Nom, s("Dupont")}}));
    const QByteArray clients = m.dossier.lit(s("t.cli"));
    for (const QString& nom : {m.nom("cli"), m.nom("fct"), m.dossier.chemin(s("T.CLI"))}) {
        m.dialogues.vus.clear();
        m.dialogues.fichiers = {nom};
        m.dialogues.confirmations = {true};
        ASSERT_TRUE(m.fenetre.execute(Operation::Exporter));
        ASSERT_EQ(m.messages().size(), 1) << nom.toStdString();
        EXPECT_TRUE(m.messages()[0].contains(s("c'est un fichier du jeu de documents ouvert")))
            << m.messages()[0].toStdString();
    }
    EXPECT_EQ(m.dossier.lit(s("t.cli")), clients);
    EXPECT_FALSE(m.jeu.TestModif());

    m.dossier.ecrit(s("Export.txt"), "avant");
    m.dialogues.vus.clear();
    m.dialogues.fichiers = {m.dossier.chemin(s("Export.txt"))};
    m.dialogues.confirmations = {false};
    ASSERT_TRUE(m.fenetre.execute(Operation::Exporter));
    EXPECT_EQ(m.dialogues.vus.filter(s("confirmation: ")),
              QStringList{s("confirmation: Le fichier Export.txt existe déjà. Le remplacer ?")});
    EXPECT_TRUE(m.messages().isEmpty());
    EXPECT_EQ(m.dossier.lit(s("Export.txt")), QByteArray("avant"));
    EXPECT_EQ(m.exporte().value(0).section(u'\t', 0, 0), s("Dupont"));
}
