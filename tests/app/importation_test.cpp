// Imports of the files people have: their character set, the numbers the new blocks take, the
// memory a huge line costs, and what the user is told at the end.
#include "store/fichiertexte.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>

#include <set>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace zel;
namespace L = ligneClient;
using zel::test::s;

using zel::test::cp1252;

QByteArray utf16(const char* utf8, QStringEncoder::Encoding encodage, const char* marque) {
    QStringEncoder encodeur(encodage);
    return QByteArray(marque) + QByteArray(encodeur(s(utf8)));
}

struct Montage : test::Montage {
    void importe(const QByteArray& octets, const QString& nom = QStringLiteral("import.txt")) {
        dossier.ecrit(nom, octets);
        dialogues.fichiers.push_back(dossier.chemin(nom));
        ASSERT_TRUE(fenetre.execute(Operation::Importer));
    }
    QString champ(int n, int ligne) const {
        return jeu.store(Sorte::Clients).contenuBloc(n).value(ligne - 1);
    }
    QStringList messages() const { return dialogues.vus.filter(QStringLiteral("message: ")); }
    // The block numbers of the client store, in store order.
    std::vector<int> numeros() const {
        std::vector<int> n;
        for (const LigneOuverture& o : jeu.store(Sorte::Clients).ouvertures())
            n.push_back(o.numero);
        return n;
    }
};

QStringList client(int n, const char* nom) {
    return test::bloc(n, 25, {{L::Code, s("%1").arg(10001 + n)}, {L::Nom, s(nom)}});
}

} // namespace

TEST(Importation, ReadsUtf8WithOrWithoutAMarkUtf16WithOneAndElseWindows1252) {
    const char* ligne = "Élodie Müller €\tœuvre n° 2\t\r\nDupont\t";
    const struct {
        const char* quoi;
        QByteArray octets;
    } cas[] = {
        {"Windows-1252", cp1252(ligne)},
        {"UTF-8 without a mark", QByteArray(ligne)},
        {"UTF-8 with a mark", QByteArray("\xEF\xBB\xBF") + ligne},
        {"UTF-16 little-endian", utf16(ligne, QStringEncoder::Utf16LE, "\xFF\xFE")},
        {"UTF-16 big-endian", utf16(ligne, QStringEncoder::Utf16BE, "\xFE\xFF")},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        Montage m;
        m.charge({});
        m.importe(c.octets);
        ASSERT_EQ(m.jeu.compte(Sorte::Clients), 2);
        EXPECT_EQ(m.champ(0, L::Nom), s("Élodie Müller €"));
        EXPECT_EQ(m.champ(0, L::Adresse1), s("œuvre n° 2"));
        EXPECT_EQ(m.champ(1, L::Nom), s("Dupont"));
        EXPECT_FALSE(m.messages().join(u'\n').contains(s("caractères")));
    }
    // A byte-order mark never becomes text, and the text after it sorts as it reads.
    Montage m;
    m.charge({});
    m.importe("\xEF\xBB\xBF"
              "Dupont\t\r\n");
    EXPECT_EQ(m.champ(0, L::Nom), s("Dupont"));
}

TEST(Importation, ACharacterTheFilesCannotHoldBecomesAQuestionMarkToldOnceWithTheFirstRecord) {
    Montage m;
    m.charge({});
    m.importe("Dupont\t\r\n\xCE\xA9mega\t\r\nZo\xC3\xAB \xF0\x9F\x98\x80 \xE2\x98\x83\t\r\n");
    ASSERT_EQ(m.jeu.compte(Sorte::Clients), 3);
    EXPECT_EQ(m.champ(0, L::Nom), s("Dupont"));
    EXPECT_EQ(m.champ(1, L::Nom), s("?mega"));
    EXPECT_EQ(m.champ(2, L::Nom), s("Zoë ? ?"));
    const QStringList vus = m.messages().filter(s("remplacés"));
    ASSERT_EQ(vus.size(), 1) << m.messages().join(u'\n').toStdString();
    EXPECT_TRUE(vus[0].contains(s("3 caractères que les fichiers ne peuvent pas garder ont été "
                                  "remplacés par « ? », le premier dans « ?mega » (ligne 2).")))
        << vus[0].toStdString();
    // The set can be saved: every character is one the files hold.
    m.sauve();
}

