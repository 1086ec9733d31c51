// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Gestes qui impriment : clic du bouton et Ctrl+P (impression immédiate), menu du bouton au
// clic droit et Ctrl+Maj+P (« Imprimer… », « Enregistrer en PDF… »). Chacun demande d'abord si
// le tableau peut sortir, en disant à quel moment du geste montrer l'avis d'un refus.

#include "app/controles/avis.h"

#include <functional>

class CommandeImpression;
class QPushButton;
class QWidget;

void relieimpression(QWidget *fenetre, QPushButton *bouton, CommandeImpression *impression,
                     std::function<bool(AvisDiffere::Moment)> tableaujuste);
