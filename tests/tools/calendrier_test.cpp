#include "tools/calendrier.h"

#include <gtest/gtest.h>

using zel::outils::Calendrier;

TEST(Calendrier, PagineLesMoisEtRecritLeTitre) {
    struct Cas {
        QDate depart;
        int pas;
        const char* titre;
    } const cas[] = {
        {{2026, 12, 6}, 0, "décembre  2026"}, {{2026, 12, 6}, 1, "janvier  2027"},
        {{2026, 1, 6}, -1, "décembre  2025"}, {{2026, 1, 31}, 1, "février  2026"},
        {{2026, 8, 15}, 0, "août  2026"},
    };
    for (const auto& c : cas) {
        Calendrier cal(c.depart);
        if (c.pas > 0)
            cal.moisSuivant();
        else if (c.pas < 0)
            cal.moisPrecedent();
        EXPECT_EQ(cal.titre(), QString::fromUtf8(c.titre));
    }
    Calendrier fin({2026, 1, 31});
    fin.moisSuivant();
    EXPECT_EQ(fin.date(), QDate(2026, 2, 28));
}
