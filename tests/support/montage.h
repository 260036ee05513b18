#pragma once

#include "app/fenetrefiche.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/mesurefixe.h"

#include <map>

namespace zel::test {

// Block n: `fixes` field lines, empty but where given, then the extra lines.
QStringList bloc(int n, int fixes, const std::map<int, QString>& champs,
                 const QStringList& suite = {});

// Types a line of the document shown as the user does: its cells, then Enter.
void tapeLigne(PageDocument& page, int rangee, const char* ref, const char* quantite,
               const char* prix);

// A document set on real files in a temporary folder, with the card window on top of it.
struct Montage {
    Dossier dossier;
    JeuDocuments jeu;
    Reglages reglages;
    DialoguesFactices dialogues;
    MesureFixe mesure;
    FenetreFiche fenetre{jeu, reglages, dialogues, mesure};

    // Every page takes 6 December 2026 as today.
    Montage();
    // The file of a kind, by its extension.
    QString nom(const char* extension = "cli") const;
    // Writes the client file and the given companions, then opens the set.
    void charge(const QStringList& clients, const QStringList& fournisseurs = {},
                const QStringList& articles = {}, const QStringList& factures = {},
                const QStringList& commandes = {});
    // Saves the set and reads back the file of a kind.
    QStringList sauve(const char* extension = "cli");
    QStringList relit(const char* extension) const;
};

} // namespace zel::test
