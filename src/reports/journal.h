#pragma once

#include "reports/tableau.h"

namespace zel {

// A line of the sales journal.
struct Ecriture {
    QDate date;
    QString journal;
    QString compte;
    QString libelle;
    // The amount's text as the document's totals show it, in the primary currency; the other
    // side is empty.
    QString debit;
    QString credit;
    // The document's number, and its 1-based order among the journal's documents.
    QString piece;
    int document = 0;
    // On the client's line: the client's code and name.
    QString tiers;
    QString nomTiers;
};

// The sales journal of every invoice and credit note, three lines each in block number order,
// debits first, and the dates it spans.
struct Journal {
    std::vector<Ecriture> ecritures;
    // The earliest and latest dates of its lines; today for both when it has none.
    QDate du;
    QDate au;
};

// The sales account taken for the whole journal: the "Vente" account of the first article card
// whose sales and purchase accounts are both filled in, else "707000".
QString compteVentes(const JeuDocuments& jeu);

// An invoice debits its client's "Compte client" ("411000" when it has none) with the amount
// including tax and credits the sales account with the amount before tax and "445700" with the
// VAT; a credit note reverses the same accounts (debits sales and "445700", credits the
// client). Quotes give no line.
Journal journal(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues,
                const QDate& aujourdhui);

// The lines dated from `du` to `au` included, in the journal's order.
std::vector<Ecriture> entre(const std::vector<Ecriture>& ecritures, const QDate& du,
                            const QDate& au);

// The window's table of those lines.
Tableau tableauJournal(const std::vector<Ecriture>& ecritures);

// The lines written to a text file the user chooses ("txt" added to a name without extension):
// nothing on cancel, a message when the file cannot be written.
void enregistreTexte(Dialogues& dialogues, const QString& filtre, const QString& nomPropose,
                     const QStringList& lignes);

// Fields joined by TAB into one line of a text file, a TAB or any control character a field
// holds written as a blank.
QString ligneTabulee(QStringList champs);

// The text file for the accountant: one line per journal line with the journal, the date, the
// account, the label, the debit and the credit, joined by TAB.
QStringList lignesExport(const std::vector<Ecriture>& ecritures);

} // namespace zel
