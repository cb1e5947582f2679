// The toolkit's own texts (file dialogs, edit boxes' menus, system error reasons) in the
// system's language.
#pragma once

class QLocale;
class QTranslator;

// Loads into translator the toolkit's translation for the locale's languages, from the folder
// where the toolkit's translations are installed, and installs it in the application; false when
// there is none (the toolkit's texts then stay English). Call before any window is made, and
// keep translator for as long as the application runs.
bool installQtTranslation(QTranslator& translator, const QLocale& locale);
