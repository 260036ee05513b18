// What a user types or does never loses or corrupts the stored data: each case was once a way to
// lose it.

#include "app/commandes.h"
#include "store/maintenance.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace LC = ligneClient;
namespace LA = ligneArticle;
namespace LF = ligneFacture;
namespace C = colonne;

using zel::test::s;

QStringList client(int n, const char* code, const char* nom) {
    return test::bloc(n, 25, {{LC::Code, s(code)}, {LC::Nom, s(nom)}, {LC::Ville, s("Lyon")}});
}

QStringList article(int n, const char* code, const char* stock) {
    return test::bloc(n, 21,
                      {{LA::Code, s(code)},
                       {LA::Designation, s("Vis")},
                       {LA::StockReel, s(stock)},
                       {LA::PrixHT, s("10")}});
}

// A complete invoice typed on the page: client, one line, Enter.
void tapeFacture(test::Montage& m, const char* client = "10001", const char* ref = "V4",
                 const char* quantite = "2") {
    PageFactures& page = m.fenetre.factures();
    page.document().tiers = s(client);
    LigneDocument& l = page.document().ligne(1);
    l[C::Ref] = s(ref);
    l[C::Quantite] = s(quantite);
    l[C::Prix] = s("10");
    page.finDeLigne(1);
}

// A client 10001 and an article V4 with 10 in stock, seen from the invoice tab.
struct SurFactures : test::Montage {
    PageFactures& page = fenetre.factures();

    SurFactures() {
        charge(client(0, "10001", "Dupont"), {}, article(0, "V4", "10"));
        EXPECT_TRUE(fenetre.montre(Sorte::Factures));
    }
};

} // namespace

TEST(Donnees, AFieldIsOneLineAndNeverBeginsLikeATag) {
    const struct {
        const char* texte;
        bool accepte;
    } cas[] = {
        {"12 rue des Lilas", true},
        {"12 rue\nLyon", false},
        {"12 rue\r\nLyon", false},
        {"a\tb", false},
        {"a\x07", false},
        {"<BLOC0001>", false},
        {"</BLOC0000>", false},
        {"<BLOCK party", false},
        {"<bloc", false},
        {" <BLOC0001>", true}, // a tag begins its line: after a blank it is text
        {"x<BLOC0001>", true},
    };
    for (const auto& c : cas) {
        test::Montage m;
        m.charge(client(0, "10001", "Dupont"));
        PageClients& page = m.fenetre.clients();
        const bool accepte = page.carte().saisit(LC::Adresse1, s(c.texte));
        EXPECT_EQ(accepte, c.accepte) << c.texte;
        EXPECT_EQ(m.dialogues.vus.size(), c.accepte ? 0 : 1) << c.texte;
        EXPECT_EQ(page.carte().champ(LC::Adresse1), c.accepte ? s(c.texte) : QString()) << c.texte;
        // Saved and loaded again, every field is still on its line and no block was made.
        page.carte().saisit(LC::Pays, s("France"));
        m.sauve();
        test::Montage relu;
        relu.dossier.ecrit(s("t.cli"), m.dossier.lit(s("t.cli")));
        ASSERT_TRUE(relu.jeu.Charge(relu.nom()));
        relu.fenetre.apresOuverture();
        EXPECT_TRUE(relu.dialogues.vus.isEmpty()) << c.texte << ": the load repaired the store";
        EXPECT_EQ(relu.jeu.compte(Sorte::Clients), 1) << c.texte;
        EXPECT_EQ(relu.fenetre.clients().carte().champ(LC::Ville), s("Lyon")) << c.texte;
        EXPECT_EQ(relu.fenetre.clients().carte().champ(LC::Pays), s("France")) << c.texte;
    }
}

TEST(Donnees, TheStoreNeverWritesALineBreakOrATagInsideABlock) {
    Blocs b;
    b.AjouteBloc(0, {s("a\nb"), s("<BLOC0001>"), s("</bloc0000>"), s("ok")});
    EXPECT_EQ(b.lignes(), QStringList({s("<BLOC0000>"), s("a b"), s(" <BLOC0001>"),
                                       s(" </bloc0000>"), s("ok"), s("</BLOC0000>")}));
    int compte = b.CompteBlocs();
    EXPECT_FALSE(maintenance::Verif(b, compte));
    EXPECT_EQ(compte, 1);
}

