#pragma once

#include "records/echanges.h"

namespace zel {

// The sales documents as the import and the export carry them: the fields of the block (the
// kind letter and number, the price mode and the validation without their prefixes), then the
// seven cells of every line, then the notes. A document keeps its number; one whose kind and
// number are already in the store is left out.
const EchangeSorte& echangeFactures();

} // namespace zel
