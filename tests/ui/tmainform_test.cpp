#include "ui/ongletcarte.h"
#include "ui/ongletdocument.h"
#include "ui/tfiche.h"
#include "ui/tmainform.h"
#include "ui/tmpage.h"

#include "store/fichiertexte.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/montage.h"
#include "support/texte.h"
#include "ui/filtreinstalle.h"
#include "ui/gestes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using zel::Cible;
using zel::EtatMenus;
using zel::Operation;
using zel::Sorte;
using zel::ui::TMainForm;

namespace {

using zel::test::s;

void appuie(QWidget* w, int touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier,
            const QString& texte = QString()) {
    QKeyEvent avance(QEvent::ShortcutOverride, touche, modificateurs, texte);
    QApplication::sendEvent(w, &avance);
    QKeyEvent appui(QEvent::KeyPress, touche, modificateurs, texte);
    QApplication::sendEvent(w, &appui);
}

struct Fenetre : testing::Test {
    zel::test::Dossier dossier;
    zel::test::DialoguesFactices dialogues;
    TMainForm fenetre{dossier.racine(), &dialogues};

    QAction* action(const char* menu, const char* libelle) {
        QAction* a = fenetre.action(Cible{s(menu), s(libelle)});
        EXPECT_TRUE(a) << libelle;
        return a;
    }
    // A set written in the test's folder, opened as the user opens it.
    void ouvre(const char* nom, const QStringList& clients, const QStringList& articles = {},
               const QStringList& factures = {}) {
        const std::pair<const char*, const QStringList*> fichiers[] = {{".cli", &clients},
                                                                       {".frs", nullptr},
                                                                       {".stk", &articles},
                                                                       {".fct", &factures},
                                                                       {".cmd", nullptr}};
        for (const auto& [extension, lignes] : fichiers) {
            QByteArray octets;
            ASSERT_TRUE(zel::fichier::encodeLignes(lignes ? *lignes : QStringList(), octets));
            dossier.ecrit(s(nom) + s(extension), octets);
        }
        dialogues.fichiers = {dossier.chemin(s(nom) + s(".cli"))};
        action("&Fichier", "&Ouvrir...")->trigger();
        ASSERT_EQ(fenetre.fenetreFiche().clients().compte(),
                  clients.count(s("</BLOC0000>")) + clients.count(s("</BLOC0001>")));
    }
    // The window on screen and active, as the user has it.
    void montre() {
        fenetre.show();
        fenetre.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
        QApplication::processEvents();
    }
};

// Client 10001 and article 10001, "Vis" at 6,52.
const QStringList kClient = zel::test::bloc(
    0, 25, {{zel::ligneClient::Code, s("10001")}, {zel::ligneClient::Nom, s("Dupont")}});
const QStringList kVis = zel::test::bloc(0, 21,
                                         {{zel::ligneArticle::Code, s("10001")},
                                          {zel::ligneArticle::Designation, s("Vis")},
                                          {zel::ligneArticle::PrixHT, s("6,52")}});

QStringList textes(const QList<QAction*>& actions) {
    QStringList t;
    for (const QAction* a : actions) {
        if (!a->isSeparator())
            t.append(a->text());
    }
    return t;
}

} // namespace

TEST_F(Fenetre, TheMenuBarCarriesTheCaptionsInOrder) {
    EXPECT_EQ(fenetre.windowTitle(), s("Zel Vente"));
    EXPECT_EQ(textes(fenetre.menuBar()->actions()).join(u'/'),
              s("&Fichier/&Edition/&Bases/&Vente/&Achat/&Sélection/&Outils/&Paramètres/"
                "&Utilitaires/&?"));
    QMenu* fichier = fenetre.menuBar()->actions().first()->menu();
    EXPECT_EQ(
        textes(fichier->actions()),
        QStringList({s("&Nouveau"), s("&Ouvrir..."), s("&Enregistrer"), s("Enregistrer &sous..."),
                     s("&Imprimer"), s("&Mise en page..."), s("Configurer imprimante..."),
                     s("I&mporter..."), s("E&xporter..."), s("&Quitter")}));
    QMenu* imprimer = action("&Fichier", "&Imprimer")->menu();
    ASSERT_TRUE(imprimer);
    EXPECT_EQ(textes(imprimer->actions()).size(), 5);
    EXPECT_EQ(action("&Fichier", "&Quitter")->shortcut(), QKeySequence(s("Alt+X")));
    EXPECT_FALSE(action("&Fichier", "&Enregistrer")->isEnabled());
    EXPECT_TRUE(action("&Sélection", "&Tous les clients")->isChecked());
}

