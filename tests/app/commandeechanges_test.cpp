// The command line's export and import: an export writes through the one writer and leaves the
// set as it was; an import saves the set as one unit, says what it imported, and touches no set
// that another Zel Vente has open.
#include "app/lignecommande.h"
#include "records/sortie.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
using zel::test::s;
namespace L = ligneClient;

QStringList client(int n, const char* nom) {
    return test::bloc(n, 25, {{L::Code, s("%1").arg(10001 + n)}, {L::Nom, s(nom)}});
}

// A run of the command line on the set of the montage, as the program runs it without a window.
struct Commande {
    explicit Commande(const test::Montage& m) : montage(m) {}

    Resultat lance(const QStringList& arguments) {
        const LigneCommande ligne = LigneCommande::analyse(arguments);
        EXPECT_EQ(ligne.action == LigneCommande::Action::Erreur, false)
            << ligne.erreur.toStdString();
        const ProtectionJeu protection([&ligne] { return ligne.fichierClients; }, QString());
        JeuDocuments jeu;
        Reglages reglages;
        test::DialoguesFactices console;
        test::MesureFixe mesure;
        FenetreFiche fenetre(jeu, reglages, console, mesure);
        sortie.clear();
        QTextStream flux(&sortie);
        const Resultat r = executeEchange(ligne, jeu, fenetre, flux);
        flux.flush();
        return r;
    }
    // Every file of the set, as bytes.
    QList<QByteArray> jeu() const {
        QList<QByteArray> fichiers;
        for (const char* e : {"cli", "fct", "frs", "stk", "cmd"})
            fichiers.append(montage.dossier.lit(s("t.%1").arg(s(e))));
        return fichiers;
    }

    const test::Montage& montage;
    QString sortie;
};

} // namespace

TEST(CommandeEchanges, AnExportWritesTheRecordsThroughTheOneWriterAndChangesNothingInTheSet) {
    test::Montage m;
    m.charge(client(0, "Dupont") + client(1, "=HYPERLINK(\"http://x\";\"ici\")"));
    m.sauve();
    Commande c(m);
    const QList<QByteArray> avant = c.jeu();
    const QString csv = m.dossier.chemin(s("clients.csv"));
    ASSERT_TRUE(c.lance({s("--exporter"), s("clients"), m.nom(), csv}).ok());
    const QByteArray ecrit = m.dossier.lit(s("clients.csv"));
    EXPECT_TRUE(ecrit.startsWith("\xEF\xBB\xBF\"Code client\";\"NPAI\";\"Marquer\";\"Nom/Soc\""));
    EXPECT_TRUE(ecrit.contains("\"Dupont\""));
    EXPECT_TRUE(ecrit.contains("\"'=HYPERLINK(\"\"http://x\"\";\"\"ici\"\")\""));
    EXPECT_EQ(c.jeu(), avant);

    // An existing file is replaced only when told, and never one of the set's.
    m.dossier.ecrit(s("clients.csv"), "ancien");
    const Resultat refus = c.lance({s("--exporter"), s("clients"), m.nom(), csv});
    EXPECT_FALSE(refus.ok());
    EXPECT_EQ(m.dossier.lit(s("clients.csv")), QByteArray("ancien"));
    EXPECT_TRUE(c.lance({s("--exporter"), s("clients"), m.nom(), csv, s("--remplacer")}).ok());
    EXPECT_EQ(m.dossier.lit(s("clients.csv")), ecrit);
    EXPECT_FALSE(
        c.lance({s("--exporter"), s("clients"), m.nom(), m.nom("fct"), s("--remplacer")}).ok());
    EXPECT_EQ(c.jeu(), avant);
}

TEST(CommandeEchanges, AnImportSavesTheSetSaysWhatItAddedAndLeavesASetOpenElsewhereAlone) {
    test::Montage m;
    m.charge(client(0, "Dupont"));
    m.sauve();
    // The set is let go of, as by a program closed.
    m.jeu.Nouveau();
    m.dossier.ecrit(s("import.txt"), "Martin\t\r\nDurand\t\r\n");
    Commande c(m);
    const QStringList arguments = {s("--importer"), s("clients"), m.nom(),
                                   m.dossier.chemin(s("import.txt"))};

    // Open in another Zel Vente: refused, nothing written.
    {
        VerrouJeu autre(m.nom());
        ASSERT_EQ(autre.prend(), VerrouJeu::Etat::Tenu);
        const QList<QByteArray> avant = c.jeu();
        const Resultat r = c.lance(arguments);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.message(), s("Le fichier t.cli est ouvert dans un autre programme Zel Vente : "
                                 "rien n'a été importé."));
        EXPECT_EQ(c.jeu(), avant);
    }

    ASSERT_TRUE(c.lance(arguments).ok());
    EXPECT_EQ(c.sortie, s("2 fiches importées.\n"));
    Blocs relu;
    relu.remplaceTout(m.relit("cli"));
    ASSERT_EQ(relu.CompteBlocs(), 3);
    EXPECT_EQ(relu.contenuBloc(2).value(L::Nom - 1), s("Durand"));

    // Nothing to add: nothing saved.
    m.dossier.ecrit(s("import.txt"), "");
    const QList<QByteArray> avant = c.jeu();
    ASSERT_TRUE(c.lance(arguments).ok());
    EXPECT_EQ(c.sortie, s("Aucune fiche importée.\n"));
    EXPECT_EQ(c.jeu(), avant);
}

TEST(CommandeEchanges, AWrongKindOrAReplaceWithAnImportIsACommandLineError) {
    const struct {
        QStringList arguments;
        const char* message;
    } cas[] = {
        {{s("--exporter"), s("commandes"), s("t.cli"), s("x.txt")}, "--exporter attend"},
        {{s("--importer"), s("clients"), s("t.cli")}, "--importer attend"},
        {{s("--importer"), s("clients"), s("t.cli"), s("x.txt"), s("--remplacer")},
         "--remplacer accompagne"},
    };
    for (const auto& c : cas) {
        const LigneCommande l = LigneCommande::analyse(c.arguments);
        EXPECT_EQ(l.action, LigneCommande::Action::Erreur) << c.message;
        EXPECT_TRUE(l.erreur.startsWith(s(c.message))) << l.erreur.toStdString();
    }
}
