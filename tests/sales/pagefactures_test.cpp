#include "app/commandes.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneFacture;
namespace C = colonne;

using zel::test::s;

// A stored document: its eleven field lines, then its lines and notes.
QStringList facture(int n, const char* numero, const char* client, const char* ttc,
                    const QStringList& suite = {}, const char* genre = "Facture") {
    return test::bloc(n, 11,
                      {{L::Numero, s(numero)},
                       {L::Date, s("01/12/2026")},
                       {L::Client, s(client)},
                       {L::Genre, s(genre)},
                       {L::Ttc, s(ttc)},
                       {L::Valide, s("N")}},
                      suite);
}

// The card window on a set, seen from the invoice tab.
struct Montage : test::Montage {
    PageFactures& page = fenetre.factures();
    Document& d = page.document();

    void tape(int rangee, const char* ref, const char* quantite, const char* prix) {
        test::tapeLigne(page, rangee, ref, quantite, prix);
    }
};

} // namespace

TEST(Factures, NumbersFollowTheMonthAndTheHighestStoredInvoice) {
    Montage m;
    m.charge({});
    m.page.Creer();
    EXPECT_EQ(m.d.numero, s("202612001"));
    EXPECT_EQ(m.page.courant(), 0);
    m.d.tiers = s("10001");
    m.tape(1, "A1", "1", "10");
    m.page.Creer();
    EXPECT_EQ(m.page.courant(), 1);
    EXPECT_EQ(m.d.numero, s("202612002"));
    EXPECT_EQ(m.page.compte(), 2);

    const struct {
        QStringList store;
        int attendu;
    } cas[] = {
        {facture(0, "NUMF202701005", "1", ""), 202701006},
        {facture(0, "NUMD202612001", "1", "", {}, "Devis    "), 202612001},
        {facture(0, "NUMF20261200x", "1", "") + facture(1, "NUMF202612004", "1", ""), 202612005},
    };
    for (const auto& c : cas) {
        Montage n;
        n.charge({}, {}, {}, c.store);
        EXPECT_EQ(n.page.Numero(), c.attendu);
    }
}

TEST(Factures, ReadingThePriceModeAndWritingAtTheEnd) {
    const struct {
        const char* ligne10;
        bool ttc;
    } cas[] = {{"TTCY", true}, {"TTCN", false}, {"TTC", false}, {"", false}};
    for (const auto& c : cas) {
        Montage m;
        m.charge({}, {}, {}, facture(0, "NUMF202612001", "10001", c.ligne10));
        EXPECT_EQ(m.d.ttc, c.ttc) << c.ligne10;
    }

    Montage m;
    const QStringList lignes = {s("FACTA1\tVis\t       2\t  10,00\t\t  20,00\t1"), s("MEMOMerci")};
    m.charge({}, {}, {},
             facture(0, "NUMF202612001", "10001", "TTCN", lignes) +
                 facture(1, "NUMF202612002", "10002", "TTCN"));
    EXPECT_EQ(m.d.lignesUtilisees, 2);
    EXPECT_EQ(m.page.totaux().ht, s("20,00"));
    EXPECT_EQ(m.d.notes, QStringList{s("Merci")});
    m.d.tiers = s("10009");
    m.page.marque();
    m.page.navigue(Pas::Suivant);
    const QStringList ecrit = m.sauve("fct");
    EXPECT_EQ(ecrit.first(), s("<BLOC0001>")) << "a document written goes to the end";
    EXPECT_EQ(ecrit.mid(13 + 1, 4),
              (QStringList{s("NUMF202612001"), s("01/12/2026"), s("10009"), s("")}));
    // The computation re-aligned the cells it rewrote; their values are those stored.
    QStringList cellules = ecrit[13 + 12].split(u'\t');
    for (QString& c : cellules)
        c = c.trimmed();
    EXPECT_EQ(cellules, lignes[0].split(u'\t').replaceInStrings(QStringLiteral(" "), QString()));
    EXPECT_EQ(ecrit.mid(13 + 13, 2), (QStringList{s("MEMOMerci"), s("</BLOC0000>")}));
}

