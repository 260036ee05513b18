#include "store/fichiertexte.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace zel;
namespace L = ligneClient;

using zel::test::s;

QStringList client(int n, const std::map<int, QString>& champs, const QStringList& suite = {}) {
    return test::bloc(n, 25, champs, suite);
}

QStringList nomme(int n, const char* nom, const char* code = "") {
    return client(n, {{L::Code, s(code)}, {L::Nom, s(nom)}});
}

// The card window on a set, seen from the client tab.
struct Montage : test::Montage {
    PageClients& page = fenetre.clients();
    Carte& carte = page.carte();

    void charge(const QStringList& lignes) { test::Montage::charge(lignes); }
    QString nomCourant() const { return carte.champ(L::Nom); }
};

} // namespace

TEST(CarteClient, AnEmptyClientIsTwentySevenLinesAndTheGridEndsAtAShortRow) {
    Montage m;
    m.charge({});
    m.page.Ajout();
    EXPECT_EQ(m.carte.champ(L::Code), s("10001"));
    m.carte.saisit(L::Nom, s("DUPONT"));
    const QStringList vide = m.sauve();
    ASSERT_EQ(vide.size(), 27);
    EXPECT_EQ(vide, client(0, {{L::Code, s("10001")},
                               {L::Npai, s("N")},
                               {L::Marque, s("N")},
                               {L::Nom, s("DUPONT")}}));

    // A row with only a date is kept; a two-letter label alone ends the grid.
    m.charge(client(0, {{L::Nom, s("A")}},
                    {s("DATA01/02/2026\t\t"), s("DATA\tab\t"), s("DATA03/03/2026\tx\t1,00")}));
    m.carte.saisit(L::Pays, s("France"));
    const QStringList lignes = m.sauve();
    EXPECT_TRUE(lignes.contains(s("DATA01/02/2026\t\t")));
    EXPECT_FALSE(lignes.contains(s("DATA\tab\t")));
    EXPECT_EQ(lignes.filter(s("DATA")).size(), 1);
}

TEST(CarteClient, ReadsCheckBoxesMemosAndGridAsStored) {
    Montage m;
    const QString longue = QString(300, u'x');
    m.charge(
        client(0, {{L::Npai, s("y")}, {L::Marque, s("Y")}, {L::Nom, s("A")}},
               {s("MEMO") + longue, s("autre"), s("MEMO"), s("DATA05/01/2026\tVente\t12,50")}) +
        nomme(1, "SUIVANT"));
    EXPECT_FALSE(m.carte.coche(L::Npai));
    EXPECT_TRUE(m.carte.coche(L::Marque));
    EXPECT_EQ(m.carte.memo(0), QStringList({longue, QString()}));
    EXPECT_EQ(m.carte.ligneGrille(0).date, s("05/01/2026"));
    EXPECT_EQ(m.carte.ligneGrille(0).libelle, s("Vente"));
    EXPECT_EQ(m.carte.ligneGrille(0).montant.trimmed(), s("12,50"));
    EXPECT_GT(m.carte.ligneGrille(0).montant.size(), 5);
    EXPECT_EQ(m.carte.dateSaisie(), QDate(2026, 12, 6));
    EXPECT_FALSE(m.carte.estModifiee());

    // Unchanged, the card is not written: the block stays byte for byte.
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.nomCourant(), s("SUIVANT"));
    m.page.navigue(Pas::Precedent);
    EXPECT_EQ(m.carte.memo(0).front(), longue) << "a long memo line is read back whole";
}

TEST(CarteClient, AShortBlockDoesNotTakeTheNextBlocksLines) {
    Montage m;
    m.charge(
        QStringList{s("<BLOC0000>"), s("10001"), s("N"), s("N"), s("COURT"), s("</BLOC0000>")} +
        nomme(1, "AUTRE"));
    EXPECT_EQ(m.nomCourant(), s("COURT"));
    EXPECT_TRUE(m.carte.champ(L::Adresse1).isEmpty());
    m.carte.saisit(L::Ville, s("LYON"));
    const QStringList lignes = m.sauve();
    EXPECT_EQ(lignes.filter(s("<BLOC")).size(), 2);
    EXPECT_EQ(lignes.mid(0, 27), client(0, {{L::Code, s("10001")},
                                            {L::Npai, s("N")},
                                            {L::Marque, s("N")},
                                            {L::Nom, s("COURT")},
                                            {L::Ville, s("LYON")}}));
}

