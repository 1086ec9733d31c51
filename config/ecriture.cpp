// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/ecriture.h"

#include <QSaveFile>

namespace maj {

bool remplacefichier(const QString &chemin, const QByteArray &contenu)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // Disque plein : commit() renommerait quand même après un dernier vidage raté.
    if (f.write(contenu) != contenu.size() || !f.flush()) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return f.commit();
}

} // namespace maj