TEST(Factures, ValidationPostsToTheExactClientAndTakesStockFromTheExactArticle) {
    namespace LC = ligneClient;
    namespace LA = ligneArticle;
    Montage m;
    m.charge(
        test::bloc(0, 25, {{LC::Code, s("12345")}}) + test::bloc(1, 25, {{LC::Code, s("123")}}), {},
        test::bloc(0, 21, {{LA::Code, s("ABC")}, {LA::StockReel, s("  10,00")}}) +
            test::bloc(1, 21, {{LA::Code, s("AB")}, {LA::StockReel, s("  10,00")}}));
    m.page.Nouveau();
    m.d.tiers = s("123");
    m.tape(1, "ab", "2,5", "10");

    m.d.genre = s("Devis    ");
    m.page.Valider();
    EXPECT_FALSE(m.d.valide) << "a quote is never validated";
    m.d.genre = s("Facture");
    m.page.Valider();
    EXPECT_TRUE(m.d.valide);
    EXPECT_EQ(m.page.totaux().ttc, s("29,90"));
    const Blocs& clients = m.jeu.BlocsCli();
    EXPECT_EQ(clients.contenuBloc(1).mid(25, 1),
              QStringList{s("DATA06/12/2026\tFacture 202612001\t") +
                          m.fenetre.clients().carte().ligneGrille(0).montant});
    EXPECT_EQ(m.fenetre.clients().carte().ligneGrille(0).montant.trimmed(), s("29,90"));
    EXPECT_EQ(clients.contenuBloc(0).size(), 25) << "client 12345 is not 123";
    const Blocs& articles = m.jeu.BlocsArt();
    EXPECT_EQ(articles.contenuBloc(1).at(LA::StockReel - 1).trimmed(), s("7,50"));
    EXPECT_EQ(articles.contenuBloc(0).at(LA::StockReel - 1).trimmed(), s("10,00"));

    // Validation happens once; a new document is open to validation again.
    m.page.Valider();
    EXPECT_EQ(articles.contenuBloc(1).at(LA::StockReel - 1).trimmed(), s("7,50"));
    m.page.Creer();
    EXPECT_FALSE(m.d.valide);
}

TEST(Factures, LeavingADocumentThatCannotBeWrittenAsksFirst) {
    Montage m;
    m.charge({});
    m.page.Creer();
    m.d.ligne(1)[C::Designation] = s("Sans référence");
    m.page.finDeLigne(1);
    m.page.Creer();
    EXPECT_EQ(m.dialogues.vus.last(),
              s("confirmation: Ce document ne peut pas être enregistré : il lui manque le code "
                "client, une ligne avec une référence.\nAbandonner ses modifications ?"));
    EXPECT_EQ(m.page.courant(), 0) << "Annuler stays on the document";
    EXPECT_EQ(m.d.ligne(1)[C::Designation], s("Sans référence"));
    m.dialogues.confirmations = {true};
    m.page.Creer();
    EXPECT_TRUE(m.d.ligne(1)[C::Designation].isEmpty()) << "OK gives the changes up";
    EXPECT_EQ(m.page.courant(), 0) << "with no document stored, numbering starts again at 0";
    EXPECT_TRUE(m.jeu.BlocsFact().ouvertures().empty());
}

TEST(Factures, SavingOrQuittingWithADocumentThatCannotBeWrittenAsksFirst) {
    Montage m;
    m.charge({});
    CommandesDocument commandes(m.jeu, m.dialogues);
    ASSERT_TRUE(commandes.ouvreAuDemarrage(m.nom()));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
    m.page.Creer();
    m.d.ligne(1)[C::Designation] = s("Sans référence");
    m.page.finDeLigne(1);
    const QStringList avant = m.relit("fct");

    // Annuler stops each command and keeps the document; nothing is written.
    EXPECT_FALSE(commandes.Enregistrer());
    EXPECT_FALSE(commandes.EnregistrerSous());
    m.dialogues.reponses = {Dialogues::Reponse::Oui};
    EXPECT_FALSE(commandes.Quitter());
    EXPECT_EQ(m.dialogues.vus.filter(s("Abandonner ses modifications ?")).size(), 3);
    EXPECT_EQ(m.relit("fct"), avant);
    EXPECT_EQ(m.d.ligne(1)[C::Designation], s("Sans référence"));

    // OK gives the changes up, and the set is written without the document.
    m.dialogues.confirmations = {true};
    EXPECT_TRUE(commandes.Enregistrer());
    EXPECT_FALSE(m.relit("fct").contains(Blocs::BalisesBloc(0).ouverture));
    EXPECT_TRUE(commandes.Quitter()) << "nothing is left to ask about";
}

