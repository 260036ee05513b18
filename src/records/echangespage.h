#pragma once

#include "records/echanges.h"
#include "records/pagecarte.h"
#include "records/tampon.h"

namespace zel {

// The sort, the text import and export, and the copy and paste of one card page.
class EchangesPage : public Copiable {
public:
    EchangesPage(PageCarte& page, JeuDocuments& jeu, Dialogues& dialogues,
                 DispositionEchanges disposition);

    PageCarte& page() { return m_page; }
    int lignesFixes() const { return m_page.carte().disposition().lignesFixes; }

    // The sort dialog, then the store sorted by the line chosen (the card written back first),
    // and the card now at the current number read. "Anuler" changes nothing.
    void Trier();
    // One record per line of a TAB-separated text, blank lines included.
    void importe(const QStringList& lignes);
    // One line per block, in store order: the fields joined by TABs, nothing escaped.
    QStringList lignesExport() const;

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
