// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Ce que la fenêtre principale demande au monde, donné à sa construction ; vide : le
// système. Les tests fixent l'imprimante par défaut et l'horloge.

#include <QDateTime>

#include <functional>

class QPrinterInfo;

struct DependancesFenetre
{
    std::function<QPrinterInfo()> imprimante; // imprimante par défaut
    std::function<QDateTime()> horloge;       // date et heure locales

    QDateTime maintenant() const { return horloge ? horloge() : QDateTime::currentDateTime(); }
};
