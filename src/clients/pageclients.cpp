#include "clients/pageclients.h"

#include "app/texte.h"
#include "store/maintenance.h"

namespace zel {
namespace {

namespace L = ligneClient;

const QString kTitreListe = QStringLiteral("Liste des clients");

} // namespace

PageClients::PageClients(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                         const MesureTexte& mesure)
    : m_jeu(jeu), m_reglages(reglages), m_dialogues(dialogues),
      m_carte(disposition(), jeu, reglages.formatMontant, mesure, dialogues) {}

DispositionCarte PageClients::disposition() {
    return {Sorte::Clients,
            25,
            {L::Npai, L::Marque},
            {{L::CreditMaxi, Carte::kLargeurChamp, QStringLiteral("Crédit maxi")},
             {L::TotalDu, Carte::kLargeurChamp, QStringLiteral("Total dû")}},
            L::SaisieLibelle,
            L::SaisieMontant,
            {QStringLiteral("MEMO")}};
}

const QStringList& PageClients::risques() {
    static const QStringList liste = {QStringLiteral("Aucun"), QStringLiteral("Faible"),
                                      QStringLiteral("Moyen"), QStringLiteral("Elevé")};
    return liste;
}

void PageClients::LitFiche(bool discret) {
    m_carte.Lit(courant(), m_aujourdhui());
    if (!discret && m_carte.champ(L::Code).isEmpty())
        m_carte.setChamp(L::Code, QString::number(maintenance::Numerom(m_jeu.BlocsCli())));
}

void PageClients::EcritFiche() {
    m_carte.EcritSiModifiee(courant());
}

void PageClients::Ajout() {
    EcritFiche();
    const int compte = m_jeu.compte(Sorte::Clients);
    if (compte > Blocs::kCapacite - 1) {
        m_dialogues.message(QStringLiteral("Le fichier est plein"));
        return;
    }
    // The new client is counted at once; its block is created by the first write after the
    // user types in its card.
    m_jeu.BlocsCli().ajoute({QStringLiteral(" ")});
    m_jeu.setCompte(Sorte::Clients, compte + 1);
    m_jeu.setCourant(Sorte::Clients, compte);
    LitFiche();
}

void PageClients::Supprime() {
    int compte = m_jeu.compte(Sorte::Clients);
    int numero = courant();
    maintenance::Supprime(m_jeu.BlocsCli(), compte, numero);
    m_jeu.setCompte(Sorte::Clients, compte);
    m_jeu.setCourant(Sorte::Clients, numero);
    m_jeu.SetSauve();
    LitFiche();
}

void PageClients::SetSel(SelectionClient mode) {
    if (mode == SelectionClient::CodePostal) {
        if (auto cle = m_dialogues.saisit(Saisie::CodePostal, m_reglages.ini.cleCodePostal))
            m_reglages.ini.cleCodePostal = *cle;
    } else if (mode == SelectionClient::Ville) {
        if (auto cle = m_dialogues.saisit(Saisie::Ville, m_reglages.ini.cleVille))
            m_reglages.ini.cleVille = majusculesAZ(*cle);
    }
    m_selection = mode;
}

std::optional<int> PageClients::pasSelection(Pas pas) const {
    const Blocs& store = m_jeu.BlocsCli();
    const auto filtre = [&](int ligne, const Critere& critere) {
        return pasFiltre(store, pas, courant(), ligne, critere);
    };
    const auto estOui = [](QStringView t) { return t == u"Y"; };
    switch (m_selection) {
    case SelectionClient::CodePostal: {
        const QString cle = m_reglages.ini.cleCodePostal;
        return filtre(L::CodePostal, [cle](QStringView t) { return t == cle; });
    }
    case SelectionClient::Ville: {
        const QString cle = m_reglages.ini.cleVille;
        return filtre(L::Ville, [cle](QStringView t) { return majusculesAZ(t) == cle; });
    }
    case SelectionClient::Marques:
        return filtre(L::Marque, estOui);
    case SelectionClient::Npai:
        return filtre(L::Npai, estOui);
    case SelectionClient::Aucune:
    case SelectionClient::Tous:
        break;
    }
    return pasSimple(pas, courant(), m_jeu.compte(Sorte::Clients));
}

void PageClients::va(int numero) {
    m_jeu.setCourant(Sorte::Clients, numero);
    LitFiche();
}

void PageClients::navigue(Pas pas) {
    EcritFiche();
    const bool versLaFin = pas == Pas::Suivant || pas == Pas::Dernier;
    if (versLaFin && m_jeu.compte(Sorte::Clients) < 2)
        return;
    va(pasSelection(pas).value_or(courant()));
}

void PageClients::recherche(Saisie saisie, int ligne) {
    EcritFiche();
    const std::optional<QString> reponse = m_dialogues.saisit(saisie, QString());
    if (!reponse || reponse->isEmpty())
        return;
    const QString cle = definition(saisie).majuscules ? majusculesAZ(*reponse) : *reponse;
    if (const std::optional<int> n = chercheDebut(m_jeu.BlocsCli(), ligne, cle))
        va(*n);
    else
        m_dialogues.message(QStringLiteral("Fiche ") + cle + QStringLiteral(" non trouvée"));
}

void PageClients::RechNom() {
    recherche(Saisie::Nom, L::Nom);
}

void PageClients::RechNum() {
    recherche(Saisie::CodeClient, L::Code);
}

void PageClients::RechTel() {
    recherche(Saisie::Telephone, L::Telephone);
}

void PageClients::RechContact() {
    recherche(Saisie::Contact, L::Contact);
}

TableListe PageClients::tableListe() const {
    TableListe table{kTitreListe,
                     {{QString(), 0},
                      {QString(), 40},
                      {QStringLiteral("Nom/Société"), 160},
                      {QStringLiteral("Adresse"), 150},
                      {QStringLiteral("Adresse"), 120},
                      {QStringLiteral("C.P."), 50},
                      {QStringLiteral("Ville"), 120},
                      {QStringLiteral("Téléphone"), 95},
                      {QStringLiteral("Fax"), 95}},
                     {}};
    const Blocs& store = m_jeu.BlocsCli();
    const auto ouvertures = store.ouvertures();
    table.lignes.reserve(ouvertures.size());
    for (const LigneOuverture& o : ouvertures) {
        QStringList rangee{QString::number(o.numero), QString::number(table.lignes.size() + 1)};
        for (int l :
             {L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville, L::Telephone, L::Fax})
            rangee.append(ligneApres(store, o.position, l).toString());
        table.lignes.push_back(std::move(rangee));
    }
    return table;
}

void PageClients::Liste() {
    // A store this short holds no complete client.
    if (m_jeu.BlocsCli().taille() < 21) {
        m_dialogues.message(QStringLiteral("Aucune fiche client à afficher."));
        return;
    }
    EcritFiche();
    const TableListe table = tableListe();
    const std::optional<int> rangee = m_dialogues.montreListe(table);
    if (!rangee || *rangee < 0 || *rangee >= int(table.lignes.size()))
        return;
    const int n = table.lignes[*rangee].front().toInt();
    if (n >= 0 && n < m_jeu.compte(Sorte::Clients))
        va(n);
}

std::optional<QString> PageClients::choisitClient() {
    const Blocs& store = m_jeu.BlocsCli();
    QStringList entrees;
    for (const LigneOuverture& o : store.ouvertures())
        entrees.append(ligneApres(store, o.position, L::Code).toString() + u' ' +
                       ligneApres(store, o.position, L::Nom).toString());
    const std::optional<int> choix = m_dialogues.choisit(kTitreListe, entrees);
    if (!choix || *choix < 0 || *choix >= entrees.size())
        return std::nullopt;
    return entrees[*choix].section(u' ', 0, 0);
}

} // namespace zel
