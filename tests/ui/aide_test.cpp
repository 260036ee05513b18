#include "app/lignecommande.h"
#include "reports/journal.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"
#include "ui/dialogueslistes.h"
#include "ui/fenetresinfo.h"
#include "ui/taide.h"
#include "ui/tcombo.h"
#include "ui/tfiche.h"
#include "ui/tmainform.h"
#include "ui/tmouvement.h"
#include "ui/tmpage.h"
#include "ui/tools/tblocnotes.h"
#include "ui/tools/tcalendrier.h"
#include "ui/tools/teurof.h"
#include "ui/tools/tfichemsg.h"
#include "ui/tools/thorloge.h"
#include "ui/tools/tplettre.h"
#include "ui/tools/tpocket.h"
#include "ui/tools/ttexte.h"
#include "ui/tparamf.h"
#include "ui/tsociete.h"
#include "ui/ttableau.h"
#include "ui/ttri.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace zel;
using test::s;

QString guide() {
    QFile f(s(ZEL_GUIDE));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ZEL_GUIDE;
    return QString::fromUtf8(f.readAll());
}

// Every capture of the pattern's first group in the text.
QSet<QString> trouves(const QString& texte, const char* motif) {
    QSet<QString> t;
    for (const QRegularExpressionMatch& m : QRegularExpression(s(motif)).globalMatch(texte))
        t.insert(m.captured(1));
    return t;
}

} // namespace

