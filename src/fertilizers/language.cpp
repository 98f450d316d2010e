// SPDX-License-Identifier: GPL-3.0-or-later

#include "language.h"

#include "catalogue_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

namespace {

const char *const key = "language";
const char *const codes[] = {"ru", "en"};

// The translator while one is installed; the application owns it.
QTranslator *installed = nullptr;

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
        QSettings settings(file, QSettings::IniFormat);
        const QString code = settings.value(QLatin1String(key)).toString();
        if (settings.status() == QSettings::NoError) {
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
    // A file that cannot be read is not written over.
    if (QFileInfo::exists(file) &&
        QSettings(file, QSettings::IniFormat).status() != QSettings::NoError) {
        if (_problem)
            *_problem = tr("Файл настроек %1 не читается: выбор языка не сохранён.")
                            .arg(QDir::toNativeSeparators(file));
        return false;
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(QLatin1String(key), QLatin1String(codes[_code]));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        if (_problem)
            *_problem = tr("Не удалось записать файл настроек %1: выбор языка не сохранён.")
                            .arg(QDir::toNativeSeparators(file));
        return false;
    }
    return true;
}

bool Language::apply(Code _code)
{
    if (_code == current())
        return true;
    if (_code == russian) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
        return true;
    }
    // The translation is in the resources of a static library: brought in
    // by name, or the linker leaves it out.
    Q_INIT_RESOURCE(rovalin_translations);
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/rovalin_en.qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

Language::Code Language::current()
{
    return installed ? english : russian;
}
