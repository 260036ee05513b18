#include "ui/sansfenetre.h"

#include "records/impressiondocument.h"
#include "ui/impression.h"
#include "ui/ongletcarte.h"

#include <QApplication>
#include <QTextStream>

namespace zel::ui {

int executeSansFenetre(const LigneCommande& ligne, const QString& dossierProgramme) {
    QTextStream erreurs(stderr);
    switch (ligne.action) {
    case LigneCommande::Action::Fenetre:
        return 0;
    case LigneCommande::Action::Aide:
        QTextStream(stdout) << LigneCommande::aide();
        return 0;
    case LigneCommande::Action::Erreur:
        erreurs << ligne.erreur << Qt::endl << LigneCommande::aide();
        return 2;
    case LigneCommande::Action::Pdf:
    case LigneCommande::Action::Journal:
    case LigneCommande::Action::Fec:
    case LigneCommande::Action::Statistiques:
        break;
    }
    Reglages reglages;
    for (const QString& e : reglages.chargeAuDemarrage(dossierProgramme))
        erreurs << e << Qt::endl;
    if (ligne.action != LigneCommande::Action::Pdf) {
        QTextStream sortie(stdout);
        if (Resultat r = executeRapport(ligne, reglages, sortie); !r) {
            erreurs << r.message() << Qt::endl;
            return 1;
        }
        return 0;
    }
    JeuDocuments jeu;
    DialoguesConsole dialogues;
    MesureQt mesure(QApplication::font());
    FenetreFiche fenetre(jeu, reglages, dialogues, mesure);
    if (Resultat r = litDocumentSeul(ligne.fichierClients, ligne.document, jeu, fenetre); !r) {
        erreurs << r.message() << Qt::endl;
        return 1;
    }
    const PageFactures& page = fenetre.factures();
    if (Resultat r = Impression::imprimePdf(
            ligne.sortie, [&](Canevas& c) { imprimeDocument(c, page, reglages); });
        !r) {
        erreurs << r.message() << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace zel::ui
