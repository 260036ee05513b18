#pragma once

#include "records/canevas.h"
#include "records/reglages.h"
#include "store/blocs.h"

#include <functional>
#include <vector>

namespace zel {

// The print frame every print draws through: positions in millimetres turned into device units,
// the one print pattern (orientation, document, "Arial" 10, back to portrait), and texts placed
// by their top left corner or their right edge.
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

    // The print pattern: the orientation the print needs, the document begun, "Arial" 10.
    void debut(Canevas::Orientation orientation = Canevas::Orientation::Portrait);
    // The document ended and the printer set back to portrait.
    void fin();
    void police(int taille, bool gras = false);
    void texte(double x, double y, const QString& s);
    // The text with its right edge at x.
    void texteDroite(double x, double y, const QString& s);
    // The text cut, at its end, so that it holds within `largeur` millimetres.
    void texteCoupe(double x, double y, double largeur, const QString& s);
    void ligne(double x1, double y1, double x2, double y2);
    void rectangle(double x1, double y1, double x2, double y2);
    // Whether a line at y stays clear of the 20 mm kept free at the bottom of the page.
    bool tient(double y) const;

private:
    Canevas& m_canevas;
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
    // The position of the next line, after the header and after a page break when needed.
    double ligne();

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
