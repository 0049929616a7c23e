#pragma once

#include <QString>

class QFileDevice;

// Why a file operation failed, said in French for the pupil or the teacher, followed by the
// system's own words in brackets for whoever helps them.
namespace RaisonFichier {

QString Ouverture(const QFileDevice& fichier);
QString Lecture(const QFileDevice& fichier);
QString Ecriture(const QFileDevice& fichier);

} // namespace RaisonFichier
