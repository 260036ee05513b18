#include "support/texte.h"
#include "ui/dialogueslistes.h"
#include "ui/dialoguesqt.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using zel::Saisie;
using zel::ui::TFListe;
using zel::ui::TSaisie;

using zel::test::s;

void tape(QWidget* w, int touche, const QString& texte = QString()) {
    QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &appui);
}

zel::TableListe table(int lignes) {
    zel::TableListe t{
        s("Liste des clients"), {{s(""), 0}, {s(""), 40}, {s("Nom/Société"), 150}}, {}};
    for (int i = 0; i < lignes; ++i)
        t.lignes.push_back({QString::number(i), QString::number(i + 1), s("Nom %1").arg(i)});
    return t;
}

} // namespace

TEST(TSaisie, DigitFieldsRefuseLettersTypedOrPasted) {
    const struct {
        Saisie sorte;
        const char* titre;
        const char* tape;
        const char* attendu;
    } cas[] = {
        {Saisie::CodePostal, "Code postal", "75a0", "750"},
        {Saisie::Telephone, "Recherche par téléphone", "01-23", "0123"},
        {Saisie::CodeClient, "Recherche par code client", "1x2", "12"},
        {Saisie::Ville, "Ville", "Paris 5", "Paris 5"},
        {Saisie::Nom, "Recherche par nom", "du", "du"},
        {Saisie::Contact, "Recherche par contact", "Lé", "Lé"},
    };
    for (const auto& c : cas) {
        TSaisie dialogue(c.sorte, QString(), nullptr);
        EXPECT_EQ(dialogue.windowTitle(), s(c.titre));
        for (const QChar ch : s(c.tape))
            tape(dialogue.champ(), 0, QString(ch));
        EXPECT_EQ(dialogue.texte(), s(c.attendu)) << c.titre;
    }
    TSaisie cp(Saisie::CodePostal, QString(), nullptr);
    QApplication::clipboard()->setText(s("7a5"));
    cp.champ()->paste();
    EXPECT_TRUE(cp.texte().isEmpty());
}

TEST(TSaisie, EnterInTheFieldActsAsOk) {
    TSaisie dialogue(Saisie::Ville, s("LYON"), nullptr);
    EXPECT_EQ(dialogue.texte(), s("LYON"));
    dialogue.show();
    tape(dialogue.champ(), Qt::Key_Return);
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
}

TEST(TFListe, StartsWithTwentyRowsAndGrowsByTen) {
    EXPECT_EQ(TFListe::nombreDeRangees(0), 20);
    EXPECT_EQ(TFListe::nombreDeRangees(20), 20);
    EXPECT_EQ(TFListe::nombreDeRangees(21), 30);
    EXPECT_EQ(TFListe::nombreDeRangees(35), 40);
}

TEST(TFListe, EnterChoosesTheRowAndAnEmptyRowChoosesNothing) {
    TFListe liste(table(3), nullptr);
    EXPECT_TRUE(liste.grille()->isColumnHidden(0));
    EXPECT_EQ(liste.grille()->rowCount(), 20);
    liste.show();
    liste.grille()->setCurrentCell(10, 1);
    tape(liste.grille(), Qt::Key_Return);
    EXPECT_FALSE(liste.ligneChoisie());
    liste.grille()->setCurrentCell(2, 1);
    tape(liste.grille(), Qt::Key_Return);
    EXPECT_EQ(liste.ligneChoisie(), 2);
    EXPECT_EQ(liste.result(), QDialog::Accepted);
}

TEST(TListeChoix, DoubleClickChoosesTheEntry) {
    zel::ui::TListeChoix liste(s("Liste des clients"), {s("10001 DUPONT"), s("10002 MARTIN")},
                               nullptr);
    liste.liste()->setCurrentRow(1);
    Q_EMIT liste.liste()->itemDoubleClicked(liste.liste()->item(1));
    EXPECT_EQ(liste.entreeChoisie(), 1);
    EXPECT_EQ(liste.result(), QDialog::Accepted);
}

TEST(TListeDocuments, ArrowsMoveTheEntryAndEscapeChoosesNothing) {
    const QStringList entrees = {QStringLiteral("202612001"), QStringLiteral("202612002"),
                                 QStringLiteral("202612003")};
    zel::ui::TListeDocuments liste(QStringLiteral("Liste des factures"), entrees, nullptr);
    EXPECT_EQ(liste.windowTitle(), QStringLiteral("Liste des factures"));
    liste.liste()->setCurrentRow(2);
    liste.deplace(-1);
    liste.deplace(-1);
    liste.deplace(-1);
    EXPECT_EQ(liste.liste()->currentRow(), 0) << "not above the first";
    EXPECT_EQ(liste.liste()->item(0)->text(), QStringLiteral("202612003"));
    EXPECT_EQ(liste.entreeChoisie(), 2) << "the entry moved still opens its document";
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&liste, &echap);
    EXPECT_EQ(liste.entreeChoisie(), std::nullopt);
}

TEST(TPlage, TheRangeIsTypedWithinOneToTheCountAndStaysInOrder) {
    zel::ui::TPlage dialogue(12, nullptr);
    EXPECT_EQ(dialogue.plage(), (std::pair{1, 12}));
    const struct {
        const char* de;
        const char* a;
        std::pair<int, int> attendu;
    } cas[] = {{"3", "5", {3, 5}}, {"7", "2", {2, 2}}};
    for (const auto& c : cas) {
        for (auto [champ, texte] : {std::pair{dialogue.de(), c.de}, std::pair{dialogue.a(), c.a}}) {
            champ->selectAll();
            QTest::keyClicks(champ, s(texte));
            QTest::keyClick(champ, Qt::Key_Tab);
        }
        EXPECT_EQ(dialogue.plage(), c.attendu) << c.de << ".." << c.a;
    }
}

// The extension of the name decides what an export writes: the type chosen in the dialog
// changes it in the name proposed.
TEST(DialoguesQt, TheTypeChosenInTheSaveDialogGivesItsExtensionToTheName) {
    zel::ui::DialoguesQt dialogues(nullptr);
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        // The user picks the second type, "Feuille de calcul (CSV)", with the keyboard.
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        auto* nom = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nom, nullptr);
        QTest::keyClick(nom, Qt::Key_Return);
    });
    const std::optional<QString> nom = dialogues.fichierAEnregistrer(
        s("Fichier texte (*.txt)|*.txt|Feuille de calcul (CSV) (*.csv)|*.csv"), s("Export.txt"));
    ASSERT_TRUE(nom);
    EXPECT_TRUE(nom->endsWith(s("/Export.csv"))) << nom->toStdString();
}
