// A document printed as its page shows it: its totals computed once from its stored cells, as
// the journal computes them, however often it is read and printed.

#include "app/lignecommande.h"
#include "records/impressiondocument.h"
#include "reports/journal.h"
#include "support/canevasenregistreur.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

QStringList facture(const QStringList& lignes) {
    QStringList b = {s("<BLOC0000>"), s("NUMF202612001"), s("06/12/2026"), s("10001"),
                     s("30 jours"),   s("Facture"),       s("Dupont SA"),  s(""),
                     s(""),           s("69000 Lyon"),    s("TTCN"),       s("N")};
    for (const QString& l : lignes)
        b.append(s("FACT") + l);
    b.append(s("</BLOC0000>"));
    return b;
}

} // namespace

TEST(ImpressionPage, ADocumentPrintsTheTotalsItsPageAndTheJournalShow) {
    // Prices the page rounds for display: computed again on the rounded cells, 0,125 would
    // count as 0,13 and 10,4 as 10.
    const struct {
        int decimales;
        QStringList lignes;
        const char* ht;
        const char* ttc;
    } cas[] = {
        {2, {s("A\tVis\t1\t0,125\t\t\t1"), s("B\tÉcrou\t1\t179,036\t\t\t1")}, "179,16", "214,28"},
        {0, {s("A\tVis\t2\t10,4\t\t\t1")}, "21", "25"},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.decimales);
        test::Montage m;
        m.reglages.ini.decimales = k.decimales;
        m.reglages.formatMontant = formatPourDecimales(k.decimales).value();
        m.charge({}, {}, {}, facture(k.lignes));
        // As the command line reads it for "--pdf", then printed twice.
        ASSERT_TRUE(litDocumentSeul(m.nom(), s("F202612001"), m.jeu, m.fenetre));
        const PageFactures& page = m.fenetre.factures();
        EXPECT_EQ(page.totaux().ht, s(k.ht));
        for (int fois = 0; fois < 2; ++fois) {
            test::CanevasEnregistreur c;
            imprimeDocument(c, page, m.reglages);
            EXPECT_TRUE(c.finitA(s(k.ht), 104, 248)) << fois;
            EXPECT_TRUE(c.finitA(s(k.ttc) + s(" Francs"), 189, 248)) << fois;
        }
        EXPECT_EQ(page.totaux().ht, s(k.ht));
        const Journal j = journal(m.jeu, m.reglages, m.dialogues, QDate(2026, 12, 6));
        const Tableau t = tableauJournal(j, entre(j, j.du, j.au));
        ASSERT_EQ(t.rangees.size(), 3u);
        EXPECT_EQ(t.rangees[0][4].trimmed(), s(k.ttc));
        EXPECT_EQ(t.rangees[1][5].trimmed(), s(k.ht));
    }
}
