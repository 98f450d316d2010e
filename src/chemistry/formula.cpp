// SPDX-License-Identifier: GPL-3.0-or-later

#include "chemistry/formula.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

struct Atomic_Weight
{
    const char *symbol;
    double weight;
};

// IUPAC 2021, abridged to five significant figures; for an interval, its
// conventional value. Elements without a standard atomic weight are absent.
constexpr Atomic_Weight atomic_weights[] = {
    {"H", 1.0080},  {"He", 4.0026}, {"Li", 6.94},   {"Be", 9.0122}, {"B", 10.81},   {"C", 12.011},
    {"N", 14.007},  {"O", 15.999},  {"F", 18.998},  {"Ne", 20.180}, {"Na", 22.990}, {"Mg", 24.305},
    {"Al", 26.982}, {"Si", 28.085}, {"P", 30.974},  {"S", 32.06},   {"Cl", 35.45},  {"Ar", 39.95},
    {"K", 39.098},  {"Ca", 40.078}, {"Sc", 44.956}, {"Ti", 47.867}, {"V", 50.942},  {"Cr", 51.996},
    {"Mn", 54.938}, {"Fe", 55.845}, {"Co", 58.933}, {"Ni", 58.693}, {"Cu", 63.546}, {"Zn", 65.38},
    {"Ga", 69.723}, {"Ge", 72.630}, {"As", 74.922}, {"Se", 78.971}, {"Br", 79.904}, {"Kr", 83.798},
    {"Rb", 85.468}, {"Sr", 87.62},  {"Y", 88.906},  {"Zr", 91.224}, {"Nb", 92.906}, {"Mo", 95.95},
    {"Ru", 101.07}, {"Rh", 102.91}, {"Pd", 106.42}, {"Ag", 107.87}, {"Cd", 112.41}, {"In", 114.82},
    {"Sn", 118.71}, {"Sb", 121.76}, {"Te", 127.60}, {"I", 126.90},  {"Xe", 131.29}, {"Cs", 132.91},
    {"Ba", 137.33}, {"La", 138.91}, {"Ce", 140.12}, {"Pr", 140.91}, {"Nd", 144.24}, {"Sm", 150.36},
    {"Eu", 151.96}, {"Gd", 157.25}, {"Tb", 158.93}, {"Dy", 162.50}, {"Ho", 164.93}, {"Er", 167.26},
    {"Tm", 168.93}, {"Yb", 173.05}, {"Lu", 174.97}, {"Hf", 178.49}, {"Ta", 180.95}, {"W", 183.84},
    {"Re", 186.21}, {"Os", 190.23}, {"Ir", 192.22}, {"Pt", 195.08}, {"Au", 196.97}, {"Hg", 200.59},
    {"Tl", 204.38}, {"Pb", 207.2},  {"Bi", 208.98}, {"Th", 232.04}, {"Pa", 231.04}, {"U", 238.03},
};

constexpr int element_count = int(sizeof atomic_weights / sizeof atomic_weights[0]);

// The element's place in the table; -1 for a symbol without a standard atomic
// weight.
int element_index(QStringView _symbol)
{
    if (_symbol.isEmpty() || _symbol.size() > 2)
        return -1;
    const char16_t first = _symbol.at(0).unicode();
    const char16_t second = _symbol.size() == 2 ? _symbol.at(1).unicode() : u'\0';
    for (int i = 0; i < element_count; ++i) {
        if (char16_t(atomic_weights[i].symbol[0]) == first &&
            char16_t(atomic_weights[i].symbol[1]) == second)
            return i;
    }
    return -1;
}

// The places of the table in ascending order of the symbols.
const std::array<int, element_count> &in_symbol_order()
{
    static const std::array<int, element_count> order = [] {
        std::array<int, element_count> places;
        for (int i = 0; i < element_count; ++i)
            places[i] = i;
        std::sort(places.begin(), places.end(), [](int _a, int _b) {
            return std::strcmp(atomic_weights[_a].symbol, atomic_weights[_b].symbol) < 0;
        });
        return places;
    }();
    return order;
}

constexpr int max_count = 1000;
constexpr int max_depth = 8;