TEST(Donnees, TheEntryLabelRefusesATabThatWouldSplitTheAccountRow) {
    test::Montage m;
    m.charge(client(0, "10001", "Dupont"));
    Carte& carte = m.fenetre.clients().carte();
    EXPECT_FALSE(carte.saisit(LC::SaisieLibelle, s("b\t")));
    carte.saisit(LC::SaisieLibelle, s("b"));
    carte.saisit(LC::SaisieMontant, s("5"));
    carte.valideSaisie();
    EXPECT_EQ(carte.ligneGrille(0).libelle, s("b"));
    EXPECT_EQ(carte.ligneGrille(0).montant.trimmed(), s("5,00"));
}

TEST(Donnees, AValidationKeepsTheEditOfTheArticleCardAndTheNewStock) {
    test::Montage m;
    m.charge(client(0, "10001", "Dupont"), {}, article(0, "V4", "10"));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Articles));
    PageArticles& articles = m.fenetre.articles();
    articles.carte().saisit(LA::Designation, s("Vis inox"));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
    m.fenetre.factures().Creer();
    tapeFacture(m);
    m.fenetre.factures().Valider();
    ASSERT_TRUE(m.fenetre.factures().document().valide);
    EXPECT_EQ(articles.carte().champ(LA::StockReel).trimmed(), s("8,00"))
        << "the card shows the new stock";
    const QStringList fichier = m.sauve("stk");
    EXPECT_EQ(fichier.value(LA::Designation), s("Vis inox"));
    EXPECT_EQ(fichier.value(LA::StockReel).trimmed(), s("8,00"));
}

TEST(Donnees, SaveWritesBackToTheFileOpenedWhateverItsLetterCase) {
    test::Montage m;
    m.charge({});
    // The set as another program left it: names in capitals.
    for (const char* e : {"cli", "fct", "frs", "stk", "cmd"}) {
        const QString bas = s("t.") + s(e);
        m.dossier.ecrit(bas.toUpper(), m.dossier.existe(bas) ? m.dossier.lit(bas) : QByteArray());
        QFile::remove(m.dossier.chemin(bas));
    }
    m.dossier.ecrit(s("T.CLI"), {});
    CommandesDocument commandes(m.jeu, m.dialogues);
    m.dialogues.fichiers = {m.dossier.chemin(s("T.CLI"))};
    ASSERT_TRUE(commandes.Ouvrir());
    m.fenetre.apresOuverture();
    m.fenetre.clients().Ajout();
    m.fenetre.clients().carte().saisit(LC::Nom, s("Martin"));
    ASSERT_TRUE(commandes.Enregistrer());
    EXPECT_FALSE(m.dossier.existe(s("t.cli")));
    EXPECT_FALSE(m.dossier.existe(s("T.cli")));
    EXPECT_TRUE(m.dossier.lit(s("T.CLI")).contains("Martin"));
}

TEST(Donnees, ARefusedNewDocumentChangesNothing) {
    SurFactures m;
    PageFactures& page = m.page;
    page.Creer();
    tapeFacture(m);
    page.Valider();
    ASSERT_TRUE(page.document().valide);
    // An incomplete document now: the leaving question is answered "Annuler".
    page.Creer();
    page.document().ligne(1)[C::Designation] = s("Sans référence");
    page.finDeLigne(1);
    const Document avant = page.document();
    page.Nouveau();
    EXPECT_EQ(page.document().tiers, avant.tiers);
    EXPECT_EQ(page.document().adresse, avant.adresse);
    EXPECT_EQ(page.document().lignesUtilisees, avant.lignesUtilisees);
    page.Creer();
    EXPECT_EQ(page.document().lignesUtilisees, avant.lignesUtilisees);
    EXPECT_EQ(page.document().ligne(1)[C::Designation], s("Sans référence"));
}

TEST(Donnees, ANewDocumentRefusedByAFullStoreChangesNothing) {
    QStringList factures;
    for (int n = 0; n < Blocs::kCapacite; ++n)
        factures += test::bloc(n, 11,
                               {{LF::Numero, s("NUMF") + QString::number(202612001 + n % 999)},
                                {LF::Client, s("10001")},
                                {LF::Genre, s("Facture")},
                                {LF::Valide, s("Y")}});
    test::Montage m;
    m.charge(client(0, "10001", "Dupont"), {}, {}, factures);
    PageFactures& page = m.fenetre.factures();
    ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
    ASSERT_TRUE(page.document().valide);
    page.Nouveau();
    EXPECT_EQ(m.dialogues.vus.last(), s("message: Le fichier est plein"));
    EXPECT_TRUE(page.document().valide);
    EXPECT_EQ(page.document().numero, s("202612001"));
    EXPECT_EQ(page.compte(), Blocs::kCapacite);
}

