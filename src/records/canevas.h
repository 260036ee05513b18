#pragma once

#include <QString>

#include <cstdint>

namespace zel {

// A text as paper can show it: a control character, among them the five bytes that
// Windows-1252 leaves undefined (read as the control characters of the same value), would
// vanish on paper; it is printed as "?".
QString imprimable(const QString& texte);

// The drawing surface of every print: the printer in the program, a recorder in the tests.
// Positions and sizes are device units unless the name says millimetres; a font's size is in
// points. Every text is drawn and measured as paper shows it (`imprimable`).
class Canevas {
public:
    enum class Orientation { Portrait, Paysage };

    virtual ~Canevas() = default;
    virtual void orientation(Orientation o) = 0;
    virtual void debutDocument() = 0;
    virtual void finDocument() = 0;
    virtual void nouvellePage() = 0;
    virtual int largeurPage() const = 0;
    virtual int hauteurPage() const = 0;
    virtual double largeurMm() const = 0;
    virtual double hauteurMm() const = 0;
    virtual void police(const QString& nom, double taille, bool gras, bool italique) = 0;
    // The text with its top left corner at x, y.
    void texte(int x, int y, const QString& s) { dessineTexte(x, y, imprimable(s)); }
    int largeurTexte(const QString& s) const { return mesureTexte(imprimable(s)); }
    virtual void deplace(int x, int y) = 0;
    virtual void ligneVers(int x, int y) = 0;
    virtual void epaisseurPlume(int epaisseur) = 0;
    virtual void couleurPinceau(std::uint32_t rgb) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;

protected:
    virtual void dessineTexte(int x, int y, const QString& s) = 0;
    virtual int mesureTexte(const QString& s) const = 0;
};

} // namespace zel
