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

int decimalesDuFormat(QStringView format) {
    const qsizetype point = format.indexOf(u'.');
    return point < 0 ? 0 : int(format.size() - point - 1);
}

qint64 puissanceDeDix(int n) {
    qint64 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

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
    QStringView t = rogne(texte);
    const bool negatif = t.startsWith(u'-');
    if (negatif || t.startsWith(u'+'))
        t = t.mid(1);
    // Most amounts have few digits: as a whole number of at most 2^53 divided by a power of ten
    // that a double holds exactly, the one division is rounded as the general reader rounds.
    static constexpr double kPuissances[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr quint64 kExact = quint64(1) << 53;
    quint64 entier = 0;
    int decimales = 0;
    bool virgule = false;
    bool chiffre = false;
    bool exact = true;
    for (const QChar c : t) {
        if (c == u',' && !virgule) {
            virgule = true;
        } else if (estChiffre(c)) {
            chiffre = true;
            entier = entier * 10 + (c.unicode() - u'0');
            exact = exact && entier < kExact;
            decimales += virgule ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (!chiffre)
        return std::nullopt;
    if (exact && decimales < int(std::size(kPuissances))) {
        const double v = double(entier) / kPuissances[decimales];
        return negatif ? -v : v;
    }
    // Longer amounts go through the general reader, from a copy of their digits.
    std::string chiffres = "0";
    chiffres.reserve(std::size_t(t.size()) + 2);
    for (const QChar c : t)
        chiffres += c == u',' ? '.' : char(c.unicode());
    // "7," is 7.
    if (chiffres.back() == '.')
        chiffres.pop_back();
    double v = 0;
    const char* fin = chiffres.data() + chiffres.size();
    const auto [lu, erreur] = std::from_chars(chiffres.data(), fin, v, std::chars_format::fixed);
    if (erreur != std::errc() || lu != fin || !std::isfinite(v))
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

std::optional<qint64> puissanceBornee(int n) {
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
    const std::optional<qint64> p = puissanceBornee(ecart);
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
    const std::optional<qint64> p = puissanceBornee(a.decimales - n);
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
    const std::optional<qint64> p = puissanceBornee(std::abs(decalage));
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
    const std::optional<qint64> p = puissanceBornee(2 - c->decimales);
    qint64 centimes = 0;
    if (!p || __builtin_mul_overflow(c->unites, *p, &centimes))
        return std::nullopt;
    return centimes;
}

QString depasse(const QString& libelle, const QString& precision) {
    return QStringLiteral("« %1 »%2 dépasserait le plus grand nombre que le programme sait écrire")
        .arg(libelle, precision);
}

std::optional<qint64> unitesAffichees(double v, int decimales) {
    // Whole units past 2^53 are no longer exact in a double: such an amount is not one.
    constexpr double kLimite = 9007199254740992.0;
    if (!std::isfinite(v) || decimales < 0 || decimales > 6 ||
        std::abs(v) * std::pow(10.0, decimales) >= kLimite)
        return std::nullopt;
    // The shortest decimal writing, as Montant::depuis reads it, rounded on its digits.
    char texte[400];
    const auto [fin, erreur] =
        std::to_chars(texte, texte + sizeof texte, std::abs(v), std::chars_format::fixed);
    if (erreur != std::errc())
        return std::nullopt;
    qint64 unites = 0;
    const char* c = texte;
    for (; c < fin && *c != '.'; ++c)
        unites = unites * 10 + (*c - '0');
    if (c < fin)
        ++c;
    for (int i = 0; i < decimales; ++i)
        unites = unites * 10 + (c < fin ? *c++ - '0' : 0);
    if (c < fin && *c >= '5')
        ++unites;
    return std::signbit(v) ? -unites : unites;
}

QString formateUnites(qint64 unites, QStringView format) {
    if (unites == 0 && format == u"#")
        return {};
    const int n = decimalesDuFormat(format);
    char texte[32];
    char* fin = texte + sizeof texte;
    char* c = fin;
    quint64 reste = unites < 0 ? 0 - quint64(unites) : quint64(unites);
    for (int i = 0; i < n; ++i, reste /= 10)
        *--c = char('0' + reste % 10);
    if (n > 0)
        *--c = ',';
    do {
        *--c = char('0' + reste % 10);
        reste /= 10;
    } while (reste > 0);
    if (unites < 0)
        *--c = '-';
    return QString::fromLatin1(c, fin - c);
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
