#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace zel {

// A line that starts exactly with "<BLOC", as the block counter counts it, with the number read
// from the four characters after it (-1 when they are not digits).
struct LigneOuverture {
    int position;
    int numero;
};

// The opening and closing tags of a block: <BLOC0027> and </BLOC0027> for block 27.
struct Balises {
    QString ouverture;
    QString fermeture;
};

// A store of records: an ordered list of text lines holding numbered, tagged blocks. The block
// number is the record number; blocks need not stand in number order, and lines outside any
// block are allowed and ignored by every reader.
//
// The store keeps an index from block number to the line of its first opening tag, rebuilt
// as lines are inserted, added and removed (and rebuilt lazily after the rare changes it cannot
// follow), so that finding a block costs nothing, a run over every record is linear, and
// writing one record back never reads the whole store. The index
// answers exactly as a top-down scan would, malformed stores included.
class Blocs {
public:
    // A store holds at most this many records, numbered 0000 to 9998.
    static constexpr int kCapacite = 9999;
    // Tags carry four digits, so block numbers can be read up to 9999.
    static constexpr int kNumerosPossibles = 10000;

    static Balises BalisesBloc(int n);
    // Whether a line begins as a tag does ("<BLOC" or "</BLOC", letter case ignored): such a
    // line inside a block would be taken for a tag by the next load.
    static bool commeUneBalise(QStringView ligne);
    // The number in the four characters after a tag's prefix ("<BLOC" or "</BLOC"), or -1 when
    // they are not four digits.
    static int numeroBalise(QStringView ligne, qsizetype prefixe);
    // The number of a line shaped like a whole opening tag ("<BLOC0027>") in any letter case,
    // or -1.
    static int numeroOuverture(QStringView ligne);
    // Block n with the given lines between its tags, as the writers put it in the store.
    static QStringList encadre(int n, const QStringList& contenu);

    const QStringList& lignes() const { return m_lignes; }
    int taille() const { return int(m_lignes.size()); }
    bool estVide() const { return m_lignes.isEmpty(); }
    const QString& ligne(int position) const { return m_lignes[position]; }
    // Grows with every change of the lines, so that a reader can tell whether what it computed
    // from them still holds.
    quint64 version() const { return m_version; }

    void remplaceTout(QStringList lignes);
    void vide();

    // Line-level edits for the maintenance routines and the record writers.
    void changeLigne(int position, const QString& texte);
    void insere(int position, const QStringList& lignes);
    void ajoute(const QStringList& lignes);
    void supprime(int position, int nombre);

    // Line of block n's opening tag, or -1. Whole lines are compared with the tag, ignoring
    // letter case; the first match from the top wins.
    int ChercheBloc(int n) const;

    // Where the lines of block n, opening at `ouverture`, end: at its first closing tag (exact
    // comparison) when it is closed; otherwise at the next opening tag or the end of the
    // store, so that a block that lost its closing tag never takes in the blocks after it.
    struct FinBloc {
        int fin;    // the closing tag's line, or the first line after the block's lines
        bool ferme; // whether the block has its closing tag
    };
    FinBloc finBloc(int n, int ouverture) const;

    // The lines between block n's tags (up to where it ends when it is not closed), or an empty
    // list when the block does not exist.
    QStringList contenuBloc(int n) const;

    // The writers below never put a line break inside a line nor a line that begins like a tag
    // between the tags: a line break becomes a blank, and such a line is written after a blank.

    // Writes block n with the given lines between its tags: in place of the old block when it
    // exists (deleted from its opening tag through its closing tag, or up to where it ends when
    // it has none), else at the end.
    void RemplaceBloc(int n, const QStringList& contenu);

    // Appends block n with the given lines between its tags.
    void AjouteBloc(int n, const QStringList& contenu);

    // Deletes the first block n, from its opening tag through its closing tag (or to the end of
    // the store when the closing tag is missing). Nothing happens when the block does not exist.
    void SupBloc(int n);

    // Number of lines whose first five characters are exactly "<BLOC".
    int CompteBlocs() const;

    // Those lines in store order, for the runs that follow the file rather than the numbers.
    std::span<const LigneOuverture> ouvertures() const;

private:
    void invalide() { m_indexAJour = false; }
    void change() { ++m_version; }
    void construitIndex() const;
    // Adds the lines from `debut` to the end to an index that holds the lines before them.
    void indexe(int debut) const;
    // Removes block n found at ouverture; gives the line where it began.
    int retireBloc(int n, int ouverture);

    QStringList m_lignes;
    mutable std::vector<int> m_premiereOuverture;
    // How many opening tags each number has, so that removing one tells whether another is left.
    mutable std::vector<int> m_nombreOuvertures;
    mutable std::vector<LigneOuverture> m_ouvertures;
    mutable bool m_indexAJour = false;
    quint64 m_version = 0;
};

} // namespace zel
