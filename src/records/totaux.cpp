#include "records/totaux.h"

#include <algorithm>
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

// The VAT code of a "T" cell: an empty one is code 1, a number outside 1 to 3 counts as 1; 0 for
// a text that is no number. A code is one digit; anything else is read as a whole number.
int codeTva(QStringView cellule) {
    const QStringView texte = cellule.isEmpty() ? QStringView(u"1") : rogne(cellule);
    bool ok = true;
    const int code = texte.size() == 1 && texte[0] >= u'0' && texte[0] <= u'9'
                         ? texte[0].unicode() - u'0'
                         : texte.toInt(&ok);
    if (!ok)
        return 0;
    return code < 1 || code > 3 ? 1 : code;
}

// The numbers of a line's cells, each read by `lit` (the price by `litPrix`), in this order:
// the quantity, the price when its text is not empty, the VAT code, the discount when its text is
// not empty. The first that cannot be read ends them; those not read stay 0 (an unreadable
// discount too).
template <typename Nombre> struct NombresLus {
    std::optional<Nombre> quantite;
    // The quantity and the price were read.
    bool prixLu = false;
    Nombre prix{};
    int code = 0;
    Nombre remise{};
};

template <typename Nombre, typename Cellules, typename Lit, typename LitPrix>
NombresLus<Nombre> litCellules(const Cellules& cellules, const Lit& lit, const LitPrix& litPrix) {
    namespace C = colonne;
    NombresLus<Nombre> l;
    l.quantite = lit(QStringView(cellules[C::Quantite]));
    if (!l.quantite)
        return l;
    if (const QStringView prix = rogne(cellules[C::Prix]); !prix.isEmpty()) {
        const std::optional<Nombre> p = litPrix(prix);
        if (!p)
            return l;
        l.prix = *p;
    }
    l.prixLu = true;
    l.code = codeTva(cellules[C::Tva]);
    if (l.code == 0)
        return l;
    if (const QStringView remise = rogne(cellules[C::Remise]); !remise.isEmpty())
        l.remise = lit(remise).value_or(Nombre{});
    return l;
}

template <typename Cellules> LigneLue litLigne(const Cellules& cellules) {
    const auto lit = [](QStringView texte) { return litNombre(texte); };
    const NombresLus<double> c = litCellules<double>(cellules, lit, lit);
    const double brut = c.quantite.value_or(0) * c.prix;
    return {c.quantite, c.prixLu, c.prix, c.code, brut - brut * c.remise * 0.01};
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

// A line read the EN 16931 way: the same steps as litLigne on decimal figures, the price rounded
// to the cent as it is shown. Nothing when a figure read would pass 18 digits.
template <typename Cellules> std::optional<LigneEn16931> litLigneEn16931(const Cellules& cellules) {
    // A figure that reads as a number but not in 18 digits cannot be computed to the cent.
    bool deborde = false;
    const auto lit = [&deborde](QStringView texte) -> std::optional<Decimal> {
        std::optional<Decimal> d = Decimal::lu(texte);
        deborde = deborde || (!d && litNombre(texte));
        return d;
    };
    const auto litPrix = [&lit](QStringView texte) -> std::optional<Decimal> {
        const std::optional<Decimal> p = lit(texte);
        return p ? arrondi(*p, 2) : std::nullopt;
    };
    const NombresLus<Decimal> c = litCellules<Decimal>(cellules, lit, litPrix);
    if (deborde)
        return std::nullopt;
    LigneEn16931 l;
    l.code = c.code;
    l.prixLu = c.prixLu;
    l.quantite = c.quantite.value_or(Decimal{});
    l.prix = c.prix;
    l.remise = c.remise;
    return l;
}

// The amount of a line, rounded to the cent: quantity x price less the discount.
std::optional<qint64> montantEn16931(const LigneEn16931& l) {
    const std::optional<Decimal> reste = Decimal{100, 0} - l.remise;
    const std::optional<Decimal> brut = l.quantite * l.prix;
    const std::optional<Decimal> net = brut && reste ? *brut * *reste : std::nullopt;
    // The discount is in percent: the product is a hundred times the amount.
    return net ? enCentimes(Decimal{net->unites, net->decimales + 2}) : std::nullopt;
}

// An amount including tax taken back before tax at a rate, rounded to the cent.
std::optional<qint64> horsTaxe(qint64 centimes, const Decimal& taux) {
    const std::optional<Decimal> diviseur = Decimal{100, 0} + taux;
    const std::optional<Decimal> ht =
        diviseur ? quotient(Decimal{centimes, 0}, *diviseur, 2) : std::nullopt;
    return ht ? enCentimes(*ht) : std::nullopt;
}

// The VAT of a base at a rate in percent, rounded to the cent.
std::optional<qint64> tvaDe(qint64 base, const Decimal& taux) {
    const std::optional<Decimal> p = Decimal::centimes(base) * taux;
    return p ? enCentimes(Decimal{p->unites, p->decimales + 2}) : std::nullopt;
}

bool ajoute(qint64& total, qint64 montant) {
    return !__builtin_add_overflow(total, montant, &total);
}

Sommes sommesEn16931(const CalculEn16931& c) {
    Sommes s;
    s.depassement = c.depassement;
    if (s.depassement.isEmpty()) {
        s.ht = double(c.ht) / 100;
        s.tva = double(c.tva) / 100;
        s.ttc = double(c.ttc) / 100;
    }
    return s;
}

} // namespace

