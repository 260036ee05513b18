#pragma once

#include "records/dialogues.h"
#include "records/reglages.h"
#include "reports/journal.h"

namespace zel {

// The journal in the layout the tax administration asks for ("Fichier des écritures
// comptables"): a title line, then one line per journal line with its 18 fields joined by TAB.
// Entries (the lines of one document) come in date order, documents of the same day in journal
// order, numbered from 1 in that order; dates are written yyyyMMdd, the debit and the credit
// always with two decimals ("0,00" on the other side), and the client's line names the client
// as its auxiliary account.
QStringList lignesFec(const std::vector<Ecriture>& ecritures);

// The file's name: the SIREN, "FEC" and the closing date, "123456789FEC20261231.txt".
QString nomFec(const QString& siren, const QDate& cloture);

// "Exporter FEC": the SIREN is asked the first time and kept in the settings (a text that is not
// nine digits is told and asked again; cancelling exports nothing), then the file is written
// where the user chooses, its name proposed. A message when it cannot be written.
void exporteFec(Dialogues& dialogues, Reglages& reglages, const std::vector<Ecriture>& ecritures,
                const QDate& cloture);

} // namespace zel