bool is_separator(QChar _c)
{
    return _c == QChar(0x00B7) || _c == QChar(0x2022) || _c == QLatin1Char('*') ||
           _c == QLatin1Char('.');
}

bool is_ascii_upper(QChar _c)
{
    return _c >= QLatin1Char('A') && _c <= QLatin1Char('Z');
}

bool is_ascii_lower(QChar _c)
{
    return _c >= QLatin1Char('a') && _c <= QLatin1Char('z');
}

bool is_digit(QChar _c)
{
    return _c >= QLatin1Char('0') && _c <= QLatin1Char('9');
}

// How many atoms of each element of the table.
struct Atoms
{
    std::array<double, element_count> counts{};
    bool empty = true;

    void add(int _element, double _count)
    {
        counts[_element] += _count;
        empty = false;
    }

    void add(const Atoms &_part, double _times)
    {
        for (int i = 0; i < element_count; ++i)
            counts[i] += _part.counts[i] * _times;
        empty = empty && _part.empty;
    }
};

} // namespace

// Reads one formula, recursive descent over its groups; the first error ends it.
class Formula_Reader
{
public:
    explicit Formula_Reader(const QString &_text) : text(_text)
    {
        while (end > 0 && text.at(end - 1).isSpace())
            --end;
        while (pos < end && text.at(pos).isSpace())
            ++pos;
    }

    void read_into(Formula &_formula)
    {
        Atoms atoms;
        if (pos == end)
            error = Formula::tr("формула пуста");
        bool first = true;
        while (error.isEmpty()) {
            const int start = pos;
            int coefficient = 1;
            if (!first && !count(coefficient))
                break;
            Atoms part;
            if (!sequence(part, 0, QChar()))
                break;
            if (part.empty) {
                fail_at(start, first ? Formula::tr("здесь не может стоять «%1»").arg(at(start))
                                     : Formula::tr("после «%1» нет формулы").arg(at(start - 1)));
                break;
            }
            atoms.add(part, coefficient);
            if (pos == end)
                break;
            ++pos; // a separator: sequence() stops at nothing else without an error
            first = false;
            if (pos == end)
                fail_at(pos - 1, Formula::tr("после «%1» нет формулы").arg(at(pos - 1)));
        }
        _formula.error_ = error;
        if (!error.isEmpty())
            return;

        double total = 0;
        for (const int i : in_symbol_order())
            total += atomic_weights[i].weight * atoms.counts[i];
        for (const int i : in_symbol_order()) {
            if (atoms.counts[i] > 0)
                _formula.fractions_.append(
                    Element(QString::fromLatin1(atomic_weights[i].symbol),
                            atomic_weights[i].weight * atoms.counts[i] / total));
        }
        _formula.sulfate = sulfate;
        _formula.phosphate = phosphate;
        _formula.carbonate = carbonate;
    }

private:
    const QString &text;
    int pos = 0;
    int end = text.size();
    QString error;
    bool sulfate = false;
    bool phosphate = false;
    bool carbonate = false;

