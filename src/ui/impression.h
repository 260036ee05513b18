#pragma once

#include "records/canevas.h"
#include "records/sortie.h"
#include "store/resultat.h"

#include <QPrinter>

#include <functional>
#include <memory>

class QPrintPreviewDialog;
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

    // The dialogs that ask where a PDF goes and whether it replaces a file (Qt's own without
    // them), and the folder of the set open, which the PDF's name is proposed in.
    void lieA(Dialogues& dialogues, std::function<QString()> dossierDuJeu);

    QPrinter& imprimante() { return *m_imprimante; }
    // Whether the system has a printer; without one, prints are previewed and saved as PDF.
    static bool imprimanteInstallee();

    // The preview of a print, with its own "Enregistrer en PDF..." beside Qt's commands, its
    // pages in the orientation the print was drawn in; the printer is back in portrait after.
    // A PDF, whether saved from there or printed to a file from the print dialog, is proposed in
    // the set's folder and written through the one writer.
    void apercu(QWidget* parent, const QString& titre, const Dessin& dessin);
    void apercuQt(QWidget* parent, const QString& titre, const DessinQt& dessin);
    // The same with "Enregistrer en Factur-X..." above "Enregistrer en PDF...", which calls
    // `facturX` over the preview.
    void apercu(QWidget* parent, const QString& titre, const Dessin& dessin,
                const std::function<void()>& facturX);
    // "Configurer imprimante...": the page set-up of the run's printer, or the reason there is
    // none.
    void configure(QWidget* parent);

    // A print drawn into a PDF file through the writer given: drawn only once the file may be
    // written, checked whole, then put in place.
    static Enregistrement imprimePdf(Sortie& sortie, const QString& fichier, const Dessin& dessin);
    static Enregistrement imprimePdfQt(Sortie& sortie, const QString& fichier,
                                       const DessinQt& dessin);
    // A print written as a Factur-X invoice: drawn as a PDF/A, then made a PDF/A-3 carrying
    // `xml` (see enFacturX), once the file may be written.
    static Enregistrement imprimeFacturX(Sortie& sortie, const QString& fichier,
                                         const QString& titre, const Dessin& dessin,
                                         const QByteArray& xml);
    // The same into a file that does not exist yet: an existing one is never replaced.
    static Resultat imprimePdf(const QString& fichier, const Dessin& dessin);

private:
    void apercuQt(QWidget* parent, const QString& titre, const DessinQt& dessin,
                  const std::function<void()>& facturX);
    // "Imprimer" of the preview: the print dialog, whose output to a file goes through the
    // writer.
    void imprime(QPrintPreviewDialog& apercu, const QString& titre, const DessinQt& dessin);
    // "Enregistrer en PDF...".
    void enregistrePdf(QWidget* parent, const QString& titre, const DessinQt& dessin);
    QString nomPropose(const QString& titre) const;

    std::unique_ptr<QPrinter> m_imprimante;
    Dialogues* m_dialogues = nullptr;
    std::function<QString()> m_dossierDuJeu;
};

} // namespace zel::ui
