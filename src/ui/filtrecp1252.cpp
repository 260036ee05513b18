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
#include <QPlainTextEdit>
#include <QTextEdit>

#include <memory>

namespace zel::ui {

bool FiltreCp1252::refuseSi(QObject* cible, const QString& insere) {
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

} // namespace

bool FiltreCp1252::menuContextuel(QObject* cible, const QContextMenuEvent& evenement) {
    // A multi-line field receives the event on its viewport.
    QObject* champ = qobject_cast<QLineEdit*>(cible) ? cible : cible->parent();
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
    case QEvent::ContextMenu:
        return menuContextuel(cible, *static_cast<QContextMenuEvent*>(evenement));
    case QEvent::InputMethod:
        return refuseSi(cible, static_cast<QInputMethodEvent*>(evenement)->commitString());
    default:
        return QObject::eventFilter(cible, evenement);
    }
}

} // namespace zel::ui
