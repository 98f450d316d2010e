// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue_reader.h"

#include "compound.h"
#include "element.h"
#include "type_fertilizer.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QVector>

#include <algorithm>
#include <limits>

namespace {

// What is wrong, in words a user who edits the file understands.
QString parse_error_text(QJsonParseError::ParseError _error)
{
    switch (_error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("объект не закрыт: не хватает }");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("после имени пропущено двоеточие");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("массив не закрыт: не хватает ]");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("пропущена запятая между элементами");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("здесь не может стоять такое значение");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("файл обрывается на числе");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("неправильно записано число");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("неправильный знак после \\ в строке");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("в строке знаки не в кодировке UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("строка не закрыта: не хватает кавычки");
    case QJsonParseError::MissingObject:
        return QStringLiteral("после запятой нет элемента (лишняя запятая?)");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("слишком глубокая вложенность скобок");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("файл слишком велик");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("лишний текст после конца массива");
    default:
        return QStringLiteral("ошибка в записи JSON");
    }
}

// "<line>:<column>" of byte _offset of _content, both counted from 1, the
// column in characters; a byte-order mark takes no column.
QString place(const QByteArray &_content, int _offset)
{
    const int offset = qBound(0, _offset, _content.size());
    const QByteArray before = _content.left(offset);
    const int line_start = before.lastIndexOf('\n') + 1;
    QByteArray line = before.mid(line_start);
    if (line_start == 0 && line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    return QStringLiteral("%1:%2")
        .arg(before.count('\n') + 1)
        .arg(QString::fromUtf8(line).toUcs4().size() + 1);
}

// "№ 2, 5, 7", at most ten numbers, then how many more.
QString numbers(const QVector<int> &_positions)
{
    QStringList shown;
    for (int i = 0; i < _positions.size() && i < 10; ++i)
        shown << QString::number(_positions.at(i));
    QString text = QStringLiteral("№ ") + shown.join(QStringLiteral(", "));
    if (_positions.size() > 10)
        text += QStringLiteral(" и ещё %1").arg(_positions.size() - 10);
    return text;
}

// Collects the problems of one file, each as "<file>[:<place>]: <what>".
class Problems
{
public:
    Problems(const QString &_file_name, QStringList *_lines) : file(_file_name), lines(_lines) {}

    void add(const QString &_what, const QString &_place = QString())
    {
        if (lines)
            lines->append(file + (_place.isEmpty() ? QString() : QLatin1Char(':') + _place) +
                          QStringLiteral(": ") + _what);
    }

private:
    QString file;
    QStringList *lines;
};

// Adds one entry read from _object to each of _ferts; false when it has no
// "name".
bool add_entry(const QJsonObject &_object, const QVector<Type_Fertilizer *> &_ferts)
{
    // A missing key reads as undefined; a "name" of another type than string
    // gives an empty name.
    const QJsonValue name_value = _object.value(QLatin1String("name"));
    if (name_value.isUndefined())
        return false;
    const QString name = name_value.toString(QStringLiteral(""));
    // Only a string "target" names the reference element.
    const QJsonValue target_value = _object.value(QLatin1String("target"));
    const bool has_target = target_value.isString();
    const QString target = target_value.toString();

    // Every numeric member is an element, "name" and "target" included. Keys
    // are decoded for numeric and object members only: a key costs more than
    // its value.
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    double solubility = none;
    double solubility_at_c = none;
    QVector<Element> members;
    members.reserve(_object.size());
    for (auto it = _object.constBegin(); it != _object.constEnd(); ++it) {
        const QJsonValue value = it.value();
        if (value.isDouble()) {
            members.append(Element(it.key(), value.toDouble()));
        } else if (value.isObject() && it.key() == QLatin1String("solubility")) {
            const QJsonObject figures = value.toObject();
            const QJsonValue g_per_l = figures.value(QLatin1String("g_per_l"));
            const QJsonValue at_c = figures.value(QLatin1String("at_c"));
            solubility = g_per_l.isDouble() ? g_per_l.toDouble() : none;
            solubility_at_c = at_c.isDouble() ? at_c.toDouble() : none;
        }
    }

    // The numeric members go in ascending order of their keys compared code
    // unit by code unit. QJsonObject keeps its keys in code-point order, which
    // differs beyond the BMP, so they are sorted again.
    std::sort(members.begin(), members.end(),
              [](const Element &_a, const Element &_b) { return _a.name < _b.name; });
    for (Type_Fertilizer *fert : _ferts) {
        auto *entry = new Compound(name, name);
        if (has_target)
            entry->set_target(target);
        entry->set_solubility(solubility, solubility_at_c);
        entry->reserve_elements(members.size());
        for (const Element &member : members)
            entry->add_element(member);
        fert->add_compound(entry);
    }
    return true;
}

// Array elements passed over, by their positions: _one or _many, whose "%1"
// stands for the numbers.
void skipped(Problems &_problems, const QVector<int> &_positions, const QString &_one,
             const QString &_many)
{
    if (!_positions.isEmpty())
        _problems.add((_positions.size() == 1 ? _one : _many).arg(numbers(_positions)));
}

int add_entries(const QByteArray &_content, const QVector<Type_Fertilizer *> &_ferts,
                Problems &_problems)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(_content, &error);
    if (error.error != QJsonParseError::NoError) {
        QByteArray text = _content.trimmed();
        if (text.startsWith("\xEF\xBB\xBF"))
            text = text.mid(3).trimmed();
        if (text.isEmpty()) {
            _problems.add(QStringLiteral("файл пуст"));
        } else {
            // Qt's offset lies just past where it gave up, except for text
            // after the end and bytes that are not UTF-8, which it points at.
            const bool at_offset = error.error == QJsonParseError::GarbageAtEnd ||
                                   error.error == QJsonParseError::IllegalUTF8String;
            const int offset = at_offset ? error.offset : error.offset - 1;
            _problems.add(parse_error_text(error.error), place(_content, offset));
        }
        return 0;
    }
    if (!document.isArray()) {
        _problems.add(QStringLiteral("в файле объект { … }, а должен быть массив [ … ]"));
        return 0;
    }

    int added = 0;
    QVector<int> not_objects;
    QVector<int> without_name;
    const QJsonArray entries = document.array();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonValue value = entries.at(i);
        if (!value.isObject())
            not_objects << i + 1;
        else if (add_entry(value.toObject(), _ferts))
            ++added;
        else
            without_name << i + 1;
    }
    if (entries.isEmpty())
        _problems.add(QStringLiteral("в массиве нет ни одной записи"));
    skipped(_problems, not_objects,
            QStringLiteral("элемент массива %1 пропущен: это не объект { … }"),
            QStringLiteral("элементы массива %1 пропущены: это не объекты { … }"));
    skipped(_problems, without_name, QStringLiteral("объект %1 пропущен: у него нет \"name\""),
            QStringLiteral("объекты %1 пропущены: у них нет \"name\""));
    return added;
}

} // namespace

