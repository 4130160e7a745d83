#pragma once

#include <QStringList>
#include <QWidget>

#include <chrono>

class QComboBox;
class QSpinBox;

// A date in three parts side by side: the day, the month chosen by name and the year. The
// parts always form a real date: the day is kept within the month, also when the month or
// the year changes under it (31 March becomes 30 April, 29 February 28 February).
// changed() follows every change of the date, once, whoever makes it: the user's edit of a
// part, or the program's setDate or setYear (once after all parts are set, also when the date
// set is the one already shown). A typed day or year counts when the edit is finished.
class DatePanel : public QWidget {
    Q_OBJECT

public:
    explicit DatePanel(QWidget* parent = nullptr);

    std::chrono::year_month_day date() const;
    // A day past the end of the month becomes its last day; a date before year 1 or after
    // 9999 becomes the first or last day of the calendar.
    void setDate(std::chrono::year_month_day date);

    int year() const;
    // Keeps the day and the month (the day within the month).
    void setYear(int year);
    unsigned month() const;
    unsigned day() const;

    QStringList monthNames() const;
    // The twelve names of the month list, January first.
    void setMonthNames(const QStringList& names);

    QSpinBox* dayBox() const { return day_; }
    QComboBox* monthBox() const { return month_; }
    QSpinBox* yearBox() const { return year_; }

signals:
    void changed();

private:
    void setParts(int year, unsigned month, unsigned day);
    void fitDay();

    QSpinBox* day_;
    QComboBox* month_;
    QSpinBox* year_;
};
