#pragma once

#include "store/blocs.h"

// The routines that keep a store consistent: the integrity check and the duplicate removal at
// load, the deletion of a record with the renumbering of those after it, the removal of leading
// blank lines before a save, and the next record code. Every kind of record shares them.
namespace zel::maintenance {

// What the checks of a load found in a store: the repairs they made in memory (the file on the
// disk still needs them, and loses what they dropped at the next save), and what they only tell.
struct Constat {
    QStringList reparations;
    QStringList remarques;
};

// Every check of a load on a store just read: tags in another letter case rewritten, unbalanced
// tags rebuilt (`Verif`), duplicated blocks removed (`Doublons`), and a count over capacity told.
// compte is the count at load and becomes the count after the repairs.
Constat verifie(Blocs& store, int& compte);

// The integrity check at load. When the opening and closing tags do not balance, the store is
// rebuilt and true is returned, so that the caller tells the user and marks the set modified:
// the blocks 0 to count - 1 come first in number order, then every other block found, in store
// order; each is renumbered 0, 1, 2 ... and closed, and only the lines outside blocks are lost.
// compte is the count at load and becomes the count of the rebuilt store.
bool Verif(Blocs& store, int& compte);

// Removes, for each number from 0 to count - 1 carried by two whole opening tags or more, the
// first block with that number; the count is kept. Gives how many blocks went.
int Doublons(Blocs& store, int compte);

// Rewrites in upper case every whole tag written in another letter case ("<bloc0001>"), so that
// every later operation sees the tags alike. Gives how many were rewritten.
int normaliseBalises(Blocs& store);

// After block `courant` was deleted, every block above it moves down by one number.
void Renum(Blocs& store, int& compte, int courant);

// Deletes record `courant` (when it has a block), renumbers the records after it and keeps the
// current number within the count. With one record, one empty record stays in its place.
void Supprime(Blocs& store, int& compte, int& courant);

// Removes the blank lines at the head of the store, leaving at least two lines.
void Squize(Blocs& store);

// The next record code: one more than the highest whole-number code on the first line of the
// blocks, never below 10001, read in 64 bits. A code that is not a whole number is passed over.
qint64 prochainCode(const Blocs& store);
inline qint64 Numerom(const Blocs& clients) {
    return prochainCode(clients);
}
inline qint64 Numerou(const Blocs& fournisseurs) {
    return prochainCode(fournisseurs);
}
inline qint64 Numeroa(const Blocs& articles) {
    return prochainCode(articles);
}

} // namespace zel::maintenance
