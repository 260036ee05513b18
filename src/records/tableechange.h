#pragma once

#include "store/blocs.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// The table a kind of record is exported as and imported from: a first line naming the columns
// in French, then one row per record, a column for every fixed line of the block in block order,
// then a group of columns for every line of each kind of further lines (notes, account rows,
// document lines), numbered from 1 ("Observations 1", "Date 2", "Montant 2"). As many groups
// are written as the record that has most needs, so that nothing is left behind.
namespace zel {

// The column of a fixed line of the block.
struct ChampTable {
    int ligne;
    QString nom;
    // An amount, which a spreadsheet is given as a number.
    bool nombre = false;
    // What the line holds before the value ("NUM" before a document's kind and number).
    QString prefixe = {};
};

// The further lines that begin with a prefix, each a group of cells parted by TABs (one cell for
// a line of notes), in the order they come in the block.
struct PartieTable {
    QString prefixe;
    QStringList noms;
    // The cells that hold an amount.
    std::vector<int> nombres = {};
};

struct DispositionTable {
    int lignesFixes;
    std::vector<ChampTable> champs;
    std::vector<PartieTable> parties;
    // The line that names a record for the user.
    int ligneNom;
    // What a line holds when the file has no column for it (a check box not ticked).
    std::vector<std::pair<int, QString>> defauts = {};
};

// The names of the columns of a kind (the names of a group without their numbers).
QStringList nomsColonnes(const DispositionTable& d);

// A table as it is written: the header, which columns hold amounts, and the rows.
struct TableExportee {
    QStringList entete;
    std::vector<bool> nombres;
    std::vector<QStringList> rangees;
};

// The table of every record of a store, in store order. A block cut short gives empty cells; a
// cell never holds a line break or a TAB (written as a blank).
TableExportee exporteTable(const Blocs& store, const DispositionTable& d);

// The lines of the TAB-separated text, the header first, for the files' code page.
QStringList lignesTabulees(const TableExportee& table);

// The spreadsheet text: UTF-8 with a byte-order mark, fields parted by ";", lines ended by CR
// LF. An amount is written as a number with a decimal comma; any other text is quoted, so that a
// spreadsheet told to keep quoted fields as text keeps "0102" as it is, and a text beginning with
// "=", "+", "-", "@", a TAB or "'" is written after a "'" so that no spreadsheet takes it for a
// formula (a client named "=HYPERLINK(...)" runs nothing on the computer that opens the file).
QByteArray texteCsv(const TableExportee& table);

// Whether a text is an amount a spreadsheet reads as a number and writes back the same: digits
// without a leading zero, a "-" before them at most, a decimal comma.
bool nombreTableur(QStringView texte);

// A cell read back from a spreadsheet: the "'" put before a text a spreadsheet could take for a
// formula is taken off.
QString celluleLue(const QString& cellule);

// What the first line of a file says of its columns.
struct EnteteTable {
    enum class Lecture {
        // Not a header: the file is of the older layout, without one.
        Aucune,
        // The header of another kind of record.
        AutreSorte,
        Entete,
    };
    // Where a column goes: a fixed line, or a cell of a group of a part.
    struct Cible {
        int champ = -1;
        int partie = -1;
        int groupe = 0;
        int cellule = 0;
    };

    Lecture lecture = Lecture::Aucune;
    std::vector<Cible> cibles;
    // The columns named that this kind does not have, left out.
    QStringList ignorees;
};

// The first line is a header when most of its different names are column names of some kind
// (`connus`, case folded), and this kind's when most are this kind's own.
EnteteTable lisEntete(const QStringList& cellules, const DispositionTable& d,
                      const QSet<QString>& connus);

// The lines a row of the table gives a block: the fixed lines (a line without a column takes its
// default), then the further lines, each group up to the last one not empty. Cells come as read,
// but a TAB in a cell of a further line, where TABs part the cells, becomes a blank (counted in
// `corriges`); from a spreadsheet, an amount written with a decimal point takes a comma.
struct BlocTable {
    QStringList fixes;
    QStringList autres;
    int corriges = 0;
};
BlocTable blocDeRangee(const QStringList& champs, const EnteteTable& e, const DispositionTable& d,
                       bool tableur);

} // namespace zel
