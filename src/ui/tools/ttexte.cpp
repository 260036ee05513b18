#include "ui/tools/ttexte.h"
#include "ui/taide.h"

#include "ui/filtrecp1252.h"
#include "ui/impression.h"
#include "ui/tools/documentqt.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace rtf = zel::outils::rtf;
namespace documentqt = zel::ui::documentqt;
namespace regle = zel::outils::regle;
using zel::outils::Marqueurs;
using zel::outils::Retraits;

namespace zel::ui {

namespace {

constexpr int kHauteurRegle = 22;

} // namespace

Regle::Regle(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHauteurRegle);
}

void Regle::place(const Marqueurs& m) {
    if (m_tire)
        return;
    m_marqueurs = m;
    update();
}

int& Regle::gauche(regle::Marqueur m) {
    switch (m) {
    case regle::Marqueur::Premiere:
        return m_marqueurs.premiere;
    case regle::Marqueur::Gauche:
        return m_marqueurs.gauche;
    case regle::Marqueur::Droite:
        break;
    }
    return m_marqueurs.droite;
}

void Regle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    QTextOption option;
    option.setTabStopDistance(48); // half an inch
    p.setPen(palette().text().color());
    QFont petite = font();
    petite.setPointSize(6);
    p.setFont(petite);
    p.drawText(QRectF(6, 0, width() - 6, height() / 2.0), regle::SetupRuler(), option);
    // The first-line marker points down from the top, the other two up from the bottom.
    const auto triangle = [&](int gauche, bool enHaut) {
        const double y0 = enHaut ? 0 : height(), y1 = enHaut ? 7 : height() - 7;
        QPainterPath chemin;
        chemin.moveTo(gauche, y0);
        chemin.lineTo(gauche + kLargeurMarqueur - 1, y0);
        chemin.lineTo(gauche + (kLargeurMarqueur - 1) / 2.0, y1);
        chemin.closeSubpath();
        p.fillPath(chemin, palette().text());
    };
    triangle(m_marqueurs.premiere, true);
    triangle(m_marqueurs.gauche, false);
    triangle(m_marqueurs.droite, false);
}

void Regle::mousePressEvent(QMouseEvent* e) {
    const int x = e->position().toPoint().x();
    const bool enHaut = e->position().y() < height() / 2.0;
    for (regle::Marqueur m :
         {regle::Marqueur::Premiere, regle::Marqueur::Gauche, regle::Marqueur::Droite}) {
        if ((m == regle::Marqueur::Premiere) != enHaut)
            continue;
        if (x >= gauche(m) && x < gauche(m) + kLargeurMarqueur) {
            m_tire = m;
            m_prise = kLargeurMarqueur / 2;
            gauche(m) = x - m_prise;
            update();
            return;
        }
    }
}

void Regle::mouseMoveEvent(QMouseEvent* e) {
    if (!m_tire)
        return;
    gauche(*m_tire) = e->position().toPoint().x() - m_prise;
    update();
}

void Regle::mouseReleaseEvent(QMouseEvent* e) {
    if (!m_tire)
        return;
    const regle::Marqueur m = *std::exchange(m_tire, std::nullopt);
    gauche(m) = e->position().toPoint().x() - m_prise;
    Q_EMIT depose(m, gauche(m), m_prise);
}

} // namespace zel::ui

namespace {

const QString kTimes = QStringLiteral("Times New Roman");

} // namespace

