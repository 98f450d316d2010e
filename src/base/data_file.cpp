// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/data_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonParseError>
#include <QSaveFile>
#include <QVector>

#include <limits>

namespace {

// The character of _content that starts at byte _offset, quoted; the
// parser stops at tokens, which are ASCII, or at the first byte of text it
// cannot use.
QString found_at(const QByteArray &_content, int _offset)
{
    const QString text = QString::fromUtf8(_content.mid(_offset, 4));
    return quoted(text.left(!text.isEmpty() && text.at(0).isHighSurrogate() ? 2 : 1));
}

// What is wrong where the parser stopped, at byte _offset of _content, in
// words a user who edits the file understands: what stands there, and what
// was expected. _at_end: the file ended before it.
QString parse_error_text(QJsonParseError::ParseError _error, const QByteArray &_content,
                         int _offset, bool _at_end)
{
    const QString found = found_at(_content, _offset);
    const char at = _offset < _content.size() ? _content.at(_offset) : '\0';
    // The last character before it that is no blank.
    char before = '\0';
    for (int i = _offset - 1; i >= 0 && before == '\0'; --i) {
        if (!QChar::isSpace(uchar(_content.at(i))))
            before = _content.at(i);
    }
    switch (_error) {
    case QJsonParseError::UnterminatedObject:
        if (_at_end)
            return Catalogue_Reader::tr("файл обрывается: объект не закрыт, не хватает }");
        if (at == ']')
            return Catalogue_Reader::tr("здесь «]», а объект перед ним не закрыт: не хватает }");
        if (before != '{' && before != ',')
            return Catalogue_Reader::tr("здесь %1, а ожидалась запятая или } (пропущена запятая?)")
                .arg(found);
        if (before == ',' && at == ',')
            return Catalogue_Reader::tr("здесь вторая запятая подряд, а ожидалось имя в кавычках");
        if (before == ',' && at >= '0' && at <= '9')
            return Catalogue_Reader::tr("здесь %1, а после запятой ожидалось имя в кавычках "
                                        "(дробь через запятую? В файле её пишут через точку)")
                .arg(found);
        // A letter: most likely a name whose opening quotation mark is missing.
        if (QChar::isLetter(uchar(at)))
            return Catalogue_Reader::tr("здесь %1, а ожидалось имя в кавычках (пропущена кавычка?)")
                .arg(found);
        return Catalogue_Reader::tr("здесь %1, а ожидалось имя в кавычках").arg(found);
    case QJsonParseError::MissingNameSeparator:
        if (_at_end)
            return Catalogue_Reader::tr("файл обрывается после имени");
        return Catalogue_Reader::tr("здесь %1, а после имени ожидалось двоеточие").arg(found);
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::MissingValueSeparator:
        if (_at_end)
            return Catalogue_Reader::tr("файл обрывается: массив не закрыт, не хватает ]");
        return Catalogue_Reader::tr("здесь %1, а ожидалась запятая или ] (пропущена запятая?)")
            .arg(found);
    case QJsonParseError::MissingObject:
        if (_at_end)
            return Catalogue_Reader::tr("файл обрывается после запятой");
        return Catalogue_Reader::tr("здесь %1 сразу после запятой (лишняя запятая?)").arg(found);
    case QJsonParseError::IllegalValue:
        return Catalogue_Reader::tr("здесь не может стоять такое значение");
    case QJsonParseError::TerminationByNumber:
        return Catalogue_Reader::tr("файл обрывается на числе");
    case QJsonParseError::IllegalNumber:
        return Catalogue_Reader::tr("неправильно записано число");
    case QJsonParseError::IllegalEscapeSequence:
        return Catalogue_Reader::tr("неправильный знак после \\ в строке");
    case QJsonParseError::IllegalUTF8String:
        return Catalogue_Reader::tr("в строке знаки не в кодировке UTF-8");
    case QJsonParseError::UnterminatedString:
        return Catalogue_Reader::tr("строка не закрыта: не хватает кавычки");
    case QJsonParseError::DeepNesting:
        return Catalogue_Reader::tr("слишком глубокая вложенность скобок");
    case QJsonParseError::DocumentTooLarge:
        return Catalogue_Reader::tr("файл слишком велик");
    case QJsonParseError::GarbageAtEnd:
        return Catalogue_Reader::tr("лишний текст после конца массива");
    default:
        return Catalogue_Reader::tr("ошибка в записи JSON");
    }
}

QString not_an_array()
{
    return Catalogue_Reader::tr("в файле объект { … }, а должен быть массив [ … ]");
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

// "2, 5, 7", at most ten numbers, then how many more.
QString numbers(const QVector<int> &_positions)
{
    QStringList shown;
    for (int i = 0; i < _positions.size() && i < 10; ++i)
        shown << QString::number(_positions.at(i));
    const QString text = shown.join(QStringLiteral(", "));
    if (_positions.size() > 10)
        return Catalogue_Reader::tr("%1 и ещё %2")
            .arg(text, QString::number(_positions.size() - 10));
    return text;
}

// Array elements passed over, by their positions: _one or _many, whose "%1"
// stands for the numbers ("№ %1" in Russian).
void skipped(Catalogue_Problems &_problems, const QVector<int> &_positions, const QString &_one,
             const QString &_many)
{
    if (!_positions.isEmpty())
        _problems.add((_positions.size() == 1 ? _one : _many).arg(numbers(_positions)));
}

} // namespace

bool move_aside(const QString &_file_name, QString *_aside, QString *_error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = _file_name + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = _file_name + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    QFile file(_file_name);
    if (!file.rename(aside)) {
        *_error = file.errorString();
        return false;
    }
    *_aside = aside;
    return true;
}

bool save_whole(const QString &_file_name, const QByteArray &_content, QString *_error)
{
    QSaveFile file(_file_name);
    file.setDirectWriteFallback(false);
    // The file buffers what is written: a write(2) that fails shows only in
    // the flush, which commit() would not look at before it puts the new
    // file in place, short or empty.
    if (file.open(QIODevice::WriteOnly) && file.write(_content) == _content.size() &&
        file.flush() && file.error() == QFileDevice::NoError && file.commit())
        return true;
    *_error = file.errorString();
    // The new file goes; the old one stays as it was.
    file.cancelWriting();
    return false;
}

QJsonDocument parse_json(const QByteArray &_content, QString *_what, QString *_place)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(_content, &error);
    if (error.error == QJsonParseError::NoError)
        return document;
    QByteArray text = _content.trimmed();
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.mid(3).trimmed();
    if (text.isEmpty()) {
        *_what = Catalogue_Reader::tr("файл пуст");
        _place->clear();
    } else {
        // Qt's offset lies just past the token where it gave up, except for
        // text after the end and bytes that are not UTF-8, which it points
        // at. At the end of the file it lies there whether the last token
        // was the one it gave up at or it found none: with a blank added,
        // the offset moves past it only in the second case.
        const bool at_offset = error.error == QJsonParseError::GarbageAtEnd ||
                               error.error == QJsonParseError::IllegalUTF8String;
        const int offset = at_offset ? error.offset : error.offset - 1;
        bool at_end = false;
        if (!at_offset && error.offset >= _content.size()) {
            QJsonParseError again;
            QJsonDocument::fromJson(_content + ' ', &again);
            at_end = again.offset > _content.size();
        }
        *_what = parse_error_text(error.error, _content, offset, at_end);
        *_place = place(_content, offset);
    }
    return QJsonDocument();
}