TEST(Guide, EveryLinkLeadsToATopicEveryTopicIsInTheContentsAndEveryPictureIsThere) {
    const QString texte = guide();
    const QSet<QString> ancres = trouves(texte, R"re(<a name="([^"]+)">)re");
    const QSet<QString> liens = trouves(texte, R"re(<a href="#([^"]+)">)re");
    const QSet<QString> sujets = trouves(texte, R"re(<h2><a name="([^"]+)">)re");
    EXPECT_GE(sujets.size(), 15);
    for (const QString& lien : liens)
        EXPECT_TRUE(ancres.contains(lien)) << lien.toStdString();
    for (const QString& sujet : sujets)
        EXPECT_TRUE(liens.contains(sujet)) << "not in the contents: " << sujet.toStdString();
    // Each topic shows the program: its screenshots are beside the guide, at most a screen.
    const QSet<QString> images = trouves(texte, R"re(<img src="([^"]+)")re");
    EXPECT_GE(images.size(), sujets.size());
    const QString dossier = QFileInfo(s(ZEL_GUIDE)).absolutePath();
    for (const QString& image : images) {
        QImageReader lecteur(dossier + u'/' + image);
        ASSERT_TRUE(lecteur.canRead()) << image.toStdString();
        EXPECT_LE(lecteur.size().width(), 1024) << image.toStdString();
        EXPECT_LE(lecteur.size().height(), 768) << image.toStdString();
        EXPECT_LE(QFileInfo(lecteur.fileName()).size(), 120 * 1024) << image.toStdString();
    }
}

TEST(Guide, EveryWindowTopicIsInTheGuide) {
    const QSet<QString> ancres = trouves(guide(), R"re(<a name="([^"]+)">)re");
    for (Sujet sujet : sujets())
        EXPECT_TRUE(ancres.contains(ancre(sujet))) << ancre(sujet).toStdString();
}

TEST(Guide, TheManualPageNamesEveryOptionOfTheHelp) {
    QFile f(s(ZEL_RACINE "/paquet/zelvente.1.in"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(f.readAll()).remove(u'\\');
    const QSet<QString> options = trouves(LigneCommande::aide(), R"re((--[a-z]+))re");
    EXPECT_GE(options.size(), 6);
    for (const QString& option : options)
        EXPECT_TRUE(page.contains(option)) << option.toStdString();
}

namespace {

// The main window on a folder that holds the guide; every guide window that opens is closed at
// once, its topic noted.
struct F1 : testing::Test {
    test::Dossier dossier;
    test::DialoguesFactices dialogues;
    std::unique_ptr<ui::TMainForm> fenetre;
    std::vector<Sujet> ouverts;
    QTimer fermeture;

    F1() {
        EXPECT_TRUE(QFile::copy(s(ZEL_GUIDE), dossier.chemin(s("ZelVente.hlp"))));
        fenetre = std::make_unique<ui::TMainForm>(dossier.racine(), &dialogues);
        QObject::connect(&fermeture, &QTimer::timeout, [this] {
            if (auto* aide = qobject_cast<ui::TAide*>(QApplication::activeModalWidget())) {
                ouverts.push_back(aide->sujet());
                aide->close();
            }
        });
        fermeture.start(10);
    }

    // F1 pressed in the window: the topic the guide opened on, or none.
    std::optional<Sujet> f1(QWidget* w) {
        ouverts.clear();
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(w, &appui);
        if (ouverts.size() != 1)
            return std::nullopt;
        return ouverts.front();
    }
};

} // namespace

TEST_F(F1, EveryTabOpensItsTopic) {
    fenetre->declenche(Operation::Nouveau, {});
    const std::pair<Operation, Sujet> onglets[] = {{Operation::Facture, Sujet::Facture},
                                                   {Operation::Fournisseur, Sujet::Articles},
                                                   {Operation::Articles, Sujet::Articles},
                                                   {Operation::Commande, Sujet::Commandes},
                                                   {Operation::Client, Sujet::Clients}};
    for (const auto& [operation, sujet] : onglets) {
        fenetre->declenche(operation, {});
        EXPECT_EQ(f1(fenetre->fiche()), sujet) << ancre(sujet).toStdString();
    }
    // A window that has no topic of its own takes its parent's: here the client tab's.
    ui::TSaisie saisie(Saisie::Nom, QString(), fenetre.get());
    EXPECT_EQ(f1(&saisie), Sujet::Clients);
}

TEST_F(F1, EveryWindowOpensItsTopic) {
    ui::Impression impression;
    Reglages reglages;
    QWidget* parent = fenetre.get();
    const auto fenetreDe = [&](auto fabrique) -> std::function<std::unique_ptr<QWidget>()> {
        return [fabrique] { return std::unique_ptr<QWidget>(fabrique()); };
    };
    const struct {
        const char* nom;
        std::function<std::unique_ptr<QWidget>()> ouvre;
        Sujet sujet;
    } cas[] = {
        {"Société", fenetreDe([=] { return new ui::TSociete(parent); }), Sujet::Parametres},
        {"Facture", fenetreDe([=] { return new ui::TParamf(parent); }), Sujet::Parametres},
        {"Listes", fenetreDe([=] { return new ui::TCombo(parent); }), Sujet::Parametres},
        {"Mise en page", fenetreDe([=] { return new ui::TMPage(parent); }), Sujet::Parametres},
        {"Entrée de stock", fenetreDe([&] { return new ui::TEntree(dialogues, parent); }),
         Sujet::Articles},
        {"Sortie de stock", fenetreDe([&] { return new ui::TSortie(dialogues, parent); }),
         Sujet::Articles},
        {"Statistiques",
         fenetreDe([&] { return new ui::TTableau(tableauJournal({}, {}), impression, parent); }),
         Sujet::Statistiques},
        {"Journal",
         fenetreDe([&] { return new ui::TCompta({}, impression, dialogues, reglages, parent); }),
         Sujet::Journal},
        {"Texte", fenetreDe([&] { return new TTexte(parent, dialogues, impression); }),
         Sujet::Lettres},
        {"Messages", fenetreDe([&] {
             return new TFicheMsg(parent, dialogues, dossier.chemin(s("Dupont.cli")));
         }),
         Sujet::Lettres},
        {"Calendrier", fenetreDe([=] { return new TCalendrier(parent); }), Sujet::Utilitaires},
        {"Calculatrice", fenetreDe([=] { return new TPocket(parent); }), Sujet::Utilitaires},
        {"Horloge", fenetreDe([=] { return new THorloge(parent); }), Sujet::Utilitaires},
        {"Euro", fenetreDe([=] { return new TEurof(parent); }), Sujet::Utilitaires},
        {"Pèse-lettres", fenetreDe([=] { return new TPLettre(parent); }), Sujet::Utilitaires},
        {"Départements", fenetreDe([=] { return new ui::TDepartements(parent); }),
         Sujet::Utilitaires},
        {"Bloc-notes",
         fenetreDe([&] { return new TBlocnotes(parent, dialogues, impression, dossier.racine()); }),
         Sujet::Utilitaires},
        {"Impression", fenetreDe([=] { return new ui::TPlage(3, parent); }), Sujet::Imprimer},
        {"A propos", fenetreDe([=] { return new ui::TAPropos(parent); }), Sujet::Sommaire},
        {"Trier", fenetreDe([=] { return new ui::TTri(DialogueTri::TTri, parent); }),
         Sujet::Clients},
    };
    for (const auto& c : cas) {
        const std::unique_ptr<QWidget> w = c.ouvre();
        w->show();
        // Wherever the keyboard is in the window.
        QWidget* cible = w->focusWidget() ? w->focusWidget() : w.get();
        EXPECT_EQ(f1(cible), c.sujet) << c.nom;
    }
}

TEST_F(F1, ThePrintPreviewOpensThePrintingTopicAndTheGuideItsOwnPage) {
    fenetre->declenche(Operation::Nouveau, {});
    std::optional<Sujet> apercu;
    QTimer appui;
    QObject::connect(&appui, &QTimer::timeout, [&] {
        if (auto* a = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            appui.stop();
            apercu = f1(a);
            a->close();
        }
    });
    appui.start(10);
    fenetre->declenche(Operation::ImpFiche, {});
    EXPECT_EQ(apercu, Sujet::Imprimer);

    // F1 in the guide shows the page on using it, in the same window.
    ui::TAide aide(s(ZEL_GUIDE), Sujet::Facture, fenetre.get());
    // Its screenshots are there, none wider than the page.
    int images = 0;
    for (QTextBlock b = aide.texte()->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            ++images;
            EXPECT_FALSE(aide.texte()
                             ->loadResource(QTextDocument::ImageResource, QUrl(image.name()))
                             .isNull())
                << image.name().toStdString();
            EXPECT_LE(image.width(), 680) << image.name().toStdString();
        }
    }
    EXPECT_GE(images, 15);
    EXPECT_EQ(aide.sujet(), Sujet::Facture);
    EXPECT_EQ(f1(&aide), std::nullopt) << "no second guide window";
    EXPECT_EQ(aide.sujet(), Sujet::Aide);
}

TEST(TAide, TheGuideIsFoundInTheProgramFolderThenBesideOrUnderTheProgram) {
    test::Dossier dossier;
    const QString programme = QCoreApplication::applicationDirPath();
    const bool installe = QFileInfo::exists(programme + s("/ZelVente.hlp")) ||
                          QFileInfo::exists(programme + s("/../share/zelvente/ZelVente.hlp"));
    EXPECT_EQ(ui::TAide::trouve(dossier.racine()).isEmpty(), !installe);
    dossier.ecrit(s("ZelVente.hlp"), "<html></html>");
    EXPECT_EQ(ui::TAide::trouve(dossier.racine()), dossier.chemin(s("ZelVente.hlp")));
}
