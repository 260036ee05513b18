#include "ui/ongletdocument.h"
#include "ui/tmainform.h"
#include "ui/tparamf.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"
#include "ui/gestes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace zel;

using zel::test::s;

void tape(QWidget* w, const QString& texte) {
    for (QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &appui);
    }
}

void entree(QWidget* w) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &appui);
}

QStringList legendes(ui::TMainForm& fenetre) {
    QStringList t;
    for (const QLabel* l : fenetre.ongletFactures()->findChildren<QLabel*>())
        t.append(l->text());
    return t;
}

} // namespace

TEST(TParamf, FillsTypesNumbersAndConfirmsWithEnter) {
    Reglages r;
    r.listes.reglements = {s("A"), s("B"), s("C"), s("D"), s("E"), s("F"), s("G")};
    ui::TParamf dialogue;
    EXPECT_EQ(dialogue.windowTitle(), s("Paramètres de la facture"));
    dialogue.Init(SaisieParametres::depuis(r));
    auto* nomDevise = [&] {
        for (QLineEdit* e : dialogue.findChildren<QLineEdit*>()) {
            if (!e->isEnabled())
                return e;
        }
        return static_cast<QLineEdit*>(nullptr);
    }();
    ASSERT_TRUE(nomDevise) << "the currency name is disabled for Euro";
    EXPECT_TRUE(test::bouton(dialogue, s("Euro"))->isChecked()) << "a first start's currency";
    test::bouton(dialogue, s("Autre"))->click();
    EXPECT_TRUE(nomDevise->isEnabled());
    test::bouton(dialogue, s("Franc"))->click();
    EXPECT_FALSE(nomDevise->isEnabled());

    SaisieParametres attendu = SaisieParametres::depuis(r);
    attendu.devise = 0;
    QLineEdit* taux1 = nullptr;
    for (QLineEdit* e : dialogue.findChildren<QLineEdit*>()) {
        if (e->text() == s("20,00"))
            taux1 = e;
    }
    ASSERT_TRUE(taux1);
    taux1->clear();
    tape(taux1, s("19.6x-"));
    EXPECT_EQ(taux1->text(), s("19,6")) << "\".\" becomes \",\", other keys are dropped";
    attendu.tauxTva[0] = s("19,6");
    dialogue.findChild<QSpinBox*>()->setValue(1);
    attendu.decimales = 1;
    const SaisieParametres lu = dialogue.Result();
    EXPECT_EQ(lu.tauxTva, attendu.tauxTva);
    EXPECT_EQ(lu.tauxEuro, s("6,55957"));
    EXPECT_EQ(lu.decimales, 1);
    EXPECT_EQ(lu.devise, 0);
    EXPECT_EQ(lu.conditions, attendu.conditions) << "five of the seven conditions";

    dialogue.show();
    entree(taux1);
    EXPECT_EQ(dialogue.result(), QDialog::Accepted) << "Enter confirms like OK";
}

// The main window on a new set, with its "&Paramètres" > "&Facture" item.
struct MenuFacture : testing::Test {
    test::Dossier dossier;
    test::DialoguesFactices dialogues;
    ui::TMainForm fenetre{dossier.racine(), &dialogues};
    QAction* parametres = fenetre.action(Cible{s("&Paramètres"), s("&Facture")});

    void SetUp() override {
        fenetre.action(bouton(u"Nouveau fichier"))->trigger();
        ASSERT_TRUE(parametres);
    }
};

TEST_F(MenuFacture, TheMenuItemAppliesTheDialogAndTheCaptionsFollow) {
    // Escape leaves the settings as they were; OK applies them.
    const auto repond = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<ui::TParamf*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            if (!ok) {
                QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(d, &echap);
                return;
            }
            test::bouton(*d, s("Autre"))->click();
            for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
                if (e->isEnabled() && e->text().isEmpty() && e->parent() != d) {
                    QTest::keyClicks(e, s("Livres"));
                    break;
                }
            }
            d->accept();
        });
    };
    fenetre.action(Cible{s("&Vente"), s("&Nouvelle facture")})->trigger();
    ASSERT_TRUE(legendes(fenetre).contains(s("Francs")));
    repond(false);
    parametres->trigger();
    EXPECT_TRUE(legendes(fenetre).contains(s("Francs")));
    repond(true);
    parametres->trigger();
    EXPECT_TRUE(legendes(fenetre).contains(s("Livres")));
    EXPECT_FALSE(legendes(fenetre).contains(s("Francs")));
}

