#include "ui/tcombo.h"
#include "ui/taide.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zel::ui {

TCombo::TCombo(QWidget* parent)
    : QDialog(parent), m_liste(new QListWidget(this)), m_saisie(new QLineEdit(this)),
      m_etiquette(new QLabel(this)) {
    metSujet(this, Sujet::Parametres);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(m_liste);
    disposition->addWidget(m_etiquette);
    disposition->addWidget(m_saisie);
    auto* boutons = new QHBoxLayout;
    auto* valider = new QPushButton(QStringLiteral("Valider"), this);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    valider->setAutoDefault(false);
    fermer->setAutoDefault(false);
    boutons->addStretch();
    boutons->addWidget(valider);
    boutons->addWidget(fermer);
    disposition->addLayout(boutons);

    // An item chosen with the mouse or moved to with the keys is the one Delete removes.
    const auto choisit = [this](int ligne) {
        m_editeur.clique(ligne);
        m_saisie->setText(m_editeur.saisie());
    };
    connect(m_liste, &QListWidget::itemClicked, this,
            [this, choisit](QListWidgetItem* element) { choisit(m_liste->row(element)); });
    connect(m_liste, &QListWidget::itemSelectionChanged, this, [this, choisit] {
        const QList<QListWidgetItem*> choisis = m_liste->selectedItems();
        if (!choisis.isEmpty())
            choisit(m_liste->row(choisis.first()));
    });
    connect(m_saisie, &QLineEdit::textEdited, this,
            [this](const QString& texte) { m_editeur.setSaisie(texte); });
    const auto valide = [this] {
        m_editeur.valide();
        redessine();
    };
    connect(m_saisie, &QLineEdit::returnPressed, this, valide);
    connect(valider, &QPushButton::clicked, this, valide);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    m_liste->installEventFilter(this);
    // What is typed as the dialog opens goes into the field.
    m_saisie->setFocus();
}

void TCombo::Init(const QString& titre, const QString& etiquette, const QStringList& elements) {
    setWindowTitle(titre);
    m_etiquette->setText(etiquette);
    m_editeur = EditeurListe(elements);
    redessine();
}

void TCombo::redessine() {
    const QSignalBlocker muet(m_liste);
    m_liste->clear();
    m_liste->addItems(m_editeur.elements());
    m_liste->setCurrentRow(m_editeur.selection());
    m_saisie->setText(m_editeur.saisie());
}

bool TCombo::eventFilter(QObject* cible, QEvent* evenement) {
    if (cible == m_liste && evenement->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_Delete) {
        m_editeur.supprime();
        redessine();
        return true;
    }
    return QDialog::eventFilter(cible, evenement);
}

} // namespace zel::ui
