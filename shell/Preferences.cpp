#include "shell/Preferences.h"

quint8& Preferences::TailleJeu(int numJeu) { return numJeu == 2 ? TailleJeu2 : numJeu == 3 ? TailleJeu3 : TailleJeu1; }

quint8 Preferences::TailleJeu(int numJeu) const { return const_cast<Preferences*>(this)->TailleJeu(numJeu); }
