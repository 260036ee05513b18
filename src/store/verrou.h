#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

namespace zel {

// The lock of a document set: a file beside the client file ("Dupont.cli.zvlock") naming the
// program that has the set open for changes and its computer, its date telling since when. Only
// the program that holds it writes the set or finishes a save cut short; any other opens the set
// read-only and changes nothing on the disk.
class VerrouJeu {
public:
    enum class Etat {
        Tenu,           // this program holds it
        OuvertIci,      // another program of this computer holds it
        OuvertAilleurs, // another computer holds it, since less than a day
        Abandonne,      // another computer's lock (or an unreadable one) over a day old
        Impossible,     // it cannot be created: a read-only folder, a full disk...
    };

    explicit VerrouJeu(const QString& fichierClients);

    // Tries to take the lock. One left by a program that is gone from this computer is taken over
    // at once; another computer's lock is never taken over here.
    Etat prend();
    // Takes over a lock of another computer that the user said is abandoned.
    Etat reprend();

    Etat etat() const { return m_etat; }
    bool tenu() const { return m_etat == Etat::Tenu; }
    const QString& fichierClients() const { return m_fichierClients; }
    // The lock file.
    QString nomFichier() const { return m_verrou.fileName(); }

    // Why the set opens read-only, for the user; empty when the lock is held.
    QString lectureSeule() const;
    // Why the set cannot be saved under this name.
    QString refusEcriture() const;
    // The question offering to take over an abandoned lock.
    QString question() const;

private:
    Etat constate();
    // The lock's computer, date and name as a message says them.
    QString detenteur() const;

    QString m_fichierClients;
    QLockFile m_verrou;
    Etat m_etat = Etat::Impossible;
    QString m_ordinateur;
    QDateTime m_depuis;
    QString m_cause;
};

} // namespace zel
