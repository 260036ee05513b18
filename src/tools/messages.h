#pragma once

#include "store/resultat.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

namespace zel::outils {

// One telephone or visit message: "Pour", "De", "Société", "N° tél.", "Date", "Heure" and
// "Objet", then the flags "A téléphoné", "Est venu", "A rappeler", "Rappellera" and "URGENT".
struct Message {
    static constexpr int kChamps = 7;
    static constexpr int kDrapeaux = 5;
    enum Champ { Pour, De, Societe, Telephone, Date, Heure, Objet };

    std::array<QString, kChamps> champs;
    std::array<bool, kDrapeaux> drapeaux{};
    bool operator==(const Message&) const = default;

    // A line of the file: each text followed by a TAB, then one letter per flag, "T" when ticked
    // and "F" when not. The line is read whole; texts after the first lose their leading blanks.
    // A line with fewer TABs fills the first texts, and what is left gives the flags when it reads
    // as flags (at most five "T" or "F"), else the next text.
    static Message depuisLigne(const QString& ligne);
    QString ligne() const;
};

// The message pad of a document set, kept in the ".oms" file beside its client file: one line per
// message, one message shown at a time. It always holds at least one message.
class BlocMessages {
public:
    BlocMessages();

    // The client file's name with the extension of its file name replaced by "oms", whatever
    // dots the folders hold.
    static QString nomFichier(const QString& nomClients);

    // Reads the pad when its file exists and shows its last message; an empty file leaves the
    // one blank message. A NUL followed by more than NULs ends what can be read: the file's bytes
    // are kept as they were in a copy ("Dupont.oms.original") and `avis()` says so. A file that
    // cannot be read, or whose copy cannot be kept, leaves the pad read-only, so that closing
    // never writes over messages it could not read.
    Resultat Charge(const QString& nomClients);
    // Stores the message shown and writes the whole pad; a read-only pad writes nothing.
    Resultat Sauve(const QString& nomClients);

    // What the opening found that the user must be told, or nothing.
    const QString& avis() const { return m_avis; }
    // Read-only: the set is open in another instance of the program, or the file could not be
    // read whole.
    bool lectureSeule() const { return m_lectureSeule; }
    void setLectureSeule(bool oui) { m_lectureSeule = oui; }

    const Message& affiche() const { return m_affiche; }
    int indice() const { return m_indice; }
    int compte() const { return int(m_lignes.size()); }

    // What the user types: a control character (TAB, line break) becomes a blank, so that it
    // cannot shift the texts of the line.
    void setChamp(Message::Champ champ, const QString& texte);
    void setDrapeau(int drapeau, bool coche);
    // Leaving "Date" or "Heure" empty fills it with the moment given.
    void completeDate(const QDateTime& maintenant);
    void completeHeure(const QDateTime& maintenant);

    void precedent();
    void suivant();
    void ajoute();
    // Deletes the message shown; deleting the last one left gives a blank message.
    void supprime();

    const QStringList& lignes() const { return m_lignes; }

private:
    void EcritFiche();
    void LitFiche();
    void va(int indice);

    QStringList m_lignes;
    int m_indice = 0;
    Message m_affiche;
    QString m_avis;
    bool m_lectureSeule = false;
};

} // namespace zel::outils
