// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_DATA_FILE_H
#define ROVALIN_DATA_FILE_H

// What the readers of the catalogue files share: reading a file safely,
// parsing it as a JSON array of objects, and saying what could not be used;
// and how every file the program keeps is written.

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

// The context of the problems of the files the program reads, shared by every
// reader.
class Catalogue_Reader
{
    Q_DECLARE_TR_FUNCTIONS(Catalogue_Reader)
};

// Collects the problems of one file, each as "<file>[:<place>]: <what>".
class Catalogue_Problems
{
public:
    Catalogue_Problems(const QString &_file_name, QStringList *_lines)
        : file(_file_name), lines(_lines)
    {}

    void add(const QString &_what, const QString &_place = QString());
    // "«<name>»: <what>", about one entry.
    void add_about(const QString &_name, const QString &_what);

private:
    QString file;
    QStringList *lines;
};

// _text in «», on one line: a catalogue text quoted in a problem.
QString quoted(const QString &_text);

// The whole of _file_name when it is a regular file that can be read and held;
// otherwise says why and gives false.
bool read_catalogue_file(const QString &_file_name, Catalogue_Problems &_problems,
                         QByteArray &_content);

// Why a file cannot be used as a catalogue at all.
struct Catalogue_Fault
{
    QString place; // "<line>:<column>" where reading stopped; empty where none can be given
    QString what;  // what is wrong there, as the problems say it
};

// The array of catalogue file _file_name, and its bytes in _content when
// given; false, with _fault filled, when the file cannot be read or holds no
// JSON array.
bool read_catalogue_array(const QString &_file_name, QJsonArray *_entries, Catalogue_Fault *_fault,
                          QByteArray *_content = nullptr);

// Moves a file that cannot be read out of the way, with its bytes as they are,
// as "<file>.unreadable-<yyyyMMdd-hhmmss>" (with a number after it where that
// is taken), so that a new one can start: never written over. Gives the new
// name, or false and why not.
bool move_aside(const QString &_file_name, QString *_aside, QString *_error);

// Replaces _file_name with _content whole, or leaves it exactly as it was:
// the content goes to a new file beside it, each write and the final flush
// are checked, and only a complete new file takes the old one's place (a
// file is never written in place). False, with why, where it could not.
bool save_whole(const QString &_file_name, const QByteArray &_content, QString *_error);

// Parses _content as JSON. Where it cannot, the document is null and _what
// says what is wrong, _place where ("<line>:<column>", as the problems give
// it; empty for a file with nothing in it).
QJsonDocument parse_json(const QByteArray &_content, QString *_what, QString *_place);

// Parses _content as a JSON array and hands each object that has a "name" to
// _add, in order, which tells whether it made an entry of it; says what it
// passed over (broken JSON, no array, elements that are not objects, objects
// without "name"). Returns the number of entries made.
int add_catalogue_objects(const QByteArray &_content, Catalogue_Problems &_problems,
                          const std::function<bool(const QJsonObject &)> &_add);

#endif // ROVALIN_DATA_FILE_H
