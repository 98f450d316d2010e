// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_LANGUAGE_H
#define ROVALIN_LANGUAGE_H

// The language the program speaks: Russian, the language its texts are
// written in, or English, from the translation built into its resources.
// Qt's own texts (the buttons of a question, the file dialogs, the context
// menus of a text field) are English unless Qt's translation is loaded: it is
// while the program speaks Russian, from the folder QLibraryInfo names or,
// where that has none, from translations/ beside the program (as the Windows
// build ships it). Without it the program speaks Russian all the same.
// The choice is kept in rovalin.ini in the user's configuration folder; a
// first start follows the system's language.

#include <QCoreApplication>
#include <QLocale>
#include <QString>

class Language
{
    Q_DECLARE_TR_FUNCTIONS(Language)

public:
    enum Code { russian, english };

    // Russian for a Russian system and for the C/POSIX locale, English for
    // any other.
    static Code of_locale(const QLocale &_locale);

    // The choice kept in the settings, else _system's. A settings file that
    // cannot be read is moved aside, never written over, and _problem says
    // so (empty otherwise).
    static Code chosen(const QLocale &_system = QLocale::system(), QString *_problem = nullptr);
    // Keeps _code for the next start, with what else the settings hold;
    // false, with _problem, where they cannot be written whole: the file is
    // then left as it was.
    static bool remember(Code _code, QString *_problem = nullptr);

    // Installs the translation for _code into the application, or removes
    // it for Russian, and Qt's Russian translation the other way round; Qt
    // then sends every widget a language change. False where the English
    // translation cannot be loaded (the texts stay Russian); Qt's that cannot
    // be found leaves its texts English and is no failure.
    static bool apply(Code _code);
    // The language the texts are in now.
    static Code current();
    // A name as the lists show it: _english while the program speaks English
    // and there is one, else _own.
    static QString shown(const QString &_own, const QString &_english);

    static QString settings_file();
};

#endif // ROVALIN_LANGUAGE_H
