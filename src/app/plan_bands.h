// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_PLAN_BANDS_H
#define ROVALIN_PLAN_BANDS_H

// The picture of a plan against its dosing method: a line for each row the
// method has a range for, the range as a pale band and the plan's steady band
// over it, each line on its own scale so that iron at 0.1 mg/l reads as well
// as nitrate at 30.

#include "plan/plan_book.h"

#include <QWidget>

class Plan_Bands : public QWidget
{
    Q_OBJECT

public:
    explicit Plan_Bands(QWidget *_parent);

    void set_rows(const QVector<Plan_Book::Band_Row> &_rows);
    const QVector<Plan_Book::Band_Row> &rows() const { return rows_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *_event) override;

private:
    int row_height() const;
    int label_width() const;

    QVector<Plan_Book::Band_Row> rows_;
};

#endif // ROVALIN_PLAN_BANDS_H