TEST(Importation, NewBlocksAreNumberedAboveTheHighestNumberSoNoTwoShareOne) {
    Montage m;
    m.charge({});
    // A store whose blocks are numbered 0, 1 and 5, as a hand edit or an older program leaves.
    m.jeu.BlocsCli().remplaceTout(client(0, "Un") + client(1, "Deux") + client(5, "Cinq"));
    m.jeu.setCompte(Sorte::Clients, 3);
    m.importe("Importé\t\r\nAutre\t\r\n");
    m.fenetre.clients().Ajout();
    m.fenetre.clients().carte().saisit(L::Nom, s("Nouvelle fiche"));
    m.fenetre.clients().EcritFiche();
    const std::vector<int> numeros = m.numeros();
    EXPECT_EQ(std::set<int>(numeros.begin(), numeros.end()).size(), numeros.size());
    EXPECT_EQ(numeros, (std::vector<int>{0, 1, 5, 6, 7, 8}));

    // Saved and opened again, no client is lost, and they are numbered without a gap.
    m.sauve();
    m.charge(m.relit("cli"));
    QStringList noms;
    for (int n = 0; n < m.jeu.compte(Sorte::Clients); ++n)
        noms.append(m.champ(n, L::Nom));
    EXPECT_EQ(noms, (QStringList{s("Un"), s("Deux"), s("Cinq"), s("Importé"), s("Autre"),
                                 s("Nouvelle fiche")}));
}

TEST(Importation, AStoreWithGapsInItsNumbersIsRenumberedAtLoadToldAndItsOriginalKept) {
    Montage m;
    const QStringList avant = client(0, "Un") + client(1, "Deux") + client(5, "Cinq");
    m.charge(avant);
    EXPECT_EQ(m.numeros(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(m.champ(2, L::Nom), s("Cinq"));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 3);
    ASSERT_FALSE(m.messages().isEmpty());
    EXPECT_TRUE(m.messages().last().contains(s("renumérotées")))
        << m.messages().last().toStdString();
    EXPECT_TRUE(m.dossier.existe(QStringLiteral("t.cli.original")));
    EXPECT_TRUE(m.jeu.TestModif());
    // Browsing reaches every client.
    m.fenetre.clients().navigue(Pas::Dernier);
    EXPECT_EQ(m.fenetre.clients().carte().champ(L::Nom), s("Cinq"));
}

TEST(Importation, ALineOfMillionsOfTabsCostsLittleMoreMemoryThanTheFile) {
    Montage m;
    m.charge({});
    const qsizetype taille = 10 * 1024 * 1024;
    m.dossier.ecrit(QStringLiteral("tabs.txt"), QByteArray(taille, '\t'));
    m.dialogues.fichiers.push_back(m.dossier.chemin(QStringLiteral("tabs.txt")));
    // The import runs in a child process, whose peak memory the system measures.
    long resident = 0;
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        ASSERT_TRUE(statm.open(QIODevice::ReadOnly));
        resident = statm.readAll().split(' ').value(1).toLong() * sysconf(_SC_PAGESIZE) / 1024;
    }
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        const bool ok = m.fenetre.execute(Operation::Importer) &&
                        m.jeu.compte(Sorte::Clients) == 1 &&
                        m.jeu.BlocsCli().contenuBloc(0).size() == 25;
        _exit(ok ? 0 : 1);
    }
    int etat = 0;
    rusage usage{};
    ASSERT_EQ(wait4(enfant, &etat, 0, &usage), enfant);
    ASSERT_TRUE(WIFEXITED(etat));
    EXPECT_EQ(WEXITSTATUS(etat), 0);
    const long croissanceKo = usage.ru_maxrss - resident;
    EXPECT_LT(croissanceKo, 4 * taille / 1024) << "peak " << usage.ru_maxrss << " kB";
}

TEST(Importation, TheEndMessageCountsWhatWasAddedAndWhatWasLeftOutAndWhy) {
    QStringList presque;
    for (int n = 0; n < 9996; ++n)
        presque += Blocs::encadre(n, {s("%1").arg(10001 + n)});
    QStringList plein;
    for (int n = 0; n < 9998; ++n)
        plein += Blocs::encadre(n, {s("%1").arg(10001 + n)});
    const struct {
        const char* quoi;
        QStringList store;
        QByteArray fichier;
        const char* message;
        bool modifie;
    } cas[] = {
        {"two lines", {}, "a\t\nb\t\n", "2 fiches importées.", true},
        {"one line", {}, "a\t\n", "1 fiche importée.", true},
        {"two past a store almost full", presque, "a\t\nb\t\nc\t\nd\t\n",
         "2 fiches importées.\nTrop de lignes, le fichier a été tronqué : 2 fiches laissées de "
         "côté (9998 fiches au plus).",
         true},
        {"a full store", plein, "a\t\nb\t\nc\t\n",
         "Aucune fiche importée.\nTrop de lignes, le fichier a été tronqué : 3 fiches laissées de "
         "côté (9998 fiches au plus).",
         false},
        {"an empty file", {}, "", "Aucune fiche importée.", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        Montage m;
        m.charge(c.store);
        m.dialogues.vus.clear();
        const int avant = m.jeu.compte(Sorte::Clients);
        m.importe(c.fichier);
        EXPECT_EQ(m.messages(), QStringList{s("message: ") + s(c.message)});
        EXPECT_EQ(m.jeu.TestModif(), c.modifie);
        if (!c.modifie) {
            EXPECT_EQ(m.jeu.compte(Sorte::Clients), avant);
        }
    }
}
