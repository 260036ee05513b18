#include "ui/taide.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

const QString kNomAide = QStringLiteral("ZelVente.hlp");

} // namespace

QString TAide::trouve(const QString& dossierProgramme) {
    for (const QString& dossier : {dossierProgramme, QCoreApplication::applicationDirPath()}) {
        const QString chemin = dossier + u'/' + kNomAide;
        if (QFileInfo::exists(chemin))
            return chemin;
    }
    return QString();
}

TAide::TAide(const QString& fichier, PageAide page, QWidget* parent)
    : QDialog(parent), m_texte(new QTextBrowser(this)), m_recherche(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Aide de Zel Vente"));
    resize(640, 520);
    auto* disposition = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    auto* sommaire = new QPushButton(QStringLiteral("Sommaire"), this);
    auto* precedent = new QPushButton(QStringLiteral("Précédent"), this);
    for (QPushButton* b : {sommaire, precedent})
        b->setAutoDefault(false);
    haut->addWidget(sommaire);
    haut->addWidget(precedent);
    haut->addWidget(new QLabel(QStringLiteral("Rechercher :"), this));
    haut->addWidget(m_recherche, 1);
    disposition->addLayout(haut);
    disposition->addWidget(m_texte, 1);

    QFile source(fichier);
    if (source.open(QIODevice::ReadOnly))
        m_texte->setHtml(QString::fromUtf8(source.readAll()));
    connect(sommaire, &QPushButton::clicked, this,
            [this] { m_texte->scrollToAnchor(QStringLiteral("sommaire")); });
    connect(precedent, &QPushButton::clicked, m_texte, &QTextBrowser::backward);
    connect(m_recherche, &QLineEdit::returnPressed, this, &TAide::cherche);

    switch (page) {
    case PageAide::Sommaire:
        break;
    case PageAide::Recherche:
        m_recherche->setFocus();
        break;
    case PageAide::Utilisation:
        m_texte->scrollToAnchor(QStringLiteral("aide"));
        break;
    }
}

void TAide::cherche() {
    const QString mot = m_recherche->text();
    if (mot.isEmpty())
        return;
    // From the last match on, then once more from the top.
    if (!m_texte->find(mot)) {
        m_texte->moveCursor(QTextCursor::Start);
        m_texte->find(mot);
    }
}

} // namespace zel::ui