TEST(Factures, NewSettingsChangeTheCaptionsAtOnceAndTheAmountsAtTheNextComputation) {
    Montage m;
    m.charge({});
    m.page.Creer();
    m.tape(1, "A", "1", "655,957");
    EXPECT_EQ(m.page.totaux().converti, s("119,60"));
    SaisieParametres p = SaisieParametres::depuis(m.reglages);
    p.devise = 1;
    p.decimales = 0;
    p.applique(m.reglages);
    m.page.suitReglages();
    EXPECT_EQ(m.page.totaux().legende, s("Euros"));
    EXPECT_EQ(m.page.totaux().legendeConvertie, s("Francs"));
    EXPECT_EQ(m.page.totaux().converti, s("119,60"));
    m.page.Calcule();
    EXPECT_EQ(m.page.totaux().ttc, s("785"));
    p.devise = 2;
    p.nomDevise = s("Livres");
    p.applique(m.reglages);
    m.page.suitReglages();
    EXPECT_EQ(m.page.totaux().legende, s("Livres"));
    EXPECT_TRUE(m.page.totaux().legendeConvertie.isEmpty());
}

TEST(Factures, DeletingTheOnlyInvoiceAndBrowsingOneClient) {
    Montage m;
    m.charge({}, {}, {}, facture(0, "NUMF202612001", "10001", ""));
    m.page.Supprime();
    EXPECT_TRUE(m.jeu.BlocsFact().ouvertures().empty());
    EXPECT_EQ(m.d.numero, s("202612001"));
    EXPECT_TRUE(m.d.tiers.isEmpty());

    Montage n;
    n.charge({}, {}, {},
             facture(0, "NUMF202612001", "A", "") + facture(1, "NUMF202612002", "B", "") +
                 facture(2, "NUMF202612003", "A", ""));
    n.dialogues.saisies = {s("A")};
    n.page.SetSel(true);
    n.page.navigue(Pas::Dernier);
    EXPECT_EQ(n.page.courant(), 2);
    n.page.navigue(Pas::Precedent);
    EXPECT_EQ(n.page.courant(), 0);
    EXPECT_EQ(n.dialogues.vus.first(), s("saisie: Sélectionner factures [A]"));
}

