#include "platform/services/Clock.h"

#include <windows.h>

namespace {

class Win32Clock final : public Clock {
public:
    LocalTime Now() const override
    {
        using namespace std::chrono;
        SYSTEMTIME st{};
        ::GetLocalTime(&st);
        const local_days day{year{st.wYear} / st.wMonth / st.wDay};
        return LocalTime{day.time_since_epoch() + hours{st.wHour} + minutes{st.wMinute} +
                         seconds{st.wSecond} + milliseconds{st.wMilliseconds}};
    }
};

} // namespace

Clock& SystemClock()
{
    static Win32Clock clock;
    return clock;
}
