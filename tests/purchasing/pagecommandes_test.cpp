#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneCommande;
namespace LA = ligneArticle;
namespace LF = ligneFournisseur;
namespace C = colonne;

using zel::test::s;

// A stored order: its nine field lines, then its lines and notes.
QStringList commande(int n, const char* numero, const char* fournisseur, const char* ttc,
                     const QStringList& suite = {}) {
    return test::bloc(n, 9,
                      {{L::Numero, s(numero)},
                       {L::Date, s("01/12/2026")},
                       {L::Fournisseur, s(fournisseur)},
                       {L::Adresse1, s("Martin")},
                       {L::Adresse1 + 1, s("2 place")},
                       {L::Ttc, s(ttc)}},
                      suite);
}

QStringList fournisseur(int n, const char* code, const char* nom) {
    return test::bloc(n, 24, {{LF::Code, s(code)}, {LF::Nom, s(nom)}});
}

QStringList article(int n, const char* code, const char* reference, const char* fournisseur,
                    const char* stock) {
    return test::bloc(n, 21,
                      {{LA::Code, s(code)},
                       {LA::Designation, s("Article ") + s(code)},
                       {LA::StockReel, s(stock)},
                       {LA::Fournisseur, s(fournisseur)},
                       {LA::Reference, s(reference)},
                       {LA::PrixAchat, s("   4,00")},
                       {LA::PrixHT, s("   8,00")}});
}

QString stock(const Blocs& articles, int n) {
    return articles.contenuBloc(n).at(LA::StockReel - 1).trimmed();
}

// The card window on a set, seen from the order tab.
struct Montage : test::Montage {
    PageCommandes& page = fenetre.commandes();
    Document& d = page.document();

    void ouvre(const QStringList& fournisseurs, const QStringList& articles,
               const QStringList& commandes = {}) {
        charge({}, fournisseurs, articles, {}, commandes);
        fenetre.montre(Sorte::Commandes);
    }
    void tape(int rangee, const char* ref, const char* quantite, const char* prix) {
        test::tapeLigne(page, rangee, ref, quantite, prix);
    }
};

} // namespace

TEST(Commandes, NumbersFollowTheMonthAndTheHighestStoredOrderOnly) {
    const struct {
        QStringList commandes;
        QStringList factures;
        qint64 attendu;
    } cas[] = {
        // Invoices have numbers of their own.
        {{}, test::bloc(0, 11, {{1, s("NUMF202612007")}}), 202612001},
        {commande(0, "NUM202701005", "1", ""), {}, 202701006},
        {commande(0, "NUM20261200x", "1", "") + commande(1, "NUM202612004", "1", ""),
         {},
         202612005},
    };
    for (const auto& c : cas) {
        Montage m;
        m.charge({}, {}, {}, c.factures, c.commandes);
        EXPECT_EQ(m.page.Numero(), c.attendu);
    }

    // Orders written one after another follow each other.
    Montage m;
    m.ouvre(fournisseur(0, "7", "Martin"), {});
    for (const char* attendu : {"202612001", "202612002", "202612003"}) {
        m.page.Creer();
        EXPECT_EQ(m.d.numero, s(attendu));
        m.d.tiers = s("7");
        m.tape(1, "R1", "1", "4");
    }
    m.page.Ecrit();
    // A number rewritten lower than the highest gives the highest back.
    m.page.saisitNumero(s("202612002"));
    m.page.Ecrit();
    EXPECT_EQ(m.page.Numero(), 202612003);
}

