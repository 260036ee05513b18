#include "ui/dialogueslistes.h"
#include "ui/taide.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zel::ui {

QDialogButtonBox* boutonsAnnulerOk(QDialog* dialogue) {
    auto* boutons = new QDialogButtonBox(dialogue);
    boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(boutons, &QDialogButtonBox::accepted, dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, dialogue, &QDialog::reject);
    return boutons;
}

TSaisie::TSaisie(Saisie sorte, const QString& initial, QWidget* parent)
    : QDialog(parent), m_champ(new QLineEdit(initial, this)) {
    const DefinitionSaisie d = definition(sorte);
    setWindowTitle(d.titre);
    auto* libelle = new QLabel(d.libelle, this);
    libelle->setBuddy(m_champ);
    if (d.chiffresSeulement) {
        // Typed or pasted, only digits reach the field.
        m_champ->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_champ));
    }
    if (sorte == Saisie::CodePostal)
        m_champ->setFixedWidth(61);
    auto* disposition = new QVBoxLayout(this);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(libelle);
    ligne->addWidget(m_champ, 1);
    disposition->addLayout(ligne);
    disposition->addWidget(boutonsAnnulerOk(this));
    connect(m_champ, &QLineEdit::returnPressed, this, &QDialog::accept);
    m_champ->setFocus();
}

QString TSaisie::texte() const {
    return m_champ->text();
}

int TFListe::nombreDeRangees(int lignes) {
    int rangees = 20;
    while (rangees < lignes)
        rangees += 10;
    return rangees;
}