TEST_F(Fenetre, StatusPanelZeroShowsTheLongPartOfTheHint) {
    fenetre.resize(900, 600);
    fenetre.show();
    EXPECT_EQ(fenetre.panneau(0)->width(), 800);
    action("&Fichier", "&Ouvrir...")->showStatusText(&fenetre);
    EXPECT_EQ(fenetre.panneau(0)->text(), s("Ouvrir un fichier"));
    QAction* enregistrer = fenetre.action(zel::bouton(u"Enregistrer|"));
    ASSERT_TRUE(enregistrer);
    EXPECT_EQ(enregistrer->text(), s("Enregistrer"));
    enregistrer->showStatusText(&fenetre);
    EXPECT_EQ(fenetre.panneau(0)->text(), QString());
    EXPECT_TRUE(fenetre.panneau(1)->text().startsWith(s("    ")));
}

TEST_F(Fenetre, TabsApplyTheirEnableSets) {
    EXPECT_TRUE(action("&Bases", "&Nouvelle fiche")->isEnabled());
    action("&Bases", "&Factures")->trigger();
    EXPECT_EQ(fenetre.fiche()->onglet(), Sorte::Factures);
    EXPECT_FALSE(action("&Bases", "&Nouvelle fiche")->isEnabled());
    EXPECT_FALSE(action("&Fichier", "I&mporter...")->isEnabled());
    // Each item follows the tab shown now: the invoice tab's set is gone with it.
    action("&Bases", "F&ournisseurs")->trigger();
    EXPECT_TRUE(action("&Bases", "&Nouvelle fiche")->isEnabled());
    EXPECT_TRUE(action("&Fichier", "I&mporter...")->isEnabled());
    action("&Bases", "C&ommandes")->trigger();
    EXPECT_TRUE(fenetre.action(zel::bouton(u"Articles"))->isEnabled());
    EXPECT_FALSE(action("&Fichier", "I&mporter...")->isEnabled());
    action("&Bases", "F&ournisseurs")->trigger();
    EXPECT_TRUE(action("&Edition", "Tr&ier fournisseurs...")->isEnabled());
    EXPECT_TRUE(fenetre.action(zel::bouton(u"Nouvelle fiche"))->isEnabled());
}

TEST_F(Fenetre, TheNewFileButtonStartsANewSet) {
    fenetre.action(zel::bouton(u"Nouveau fichier"))->trigger();
    EXPECT_TRUE(action("&Fichier", "&Enregistrer")->isEnabled());
    EXPECT_TRUE(action("&Sélection", "Tous les fo&urnisseurs")->isChecked());
    EXPECT_TRUE(dialogues.vus.isEmpty());
}

TEST_F(Fenetre, SelectionItemsAreExclusiveInTheMenu) {
    fenetre.action(zel::bouton(u"Nouveau fichier"))->trigger();
    action("&Sélection", "&NPAI")->trigger();
    action("&Sélection", "&Tous les clients")->trigger();
    EXPECT_TRUE(action("&Sélection", "&Tous les clients")->isChecked());
    EXPECT_FALSE(action("&Sélection", "&NPAI")->isChecked());
}

TEST_F(Fenetre, NewGivesBackEveryArticleAndEverySupplier) {
    fenetre.declenche(Operation::Nouveau, {});
    action("&Bases", "&Articles")->trigger();
    action("&Sélection", "&Stock en alerte")->trigger();
    ASSERT_EQ(fenetre.fenetreFiche().articles().selection(), zel::SelectionArticle::Alerte);
    action("&Fichier", "&Nouveau")->trigger();
    EXPECT_EQ(fenetre.fenetreFiche().articles().selection(), zel::SelectionArticle::Aucune);
    EXPECT_EQ(fenetre.fenetreFiche().fournisseurs().selection(), zel::SelectionFournisseur::Tous);
    EXPECT_TRUE(action("&Sélection", "Tous les &articles")->isChecked());
    EXPECT_FALSE(action("&Sélection", "&Stock en alerte")->isChecked());
}

TEST_F(Fenetre, AnInvoiceSelectionCancelledLeavesTheCheckMark) {
    fenetre.declenche(Operation::Nouveau, {});
    action("&Bases", "&Factures")->trigger();
    dialogues.saisies = {QString()};
    action("&Sélection", "&Facture code client...")->trigger();
    EXPECT_TRUE(action("&Sélection", "T&outes les factures")->isChecked());
    EXPECT_FALSE(action("&Sélection", "&Facture code client...")->isChecked());
    dialogues.saisies = {s("10001")};
    action("&Sélection", "&Facture code client...")->trigger();
    EXPECT_TRUE(action("&Sélection", "&Facture code client...")->isChecked());
    EXPECT_FALSE(action("&Sélection", "T&outes les factures")->isChecked());
}

