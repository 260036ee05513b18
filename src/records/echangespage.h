#pragma once

#include "records/echanges.h"
#include "records/pagecarte.h"
#include "records/tampon.h"

namespace zel {

// The column names of the lines clients and suppliers share, in block order: the name, the
// address, the telephone and the bank, "Nom/Soc" to "Rib".
QStringList colonnesCoordonnees();

// The table of a kind of card: a column for each fixed line, named as given, the card's amounts
// as numbers; then its notes, named as given in the card's order, and its account rows ("Date",
// "Libellé", "Montant"). A file without a column for a check box leaves it as a new card does.
DispositionTable tableCarte(const DispositionCarte& carte, const QStringList& noms,
                            const QStringList& nomsMemos, int ligneNom);

// The sort and the copy and paste of one card page, and what its import and export need.
class EchangesPage : public Copiable {
public:
    EchangesPage(PageCarte& page, JeuDocuments& jeu, Dialogues& dialogues,
                 DispositionEchanges disposition);

    PageCarte& page() { return m_page; }
    const EchangeSorte& echange() const { return m_disposition.echange; }

    // The sort dialog, then the store sorted by the line chosen (the card written back first),
    // and the card now at the current number read. "Anuler" changes nothing.
    void Trier();

    QStringList copie() override;
    // The slots go into the card on screen, but the fields the page does not paste. A record
    // already stored keeps its code; a new card takes the next code.
    void colle(const QStringList& cases) override;

private:
    PageCarte& m_page;
    JeuDocuments& m_jeu;
    Dialogues& m_dialogues;
    DispositionEchanges m_disposition;
};

} // namespace zel
