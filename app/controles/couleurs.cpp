// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/couleurs.h"

#include <QColor>
#include <QWidget>

namespace couleurs {

void imposefond(QWidget *w, QPalette::ColorRole fond, QRgb couleur)
{
    QPalette::ColorRole texte = QPalette::WindowText;
    if (fond == QPalette::Base)
        texte = QPalette::Text;
    else if (fond == QPalette::Button)
        texte = QPalette::ButtonText;
    QPalette p = w->palette();
    p.setColor(fond, QColor::fromRgb(couleur));
    p.setColor(texte, QColor::fromRgb(noir));
    w->setPalette(p);
}

QColor lisible(QRgb texte, const QPalette &palette)
{
    const QColor c = QColor::fromRgb(texte);
    if (palette.color(QPalette::Window).lightness() >= 128)
        return c;
    // Même teinte et même saturation, clarté relevée au-dessus de celle du fond.
    return QColor::fromHsl(c.hslHue(), c.hslSaturation(), std::max(c.lightness(), 176));
}

QString css(QRgb couleur)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(qRed(couleur)).arg(qGreen(couleur)).arg(qBlue(couleur));
}

} // namespace couleurs
