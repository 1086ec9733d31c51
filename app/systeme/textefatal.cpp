// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/textefatal.h"

#include "rates/diagnostic.h"

#include <QDir>

QString textefatal(taux::Chargement cause, const QString &fichier)
{
    QString texte = QStringLiteral("Fichier des taux de crédit gratuit introuvable. (Contrôler avant "
                                   "réinstallation la présence du fichier BRUNELIX.TXT).");
    if (cause != taux::Chargement::Introuvable) {
        texte = QStringLiteral("Fichier des taux de crédit gratuit corrompu\n") + QDir::toNativeSeparators(fichier);
        const QString raison = taux::diagnosticfichier(fichier);
        if (!raison.isEmpty())
            texte += u'\n' + raison;
    }
    return texte;
}
