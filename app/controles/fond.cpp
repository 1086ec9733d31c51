// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/fond.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace fond {

QRgb couleurbande(int i)
{
    // i / 2 + 128 arrondi au plus proche, moitiés au pair, plafonné à 255.
    const int v = std::min(255, static_cast<int>(std::nearbyint(i / 2.0 + 128)));
    return qRgb(v, 0, v);
}

QPixmap degrade(const QSize &taille)
{
    QPixmap image(taille);
    QPainter p(&image);
    // Échelle verticale de 512 unités pour la hauteur cliente ; bandes de 2 unités.
    const double unite = taille.height() / 512.0;
    for (int i = 0; i < 256; ++i) {
        const QColor c = QColor::fromRgb(couleurbande(i));
        p.setPen(QPen(c, 2));
        p.setBrush(c);
        const double y1 = 2 * i * unite;
        const double y2 = (2 * i + 2) * unite;
        p.drawRect(QRectF(0, y1, taille.width(), y2 - y1));
    }
    return image;
}

} // namespace fond