TEST(Commandes, OldBlocksReadAndNewOnesKeepTheVatCodeAndTheValidation) {
    QStringList lignes;
    lignes.append(s("CMDER1\tVis\t2\t4,00\t\t8,00"));
    lignes.append(s("CMDER2\tClou\t1\t10,00\t\t10,00\t2"));
    lignes.append(s("MEMOMerci"));
    // Lines past the grid's 63 rows are left out.
    for (int i = 0; i < 70; ++i)
        lignes.append(s("CMDEX\tRien\t1\t1,00\t\t1,00"));
    Montage m;
    m.ouvre({}, {}, commande(0, "NUM202612001", "7", "TTCN", lignes));
    EXPECT_EQ(m.d.numero, s("202612001"));
    EXPECT_FALSE(m.d.valide) << "an order without the fifth character is not validated";
    EXPECT_FALSE(m.d.ttc);
    EXPECT_EQ(m.d.ligne(1)[C::Tva], s("1")) << "a line without its code counts at rate 1";
    EXPECT_EQ(m.d.ligne(2)[C::Tva], s("2"));
    EXPECT_EQ(m.d.lignesUtilisees, Document::kLignes + 1);
    EXPECT_EQ(m.d.notes, QStringList{s("Merci")});

    m.d.ligne(1)[C::Tva] = s("3");
    m.page.marque();
    m.d.valide = true;
    m.d.ttc = true;
    const QStringList ecrit = m.sauve("cmd");
    ASSERT_GE(ecrit.size(), 12);
    EXPECT_EQ(ecrit[1], s("NUM202612001"));
    EXPECT_EQ(ecrit[9], s("TTCYY"));
    EXPECT_TRUE(ecrit[10].startsWith(s("CMDER1\t"))) << ecrit[10].toStdString();
    EXPECT_EQ(ecrit[10].split(u'\t').size(), 7);
    EXPECT_EQ(ecrit[10].split(u'\t').last(), s("3"));
    EXPECT_EQ(ecrit.count(s("</BLOC0000>")), 1);
    EXPECT_LE(ecrit.filter(s("CMDE")).size(), Document::kLignes);

    // Read again, the order keeps its rate and stays frozen.
    m.page.Lit();
    EXPECT_EQ(m.d.ligne(1)[C::Tva], s("3"));
    EXPECT_TRUE(m.d.valide);
    EXPECT_TRUE(m.page.lignesFigees());
    EXPECT_TRUE(m.d.ttc);
    EXPECT_FALSE(m.page.estModifie()) << "reading marks nothing";
}

TEST(Commandes, ValidationPostsToTheExactSupplierAndAddsStockToTheExactArticle) {
    Montage m;
    m.ouvre(fournisseur(0, "12345", "Grand") + fournisseur(1, "123", "Petit"),
            // R-12 of another supplier comes first; the order's supplier's comes after it.
            article(0, "A", "R-12", "Grand", "  10,00") + article(1, "B", "r-12", "Petit", "") +
                article(2, "C", "R-120", "Petit", "   1,00") +
                article(3, "D", "Z9", "", "   5,00"));
    m.page.Creer();
    m.d.tiers = s(" 123");
    m.tape(1, "R-12", "2,5", "4");
    m.tape(2, "Z9", "1", "4");
    m.tape(3, "INCONNU", "1", "4");
    m.tape(4, "Z9", "", "4");
    m.tape(5, "Z9", "deux", "4");
    m.page.Valider();
    EXPECT_TRUE(m.d.valide);

    const Blocs& articles = m.jeu.BlocsArt();
    EXPECT_EQ(stock(articles, 1), s("2,50")) << "a blank stock counts as none";
    EXPECT_EQ(stock(articles, 0), s("10,00")) << "another supplier's article keeps its stock";
    EXPECT_EQ(stock(articles, 2), s("1,00")) << "R-120 is not R-12";
    EXPECT_EQ(stock(articles, 3), s("6,00"));
    EXPECT_EQ(m.dialogues.vus.last(), s("message: Le stock de ces lignes n'a pas changé :\n"
                                        "INCONNU : aucun article n'a cette référence\n"
                                        "Z9 : la ligne n'a pas de quantité\n"
                                        "Z9 : la quantité « deux » n'est pas un nombre"));

    const Blocs& fournisseurs = m.jeu.BlocsFour();
    EXPECT_EQ(fournisseurs.contenuBloc(0).size(), 24) << "supplier 12345 is not 123";
    const QStringList compte = fournisseurs.contenuBloc(1).mid(24);
    ASSERT_EQ(compte.size(), 1);
    EXPECT_TRUE(compte[0].startsWith(s("DATA06/12/2026\tCommande 202612001\t")))
        << compte[0].toStdString();
    EXPECT_EQ(compte[0].section(u'\t', 2).trimmed(), m.page.totaux().ttc);

    // Validated once: again does nothing, and the order read again is frozen.
    m.page.Valider();
    EXPECT_EQ(stock(articles, 3), s("6,00"));
    m.page.Lit();
    EXPECT_TRUE(m.d.valide);
    const int utilisees = m.d.lignesUtilisees;
    m.page.SupLigne(1);
    EXPECT_EQ(m.d.lignesUtilisees, utilisees) << "a validated order's lines are frozen";

    // The flag belongs to each order: another order is validated on its own.
    m.page.Creer();
    m.d.tiers = s("123");
    m.tape(1, "Z9", "1", "4");
    EXPECT_FALSE(m.d.valide);
    m.page.Valider();
    EXPECT_EQ(stock(articles, 3), s("7,00"));
    m.page.navigue(Pas::Premier);
    EXPECT_TRUE(m.d.valide);
    m.page.Valider();
    EXPECT_EQ(stock(articles, 3), s("7,00"));
}

