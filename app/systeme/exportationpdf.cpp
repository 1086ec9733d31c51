// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/exportationpdf.h"

#include "app/disposition/dispositionprincipale.h"
#include "app/impression/pdf.h"
#include "app/systeme/exportation.h"
#include "output/impression.h"
#include "output/tableausemestre.h"

#include <QDateTime>
#include <QGuiApplication>

namespace {

QString ecritpage(const QString &fichier, const sortie::TableauSemestre &t, const QDateTime &maintenant)
{
    sortie::EntreeImpression page;
    page.copie = t.copie;
    page.largeurs = largeursgrille(t.copie.colonnes);
    page.pied = sortie::lignepied(maintenant, QStringLiteral(BRUNELIX_VERSION));
    return ecritpdf(fichier, pagepdf(page));
}

} // namespace

int exportepdf(int argc, char **argv)
{
    ignorelimitetaille();
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return exporte(ecritpage);
}