TEST(CarteClient, AddingAndLeavingLeavesNoBlockButIsCounted) {
    Montage m;
    m.charge(nomme(0, "A", "10004") + nomme(1, "B", "10009"));
    m.page.Ajout();
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 3);
    EXPECT_EQ(m.page.courant(), 2);
    EXPECT_EQ(m.carte.champ(L::Code), s("10010"));
    EXPECT_FALSE(m.carte.estModifiee());
    m.page.navigue(Pas::Premier);
    EXPECT_EQ(m.jeu.BlocsCli().ChercheBloc(2), -1);
    m.page.navigue(Pas::Dernier);
    EXPECT_EQ(m.page.courant(), 2);
    EXPECT_TRUE(m.nomCourant().isEmpty());

    QStringList plein;
    for (int n = 0; n < Blocs::kCapacite; ++n)
        plein += nomme(n, "A", "10004");
    Montage p;
    p.charge(plein);
    p.page.Ajout();
    EXPECT_EQ(p.dialogues.vus.last(), s("message: Le fichier est plein"));
    EXPECT_EQ(p.jeu.compte(Sorte::Clients), 9999);
}

TEST(CarteClient, AmountFieldsFilterKeysAndReformatOnLeaving) {
    Montage m;
    m.charge(nomme(0, "A"));
    QString tape;
    for (const QChar c : s("12.5a"))
        if (const auto accepte = m.carte.toucheMontant(c))
            tape += *accepte;
    EXPECT_EQ(tape, s("12,5"));
    EXPECT_TRUE(m.carte.estModifiee()) << "every key marks the card";
    m.carte.saisit(L::CreditMaxi, tape);
    EXPECT_TRUE(m.carte.quitteMontant(L::CreditMaxi));
    EXPECT_EQ(m.carte.champ(L::CreditMaxi), QString(12, u' ') + s("12,50"));

    m.carte.saisit(L::TotalDu, s("1,2,3"));
    EXPECT_FALSE(m.carte.quitteMontant(L::TotalDu));
    EXPECT_EQ(m.carte.champ(L::TotalDu), s("1,2,3"));
    EXPECT_TRUE(m.dialogues.vus.last().contains(s("Total dû")));
    EXPECT_EQ(m.sauve().at(L::CreditMaxi), QString(12, u' ') + s("12,50"));
}

TEST(CarteClient, TheEntryLineFillsTheFirstFreeRowAndDeleteMovesRowsUp) {
    Montage m;
    m.charge(nomme(0, "A"));
    m.carte.saisit(L::SaisieLibelle, s("Acompte"));
    m.carte.saisit(L::SaisieMontant, s("100"));
    m.carte.valideSaisie();
    m.carte.saisit(L::SaisieLibelle, s("Facture"));
    m.carte.saisit(L::SaisieMontant, s("-20,5"));
    m.carte.valideSaisie();
    EXPECT_TRUE(m.carte.champ(L::SaisieLibelle).isEmpty());
    EXPECT_EQ(m.carte.ligneGrille(1).date, s("06/12/2026"));
    EXPECT_EQ(m.carte.ligneGrille(1).montant.trimmed(), s("-20,50"));
    m.carte.supprimeLigneGrille(0);
    EXPECT_EQ(m.carte.ligneGrille(0).libelle, s("Facture"));
    EXPECT_TRUE(m.carte.ligneGrille(1).estVide());
    const QStringList lignes = m.sauve();
    ASSERT_EQ(lignes.filter(s("DATA")).size(), 1);
    EXPECT_TRUE(lignes.filter(s("DATA")).front().startsWith(s("DATA06/12/2026\tFacture\t ")));
}