TEST(Factures, LinesFromArticlesClientsPickedAndLinesDeleted) {
    namespace LA = ligneArticle;
    namespace LC = ligneClient;
    Montage m;
    m.charge(test::bloc(0, 25,
                        {{LC::Code, s("10001")},
                         {LC::Nom, s("Durand")},
                         {LC::CodePostal, s("69003")},
                         {LC::Ville, s("Lyon")}}),
             {},
             test::bloc(0, 21,
                        {{LA::Code, s("V4")},
                         {LA::Designation, s("Vis")},
                         {LA::PrixHT, s("   1,50")},
                         {LA::PrixTTC, s("   1,79")}}));
    m.page.Creer();
    m.dialogues.choix = {0};
    ASSERT_TRUE(m.page.remplitDepuisArticle(1).remplie) << "an empty Réf opens the article list";
    EXPECT_EQ(m.d.ligne(1)[C::Ref], s("V4"));
    EXPECT_EQ(m.d.ligne(1)[C::Designation], s("Vis"));
    EXPECT_EQ(m.d.ligne(1)[C::Prix], s("1,50"));
    m.d.ttc = true;
    m.d.ligne(2)[C::Ref] = s("V4");
    ASSERT_TRUE(m.page.remplitDepuisArticle(2).remplie);
    EXPECT_EQ(m.d.ligne(2)[C::Prix], s("1,79"));
    // A code is the article's whatever the case of its letters, as validation takes its stock.
    m.d.ligne(3)[C::Ref] = s("v4");
    EXPECT_TRUE(m.page.remplitDepuisArticle(3).remplie);
    EXPECT_EQ(m.d.ligne(3)[C::Ref], s("V4"));

    m.dialogues.choix = {0};
    m.page.choisitTiers();
    EXPECT_EQ(m.d.tiers, s("10001"));
    EXPECT_EQ(m.d.adresse, (std::array<QString, 4>{s("Durand"), s(""), s(""), s("69003 Lyon")}));

    for (int r = 1; r <= 3; ++r)
        m.d.ligne(r)[C::Quantite] = s("1");
    m.page.finDeLigne(3);
    EXPECT_EQ(m.d.lignesUtilisees, 3);
    m.page.SupLigne(1);
    EXPECT_EQ(m.d.lignesUtilisees, 2);
    EXPECT_EQ(m.d.ligne(1)[C::Prix].trimmed(), s("1,79"));
    EXPECT_TRUE(m.d.ligne(3)[C::Ref].isEmpty());
    EXPECT_EQ(PageFactures::caractereGrille(u'.', C::Ref), QChar(u'.'));
    EXPECT_EQ(PageFactures::caractereGrille(u'.', C::Prix), QChar(u','));
    EXPECT_FALSE(PageFactures::finitLaLigne(C::Designation));
    EXPECT_TRUE(PageFactures::finitLaLigne(C::Quantite));
    // Enter moves down a row until twenty lines are in use.
    EXPECT_EQ(m.page.finDeLigne(2), 3);
    EXPECT_EQ(m.page.finDeLigne(20), 20);
}

TEST(ListeFactures, TheListShowsEveryDocumentAcrossGapsAndTheSearchNeedsTheKindLetter) {
    Montage m;
    m.charge({}, {}, {},
             facture(0, "NUMF202612001", "A", "") +
                 facture(1, "NUMD202612001", "B", "", {}, "Devis    ") +
                 facture(3, "NUMF202612003", "C", ""));
    m.dialogues.choix = {2};
    m.page.Liste();
    EXPECT_EQ(m.dialogues.dernieresEntrees,
              QStringList({s("202612001  01/12/2026  A  Facture  "),
                           s("202612001  01/12/2026  B  Devis      "),
                           s("202612003  01/12/2026  C  Facture  ")}));
    EXPECT_EQ(m.page.courant(), 3) << "the entry after the gap opens its own block";
    m.dialogues.choix = {1};
    m.page.Liste();
    EXPECT_EQ(m.page.courant(), 1) << "the quote of the same number";
    m.dialogues.choix = {std::nullopt};
    m.page.Liste();
    EXPECT_EQ(m.page.courant(), 1) << "Escape leaves the document shown";

    m.dialogues.saisies = {s("f202612001"), s("202612001"), QString()};
    m.page.Cherche();
    EXPECT_EQ(m.page.courant(), 0);
    m.page.navigue(Pas::Suivant);
    m.page.Cherche();
    EXPECT_EQ(m.page.courant(), 1) << "a number without its kind letter finds nothing";
    m.page.Cherche();
    EXPECT_EQ(m.page.courant(), 1);
    EXPECT_EQ(m.dialogues.vus.last(), s("saisie: Chercher facture [F]"));
}

