// An arbitrary messages file, then a text typed into "Objet": the pad is read without a crash,
// browsed, edited and saved, and the file saved reads back line for line.
#include "commun.h"
#include "store/codepage.h"
#include "tools/messages.h"

using namespace zel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dossier;
    const QString clients = QDir(dossier.path()).filePath(QStringLiteral("Dupont.cli"));
    const std::vector<QByteArray> m = fuzz::morceaux(data, size, 2);
    fuzz::ecrit(outils::BlocMessages::nomFichier(clients), m[0]);

    outils::BlocMessages bloc;
    fuzz::exige(bloc.Charge(clients).ok());
    fuzz::exige(bloc.compte() >= 1 && bloc.indice() == bloc.compte() - 1);
    for (const QString& ligne : bloc.lignes()) {
        const outils::Message lu = outils::Message::depuisLigne(ligne);
        fuzz::exige(outils::Message::depuisLigne(lu.ligne()) == lu);
    }
    bloc.precedent();
    bloc.setChamp(outils::Message::Objet, cp1252::decode(m[1].constData(), m[1].size()));
    fuzz::exige(!bloc.affiche().champs[outils::Message::Objet].contains(u'\t'));
    bloc.suivant();
    bloc.supprime();
    bloc.ajoute();
    fuzz::exige(bloc.Sauve(clients).ok());

    outils::BlocMessages relu;
    fuzz::exige(relu.Charge(clients).ok());
    fuzz::exige(relu.lignes() == bloc.lignes());
    return 0;
}
