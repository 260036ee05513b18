// The five files of a set are written as one unit: whatever instant a save is killed at, or a
// second program opens the set at, the set read is the whole old one or the whole new one. The
// saves run in a child process that is killed for real (tests/crash/enfant.cpp).

#include "store/ensemble.h"
#include "store/jeudocuments.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>
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

// The generation the whole set holds, or nothing when its files differ.
std::optional<int> generationEntiere(const JeuDocuments& jeu) {
    const QString g = jeu.store(Sorte::Clients).contenuBloc(0).value(0);
    for (Sorte sorte : kToutesSortes) {
        if (jeu.store(sorte).contenuBloc(0).value(0) != g)
            return std::nullopt;
    }
    return g.mid(3).toInt();
}

struct BilanOuvertures {
    int ouvertures = 0;
    int pendantLaSauvegarde = 0; // read-only: the saver held the lock
    int anciens = 0;             // the second program read the set before the commit
    int nouveaux = 0;            // ... or after it
    int melanges = 0;            // a mixed set, read by the second program or left on the disk
    int faussesAnnonces = 0;     // the saver's report and the disk disagree
    int refusees = 0;            // saves that failed
};

// Saves made by the child while a second program, this one, opens the set at a random instant
// of each; after each, the set on the disk must be what the child said.
BilanOuvertures ouvre(const QString& nom, int blocs, int ouvertures, unsigned graine) {
    BilanOuvertures b;
    std::mt19937 alea(graine);
    int g = 1;
    // The instants fall anywhere within the time a save takes once the set is open.
    const auto lanceEnfant = [&](QProcess& p) {
        p.start(s(ZEL_ENFANT), {nom, QString::number(g + 1), QString::number(blocs)});
        EXPECT_TRUE(p.waitForStarted());
        while (!p.canReadLine() && p.state() == QProcess::Running)
            p.waitForReadyRead(100);
    };
    int duree = 0;
    {
        QProcess p;
        lanceEnfant(p);
        QElapsedTimer chrono;
        chrono.start();
        EXPECT_TRUE(p.waitForFinished(60000));
        duree = int(chrono.elapsed()) + 1;
        ++g;
    }
    for (int i = 0; i < ouvertures; ++i) {
        QProcess p;
        lanceEnfant(p);
        QThread::msleep(alea() % unsigned(duree));
        {
            JeuDocuments second;
            EXPECT_TRUE(second.Charge(nom));
            ++b.ouvertures;
            if (second.lectureSeule())
                ++b.pendantLaSauvegarde;
            const std::optional<int> vu = generationEntiere(second);
            if (vu == g)
                ++b.anciens;
            else if (vu == g + 1)
                ++b.nouveaux;
            else
                ++b.melanges;
        }
        EXPECT_TRUE(p.waitForFinished(60000));
        const bool annonce = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        const QString dit = QString::fromUtf8(p.readAllStandardError());
        JeuDocuments relu;
        EXPECT_TRUE(relu.Charge(nom));
        const std::optional<int> surLeDisque = generationEntiere(relu);
        if (!surLeDisque)
            ++b.melanges;
        else if (*surLeDisque != (annonce ? g + 1 : g))
            ++b.faussesAnnonces;
        if (annonce) {
            ++g;
        } else {
            ++b.refusees;
            ADD_FAILURE() << "refused: " << dit.toStdString();
        }
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

TEST(Ensemble, ASecondInstanceOpeningDuringSavesReadsWholeSetsAndChangesNothing) {
    const QByteArray demandes = qgetenv("ZEL_OUVERTURES");
    const int ouvertures = demandes.isEmpty() ? 12 : demandes.toInt();
    // Full-size sets when many openings are asked for (make soak), small ones otherwise.
    const int blocs = demandes.isEmpty() ? 200 : 9999;
    test::Dossier dossier;
    const BilanOuvertures b = ouvre(dossier.chemin(s("t.cli")), blocs, ouvertures, 20261208);
    std::printf("%d ouvertures pendant des sauvegardes (%d en lecture seule) : %d ensembles "
                "anciens lus, %d nouveaux, %d mélangés, %d fausses annonces, %d sauvegardes "
                "refusées\n",
                b.ouvertures, b.pendantLaSauvegarde, b.anciens, b.nouveaux, b.melanges,
                b.faussesAnnonces, b.refusees);
    EXPECT_EQ(b.melanges, 0);
    EXPECT_EQ(b.faussesAnnonces, 0);
    EXPECT_EQ(b.anciens + b.nouveaux, b.ouvertures);
    const QStringList restes =
        QDir(dossier.racine()).entryList({s("*.zvtmp"), s("*.zvj")}, QDir::Files);
    EXPECT_TRUE(restes.isEmpty()) << restes.join(u' ').toStdString();
}
