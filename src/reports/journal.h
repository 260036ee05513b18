#pragma once

#include "reports/tableau.h"

#include <array>

namespace zel {

// A line of an entry: its account, its side and its amount, never below zero, in whole
// hundredths of the set's currency as the totals show it, and converted to euros.
struct LigneEcriture {
    QString compte;
    bool debit = true;
    qint64 montant = 0;
    qint64 euros = 0;
    // The client's line: the client is its auxiliary account.
    bool client = false;
};

// The entry of one sale: its three lines, debits first. It balances to the cent: the client's
// line carries the TTC the invoice shows, the VAT line the "Total TVA" shown, and the sales line
// their difference, which differs from the "Total H.T." shown by the rounding cent at most.
struct Piece {
    int bloc = 0;
    // Invalid when the stored date cannot be read; then its text as stored.
    QDate date;
    QString texteDate;
    QString numero;
    // The kind, its first letter in capitals: "Facture", "Avoir".
    QString genre;
    // The client's code and name.
    QString tiers;
    QString nomTiers;
    // False when its amounts are not numbers: it then has no line.
    bool lisible = true;
    std::array<LigneEcriture, 3> lignes;

    // The kind, a space and the number: "Facture 202612001".
    QString libelle() const { return genre + u' ' + numero; }
    // The date as written, or the stored text that is not one.
    QString dateEcrite() const { return date.isValid() ? ecritDate(date) : texteDate; }
};

// The currency the journal's amounts are in, and whether they can be written in euros.
enum class Monnaie { Euro, Franc, Autre };

// The sales journal of every invoice and credit note, in block number order, and the dates it
// spans.
struct Journal {
    std::vector<Piece> pieces;
    // The earliest and latest dates of its entries; today for both when it has none.
    QDate du;
    QDate au;
    // The amount pattern the amounts are shown with, and their currency: its name, and whether
    // the euro amounts of the lines could be computed (a franc set with a euro rate of zero
    // cannot).
    QString format;
    Monnaie monnaie = Monnaie::Euro;
    QString nomMonnaie;
    double tauxEuro = 0;
    bool enEuros = true;
};

// The sales account taken for the whole journal: the "Vente" account of the first article card
// whose sales and purchase accounts are both filled in, else "707000".
QString compteVentes(const JeuDocuments& jeu);

// An invoice debits its client's "Compte client" ("411000" when it has none) with the amount
// including tax and credits the sales account and "445700" with the VAT; a credit note is the
// reversal, whatever the sign it was typed with (a credit note whose TTC is below zero is read
// with the opposite signs). A line whose amount comes out below zero goes to the other side.
// Quotes give no entry.
Journal journal(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues,
                const QDate& aujourdhui);

// The entries dated from `du` to `au` included, and those whose date cannot be read, whatever
// the range: none is left out in silence.
std::vector<const Piece*> entre(const Journal& journal, const QDate& du, const QDate& au);

// The window's table of those entries: three rows each, the date empty when it cannot be read;
// an entry whose amounts cannot be read is one row saying so.
Tableau tableauJournal(const Journal& journal, const std::vector<const Piece*>& pieces);

// The lines written to a text file the user chooses ("txt" added to a name without extension):
// nothing on cancel, a message when the file cannot be written.
void enregistreTexte(Dialogues& dialogues, const QString& filtre, const QString& nomPropose,
                     const QStringList& lignes);

// Fields joined by TAB into one line of a text file, a TAB or any control character a field
// holds written as a blank.
QString ligneTabulee(const QStringList& champs);

// The text file for the accountant: one line per row of the table, the journal, the date, the
// account, the label, the debit and the credit, joined by TAB.
QStringList lignesExport(const Journal& journal, const std::vector<const Piece*>& pieces);

} // namespace zel