TEST_F(MenuFacture, AVatRateOfMinusAHundredOrBelowIsRefusedWithAMessage) {
    {
        // The rate is pasted (the keys refuse a minus sign), then OK is clicked; the dialog comes
        // back as it was left after the message, and is left with Annuler.
        QStringList vus;
        QTimer retour;
        retour.setSingleShot(true);
        QObject::connect(&retour, &QTimer::timeout, [&vus, &retour] {
            auto* encore = qobject_cast<ui::TParamf*>(QApplication::activeModalWidget());
            // The dialog may not be back on screen yet.
            if (!encore || !encore->isVisible()) {
                retour.start(10);
                return;
            }
            for (QLineEdit* e : encore->findChildren<QLineEdit*>())
                vus.append(e->text());
            QTest::keyClick(encore, Qt::Key_Escape);
        });
        QTimer::singleShot(0, [&retour] {
            auto* d = qobject_cast<ui::TParamf*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            QLineEdit* taux1 = nullptr;
            for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
                if (e->text() == s("20,00"))
                    taux1 = e;
            }
            ASSERT_TRUE(taux1);
            taux1->selectAll();
            test::colle(taux1, s("-100"));
            ASSERT_EQ(taux1->text(), s("-100"));
            retour.start(0);
            QTest::mouseClick(test::bouton(*d, s("OK")), Qt::LeftButton);
        });
        parametres->trigger();
        ASSERT_EQ(dialogues.vus.size(), 1);
        EXPECT_TRUE(dialogues.vus[0].startsWith(s("message: Le taux de TVA 1")))
            << dialogues.vus[0].toStdString();
        EXPECT_TRUE(vus.contains(s("-100"))) << "the dialog comes back with what was typed";
        EXPECT_TRUE(fenetre.close());
    }
    // The rate kept is the one before.
    EXPECT_EQ(dossier.lit(s("ZelVente.ini")).split('\n').value(14),
              QByteArray(" 2.00000000000000E+0001\r"));
}

TEST_F(MenuFacture, ElectronicInvoicesAreTickedInTheDialogAndKeptInTheSettingsFile) {
    // Ticked with one decimal: refused, and the dialog comes back to be set to two decimals.
    int passages = 0;
    std::function<void()> repond = [&] {
        auto* d = qobject_cast<ui::TParamf*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) {
            QTimer::singleShot(10, repond);
            return;
        }
        auto* spin = d->findChild<QSpinBox*>();
        auto* caseElectronique = d->findChild<QCheckBox*>();
        ASSERT_TRUE(caseElectronique);
        EXPECT_EQ(caseElectronique->text(), s("Factures électroniques (EN 16931)"));
        if (passages++ == 0) {
            EXPECT_FALSE(caseElectronique->isChecked());
            // Two decimals, one down.
            QTest::keyClick(spin, Qt::Key_Down);
            ASSERT_EQ(spin->value(), 1);
            QTest::mouseClick(caseElectronique, Qt::LeftButton, {}, QPoint(5, 5));
            QTimer::singleShot(0, repond);
        } else {
            EXPECT_TRUE(caseElectronique->isChecked()) << "the dialog comes back as it was left";
            QTest::keyClick(spin, Qt::Key_Up);
            ASSERT_EQ(spin->value(), 2);
        }
        QTest::mouseClick(test::bouton(*d, s("OK")), Qt::LeftButton);
    };
    QTimer::singleShot(0, repond);
    parametres->trigger();
    ASSERT_EQ(passages, 2);
    ASSERT_EQ(dialogues.vus.size(), 1);
    EXPECT_TRUE(dialogues.vus[0].contains(s("choisissez 2 décimales")))
        << dialogues.vus[0].toStdString();
    EXPECT_TRUE(fenetre.close());
    const QList<QByteArray> ini = dossier.lit(s("ZelVente.ini")).split('\n');
    ASSERT_EQ(ini.size(), 23) << "22 lines and the end";
    EXPECT_EQ(ini[20], QByteArray("\r")) << "no SIREN yet";
    EXPECT_EQ(ini[21], QByteArray("1\r"));
}
