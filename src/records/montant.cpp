#include "records/montant.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zel {
namespace {

bool estChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

int decimalesDuFormat(QStringView format) {
    const qsizetype point = format.indexOf(u'.');
    return point < 0 ? 0 : int(format.size() - point - 1);
}

// Adds one to the last digit of a string of digits, carrying leftwards; "99" becomes "100".
QString plusUn(QString chiffres) {
    for (qsizetype i = chiffres.size() - 1; i >= 0; --i) {
        if (chiffres[i] != u'9') {
            chiffres[i] = QChar(chiffres[i].unicode() + 1);
            return chiffres;
        }
        chiffres[i] = u'0';
    }
    return u'1' + chiffres;
}

QString sansZerosDeTete(const QString& chiffres) {
    qsizetype i = 0;
    while (i + 1 < chiffres.size() && chiffres[i] == u'0')
        ++i;
    return chiffres.mid(i);
}

} // namespace

std::optional<Montant> Montant::depuis(double v) {
    if (!std::isfinite(v))
        return std::nullopt;
    const QString t = QString::number(v, 'f', QLocale::FloatingPointShortest);
    Montant m;
    QStringView reste(t);
    if (reste.startsWith(u'-')) {
        m.negatif = true;
        reste = reste.mid(1);
    }
    const qsizetype point = reste.indexOf(u'.');
    m.entiers = (point < 0 ? reste : reste.left(point)).toString();
    if (point >= 0)
        m.decimales = reste.mid(point + 1).toString();
    return m;
}

std::optional<Montant> litMontant(QStringView texte) {
    QStringView t = texte.trimmed();
    Montant m;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        m.negatif = t.front() == u'-';
        t = t.mid(1);
    }
    const qsizetype virgule = t.indexOf(u',');
    const QStringView entiers = virgule < 0 ? t : t.left(virgule);
    const QStringView decimales = virgule < 0 ? QStringView() : t.mid(virgule + 1);
    if (entiers.isEmpty() && decimales.isEmpty())
        return std::nullopt;
    for (const QStringView partie : {entiers, decimales}) {
        for (const QChar c : partie) {
            if (!estChiffre(c))
                return std::nullopt;
        }
    }
    m.entiers = entiers.isEmpty() ? QStringLiteral("0") : entiers.toString();
    m.decimales = decimales.toString();
    return m;
}

