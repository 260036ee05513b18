#pragma once

#include "records/pagedocument.h"

#include <functional>
#include <vector>

namespace zel {

// A column of a result table after the ordinal: its title, its width in pixels on screen and
// whether its title and texts are right-aligned.
struct ColonneTableau {
    QString titre;
    int largeur = 0;
    bool aDroite = false;
};

// A bar of the chart beside a table: its label, its value and the value's text as the table
// shows it.
struct Barre {
    QString libelle;
    double valeur = 0;
    QString texte;
};

// A result of the statistics or the journal as a window shows and prints it: the window's
// caption, the print title (before today's date), the ordinal column's width, the columns and
// the rows of texts, one per column; and, for some, a bar chart with its title, shown beside the
// table and printed after it.
struct Tableau {
    QString legende;
    QString titreImpression;
    int largeurOrdinal = 64;
    std::vector<ColonneTableau> colonnes;
    std::vector<QStringList> rangees;
    QString titreBarres;
    std::vector<Barre> barres;
};

// A table without rows yet, with its captions and columns.
Tableau tableauVide(QString legende, QString titreImpression, int largeurOrdinal,
                    std::vector<ColonneTableau> colonnes);

// A sales document of the invoice store as its page shows it, with its totals.
struct DocumentCalcule {
    Document document;
    Totaux totaux;
};

// Every sale of the set (its invoices and credit notes: a quote is no sale) in block number
// order, each read straight from its block through the store's index and, unless only its lines
// are wanted, totalled as its page totals it; the invoice page is not touched. Meanwhile the
// hourglass shows and the first panel of the status bar says "Facture " and the block number every
// thousand documents; it is emptied at the end.
enum class Totalise { Oui, Non };
void chaqueVente(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues,
                 const std::function<void(const DocumentCalcule&)>& action,
                 Totalise totalise = Totalise::Oui);

// Whether a document is a credit note.
bool estAvoir(const Document& d);

// An amount as the totals show it, as a number (an empty text, a zero with no decimals, is 0).
double valeurMontant(const QString& texte);

// For each code of line 1 of a store's blocks, the first block from the top with that code
// exactly: the given field line of that block.
QHash<QString, QString> champParCode(const Blocs& store, int ligne);

} // namespace zel
