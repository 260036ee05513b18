#pragma once

#include "records/canevas.h"
#include "records/reglages.h"
#include "store/blocs.h"

#include <functional>
#include <vector>

namespace zel {

// How a text that is too wide for its place is made to hold: cut at the place's edge (a
// designation, a name, an address), or drawn in a smaller font (a title, a label or a figure,
// which cut would say something else; one that still does not hold at the smallest size is cut
// with "…").
enum class Ajuste { Coupe, Reduit };

// A text of a row at a fixed position, held up to the next text of the row.
struct Place {
    double x;
    QString texte;
    Ajuste ajuste = Ajuste::Coupe;
};

// The print frame every print draws through: positions in millimetres turned into device units,
// the one print pattern (orientation, document, "Arial" 10, back to portrait), and texts placed
// by their top left corner or their right edge, each held within its place.
class Cadre {
public:
    explicit Cadre(Canevas& canevas) : m_canevas(canevas) {}

    Canevas& canevas() { return m_canevas; }

    // Device units per millimetre across and down the page, truncated to whole numbers.
    int pasH() const;
    int pasV() const;
    // The device position of x millimetres from the left; of y millimetres from the top, every
    // vertical position lying 3 mm lower than its nominal value.
    int Mh(double x) const { return int(pasH() * x); }
    int Mv(double y) const { return int(pasV() * (y + 3)); }
    // The right edge of the printable area, in the print's millimetres.
    double droite() const;

    // The print pattern: the orientation the print needs, the document begun, "Arial" 10, rules
    // 0.2 mm wide.
    void debut(Canevas::Orientation orientation = Canevas::Orientation::Portrait);
    // The document ended and the printer set back to portrait.
    void fin();
    // Sizes are points of the print's own millimetre, a whole number of dots that may be a
    // little shorter than a true one: the texts keep to their lines at any resolution.
    void police(double taille, bool gras = false);
    // Rules `unites` device units wide, and never thinner than 0.2 mm, which a printer of many
    // dots per inch would make a hairline.
    void plume(int unites);

    // The text at x, cut at the right edge of the printable area.
    void texte(double x, double y, const QString& s);
    // The text at x, held before `fin`: cut, or in a smaller font.
    void texte(double x, double y, const QString& s, double fin, Ajuste ajuste = Ajuste::Coupe);
    // The text with its right edge at x, held after `debut` in a smaller font.
    void texteDroite(double x, double y, const QString& s, double debut);
    // The texts of a row, each held up to the next one less a millimetre, the last up to `fin`.
    void rangee(double y, std::vector<Place> places, double fin);
    // The same in device units: the text between `gauche` and `droite`, at the left or the
    // right of that place.
    void place(int gauche, int droite, int y, const QString& s, Ajuste ajuste, bool aDroite);

    // Rules and rectangles, kept within the printable area.
    void ligne(double x1, double y1, double x2, double y2);
    void ligneUnites(int x1, int y1, int x2, int y2);
    void rectangle(double x1, double y1, double x2, double y2);
    // Whether a line at y stays clear of the 20 mm kept free at the bottom of the page.
    bool tient(double y) const;

private:
    // The font of the texts at a size, without changing the size the print asked for.
    void metPolice(double taille);
    // The points of a size on this canvas.
    double echelle() const;

    Canevas& m_canevas;
    double m_taille = 10;
    bool m_gras = false;
};

// The records of a list print: the print dialog's pages stand for block numbers plus one, from
// `de` to `a` (0 for both: every page); the range is clamped to the store's count and the
// numbers without a block are passed over. Each block is found through the store's index.
std::vector<int> blocsDeLaPlage(const Blocs& store, int compte, int de, int a);

// The pages of a list print: the header drawn at once, the first line at 10 mm (or lower, below
// a taller header), 5 mm a line, a new page with its header again when the next line would come
// within 20 mm of the bottom edge. The break is made before a line is drawn, so that no page
// ever holds its header alone; every page starts its lines at the same height.
class PagesListe {
public:
    PagesListe(Cadre& cadre, std::function<void(Cadre&)> entete, double premiereLigne = 10);
    // The position of the next line, after the header and after a page break when needed; with
    // `suivantes`, the break comes as well when the lines after it would not hold on the page,
    // so that they stay with it.
    double ligne(int suivantes = 0);

private:
    Cadre& m_cadre;
    std::function<void(Cadre&)> m_entete;
    double m_premiereLigne;
    double m_y;
};

// The "Mise en page" dialog's choices: the envelope orientation and the guide on the right.
struct MiseEnPage {
    int orientation = 0;
    bool guide = false;

    // The dialog opens on the stored envelope settings; values it cannot show leave its
    // defaults (portrait, not ticked).
    static MiseEnPage depuis(const ValeursIni& v);
    // "OK": the envelope settings take the choices (a guide is 100 mm).
    void applique(ValeursIni& v) const;
};

} // namespace zel
