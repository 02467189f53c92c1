// The per-user store of the last selections: organisation "Brellmont", application "VuvozeVI",
// group "Default", in the platform's native per-user settings (the registry on Windows).
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

namespace kthread {

class UserStore {
public:
    // Opens the store; with create == false it fails (empty) when the key does not exist yet.
    static std::unique_ptr<UserStore> open(bool create);
    ~UserStore();

    bool hasValue(const QString& name) const;
    std::optional<std::int32_t> readInt(const QString& name) const;
    // False when the value could not be written.
    bool writeInt(const QString& name, std::int32_t value);

private:
    explicit UserStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> m_settings;
};

} // namespace kthread
