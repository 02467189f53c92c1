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
    // Also empty when the store cannot be read (a file behind it that is no regular file).
    static std::unique_ptr<UserStore> open(bool create);

    // Keeps the store in an INI file inside `folder` instead of the native place, for tests and
    // isolated runs (on Windows the native place is the registry, which no test may touch).
    // Takes effect for stores opened afterwards; an empty folder restores the native place.
    // On Linux the native file also follows XDG_CONFIG_HOME, so a child process can be pointed
    // elsewhere through the environment.
    static void overrideLocation(const QString& folder);
    ~UserStore();

    bool hasValue(const QString& name) const;
    // Empty when the value is missing or not a whole number. A 32-bit unsigned value above
    // INT32_MAX (a registry DWORD) reads as its two's-complement int32.
    std::optional<std::int32_t> readInt(const QString& name) const;
    // False when the value could not be written.
    bool writeInt(const QString& name, std::int32_t value);

private:
    explicit UserStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> m_settings;
};

} // namespace kthread
