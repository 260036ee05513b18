#include "ui/taide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

const QString kNomAide = QStringLiteral("ZelVente.hlp");
const char* const kProprieteSujet = "sujetAide";
// The widest a screenshot is shown, to be read without scrolling sideways.
constexpr int kLargeurImage = 680;

// Screenshots wider than the page are shown at its width, their proportions kept.
void ajusteImages(QTextDocument& document, const QString& dossier) {
    QTextCursor curseur(&document);
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextFragment morceau = it.fragment();
            QTextImageFormat image = morceau.charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            const QSize taille = QImageReader(dossier + u'/' + image.name()).size();
            if (taille.width() <= kLargeurImage)
                continue;
            image.setWidth(kLargeurImage);
            image.setHeight(double(taille.height()) * kLargeurImage / taille.width());
            curseur.setPosition(morceau.position());
            curseur.setPosition(morceau.position() + morceau.length(), QTextCursor::KeepAnchor);
            curseur.setCharFormat(image);
        }
    }
}

} // namespace

QString TAide::trouve(const QString& dossierProgramme) {
    const QString programme = QCoreApplication::applicationDirPath();
    for (const QString& dossier :
         {dossierProgramme, programme, programme + QStringLiteral("/../share/zelvente")}) {
        const QString chemin = dossier + u'/' + kNomAide;
        if (QFileInfo::exists(chemin))
            return QDir::cleanPath(chemin);
    }
    return QString();
}

TAide::TAide(const QString& fichier, Sujet sujet, QWidget* parent)
    : QDialog(parent), m_texte(new QTextBrowser(this)), m_recherche(new QLineEdit(this)),
      m_sujet(sujet) {
    setWindowTitle(QStringLiteral("Aide de Zel Vente"));
    metSujet(this, Sujet::Aide);
    resize(760, 640);
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

    // The screenshots are found beside the guide.
    const QString dossier = QFileInfo(fichier).absolutePath();
    m_texte->setSearchPaths({dossier});
    QFile source(fichier);
    if (source.open(QIODevice::ReadOnly))
        m_texte->setHtml(QString::fromUtf8(source.readAll()));
    ajusteImages(*m_texte->document(), dossier);
    connect(sommaire, &QPushButton::clicked, this, [this] { montre(Sujet::Sommaire); });
    connect(precedent, &QPushButton::clicked, m_texte, &QTextBrowser::backward);
    connect(m_recherche, &QLineEdit::returnPressed, this, &TAide::cherche);
    montre(sujet);
}

void TAide::montre(Sujet sujet) {
    m_sujet = sujet;
    m_texte->scrollToAnchor(ancre(sujet));
}

void TAide::recherche() {
    m_recherche->setFocus();
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

void metSujet(QWidget* fenetre, Sujet sujet) {
    fenetre->setProperty(kProprieteSujet, int(sujet));
}

Sujet sujetDe(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant sujet = w->property(kProprieteSujet);
        if (sujet.isValid())
            return Sujet(sujet.toInt());
    }
    return Sujet::Sommaire;
}

ToucheF1::ToucheF1(std::function<void(Sujet, QWidget*)> ouvre, QObject* parent)
    : QObject(parent), m_ouvre(std::move(ouvre)) {}

bool ToucheF1::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress || !objet->isWidgetType())
        return false;
    const auto* touche = static_cast<QKeyEvent*>(evenement);
    if (touche->key() != Qt::Key_F1 || touche->modifiers() != Qt::NoModifier)
        return false;
    auto* widget = static_cast<QWidget*>(objet);
    if (auto* aide = qobject_cast<TAide*>(widget->window()))
        aide->montre(Sujet::Aide);
    else
        m_ouvre(sujetDe(widget), widget->window());
    return true;
}

} // namespace zel::ui
