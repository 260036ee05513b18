#include "ui/tools/tblocnotes.h"
#include "ui/taide.h"

#include "ui/canevasqt.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

TBlocnotes::TBlocnotes(QWidget* parent, const QString& dossierProgramme)
    : QDialog(parent), m_dossier(dossierProgramme), m_texte(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Bloc-notes"));
    zel::ui::metSujet(this, zel::Sujet::Utilitaires);
    avertit = [this](const QString& texte) {
        QMessageBox::warning(this, QStringLiteral("Bloc-notes"), texte);
    };
    if (const zel::Resultat r = m_note.Charge(m_dossier); !r)
        avertit(r.message());
    m_texte->setPlainText(m_note.lignes().join(u'\n'));
    connect(m_texte, &QPlainTextEdit::textChanged, this,
            [this] { m_note.setLignes(m_texte->toPlainText().split(u'\n')); });
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"), this);
    imprimer->setToolTip(QStringLiteral("Imprimer"));
    imprimer->setAutoDefault(false);
    connect(imprimer, &QPushButton::clicked, this, [this] {
        QPrinter imprimante;
        QPrintPreviewDialog apercu(&imprimante, this);
        connect(&apercu, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
            CanevasQt canevas(*p);
            m_note.imprime(canevas, m_texte->font().family(), m_texte->font().pointSize());
        });
        apercu.exec();
    });
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(imprimer);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(m_texte);
    colonne->addLayout(boutons);
    resize(480, 360);
}

void TBlocnotes::done(int r) {
    if (const zel::Resultat s = m_note.Sauve(m_dossier); !s)
        avertit(s.message());
    QDialog::done(r);
}