TEST(Demarrage, TheClientFileGivenToTheProgramOpensInsteadOfTheLastDocument) {
    zel::test::Dossier dossier;
    zel::test::DialoguesFactices dialogues;
    // The last document would open by itself; the file given (in upper case, as some file
    // managers and older disks have it) opens instead.
    zel::Reglages reglages;
    reglages.SetIni(true);
    ASSERT_TRUE(reglages.SauveIni(dossier.racine(), dossier.chemin(s("Dernier.cli"))));
    for (const char* nom : {"Dernier.cli", "DUPONT.CLI"})
        dossier.ecrit(s(nom), "<BLOC0000>\r\n10001\r\nN\r\nN\r\nDurand\r\n</BLOC0000>\r\n");
    struct Cas {
        const char* fichier;
        const char* titre;
        const char* message;
    } const cas[] = {
        {"DUPONT.CLI", "Zel Vente - [DUPONT.CLI]", nullptr},
        {"Absent.cli", "Zel Vente", "message: Le fichier n'existe pas"},
        {"Dupont.txt", "Zel Vente", "message: Type de fichier non valide"},
    };
    for (const Cas& c : cas) {
        dialogues.vus.clear();
        TMainForm fenetre(dossier.racine(), &dialogues);
        fenetre.ouvrira(dossier.chemin(s(c.fichier)));
        fenetre.show();
        QApplication::processEvents();
        EXPECT_EQ(fenetre.windowTitle(), s(c.titre)) << c.fichier;
        EXPECT_EQ(dialogues.vus.value(0), c.message ? s(c.message) : QString()) << c.fichier;
    }
}

TEST(Demarrage, AutoOpenWithoutItsLastDocumentOpensNothingQuietlyAndKeepsTheName) {
    for (const char* dernier : {"Parti.cli", ""}) {
        zel::test::Dossier dossier;
        zel::test::DialoguesFactices dialogues;
        const QString nom = *dernier ? dossier.chemin(s(dernier)) : QString();
        zel::Reglages reglages;
        reglages.SetIni(true);
        ASSERT_TRUE(reglages.SauveIni(dossier.racine(), nom));
        {
            TMainForm fenetre(dossier.racine(), &dialogues);
            fenetre.show();
            QApplication::processEvents();
            EXPECT_TRUE(dialogues.vus.isEmpty()) << dialogues.vus.join(u'|').toStdString();
            EXPECT_TRUE(fenetre.action({u"&Paramètres", u"&Ouvrir automatiquement"})->isChecked());
            // The client tab's enable set is on.
            EXPECT_TRUE(fenetre.action({u"&Fichier", u"&Enregistrer"})->isEnabled()) << dernier;
            EXPECT_TRUE(fenetre.action({u"&Bases", u"&Liste"})->isEnabled()) << dernier;
            EXPECT_TRUE(fenetre.close());
        }
        EXPECT_EQ(dossier.lit(s("ZelVente.ini")).split('\n').value(2), nom.toUtf8() + "\r");
    }
}

TEST_F(Fenetre, OnlyTheClientAccountGridHasColumnTitles) {
    const auto titres = [this](Sorte sorte) {
        QStringList t;
        QTableWidget* grille = fenetre.onglet(sorte)->grille();
        for (int c = 0; c < grille->columnCount(); ++c)
            t.append(grille->horizontalHeaderItem(c) ? grille->horizontalHeaderItem(c)->text()
                                                     : QString());
        EXPECT_FALSE(grille->horizontalHeader()->isHidden()) << "the header row stays";
        return t;
    };
    EXPECT_EQ(titres(Sorte::Clients), QStringList({s("Date"), s("Libellé"), s("Montant")}));
    EXPECT_EQ(titres(Sorte::Fournisseurs), QStringList({s(""), s(""), s("")}));
    EXPECT_EQ(titres(Sorte::Articles), QStringList({s(""), s(""), s("")}));
}

TEST_F(Fenetre, EveryToolBarButtonFitsAt1024PixelsWide) {
    fenetre.show();
    QApplication::processEvents();
    // The window opens maximised, here on a small offscreen screen.
    fenetre.showNormal();
    fenetre.resize(1024, 768);
    QApplication::processEvents();
    auto* barre = fenetre.findChild<QToolBar*>();
    ASSERT_TRUE(barre);
    for (const zel::BoutonBarre& b : zel::barreOutils()) {
        QWidget* w = barre->widgetForAction(fenetre.action(zel::bouton(b.aide)));
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->isVisible()) << b.aide.toString().toStdString();
        EXPECT_LE(w->geometry().right(), barre->width()) << b.aide.toString().toStdString();
    }
}

