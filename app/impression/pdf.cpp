// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/impression/pdf.h"

#include "app/impression/imprimante.h"
#include "config/ecriture.h"
#include "output/impression.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>

QByteArray pagepdf(const sortie::EntreeImpression &e, const QPageSize &papier)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    bool rendu = false;
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(QStringLiteral("Remise pour paiement comptant d'un crédit gratuit"));
        pdf.setCreator(QStringLiteral("Brunelix ") + QStringLiteral(BRUNELIX_VERSION));
        pdf.setPageLayout(
            QPageLayout(papier, QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
        ImprimanteQt imp(pdf);
        rendu = sortie::imprimer(imp, e);
    }
    tampon.close();
    if (!rendu)
        return {};
    return octets;
}

QString ecritpdf(const QString &chemin, const QByteArray &pdf)
{
    // Un dossier absent n'est pas créé pour un PDF : le chemin est sans doute mal tapé.
    if (!pdf.isEmpty() && QFileInfo(chemin).absoluteDir().exists() && config::remplacefichier(chemin, pdf))
        return {};
    return QStringLiteral("Le fichier « %1 » n'a pas pu être écrit.").arg(QDir::toNativeSeparators(chemin));
}
