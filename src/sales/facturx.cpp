#include "sales/facturx.h"

#include "clients/pageclients.h"
#include "records/parcours.h"
#include "records/totaux.h"

#include <QXmlStreamWriter>

#include <algorithm>

namespace zel {
namespace {

namespace L = ligneClient;
namespace C = colonne;

const QString kRsm = QStringLiteral("urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100");
const QString kRam = QStringLiteral(
    "urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100");
const QString kUdt = QStringLiteral("urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100");
const QString kQdt = QStringLiteral("urn:un:unece:uncefact:data:standard:QualifiedDataType:100");

// A name compared as people write it: without accents, capitals, blanks around, hyphens or
// apostrophes ("Etats-Unis", "états unis").
QString sansAccents(const QString& texte) {
    QString t;
    for (const QChar c : texte.normalized(QString::NormalizationForm_D)) {
        if (c.isLetter())
            t += c.toLower();
        else if (c.isSpace() || c == u'-' || c == u'\'' || c == u'\u2019')
            t += u' ';
    }
    return t.simplified();
}

struct Pays {
    const char* nom;
    const char* code;
};

// The countries a small French business sells to, by their French names.
constexpr Pays kPays[] = {
    {"france", "FR"},
    {"allemagne", "DE"},
    {"andorre", "AD"},
    {"autriche", "AT"},
    {"belgique", "BE"},
    {"bulgarie", "BG"},
    {"canada", "CA"},
    {"chine", "CN"},
    {"chypre", "CY"},
    {"croatie", "HR"},
    {"danemark", "DK"},
    {"espagne", "ES"},
    {"estonie", "EE"},
    {"etats unis", "US"},
    {"finlande", "FI"},
    {"grece", "GR"},
    {"hongrie", "HU"},
    {"irlande", "IE"},
    {"islande", "IS"},
    {"italie", "IT"},
    {"japon", "JP"},
    {"lettonie", "LV"},
    {"liechtenstein", "LI"},
    {"lituanie", "LT"},
    {"luxembourg", "LU"},
    {"malte", "MT"},
    {"maroc", "MA"},
    {"monaco", "MC"},
    {"norvege", "NO"},
    {"pays bas", "NL"},
    {"pologne", "PL"},
    {"portugal", "PT"},
    {"republique tcheque", "CZ"},
    {"tchequie", "CZ"},
    {"roumanie", "RO"},
    {"royaume uni", "GB"},
    {"slovaquie", "SK"},
    {"slovenie", "SI"},
    {"suede", "SE"},
    {"suisse", "CH"},
    {"algerie", "DZ"},
    {"tunisie", "TN"},
    {"senegal", "SN"},
    {"cote d ivoire", "CI"},
    {"turquie", "TR"},
    {"ukraine", "UA"},
    {"bresil", "BR"},
    {"australie", "AU"},
    {"inde", "IN"},
    {"israel", "IL"},
    {"liban", "LB"},
    {"mexique", "MX"},
    {"argentine", "AR"},
    {"chili", "CL"},
    {"coree du sud", "KR"},
    {"singapour", "SG"},
    {"afrique du sud", "ZA"},
    {"egypte", "EG"},
    {"cameroun", "CM"},
    {"madagascar", "MG"},
    {"maurice", "MU"},
    {"nouvelle zelande", "NZ"},
    {"serbie", "RS"},
};

// An amount in cents as XML writes it, with its two decimals: "-12.05".
QString centimes(qint64 c) {
    const quint64 a = c < 0 ? 0 - quint64(c) : quint64(c);
    return QStringLiteral("%1%2.%3")
        .arg(c < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
}

// Whether XML 1.0 can hold every character of a text.
qsizetype premierInterdit(const QString& texte) {
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        const bool ok = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                        (c >= 0xE000 && c <= 0xFFFD) ||
                        (QChar::isHighSurrogate(c) && i + 1 < texte.size() &&
                         QChar::isLowSurrogate(texte[i + 1].unicode()) && ++i);
        if (!ok)
            return i;
    }
    return -1;
}

// The CII writer: elements of the "ram" namespace, every text checked before it is written; the
// first text XML cannot hold stops the invoice.
class Ecrivain {
public:
    explicit Ecrivain(QByteArray& xml) : m_xml(&xml) {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(1);
    }
    QXmlStreamWriter& xml() { return m_xml; }
    const QString& refus() const { return m_refus; }

