// Arbitrary bytes read as a store and as each of the three settings files: reading never
// crashes, and what is saved reads back as it was read.
#include "records/reglages.h"
#include "store/blocs.h"
#include "store/fichiertexte.h"

#include <cstdint>
#include <cstdlib>

using namespace zel;

namespace {

void exige(bool condition) {
    if (!condition)
        std::abort();
}

QStringList relu(const QStringList& lignes) {
    QByteArray octets;
    exige(fichier::encodeLignes(lignes, octets).ok());
    return fichier::decoupeLignes(octets);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray octets(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lignes = fichier::decoupeLignes(octets);

    Blocs store;
    store.remplaceTout(lignes);
    const int compte = store.CompteBlocs();
    for (int n = 0; n < 12; ++n)
        store.contenuBloc(n);
    Blocs copie;
    copie.remplaceTout(relu(store.lignes()));
    exige(copie.lignes() == store.lignes() && copie.CompteBlocs() == compte);
    store.RemplaceBloc(1, {QStringLiteral("x")});
    store.SupBloc(0);

    Reglages premier;
    (void)premier.litIni(lignes);
    premier.litSoc(lignes);
    premier.litCombo(lignes);
    const QStringList ini = premier.lignesIni(premier.ini.dernierDocument);

    Reglages second;
    exige(second.litIni(relu(ini)).ok());
    second.litSoc(relu(premier.lignesSoc()));
    second.litCombo(relu(premier.lignesCombo()));
    exige(second.lignesIni(second.ini.dernierDocument) == ini);
    exige(second.entete == premier.entete && second.listes == premier.listes);
    return 0;
}
