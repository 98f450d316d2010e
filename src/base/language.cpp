// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/language.h"

#include "base/data_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVariant>

#include <optional>

namespace {

const char *const key = "language";
const char *const codes[] = {"ru", "en"};

// The translators while they are installed; the application owns them.
QTranslator *installed = nullptr;
QTranslator *qt_russian = nullptr;

void uninstall(QTranslator *&_translator)
{
    if (!_translator)
        return;
    QCoreApplication::removeTranslator(_translator);
    delete _translator;
    _translator = nullptr;
}

// Qt's Russian for its own dialogs and menus, where a folder has it.
void install_qt_russian()
{
    if (qt_russian)
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const QString qt_folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#else
    const QString qt_folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder :
         {qt_folder, QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        // No delimiters: qtbase_ru.qm itself, never a shorter name such as
        // qtbase.qm; and no empty folder, which would be the working one.
        if (!folder.isEmpty() &&
            translator->load(QStringLiteral("qtbase_ru"), folder, QStringLiteral(""))) {
            QCoreApplication::installTranslator(translator);
            qt_russian = translator;
            return;
        }
    }
    delete translator;
}

// Settings read and written through a copy of their own, in a temporary
// folder. QSettings keeps what it read of a file for as long as the file's
// size and time stay the same, which they can when rovalin.ini is replaced
// soon after by one as long; and it would put a file it could not write whole
// in place of the kept one. So it opens copies only, each under a name never
// used before, and rovalin.ini is read whole and replaced whole.
class Settings_Copy
{
public:
    // False where no copy of _content can be made.
    bool open(const QByteArray &_content)
    {
        if (!folder.isValid())
            return false;
        QFile copy(folder.filePath(QStringLiteral("rovalin.ini")));
        if (!copy.open(QIODevice::WriteOnly) || copy.write(_content) != _content.size() ||
            !copy.flush())
            return false;
        copy.close();
        settings.emplace(copy.fileName(), QSettings::IniFormat);
        return true;
    }

    // The copy's settings; null before it is made.
    QSettings *get() { return settings ? &*settings : nullptr; }

    QMap<QString, QVariant> values() const
    {
        QMap<QString, QVariant> all;
        for (const QString &name : settings->allKeys())
            all.insert(name, settings->value(name));
        return all;
    }

    // The copy's bytes as they are now.
    bool content(QByteArray *_content) const { return read_whole(settings->fileName(), _content); }

    // The whole of a regular file that can be read.
    static bool read_whole(const QString &_file, QByteArray *_content)
    {
        QFile file(_file);
        if (!QFileInfo(_file).isFile() || !file.open(QIODevice::ReadOnly))
            return false;
        *_content = file.readAll();
        return file.error() == QFileDevice::NoError;
    }

private:
    QTemporaryDir folder;
    std::optional<QSettings> settings;
};

} // namespace

Language::Code Language::of_locale(const QLocale &_locale)
{
    const QStringList languages = _locale.uiLanguages();
    const QLocale first = languages.isEmpty() ? _locale : QLocale(languages.first());
    const QLocale::Language language = first.language();
    return language == QLocale::Russian || language == QLocale::C ? russian : english;
}

QString Language::settings_file()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/rovalin.ini");
}

Language::Code Language::chosen(const QLocale &_system, QString *_problem)
{
    if (_problem)
        _problem->clear();
    const QString file = settings_file();
    if (QFileInfo::exists(file)) {
        QByteArray content;
        Settings_Copy copy;
        // Where no copy can be made nothing is saved either (see remember()),
        // so QSettings may read the file itself: nothing replaces it behind
        // its back.
        std::optional<QSettings> direct;
        QSettings *settings = nullptr;
        if (Settings_Copy::read_whole(file, &content))
            settings =
                copy.open(content) ? copy.get() : &direct.emplace(file, QSettings::IniFormat);
        const QString code = settings ? settings->value(QLatin1String(key)).toString() : QString();
        if (settings && settings->status() == QSettings::NoError) {
            for (const Code known : {russian, english}) {
                if (code == QLatin1String(codes[known]))
                    return known;
            }
        } else {
            QString aside, error;
            const bool moved = move_aside(file, &aside, &error);
            if (_problem)
                *_problem =
                    moved
                        ? tr("Файл настроек %1 не читается. Он перенесён как есть в %2, "
                             "настройки начаты заново.")
                              .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(aside))
                        : tr("Файл настроек %1 не читается и не переносится (%2): выбор языка "
                             "не будет сохранён.")
                              .arg(QDir::toNativeSeparators(file), error);
        }
    }
    return of_locale(_system);
}

bool Language::remember(Code _code, QString *_problem)
{
    const QString file = settings_file();
    const bool exists = QFileInfo::exists(file);
    QByteArray content;
    const bool read = !exists || Settings_Copy::read_whole(file, &content);
    Settings_Copy settings;
    const bool copied = read && settings.open(content);
    // A file that cannot be read is not written over.
    if (!read || (copied && settings.get()->status() != QSettings::NoError)) {
        if (_problem)
            *_problem = tr("Файл настроек %1 не читается: выбор языка не сохранён.")
                            .arg(QDir::toNativeSeparators(file));
        return false;
    }
    // QSettings writes the copy, with what the file held besides the
    // language; what it wrote is read back and checked whole before it
    // takes the file's place.
    bool saved = copied;
    QByteArray written;
    if (saved) {
        const QString code = QLatin1String(codes[_code]);
        QMap<QString, QVariant> expected = settings.values();
        expected.insert(QLatin1String(key), code);
        settings.get()->setValue(QLatin1String(key), code);
        settings.get()->sync();
        Settings_Copy check;
        saved = settings.get()->status() == QSettings::NoError && settings.content(&written) &&
                check.open(written) && check.get()->status() == QSettings::NoError &&
                check.values() == expected;
    }
    QString error;
    if (saved && QDir().mkpath(QFileInfo(file).absolutePath()) && save_whole(file, written, &error))
        return true;
    if (_problem)
        *_problem = tr("Не удалось записать файл настроек %1: выбор языка не сохранён.")
                        .arg(QDir::toNativeSeparators(file));
    return false;
}

bool Language::apply(Code _code)
{
    if (_code == russian) {
        uninstall(installed);
        install_qt_russian();
        return true;
    }
    if (!installed) {
        // The translation is in the resources of a static library: brought
        // in by name, or the linker leaves it out.
        Q_INIT_RESOURCE(rovalin_translations);
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral(":/translations/rovalin_en.qm"))) {
            // Still Russian throughout, Qt's texts included.
            delete translator;
            return false;
        }
        QCoreApplication::installTranslator(translator);
        installed = translator;
    }
    uninstall(qt_russian);
    return true;
}

Language::Code Language::current()
{
    return installed ? english : russian;
}

QString Language::shown(const QString &_own, const QString &_english)
{
    return current() == english && !_english.isEmpty() ? _english : _own;
}
