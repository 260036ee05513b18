#include "records/totaux.h"

#include <cmath>

namespace zel {
namespace {

constexpr int kLargeurQuantite = 80;
constexpr int kLargeurMontant = 90;

// What a line's cells give. Each step needs the ones before it: the first text that is not a
// number ends them. The amount counts in the base of its VAT code, 1 to 3; nowhere when the code
// was not read.
struct LigneLue {
    std::optional<double> quantite;
    // The quantity and the price were read: the line's cells are rewritten.
    bool prixLu = false;
    double prix = 0;
    int code = 0;
    double montant = 0;
};

template <typename Cellules> LigneLue litLigne(const Cellules& cellules) {
    namespace C = colonne;
    LigneLue l;
    double remise = 0;
    [&] {
        l.quantite = litNombre(QStringView(cellules[C::Quantite]));
        if (!l.quantite)
            return;
        if (const QStringView prixTexte = rogne(cellules[C::Prix]); !prixTexte.isEmpty()) {
            const std::optional<double> p = litNombre(prixTexte);
            if (!p)
                return;
            l.prix = *p;
        }
        l.prixLu = true;
        // An empty code is code 1.
        const QStringView codeTexte =
            cellules[C::Tva].isEmpty() ? QStringView(u"1") : rogne(cellules[C::Tva]);
        bool ok = true;
        // A code is one digit; anything else is read as a whole number.
        const int code = codeTexte.size() == 1 && codeTexte[0] >= u'0' && codeTexte[0] <= u'9'
                             ? codeTexte[0].unicode() - u'0'
                             : codeTexte.toInt(&ok);
        if (!ok)
            return;
        l.code = code < 1 || code > 3 ? 1 : code;
        if (const QStringView remiseTexte = rogne(cellules[C::Remise]); !remiseTexte.isEmpty())
            remise = litNombre(remiseTexte).value_or(0);
    }();
    const double brut = l.quantite.value_or(0) * l.prix;
    l.montant = brut - brut * remise * 0.01;
    return l;
}

// The three VAT bases of a document's lines (the amounts of each code added up), each line with
// a quantity handed on with what it gave once it is counted. A line whose amount would pass the
// largest number is neither counted nor handed on.
struct Bases {
    std::array<double, 3> montants{};
    QString depassement;
};

template <typename Lignes, typename Ensuite>
Bases bases(Lignes& lignes, bool modeTTC, Ensuite ensuite) {
    Bases b;
    int rangee = 0;
    for (auto& cellules : lignes) {
        ++rangee;
        if (rogne(cellules[colonne::Quantite]).isEmpty())
            continue;
        const LigneLue l = litLigne(cellules);
        if (!std::isfinite(l.montant)) {
            if (b.depassement.isEmpty())
                b.depassement =
                    depasse(titreMontant(modeTTC), QStringLiteral(" de la ligne %1").arg(rangee));
            continue;
        }
        if (l.code > 0)
            b.montants[std::size_t(l.code - 1)] += l.montant;
        ensuite(cellules, l);
    }
    return b;
}

// In prices including tax, the VAT is taken out of each base; otherwise it is added at each
// rate.
Sommes sommesDesBases(const Bases& b, bool modeTTC, const ValeursIni& v) {
    const std::array<double, 3>& bases = b.montants;
    std::array<double, 3> tva{};
    Sommes s;
    s.depassement = b.depassement;
    if (modeTTC) {
        for (std::size_t i = 0; i < 3; ++i)
            tva[i] = bases[i] - bases[i] / (v.tauxTva[i] * 0.01 + 1);
        s.ht = bases[0] + bases[1] + bases[2] - tva[0] - tva[1] - tva[2];
        s.ttc = bases[0] + bases[1] + bases[2];
    } else {
        for (std::size_t i = 0; i < 3; ++i)
            tva[i] = bases[i] * v.tauxTva[i] * 0.01;
        s.ht = (bases[0] + bases[1]) + bases[2];
        s.ttc = bases[0] + bases[1] + bases[2] + tva[0] + tva[1] + tva[2];
    }
    s.tva = (tva[0] + tva[1]) + tva[2];
    return s;
}

} // namespace

QString titreMontant(bool modeTTC) {
    return modeTTC ? QStringLiteral("Montant TTC") : QStringLiteral("Montant H.T.");
}

Sommes sommesDocument(const std::vector<LigneDocument>& lignes, bool modeTTC, const ValeursIni& v) {
    return sommesDesBases(bases(lignes, modeTTC, [](const LigneDocument&, const LigneLue&) {}),
                          modeTTC, v);
}

Sommes sommesDocument(std::span<const CellulesLues> lignes, bool modeTTC, const ValeursIni& v,
                      std::vector<std::optional<double>>& quantites) {
    quantites.assign(lignes.size(), std::nullopt);
    return sommesDesBases(bases(lignes, modeTTC,
                                [&](const CellulesLues& cellules, const LigneLue& l) {
                                    quantites[std::size_t(&cellules - lignes.data())] = l.quantite;
                                }),
                          modeTTC, v);
}

Totaux totauxDe(const Sommes& s, const Reglages& reglages) {
    const QString& format = reglages.formatMontant;
    const ValeursIni& v = reglages.ini;
    Totaux t;
    metLegendes(t, v);
    t.depassement = s.depassement;
    // Each total as shown, the first that cannot be written leaving every one empty.
    const auto montre = [&](QString& champ, double valeur, const QString& libelle,
                            const QString& precision = {}) {
        if (!t.depassement.isEmpty())
            return;
        if (const std::optional<QString> texte = formateMontant(valeur, format))
            champ = *texte;
        else
            t.depassement = depasse(libelle, precision);
    };
    montre(t.ht, s.ht, QStringLiteral("Total H.T."));
    montre(t.tva, s.tva, QStringLiteral("Total TVA"));
    montre(t.ttc, s.ttc, QStringLiteral("TOTAL TTC"));
    const QString enConverti = QStringLiteral(" en ") + t.legendeConvertie;
    if (v.modeDevise == 1)
        montre(t.converti, s.ttc * v.tauxEuro, QStringLiteral("TOTAL TTC"), enConverti);
    // Francs: a rate of zero gives no converted amount rather than a division by zero.
    else if (v.modeDevise != 2 && v.tauxEuro != 0)
        montre(t.converti, s.ttc / v.tauxEuro, QStringLiteral("TOTAL TTC"), enConverti);
    if (!t.depassement.isEmpty())
        t.ht = t.tva = t.ttc = t.converti = QString();
    return t;
}

Totaux Calculef(std::vector<LigneDocument>& lignes, bool modeTTC, const Reglages& reglages,
                const MesureTexte& mesure) {
    namespace C = colonne;
    const QString& format = reglages.formatMontant;
    const Bases b = bases(lignes, modeTTC, [&](LigneDocument& cellules, const LigneLue& l) {
        // A price read is a number, and an amount counted is one.
        if (l.prixLu) {
            cellules[C::Prix] = Rset(*formateMontant(l.prix, format), kLargeurMontant, mesure);
            cellules[C::Quantite] = Rset(cellules[C::Quantite].trimmed(), kLargeurQuantite, mesure);
            if (cellules[C::Tva].isEmpty())
                cellules[C::Tva] = QStringLiteral("1");
        }
        cellules[C::Montant] = Rset(*formateMontant(l.montant, format), kLargeurMontant, mesure);
    });
    return totauxDe(sommesDesBases(b, modeTTC, reglages.ini), reglages);
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
