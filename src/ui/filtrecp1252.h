#pragma once

#include <QObject>

class QContextMenuEvent;
class QWidget;

namespace zel::ui {

// Refuses, in every field of every window, the typed, pasted (Ctrl+V, the context menu, the middle
// button) or dropped text that the files could not hold, so that nothing is changed silently when
// the set is saved; in a one-line field, also what would not stand as one field of a record (a line
// break, a TAB, a beginning like a tag).
class FiltreCp1252 : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* cible, QEvent* evenement) override;

    // A text area whose text is kept in no file of the program's own (a letter, saved as RTF that
    // holds any character): the filter lets everything into it.
    static void libere(QWidget* champ);

Q_SIGNALS:
    // A short text for the status bar.
    void refuse(const QString& message);

private:
    static bool libre(const QObject* cible);
    bool refuseSi(QObject* cible, const QString& insere);
    // Shows a text field's own context menu, whose "Coller" is refused like Ctrl+V.
    bool menuContextuel(QObject* cible, const QContextMenuEvent& evenement);
};

} // namespace zel::ui
