#pragma once

#include "store/resultat.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace zel::ui {

// Makes the PDF/A-1b that Qt prints a Factur-X invoice, with qpdf (the library Debian keeps, that
// rewrites a PDF's objects without touching its pages): a PDF/A-3b of version 1.7, `xml`
// embedded as `factur-x.xml` (text/xml) and associated with the document as its alternative
// form, and XMP metadata naming PDF/A part 3, conformance B, and the Factur-X properties (an
// invoice, its file name, version 1.0, conformance level EN 16931) with their extension schema.
// The document information (title, creator, producer, dates) is written again to match the XMP.
Resultat enFacturX(const QByteArray& pdf, const QByteArray& xml, const QString& titre,
                   const QDateTime& date, QByteArray& facturx);

} // namespace zel::ui