TFListe::TFListe(const TableListe& table, QWidget* parent)
    : QDialog(parent), m_grille(new QTableWidget(this)),
      m_lignesRemplies(int(table.lignes.size())) {
    setWindowTitle(table.titre);
    m_grille->setColumnCount(int(table.colonnes.size()));
    m_grille->setRowCount(nombreDeRangees(m_lignesRemplies));
    QStringList titres;
    for (const Colonne& c : table.colonnes)
        titres.append(c.titre);
    m_grille->setHorizontalHeaderLabels(titres);
    m_grille->verticalHeader()->hide();
    // Long texts are cut at the column's edge rather than wrapped over two lines.
    m_grille->setWordWrap(false);
    int largeurColonnes = 0;
    for (int c = 0; c < int(table.colonnes.size()); ++c) {
        if (table.colonnes[c].largeur == 0)
            m_grille->setColumnHidden(c, true);
        else if (table.colonnes[c].largeur > 0)
            m_grille->setColumnWidth(c, table.colonnes[c].largeur);
        largeurColonnes += std::max(table.colonnes[c].largeur, 0);
    }
    for (int r = 0; r < m_lignesRemplies; ++r) {
        const QStringList& cellules = table.lignes[r];
        for (int c = 0; c < int(cellules.size()); ++c)
            m_grille->setItem(r, c, new QTableWidgetItem(cellules[c]));
    }
    m_grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grille->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grille->installEventFilter(this);
    connect(m_grille, &QTableWidget::cellDoubleClicked, this,
            [this](int rangee, int) { choisit(rangee); });

    auto* boutons = new QDialogButtonBox(this);
    connect(boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(m_grille);
    disposition->addWidget(boutons);
    // Wide enough for every column beside the scroll bar and the margins.
    resize(std::max(400, largeurColonnes + 60), 480);
    if (m_lignesRemplies > 0)
        m_grille->setCurrentCell(0, 1);
    m_grille->setFocus();
}

void TFListe::choisit(int rangee) {
    // An empty row chooses nothing.
    if (rangee >= 0 && rangee < m_lignesRemplies)
        m_choix = rangee;
    else
        m_choix.reset();
    if (m_choix)
        accept();
}

bool TFListe::eventFilter(QObject* cible, QEvent* evenement) {
    if (cible == m_grille && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            choisit(m_grille->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(cible, evenement);
}

TListeChoix::TListeChoix(const QString& titre, const QStringList& entrees, QWidget* parent)
    : QDialog(parent), m_liste(new QListWidget(this)) {
    setWindowTitle(titre);
    m_liste->addItems(entrees);
    if (!entrees.isEmpty())
        m_liste->setCurrentRow(0);
    connect(m_liste, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(m_liste);
    disposition->addWidget(boutonsAnnulerOk(this));
    resize(320, 400);
    m_liste->setFocus();
}

TListeDocuments::TListeDocuments(const QString& titre, const QStringList& entrees, QWidget* parent)
    : QDialog(parent), m_liste(new QListWidget(this)) {
    setWindowTitle(titre);
    for (int i = 0; i < entrees.size(); ++i) {
        auto* item = new QListWidgetItem(entrees[i], m_liste);
        item->setData(Qt::UserRole, i);
    }
    if (!entrees.isEmpty())
        m_liste->setCurrentRow(0);
    auto* barre = new QHBoxLayout;
    for (const auto& [fleche, sens] : {std::pair{Qt::UpArrow, -1}, std::pair{Qt::DownArrow, 1}}) {
        auto* bouton = new QToolButton(this);
        bouton->setArrowType(fleche);
        connect(bouton, &QToolButton::clicked, this, [this, sens] { deplace(sens); });
        barre->addWidget(bouton);
    }
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    barre->addWidget(fermer);
    barre->addStretch();
    connect(m_liste, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(barre);
    disposition->addWidget(m_liste);
    setFixedSize(520, 420);
    m_liste->setFocus();
}

void TListeDocuments::deplace(int sens) {
    const int r = m_liste->currentRow();
    const int vers = r + sens;
    if (r < 0 || vers < 0 || vers >= m_liste->count())
        return;
    QListWidgetItem* item = m_liste->takeItem(r);
    m_liste->insertItem(vers, item);
    m_liste->setCurrentRow(vers);
}

void TListeDocuments::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Escape) {
        m_sansChoix = true;
        reject();
        return;
    }
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

std::optional<int> TListeDocuments::entreeChoisie() const {
    const QListWidgetItem* item = m_liste->currentItem();
    if (m_sansChoix || !item)
        return std::nullopt;
    return item->data(Qt::UserRole).toInt();
}

std::optional<int> TListeChoix::entreeChoisie() const {
    const int r = m_liste->currentRow();
    if (r < 0)
        return std::nullopt;
    return r;
}

TPlage::TPlage(int compte, QWidget* parent)
    : QDialog(parent), m_de(new QSpinBox(this)), m_a(new QSpinBox(this)) {
    setWindowTitle(QStringLiteral("Impression"));
    metSujet(this, Sujet::Imprimer);
    const int dernier = std::max(compte, 1);
    for (QSpinBox* s : {m_de, m_a})
        s->setRange(1, dernier);
    m_de->setValue(1);
    m_a->setValue(dernier);
    // The two ends stay in order whichever the user changes.
    connect(m_de, &QSpinBox::valueChanged, m_a, [this](int v) {
        if (m_a->value() < v)
            m_a->setValue(v);
    });
    connect(m_a, &QSpinBox::valueChanged, m_de, [this](int v) {
        if (m_de->value() > v)
            m_de->setValue(v);
    });
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(new QLabel(QStringLiteral("Fiches de"), this));
    ligne->addWidget(m_de);
    ligne->addWidget(new QLabel(QStringLiteral("à"), this));
    ligne->addWidget(m_a);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(
        new QLabel(QStringLiteral("Imprimer les fiches (sur %1)").arg(compte), this));
    disposition->addLayout(ligne);
    disposition->addWidget(boutonsAnnulerOk(this));
    m_de->setFocus();
}

std::pair<int, int> TPlage::plage() const {
    return {m_de->value(), m_a->value()};
}

} // namespace zel::ui
