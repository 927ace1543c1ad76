#include "sysconfig/sysconfig_app.h"

#include <cstdio>
#include <optional>

#include "platform/clock.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/mouse.h"
#include "platform/path_text.h"
#include "platform/platform.h"
#include "platform/script_runner.h"
#include "platform/window.h"
#include "settings/settings_file.h"
#include "sysconfig/config_dialog.h"
#include "sysconfig/config_file.h"
#include "sysconfig/dialog_font.h"
#include "sysconfig/keyboard_feed.h"
#include "sysconfig/settings_form.h"

namespace kv::sysconfig {

namespace {

// About 60 frames a second, as for the game in a window; a dialog has no
// reason to redraw faster.
constexpr platform::Micros kFrameMicros = 16'000;

struct Session {
    Settings settings;  // as read; the dialog's values go into a copy on Save
    std::string file;
    DialogFont font = systemDialogFont();
    Dialog dialog = makeConfigDialog(font.measure);
    KeyboardFeed keyboard;
    Surface picture{kDialogWidth, kDialogHeight};
};

// The id of the push button the user activated this frame, else 0.
int takeInput(Session& session) {
    int activated = session.keyboard.feed(platform::keyTable(), platform::clock().nowMs(), session.dialog);
    platform::MouseClick click;
    while (activated == 0 && platform::takeMouseClick(click))
        activated = session.dialog.click(click.x, click.y);
    return activated;
}

// Writes the dialog's settings; a failure is shown and the dialog stays
// open, so the user can fix the folder and try again or cancel.
bool save(const Session& session) {
    Settings edited = session.settings;
    takeSettings(session.dialog, edited);
    std::string problem;
    if (saveSystemSettings(edited, platform::pathFromText(session.file), problem)) return true;
    platform::showMessage(problem);
    return false;
}

void runDialog(Session& session) {
    for (;;) {
        // Input that came before a close request still counts; closing the
        // window is Cancel, and Escape does nothing at all.
        const bool closed = platform::pumpEvents().quit;
        const int button = takeInput(session);
        if (button == kCancelButton || (button == kSaveButton && save(session)) || closed) return;
        paintDialog(session.picture, session.dialog, session.font);
        const platform::Micros began = platform::clock().nowMicros();
        platform::presentFrame(session.picture);
        platform::clock().waitUntil(began + kFrameMicros);
    }
}

}  // namespace

int runSysconfig(const SysconfigOptions& options) {
    platform::Script script;
    if (!options.script.empty()) {
        platform::ScriptError error;
        if (!platform::loadScript(options.script, platform::currentDirectory(), script, error)) {
            std::fprintf(stderr, "sysconfig: %s line %d: %s\n", options.script.c_str(), error.line,
                         error.message.c_str());
            return 2;
        }
    }
    if (!platform::startPlatform(options.headless)) {
        std::fprintf(stderr, "sysconfig: %s\n", platform::startProblem().c_str());
        return 1;
    }
    if (!platform::openWindow() ||
        !platform::openPresentation(true, kCaption, kDialogWidth, kDialogHeight)) {
        platform::showMessage("The settings window could not be opened.");
        platform::stopPlatform();
        return 1;
    }
    {
        std::optional<platform::ScriptRunner> runner;
        if (options.headless) runner.emplace(std::move(script));
        Session session;
        // Like the game, the file of its own program folder, wherever it was started from.
        const std::string home = options.home.empty() ? platform::executableFolder() : options.home + "/";
        session.file = platform::resolvePath(kSettingsFileName, home);
        loadSystemSettings(session.settings, platform::pathFromText(session.file));
        showSettings(session.settings, session.dialog);
        runDialog(session);
    }
    platform::stopPlatform();
    return 0;
}

}  // namespace kv::sysconfig
