#include "records/totaux.h"

namespace zel {
namespace {

constexpr int kLargeurQuantite = 80;
constexpr int kLargeurMontant = 90;

// The amount of a line counts in the base of its VAT code, 1 to 3; nothing when the code was
// not read.
struct Ligne {
    double montant = 0;
    int code = 0;
};

Ligne calculeLigne(LigneDocument& cellules, const QString& format, const MesureTexte& mesure) {
    namespace C = colonne;
    Ligne l;
    const QString quantiteTexte = cellules[C::Quantite].trimmed();
    const QString prixTexte = cellules[C::Prix].trimmed();
    double quantite = 0;
    double prix = 0;
    double remise = 0;
    // Each step needs the ones before it: the first text that is not a number ends them.
    [&] {
        const std::optional<double> q = litNombre(quantiteTexte);
        if (!q)
            return;
        quantite = *q;
        if (!prixTexte.isEmpty()) {
            const std::optional<double> p = litNombre(prixTexte);
            if (!p)
                return;
            prix = *p;
        }
        cellules[C::Prix] = Rset(formateMontant(prix, format), kLargeurMontant, mesure);
        cellules[C::Quantite] = Rset(quantiteTexte, kLargeurQuantite, mesure);
        if (cellules[C::Tva].isEmpty())
            cellules[C::Tva] = QStringLiteral("1");
        bool ok = false;
        const int code = cellules[C::Tva].trimmed().toInt(&ok);
        if (!ok)
            return;
        l.code = code < 1 || code > 3 ? 1 : code;
        const QString remiseTexte = cellules[C::Remise].trimmed();
        if (!remiseTexte.isEmpty()) {
            if (const std::optional<double> r = litNombre(remiseTexte))
                remise = *r;
        }
    }();
    const double brut = quantite * prix;
    l.montant = brut - brut * remise * 0.01;
    cellules[C::Montant] = Rset(formateMontant(l.montant, format), kLargeurMontant, mesure);
    return l;
}

} // namespace

QString titreMontant(bool modeTTC) {
    return modeTTC ? QStringLiteral("Montant TTC") : QStringLiteral("Montant H.T.");
}

Totaux Calculef(std::vector<LigneDocument>& lignes, bool modeTTC, const Reglages& reglages,
                const MesureTexte& mesure) {
    const QString& format = reglages.formatMontant;
    const ValeursIni& v = reglages.ini;
    std::array<double, 3> bases{};
    for (LigneDocument& cellules : lignes) {
        if (cellules[colonne::Quantite].trimmed().isEmpty())
            continue;
        const Ligne l = calculeLigne(cellules, format, mesure);
        if (l.code > 0)
            bases[std::size_t(l.code - 1)] += l.montant;
    }
    std::array<double, 3> tva{};
    double ht = 0;
    double ttc = 0;
    if (modeTTC) {
        for (std::size_t i = 0; i < 3; ++i)
            tva[i] = bases[i] - bases[i] / (v.tauxTva[i] * 0.01 + 1);
        ht = bases[0] + bases[1] + bases[2] - tva[0] - tva[1] - tva[2];
        ttc = bases[0] + bases[1] + bases[2];
    } else {
        for (std::size_t i = 0; i < 3; ++i)
            tva[i] = bases[i] * v.tauxTva[i] * 0.01;
        ht = (bases[0] + bases[1]) + bases[2];
        ttc = bases[0] + bases[1] + bases[2] + tva[0] + tva[1] + tva[2];
    }
    Totaux t;
    t.ht = formateMontant(ht, format);
    t.tva = formateMontant((tva[0] + tva[1]) + tva[2], format);
    t.ttc = formateMontant(ttc, format);
    metLegendes(t, v);
    if (v.modeDevise == 1)
        t.converti = formateMontant(ttc * v.tauxEuro, format);
    // Francs: a rate of zero gives no converted amount rather than a division by zero.
    else if (v.modeDevise != 2 && v.tauxEuro != 0)
        t.converti = formateMontant(ttc / v.tauxEuro, format);
    return t;
}

void metLegendes(Totaux& totaux, const ValeursIni& v) {
    switch (v.modeDevise) {
    case 1:
        totaux.legende = QStringLiteral("Euros");
        totaux.legendeConvertie = QStringLiteral("Francs");
        break;
    case 2:
        totaux.legende = v.nomDevise;
        totaux.legendeConvertie.clear();
        break;
    default:
        totaux.legende = QStringLiteral("Francs");
        totaux.legendeConvertie = QStringLiteral("Euros");
        break;
    }
}

} // namespace zel
