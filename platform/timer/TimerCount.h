#pragma once

#include <string>

// The count of a count-up timer with an end time, in whole seconds: what the drum timer
// display shows and when it raises its end event. No clock of its own: the display calls
// Tick once a second while Running.
class TimerCount {
  public:
    static constexpr int kDay = 24 * 60 * 60;

    // Each part is accepted only when the whole end time stays within 0 .. 23:59:59;
    // otherwise the previous value of that part stays. Returns whether it was accepted.
    // Minutes and seconds above 59 simply add up.
    bool SetEndHour(int hours);
    bool SetEndMinute(int minutes);
    bool SetEndSecond(int seconds);
    int EndHour() const { return endHour_; }
    int EndMinute() const { return endMinute_; }
    int EndSecond() const { return endSecond_; }
    int EndSeconds() const { return endHour_ * 3600 + endMinute_ * 60 + endSecond_; }

    int Elapsed() const { return elapsed_; }
    bool Running() const { return running_; }

    // Counts on from the elapsed count. A count that has already reached a nonzero end time
    // starts again from 0.
    void Start();
    void Stop();
    // Back to 0, counting or not.
    void Reset();

    // One second has passed. With an end time of at least one second, reaching it stops the
    // count and returns true: the end event is due. An end time of 0 counts without end.
    bool Tick();

    // The elapsed count as "hh:nn:ss"; past 24 hours the hours start again from 00, as a
    // time of day does.
    std::string Text() const;

  private:
    bool Accept(int hours, int minutes, int seconds);
    bool AtEnd() const { return EndSeconds() != 0 && elapsed_ >= EndSeconds(); }

    int endHour_ = 0;
    int endMinute_ = 0;
    int endSecond_ = 0;
    int elapsed_ = 0;
    bool running_ = false;
};