TEST_F(Fenetre, AutoOpenTogglesAndQuitWritesTheThreeFiles) {
    QAction* automatique = action("&Paramètres", "&Ouvrir automatiquement");
    automatique->trigger();
    EXPECT_TRUE(automatique->isChecked());
    EXPECT_TRUE(fenetre.close());
    for (const char* f : {"ZelVente.ini", "ZelVente.soc", "ZelVente.cbx"})
        EXPECT_TRUE(dossier.existe(s(f))) << f;
    EXPECT_TRUE(dossier.lit(s("ZelVente.ini")).split('\n').value(3).startsWith("1"));
}

TEST_F(Fenetre, CommandsStillToComeSaySo) {
    struct Cas {
        const char* menu;
        const char* libelle;
        const char* message;
    };
    const Cas cas[] = {
        {"&?", "&Index", "Le fichier d'aide "},
    };
    for (const Cas& c : cas) {
        action(c.menu, c.libelle)->trigger();
        ASSERT_FALSE(dialogues.vus.isEmpty()) << c.libelle;
        EXPECT_TRUE(dialogues.vus.last().startsWith(s("message: ") + s(c.message)))
            << dialogues.vus.last().toStdString();
    }
    // A page key in the card window reaches the page shown, here the order page.
    fenetre.declenche(Operation::Commande, {});
    dialogues.vus.clear();
    appuie(fenetre.fiche(), Qt::Key_PageDown);
    EXPECT_TRUE(dialogues.vus.isEmpty()) << dialogues.vus.join(u'|').toStdString();
}

TEST_F(Fenetre, TheMessagesNeedASetWithItsFile) {
    EXPECT_FALSE(action("&Outils", "&Messages")->isEnabled());
    fenetre.declenche(Operation::Messages, {});
    EXPECT_TRUE(dialogues.vus.value(0).startsWith(s("message: Les messages se gardent")));
    // Once the set has its file, in a folder with a dot in its name, the item is on.
    ASSERT_TRUE(QDir(dossier.racine()).mkdir(s("jean.dupont")));
    dialogues.fichiers = {dossier.chemin(s("jean.dupont/Dupont"))};
    fenetre.declenche(Operation::EnregistrerSous, {});
    EXPECT_TRUE(action("&Outils", "&Messages")->isEnabled());
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    fenetre.declenche(Operation::Messages, {});
    EXPECT_TRUE(dossier.existe(s("jean.dupont/Dupont.oms")));
}

