// An arbitrary notepad file: it is read without a crash, and a note saved reads back the same.
#include "commun.h"
#include "tools/blocnotes.h"

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dossier;
    fuzz::ecrit(outils::BlocNotes::cheminFichier(dossier.path()),
                QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    outils::BlocNotes note;
    fuzz::exige(note.Charge(dossier.path()).ok());
    const QStringList lignes = note.lignes();
    note.setLignes(lignes + QStringList{QStringLiteral("fin")});
    if (!note.Sauve(dossier.path()).ok())
        return 0;
    outils::BlocNotes relue;
    fuzz::exige(relue.Charge(dossier.path()).ok());
    fuzz::exige(relue.lignes() == note.lignes());
    return 0;
}
