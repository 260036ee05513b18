#include "ui/tmainform.h"

#include "app/demarrage.h"
#include "app/parametres.h"
#include "clients/impressionclients.h"
#include "records/impressiondocument.h"
#include "records/impressionliste.h"
#include "sales/facturx.h"
#include "stock/impressionstock.h"
#include "ui/dialoguesqt.h"
#include "ui/fenetresinfo.h"
#include "ui/ongletarticles.h"
#include "ui/ongletclients.h"
#include "ui/ongletdocument.h"
#include "ui/ongletfournisseurs.h"
#include "ui/taide.h"
#include "ui/tcombo.h"
#include "ui/tfiche.h"
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

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTime>
#include <QToolBar>

namespace zel::ui {

namespace {

const QString kTitre = QStringLiteral("Zel Vente");
const QStringView kSelection = u"&Sélection";
const QStringView kVente = u"&Vente";
const QStringView kAchat = u"&Achat";

// The tool bar's look: each button as wide as its text, its two margin blanks and 4 pixels, and no
// gap between buttons.
class StyleBarre : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contenu,
                           const QWidget* widget) const override {
        QSize taille = QProxyStyle::sizeFromContents(type, option, contenu, widget);
        if (type == CT_ToolButton)
            taille.setWidth(contenu.width() + 4);
        return taille;
    }
    int pixelMetric(PixelMetric mesure, const QStyleOption* option,
                    const QWidget* widget) const override {
        return mesure == PM_ToolBarItemSpacing ? 0
                                               : QProxyStyle::pixelMetric(mesure, option, widget);
    }
};

} // namespace

TMainForm::TMainForm(const QString& dossierProgramme, Dialogues* dialogues, QWidget* parent)
    : QMainWindow(parent), m_dossier(dossierProgramme),
      m_dialoguesQt(dialogues ? nullptr : std::make_unique<DialoguesQt>(this)),
      m_dialogues(dialogues ? *dialogues : *m_dialoguesQt), m_commandes(m_jeu, m_dialogues),
      m_mesure(std::make_unique<MesureQt>(font())),
      m_fenetre(std::make_unique<FenetreFiche>(m_jeu, m_reglages, m_dialogues, *m_mesure)),
      m_fiche(new TFiche(this)),
      m_ongletClients(new OngletClients(m_fenetre->clients(), m_reglages.listes, m_fiche)),
      m_ongletFournisseurs(
          new OngletFournisseurs(m_fenetre->fournisseurs(), m_reglages.listes, m_fiche)),
      m_ongletArticles(new OngletArticles(m_fenetre->articles(), m_reglages.listes, m_fiche)),
      m_ongletFactures(
          new OngletDocument(m_fenetre->factures(), LibellesOnglet::factures(), m_fiche)),
      m_ongletCommandes(
          new OngletDocument(m_fenetre->commandes(), LibellesOnglet::commandes(), m_fiche)),
      m_panneauAide(new QLabel(this)), m_panneauHeure(new QLabel(this)) {
    setWindowTitle(kTitre);
    resize(1024, 700);
    m_impression.lieA(m_dialogues, [this] {
        return m_jeu.nomDocument().isEmpty() ? QString()
                                             : QFileInfo(m_jeu.nomDocument()).absolutePath();
    });
    setCentralWidget(m_fiche);
    m_fiche->placePage(Sorte::Clients, m_ongletClients);
    m_fiche->placePage(Sorte::Fournisseurs, m_ongletFournisseurs);
    m_fiche->placePage(Sorte::Articles, m_ongletArticles);
    m_fiche->placePage(Sorte::Factures, m_ongletFactures);
    m_fiche->placePage(Sorte::Commandes, m_ongletCommandes);
    // "Supprimer ligne" follows the focus of its grid; "Imprimer" prints the document shown.
    const struct {
        OngletDocument* onglet;
        QStringView menu;
        Operation impression;
    } documents[] = {{m_ongletFactures, kVente, Operation::ImpFact},
                     {m_ongletCommandes, kAchat, Operation::ImpCmd}};
    for (const auto& d : documents) {
        connect(d.onglet, &OngletDocument::grilleActiveChangee, this,
                [this, menu = d.menu](bool active) {
                    m_etat.setActif({menu, u"Supprimer &ligne"}, active);
                    synchronise();
                });
        connect(d.onglet, &OngletDocument::imprime, this,
                [this, operation = d.impression] { declenche(operation, bouton(u"Imprimer")); });
        connect(d.onglet, &OngletDocument::avis, this, &TMainForm::avis);
    }
    construitMenus();
    construitBarre();
    statusBar()->addWidget(m_panneauAide);
    statusBar()->addPermanentWidget(m_panneauHeure, 1);
    const auto heure = [this] { m_panneauHeure->setText(texteHeure(QTime::currentTime())); };
    heure();
    connect(&m_horloge, &QTimer::timeout, this, heure);
    m_horloge.start(1000);
    connect(m_fiche, &TFiche::touche, this, [this](Operation operation, Sorte) {
        termineSaisie();
        operationDePage(operation);
        synchronise();
    });
    // F1 opens the guide on the topic of the window that has the keyboard.
    qApp->installEventFilter(
        new ToucheF1([this](Sujet sujet, QWidget* fenetre) { aide(sujet, fenetre); }, this));
    metSujet(this, sujetOnglet(Sorte::Clients));
    // The card window's first activation: the three files are read before any card is shown.
    m_erreursDemarrage = m_reglages.chargeAuDemarrage(m_dossier);
    synchronise();
}