std::optional<double> litNombre(QStringView texte) {
    // The same rules as litMontant, read without building texts: amounts are read by the
    // hundred thousand in the statistics.
    QStringView t = texte.trimmed();
    const bool negatif = t.startsWith(u'-');
    if (negatif || t.startsWith(u'+'))
        t = t.mid(1);
    std::string chiffres;
    chiffres.reserve(std::size_t(t.size()) + 3);
    bool virgule = false;
    for (const QChar c : t) {
        if (c == u',' && !virgule) {
            virgule = true;
            chiffres += '.';
        } else if (estChiffre(c)) {
            chiffres += char(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (chiffres.empty() || chiffres == ".")
        return std::nullopt;
    if (chiffres.front() == '.')
        chiffres.insert(chiffres.begin(), '0');
    if (chiffres.back() == '.')
        chiffres += '0';
    double v = 0;
    const auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(),
                                               v, std::chars_format::fixed);
    if (erreur != std::errc() || fin != chiffres.data() + chiffres.size() || !std::isfinite(v))
        return std::nullopt;
    return negatif ? -v : v;
}

std::optional<QChar> toucheNombre(QChar c) {
    if (c == u'.')
        return QChar(u',');
    if (c == u'\b' || c == u',' || estChiffre(c))
        return c;
    return std::nullopt;
}

QString formateMontant(const Montant& m, QStringView format) {
    const int n = decimalesDuFormat(format);
    QString chiffres = m.entiers + m.decimales.left(n).leftJustified(n, u'0');
    if (m.decimales.size() > n && m.decimales[n] >= u'5')
        chiffres = plusUn(chiffres);
    chiffres = sansZerosDeTete(chiffres).rightJustified(n + 1, u'0');
    const bool zero = chiffres.count(u'0') == chiffres.size();
    if (zero && format == u"#")
        return {};
    QString texte =
        n == 0 ? chiffres : chiffres.left(chiffres.size() - n) + u',' + chiffres.right(n);
    if (m.negatif && !zero)
        texte.prepend(u'-');
    return texte;
}

std::optional<QString> formateMontant(double v, QStringView format) {
    const std::optional<Montant> m = Montant::depuis(v);
    if (!m)
        return std::nullopt;
    return formateMontant(*m, format);
}

namespace {

constexpr int kChiffresDecimal = 18;

std::optional<qint64> puissanceDeDix(int n) {
    if (n < 0 || n > kChiffresDecimal)
        return std::nullopt;
    qint64 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Both values with the same number of decimals, the larger of the two.
std::optional<std::pair<Decimal, Decimal>> aligne(Decimal a, Decimal b) {
    Decimal* moins = a.decimales < b.decimales ? &a : &b;
    const int ecart = std::abs(a.decimales - b.decimales);
    const std::optional<qint64> p = puissanceDeDix(ecart);
    if (!p || __builtin_mul_overflow(moins->unites, *p, &moins->unites))
        return std::nullopt;
    moins->decimales += ecart;
    return std::pair{a, b};
}

// n / d rounded half away from zero (d > 0).
qint64 divisionArrondie(qint64 n, qint64 d) {
    const qint64 q = n / d;
    const qint64 r = n % d;
    // |r| >= d - |r| compares twice the remainder with the divisor without overflowing.
    if (std::abs(r) >= d - std::abs(r))
        return n < 0 ? q - 1 : q + 1;
    return q;
}

std::optional<Decimal> depuisChiffres(bool negatif, QStringView entiers, QStringView decimales) {
    qint64 unites = 0;
    int chiffres = 0;
    for (const QStringView partie : {entiers, decimales}) {
        for (const QChar c : partie) {
            if (!estChiffre(c))
                return std::nullopt;
            const int chiffre = c.unicode() - u'0';
            // Leading zeros take no room.
            if (unites == 0 && chiffre == 0)
                continue;
            if (++chiffres > kChiffresDecimal)
                return std::nullopt;
            unites = unites * 10 + chiffre;
        }
    }
    return Decimal{negatif ? -unites : unites, int(decimales.size())};
}

} // namespace

std::optional<Decimal> Decimal::lu(QStringView texte) {
    const std::optional<Montant> m = litMontant(texte);
    if (!m)
        return std::nullopt;
    // Trailing zeros after the point change nothing.
    QStringView decimales(m->decimales);
    while (decimales.endsWith(u'0'))
        decimales.chop(1);
    return depuisChiffres(m->negatif, m->entiers, decimales);
}

std::optional<Decimal> Decimal::depuis(double v) {
    const std::optional<Montant> m = Montant::depuis(v);
    if (!m)
        return std::nullopt;
    return depuisChiffres(m->negatif, m->entiers, m->decimales);
}

QString Decimal::ecrit() const {
    const quint64 absolu = unites < 0 ? 0 - quint64(unites) : quint64(unites);
    QString chiffres = QString::number(absolu).rightJustified(decimales + 1, u'0');
    QString texte = chiffres.left(chiffres.size() - decimales);
    QString apres = chiffres.right(decimales);
    while (apres.endsWith(u'0'))
        apres.chop(1);
    if (!apres.isEmpty())
        texte += u'.' + apres;
    return unites < 0 ? u'-' + texte : texte;
}

double Decimal::valeur() const {
    return litNombre(ecrit().replace(u'.', u',')).value_or(0);
}

bool Decimal::vaut(const Decimal& autre) const {
    const auto a = aligne(*this, autre);
    return a && a->first.unites == a->second.unites;
}

std::optional<Decimal> operator+(const Decimal& a, const Decimal& b) {
    auto paire = aligne(a, b);
    if (!paire)
        return std::nullopt;
    Decimal s = paire->first;
    if (__builtin_add_overflow(s.unites, paire->second.unites, &s.unites))
        return std::nullopt;
    return s;
}

std::optional<Decimal> operator-(const Decimal& a, const Decimal& b) {
    if (b.unites == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return a + Decimal{-b.unites, b.decimales};
}

std::optional<Decimal> operator*(const Decimal& a, const Decimal& b) {
    Decimal p{0, a.decimales + b.decimales};
    if (p.decimales > kChiffresDecimal || __builtin_mul_overflow(a.unites, b.unites, &p.unites))
        return std::nullopt;
    return p;
}

std::optional<Decimal> arrondi(const Decimal& a, int n) {
    if (a.decimales <= n)
        return a;
    const std::optional<qint64> p = puissanceDeDix(a.decimales - n);
    if (!p)
        return std::nullopt;
    return Decimal{divisionArrondie(a.unites, *p), n};
}

std::optional<Decimal> quotient(const Decimal& a, const Decimal& b, int n) {
    if (b.unites == 0)
        return std::nullopt;
    // a / b = (a.unites * 10^(n + b.decimales - a.decimales)) / b.unites, in units of 10^-n.
    const int decalage = n + b.decimales - a.decimales;
    qint64 numerateur = a.unites;
    qint64 diviseur = b.unites;
    const std::optional<qint64> p = puissanceDeDix(std::abs(decalage));
    if (!p || __builtin_mul_overflow(decalage >= 0 ? numerateur : diviseur, *p,
                                     decalage >= 0 ? &numerateur : &diviseur))
        return std::nullopt;
    if (diviseur < 0) {
        if (numerateur == std::numeric_limits<qint64>::min() ||
            diviseur == std::numeric_limits<qint64>::min())
            return std::nullopt;
        numerateur = -numerateur;
        diviseur = -diviseur;
    }
    return Decimal{divisionArrondie(numerateur, diviseur), n};
}

std::optional<qint64> enCentimes(const Decimal& a) {
    std::optional<Decimal> c = arrondi(a, 2);
    if (!c)
        return std::nullopt;
    const std::optional<qint64> p = puissanceDeDix(2 - c->decimales);
    qint64 centimes = 0;
    if (!p || __builtin_mul_overflow(c->unites, *p, &centimes))
        return std::nullopt;
    return centimes;
}

QString depasse(const QString& libelle, const QString& precision) {
    return QStringLiteral("« %1 »%2 dépasserait le plus grand nombre que le programme sait écrire")
        .arg(libelle, precision);
}

Resultat reformateMontant(const QString& texte, QStringView format, const QString& champ,
                          QString& resultat) {
    if (texte.trimmed().isEmpty()) {
        resultat.clear();
        return Resultat::succes();
    }
    const std::optional<Montant> m = litMontant(texte);
    if (!m)
        return Resultat::echec(QStringLiteral("« %1 » n'est pas un montant valide pour « %2 ».")
                                   .arg(texte.trimmed(), champ));
    resultat = formateMontant(*m, format);
    return Resultat::succes();
}

QString Rset(const QString& texte, int largeur, const MesureTexte& mesure) {
    if (texte.trimmed().isEmpty())
        return {};
    QString t = texte;
    // A measure that never grows (an empty font) must not hold the loop: a text can never
    // need more blanks than the width has pixels.
    for (int i = 0; i <= largeur && mesure.largeur(t) <= largeur - 10; ++i)
        t.prepend(u' ');
    return t;
}

} // namespace zel