TEST(Maintenance, AnUnbalancedFileIsToldRepairedAndSavedInNumberOrder) {
    Montage m;
    m.charge(nomme(2, "C") + QStringList{s("perdu")} + nomme(0, "A") + nomme(1, "B") +
             QStringList{s("</BLOC0002>")});
    EXPECT_TRUE(m.dialogues.vus.value(0).startsWith(s("message: ") + JeuDocuments::kAlteration));
    EXPECT_TRUE(m.jeu.TestModif()) << "the repair is saved even though other stores load after";
    EXPECT_EQ(m.sauve(), nomme(0, "A") + nomme(1, "B") + nomme(2, "C"));
}

TEST(Maintenance, ADuplicateBlockLosesItsFirstCopyAndTheCountStays) {
    Montage m;
    m.charge(nomme(0, "A") + nomme(1, "VIEUX") + nomme(1, "NEUF") + nomme(2, "C"));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 4);
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.nomCourant(), s("NEUF"));
}

TEST(Maintenance, DeletingAClientShowsTheOneNowAtItsNumber) {
    Montage m;
    m.charge(nomme(0, "A") + nomme(1, "B") + nomme(2, "C"));
    m.dialogues.confirmations = {false, true};
    EXPECT_TRUE(m.fenetre.execute(Operation::Supprime));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 3) << "Annuler deletes nothing";
    EXPECT_TRUE(m.fenetre.execute(Operation::Supprime));
    EXPECT_EQ(m.dialogues.vus.last(), s("confirmation: Confirmer suppression de la fiche ?"));
    EXPECT_EQ(m.nomCourant(), s("B"));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 2);

    m.page.navigue(Pas::Dernier);
    m.dialogues.confirmations = {true};
    m.fenetre.execute(Operation::Supprime);
    EXPECT_EQ(m.page.courant(), 0);
    EXPECT_EQ(m.nomCourant(), s("B"));
    EXPECT_EQ(m.sauve(), nomme(0, "B"));
}

TEST(Parcours, FilteredStepsFollowNumbersAndNeverWrap) {
    Montage m;
    m.charge(client(2, {{L::CodePostal, s("A")}, {L::Ville, s("Lyon")}, {L::Nom, s("C2")}}) +
             client(0, {{L::CodePostal, s("A")}, {L::Ville, s("PARIS")}, {L::Nom, s("C0")}}) +
             client(1, {{L::CodePostal, s("B")}, {L::Ville, s("Évry")}, {L::Nom, s("C1")}}));
    m.dialogues.saisies = {s("A")};
    m.fenetre.selectionne(*trouve({u"&Sélection", u"&Code postal..."}));
    EXPECT_EQ(m.reglages.ini.cleCodePostal, s("A"));
    EXPECT_EQ(m.page.courant(), 0);
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.page.courant(), 2);
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.page.courant(), 2);
    m.page.navigue(Pas::Precedent);
    EXPECT_EQ(m.page.courant(), 0);

    const struct {
        const char* ville;
        int attendu;
    } villes[] = {{"lyon", 2}, {"évry", 2}, {"Évry", 1}, {"nulle part", 1}};
    for (const auto& v : villes) {
        m.dialogues.saisies = {s(v.ville)};
        m.page.SetSel(SelectionClient::Ville);
        m.page.navigue(Pas::Premier);
        EXPECT_EQ(m.page.courant(), v.attendu) << v.ville;
    }
    EXPECT_EQ(m.dialogues.vus.last(), s("saisie: Ville [ÉVRY]")) << "the key is offered again";
    EXPECT_EQ(m.reglages.ini.cleVille, s("NULLE PART"));

    m.page.SetSel(SelectionClient::Marques);
    m.page.navigue(Pas::Dernier);
    EXPECT_EQ(m.page.courant(), 1) << "no marked client leaves the card shown";
    m.page.SetSel(SelectionClient::CodePostal);
    EXPECT_EQ(m.reglages.ini.cleCodePostal, s("A")) << "Annuler keeps the key";
}

