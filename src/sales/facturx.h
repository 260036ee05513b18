#pragma once

#include "records/dialogues.h"
#include "records/pagedocument.h"
#include "store/blocs.h"
#include "store/resultat.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <optional>

namespace zel {

// A party of an electronic invoice, the seller or the buyer, as the invoice names it.
struct PartieFacture {
    QString nom;
    // The lines before the postal code, three at most.
    QStringList adresse;
    QString codePostal;
    QString ville;
    // Two letters (ISO 3166): "FR".
    QString pays;
    // Nine digits, or empty when not known.
    QString siren;
};

// The two letters of a country named in French on a client card: an empty name and "France" are
// "FR"; the names of the other countries, with or without their accents and capitals, or their
// own two letters. Nothing for a name the table does not know.
std::optional<QString> codePays(const QString& pays);

// The intracommunity VAT number of a French business: "FR", the two digits of its key and its
// SIREN ("FR32123456782").
QString tvaIntracommunautaire(const QString& siren);

// The seller from the company header: its first line is the name; the lines after it up to the
// one that begins with a five-digit postal code are the address, that line gives the code and
// the town. Nothing when no line holds a postal code: `pourquoi` then says what to write.
std::optional<PartieFacture> vendeurDe(const EnteteSociete& entete, const QString& siren,
                                       QString& pourquoi);

// Why a document cannot be an electronic invoice, before anything is asked: the settings
// ("Factures électroniques (EN 16931)" off, or a primary currency other than the euro), or a
// kind other than an invoice or a credit note. Nothing when it can.
std::optional<QString> refusFacturX(const Document& document, const ValeursIni& v);

// The invoice or the credit note on the page as an EN 16931 invoice in the UN/CEFACT Cross
// Industry Invoice syntax (the `factur-x.xml` of a Factur-X PDF), computed from the lines as the
// page computes them in electronic invoice mode: the seller from the company header and the
// settings' SIREN, the buyer from the card of the document's client. Refused with the reason,
// and nothing written, when the document or the settings cannot make one (a quote, a client
// unknown or in a country the table does not know, a line without a designation or a readable
// VAT code, a character XML cannot hold...).
Resultat xmlFacturX(const Document& document, const Reglages& reglages, const Blocs& clients,
                    QByteArray& xml);

} // namespace zel
