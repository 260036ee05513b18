#include "ui/ongletdocument.h"

#include "ui/touches.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <QWidgetAction>

#include <algorithm>
#include <functional>
#include <type_traits>

namespace zel::ui {

namespace {

namespace C = colonne;

// The number field holds nine digits; the margins are the frame's and the text's own.
constexpr int kLargeurNumero = 90;
constexpr int kMargesNumero = 16;

bool estEntree(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

// The cell editors of the line grid: a typed character goes through the grid's key rule, Enter
// hands the editor's text to the model before the page decides where the typing goes on, so
// that the value typed last is counted, and a click in an open "Désignation" editor the user has
// not typed in does what a click in that cell does.
class DelegueLignes : public QStyledItemDelegate {
public:
    DelegueLignes(std::function<void()> entree, std::function<void()> clicDesignation,
                  QObject* parent)
        : QStyledItemDelegate(parent), m_entree(std::move(entree)),
          m_clicDesignation(std::move(clicDesignation)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editeur = QStyledItemDelegate::createEditor(parent, option, index);
        editeur->setProperty(kColonne, index.column());
        m_ouvert = editeur;
        return editeur;
    }

    // The open editor's text goes to the model and the editor closes, as when its cell is left.
    void termine() {
        if (QWidget* editeur = m_ouvert; editeur && editeur->isVisible()) {
            Q_EMIT commitData(editeur);
            Q_EMIT closeEditor(editeur, QAbstractItemDelegate::NoHint);
        }
    }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        auto* editeur = qobject_cast<QLineEdit*>(objet);
        if (!editeur)
            return QStyledItemDelegate::eventFilter(objet, evenement);
        const int colonne = editeur->property(kColonne).toInt();
        if (evenement->type() == QEvent::KeyPress) {
            if (estEntree(static_cast<QKeyEvent*>(evenement))) {
                Q_EMIT commitData(editeur);
                Q_EMIT closeEditor(editeur, QAbstractItemDelegate::NoHint);
                m_entree();
                return true;
            }
            if (filtreTouche(editeur, evenement, [colonne](QChar c) {
                    return std::optional(PageDocument::caractereGrille(c, colonne));
                }))
                return true;
        }
        if (evenement->type() == QEvent::MouseButtonPress && colonne == C::Designation &&
            !editeur->isModified()) {
            // Nothing typed there is lost: the editor shows what the cell holds.
            Q_EMIT closeEditor(editeur, QAbstractItemDelegate::NoHint);
            m_clicDesignation();
            return true;
        }
        return QStyledItemDelegate::eventFilter(objet, evenement);
    }

private:
    static constexpr const char* kColonne = "colonne";
    std::function<void()> m_entree;
    std::function<void()> m_clicDesignation;
    mutable QPointer<QWidget> m_ouvert;
};

namespace {

// A field that lets through what the page's rule takes, typed or pasted.
class Valide : public QValidator {
public:
    Valide(bool (*regle)(QStringView), QObject* parent) : QValidator(parent), m_regle(regle) {}
    State validate(QString& texte, int&) const override {
        return m_regle(texte) ? Acceptable : Invalid;
    }

private:
    bool (*m_regle)(QStringView);
};

} // namespace

LibellesOnglet LibellesOnglet::factures() {
    return {QStringLiteral("N° de facture"),
            QStringLiteral("Code client"),
            QStringLiteral("Facture H.T."),
            QStringLiteral("Facture TTC"),
            QStringLiteral("Coordonnées du client"),
            QStringLiteral("Facture validée"),
            QStringLiteral("Facture non validée"),
            true,
            false};
}

LibellesOnglet LibellesOnglet::commandes() {
    return {QStringLiteral("N° de commande"),
            QStringLiteral("Code fournisseur"),
            QStringLiteral("Commande H.T."),
            QStringLiteral("Commande TTC"),
            QStringLiteral("Coordonnées du fournisseur"),
            QStringLiteral("Cmde validée"),
            QStringLiteral("Cmde non validée"),
            false,
            true};
}

OngletDocument::OngletDocument(PageDocument& page, const LibellesOnglet& libelles, QWidget* parent)
    : QWidget(parent), m_page(page), m_libelles(libelles), m_numero(new QLineEdit(this)),
      m_date(new QLineEdit(this)), m_code(new QLineEdit(this)), m_conditions(new QComboBox(this)),
      m_genre(new QComboBox(this)), m_ht(new QRadioButton(libelles.ht, this)),
      m_ttc(new QRadioButton(libelles.ttc, this)), m_grille(new QTableView(this)),
      m_notes(new QPlainTextEdit(this)), m_statut(new QLabel(this)),
      m_valider(new QPushButton(QStringLiteral("Valider"), this)) {
    const auto change = [this](auto&& affecte) {
        return [this, affecte](const auto& valeur) {
            if (m_rafraichit)
                return;
            // A refused text (a pasted line break, a beginning like a tag) is not taken, and the
            // page shows the document as it is.
            if constexpr (std::is_same_v<std::decay_t<decltype(valeur)>, QString>) {
                if (!m_page.accepte(valeur)) {
                    rafraichit();
                    return;
                }
            }
            affecte(m_page.document(), valeur);
            m_page.marque();
        };
    };

    m_numero->setFixedWidth(kLargeurNumero);
    m_date->setMaxLength(10);
    m_date->setFixedWidth(90);
    m_date->setValidator(new Valide(&PageDocument::dateAcceptable, m_date));
    m_code->setMaxLength(5);
    m_code->setFixedWidth(60);
    // A supplier code takes digits only, typed or pasted.
    if (libelles.codeChiffres)
        m_code->setValidator(new Valide(&PageDocument::codeChiffresAcceptable, m_code));
    for (QComboBox* c : {m_conditions, m_genre}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    m_conditions->setMinimumContentsLength(16);
    m_genre->addItems(page.disposition().genres);
    m_genre->setVisible(libelles.genres);
    // Nine positions, each a digit, a sign or a blank; a longer number read is shown whole but
    // cannot be typed into, only replaced.
    m_numero->setValidator(new Valide(&PageDocument::numeroAcceptable, m_numero));
    // A number refused (longer than nine positions) goes back to the document's.
    connect(m_numero, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!m_rafraichit && !m_page.saisitNumero(t))
            m_numero->setText(m_page.document().numero);
    });
    connect(m_date, &QLineEdit::editingFinished, this, [this] { saisitDate(m_date->text()); });
    // The calendar under its button picks a day as if it were typed.
    auto* calendrier = new QToolButton(this);
    calendrier->setText(QStringLiteral("..."));
    calendrier->setToolTip(QStringLiteral("Calendrier"));
    calendrier->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(calendrier);
    auto* mois = new QCalendarWidget(menu);
    auto* action = new QWidgetAction(menu);
    action->setDefaultWidget(mois);
    menu->addAction(action);
    calendrier->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this,
            [this, mois] { mois->setSelectedDate(m_page.document().date); });
    connect(mois, &QCalendarWidget::clicked, this, [this, menu](QDate jour) {
        menu->close();
        saisitDate(jour.toString(QStringLiteral("dd/MM/yyyy")));
    });
    connect(m_code, &QLineEdit::textChanged, this,
            change([](Document& f, const QString& t) { f.tiers = t; }));
    connect(m_conditions, &QComboBox::currentTextChanged, this,
            change([](Document& f, const QString& t) { f.conditions = t; }));
    connect(m_genre, &QComboBox::currentTextChanged, this,
            change([](Document& f, const QString& t) { f.genre = t; }));
    connect(m_ttc, &QRadioButton::toggled, this,
            change([](Document& f, bool oui) { f.ttc = oui; }));
    // The amount column's title follows the price mode.
    connect(m_ttc, &QRadioButton::toggled, &m_page.modele(), &ModeleLignes::rafraichi);