TMainForm::~TMainForm() {
    // The tabs go before the pages they show: a shown window hides its children as it goes,
    // and their event filters still read their pages.
    delete takeCentralWidget();
}

void TMainForm::construitMenus() {
    // Radio marks for the "&Sélection" groups; which item is checked comes from the core.
    std::array<QActionGroup*, kNombreGroupes> groupes{};
    for (const Menu& m : menus()) {
        QMenu* menu = menuBar()->addMenu(m.libelle.toString());
        QMenu* sousMenu = nullptr;
        for (const ElementMenu& e : m.elements) {
            QMenu* dans = e.dansSousMenu && sousMenu ? sousMenu : menu;
            if (e.separateurAvant)
                dans->addSeparator();
            QAction* a = nullptr;
            if (e.operation == Operation::SousMenu) {
                sousMenu = menu->addMenu(e.libelle.toString());
                a = sousMenu->menuAction();
            } else {
                a = dans->addAction(e.libelle.toString());
            }
            a->setStatusTip(aideLongue(e.aide));
            a->setCheckable(e.cochable);
            if (e.groupe) {
                QActionGroup*& groupe = groupes[static_cast<int>(*e.groupe)];
                if (!groupe)
                    groupe = new QActionGroup(this);
                groupe->addAction(a);
            }
            if (!e.raccourci.isEmpty()) {
                const QKeySequence touche(e.raccourci.toString());
                a->setShortcut(touche);
                // A card window key is shown in the menu, and run by the card window.
                if (toucheFiche(touche[0]))
                    a->setShortcutContext(Qt::WidgetShortcut);
            }
            const Cible c{m.libelle, e.libelle};
            m_actions.emplace_back(c, a);
            if (e.operation != Operation::SousMenu)
                connect(a, &QAction::triggered, this, [this, c, &e] { declenche(e.operation, c); });
        }
    }
}

void TMainForm::construitBarre() {
    QToolBar* barre = addToolBar(QStringLiteral("Barre d'outils"));
    barre->setMovable(false);
    barre->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const BoutonBarre& b : barreOutils()) {
        QAction* a = barre->addAction(aideCourte(b.aide));
        a->setToolTip(aideCourte(b.aide));
        a->setStatusTip(aideLongue(b.aide));
        const Cible c = bouton(b.aide);
        m_actions.emplace_back(c, a);
        connect(a, &QAction::triggered, this, [this, c, &b] { declenche(b.operation, c); });
    }
    // All fifteen buttons fit in a window 1024 pixels wide: tight buttons in a slightly smaller
    // font. A widget's style does not pass to its children, so each button is given it.
    auto* serre = new StyleBarre;
    serre->setParent(barre);
    barre->setStyle(serre);
    QFont police = barre->font();
    police.setPointSizeF(police.pointSizeF() - 1);
    barre->setFont(police);
    for (QAction* a : barre->actions())
        barre->widgetForAction(a)->setStyle(serre);
}

