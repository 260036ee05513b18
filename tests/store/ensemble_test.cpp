// The five files of a set are written as one unit: whatever instant a save is killed at, the
// set read again is the whole old one or the whole new one. The saves run in a child process
// that is killed for real (tests/crash/enfant.cpp).

#include "store/ensemble.h"
#include "store/jeudocuments.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace zel;

using zel::test::s;

// Saves generation g of the set, the child killing itself after a step (0: never); false when
// it was killed.
bool sauveEnfant(const QString& nom, int g, int blocs, int mort = 0, int tueApresMs = -1) {
    QProcess p;
    p.start(s(ZEL_ENFANT),
            {nom, QString::number(g), QString::number(blocs), QString::number(mort)});
    EXPECT_TRUE(p.waitForStarted());
    if (tueApresMs >= 0) {
        QThread::msleep(tueApresMs);
        p.kill();
    }
    EXPECT_TRUE(p.waitForFinished(60000));
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The generation each of the five files holds, read as the program reads a set.
std::vector<QString> generations(const QString& nom) {
    JeuDocuments jeu;
    EXPECT_TRUE(jeu.Charge(nom));
    std::vector<QString> g;
    for (Sorte sorte : kToutesSortes)
        g.push_back(jeu.store(sorte).contenuBloc(0).value(0));
    return g;
}

struct Bilan {
    int tues = 0;
    int anciens = 0;
    int nouveaux = 0;
    int melanges = 0;
};

// Kills the child's saves, after each step and at random instants, and reads the set after each.
Bilan tue(const QString& nom, int blocs, int aleatoires, unsigned graine) {
    Bilan b;
    std::mt19937 alea(graine);
    int g = 1;
    // The kills fall anywhere within the time a whole save takes, loading included.
    QElapsedTimer chrono;
    chrono.start();
    EXPECT_TRUE(sauveEnfant(nom, g, blocs));
    const int duree = int(chrono.elapsed()) + 1;
    const auto lit = [&] {
        const std::vector<QString> vus = generations(nom);
        const QString ancien = s("GEN") + QString::number(g);
        const QString nouveau = s("GEN") + QString::number(g + 1);
        if (std::all_of(vus.begin(), vus.end(), [&](const QString& v) { return v == ancien; }))
            ++b.anciens;
        else if (std::all_of(vus.begin(), vus.end(),
                             [&](const QString& v) { return v == nouveau; })) {
            ++b.nouveaux;
            ++g;
        } else
            ++b.melanges;
    };
    for (int etape = 1; etape <= 11; ++etape) {
        EXPECT_FALSE(sauveEnfant(nom, g + 1, blocs, etape)) << "step " << etape;
        ++b.tues;
        lit();
    }
    for (int i = 0; i < aleatoires; ++i) {
        if (!sauveEnfant(nom, g + 1, blocs, 0, int(alea() % unsigned(duree))))
            ++b.tues;
        lit();
    }
    return b;
}

} // namespace

TEST(Ensemble, AKilledSaveLeavesTheWholeOldOrTheWholeNewSet) {
    const QByteArray demandes = qgetenv("ZEL_TUES");
    const int aleatoires = demandes.isEmpty() ? 10 : demandes.toInt();
    // Full-size sets when many kills are asked for (make soak), small ones otherwise.
    const int blocs = demandes.isEmpty() ? 200 : 9999;
    test::Dossier dossier;
    const QString nom = dossier.chemin(s("t.cli"));
    const Bilan b = tue(nom, blocs, aleatoires, 20261207);
    std::printf("%d sauvegardes tuées : %d ensembles anciens, %d nouveaux, %d mélangés\n", b.tues,
                b.anciens, b.nouveaux, b.melanges);
    EXPECT_EQ(b.melanges, 0);
    EXPECT_GE(b.anciens, 5) << "killed before the commit, the old set stays";
    EXPECT_GE(b.nouveaux, 6) << "killed after the commit, the next load finishes the new set";
    // Nothing of the crashes is left beside the set once it is read.
    const QStringList restes =
        QDir(dossier.racine()).entryList({s("*.zvtmp"), s("*.zvj")}, QDir::Files);
    EXPECT_TRUE(restes.isEmpty()) << restes.join(u' ').toStdString();
}

TEST(Ensemble, AFailureBeforeTheCommitChangesNoFile) {
    test::Dossier dossier;
    const QString nom = dossier.chemin(s("t.cli"));
    ASSERT_TRUE(sauveEnfant(nom, 1, 3));
    std::vector<QByteArray> avant;
    for (const char* e : {"t.cli", "t.fct", "t.frs", "t.stk", "t.cmd"})
        avant.push_back(dossier.lit(s(e)));
    // The copy of the fourth file cannot be made: a folder has its name.
    ASSERT_TRUE(QDir(dossier.racine()).mkdir(s("t.stk.zvtmp")));
    JeuDocuments jeu;
    ASSERT_TRUE(jeu.Charge(nom));
    jeu.BlocsCli().AjouteBloc(3, {s("GEN2")});
    jeu.SetSauve();
    const Resultat r = jeu.Sauve(nom);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.message().contains(s("t.stk"))) << r.message().toStdString();
    EXPECT_TRUE(jeu.TestModif());
    int i = 0;
    for (const char* e : {"t.cli", "t.fct", "t.frs", "t.stk", "t.cmd"})
        EXPECT_EQ(dossier.lit(s(e)), avant[std::size_t(i++)]) << e;
    EXPECT_FALSE(dossier.existe(s("t.cli.zvtmp")));
    EXPECT_FALSE(dossier.existe(s("t.cli.zvj")));

    // A protected folder: the cause the system gives is told, and no file changes.
    QDir(dossier.racine()).rmdir(s("t.stk.zvtmp"));
    test::DossierProtege protege(dossier.racine());
    if (!protege.actif())
        GTEST_SKIP() << "no way to protect a folder here";
    const Resultat refus = jeu.Sauve(nom);
    EXPECT_TRUE(refus.message().contains(s("permission refusée"))) << refus.message().toStdString();
    EXPECT_EQ(dossier.lit(s("t.cli")), avant[0]);
}
