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

// Where a NUL cuts the bytes when anything but more NULs follows it (not a file padded with
// zeros), else -1.
qsizetype coupure(const QByteArray& octets);

// The bytes of a file holding the lines; fails, naming the line, when a line holds a character
// the code page cannot write.
Resultat encodeLignes(const QStringList& lignes, QByteArray& sortie);

bool existe(const QString& chemin);

// The name with the extension of its file name (not of a folder) replaced, or added when it has
// none: "/a.b/Dupont.cli" with "oms" gives "/a.b/Dupont.oms".
QString avecExtension(const QString& nom, QStringView extension);

// The cause of a failed file access as the system gave it (its error number), in French; nothing
// for a number without a cause of its own here.
std::optional<QString> causeSysteme(int numero);

// A regular file open for reading. A pipe, a device or a folder is refused at once, never
// waited on; the descriptor is closed with the object.
class FichierLu {
public:
    FichierLu() = default;
    FichierLu(FichierLu&& autre) noexcept;
    FichierLu& operator=(FichierLu&& autre) noexcept;
    FichierLu(const FichierLu&) = delete;
    FichierLu& operator=(const FichierLu&) = delete;
    ~FichierLu();

    // Opens the file; when it does not exist, `absent()` tells it and the result is a failure.
    Resultat ouvre(const QString& chemin);
    bool ouvert() const { return m_descripteur >= 0; }
    bool absent() const { return m_absent; }
    int descripteur() const { return m_descripteur; }
    // The bytes from the start to the end, whatever was read before.
    Resultat litTout(QByteArray& octets) const;

private:
    QString m_chemin;
    int m_descripteur = -1;
    bool m_absent = false;
};

// Reads the bytes of an existing regular file whole.
Resultat lireOctets(const QString& chemin, QByteArray& octets);

// Reads the lines of an existing file. A NUL ends the text; when anything but more NULs follows
// it (not a file padded with zeros), its position is given in `coupure`, else -1.
Resultat lire(const QString& chemin, QStringList& lignes, qsizetype* coupure = nullptr);

// Keeps the file's bytes as they are in a copy beside it ("Dupont.cli.original", numbered when
// that name is taken) before the program writes over them; gives the copy's name. A copy of the
// same bytes kept earlier is the copy: the same damage opened again is not copied again.
Resultat copieDeSecours(const QString& chemin, QString& copie);

// Writes the lines to the file whole, through a temporary file renamed over the old one: when
// anything fails the old file stays as it was and the message names the file and the cause the
// system gave (permission refused, disk full, missing folder, read-only disk...).
Resultat ecrire(const QString& chemin, const QStringList& lignes);

// Writes bytes whole in the same safe way.
Resultat ecrireOctets(const QString& chemin, const QByteArray& octets);

} // namespace zel::fichier
