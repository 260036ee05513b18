#pragma once

#include <QString>

namespace zel::bench {

// Writes a full document set into the folder: records of each kind, with realistic blocks
// (clients with notes and account rows, invoices of 10 to 20 lines). Gives the client file.
QString genereJeu(const QString& dossier, int parSorte);

} // namespace zel::bench