    auto* choixTiers = new QPushButton(QStringLiteral("..."), this);
    choixTiers->setFixedWidth(28);
    connect(choixTiers, &QPushButton::clicked, this, [this] {
        m_page.choisitTiers();
        rafraichit();
    });
    auto* entete = new QGridLayout;
    entete->addWidget(new QLabel(libelles.numero, this), 0, 0);
    entete->addWidget(new QLabel(QStringLiteral("Date"), this), 0, 1);
    entete->addWidget(new QLabel(libelles.code, this), 0, 2);
    entete->addWidget(new QLabel(QStringLiteral("Conditions de réglement"), this), 0, 4);
    entete->addWidget(m_numero, 1, 0);
    auto* date = new QHBoxLayout;
    date->setSpacing(0);
    date->addWidget(m_date);
    date->addWidget(calendrier);
    entete->addLayout(date, 1, 1);
    entete->addWidget(m_code, 1, 2);
    entete->addWidget(choixTiers, 1, 3);
    entete->addWidget(m_conditions, 1, 4);
    entete->addWidget(m_genre, 1, 5);
    auto* modes = new QHBoxLayout;
    modes->addWidget(m_ht);
    modes->addWidget(m_ttc);
    entete->addLayout(modes, 2, 0, 1, 3);
    entete->addWidget(m_statut, 2, 4);
    entete->setColumnStretch(6, 1);

