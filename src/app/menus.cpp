#include "app/menus.h"

#include <array>

namespace zel {

namespace {

using O = Operation;
using G = GroupeSelection;

constexpr ElementMenu kFichier[] = {
    {u"&Nouveau", u"Nouvelle société", true, O::Nouveau},
    {u"&Ouvrir...", u"Ouvrir un fichier", true, O::Ouvrir},
    {u"&Enregistrer", u"Enregistrer le fichier en cours", false, O::Enregistrer},
    {u"Enregistrer &sous...", u"", false, O::EnregistrerSous},
    {u"&Imprimer", u"Imprimer", false, O::SousMenu, {}, false, true},
    {u"Liste &clients...", u"Imptimer la liste des clients", true, O::ImpCli, {}, true},
    {u"Liste &fournisseurs...", u"Imprimer la liste des fournisseurs", true, O::ImpFour, {}, true},
    {u"Liste &articles...", u"Liste des articles", true, O::ImpArt, {}, true},
    {u"&Inventaire des articles...",
     u"Inventaire des articles en stock",
     true,
     O::Inventaire,
     {},
     true},
    {u"&Enveloppes...", u"Imprimer les enveloppes client", true, O::Enveloppes, {}, true},
    {u"&Mise en page...", u"Mise en page", true, O::ParM},
    {u"Configurer imprimante...", u"Configurer paramètres d'impression", true,
     O::ConfigurerImprimante},
    {u"I&mporter...", u"Impoter fichier", true, O::Importer, {}, false, true},
    {u"E&xporter...", u"Exporter fichier", false, O::Exporter},
    {u"&Quitter", u"Quitter l'application", true, O::Quitter, u"Alt+X", false, true},
};

constexpr ElementMenu kEdition[] = {
    {u"&Copier", u"", false, O::Copier},
    {u"C&oller", u"", false, O::Coller},
    {u"Recherche &Nom / société...", u"Rechercher par société", false, O::RechNom, {}, false, true},
    {u"Rechercher &Code client...", u"Recherche par code client", false, O::RechNum},
    {u"&Recherche Téléphone...", u"Rechercher par numéro de téléphone", false, O::RechTel},
    {u"Recherche nom C&ontact...", u"Recherche par nom de contact", false, O::RechContact},
    {u"&Trier clients...", u"Trier les fiches client", false, O::Trier},
    {u"Chercher &facture...", u"Chercher fature N°", false, O::ChercheFact, {}, false, true},
    {u"Rechercher Nom fo&urnisseur...",
     u"Rechercher fournisseur",
     false,
     O::RechNomFour,
     {},
     false,
     true},
    {u"Rechercher Code four&nisseur...", u"Rechercher fournisseur par code", false, O::RechNumFour},
    {u"Tr&ier fournisseurs...", u"Trier les fournisseurs", false, O::TrierFour},
    {u"Rechercher &article...",
     u"Rechercher désignation d'article",
     false,
     O::RechNomArt,
     {},
     false,
     true},
    {u"Rechercher code a&rticle...", u"Rechercher par code article", false, O::RechNumArt},
    {u"Tri&er articles...", u"Trier les articles", false, O::TrierArt},
    {u"C&hercher commande...", u"Chercher commande n°", false, O::ChercheCmd, {}, false, true},
};

constexpr ElementMenu kBases[] = {
    {u"&Clients", u"Voir fiche client", true, O::Client},
    {u"&Factures", u"Saisie facture", true, O::Facture},
    {u"F&ournisseurs", u"Voir fiche fournisseur", true, O::Fournisseur},
    {u"&Articles", u"Voir fiche articles", true, O::Articles},
    {u"C&ommandes", u"", true, O::Commande},
    {u"&Précédent             PgUo", u"Précédent", false, O::Precedent, {}, false, true},
    {u"&Suivant                   Pgdn", u"Suivant", false, O::Suivant},
    {u"P&remier", u"Premier", false, O::Premier},
    {u"&Dernier", u"Dernier", false, O::Dernier},
    {u"&Nouvelle fiche", u"Nouvelle fiche", true, O::Ajout, {}, false, true},
    {u"S&upprimer fiche", u"Supprimer fiche", false, O::Supprime},
    {u"&Liste", u"Liste des clients", false, O::Liste, u"F2"},
    {u"&Imprimer fiche", u"Imprimer fiche couranta", false, O::ImpFiche},
};

constexpr ElementMenu kVente[] = {
    {u"&Précédent             PgUp", u"Précédent", false, O::Precedent},
    {u"&Suivant                   Pgdn", u"Suivant", false, O::Suivant},
    {u"P&remier", u"Premier", false, O::Premier},
    {u"&Dernier", u"Dernier", false, O::Dernier},
    {u"&Nouvelle facture", u"Nouvelle fiche", true, O::NouvFact, {}, false, true},
    {u"S&upprimer facture", u"Supprimer fiche", false, O::SupFact},
    {u"&Imprimer facture", u"Imprimer fiche couranta", false, O::ImpFact},
    {u"&Enregistrer en Factur-X...", u"Facture électronique (PDF/A-3 et XML EN 16931)", false,
     O::FacturX},
    {u"&Liste des factures       F2", u"Liste des clients", false, O::ListFact},
    {u"Supprimer &ligne", u"Supprimer ligne de facture", false, O::SupLigne1},
};

constexpr ElementMenu kAchat[] = {
    {u"&Précédent             PgUp", u"Précédent", false, O::Precedent},
    {u"&Suivant                   Pgdn", u"Suivant", false, O::Suivant},
    {u"P&remier", u"Premier", false, O::Premier},
    {u"&Dernier", u"Dernier", false, O::Dernier},
    {u"&Nouvelle commande", u"Commande", true, O::NouvCmd, {}, false, true},
    {u"S&upprimer commande", u"Supprimer fiche", false, O::SupCmd},
    {u"&Imprimer commande", u"Imprimer fiche couranta", false, O::ImpCmd},
    {u"&Liste des commandes       F2", u"Liste des clients", false, O::ListCmd},
    {u"Supprimer &ligne", u"Supprimer ligne de commande", false, O::SupLigne2},
    {u"Recalculer &prix des articles",
     u"Recalculer les prix des articles",
     true,
     O::Recalc,
     {},
     false,
     true},
    {u"&Entrée stock...", u"Saisir une entrée de stock", true, O::EntreeStock},
    {u"&Sortie stock...", u"Saisir une sortie de stock", true, O::SortieStock},
};

// A radio item of "&Sélection"; the first of a group opens it with a separator.
constexpr ElementMenu choix(QStringView libelle, QStringView aide, G groupe, int mode,
                            bool premier = false) {
    return {libelle, aide, false, O::Selection, {}, false, premier, groupe, mode, true};
}

constexpr ElementMenu kSelection[] = {
    choix(u"&Tous les clients", u"Voir toutes les fiches", G::Clients, 1),
    choix(u"&Code postal...", u"Voir par code postal", G::Clients, 2),
    choix(u"&Ville...", u"Voir par ville", G::Clients, 3),
    choix(u"&Marqués", u"Fiches marquées", G::Clients, 4),
    choix(u"&NPAI", u"Fiches NPAU", G::Clients, 5),
    choix(u"T&outes les factures", u"Voir toutes les factures", G::Factures, 0, true),
    choix(u"&Facture code client...", u"sélectionner les facture du client", G::Factures, 1),
    choix(u"Tous les fo&urnisseurs", u"Voir tous les fournisseurs", G::Fournisseurs, 1, true),
    choix(u"Co&de postal...", u"Fournisseurs par code postal", G::Fournisseurs, 2),
    choix(u"V&ille...", u"Fournisseurs par ville", G::Fournisseurs, 3),
    choix(u"Tous les &articles", u"Voir tous les articles", G::Articles, 1, true),
    choix(u"Fa&mille d'articles...", u"Articles par familles", G::Articles, 2),
    choix(u"Fou&rnisseur...", u"Articles par fournisseurs", G::Articles, 3),
    choix(u"&Stock en alerte", u"Liste des stock en cote d'alerte", G::Articles, 4),
    choix(u"Tout&es les commandes", u"Voir toutes les commandes", G::Commandes, 0, true),
    choix(u"&Commande code fournisseur...", u"sélectionner les commandes du fournisseur",
          G::Commandes, 1),
};

constexpr ElementMenu kOutils[] = {
    {u"&Traitement de texte", u"", true, O::TrTexte},
    {u"&Enveloppe courante", u"Imprimer l'enveloppe", true, O::ImpEnv},
    {u"&Messages", u"Noter des messages", true, O::Messages},
    {u"&Statistiques articles",
     u"Quantités vendues par article",
     false,
     O::StatsArt,
     {},
     false,
     true},
    {u"Statistiques &ventes", u"Statistiques ventes en CA", false, O::StatsVentes},
    {u"Statistiques &clients", u"Chiffre d'affaires par client", false, O::StatsCli},
    {u"Statistiques &représentants", u"Statistiques par représentants ou distributeurs", false,
     O::StatsRepresentant},
    {u"&Journal comptable", u"Journal Achats/Ventes", false, O::Journal},
};

constexpr ElementMenu kParametres[] = {
    {u"&Société", u"Paramètres société", true, O::Psoc},
    {u"&Facture", u"Paramètres de la facture", true, O::ParF},
    {u"&Représentants", u"", true, O::Repre, {}, false, true},
    {u"&Banques", u"", true, O::Banques},
    {u"Familles fo&urnisseurs", u"", true, O::FamFournis},
    {u"Famillers &articles", u"Familles d'articles", true, O::FamArt},
    {u"&Ouvrir automatiquement",
     u"Ouvrir le dernier fichier utilisé",
     true,
     O::OuvrirAuto,
     {},
     false,
     true,
     {},
     0,
     true},
};

constexpr ElementMenu kUtilitaires[] = {
    {u"&Calendrier", u"", true, O::Calendrier},
    {u"C&alculatrice", u"", true, O::Calculatrice},
    {u"&Horloge", u"Hotloge", true, O::Horloge},
    {u"&Euro conversion", u"Convertisseur Euro", true, O::EuroConversion},
    {u"&Pèse lettres", u"", true, O::PeseLettres},
    {u"&Départements", u"Liste des départements", true, O::Departements},
    {u"&Bloc notes", u"", true, O::BlocNotes},
};

constexpr ElementMenu kAide[] = {
    {u"&Index", u"", true, O::AideIndex},
    {u"&Rechercher...", u"", true, O::AideRecherche},
    {u"&Utiliser l'aide", u"", true, O::AideUtiliser},
    {u"&A propos", u"Informations programme, version", true, O::APropos, {}, false, true},
};

constexpr Menu kMenus[] = {
    {u"&Fichier", kFichier}, {u"&Edition", kEdition},       {u"&Bases", kBases},
    {u"&Vente", kVente},     {u"&Achat", kAchat},           {u"&Sélection", kSelection},
    {u"&Outils", kOutils},   {u"&Paramètres", kParametres}, {u"&Utilitaires", kUtilitaires},
    {u"&?", kAide},
};

constexpr std::array<Operation, 0> kAVenir{};

constexpr BoutonBarre kBarre[] = {
    {u"Nouveau fichier", true, O::Nouveau},
    {u"Ouvrir", true, O::Ouvrir},
    {u"Enregistrer|", false, O::Enregistrer},
    {u"Copier", false, O::Copier},
    {u"Coller", false, O::Coller},
    {u"Premier", false, O::Premier},
    {u"Précédent", false, O::Precedent},
    {u"Suivant", false, O::Suivant},
    {u"Dernier", false, O::Dernier},
    {u"Nouvelle fiche", true, O::Ajout},
    {u"Fiche client", false, O::Client},
    {u"Facture", false, O::Facture},
    {u"Articles", false, O::Articles},
    {u"Imprimer", false, O::ImpFiche},
    {u"Imprimer enveloppe", false, O::ImpEnv},
};

constexpr Effet P = Effet::Active;
constexpr Effet M = Effet::Desactive;

constexpr QStringView kF = u"&Fichier";
constexpr QStringView kE = u"&Edition";
constexpr QStringView kB = u"&Bases";
constexpr QStringView kV = u"&Vente";
constexpr QStringView kA = u"&Achat";
constexpr QStringView kS = u"&Sélection";
constexpr QStringView kO = u"&Outils";
constexpr QStringView kP = u"&Paramètres";
constexpr QStringView kBarreOutils = {};

// Each item's state follows the tab shown, whatever tab was shown before: every tab's set decides
// every item it names.
constexpr Cible kToutOnglet[] = {
    {kF, u"&Enregistrer"},
    {kF, u"Enregistrer &sous..."},
    {kF, u"&Imprimer"},
    {kE, u"&Copier"},
    {kE, u"C&oller"},
    {kP, u"&Facture"},
    {kO, u"&Statistiques articles"},
    {kO, u"Statistiques &ventes"},
    {kO, u"Statistiques &clients"},
    {kO, u"Statistiques &représentants"},
    {kO, u"&Journal comptable"},
    {kBarreOutils, u"Enregistrer|"},
    {kBarreOutils, u"Copier"},
    {kBarreOutils, u"Coller"},
    {kBarreOutils, u"Premier"},
    {kBarreOutils, u"Précédent"},
    {kBarreOutils, u"Suivant"},
    {kBarreOutils, u"Dernier"},
    {kBarreOutils, u"Imprimer"},
    {kBarreOutils, u"Fiche client"},
};
// The commands of the cards; invoices and orders have theirs in "&Vente" and "&Achat".
constexpr Cible kFiches[] = {
    {kB, u"&Précédent             PgUo"},
    {kB, u"&Suivant                   Pgdn"},
    {kB, u"P&remier"},
    {kB, u"&Dernier"},
    {kB, u"&Nouvelle fiche"},
    {kB, u"S&upprimer fiche"},
    {kB, u"&Liste"},
    {kB, u"&Imprimer fiche"},
};
// Invoices are imported and exported too, orders are not.
constexpr Cible kEchanges[] = {{kF, u"I&mporter..."}, {kF, u"E&xporter..."}};
constexpr Cible kOuvrir[] = {
    {kBarreOutils, u"Ouvrir"},
    {kBarreOutils, u"Nouveau fichier"},
};
// An envelope is addressed to a client, or from an invoice or an order.
constexpr Cible kEnveloppe[] = {
    {kO, u"&Enveloppe courante"},
    {kBarreOutils, u"Imprimer enveloppe"},
};
constexpr Cible kClients[] = {
    {kE, u"Recherche &Nom / société..."},
    {kE, u"Rechercher &Code client..."},
    {kE, u"&Recherche Téléphone..."},
    {kE, u"Recherche nom C&ontact..."},
    {kE, u"&Trier clients..."},
    {kS, u"&Tous les clients"},
    {kS, u"&Code postal..."},
    {kS, u"&Ville..."},
    {kS, u"&Marqués"},
    {kS, u"&NPAI"},
};
constexpr Cible kBoutonArticles[] = {{kBarreOutils, u"Articles"}};
constexpr Cible kBoutonFacture[] = {{kBarreOutils, u"Facture"}};
constexpr Cible kFactures[] = {
    {kE, u"Chercher &facture..."},
    {kS, u"&Facture code client..."},
    {kS, u"T&outes les factures"},
    {kV, u"&Précédent             PgUp"},
    {kV, u"&Suivant                   Pgdn"},
    {kV, u"P&remier"},
    {kV, u"&Dernier"},
    {kV, u"S&upprimer facture"},
    {kV, u"&Imprimer facture"},
    {kV, u"&Enregistrer en Factur-X..."},
    {kV, u"&Liste des factures       F2"},
    {kV, u"Supprimer &ligne"},
};
constexpr Cible kFournisseurs[] = {
    {kE, u"Rechercher Nom fo&urnisseur..."},
    {kE, u"Rechercher Code four&nisseur..."},
    {kE, u"Tr&ier fournisseurs..."},
    {kS, u"Tous les fo&urnisseurs"},
    {kS, u"Co&de postal..."},
    {kS, u"V&ille..."},
};
// From the order tab they act on the articles, on their own tab.
constexpr Cible kArticles[] = {
    {kE, u"Rechercher &article..."}, {kE, u"Rechercher code a&rticle..."},
    {kE, u"Tri&er articles..."},     {kS, u"Tous les &articles"},
    {kS, u"Fa&mille d'articles..."}, {kS, u"Fou&rnisseur..."},
};
constexpr Cible kNouvelleCommande[] = {{kA, u"&Nouvelle commande"}};
constexpr Cible kStock[] = {
    {kA, u"&Entrée stock..."},
    {kA, u"&Sortie stock..."},
    {kA, u"Recalculer &prix des articles"},
    {kS, u"&Stock en alerte"},
};
constexpr Cible kCommandes[] = {
    {kA, u"&Précédent             PgUp"},
    {kA, u"&Suivant                   Pgdn"},
    {kA, u"P&remier"},
    {kA, u"&Dernier"},
    {kA, u"S&upprimer commande"},
    {kA, u"&Imprimer commande"},
    {kA, u"&Liste des commandes       F2"},
    {kA, u"Supprimer &ligne"},
    {kS, u"Tout&es les commandes"},
    {kS, u"&Commande code fournisseur..."},
    {kE, u"C&hercher commande..."},
};

// Columns: clients, invoices, suppliers, articles, orders. "Supprimer &ligne" then follows the
// focus of its grid.
constexpr LigneActivation kJeux[] = {
    {kToutOnglet, {P, P, P, P, P}},     {kFiches, {P, M, P, P, M}},
    {kEchanges, {P, P, P, P, M}},       {kOuvrir, {P, M, P, P, P}},
    {kEnveloppe, {P, P, M, M, P}},      {kClients, {P, M, M, M, M}},
    {kBoutonArticles, {P, P, P, M, P}}, {kBoutonFacture, {P, M, P, P, P}},
    {kFactures, {M, P, M, M, M}},       {kFournisseurs, {M, M, P, M, M}},
    {kArticles, {M, M, M, P, P}},       {kNouvelleCommande, {M, M, P, P, P}},
    {kStock, {M, M, M, P, M}},          {kCommandes, {M, M, M, M, P}},
};

} // namespace

std::span<const Operation> operationsAVenir() {
    return kAVenir;
}

std::span<const Menu> menus() {
    return kMenus;
}

std::span<const BoutonBarre> barreOutils() {
    return kBarre;
}

std::span<const LigneActivation> jeuxActivation() {
    return kJeux;
}

QString aideLongue(QStringView aide) {
    const qsizetype barre = aide.indexOf(u'|');
    return (barre < 0 ? aide : aide.mid(barre + 1)).toString();
}

QString aideCourte(QStringView aide) {
    const qsizetype barre = aide.indexOf(u'|');
    return (barre < 0 ? aide : aide.left(barre)).toString();
}

const ElementMenu* trouve(Cible c) {
    for (const Menu& m : kMenus) {
        if (m.libelle != c.menu)
            continue;
        for (const ElementMenu& e : m.elements) {
            if (e.libelle == c.libelle)
                return &e;
        }
    }
    return nullptr;
}

std::optional<Operation> toucheFiche(QKeyCombination touche) {
    struct Touche {
        QKeyCombination combinaison;
        Operation operation;
    };
    static constexpr Touche kTouches[] = {
        {QKeyCombination(Qt::Key_PageDown), Operation::Suivant},
        {QKeyCombination(Qt::Key_PageUp), Operation::Precedent},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Home), Operation::Premier},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_End), Operation::Dernier},
        {QKeyCombination(Qt::Key_F2), Operation::Liste},
    };
    // The keypad's flag is not part of the key.
    const QKeyCombination sansPave(touche.keyboardModifiers() & ~Qt::KeypadModifier, touche.key());
    for (const Touche& t : kTouches) {
        if (t.combinaison == sansPave)
            return t.operation;
    }
    return std::nullopt;
}

