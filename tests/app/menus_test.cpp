#include "app/menus.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using zel::bouton;
using zel::Cible;
using zel::EtatMenus;
using zel::Sorte;

namespace {

using zel::test::s;

struct Attendu {
    const char* libelle;
    const char* aide;
    bool actif;
};

std::span<const zel::ElementMenu> elementsDe(const char* menu) {
    for (const zel::Menu& m : zel::menus()) {
        if (m.libelle == s(menu))
            return m.elements;
    }
    return {};
}

Cible menu(const QString& m, const QString& l) {
    return {m, l};
}

} // namespace

TEST(Menus, TheMenuBarHasItsTenMenusInOrder) {
    QStringList libelles;
    for (const zel::Menu& m : zel::menus())
        libelles.append(m.libelle.toString());
    EXPECT_EQ(libelles.join(u'/'), s("&Fichier/&Edition/&Bases/&Vente/&Achat/&Sélection/&Outils/"
                                     "&Paramètres/&Utilitaires/&?"));
}

TEST(Menus, EveryItemHasItsCaptionHintAndStartState) {
    const std::vector<std::pair<const char*, std::vector<Attendu>>> cas = {
        {"&Fichier",
         {{"&Nouveau", "Nouvelle société", true},
          {"&Ouvrir...", "Ouvrir un fichier", true},
          {"&Enregistrer", "Enregistrer le fichier en cours", false},
          {"Enregistrer &sous...", "", false},
          {"&Imprimer", "Imprimer", false},
          {"Liste &clients...", "Imptimer la liste des clients", true},
          {"Liste &fournisseurs...", "Imprimer la liste des fournisseurs", true},
          {"Liste &articles...", "Liste des articles", true},
          {"&Inventaire des articles...", "Inventaire des articles en stock", true},
          {"&Enveloppes...", "Imprimer les enveloppes client", true},
          {"&Mise en page...", "Mise en page", true},
          {"Configurer imprimante...", "Configurer paramètres d'impression", true},
          {"I&mporter...", "Impoter fichier", true},
          {"E&xporter...", "Exporter fichier", false},
          {"&Quitter", "Quitter l'application", true}}},
        {"&Edition",
         {{"&Copier", "", false},
          {"C&oller", "", false},
          {"Recherche &Nom / société...", "Rechercher par société", false},
          {"Rechercher &Code client...", "Recherche par code client", false},
          {"&Recherche Téléphone...", "Rechercher par numéro de téléphone", false},
          {"Recherche nom C&ontact...", "Recherche par nom de contact", false},
          {"&Trier clients...", "Trier les fiches client", false},
          {"Chercher &facture...", "Chercher fature N°", false},
          {"Rechercher Nom fo&urnisseur...", "Rechercher fournisseur", false},
          {"Rechercher Code four&nisseur...", "Rechercher fournisseur par code", false},
          {"Tr&ier fournisseurs...", "Trier les fournisseurs", false},
          {"Rechercher &article...", "Rechercher désignation d'article", false},
          {"Rechercher code a&rticle...", "Rechercher par code article", false},
          {"Tri&er articles...", "Trier les articles", false},
          {"C&hercher commande...", "Chercher commande n°", false}}},
        {"&Bases",
         {{"&Clients", "Voir fiche client", true},
          {"&Factures", "Saisie facture", true},
          {"F&ournisseurs", "Voir fiche fournisseur", true},
          {"&Articles", "Voir fiche articles", true},
          {"C&ommandes", "", true},
          {"&Précédent             PgUo", "Précédent", false},
          {"&Suivant                   Pgdn", "Suivant", false},
          {"P&remier", "Premier", false},
          {"&Dernier", "Dernier", false},
          {"&Nouvelle fiche", "Nouvelle fiche", true},
          {"S&upprimer fiche", "Supprimer fiche", false},
          {"&Liste", "Liste des clients", false},
          {"&Imprimer fiche", "Imprimer fiche couranta", false}}},
        {"&Vente",
         {{"&Précédent             PgUp", "Précédent", false},
          {"&Suivant                   Pgdn", "Suivant", false},
          {"P&remier", "Premier", false},
          {"&Dernier", "Dernier", false},
          {"&Nouvelle facture", "Nouvelle fiche", true},
          {"S&upprimer facture", "Supprimer fiche", false},
          {"&Imprimer facture", "Imprimer fiche couranta", false},
          {"&Enregistrer en Factur-X...", "Facture électronique (PDF/A-3 et XML EN 16931)", false},
          {"&Liste des factures       F2", "Liste des clients", false},
          {"Supprimer &ligne", "Supprimer ligne de facture", false}}},
        {"&Achat",
         {{"&Précédent             PgUp", "Précédent", false},
          {"&Suivant                   Pgdn", "Suivant", false},
          {"P&remier", "Premier", false},
          {"&Dernier", "Dernier", false},
          {"&Nouvelle commande", "Commande", true},
          {"S&upprimer commande", "Supprimer fiche", false},
          {"&Imprimer commande", "Imprimer fiche couranta", false},
          {"&Liste des commandes       F2", "Liste des clients", false},
          {"Supprimer &ligne", "Supprimer ligne de commande", false},
          {"Recalculer &prix des articles", "Recalculer les prix des articles", true},
          {"&Entrée stock...", "Saisir une entrée de stock", true},
          {"&Sortie stock...", "Saisir une sortie de stock", true}}},
        {"&Sélection",
         {{"&Tous les clients", "Voir toutes les fiches", false},
          {"&Code postal...", "Voir par code postal", false},
          {"&Ville...", "Voir par ville", false},
          {"&Marqués", "Fiches marquées", false},
          {"&NPAI", "Fiches NPAU", false},
          {"T&outes les factures", "Voir toutes les factures", false},
          {"&Facture code client...", "sélectionner les facture du client", false},
          {"Tous les fo&urnisseurs", "Voir tous les fournisseurs", false},
          {"Co&de postal...", "Fournisseurs par code postal", false},
          {"V&ille...", "Fournisseurs par ville", false},
          {"Tous les &articles", "Voir tous les articles", false},
          {"Fa&mille d'articles...", "Articles par familles", false},
          {"Fou&rnisseur...", "Articles par fournisseurs", false},
          {"&Stock en alerte", "Liste des stock en cote d'alerte", false},
          {"Tout&es les commandes", "Voir toutes les commandes", false},
          {"&Commande code fournisseur...", "sélectionner les commandes du fournisseur", false}}},
        {"&Outils",
         {{"&Traitement de texte", "", true},
          {"&Enveloppe courante", "Imprimer l'enveloppe", true},
          {"&Messages", "Noter des messages", true},
          {"&Statistiques articles", "Quantités vendues par article", false},
          {"Statistiques &ventes", "Statistiques ventes en CA", false},
          {"Statistiques &clients", "Chiffre d'affaires par client", false},
          {"Statistiques &représentants", "Statistiques par représentants ou distributeurs", false},
          {"&Journal comptable", "Journal Achats/Ventes", false}}},
        {"&Paramètres",
         {{"&Société", "Paramètres société", true},
          {"&Facture", "Paramètres de la facture", true},
          {"&Représentants", "", true},
          {"&Banques", "", true},
          {"Familles fo&urnisseurs", "", true},
          {"Famillers &articles", "Familles d'articles", true},
          {"&Ouvrir automatiquement", "Ouvrir le dernier fichier utilisé", true}}},
        {"&Utilitaires",
         {{"&Calendrier", "", true},
          {"C&alculatrice", "", true},
          {"&Horloge", "Hotloge", true},
          {"&Euro conversion", "Convertisseur Euro", true},
          {"&Pèse lettres", "", true},
          {"&Départements", "Liste des départements", true},
          {"&Bloc notes", "", true}}},
        {"&?",
         {{"&Index", "", true},
          {"&Rechercher...", "", true},
          {"&Utiliser l'aide", "", true},
          {"&A propos", "Informations programme, version", true}}},
    };
    for (const auto& [nom, attendus] : cas) {
        const std::span<const zel::ElementMenu> reels = elementsDe(nom);
        ASSERT_EQ(reels.size(), attendus.size()) << nom;
        for (size_t i = 0; i < attendus.size(); ++i) {
            EXPECT_EQ(reels[i].libelle.toString(), s(attendus[i].libelle)) << nom << " " << i;
            EXPECT_EQ(reels[i].aide.toString(), s(attendus[i].aide)) << attendus[i].libelle;
            EXPECT_EQ(reels[i].actifAuDepart, attendus[i].actif) << attendus[i].libelle;
        }
    }
}

