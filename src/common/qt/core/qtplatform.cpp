#include "common/qt/core/qtplatform.h"

#include <QDate>
#include <QLocale>
#include <QSettings>
#include <QTime>

namespace quorin {

std::string QtSettingsStore::value(
    const std::string& application, const std::string& section, const std::string& key) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
        QString::fromStdString(application), QString::fromStdString(application));
    settings.beginGroup(QString::fromStdString(section));
    return settings.value(QString::fromStdString(key), QString()).toString().toStdString();
}

namespace {

constexpr const char* kOwnName = "Quorin";

QSettings ownSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kOwnName),
        QString::fromLatin1(kOwnName));
}

} // namespace

std::string QtViewSettings::value(const std::string& key) const
{
    return ownSettings().value(QString::fromStdString(key), QString()).toString().toStdString();
}

void QtViewSettings::setValue(const std::string& key, const std::string& value)
{
    ownSettings().setValue(QString::fromStdString(key), QString::fromStdString(value));
}

char QtNumberFormat::decimalSymbol() const
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128)
        return static_cast<char>(point.at(0).unicode());
    return point.contains(QLatin1Char(',')) ? ',' : '.';
}

std::string QtClock::shortDate() const
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtClock::timeOfDay() const
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
}

} // namespace quorin