QString EtatMenus::cle(Cible c) {
    return c.menu.toString() + u'\n' + c.libelle.toString();
}

EtatMenus::EtatMenus() {
    for (const Menu& m : kMenus) {
        std::optional<GroupeSelection> groupe;
        for (const ElementMenu& e : m.elements) {
            m_actifs.insert(cle({m.libelle, e.libelle}), e.actifAuDepart);
            if (e.cochable) {
                // The first item of each radio group starts checked.
                m_coches.insert(cle({m.libelle, e.libelle}), e.groupe && e.groupe != groupe);
                groupe = e.groupe;
            }
        }
    }
    for (const BoutonBarre& b : kBarre)
        m_actifs.insert(cle(bouton(b.aide)), b.actifAuDepart);
}

bool EtatMenus::actif(Cible c) const {
    return m_actifs.value(cle(c), false);
}

bool EtatMenus::coche(Cible c) const {
    return m_coches.value(cle(c), false);
}

void EtatMenus::setCoche(Cible c, bool oui) {
    m_coches.insert(cle(c), oui);
}

void EtatMenus::setActif(Cible c, bool oui) {
    m_actifs.insert(cle(c), oui);
}

void EtatMenus::appliqueJeu(Sorte onglet) {
    for (const LigneActivation& ligne : kJeux) {
        const Effet effet = ligne.effets[indice(onglet)];
        for (const Cible& c : ligne.cibles)
            m_actifs.insert(cle(c), effet == Effet::Active);
    }
}

void EtatMenus::choisit(Cible c) {
    const ElementMenu* choisi = trouve(c);
    if (!choisi || !choisi->groupe)
        return;
    for (const ElementMenu& e : kSelection) {
        if (e.groupe == choisi->groupe)
            m_coches.insert(cle({kS, e.libelle}), &e == choisi);
    }
    m_modes[static_cast<int>(*choisi->groupe)] = choisi->mode;
}

} // namespace zel