TEST(Commandes, ValidationIsRefusedUntilTheOrderCanBeWrittenAndKeepsTheArticleCard) {
    Montage m;
    m.ouvre(fournisseur(0, "7", "Martin"), article(0, "A", "R1", "Martin", "   3,00"));
    m.page.Creer();
    m.page.Valider();
    EXPECT_FALSE(m.d.valide);
    EXPECT_EQ(m.dialogues.vus.last(),
              s("message: Cette commande ne peut pas être validée : il lui manque le code "
                "fournisseur, une ligne avec une référence."));

    // The article card shown keeps an edit made before the validation, and shows the new stock.
    m.fenetre.montre(Sorte::Articles);
    m.fenetre.articles().carte().saisit(LA::Designation, s("Vis inox"));
    m.fenetre.montre(Sorte::Commandes);
    m.fenetre.articles().carte().saisit(LA::Designation, s("Vis inox 2"));
    m.page.Creer();
    m.d.tiers = s("7");
    m.tape(1, "r1", "2", "4");
    m.page.Valider();
    EXPECT_TRUE(m.d.valide);
    const Carte& carte = m.fenetre.articles().carte();
    EXPECT_EQ(carte.champ(LA::Designation), s("Vis inox 2"));
    EXPECT_EQ(carte.champ(LA::StockReel).trimmed(), s("5,00"));
    m.sauve();
    EXPECT_EQ(stock(m.jeu.BlocsArt(), 0), s("5,00"));
}

TEST(Commandes, AnOrderWhoseSupplierIsNotThereIsNotValidatedAndMovesNothing) {
    // The code typed names no supplier, or the supplier was deleted after the order was typed.
    for (const bool supprime : {false, true}) {
        SCOPED_TRACE(supprime ? "supplier deleted" : "unknown code");
        Montage m;
        m.ouvre(fournisseur(0, "7", "Martin") + fournisseur(1, "8", "Durand"),
                article(0, "A", "R1", "Martin", "   3,00"));
        m.page.Creer();
        m.d.tiers = s(supprime ? "7" : "99");
        m.tape(1, "R1", "2", "4");
        if (supprime) {
            m.fenetre.montre(Sorte::Fournisseurs);
            m.dialogues.confirmations = {true};
            m.fenetre.execute(Operation::Supprime);
            ASSERT_EQ(m.jeu.compte(Sorte::Fournisseurs), 1);
            m.fenetre.montre(Sorte::Commandes);
        }
        std::array<QStringList, kNombreSortes> avant;
        for (Sorte sorte : kToutesSortes)
            avant[std::size_t(indice(sorte))] = m.jeu.store(sorte).lignes();
        m.dialogues.vus.clear();
        m.page.Valider();
        EXPECT_EQ(m.dialogues.vus,
                  QStringList{s("message: Aucun fournisseur n'a le code %1 : la commande n'est pas "
                                "validée. Corrigez le code fournisseur.")
                                  .arg(s(supprime ? "7" : "99"))});
        EXPECT_FALSE(m.d.valide) << "the order stays open";
        for (Sorte sorte : kToutesSortes)
            EXPECT_EQ(m.jeu.store(sorte).lignes(), avant[std::size_t(indice(sorte))])
                << "kind " << indice(sorte);
        // Once its code is corrected, the order is validated.
        m.d.tiers = s("8");
        m.page.marque();
        m.page.Valider();
        EXPECT_TRUE(m.d.valide);
        EXPECT_EQ(stock(m.jeu.BlocsArt(), 0), s("5,00"));
        m.sauve();
        for (const QString& l : m.relit("cmd"))
            EXPECT_NE(l, s("TTCNN")) << "the order is stored validated";
    }
}

