#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTest>

namespace zel::test {

// What a person does in a window, for the widget tests.

// The window's button, tool button or choice that shows this text, or none.
inline QAbstractButton* bouton(const QWidget& fenetre, const QString& texte) {
    for (QAbstractButton* b : fenetre.findChildren<QAbstractButton*>()) {
        if (b->text() == texte)
            return b;
    }
    return nullptr;
}

// Ctrl+V in a field, the text put on the clipboard first.
inline void colle(QWidget* champ, const QString& texte) {
    QApplication::clipboard()->setText(texte);
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString());
    QApplication::sendEvent(champ, &appui);
}

// Typed on a keyboard of any language: each character a key press that carries it, which reaches
// the window first, then the field that has the focus.
inline void tape(QWidget* champ, const QString& texte) {
    champ->setFocus();
    for (QChar c : texte)
        QTest::sendKeyEvent(QTest::Click, champ->window()->windowHandle(),
                            Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// The field left by Tab, as its content is taken.
inline void quitte(QWidget* champ) {
    QFocusEvent depart(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(champ, &depart);
}

} // namespace zel::test
