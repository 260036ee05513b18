#include "ui/tfiche.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zel::ui {

TFiche::TFiche(QWidget* parent) : QWidget(parent), m_pages(new QStackedWidget(this)) {
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(m_pages);
    for (int i = 0; i < kNombreSortes; ++i) {
        auto* page = new QFrame(m_pages);
        page->setFrameShape(QFrame::StyledPanel);
        page->setFocusPolicy(Qt::StrongFocus);
        m_pages->addWidget(page);
    }
    // The keys are caught before any field of the pages sees them, editors included.
    qApp->installEventFilter(this);
}

TFiche::~TFiche() {
    qApp->removeEventFilter(this);
}

void TFiche::montre(Sorte onglet) {
    m_onglet = onglet;
    m_pages->setCurrentIndex(indice(onglet));
}

void TFiche::placePage(Sorte onglet, QWidget* page) {
    QWidget* cadre = m_pages->widget(indice(onglet));
    m_pages->insertWidget(indice(onglet), page);
    m_pages->removeWidget(cadre);
    delete cadre;
    m_pages->setCurrentIndex(indice(m_onglet));
}

bool TFiche::eventFilter(QObject* cible, QEvent* evenement) {
    const QEvent::Type type = evenement->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(cible);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    auto* cle = static_cast<QKeyEvent*>(evenement);
    const std::optional<Operation> operation = toucheFiche(cle->keyCombination());
    if (!operation)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Keeps the key from the menus' shortcuts, so that it arrives as a key press.
        evenement->accept();
        return true;
    }
    Q_EMIT touche(*operation, m_onglet);
    return true;
}

} // namespace zel::ui
