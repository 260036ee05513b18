#include "records/sortie.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using namespace zel;
using test::Dossier;
using test::s;

const QByteArray kAncien = "ancien\r\n";

// A set "Ventes.cli" with its companions and the program's settings, in one folder, protected
// for the life of the object.
class JeuProtege {
public:
    JeuProtege() : protection([this] { return d.chemin(s("Ventes.cli")); }, d.racine()) {
        for (const char* f : {"Ventes.cli", "Ventes.fct", "Ventes.frs", "Ventes.stk", "Ventes.cmd",
                              "Ventes.oms", "Ventes.cli.zvlock", "ZelVente.ini"})
            d.ecrit(s(f), kAncien);
    }

    Dossier d;
    ProtectionJeu protection;
};

} // namespace

TEST(Sortie, NeverWritesAFileOfTheOpenSetHoweverItIsNamed) {
    JeuProtege jeu;
    const Dossier& d = jeu.d;
    Dossier ailleurs;
    ASSERT_EQ(::symlink(QFile::encodeName(d.chemin(s("Ventes.stk"))).constData(),
                        QFile::encodeName(ailleurs.chemin(s("lien.txt"))).constData()),
              0);
    ASSERT_EQ(::symlink(QFile::encodeName(d.racine()).constData(),
                        QFile::encodeName(ailleurs.chemin(s("dossier"))).constData()),
              0);
    ASSERT_EQ(::link(QFile::encodeName(d.chemin(s("Ventes.cmd"))).constData(),
                     QFile::encodeName(ailleurs.chemin(s("copie.txt"))).constData()),
              0);
    const QString cibles[] = {
        d.chemin(s("Ventes.cli")),
        d.chemin(s("Ventes.fct")),
        d.chemin(s("Ventes.frs")),
        d.chemin(s("Ventes.stk")),
        d.chemin(s("Ventes.cmd")),
        d.chemin(s("Ventes.oms")),
        d.chemin(s("Ventes.cli.zvj")),
        d.chemin(s("Ventes.cli.zvlock")),
        d.chemin(s("Ventes.fct.zvtmp")),
        d.chemin(s("Ventes.fct.original")),
        d.chemin(s("VENTES.FCT")),
        d.chemin(s("ventes.Cli")),
        d.chemin(s("./sous/../Ventes.frs")),
        ailleurs.chemin(s("lien.txt")),
        ailleurs.chemin(s("dossier/Ventes.cmd")),
        ailleurs.chemin(s("dossier/ventes.oms")),
        ailleurs.chemin(s("copie.txt")),
        d.chemin(s("ZelVente.ini")),
        d.chemin(s("zelvente.nte")),
    };
    QDir(d.racine()).mkdir(s("sous"));
    for (const QString& cible : cibles) {
        for (bool remplacer : {false, true}) {
            Sortie sortie(remplacer);
            const Enregistrement e = sortie.ecrit(cible, QStringList{s("export")});
            EXPECT_EQ(e.issue(), Enregistrement::Issue::Echoue) << cible.toStdString();
            EXPECT_TRUE(e.message().contains(s("c'est un fichier du jeu de documents ouvert")))
                << e.message().toStdString();
        }
        test::DialoguesFactices dialogues;
        dialogues.confirmations = {true};
        EXPECT_FALSE(Sortie(dialogues).ecrit(cible, QByteArray("x"))) << cible.toStdString();
        EXPECT_TRUE(dialogues.confirmations.size() == 1) << "nothing is asked of such a file";
    }
    for (const char* f : {"Ventes.cli", "Ventes.fct", "Ventes.frs", "Ventes.stk", "Ventes.cmd",
                          "Ventes.oms", "ZelVente.ini"})
        EXPECT_EQ(d.lit(s(f)), kAncien) << f;
    EXPECT_FALSE(d.existe(s("Ventes.cli.zvj")));

    // Other files of the same folder are outputs like any other.
    EXPECT_TRUE(Sortie(false).ecrit(d.chemin(s("Ventes.txt")), QByteArray("x")));
    EXPECT_TRUE(Sortie(false).ecrit(d.chemin(s("Ventes2.fct")), QByteArray("x")));
}

