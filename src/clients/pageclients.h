#pragma once

#include "records/pagecarte.h"

namespace zel {

// The lines of a client block, counted from the line after its opening tag.
namespace ligneClient {
inline constexpr int Code = 1, Npai = 2, Marque = 3, Nom = 4, Adresse1 = 5, Adresse2 = 6,
                     CodePostal = 7, Ville = 8, Pays = 9, Telephone = 10, Fax = 11, Email = 12,
                     Banque = 13, CodeBanque = 14, CodeGuichet = 15, Compte = 16, Rib = 17,
                     Contact = 18, Representant = 19, CreditMaxi = 20, TotalDu = 21, Risque = 22,
                     CompteClient = 23, SaisieLibelle = 24, SaisieMontant = 25;
// The client's SIREN, kept as an "Observations" line "SIREN : " and its nine digits.
inline constexpr int Siren = 26;
} // namespace ligneClient

// The SIREN of the client block at that opening tag, or an empty text.
QString sirenClient(const Blocs& clients, int ouverture);

// The client selection modes of the "Sélection" menu: 0 and 1 take every client.
enum class SelectionClient {
    Aucune = 0,
    Tous = 1,
    CodePostal = 2,
    Ville = 3,
    Marques = 4,
    Npai = 5
};

// The client tab: the card of the current client, its browsing with the client selections, its
// searches and lists.
class PageClients : public PageCarte {
public:
    PageClients(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                const MesureTexte& mesure);

    static DispositionCarte disposition();

    // The mode is kept with the settings, which write it back at shutdown as chosen.
    SelectionClient selection() const {
        return static_cast<SelectionClient>(m_reglages.ini.modeSelectionClient);
    }
    // Sets the selection mode; the postal code and the town ask for their key first.
    void SetSel(SelectionClient mode);
    void RechTel();
    void RechContact();
    // The client picker: the code of the client chosen, or nothing.
    std::optional<QString> choisitClient();

protected:
    std::optional<int> pasSelection(Pas pas) const override;
};

} // namespace zel
