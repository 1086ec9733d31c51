// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/avis.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int dureeavis = 8000; // ms

} // namespace

void AvisDiffere::montre(QWidget *cible, QPoint position, const QString &texte, Moment moment)
{
    cible_ = cible;
    position_ = position;
    texte_ = texte;
    if (moment == Moment::relache) { // le relâchement en cours est déjà passé par le filtre
        QTimer::singleShot(0, this, &AvisDiffere::affiche);
        return;
    }
    if (!attend_)
        QCoreApplication::instance()->installEventFilter(this);
    attend_ = true;
}

bool AvisDiffere::eventFilter(QObject *, QEvent *e)
{
    const bool relache = e->type() == QEvent::MouseButtonRelease ||
                         (e->type() == QEvent::KeyRelease && !static_cast<QKeyEvent *>(e)->isAutoRepeat());
    if (!attend_ || !relache)
        return false;
    attend_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    // Après la distribution du relâchement, qui cacherait une bulle déjà montrée.
    QTimer::singleShot(0, this, &AvisDiffere::affiche);
    return false;
}

void AvisDiffere::affiche()
{
    if (cible_)
        QToolTip::showText(position_, texte_, cible_, {}, dureeavis);
}