TEST_F(Fenetre, EveryEnabledItemAndButtonRunsItsOperationFromEveryTab) {
    const std::span<const Operation> aVenir = zel::operationsAVenir();
    // The operations of the parts not built yet, and only those.
    const std::vector<Operation> attendues = {};
    EXPECT_EQ(std::vector<Operation>(aVenir.begin(), aVenir.end()), attendues);

    // Any window an operation opens is closed at once, as a user would close it.
    QTimer fermeture;
    QObject::connect(&fermeture, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    fermeture.start(10);
    const QString indisponible = s("message: Cette commande n'est pas encore disponible.");
    struct Element {
        Cible cible;
        Operation operation;
    };
    std::vector<Element> elements;
    for (const zel::Menu& m : zel::menus()) {
        for (const zel::ElementMenu& e : m.elements) {
            if (e.operation != Operation::SousMenu && e.operation != Operation::Quitter)
                elements.push_back({{m.libelle, e.libelle}, e.operation});
        }
    }
    for (const zel::BoutonBarre& b : zel::barreOutils())
        elements.push_back({zel::bouton(b.aide), b.operation});
    // A click on an item or a button that is on: only a command still to come says it is not
    // available.
    int essayees = 0;
    const auto essaie = [&](TMainForm& f, zel::test::DialoguesFactices& d, const Element& e,
                            const char* depuis) {
        QAction* a = f.action(e.cible);
        ASSERT_TRUE(a) << EtatMenus::cle(e.cible).toStdString();
        if (!a->isEnabled())
            return;
        d.vus.clear();
        a->trigger();
        ++essayees;
        const bool attendue = std::find(aVenir.begin(), aVenir.end(), e.operation) != aVenir.end();
        EXPECT_EQ(d.vus.contains(indisponible), attendue)
            << depuis << ": " << EtatMenus::cle(e.cible).toStdString();
    };
    // At start, before any tab's enable set, each item in a window of its own.
    for (const Element& e : elements) {
        zel::test::DialoguesFactices d;
        TMainForm f(dossier.racine(), &d);
        essaie(f, d, e, "start");
    }
    // On a set, from each tab.
    const std::pair<Operation, Sorte> onglets[] = {{Operation::Client, Sorte::Clients},
                                                   {Operation::Facture, Sorte::Factures},
                                                   {Operation::Fournisseur, Sorte::Fournisseurs},
                                                   {Operation::Articles, Sorte::Articles},
                                                   {Operation::Commande, Sorte::Commandes}};
    fenetre.declenche(Operation::Nouveau, {});
    fenetre.declenche(Operation::Ajout, {});
    for (const auto& [montre, onglet] : onglets) {
        const std::string depuis = "tab " + std::to_string(int(onglet));
        for (const Element& e : elements) {
            // A document an item left changed but incomplete is given up.
            dialogues.confirmations = {true};
            fenetre.declenche(montre, {});
            dialogues.confirmations.clear();
            ASSERT_EQ(fenetre.fiche()->onglet(), onglet) << depuis;
            essaie(fenetre, dialogues, e, depuis.c_str());
        }
    }
    EXPECT_GT(essayees, 300);
}

TEST_F(Fenetre, TheStandardButtonsAreFrench) {
    QMessageBox boite(QMessageBox::Warning, s("Zel Vente"), s("Enregistrer changements ?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QStringList textes;
    for (QAbstractButton* b : boite.buttons())
        textes.append(b->text().remove(u'&'));
    textes.sort();
    EXPECT_EQ(textes, QStringList({s("Annuler"), s("Non"), s("Oui")}));
}

TEST(TFiche, ThePageKeysReachThePageShown) {
    zel::ui::TFiche fiche;
    auto* champ = new QLineEdit(&fiche);
    std::vector<std::pair<Operation, Sorte>> recus;
    QObject::connect(&fiche, &zel::ui::TFiche::touche, &fiche,
                     [&recus](Operation o, Sorte k) { recus.emplace_back(o, k); });
    fiche.montre(Sorte::Articles);
    appuie(champ, Qt::Key_PageDown);
    appuie(champ, Qt::Key_End, Qt::ControlModifier);
    fiche.montre(Sorte::Clients);
    appuie(champ, Qt::Key_F2);
    appuie(champ, Qt::Key_A, Qt::NoModifier, s("a"));
    const std::vector<std::pair<Operation, Sorte>> attendus = {
        {Operation::Suivant, Sorte::Articles},
        {Operation::Dernier, Sorte::Articles},
        {Operation::Liste, Sorte::Clients},
    };
    EXPECT_EQ(recus, attendus);
    EXPECT_EQ(champ->text(), s("a"));
}

TEST(FiltreCp1252, RefusesWhatTheFilesCannotHold) {
    zel::test::FiltreInstalle garde;
    QStringList& refus = garde.refus;
    QLineEdit champ;
    appuie(&champ, Qt::Key_E, Qt::NoModifier, s("é"));
    appuie(&champ, 0x20AC, Qt::NoModifier, s("€"));
    appuie(&champ, 0x3A9, Qt::NoModifier, s("Ω"));
    QGuiApplication::clipboard()->setText(s("x→y"));
    appuie(&champ, Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(s("Noël"));
    appuie(&champ, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(champ.text(), s("é€Noël"));
    EXPECT_EQ(refus, QStringList({s("Caractère refusé : « Ω »"), s("Caractère refusé : « → »")}));
}

namespace {

// Opens the context menu of a field and chooses "Coller" in it.
void colleParLeMenu(QWidget* recepteur) {
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        const QString raccourci =
            QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* a : menu->actions()) {
            if (a->text().endsWith(raccourci))
                a->trigger();
        }
        menu->close();
    });
    const QPoint ou(5, 5);
    QContextMenuEvent e(QContextMenuEvent::Mouse, ou, recepteur->mapToGlobal(ou));
    QApplication::sendEvent(recepteur, &e);
}

void depose(QWidget* recepteur, const QString& texte) {
    QMimeData donnees;
    donnees.setText(texte);
    // A drop reaches only the widget that accepted the drag when it entered.
    QDragEnterEvent entree(QPoint(5, 5), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(recepteur, &entree);
    QDropEvent e(QPointF(5, 5), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(recepteur, &e);
}

} // namespace

TEST(FiltreCp1252, RefusesWhatIsPastedFromTheContextMenuOrDropped) {
    zel::test::FiltreInstalle garde;
    QStringList& refus = garde.refus;
    QLineEdit ligne;
    QPlainTextEdit memo;
    const struct {
        QWidget* recepteur;
        std::function<QString()> texte;
    } champs[] = {
        {&ligne, [&] { return ligne.text(); }},
        {memo.viewport(), [&] { return memo.toPlainText(); }},
    };
    for (const auto& c : champs) {
        refus.clear();
        QGuiApplication::clipboard()->setText(s("x→y"));
        colleParLeMenu(c.recepteur);
        QGuiApplication::clipboard()->setText(s("Noël"));
        colleParLeMenu(c.recepteur);
        depose(c.recepteur, s("✓"));
        EXPECT_EQ(c.texte(), s("Noël"));
        EXPECT_EQ(refus,
                  QStringList({s("Caractère refusé : « → »"), s("Caractère refusé : « ✓ »")}));
    }
}

// Runs on a real X server (the test "FiltreCp1252.MiddleButtonOnX11" starts one): elsewhere there
// is no selection to paste.
TEST(FiltreCp1252, RefusesWhatIsPastedWithTheMiddleButton) {
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    if (!pressePapiers->supportsSelection())
        GTEST_SKIP() << "pas de sélection X11 sur la plateforme "
                     << qPrintable(qApp->platformName());
    zel::test::FiltreInstalle garde;
    QStringList& refus = garde.refus;
    QWidget fenetre;
    auto* ligne = new QLineEdit(&fenetre);
    auto* memo = new QPlainTextEdit(&fenetre);
    auto* lettre = new QTextEdit(&fenetre);
    zel::ui::FiltreCp1252::libere(lettre);
    ligne->setGeometry(0, 0, 200, 30);
    memo->setGeometry(0, 40, 200, 100);
    lettre->setGeometry(0, 150, 200, 100);
    fenetre.resize(220, 260);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    const QString controle =
        s("Un champ tient sur une seule ligne : retours à la ligne, tabulations "
          "et caractères de contrôle refusés");
    const QString omega = s("Caractère refusé : « Ω »");
    const struct {
        QWidget* recepteur;
        std::function<QString()> texte;
        QString attendu;
        QStringList motifs;
    } champs[] = {
        {ligne, [&] { return ligne->text(); }, s("Noël"), {controle, omega}},
        {memo->viewport(), [&] { return memo->toPlainText(); }, s("a\tbNoël"), {omega}},
        {lettre->viewport(), [&] { return lettre->toPlainText(); }, s("a\tbΩNoël"), {}},
    };
    for (const auto& c : champs) {
        refus.clear();
        for (const char* selection : {"a\tb", "Ω", "Noël"}) {
            // Text selected in another window, then the middle button over the field, as the
            // window system gives it.
            pressePapiers->setText(s(selection), QClipboard::Selection);
            QWindow* w = fenetre.windowHandle();
            QTest::mouseClick(w, Qt::MiddleButton, {},
                              w->mapFromGlobal(c.recepteur->mapToGlobal(QPoint(150, 5))));
        }
        EXPECT_EQ(c.texte(), c.attendu);
        EXPECT_EQ(refus, c.motifs) << refus.join(u"|").toStdString();
    }
}

TEST_F(Fenetre, PageSetUpKeepsTheEnvelopeSettingsOnlyThroughOk) {
    // The user ticks "Paysage" and the guide, then leaves with Escape, then with OK.
    const auto repond = [](bool ok) {
        QTimer::singleShot(50, [ok] {
            auto* dialogue = qobject_cast<zel::ui::TMPage*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialogue);
            QTest::mouseClick(dialogue->paysage(), Qt::LeftButton, {},
                              QPoint(5, dialogue->paysage()->height() / 2));
            QTest::mouseClick(dialogue->guide(), Qt::LeftButton, {},
                              QPoint(5, dialogue->guide()->height() / 2));
            if (ok)
                dialogue->accept();
            else
                QTest::keyClick(dialogue, Qt::Key_Escape);
        });
    };
    repond(false);
    action("&Fichier", "&Mise en page...")->trigger();
    repond(true);
    action("&Fichier", "&Mise en page...")->trigger();
    EXPECT_TRUE(fenetre.close());
    const QList<QByteArray> ini = dossier.lit(s("ZelVente.ini")).split('\n');
    EXPECT_EQ(ini.value(5).trimmed(), "1");
    EXPECT_EQ(ini.value(6).trimmed(), "100");
}

TEST_F(Fenetre, PrintCommandsAskFirstAndPrintNothingWhenCancelled) {
    // Any window that opens is noted and closed, as a user would close the preview.
    QStringList ouvertes;
    QTimer fermeture;
    QObject::connect(&fermeture, &QTimer::timeout, [&ouvertes] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            ouvertes.append(s(w->metaObject()->className()));
            w->close();
        }
    });
    fermeture.start(20);
    const QString inserez = s("confirmation: Insérez une enveloppe dans l'imprimante");
    const auto lance = [&](Operation operation, Sorte onglet) {
        fenetre.declenche(onglet == Sorte::Commandes ? Operation::Commande : Operation::Client, {});
        dialogues.vus.clear();
        ouvertes.clear();
        fenetre.declenche(operation, {});
    };

    lance(Operation::ImpCli, Sorte::Clients);
    EXPECT_EQ(dialogues.vus, QStringList{s("message: Aucune fiche à imprimer.")}) << "no set open";
    fenetre.declenche(Operation::Nouveau, {});
    fenetre.declenche(Operation::Ajout, {});

    dialogues.confirmations = {false};
    lance(Operation::ImpEnv, Sorte::Clients);
    EXPECT_EQ(dialogues.vus, QStringList{inserez});
    EXPECT_TRUE(ouvertes.isEmpty()) << "Annuler prints nothing";

    lance(Operation::ImpCli, Sorte::Clients);
    EXPECT_EQ(dialogues.vus, QStringList{s("plage: 1 à 1")});
    EXPECT_TRUE(ouvertes.isEmpty()) << "cancelling the page range prints nothing";

    // The new set's one client is not written yet.
    dialogues.plages = {std::pair{1, 1}};
    lance(Operation::Enveloppes, Sorte::Clients);
    EXPECT_EQ(dialogues.vus.last(),
              s("message: Aucun client dans ces pages : aucune enveloppe n'est imprimée."));
    EXPECT_TRUE(ouvertes.isEmpty());

    // The envelope of the order shown asks for an envelope as well.
    dialogues.confirmations = {false};
    lance(Operation::ImpEnv, Sorte::Commandes);
    EXPECT_EQ(dialogues.vus, QStringList{inserez});
    EXPECT_TRUE(ouvertes.isEmpty());
    dialogues.confirmations = {true};
    lance(Operation::ImpEnv, Sorte::Commandes);
    EXPECT_EQ(ouvertes, QStringList{s("QPrintPreviewDialog")});

    // OK and a range open the preview.
    dialogues.confirmations = {true};
    lance(Operation::ImpEnv, Sorte::Clients);
    dialogues.plages = {std::pair{1, 1}};
    fenetre.declenche(Operation::ImpCli, {});
    fenetre.declenche(Operation::ImpFiche, {});
    EXPECT_EQ(ouvertes, QStringList(3, s("QPrintPreviewDialog")));
    // The new set has no article to take stock of.
    fenetre.declenche(Operation::Inventaire, {});
    EXPECT_EQ(dialogues.vus.last(), s("message: Aucune fiche à imprimer."));
}

TEST_F(Fenetre, AnUnknownCodeTypedGivesAFreeLineAndTheStatusBarSaysSo) {
    namespace C = zel::colonne;
    using zel::test::frappe;
    ouvre("Dupont", kClient, kVis);
    montre();
    action("&Vente", "&Nouvelle facture")->trigger();
    QAbstractItemView* grille = fenetre.ongletFactures()->grille();
    const auto cellule = [grille](int colonne) {
        return grille->model()->index(0, colonne).data().toString().trimmed();
    };
    zel::test::clique(grille, 0, C::Ref);
    frappe({"10009", Qt::Key_Tab});
    EXPECT_EQ(fenetre.panneau(0)->text(), s("Aucun article n'a le code 10009 : ligne libre"));
    // The typing goes on in "Désignation", where the free line's text goes.
    QLineEdit* editeur = zel::test::editeurOuvert(grille);
    ASSERT_TRUE(editeur);
    EXPECT_TRUE(editeur->hasFocus());
    EXPECT_EQ(grille->currentIndex().column(), C::Designation);
    frappe({"Main d'oeuvre", Qt::Key_Tab, "1", Qt::Key_Tab, "30", Qt::Key_Return});
    EXPECT_EQ(cellule(C::Ref), s("10009"));
    EXPECT_EQ(cellule(C::Designation), s("Main d'oeuvre"));
    EXPECT_EQ(cellule(C::Montant), s("30,00"));
    EXPECT_TRUE(dialogues.vus.filter(s("message:")).isEmpty())
        << dialogues.vus.join(u'|').toStdString();
}

TEST_F(Fenetre, TextTypedInACellCountsBeforeAMenuCommandOrAPageKey) {
    namespace C = zel::colonne;
    namespace L = zel::ligneFacture;
    const auto facture = [](int n, const char* numero) {
        return zel::test::bloc(n, 11,
                               {{L::Numero, s(numero)},
                                {L::Date, s("01/12/2026")},
                                {L::Client, s("10001")},
                                {L::Genre, s("Facture")},
                                {L::Ttc, s("TTCN")},
                                {L::Valide, s("N")}},
                               {s("FACT10001	Vis	2	6,52			1")});
    };
    const std::pair<const char*, std::function<void()>> commandes[] = {
        {"menu", [this] { action("&Vente", "&Suivant                   Pgdn")->trigger(); }},
        {"page key", [] { zel::test::frappe({Qt::Key_PageDown}); }},
    };
    for (const auto& [nom, commande] : commandes) {
        SCOPED_TRACE(nom);
        ouvre("Dupont", kClient, kVis, facture(0, "NUMF202612001") + facture(1, "NUMF202612002"));
        montre();
        action("&Bases", "&Factures")->trigger();
        zel::PageFactures& page = fenetre.fenetreFiche().factures();
        ASSERT_EQ(page.courant(), 0);
        QAbstractItemView* grille = fenetre.ongletFactures()->grille();
        zel::test::clique(grille, 0, C::Quantite);
        zel::test::frappe({"5"});
        ASSERT_TRUE(zel::test::editeurOuvert(grille)) << "the 5 is still in its editor";
        commande();
        QApplication::processEvents();
        ASSERT_EQ(page.courant(), 1);
        EXPECT_EQ(page.document().ligne(1)[C::Quantite].trimmed(), s("2"))
            << "the next invoice is as it was";
        action("&Vente", "&Précédent             PgUp")->trigger();
        EXPECT_EQ(page.document().ligne(1)[C::Quantite].trimmed(), s("5"));
        dialogues.reponses = {zel::Dialogues::Reponse::Non};
    }
}

TEST_F(Fenetre, ACancelledSaveAsKeepsTheSetsNameInTheTitleThePromptAndTheSettings) {
    ouvre("Dupont", kClient);
    const QString titre = fenetre.windowTitle();
    EXPECT_TRUE(titre.contains(s("Dupont.cli"))) << titre.toStdString();
    QTest::keyClicks(fenetre.onglet(Sorte::Clients)->champ(zel::ligneClient::Nom), s(" SA"));
    dialogues.fichiers = {QString()};
    action("&Fichier", "Enregistrer &sous...")->trigger();
    EXPECT_EQ(fenetre.windowTitle(), titre);
    dialogues.reponses = {zel::Dialogues::Reponse::Non};
    dialogues.vus.clear();
    EXPECT_TRUE(fenetre.close());
    EXPECT_EQ(dialogues.vus, QStringList{s("question: Enregistrer changements dans Dupont.cli ?")});
    EXPECT_EQ(dossier.lit(s("ZelVente.ini")).split('\n').value(2),
              dossier.chemin(s("Dupont.cli")).toUtf8() + "\r");
}

TEST_F(Fenetre, AFirstStartCountsInEurosWithVatRateOneAtTwentyPercent) {
    namespace C = zel::colonne;
    ouvre("Dupont", kClient, kVis);
    montre();
    action("&Vente", "&Nouvelle facture")->trigger();
    zel::test::clique(fenetre.ongletFactures()->grille(), 0, C::Ref);
    zel::test::frappe({"10001", Qt::Key_Tab, Qt::Key_Tab, "2", Qt::Key_Return});
    // 13,04 before tax, 2,61 of VAT at 20 %, and the francs beside the euros.
    EXPECT_EQ(fenetre.ongletFactures()->totauxAffiches(),
              QStringList({s("13,04"), s("2,61"), s("15,65"), s("102,64")}));
    QStringList legendes;
    for (const QLabel* l : fenetre.ongletFactures()->findChildren<QLabel*>())
        legendes.append(l->text());
    EXPECT_TRUE(legendes.contains(s("Euros")));
    EXPECT_TRUE(legendes.contains(s("Francs")));
    dialogues.reponses = {zel::Dialogues::Reponse::Non};
    EXPECT_TRUE(fenetre.close());
    const QList<QByteArray> ini = dossier.lit(s("ZelVente.ini")).split('\n');
    EXPECT_EQ(ini.value(14), " 2.00000000000000E+0001\r");
    EXPECT_EQ(ini.value(17), "1\r");
}

TEST_F(Fenetre, TheMessagesOfASetOpenElsewhereAreReadOnly) {
    dossier.ecrit(s("t.cli"), {});
    dossier.ecrit(s("t.oms"), "Un\t\t\t\t\t\t\tFFFFF\r\n");
    QLockFile autre(dossier.chemin(s("t.cli.zvlock")));
    ASSERT_TRUE(autre.tryLock(0));
    dialogues.fichiers = {dossier.chemin(s("t.cli"))};
    fenetre.declenche(Operation::Ouvrir, {});
    QString titre;
    QTimer::singleShot(0, [&titre] {
        QWidget* pad = QApplication::activeModalWidget();
        titre = pad->windowTitle();
        pad->close();
    });
    fenetre.declenche(Operation::Messages, {});
    EXPECT_EQ(titre, s("Messages (lecture seule)"));
    EXPECT_TRUE(dialogues.vus.last().contains(s("ses messages sont en lecture seule")));
}
