// QSettings-backed store: sections map to nested groups ("Config\Net5" -> Config/Net5).
#include "platform/QtProfileStore.h"

#include <cstdio>

namespace jamlog {

namespace {
QString keyOf(const std::string& section, const std::string& entry) {
    QString s = QString::fromStdString(section);
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s + QLatin1Char('/') + QString::fromStdString(entry);
}
} // namespace

QtProfileStore::QtProfileStore()
    : settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, organisation, application)) {}

QtProfileStore::QtProfileStore(const QString& iniFile)
    : settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int32_t QtProfileStore::GetProfileInt(const std::string& section, const std::string& entry, int32_t defaultValue) {
    settings->sync();
    QVariant v = settings->value(keyOf(section, entry));
    bool ok = false;
    int32_t n = v.isValid() ? v.toInt(&ok) : 0;
    return ok ? n : defaultValue;
}

std::string QtProfileStore::GetProfileString(const std::string& section, const std::string& entry,
                                             const std::string& defaultValue) {
    settings->sync();
    QVariant v = settings->value(keyOf(section, entry));
    return v.isValid() ? v.toString().toStdString() : defaultValue;
}

bool QtProfileStore::write(const std::string& section, const std::string& entry, const QVariant& value) {
    settings->setValue(keyOf(section, entry), value);
    return saved();
}

bool QtProfileStore::saved() {
    settings->sync(); // QSettings replaces the file whole, never leaving it half-written
    if (settings->status() == QSettings::NoError)
        return true;
    if (!failureReported && saveFailure) {
        failureReported = true;
        saveFailure(settings->fileName().toStdString());
    }
    return false;
}

void QtProfileStore::reportOnStderr(const std::string& file) {
    std::fprintf(stderr, "jamlog: cannot save the settings in '%s'; they last for this run only\n", file.c_str());
}

bool QtProfileStore::WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) {
    return write(section, entry, QVariant(value));
}

bool QtProfileStore::WriteProfileString(const std::string& section, const std::string& entry,
                                        const std::string& value) {
    return write(section, entry, QVariant(QString::fromStdString(value)));
}

void QtProfileStore::deleteProgramKey() {
    settings->clear();
    saved();
}

} // namespace jamlog