TEST(Menus, OnlyTheFivePrintItemsLiveInThePrintSubmenu) {
    QStringList dans;
    for (const zel::Menu& m : zel::menus())
        for (const zel::ElementMenu& e : m.elements)
            if (e.dansSousMenu)
                dans.append(e.libelle.toString());
    EXPECT_EQ(dans, QStringList({s("Liste &clients..."), s("Liste &fournisseurs..."),
                                 s("Liste &articles..."), s("&Inventaire des articles..."),
                                 s("&Enveloppes...")}));
    EXPECT_EQ(zel::trouve(menu(s("&Fichier"), s("&Quitter")))->raccourci, s("Alt+X"));
}

TEST(Menus, TheToolBarHasItsButtonsAndStartStates) {
    QStringList actifs, inactifs;
    for (const zel::BoutonBarre& b : zel::barreOutils())
        (b.actifAuDepart ? actifs : inactifs).append(b.aide.toString());
    EXPECT_EQ(actifs.join(u','), s("Nouveau fichier,Ouvrir,Nouvelle fiche"));
    EXPECT_EQ(inactifs.join(u','), s("Enregistrer|,Copier,Coller,Premier,Précédent,Suivant,"
                                     "Dernier,Fiche client,Facture,Articles,Imprimer,"
                                     "Imprimer enveloppe"));
}

