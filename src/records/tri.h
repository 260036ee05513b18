#pragma once

#include "store/blocs.h"

namespace zel {

// Sorts the blocks of a store by one of their lines and renumbers them in that order.
//
// Each block found from the top (an opening tag in any letter case, up to its closing tag or,
// when that is lost, up to the next opening tag) is one record; lines outside blocks go. The
// records are ordered by their line `ligneCle`, then by their code and their following lines,
// compared as French text with letter case ignored (accented letters with their base letter);
// records that compare equal keep their order. The k-th record becomes block k with all its
// lines. Gives the number of blocks rebuilt, the store's new count.
int trieBlocs(Blocs& store, int ligneCle);

} // namespace zel
