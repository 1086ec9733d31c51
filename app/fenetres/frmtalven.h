// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fenêtre « à propos » : logo et texte du réalisateur, rechargés à chaque ouverture.
// Elle n'a pas de bouton : elle se ferme par le gestionnaire de fenêtres ou par Échap.

#include <QDialog>

class QLabel;

class FrmTALVEN : public QDialog
{
    Q_OBJECT
  public:
    explicit FrmTALVEN(QWidget *parent = nullptr);

    static QString texte(); // six lignes séparées par des fins de ligne

  private:
    QLabel *LabelTalven;
};
