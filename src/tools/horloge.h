#pragma once

#include "store/resultat.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace zel::outils {

// Setting the computer's clock, which takes universal time; the tests put a recorder here.
class ReglageSysteme {
public:
    virtual ~ReglageSysteme() = default;
    virtual Resultat regle(const QDateTime& utc) = 0;
};

// The real system clock. Run by the administrator it really changes the computer's time.
class ReglageSystemeReel : public ReglageSysteme {
public:
    Resultat regle(const QDateTime& utc) override;
};

// What the user is told when the system refuses to set its clock, from the system's error
// number: plainly, in French.
QString refusSysteme(int erreur);

// The clock window: the time and date lines, the set mode and the spin of one field.
class Horloge {
public:
    enum class Champ { Heure, Minute, Jour, Mois, Annee };

    // Each second, and on activation: shows the moment unless the set mode holds the lines.
    void montre(const QDateTime& local);
    bool modeReglage() const { return m_reglage; }
    void entreReglage() { m_reglage = true; }
    // Leaves the set mode and sets the system clock from the lines, read as local time, once
    // the user has said yes to the question put to `confirme`; no sets nothing.
    Resultat quitteReglage(ReglageSysteme& systeme,
                           const std::function<bool(const QString&)>& confirme);
    void quitteSansRegler() { m_reglage = false; }
    void tourne(Champ champ, int pas);

    QString ligneHeure() const;
    QString ligneDate() const;

private:
    int m_heure = 0, m_minute = 0, m_seconde = 0;
    int m_jour = 1, m_mois = 1, m_annee = 2000;
    bool m_reglage = false;
};

} // namespace zel::outils
