#include "platform/services/Clock.h"

#include <ctime>

namespace {

class PosixClock final : public Clock {
public:
    LocalTime Now() const override
    {
        using namespace std::chrono;
        timespec ts{};
        ::clock_gettime(CLOCK_REALTIME, &ts);
        std::tm tm{};
        ::localtime_r(&ts.tv_sec, &tm);
        const local_days day{year{tm.tm_year + 1900} / (tm.tm_mon + 1) / tm.tm_mday};
        return LocalTime{day.time_since_epoch() + hours{tm.tm_hour} + minutes{tm.tm_min} +
                         seconds{tm.tm_sec} + milliseconds{ts.tv_nsec / 1000000}};
    }
};

} // namespace

Clock& SystemClock()
{
    static PosixClock clock;
    return clock;
}