TEST(Sortie, WithoutAnOpenSetOnlyTheFileItselfCounts) {
    Dossier d;
    d.ecrit(s("Ventes.fct"), kAncien);
    const ProtectionJeu sansJeu([] { return QString(); }, QString());
    Sortie sortie(true);
    EXPECT_TRUE(sortie.ecrit(d.chemin(s("Ventes.fct")), QByteArray("x")));
}

TEST(Sortie, AsksBeforeReplacingAndTheCommandLineNeedsToBeTold) {
    Dossier d;
    d.ecrit(s("Export.txt"), kAncien);
    const QString cible = d.chemin(s("Export.txt"));
    const QString question = s("confirmation: Le fichier Export.txt existe déjà. Le remplacer ?");

    test::DialoguesFactices dialogues;
    dialogues.confirmations = {false};
    bool fabrique = false;
    const Enregistrement non = Sortie(dialogues).ecrit(cible, [&](QByteArray& o) {
        fabrique = true;
        o = "nouveau";
        return Resultat::succes();
    });
    EXPECT_EQ(non.issue(), Enregistrement::Issue::Renonce);
    EXPECT_TRUE(non.message().isEmpty());
    EXPECT_TRUE(non.resultat()) << "a refusal by the user is no failure to tell";
    EXPECT_FALSE(fabrique) << "nothing is made for a file that will not be written";
    EXPECT_EQ(dialogues.vus, QStringList{question});
    EXPECT_EQ(d.lit(s("Export.txt")), kAncien);

    dialogues.confirmations = {true};
    EXPECT_TRUE(Sortie(dialogues).ecrit(cible, QStringList{s("été")}));
    EXPECT_EQ(d.lit(s("Export.txt")), QByteArray("\xe9t\xe9\r\n"));
    EXPECT_EQ(dialogues.vus.size(), 2);

    dialogues.vus.clear();
    EXPECT_TRUE(Sortie(dialogues).ecrit(d.chemin(s("Nouveau.txt")), QByteArray("n")));
    EXPECT_TRUE(dialogues.vus.isEmpty()) << "a new file asks nothing";

    const Enregistrement refus = Sortie(false).ecrit(cible, QByteArray("ligne"));
    EXPECT_EQ(refus.issue(), Enregistrement::Issue::Echoue);
    EXPECT_EQ(refus.message(), s("Impossible d'enregistrer le fichier %1 :\nil existe déjà ; "
                                 "ajoutez --remplacer pour le remplacer.")
                                   .arg(cible));
    EXPECT_EQ(d.lit(s("Export.txt")), QByteArray("\xe9t\xe9\r\n"));
    EXPECT_TRUE(Sortie(true).ecrit(cible, QByteArray("ligne")));
    EXPECT_EQ(d.lit(s("Export.txt")), QByteArray("ligne"));
}

TEST(Sortie, AReplacedFileKeepsItsPermissionsAndALinkStaysALink) {
    Dossier d;
    d.ecrit(s("prive.txt"), kAncien);
    const auto droits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(d.chemin(s("prive.txt")), droits);
    ASSERT_EQ(::symlink("prive.txt", QFile::encodeName(d.chemin(s("lien.txt"))).constData()), 0);
    EXPECT_TRUE(Sortie(true).ecrit(d.chemin(s("lien.txt")), QByteArray("nouveau")));
    EXPECT_TRUE(QFileInfo(d.chemin(s("lien.txt"))).isSymLink());
    EXPECT_EQ(d.lit(s("prive.txt")), QByteArray("nouveau"));
    EXPECT_EQ(QFile::permissions(d.chemin(s("prive.txt"))) & 0x7077, droits & 0x7077);
}

