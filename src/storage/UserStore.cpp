#include "storage/UserStore.h"

#include <QDir>
#include <QSettings>
#include <QVariant>
#include <limits>

namespace kthread {
namespace {

const QString kOrganisation = QStringLiteral("Brellmont");
const QString kApplication = QStringLiteral("VuvozeVI");
const QString kGroup = QStringLiteral("Default");

QString& OverriddenFolder() {
    static QString folder;
    return folder;
}

std::unique_ptr<QSettings> MakeSettings() {
    const QString& folder = OverriddenFolder();
    if (folder.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           kOrganisation, kApplication);
    }
    return std::make_unique<QSettings>(
        QDir(folder).filePath(kOrganisation + u'/' + kApplication + QStringLiteral(".ini")),
        QSettings::IniFormat);
}

} // namespace

void UserStore::overrideLocation(const QString& folder) {
    OverriddenFolder() = folder;
}

std::unique_ptr<UserStore> UserStore::open(bool create) {
    auto settings = MakeSettings();
    // A store that cannot be read must not be written over either.
    if (settings->status() != QSettings::NoError) {
        return nullptr;
    }
    if (!create && !settings->childGroups().contains(kGroup, Qt::CaseInsensitive)) {
        return nullptr;
    }
    settings->beginGroup(kGroup);
    return std::unique_ptr<UserStore>(new UserStore(std::move(settings)));
}

UserStore::UserStore(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {}

UserStore::~UserStore() = default;

bool UserStore::hasValue(const QString& name) const {
    return m_settings->contains(name);
}

std::optional<std::int32_t> UserStore::readInt(const QString& name) const {
    const QVariant stored = m_settings->value(name);
    if (!stored.isValid()) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

bool UserStore::writeInt(const QString& name, std::int32_t value) {
    m_settings->setValue(name, static_cast<int>(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace kthread
