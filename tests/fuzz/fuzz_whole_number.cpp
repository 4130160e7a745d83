// Arbitrary texts through the whole-number rule and the date checks that use it. A value that
// converts must print back to a text that converts to the same value; ParseWholeNumber must
// raise exactly when TryParseWholeNumber refuses; validation must never crash and, when it
// refuses, must have shown exactly one message.
#include "calc/PersonInput.h"
#include "platform/Errors.h"
#include "platform/text/WholeNumber.h"
#include "support/TestSupport.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = TryParseWholeNumber(text);
    if (value) {
        if (TryParseWholeNumber(std::to_string(*value)) != value)
            std::abort();
        if (ParseWholeNumber(text) != *value)
            std::abort();
    } else {
        bool raised = false;
        try {
            ParseWholeNumber(text);
        } catch (const ConvertError&) {
            raised = true;
        }
        if (!raised)
            std::abort();
    }

    // Day text up to the first '|', year text after it, as a person could type them.
    const std::size_t bar = text.find('|');
    EventLog log;
    ScriptedDialogs dialogs(log);
    FakePersonInputs inputs(log);
    inputs.day = text.substr(0, bar);
    inputs.year = bar == std::string::npos ? "1990" : text.substr(bar + 1);
    inputs.month = size > 0 ? data[0] % 13 - 1 : 0;
    inputs.name = "Аня";
    inputs.female = true;
    FixedClock clock(At(2026, 12, 11, 12));
    try {
        const bool ok = ValidatePersonInput(inputs, dialogs, clock);
        int messages = 0;
        for (const auto& e : log)
            messages += e.rfind("info:", 0) == 0;
        if (ok ? messages != 0 : messages != 1)
            std::abort();
        if (ok) {
            ProfileRecord r;
            CollectProfile(inputs, r);
            (void)ComputeDaysLived(r, clock);
        }
    } catch (const ConvertError&) {
        // A date that the calendar lacks, reported by the application's error box.
    }
    return 0;
}
