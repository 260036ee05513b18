#pragma once

#include "app/echanges.h"
#include "app/menus.h"
#include "clients/pageclients.h"
#include "purchasing/pagecommandes.h"
#include "records/sortie.h"
#include "sales/pagefactures.h"
#include "sales/parametresfacture.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"

namespace zel {

// The card window: the page of each record kind, the tab shown, and the operations of the menus
// run on that tab. It also checks each store as the set is loaded and writes the cards back
// before the set is saved.
class FenetreFiche : public ReactionsDocuments {
public:
    FenetreFiche(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                 const MesureTexte& mesure);
    ~FenetreFiche() override;

    PageClients& clients() { return m_clients; }
    PageFournisseurs& fournisseurs() { return m_fournisseurs; }
    PageArticles& articles() { return m_articles; }
    PageFactures& factures() { return m_factures; }
    PageCommandes& commandes() { return m_commandes; }
    // The record page of a tab, or nothing for the tabs without a card.
    PageCarte* page(Sorte onglet);
    // The document page of a tab, or nothing for the tabs with a card.
    PageDocument* document(Sorte onglet);
    Sorte onglet() const { return m_onglet; }

    // Shows a tab: the card of the tab left is written back first, and the card of the tab
    // shown is read.
    // False when the document shown cannot be left (its changes cannot be written and the user
    // keeps them).
    bool montre(Sorte onglet);
    // Runs a page operation: one of a kind of record on the tab of that kind, shown first, the
    // others on the tab shown. False when that tab does not offer it.
    bool execute(Operation operation);
    // A "Sélection" item: shows the tab of its group, sets the group's mode, then runs Premier
    // there. False when the user cancelled the choice, or the document shown cannot be left:
    // the selection is then as it was.
    bool selectionne(const ElementMenu& element);
    // After New and Open: the client tab, every client and every supplier, and the current card
    // read.
    void apresOuverture();
    // After New: the supplier and article modes cleared, then as after Open.
    void apresNouveau();
    // After an import, whatever it did: every client and every supplier, and the first record
    // of the tab shown.
    void apresImport();
    // "Paramètres de la facture" confirmed: the settings take the dialog's fields, and the
    // currency captions of invoices and orders follow at once; the amounts are recomputed at
    // their next computation.
    void ParF(const SaisieParametres& saisie);

    void avertit(const QString& texte) override;
    bool quittePages() override;
    void ecritCartes() override;
    void compacteStore(Sorte sorte) override;
    void apresChargement() override;

private:
    bool executeDocument(PageDocument& page, Operation operation);

    JeuDocuments& m_jeu;
    Dialogues& m_dialogues;
    PageClients m_clients;
    PageFournisseurs m_fournisseurs;
    PageArticles m_articles;
    PageFactures m_factures;
    PageCommandes m_commandes;
    Reglages& m_reglages;
    Echanges m_echanges;
    // No output replaces a file of the set shown.
    ProtectionJeu m_protection;
    Sorte m_onglet = Sorte::Clients;
};

} // namespace zel
