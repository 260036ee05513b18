#include "ui/facturxpdf.h"

// qpdf's own smart pointer is left out: this code uses std::shared_ptr.
#define POINTERHOLDER_TRANSITION 4

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace zel::ui {
namespace {

const QString kCreateur = QStringLiteral("Zel Vente");
const QString kProducteur = QStringLiteral("Zel Vente (Qt, qpdf)");

std::string utf8(const QString& texte) {
    return texte.toStdString();
}

// The Factur-X properties and the description of their schema, which PDF/A asks for any schema
// it does not know.
QString xmp(const QString& titre, const QString& date) {
    const QString propriete =
        QStringLiteral("      <rdf:li rdf:parseType=\"Resource\">\n"
                       "       <pdfaProperty:name>%1</pdfaProperty:name>\n"
                       "       <pdfaProperty:valueType>Text</pdfaProperty:valueType>\n"
                       "       <pdfaProperty:category>external</pdfaProperty:category>\n"
                       "       <pdfaProperty:description>%2</pdfaProperty:description>\n"
                       "      </rdf:li>\n");
    return QStringLiteral(
               "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
               "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
               " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
               "  <rdf:Description rdf:about=\"\" "
               "xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
               "   <pdfaid:part>3</pdfaid:part>\n"
               "   <pdfaid:conformance>B</pdfaid:conformance>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
               "   <dc:format>application/pdf</dc:format>\n"
               "   <dc:title><rdf:Alt><rdf:li "
               "xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
               "   <pdf:Producer>%2</pdf:Producer>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
               "   <xmp:CreatorTool>%3</xmp:CreatorTool>\n"
               "   <xmp:CreateDate>%4</xmp:CreateDate>\n"
               "   <xmp:ModifyDate>%4</xmp:ModifyDate>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" "
               "xmlns:fx=\"urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#\">\n"
               "   <fx:DocumentType>INVOICE</fx:DocumentType>\n"
               "   <fx:DocumentFileName>factur-x.xml</fx:DocumentFileName>\n"
               "   <fx:Version>1.0</fx:Version>\n"
               "   <fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" "
               "xmlns:pdfaExtension=\"http://www.aiim.org/pdfa/ns/extension/\" "
               "xmlns:pdfaSchema=\"http://www.aiim.org/pdfa/ns/schema#\" "
               "xmlns:pdfaProperty=\"http://www.aiim.org/pdfa/ns/property#\">\n"
               "   <pdfaExtension:schemas>\n"
               "    <rdf:Bag>\n"
               "     <rdf:li rdf:parseType=\"Resource\">\n"
               "      <pdfaSchema:schema>Factur-X PDFA Extension Schema</pdfaSchema:schema>\n"
               "      <pdfaSchema:namespaceURI>urn:factur-x:pdfa:CrossIndustryDocument:invoice:"
               "1p0#</pdfaSchema:namespaceURI>\n"
               "      <pdfaSchema:prefix>fx</pdfaSchema:prefix>\n"
               "      <pdfaSchema:property>\n"
               "       <rdf:Seq>\n"
               "%5"
               "       </rdf:Seq>\n"
               "      </pdfaSchema:property>\n"
               "     </rdf:li>\n"
               "    </rdf:Bag>\n"
               "   </pdfaExtension:schemas>\n"
               "  </rdf:Description>\n"
               " </rdf:RDF>\n"
               "</x:xmpmeta>\n"
               "<?xpacket end=\"w\"?>")
        .arg(titre.toHtmlEscaped(), kProducteur, kCreateur, date,
             propriete.arg(QStringLiteral("DocumentFileName"),
                           QStringLiteral("The name of the embedded XML document")) +
                 propriete.arg(QStringLiteral("DocumentType"),
                               QStringLiteral("The type of the hybrid document in capital "
                                              "letters, e.g. INVOICE or ORDER")) +
                 propriete.arg(QStringLiteral("Version"),
                               QStringLiteral("The actual version of the standard applying to "
                                              "the embedded XML document")) +
                 propriete.arg(QStringLiteral("ConformanceLevel"),
                               QStringLiteral("The conformance level of the embedded XML "
                                              "document")));
}

} // namespace

Resultat enFacturX(const QByteArray& pdf, const QByteArray& xml, const QString& titre,
                   const QDateTime& date, QByteArray& facturx) {
    const QDateTime utc = date.toUTC();
    // The same instant in the PDF's form and in the XMP's.
    const std::string datePdf = utf8(utc.toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")));
    const QString dateXmp = utc.toString(Qt::ISODate);
    try {
        QPDF q;
        q.setSuppressWarnings(true);
        q.processMemoryFile("facture.pdf", pdf.constData(), std::size_t(pdf.size()));
        QPDFObjectHandle racine = q.getRoot();

        QPDFEFStreamObjectHelper flux = QPDFEFStreamObjectHelper::createEFStream(
            q, std::string(xml.constData(), std::size_t(xml.size())));
        flux.setSubtype("text/xml").setCreationDate(datePdf).setModDate(datePdf);
        QPDFFileSpecObjectHelper fichier =
            QPDFFileSpecObjectHelper::createFileSpec(q, "factur-x.xml", flux);
        fichier.setDescription("Factur-X");
        QPDFObjectHandle joint = fichier.getObjectHandle();
        // The structured invoice is the same invoice in another form.
        joint.replaceKey("/AFRelationship", QPDFObjectHandle::newName("/Alternative"));
        QPDFEmbeddedFileDocumentHelper(q).replaceEmbeddedFile("factur-x.xml", fichier);
        racine.replaceKey("/AF", QPDFObjectHandle::newArray({joint}));

        QPDFObjectHandle metadonnees = q.newStream(utf8(xmp(titre, dateXmp)));
        metadonnees.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
        metadonnees.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
        racine.replaceKey("/Metadata", metadonnees);

        QPDFObjectHandle info = q.makeIndirectObject(QPDFObjectHandle::newDictionary());
        info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(utf8(titre)));
        info.replaceKey("/Creator", QPDFObjectHandle::newUnicodeString(utf8(kCreateur)));
        info.replaceKey("/Producer", QPDFObjectHandle::newUnicodeString(utf8(kProducteur)));
        info.replaceKey("/CreationDate", QPDFObjectHandle::newString(datePdf));
        info.replaceKey("/ModDate", QPDFObjectHandle::newString(datePdf));
        q.getTrailer().replaceKey("/Info", info);

        QPDFWriter ecrivain(q);
        ecrivain.setOutputMemory();
        ecrivain.forcePDFVersion("1.7");
        // Each object on its own, as every PDF/A reader expects; the metadata stays readable.
        ecrivain.setObjectStreamMode(qpdf_o_disable);
        ecrivain.write();
        const std::shared_ptr<Buffer> octets = ecrivain.getBufferSharedPointer();
        facturx = QByteArray(reinterpret_cast<const char*>(octets->getBuffer()),
                             qsizetype(octets->getSize()));
    } catch (const std::exception& e) {
        return Resultat::echec(
            QStringLiteral("la facture électronique n'a pas pu être composée : %1")
                .arg(QString::fromLocal8Bit(e.what())));
    }
    return Resultat::succes();
}

} // namespace zel::ui
