#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is given, through AT-SPI, for the actions of the controls of a running
program: each action's name (an identifier, "Press"), its localized name and its description.
Run by lancer-atspi inside its own D-Bus session and virtual screen. Exit status 1, with one line
per fault, when an action is described in English or not at all, or when a localized name that
the toolkit serves is not French."""
import sys
import time

import pyatspi

# Qt's action identifiers; the programs' own actions are French phrases.
IDENTIFIANTS = {"Press", "Toggle", "SetFocus", "ShowMenu", "Increase", "Decrease", "Scroll Left",
                "Scroll Right", "Scroll Up", "Scroll Down", "Next Page", "Previous Page"}
ANGLAIS = {"Triggers the action", "Toggles the state", "Sets the focus", "Shows the menu",
           "Increase the value", "Decrease the value", "Set keyboard focus"}


def appeler(fonction, *arguments):
    try:
        return fonction(*arguments), None
    except Exception as erreur:  # the toolkit may not serve the call
        return None, str(erreur).split(":")[0]


def programme(nom, attente):
    limite = time.monotonic() + attente
    while time.monotonic() < limite:
        bureau = pyatspi.Registry.getDesktop(0)
        for i in range(bureau.childCount):
            application = bureau.getChildAtIndex(i)
            if application is not None and application.name == nom and application.childCount > 0:
                return application
        time.sleep(0.2)
    return None


def actions(noeud, trouvees, profondeur=0):
    if noeud is None or profondeur > 40:
        return
    if "Action" in pyatspi.listInterfaces(noeud):
        action = noeud.queryAction()
        for i in range(action.nActions):
            nom, _ = appeler(action.getName, i)
            dit, erreur = appeler(action.getLocalizedName, i)
            description, _ = appeler(action.getDescription, i)
            trouvees.append((noeud.getRoleName(), noeud.name, nom, dit, erreur, description))
    for i in range(noeud.childCount):
        actions(noeud.getChildAtIndex(i), trouvees, profondeur + 1)


def main():
    nom = sys.argv[1]
    application = programme(nom, 60)
    if application is None:
        print(f"{nom} : le programme n'apparaît pas dans l'arbre d'accessibilité")
        return 1
    trouvees = []
    actions(application, trouvees)
    fautes = []
    vues = set()
    for role, controle, action, dit, erreur, description in trouvees:
        cle = (role, action, dit, description)
        if cle not in vues:
            vues.add(cle)
            print(f"{role} « {controle} » : {action} | {dit if erreur is None else '(' + erreur + ')'} | {description}")
        if action not in IDENTIFIANTS and " " not in (action or ""):
            fautes.append(f"{controle} : action « {action} » inconnue")
        if not description or description in ANGLAIS:
            fautes.append(f"{controle} : {action} décrite « {description} »")
        if erreur is None and (not dit or dit in IDENTIFIANTS):
            fautes.append(f"{controle} : {action} dite « {dit} »")
    if not trouvees:
        fautes.append("aucune action trouvée")
    for faute in fautes:
        print("FAUTE", faute)
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
