#include "sysconfig/config_dialog.h"

namespace kv::sysconfig {

namespace {

struct ControlPlacement {
    ControlKind kind;
    int id;
    const char* label;
    int x, y, width, height;  // dialog units
};

// Tab order is table order; static labels come last so that they never
// split a run of check boxes or radio buttons that arrow keys walk through.
constexpr ControlPlacement kPlacements[] = {
    {ControlKind::CheckBox, kWindowModeBox, "Window mode", 19, 17, 62, 10},
    {ControlKind::CheckBox, kTripleBuffersBox, "Use Triple buffers", 19, 44, 74, 10},
    {ControlKind::CheckBox, kSystemMemoryBox, "Use system memories", 19, 60, 90, 10},
    {ControlKind::CheckBox, kFlipBox, "Use Flip", 19, 76, 43, 10},
    {ControlKind::CheckBox, kWaitBox, "Use Wait", 19, 92, 46, 10},
    {ControlKind::CheckBox, kWavLoadBox, "WAV Load type", 19, 108, 65, 10},
    {ControlKind::CheckBox, kJoypadBox, "Use Joypad", 19, 124, 55, 10},
    {ControlKind::RadioButton, kNormalQualityRadio, "Normal", 147, 12, 40, 10},
    {ControlKind::RadioButton, kHighQualityRadio, "High Quality", 147, 22, 56, 10},
    {ControlKind::RadioButton, kDefaultQualityRadio, "Default", 147, 34, 39, 10},
    {ControlKind::Edit, kNameEdit, "", 185, 67, 22, 12},
    {ControlKind::Edit, kFreeSpeedEdit, "", 185, 92, 22, 12},
    {ControlKind::Edit, kBpmEditEdit, "", 185, 116, 22, 12},
    {ControlKind::PushButton, kSaveButton, "Save", 50, 154, 47, 16},
    {ControlKind::PushButton, kCancelButton, "Cancel", 147, 154, 47, 16},
    {ControlKind::StaticText, 0, "Sound Quality", 114, 16, 26, 28},
    {ControlKind::StaticText, 0, "Default ranking name", 131, 65, 49, 16},
    {ControlKind::StaticText, 0, "Free Speed (x10)", 131, 89, 46, 20},
    {ControlKind::StaticText, 0, "BPM edit", 131, 118, 47, 18},
};

}  // namespace

Dialog makeConfigDialog(MeasureText measure) {
    std::vector<Control> controls;
    for (const ControlPlacement& placement : kPlacements) {
        Control control;
        control.kind = placement.kind;
        control.id = placement.id;
        control.label = placement.label;
        control.box = {placement.x * kPixelsPerUnit, placement.y * kPixelsPerUnit,
                       (placement.x + placement.width) * kPixelsPerUnit,
                       (placement.y + placement.height) * kPixelsPerUnit};
        // Only the name box has a frame and scrolls; the two number boxes
        // take no more than fits.
        control.border = control.scrolls = placement.id == kNameEdit;
        controls.push_back(std::move(control));
    }
    return Dialog(std::move(controls), std::move(measure));
}

}  // namespace kv::sysconfig
