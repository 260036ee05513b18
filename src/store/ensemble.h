#pragma once

#include "store/resultat.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Writing the files of a document set as one unit, and reading them whole. Every file is first
// written whole and flushed to disk beside its final name, with the permissions and owner of the
// file it replaces; then a commit record naming them, relative to its own folder, is put in
// place by one rename; only then is each file renamed over its old one, and the record removed.
// A crash before the record is in place leaves every old file as it was; a crash after it is
// finished by the next opening of the program that holds the set's lock. Any other program
// reads the set as the record says and changes nothing. Either way the set is read whole old or
// whole new, never mixed, wherever the folder has been moved since.
namespace zel::ensemble {

struct Fichier {
    QString chemin;
    QByteArray octets;
};

// The commit record of a set whose client file is given.
QString journal(const QString& fichierClients);
// The copy a file is written to before it takes its name.
QString copie(const QString& chemin);

// Writes the files as one unit; only the holder of the set's lock calls it. A read-only file, or
// anything that fails before the commit, leaves every file as it was. Once committed the save is
// made: a file that cannot take its place yet is told in the result's notice (`avis`), and the
// next opening puts it in place.
Resultat ecrit(const QString& fichierClients, const std::vector<Fichier>& fichiers);

// For the holder of the lock, before the set is read: a save that was committed is finished, the
// copies of one that was not are removed. A file that still cannot take its place is told; the
// set is then read through the record.
Resultat reprend(const QString& fichierClients, const std::vector<QString>& chemins);

// Reads the files as the last committed save left them (nothing for a file that does not exist)
// and changes nothing on the disk: through the commit record while there is one. A save of
// another program met while reading is waited out by reading again.
Resultat lit(const QString& fichierClients, const std::vector<QString>& chemins,
             std::vector<std::optional<QByteArray>>& octets);

// For the tests: called after each step of a save (each copy written, the record in place, each
// file renamed), numbered from 1; and after each file a reading opens, numbered from 1.
void setTemoin(std::function<void(int)> temoin);
void setTemoinLecture(std::function<void(int)> temoin);

} // namespace zel::ensemble
