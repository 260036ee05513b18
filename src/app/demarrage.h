#pragma once

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

} // namespace zel