TEST(Parcours, TheClientSelectionChosenIsTheOneWrittenToTheSettings) {
    Montage m;
    m.charge(nomme(0, "A"));
    const struct {
        const char16_t* libelle;
        const char* cle; // the key typed, for the selections that ask one
        const char* ligne12;
    } cas[] = {{u"&Marqués", nullptr, "4"},
               {u"&Ville...", "Lyon", "3"},
               {u"&NPAI", nullptr, "5"},
               {u"&Tous les clients", nullptr, "1"}};
    for (const auto& c : cas) {
        if (c.cle)
            m.dialogues.saisies = {s(c.cle)};
        m.fenetre.selectionne(*trouve({u"&Sélection", c.libelle}));
        EXPECT_EQ(m.reglages.lignesIni(QString()).at(11), s(c.ligne12));
    }
}

TEST(Parcours, ASelectionChosenFromAnotherTabShowsItsOwnTabAtItsFirstRecord) {
    namespace LA = ligneArticle;
    Montage m;
    m.test::Montage::charge(nomme(0, "A") + nomme(1, "B") + nomme(2, "C"), {},
                            test::bloc(0, 21, {{LA::Code, s("V1")}}) +
                                test::bloc(1, 21, {{LA::Code, s("V2")}}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Articles));
    m.fenetre.articles().navigue(Pas::Dernier);
    m.page.navigue(Pas::Dernier);
    // From the order tab, where the article choices are offered.
    ASSERT_TRUE(m.fenetre.montre(Sorte::Commandes));
    EXPECT_TRUE(m.fenetre.selectionne(*trouve({u"&Sélection", u"Tous les &articles"})));
    EXPECT_EQ(m.fenetre.onglet(), Sorte::Articles);
    EXPECT_EQ(m.fenetre.articles().courant(), 0);
    EXPECT_EQ(m.page.courant(), 2) << "the clients stay where they were";
}

TEST(Recherche, FindsInStoreOrderAndTellsWhatIsNotFound) {
    Montage m;
    m.charge(nomme(1, "Durand", "10120") + nomme(0, "DUPONT", "10012") +
             client(2, {{L::Telephone, s("0478")}, {L::Contact, s("Mme Lé")}}));
    const struct {
        Operation operation;
        const char* cle;
        int attendu;
    } cas[] = {
        {Operation::RechNom, "du", 1},         {Operation::RechNum, "101", 1},
        {Operation::RechNum, "1001", 0},       {Operation::RechTel, "047", 2},
        {Operation::RechContact, "mme lé", 2},
    };
    for (const auto& c : cas) {
        m.page.navigue(Pas::Premier);
        m.dialogues.saisies = {s(c.cle)};
        m.fenetre.execute(c.operation);
        EXPECT_EQ(m.page.courant(), c.attendu) << c.cle;
    }
    m.dialogues.saisies = {s("zz")};
    m.fenetre.execute(Operation::RechNom);
    EXPECT_EQ(m.dialogues.vus.last(), s("message: Fiche ZZ non trouvée"));
    EXPECT_EQ(m.page.courant(), 2);
}

TEST(Recherche, EditsAreKeptWhenSearchingListingOrStepping) {
    Montage m;
    m.charge(nomme(0, "A") + nomme(1, "B"));
    m.carte.saisit(L::Pays, s("Belgique"));
    m.dialogues.saisies = {s("B")};
    m.page.RechNom();
    m.carte.saisit(L::Pays, s("Suisse"));
    m.dialogues.choix = {0};
    m.page.Liste();
    EXPECT_EQ(m.page.courant(), 0);
    EXPECT_EQ(m.carte.champ(L::Pays), s("Belgique"));
    m.carte.saisit(L::Pays, s("Italie"));
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.carte.champ(L::Pays), s("Suisse"));
    m.page.navigue(Pas::Precedent);
    EXPECT_EQ(m.carte.champ(L::Pays), s("Italie"));
}

