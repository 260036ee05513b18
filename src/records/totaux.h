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

// A line of a document computed as an electronic invoice is (EN 16931). Amounts in cents.
struct LigneEn16931 {
    // Its row, from 1, and its VAT code, 1 to 3 (0 when the code could not be read: the line
    // then counts in no total).
    int rangee = 0;
    int code = 0;
    // The quantity and the price were read: the line's cells are rewritten.
    bool prixLu = false;
    Decimal quantite;
    // The price as shown: rounded to the cent, in the document's price mode.
    Decimal prix;
    // The discount in percent; 0 without one.
    Decimal remise;
    // The line amount as shown (including tax in prices including tax), rounded to the cent;
    // and before tax.
    qint64 montant = 0;
    qint64 ht = 0;
};

// The lines of one VAT rate, however many codes share it.
struct TauxEn16931 {
    Decimal taux;
    qint64 base = 0;
    qint64 tva = 0;
    // How many lines count at it.
    int lignes = 0;
};

// A document computed as an electronic invoice is: each line's amount rounded to the cent before
// it is added (in prices including tax, its amount before tax derived from it and rounded), the
// VAT of each rate computed on its rounded base and rounded, TTC = H.T. + TVA.
struct CalculEn16931 {
    // The lines that have a quantity, in row order.
    std::vector<LigneEn16931> lignes;
    // The distinct rates of the three codes, in code order.
    std::vector<TauxEn16931> taux;
    qint64 ht = 0;
    qint64 tva = 0;
    qint64 ttc = 0;
    // A line or a total past 18 digits: the first found, and nothing is shown then.
    QString depassement;

    // The rate a VAT code counts at.
    const TauxEn16931& tauxDuCode(int code) const { return taux[std::size_t(rangTaux[code - 1])]; }
    std::array<int, 3> rangTaux{};
};
CalculEn16931 calculEn16931(const std::vector<LigneDocument>& lignes, bool modeTTC,
                            const ValeursIni& v);

// The totals of lines as Calculef computes them (the EN 16931 way when the settings ask for
// electronic invoices), read from the cells without rewriting them.
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
// is rounded before it is shown, unless the settings ask for electronic invoices: the document
// is then computed as calculEn16931 does, from the prices as shown. A line whose amount would
// pass the largest number keeps its cells as they are, and the totals are then left empty (see
// Totaux::depassement).
Totaux Calculef(std::vector<LigneDocument>& lignes, bool modeTTC, const Reglages& reglages,
                const MesureTexte& mesure);

// The two currency captions of the totals, from the currency setting.
void metLegendes(Totaux& totaux, const ValeursIni& v);

} // namespace zel
