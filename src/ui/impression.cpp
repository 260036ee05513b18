#include "ui/impression.h"
#include "ui/taide.h"

#include "ui/canevasqt.h"
#include "ui/dialoguesqt.h"
#include "ui/facturxpdf.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QStorageInfo>
#include <QTemporaryFile>
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

// The printer writes only to a named file: the print is drawn into a temporary one, then read
// back whole. A PDF cut short (a full temporary folder) is a failure, never a document.
Resultat dessinePdf(const Impression::DessinQt& dessin, QByteArray& octets,
                    QPagedPaintDevice::PdfVersion version = QPagedPaintDevice::PdfVersion_1_4) {
    QTemporaryFile temporaire(QDir::temp().filePath(QStringLiteral("zelvente-XXXXXX.pdf")));
    if (!temporaire.open())
        return Resultat::echec(
            QStringLiteral("l'impression ne peut pas être préparée dans le dossier temporaire %1")
                .arg(QDir::toNativeSeparators(QDir::tempPath())));
    {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setPdfVersion(version);
        imprimante.setPageSize(QPageSize(QPageSize::A4));
        imprimante.setOutputFileName(temporaire.fileName());
        dessin(imprimante);
    }
    octets = temporaire.readAll();
    if (octets.startsWith("%PDF-") && octets.right(64).contains("%%EOF"))
        return Resultat::succes();
    constexpr qint64 kPlaceMini = 1 << 20;
    return Resultat::echec(QStorageInfo(QDir::tempPath()).bytesAvailable() < kPlaceMini
                               ? QStringLiteral("le disque du dossier temporaire %1 est plein")
                                     .arg(QDir::toNativeSeparators(QDir::tempPath()))
                               : QStringLiteral("l'impression n'a pas pu être écrite en entier"));
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

void Impression::lieA(Dialogues& dialogues, std::function<QString()> dossierDuJeu) {
    m_dialogues = &dialogues;
    m_dossierDuJeu = std::move(dossierDuJeu);
}

QString Impression::nomPropose(const QString& titre) const {
    QString nom = titre + QStringLiteral(".pdf");
    nom.replace(u'/', u'-');
    const QString dossier = m_dossierDuJeu ? m_dossierDuJeu() : QString();
    return dossier.isEmpty() ? nom : QDir(dossier).filePath(nom);
}

void Impression::apercuQt(QWidget* parent, const QString& titre, const DessinQt& dessin) {
    apercuQt(parent, titre, dessin, {});
}

void Impression::apercu(QWidget* parent, const QString& titre, const Dessin& dessin,
                        const std::function<void()>& facturX) {
    apercuQt(parent, titre, surCanevas(dessin), facturX);
}

void Impression::apercuQt(QWidget* parent, const QString& titre, const DessinQt& dessin,
                          const std::function<void()>& facturX) {
    QPrintPreviewDialog apercu(m_imprimante.get(), parent);
    apercu.setWindowTitle(titre);
    metSujet(&apercu, Sujet::Imprimer);
    // Room for the whole tool bar, "Enregistrer en PDF..." included.
    if (parent)
        apercu.resize(parent->window()->size() * 0.95);
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&dessin](QPrinter* p) { dessin(*p); });
    if (auto* barre = apercu.findChild<QToolBar*>()) {
        // Qt's own "Print" would write a PDF straight over whatever file was named.
        const QString imprimer = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        for (QAction* action : barre->actions()) {
            if (action->text() != imprimer)
                continue;
            QObject::disconnect(action, &QAction::triggered, &apercu, nullptr);
            QObject::connect(action, &QAction::triggered, &apercu,
                             [this, &apercu, &titre, &dessin] { imprime(apercu, titre, dessin); });
        }
        QAction* pdf = barre->addAction(QStringLiteral("Enregistrer en PDF..."));
        QObject::connect(pdf, &QAction::triggered, &apercu, [this, &apercu, &dessin, &titre] {
            enregistrePdf(&apercu, titre, dessin);
        });
        // At 1024 pixels wide the tool bar has no room left after "Enregistrer en PDF...": the
        // command has a bar of its own, at the top of the preview, so that it is always in sight.
        auto* boite = qobject_cast<QBoxLayout*>(apercu.layout());
        if (facturX && boite) {
            auto* suite = new QToolBar(&apercu);
            QAction* fx = suite->addAction(QStringLiteral("Enregistrer en Factur-X..."));
            QObject::connect(fx, &QAction::triggered, &apercu, [&facturX] { facturX(); });
            boite->insertWidget(0, suite);
        }
    }
    apercu.exec();
    m_imprimante->setPageOrientation(QPageLayout::Portrait);
}

