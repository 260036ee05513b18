#pragma once

#include "app/guide.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QTextBrowser;

namespace zel::ui {

// The guide's window: the topic asked, its contents, keyword search and the page on using the
// guide.
class TAide : public QDialog {
    Q_OBJECT
public:
    TAide(const QString& fichier, Sujet sujet, QWidget* parent = nullptr);

    // The guide of the program's folder, the one beside the executable, or the one installed
    // with it (../share/zelvente); empty when none exists.
    static QString trouve(const QString& dossierProgramme);

    void montre(Sujet sujet);
    Sujet sujet() const { return m_sujet; }
    // The search field takes the keyboard.
    void recherche();
    QTextBrowser* texte() const { return m_texte; }

private:
    void cherche();
    QTextBrowser* m_texte;
    QLineEdit* m_recherche;
    Sujet m_sujet;
};

// The guide's topic of a window, for F1.
void metSujet(QWidget* fenetre, Sujet sujet);
// The topic of the nearest of the widget and its parents that has one, else the contents.
Sujet sujetDe(const QWidget* widget);

// F1 anywhere in the program: the topic of the widget that has the keyboard is asked for; in
// the guide's window itself, the page on using the guide is shown.
class ToucheF1 : public QObject {
    Q_OBJECT
public:
    ToucheF1(std::function<void(Sujet, QWidget*)> ouvre, QObject* parent);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::function<void(Sujet, QWidget*)> m_ouvre;
};

} // namespace zel::ui
