#pragma once

#include "records/montant.h"
#include "records/reglages.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace zel {

// The seven cells of a line of an invoice or an order.
namespace colonne {
inline constexpr int Ref = 0, Designation = 1, Quantite = 2, Prix = 3, Remise = 4, Montant = 5,
                     Tva = 6;
} // namespace colonne
using LigneDocument = std::array<QString, 7>;
// The same cells read in place, out of a stored line.
using CellulesLues = std::array<QStringView, 7>;

// The totals of a document as shown under its lines: before tax, VAT, the amount including tax
// in the document's currency and converted, each with its caption.
struct Totaux {
    QString ht;
    QString tva;
    QString ttc;
    QString legende;
    QString converti;
    QString legendeConvertie;
    // What could not be computed because it would pass the largest number ("« Montant H.T. »
    // de la ligne 2 dépasserait ..."), the first found; empty when everything was. No total is
    // shown then.
    QString depassement;
};

// The title of the amount column in each price mode.
QString titreMontant(bool modeTTC);

// A document's totals as numbers, before they are shown: before tax, the VAT and including tax,
// in the document's currency.
struct Sommes {
    double ht = 0;
    double tva = 0;
    double ttc = 0;
    // A line whose amount would pass the largest number, counted in no base; empty when none.
    QString depassement;
};

// The totals of lines as Calculef computes them, read from the cells without rewriting them.
Sommes sommesDocument(const std::vector<LigneDocument>& lignes, bool modeTTC, const ValeursIni& v);
// The same on cells read in place, each line's quantity handed back (none when it is empty or
// not a number).
Sommes sommesDocument(std::span<const CellulesLues> lignes, bool modeTTC, const ValeursIni& v,
                      std::vector<std::optional<double>>& quantites);
// The totals as they are shown, with the converted amount and the captions.
Totaux totauxDe(const Sommes& sommes, const Reglages& reglages);

// Computes the line amounts and the totals of a document whose prices exclude tax, or include
// it. Each line with a quantity has its quantity, price and amount cells rewritten (formatted
// and right-aligned) and an empty VAT code set to 1; the first number of a line that cannot be
// read ends its conversions, and a line without a readable VAT code counts in no total. Nothing
// is rounded before it is shown. A line whose amount would pass the largest number keeps its
// cells as they are, and the totals are then left empty (see Totaux::depassement).
Totaux Calculef(std::vector<LigneDocument>& lignes, bool modeTTC, const Reglages& reglages,
                const MesureTexte& mesure);

// The two currency captions of the totals, from the currency setting.
void metLegendes(Totaux& totaux, const ValeursIni& v);

} // namespace zel
