#include "app/fenetrefiche.h"

#include "store/maintenance.h"

namespace zel {

const QString FenetreFiche::kAlteration =
    QStringLiteral("Des fichiers ont été altérés\nVérifiez s'il n'y a pas eu perte de données");

FenetreFiche::FenetreFiche(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                           const MesureTexte& mesure)
    : m_jeu(jeu), m_dialogues(dialogues), m_clients(jeu, reglages, dialogues, mesure) {
    m_jeu.setReactions(this);
}

FenetreFiche::~FenetreFiche() {
    m_jeu.setReactions(nullptr);
}

void FenetreFiche::montre(Sorte onglet) {
    if (m_onglet == Sorte::Clients && onglet != Sorte::Clients)
        m_clients.EcritFiche();
    m_onglet = onglet;
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

bool FenetreFiche::execute(Operation operation) {
    if (m_onglet != Sorte::Clients)
        return false;
    if (const std::optional<Pas> pas = pasDe(operation)) {
        m_clients.navigue(*pas);
        return true;
    }
    switch (operation) {
    case Operation::Liste:
        m_clients.Liste();
        return true;
    case Operation::Ajout:
        m_clients.Ajout();
        return true;
    case Operation::Supprime:
        if (m_dialogues.okAnnuler(QStringLiteral("Confirmer suppression de la fiche ?")))
            m_clients.Supprime();
        return true;
    case Operation::RechNom:
        m_clients.RechNom();
        return true;
    case Operation::RechNum:
        m_clients.RechNum();
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
    if (element.groupe != GroupeSelection::Clients)
        return false;
    m_clients.SetSel(static_cast<SelectionClient>(element.mode));
    if (m_onglet == Sorte::Clients)
        m_clients.navigue(Pas::Premier);
    return true;
}

void FenetreFiche::apresOuverture() {
    montre(Sorte::Clients);
    m_clients.SetSel(SelectionClient::Tous);
    m_clients.LitFiche();
}

void FenetreFiche::verifieStore(Sorte sorte) {
    Blocs& store = m_jeu.store(sorte);
    int compte = m_jeu.compte(sorte);
    if (maintenance::Verif(store, compte)) {
        m_dialogues.message(kAlteration);
        m_jeu.SetSauve();
    }
    m_jeu.setCompte(sorte, compte);
    maintenance::Doublons(store, compte);
}

void FenetreFiche::ecritCartes() {
    m_clients.EcritFiche();
}

void FenetreFiche::compacteStore(Sorte sorte) {
    maintenance::Squize(m_jeu.store(sorte));
}

void FenetreFiche::apresChargement() {
    m_clients.LitFiche();
}

} // namespace zel
