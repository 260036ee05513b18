#pragma once

#include "app/menus.h"
#include "store/jeudocuments.h"

#include <QWidget>

class QStackedWidget;

namespace zel::ui {

// The card window: one page per record kind, without tab headers; the page shown is chosen by
// the "&Bases" menu and the tool bar only.
class TFiche : public QWidget {
    Q_OBJECT
public:
    explicit TFiche(QWidget* parent = nullptr);
    ~TFiche() override;

    void montre(Sorte onglet);
    // Puts a record page in place of the empty frame of its tab.
    void placePage(Sorte onglet, QWidget* page);
    Sorte onglet() const { return m_onglet; }

    bool eventFilter(QObject* cible, QEvent* evenement) override;

Q_SIGNALS:
    // A card window key was pressed in one of its fields; the page shown runs the operation.
    void touche(zel::Operation operation, zel::Sorte onglet);

private:
    QStackedWidget* m_pages;
    Sorte m_onglet = Sorte::Clients;
};

} // namespace zel::ui
