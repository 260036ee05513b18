#include "app/fenetrefiche.h"

#include "store/maintenance.h"

namespace zel {

FenetreFiche::FenetreFiche(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                           const MesureTexte& mesure)
    : m_jeu(jeu), m_dialogues(dialogues), m_clients(jeu, reglages, dialogues, mesure),
      m_fournisseurs(jeu, reglages, dialogues, mesure),
      m_articles(jeu, reglages, dialogues, mesure),
      m_factures(jeu, reglages, dialogues, mesure, m_clients, m_articles),
      m_echanges(jeu, dialogues, m_clients, m_fournisseurs, m_articles, m_factures) {
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

bool FenetreFiche::montre(Sorte onglet) {
    if (onglet == m_onglet)
        return true;
    if (m_onglet == Sorte::Factures) {
        if (!m_factures.quitte())
            return false;
    } else if (PageCarte* quittee = page(m_onglet)) {
        quittee->EcritFiche();
    }
    m_onglet = onglet;
    if (onglet == Sorte::Articles)
        m_articles.InitArt();
    if (onglet == Sorte::Factures)
        m_factures.LitFact();
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

bool FenetreFiche::executeFacture(Operation operation) {
    if (const std::optional<Pas> pas = pasDe(operation)) {
        m_factures.navigue(*pas);
        return true;
    }
    switch (operation) {
    case Operation::Liste:
    case Operation::ListFact:
        m_factures.ListFact();
        return true;
    case Operation::ChercheFact:
        m_factures.ChercheFact();
        return true;
    case Operation::SupFact:
        if (m_dialogues.okAnnuler(QStringLiteral("Confirmer suppression de la facture ?")))
            m_factures.SupFact();
        return true;
    default:
        return false;
    }
}

bool FenetreFiche::execute(Operation operation) {
    // A new invoice is made on the invoice tab, from any tab.
    if (operation == Operation::NouvFact) {
        if (montre(Sorte::Factures))
            m_factures.NouvFact();
        return true;
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
    if (m_onglet == Sorte::Factures)
        return executeFacture(operation);
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
        // Only the one-client choice asks something; Annuler leaves every invoice shown.
        m_factures.SetFact(element.mode == 1);
        if (m_factures.unClient() != (element.mode == 1))
            return false;
        break;
    case GroupeSelection::Commandes:
        return false;
    }
    // The order tab has no page to step in yet; its mode is set all the same.
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

QString FenetreFiche::verifieStore(Sorte sorte) {
    Blocs& store = m_jeu.store(sorte);
    int compte = m_jeu.compte(sorte);
    QStringList faits;
    if (const int n = maintenance::normaliseBalises(store)) {
        faits.append(QStringLiteral("%1 balises réécrites en majuscules").arg(n));
        compte = store.CompteBlocs();
    }
    if (maintenance::Verif(store, compte))
        faits.append(QStringLiteral("balises déséquilibrées : fiches renumérotées de 0 à %1")
                         .arg(compte - 1));
    m_jeu.setCompte(sorte, compte);
    if (const int n = maintenance::Doublons(store, compte))
        faits.append(QStringLiteral("%1 fiches en double retirées").arg(n));
    if (!faits.isEmpty())
        m_jeu.SetSauve();
    if (compte > Blocs::kCapacite)
        faits.append(QStringLiteral("%1 fiches, plus que les %2 possibles : aucune fiche ne "
                                    "pourra y être ajoutée")
                         .arg(compte)
                         .arg(Blocs::kCapacite));
    return faits.join(QStringLiteral(", "));
}

void FenetreFiche::avertit(const QString& texte) {
    m_dialogues.message(texte);
}

bool FenetreFiche::quittePages() {
    return m_factures.quitte();
}

void FenetreFiche::ecritCartes() {
    for (Sorte sorte : kToutesSortes) {
        if (PageCarte* p = page(sorte))
            p->EcritFiche();
    }
    m_factures.EcritFact();
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
    m_factures.ChargeFact();
}

} // namespace zel
