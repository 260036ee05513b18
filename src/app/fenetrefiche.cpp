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

} // namespace

bool FenetreFiche::executeDocument(PageDocument& page, Operation operation) {
    if (const std::optional<Pas> pas = pasDe(operation)) {
        page.navigue(*pas);
        return true;
    }
    const bool commande = &page == &m_commandes;
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
    case Operation::SupFact:
    case Operation::SupCmd:
        if (m_dialogues.okAnnuler(commande
                                      ? QStringLiteral("Confirmer suppression de la Commande ?")
                                      : QStringLiteral("Confirmer suppression de la facture ?")))
            page.Supprime();
        return true;
    default:
        return false;
    }
}

bool FenetreFiche::execute(Operation operation) {
    // A new invoice or order is made on its tab, from any tab; the searches by number and the
    // lists find their document from any tab too.
    const auto surSonOnglet = [this](Sorte onglet) {
        return montre(onglet) ? document(onglet) : nullptr;
    };
    switch (operation) {
    case Operation::NouvFact:
    case Operation::NouvCmd:
        if (PageDocument* p =
                surSonOnglet(operation == Operation::NouvFact ? Sorte::Factures : Sorte::Commandes))
            p->Nouveau();
        return true;
    case Operation::ChercheFact:
    case Operation::ListFact:
        if (PageDocument* p = surSonOnglet(Sorte::Factures))
            executeDocument(*p, operation);
        return true;
    case Operation::ChercheCmd:
    case Operation::ListCmd:
        if (PageDocument* p = surSonOnglet(Sorte::Commandes))
            executeDocument(*p, operation);
        return true;
    default:
        break;
    }
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
    // The searches of the "Edition" menu named after the suppliers or the articles act on their
    // own tab only.
    const auto surOnglet = [this](Sorte onglet) { return m_onglet == onglet; };
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
        p->RechNom();
        return true;
    case Operation::RechNum:
        p->RechNum();
        return true;
    case Operation::RechNomFour:
    case Operation::RechNumFour:
    case Operation::RechNomArt:
    case Operation::RechNumArt: {
        const bool fournisseurs =
            operation == Operation::RechNomFour || operation == Operation::RechNumFour;
        if (!surOnglet(fournisseurs ? Sorte::Fournisseurs : Sorte::Articles))
            return false;
        if (operation == Operation::RechNomFour || operation == Operation::RechNomArt)
            p->RechNom();
        else
            p->RechNum();
        return true;
    }
    case Operation::EntreeStock:
    case Operation::SortieStock:
    case Operation::Recalc:
        if (!surOnglet(Sorte::Articles))
            return false;
        if (operation == Operation::Recalc)
            m_articles.Recalc();
        else if (operation == Operation::EntreeStock)
            m_articles.EntreeStock();
        else
            m_articles.SortieStock();
        return true;
    case Operation::RechTel:
    case Operation::RechContact:
        if (!surOnglet(Sorte::Clients))
            return false;
        if (operation == Operation::RechTel)
            m_clients.RechTel();
        else
            m_clients.RechContact();
        return true;
    default:
        return false;
    }
}

bool FenetreFiche::selectionne(const ElementMenu& element) {
    switch (element.groupe.value_or(GroupeSelection::Commandes)) {
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
