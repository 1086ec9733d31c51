// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// « Imprimer… » : aperçu de la page sur l'imprimante choisie, ligne « Référence » (client,
// facture) reportée sous le titre à chaque frappe ; « Imprimer… » ouvre le dialogue
// d'impression de Qt (imprimante, copies, sans impression dans un fichier).

#include <QDialog>

#include <functional>

class QLineEdit;
class QPrinter;
class QPrintPreviewWidget;

class DialogueApercu : public QDialog
{
    Q_OBJECT
  public:
    // dessine : trace la page sur l'imprimante avec la référence donnée.
    DialogueApercu(QPrinter &imprimante, std::function<void(QPrinter &, const QString &)> dessine,
                   QWidget *parent = nullptr);

    QString reference() const;

  private:
    QLineEdit *reference_;
    QPrintPreviewWidget *apercu_;
};
