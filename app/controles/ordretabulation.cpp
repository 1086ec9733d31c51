// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/ordretabulation.h"

#include <QApplication>
#include <QWidget>

bool tabule(std::span<QWidget *const> ordre, bool suivant)
{
    const QWidget *courant = QApplication::focusWidget();
    const int n = static_cast<int>(ordre.size());
    int i = 0;
    while (i < n && ordre[i] != courant && ordre[i]->focusProxy() != courant)
        ++i;
    if (i == n) // un enfant d'un contrôle composé
        for (i = 0; i < n && !ordre[i]->isAncestorOf(courant);)
            ++i;
    if (i == n)
        i = suivant ? n - 1 : 0;
    for (int pas = 1; pas <= n; ++pas) {
        QWidget *w = ordre[((suivant ? i + pas : i - pas) % n + n) % n];
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(suivant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}
