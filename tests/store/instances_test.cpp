// A set open in two programs at once, a set moved after a crash, and a save that cannot finish:
// whatever happens, the set read is the whole old one or the whole new one, an opening that
// does not hold the set's lock changes nothing on the disk, and the saver says what happened.

#include "store/ensemble.h"
#include "store/jeudocuments.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

// Every store becomes `blocs` blocks whose first line names the generation.
void remplit(JeuDocuments& jeu, int g, int blocs = 3) {
    for (Sorte sorte : kToutesSortes) {
        Blocs& b = jeu.store(sorte);
        b.vide();
        for (int n = 0; n < blocs; ++n)
            b.AjouteBloc(n, {s("GEN%1").arg(g), s("ligne %1").arg(n)});
        jeu.setCompte(sorte, blocs);
    }
    jeu.SetSauve();
}

// Saves generation 1 of the set, then puts generation 2 in memory, to be saved.
void deuxGenerations(JeuDocuments& jeu, const QString& nom) {
    remplit(jeu, 1);
    ASSERT_TRUE(jeu.Sauve(nom));
    remplit(jeu, 2);
}

// The generation the whole set holds, or "mélangé" when its files differ.
QString generation(const JeuDocuments& jeu) {
    const QString g = jeu.store(Sorte::Clients).contenuBloc(0).value(0);
    for (Sorte sorte : kToutesSortes) {
        if (jeu.store(sorte).contenuBloc(0).value(0) != g)
            return s("mélangé");
    }
    return g;
}

QString generationSurLeDisque(const QString& nom) {
    JeuDocuments jeu;
    EXPECT_TRUE(jeu.Charge(nom));
    return generation(jeu);
}

// Every file of the folder with a digest of its bytes.
QStringList photo(const QString& dossier) {
    QStringList fichiers;
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile lu(f.filePath());
        const QByteArray octets = lu.open(QIODevice::ReadOnly) ? lu.readAll() : QByteArray("?");
        fichiers.append(
            f.fileName() + u' ' +
            QString::fromLatin1(
                QCryptographicHash::hash(octets, QCryptographicHash::Md5).toHex().left(8)));
    }
    return fichiers;
}

QStringList restes(const QString& dossier) {
    return QDir(dossier).entryList({s("*.zvtmp"), s("*.zvj")}, QDir::Files | QDir::Hidden);
}

// Runs the child that saves generation g of the set, killing itself after a step.
bool sauveEnfant(const QString& nom, int g, int mort = 0) {
    QProcess p;
    p.start(s(ZEL_ENFANT), {nom, QString::number(g), s("3"), QString::number(mort)});
    EXPECT_TRUE(p.waitForFinished(60000));
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

struct SansTemoin {
    ~SansTemoin() { ensemble::setTemoin({}); }
};

} // namespace

TEST(Instances, ASecondOpeningDuringASaveChangesNothingAndTheSaverTellsTheTruth) {
    // Steps 1 to 5 write the copies, 6 puts the commit record in place, 7 to 11 rename.
    for (int etape = 1; etape <= 11; ++etape) {
        SCOPED_TRACE(etape);
        test::Dossier dossier;
        const QString nom = dossier.chemin(s("t.cli"));
        JeuDocuments premier;
        deuxGenerations(premier, nom);

        QStringList avant, apres;
        QString vu;
        SansTemoin sans;
        ensemble::setTemoin([&](int e) {
            if (e != etape || !vu.isEmpty())
                return;
            vu = s("?");
            avant = photo(dossier.racine());
            JeuDocuments second;
            EXPECT_TRUE(second.Charge(nom));
            EXPECT_TRUE(second.lectureSeule()) << "the first one holds the lock";
            vu = generation(second);
            apres = photo(dossier.racine());
        });
        const Resultat r = premier.Sauve(nom);
        ensemble::setTemoin({});

        EXPECT_EQ(avant.join(u'|').toStdString(), apres.join(u'|').toStdString())
            << "the second opening touches nothing";
        EXPECT_EQ(vu, etape < 6 ? s("GEN1") : s("GEN2")) << "it reads a whole set";
        EXPECT_TRUE(r) << r.message().toStdString();
        EXPECT_FALSE(premier.TestModif());
        EXPECT_EQ(generationSurLeDisque(nom), s("GEN2"));
        EXPECT_TRUE(restes(dossier.racine()).isEmpty())
            << restes(dossier.racine()).join(u' ').toStdString();
    }
}

