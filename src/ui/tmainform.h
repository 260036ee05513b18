#pragma once

#include "app/commandes.h"
#include "app/fenetrefiche.h"
#include "app/guide.h"
#include "app/menus.h"
#include "records/reglages.h"
#include "reports/statistiques.h"
#include "store/jeudocuments.h"
#include "ui/impression.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <vector>

class QAction;
class QLabel;

namespace zel::ui {

class DialoguesQt;
class MesureQt;
class OngletCarte;
class OngletDocument;
class OngletClients;
class TFiche;

// The main window: menus, tool bar and status bar built from the core's tables, the card window
// in the middle, and the document commands.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The settings, company and option-list files are read from the program's folder now and
    // written back there when the window closes. Without dialogs given, Qt's are used.
    explicit TMainForm(const QString& dossierProgramme, Dialogues* dialogues = nullptr,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    TFiche* fiche() const { return m_fiche; }
    OngletClients* ongletClients() const { return m_ongletClients; }
    OngletDocument* ongletFactures() const { return m_ongletFactures; }
    OngletDocument* ongletCommandes() const { return m_ongletCommandes; }
    // The invoice or order tab of a kind, or nothing.
    OngletDocument* ongletDocument(Sorte sorte) const;
    // The tab widget of a record page, or nothing for the tabs without a card yet.
    OngletCarte* onglet(Sorte sorte) const;
    FenetreFiche& fenetreFiche() { return *m_fenetre; }
    QAction* action(Cible c) const;
    // The hint panel and the clock panel of the status bar.
    QLabel* panneau(int n) const;
    void declenche(Operation operation, Cible origine);
    // The set the window opens when it is first shown, instead of the last document.
    void ouvrira(const QString& fichierClients) { m_fichierDemande = fichierClients; }
    // A short notice in the hint panel, until the pointer shows another hint.
    void avis(const QString& texte);

protected:
    bool event(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void construitMenus();
    void construitBarre();
    void synchronise();
    void montreOnglet(Sorte onglet);
    // After New (nouveau) and Open: the client tab, and every client and supplier chosen.
    void apresOuverture(bool nouveau);
    void importe();
    void majTitre();
    void premiereApparition();
    void operationDePage(Operation operation);
    void montrePage();
    // The guide on a topic, over the window that asked; with the search field taking the keys.
    void aide(Sujet sujet, QWidget* parent, bool recherche = false);
    // The invoice or the order shown, on paper.
    void imprimeDocument(Sorte sorte);
    // "Enregistrer en Factur-X...": the invoice or credit note shown, as a Factur-X file.
    void enregistreFacturX();
    void imprimeFiche();
    void imprimeEnveloppe();
    void imprimeEnveloppes();
    void imprimeInventaire();
    using ImpressionListe = void (*)(Canevas&, const Blocs&, const std::vector<int>&);
    void imprimeListe(PageCarte& page, const QString& titre, ImpressionListe impression);
    // The text being typed in a cell of the document shown counts before any command.
    void termineSaisie();
    void indisponible();
    // A statistic computed and shown in its window.
    void statistiques(Statistique calcul);
    void dimensionnePanneau();

    QString m_dossier;
    // No output replaces a file of the program's folder.
    ProtectionJeu m_protection{nullptr, m_dossier};
    Reglages m_reglages;
    JeuDocuments m_jeu;
    std::unique_ptr<DialoguesQt> m_dialoguesQt;
    Dialogues& m_dialogues;
    CommandesDocument m_commandes;
    EtatMenus m_etat;
    std::unique_ptr<MesureQt> m_mesure;
    std::unique_ptr<FenetreFiche> m_fenetre;
    TFiche* m_fiche;
    OngletClients* m_ongletClients;
    OngletCarte* m_ongletFournisseurs;
    OngletCarte* m_ongletArticles;
    OngletDocument* m_ongletFactures;
    OngletDocument* m_ongletCommandes;
    std::vector<std::pair<Cible, QAction*>> m_actions;
    QLabel* m_panneauAide;
    QLabel* m_panneauHeure;
    QTimer m_horloge;
    Impression m_impression;
    QStringList m_erreursDemarrage;
    QString m_fichierDemande;
    bool m_dejaMontre = false;
};

} // namespace zel::ui
