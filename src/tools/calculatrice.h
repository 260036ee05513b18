#pragma once

#include "store/resultat.h"

#include <QString>

namespace zel::outils {

// The pocket calculator: four operations, inverse and square root, evaluated from left to
// right. A failed operation leaves the accumulator as it was and returns its French message.
class Calculatrice {
public:
    enum class Bouton { Aucun, Chiffre, Virgule, Egal, Operateur, Inverse, Racine, Efface, Fermer };

    static Bouton boutonTouche(int touche, const QString& texte);

    void chiffre(QChar c);
    void virgule();
    Resultat egal();
    Resultat operateur(QChar op);
    Resultat inverse();
    Resultat racine();
    void efface();

    const QString& affichage() const { return m_affichage; }
    double accumulateur() const { return m_accumulateur; }

    // The display rule: up to 15 significant digits, a comma, and at most 15 characters when
    // the value has a decimal part.
    static QString texteValeur(double valeur);

private:
    Resultat litAffichage(double& valeur) const;
    Resultat montre(double valeur);

    double m_accumulateur = 0;
    double m_operande = 0;
    QChar m_operateur;
    bool m_charge = false;
    bool m_nouvelleSaisie = false;
    QString m_affichage;
};

} // namespace zel::outils