int add_catalogue_objects(const QByteArray &_content, Catalogue_Problems &_problems,
                          const std::function<bool(const QJsonObject &)> &_add)
{
    QString what;
    QString where;
    const QJsonDocument document = parse_json(_content, &what, &where);
    if (document.isNull()) {
        _problems.add(what, where);
        return 0;
    }
    if (!document.isArray()) {
        _problems.add(not_an_array());
        return 0;
    }

    int added = 0;
    QVector<int> not_objects;
    QVector<int> without_name;
    const QJsonArray entries = document.array();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonValue value = entries.at(i);
        if (!value.isObject()) {
            not_objects << i + 1;
            continue;
        }
        const QJsonObject object = value.toObject();
        // A missing key reads as undefined.
        if (object.value(QLatin1String("name")).isUndefined())
            without_name << i + 1;
        else if (_add(object))
            ++added;
    }
    if (entries.isEmpty())
        _problems.add(Catalogue_Reader::tr("в массиве нет ни одной записи"));
    skipped(_problems, not_objects,
            Catalogue_Reader::tr("элемент массива № %1 пропущен: это не объект { … }"),
            Catalogue_Reader::tr("элементы массива № %1 пропущены: это не объекты { … }"));
    skipped(_problems, without_name,
            Catalogue_Reader::tr("объект № %1 пропущен: у него нет \"name\""),
            Catalogue_Reader::tr("объекты № %1 пропущены: у них нет \"name\""));
    return added;
}

