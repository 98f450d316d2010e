// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_TEASPOON_H
#define ROVALIN_TEASPOON_H

// Dry amounts in the level spoons of a kitchen without scales: the nearest of
// the measures hobbyists own (1/32, 1/16, ⅛, ¼, ½, ¾, 1, 1½, 2, 2½ teaspoons,
// then tablespoons of three teaspoons by halves from 1), and how far that
// measure is from the amount.

#include <QCoreApplication>
#include <QString>

class Teaspoon
{
    Q_DECLARE_TR_FUNCTIONS(Teaspoon)

public:
    // No dry salt is dense enough to put more than this many grams in a level
    // 5 ml spoon: a figure above is a slip, such as ten spoons typed for one.
    static constexpr double most_grams = 25;
    static bool usable(double _grams) { return _grams > 0 && _grams <= most_grams; }
    // A measure further than this from the amount does not fit it.
    static constexpr int fit_percent = 25;

    struct Measure
    {
        double teaspoons = 0; // 0.25; 4.5 for 1½ tablespoons
        bool tablespoons = false;
        // How much more the measure holds than the amount, in whole percent
        // as shown: +6, -12.
        int off_percent = 0;
        bool fits() const { return off_percent >= -fit_percent && off_percent <= fit_percent; }
    };
    // The measure nearest _grams of a compound of which a level teaspoon
    // holds _per_teaspoon grams: the one whose percent off is least. Both
    // figures must be finite and above 0.
    static Measure nearest(double _grams, double _per_teaspoon);

    // «¼ ч. л.», «1½ ст. л.».
    static QString measure_text(const Measure &_measure);
    // What the amount is in spoons: «≈ ¼ ч. л., +6 %», «1 ч. л.» where the
    // measure is the amount to the percent, «ложкой не отмерить: 0.05 г»
    // where no measure fits; «—» without an amount above 0 or a usable figure.
    static QString text(double _grams, double _per_teaspoon);
    // What the spoon's figure rests on: the figure and its source; without a
    // usable figure, how the user adds one.
    static QString tip(double _per_teaspoon, const QString &_source);
};

#endif // ROVALIN_TEASPOON_H
