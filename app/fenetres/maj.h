// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Dialogue « Mise à jour des taux de crédit gratuit ». Créé caché au démarrage par
// chargeparametres, qui remplit ses contrôles depuis Brunelix.ini ; pour toute la
// session ses contrôles sont les réglages que lit la mise à jour automatique.
// OK enregistre puis cache ; Annuler (ou Échap, ou la fermeture) cache sans rien
// écrire ; la mise à jour manuelle ouvre l'éditeur sur le fichier des taux (la copie
// de l'utilisateur en mode installé) et finit le programme ; sans éditeur, un message
// nomme le fichier et le dialogue reste ouvert. « Taux de référence… » demande la fenêtre des
// taux saisis, ouverte par la fenêtre principale au-dessus du dialogue.

#include "app/disposition/dispositionmaj.h"
#include "config/parametres.h"
#include "update/verification.h"

#include <QDialog>

#include <memory>

struct EtatBrunelix;

class Maj : public QDialog
{
    Q_OBJECT
  public:
    // Réglages et fichier de la mise à jour manuelle : etat.emplacements.
    // dependances : horloge, connexion et délai de la mise à jour automatique (vides : le système).
    explicit Maj(const EtatBrunelix &etat, maj::Dependances dependances = {}, QWidget *parent = nullptr);

    const ControlesMaj &controles() const { return c_; }
    config::Parametres parametres() const;
    void montreparametres(const config::Parametres &p);
    QString cheminparametres() const;

    const maj::Dependances &dependances() const { return dependances_; }

    QString Inet; // adresse confiée au transfert

  Q_SIGNALS:
    void tauxdemandes(); // « Taux de référence… » : la fenêtre principale ouvre celle des taux

  protected:
    bool eventFilter(QObject *o, QEvent *e) override;

  private:
    void valider();
    void manuelle();
    void montreavis();

    const EtatBrunelix &etat_;
    const maj::Dependances dependances_;
    ControlesMaj c_;
};

// Crée le dialogue caché et le remplit depuis Brunelix.ini.
std::unique_ptr<Maj> chargeparametres(const EtatBrunelix &etat, maj::Dependances dependances = {});