void Catalogue_Problems::add(const QString &_what, const QString &_place)
{
    if (lines)
        lines->append(file + (_place.isEmpty() ? QString() : QLatin1Char(':') + _place) +
                      QStringLiteral(": ") + _what);
}

void Catalogue_Problems::add_about(const QString &_name, const QString &_what)
{
    //: An entry's name in quotes, then what is wrong with it.
    add(Catalogue_Reader::tr("%1: %2").arg(quoted(_name), _what));
}

QString quoted(const QString &_text)
{
    // One line of well-formed text: no control characters or line breaks, no
    // half of a surrogate pair.
    QString text = _text;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            text[i] = QLatin1Char(' ');
        else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar(QChar::ReplacementCharacter);
    }
    //: A name or other text of a catalogue, quoted in a problem.
    return Catalogue_Reader::tr("«%1»").arg(text);
}

bool read_catalogue_file(const QString &_file_name, Catalogue_Problems &_problems,
                         QByteArray &_content)
{
    // Only regular files: opening a FIFO would block the start-up for good, and
    // a device such as /dev/zero would never end.
    const QFileInfo info(_file_name);
    if (!info.isFile()) {
        const QString folder = info.absolutePath();
        if (!QFileInfo(folder).isDir())
            _problems.add(Catalogue_Reader::tr("нет папки %1").arg(folder));
        else if (info.isSymLink() && !info.exists())
            _problems.add(Catalogue_Reader::tr("ссылка ведёт на файл, которого нет"));
        else if (!info.exists())
            _problems.add(Catalogue_Reader::tr("нет такого файла"));
        else if (info.isDir())
            _problems.add(Catalogue_Reader::tr("это папка, а не файл"));
        else
            _problems.add(Catalogue_Reader::tr("это не обычный файл"));
        return false;
    }
    // A byte array holds less than 2 GiB: refuse what it cannot hold whole
    // rather than read part of it.
    if (info.size() >= std::numeric_limits<int>::max()) {
        _problems.add(Catalogue_Reader::tr("файл слишком велик"));
        return false;
    }
    QFile file(_file_name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        _problems.add(info.isReadable() ? Catalogue_Reader::tr("файл не удаётся открыть")
                                        : Catalogue_Reader::tr("нет прав на чтение файла"));
        return false;
    }
    _content = file.readAll();
    return true;
}

bool read_catalogue_array(const QString &_file_name, QJsonArray *_entries, Catalogue_Fault *_fault,
                          QByteArray *_content)
{
    *_entries = QJsonArray();
    *_fault = Catalogue_Fault();
    QStringList problems;
    Catalogue_Problems problem(QString(), &problems);
    QByteArray content;
    if (!read_catalogue_file(_file_name, problem, content)) {
        _fault->what = problems.value(0).mid(2); // the line names no file: ": <what>"
        return false;
    }
    if (_content)
        *_content = content;
    const QJsonDocument document = parse_json(content, &_fault->what, &_fault->place);
    if (document.isNull())
        return false;
    if (!document.isArray()) {
        _fault->what = not_an_array();
        return false;
    }
    *_entries = document.array();
    return true;
}
