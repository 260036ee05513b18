#pragma once

#include <QByteArray>
#include <QString>

#include <bitset>
#include <functional>
#include <vector>

// The rich text of the word processor as a small model of its own, and its reading from and
// writing to RTF files. The model holds what the window edits: paragraphs with their alignment,
// indents and bullet, made of runs of text sharing one character format.
namespace zel::outils::rtf {

// A character of the text that breaks the line without ending the paragraph.
inline constexpr char16_t kSautDeLigne = u'\u2028';

struct Format {
    QString police;
    int demiPoints = 24; // the size in half points, as RTF counts it
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int couleur = -1; // 0xRRGGBB, or -1 for the text's automatic colour
    bool operator==(const Format&) const = default;
};

struct Segment {
    QString texte;
    Format format;
    bool operator==(const Segment&) const = default;
};

enum class Alignement { Gauche, Centre, Droite, Justifie };

// Indents in twips (a twentieth of a point), as RTF gives them: `gauche` and `droite` from the
// margins for every line, `premiereLigne` the first line's shift from `gauche`.
struct Paragraphe {
    std::vector<Segment> segments;
    Alignement alignement = Alignement::Gauche;
    int premiereLigne = 0;
    int gauche = 0;
    int droite = 0;
    bool puce = false;
    bool operator==(const Paragraphe&) const = default;

    QString texte() const;
    // Appends text in a format, to the last run when it has the same format.
    void ajoute(QStringView texte, const Format& format);
};

struct Document {
    std::vector<Paragraphe> paragraphes;
    bool operator==(const Document&) const = default;

    QString texte() const; // the paragraphs' texts, one per line
};

// The parts of a letter written elsewhere that the model cannot keep: reading drops them or turns
// them into plain text (a table's cells into TABs, a numbered list into a bulleted one).
enum class Perte {
    Tableaux,
    Images,
    EnTetes,
    PiedsDePage,
    Notes,
    ListesNumerotees,
    Commentaires,
};
inline constexpr std::size_t kSortesDePertes = 7;
using Pertes = std::bitset<kSortesDePertes>;

struct Lecture {
    Document document;
    Pertes pertes;
};

// How much of the bytes was read, from 0 to 1, told now and then during a long reading.
using Avance = std::function<void(double)>;

// Reads any bytes: an RTF file (what the model holds is kept, everything else skipped), or, when
// the bytes do not begin as RTF, plain text (UTF-8 when it is valid, else Windows-1252) with one
// paragraph per line in `defaut`'s format. Text written as bytes is decoded in the code page of
// its font's character set, the double-byte ones of Japanese, Chinese and Korean included. Nothing
// in the input can make it fail: groups nested too deep are skipped, numbers are clamped, binary
// data is stepped over and a file cut short keeps what was read.
Lecture lecture(const QByteArray& octets, const Format& defaut = {}, const Avance& avance = {});
Document lit(const QByteArray& octets, const Format& defaut = {});

// The RTF of the document, plain 7-bit text that every word processor reads: `\`, `{` and `}`
// escaped, other characters as `\'hh` in Windows-1252 or `\uN?`.
QByteArray ecrit(const Document& document);

} // namespace zel::outils::rtf
