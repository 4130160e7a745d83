#pragma once

#include <QWidget>

#include <chrono>

class QComboBox;
class QSpinBox;

// A date picked as a day, a month by its Russian name in the genitive («Января») and a year.
// The day is kept within the month: moving from 31 January to February gives the 28th (or
// 29th). changed() follows every change of the date, once, whoever made it.
class DatePanel : public QWidget {
    Q_OBJECT

public:
    explicit DatePanel(QWidget* parent = nullptr);

    std::chrono::year_month_day date() const;
    void setDate(std::chrono::year_month_day date);

signals:
    void changed();

private:
    void adopt(std::chrono::year_month_day date);
    void showDate();

    QSpinBox* day_;
    QComboBox* month_;
    QSpinBox* year_;
    std::chrono::year_month_day date_;
};
