#include "ui/filtrecp1252.h"

#include "records/texte.h"
#include "store/codepage.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <memory>

namespace zel::ui {

namespace {

const char* const kLibre = "zelTexteLibre";

} // namespace

void FiltreCp1252::libere(QWidget* champ) {
    champ->setProperty(kLibre, true);
}

bool FiltreCp1252::libre(const QObject* cible) {
    // A multi-line field receives the mouse on its viewport.
    return cible->property(kLibre).toBool() ||
           (cible->parent() && cible->parent()->property(kLibre).toBool());
}

bool FiltreCp1252::refuseSi(QObject* cible, const QString& insere) {
    if (libre(cible))
        return false;
    std::optional<QString> motif;
    if (auto* ligne = qobject_cast<QLineEdit*>(cible)) {
        // A one-line field: the text it would hold must stand as a field of a record.
        QString texte = ligne->text();
        const int debut =
            ligne->hasSelectedText() ? ligne->selectionStart() : ligne->cursorPosition();
        texte.replace(debut, ligne->selectedText().size(), insere);
        motif = refusChamp(texte);
    } else if (const std::optional<QChar> c = cp1252::premierNonRepresentable(insere)) {
        motif = QStringLiteral("Caractère refusé : « %1 »").arg(*c);
    }
    if (motif)
        Q_EMIT refuse(*motif);
    return motif.has_value();
}

namespace {

// The "Paste" entry of a field's standard context menu: named "edit-paste" by recent Qt versions,
// otherwise known by the paste shortcut written after its text.
QAction* actionColler(const QMenu& menu) {
    const QString raccourci =
        QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* a : menu.actions()) {
        if (a->objectName() == u"edit-paste" || a->text().endsWith(raccourci))
            return a;
    }
    return nullptr;
}

// The field a mouse event is meant for: a one-line field, or the multi-line field whose viewport
// receives it.
QObject* champSouris(QObject* cible) {
    return qobject_cast<QLineEdit*>(cible) ? cible : cible->parent();
}

bool modifiable(const QObject* champ) {
    if (const auto* ligne = qobject_cast<const QLineEdit*>(champ))
        return !ligne->isReadOnly();
    if (const auto* texte = qobject_cast<const QTextEdit*>(champ))
        return !texte->isReadOnly();
    if (const auto* brut = qobject_cast<const QPlainTextEdit*>(champ))
        return !brut->isReadOnly();
    return false;
}

} // namespace

bool FiltreCp1252::menuContextuel(QObject* cible, const QContextMenuEvent& evenement) {
    QObject* champ = champSouris(cible);
    if (libre(cible))
        return false;
    std::unique_ptr<QMenu> menu;
    if (auto* ligne = qobject_cast<QLineEdit*>(champ))
        menu.reset(ligne->createStandardContextMenu());
    else if (auto* texte = qobject_cast<QTextEdit*>(champ))
        menu.reset(texte->createStandardContextMenu(evenement.pos()));
    else if (auto* brut = qobject_cast<QPlainTextEdit*>(champ))
        menu.reset(brut->createStandardContextMenu(evenement.pos()));
    if (!menu)
        return false;
    if (QAction* coller = actionColler(*menu)) {
        QObject::disconnect(coller, &QAction::triggered, nullptr, nullptr);
        connect(coller, &QAction::triggered, champ, [this, champ] {
            if (!refuseSi(champ, QGuiApplication::clipboard()->text()))
                QMetaObject::invokeMethod(champ, "paste");
        });
    }
    menu->exec(evenement.globalPos());
    return true;
}

bool FiltreCp1252::eventFilter(QObject* cible, QEvent* evenement) {
    // What the user does reaches the window first, then the field it is meant for, which alone
    // knows what it may take.
    if (!cible->isWidgetType())
        return QObject::eventFilter(cible, evenement);
    switch (evenement->type()) {
    case QEvent::KeyPress: {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->matches(QKeySequence::Paste))
            return refuseSi(cible, QGuiApplication::clipboard()->text());
        // Keys that type nothing (Backspace, Enter, Tab, Escape) are the field's own business.
        const QString texte = touche->text();
        if (texte.isEmpty() || !texte.front().isPrint())
            return false;
        return refuseSi(cible, texte);
    }
    case QEvent::Drop:
        return refuseSi(cible, static_cast<QDropEvent*>(evenement)->mimeData()->text());
    case QEvent::MouseButtonRelease: {
        // The middle button pastes into a field the text selected anywhere on the screen (X11).
        const QClipboard* pressePapiers = QGuiApplication::clipboard();
        QObject* champ = champSouris(cible);
        if (static_cast<QMouseEvent*>(evenement)->button() != Qt::MiddleButton ||
            !pressePapiers->supportsSelection() || !modifiable(champ))
            return false;
        return refuseSi(champ, pressePapiers->text(QClipboard::Selection));
    }
    case QEvent::ContextMenu:
        return menuContextuel(cible, *static_cast<QContextMenuEvent*>(evenement));
    case QEvent::InputMethod:
        return refuseSi(cible, static_cast<QInputMethodEvent*>(evenement)->commitString());
    default:
        return QObject::eventFilter(cible, evenement);
    }
}

} // namespace zel::ui
