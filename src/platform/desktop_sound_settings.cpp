// GIO's headers first: they name struct members `signals`, which Qt defines
// as a keyword.
#include <gio/gio.h>

#include "platform/desktop_sound_settings.h"

#include <QSettings>
#include <QStandardPaths>

#include "platform/shared_library.h"
#include "platform/sound_log.h"

namespace dropline::platform {
namespace {

constexpr const char *kGnomeSoundSchema = "org.gnome.desktop.sound";
constexpr const char *kGnomeThemeKey = "theme-name";
constexpr const char *kGnomeEventSoundsKey = "event-sounds";
const QString kKdeConfigFile = QStringLiteral("kdeglobals");
const QString kKdeThemeKey = QStringLiteral("Sounds/Theme");

bool onKde() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':').contains(u"KDE");
}

// KDE reads its configuration files in cascade: the user's own first, then the
// system's; the first that sets the key wins.
QByteArray kdeSoundTheme() {
    const QStringList files =
        QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, kKdeConfigFile);
    for (const QString &file : files) {
        const QString theme = QSettings(file, QSettings::IniFormat).value(kKdeThemeKey).toString();
        if (!theme.isEmpty()) {
            return theme.toUtf8();
        }
    }
    return {};
}

// GSettings through GIO, loaded at the first use. The settings object is made
// once: it follows later changes by itself.
class GnomeSoundSettings {
public:
    GnomeSoundSettings() {
        QLibrary library(QStringLiteral("gio-2.0"), 0);
        if (!library.load() ||
            !resolveFunction(library, "g_settings_schema_source_get_default", sourceGetDefault_) ||
            !resolveFunction(library, "g_settings_schema_source_lookup", sourceLookup_) ||
            !resolveFunction(library, "g_settings_schema_has_key", schemaHasKey_) ||
            !resolveFunction(library, "g_settings_schema_unref", schemaUnref_) ||
            !resolveFunction(library, "g_settings_new_full", settingsNewFull_) ||
            !resolveFunction(library, "g_settings_get_string", getString_) ||
            !resolveFunction(library, "g_settings_get_boolean", getBoolean_) ||
            !resolveFunction(library, "g_free", free_)) {
            qCDebug(lcDroplineSound) << "no GSettings:" << library.errorString();
            return;
        }
        GSettingsSchemaSource *source = sourceGetDefault_();  // not ours to free
        GSettingsSchema *schema = source ? sourceLookup_(source, kGnomeSoundSchema, TRUE) : nullptr;
        if (!schema) {
            qCDebug(lcDroplineSound) << kGnomeSoundSchema << "is not installed";
            return;
        }
        // Reading a key the installed schema lacks would abort the program.
        hasTheme_ = schemaHasKey_(schema, kGnomeThemeKey);
        hasEventSounds_ = schemaHasKey_(schema, kGnomeEventSoundsKey);
        settings_ = settingsNewFull_(schema, nullptr, nullptr);
        schemaUnref_(schema);
    }

    QByteArray theme() const {
        if (!settings_ || !hasTheme_) {
            return {};
        }
        gchar *value = getString_(settings_, kGnomeThemeKey);
        QByteArray theme(value);
        free_(value);
        return theme;
    }

    bool eventSounds() const {
        return !settings_ || !hasEventSounds_ || getBoolean_(settings_, kGnomeEventSoundsKey);
    }

private:
    decltype(&g_settings_schema_source_get_default) sourceGetDefault_ = nullptr;
    decltype(&g_settings_schema_source_lookup) sourceLookup_ = nullptr;
    decltype(&g_settings_schema_has_key) schemaHasKey_ = nullptr;
    decltype(&g_settings_schema_unref) schemaUnref_ = nullptr;
    decltype(&g_settings_new_full) settingsNewFull_ = nullptr;
    decltype(&g_settings_get_string) getString_ = nullptr;
    decltype(&g_settings_get_boolean) getBoolean_ = nullptr;
    decltype(&g_free) free_ = nullptr;
    GSettings *settings_ = nullptr;  // kept for the program's life
    bool hasTheme_ = false;
    bool hasEventSounds_ = false;
};

const GnomeSoundSettings &gnomeSoundSettings() {
    static const GnomeSoundSettings settings;
    return settings;
}

// A theme is a folder name under sounds/: nothing that could step out of it.
bool isThemeName(const QByteArray &name) {
    return !name.isEmpty() && !name.contains('/') && name != "." && name != "..";
}

}  // namespace

QByteArray desktopSoundTheme() {
    QByteArray theme = onKde() ? kdeSoundTheme() : QByteArray();
    if (theme.isEmpty()) {
        theme = gnomeSoundSettings().theme();
    }
    return isThemeName(theme) ? theme : QByteArray(kFallbackSoundTheme);
}

bool desktopEventSounds() {
    return gnomeSoundSettings().eventSounds();
}

}  // namespace dropline::platform
