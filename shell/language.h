#pragma once

#include <QString>
#include <QStringList>

namespace zarnith {

// Zarnith in its user's language. The program's texts are English; each
// translation (zarnith_<language>.qm, built from translations/ and embedded
// in the program) is loaded with Qt's own texts in the same language (a
// message box's OK, a box's context menu), from the translations Qt
// installs.

// The languages Zarnith has translations for, as their files name them
// ("de", "pt_BR").
QStringList availableLanguages();

// Of the user's languages, in order (as Qt reports them: LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG), the first one Zarnith speaks: English, or a
// C locale, gives "" (no translation); a language with a translation gives
// that translation, a language alone also one of its regions ("pt" is
// served by "pt_BR"). None of them spoken: "".
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &available);

// Installs the translations of `language` ("" for English), in place of
// those installed before. Only that language's files are read.
void useLanguage(const QString &language);

// At start-up: the user's language.
void useUsersLanguage();

} // namespace zarnith
