#include "records/tampon.h"

namespace zel {

bool TamponCopie::Copier(Sorte page) {
    Copiable* p = m_pages[indice(page)];
    if (!p)
        return false;
    m_cases[indice(page)] = p->copie();
    return true;
}

bool TamponCopie::Coller(Sorte page) {
    Copiable* p = m_pages[indice(page)];
    if (!p)
        return false;
    if (const std::optional<QStringList>& cases = m_cases[indice(page)])
        p->colle(*cases);
    else
        m_dialogues.message(QStringLiteral("Rien à coller : aucune fiche n'a été copiée sur "
                                           "cette page."));
    return true;
}

} // namespace zel