    // The character at _at as an error shows it: a surrogate pair whole, and
    // one that cannot be shown on a line by its code.
    QString at(int _at) const
    {
        if (_at < 0 || _at >= end)
            return QString();
        const QChar c = text.at(_at);
        if (c.isHighSurrogate() && _at + 1 < end && text.at(_at + 1).isLowSurrogate())
            return text.mid(_at, 2);
        const QChar::Category category = c.category();
        if (c.isSurrogate() || category == QChar::Other_Control ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        return QString(c);
    }

    bool fail_at(int _at, const QString &_what)
    {
        if (error.isEmpty())
            //: Where in the formula, counted in characters from 1, and what is wrong there.
            error = Formula::tr("позиция %1: %2")
                        .arg(QString::number(text.left(_at).toUcs4().size() + 1), _what);
        return false;
    }

    bool fail(const QString &_what) { return fail_at(pos, _what); }

    // A count after a symbol or group, or a coefficient: 1 when there is none.
    bool count(int &_value)
    {
        const int start = pos;
        long long value = 0;
        while (pos < end && is_digit(text.at(pos))) {
            value = qMin<long long>(value * 10 + text.at(pos).digitValue(), max_count + 1);
            ++pos;
        }
        if (pos == start) {
            _value = 1;
            return true;
        }
        // A zero typed for the letter O: K2S04 would read as K2S4.
        if (value == 0)
            return fail_at(start, Formula::tr("количество не может быть 0 (0 вместо O?)"));
        if (text.at(start) == QLatin1Char('0'))
            return fail_at(start, Formula::tr("число не может начинаться с 0 (0 вместо O?)"));
        if (value > max_count)
            return fail_at(start, Formula::tr("число больше %1").arg(max_count));
        _value = static_cast<int>(value);
        return true;
    }

    // Symbols and groups up to a separator (at depth 0), a closing bracket
    // (deeper) or the end.
    bool sequence(Atoms &_atoms, int _depth, QChar _close)
    {
        QStringView previous;
        int previous_count = 0;
        while (pos < end) {
            const QChar c = text.at(pos);
            if (c == QLatin1Char('(') || c == QLatin1Char('[')) {
                if (_depth == max_depth)
                    return fail(Formula::tr("больше %1 скобок одна в другой").arg(max_depth));
                const int open = pos++;
                const QChar close = c == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char(']');
                Atoms inner;
                if (!sequence(inner, _depth + 1, close))
                    return false;
                if (pos == end)
                    return fail_at(open, Formula::tr("скобка «%1» не закрыта").arg(c));
                if (text.at(pos) != close)
                    return fail(
                        Formula::tr("«%1» закрывает «%2»").arg(QString(text.at(pos)), QString(c)));
                if (inner.empty)
                    return fail_at(open, Formula::tr("пустые скобки"));
                ++pos;
                int times = 1;
                if (!count(times))
                    return false;
                _atoms.add(inner, times);
                previous = QStringView();
            } else if (c == QLatin1Char(')') || c == QLatin1Char(']')) {
                if (_close.isNull())
                    return fail(Formula::tr("лишняя скобка «%1»").arg(c));
                return true;
            } else if (is_ascii_upper(c)) {
                const int start = pos++;
                if (pos < end && is_ascii_lower(text.at(pos)))
                    ++pos;
                const QStringView symbol = QStringView(text).mid(start, pos - start);
                const int element = element_index(symbol);
                if (element < 0)
                    return fail_at(start, Formula::tr("нет элемента «%1»").arg(symbol.toString()));
                int times = 1;
                if (!count(times))
                    return false;
                _atoms.add(element, times);
                if (symbol == QLatin1String("O") && previous_count == 1)
                    note_group(previous, times);
                previous = symbol;
                previous_count = times;
            } else if (c.isSpace()) {
                return fail(Formula::tr("пробел внутри формулы"));
            } else if (is_separator(c) && _depth == 0) {
                return true;
            } else {
                return fail(Formula::tr("здесь не может стоять «%1»").arg(at(pos)));
            }
        }
        return true;
    }

    // SO4, PO4 and CO3, met as one symbol right before the O.
    void note_group(QStringView _before, int _oxygens)
    {
        if (_before == QLatin1String("S") && _oxygens == 4)
            sulfate = true;
        else if (_before == QLatin1String("P") && _oxygens == 4)
            phosphate = true;
        else if (_before == QLatin1String("C") && _oxygens == 3)
            carbonate = true;
    }
};

Formula::Formula(const QString &_text)
{
    Formula_Reader(_text).read_into(*this);
}

QVector<Element> Formula::dosed_fractions() const
{
    QVector<Element> dosed;
    for (const Element &element : fractions_) {
        if (element.name != QLatin1String("H") && element.name != QLatin1String("O") &&
            element.name != QLatin1String("C"))
            dosed.append(element);
    }
    return dosed;
}

double Formula::atomic_weight(const QString &_symbol)
{
    const int element = element_index(_symbol);
    return element < 0 ? 0 : atomic_weights[element].weight;
}

double Formula::fraction(const QString &_symbol) const
{
    for (const Element &element : fractions_) {
        if (element.name == _symbol)
            return element.value;
    }
    return 0;
}
