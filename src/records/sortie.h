#pragma once

#include "records/dialogues.h"
#include "store/resultat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace zel {

// What became of a file the program was asked to write: written, left alone because the user
// would not have it replaced (nothing to tell), or failed with the French message to show.
class [[nodiscard]] Enregistrement {
public:
    enum class Issue { Fait, Renonce, Echoue };

    static Enregistrement fait() { return Enregistrement(Issue::Fait, {}); }
    static Enregistrement renonce() { return Enregistrement(Issue::Renonce, {}); }
    static Enregistrement echoue(QString message) {
        return Enregistrement(Issue::Echoue, std::move(message));
    }

    Issue issue() const { return m_issue; }
    bool ok() const { return m_issue == Issue::Fait; }
    explicit operator bool() const { return ok(); }
    const QString& message() const { return m_message; }
    // For a caller that only tells failures: a refusal by the user is no failure.
    Resultat resultat() const {
        return m_issue == Issue::Echoue ? Resultat::echec(m_message) : Resultat::succes();
    }

private:
    Enregistrement(Issue issue, QString message) : m_issue(issue), m_message(std::move(message)) {}

    Issue m_issue;
    QString m_message;
};

// Files no output may replace, for the life of the object (the card window for its set, the main
// window for the program's folder, a command-line run for both): the set's five files and its
// messages file, every file named after one of them with one more extension (its commit record,
// its lock, its copies), and the program's own files ("ZelVente.*" in its folder). The set's
// name is asked at each write, so the protection follows Open, Save as and New.
class ProtectionJeu {
public:
    ProtectionJeu(std::function<QString()> fichierClients, QString dossierProgramme);
    ~ProtectionJeu();
    ProtectionJeu(const ProtectionJeu&) = delete;
    ProtectionJeu& operator=(const ProtectionJeu&) = delete;

    // Whether a path names a file protected by any such object: compared by real path, links
    // followed, the file's name without regard to letter case (the set is read that way).
    static bool protege(const QString& chemin);

private:
    bool couvre(const QString& chemin) const;

    std::function<QString()> m_fichierClients;
    QString m_dossierProgramme;
};

// The one way to write a file other than the set itself: exports, the journal and FEC,
// statistics, PDFs, letters. It refuses the files `ProtectionJeu` names; replaces an existing
// file only once allowed (a window asks "Le fichier X existe déjà. Le remplacer ?", the command
// line never asks and replaces only when told); writes through a temporary file renamed over
// the target once complete and flushed, keeping its permissions, so that a failure leaves the
// old file as it was (a device such as /dev/null is written straight, every byte checked); and
// tells the true cause of a failure in French.
class Sortie {
public:
    // Makes the bytes to write, once the file may be written (a PDF drawn only when it will be
    // kept); a failure is told as the write's.
    using Fabrique = std::function<Resultat(QByteArray&)>;

    // In a window: asks before replacing.
    explicit Sortie(Dialogues& dialogues) : m_dialogues(&dialogues) {}
    // Without a question: replaces an existing file only when `remplacer` (the command line, or a
    // file the user already chose to write over).
    explicit Sortie(bool remplacer) : m_remplacer(remplacer) {}

    // Whether the file may be written: a name, not a folder's, not protected, in an existing
    // folder, and when it exists, its replacement allowed.
    Enregistrement autorise(const QString& chemin);
    Enregistrement ecrit(const QString& chemin, const QByteArray& octets);
    // Lines in the program's code page, each ended by CR LF; a character the code page cannot
    // hold is a failure naming its line.
    Enregistrement ecrit(const QString& chemin, const QStringList& lignes);
    Enregistrement ecrit(const QString& chemin, const Fabrique& fabrique);

private:
    Dialogues* m_dialogues = nullptr;
    bool m_remplacer = false;
};

} // namespace zel
