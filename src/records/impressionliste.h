#pragma once

#include "records/cadre.h"
#include "records/dialogues.h"
#include "records/pagecarte.h"

#include <array>
#include <optional>
#include <vector>

namespace zel {

// A text placed at a fixed position.
struct TexteFixe {
    double x;
    double y;
    QString texte;
};

// The header of a list print: its texts and the rule under them. Each title holds up to the
// next one of its row, the last up to the rule's end, in a smaller font when it must.
struct EnteteListe {
    std::vector<TexteFixe> textes;
    double yRegle;
    double xFinRegle;

    void dessine(Cadre& cadre) const;
};

// The header of the client list, which the supplier list shares: names and addresses in
// landscape.
EnteteListe Entete1();

// A column of a list print: the block line printed at x and cut before `fin`; or, for a
// figure, trimmed and right-aligned at `fin`, in a smaller font when it would reach left of x.
struct ColonneListe {
    double x;
    int ligne;
    double fin;
    bool chiffre = false;

    void imprime(Cadre& cadre, double y, const QString& texte) const;
};

// The columns under Entete1 of the block lines of a name, two address lines, a postal code, a
// town, a telephone and a fax, in that order.
std::vector<ColonneListe> colonnesNomsAdresses(const std::array<int, 7>& lignes);

// One line per record of the range, the block lines at their columns, in landscape, with the
// header on every page.
void imprimeListe(Canevas& canevas, const Blocs& store, const std::vector<int>& blocs,
                  const EnteteListe& entete, const std::vector<ColonneListe>& colonnes);

// Line n (from 1) of a block's content, or an empty text when the block is shorter.
inline QString ligneBloc(const QStringList& contenu, int n) {
    return contenu.value(n - 1);
}

// The records a list print covers: the card shown is written back first, so that the list
// holds it as the user sees it, then the print dialog asks the range of the page's store.
// Nothing when it is cancelled, or when there is no record at all (which is told).
std::optional<std::vector<int>> plageAImprimer(PageCarte& page, const JeuDocuments& jeu,
                                               Dialogues& dialogues);

} // namespace zel
