// The journal's text export, the statistics' export and the FEC file of the windows write through
// the one writer.

#include "records/sortie.h"
#include "reports/fec.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using namespace zel;
using test::s;

const QByteArray kAncien = "ancien\r\n";

// Many lines, more than a device failing after 4096 bytes takes.
std::vector<Ecriture> journalLong() {
    std::vector<Ecriture> e;
    for (int n = 1; n <= 300; ++n) {
        const QString numero = QString::number(202612000 + n);
        e.push_back({QDate(2026, 12, 6),
                     s("VT"),
                     s("411000"),
                     s("Facture ") + numero,
                     s("12,00"),
                     {},
                     numero,
                     n,
                     s("10001"),
                     s("Dupont SA")});
        e.push_back({QDate(2026, 12, 6),
                     s("VT"),
                     s("707000"),
                     s("Facture ") + numero,
                     {},
                     s("10,00"),
                     numero,
                     n,
                     {},
                     {}});
    }
    return e;
}

struct Ecrivain {
    const char* nom;
    std::function<void(Dialogues&)> ecrit;
};

} // namespace

TEST(Sorties, TheWindowsReportsNeverWriteOverTheSetAskFirstAndKeepTheOldFile) {
    Reglages reglages;
    reglages.ini.siren = s("123456789");
    const std::vector<Ecriture> ecritures = journalLong();
    const Ecrivain ecrivains[] = {
        {"journal",
         [&](Dialogues& d) {
             enregistreTexte(d, s("Texte (*.txt)|*.txt"), s("Journal.txt"),
                             lignesExport(ecritures));
         }},
        {"FEC", [&](Dialogues& d) { exporteFec(d, reglages, ecritures, QDate(2026, 12, 31)); }},
    };
    for (const Ecrivain& e : ecrivains) {
        test::Dossier d;
        d.ecrit(s("t.cli"), kAncien);
        d.ecrit(s("t.fct"), kAncien);
        d.ecrit(s("sortie.txt"), kAncien);
        const ProtectionJeu protection([&d] { return d.chemin(s("t.cli")); }, QString());
        ASSERT_TRUE(QFile::link(d.chemin(s("t.fct")), d.chemin(s("lien.txt"))));
        ASSERT_EQ(::link(QFile::encodeName(d.chemin(s("t.cli"))).constData(),
                         QFile::encodeName(d.chemin(s("copie.txt"))).constData()),
                  0);

        const struct {
            const char* quoi;
            QString fichier;
            bool remplacer;
            const char* vu;
        } cas[] = {
            {"a link to a file of the set", d.chemin(s("lien")), true,
             "c'est un fichier du jeu de documents ouvert"},
            {"a second name of a file of the set", d.chemin(s("copie.txt")), true,
             "c'est un fichier du jeu de documents ouvert"},
            {"an existing file kept", d.chemin(s("sortie.txt")), false,
             "Le fichier sortie.txt existe déjà. Le remplacer ?"},
            {"a missing folder", d.chemin(s("absent/sortie.txt")), true, "le dossier n'existe pas"},
        };
        for (const auto& c : cas) {
            test::DialoguesFactices dialogues;
            dialogues.fichiers = {c.fichier};
            dialogues.confirmations = {c.remplacer};
            e.ecrit(dialogues);
            EXPECT_TRUE(dialogues.vus.join(u'|').contains(s(c.vu)))
                << e.nom << ", " << c.quoi << ": " << dialogues.vus.join(u'|').toStdString();
        }
        // A device that fails after a few bytes: the old file stays as it was.
        test::DialoguesFactices dialogues;
        dialogues.fichiers = {d.chemin(s("sortie.txt"))};
        dialogues.confirmations = {true};
        {
            test::TailleLimitee limite(4096);
            ASSERT_TRUE(limite.actif());
            e.ecrit(dialogues);
        }
        EXPECT_TRUE(dialogues.vus.last().contains(s("le fichier dépasse la taille permise")))
            << e.nom << ": " << dialogues.vus.join(u'|').toStdString();
        for (const char* f : {"t.cli", "t.fct", "sortie.txt"})
            EXPECT_EQ(d.lit(s(f)), kAncien) << e.nom << ": " << f;
    }
}