TTexte::TTexte(QWidget* parent, zel::Dialogues& dialogues, zel::ui::Impression& impression)
    : QDialog(parent), m_dialogues(dialogues), m_impression(impression), m_doc(dialogues),
      m_texte(new QTextEdit(this)), m_regle(new zel::ui::Regle(this)),
      m_polices(new QComboBox(this)), m_taille(new QSpinBox(this)) {
    setWindowTitle(QStringLiteral("Texte"));
    zel::ui::metSujet(this, zel::Sujet::Lettres);
    // The text keeps 6 pixels of margin on each side inside the edit area.
    m_texte->document()->setDocumentMargin(6);
    m_texte->setAcceptRichText(true);
    // A letter is saved as RTF, which holds any character: none is refused.
    zel::ui::FiltreCp1252::libere(m_texte);
    m_texte->setTabStopDistance(48);
    QFont depart(kTimes, 10);
    depart.setStyleHint(QFont::Serif);
    m_texte->document()->setDefaultFont(depart);
    m_texte->setCurrentCharFormat(documentqt::formatCaracteres(formatDepart()));
    construitBarre();
    auto* colonne = new QVBoxLayout(this);
    colonne->setSpacing(0);
    for (QToolBar* barre : findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        colonne->addWidget(barre);
    colonne->addWidget(m_regle);
    colonne->addWidget(m_texte);
    connect(m_texte, &QTextEdit::cursorPositionChanged, this, &TTexte::SelectionChange);
    connect(m_texte, &QTextEdit::currentCharFormatChanged, this, &TTexte::SelectionChange);
    connect(m_texte, &QTextEdit::textChanged, this, &TTexte::SelectionChange);
    connect(m_texte->document(), &QTextDocument::modificationChanged, this,
            [this](bool oui) { m_doc.setModifie(oui); });
    connect(m_regle, &zel::ui::Regle::depose, this, &TTexte::retraits);
    resize(800, 560);
    SelectionChange();
}

rtf::Format TTexte::formatDepart() const {
    rtf::Format f;
    f.police = kTimes;
    f.demiPoints = 20;
    return f;
}

QToolButton* TTexte::bouton(const QString& aide) const {
    for (QToolButton* b : m_boutons) {
        if (b->toolTip() == aide)
            return b;
    }
    return nullptr;
}

void TTexte::construitBarre() {
    auto* barre = new QToolBar(this);
    const auto ajoute = [&](const QString& face, const QString& aide, bool bascule, auto action) {
        auto* b = new QToolButton(barre);
        b->setText(face);
        b->setToolTip(aide);
        b->setCheckable(bascule);
        b->setAutoRaise(true);
        barre->addWidget(b);
        m_boutons.push_back(b);
        if constexpr (std::is_invocable_v<decltype(action), bool>)
            connect(b, &QToolButton::toggled, this, action);
        else
            connect(b, &QToolButton::clicked, this, action);
        return b;
    };
    const auto police = [this](const auto& regle) {
        return [this, regle](bool oui) {
            QTextCharFormat f;
            regle(f, oui);
            CurrText(f);
        };
    };
    ajoute(QStringLiteral("Nouveau"), QStringLiteral("Nouveau"), false,
           [this] { montre(m_doc.Nouveau([this] { return rtf(); }, m_entete, formatDepart())); });
    ajoute(QStringLiteral("Ouvrir"), QStringLiteral("Ouvrir"), false, [this] {
        const QScopedValueRollback ouverture(m_ouverture, true);
        montre(m_doc.Ouvre([this] { return rtf(); }, formatDepart()));
    });
    ajoute(QStringLiteral("Enregistrer"), QStringLiteral("Enregistrer"), false, [this] {
        if (m_doc.Enregistre([this] { return rtf(); }))
            m_texte->document()->setModified(m_doc.modifie());
    });
    ajoute(QStringLiteral("Imprimer"), QStringLiteral("Imprimer"), false, [this] {
        m_impression.apercuQt(this, QStringLiteral("Texte"), [this](QPrinter& p) { dessine(p); });
    });
    barre->addSeparator();
    ajoute(QStringLiteral("Copier"), QStringLiteral("Copier"), false, [this] { m_texte->copy(); });
    ajoute(QStringLiteral("Coller"), QStringLiteral("Coller"), false, [this] { m_texte->paste(); });
    barre->addSeparator();
    ajoute(QStringLiteral("Fermer"), QStringLiteral("Fermer"), false, [this] { close(); });
    // The formatting on a second row, so that every control shows at the window's width.
    barre = new QToolBar(this);
    m_polices->setEditable(true);
    m_polices->setToolTip(QStringLiteral("Police"));
    m_polices->setMinimumContentsLength(16);
    GetFontName();
    barre->addWidget(m_polices);
    connect(m_polices, &QComboBox::textActivated, this, [this](const QString& nom) {
        QTextCharFormat f;
        f.setFontFamilies({nom});
        CurrText(f);
    });
    m_taille->setRange(4, 72);
    m_taille->setValue(10);
    m_taille->setToolTip(QStringLiteral("Taille"));
    barre->addWidget(m_taille);
    connect(m_taille, &QSpinBox::valueChanged, this, [this](int taille) {
        QTextCharFormat f;
        f.setFontPointSize(taille);
        CurrText(f);
    });
    barre->addSeparator();
    QToolButton* gras = ajoute(
        QStringLiteral("G"), QStringLiteral("Gras"), true,
        police([](auto& f, bool oui) { f.setFontWeight(oui ? QFont::Bold : QFont::Normal); }));
    QToolButton* italique = ajoute(QStringLiteral("I"), QStringLiteral("Italique"), true,
                                   police([](auto& f, bool oui) { f.setFontItalic(oui); }));
    QToolButton* souligne = ajoute(QStringLiteral("S"), QStringLiteral("Souligné"), true,
                                   police([](auto& f, bool oui) { f.setFontUnderline(oui); }));
    for (auto [b, style] :
         {std::pair(gras, &QFont::setBold), std::pair(italique, &QFont::setItalic),
          std::pair(souligne, &QFont::setUnderline)}) {
        QFont f = b->font();
        (f.*style)(true);
        b->setFont(f);
    }
    barre->addSeparator();
    auto* alignements = new QButtonGroup(this);
    for (auto [aide, a] : {std::pair(QStringLiteral("Gauche"), Qt::AlignLeft),
                           std::pair(QStringLiteral("Centré"), Qt::AlignHCenter),
                           std::pair(QStringLiteral("Droite"), Qt::AlignRight)}) {
        alignements->addButton(ajoute(aide, aide, true, [this, a](bool oui) {
            if (oui)
                alignement(a);
        }));
    }
    ajoute(QStringLiteral("Puces"), QStringLiteral("Puces"), true,
           [this](bool oui) { puces(oui); });
    ajoute(QStringLiteral("Police"), QStringLiteral("Police"), false, [this] {
        bool ok = false;
        const QFont choisie = QFontDialog::getFont(&ok, m_texte->currentCharFormat().font(), this);
        if (!ok)
            return;
        QTextCharFormat f;
        f.setFont(choisie);
        CurrText(f);
    });
}

void TTexte::GetFontName() {
    QStringList noms = QFontDatabase::families();
    noms.sort(Qt::CaseInsensitive);
    m_polices->addItems(noms);
    m_polices->setCurrentText(kTimes);
}

void TTexte::Setsoc(const QStringList& lignes) {
    m_entete = lignes.mid(0, 4);
    montre(m_doc.Nouveau([this] { return rtf(); }, m_entete, formatDepart()));
}

QByteArray TTexte::rtf() const {
    return rtf::ecrit(documentqt::depuis(*m_texte->document()));
}

void TTexte::montre(std::optional<rtf::Document> d) {
    if (!d)
        return;
    // The letter is laid out apart from the window, which would otherwise redraw itself and
    // bring its tool bar into line after every paragraph.
    QTextDocument* ancien = m_texte->document();
    auto* nouveau = new QTextDocument(m_texte);
    nouveau->setDocumentMargin(ancien->documentMargin());
    nouveau->setDefaultFont(ancien->defaultFont());
    nouveau->setDefaultTextOption(ancien->defaultTextOption());
    {
        zel::outils::Avancement avancement(m_dialogues,
                                           QStringLiteral("Mise en page de la lettre"));
        documentqt::vers(std::move(*d), *nouveau, std::ref(avancement));
    }
    // What was just read or made is no change of the user's, nor one to undo.
    nouveau->setModified(false);
    // The editor deletes the document it made itself; those made here are deleted here.
    const bool fait = ancien->parent() == m_texte;
    m_texte->setDocument(nouveau);
    if (fait)
        delete ancien;
    connect(nouveau, &QTextDocument::modificationChanged, this,
            [this](bool oui) { m_doc.setModifie(oui); });
    m_texte->moveCursor(QTextCursor::Start);
    SelectionChange();
}

void TTexte::CurrText(const QTextCharFormat& f) {
    if (m_maj)
        return;
    // The selection when there is one, else the format of what is typed next.
    m_texte->mergeCurrentCharFormat(f);
    m_texte->setFocus();
}

void TTexte::alignement(Qt::Alignment a) {
    if (m_maj)
        return;
    m_texte->setAlignment(a);
    SelectionChange();
}

void TTexte::puces(bool oui) {
    if (m_maj)
        return;
    QTextCursor c = m_texte->textCursor();
    if (oui) {
        c.createList(QTextListFormat::ListDisc);
    } else if (QTextList* liste = c.currentList()) {
        QTextBlock bloc = c.block();
        liste->remove(bloc);
        QTextBlockFormat f = bloc.blockFormat();
        f.setIndent(0);
        c.setBlockFormat(f);
    }
    SelectionChange();
}

void TTexte::retraits(regle::Marqueur m, int gauche, int prise) {
    QTextCursor c = m_texte->textCursor();
    rtf::Paragraphe p = documentqt::paragraphe(c.block());
    const Retraits r =
        regle::depose(regle::depuis(p), m, gauche, prise, m_regle->marqueurs(), m_regle->width());
    regle::applique(r, p);
    c.mergeBlockFormat(documentqt::formatBloc(p));
    SelectionChange();
}

void TTexte::SelectionChange() {
    m_maj = true;
    const QTextCursor c = m_texte->textCursor();
    const rtf::Paragraphe p = documentqt::paragraphe(c.block());
    m_regle->place(regle::positions(regle::depuis(p), m_regle->width()));
    const rtf::Format f =
        documentqt::format(m_texte->currentCharFormat(), m_texte->document()->defaultFont());
    bouton(QStringLiteral("Gras"))->setChecked(f.gras);
    bouton(QStringLiteral("Italique"))->setChecked(f.italique);
    bouton(QStringLiteral("Souligné"))->setChecked(f.souligne);
    bouton(QStringLiteral("Puces"))->setChecked(p.puce);
    m_taille->setValue(f.demiPoints / 2);
    m_polices->setCurrentText(f.police);
    bouton(QStringLiteral("Gauche"))
        ->setChecked(p.alignement == rtf::Alignement::Gauche ||
                     p.alignement == rtf::Alignement::Justifie);
    bouton(QStringLiteral("Centré"))->setChecked(p.alignement == rtf::Alignement::Centre);
    bouton(QStringLiteral("Droite"))->setChecked(p.alignement == rtf::Alignement::Droite);
    m_maj = false;
}

void TTexte::dessine(QPrinter& imprimante) const {
    m_texte->document()->print(&imprimante);
}

void TTexte::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    SelectionChange();
}

void TTexte::done(int r) {
    // A letter being opened is not let go halfway.
    if (m_ouverture || !m_doc.laisse([this] { return rtf(); }))
        return;
    QDialog::done(r);
}
