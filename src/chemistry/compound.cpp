// SPDX-License-Identifier: GPL-3.0-or-later

#include "chemistry/compound.h"

#include "base/language.h"

Compound::Compound(const QString &_name, const QString &_title) : name_(_name), title_(_title) {}

QString Compound::shown_name() const
{
    return Language::shown(name_, name_en_);
}

void Compound::set_target(const QString &_target)
{
    if (!_target.isEmpty())
        target_ = _target;
}

int Compound::count_elements() const
{
    return static_cast<int>(elements.size());
}

Element Compound::element_at(int _i) const
{
    if (_i < 0 || _i >= count_elements())
        return Element();
    return elements[static_cast<std::size_t>(_i)];
}

Element Compound::find_element(const QString &_key) const
{
    return element_at(index_element(_key));
}

int Compound::index_element(const QString &_key) const
{
    for (int i = 0; i < count_elements(); ++i) {
        if (elements[static_cast<std::size_t>(i)].name == _key)
            return i;
    }
    return -1;
}

bool Compound::contains_element(const QString &_key) const
{
    return index_element(_key) != -1;
}

void Compound::add_element(Element *_element)
{
    if (!_element)
        return;
    elements.push_back(std::move(*_element));
    delete _element;
}

void Compound::add_element(const Element &_element)
{
    elements.push_back(_element);
}

void Compound::reserve_elements(int _count)
{
    if (_count > 0)
        elements.reserve(static_cast<std::size_t>(_count));
}

void Compound::set_solubility(double _g_per_l, double _at_c)
{
    solubility_ = _g_per_l;
    solubility_at_c_ = _at_c;
}
