#include "tools/horloge.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <cerrno>

#include <vector>

using zel::outils::Horloge;

namespace {

class ReglageEnregistre : public zel::outils::ReglageSysteme {
public:
    zel::Resultat regle(const QDateTime& utc) override {
        recus.push_back(utc);
        return refuse ? zel::Resultat::echec(QStringLiteral("refusé")) : zel::Resultat::succes();
    }
    std::vector<QDateTime> recus;
    bool refuse = false;
};

// The user's answer to the question before the clock is set.
bool oui(const QString&) {
    return true;
}

Horloge horlogeA(QDate d, QTime t) {
    Horloge h;
    h.montre(QDateTime(d, t));
    return h;
}

} // namespace

TEST(Horloge, LesChampsTournentEntreLeursBornes) {
    struct Cas {
        Horloge::Champ champ;
        int pas;
        QDate date;
        QTime heure;
        const char* ligne;
    } const cas[] = {
        {Horloge::Champ::Heure, -1, {2026, 5, 4}, {0, 10, 20}, "00:10:20"},
        {Horloge::Champ::Heure, 1, {2026, 5, 4}, {23, 10, 20}, "24:10:20"},
        {Horloge::Champ::Heure, 2, {2026, 5, 4}, {23, 10, 20}, "24:10:20"},
        {Horloge::Champ::Minute, 1, {2026, 5, 4}, {9, 59, 0}, "09:59:00"},
        {Horloge::Champ::Minute, -1, {2026, 5, 4}, {9, 0, 0}, "09:00:00"},
        {Horloge::Champ::Jour, 1, {2026, 5, 31}, {9, 0, 0}, "31/05/2026"},
        {Horloge::Champ::Jour, -1, {2026, 5, 1}, {9, 0, 0}, "00/05/2026"},
        {Horloge::Champ::Mois, 1, {2026, 12, 1}, {9, 0, 0}, "01/12/2026"},
        {Horloge::Champ::Mois, -1, {2026, 1, 1}, {9, 0, 0}, "01/00/2026"},
        {Horloge::Champ::Annee, 1, {2099, 1, 1}, {9, 0, 0}, "01/01/2099"},
        {Horloge::Champ::Annee, -1, {1900, 1, 1}, {9, 0, 0}, "01/01/1900"},
    };
    for (const auto& c : cas) {
        Horloge h = horlogeA(c.date, c.heure);
        h.entreReglage();
        h.tourne(c.champ, c.pas);
        const QString ligne = QString::fromUtf8(c.ligne);
        EXPECT_EQ(ligne.contains(u'/') ? h.ligneDate() : h.ligneHeure(), ligne) << c.ligne;
    }
}

TEST(Horloge, LeReglageFigeLesLignesEtRegleEnHeureUniverselle) {
    Horloge h = horlogeA({2026, 7, 14}, {10, 30, 5});
    h.entreReglage();
    h.montre(QDateTime(QDate(2026, 7, 14), QTime(10, 30, 9)));
    EXPECT_EQ(h.ligneHeure(), u"10:30:05");

    ReglageEnregistre systeme;
    QStringList questions;
    const auto nonPuisOui = [&questions](const QString& q) {
        questions.append(q);
        return questions.size() > 1;
    };
    // No to the question leaves the set mode and sets nothing.
    ASSERT_TRUE(h.quitteReglage(systeme, nonPuisOui).ok());
    EXPECT_FALSE(h.modeReglage());
    EXPECT_TRUE(systeme.recus.empty());
    EXPECT_EQ(questions, QStringList{QString::fromUtf8(
                             "Mettre l'horloge de l'ordinateur à 10:30:05 le 14/07/2026 ?")});
    h.entreReglage();
    ASSERT_TRUE(h.quitteReglage(systeme, nonPuisOui).ok());
    ASSERT_EQ(systeme.recus.size(), 1u);
    EXPECT_EQ(systeme.recus[0].timeSpec(), Qt::UTC);
    EXPECT_EQ(systeme.recus[0], QDateTime(QDate(2026, 7, 14), QTime(10, 30, 5)).toUTC());
    EXPECT_FALSE(h.modeReglage());
}

TEST(Horloge, UneDateOuUneHeureImpossibleNeVaPasAuSysteme) {
    struct Cas {
        Horloge::Champ champ;
        int pas;
        QDate date;
        const char* message;
    } const cas[] = {
        {Horloge::Champ::Heure,
         1,
         {2026, 3, 10},
         "L'heure 24:00:00 n'existe pas : l'horloge de l'ordinateur n'a pas été changée."},
        {Horloge::Champ::Jour,
         -1,
         {2026, 3, 1},
         "La date 00/03/2026 n'existe pas : l'horloge de l'ordinateur n'a pas été changée."},
        {Horloge::Champ::Mois,
         -1,
         {2026, 1, 1},
         "La date 01/00/2026 n'existe pas : l'horloge de l'ordinateur n'a pas été changée."},
        {Horloge::Champ::Jour,
         3,
         {2026, 2, 28},
         "La date 31/02/2026 n'existe pas : l'horloge de l'ordinateur n'a pas été changée."},
    };
    for (const auto& c : cas) {
        Horloge h = horlogeA(c.date, {23, 0, 0});
        h.entreReglage();
        h.tourne(c.champ, c.pas);
        ReglageEnregistre systeme;
        const zel::Resultat r = h.quitteReglage(systeme, oui);
        EXPECT_EQ(r.message(), QString::fromUtf8(c.message));
        EXPECT_TRUE(systeme.recus.empty()) << c.message;
    }
}

TEST(Horloge, UnRefusDuSystemeEstRendu) {
    Horloge h = horlogeA({2026, 7, 14}, {10, 30, 5});
    h.entreReglage();
    ReglageEnregistre systeme;
    systeme.refuse = true;
    EXPECT_FALSE(h.quitteReglage(systeme, oui).ok());
}

TEST(Horloge, UnRefusDuSystemeEstDitSimplement) {
    EXPECT_EQ(zel::outils::refusSysteme(EPERM),
              QString::fromUtf8("Seul l'administrateur de l'ordinateur peut changer son heure : "
                                "l'horloge de l'ordinateur n'a pas été changée."));
    EXPECT_EQ(zel::outils::refusSysteme(EINVAL),
              QString::fromUtf8("Le système n'accepte pas cette date ou cette heure : l'horloge "
                                "de l'ordinateur n'a pas été changée."));
    EXPECT_TRUE(zel::outils::refusSysteme(EIO).startsWith(
        QString::fromUtf8("Le système refuse de mettre l'horloge à l'heure (")));
}