TEST(Commandes, AnAmountPastTheLargestNumberIsRefusedAndNeverWritten) {
    const QString grand = QString::fromStdString(test::tresGrand);
    const auto dernier = [](const QStringList& vus) { return vus.value(vus.size() - 1); };
    Montage m;
    m.ouvre(fournisseur(0, "7", "Martin"), article(0, "A", "R1", "Martin", "   3,00"));
    m.page.Creer();
    m.d.tiers = s("7");
    m.tape(1, "R1", "2", "4");
    const Totaux totaux = m.page.totaux();
    ASSERT_EQ(totaux.ttc, s("9,57"));

    // Enter on the line changes nothing but what was typed in it, and tells why.
    const std::pair<const char*, const char*> lignes[] = {{"10", test::tresGrand.c_str()},
                                                          {test::tresGrand.c_str(), "2"}};
    for (const auto& [quantite, prix] : lignes) {
        m.tape(2, "R1", quantite, prix);
        EXPECT_EQ(dernier(m.dialogues.vus),
                  s("message: La ligne n'est pas calculée : « Montant H.T. » de la ligne 2 "
                    "dépasserait le plus grand nombre que le programme sait écrire. Corrigez la "
                    "quantité, le prix ou la remise."));
        EXPECT_EQ(m.d.lignesUtilisees, 1);
        EXPECT_EQ(m.d.ligne(2)[C::Montant], QString());
        EXPECT_EQ(m.d.ligne(2)[C::Tva], QString());
        EXPECT_EQ(m.page.totaux().ht, totaux.ht);
        EXPECT_EQ(m.page.totaux().ttc, totaux.ttc);
    }
    // Two lines each within reach whose VAT is not: 9e306 × 19.6 is, twice 9e306 × 19.6 is not.
    const std::string neufE306 = '9' + std::string(306, '0');
    m.d.ligne(2) = {};
    m.tape(2, "R1", "1", neufE306.c_str());
    EXPECT_EQ(m.d.lignesUtilisees, 2);
    m.tape(3, "R1", "1", neufE306.c_str());
    EXPECT_EQ(dernier(m.dialogues.vus),
              s("message: La ligne n'est pas calculée : « Total TVA » dépasserait le plus grand "
                "nombre que le programme sait écrire. Corrigez la quantité, le prix ou la "
                "remise."));
    EXPECT_EQ(m.d.lignesUtilisees, 2);

    // Validation refuses what it cannot total, and changes nothing.
    std::array<QStringList, kNombreSortes> avant;
    for (Sorte sorte : kToutesSortes)
        avant[std::size_t(indice(sorte))] = m.jeu.store(sorte).lignes();
    m.page.Valider();
    EXPECT_EQ(dernier(m.dialogues.vus),
              s("message: Cette commande ne peut pas être validée : « Total TVA » dépasserait "
                "le plus grand nombre que le programme sait écrire."));
    EXPECT_FALSE(m.d.valide);
    for (Sorte sorte : kToutesSortes)
        EXPECT_EQ(m.jeu.store(sorte).lignes(), avant[std::size_t(indice(sorte))])
            << "kind " << indice(sorte);

    // A stock that would pass the largest number refuses the validation too.
    Montage plein;
    plein.ouvre(fournisseur(0, "7", "Martin"),
                article(0, "A", "R1", "Martin", test::tresGrand.c_str()));
    plein.page.Creer();
    plein.d.tiers = s("7");
    plein.tape(1, "R1", test::tresGrand.c_str(), "0");
    ASSERT_EQ(plein.page.totaux().ttc, s("0,00"));
    for (Sorte sorte : kToutesSortes)
        avant[std::size_t(indice(sorte))] = plein.jeu.store(sorte).lignes();
    plein.page.Valider();
    EXPECT_EQ(dernier(plein.dialogues.vus),
              s("message: Cette commande ne peut pas être validée : « Stock réel » de l'article "
                "R1 dépasserait le plus grand nombre que le programme sait écrire."));
    EXPECT_FALSE(plein.d.valide);
    for (Sorte sorte : kToutesSortes)
        EXPECT_EQ(plein.jeu.store(sorte).lignes(), avant[std::size_t(indice(sorte))])
            << "kind " << indice(sorte);

    // A stored order holding such a line shows no amount for it, and no total.
    Montage lu;
    lu.ouvre(
        fournisseur(0, "7", "Martin"), article(0, "A", "R1", "Martin", "   3,00"),
        commande(0, "NUM202612001", "7", "TTCY", {s("CMDER1\tVis\t10\t") + grand + s("\t\t\t1")}));
    EXPECT_EQ(lu.d.ligne(1)[C::Montant], QString());
    EXPECT_EQ(lu.page.totaux().ttc, QString());
    EXPECT_EQ(lu.page.totaux().converti, QString());
    lu.page.Valider();
    EXPECT_FALSE(lu.d.valide);
    EXPECT_EQ(stock(lu.jeu.BlocsArt(), 0), s("3,00"));
    for (const char* extension : {"cmd", "frs", "stk"}) {
        for (const QString& l : lu.sauve(extension))
            EXPECT_FALSE(l.contains(s("inf")) || l.contains(s("nan"))) << l.toStdString();
    }
}

