#pragma once

#include "store/jeucaracteres.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace zel {

// How the rows of a table from outside are written.
enum class FormatTable {
    // One row a line, its fields parted by TABs, nothing quoted.
    Tabulations,
    // A spreadsheet's text: fields parted by ";" or "," (whichever the first line uses most, a
    // TAB too); a field between double quotes may hold the separator, "" standing for one quote.
    Csv,
    // One row a line, the whole line as its only field.
    Lignes,
};

// A row as read: the fields kept, each decoded, fit for the files (a character they cannot hold
// is "?") and without NUL.
struct Rangee {
    QStringList champs;
    // How many fields the row holds, kept or not.
    qsizetype nombre = 0;
    // The line of the file the row is on, from 1.
    qsizetype ligne = 0;
    // The line holds no character at all.
    bool vide = false;
    // Characters of the fields kept that became "?".
    int remplaces = 0;
};

// Reads the rows of a table file one after another, in the character set the file is written in.
// A line ends at CR LF, a lone CR or a lone LF. Only the fields asked for are made into texts:
// a line of millions of fields costs the time to pass over it, not their memory.
class LecteurTable {
public:
    // The bytes must outlive the reader.
    LecteurTable(QByteArrayView octets, FormatTable format);

    // The next row, keeping at most `maxi` fields; false at the end of the text, or when the row
    // cannot be read (`erreur()` then says why).
    bool suivante(Rangee& rangee, qsizetype maxi);
    // How many lines the text holds, for the progress shown.
    qsizetype nombreLignes() const;
    // Why a row could not be read: a line break between quotes, which no field may hold.
    const QString& erreur() const { return m_erreur; }
    jeucaracteres::Jeu jeu() const { return m_jeu; }
    char16_t separateur() const { return m_separateur; }

private:
    template <typename C>
    bool lit(const C* texte, qsizetype taille, Rangee& rangee, qsizetype maxi);
    template <typename C> QString decode(const C* debut, qsizetype taille) const;
    template <typename C> char16_t separateurDe(const C* texte, qsizetype taille) const;
    template <typename C> qsizetype compteLignes(const C* texte, qsizetype taille) const;

    FormatTable m_format;
    jeucaracteres::Jeu m_jeu;
    // The text after its byte-order mark: bytes in Windows-1252 or UTF-8, or the text of a UTF-16
    // file.
    QByteArrayView m_octets;
    QString m_utf16;
    char16_t m_separateur = u'\t';
    qsizetype m_position = 0;
    qsizetype m_ligne = 0;
    QString m_erreur;
};

} // namespace zel
