// A program that saves a document set and may be killed while it does: the crash tests run it
// and look at what a crash at any instant leaves on the disk.
//
//   zel_enfant_sauve <client file> <generation> <blocks per kind> [<step to die after>]
//
// The set is opened (taking its lock when it is free), "ouvert" is written on the standard
// output, every store becomes `blocks` blocks whose lines carry the generation and the set is
// saved; with a step, the program kills itself right after that step of the save. A failed
// save exits with 1 and its message on the standard error; a notice of a save made goes there
// too.

#include "store/ensemble.h"
#include "store/fichiertexte.h"
#include "store/jeudocuments.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() < 4)
        return 2;
    const QString nom = a[1];
    const QString generation = a[2];
    const int blocs = a[3].toInt();
    const int mort = a.size() > 4 ? a[4].toInt() : 0;
    zel::JeuDocuments jeu;
    if (zel::fichier::existe(nom) && !jeu.Charge(nom))
        return 3;
    std::fputs("ouvert\n", stdout);
    std::fflush(stdout);
    for (zel::Sorte s : zel::kToutesSortes) {
        zel::Blocs& b = jeu.store(s);
        b.vide();
        for (int n = 0; n < blocs; ++n)
            b.AjouteBloc(n,
                         {QStringLiteral("GEN") + generation,
                          QStringLiteral("Une ligne pour donner du poids au fichier %1").arg(n)});
        jeu.setCompte(s, blocs);
    }
    jeu.SetSauve();
    if (mort > 0)
        zel::ensemble::setTemoin([mort](int etape) {
            if (etape == mort)
                std::raise(SIGKILL);
        });
    const zel::Resultat r = jeu.Sauve(nom);
    std::fprintf(stderr, "%s\n", qPrintable(r ? r.avis() : r.message()));
    return r ? 0 : 1;
}
