#include "sysconfig/settings_form.h"

#include <charconv>
#include <string>

namespace kv::sysconfig {

namespace {

constexpr int kQualityRadios[] = {kNormalQualityRadio, kHighQualityRadio, kDefaultQualityRadio};
constexpr std::size_t kSavedNameLength = 3;

// A whole signed decimal number, blanks around it allowed; anything else,
// including a number too large to hold, reads as 0.
std::int32_t numberIn(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    const std::size_t last = text.find_last_not_of(' ') + 1;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + first, text.data() + last, value);
    return error == std::errc() && end == text.data() + last ? value : 0;
}

}  // namespace

void showSettings(const Settings& settings, Dialog& dialog) {
    for (const CheckBoxSetting& box : kCheckBoxSettings) dialog.control(box.id).checked = settings.*box.field != 0;
    for (int quality = 0; quality < 3; ++quality) dialog.control(kQualityRadios[quality]).checked = settings.WAVQUAL == quality;
    dialog.setEditText(kNameEdit, settings.NAME);
    dialog.setEditText(kFreeSpeedEdit, std::to_string(settings.FREESPEED));
    dialog.setEditText(kBpmEditEdit, std::to_string(settings.BPMEDIT));
}

void takeSettings(const Dialog& dialog, Settings& settings) {
    for (const CheckBoxSetting& box : kCheckBoxSettings) settings.*box.field = dialog.control(box.id).checked ? 1 : 0;
    for (int quality = 0; quality < 3; ++quality) {
        if (dialog.control(kQualityRadios[quality]).checked) settings.WAVQUAL = std::int8_t(quality);
    }
    // Names are four characters long and the game writes four; cutting an
    // untouched name to three would lose a letter on every save.
    const std::string& name = dialog.control(kNameEdit).edit.text();
    if (name != settings.NAME) settings.NAME = name.substr(0, kSavedNameLength);
    settings.FREESPEED = numberIn(dialog.control(kFreeSpeedEdit).edit.text());
    settings.BPMEDIT = numberIn(dialog.control(kBpmEditEdit).edit.text());
}

}  // namespace kv::sysconfig
