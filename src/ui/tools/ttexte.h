#pragma once

#include "tools/traitementtexte.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QPrinter;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace zel {
class Dialogues;
}

namespace zel::ui {

class Impression;

// The ruler above the text: its ticks and the three indent markers, which the user drags.
class Regle : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLargeurMarqueur = 9;

    explicit Regle(QWidget* parent);
    void place(const zel::outils::Marqueurs& m);
    const zel::outils::Marqueurs& marqueurs() const { return m_marqueurs; }

Q_SIGNALS:
    // A marker dropped with its left edge at `gauche`, grabbed `prise` pixels from it.
    void depose(zel::outils::regle::Marqueur m, int gauche, int prise);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int& gauche(zel::outils::regle::Marqueur m);

    zel::outils::Marqueurs m_marqueurs;
    std::optional<zel::outils::regle::Marqueur> m_tire;
    int m_prise = 0;
};

} // namespace zel::ui

// "Texte": a letter in rich text, started from the company's letterhead, read and written as RTF.
class TTexte : public QDialog {
    Q_OBJECT
public:
    TTexte(QWidget* parent, zel::Dialogues& dialogues, zel::ui::Impression& impression);

    // The four letterhead lines, shown at once as a new document.
    void Setsoc(const QStringList& lignes);
    void SelectionChange();
    // The whole document on a printer (the preview, a PDF).
    void dessine(QPrinter& imprimante) const;

    QTextEdit* texte() const { return m_texte; }
    zel::ui::Regle* regle() const { return m_regle; }
    QToolButton* bouton(const QString& aide) const;
    QComboBox* polices() const { return m_polices; }
    QSpinBox* taille() const { return m_taille; }
    const zel::outils::TraitementTexte& document() const { return m_doc; }

    void done(int r) override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void construitBarre();
    void GetFontName();
    void montre(std::optional<zel::outils::rtf::Document> d);
    QByteArray rtf() const;
    zel::outils::rtf::Format formatDepart() const;
    void CurrText(const QTextCharFormat& f);
    void alignement(Qt::Alignment a);
    void puces(bool oui);
    void retraits(zel::outils::regle::Marqueur m, int gauche, int prise);

    zel::Dialogues& m_dialogues;
    zel::ui::Impression& m_impression;
    zel::outils::TraitementTexte m_doc;
    QStringList m_entete;
    QTextEdit* m_texte;
    zel::ui::Regle* m_regle;
    QComboBox* m_polices;
    QSpinBox* m_taille;
    std::vector<QToolButton*> m_boutons;
    bool m_maj = false;
    bool m_ouverture = false; // while a letter is being opened
};
