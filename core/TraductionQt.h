#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own words in French whatever the machine's language: the standard dialogs (files,
// printing, fonts) and what assistive technologies are told of every control's actions
// ("Appuyer", "Basculer" and their descriptions). False when Qt's French translation is not
// installed (package qt6-translations-l10n): those words then stay English.
bool TraduireQt(QCoreApplication& application, QTranslator& traducteur);
