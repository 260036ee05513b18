#pragma once

#include "records/cadre.h"
#include "sales/pagefactures.h"

namespace zel {

// The invoice, quote or credit note on paper, as the page shows it: the ruled frame with its
// column titles (`Dessin`), the company header (`EnTete`) and the data (`ImpFact`), the first two
// as the print layout setting says (0 both, 1 the frame only, else neither, for pre-printed
// stationery). Lines that the ruled table cannot hold go on further pages, each with the frame;
// the conditions, totals and notes go on the last page.
void imprimeFacture(Canevas& canevas, const DocumentFacture& document, const Totaux& totaux,
                    const Reglages& reglages);

// How many pages a document takes.
int pagesFacture(const DocumentFacture& document);

} // namespace zel