QAction* TMainForm::action(Cible c) const {
    for (const auto& [cible, a] : m_actions) {
        if (cible == c)
            return a;
    }
    return nullptr;
}

QLabel* TMainForm::panneau(int n) const {
    return n == 0 ? m_panneauAide : m_panneauHeure;
}

void TMainForm::synchronise() {
    // The messages belong to a set that has its file.
    m_etat.setActif({u"&Outils", u"&Messages"}, !m_jeu.nomDocument().isEmpty());
    for (const auto& [c, a] : m_actions) {
        a->setEnabled(m_etat.actif(c));
        if (a->isCheckable())
            a->setChecked(m_etat.coche(c));
    }
}

void TMainForm::montreOnglet(Sorte onglet) {
    if (!m_fenetre->montre(onglet))
        return;
    m_fiche->montre(onglet);
    m_etat.appliqueJeu(onglet);
    montrePage();
}

OngletCarte* TMainForm::onglet(Sorte sorte) const {
    switch (sorte) {
    case Sorte::Clients:
        return m_ongletClients;
    case Sorte::Fournisseurs:
        return m_ongletFournisseurs;
    case Sorte::Articles:
        return m_ongletArticles;
    case Sorte::Factures:
    case Sorte::Commandes:
        break;
    }
    return nullptr;
}

void TMainForm::montrePage() {
    // An operation may have moved to another tab (a new invoice from the client tab).
    const Sorte montre = m_fenetre->onglet();
    if (m_fiche->onglet() != montre) {
        m_fiche->montre(montre);
        m_etat.appliqueJeu(montre);
    }
    metSujet(this, sujetOnglet(montre));
    if (OngletCarte* o = onglet(montre))
        o->montreCarte();
    else if (OngletDocument* d = ongletDocument(montre))
        d->montreDocument();
}

OngletDocument* TMainForm::ongletDocument(Sorte sorte) const {
    switch (sorte) {
    case Sorte::Factures:
        return m_ongletFactures;
    case Sorte::Commandes:
        return m_ongletCommandes;
    case Sorte::Clients:
    case Sorte::Fournisseurs:
    case Sorte::Articles:
        break;
    }
    return nullptr;
}

void TMainForm::apresOuverture(bool nouveau) {
    if (nouveau)
        m_fenetre->apresNouveau();
    else
        m_fenetre->apresOuverture();
    montreOnglet(Sorte::Clients);
    m_etat.choisit({kSelection, u"&Tous les clients"});
    m_etat.choisit({kSelection, u"Tous les fo&urnisseurs"});
    // New clears the article mode too: its check mark goes back to every article.
    if (nouveau)
        m_etat.choisit({kSelection, u"Tous les &articles"});
    majTitre();
}

void TMainForm::importe() {
    operationDePage(Operation::Importer);
    // Whatever the import did, the commands are enabled for the tab shown, every client and
    // every supplier are shown, and the first record of the tab.
    m_fenetre->apresImport();
    m_etat.appliqueJeu(m_fenetre->onglet());
    m_etat.choisit({kSelection, u"&Tous les clients"});
    m_etat.choisit({kSelection, u"Tous les fo&urnisseurs"});
    montrePage();
}

void TMainForm::majTitre() {
    const QString document = m_jeu.titre();
    setWindowTitle(document.isEmpty()
                       ? kTitre
                       : kTitre + QStringLiteral(" - [") + document + QStringLiteral("]"));
}

void TMainForm::termineSaisie() {
    // A menu or a tool-bar button takes no focus from the cell being typed.
    if (OngletDocument* d = ongletDocument(m_fenetre->onglet()))
        d->termineSaisie();
}

void TMainForm::indisponible() {
    m_dialogues.message(QStringLiteral("Cette commande n'est pas encore disponible."));
}

void TMainForm::operationDePage(Operation operation) {
    // The pages not built yet say so.
    if (m_fenetre->execute(operation))
        montrePage();
    else
        indisponible();
}