TEST(Sortie, AFailureTellsItsTrueCauseAndLeavesTheOldFile) {
    Dossier d;
    d.ecrit(s("a.txt"), kAncien);
    const struct {
        const char* nom;
        QString chemin;
        QStringList lignes;
        const char* cause;
    } cas[] = {
        {"no name", QString(), {s("x")}, "aucun nom de fichier n'a été donné"},
        {"a folder", d.racine(), {s("x")}, "ce nom est celui d'un dossier"},
        {"missing folder", d.chemin(s("absent/b.txt")), {s("x")}, "le dossier n'existe pas"},
        {"character outside the code page",
         d.chemin(s("a.txt")),
         {s("ok"), s("Łódź")},
         "la ligne 2 contient le caractère « Ł »"},
        {"full device", s("/dev/full"), {s("x")}, "le disque est plein"},
    };
    for (const auto& c : cas) {
        const Enregistrement e = Sortie(true).ecrit(c.chemin, c.lignes);
        EXPECT_EQ(e.issue(), Enregistrement::Issue::Echoue) << c.nom;
        EXPECT_TRUE(e.message().startsWith(s("Impossible d'enregistrer le fichier")));
        EXPECT_TRUE(e.message().contains(s(c.cause))) << c.nom << ": " << e.message().toStdString();
    }
    EXPECT_EQ(d.lit(s("a.txt")), kAncien);
    EXPECT_TRUE(Sortie(false).ecrit(s("/dev/null"), QByteArray("x"))) << "a device is no file";

    const Enregistrement fabrique = Sortie(true).ecrit(
        d.chemin(s("a.txt")), [](QByteArray&) { return Resultat::echec(s("le dessin a échoué")); });
    EXPECT_EQ(fabrique.message(), s("Impossible d'enregistrer le fichier %1 :\nle dessin a échoué.")
                                      .arg(d.chemin(s("a.txt"))));
    EXPECT_EQ(d.lit(s("a.txt")), kAncien);

    // A device that fails after a few bytes.
    const QStringList lignes(2000, s("une ligne du nouveau fichier"));
    Enregistrement coupee = Enregistrement::fait();
    {
        test::TailleLimitee limite(4096);
        ASSERT_TRUE(limite.actif());
        coupee = Sortie(true).ecrit(d.chemin(s("a.txt")), lignes);
    }
    EXPECT_TRUE(coupee.message().contains(s("le fichier dépasse la taille permise")))
        << coupee.message().toStdString();
    EXPECT_EQ(d.lit(s("a.txt")), kAncien);
    EXPECT_EQ(QDir(d.racine()).entryList(QDir::Files), QStringList{s("a.txt")});

    test::DossierProtege protege(d.racine());
    if (protege.actif()) {
        const Enregistrement refus = Sortie(true).ecrit(d.chemin(s("a.txt")), QByteArray("x"));
        EXPECT_TRUE(refus.message().contains(s("permission refusée")))
            << refus.message().toStdString();
        EXPECT_EQ(d.lit(s("a.txt")), kAncien);
    }
}

TEST(Sortie, AFullDiskIsToldAndLeavesTheOldFile) {
    test::PetitDisque disque(64 * 1024);
    if (!disque.actif())
        GTEST_SKIP() << disque.pourquoi().toStdString();
    QFile ancien(disque.chemin(s("a.txt")));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write(kAncien);
    ancien.close();
    disque.remplit();
    // Larger than a write buffer, and smaller: the bytes still held in the buffer count too.
    for (const qsizetype taille : {20000, 100}) {
        const Enregistrement e =
            Sortie(true).ecrit(disque.chemin(s("a.txt")), QByteArray(taille, 'n'));
        EXPECT_TRUE(e.message().contains(s("le disque est plein")))
            << taille << ": " << e.message().toStdString();
        ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
        EXPECT_EQ(ancien.readAll(), kAncien) << taille;
        ancien.close();
    }
}
