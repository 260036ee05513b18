#pragma once

#include "app/lignecommande.h"

namespace zel::ui {

// Runs what the command line asks without a window (the help, a print into a PDF file, the
// reports, an export or an import); gives the program's exit code. The settings and the company
// header are read from the folder given.
int executeSansFenetre(const LigneCommande& ligne, const QString& dossierProgramme);

} // namespace zel::ui