namespace {
template <typename Fenetre, typename... Args> void ouvre(Args&&... args) {
    Fenetre fenetre(std::forward<Args>(args)...);
    fenetre.exec();
}
} // namespace

void TMainForm::aide(Sujet sujet, QWidget* parent, bool recherche) {
    const QString fichier = TAide::trouve(m_dossier);
    if (fichier.isEmpty()) {
        m_dialogues.message(
            QStringLiteral("Le fichier d'aide %1 est introuvable.")
                .arg(QDir::toNativeSeparators(m_dossier + QStringLiteral("/ZelVente.hlp"))));
        return;
    }
    TAide fenetre(fichier, sujet, parent);
    if (recherche)
        fenetre.recherche();
    fenetre.exec();
}

// Every operation of the menus and the tool bar is handled here, and only here; the compiler
// names any that is left out.
void TMainForm::declenche(Operation operation, Cible origine) {
    termineSaisie();
    switch (operation) {
    case Operation::SousMenu:
        break;
    case Operation::Client:
        montreOnglet(Sorte::Clients);
        break;
    case Operation::Facture:
        montreOnglet(Sorte::Factures);
        break;
    case Operation::Fournisseur:
        montreOnglet(Sorte::Fournisseurs);
        break;
    case Operation::Articles:
        montreOnglet(Sorte::Articles);
        break;
    case Operation::Commande:
        montreOnglet(Sorte::Commandes);
        break;
    case Operation::Nouveau:
        if (m_commandes.Nouveau())
            apresOuverture(true);
        break;
    case Operation::Ouvrir:
        if (m_commandes.Ouvrir())
            apresOuverture(false);
        break;
    case Operation::Enregistrer:
        m_commandes.Enregistrer();
        majTitre();
        break;
    case Operation::EnregistrerSous:
        m_commandes.EnregistrerSous();
        majTitre();
        break;
    case Operation::Quitter:
        close();
        break;
    case Operation::Selection: {
        // A choice cancelled leaves the check mark where it was.
        const ElementMenu* element = trouve(origine);
        if (element && m_fenetre->selectionne(*element)) {
            m_etat.choisit(origine);
            montrePage();
        }
        break;
    }
    case Operation::Ajout:
    case Operation::Precedent:
    case Operation::Suivant:
    case Operation::Premier:
    case Operation::Dernier:
    case Operation::Liste:
    case Operation::Supprime:
    case Operation::RechNom:
    case Operation::RechNum:
    case Operation::RechTel:
    case Operation::RechContact:
    case Operation::RechNomFour:
    case Operation::RechNumFour:
    case Operation::RechNomArt:
    case Operation::RechNumArt:
    case Operation::NouvFact:
    case Operation::SupFact:
    case Operation::ListFact:
    case Operation::ChercheFact:
    case Operation::NouvCmd:
    case Operation::SupCmd:
    case Operation::ListCmd:
    case Operation::ChercheCmd:
    case Operation::Recalc:
    case Operation::EntreeStock:
    case Operation::SortieStock:
    case Operation::Exporter:
    case Operation::Copier:
    case Operation::Coller:
    case Operation::Trier:
    case Operation::TrierFour:
    case Operation::TrierArt:
        operationDePage(operation);
        break;
    case Operation::Importer:
        importe();
        break;
    case Operation::SupLigne1:
        m_ongletFactures->supprimeLigneCourante();
        break;
    case Operation::SupLigne2:
        m_ongletCommandes->supprimeLigneCourante();
        break;
    case Operation::OuvrirAuto: {
        const bool oui = !m_etat.coche(origine);
        m_etat.setCoche(origine, oui);
        m_reglages.SetIni(oui);
        break;
    }
    case Operation::Psoc: {
        TSociete dialogue(this);
        dialogue.Init(m_reglages.entete);
        if (dialogue.exec() == QDialog::Accepted)
            changeEntete(m_reglages.entete, dialogue.Result());
        break;
    }
    case Operation::ParF: {
        TParamf dialogue(this);
        dialogue.Init(SaisieParametres::depuis(m_reglages));
        // A refused setting is told, and the dialog comes back as it was left.
        while (dialogue.exec() == QDialog::Accepted) {
            const SaisieParametres saisie = dialogue.Result();
            if (const std::optional<QString> refus = saisie.refus()) {
                m_dialogues.message(*refus);
                continue;
            }
            m_fenetre->ParF(saisie);
            m_ongletFactures->rafraichit();
            m_ongletCommandes->rafraichit();
            break;
        }
        break;
    }
    case Operation::Repre:
    case Operation::Banques:
    case Operation::FamFournis:
    case Operation::FamArt: {
        const std::optional<ListeEditee> l = listeEditee(operation);
        QStringList& liste = m_reglages.listes.*(l->liste);
        TCombo dialogue(this);
        dialogue.Init(l->titre, l->etiquette, liste);
        dialogue.exec();
        liste = dialogue.Result();
        break;
    }
    case Operation::ConfigurerImprimante:
        m_impression.configure(this);
        break;
    case Operation::ParM: {
        TMPage dialogue(this);
        dialogue.Init(MiseEnPage::depuis(m_reglages.ini));
        if (dialogue.exec() == QDialog::Accepted)
            dialogue.Result().applique(m_reglages.ini);
        break;
    }
    case Operation::ImpFact:
        imprimeDocument(Sorte::Factures);
        break;
    case Operation::FacturX:
        enregistreFacturX();
        break;
    case Operation::ImpCmd:
        imprimeDocument(Sorte::Commandes);
        break;
    case Operation::ImpFiche:
        imprimeFiche();
        break;
    case Operation::ImpEnv:
        imprimeEnveloppe();
        break;
    case Operation::Enveloppes:
        imprimeEnveloppes();
        break;
    case Operation::ImpCli:
        imprimeListe(m_fenetre->clients(), QStringLiteral("Liste des clients"), &ImpCli);
        break;
    case Operation::ImpFour:
        imprimeListe(m_fenetre->fournisseurs(), QStringLiteral("Liste des fournisseurs"), &ImpFour);
        break;
    case Operation::ImpArt:
        imprimeListe(m_fenetre->articles(), QStringLiteral("Liste des articles"), &ImpArt);
        break;
    case Operation::Inventaire:
        imprimeInventaire();
        break;
    case Operation::Calendrier:
        ouvre<TCalendrier>(this);
        break;
    case Operation::Calculatrice:
        ouvre<TPocket>(this);
        break;
    case Operation::Horloge:
        ouvre<THorloge>(this);
        break;
    case Operation::EuroConversion:
        ouvre<TEurof>(this);
        break;
    case Operation::PeseLettres:
        ouvre<TPLettre>(this);
        break;
    case Operation::Departements:
        ouvre<TDepartements>(this);
        break;
    case Operation::BlocNotes:
        ouvre<TBlocnotes>(this, m_dialogues, m_impression, m_dossier);
        break;
    case Operation::TrTexte: {
        TTexte fenetre(this, m_dialogues, m_impression);
        fenetre.Setsoc({m_reglages.entete.begin(), m_reglages.entete.begin() + 4});
        fenetre.exec();
        break;
    }
    case Operation::Messages:
        if (m_jeu.nomDocument().isEmpty())
            m_dialogues.message(QStringLiteral("Les messages se gardent à côté d'un fichier "
                                               "clients : ouvrez-en un ou enregistrez d'abord "
                                               "celui-ci."));
        else
            ouvre<TFicheMsg>(this, m_dialogues, m_jeu.nomDocument(), m_commandes.lectureSeule());
        break;
    case Operation::APropos:
        ouvre<TAPropos>(this);
        break;
    case Operation::AideIndex:
        aide(Sujet::Sommaire, this);
        break;
    case Operation::AideRecherche:
        aide(Sujet::Sommaire, this, true);
        break;
    case Operation::AideUtiliser:
        aide(Sujet::Aide, this);
        break;
    case Operation::StatsArt:
        statistiques(&StatsArt);
        break;
    case Operation::StatsVentes:
        statistiques(&StatsVentes);
        break;
    case Operation::StatsCli:
        statistiques(&StatsCli);
        break;
    case Operation::StatsRepresentant:
        statistiques(&StatsRepresentant);
        break;
    case Operation::Journal:
        m_fenetre->factures().Ecrit();
        ouvre<TCompta>(journal(m_jeu, m_reglages, m_dialogues, QDate::currentDate()), m_impression,
                       m_dialogues, m_reglages, this);
        break;
    }
    synchronise();
}

