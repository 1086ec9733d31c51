// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/boutonimage.h"

#include "app/controles/couleurs.h"

#include <QPainter>

void BoutonImage::paintEvent(QPaintEvent *e)
{
    QPushButton::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(QColor::fromRgb(couleurs::focus), 2, Qt::DotLine));
    p.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
}
