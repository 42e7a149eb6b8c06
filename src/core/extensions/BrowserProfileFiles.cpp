// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/extensions/BrowserProfileFiles.h"

#include "core/extensions/ExtFiles.h"

#include <QJsonArray>

namespace sw::ext {

namespace {

QString lit(const char *text)
{
    return QString::fromLatin1(text);
}

std::optional<bool> firefoxEnabled(const QJsonObject &addon)
{
    if (addon.value(lit("active")).isBool())
        return addon.value(lit("active")).toBool();
    if (addon.value(lit("userDisabled")).isBool())
        return !addon.value(lit("userDisabled")).toBool();
    return std::nullopt;
}

// Newer Chromium keeps only the reasons an extension is off (a list, or a
// bit mask in older releases); older ones a "state" of 1 for on.
bool chromiumEnabled(const QJsonObject &setting)
{
    const QJsonValue reasons = setting.value(lit("disable_reasons"));
    if (reasons.isArray())
        return reasons.toArray().isEmpty();
    if (reasons.isDouble())
        return reasons.toInteger() == 0;
    const QJsonValue state = setting.value(lit("state"));
    return !state.isDouble() || state.toInteger() == 1;
}

QJsonObject extensionSettings(const AnchoredRoot &profile, const char *file)
{
    return ExtFiles::readJsonObject(profile, profile.path() + QLatin1Char('/') + lit(file),
                                    ExtFiles::kMaxProfileListBytes)
        .value(lit("extensions"))
        .toObject()
        .value(lit("settings"))
        .toObject();
}

}  // namespace

QHash<QString, BrowserProfileFiles::Addon> BrowserProfileFiles::firefoxAddons(const AnchoredRoot &profile)
{
    QHash<QString, Addon> addons;
    const QJsonObject list = ExtFiles::readJsonObject(profile, profile.path() + lit("/extensions.json"),
                                                      ExtFiles::kMaxProfileListBytes);
    for (const QJsonValue &value : list.value(lit("addons")).toArray()) {
        const QJsonObject addon = value.toObject();
        const Addon found{
            ExtFiles::displayName(addon.value(lit("defaultLocale")).toObject().value(lit("name")).toString()),
            firefoxEnabled(addon)};
        for (const char *key : {"id", "path"})
            if (const QString text = addon.value(lit(key)).toString(); !text.isEmpty())
                addons.insert(text, found);
    }
    return addons;
}

QHash<QString, bool> BrowserProfileFiles::chromiumStates(const AnchoredRoot &profile)
{
    QJsonObject settings = extensionSettings(profile, "Preferences");
    const QJsonObject secure = extensionSettings(profile, "Secure Preferences");
    for (auto it = secure.begin(); it != secure.end(); ++it) {
        QJsonObject merged = settings.value(it.key()).toObject();
        const QJsonObject over = it.value().toObject();
        for (auto key = over.begin(); key != over.end(); ++key)
            merged.insert(key.key(), key.value());
        settings.insert(it.key(), merged);
    }
    QHash<QString, bool> states;
    for (auto it = settings.begin(); it != settings.end(); ++it)
        if (it.value().isObject())
            states.insert(it.key(), chromiumEnabled(it.value().toObject()));
    return states;
}

QString BrowserProfileFiles::firefoxProfileName(const QString &folderName)
{
    const qsizetype dot = folderName.indexOf(QLatin1Char('.'));
    return dot >= 0 && dot + 1 < folderName.size() ? folderName.mid(dot + 1) : folderName;
}

}  // namespace sw::ext
