#pragma once

#include "records/echanges.h"

namespace zel {

// The client lines the import and the export carry, and the older layout of the import.
const EchangeSorte& echangeClients();
// The client lines the sort, the import, the export and the copy buffer use.
DispositionEchanges echangesClients();

// Reads a client file of the sister invoicing program: a record begins at each line whose first
// five characters are "<CLI>", and the four lines after it hold the name, the address, its
// second line, and the postal code and the town parted by the first blank (the town at most
// 255 characters; without a blank, the whole line is the postal code). A record whose line
// after the marker is empty is passed over; lines past the end of the file are empty. Every
// other line is ignored.
BilanImport FactCli(QByteArrayView octets, JeuDocuments& jeu, Dialogues& dialogues);

} // namespace zel
