#include "reports/histogramme.h"

#include <algorithm>
#include <cmath>

namespace zel {
namespace {

constexpr std::uint32_t kBleu = 0x4F81BD;
constexpr std::uint32_t kBlanc = 0xFFFFFF;

} // namespace

void imprimeBarres(Cadre& cadre, const QString& titre, const std::vector<Barre>& barres,
                   const Zone& zone) {
    if (barres.empty())
        return;
    Canevas& c = cadre.canevas();
    cadre.police(10, true);
    const int ligne = std::max(1, (zone.bas - zone.haut) / 16);
    cadre.place(zone.gauche, zone.droite, zone.haut, titre, Ajuste::Coupe, false);
    cadre.police(8);

    const auto plus = std::ranges::max_element(barres, {}, &Barre::valeur);
    const double haut = std::max(0.0, plus->valeur);
    const double bas = std::min(0.0, std::ranges::min_element(barres, {}, &Barre::valeur)->valeur);
    const double etendue = haut - bas > 0 ? haut - bas : 1;
    // The plot: below the title, above the two lines of labels, right of the axis's text.
    const int gauche = zone.gauche + c.largeurTexte(plus->texte) + ligne;
    // The two lines of labels a line below the plot, so that the value under a negative bar
    // that reaches the bottom stays clear of them.
    const int dessus = zone.haut + 2 * ligne;
    const int dessous = zone.bas - 3 * ligne;
    const auto y = [&](double v) {
        return dessous - int(std::lround((v - bas) / etendue * (dessous - dessus)));
    };
    const int zero = y(0);

    const int n = int(barres.size());
    const double place = double(zone.droite - gauche) / n;
    int plusLarge = 1;
    for (const Barre& b : barres) {
        for (const QString& mot : b.libelle.split(u' '))
            plusLarge = std::max(plusLarge, c.largeurTexte(mot));
    }
    const int pas = std::max(1, int(std::ceil((plusLarge + ligne / 2.0) / std::max(1.0, place))));

    for (int i = 0; i < n; ++i) {
        const Barre& b = barres[std::size_t(i)];
        const int milieu = gauche + int(place * (i + 0.5));
        const int demi = std::max(1, int(place * 0.3));
        const int sommet = y(b.valeur);
        if (sommet != zero) {
            c.couleurPinceau(kBleu);
            c.rectangle(milieu - demi, std::min(sommet, zero), milieu + demi,
                        std::max(sommet, zero));
            c.couleurPinceau(kBlanc);
        }
        if (c.largeurTexte(b.texte) < place) {
            const int yTexte = b.valeur < 0 ? sommet + ligne / 4 : sommet - ligne;
            c.texte(milieu - c.largeurTexte(b.texte) / 2, yTexte, b.texte);
        }
        if (i % pas == 0) {
            const QStringList mots = b.libelle.split(u' ');
            for (int m = 0; m < mots.size() && m < 2; ++m) {
                const int largeur = c.largeurTexte(mots[m]);
                // The labels at the ends stay within the zone.
                const int x = std::clamp(milieu - largeur / 2, zone.gauche,
                                         std::max(zone.gauche, zone.droite - largeur));
                cadre.place(x, zone.droite, dessous + ligne + m * ligne, mots[m], Ajuste::Coupe,
                            false);
            }
        }
    }
    cadre.ligneUnites(gauche, dessus, gauche, dessous);
    cadre.ligneUnites(gauche, zero, zone.droite, zero);
    if (plus->valeur > 0)
        c.texte(zone.gauche, y(haut) - ligne / 2, plus->texte);
    c.texte(gauche - c.largeurTexte(QStringLiteral("0")) - ligne / 2, zero - ligne / 2,
            QStringLiteral("0"));
    cadre.police(10);
}

} // namespace zel
