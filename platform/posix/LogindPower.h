#pragma once

#include "platform/services/Power.h"

#include <QDBusConnection>

#include <optional>

// Power through systemd-logind on the given bus: switching off and restarting the machine,
// and ending the user's session. logind asks the user for authority itself where its policy
// wants it; the answer is not waited for.
class LogindPower final : public Power {
public:
    // On the system bus, reached only when a command needs it.
    LogindPower() = default;
    explicit LogindPower(QDBusConnection bus);
    void Perform(PowerAction action) override;

private:
    std::optional<QDBusConnection> bus_;
};
