#include "ui/ongletcarte.h"

#include "ui/touches.h"

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
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace zel::ui {

namespace {

constexpr int kLargeurs[] = {94, 178, 97};

} // namespace

OngletCarte::OngletCarte(PageCarte& page, QWidget* parent) : QWidget(parent), m_page(page) {}

void OngletCarte::remet(std::function<void()> affiche) {
    // Once the field has finished its own edit, which a change made inside it would undo.
    QTimer::singleShot(0, this, [this, affiche = std::move(affiche)] {
        const bool avant = m_rafraichit;
        m_rafraichit = true;
        affiche();
        m_rafraichit = avant;
    });
}

bool OngletCarte::estMontant(int ligne) const {
    const DispositionCarte& d = m_page.carte().disposition();
    return ligne == d.ligneSaisieMontant ||
           std::any_of(d.montants.begin(), d.montants.end(),
                       [ligne](const ChampMontant& c) { return c.ligne == ligne; });
}

QLineEdit* OngletCarte::edit(int ligne, int largeur) {
    auto* e = new QLineEdit(this);
    if (largeur > 0)
        e->setFixedWidth(largeur);
    m_edits[ligne] = e;
    connect(e, &QLineEdit::textChanged, this, [this, ligne, e](const QString& t) {
        // A refused text (a pasted line break, a beginning like a tag) leaves the field as it was.
        if (!m_rafraichit && !m_page.carte().saisit(ligne, t))
            remet([e, this, ligne] { e->setText(m_page.carte().champ(ligne)); });
    });
    if (estMontant(ligne) || m_page.carte().champNote(ligne))
        e->installEventFilter(this);
    return e;
}

QComboBox* OngletCarte::deroulante(int ligne, std::function<QStringList()> choix,
                                   bool saisissable) {
    auto* c = new QComboBox(this);
    c->setEditable(saisissable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(saisissable ? 12 : 2);
    c->addItems(choix());
    m_listes[ligne] = c;
    m_choix[ligne] = std::move(choix);
    // A choice made with the mouse alone changes the card as typing does.
    connect(c, &QComboBox::currentTextChanged, this, [this, ligne, c](const QString& t) {
        if (!m_rafraichit && !m_page.carte().saisit(ligne, t))
            remet([c, this, ligne] { c->setCurrentText(m_page.carte().champ(ligne)); });
    });
    return c;
}

QCheckBox* OngletCarte::coche(int ligne, const QString& libelle) {
    auto* c = new QCheckBox(libelle, this);
    m_coches[ligne] = c;
    connect(c, &QCheckBox::toggled, this, [this, ligne](bool oui) {
        if (!m_rafraichit)
            m_page.carte().setCoche(ligne, oui);
    });
    return c;
}

QHBoxLayout* OngletCarte::paire(QWidget* premier, const QString& libelle, QWidget* second) {
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(premier);
    ligne->addWidget(new QLabel(libelle, this));
    ligne->addWidget(second);
    ligne->addStretch();
    return ligne;
}

void OngletCarte::coordonnees(QFormLayout& forme, int nom) {
    const struct {
        const char16_t* libelle;
        int largeur;
    } lignes[] = {{u"Nom/Soc", 0},      {u"Adresse", 0}, {u"Adresse", 0},
                  {u"Code postal", 65}, {u"Ville", 0},   {u"Pays", 0},
                  {u"Téléphone", 137},  {u"Fax", 137},   {u"E.mail", 0}};
    for (int i = 0; i < int(std::size(lignes)); ++i)
        forme.addRow(QString::fromUtf16(lignes[i].libelle), edit(nom + i, lignes[i].largeur));
}

QWidget* OngletCarte::groupeBanque(int nom, const ListesChoix& listes) {
    auto* banque = new QGroupBox(QStringLiteral("Banque"), this);
    auto* forme = new QFormLayout(banque);
    forme->addRow(QStringLiteral("Nom"), deroulante(nom, [&listes] { return listes.banques; }));
    forme->addRow(QStringLiteral("Code banque"),
                  paire(edit(nom + 1, 65), QStringLiteral("Code guichet"), edit(nom + 2, 65)));
    forme->addRow(QStringLiteral("N° compte"),
                  paire(edit(nom + 3, 137), QStringLiteral("Rib"), edit(nom + 4, 49)));
    return banque;
}

QPlainTextEdit* OngletCarte::zoneMemo(int i, int hauteur) {
    auto* memo = new QPlainTextEdit(this);
    memo->setFixedHeight(hauteur);
    if (m_memos.size() <= std::size_t(i))
        m_memos.resize(std::size_t(i) + 1);
    m_memos[std::size_t(i)] = memo;
    connect(memo, &QPlainTextEdit::textChanged, this, [this, i, memo] {
        if (m_rafraichit)
            return;
        const QString texte = memo->toPlainText();
        m_page.carte().saisitMemo(i, texte.isEmpty() ? QStringList() : texte.split(u'\n'));
    });
    return memo;
}

QBoxLayout* OngletCarte::zoneCompte(const QStringList& titres, bool saisieAuDessus) {
    const DispositionCarte& d = m_page.carte().disposition();
    m_grille = new QTableWidget(Carte::kLignesGrille, 3, this);
    QStringList entetes = titres;
    entetes.resize(3);
    m_grille->setHorizontalHeaderLabels(entetes);
    for (int c = 0; c < 3; ++c)
        m_grille->setColumnWidth(c, kLargeurs[c]);
    m_grille->horizontalHeader()->setStretchLastSection(true);
    m_grille->horizontalHeaderItem(2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_grille->verticalHeader()->hide();
    m_grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grille->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grille->setMinimumWidth(kLargeurs[0] + kLargeurs[1] + kLargeurs[2] + 20);
    m_grille->installEventFilter(this);

    auto* saisie = new QHBoxLayout;
    m_date = new QDateEdit(this);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_date->setFixedWidth(kLargeurs[0]);
    saisie->addWidget(m_date);
    saisie->addWidget(edit(d.ligneSaisieLibelle, kLargeurs[1] - 5));
    saisie->addWidget(edit(d.ligneSaisieMontant, kLargeurs[2] - 4));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setFixedWidth(40);
    saisie->addWidget(m_ok);
    saisie->addStretch();
    connect(m_date, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (!m_rafraichit)
            m_page.carte().setDateSaisie(date);
    });
    connect(m_ok, &QPushButton::clicked, this, &OngletCarte::valideSaisie);
    connect(champ(d.ligneSaisieMontant), &QLineEdit::returnPressed, this,
            &OngletCarte::valideSaisie);

    auto* zone = new QVBoxLayout;
    if (saisieAuDessus)
        zone->addLayout(saisie);
    zone->addWidget(m_grille, 1);
    if (!saisieAuDessus)
        zone->addLayout(saisie);
    return zone;
}

void OngletCarte::ordonneTabulation() {
    const int saisie = m_page.carte().disposition().ligneSaisieLibelle;
    QList<QWidget*> ordre;
    // The fields kept as memo lines come after the fixed ones.
    std::vector<int> lignes;
    for (int l = 1; l < saisie; ++l)
        lignes.push_back(l);
    for (const ChampNote& c : m_page.carte().disposition().champsNotes)
        lignes.push_back(c.ligne);
    for (int l : lignes) {
        if (auto e = m_edits.find(l); e != m_edits.end())
            ordre.append(e->second);
        else if (auto c = m_coches.find(l); c != m_coches.end())
            ordre.append(c->second);
        else if (auto d = m_listes.find(l); d != m_listes.end())
            ordre.append(d->second);
    }
    for (QPlainTextEdit* memo : m_memos)
        ordre.append(memo);
    ordre << m_grille << m_date << champ(saisie)
          << champ(m_page.carte().disposition().ligneSaisieMontant) << m_ok;
    for (int i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

QLineEdit* OngletCarte::champ(int ligne) const {
    const auto it = m_edits.find(ligne);
    return it == m_edits.end() ? nullptr : it->second;
}

QComboBox* OngletCarte::liste(int ligne) const {
    const auto it = m_listes.find(ligne);
    return it == m_listes.end() ? nullptr : it->second;
}

QCheckBox* OngletCarte::caseACocher(int ligne) const {
    const auto it = m_coches.find(ligne);
    return it == m_coches.end() ? nullptr : it->second;
}

void OngletCarte::rafraichit() {
    m_rafraichit = true;
    const Carte& carte = m_page.carte();
    for (const auto& [ligne, e] : m_edits) {
        if (e->text() != carte.champ(ligne))
            e->setText(carte.champ(ligne));
    }
    for (const auto& [ligne, c] : m_listes) {
        const QStringList choix = m_choix.at(ligne)();
        QStringList presents;
        for (int i = 0; i < c->count(); ++i)
            presents.append(c->itemText(i));
        if (presents != choix) {
            c->clear();
            c->addItems(choix);
        }
        if (c->isEditable())
            c->setCurrentText(carte.champ(ligne));
        else
            c->setCurrentIndex(c->findText(carte.champ(ligne)));
    }
    for (const auto& [ligne, c] : m_coches)
        c->setChecked(carte.coche(ligne));
    for (std::size_t i = 0; i < m_memos.size(); ++i) {
        const QString texte = carte.memo(int(i)).join(u'\n');
        if (m_memos[i]->toPlainText() != texte)
            m_memos[i]->setPlainText(texte);
    }
    for (int r = 0; r < Carte::kLignesGrille; ++r) {
        const LigneCompte& l = carte.ligneGrille(r);
        const QString cellules[] = {l.date, l.libelle, l.montant};
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* item = m_grille->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                if (c == 2)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_grille->setItem(r, c, item);
            }
            item->setText(cellules[c]);
        }
    }
    m_date->setDate(carte.dateSaisie());
    rafraichitPlus();
    m_rafraichit = false;
}

void OngletCarte::montreCarte() {
    rafraichit();
    for (QPlainTextEdit* memo : m_memos)
        memo->moveCursor(QTextCursor::Start);
    if (m_principal)
        m_principal->setFocus();
}

void OngletCarte::valideSaisie() {
    m_page.carte().valideSaisie();
    rafraichit();
}

bool OngletCarte::quitteMontant(int ligne) {
    return m_page.carte().quitteMontant(ligne);
}

bool OngletCarte::filtreMontant(QLineEdit* e, int ligne, QEvent* evenement) {
    if (evenement->type() == QEvent::FocusOut) {
        if (ligne != m_page.carte().disposition().ligneSaisieMontant && quitteMontant(ligne))
            rafraichit();
        return false;
    }
    return filtreTouche(e, evenement, [this](QChar c) { return m_page.carte().toucheMontant(c); });
}

bool OngletCarte::eventFilter(QObject* cible, QEvent* evenement) {
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
        // Leaving a field kept as a memo line: its text is checked and shown as kept.
        if (e == cible && evenement->type() == QEvent::FocusOut &&
            m_page.carte().quitteChampNote(ligne))
            rafraichit();
    }
    return QWidget::eventFilter(cible, evenement);
}

} // namespace zel::ui
