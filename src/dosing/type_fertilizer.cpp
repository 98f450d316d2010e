// SPDX-License-Identifier: GPL-3.0-or-later

#include "dosing/type_fertilizer.h"

Type_Fertilizer::Type_Fertilizer() = default;

Type_Fertilizer::~Type_Fertilizer() = default;

int Type_Fertilizer::count_compounds() const
{
    return static_cast<int>(compounds.size());
}

Compound *Type_Fertilizer::compound_at(int _i) const
{
    if (_i < 0 || _i >= count_compounds())
        return nullptr;
    return compounds[static_cast<std::size_t>(_i)].get();
}

void Type_Fertilizer::add_compound(Compound *_compound)
{
    if (_compound)
        compounds.emplace_back(_compound);
}

void Type_Fertilizer::replace_compound(int _i, Compound *_compound)
{
    if (_i < 0 || _i >= count_compounds() || !_compound) {
        delete _compound;
        return;
    }
    compounds[static_cast<std::size_t>(_i)].reset(_compound);
}

std::vector<std::unique_ptr<Compound>> Type_Fertilizer::take_compounds()
{
    std::vector<std::unique_ptr<Compound>> taken;
    taken.swap(compounds);
    return taken;
}
