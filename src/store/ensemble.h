#pragma once

#include "store/resultat.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// Writing the files of a document set as one unit. Every file is first written whole and
// flushed to disk beside its final name; then a commit record naming them is put in place by
// one rename; only then is each file renamed over its old one, and the record removed. A crash
// before the record is in place leaves every old file as it was (the next save or load removes
// the unused copies); a crash after it is finished by the next load, which renames what is left
// to rename. Either way the set is read whole old or whole new, never mixed.
namespace zel::ensemble {

struct Fichier {
    QString chemin;
    QByteArray octets;
};

// The commit record of a set whose client file is given.
QString journal(const QString& fichierClients);
// The copy a file is written to before it takes its name.
QString copie(const QString& chemin);

// Writes the files as one unit; when anything fails before the commit no file has changed.
Resultat ecrit(const QString& fichierClients, const std::vector<Fichier>& fichiers);

// Before a set is read: a save that was committed is finished, the copies of one that was not
// are removed.
Resultat reprend(const QString& fichierClients, const std::vector<QString>& chemins);

// For the crash tests: called after each step of a save (each copy written, the record in
// place, each file renamed), numbered from 1.
void setTemoin(std::function<void(int)> temoin);

} // namespace zel::ensemble
