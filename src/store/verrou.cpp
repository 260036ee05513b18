#include "store/verrou.h"

#include "store/fichiertexte.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>

#include <signal.h>
#include <unistd.h>

namespace zel {
namespace {

// A lock of another computer is offered for taking over once it is older than this.
constexpr qint64 kAbandonSecondes = 24 * 3600;

QString nomSeul(const QString& chemin) {
    return QFileInfo(chemin).fileName();
}

} // namespace

VerrouJeu::VerrouJeu(const QString& fichierClients)
    : m_fichierClients(fichierClients), m_verrou(fichierClients + QStringLiteral(".zvlock")) {
    // Only a live program holds the lock: an age never makes it stale by itself.
    m_verrou.setStaleLockTime(0);
}

VerrouJeu::Etat VerrouJeu::prend() {
    // A lock let go between the attempt and the look at it is tried again.
    for (int essai = 0; essai < 3; ++essai) {
        if (m_verrou.tryLock(0))
            return m_etat = Etat::Tenu;
        if (m_verrou.error() != QLockFile::LockFailedError || QFileInfo::exists(nomFichier()))
            break;
    }
    return m_etat = constate();
}

VerrouJeu::Etat VerrouJeu::reprend() {
    m_verrou.removeStaleLockFile();
    return prend();
}

VerrouJeu::Etat VerrouJeu::constate() {
    const auto impossible = [this] {
        const QString dossier = QFileInfo(m_fichierClients).absolutePath();
        errno = 0;
        m_cause = ::access(QFile::encodeName(dossier).constData(), W_OK) != 0
                      ? QStringLiteral("le dossier est en lecture seule (%1)")
                            .arg(zel::fichier::causeSysteme(errno).value_or(
                                QStringLiteral("permission refusée")))
                      : QStringLiteral("le dossier refuse le fichier");
        return Etat::Impossible;
    };
    if (m_verrou.error() != QLockFile::LockFailedError)
        return impossible();
    qint64 processus = 0;
    QString application;
    const bool lisible = m_verrou.getLockInfo(&processus, &m_ordinateur, &application);
    m_depuis = QFileInfo(nomFichier()).lastModified();
    if (lisible && m_ordinateur == QSysInfo::machineHostName()) {
        // A lock of a program gone from this computer that could not be taken over: its folder
        // refuses the change.
        if (processus > 0 && ::kill(pid_t(processus), 0) != 0 && errno == ESRCH)
            return impossible();
        return Etat::OuvertIci;
    }
    const bool ancien =
        !m_depuis.isValid() || m_depuis.secsTo(QDateTime::currentDateTime()) > kAbandonSecondes;
    return ancien ? Etat::Abandonne : Etat::OuvertAilleurs;
}

QString VerrouJeu::detenteur() const {
    const QString ordinateur = m_ordinateur.isEmpty()
                                   ? QStringLiteral("un ordinateur inconnu")
                                   : QStringLiteral("l'ordinateur « %1 »").arg(m_ordinateur);
    return QStringLiteral("sur %1 depuis le %2 (verrou %3)")
        .arg(ordinateur, m_depuis.toString(QStringLiteral("dd/MM/yyyy à HH:mm")),
             QDir::toNativeSeparators(nomFichier()));
}

QString VerrouJeu::lectureSeule() const {
    const QString nom = nomSeul(m_fichierClients);
    const QString garder = QStringLiteral("Pour garder vos modifications, enregistrez-les sous un "
                                          "autre nom");
    switch (m_etat) {
    case Etat::Tenu:
        return {};
    case Etat::OuvertIci:
        return QStringLiteral("%1 est déjà ouvert dans un autre programme Zel Vente : il est "
                              "ouvert en lecture seule. %2.")
            .arg(nom, garder);
    case Etat::OuvertAilleurs:
    case Etat::Abandonne:
        return QStringLiteral("%1 est ouvert dans Zel Vente %2 : il est ouvert en lecture seule. "
                              "%3.")
            .arg(nom, detenteur(), garder);
    case Etat::Impossible:
        return QStringLiteral("%1 est ouvert en lecture seule : %2, le verrou %3 ne peut pas y "
                              "être créé. %4 dans un dossier où vous pouvez écrire.")
            .arg(nom, m_cause, QDir::toNativeSeparators(nomFichier()), garder);
    }
    return {};
}

QString VerrouJeu::refusEcriture() const {
    const QString nom = nomSeul(m_fichierClients);
    switch (m_etat) {
    case Etat::Tenu:
        return {};
    case Etat::OuvertIci:
        return QStringLiteral("Le fichier %1 est ouvert dans un autre programme Zel Vente : "
                              "enregistrez sous un autre nom.")
            .arg(nom);
    case Etat::OuvertAilleurs:
    case Etat::Abandonne:
        return QStringLiteral("Le fichier %1 est ouvert dans Zel Vente %2 : enregistrez sous un "
                              "autre nom.")
            .arg(nom, detenteur());
    case Etat::Impossible:
        return QStringLiteral("Impossible d'enregistrer le fichier %1 :\n%2, le verrou %3 ne peut "
                              "pas y être créé.")
            .arg(QDir::toNativeSeparators(m_fichierClients), m_cause,
                 QDir::toNativeSeparators(nomFichier()));
    }
    return {};
}

QString VerrouJeu::question() const {
    const QString nom = nomSeul(m_fichierClients);
    return QStringLiteral("%1 est verrouillé par Zel Vente %2. Un verrou de plus d'un jour a sans "
                          "doute été laissé par un programme arrêté sans le retirer.\n\nLe "
                          "reprendre pour modifier %1 ? Ne le faites que si %1 n'est ouvert sur "
                          "aucun autre ordinateur ; sinon il est ouvert en lecture seule.")
        .arg(nom, detenteur());
}

} // namespace zel
