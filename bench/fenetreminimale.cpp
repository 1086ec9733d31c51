// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Base de comparaison du démarrage : le plus petit programme Qt Widgets qui montre un tableau de
// 35 × 14 textes, les mêmes que ceux de Brunelix à 12,5 %, avec les traductions de Qt ; il finit
// à sa première peinture, comme Brunelix sous BRUNELIX_MESURE_PEINTURE.
#include "app/systeme/mesurepeinture.h"
#include "bench/arithmetique.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTableWidget>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator traduction;
    if (traduction.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    constexpr double taux = 12.5;
    const char separateur = QLocale().decimalPoint().at(0).toLatin1();
    static base::Textes textes;
    base::remplit(taux, 100, separateur, textes);

    QTableWidget table(base::lignes, base::colonnesmax);
    table.setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Crédit gratuit")));
    for (int c = 1; c < base::colonnesmax; ++c)
        table.setHorizontalHeaderItem(c, new QTableWidgetItem(QString::number(c)));
    for (int k = 0; k < base::lignes; ++k) {
        table.setVerticalHeaderItem(k, new QTableWidgetItem(QString::number(k + 3)));
        for (int c = 0; c < base::colonnesmax; ++c)
            table.setItem(k, c,
                          new QTableWidgetItem(
                              QString::fromLatin1(textes[static_cast<std::size_t>(k * base::colonnesmax + c)].data())));
    }
    table.resize(484, 319); // taille de conception de la fenêtre de Brunelix
    finapremierepeinture(&table);
    table.show();
    return QApplication::exec();
}
