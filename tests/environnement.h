// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ce que font les deux main des tests avant et après les essais.

#include <QTemporaryDir>

#include <optional>

class QCoreApplication;

// Plateforme offscreen par défaut ; HOME, dossiers XDG et TMPDIR dans un dossier temporaire,
// supprimé à la fin avec ce qu'un processus fils (test de mort, qui finit sans détruire ses
// objets) y a laissé. Le fils garde celui de son parent. Aucun essai ne touche au vrai
// dossier personnel. Variables de proxy retirées.
class MaisonEssai
{
  public:
    MaisonEssai();

  private:
    std::optional<QTemporaryDir> maison_;
};

// Gestionnaires réseau gardés après une échéance dépassée : détruits tant que leurs
// suppressions différées peuvent encore être traitées.
void videgestionnaires(QCoreApplication &app);
