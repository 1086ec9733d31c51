#pragma once
// Programmes du bureau : la calculatrice.

#include <QStringList>

class Calculatrice
{
public:
    // Met au premier plan une calculatrice déjà ouverte, sinon lance la première
    // installée de la liste. Un échec ne dit rien.
    void lance();

    static const QStringList programmes;

private:
    qint64 pid_ = 0; // calculatrice lancée par nous
};