void TMainForm::statistiques(Statistique calcul) {
    // The invoice being typed counts as it was last written; the page is left as it is.
    m_fenetre->factures().Ecrit();
    ouvre<TTableau>(calcul(m_jeu, m_reglages, m_dialogues), m_impression, this);
}

void TMainForm::imprimeDocument(Sorte sorte) {
    // The document as the page shows it, totals included.
    const PageDocument& page = *m_fenetre->document(sorte);
    const Document& d = page.document();
    const Impression::Dessin dessin = [&](Canevas& c) {
        zel::imprimeDocument(c, page, m_reglages);
    };
    const QString titre = d.genre.trimmed() + u' ' + d.numero.trimmed();
    if (sorte == Sorte::Factures)
        m_impression.apercu(this, titre, dessin, [this] { enregistreFacturX(); });
    else
        m_impression.apercu(this, titre, dessin);
}

void TMainForm::enregistreFacturX() {
    // The page, the paper and the XML show the same totals: the lines are computed first.
    PageFactures& page = m_fenetre->factures();
    page.Calcule();
    ongletDocument(Sorte::Factures)->rafraichit();
    // A SIREN just typed on the client card is the buyer's.
    m_fenetre->clients().EcritFiche();
    const Document& d = page.document();
    if (const std::optional<QString> refus = refusFacturX(d, m_reglages.ini)) {
        m_dialogues.message(*refus);
        return;
    }
    if (!demandeSiren(m_dialogues, m_reglages, Saisie::SirenFacture))
        return;
    QByteArray xml;
    if (Resultat r = xmlFacturX(d, m_reglages, m_jeu.BlocsCli(), xml); !r) {
        m_dialogues.message(r.message());
        return;
    }
    const QString titre = d.genre.trimmed() + u' ' + d.numero.trimmed();
    const QString dossier =
        m_jeu.nomDocument().isEmpty() ? QString() : QFileInfo(m_jeu.nomDocument()).absolutePath();
    std::optional<QString> nom =
        m_dialogues.fichierAEnregistrer(QStringLiteral("Factures Factur-X (*.pdf)|*.pdf"),
                                        QDir(dossier).filePath(titre + QStringLiteral(".pdf")));
    if (!nom || nom->isEmpty())
        return;
    if (!nom->endsWith(u".pdf", Qt::CaseInsensitive))
        *nom += QStringLiteral(".pdf");
    Sortie sortie(m_dialogues);
    if (const Resultat r = Impression::imprimeFacturX(
                               sortie, *nom, titre,
                               [&](Canevas& c) { zel::imprimeDocument(c, page, m_reglages); }, xml)
                               .resultat();
        !r)
        m_dialogues.message(r.message());
}

