// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Bouton à image dont le focus se voit : un cadre net par-dessus le dessin du style.

#include <QPushButton>

class BoutonImage : public QPushButton
{
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent *e) override;
};
