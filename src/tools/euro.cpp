#include "tools/euro.h"

#include "tools/decimal.h"

#include <QtCore/qnamespace.h>

#include <cmath>

namespace zel::outils {

ConvertisseurEuro::Action ConvertisseurEuro::actionTouche(int touche, const QString& texte) {
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
        return Action::Convertir;
    if (touche == Qt::Key_Escape)
        return Action::Fermer;
    if (texte.size() == 1) {
        const QChar c = texte.at(0);
        if ((c >= u'0' && c <= u'9') || c == u',' || c == u'.')
            return Action::Caractere;
    }
    return Action::Aucune;
}

void ConvertisseurEuro::effaceResultatAffiche() {
    if (!m_resultatAffiche)
        return;
    m_entree.clear();
    m_resultat.clear();
    m_resultatAffiche = false;
}

void ConvertisseurEuro::tape(QChar c) {
    effaceResultatAffiche();
    m_entree.append(c == u'.' ? QChar(u',') : c);
}

void ConvertisseurEuro::autreTouche() {
    effaceResultatAffiche();
}

void ConvertisseurEuro::tauxMoins() {
    if (m_taux > 1)
        m_taux -= 1;
}

QString ConvertisseurEuro::texteTaux() const {
    return decimalCourt(m_taux / 100000, 5);
}

void ConvertisseurEuro::convertit() {
    m_resultatAffiche = true;
    const auto montant = litDecimal(m_entree);
    if (!montant)
        return;
    // nearbyint rounds halves to the even number in the default rounding mode.
    const bool versEuros = m_sens == Sens::FrancsVersEuros;
    // Francs are given to the tenth of a franc.
    const double pas = versEuros ? 100 : 10;
    const double n = std::nearbyint(versEuros ? *montant * 100000 / m_taux * pas
                                              : *montant * m_taux / 100000 * pas);
    // An amount past the largest number has no digits to show.
    m_resultat = std::isfinite(n) ? decimalCourt(n / pas, versEuros ? 2 : 1)
                                  : QStringLiteral("Dépassement de capacité.");
}

} // namespace zel::outils
