#include "ui/tools/tfichemsg.h"
#include "ui/taide.h"

#include "records/dialogues.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using zel::outils::BlocMessages;
using zel::outils::Message;

TFicheMsg::TFicheMsg(QWidget* parent, zel::Dialogues& dialogues, const QString& nomClients,
                     bool lectureSeule)
    : QDialog(parent), m_dialogues(dialogues), m_nomClients(nomClients),
      m_numero(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Messages"));
    zel::ui::metSujet(this, zel::Sujet::Lettres);
    auto* formulaire = new QFormLayout;
    const QString libelles[] = {QStringLiteral("Pour"),    QStringLiteral("De"),
                                QStringLiteral("Société"), QStringLiteral("N° tél."),
                                QStringLiteral("Date"),    QStringLiteral("Heure"),
                                QStringLiteral("Objet")};
    for (int i = 0; i < Message::kChamps; ++i) {
        auto* champ = new QLineEdit(this);
        m_champs[std::size_t(i)] = champ;
        formulaire->addRow(libelles[i], champ);
        connect(champ, &QLineEdit::textChanged, this, [this, i](const QString& texte) {
            if (m_lecture)
                return;
            m_bloc.setChamp(Message::Champ(i), texte);
            // A TAB or a line break pasted shows as the blank it is stored as.
            if (texte != m_bloc.affiche().champs[std::size_t(i)])
                LitFiche();
        });
    }
    // Leaving "Date" or "Heure" fills it when empty, changed or not.
    m_champs[Message::Date]->installEventFilter(this);
    m_champs[Message::Heure]->installEventFilter(this);
    auto* cases = new QHBoxLayout;
    const QString drapeaux[] = {QStringLiteral("A téléphoné"), QStringLiteral("Est venu"),
                                QStringLiteral("A rappeler"), QStringLiteral("Rappellera"),
                                QStringLiteral("URGENT")};
    for (int i = 0; i < Message::kDrapeaux; ++i) {
        auto* c = new QCheckBox(drapeaux[i], this);
        m_drapeaux[std::size_t(i)] = c;
        cases->addWidget(c);
        connect(c, &QCheckBox::toggled, this, [this, i](bool oui) {
            if (!m_lecture)
                m_bloc.setDrapeau(i, oui);
        });
    }
    auto* boutons = new QHBoxLayout;
    m_numero->setFrameShape(QFrame::Panel);
    m_numero->setFrameShadow(QFrame::Sunken);
    m_numero->setMinimumWidth(40);
    m_numero->setAlignment(Qt::AlignCenter);
    boutons->addWidget(m_numero);
    const auto ajoute = [&](const QString& texte, auto action) {
        auto* b = new QPushButton(texte, this);
        b->setAutoDefault(false);
        boutons->addWidget(b);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    ajoute(QStringLiteral("<"), [this] { agit(&BlocMessages::precedent); });
    ajoute(QStringLiteral(">"), [this] { agit(&BlocMessages::suivant); });
    ajoute(QStringLiteral("+"), [this] { agit(&BlocMessages::ajoute); });
    ajoute(QStringLiteral("-"), [this] { agit(&BlocMessages::supprime); });
    boutons->addStretch();
    ajoute(QStringLiteral("Fermer"), [this] { accept(); });

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addLayout(cases);
    colonne->addLayout(boutons);

    m_bloc.setLectureSeule(lectureSeule);
    if (const zel::Resultat r = m_bloc.Charge(m_nomClients); !r)
        m_dialogues.message(r.message() + QStringLiteral("\nLes messages sont en lecture seule."));
    if (!m_bloc.avis().isEmpty())
        m_dialogues.message(m_bloc.avis());
    if (lectureSeule)
        m_dialogues.message(QStringLiteral("Le jeu de documents est ouvert dans un autre programme "
                                           "Zel Vente : ses messages sont en lecture seule."));
    if (m_bloc.lectureSeule())
        enLectureSeule();
    LitFiche();
}

void TFicheMsg::enLectureSeule() {
    setWindowTitle(QStringLiteral("Messages (lecture seule)"));
    for (QLineEdit* champ : m_champs)
        champ->setReadOnly(true);
    for (QCheckBox* c : m_drapeaux)
        c->setEnabled(false);
    bouton(QStringLiteral("+"))->setEnabled(false);
    bouton(QStringLiteral("-"))->setEnabled(false);
}

QPushButton* TFicheMsg::bouton(const QString& texte) const {
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == texte)
            return b;
    }
    return nullptr;
}

void TFicheMsg::LitFiche() {
    m_lecture = true;
    const Message& m = m_bloc.affiche();
    m_numero->setText(QString::number(m_bloc.indice() + 1));
    for (int i = 0; i < Message::kChamps; ++i) {
        if (m_champs[std::size_t(i)]->text() != m.champs[std::size_t(i)])
            m_champs[std::size_t(i)]->setText(m.champs[std::size_t(i)]);
    }
    for (int i = 0; i < Message::kDrapeaux; ++i)
        m_drapeaux[std::size_t(i)]->setChecked(m.drapeaux[std::size_t(i)]);
    m_lecture = false;
}

void TFicheMsg::agit(void (BlocMessages::*operation)()) {
    (m_bloc.*operation)();
    LitFiche();
}

bool TFicheMsg::eventFilter(QObject* cible, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        if (cible == m_champs[Message::Date])
            m_bloc.completeDate(QDateTime::currentDateTime());
        else
            m_bloc.completeHeure(QDateTime::currentDateTime());
        LitFiche();
    }
    return QDialog::eventFilter(cible, e);
}

void TFicheMsg::keyPressEvent(QKeyEvent* e) {
    // Page Up and Page Down, which no field takes, browse like "<" and ">".
    if (e->key() == Qt::Key_PageUp && e->modifiers() == Qt::NoModifier)
        agit(&BlocMessages::precedent);
    else if (e->key() == Qt::Key_PageDown && e->modifiers() == Qt::NoModifier)
        agit(&BlocMessages::suivant);
    else
        QDialog::keyPressEvent(e);
}

void TFicheMsg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_champs[Message::Pour]->setFocus();
}

void TFicheMsg::done(int r) {
    // What was typed stays on screen unless the user gives it up.
    if (const zel::Resultat s = m_bloc.Sauve(m_nomClients);
        !s && !m_dialogues.okAnnuler(s.message() +
                                     QStringLiteral("\n\nFermer sans enregistrer les messages ?")))
        return;
    QDialog::done(r);
}
