#pragma once

#include "records/dialogues.h"
#include "records/reglages.h"
#include "records/sortie.h"
#include "reports/journal.h"

namespace zel {

// The file of the accounting entries of one financial year, as the tax administration asks for
// it ("Fichier des écritures comptables"), with the description that must go with it.
struct FichierFec {
    // "552100554FEC20261231.txt" and "552100554FEC20261231.description.txt".
    QString nom;
    QString nomDescription;
    // Both in ISO 8859-15, one line per record ended by CR LF.
    QByteArray octets;
    QByteArray description;
    int ecritures = 0;
    int lignes = 0;
    // In euro cents.
    qint64 debit = 0;
    qint64 credit = 0;
};

// The first day of the financial year closing on that date: the twelve months ending on it.
QDate debutExercice(const QDate& cloture);

// The FEC of the journal's entries of the year closing on `cloture`, in euros: a title line with
// the 18 field names, then one line per journal line with its fields joined by TAB, the entries
// in date order (those of one day in journal order) numbered from 1; dates yyyyMMdd, amounts
// with two decimals and a comma, the client's line naming the client as its auxiliary account.
// A set kept in francs is converted at its euro rate, each amount then carrying its amount in
// francs and "FRF". Refused, with the list of the documents to correct, when a document's date
// cannot be read (it may belong to the year), or when a document of the year has no number or
// amounts that cannot be read; refused too when the amounts cannot be written in euros, or when
// the year holds no entry.
Resultat fichierFec(const Journal& journal, const QString& siren, const QDate& cloture,
                    FichierFec& fec);

// The description's name beside the file: "x.txt" gives "x.description.txt".
QString nomDescription(const QString& cheminFec);

// Writes the file and its description beside it through the output writer, both once both may
// be written (neither replaced against the user's will, neither a file of the set).
Enregistrement ecritFec(Sortie& sortie, const QString& chemin, const FichierFec& fec);

// "Exporter FEC": the SIREN is asked the first time and kept in the settings (a text that is not
// a SIREN is told and asked again; cancelling exports nothing), then the closing date of the year
// (31/12 of the year of `au` proposed), then the file is written where the user chooses, its name
// proposed, with its description beside it. A message when it is refused or cannot be written.
void exporteFec(Dialogues& dialogues, Reglages& reglages, const Journal& journal, const QDate& au);

} // namespace zel
