#include "ui/sansfenetre.h"

#include "records/impressiondocument.h"
#include "sales/facturx.h"
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
    case LigneCommande::Action::Version:
        QTextStream(stdout) << LigneCommande::version() << Qt::endl;
        return 0;
    case LigneCommande::Action::Erreur:
        erreurs << ligne.erreur << Qt::endl << LigneCommande::aide();
        return 2;
    case LigneCommande::Action::Pdf:
    case LigneCommande::Action::FacturX:
    case LigneCommande::Action::Journal:
    case LigneCommande::Action::Fec:
    case LigneCommande::Action::Statistiques:
    case LigneCommande::Action::Exporter:
    case LigneCommande::Action::Importer:
        break;
    }
    // Whatever the output is named, it never replaces a file of the set or of the program.
    const ProtectionJeu protection([&ligne] { return ligne.fichierClients; }, dossierProgramme);
    Reglages reglages;
    for (const QString& e : reglages.chargeAuDemarrage(dossierProgramme))
        erreurs << e << Qt::endl;
    const bool echange = ligne.action == LigneCommande::Action::Exporter ||
                         ligne.action == LigneCommande::Action::Importer;
    if (ligne.action != LigneCommande::Action::Pdf &&
        ligne.action != LigneCommande::Action::FacturX && !echange) {
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
    if (echange) {
        QTextStream sortie(stdout);
        if (Resultat r = executeEchange(ligne, jeu, fenetre, sortie); !r) {
            erreurs << r.message() << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (Resultat r = litDocumentSeul(ligne.fichierClients, ligne.document, jeu, fenetre); !r) {
        erreurs << r.message() << Qt::endl;
        return 1;
    }
    const PageFactures& page = fenetre.factures();
    const Document& d = page.document();
    const Impression::Dessin dessin = [&](Canevas& c) { imprimeDocument(c, page, reglages); };
    Sortie sortie(ligne.remplacer);
    const auto ecrit = [&]() -> Resultat {
        if (ligne.action == LigneCommande::Action::Pdf)
            return Impression::imprimePdf(sortie, ligne.sortie, dessin).resultat();
        QByteArray xml;
        if (Resultat r = xmlFacturX(d, reglages, jeu.BlocsCli(), xml); !r)
            return r;
        return Impression::imprimeFacturX(
                   sortie, ligne.sortie, d.genre.trimmed() + u' ' + d.numero.trimmed(), dessin, xml)
            .resultat();
    };
    if (Resultat r = ecrit(); !r) {
        erreurs << r.message() << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace zel::ui
