#pragma once

#include "records/canevas.h"
#include "records/dialogues.h"
#include "reports/journal.h"

namespace zel {

// The print of a result table, shared by the statistics and the journal: "Imprimé le " and the
// date at the top right of each page, the title row in a grey band, then one row per line with
// a rule under it and the column rules down to the last row of the page. The columns keep their
// screen proportions across the page width; a page break comes before a row, so that no page
// holds its header alone. A table with a bar chart prints it after its rows.
void imprimeGrille(Canevas& canevas, const Tableau& tableau, const QDate& aujourdhui);

// "Exporter": the lines shown written to a text file chosen by the user ("Journal.txt"
// proposed); nothing on cancel, and a message when the file cannot be written.
void exporteJournal(Dialogues& dialogues, const Journal& journal,
                    const std::vector<const Piece*>& pieces);

} // namespace zel
