#include "tools/calculatrice.h"

#include "tools/decimal.h"

#include <QtCore/qnamespace.h>

#include <cmath>

namespace zel::outils {

namespace {

constexpr int LargeurAffichage = 15;

Resultat depassement() {
    return Resultat::echec(QStringLiteral("Dépassement de capacité."));
}

} // namespace

Calculatrice::Bouton Calculatrice::boutonTouche(int touche, const QString& texte) {
    if (touche == Qt::Key_Escape)
        return Bouton::Fermer;
    if (texte.size() != 1)
        return Bouton::Aucun;
    const QChar c = texte.at(0);
    if (c >= u'0' && c <= u'9')
        return Bouton::Chiffre;
    switch (c.unicode()) {
    case u',':
    case u'.':
        return Bouton::Virgule;
    case u'+':
    case u'-':
    case u'*':
    case u'/':
        return Bouton::Operateur;
    case u'=':
        return Bouton::Egal;
    case u'c':
    case u'C':
        return Bouton::Efface;
    case u's':
    case u'S':
        return Bouton::Racine;
    case u'x':
    case u'X':
        return Bouton::Inverse;
    default:
        return Bouton::Aucun;
    }
}

QString Calculatrice::texteValeur(double valeur) {
    QString t = QString::number(valeur, 'g', 15).replace(u'.', u',');
    const qsizetype e = t.indexOf(u'e');
    if (e >= 0) {
        // Cutting a long mantissa must keep its exponent, or the value shown would be wrong.
        const QString exposant = t.mid(e);
        QString mantisse = t.left(e);
        if (mantisse.contains(u',') && t.size() > LargeurAffichage)
            mantisse.truncate(std::max<qsizetype>(LargeurAffichage - exposant.size(), 1));
        if (mantisse.endsWith(u','))
            mantisse.chop(1);
        return mantisse + exposant;
    }
    if (t.contains(u','))
        t.truncate(LargeurAffichage);
    return t;
}

void Calculatrice::chiffre(QChar c) {
    if (m_nouvelleSaisie)
        m_affichage.clear();
    m_affichage.append(c);
    m_nouvelleSaisie = false;
}

void Calculatrice::virgule() {
    // A comma starts a new number as "0," rather than being added to the result shown, and a
    // number holds one comma only.
    if (m_nouvelleSaisie || m_affichage.isEmpty()) {
        m_affichage = QStringLiteral("0,");
        m_nouvelleSaisie = false;
    } else if (!m_affichage.contains(u',')) {
        m_affichage.append(u',');
    }
}

Resultat Calculatrice::litAffichage(double& valeur) const {
    const auto v = litDecimal(m_affichage);
    if (!v)
        return Resultat::echec(QStringLiteral("« %1 » n'est pas un nombre.").arg(m_affichage));
    valeur = *v;
    return Resultat::succes();
}

Resultat Calculatrice::montre(double valeur) {
    if (!std::isfinite(valeur))
        return depassement();
    m_accumulateur = valeur;
    m_affichage = texteValeur(valeur);
    m_nouvelleSaisie = true;
    return Resultat::succes();
}

Resultat Calculatrice::egal() {
    if (!m_charge) {
        const auto v = litDecimal(m_affichage);
        if (v) {
            m_accumulateur = *v;
            m_charge = true;
            m_nouvelleSaisie = true;
        } else {
            m_affichage.clear();
        }
        return Resultat::succes();
    }
    double operande = 0;
    if (Resultat r = litAffichage(operande); !r)
        return r;
    m_operande = operande;
    double v = m_accumulateur;
    switch (m_operateur.unicode()) {
    case u'+':
        v += m_operande;
        break;
    case u'-':
        v -= m_operande;
        break;
    case u'*':
        v *= m_operande;
        break;
    case u'/':
        if (m_operande == 0)
            return Resultat::echec(QStringLiteral("Division par zéro."));
        v /= m_operande;
        break;
    default:
        break;
    }
    return montre(v);
}

Resultat Calculatrice::operateur(QChar op) {
    if (Resultat r = egal(); !r)
        return r;
    m_operateur = op;
    return Resultat::succes();
}

Resultat Calculatrice::inverse() {
    double v = 0;
    if (Resultat r = litAffichage(v); !r)
        return r;
    if (v == 0)
        return Resultat::echec(QStringLiteral("Division par zéro."));
    if (Resultat r = montre(1 / v); !r)
        return r;
    m_charge = true;
    return Resultat::succes();
}

Resultat Calculatrice::racine() {
    double v = 0;
    if (Resultat r = litAffichage(v); !r)
        return r;
    if (v < 0)
        return Resultat::echec(
            QStringLiteral("Opération impossible : racine carrée d'un nombre négatif."));
    if (Resultat r = montre(std::sqrt(v)); !r)
        return r;
    m_charge = true;
    return Resultat::succes();
}

void Calculatrice::efface() {
    m_affichage.clear();
    m_accumulateur = 0;
    m_operande = 0;
    m_operateur = QChar();
    m_charge = false;
    m_nouvelleSaisie = false;
}

} // namespace zel::outils