TEST(Factures, LeavingTheReferenceLooksTheArticleUpOnceAndKeepsWhatTheUserTyped) {
    namespace LA = ligneArticle;
    Montage m;
    m.charge(
        {}, {},
        test::bloc(0, 21,
                   {{LA::Code, s("V4")},
                    {LA::Designation, s("Vis")},
                    {LA::Tva, s("2")},
                    {LA::PrixHT, s("   1,50")}}) +
            test::bloc(1, 21,
                       {{LA::Code, s("Z0")}, {LA::Designation, s("Zinc")}, {LA::PrixHT, s("2")}}),
        facture(0, "NUMF202612001", "10001", "TTCN",
                {s("FACTV4\t\t10\t\t\t\t"), s("FACTV4\tVis longue\t1\t3\t\t\t1")}));
    ModeleLignes& modele = m.page.modele();
    const auto tape = [&](int rangee, int colonne, const char* texte) {
        ASSERT_TRUE(modele.setData(modele.index(rangee - 1, colonne), s(texte)));
    };

    // A stored line without designation is filled when its "Réf" is left; one with its own
    // designation keeps it until its "Réf" is typed again.
    EXPECT_TRUE(m.page.quitteReference(1).remplie);
    EXPECT_EQ(m.d.ligne(1)[C::Designation], s("Vis"));
    EXPECT_FALSE(m.page.quitteReference(2).remplie);
    EXPECT_EQ(m.d.ligne(2)[C::Designation], s("Vis longue"));
    EXPECT_EQ(m.d.ligne(2)[C::Prix].trimmed(), s("3,00"));

    m.page.Creer();
    tape(1, C::Ref, "v4");
    EXPECT_EQ(m.d.lignesUtilisees, 1) << "a row typed into is in use";
    const PageDocument::Recherche r = m.page.quitteReference(1);
    EXPECT_TRUE(r.remplie);
    EXPECT_TRUE(r.avis.isEmpty());
    EXPECT_EQ(m.d.ligne(1), (LigneDocument{s("V4"), s("Vis"), {}, s("1,50"), {}, {}, s("2")}))
        << "the article's own code, designation, price and VAT code";
    tape(1, C::Designation, "Vis spéciale");
    tape(1, C::Tva, "1");
    EXPECT_FALSE(m.page.quitteReference(1).remplie) << "the user's designation and code stay";
    EXPECT_EQ(m.d.ligne(1)[C::Designation], s("Vis spéciale"));
    EXPECT_EQ(m.d.ligne(1)[C::Tva], s("1"));

    // A code no article has leaves a free line, said once.
    tape(1, C::Ref, "10009");
    EXPECT_EQ(m.page.quitteReference(1).avis, s("Aucun article n'a le code 10009 : ligne libre"));
    EXPECT_TRUE(m.page.quitteReference(1).avis.isEmpty());
    EXPECT_TRUE(m.dialogues.vus.isEmpty()) << "no box stops the typing";

    // Enter: from "Réf" to the quantity of an article's line, or to the designation of a free
    // one; a line naming an article waits for its quantity; then the line ends.
    struct Cas {
        int colonne;
        const char* ref;
        const char* quantite;
        PageDocument::Suite suite;
    };
    const Cas cas[] = {
        {C::Ref, "Z0", "", {2, C::Quantite, {}}},
        {C::Quantite, "Z0", "", {2, C::Quantite, s("Tapez la quantité de la ligne 2.")}},
        {C::Quantite, "Z0", "1", {3, C::Ref, {}}},
        {C::Ref, "", "", {2, C::Designation, {}}},
        {C::Ref, "W", "", {2, C::Designation, s("Aucun article n'a le code W : ligne libre")}},
        {C::Designation, "", "", {2, C::Quantite, {}}},
        {C::Quantite, "", "", {3, C::Ref, {}}},
        {C::Prix, "Z0", "", {3, C::Ref, {}}},
    };
    for (const Cas& c : cas) {
        m.d.ligne(2) = {};
        m.d.ligne(2)[C::Ref] = s(c.ref);
        m.d.ligne(2)[C::Quantite] = s(c.quantite);
        m.page.celluleEditee(2, C::Ref);
        const PageDocument::Suite suite = m.page.entree(2, c.colonne);
        EXPECT_EQ(std::tie(suite.rangee, suite.colonne, suite.avis),
                  std::tie(c.suite.rangee, c.suite.colonne, c.suite.avis))
            << c.colonne << " " << c.ref << " " << c.quantite;
    }
    m.d.ligne(2) = {s("Z0"), {}, s("1"), {}, {}, {}, {}};
    m.page.celluleEditee(2, C::Ref);
    m.page.entree(2, C::Ref);
    EXPECT_EQ(m.page.entree(2, C::Quantite).rangee, 3);
    EXPECT_EQ(m.d.ligne(2)[C::Tva], s("1")) << "an article without a VAT code counts at rate 1";
    EXPECT_EQ(m.d.ligne(2)[C::Montant].trimmed(), s("2,00"));
    EXPECT_EQ(m.page.entree(2, C::Ref).colonne, C::Quantite)
        << "Enter in the Réf of a line already filled goes on at its quantity";
}

