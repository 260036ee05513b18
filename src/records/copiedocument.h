#pragma once

#include "records/pagedocument.h"
#include "records/tampon.h"

namespace zel {

// The copy and paste of the document on an invoice or order page. The slots: the number of
// lines in use, the date, the client's or supplier's code, the payment conditions, the kind,
// the four address lines, the price mode, then the seven cells of every line in use.
class CopieDocument : public Copiable {
public:
    CopieDocument(PageDocument& page, Dialogues& dialogues)
        : m_page(page), m_dialogues(dialogues) {}

    QStringList copie() override;
    // Refused on a validated document. The lines in use become the lines pasted, those after
    // them are emptied and the totals are recomputed; the number is not touched.
    void colle(const QStringList& cases) override;

private:
    PageDocument& m_page;
    Dialogues& m_dialogues;
};

} // namespace zel
