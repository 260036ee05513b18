#include "ui/ongletclients.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

namespace L = ligneClient;

constexpr int kLargeurs[] = {94, 178, 97};

bool estMontant(int ligne) {
    return ligne == L::CreditMaxi || ligne == L::TotalDu || ligne == L::SaisieMontant;
}

} // namespace

OngletClients::OngletClients(PageClients& page, const ListesChoix& listes, QWidget* parent)
    : QWidget(parent), m_page(page), m_memo(new QPlainTextEdit(this)),
      m_grille(new QTableWidget(Carte::kLignesGrille, 3, this)), m_date(new QDateEdit(this)) {
    // Identity and address, top to bottom as in the block.
    auto* identite = new QFormLayout;
    auto* ligneCode = new QHBoxLayout;
    ligneCode->addWidget(edit(L::Code, 57));
    ligneCode->addWidget(coche(L::Npai, QStringLiteral("NPAI")));
    ligneCode->addWidget(coche(L::Marque, QStringLiteral("Marquer")));
    ligneCode->addStretch();
    identite->addRow(QStringLiteral("Code client"), ligneCode);
    identite->addRow(QStringLiteral("Nom/Soc"), edit(L::Nom));
    identite->addRow(QStringLiteral("Adresse"), edit(L::Adresse1));
    identite->addRow(QStringLiteral("Adresse"), edit(L::Adresse2));
    identite->addRow(QStringLiteral("Code postal"), edit(L::CodePostal, 65));
    identite->addRow(QStringLiteral("Ville"), edit(L::Ville));
    identite->addRow(QStringLiteral("Pays"), edit(L::Pays));
    identite->addRow(QStringLiteral("Téléphone"), edit(L::Telephone));
    identite->addRow(QStringLiteral("Fax"), edit(L::Fax, 137));
    identite->addRow(QStringLiteral("E.mail"), edit(L::Email));

    auto* banque = new QGroupBox(QStringLiteral("Banque"), this);
    auto* formeBanque = new QFormLayout(banque);
    formeBanque->addRow(QStringLiteral("Nom"), deroulante(L::Banque, listes.banques));
    formeBanque->addRow(QStringLiteral("Code banque"), edit(L::CodeBanque, 65));
    formeBanque->addRow(QStringLiteral("Code guichet"), edit(L::CodeGuichet, 65));
    formeBanque->addRow(QStringLiteral("N° compte"), edit(L::Compte, 137));
    formeBanque->addRow(QStringLiteral("Rib"), edit(L::Rib, 49));

    auto* divers = new QGroupBox(QStringLiteral("Divers"), this);
    auto* formeDivers = new QFormLayout(divers);
    formeDivers->addRow(QStringLiteral("Contact"), edit(L::Contact));
    formeDivers->addRow(QStringLiteral("Représentant"),
                        deroulante(L::Representant, listes.representants));
    formeDivers->addRow(QStringLiteral("Crédit maxi"), edit(L::CreditMaxi, 92));
    formeDivers->addRow(QStringLiteral("Total dû"), edit(L::TotalDu, 92));
    formeDivers->addRow(QStringLiteral("Risque"), deroulante(L::Risque, PageClients::risques()));
    formeDivers->addRow(QStringLiteral("Compte client"), edit(L::CompteClient, 92));

    auto* gauche = new QVBoxLayout;
    gauche->addLayout(identite);
    gauche->addWidget(banque);
    gauche->addWidget(divers);
    gauche->addStretch();

    // Observations, the account grid and its entry line.
    auto* droite = new QVBoxLayout;
    droite->addWidget(new QLabel(QStringLiteral("Observations"), this));
    m_memo->setFixedHeight(110);
    droite->addWidget(m_memo);
    m_grille->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Libellé"), QStringLiteral("Montant")});
    for (int c = 0; c < 3; ++c)
        m_grille->setColumnWidth(c, kLargeurs[c]);
    m_grille->horizontalHeader()->setStretchLastSection(true);
    m_grille->verticalHeader()->hide();
    m_grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grille->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grille->setMinimumWidth(94 + 178 + 97 + 20);
    m_grille->installEventFilter(this);
    droite->addWidget(m_grille, 1);
    auto* saisie = new QHBoxLayout;
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_date->setFixedWidth(94);
    saisie->addWidget(m_date);
    saisie->addWidget(edit(L::SaisieLibelle, 173));
    saisie->addWidget(edit(L::SaisieMontant, 93));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setFixedWidth(40);
    saisie->addWidget(ok);
    saisie->addStretch();
    droite->addLayout(saisie);

    auto* disposition = new QHBoxLayout(this);
    disposition->addLayout(gauche, 3);
    disposition->addLayout(droite, 2);

    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_rafraichit)
            return;
        const QString texte = m_memo->toPlainText();
        m_page.carte().saisitMemo(0, texte.isEmpty() ? QStringList() : texte.split(u'\n'));
    });
    connect(m_date, &QDateEdit::dateChanged, this,
            [this](QDate d) { m_page.carte().setDateSaisie(d); });
    connect(ok, &QPushButton::clicked, this, &OngletClients::valideSaisie);
    connect(champ(L::SaisieMontant), &QLineEdit::returnPressed, this, &OngletClients::valideSaisie);

    // Top to bottom, then the memo, the grid and the entry line.
    QList<QWidget*> ordre;
    for (int l = L::Code; l <= L::CompteClient; ++l) {
        if (auto e = m_edits.find(l); e != m_edits.end())
            ordre.append(e->second);
        else if (auto c = m_coches.find(l); c != m_coches.end())
            ordre.append(c->second);
        else
            ordre.append(m_listes.at(l));
    }
    ordre << m_memo << m_grille << m_date << champ(L::SaisieLibelle) << champ(L::SaisieMontant)
          << ok;
    for (int i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    rafraichit();
}