TEST(Factures, ValidatingALineOfAnArticleWithoutPriceAsksFirst) {
    namespace LA = ligneArticle;
    namespace LC = ligneClient;
    struct Cas {
        const char* ref;
        const char* quantite;
        const char* prix;
        bool question;
    };
    const Cas cas[] = {
        {"V4", "2", "", true},      {"V4", "2", "0,00", true}, {"V4", "2", "abc", true},
        {"V4", "2", "1,50", false}, {"V4", "", "", false},     {"X9", "2", "", false},
    };
    for (const Cas& c : cas) {
        for (const bool oui : {false, true}) {
            SCOPED_TRACE(std::string(c.ref) + " " + c.quantite + " " + c.prix + (oui ? " OK" : ""));
            Montage m;
            m.charge(test::bloc(0, 25, {{LC::Code, s("10001")}}), {},
                     test::bloc(0, 21, {{LA::Code, s("V4")}, {LA::StockReel, s("10")}}));
            m.page.Nouveau();
            m.d.ligne(1) = {s("W"), s("Main d'oeuvre"), s("1"), s("30"), {}, {}, {}};
            m.d.ligne(2) = {s(c.ref), s("Vis"), s(c.quantite), s(c.prix), {}, {}, {}};
            m.d.lignesUtilisees = 2;
            m.dialogues.confirmations = {oui};
            m.page.Valider();
            const bool posee =
                m.dialogues.vus.contains(s("confirmation: La ligne 2 n'a pas de prix. Valider "
                                           "quand même ?"));
            EXPECT_EQ(posee, c.question);
            EXPECT_EQ(m.d.valide, !c.question || oui);
        }
    }
}

TEST(Factures, AKindTypedInLowerCaseIsStoredWithItsCapitalAndCanBeValidated) {
    const struct {
        const char* tape;
        const char* numero;
        const char* genre;
        bool valide;
    } cas[] = {
        {"facture", "NUMF202612001", "Facture", true},
        {"  avoir     ", "NUMA202612001", "Avoir     ", false},
        {"devis", "NUMD202612001", "Devis", false},
        {"Facture", "NUMF202612001", "Facture", true},
        // A kind left empty is read back as an invoice: it is written so.
        {"", "NUMF202612001", "Facture", true},
    };
    for (const auto& c : cas) {
        Montage m;
        m.charge(test::bloc(0, 25, {{ligneClient::Code, s("1")}}));
        m.page.Nouveau();
        m.d.tiers = s("1");
        m.tape(1, "A", "1", "10");
        m.d.genre = s(c.tape);
        m.page.Valider();
        m.page.Ecrit();
        const QStringList bloc = m.jeu.BlocsFact().contenuBloc(0);
        ASSERT_GE(bloc.size(), 11) << c.tape;
        EXPECT_EQ(bloc[L::Numero - 1], s(c.numero)) << c.tape;
        EXPECT_EQ(bloc[L::Genre - 1], s(c.genre)) << c.tape;
        EXPECT_EQ(m.d.valide, c.valide) << c.tape;
    }
    // A document of an older file whose kind is in lower case is an invoice too: it numbers and
    // is validated.
    Montage m;
    m.charge(test::bloc(0, 25, {{ligneClient::Code, s("1")}}), {}, {},
             facture(0, "NUMf202612007", "1", "TTCN", {s("FACTA\tVis\t1\t10\t\t\t1")}, "facture"));
    EXPECT_EQ(m.page.Numero(), 202612008);
    m.page.Valider();
    EXPECT_TRUE(m.d.valide);
    EXPECT_EQ(m.jeu.BlocsFact().contenuBloc(0).first(), s("NUMF202612007"));
}

