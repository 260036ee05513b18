#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

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

// A click on a cell of a grid.
inline void clique(QAbstractItemView* grille, int rangee, int colonne) {
    const QRect cellule = grille->visualRect(grille->model()->index(rangee, colonne));
    QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, cellule.center());
}

// The cell editor open in the grid, once the editors closed before it are gone.
inline QLineEdit* editeurOuvert(QAbstractItemView* grille) {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QLineEdit* e : grille->viewport()->findChildren<QLineEdit*>()) {
        if (e->isVisible())
            return e;
    }
    return nullptr;
}

// A key as a person presses it: a text typed character by character, or a named key.
struct Touche {
    Touche(const char* t) : texte(QString::fromUtf8(t)) {}
    Touche(Qt::Key k) : cle(k) {}
    QString texte;
    Qt::Key cle = Qt::Key_unknown;
};

// Keys pressed one after the other, each going to the widget that has the focus when it is
// pressed: the grid, or the cell editor a key opened.
inline void frappe(const std::vector<Touche>& touches) {
    for (const Touche& t : touches) {
        const QString caracteres = t.texte.isEmpty() ? QString(QChar(0)) : t.texte;
        for (QChar c : caracteres) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_TRUE(focus) << "no widget has the focus";
            if (t.texte.isEmpty())
                QTest::keyClick(focus, t.cle);
            else
                QTest::keyClick(focus, c.toLatin1());
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

} // namespace zel::test