void TMainForm::imprimeFiche() {
    switch (m_fenetre->onglet()) {
    case Sorte::Factures:
    case Sorte::Commandes:
        imprimeDocument(m_fenetre->onglet());
        return;
    case Sorte::Fournisseurs:
        m_impression.apercu(this, QStringLiteral("Fiche fournisseur"), [this](Canevas& c) {
            ImpFiche3(c, m_fenetre->fournisseurs().carte());
        });
        return;
    case Sorte::Articles:
        m_impression.apercu(this, QStringLiteral("Fiche article"),
                            [this](Canevas& c) { ImpFiche4(c, m_fenetre->articles().carte()); });
        return;
    case Sorte::Clients:
        break;
    }
    m_impression.apercu(this, QStringLiteral("Fiche client"),
                        [this](Canevas& c) { ImpFicheClient(c, m_fenetre->clients().carte()); });
}

void TMainForm::imprimeEnveloppe() {
    Destinataire destinataire;
    switch (m_fenetre->onglet()) {
    case Sorte::Clients:
        destinataire = destinataireClient(m_fenetre->clients().carte().Ecrit());
        break;
    case Sorte::Factures:
    case Sorte::Commandes:
        destinataire = m_fenetre->document(m_fenetre->onglet())->document().adresse;
        break;
    case Sorte::Fournisseurs:
    case Sorte::Articles:
        m_dialogues.message(
            QStringLiteral("L'enveloppe s'imprime depuis un client, une facture ou une commande."));
        return;
    }
    if (!enveloppeInseree(m_dialogues))
        return;
    m_impression.apercu(this, QStringLiteral("Enveloppe"), [&](Canevas& c) {
        ImpEnv(c, m_reglages.entete, destinataire, m_reglages.ini);
    });
}

