#pragma once

#include <QString>

#include <cstdint>

namespace zel {

// The drawing surface of every print: the printer in the program, a recorder in the tests.
// Positions and sizes are device units unless the name says millimetres.
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
    virtual void police(const QString& nom, int taille, bool gras, bool italique) = 0;
    virtual void texte(int x, int y, const QString& s) = 0;
    virtual int largeurTexte(const QString& s) const = 0;
    virtual void deplace(int x, int y) = 0;
    virtual void ligneVers(int x, int y) = 0;
    virtual void epaisseurPlume(int epaisseur) = 0;
    virtual void couleurPinceau(std::uint32_t rgb) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
};

} // namespace zel
