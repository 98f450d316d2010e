// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_TYPE_FERTILIZER_H
#define ROVALIN_TYPE_FERTILIZER_H

#include "base/message_text.h"
#include "chemistry/compound.h"
#include "dosing/calc_result.h"

#include <QString>

#include <memory>
#include <vector>

// The common interface of the three calculators. Each calculator owns the
// catalogue of its kind and answers four questions for the window: the title
// of the table's value column, the message for an out-of-range input, the dose
// and concentration for one element, and the result message.
//
// _method is the index of the chosen calculation method: 0 means "the user
// gives the wanted concentration of the reference element and gets the dose",
// 1 means "the user gives the weekly dose and gets the concentrations".
// range_message treats any value other than 1 like 0; calculate and
// result_message treat any value other than 0 like 1.
class Type_Fertilizer
{
public:
    Type_Fertilizer();
    virtual ~Type_Fertilizer();

    // Title of the table's second column: catalogue values (false) or
    // computed concentrations (true).
    virtual QString column_title(bool _is_calc) const = 0;
    // Message for a method value outside [_bottom, _top].
    virtual QString range_message(int _method, const QString &_target, double _bottom,
                                  double _top) const = 0;
    // Dose and concentration of element _element of entry _index; _values
    // holds the inputs and _size their size in bytes. A calculation for the
    // entry's target element is remembered for result_message.
    virtual Calc_Result calculate(int _method, int _index, int _element, const double *_values,
                                  unsigned _size) = 0;
    // Message built from the last calculation for a target element.
    virtual QString result_message(int _method, int _index) const = 0;

    int count_compounds() const;
    // Null when _i is not a valid index.
    Compound *compound_at(int _i) const;
    // Takes ownership of an entry made with new; a null pointer is ignored.
    void add_compound(Compound *_compound);
    // Puts _compound, made with new, in the place of entry _i, which is deleted.
    void replace_compound(int _i, Compound *_compound);
    // Hands over every entry, leaving the catalogue empty.
    std::vector<std::unique_ptr<Compound>> take_compounds();

    QString get_type_fert() const { return type_fert; }
    // The captions, in the language in use.
    QString get_list_title() const { return Message_Text::tr(list_title); }
    QString get_input_title() const { return Message_Text::tr(input_title); }
    QString get_choose_title() const { return Message_Text::tr(choose_title); }

protected:
    std::vector<std::unique_ptr<Compound>> compounds;
    QString type_fert; // kind key: "premix", "diy" or "diy_sol"
    // Source texts, translated when asked for (QT_TRANSLATE_NOOP in Message_Text).
    const char *list_title = "";   // name of the catalogue list
    const char *input_title = "";  // caption of the value field in method 1
    const char *choose_title = ""; // caption of the entry list

private:
    Type_Fertilizer(const Type_Fertilizer &) = delete;
    Type_Fertilizer &operator=(const Type_Fertilizer &) = delete;
};

#endif // ROVALIN_TYPE_FERTILIZER_H
