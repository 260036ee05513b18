#include "records/montant.h"

#include <QLocale>

#include <charconv>
#include <cmath>
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
