#pragma once

#include "store/resultat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reading and writing the program's plain text files: Windows-1252 bytes, one line per text
// line. A line ends at CR LF, a lone CR or a lone LF; a NUL byte ends the text. Every line is
// written followed by CR LF, so an empty list gives an empty file.
namespace zel::fichier {

QStringList decoupeLignes(const QByteArray& octets);

// The bytes of a file holding the lines; fails, naming the line, when a line holds a character
// the code page cannot write.
Resultat encodeLignes(const QStringList& lignes, QByteArray& sortie);

bool existe(const QString& chemin);

// The cause of a failed file access as the system gave it (its error number), in French; nothing
// for a number without a cause of its own here.
std::optional<QString> causeSysteme(int numero);

// Reads the bytes of an existing file whole.
Resultat lireOctets(const QString& chemin, QByteArray& octets);

// Reads the lines of an existing file. A NUL ends the text; when anything but more NULs follows
// it (not a file padded with zeros), its position is given in `coupure`, else -1.
Resultat lire(const QString& chemin, QStringList& lignes, qsizetype* coupure = nullptr);

// Keeps the file's bytes as they are in a copy beside it ("Dupont.cli.original", numbered when
// that name is taken) before the program writes over them; gives the copy's name.
Resultat copieDeSecours(const QString& chemin, QString& copie);

// Writes the lines to the file whole, through a temporary file renamed over the old one: when
// anything fails the old file stays as it was and the message names the file and the cause the
// system gave (permission refused, disk full, missing folder, read-only disk...).
Resultat ecrire(const QString& chemin, const QStringList& lignes);

// Writes bytes whole in the same safe way.
Resultat ecrireOctets(const QString& chemin, const QByteArray& octets);

} // namespace zel::fichier
