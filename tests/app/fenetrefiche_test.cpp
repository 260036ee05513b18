#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

} // namespace

TEST(FenetreFiche, AnInvoiceSelectionCancelledKeepsTheSelectionAsItWas) {
    test::Montage m;
    m.charge({});
    ASSERT_TRUE(m.fenetre.montre(Sorte::Factures));
    const ElementMenu& unClient = *trouve({u"&Sélection", u"&Facture code client..."});
    m.dialogues.saisies = {QString()};
    EXPECT_FALSE(m.fenetre.selectionne(unClient)) << "Annuler";
    EXPECT_FALSE(m.fenetre.factures().unTiers());
    m.dialogues.saisies = {s("10001")};
    EXPECT_TRUE(m.fenetre.selectionne(unClient));
    EXPECT_TRUE(m.fenetre.factures().unTiers());
}