void Impression::enregistrePdf(QWidget* parent, const QString& titre, const DessinQt& dessin) {
    DialoguesQt dialoguesQt(parent);
    Dialogues& dialogues = m_dialogues ? *m_dialogues : dialoguesQt;
    std::optional<QString> nom = dialogues.fichierAEnregistrer(
        QStringLiteral("Documents PDF (*.pdf)|*.pdf"), nomPropose(titre));
    if (!nom || nom->isEmpty())
        return;
    if (!nom->endsWith(u".pdf", Qt::CaseInsensitive))
        *nom += QStringLiteral(".pdf");
    Sortie sortie(dialogues);
    if (const Resultat r = imprimePdfQt(sortie, *nom, dessin).resultat(); !r)
        dialogues.message(r.message());
}

void Impression::imprime(QPrintPreviewDialog& apercu, const QString& titre,
                         const DessinQt& dessin) {
    // The print dialog's file output starts in the set's folder.
    const bool pdf = m_imprimante->outputFormat() == QPrinter::PdfFormat;
    if (pdf)
        m_imprimante->setOutputFileName(nomPropose(titre));
    QPrintDialog dialogue(m_imprimante.get(), &apercu);
    const bool accepte = dialogue.exec() == QDialog::Accepted;
    const QString fichier = m_imprimante->outputFormat() == QPrinter::PdfFormat
                                ? m_imprimante->outputFileName()
                                : QString();
    if (!fichier.isEmpty()) {
        m_imprimante->setOutputFileName(QString());
        if (!imprimanteInstallee())
            m_imprimante->setOutputFormat(QPrinter::PdfFormat);
    }
    if (!accepte)
        return;
    if (fichier.isEmpty()) {
        if (auto* pages = apercu.findChild<QPrintPreviewWidget*>())
            pages->print();
        apercu.accept();
        return;
    }
    // The print dialog has asked already before replacing a file.
    Sortie sortie(true);
    if (const Resultat r = imprimePdfQt(sortie, fichier, dessin).resultat(); !r) {
        DialoguesQt dialoguesQt(&apercu);
        (m_dialogues ? *m_dialogues : dialoguesQt).message(r.message());
        return;
    }
    apercu.accept();
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
    Sortie sortie(false);
    return imprimePdf(sortie, fichier, dessin).resultat();
}

Enregistrement Impression::imprimePdf(Sortie& sortie, const QString& fichier,
                                      const Dessin& dessin) {
    return imprimePdfQt(sortie, fichier, surCanevas(dessin));
}

Enregistrement Impression::imprimeFacturX(Sortie& sortie, const QString& fichier,
                                          const QString& titre, const Dessin& dessin,
                                          const QByteArray& xml) {
    return sortie.ecrit(fichier, [&](QByteArray& octets) {
        QByteArray pdf;
        if (Resultat r = dessinePdf(surCanevas(dessin), pdf, QPagedPaintDevice::PdfVersion_A1b); !r)
            return r;
        return enFacturX(pdf, xml, titre, QDateTime::currentDateTime(), octets);
    });
}

Enregistrement Impression::imprimePdfQt(Sortie& sortie, const QString& fichier,
                                        const DessinQt& dessin) {
    return sortie.ecrit(fichier,
                        [&dessin](QByteArray& octets) { return dessinePdf(dessin, octets); });
}

} // namespace zel::ui
