#include "app/fenetrefiche.h"

#include "store/maintenance.h"

namespace zel {

FenetreFiche::FenetreFiche(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                           const MesureTexte& mesure)
    : m_jeu(jeu), m_dialogues(dialogues), m_clients(jeu, reglages, dialogues, mesure),
      m_fournisseurs(jeu, reglages, dialogues, mesure),
      m_articles(jeu, reglages, dialogues, mesure),
      m_factures(jeu, reglages, dialogues, mesure, m_clients, m_articles),
      m_commandes(jeu, reglages, dialogues, mesure, m_fournisseurs, m_articles),
      m_reglages(reglages),
      m_echanges(jeu, dialogues, m_clients, m_fournisseurs, m_articles, m_factures, m_commandes),
      m_protection([&jeu] { return jeu.nomDocument(); }, QString()) {
    m_jeu.setReactions(this);
}

FenetreFiche::~FenetreFiche() {
    m_jeu.setReactions(nullptr);
}

PageCarte* FenetreFiche::page(Sorte onglet) {
    switch (onglet) {
    case Sorte::Clients:
        return &m_clients;
    case Sorte::Fournisseurs:
        return &m_fournisseurs;
    case Sorte::Articles:
        return &m_articles;
    case Sorte::Factures:
    case Sorte::Commandes:
        break;
    }
    return nullptr;
}

PageDocument* FenetreFiche::document(Sorte onglet) {
    switch (onglet) {
    case Sorte::Factures:
        return &m_factures;
    case Sorte::Commandes:
        return &m_commandes;
    case Sorte::Clients:
    case Sorte::Fournisseurs:
    case Sorte::Articles:
        break;
    }
    return nullptr;
}

bool FenetreFiche::montre(Sorte onglet) {
    if (onglet == m_onglet)
        return true;
    if (PageDocument* quitte = document(m_onglet)) {
        if (!quitte->quitte())
            return false;
    } else if (PageCarte* quittee = page(m_onglet)) {
        quittee->EcritFiche();
    }
    m_onglet = onglet;
    if (onglet == Sorte::Articles)
        m_articles.InitArt();
    if (PageDocument* montre = document(onglet))
        montre->Lit();
    else if (onglet != Sorte::Clients) {
        if (PageCarte* montree = page(onglet))
            montree->LitFiche();
    }
    return true;
}

namespace {

std::optional<Pas> pasDe(Operation operation) {
    switch (operation) {
    case Operation::Premier:
        return Pas::Premier;
    case Operation::Precedent:
        return Pas::Precedent;
    case Operation::Suivant:
        return Pas::Suivant;
    case Operation::Dernier:
        return Pas::Dernier;
    default:
        return std::nullopt;
    }
}

// The tab of the operations that act on one kind of record whatever the tab shown.
std::optional<Sorte> ongletPropre(Operation operation) {
    switch (operation) {
    case Operation::RechTel:
    case Operation::RechContact:
        return Sorte::Clients;
    case Operation::NouvFact:
    case Operation::SupFact:
    case Operation::ListFact:
    case Operation::ChercheFact:
        return Sorte::Factures;
    case Operation::RechNomFour:
    case Operation::RechNumFour:
    case Operation::TrierFour:
        return Sorte::Fournisseurs;
    case Operation::RechNomArt:
    case Operation::RechNumArt:
    case Operation::TrierArt:
    case Operation::Recalc:
    case Operation::EntreeStock:
    case Operation::SortieStock:
        return Sorte::Articles;
    case Operation::NouvCmd:
    case Operation::SupCmd:
    case Operation::ListCmd:
    case Operation::ChercheCmd:
        return Sorte::Commandes;
    default:
        return std::nullopt;
    }
}

Sorte ongletDuGroupe(GroupeSelection groupe) {
    switch (groupe) {
    case GroupeSelection::Clients:
        return Sorte::Clients;
    case GroupeSelection::Factures:
        return Sorte::Factures;
    case GroupeSelection::Fournisseurs:
        return Sorte::Fournisseurs;
    case GroupeSelection::Articles:
        return Sorte::Articles;
    case GroupeSelection::Commandes:
        break;
    }
    return Sorte::Commandes;
}

} // namespace

bool FenetreFiche::executeDocument(PageDocument& page, Operation operation) {
    if (const std::optional<Pas> pas = pasDe(operation)) {
        page.navigue(*pas);
        return true;
    }
    switch (operation) {
    case Operation::Liste:
    case Operation::ListFact:
    case Operation::ListCmd:
        page.Liste();
        return true;
    case Operation::ChercheFact:
    case Operation::ChercheCmd:
        page.Cherche();
        return true;
    case Operation::Ajout:
    case Operation::NouvFact:
    case Operation::NouvCmd:
        page.Nouveau();
        return true;
    case Operation::Supprime:
    case Operation::SupFact:
    case Operation::SupCmd:
        if (m_dialogues.okAnnuler(&page == &m_commandes
                                      ? QStringLiteral("Confirmer suppression de la Commande ?")
                                      : QStringLiteral("Confirmer suppression de la facture ?")))
            page.Supprime();
        return true;
    default:
        return false;
    }
}

bool FenetreFiche::execute(Operation operation) {
    // An operation of one kind of record shows its tab first (a new invoice from the client tab,
    // an article search from the order tab); the document shown there may keep it from leaving.
    if (const std::optional<Sorte> onglet = ongletPropre(operation); onglet && !montre(*onglet))
        return true;
    switch (operation) {
    case Operation::Importer:
        return m_echanges.Importer(m_onglet);
    case Operation::Exporter:
        return m_echanges.Exporter(m_onglet);
    case Operation::Copier:
        return m_echanges.Copier(m_onglet);
    case Operation::Coller:
        return m_echanges.Coller(m_onglet);
    case Operation::Trier:
    case Operation::TrierFour:
    case Operation::TrierArt:
        return m_echanges.Trier(m_onglet);
    default:
        break;
    }
    if (PageDocument* d = document(m_onglet))
        return executeDocument(*d, operation);
    PageCarte* p = page(m_onglet);
    if (!p)
        return false;
    if (const std::optional<Pas> pas = pasDe(operation)) {
        p->navigue(*pas);
        return true;
    }
    switch (operation) {
    case Operation::Liste:
        p->Liste();
        return true;
    case Operation::Ajout:
        p->Ajout();
        return true;
    case Operation::Supprime:
        if (m_dialogues.okAnnuler(QStringLiteral("Confirmer suppression de la fiche ?")))
            p->Supprime();
        return true;
    case Operation::RechNom:
    case Operation::RechNomFour:
    case Operation::RechNomArt:
        p->RechNom();
        return true;
    case Operation::RechNum:
    case Operation::RechNumFour:
    case Operation::RechNumArt:
        p->RechNum();
        return true;
    case Operation::Recalc:
        m_articles.Recalc();
        return true;
    case Operation::EntreeStock:
        m_articles.EntreeStock();
        return true;
    case Operation::SortieStock:
        m_articles.SortieStock();
        return true;
    case Operation::RechTel:
        m_clients.RechTel();
        return true;
    case Operation::RechContact:
        m_clients.RechContact();
        return true;
    default:
        return false;
    }
}

bool FenetreFiche::selectionne(const ElementMenu& element) {
    // A choice is made on the tab of its kind (the articles' from the order tab).
    const GroupeSelection groupe = element.groupe.value_or(GroupeSelection::Commandes);
    if (!montre(ongletDuGroupe(groupe)))
        return false;
    switch (groupe) {
    case GroupeSelection::Clients:
        m_clients.SetSel(static_cast<SelectionClient>(element.mode));
        break;
    case GroupeSelection::Fournisseurs:
        m_fournisseurs.SetFour(static_cast<SelectionFournisseur>(element.mode));
        break;
    case GroupeSelection::Articles:
        m_articles.SetArt(static_cast<SelectionArticle>(element.mode));
        break;
    case GroupeSelection::Factures:
    case GroupeSelection::Commandes: {
        // Only the one-client or one-supplier choice asks something; Annuler keeps the
        // selection.
        PageDocument& p = element.groupe == GroupeSelection::Factures
                              ? static_cast<PageDocument&>(m_factures)
                              : m_commandes;
        if (!p.SetSel(element.mode == 1))
            return false;
        break;
    }
    }
    execute(Operation::Premier);
    return true;
}

void FenetreFiche::apresNouveau() {
    m_fournisseurs.SetFour(SelectionFournisseur::Aucune);
    m_articles.SetArt(SelectionArticle::Aucune);
    apresOuverture();
}

void FenetreFiche::apresImport() {
    m_clients.SetSel(SelectionClient::Tous);
    m_fournisseurs.SetFour(SelectionFournisseur::Tous);
    execute(Operation::Premier);
}

void FenetreFiche::apresOuverture() {
    montre(Sorte::Clients);
    m_clients.SetSel(SelectionClient::Tous);
    m_fournisseurs.SetFour(SelectionFournisseur::Tous);
    m_clients.LitFiche();
}

void FenetreFiche::avertit(const QString& texte) {
    m_dialogues.message(texte);
}

void FenetreFiche::ParF(const SaisieParametres& saisie) {
    saisie.applique(m_reglages);
    m_factures.suitReglages();
    m_commandes.suitReglages();
}

bool FenetreFiche::quittePages() {
    return m_factures.quitte() && m_commandes.quitte();
}

void FenetreFiche::ecritCartes() {
    for (Sorte sorte : kToutesSortes) {
        if (PageCarte* p = page(sorte))
            p->EcritFiche();
    }
    m_factures.Ecrit();
    m_commandes.Ecrit();
}

void FenetreFiche::compacteStore(Sorte sorte) {
    maintenance::Squize(m_jeu.store(sorte));
}

void FenetreFiche::apresChargement() {
    // The first record of each kind; the cards of the tabs not shown are read quietly.
    for (Sorte sorte : kToutesSortes) {
        if (PageCarte* p = page(sorte))
            p->LitFiche(sorte != m_onglet);
    }
    m_factures.Charge();
    m_commandes.Charge();
}

} // namespace zel
