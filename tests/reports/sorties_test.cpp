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
Journal journalLong() {
    Journal j;
    j.format = s("0.00");
    j.du = j.au = QDate(2026, 12, 6);
    for (int n = 1; n <= 300; ++n) {
        Piece p;
        p.bloc = n - 1;
        p.date = QDate(2026, 12, 6);
        p.numero = QString::number(202612000 + n);
        p.genre = s("Facture");
        p.tiers = s("10001");
        p.nomTiers = s("Dupont SA");
        p.lignes = {LigneEcriture{s("411000"), true, 1200, 1200, true},
                    LigneEcriture{s("707000"), false, 1000, 1000, false},
                    LigneEcriture{s("445700"), false, 200, 200, false}};
        j.pieces.push_back(p);
    }
    return j;
}

struct Ecrivain {
    const char* nom;
    std::function<void(Dialogues&)> ecrit;
};

} // namespace

TEST(Sorties, TheWindowsReportsNeverWriteOverTheSetAskFirstAndKeepTheOldFile) {
    Reglages reglages;
    reglages.ini.siren = s("552100554");
    const Journal journal = journalLong();
    const std::vector<const Piece*> pieces = entre(journal, journal.du, journal.au);
    const Ecrivain ecrivains[] = {
        {"journal",
         [&](Dialogues& d) {
             enregistreTexte(d, s("Texte (*.txt)|*.txt"), s("Journal.txt"),
                             lignesExport(journal, pieces));
         }},
        {"FEC", [&](Dialogues& d) { exporteFec(d, reglages, journal, journal.au); }},
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
            // The FEC's closing date, asked first.
            dialogues.saisies = {s("31/12/2026")};
            e.ecrit(dialogues);
            EXPECT_TRUE(dialogues.vus.join(u'|').contains(s(c.vu)))
                << e.nom << ", " << c.quoi << ": " << dialogues.vus.join(u'|').toStdString();
        }
        // A device that fails after a few bytes: the old file stays as it was.
        test::DialoguesFactices dialogues;
        dialogues.fichiers = {d.chemin(s("sortie.txt"))};
        dialogues.confirmations = {true};
        dialogues.saisies = {s("31/12/2026")};
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
