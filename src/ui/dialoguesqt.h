#pragma once

#include "records/dialogues.h"

class QWidget;

namespace zel::ui {

// The questions of the core asked with Qt's message boxes and file dialogs.
class DialoguesQt : public Dialogues {
public:
    explicit DialoguesQt(QWidget* parent) : m_parent(parent) {}

    Reponse ouiNonAnnuler(const QString& texte) override;
    bool okAnnuler(const QString& texte) override;
    bool avertissement(const QString& texte) override;
    void message(const QString& texte) override;
    std::optional<QString> fichierAOuvrir(const QString& filtre) override;
    std::optional<QString> fichierAEnregistrer(const QString& filtre,
                                               const QString& nomPropose) override;
    std::optional<QString> saisit(Saisie s, const QString& initial) override;
    std::optional<int> montreListe(const TableListe& table) override;
    std::optional<int> choisit(const QString& titre, const QStringList& entrees) override;
    std::optional<int> listeDocuments(const QString& titre, const QStringList& entrees) override;
    std::optional<std::pair<int, int>> plage(int compte) override;
    std::optional<SaisieMouvement> mouvementStock(MouvementStock sorte, const QString& code,
                                                  const QString& designation,
                                                  const SaisieMouvement& initial) override;
    std::optional<int> trie(DialogueTri d) override;
    void sablier(bool oui) override;
    // Shown in the first panel of the status bar of the window the dialogs belong to.
    void progression(const QString& texte) override;

private:
    bool okAnnulerTitre(const QString& titre, const QString& texte);

    QWidget* m_parent;
};

} // namespace zel::ui
