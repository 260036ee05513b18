#pragma once

#include "store/blocs.h"

#include <QStringView>

#include <functional>
#include <optional>

namespace zel {

// The four browsing steps.
enum class Pas { Premier, Precedent, Suivant, Dernier };

// The plain step over records 0 to count - 1; it never wraps around.
int pasSimple(Pas pas, int courant, int compte);

// Whether a block qualifies for a selection, from the text of its selection line.
using Critere = std::function<bool(QStringView)>;

// Whether a block qualifies, from the store and the position of its opening tag.
using CritereBloc = std::function<bool(const Blocs&, int ouverture)>;

// The filtered step: among the blocks that qualify, the lowest number, the highest, the lowest
// above the current one or the highest below it. Nothing when no block qualifies, and the
// current record stays.
std::optional<int> pasFiltre(const Blocs& store, Pas pas, int courant, const CritereBloc& critere);
// The same over the blocks whose line `ligne` (counted from the tag) qualifies.
std::optional<int> pasFiltre(const Blocs& store, Pas pas, int courant, int ligne,
                             const Critere& critere);

// The first block in store order whose line `ligne`, upper-cased from a to z, begins with the
// key (already upper-cased).
std::optional<int> chercheDebut(const Blocs& store, int ligne, QStringView cle);

// Line `ligne` of the block whose tag stands at `ouverture`, or an empty text past the store.
QStringView ligneApres(const Blocs& store, int ouverture, int ligne);

} // namespace zel
