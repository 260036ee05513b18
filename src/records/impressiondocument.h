#pragma once

#include "records/cadre.h"
#include "records/pagedocument.h"

namespace zel {

// The invoice, quote, credit note or order on paper, as its page shows it: the ruled frame with
// its column titles (`Dessin`), the company header (`EnTete`) and the data (`ImpFact`,
// `ImpCmd`), the first two as the print layout setting says (0 both, 1 the frame only, else
// neither, for pre-printed stationery). Lines that the ruled table cannot hold go on further
// pages, each with the frame; the conditions, totals and notes go on the last page. The code is
// printed after its label ("Code client : ", "Code fournisseur : "), the client's SIREN under
// the address when it is given.
void imprimeDocument(Canevas& canevas, const Document& document, const Totaux& totaux,
                     const Reglages& reglages, const QString& libelleCode,
                     const QString& identifiant = {});

// How many pages a document takes.
int pagesDocument(const Document& document);

} // namespace zel
