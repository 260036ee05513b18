#pragma once

#include <QString>
#include <QTime>

#include <vector>

namespace zel {

// One horizontal band of the splash window's gradient.
struct Bande {
    int haut;
    int bas; // excluded
    int bleu;
};

// The 256 bands that fill a splash window of the given height, from blue 128 to blue 255.
std::vector<Bande> bandesDegrade(int hauteur);

// The time panel of the status bar: four blanks and the time as hours, minutes and seconds,
// the long time format of a French desktop (the zone name Qt adds to it is left out).
QString texteHeure(QTime heure);

} // namespace zel
