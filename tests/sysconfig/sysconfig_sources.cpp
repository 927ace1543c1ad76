// The dialog's sources are built into the sysconfig program only, not into
// the engine library, so this suite compiles its own copy of them.
#include "sysconfig/config_dialog.cpp"
#include "sysconfig/config_file.cpp"
#include "sysconfig/dialog.cpp"
#include "sysconfig/dialog_font.cpp"
#include "sysconfig/dialog_painter.cpp"
#include "sysconfig/edit_field.cpp"
#include "sysconfig/keyboard_feed.cpp"
#include "sysconfig/settings_form.cpp"
#include "sysconfig/sysconfig_app.cpp"
#include "sysconfig/sysconfig_options.cpp"
