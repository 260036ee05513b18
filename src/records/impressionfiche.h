#pragma once

#include "records/cadre.h"
#include "records/carte.h"

#include <vector>

namespace zel {

// A label of a card print and the field printed beside it (by its block line).
struct RubriqueFiche {
    double y;
    double xLibelle;
    QString libelle;
    double xValeur;
    int ligne;
};

// A memo of the card (its place in the card's memos) and the height of its first line.
struct MemoFiche {
    int memo;
    double y;
};

// How one card kind goes on paper: its labels and fields (the code first), the height of its
// account entry line, where the account grid's rows begin (with the grid's title row above them
// or not), its memos in the right-hand column, and the field that names the card beside its
// code at the top of the pages after the first.
struct DispositionFiche {
    std::vector<RubriqueFiche> rubriques;
    double ySaisie;
    double yGrille;
    bool titreGrille;
    std::vector<MemoFiche> memos;
    int ligneNom;
};

// The block lines of a client's or a supplier's card, whose prints share their layout, and the
// two labels that differ.
struct LignesTiers {
    const char16_t* libelleCode;
    int code, nom, adresse1, adresse2, codePostal, ville, pays, telephone, fax, email;
    int banque, codeBanque, codeGuichet, compte, rib;
    const char16_t* libelleDivers;
    int divers, representant, creditMaxi, totalDu, risque, compteTiers;
};

// The labels and fields of a client's or a supplier's card on paper: name and address on the
// left, bank and terms on the right.
std::vector<RubriqueFiche> rubriquesTiers(const LignesTiers& l);

// A card printed as the page shows it, in portrait, "Arial" 10: the labels and fields, each held
// up to the next one of its row (amounts in a smaller font rather than cut), the entry line (its
// date "dd/mm/yyyy" at 5 mm, its label at 35 mm and its amount right-aligned under "Montant"),
// the account grid's rows down to the first one without a date, and the memo lines at 120 mm,
// each memo below the one before. Grid rows and memo lines that reach the bottom of the page go
// on to the next page rather than being lost, under the card's code and name.
void imprimeFiche(Canevas& canevas, const Carte& carte, const DispositionFiche& disposition);

} // namespace zel
