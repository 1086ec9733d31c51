// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/impression/commandeimpression.h"

#include "app/controles/grille.h"
#include "app/disposition/dispositionprincipale.h"
#include "app/fenetres/entreesortie.h"
#include "app/impression/apercu.h"
#include "app/impression/imprimante.h"
#include "app/impression/pdf.h"
#include "config/dossiers.h"
#include "output/impression.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString titre = QStringLiteral("Erreur d'impression");

// Pointeur « occupé » le temps d'une impression, rendu sur tous les chemins.
class Occupe
{
  public:
    Occupe() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Occupe() { QGuiApplication::restoreOverrideCursor(); }
    Occupe(const Occupe &) = delete;
    Occupe &operator=(const Occupe &) = delete;
};

QString nerepondpas(const QString &imprimante)
{
    return QStringLiteral("L'imprimante « %1 » ne répond pas. Vérifiez-la avant de relancer l'impression.")
        .arg(imprimante);
}

// Qt garde le papier par défaut de la région quand l'imprimante le connaît : prendre le sien.
void papierdimprimante(QPrinter &imprimante, const QPrinterInfo &info)
{
    if (info.defaultPageSize().isValid())
        imprimante.setPageSize(info.defaultPageSize());
    imprimante.setDocName(QStringLiteral("Brunelix"));
}

} // namespace

CommandeImpression::CommandeImpression(QWidget *fenetre, const ControlesPrincipaux &c, const Grille &grille,
                                       const calcul::Tableau &tableau, DependancesFenetre dependances)
    : QObject(fenetre), dependances_(std::move(dependances)), fenetre_(fenetre), c_(c), grille_(grille),
      tableau_(tableau)
{
}

sortie::EntreeImpression CommandeImpression::entree() const
{
    sortie::EntreeImpression e;
    e.copie = entreecopie(c_, tableau_);
    const sortie::EntreeCopie &g = e.copie;
    for (int c = 0; c < g.colonnes; ++c)
        e.largeurs.append(grille_.largeurColonne(c));
    e.pied = sortie::lignepied(dependances_.maintenant(), QStringLiteral(BRUNELIX_VERSION));
    return e;
}

void CommandeImpression::imprime()
{
    sortie::EntreeImpression e;
    QString echec;
    bool sansimprimante = false;
    {
        const Occupe occupe;
        e = entree();
        const QPrinterInfo info = dependances_.imprimante ? dependances_.imprimante() : QPrinterInfo::defaultPrinter();
        sansimprimante = info.isNull();
        if (!sansimprimante) {
            QPrinter imprimante(info, QPrinter::HighResolution);
            papierdimprimante(imprimante, info);
            echec = imprimesur(imprimante, e, nerepondpas(info.printerName()));
        }
    }
    if (!echec.isEmpty())
        QMessageBox::critical(fenetre_, titre, echec);
    if (sansimprimante)
        this->sansimprimante(e);
}

void CommandeImpression::sansimprimante(const sortie::EntreeImpression &e)
{
    QMessageBox boite(QMessageBox::Critical, titre,
                      QStringLiteral("Pas d'imprimante par défaut. Modifiez votre configuration avant de relancer "
                                     "l'impression."),
                      QMessageBox::Ok, fenetre_);
    const QAbstractButton *pdf = boite.addButton(QStringLiteral("Enregistrer en PDF…"), QMessageBox::AcceptRole);
    boite.setDefaultButton(QMessageBox::Ok);
    boite.exec();
    if (boite.clickedButton() == pdf)
        enregistrepdf(e);
}

void CommandeImpression::imprimeavecchoix()
{
    const QPrinterInfo info = dependances_.imprimante ? dependances_.imprimante() : QPrinterInfo::defaultPrinter();
    sortie::EntreeImpression e = entree();
    if (info.isNull()) {
        sansimprimante(e);
        return;
    }
    QPrinter imprimante(info, QPrinter::HighResolution);
    papierdimprimante(imprimante, info);
    DialogueApercu apercu(
        imprimante,
        [&e](QPrinter &p, const QString &reference) {
            e.reference = reference;
            ImprimanteQt imp(p);
            sortie::imprimer(imp, e);
        },
        fenetre_);
    if (apercu.exec() != QDialog::Accepted)
        return;
    e.reference = apercu.reference();
    QPrintDialog dialogue(&imprimante, fenetre_);
    // Un PDF ne s'écrit que par « Enregistrer en PDF… », qui le vérifie.
    dialogue.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    QString echec;
    {
        const Occupe occupe;
        echec = imprimesur(imprimante, e, nerepondpas(imprimante.printerName()));
    }
    if (!echec.isEmpty())
        QMessageBox::critical(fenetre_, titre, echec);
}

void CommandeImpression::enregistrepdf()
{
    enregistrepdf(entree());
}

void CommandeImpression::enregistrepdf(const sortie::EntreeImpression &e)
{
    QFileDialog dialogue(fenetre_, QStringLiteral("Enregistrer en PDF"), config::documents(),
                         QStringLiteral("PDF (*.pdf)"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(QStringLiteral("pdf"));
    dialogue.selectFile(sortie::nompdf(e.copie));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return;
    const QString chemin = dialogue.selectedFiles().constFirst();
    QString echec;
    {
        const Occupe occupe;
        // Papier par défaut de la région (A4, ou Letter en Amérique du Nord).
        const QPageSize papier = QPrinter(QPrinter::HighResolution).pageLayout().pageSize();
        echec = ecritpdf(chemin, pagepdf(e, papier));
    }
    if (!echec.isEmpty())
        QMessageBox::critical(fenetre_, titre, echec);
}

QString CommandeImpression::imprimesur(QPrinter &imprimante, const sortie::EntreeImpression &e,
                                       const QString &echecdebut)
{
    ImprimanteQt imp(imprimante);
    sortie::imprimer(imp, e);
    switch (imp.echec()) {
    case ImprimanteQt::Echec::Aucun:
        return {};
    case ImprimanteQt::Echec::Debut:
        return echecdebut;
    default:
        return QStringLiteral("L'impression s'est interrompue avant la fin : des pages manquent.");
    }
}
