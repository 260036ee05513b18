#pragma once

#include "app/carte.h"
#include "app/parcours.h"
#include "app/reglages.h"

#include <functional>

namespace zel {

// The lines of a client block, counted from the line after its opening tag.
namespace ligneClient {
inline constexpr int Code = 1, Npai = 2, Marque = 3, Nom = 4, Adresse1 = 5, Adresse2 = 6,
                     CodePostal = 7, Ville = 8, Pays = 9, Telephone = 10, Fax = 11, Email = 12,
                     Banque = 13, CodeBanque = 14, CodeGuichet = 15, Compte = 16, Rib = 17,
                     Contact = 18, Representant = 19, CreditMaxi = 20, TotalDu = 21, Risque = 22,
                     CompteClient = 23, SaisieLibelle = 24, SaisieMontant = 25;
} // namespace ligneClient

// The client selection modes of the "Sélection" menu: 0 and 1 take every client.
enum class SelectionClient {
    Aucune = 0,
    Tous = 1,
    CodePostal = 2,
    Ville = 3,
    Marques = 4,
    Npai = 5
};

// The client tab: the card of the current client, its browsing, searches and lists.
class PageClients {
public:
    PageClients(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                const MesureTexte& mesure);

    static DispositionCarte disposition();
    // The "Risque" drop-down's list.
    static const QStringList& risques();

    Carte& carte() { return m_carte; }
    const Carte& carte() const { return m_carte; }
    int courant() const { return m_jeu.courant(Sorte::Clients); }
    SelectionClient selection() const { return m_selection; }

    // Reads the current client. Unless the read is quiet, an empty code field receives the next
    // client code.
    void LitFiche(bool discret = false);
    // Writes the card back when it was changed.
    void EcritFiche();
    void Ajout();
    // Deletes the current client (the user has confirmed) and shows the one now at its number.
    void Supprime();

    // Sets the selection mode; the postal code and the town ask for their key first.
    void SetSel(SelectionClient mode);
    // Writes the card back, steps in the selection, and reads the client stepped to.
    void navigue(Pas pas);
    void RechNom();
    void RechNum();
    void RechTel();
    void RechContact();
    // The on-screen list; the client chosen in it becomes the current one.
    void Liste();
    TableListe tableListe() const;
    // The client picker: the code of the client chosen, or nothing.
    std::optional<QString> choisitClient();

    // The day the entry line's date is set to on each read.
    void setAujourdhui(std::function<QDate()> aujourdhui) { m_aujourdhui = std::move(aujourdhui); }

private:
    void va(int numero);
    void recherche(Saisie saisie, int ligne);
    std::optional<int> pasSelection(Pas pas) const;

    JeuDocuments& m_jeu;
    Reglages& m_reglages;
    Dialogues& m_dialogues;
    Carte m_carte;
    SelectionClient m_selection = SelectionClient::Aucune;
    std::function<QDate()> m_aujourdhui = &QDate::currentDate;
};

} // namespace zel