TEST(Menus, TheStatusBarShowsTheLongPartOfAHint) {
    const std::vector<std::tuple<const char*, const char*, const char*>> cas = {
        {"Ouvrir un fichier", "Ouvrir un fichier", "Ouvrir un fichier"},
        {"Enregistrer|", "Enregistrer", ""},
        {"Court|Le texte long", "Court", "Le texte long"},
        {"", "", ""},
    };
    for (const auto& [aide, courte, longue] : cas) {
        EXPECT_EQ(zel::aideCourte(s(aide)), s(courte)) << aide;
        EXPECT_EQ(zel::aideLongue(s(aide)), s(longue)) << aide;
    }
}

TEST(Menus, EveryEnableSetNamesAnExistingItemOrButton) {
    for (const zel::LigneActivation& ligne : zel::jeuxActivation()) {
        for (const Cible& c : ligne.cibles) {
            bool existe = zel::trouve(c) != nullptr;
            if (c.menu.isEmpty()) {
                for (const zel::BoutonBarre& b : zel::barreOutils())
                    existe = existe || b.aide == c.libelle;
            }
            EXPECT_TRUE(existe) << c.menu.toString().toStdString() << " "
                                << c.libelle.toString().toStdString();
        }
    }
}

TEST(EtatMenus, EachTabsSetEnablesAndDisablesItsItems) {
    struct Cas {
        Sorte onglet;
        const char* menu; // empty for a tool-bar button
        const char* libelle;
        bool actif;
    };
    // Each set applied to the start state.
    const std::vector<Cas> cas = {
        {Sorte::Clients, "&Fichier", "&Enregistrer", true},
        {Sorte::Clients, "&Fichier", "&Imprimer", true},
        {Sorte::Clients, "&Bases", "&Liste", true},
        {Sorte::Clients, "&Edition", "&Trier clients...", true},
        {Sorte::Clients, "&Sélection", "&NPAI", true},
        {Sorte::Clients, "&Sélection", "Tous les fo&urnisseurs", false},
        {Sorte::Clients, "&Vente", "Supprimer &ligne", false},
        {Sorte::Clients, "&Achat", "&Entrée stock...", false},
        {Sorte::Clients, "", "Articles", true},
        {Sorte::Clients, "", "Enregistrer|", true},
        {Sorte::Factures, "&Fichier", "&Enregistrer", true},
        {Sorte::Factures, "&Fichier", "I&mporter...", true},
        {Sorte::Factures, "&Fichier", "E&xporter...", true},
        {Sorte::Factures, "&Vente", "&Liste des factures       F2", true},
        {Sorte::Factures, "&Vente", "Supprimer &ligne", true},
        {Sorte::Factures, "&Edition", "Chercher &facture...", true},
        {Sorte::Factures, "", "Facture", false},
        {Sorte::Factures, "", "Ouvrir", false},
        {Sorte::Factures, "", "Nouvelle fiche", true},
        {Sorte::Factures, "&Bases", "&Nouvelle fiche", false},
        {Sorte::Fournisseurs, "&Edition", "Tr&ier fournisseurs...", true},
        {Sorte::Fournisseurs, "&Sélection", "V&ille...", true},
        {Sorte::Fournisseurs, "&Achat", "&Nouvelle commande", true},
        {Sorte::Fournisseurs, "&Achat", "&Entrée stock...", false},
        {Sorte::Fournisseurs, "", "Ouvrir", true},
        {Sorte::Fournisseurs, "&Fichier", "I&mporter...", true},
        {Sorte::Fournisseurs, "&Outils", "&Enveloppe courante", false},
        {Sorte::Fournisseurs, "&Sélection", "&Tous les clients", false},
        {Sorte::Articles, "&Achat", "&Entrée stock...", true},
        {Sorte::Articles, "&Sélection", "&Stock en alerte", true},
        {Sorte::Articles, "&Sélection", "Fou&rnisseur...", true},
        {Sorte::Articles, "", "Articles", false},
        {Sorte::Commandes, "&Achat", "Supprimer &ligne", true},
        {Sorte::Commandes, "&Edition", "C&hercher commande...", true},
        {Sorte::Commandes, "&Sélection", "&Stock en alerte", false},
        {Sorte::Commandes, "&Edition", "Rechercher &article...", true},
        {Sorte::Commandes, "", "Fiche client", true},
        {Sorte::Commandes, "", "Articles", true},
        {Sorte::Commandes, "&Bases", "&Nouvelle fiche", false},
        {Sorte::Commandes, "&Fichier", "I&mporter...", false},
    };
    for (const Cas& c : cas) {
        EtatMenus etat;
        etat.appliqueJeu(c.onglet);
        EXPECT_EQ(etat.actif(menu(s(c.menu), s(c.libelle))), c.actif)
            << int(c.onglet) << " " << c.libelle;
    }
}

