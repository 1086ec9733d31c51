#pragma once
// Rapports fatals sur le fichier des taux : message puis fin immédiate du programme.

#include "rates/tabletaux.h"

class QWidget;

[[noreturn]] void rapportfatal(taux::Chargement cause, QWidget *parent);
