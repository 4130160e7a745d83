#include "platform/timer/TimerCount.h"

#include <cstdio>

bool TimerCount::Accept(int hours, int minutes, int seconds)
{
    // In 64 bits: a part typed as a large number must not wrap into the range.
    const long long total = hours * 3600LL + minutes * 60LL + seconds;
    if (total < 0 || total >= kDay)
        return false;
    endHour_ = hours;
    endMinute_ = minutes;
    endSecond_ = seconds;
    return true;
}

bool TimerCount::SetEndHour(int hours)
{
    return Accept(hours, endMinute_, endSecond_);
}

bool TimerCount::SetEndMinute(int minutes)
{
    return Accept(endHour_, minutes, endSecond_);
}

bool TimerCount::SetEndSecond(int seconds)
{
    return Accept(endHour_, endMinute_, seconds);
}

void TimerCount::Start()
{
    // Also a count paused beyond an end time that was shortened meanwhile: counting on from
    // there would never meet the end.
    if (AtEnd())
        elapsed_ = 0;
    running_ = true;
}

void TimerCount::Stop()
{
    running_ = false;
}

void TimerCount::Reset()
{
    elapsed_ = 0;
}

bool TimerCount::Tick()
{
    if (!running_)
        return false;
    ++elapsed_;
    if (!AtEnd())
        return false;
    running_ = false;
    return true;
}

std::string TimerCount::Text() const
{
    const int shown = elapsed_ % kDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", shown / 3600, shown / 60 % 60, shown % 60);
    return text;
}
