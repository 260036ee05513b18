#include "ui/ongletclients.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

namespace L = ligneClient;

} // namespace

OngletClients::OngletClients(PageClients& page, const ListesChoix& listes, QWidget* parent)
    : OngletCarte(page, parent) {
    // Identity and address, top to bottom as in the block.
    auto* identite = new QFormLayout;
    auto* ligneCode = new QHBoxLayout;
    ligneCode->addWidget(edit(L::Code, 57));
    ligneCode->addWidget(coche(L::Npai, QStringLiteral("NPAI")));
    ligneCode->addWidget(coche(L::Marque, QStringLiteral("Marquer")));
    ligneCode->addStretch();
    identite->addRow(QStringLiteral("Code client"), ligneCode);
    coordonnees(*identite, L::Nom);

    QWidget* banque = groupeBanque(L::Banque, listes);

    auto* divers = new QGroupBox(QStringLiteral("Divers"), this);
    auto* formeDivers = new QFormLayout(divers);
    formeDivers->addRow(QStringLiteral("Contact"), edit(L::Contact));
    formeDivers->addRow(QStringLiteral("Représentant"),
                        deroulante(L::Representant, [&listes] { return listes.representants; }));
    formeDivers->addRow(QStringLiteral("Crédit maxi"), edit(L::CreditMaxi, 92));
    formeDivers->addRow(QStringLiteral("Total dû"), edit(L::TotalDu, 92));
    formeDivers->addRow(QStringLiteral("Risque"), deroulante(L::Risque, &risques));
    formeDivers->addRow(QStringLiteral("Compte client"), edit(L::CompteClient, 92));
    formeDivers->addRow(QStringLiteral("SIREN"), edit(L::Siren, 92));

    auto* gauche = new QVBoxLayout;
    gauche->addLayout(identite);
    gauche->addWidget(banque);
    gauche->addWidget(divers);
    gauche->addStretch();

    // Observations, the account grid and its entry line.
    auto* droite = new QVBoxLayout;
    droite->addWidget(new QLabel(QStringLiteral("Observations"), this));
    droite->addWidget(zoneMemo(0, 110));
    droite->addLayout(
        zoneCompte({QStringLiteral("Date"), QStringLiteral("Libellé"), QStringLiteral("Montant")}),
        1);

    auto* disposition = new QHBoxLayout(this);
    disposition->addLayout(gauche, 3);
    disposition->addLayout(droite, 2);

    setChampPrincipal(champ(L::Nom));
    ordonneTabulation();
    rafraichit();
}

} // namespace zel::ui
