#include "ui/ongletfournisseurs.h"

#include "clients/pageclients.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

namespace L = ligneFournisseur;

} // namespace

OngletFournisseurs::OngletFournisseurs(PageFournisseurs& page, const ListesChoix& listes,
                                       QWidget* parent)
    : OngletCarte(page, parent) {
    auto* fournisseur = new QGroupBox(QStringLiteral("Fournisseur"), this);
    auto* identite = new QFormLayout(fournisseur);
    identite->addRow(QStringLiteral("Code"), paire(edit(L::Code, 70), QStringLiteral("Famille"),
                                                   deroulante(L::Famille, [&listes] {
                                                       return listes.famillesFournisseurs;
                                                   })));
    coordonnees(*identite, L::Nom);

    QWidget* banque = groupeBanque(L::Banque, listes);

    auto* divers = new QGroupBox(QStringLiteral("Divers"), this);
    auto* formeDivers = new QFormLayout(divers);
    formeDivers->addRow(QStringLiteral("Site Web"), edit(L::SiteWeb));
    formeDivers->addRow(QStringLiteral("Représentant"), edit(L::Representant));
    formeDivers->addRow(
        QStringLiteral("Crédit maxi"),
        paire(edit(L::CreditMaxi, 92), QStringLiteral("Total dû"), edit(L::TotalDu, 92)));
    formeDivers->addRow(QStringLiteral("Risque"), deroulante(L::Risque, &risques));
    formeDivers->addRow(QStringLiteral("Compte fourn."), edit(L::CompteFournisseur, 92));

    auto* droite = new QVBoxLayout;
    droite->addWidget(banque);
    droite->addWidget(divers);
    droite->addStretch();

    auto* observations = new QVBoxLayout;
    observations->addWidget(new QLabel(QStringLiteral("Observations"), this));
    observations->addWidget(zoneMemo(0, 150));
    observations->addStretch();

    auto* grille = new QGridLayout(this);
    grille->addWidget(fournisseur, 0, 0);
    grille->addLayout(droite, 0, 1);
    grille->addLayout(zoneCompte({}, true), 1, 0);
    grille->addLayout(observations, 1, 1);
    grille->setRowStretch(1, 1);

    setChampPrincipal(champ(L::Code));
    ordonneTabulation();
    rafraichit();
}

} // namespace zel::ui
