// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/ChampNombre.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr qsizetype ChiffresMax = 3; // enough to type past the end of any range of the programs

bool QueDesChiffres(const QString& texte) {
    return std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

ChampNombre::ChampNombre(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
}

std::optional<int> ChampNombre::Lu() const {
    const QString texte = lineEdit()->text().trimmed();
    bool nombre = false;
    const int valeur = texte.toInt(&nombre);
    if (!nombre || !QueDesChiffres(texte) || valeur < minimum() || valeur > maximum()) return std::nullopt;
    return valeur;
}

int ChampNombre::NombreCorrige(const QString& texte) const {
    const QString chiffres = texte.trimmed();
    if (chiffres.isEmpty() || !QueDesChiffres(chiffres)) return value();
    bool nombre = false;
    const qlonglong valeur = chiffres.toLongLong(&nombre);
    return nombre ? int(std::clamp<qlonglong>(valeur, minimum(), maximum())) : maximum();
}

bool ChampNombre::Corriger() {
    if (Lu()) return true;
    const int nombre = NombreCorrige(lineEdit()->text());
    lineEdit()->setText(QString::number(nombre));
    interpretText();
    emit Corrige(nombre);
    return false;
}

QValidator::State ChampNombre::validate(QString& texte, int&) const {
    const QString chiffres = texte.trimmed();
    if (!QueDesChiffres(chiffres) || chiffres.size() > ChiffresMax) return QValidator::Invalid;
    bool nombre = false;
    const int valeur = chiffres.toInt(&nombre);
    return nombre && valeur >= minimum() && valeur <= maximum() ? QValidator::Acceptable
                                                                : QValidator::Intermediate;
}

void ChampNombre::fixup(QString& texte) const {
    texte = QString::number(NombreCorrige(texte));
}

void ChampNombre::keyPressEvent(QKeyEvent* evenement) {
    const bool entree = evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter;
    if (entree && !Corriger()) {
        evenement->accept();
        return;
    }
    QSpinBox::keyPressEvent(evenement);
}

void ChampNombre::focusOutEvent(QFocusEvent* evenement) {
    Corriger();
    QSpinBox::focusOutEvent(evenement);
}