TEST(Instances, ACopyRemovedByAnotherProgramMakesTheSaveFailLoudly) {
    // A program that ignores the lock removes the supplier file's copy before the commit (5) or
    // once the record is in place (6).
    const struct {
        int etape;
        const char* dit;
        const char* surLeDisque;
    } cas[] = {{5, "a disparu avant la fin de l'enregistrement", "GEN1"},
               {6, "n'est peut-être pas complet : t.frs.zvtmp a disparu", "mélangé"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.etape);
        test::Dossier dossier;
        const QString nom = dossier.chemin(s("t.cli"));
        JeuDocuments jeu;
        deuxGenerations(jeu, nom);
        SansTemoin sans;
        ensemble::setTemoin([&](int e) {
            if (e == c.etape)
                QFile::remove(dossier.chemin(s("t.frs.zvtmp")));
        });
        const Resultat r = jeu.Sauve(nom);
        ensemble::setTemoin({});
        EXPECT_FALSE(r);
        EXPECT_TRUE(r.message().contains(s(c.dit))) << r.message().toStdString();
        EXPECT_TRUE(jeu.TestModif()) << "the set is still to be saved";
        EXPECT_TRUE(restes(dossier.racine()).isEmpty())
            << restes(dossier.racine()).join(u' ').toStdString();
        EXPECT_EQ(generationSurLeDisque(nom), s(c.surLeDisque));
        // Saved again, the set is whole.
        ASSERT_TRUE(jeu.Sauve(nom));
        EXPECT_EQ(generationSurLeDisque(nom), s("GEN2"));
    }
}

TEST(Instances, ASetMovedAfterACrashOpensWhole) {
    // Killed once the commit record is in place (6) and after each rename (7 to 11).
    for (int etape = 6; etape <= 11; ++etape) {
        SCOPED_TRACE(etape);
        test::Dossier dossier;
        ASSERT_TRUE(QDir(dossier.racine()).mkdir(s("avant")));
        ASSERT_TRUE(sauveEnfant(dossier.chemin(s("avant/t.cli")), 1));
        EXPECT_FALSE(sauveEnfant(dossier.chemin(s("avant/t.cli")), 2, etape));
        // The folder is renamed, as when a share is opened from another computer.
        ASSERT_TRUE(QDir(dossier.racine()).rename(s("avant"), s("apres")));
        EXPECT_EQ(generationSurLeDisque(dossier.chemin(s("apres/t.cli"))), s("GEN2"));
        EXPECT_TRUE(restes(dossier.chemin(s("apres"))).isEmpty());
        EXPECT_EQ(generationSurLeDisque(dossier.chemin(s("apres/t.cli"))), s("GEN2"));
    }
}

TEST(Instances, ACommandReadsTheCommittedSetOfACrashAndLeavesItAsItIs) {
    // Killed before the commit (3), after it (6) and between two renames (8).
    for (const auto& [etape, attendue] : {std::pair(3, "GEN1"), {6, "GEN2"}, {8, "GEN2"}}) {
        SCOPED_TRACE(etape);
        test::Dossier dossier;
        const QString nom = dossier.chemin(s("t.cli"));
        ASSERT_TRUE(sauveEnfant(nom, 1));
        EXPECT_FALSE(sauveEnfant(nom, 2, etape));
        const QStringList avant = photo(dossier.racine());
        JeuDocuments commande;
        ASSERT_TRUE(commande.ChargeLecture(nom));
        EXPECT_EQ(generation(commande), s(attendue));
        EXPECT_EQ(photo(dossier.racine()), avant) << "a command only reads";
    }
}

TEST(Instances, ACommitRecordNamingAnotherFolderIsFinishedBesideItself) {
    // A record written before its files were named without folder, by a save cut short after
    // the commit in a folder since moved: its copies are found beside it.
    test::Dossier dossier;
    const QString nom = dossier.chemin(s("t.cli"));
    {
        JeuDocuments jeu;
        deuxGenerations(jeu, nom);
    }
    QByteArray record;
    for (const char* e : {"cli", "fct", "frs", "stk", "cmd"}) {
        const QString fichier = s("t.") + s(e);
        dossier.ecrit(fichier + s(".zvtmp"), dossier.lit(fichier).replace("GEN1", "GEN2"));
        record += "/ailleurs/avant/" + fichier.toUtf8() + ".zvtmp\t/ailleurs/avant/" +
                  fichier.toUtf8() + "\n";
    }
    dossier.ecrit(s("t.cli.zvj"), record + "FIN\n");
    EXPECT_EQ(generationSurLeDisque(nom), s("GEN2"));
    EXPECT_TRUE(restes(dossier.racine()).isEmpty());
}

