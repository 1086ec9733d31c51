// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Avis en bulle montré après le relâchement du bouton ou de la touche qui l'a causé :
// une bulle montrée pendant l'appui serait aussitôt cachée par ce relâchement.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QWidget;

class AvisDiffere : public QObject
{
    Q_OBJECT
  public:
    using QObject::QObject;

    enum class Moment {
        appui,   // pendant un appui : au prochain relâchement
        relache, // pendant un relâchement (clic d'un bouton) : juste après lui
    };
    // Montre texte en bulle à la position (globale) sur cible.
    void montre(QWidget *cible, QPoint position, const QString &texte, Moment moment = Moment::appui);

  protected:
    bool eventFilter(QObject *o, QEvent *e) override;

  private:
    void affiche();

    QPointer<QWidget> cible_;
    QPoint position_;
    QString texte_;
    bool attend_ = false;
};