    auto* coordonnees = new QGroupBox(libelles.coordonnees, this);
    auto* lignesAdresse = new QVBoxLayout(coordonnees);
    for (std::size_t i = 0; i < m_adresse.size(); ++i) {
        m_adresse[i] = new QLineEdit(this);
        lignesAdresse->addWidget(m_adresse[i]);
        connect(m_adresse[i], &QLineEdit::textChanged, this,
                change([i](Document& f, const QString& t) { f.adresse[i] = t; }));
    }
    auto* boutons = new QVBoxLayout;
    auto* creer = new QPushButton(QStringLiteral("Créer"), this);
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"), this);
    for (QPushButton* b : {creer, m_valider, imprimer})
        boutons->addWidget(b);
    boutons->addStretch();
    connect(creer, &QPushButton::clicked, this, [this] {
        m_page.Creer();
        montreDocument();
    });
    connect(m_valider, &QPushButton::clicked, this, [this] {
        m_page.Valider();
        rafraichit();
    });
    connect(imprimer, &QPushButton::clicked, this, &OngletDocument::imprime);
    auto* haut = new QHBoxLayout;
    haut->addWidget(coordonnees, 1);
    haut->addLayout(boutons);

    m_grille->setModel(&m_page.modele());
    m_grille->verticalHeader()->hide();
    m_grille->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grille->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    m_delegue = new DelegueLignes(
        [this] { entree(); }, [this] { cliqueDesignation(m_grille->currentIndex()); }, m_grille);
    m_grille->setItemDelegate(m_delegue);
    m_grille->installEventFilter(this);
    connect(&m_page.modele(), &QAbstractItemModel::dataChanged, this,
            &OngletDocument::rafraichitTotaux);
    connect(m_grille, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == C::Designation)
            cliqueDesignation(index);
    });
    // A "Réf" left for another cell, or for a field or a button outside the grid, is looked up.
    connect(m_grille->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex&, const QModelIndex& precedent) {
                if (precedent.isValid() && precedent.column() == C::Ref)
                    montreAvis(m_page.quitteReference(precedent.row() + 1).avis);
            });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* avant, QWidget* apres) {
        const auto dansGrille = [this](QWidget* w) {
            return w == m_grille || m_grille->isAncestorOf(w);
        };
        if (avant && apres && dansGrille(avant) && !dansGrille(apres))
            quitteReferenceCourante();
    });

    m_notes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_notes->setFixedHeight(70);
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] {
        if (m_rafraichit)
            return;
        m_page.saisitNotes(m_notes->toPlainText());
    });

    auto* totaux = new QGridLayout;
    const QString titres[] = {QStringLiteral("Total H.T."), QStringLiteral("Total TVA"),
                              QStringLiteral("TOTAL TTC")};
    for (int i = 0; i < 3; ++i)
        totaux->addWidget(new QLabel(titres[i], this), 0, i);
    for (std::size_t i = 0; i < m_totaux.size(); ++i) {
        m_totaux[i] = new QLabel(this);
        m_totaux[i]->setMinimumWidth(90);
    }
    totaux->addWidget(m_totaux[0], 1, 0);
    totaux->addWidget(m_totaux[1], 1, 1);
    for (std::size_t i = 0; i < 2; ++i) {
        totaux->addWidget(m_totaux[2 + 2 * i], 1 + int(i), 2);
        totaux->addWidget(m_totaux[3 + 2 * i], 1 + int(i), 3);
    }
    for (int i : {0, 1, 2, 4})
        m_totaux[std::size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* bas = new QHBoxLayout;
    bas->addWidget(m_notes, 1);
    bas->addLayout(totaux);

    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(entete);
    disposition->addLayout(haut);
    disposition->addWidget(m_grille, 1);
    disposition->addLayout(bas);
    rafraichit();
}

QStringList OngletDocument::totauxAffiches() const {
    return {m_totaux[0]->text(), m_totaux[1]->text(), m_totaux[2]->text(), m_totaux[4]->text()};
}

void OngletDocument::rafraichitTotaux() {
    const Totaux& t = m_page.totaux();
    const QString textes[] = {t.ht, t.tva, t.ttc, t.legende, t.converti, t.legendeConvertie};
    for (std::size_t i = 0; i < m_totaux.size(); ++i)
        m_totaux[i]->setText(textes[i]);
}

