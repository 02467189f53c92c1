#include "storage/UserStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
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

QString OverriddenStoreFile(const QString& folder) {
    return QDir(folder).filePath(kOrganisation + u'/' + kApplication + QStringLiteral(".ini"));
}

// The files QSettings reads for the store: the overriding file, or on Unix the native ones with
// their organisation-wide and system-wide fallbacks (the registry on Windows, a property list on
// macOS: no file to check).
QStringList FilesBehindTheStore() {
    const QString& folder = OverriddenFolder();
    if (!folder.isEmpty()) {
        return {OverriddenStoreFile(folder)};
    }
    QStringList files;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const QString& configFolder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QDir config(configFolder);
        files << config.filePath(kOrganisation + u'/' + kApplication + QStringLiteral(".conf"))
              << config.filePath(kOrganisation + QStringLiteral(".conf"));
    }
#endif
    return files;
}

// QSettings reads its files when it is made, and a FIFO or a device there would block that read
// for ever.
bool FilesBehindTheStoreAreReadable() {
    const QStringList files = FilesBehindTheStore();
    return std::all_of(files.cbegin(), files.cend(), [](const QString& path) {
        const QFileInfo info(path);
        return !info.exists() || info.isFile();
    });
}

std::unique_ptr<QSettings> MakeSettings() {
    const QString& folder = OverriddenFolder();
    if (folder.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           kOrganisation, kApplication);
    }
    return std::make_unique<QSettings>(OverriddenStoreFile(folder), QSettings::IniFormat);
}

} // namespace

void UserStore::overrideLocation(const QString& folder) {
    OverriddenFolder() = folder;
}

std::unique_ptr<UserStore> UserStore::open(bool create) {
    if (!FilesBehindTheStoreAreReadable()) {
        return nullptr;
    }
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
