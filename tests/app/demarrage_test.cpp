#include "app/demarrage.h"

#include <gtest/gtest.h>

TEST(Demarrage, TheSplashGradientRunsFromBlue128ToBlue255) {
    const std::vector<zel::Bande> bandes = zel::bandesDegrade(221);
    ASSERT_EQ(bandes.size(), 256u);
    struct Cas {
        int i, haut, bas, bleu;
    };
    for (const Cas& c :
         {Cas{0, 0, 0, 128}, Cas{1, 0, 1, 128}, Cas{2, 1, 2, 129}, Cas{128, 110, 111, 192},
          Cas{254, 219, 220, 255}, Cas{255, 220, 221, 255}}) {
        EXPECT_EQ(bandes[c.i].haut, c.haut) << c.i;
        EXPECT_EQ(bandes[c.i].bas, c.bas) << c.i;
        EXPECT_EQ(bandes[c.i].bleu, c.bleu) << c.i;
    }
    // The bands cover the height without gap or overlap.
    for (size_t i = 1; i < bandes.size(); ++i)
        EXPECT_EQ(bandes[i].haut, bandes[i - 1].bas);
}

TEST(Demarrage, TheTimePanelShowsFourBlanksAndTheTimeWithoutAZone) {
    EXPECT_EQ(zel::texteHeure(QTime(9, 5, 7)), QStringLiteral("    09:05:07"));
    EXPECT_EQ(zel::texteHeure(QTime(23, 59, 59)), QStringLiteral("    23:59:59"));
}