TEST(Instances, AReadingThatASaveCrossesIsReadAgainWhole) {
    test::Dossier dossier;
    const QString nom = dossier.chemin(s("t.cli"));
    JeuDocuments premier;
    deuxGenerations(premier, nom);
    // The second program has opened two files of the old set when the first saves the new one.
    bool sauve = false;
    struct SansTemoinLecture {
        ~SansTemoinLecture() { ensemble::setTemoinLecture({}); }
    } sans;
    ensemble::setTemoinLecture([&](int fichier) {
        if (fichier == 2 && !sauve) {
            sauve = true;
            EXPECT_TRUE(premier.Sauve(nom));
        }
    });
    JeuDocuments second;
    ASSERT_TRUE(second.Charge(nom));
    EXPECT_TRUE(sauve);
    EXPECT_TRUE(second.lectureSeule());
    EXPECT_EQ(generation(second), s("GEN2"));
}

// What the set tells the user as it loads.
struct Avis : ReactionsDocuments {
    QStringList dits;
    void avertit(const QString& texte) override { dits.append(texte); }
    bool quittePages() override { return true; }
    void ecritCartes() override {}
    void compacteStore(Sorte) override {}
    void apresChargement() override {}
};

TEST(Instances, AFileThatCannotBeReplacedAfterTheCommitIsFinishedAtTheNextOpening) {
    test::Dossier dossier;
    const QString nom = dossier.chemin(s("t.cli"));
    std::unique_ptr<test::FichierImmuable> immuable;
    {
        JeuDocuments jeu;
        deuxGenerations(jeu, nom);
        // Once the new set is committed, the administrator makes the article file unchangeable.
        SansTemoin sans;
        ensemble::setTemoin([&](int e) {
            if (e == 6)
                immuable = std::make_unique<test::FichierImmuable>(dossier.chemin(s("t.stk")));
        });
        const Resultat r = jeu.Sauve(nom);
        ensemble::setTemoin({});
        if (!immuable->actif())
            GTEST_SKIP() << "no immutable attribute on this file system";
        ASSERT_TRUE(r) << "the new set is committed: " << r.message().toStdString();
        EXPECT_EQ(r.avis(), s("Le jeu %1 est enregistré, mais t.stk (permission refusée) ne peut "
                              "pas encore être remplacé : il le sera à la prochaine ouverture du "
                              "jeu.")
                                .arg(nom));
        EXPECT_FALSE(jeu.TestModif());

        // Meanwhile another program reads the new set, through the commit record, touching
        // nothing; and a new save is refused rather than mixing two saves.
        const QStringList avant = photo(dossier.racine());
        JeuDocuments autre;
        ASSERT_TRUE(autre.Charge(nom));
        EXPECT_TRUE(autre.lectureSeule());
        EXPECT_EQ(generation(autre), s("GEN2"));
        EXPECT_EQ(photo(dossier.racine()), avant);
        remplit(jeu, 3);
        const Resultat encore = jeu.Sauve(nom);
        EXPECT_FALSE(encore);
        EXPECT_TRUE(encore.message().contains(s("l'enregistrement précédent n'est pas terminé")))
            << encore.message().toStdString();
        EXPECT_EQ(photo(dossier.racine()), avant);
    }
    {
        // Opened while the file is still unchangeable: the new set, and why it is not finished.
        JeuDocuments jeu;
        Avis avis;
        jeu.setReactions(&avis);
        ASSERT_TRUE(jeu.Charge(nom));
        EXPECT_FALSE(jeu.lectureSeule());
        EXPECT_EQ(generation(jeu), s("GEN2"));
        ASSERT_EQ(avis.dits.size(), 1);
        EXPECT_TRUE(avis.dits[0].contains(s("n'a pas pu être terminé")))
            << avis.dits[0].toStdString();
        EXPECT_FALSE(restes(dossier.racine()).isEmpty());
    }
    // Once the file can be changed again, the next opening finishes the save.
    immuable.reset();
    EXPECT_EQ(generationSurLeDisque(nom), s("GEN2"));
    EXPECT_TRUE(restes(dossier.racine()).isEmpty());
}
