#include "ui/impression.h"
#include "ui/taide.h"

#include "ui/canevasqt.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QToolBar>
#include <QWidget>

namespace zel::ui {

namespace {

const QString kAucuneImprimante =
    QStringLiteral("Aucune imprimante n'est installée sur ce système : les documents s'impriment "
                   "dans un fichier PDF, depuis l'aperçu avant impression.");

Impression::DessinQt surCanevas(const Impression::Dessin& dessin) {
    return [&dessin](QPrinter& imprimante) {
        CanevasQt canevas(imprimante);
        dessin(canevas);
    };
}

} // namespace

Impression::Impression() : m_imprimante(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_imprimante->setPageSize(QPageSize(QPageSize::A4));
    if (!imprimanteInstallee())
        m_imprimante->setOutputFormat(QPrinter::PdfFormat);
}

bool Impression::imprimanteInstallee() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

void Impression::apercu(QWidget* parent, const QString& titre, const Dessin& dessin) {
    apercuQt(parent, titre, surCanevas(dessin));
}

void Impression::apercuQt(QWidget* parent, const QString& titre, const DessinQt& dessin) {
    QPrintPreviewDialog apercu(m_imprimante.get(), parent);
    apercu.setWindowTitle(titre);
    metSujet(&apercu, Sujet::Imprimer);
    // Room for the whole tool bar, "Enregistrer en PDF..." included.
    if (parent)
        apercu.resize(parent->window()->size() * 0.95);
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&dessin](QPrinter* p) { dessin(*p); });
    if (auto* barre = apercu.findChild<QToolBar*>()) {
        QAction* pdf = barre->addAction(QStringLiteral("Enregistrer en PDF..."));
        QObject::connect(pdf, &QAction::triggered, &apercu, [&apercu, &dessin, &titre] {
            QString nom = QFileDialog::getSaveFileName(
                &apercu, QStringLiteral("Enregistrer en PDF"), titre + QStringLiteral(".pdf"),
                QStringLiteral("Documents PDF (*.pdf)"));
            if (nom.isEmpty())
                return;
            if (!nom.endsWith(u".pdf", Qt::CaseInsensitive))
                nom += QStringLiteral(".pdf");
            if (Resultat r = imprimePdfQt(nom, dessin); !r)
                QMessageBox::warning(&apercu, QStringLiteral("Zel Vente"), r.message());
        });
    }
    apercu.exec();
    m_imprimante->setPageOrientation(QPageLayout::Portrait);
}

void Impression::configure(QWidget* parent) {
    if (!imprimanteInstallee()) {
        QMessageBox::information(parent, QStringLiteral("Zel Vente"), kAucuneImprimante);
        return;
    }
    m_imprimante->setOutputFormat(QPrinter::NativeFormat);
    QPageSetupDialog dialogue(m_imprimante.get(), parent);
    dialogue.exec();
}

Resultat Impression::imprimePdf(const QString& fichier, const Dessin& dessin) {
    return imprimePdfQt(fichier, surCanevas(dessin));
}

Resultat Impression::imprimePdfQt(const QString& fichier, const DessinQt& dessin) {
    // The file is tried first, so that a refusal is told with its cause.
    QFile essai(fichier);
    const bool existait = essai.exists();
    if (!essai.open(QIODevice::WriteOnly | QIODevice::Append))
        return Resultat::echec(QStringLiteral("Impossible d'écrire le fichier %1 :\n%2")
                                   .arg(QDir::toNativeSeparators(fichier), essai.errorString()));
    essai.close();
    if (!existait)
        essai.remove();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setOutputFileName(fichier);
    dessin(imprimante);
    if (!QFileInfo::exists(fichier))
        return Resultat::echec(QStringLiteral("Impossible d'écrire le fichier %1")
                                   .arg(QDir::toNativeSeparators(fichier)));
    return Resultat::succes();
}

} // namespace zel::ui
