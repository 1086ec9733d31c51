#pragma once
// Préparation commune du programme et des tests : images, police des fenêtres.

void preparedemarrage();
