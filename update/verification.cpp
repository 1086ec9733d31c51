#include "update/verification.h"

#include "update/acceptation.h"
#include "update/echeance.h"
#include "update/telechargement.h"

#include <QSaveFile>

namespace maj {

bool remplacefichier(const QString &chemin, const QByteArray &contenu)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(contenu) != contenu.size()) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return f.commit();
}

bool verifiemaj(const Demande &d, const Dependances &dep)
{
    if (d.cle.isEmpty())
        return false;
    const QDate aujourdhui = dep.aujourdhui ? dep.aujourdhui() : QDate::currentDate();
    if (!majdue(d.cle, aujourdhui))
        return false;
    bool feu = true;
    if (d.checkconnection)
        feu = dep.connexion ? dep.connexion() : testconnexion();
    if (d.adresse.isEmpty())
        feu = false;
    if (!feu)
        return false;

    if (dep.attente)
        dep.attente(true);
    const Reponse r = telecharge(d.adresse, dep.delai);
    if (dep.attente)
        dep.attente(false);

    if (!r.complete || !acceptecorps(r.statut, r.corps))
        return false;
    return remplacefichier(d.fichiertaux, contenufichier(r.corps));
}

} // namespace maj
