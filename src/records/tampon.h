#pragma once

#include "records/dialogues.h"
#include "store/jeudocuments.h"

#include <QStringList>

#include <array>
#include <optional>

namespace zel {

// A page whose record on screen can be copied into the buffer and pasted from it: the record
// as the buffer's slots, and those slots written into the record on screen.
class Copiable {
public:
    virtual QStringList copie() = 0;
    // May refuse, telling the user, and then changes nothing.
    virtual void colle(const QStringList& cases) = 0;

protected:
    ~Copiable() = default;
};

// The copy buffer: one set of slots per page, kept for the whole run of the program, so that a
// record copied in one document set can be pasted into another.
class TamponCopie {
public:
    explicit TamponCopie(Dialogues& dialogues) : m_dialogues(dialogues) {}

    void inscrit(Sorte page, Copiable& copiable) { m_pages[indice(page)] = &copiable; }
    // False when the page has no copy.
    bool Copier(Sorte page);
    // Pastes what the page copied last; with nothing copied there, the user is told and
    // nothing changes. False when the page has no copy.
    bool Coller(Sorte page);

private:
    Dialogues& m_dialogues;
    std::array<Copiable*, kNombreSortes> m_pages{};
    std::array<std::optional<QStringList>, kNombreSortes> m_cases;
};

} // namespace zel