TEST(Liste, ListsInStoreOrderAndPicksAClientByCode) {
    Montage m;
    m.charge(nomme(1, "B", "10002") + nomme(0, "A", "10001"));
    m.dialogues.choix = {0};
    m.page.Liste();
    const TableListe& t = m.dialogues.derniereListe;
    EXPECT_EQ(t.titre, s("Liste des clients"));
    ASSERT_EQ(t.lignes.size(), 2u);
    EXPECT_EQ(t.lignes[0].mid(0, 3), QStringList({s("1"), s("1"), s("B")}));
    EXPECT_EQ(t.colonnes.size(), 9u);
    EXPECT_EQ(t.colonnes[0].largeur, 0);
    EXPECT_EQ(m.page.courant(), 1);

    m.dialogues.choix = {1};
    EXPECT_EQ(m.page.choisitClient(), s("10001"));
    EXPECT_EQ(m.dialogues.dernieresEntrees, QStringList({s("10002 B"), s("10001 A")}));
    EXPECT_FALSE(m.page.choisitClient()) << "Annuler";

    Montage vide;
    vide.charge({});
    vide.page.Liste();
    EXPECT_EQ(vide.dialogues.vus.last(), s("message: Aucune fiche client à afficher."));
}

TEST(CarteClient, TheSirenIsAnObservationLineOfFixedFormThatOtherReadersKeep) {
    Montage m;
    // An existing file: observations, an account line (without an amount, which the card would
    // align again), and a second client.
    const QStringList avant = client(0,
                                     {{L::Code, s("10001")},
                                      {L::Npai, s("N")},
                                      {L::Marque, s("N")},
                                      {L::Nom, s("Hôtel du Parc")}},
                                     {s("MEMOLivrer le matin"), s("MEMOSIREN : pas encore"),
                                      s("DATA05/01/2026\tRelance envoyée\t")}) +
                              nomme(1, "SUIVANT", "10002");
    m.charge(avant);
    EXPECT_TRUE(m.carte.champ(L::Siren).isEmpty());
    EXPECT_EQ(m.carte.memo(0), QStringList({s("Livrer le matin"), s("SIREN : pas encore")}))
        << "a line of that form whose value is no SIREN stays an observation";

    // Typed with blanks, kept as nine digits once the field is left; written after the
    // observations, everything else as it was.
    ASSERT_TRUE(m.carte.saisit(L::Siren, s("552 100 554")));
    EXPECT_TRUE(m.carte.quitteChampNote(L::Siren));
    EXPECT_EQ(m.carte.champ(L::Siren), s("552100554"));
    QStringList attendu = avant;
    attendu.insert(attendu.indexOf(s("MEMOSIREN : pas encore")) + 1, s("MEMOSIREN : 552100554"));
    EXPECT_EQ(m.sauve(), attendu);
    EXPECT_EQ(sirenClient(m.jeu.BlocsCli(), 0), s("552100554"));
    EXPECT_TRUE(sirenClient(m.jeu.BlocsCli(), m.jeu.BlocsCli().ChercheBloc(1)).isEmpty());

    // Read back: the field, not an observation; the card's print shows the line as stored.
    m.charge(m.relit("cli"));
    EXPECT_EQ(m.carte.champ(L::Siren), s("552100554"));
    EXPECT_EQ(m.carte.memo(0).size(), 2);
    EXPECT_EQ(m.carte.memoEcrit(0).last(), s("SIREN : 552100554"));

    // A text that is no SIREN is told and kept as typed; emptied, the file is as it was.
    for (const char* faux : {"55210055", "5521005540", "55210055a"}) {
        m.dialogues.vus.clear();
        ASSERT_TRUE(m.carte.saisit(L::Siren, s(faux)));
        EXPECT_FALSE(m.carte.quitteChampNote(L::Siren)) << faux;
        EXPECT_EQ(m.dialogues.vus,
                  QStringList(s("message: « ") + s(faux) +
                              s(" » n'est pas un numéro SIREN : il compte 9 chiffres, dont le "
                                "dernier est la clé de contrôle des huit autres.")));
        EXPECT_EQ(m.carte.champ(L::Siren), s(faux));
    }
    ASSERT_TRUE(m.carte.saisit(L::Siren, QString()));
    EXPECT_TRUE(m.carte.quitteChampNote(L::Siren));
    EXPECT_EQ(m.sauve(), avant);
}
