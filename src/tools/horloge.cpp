#include "tools/horloge.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace zel::outils {

namespace {

QString deuxChiffres(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

QString pasChange() {
    return QStringLiteral(" : l'horloge de l'ordinateur n'a pas été changée.");
}

} // namespace

Resultat ReglageSystemeReel::regle(const QDateTime& utc) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(utc.toSecsSinceEpoch());
    if (clock_settime(CLOCK_REALTIME, &ts) != 0)
        return Resultat::echec(refusSysteme(errno));
    return Resultat::succes();
}

QString refusSysteme(int erreur) {
    switch (erreur) {
    case EPERM:
        return QStringLiteral("Seul l'administrateur de l'ordinateur peut changer son heure") +
               pasChange();
    case EINVAL:
        return QStringLiteral("Le système n'accepte pas cette date ou cette heure") + pasChange();
    default:
        return QStringLiteral("Le système refuse de mettre l'horloge à l'heure (") +
               QString::fromLocal8Bit(std::strerror(erreur)) + u')' + pasChange();
    }
}

void Horloge::montre(const QDateTime& local) {
    if (m_reglage)
        return;
    const QTime t = local.time();
    const QDate d = local.date();
    m_heure = t.hour();
    m_minute = t.minute();
    m_seconde = t.second();
    m_jour = d.day();
    m_mois = d.month();
    m_annee = d.year();
}

void Horloge::tourne(Champ champ, int pas) {
    switch (champ) {
    case Champ::Heure:
        m_heure = std::clamp(m_heure + pas, 0, 24);
        break;
    case Champ::Minute:
        m_minute = std::clamp(m_minute + pas, 0, 59);
        break;
    case Champ::Jour:
        m_jour = std::clamp(m_jour + pas, 0, 31);
        break;
    case Champ::Mois:
        m_mois = std::clamp(m_mois + pas, 0, 12);
        break;
    case Champ::Annee:
        m_annee = std::clamp(m_annee + pas, 1900, 2099);
        break;
    }
}

QString Horloge::ligneHeure() const {
    return deuxChiffres(m_heure) + u':' + deuxChiffres(m_minute) + u':' + deuxChiffres(m_seconde);
}

QString Horloge::ligneDate() const {
    return deuxChiffres(m_jour) + u'/' + deuxChiffres(m_mois) + u'/' + QString::number(m_annee);
}

Resultat Horloge::quitteReglage(ReglageSysteme& systeme,
                                const std::function<bool(const QString&)>& confirme) {
    m_reglage = false;
    const QDate date(m_annee, m_mois, m_jour);
    if (!date.isValid())
        return Resultat::echec(QStringLiteral("La date ") + ligneDate() +
                               QStringLiteral(" n'existe pas") + pasChange());
    const QTime heure(m_heure, m_minute, m_seconde);
    if (!heure.isValid())
        return Resultat::echec(QStringLiteral("L'heure ") + ligneHeure() +
                               QStringLiteral(" n'existe pas") + pasChange());
    // The lines are local time: the time zone and its summer time give universal time.
    const QDateTime local(date, heure);
    if (local.time() != heure)
        return Resultat::echec(QStringLiteral("L'heure ") + ligneHeure() +
                               QStringLiteral(" n'existe pas le ") + ligneDate() +
                               QStringLiteral(" (changement d'heure)") + pasChange());
    if (!confirme(QStringLiteral("Mettre l'horloge de l'ordinateur à ") + ligneHeure() +
                  QStringLiteral(" le ") + ligneDate() + QStringLiteral(" ?")))
        return Resultat::succes();
    return systeme.regle(local.toUTC());
}

} // namespace zel::outils