    void ouvre(const QString& nom) { m_xml.writeStartElement(kRam, nom); }
    void ferme() { m_xml.writeEndElement(); }
    // <ram:nom attribut="valeur">texte</ram:nom>; `champ` names the text in a refusal.
    void texte(const QString& nom, const QString& texte, const QString& champ = {},
               const QString& attribut = {}, const QString& valeur = {}) {
        if (const qsizetype i = premierInterdit(texte); i >= 0 && m_refus.isEmpty())
            m_refus = QStringLiteral("%1 « %2 » contient un caractère qu'une facture électronique "
                                     "ne peut pas porter (U+%3) : corrigez-le.")
                          .arg(champ, texte,
                               QString::number(texte[i].unicode(), 16).rightJustified(4, u'0'));
        m_xml.writeStartElement(kRam, nom);
        if (!attribut.isEmpty())
            m_xml.writeAttribute(attribut, valeur);
        m_xml.writeCharacters(texte);
        m_xml.writeEndElement();
    }
    void id(const QString& texte, const QString& schema, const QString& champ = {}) {
        this->texte(QStringLiteral("ID"), texte, champ, QStringLiteral("schemeID"), schema);
    }
    void partie(const QString& role, const PartieFacture& p, const QString& quoi) {
        ouvre(role);
        texte(QStringLiteral("Name"), p.nom, quoi);
        if (!p.siren.isEmpty()) {
            ouvre(QStringLiteral("SpecifiedLegalOrganization"));
            // 0002: the SIREN in the ISO 6523 list of identifier schemes.
            id(p.siren, QStringLiteral("0002"));
            ferme();
        }
        ouvre(QStringLiteral("PostalTradeAddress"));
        texte(QStringLiteral("PostcodeCode"), p.codePostal, quoi);
        const QString lignes[] = {QStringLiteral("LineOne"), QStringLiteral("LineTwo"),
                                  QStringLiteral("LineThree")};
        for (qsizetype i = 0; i < std::min<qsizetype>(p.adresse.size(), 3); ++i)
            texte(lignes[i], p.adresse[i], quoi);
        texte(QStringLiteral("CityName"), p.ville, quoi);
        texte(QStringLiteral("CountryID"), p.pays);
        ferme();
        if (role == u"SellerTradeParty" && !p.siren.isEmpty()) {
            ouvre(QStringLiteral("SpecifiedTaxRegistration"));
            id(tvaIntracommunautaire(p.siren), QStringLiteral("VA"));
            ferme();
        }
        ferme();
    }

private:
    QXmlStreamWriter m_xml;
    QString m_refus;
};

// "S" (standard rate) for a rate above zero, "E" (exempt) for 0 %.
QString categorie(const Decimal& taux) {
    return taux.unites > 0 ? QStringLiteral("S") : QStringLiteral("E");
}

const QString kExoneration = QStringLiteral("Exonération de TVA");

// The net price of one unit before tax, and the gross price before the discount, to four
// decimals: in prices including tax, both are taken back before tax at the line's rate.
struct PrixUnitaire {
    Decimal brut;
    Decimal net;
};

std::optional<PrixUnitaire> prixUnitaire(const LigneEn16931& l, const Decimal& taux, bool ttc) {
    constexpr int kDecimalesPrix = 4;
    const Decimal prix{l.prix.unites < 0 ? -l.prix.unites : l.prix.unites, l.prix.decimales};
    const std::optional<Decimal> reste = Decimal{100, 0} - l.remise;
    const std::optional<Decimal> diviseur =
        ttc ? Decimal{100, 0} + taux : std::optional<Decimal>(Decimal{100, 0});
    const std::optional<Decimal> cent = prix * Decimal{100, 0};
    const std::optional<Decimal> remise = reste ? prix * *reste : std::nullopt;
    if (!diviseur || !cent || !remise)
        return std::nullopt;
    const std::optional<Decimal> brut = quotient(*cent, *diviseur, kDecimalesPrix);
    const std::optional<Decimal> net = quotient(*remise, *diviseur, kDecimalesPrix);
    if (!brut || !net)
        return std::nullopt;
    return PrixUnitaire{*brut, *net};
}

// The letter of a document's kind: F an invoice, A a credit note, D a quote.
QChar lettreFacturX(const Document& d) {
    const QString genre = d.genre.trimmed();
    return genre.isEmpty() ? QChar() : genre[0].toUpper();
}

} // namespace

std::optional<QString> codePays(const QString& pays) {
    const QString cle = sansAccents(pays);
    if (cle.isEmpty())
        return QStringLiteral("FR");
    for (const Pays& p : kPays) {
        if (cle == QLatin1String(p.nom) || cle == QString::fromLatin1(p.code).toLower())
            return QString::fromLatin1(p.code);
    }
    return std::nullopt;
}

QString tvaIntracommunautaire(const QString& siren) {
    const int cle = int((12 + 3 * (siren.toLongLong() % 97)) % 97);
    return QStringLiteral("FR%1%2").arg(cle, 2, 10, QLatin1Char('0')).arg(siren);
}

std::optional<PartieFacture> vendeurDe(const EnteteSociete& entete, const QString& siren,
                                       QString& pourquoi) {
    PartieFacture p;
    p.nom = entete[0].trimmed();
    p.pays = QStringLiteral("FR");
    p.siren = siren;
    for (std::size_t i = 1; i < entete.size(); ++i) {
        const QString ligne = entete[i].trimmed();
        const bool code = ligne.size() > 6 && ligne[5] == u' ' &&
                          std::all_of(ligne.begin(), ligne.begin() + 5,
                                      [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (code) {
            p.codePostal = ligne.left(5);
            p.ville = ligne.mid(6).trimmed();
            if (!p.nom.isEmpty())
                return p;
            break;
        }
        if (!ligne.isEmpty())
            p.adresse.append(ligne);
    }
    pourquoi = QStringLiteral(
        "L'en-tête de la société (menu Paramètres, Société) doit donner le nom de l'entreprise "
        "sur sa première ligne, puis son adresse et, sur une ligne qui commence par lui, son code "
        "postal suivi de la ville (par exemple « 69003 Lyon »).");
    return std::nullopt;
}

std::optional<QString> refusFacturX(const Document& d, const ValeursIni& v) {
    if (!v.facturesElectroniques)
        return QStringLiteral("Une facture électronique se calcule au centime : cochez « Factures "
                              "électroniques (EN 16931) » dans Paramètres, Facture.");
    if (v.modeDevise != 1)
        return QStringLiteral("Une facture électronique est en euros : choisissez la devise "
                              "« Euro » dans Paramètres, Facture.");
    const QChar lettre = lettreFacturX(d);
    if (lettre == u'D')
        return QStringLiteral("Un devis n'est pas une facture");
    if (lettre != u'F' && lettre != u'A')
        return QStringLiteral("« %1 » n'est ni une facture ni un avoir.").arg(d.genre.trimmed());
    return std::nullopt;
}

Resultat xmlFacturX(const Document& d, const Reglages& reglages, const Blocs& clients,
                    QByteArray& xml) {
    const ValeursIni& v = reglages.ini;
    if (const std::optional<QString> refus = refusFacturX(d, v))
        return Resultat::echec(*refus);
    const QString numero = d.numero.trimmed();
    if (numero.isEmpty() || !d.date.isValid())
        return Resultat::echec(
            QStringLiteral("Une facture électronique porte un numéro et une date : donnez-les."));
    if (v.siren.isEmpty())
        return Resultat::echec(QStringLiteral("Le numéro SIREN de l'entreprise n'est pas dans "
                                              "les réglages."));
    QString pourquoi;
    const std::optional<PartieFacture> vendeur = vendeurDe(reglages.entete, v.siren, pourquoi);
    if (!vendeur)
        return Resultat::echec(pourquoi);

    const int ouverture = chercheCode(clients, d.tiers);
    if (d.tiers.trimmed().isEmpty() || ouverture < 0)
        return Resultat::echec(QStringLiteral("Aucun client n'a le code %1 : donnez le code "
                                              "client du document.")
                                   .arg(d.tiers.trimmed()));
    const auto champ = [&](int ligne) {
        return ligneApres(clients, ouverture, ligne).trimmed().toString();
    };
    PartieFacture acheteur;
    acheteur.nom = champ(L::Nom);
    for (const int l : {L::Adresse1, L::Adresse2}) {
        if (!champ(l).isEmpty())
            acheteur.adresse.append(champ(l));
    }
    acheteur.codePostal = champ(L::CodePostal);
    acheteur.ville = champ(L::Ville);
    acheteur.siren = sirenClient(clients, ouverture);
    const std::optional<QString> pays = codePays(champ(L::Pays));
    if (!pays)
        return Resultat::echec(
            QStringLiteral("Le pays « %1 » du client %2 est inconnu : écrivez-le en français "
                           "(Belgique, Suisse, Allemagne...) ou par ses deux lettres (BE, CH, "
                           "DE...).")
                .arg(champ(L::Pays), d.tiers.trimmed()));
    acheteur.pays = *pays;
    if (acheteur.nom.isEmpty())
        return Resultat::echec(
            QStringLiteral("Le client %1 n'a pas de nom.").arg(d.tiers.trimmed()));

    // The rows printed: a document read counts the row after its last line, even past the grid.
    const std::vector<LigneDocument> lignes(
        d.lignes.begin(),
        d.lignes.begin() +
            std::clamp<std::ptrdiff_t>(d.lignesUtilisees, 0, std::ptrdiff_t(d.lignes.size())));
    const CalculEn16931 calcul = calculEn16931(lignes, d.ttc, v);
    if (!calcul.depassement.isEmpty())
        return Resultat::echec(calcul.depassement);
    if (calcul.lignes.empty())
        return Resultat::echec(QStringLiteral("Une facture électronique a au moins une ligne."));
    for (const TauxEn16931& t : calcul.taux) {
        if (t.lignes > 0 && t.taux.unites < 0)
            return Resultat::echec(
                QStringLiteral("Un taux de TVA négatif (%1 %) ne peut pas aller sur une facture "
                               "électronique.")
                    .arg(t.taux.ecrit()));
    }

    QByteArray octets;
    Ecrivain e(octets);
    QXmlStreamWriter& x = e.xml();
    x.writeStartDocument();
    x.writeNamespace(kRsm, QStringLiteral("rsm"));
    x.writeNamespace(kQdt, QStringLiteral("qdt"));
    x.writeNamespace(kRam, QStringLiteral("ram"));
    x.writeNamespace(kUdt, QStringLiteral("udt"));
    x.writeStartElement(kRsm, QStringLiteral("CrossIndustryInvoice"));

    x.writeStartElement(kRsm, QStringLiteral("ExchangedDocumentContext"));
    e.ouvre(QStringLiteral("GuidelineSpecifiedDocumentContextParameter"));
    e.texte(QStringLiteral("ID"), QStringLiteral("urn:cen.eu:en16931:2017"));
    e.ferme();
    x.writeEndElement();

    x.writeStartElement(kRsm, QStringLiteral("ExchangedDocument"));
    e.texte(QStringLiteral("ID"), numero, QStringLiteral("Le numéro"));
    e.texte(QStringLiteral("TypeCode"),
            lettreFacturX(d) == u'A' ? QStringLiteral("381") : QStringLiteral("380"));
    e.ouvre(QStringLiteral("IssueDateTime"));
    x.writeStartElement(kUdt, QStringLiteral("DateTimeString"));
    x.writeAttribute(QStringLiteral("format"), QStringLiteral("102"));
    x.writeCharacters(d.date.toString(QStringLiteral("yyyyMMdd")));
    x.writeEndElement();
    e.ferme();
    QStringList notes = d.notes;
    while (!notes.isEmpty() && notes.last().trimmed().isEmpty())
        notes.removeLast();
    if (!notes.isEmpty()) {
        e.ouvre(QStringLiteral("IncludedNote"));
        e.texte(QStringLiteral("Content"), notes.join(u'\n'), QStringLiteral("La note"));
        e.ferme();
    }
    x.writeEndElement();

    x.writeStartElement(kRsm, QStringLiteral("SupplyChainTradeTransaction"));
    for (const LigneEn16931& l : calcul.lignes) {
        const LigneDocument& cellules = lignes[std::size_t(l.rangee - 1)];
        const QString ref = cellules[C::Ref].trimmed();
        const QString designation = cellules[C::Designation].trimmed();
        if (l.code == 0)
            return Resultat::echec(
                QStringLiteral("La ligne %1 n'a pas de code TVA lisible (1, 2 ou 3) : "
                               "corrigez-la.")
                    .arg(l.rangee));
        if (designation.isEmpty() && ref.isEmpty())
            return Resultat::echec(
                QStringLiteral("La ligne %1 n'a ni référence ni désignation : donnez-lui en une.")
                    .arg(l.rangee));
        const TauxEn16931& taux = calcul.tauxDuCode(l.code);
        const std::optional<PrixUnitaire> prix = prixUnitaire(l, taux.taux, d.ttc);
        if (!prix)
            return Resultat::echec(depasse(QStringLiteral("Prix Unitaire"),
                                           QStringLiteral(" de la ligne %1").arg(l.rangee)));
        const QString quoi = QStringLiteral("La ligne %1").arg(l.rangee);
        e.ouvre(QStringLiteral("IncludedSupplyChainTradeLineItem"));
        e.ouvre(QStringLiteral("AssociatedDocumentLineDocument"));
        e.texte(QStringLiteral("LineID"), QString::number(l.rangee));
        e.ferme();
        e.ouvre(QStringLiteral("SpecifiedTradeProduct"));
        if (!ref.isEmpty())
            e.texte(QStringLiteral("SellerAssignedID"), ref, quoi);
        e.texte(QStringLiteral("Name"), designation.isEmpty() ? ref : designation, quoi);
        e.ferme();
        e.ouvre(QStringLiteral("SpecifiedLineTradeAgreement"));
        e.ouvre(QStringLiteral("GrossPriceProductTradePrice"));
        e.texte(QStringLiteral("ChargeAmount"), prix->brut.ecrit());
        if (!prix->brut.vaut(prix->net)) {
            e.ouvre(QStringLiteral("AppliedTradeAllowanceCharge"));
            e.ouvre(QStringLiteral("ChargeIndicator"));
            x.writeTextElement(kUdt, QStringLiteral("Indicator"), QStringLiteral("false"));
            e.ferme();
            e.texte(QStringLiteral("ActualAmount"), (prix->brut - prix->net)->ecrit());
            e.ferme();
        }
        e.ferme();
        e.ouvre(QStringLiteral("NetPriceProductTradePrice"));
        e.texte(QStringLiteral("ChargeAmount"), prix->net.ecrit());
        e.ferme();
        e.ferme();
        e.ouvre(QStringLiteral("SpecifiedLineTradeDelivery"));
        // A negative price is a negative quantity at a positive price.
        const Decimal quantite =
            l.prix.unites < 0 ? Decimal{-l.quantite.unites, l.quantite.decimales} : l.quantite;
        // C62: "one", a unit.
        e.texte(QStringLiteral("BilledQuantity"), quantite.ecrit(), {}, QStringLiteral("unitCode"),
                QStringLiteral("C62"));
        e.ferme();
        e.ouvre(QStringLiteral("SpecifiedLineTradeSettlement"));
        e.ouvre(QStringLiteral("ApplicableTradeTax"));
        e.texte(QStringLiteral("TypeCode"), QStringLiteral("VAT"));
        e.texte(QStringLiteral("CategoryCode"), categorie(taux.taux));
        e.texte(QStringLiteral("RateApplicablePercent"), taux.taux.ecrit());
        e.ferme();
        e.ouvre(QStringLiteral("SpecifiedTradeSettlementLineMonetarySummation"));
        e.texte(QStringLiteral("LineTotalAmount"), centimes(l.ht));
        e.ferme();
        e.ferme();
        e.ferme();
    }

    e.ouvre(QStringLiteral("ApplicableHeaderTradeAgreement"));
    e.partie(QStringLiteral("SellerTradeParty"), *vendeur,
             QStringLiteral("L'en-tête de la société :"));
    e.partie(QStringLiteral("BuyerTradeParty"), acheteur,
             QStringLiteral("Le client %1 :").arg(d.tiers.trimmed()));
    e.ferme();
    e.ouvre(QStringLiteral("ApplicableHeaderTradeDelivery"));
    e.ferme();

    e.ouvre(QStringLiteral("ApplicableHeaderTradeSettlement"));
    e.texte(QStringLiteral("InvoiceCurrencyCode"), QStringLiteral("EUR"));
    for (const TauxEn16931& t : calcul.taux) {
        if (t.lignes == 0)
            continue;
        e.ouvre(QStringLiteral("ApplicableTradeTax"));
        e.texte(QStringLiteral("CalculatedAmount"), centimes(t.tva));
        e.texte(QStringLiteral("TypeCode"), QStringLiteral("VAT"));
        if (t.taux.unites == 0)
            e.texte(QStringLiteral("ExemptionReason"), kExoneration);
        e.texte(QStringLiteral("BasisAmount"), centimes(t.base));
        e.texte(QStringLiteral("CategoryCode"), categorie(t.taux));
        e.texte(QStringLiteral("RateApplicablePercent"), t.taux.ecrit());
        e.ferme();
    }
    if (!d.conditions.trimmed().isEmpty()) {
        e.ouvre(QStringLiteral("SpecifiedTradePaymentTerms"));
        e.texte(QStringLiteral("Description"), d.conditions.trimmed(),
                QStringLiteral("Les conditions de règlement"));
        e.ferme();
    }
    e.ouvre(QStringLiteral("SpecifiedTradeSettlementHeaderMonetarySummation"));
    e.texte(QStringLiteral("LineTotalAmount"), centimes(calcul.ht));
    e.texte(QStringLiteral("TaxBasisTotalAmount"), centimes(calcul.ht));
    e.texte(QStringLiteral("TaxTotalAmount"), centimes(calcul.tva), {},
            QStringLiteral("currencyID"), QStringLiteral("EUR"));
    e.texte(QStringLiteral("GrandTotalAmount"), centimes(calcul.ttc));
    e.texte(QStringLiteral("DuePayableAmount"), centimes(calcul.ttc));
    e.ferme();
    e.ferme();

    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    if (!e.refus().isEmpty())
        return Resultat::echec(e.refus());
    xml = octets;
    return Resultat::succes();
}

} // namespace zel
