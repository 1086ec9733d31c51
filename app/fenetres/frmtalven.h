// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fenêtre « à propos » : logo et texte du réalisateur, rechargés à chaque ouverture.
// Elle ne se ferme que par la commande de fermeture du gestionnaire de fenêtres.

#include <QDialog>

class QKeyEvent;
class QLabel;

class FrmTALVEN : public QDialog
{
    Q_OBJECT
  public:
    explicit FrmTALVEN(QWidget *parent = nullptr);

    static QString texte(); // six lignes séparées par des fins de ligne

  protected:
    void keyPressEvent(QKeyEvent *e) override; // Échap ne ferme pas la fenêtre

  private:
    QLabel *LabelTalven;
};
