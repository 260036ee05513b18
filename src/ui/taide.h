#pragma once

#include <QDialog>

class QLineEdit;
class QTextBrowser;

namespace zel::ui {

enum class PageAide { Sommaire, Recherche, Utilisation };

// The help window over the help file: contents, keyword search and the page on using the help.
class TAide : public QDialog {
    Q_OBJECT
public:
    TAide(const QString& fichier, PageAide page, QWidget* parent = nullptr);

    // The help file of the program's folder, or the one beside the executable; empty when
    // neither exists.
    static QString trouve(const QString& dossierProgramme);

private:
    void cherche();
    QTextBrowser* m_texte;
    QLineEdit* m_recherche;
};

} // namespace zel::ui
