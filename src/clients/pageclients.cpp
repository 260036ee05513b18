#include "clients/pageclients.h"

namespace zel {
namespace {

namespace L = ligneClient;

const QString kTitreListe = QStringLiteral("Liste des clients");

} // namespace

PageClients::PageClients(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                         const MesureTexte& mesure)
    : PageCarte({disposition(),
                 L::Nom,
                 kTitreListe,
                 QStringLiteral("Aucune fiche client à afficher."),
                 21,
                 colonnesNomsAdresses(),
                 {L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville, L::Telephone, L::Fax}},
                jeu, reglages, dialogues, mesure) {}

DispositionCarte PageClients::disposition() {
    return {Sorte::Clients,
            25,
            {L::Npai, L::Marque},
            {{L::CreditMaxi, Carte::kLargeurChamp, QStringLiteral("Crédit maxi")},
             {L::TotalDu, Carte::kLargeurChamp, QStringLiteral("Total dû")}},
            L::SaisieLibelle,
            L::SaisieMontant,
            {QStringLiteral("MEMO")},
            {},
            false,
            {{L::Siren, 0, QStringLiteral("SIREN : "), &litSiren, &refusSiren}}};
}

QString sirenClient(const Blocs& clients, int ouverture) {
    static const DispositionCarte d = PageClients::disposition();
    return champNoteDuBloc(clients, ouverture, d, L::Siren);
}

void PageClients::SetSel(SelectionClient mode) {
    if (mode == SelectionClient::CodePostal)
        demandeCle(Saisie::CodePostal, m_reglages.ini.cleCodePostal);
    else if (mode == SelectionClient::Ville)
        demandeCle(Saisie::Ville, m_reglages.ini.cleVille);
    m_reglages.ini.modeSelectionClient = static_cast<int>(mode);
}

std::optional<int> PageClients::pasSelection(Pas pas) const {
    const auto estOui = [](QStringView t) { return t == u"Y"; };
    switch (selection()) {
    case SelectionClient::CodePostal:
        return pasEgal(pas, L::CodePostal, m_reglages.ini.cleCodePostal);
    case SelectionClient::Ville:
        return pasMajuscules(pas, L::Ville, m_reglages.ini.cleVille);
    case SelectionClient::Marques:
        return pasParmi(pas, L::Marque, estOui);
    case SelectionClient::Npai:
        return pasParmi(pas, L::Npai, estOui);
    case SelectionClient::Aucune:
    case SelectionClient::Tous:
        break;
    }
    return PageCarte::pasSelection(pas);
}

void PageClients::RechTel() {
    recherche(Saisie::Telephone, L::Telephone);
}

void PageClients::RechContact() {
    recherche(Saisie::Contact, L::Contact);
}

std::optional<QString> PageClients::choisitClient() {
    return choisit(L::Code, L::Nom);
}

} // namespace zel
