#pragma once

#include "common/clock.h"
#include "common/numberformat.h"
#include "common/settingsstore.h"
#include "common/viewsettings.h"

namespace quorin {

// The user's per-user settings store (QSettings, native format): application
// "Velmar" keeps its section "Setup" there.
class QtSettingsStore : public SettingsStore {
public:
    std::string value(const std::string& application, const std::string& section,
        const std::string& key) const override;
};

// The program's own per-user settings store (QSettings, native format):
// organisation and application "Quorin".
class QtViewSettings : public ViewSettings {
public:
    std::string value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;
};

// The decimal symbol of the user's locale.
class QtNumberFormat : public NumberFormat {
public:
    char decimalSymbol() const override;
};

// Today's date in the locale's short form and the time of day.
class QtClock : public Clock {
public:
    std::string shortDate() const override;
    std::string timeOfDay() const override;
};

} // namespace quorin