QLineEdit* OngletClients::edit(int ligne, int largeur) {
    auto* e = new QLineEdit(this);
    if (largeur > 0)
        e->setFixedWidth(largeur);
    m_edits[ligne] = e;
    connect(e, &QLineEdit::textChanged, this, [this, ligne](const QString& t) {
        if (!m_rafraichit)
            m_page.carte().saisit(ligne, t);
    });
    if (estMontant(ligne))
        e->installEventFilter(this);
    return e;
}

QComboBox* OngletClients::deroulante(int ligne, const QStringList& entrees) {
    auto* c = new QComboBox(this);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(entrees);
    m_listes[ligne] = c;
    // A choice made with the mouse alone changes the card as typing does.
    connect(c, &QComboBox::currentTextChanged, this, [this, ligne](const QString& t) {
        if (!m_rafraichit)
            m_page.carte().saisit(ligne, t);
    });
    return c;
}

QCheckBox* OngletClients::coche(int ligne, const QString& libelle) {
    auto* c = new QCheckBox(libelle, this);
    m_coches[ligne] = c;
    connect(c, &QCheckBox::toggled, this, [this, ligne](bool oui) {
        if (!m_rafraichit)
            m_page.carte().setCoche(ligne, oui);
    });
    return c;
}

QLineEdit* OngletClients::champ(int ligne) const {
    const auto it = m_edits.find(ligne);
    return it == m_edits.end() ? nullptr : it->second;
}

QComboBox* OngletClients::liste(int ligne) const {
    const auto it = m_listes.find(ligne);
    return it == m_listes.end() ? nullptr : it->second;
}

void OngletClients::rafraichit() {
    m_rafraichit = true;
    const Carte& carte = m_page.carte();
    for (const auto& [ligne, e] : m_edits) {
        if (e->text() != carte.champ(ligne))
            e->setText(carte.champ(ligne));
    }
    for (const auto& [ligne, c] : m_listes)
        c->setCurrentText(carte.champ(ligne));
    for (const auto& [ligne, c] : m_coches)
        c->setChecked(carte.coche(ligne));
    const QString memo = carte.memo(0).join(u'\n');
    if (m_memo->toPlainText() != memo)
        m_memo->setPlainText(memo);
    for (int r = 0; r < Carte::kLignesGrille; ++r) {
        const LigneCompte& l = carte.ligneGrille(r);
        const QString cellules[] = {l.date, l.libelle, l.montant};
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* item = m_grille->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                m_grille->setItem(r, c, item);
            }
            item->setText(cellules[c]);
        }
    }
    m_date->setDate(carte.dateSaisie());
    m_rafraichit = false;
}

void OngletClients::montreCarte() {
    rafraichit();
    m_memo->moveCursor(QTextCursor::Start);
    champ(L::Nom)->setFocus();
}

void OngletClients::valideSaisie() {
    m_page.carte().valideSaisie();
    rafraichit();
}

bool OngletClients::filtreMontant(QLineEdit* e, int ligne, QEvent* evenement) {
    if (evenement->type() == QEvent::FocusOut) {
        if (ligne != L::SaisieMontant && m_page.carte().quitteMontant(ligne))
            rafraichit();
        return false;
    }
    if (evenement->type() != QEvent::KeyPress)
        return false;
    const QString texte = static_cast<QKeyEvent*>(evenement)->text();
    if (texte.size() != 1 || (texte[0] < u' ' && texte[0] != u'\b'))
        return false;
    const std::optional<QChar> accepte = m_page.carte().toucheMontant(texte[0]);
    if (!accepte)
        return true;
    if (*accepte != texte[0]) {
        e->insert(QString(*accepte));
        return true;
    }
    return false;
}

bool OngletClients::eventFilter(QObject* cible, QEvent* evenement) {
    if (cible == m_grille && evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_Delete) {
        if (m_grille->currentRow() >= 0) {
            m_page.carte().supprimeLigneGrille(m_grille->currentRow());
            rafraichit();
        }
        return true;
    }
    for (const auto& [ligne, e] : m_edits) {
        if (e == cible && estMontant(ligne))
            return filtreMontant(e, ligne, evenement);
    }
    return QWidget::eventFilter(cible, evenement);
}

} // namespace zel::ui
