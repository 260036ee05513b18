#pragma once

#include "records/pagedocument.h"

#include <functional>
#include <unordered_map>
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

// A sale of the set as the reports read it, straight from its block through the store's index:
// an invoice or a credit note, known by the first letter of its kind whatever its case (a quote
// is no sale, nor a document of any other kind).
struct Vente {
    int bloc = 0;
    bool avoir = false;
    // Its fields as stored.
    BlocLu lu;
    // Invalid when the stored text is not a date.
    QDate date;
    // Its totals as its page shows them, in whole units of the amount format's last decimal; not
    // readable when one is not a number (an overflow of quantity times price) or is above the
    // ceiling, and then 0.
    bool lisible = true;
    qint64 ht = 0;
    qint64 tva = 0;
    qint64 ttc = 0;
    // The quantity of each of its lines; none when it is empty or not a number.
    std::vector<std::optional<double>> quantites;
    // -1 for a credit note whose TTC is below zero: typed with negative quantities, it is read as
    // if it had been typed with the opposite signs.
    int signe = 1;

    // How its figures count in the turnover and the quantities sold: a credit note takes them
    // off, whatever the sign it was typed with.
    int sensVentes() const { return avoir ? -signe : 1; }
};

// The largest total a report counts, in whole units of the currency: a thousand billion, so that
// the sums of a full set stay exact whole numbers. A sale above it is not readable.
inline constexpr qint64 kPlafondVente = 1'000'000'000'000;

// Every sale of the set in block number order. Meanwhile the hourglass shows and the first panel
// of the status bar says "Facture " and the block number every thousand documents; it is emptied
// at the end. The invoice page is not touched.
void chaqueVente(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues,
                 const std::function<void(const Vente&)>& action);

// A table of texts that a view finds without a copy of it.
struct HachageTexte {
    using is_transparent = void;
    std::size_t operator()(QStringView v) const { return qHash(v); }
};
struct EgaliteTexte {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const { return a == b; }
};
template <typename Valeur>
using ParTexte = std::unordered_map<QString, Valeur, HachageTexte, EgaliteTexte>;

// For each code of line 1 of a store's blocks, the first block from the top with that code
// exactly: the given field line of that block.
ParTexte<QString> champParCode(const Blocs& store, int ligne);

} // namespace zel
