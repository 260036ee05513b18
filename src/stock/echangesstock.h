#pragma once

#include "records/echanges.h"

namespace zel {

class PageArticles;

// The supplier and article lines the import and the export carry, with their older layouts.
const EchangeSorte& echangeFournisseurs();
const EchangeSorte& echangeArticles();
// The supplier and article lines the sort, the import, the export and the copy buffer use.
DispositionEchanges echangesFournisseurs();
// A paste leaves the real stock alone (it changes by movements only), and the average price
// then takes the purchase price as when the user leaves that field.
DispositionEchanges echangesArticles(PageArticles& page);

} // namespace zel