void TMainForm::imprimeEnveloppes() {
    const auto blocs = plageEnveloppes(m_fenetre->clients(), m_jeu, m_dialogues);
    if (!blocs)
        return;
    m_impression.apercu(this, QStringLiteral("Enveloppes"), [&](Canevas& c) {
        Enveloppes(c, m_jeu.BlocsCli(), *blocs, m_reglages.entete, m_reglages.ini.decalageGuide);
    });
}

void TMainForm::imprimeListe(PageCarte& page, const QString& titre, ImpressionListe impression) {
    const auto blocs = plageAImprimer(page, m_jeu, m_dialogues);
    if (!blocs)
        return;
    const Blocs& store = m_jeu.store(page.sorte());
    m_impression.apercu(this, titre, [&](Canevas& c) { impression(c, store, *blocs); });
}

void TMainForm::imprimeInventaire() {
    const auto blocs = plageAImprimer(m_fenetre->articles(), m_jeu, m_dialogues);
    if (!blocs)
        return;
    // The preview may draw more than once; what the user is told comes from the last drawing.
    BilanInventaire bilan;
    m_impression.apercu(this, QStringLiteral("Inventaire des articles"), [&](Canevas& c) {
        bilan =
            Inventaire(c, m_jeu.BlocsArt(), *blocs, m_reglages.formatMontant, QDate::currentDate());
    });
    if (const QString m = messageInventaire(bilan); !m.isEmpty())
        m_dialogues.message(m);
}

void TMainForm::avis(const QString& texte) {
    m_panneauAide->setText(texte);
}

bool TMainForm::event(QEvent* evenement) {
    if (evenement->type() == QEvent::StatusTip) {
        avis(static_cast<QStatusTipEvent*>(evenement)->tip());
        return true;
    }
    return QMainWindow::event(evenement);
}

void TMainForm::dimensionnePanneau() {
    m_panneauAide->setFixedWidth(std::max(0, width() - 100));
}

void TMainForm::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    dimensionnePanneau();
    if (m_dejaMontre)
        return;
    m_dejaMontre = true;
    // Messages and the last document wait for the window to be on screen.
    QTimer::singleShot(0, this, &TMainForm::premiereApparition);
}

void TMainForm::premiereApparition() {
    resize(width() - 10, height());
    showMaximized();
    for (const QString& erreur : m_erreursDemarrage)
        m_dialogues.message(erreur);
    m_erreursDemarrage.clear();
    const DemarrageIni depart = m_reglages.GetIni();
    m_reglages.ini.modeSelectionClient = 0;
    if (depart.ouvertureAuto)
        m_etat.setCoche({u"&Paramètres", u"&Ouvrir automatiquement"}, true);
    if (!m_fichierDemande.isEmpty()) {
        if (m_commandes.ouvre(QFileInfo(m_fichierDemande).absoluteFilePath()))
            apresOuverture(false);
    } else if (depart.ouvertureAuto) {
        if (m_commandes.ouvreAuDemarrage(depart.document))
            apresOuverture(false);
        else
            m_etat.appliqueJeu(Sorte::Clients);
    }
    synchronise();
}

void TMainForm::resizeEvent(QResizeEvent* evenement) {
    QMainWindow::resizeEvent(evenement);
    dimensionnePanneau();
}

void TMainForm::closeEvent(QCloseEvent* evenement) {
    if (!m_commandes.Quitter()) {
        evenement->ignore();
        return;
    }
    QDir::setCurrent(m_dossier);
    for (const QString& erreur : m_reglages.sauveALaFin(m_dossier, m_commandes.documentCourant()))
        m_dialogues.message(erreur);
    evenement->accept();
}

} // namespace zel::ui