TEST(Commandes, EveryEditMarksTheOrderAndReadingMarksNothing) {
    Montage m;
    m.ouvre(fournisseur(0, "7", "Martin"), article(0, "A", "R1", "Martin", ""));
    m.page.Creer();
    // Orders offer their own payment conditions, the first preset.
    EXPECT_EQ(m.page.conditions().size(), 5);
    EXPECT_EQ(m.d.conditions, s("A réception"));
    m.sauve();
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"number", [&] { m.page.saisitNumero(s("202612009")); }},
        {"supplier pick",
         [&] {
             m.dialogues.choix = {0};
             m.page.choisitTiers();
             EXPECT_EQ(m.d.tiers, s("7"));
             EXPECT_EQ(m.d.adresse[0], s("Martin"));
         }},
        {"line ended", [&] { m.tape(1, "R1", "1", "4"); }},
        {"article", [&] {
             m.d.ligne(2)[C::Ref] = s("R1");
             m.page.remplitDepuisArticle(2);
         }}};
    for (const auto& [nom, edit] : edits) {
        m.page.Lit();
        m.sauve();
        EXPECT_FALSE(m.page.estModifie()) << nom;
        EXPECT_FALSE(m.jeu.TestModif()) << nom;
        edit();
        EXPECT_TRUE(m.page.estModifie()) << nom;
        EXPECT_TRUE(m.jeu.TestModif()) << nom;
    }
    // The article pick by supplier reference.
    m.d.ligne(3) = {};
    m.dialogues.choix = {0};
    EXPECT_TRUE(m.page.remplitDepuisArticle(3).remplie);
    EXPECT_EQ(m.d.ligne(3)[C::Ref], s("R1"));
    EXPECT_EQ(m.d.ligne(3)[C::Designation], s("Article A"));
    m.d.ttc = true;
    m.d.ligne(4)[C::Ref] = s("R1");
    m.page.remplitDepuisArticle(4);
    EXPECT_EQ(m.d.ligne(4)[C::Prix], s("4,00")) << "the purchase price whatever the mode";
    // A note typed with a TAB or a carriage return stays one line of the block.
    m.page.saisitNotes(s("Livrer\tle matin\r\nQuai 2"));
    EXPECT_EQ(m.d.notes, QStringList({s("Livrer le matin "), s("Quai 2")}));
    EXPECT_TRUE(PageDocument::codeChiffresAcceptable(s("12345")));
    EXPECT_FALSE(PageDocument::codeChiffresAcceptable(s("12a")));
    EXPECT_FALSE(PageDocument::codeChiffresAcceptable(s("123456")));
}