TEST(Donnees, ADocumentThatCannotBeWrittenIsNotValidated) {
    const struct {
        const char* client;
        const char* ref;
        const char* manque;
    } cas[] = {
        {"", "V4", "le code client"},
        {"10001", "", "une ligne avec une référence"},
    };
    for (const auto& c : cas) {
        SurFactures m;
        PageFactures& page = m.page;
        page.Creer();
        tapeFacture(m, c.client, c.ref);
        page.Valider();
        EXPECT_FALSE(page.document().valide) << c.manque;
        EXPECT_EQ(m.dialogues.vus.last(),
                  s("message: Cette facture ne peut pas être validée : il lui manque ") +
                      s(c.manque) + u'.');
        EXPECT_EQ(m.jeu.BlocsArt().contenuBloc(0).value(LA::StockReel - 1), s("10"));
    }
}

TEST(Donnees, ANewRecordNeverWrittenGivesItsNumberToTheNextOne) {
    SurFactures m;
    PageFactures& page = m.page;
    page.Creer();
    tapeFacture(m);
    page.Creer(); // left untouched
    page.Creer();
    tapeFacture(m);
    EXPECT_EQ(page.courant(), 1);
    page.navigue(Pas::Premier);
    page.navigue(Pas::Suivant);
    EXPECT_EQ(page.document().tiers, s("10001")) << "no empty page between the two";
    EXPECT_EQ(page.entreesListe().size(), 2);

    PageClients& clients = m.fenetre.clients();
    ASSERT_TRUE(m.fenetre.montre(Sorte::Clients));
    clients.Ajout();
    clients.Ajout();
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 2);
    EXPECT_EQ(clients.courant(), 1);
}

TEST(Donnees, TheFirstNewCardAfterNewKeepsTheCardTyped) {
    test::Montage m;
    m.jeu.Nouveau();
    m.fenetre.apresOuverture();
    PageClients& page = m.fenetre.clients();
    page.carte().saisit(LC::Nom, s("Dupont électricité"));
    page.Ajout();
    EXPECT_EQ(page.courant(), 1);
    EXPECT_TRUE(page.carte().champ(LC::Nom).isEmpty());
    page.carte().saisit(LC::Nom, s("Martin SARL"));
    page.navigue(Pas::Premier);
    EXPECT_EQ(page.carte().champ(LC::Nom), s("Dupont électricité"));
    page.navigue(Pas::Dernier);
    EXPECT_EQ(page.carte().champ(LC::Nom), s("Martin SARL"));
}

TEST(Donnees, NumbersAndCodesPastTheIntegerRange) {
    const struct {
        const char* stocke;
        qint64 suivant;
    } numeros[] = {{"NUMF2147483647", 2147483648LL}, {"NUMF999999999", 1000000000LL}};
    for (const auto& c : numeros) {
        test::Montage m;
        m.charge({}, {}, {}, test::bloc(0, 11, {{LF::Numero, s(c.stocke)}, {LF::Valide, s("N")}}));
        PageFactures& page = m.fenetre.factures();
        EXPECT_EQ(page.Numero(), c.suivant);
        ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
        page.Creer();
        EXPECT_TRUE(m.dialogues.vus.last().startsWith(s("message: Plus de numéro de facture")))
            << c.stocke;
        EXPECT_EQ(page.compte(), 1) << c.stocke;
    }

    Blocs b;
    b.AjouteBloc(0, {s("2147483647")});
    EXPECT_EQ(maintenance::prochainCode(b), 2147483648LL);

    // The number field holds nine positions, whatever is typed into it.
    test::Montage m;
    m.charge({});
    PageFactures& page = m.fenetre.factures();
    for (const char* tape : {"2026", "2026120015", "12a4"}) {
        page.saisitNumero(s(tape));
        EXPECT_EQ(page.document().numero.size(), 9) << tape;
    }
    EXPECT_EQ(page.document().numero, s("12 4     "));
    // The field lets through nine digits, signs or blanks, and nothing else.
    EXPECT_TRUE(PageFactures::numeroAcceptable(u"-2026 12"));
    EXPECT_FALSE(PageFactures::numeroAcceptable(u"2026a"));
    EXPECT_FALSE(PageFactures::numeroAcceptable(u"2026120015"));
}
