#include "ui/ongletarticles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

namespace L = ligneArticle;

constexpr int kLargeurStock = 75;
constexpr int kLargeurPrix = 107;

// The price fields that lose their alignment blanks while they are edited.
constexpr int kPrixEdites[] = {L::PrixAchat, L::Coefficient, L::PrixHT, L::PrixTTC};

} // namespace

QRadioButton* OngletArticles::choix(const QString& libelle, std::function<void()> quandChoisi) {
    auto* bouton = new QRadioButton(libelle, this);
    connect(bouton, &QRadioButton::clicked, this, [this, quandChoisi = std::move(quandChoisi)] {
        quandChoisi();
        rafraichit();
    });
    return bouton;
}

OngletArticles::OngletArticles(PageArticles& page, const ListesChoix& listes, QWidget* parent)
    : OngletCarte(page, parent), m_articles(page),
      m_venteHT(choix(QStringLiteral("Vente en HT"), [&page] { page.setVenteTTC(false); })),
      m_venteTTC(choix(QStringLiteral("Vente en TTC"), [&page] { page.setVenteTTC(true); })),
      m_prixFixe(choix(QStringLiteral("Prix de vente"), [&page] { page.setPrixFixe(true); })),
      m_coefficientFixe(
          choix(QStringLiteral("Coéf. de marge"), [&page] { page.setPrixFixe(false); })) {
    auto* articles = new QGroupBox(QStringLiteral("Articles"), this);
    auto* formeArticles = new QFormLayout(articles);
    formeArticles->addRow(
        QStringLiteral("Code article"),
        paire(edit(L::Code, 80), QStringLiteral("Famille"),
              deroulante(L::Famille, [&listes] { return listes.famillesArticles; })));
    formeArticles->addRow(QStringLiteral("Désignation"), edit(L::Designation));
    formeArticles->addRow(QStringLiteral("Stock réel"),
                          paire(edit(L::StockReel, kLargeurStock), QStringLiteral("Stock mini"),
                                edit(L::StockMini, kLargeurStock)));
    formeArticles->addRow(QStringLiteral("Fournisseur"),
                          deroulante(L::Fournisseur, [&page] { return page.fournisseurs(); }));
    formeArticles->addRow(QStringLiteral("Réf. article"), edit(L::Reference, 137));
    formeArticles->addRow(coche(L::NePasGerer, QStringLiteral("Ne pas gérer cet article")));

    auto* prix = new QGroupBox(QStringLiteral("Prix/tarifs"), this);
    auto* formePrix = new QFormLayout(prix);
    auto* modes = new QHBoxLayout;
    auto* groupeVente = new QButtonGroup(this);
    for (QRadioButton* b : {m_venteHT, m_venteTTC}) {
        groupeVente->addButton(b);
        modes->addWidget(b);
    }
    modes->addWidget(new QLabel(QStringLiteral("TVA"), this));
    modes->addWidget(deroulante(L::Tva, &PageArticles::tva, false));
    modes->addStretch();
    formePrix->addRow(modes);
    auto* fixer = new QGroupBox(QStringLiteral("Fixer"), this);
    auto* colonneFixer = new QVBoxLayout(fixer);
    auto* groupeFixer = new QButtonGroup(this);
    for (QRadioButton* b : {m_prixFixe, m_coefficientFixe}) {
        groupeFixer->addButton(b);
        colonneFixer->addWidget(b);
    }
    auto* achat = new QHBoxLayout;
    achat->addWidget(edit(L::PrixAchat, kLargeurPrix), 0, Qt::AlignTop);
    achat->addWidget(fixer);
    achat->addStretch();
    formePrix->addRow(QStringLiteral("Prix d'achat HT"), achat);
    formePrix->addRow(QStringLiteral("P.A.Moyen Pond."), edit(L::PrixMoyen, kLargeurPrix));
    champ(L::PrixMoyen)->setEnabled(false);
    formePrix->addRow(QStringLiteral("Coef. de marge"), edit(L::Coefficient, kLargeurPrix));
    formePrix->addRow(QStringLiteral("Prix vente HT"), edit(L::PrixHT, kLargeurPrix));
    formePrix->addRow(QStringLiteral("Prix vente TTC"), edit(L::PrixTTC, kLargeurPrix));

    auto* comptes = new QGroupBox(QStringLiteral("Comptes"), this);
    auto* formeComptes = new QFormLayout(comptes);
    formeComptes->addRow(QStringLiteral("Vente"), edit(L::CompteVente, 92));
    formeComptes->addRow(QStringLiteral("Achat"), edit(L::CompteAchat, 92));

    auto* memos = new QVBoxLayout;
    memos->addWidget(new QLabel(QStringLiteral("Description"), this));
    memos->addWidget(zoneMemo(0, 120));
    memos->addWidget(new QLabel(QStringLiteral("Observations"), this));
    memos->addWidget(zoneMemo(1, 120));
    memos->addStretch();

    auto* grille = new QGridLayout(this);
    grille->addWidget(articles, 0, 0);
    grille->addWidget(prix, 0, 1);
    grille->addLayout(memos, 0, 2, 3, 1);
    grille->addWidget(comptes, 1, 0);
    grille->addLayout(zoneCompte({}, true), 2, 0, 1, 2);
    grille->setRowStretch(2, 1);

    setChampPrincipal(champ(L::Code));
    ordonneTabulation();
    rafraichit();
}

bool OngletArticles::quitteMontant(int ligne) {
    return m_articles.quitteChamp(ligne);
}

void OngletArticles::rafraichitPlus() {
    (m_articles.venteTTC() ? m_venteTTC : m_venteHT)->setChecked(true);
    (m_articles.prixFixe() ? m_prixFixe : m_coefficientFixe)->setChecked(true);
    for (int ligne : {L::Coefficient, L::PrixHT, L::PrixTTC})
        champ(ligne)->setFocusPolicy(m_articles.arretTab(ligne) ? Qt::StrongFocus : Qt::ClickFocus);
    champ(L::StockReel)->setEnabled(m_articles.stockModifiable());
}

bool OngletArticles::eventFilter(QObject* cible, QEvent* evenement) {
    if (evenement->type() == QEvent::FocusIn) {
        for (int ligne : kPrixEdites) {
            QLineEdit* e = champ(ligne);
            if (e == cible) {
                const QString texte = e->text().trimmed();
                m_rafraichit = true;
                e->setText(texte);
                m_articles.carte().setChamp(ligne, texte);
                m_rafraichit = false;
            }
        }
    }
    return OngletCarte::eventFilter(cible, evenement);
}

} // namespace zel::ui
