#include "app/demarrage.h"

#include <cmath>

namespace zel {

std::vector<Bande> bandesDegrade(int hauteur) {
    constexpr int kDebut = 128;
    constexpr int kFin = 255;
    std::vector<Bande> bandes;
    bandes.reserve(256);
    for (int i = 0; i < 256; ++i) {
        const int bleu = kDebut + static_cast<int>(std::lround(i * (kFin - kDebut) / 255.0));
        bandes.push_back({i * hauteur / 256, (i + 1) * hauteur / 256, bleu});
    }
    return bandes;
}

QString texteHeure(QTime heure) {
    return QStringLiteral("    ") + heure.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace zel
