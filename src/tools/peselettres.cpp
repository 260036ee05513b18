#include "tools/peselettres.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace zel::outils {

namespace {

// Weight per item in tenths of a gram, in the order of the window's fields.
constexpr std::array<int, PeseLettres::NombreArticles> PoidsArticles = {
    32,  45,  75,  146,      // plain envelopes
    160, 204, 250, 293, 375, // padded envelopes
    50,  100, 25,  14,       // sheets and cheque
    190, 150, 222, 920, 860, // computer media
    36,  60};                // photos

struct Tranche {
    int jusqua; // grams, bound included
    double francs;
};

constexpr Tranche Rapide[] = {{20, 3.00},   {50, 4.50},    {100, 6.70},   {250, 11.50},
                              {500, 16.00}, {1000, 21.00}, {2000, 28.00}, {3000, 33.00}};
constexpr Tranche Ecopli[] = {{20, 2.70}, {50, 3.50}, {100, 4.20}, {250, 8.00}};
constexpr Tranche Europe[] = {{20, 3.00},   {40, 4.60},   {60, 6.00},   {80, 7.00},
                              {100, 8.00},  {200, 18.00}, {300, 28.00}, {400, 32.00},
                              {500, 35.00}, {750, 47.00}, {1000, 56.00}};

std::span<const Tranche> tranches(PeseLettres::Tarif tarif) {
    switch (tarif) {
    case PeseLettres::Tarif::FranceRapide:
        return Rapide;
    case PeseLettres::Tarif::FranceEcopli:
        return Ecopli;
    case PeseLettres::Tarif::UnionEuropeenne:
        return Europe;
    }
    return {};
}

constexpr double FrancsParEuro = 6.55957;

QString avecVirgule(double valeur, int decimales) {
    return QString::number(valeur, 'f', decimales).replace(u'.', u',');
}

} // namespace

void PeseLettres::setCompte(int article, int compte) {
    if (article >= 0 && article < NombreArticles)
        m_comptes[static_cast<std::size_t>(article)] = std::clamp(compte, 0, CompteMax);
}

void PeseLettres::setSupplement(int grammes) {
    m_supplement = std::clamp(grammes, 0, CompteMax);
}

int PeseLettres::dixiemes() const {
    int total = m_supplement * 10;
    for (std::size_t i = 0; i < m_comptes.size(); ++i)
        total += m_comptes[i] * PoidsArticles[i];
    return total;
}

double PeseLettres::poids() const {
    return dixiemes() / 10.0;
}

double PeseLettres::prixFrancs() const {
    const int d = dixiemes();
    for (const Tranche& t : tranches(m_tarif)) {
        if (d <= t.jusqua * 10)
            return t.francs;
    }
    return 0; // heavier than the tariff's last band
}

QString PeseLettres::textePoids() const {
    // Halves go up, as the weight is never negative.
    return QString::number((dixiemes() + 5) / 10) + QStringLiteral(" g");
}

QString PeseLettres::texteFrancs() const {
    return avecVirgule(prixFrancs(), 2) + QStringLiteral(" F");
}

QString PeseLettres::texteEuros() const {
    return avecVirgule(prixFrancs() / FrancsParEuro, 2) + QStringLiteral(" E");
}

} // namespace zel::outils
