// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Base de comparaison de brunelix --texte : la plus petite QCoreApplication qui écrit sur la
// sortie standard un tableau de 35 lignes de la même forme (en-tête, cellules séparées par des
// tabulations, CR LF), les textes de Brunelix à 12,5 %.
#include "bench/arithmetique.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    static base::Textes textes;
    base::remplit(12.5, 100, ',', textes);
    QByteArray s = "Cr\xc3\xa9"
                   "dit gratuit :\r\n1er semestre 2100\r\nTaux annuel :  12.5 %\r\n"
                   "Prix \xc3\xa0 cr\xc3\xa9"
                   "dit : 100\r\n\r\nMois\tCr\xc3\xa9"
                   "dit gratuit";
    for (int c = 1; c < base::colonnesmax; ++c)
        s += '\t' + QByteArray::number(c);
    s += "\r\n";
    for (int k = 0; k < base::lignes; ++k) {
        s += QByteArray::number(k + 3);
        for (int c = 0; c < base::colonnesmax; ++c)
            s += '\t' + QByteArray(textes[static_cast<std::size_t>(k * base::colonnesmax + c)].data());
        s += "\r\n";
    }
    std::fwrite(s.constData(), 1, static_cast<std::size_t>(s.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