TEST(EtatMenus, EachItemFollowsTheTabShownWhateverTheTabBefore) {
    std::vector<Cible> cibles;
    for (const zel::Menu& m : zel::menus()) {
        for (const zel::ElementMenu& e : m.elements)
            cibles.push_back({m.libelle, e.libelle});
    }
    for (const zel::BoutonBarre& b : zel::barreOutils())
        cibles.push_back(bouton(b.aide));
    for (Sorte onglet : zel::kToutesSortes) {
        EtatMenus direct;
        direct.appliqueJeu(onglet);
        for (Sorte avant : zel::kToutesSortes) {
            EtatMenus etat;
            etat.appliqueJeu(Sorte::Clients);
            etat.appliqueJeu(avant);
            etat.appliqueJeu(onglet);
            for (const Cible& c : cibles)
                EXPECT_EQ(etat.actif(c), direct.actif(c))
                    << int(avant) << " then " << int(onglet) << ": "
                    << EtatMenus::cle(c).toStdString();
        }
    }
    // After the invoice tab, new cards and imports are back on the tabs of the cards.
    EtatMenus etat;
    etat.appliqueJeu(Sorte::Factures);
    etat.appliqueJeu(Sorte::Clients);
    EXPECT_TRUE(etat.actif(menu(s("&Bases"), s("&Nouvelle fiche"))));
    EXPECT_TRUE(etat.actif(menu(s("&Fichier"), s("I&mporter..."))));
}

TEST(EtatMenus, SelectionItemsAreRadioItemsWithinTheirGroup) {
    EtatMenus etat;
    const QString sel = s("&Sélection");
    EXPECT_TRUE(etat.coche(menu(sel, s("&Tous les clients"))));
    EXPECT_TRUE(etat.coche(menu(sel, s("Tout&es les commandes"))));
    EXPECT_FALSE(etat.coche(menu(sel, s("&NPAI"))));
    EXPECT_FALSE(etat.coche(menu(s("&Paramètres"), s("&Ouvrir automatiquement"))));

    etat.choisit(menu(sel, s("&NPAI")));
    EXPECT_TRUE(etat.coche(menu(sel, s("&NPAI"))));
    EXPECT_FALSE(etat.coche(menu(sel, s("&Tous les clients"))));
    EXPECT_EQ(etat.mode(zel::GroupeSelection::Clients), 5);

    etat.choisit(menu(sel, s("Fou&rnisseur...")));
    etat.choisit(menu(sel, s("&Tous les clients")));
    int coches = 0;
    for (const char* l : {"&Tous les clients", "&Code postal...", "&Ville...", "&Marqués", "&NPAI"})
        coches += etat.coche(menu(sel, s(l))) ? 1 : 0;
    EXPECT_EQ(coches, 1);
    EXPECT_TRUE(etat.coche(menu(sel, s("&Tous les clients"))));
    EXPECT_EQ(etat.mode(zel::GroupeSelection::Clients), 1);
    // Another group keeps its own choice.
    EXPECT_TRUE(etat.coche(menu(sel, s("Fou&rnisseur..."))));
    EXPECT_FALSE(etat.coche(menu(sel, s("Tous les &articles"))));
    EXPECT_EQ(etat.mode(zel::GroupeSelection::Articles), 3);
}

TEST(Menus, TheCardWindowKeysRunTheNavigationOfThePageShown) {
    using zel::Operation;
    const std::vector<std::pair<QKeyCombination, std::optional<Operation>>> cas = {
        {QKeyCombination(Qt::Key_PageDown), Operation::Suivant},
        {QKeyCombination(Qt::Key_PageUp), Operation::Precedent},
        {QKeyCombination(Qt::KeypadModifier, Qt::Key_PageUp), Operation::Precedent},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Home), Operation::Premier},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_End), Operation::Dernier},
        {QKeyCombination(Qt::Key_F2), Operation::Liste},
        {QKeyCombination(Qt::Key_Home), std::nullopt},
        {QKeyCombination(Qt::ShiftModifier, Qt::Key_PageDown), std::nullopt},
        {QKeyCombination(Qt::Key_F3), std::nullopt},
    };
    for (const auto& [touche, operation] : cas)
        EXPECT_EQ(zel::toucheFiche(touche), operation) << touche.toCombined();
}
