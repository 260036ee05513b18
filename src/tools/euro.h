#pragma once

#include <QString>

namespace zel::outils {

// The euro converter: an amount typed on the keypad, converted at an adjustable rate held as
// francs per euro times 100000.
class ConvertisseurEuro {
public:
    enum class Sens { FrancsVersEuros, EurosVersFrancs };
    // What a key of the keyboard does in the window.
    enum class Action { Aucune, Caractere, Convertir, Fermer };

    static Action actionTouche(int touche, const QString& texte);

    // On activation: the rate field is redrawn and a shown result counts as kept.
    void active() { m_resultatAffiche = false; }
    // A digit, "," or "." (typed as ","); a shown result is cleared first.
    void tape(QChar c);
    // Any other key clears a shown result.
    void autreTouche();
    void convertit();
    void tauxPlus() { m_taux += 1; }
    void tauxMoins();
    void setSens(Sens sens) { m_sens = sens; }

    Sens sens() const { return m_sens; }
    double taux() const { return m_taux; }
    QString texteTaux() const;
    const QString& entree() const { return m_entree; }
    const QString& resultat() const { return m_resultat; }

private:
    void effaceResultatAffiche();

    double m_taux = 655957;
    Sens m_sens = Sens::FrancsVersEuros;
    QString m_entree;
    QString m_resultat;
    bool m_resultatAffiche = false;
};

} // namespace zel::outils