int read_catalogue(const QString &_file_name, Type_Fertilizer *_fert, QStringList *_problems)
{
    return read_catalogue(_file_name, QVector<Type_Fertilizer *>{_fert}, _problems);
}

int read_catalogue(const QString &_file_name, const QVector<Type_Fertilizer *> &_ferts,
                   QStringList *_problems)
{
    if (_ferts.contains(nullptr))
        return 0;

    // Only regular files: opening a FIFO would block the start-up for good, and
    // a device such as /dev/zero would never end.
    Problems problems(_file_name, _problems);
    const QFileInfo info(_file_name);
    if (!info.isFile()) {
        const QString folder = info.absolutePath();
        if (!QFileInfo(folder).isDir())
            problems.add(QStringLiteral("нет папки ") + folder);
        else if (info.isSymLink() && !info.exists())
            problems.add(QStringLiteral("ссылка ведёт на файл, которого нет"));
        else if (!info.exists())
            problems.add(QStringLiteral("нет такого файла"));
        else if (info.isDir())
            problems.add(QStringLiteral("это папка, а не файл"));
        else
            problems.add(QStringLiteral("это не обычный файл"));
        return 0;
    }
    // A byte array holds less than 2 GiB: refuse what it cannot hold whole
    // rather than read part of it.
    if (info.size() >= std::numeric_limits<int>::max()) {
        problems.add(QStringLiteral("файл слишком велик"));
        return 0;
    }
    QFile file(_file_name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problems.add(info.isReadable() ? QStringLiteral("файл не удаётся открыть")
                                       : QStringLiteral("нет прав на чтение файла"));
        return 0;
    }
    const QByteArray content = file.readAll();
    file.close();
    return add_entries(content, _ferts, problems);
}

int parse_catalogue(const QByteArray &_content, Type_Fertilizer *_fert, const QString &_file_name,
                    QStringList *_problems)
{
    if (!_fert)
        return 0;
    Problems problems(_file_name, _problems);
    return add_entries(_content, {_fert}, problems);
}
