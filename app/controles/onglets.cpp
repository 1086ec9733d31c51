// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/onglets.h"

#include <QTabWidget>

Onglets::Onglets(QTabWidget *onglets) : QObject(onglets), onglets_(onglets), dernier_(onglets->currentIndex())
{
    connect(onglets_, &QTabWidget::currentChanged, this, [this](int indice) {
        const int precedent = dernier_;
        dernier_ = indice;
        Q_EMIT changement(precedent);
    });
}

int Onglets::courant() const
{
    return onglets_->currentIndex();
}

void Onglets::setCourant(int indice)
{
    onglets_->setCurrentIndex(indice);
}
