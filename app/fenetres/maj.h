// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Dialogue « Mise à jour des taux de crédit gratuit ». Créé caché au démarrage par
// chargeparametres, qui remplit ses contrôles depuis Brunelix.ini ; pour toute la
// session ses contrôles sont les réglages que lit la mise à jour automatique.
// OK enregistre puis cache ; Annuler (ou Échap, ou la fermeture) cache sans rien
// écrire ; la mise à jour manuelle ouvre l'éditeur sur le fichier des taux et finit
// le programme.

#include "app/disposition/dispositionmaj.h"
#include "update/parametres.h"
#include "update/verification.h"

#include <QDialog>

#include <memory>

namespace taux {
struct TableTaux;
}

class Maj : public QDialog
{
    Q_OBJECT
public:
    // dossier : dossier du fichier des réglages ; vide : celui du programme.
    Maj(const taux::TableTaux &table, const QString &dossier = {}, QWidget *parent = nullptr);

    const ControlesMaj &controles() const { return c_; }
    maj::Parametres parametres() const;
    void montreparametres(const maj::Parametres &p);
    QString cheminparametres() const;

    QString Inet;                  // adresse confiée au transfert
    maj::Dependances dependances;  // horloge, connexion, délai de la mise à jour automatique

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void valider();
    void manuelle();

    const taux::TableTaux &table_;
    QString dossier_;
    ControlesMaj c_;
};

// Crée le dialogue caché et le remplit depuis Brunelix.ini.
std::unique_ptr<Maj> chargeparametres(const taux::TableTaux &table, const QString &dossier = {});