TEST(Commandes, ListSearchDeletionAndOneSuppliersOrders) {
    const QStringList ligne = {s("CMDER1\tVis\t1\t4,00\t\t4,00\t1")};
    Montage m;
    m.ouvre({}, {},
            commande(0, "NUM202612001", "7", "TTCN", ligne) +
                commande(1, "NUM202612002", "8", "TTCN", ligne) +
                commande(3, "NUM202612003", "7", "TTCN", ligne));
    m.dialogues.choix = {2};
    m.page.Liste();
    EXPECT_EQ(m.dialogues.vus.last(), s("Liste des commandes"));
    EXPECT_EQ(m.dialogues.dernieresEntrees,
              QStringList({s("202612001  01/12/2026  7  Martin  2 place"),
                           s("202612002  01/12/2026  8  Martin  2 place"),
                           s("202612003  01/12/2026  7  Martin  2 place")}));
    EXPECT_EQ(m.page.courant(), 3) << "every order is listed, across gaps";

    // The order shown is written back first (which moves its block to the end of the store),
    // then the number is searched.
    m.page.navigue(Pas::Premier);
    m.page.saisitNumero(s("202612001"));
    m.dialogues.saisies = {s("202612002"), QString(), s("202612001")};
    m.page.Cherche();
    EXPECT_EQ(m.page.courant(), 1);
    EXPECT_EQ(m.d.numero, s("202612002"));
    m.page.Cherche();
    EXPECT_EQ(m.page.courant(), 1) << "an empty answer finds nothing";
    m.page.Cherche();
    EXPECT_EQ(m.page.courant(), 0);
    EXPECT_EQ(m.dialogues.vus.last(), s("saisie: Chercher Commande []"));

    // One supplier's orders.
    m.dialogues.saisies = {s("7")};
    ASSERT_TRUE(m.page.SetSel(true));
    EXPECT_EQ(m.dialogues.vus.last(), s("saisie: Sélectionner commandes [7]"));
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.page.courant(), 3);
    m.dialogues.saisies = {QString()};
    EXPECT_FALSE(m.page.SetSel(true)) << "Annuler keeps the selection";
    EXPECT_TRUE(m.page.unTiers());
    ASSERT_TRUE(m.page.SetSel(false));

    // Deleting renumbers the orders after it.
    m.page.navigue(Pas::Premier);
    m.page.Supprime();
    EXPECT_EQ(m.page.compte(), 2);
    EXPECT_EQ(m.d.numero, s("202612002"));
}

TEST(Commandes, AFullStoreTakesNoNewOrder) {
    QStringList pleine;
    for (int n = 0; n < Blocs::kCapacite; ++n)
        pleine += commande(n, "NUM", "7", "TTCN",
                           {s("CMDER") + QString::number(n) + s("\tVis\t1\t1,00\t\t1,00")});
    Montage m;
    m.ouvre({}, {}, pleine);
    ASSERT_EQ(m.page.compte(), Blocs::kCapacite);
    m.page.Creer();
    EXPECT_EQ(m.dialogues.vus.last(), s("message: Le fichier est plein"));
    EXPECT_EQ(m.page.compte(), Blocs::kCapacite);
}
