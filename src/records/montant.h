#pragma once

#include "store/resultat.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace zel {

// An amount as decimal digits, so that it is rounded on the value the user sees: 1,005 is
// rounded from its digits 1, 0, 0, 5, not from the nearest binary value below it.
struct Montant {
    bool negatif = false;
    QString entiers;   // at least one digit
    QString decimales; // possibly empty

    // The shortest decimal writing of a computed value; nothing for an infinity or a
    // not-a-number, which have no digits.
    static std::optional<Montant> depuis(double v);
};

// A text without the blanks around it; most texts have none, and are given back at once.
inline QStringView rogne(QStringView t) {
    return t.isEmpty() || (!t.front().isSpace() && !t.back().isSpace()) ? t : t.trimmed();
}

// A number exactly as it is written in decimal, `unites` / 10^`decimales`: electronic invoices
// are computed on these, so that an amount rounded to the cent is that of the decimal figures,
// never that of a binary value near them. Every operation gives nothing when its result would not
// fit in 18 digits.
struct Decimal {
    qint64 unites = 0;
    int decimales = 0;

    // An amount typed or stored (blanks around it, "," before the decimals).
    static std::optional<Decimal> lu(QStringView texte);
    // The shortest decimal writing of a computed value.
    static std::optional<Decimal> depuis(double v);
    static Decimal centimes(qint64 c) { return {c, 2}; }
    // As XML writes numbers: "12.5", "-0.125", "20"; no trailing zero after the point.
    QString ecrit() const;
    double valeur() const;
    // Equal values, whatever their decimals ("5.50" and "5.5").
    bool vaut(const Decimal& autre) const;
};
std::optional<Decimal> operator+(const Decimal& a, const Decimal& b);
std::optional<Decimal> operator-(const Decimal& a, const Decimal& b);
std::optional<Decimal> operator*(const Decimal& a, const Decimal& b);
// Rounded half away from zero to n decimals (a value with fewer keeps its own).
std::optional<Decimal> arrondi(const Decimal& a, int n);
// a / b rounded half away from zero to n decimals; nothing for b = 0.
std::optional<Decimal> quotient(const Decimal& a, const Decimal& b, int n);
// The value in cents, rounded half away from zero.
std::optional<qint64> enCentimes(const Decimal& a);

// An amount typed or stored: blanks around it are allowed, "," separates the decimals, a
// leading "-" or "+" gives the sign. Nothing for any other text ("1,2,3", "12a", "").
std::optional<Montant> litMontant(QStringView texte);
// The same text as a number to compute with; nothing for a text that is not an amount.
std::optional<double> litNombre(QStringView texte);

// A key typed in a number field: "." becomes ",", the digits, "," and Backspace pass, any other
// key is discarded (nothing).
std::optional<QChar> toucheNombre(QChar c);

// The amount in the pattern "#", "0.0" or "0.00": no thousands separator, "," before the
// decimals, a leading "-" for a negative value, rounded half away from zero; "#" gives a whole
// number and an empty text for zero.
QString formateMontant(const Montant& m, QStringView format);
// A computed value the same way. A computation past the largest number gives an infinity or a
// not-a-number, which is never written: nothing then, and the command that computed it refuses.
std::optional<QString> formateMontant(double v, QStringView format);

// Why a command refuses a value it computed: "« Stock réel » dépasserait le plus grand nombre
// que le programme sait écrire", with what follows the field's label (" de la ligne 2").
QString depasse(const QString& libelle, const QString& precision = {});

// The number of decimals a pattern shows: 2 for "0.00", none for "#".
int decimalesDuFormat(QStringView format);

// Ten to the power n, for n from 0 to 18.
qint64 puissanceDeDix(int n);

// A computed value as formateMontant shows it with so many decimals, as a whole number of its
// last decimal (1.005 with 2 decimals is 101): the shown amounts add up exactly. Nothing for a
// value that is not finite, or too large for its units to be exact (an overflow of quantity
// times price).
std::optional<qint64> unitesAffichees(double v, int decimales);
// Such a whole number written as formateMontant writes the amount it stands for.
QString formateUnites(qint64 unites, QStringView format);

// The text of an amount field reformatted with the pattern: an empty or all-blank text stays
// empty; a text that is not an amount gives a message naming the field, and resultat is left
// as it was.
Resultat reformateMontant(const QString& texte, QStringView format, const QString& champ,
                          QString& resultat);

// Text width in pixels, in the font the text is shown with.
class MesureTexte {
public:
    virtual ~MesureTexte() = default;
    virtual int largeur(const QString& texte) const = 0;
};

// Right alignment by leading blanks: blanks are put in front one at a time until the text is
// wider than the width less 10 pixels. An empty or all-blank text stays empty.
QString Rset(const QString& texte, int largeur, const MesureTexte& mesure);

} // namespace zel
