// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/rapport.h"

#include "app/systeme/fin.h"

#include <QMessageBox>

void rapportfatal(taux::Chargement cause, const QString &fichier, QWidget *parent)
{
    if (fin::encours()) // aucune boucle ne fermerait la boîte
        return;
    const bool introuvable = cause == taux::Chargement::Introuvable;
    QMessageBox boite(QMessageBox::Critical,
                      introuvable ? QStringLiteral("Installation incomplète, ou mauvais paramètres")
                                  : QStringLiteral("Réinstallation nécessaire"),
                      textefatal(cause, fichier), QMessageBox::Ok, parent);
    boite.exec();
    fin::immediate(1);
}
