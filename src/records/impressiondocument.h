#pragma once

#include "records/cadre.h"
#include "records/pagedocument.h"

namespace zel {

// The invoice, quote, credit note or order on paper, as its page shows it: the ruled frame with
// its column titles (`Dessin`), the company header (`EnTete`) and the data (`ImpFact`,
// `ImpCmd`), the first two as the print layout setting says (0 both, 1 the frame only, else
// neither, for pre-printed stationery). Lines that the ruled table cannot hold go on further
// pages, each with the frame; the conditions, the totals and the notes go on the last page,
// which always holds lines of its own when the document has any. The code is printed after its
// label ("Code client : ", "Code fournisseur : "), the client's SIREN under the address when it
// is given.
void imprimeDocument(Canevas& canevas, const Document& document, const Totaux& totaux,
                     const Reglages& reglages, const QString& libelleCode,
                     const QString& identifiant = {});
// The document of a page with the totals the page shows: nothing is computed again, since a
// computation on the cells the page has rounded for display would give other totals.
void imprimeDocument(Canevas& canevas, const PageDocument& page, const Reglages& reglages);

// What a page of a document holds: a run of its lines (by their index) and a run of its notes,
// from a row of the ruled table on.
struct FeuilleDocument {
    int premiereLigne = 0;
    int lignes = 0;
    int premiereNote = 0;
    int notes = 0;
    int rangeeNotes = 0;
};

// The pages of a document. The rows printed end at the last row that holds something; each page
// holds 28 rows of the table. The notes stay together on the last page, ending 25 mm above the
// totals when there is room above them, else right under the lines; notes too many for one
// page follow the lines from page to page.
std::vector<FeuilleDocument> feuillesDocument(const Document& document);

} // namespace zel