TEST(Factures, ADateThatIsNotADayIsRefusedWithAMessage) {
    const struct {
        const char* tape;
        bool pris;
    } cas[] = {{"31/02/2026", false}, {"15/13/2026", false}, {"", false},
               {"29/02/2025", false}, {"1/2/2026", false},   {"29/02/2024", true},
               {"31/12/2026", true}};
    for (const auto& c : cas) {
        Montage m;
        m.charge({});
        m.page.Creer();
        m.jeu.setCarteModifiee(Sorte::Factures, false);
        EXPECT_EQ(m.page.saisitDate(s(c.tape)), c.pris) << c.tape;
        EXPECT_EQ(m.d.date, c.pris ? litDate(s(c.tape)) : QDate(2026, 12, 6)) << c.tape;
        EXPECT_EQ(m.page.estModifie(), c.pris) << c.tape;
        EXPECT_EQ(m.dialogues.vus,
                  c.pris ? QStringList()
                         : QStringList(s("message: « %1 » n'est pas une date : tapez le jour, le "
                                         "mois et l'année d'un jour qui existe, jj/mm/aaaa.")
                                           .arg(s(c.tape))))
            << c.tape;
    }
    EXPECT_TRUE(PageDocument::dateAcceptable(s("31/12/2026")));
    EXPECT_FALSE(PageDocument::dateAcceptable(s("31-12-2026")));
    EXPECT_FALSE(PageDocument::dateAcceptable(s("31/12/20266")));
}

TEST(Factures, ANumberLongerThanItsNinePositionsIsReadAndWrittenBackWhole) {
    const QStringList ligne = {s("FACTA1\tVis\t1\t10,00\t\t10,00\t1")};
    Montage m;
    m.charge({}, {}, {},
             facture(0, "NUMF2026060011234", "10001", "TTCN", ligne) +
                 facture(1, "NUMF202606001", "10002", "TTCN", ligne));
    EXPECT_EQ(m.d.numero, s("2026060011234"));
    EXPECT_EQ(m.page.entreesListe().front().second.left(13), s("2026060011234"));

    // Typing a number is nine positions at most: a longer one is refused, never cut.
    m.dialogues.vus.clear();
    m.page.saisitNumero(s("2026060011235"));
    EXPECT_EQ(m.dialogues.vus, QStringList{s("message: Le numéro a neuf positions au plus : "
                                             "« 2026060011235 » n'est pas pris.")});
    EXPECT_EQ(m.d.numero, s("2026060011234"));

    // Edited and written back, the document keeps its number and stays apart from 202606001.
    m.d.adresse[0] = s("Durand");
    m.page.marque();
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.d.numero, s("202606001"));
    const QStringList ecrit = m.sauve("fct");
    EXPECT_TRUE(ecrit.contains(s("NUMF2026060011234")));
    EXPECT_TRUE(ecrit.contains(s("NUMF202606001")));
    EXPECT_TRUE(m.page.litDocument(s("F2026060011234")));
    EXPECT_EQ(m.d.adresse[0], s("Durand"));
    EXPECT_TRUE(m.page.litDocument(s("F202606001")));
    EXPECT_EQ(m.d.tiers, s("10002"));
}

TEST(Factures, AnInvoiceWhoseClientIsNotThereIsNotValidatedAndTakesNoStock) {
    namespace LA = ligneArticle;
    Montage m;
    m.charge({}, {}, test::bloc(0, 21, {{LA::Code, s("AB")}, {LA::StockReel, s("  10,00")}}));
    m.page.Creer();
    m.d.tiers = s("123");
    m.tape(1, "AB", "2", "10");
    const QStringList articles = m.jeu.BlocsArt().lignes();
    const QStringList factures = m.jeu.BlocsFact().lignes();
    m.page.Valider();
    EXPECT_EQ(m.dialogues.vus.last(), s("message: Aucun client n'a le code 123 : la facture n'est "
                                        "pas validée. Corrigez le code client."));
    EXPECT_FALSE(m.d.valide);
    EXPECT_EQ(m.jeu.BlocsArt().lignes(), articles);
    EXPECT_EQ(m.jeu.BlocsFact().lignes(), factures);
}