QString titreMontant(bool modeTTC) {
    return modeTTC ? QStringLiteral("Montant TTC") : QStringLiteral("Montant H.T.");
}

namespace {

template <typename Lignes>
CalculEn16931 calculDe(const Lignes& lignes, bool modeTTC, const ValeursIni& v) {
    CalculEn16931 c;
    for (std::size_t i = 0; i < 3; ++i) {
        const Decimal taux = Decimal::depuis(v.tauxTva[i]).value_or(Decimal{});
        const auto meme = std::find_if(c.taux.begin(), c.taux.end(),
                                       [&taux](const TauxEn16931& t) { return t.taux.vaut(taux); });
        c.rangTaux[i] = int(meme - c.taux.begin());
        if (meme == c.taux.end())
            c.taux.push_back({taux});
    }
    int rangee = 0;
    for (const auto& cellules : lignes) {
        ++rangee;
        if (rogne(cellules[colonne::Quantite]).isEmpty())
            continue;
        std::optional<LigneEn16931> l = litLigneEn16931(cellules);
        std::optional<qint64> montant = l ? montantEn16931(*l) : std::nullopt;
        std::optional<qint64> ht = montant;
        if (montant && modeTTC && l->code > 0)
            ht = horsTaxe(*montant, c.tauxDuCode(l->code).taux);
        if (l && ht && l->code > 0) {
            TauxEn16931& t = c.taux[std::size_t(c.rangTaux[std::size_t(l->code - 1)])];
            ++t.lignes;
            if (!ajoute(t.base, *ht))
                ht.reset();
        }
        if (!ht) {
            if (c.depassement.isEmpty())
                c.depassement =
                    depasse(titreMontant(modeTTC), QStringLiteral(" de la ligne %1").arg(rangee));
            continue;
        }
        l->rangee = rangee;
        l->montant = *montant;
        l->ht = *ht;
        c.lignes.push_back(*l);
    }
    bool ok = true;
    for (TauxEn16931& t : c.taux) {
        const std::optional<qint64> tva = tvaDe(t.base, t.taux);
        t.tva = tva.value_or(0);
        ok = ok && tva && ajoute(c.ht, t.base) && ajoute(c.tva, t.tva);
    }
    c.ttc = c.ht;
    if ((!ok || !ajoute(c.ttc, c.tva)) && c.depassement.isEmpty())
        c.depassement = depasse(QStringLiteral("TOTAL TTC"));
    return c;
}

} // namespace

CalculEn16931 calculEn16931(const std::vector<LigneDocument>& lignes, bool modeTTC,
                            const ValeursIni& v) {
    return calculDe(lignes, modeTTC, v);
}

Sommes sommesDocument(const std::vector<LigneDocument>& lignes, bool modeTTC, const ValeursIni& v) {
    if (v.facturesElectroniques)
        return sommesEn16931(calculEn16931(lignes, modeTTC, v));
    return sommesDesBases(bases(lignes, modeTTC, [](const LigneDocument&, const LigneLue&) {}),
                          modeTTC, v);
}

Sommes sommesDocument(std::span<const CellulesLues> lignes, bool modeTTC, const ValeursIni& v,
                      std::vector<std::optional<double>>& quantites) {
    quantites.assign(lignes.size(), std::nullopt);
    if (v.facturesElectroniques) {
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            if (!rogne(lignes[i][colonne::Quantite]).isEmpty())
                quantites[i] = litNombre(lignes[i][colonne::Quantite]);
        }
        return sommesEn16931(calculDe(lignes, modeTTC, v));
    }
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
    // A price read is a number, and an amount counted is one.
    const auto reecrit = [&](LigneDocument& cellules, bool prixLu, double prix, double montant) {
        if (prixLu) {
            cellules[C::Prix] = Rset(*formateMontant(prix, format), kLargeurMontant, mesure);
            cellules[C::Quantite] = Rset(cellules[C::Quantite].trimmed(), kLargeurQuantite, mesure);
            if (cellules[C::Tva].isEmpty())
                cellules[C::Tva] = QStringLiteral("1");
        }
        cellules[C::Montant] = Rset(*formateMontant(montant, format), kLargeurMontant, mesure);
    };
    if (reglages.ini.facturesElectroniques) {
        const CalculEn16931 c = calculEn16931(lignes, modeTTC, reglages.ini);
        for (const LigneEn16931& l : c.lignes)
            reecrit(lignes[std::size_t(l.rangee - 1)], l.prixLu, l.prix.valeur(),
                    double(l.montant) / 100);
        return totauxDe(sommesEn16931(c), reglages);
    }
    const Bases b = bases(lignes, modeTTC, [&](LigneDocument& cellules, const LigneLue& l) {
        reecrit(cellules, l.prixLu, l.prix, l.montant);
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
