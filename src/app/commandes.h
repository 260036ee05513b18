#pragma once

#include "records/dialogues.h"
#include "store/jeudocuments.h"

#include <QString>

namespace zel {

// New, Open, Save, Save as and Quit on the document set, with the save prompt. Each command
// returns true when it went through, so that the main window applies the client enable set
// after New and Open, and closes after Quit.
class CommandesDocument {
public:
    CommandesDocument(JeuDocuments& jeu, Dialogues& dialogues);
    ~CommandesDocument();

    // The main window's copy of the client file's full name; empty for a set never named.
    const QString& documentCourant() const { return m_document; }
    // A set whose lock another program holds, or that cannot be locked, is opened read-only:
    // saving it asks for another name, so that neither program writes over the other's changes.
    bool lectureSeule() const { return m_jeu.lectureSeule(); }

    bool Nouveau();
    bool Ouvrir();
    // Opens the client file named, as Open does once the file is chosen (a file given to the
    // program when it starts).
    bool ouvre(const QString& nom);
    bool Enregistrer();
    bool EnregistrerSous();
    bool Quitter() { return invite(); }
    // Opens the last document at start, without the dialog. A last document gone, or never
    // named, opens nothing and says nothing: its name stays the current one, to be written back
    // to the settings at shutdown.
    bool ouvreAuDemarrage(const QString& nom);

    // The client file's name for a chosen name: its extension, if any, gives way to ".cli".
    static QString avecExtensionCli(const QString& nom);

private:
    // The save prompt; false when the command must stop.
    bool invite();
    bool charge(const QString& nom);
    bool sauve(const QString& nom);
    // Save in place, or under another name when the set has none or is read-only.
    bool enregistre();
    // After "Enregistrer sous...": the message pad follows the set to its new name.
    void emporteMessages(const QString& ancien, const QString& nouveau);

    JeuDocuments& m_jeu;
    Dialogues& m_dialogues;
    QString m_document;
};

} // namespace zel
