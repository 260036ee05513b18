#pragma once

#include "records/cadre.h"
#include "reports/tableau.h"

namespace zel {

// A part of a page, in device units.
struct Zone {
    int gauche = 0;
    int haut = 0;
    int droite = 0;
    int bas = 0;
};

// A bar chart drawn in the zone: its title in bold at the top, an axis on the left with the
// largest value's text at its level, a line at zero, and one filled bar per value (below the
// line for a negative one), its label under the chart in two lines ("déc." over "2026") and its
// value's text above it (under it for a negative one) when there is room, clear of the labels.
// Labels too wide for their place are written every second, third... bar. Nothing is drawn
// without bars.
void imprimeBarres(Cadre& cadre, const QString& titre, const std::vector<Barre>& barres,
                   const Zone& zone);

} // namespace zel
