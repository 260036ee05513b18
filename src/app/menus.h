#pragma once

#include "store/jeudocuments.h"

#include <QHash>
#include <QKeyCombination>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace zel {

// What a menu item or a tool-bar button reaches. The main window maps each one to a command of
// the document set, of the card window or to a tool window.
enum class Operation {
    SousMenu,
    Nouveau,
    Ouvrir,
    Enregistrer,
    EnregistrerSous,
    ImpCli,
    ImpFour,
    ImpArt,
    Inventaire,
    Enveloppes,
    ParM,
    ConfigurerImprimante,
    Importer,
    Exporter,
    Quitter,
    Copier,
    Coller,
    RechNom,
    RechNum,
    RechTel,
    RechContact,
    Trier,
    ChercheFact,
    RechNomFour,
    RechNumFour,
    TrierFour,
    RechNomArt,
    RechNumArt,
    TrierArt,
    ChercheCmd,
    Client,
    Facture,
    Fournisseur,
    Articles,
    Commande,
    Precedent,
    Suivant,
    Premier,
    Dernier,
    Ajout,
    Supprime,
    Liste,
    ImpFiche,
    NouvFact,
    SupFact,
    ImpFact,
    FacturX,
    ListFact,
    SupLigne1,
    NouvCmd,
    SupCmd,
    ImpCmd,
    ListCmd,
    SupLigne2,
    Recalc,
    EntreeStock,
    SortieStock,
    Selection,
    TrTexte,
    ImpEnv,
    Messages,
    StatsArt,
    StatsVentes,
    StatsCli,
    StatsRepresentant,
    Journal,
    Psoc,
    ParF,
    Repre,
    Banques,
    FamFournis,
    FamArt,
    OuvrirAuto,
    Calendrier,
    Calculatrice,
    Horloge,
    EuroConversion,
    PeseLettres,
    Departements,
    BlocNotes,
    AideIndex,
    AideRecherche,
    AideUtiliser,
    APropos,
};

// One of the five radio groups of the "&Sélection" menu.
enum class GroupeSelection { Clients, Factures, Fournisseurs, Articles, Commandes };
inline constexpr int kNombreGroupes = 5;

struct ElementMenu {
    QStringView libelle;
    QStringView aide;
    bool actifAuDepart = true;
    Operation operation = Operation::SousMenu;
    QStringView raccourci = {}; // a key sequence in portable text ("Alt+X")
    bool dansSousMenu = false;  // belongs to the submenu opened by the item above it
    bool separateurAvant = false;
    std::optional<GroupeSelection> groupe = {};
    int mode = 0; // the selection mode the item sets, within its group
    bool cochable = false;
};

struct Menu {
    QStringView libelle;
    std::span<const ElementMenu> elements;
};

struct BoutonBarre {
    QStringView aide; // names the button
    bool actifAuDepart;
    Operation operation;
};

// The operations of the features still to come, which the main window answers as not available
// yet. The list shrinks as they are built.
std::span<const Operation> operationsAVenir();

// The menu bar, in order.
std::span<const Menu> menus();
// The tool bar, in order.
std::span<const BoutonBarre> barreOutils();

// Names a menu item by its menu and caption, or a tool-bar button by its hint (empty menu).
struct Cible {
    QStringView menu;
    QStringView libelle;
    bool operator==(const Cible&) const = default;
};
inline Cible bouton(QStringView aide) {
    return {QStringView(), aide};
}

// What a tab's enable set does to an item.
enum class Effet { Active, Desactive };

struct LigneActivation {
    std::span<const Cible> cibles;
    std::array<Effet, kNombreSortes> effets; // per tab, in the order of Sorte
};

std::span<const LigneActivation> jeuxActivation();

// The hint as the status bar shows it: the text after "|" when there is one, else all of it;
// and as a tool tip: the text before "|".
QString aideLongue(QStringView aide);
QString aideCourte(QStringView aide);

// The enabled and checked states of every item and button, and the selection mode of each
// "&Sélection" group. The widgets copy them onto their actions after each command.
class EtatMenus {
public:
    EtatMenus();

    bool actif(Cible c) const;
    bool coche(Cible c) const;

    // Applies the enable set of the tab reached.
    void appliqueJeu(Sorte onglet);
    // Chooses an item of "&Sélection": only it is checked in its group, whose mode it sets.
    void choisit(Cible c);
    int mode(GroupeSelection g) const { return m_modes[static_cast<int>(g)]; }
    void setCoche(Cible c, bool oui);
    void setActif(Cible c, bool oui);

    // A text that names an item or a button uniquely.
    static QString cle(Cible c);

private:
    QHash<QString, bool> m_actifs;
    QHash<QString, bool> m_coches;
    std::array<int, kNombreGroupes> m_modes{};
};

// The item of a menu by caption, if there is one.
const ElementMenu* trouve(Cible c);

// The keys of the card window, run on the page shown from any of its fields: Page Down, Page
// Up, Ctrl+Home, Ctrl+End and F2. Nothing for another key.
std::optional<Operation> toucheFiche(QKeyCombination touche);

} // namespace zel
