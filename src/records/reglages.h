#pragma once

#include "records/dialogues.h"
#include "store/resultat.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zel {

// The three small files kept beside the program: the settings file, the company header and the
// option lists of the drop-downs.
inline const QString kFichierIni = QStringLiteral("ZelVente.ini");
inline const QString kFichierSoc = QStringLiteral("ZelVente.soc");
inline const QString kFichierCbx = QStringLiteral("ZelVente.cbx");

// The values of the settings file, in the order of its 20 lines. Without the file (a first
// start) amounts are in euros and the first VAT rate is today's 20 %; a file is read as it is.
struct ValeursIni {
    double tauxEuro = 6.55957;              // 1: francs per euro
    QString reserve2 = QStringLiteral("0"); // 2: kept as read
    QString dernierDocument;                // 3: client file open at shutdown
    int ouvertureAuto = 0;                  // 4: 1 opens the last document at start
    int miseEnPage = 0;                     // 5: 0 frame and header, 1 frame only, else neither
    int orientationEnveloppe = 0;           // 6: 0 portrait, 1 landscape
    int decalageGuide = 0;                  // 7: envelope guide offset in millimetres
    std::array<QString, 4> reserves8a11{QStringLiteral("0"), QStringLiteral("0"),
                                        QStringLiteral("0"), QStringLiteral("0")};
    int modeSelectionClient = 0;                   // 12
    QString cleCodePostal;                         // 13
    QString cleVille;                              // 14
    std::array<double, 3> tauxTva{20.0, 0.0, 5.5}; // 15 to 17: VAT of the codes 1, 2 and 3
    int modeDevise = 1;                            // 18: 0 francs, 1 euros, 2 other currency
    int decimales = 2;                             // 19: 0, 1 or 2
    QString nomDevise;                             // 20: the other currency's name
    // 21, written only once known: the company's SIREN, nine digits, named in the file of its
    // accounting entries.
    QString siren;
    // 22, written only when on ("1", line 21 then written even empty): every document is
    // computed as an electronic invoice is (EN 16931), with two decimals.
    bool facturesElectroniques = false;

    bool operator==(const ValeursIni&) const = default;
};

// The lists offered in the drop-downs, in the order of the file's sections.
struct ListesChoix {
    QStringList representants;
    QStringList reglements;
    QStringList banques;
    QStringList famillesFournisseurs;
    QStringList famillesArticles;

    bool operator==(const ListesChoix&) const = default;
};

inline constexpr int kLignesEntete = 7;
using EnteteSociete = std::array<QString, kLignesEntete>;

// What GetIni gives to the main window at start.
struct DemarrageIni {
    bool ouvertureAuto = false;
    QString document;
    int modeSelection = 0;
};

// A real as the settings file writes it: 23 characters, blank or minus sign, one digit, a point,
// 14 digits, E, the exponent's sign and four digits (6.55957 gives " 6.55957000000000E+0000").
QString formateReel(double valeur);

// Whether prices can be taken out of a VAT rate: its factor 1 + rate / 100 is above zero, so a
// rate of -100 % or below is refused wherever it comes from.
bool tauxTvaAccepte(double taux);

// A SIREN as typed, blanks allowed between its digits: its nine digits, or nothing when they are
// not nine or their last, the check digit, does not match the others (Luhn's key).
std::optional<QString> litSiren(const QString& texte);
// What is told of a text that is not a SIREN.
QString refusSiren(const QString& texte);
class Reglages;
// The company's SIREN, asked with that dialog until one is typed when the settings have none,
// and kept in them (a text that is not a SIREN is told and asked again); false when the user
// cancels.
bool demandeSiren(Dialogues& dialogues, Reglages& reglages, Saisie saisie);

// The amount pattern of a number of decimals ("#", "0.0" or "0.00"), or nothing for another
// number, which leaves the pattern as it was.
std::optional<QString> formatPourDecimales(int decimales);

// The settings, company header and option lists, with their files. Each file is read whole; a
// missing file leaves the values as they are (the defaults at start) and is created when the
// values are saved at shutdown.
class Reglages {
public:
    ValeursIni ini;
    EnteteSociete entete;
    ListesChoix listes;
    // The amount pattern every amount is shown with, set from the decimals.
    QString formatMontant = QStringLiteral("0.00");

    // Reads the settings file of the folder. A numeric line that is not a number, or a value
    // out of its range, is told and keeps its value (or takes its default); every other line is
    // still read, and the file is kept as it was before the closing writes over it. A file that
    // ends early is told. Afterwards the amount pattern follows the decimals and the last
    // document is forgotten unless auto-open is on.
    Resultat ChargeIni(const QString& dossier);
    Resultat SauveIni(const QString& dossier, const QString& document) const;
    DemarrageIni GetIni() const;
    void SetIni(bool ouvertureAuto) { ini.ouvertureAuto = ouvertureAuto ? 1 : 0; }

    Resultat ChargeSoc(const QString& dossier);
    Resultat SauveSoc(const QString& dossier) const;

    Resultat ChargeCombo(const QString& dossier);
    Resultat SauveCombo(const QString& dossier) const;

    // Loads the three files once: later calls change nothing, so values changed in memory since
    // start are never lost to a reload. Gives the messages of the files that could not be read.
    QStringList chargeAuDemarrage(const QString& dossier);
    // Writes the three files at shutdown, keeping first a settings file that had to be corrected
    // ("ZelVente.ini.original"); gives the messages of the files not written.
    QStringList sauveALaFin(const QString& dossier, const QString& document);

    // The same readers on lines already in memory (files and fuzzing share them).
    Resultat litIni(const QStringList& lignes);
    QStringList lignesIni(const QString& document) const;
    void litSoc(const QStringList& lignes);
    QStringList lignesSoc() const;
    void litCombo(const QStringList& lignes);
    QStringList lignesCombo() const;

private:
    bool m_charge = false;
    // The settings file read did not read back as it was written: it is kept before the closing
    // rewrites it.
    bool m_iniCorrige = false;
};

} // namespace zel