void OngletDocument::saisitDate(const QString& texte) {
    if (m_rafraichit || texte == m_page.document().date.toString(QStringLiteral("dd/MM/yyyy")))
        return;
    m_page.saisitDate(texte);
    m_rafraichit = true;
    m_date->setText(m_page.document().date.toString(QStringLiteral("dd/MM/yyyy")));
    m_rafraichit = false;
}

void OngletDocument::rafraichit() {
    m_rafraichit = true;
    const Document& d = m_page.document();
    m_numero->setText(d.numero);
    // A number read longer than its nine positions is shown whole.
    m_numero->setFixedWidth(std::max(
        kLargeurNumero, m_numero->fontMetrics().horizontalAdvance(d.numero) + kMargesNumero));
    m_date->setText(d.date.toString(QStringLiteral("dd/MM/yyyy")));
    m_code->setText(d.tiers);
    QStringList conditions;
    for (int i = 0; i < m_conditions->count(); ++i)
        conditions.append(m_conditions->itemText(i));
    if (conditions != m_page.conditions()) {
        m_conditions->clear();
        m_conditions->addItems(m_page.conditions());
    }
    m_conditions->setCurrentText(d.conditions);
    m_genre->setCurrentText(d.genre);
    (d.ttc ? m_ttc : m_ht)->setChecked(true);
    for (std::size_t i = 0; i < m_adresse.size(); ++i)
        m_adresse[i]->setText(d.adresse[i]);
    const QString notes = d.notes.join(u'\n');
    if (m_notes->toPlainText() != notes)
        m_notes->setPlainText(notes);
    rafraichitTotaux();
    m_statut->setText(d.valide ? m_libelles.valide : m_libelles.nonValide);
    // A validated document's lines are frozen.
    m_grille->setEnabled(!d.valide);
    m_valider->setEnabled(!d.valide);
    m_rafraichit = false;
}

void OngletDocument::montreDocument() {
    rafraichit();
    m_code->setFocus();
}

void OngletDocument::montreAvis(const QString& texte) {
    if (!texte.isEmpty())
        Q_EMIT avis(texte);
}

void OngletDocument::entree() {
    const QModelIndex courant = m_grille->currentIndex();
    if (!courant.isValid())
        return;
    const PageDocument::Suite suite = m_page.entree(courant.row() + 1, courant.column());
    montreAvis(suite.avis);
    m_grille->setCurrentIndex(m_page.modele().index(suite.rangee - 1, suite.colonne));
}

void OngletDocument::cliqueDesignation(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const PageDocument::Recherche r = m_page.remplitDepuisArticle(index.row() + 1);
    montreAvis(r.avis);
    if (r.remplie)
        m_grille->setCurrentIndex(index.siblingAtColumn(C::Quantite));
}

void OngletDocument::quitteReferenceCourante() {
    const QModelIndex courant = m_grille->currentIndex();
    if (courant.isValid() && courant.column() == C::Ref)
        montreAvis(m_page.quitteReference(courant.row() + 1).avis);
}

void OngletDocument::termineSaisie() {
    m_delegue->termine();
    quitteReferenceCourante();
}

void OngletDocument::supprimeLigneCourante() {
    if (!m_grilleActive || !m_grille->currentIndex().isValid())
        return;
    m_page.SupLigne(m_grille->currentIndex().row() + 1);
}

bool OngletDocument::eventFilter(QObject* cible, QEvent* evenement) {
    const QEvent::Type type = evenement->type();

    if (cible == m_grille && (type == QEvent::FocusIn || type == QEvent::FocusOut)) {
        // Opening a menu keeps the grid current, so that "Supprimer ligne" finds its line.
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (type == QEvent::FocusIn ||
            (raison != Qt::PopupFocusReason && raison != Qt::MenuBarFocusReason)) {
            m_grilleActive = type == QEvent::FocusIn;
            Q_EMIT grilleActiveChangee(m_grilleActive);
        }
    }
    if (cible == m_grille && type == QEvent::KeyPress &&
        estEntree(static_cast<QKeyEvent*>(evenement))) {
        entree();
        return true;
    }
    return QWidget::eventFilter(cible, evenement);
}

void OngletDocument::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    const int largeurs[] = {80, std::max(120, width() - 528), 100, 120, 40, 120, 20};
    for (int c = 0; c < 7; ++c)
        m_grille->setColumnWidth(c, largeurs[c]);
}

} // namespace zel::ui
