#pragma once

#include "records/canevas.h"
#include "store/resultat.h"

#include <QPrinter>

#include <functional>
#include <memory>

class QWidget;

namespace zel::ui {

// The one way to print: one printer for the whole run, so that the page set-up lasts from one
// print to the next; every print shown first in a preview, from which the user prints to any
// printer of the system or saves a PDF file.
class Impression {
public:
    using Dessin = std::function<void(Canevas&)>;
    // A print that Qt lays out itself on the printer (rich text).
    using DessinQt = std::function<void(QPrinter&)>;

    Impression();

    QPrinter& imprimante() { return *m_imprimante; }
    // Whether the system has a printer; without one, prints are previewed and saved as PDF.
    static bool imprimanteInstallee();

    // The preview of a print, with its own "Enregistrer en PDF..." beside Qt's commands, its
    // pages in the orientation the print was drawn in; the printer is back in portrait after.
    void apercu(QWidget* parent, const QString& titre, const Dessin& dessin);
    void apercuQt(QWidget* parent, const QString& titre, const DessinQt& dessin);
    // "Configurer imprimante...": the page set-up of the run's printer, or the reason there is
    // none.
    void configure(QWidget* parent);

    // A print drawn into a PDF file, without a window; the message names the file and the
    // cause when it cannot be written.
    static Resultat imprimePdf(const QString& fichier, const Dessin& dessin);
    static Resultat imprimePdfQt(const QString& fichier, const DessinQt& dessin);

private:
    std::unique_ptr<QPrinter> m_imprimante;
};

} // namespace zel::ui
