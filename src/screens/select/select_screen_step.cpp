#include <algorithm>
#include <array>
#include <cstring>

#include "base/dik.h"
#include "media/audio/sample_slots.h"
#include "screens/select/list_cursor.h"
#include "screens/select/select_screen.h"

namespace kv {

namespace {

bool down(const std::uint8_t* keys, int key) { return (keys[key] & kKeyDown) != 0; }

struct CursorKey {
    int key;
    CursorMove move;
};
constexpr std::array<CursorKey, 8> kCursorKeys = {{
    {DIK_UP, CursorMove::Previous}, {DIK_LEFT, CursorMove::Previous}, {DIK_DOWN, CursorMove::Next},
    {DIK_RIGHT, CursorMove::Next}, {DIK_PRIOR, CursorMove::PageUp}, {DIK_NEXT, CursorMove::PageDown},
    {DIK_HOME, CursorMove::First}, {DIK_END, CursorMove::Last},
}};
constexpr std::array<int, 5> kPageKeys = {DIK_F1, DIK_F2, DIK_F3, DIK_F4, DIK_F5};
constexpr std::array<int, kPresetSlots> kPresetKeys = {DIK_F9, DIK_F10, DIK_F11, DIK_F12};

enum class ListKind { Folders, Charts, Courses };

ListKind shownList(const SelectVisit& visit, const SongLibrary& library) {
    if (visit.mode == SelectCourse) return ListKind::Courses;
    return library.atFolderList ? ListKind::Folders : ListKind::Charts;
}

int& cursorOf(SelectContext& context, ListKind kind) {
    switch (kind) {
        case ListKind::Folders: return context.cursors.folderCursor;
        case ListKind::Courses: return context.cursors.courseCursor;
        case ListKind::Charts: break;
    }
    return context.cursors.chartCursor;
}

int lastLineOf(const SelectContext& context, const SelectVisit& visit, ListKind kind) {
    switch (kind) {
        case ListKind::Folders: return context.library.folders.size() - 1;
        case ListKind::Courses: return visit.courseLines - 1;
        case ListKind::Charts: break;
    }
    return context.library.visibleCount;  // the pseudo line
}

const ChartEntry& visibleChart(const SongLibrary& library, int position) {
    return library.charts[std::size_t(library.visible[std::size_t(position)])];
}

void showChartRanking(SelectContext& context, int cursor) {
    if (cursor >= 0 && cursor < context.library.visibleCount)
        context.showRanking(visibleChart(context.library, cursor));
}

void showCourseRanking(SelectContext& context, int line) {
    const int course = line - kFirstStoredCourse;
    if (course >= 0 && course < context.courses.size()) context.showCourseRanking(course);
}

// The highlighted line's ranking, for whichever list is shown.
void showRankingAt(SelectContext& context, ListKind kind, int cursor) {
    if (kind == ListKind::Charts) showChartRanking(context, cursor);
    if (kind == ListKind::Courses) showCourseRanking(context, cursor);
}

ListOptions listOptions(const Settings& settings) { return {settings.FILTER, settings.FILTER2, settings.SORT}; }

// Steps a list setting with wrap.
void stepSetting(std::int8_t& value, int codes) { value = std::int8_t((value + 1) % codes); }

void keepVisible(SelectContext& context, SelectVisit& visit) {
    const ListKind kind = shownList(visit, context.library);
    ListView view{cursorOf(context, kind), visit.listTop};
    keepCursorVisible(view, lastLineOf(context, visit, kind));
    cursorOf(context, kind) = view.cursor;
    visit.listTop = view.top;
}

void decideFolder(SelectContext& context, SelectVisit& visit) {
    SongLibrary& library = context.library;
    const int position = context.cursors.folderCursor;
    if (position < 0 || position >= int(visit.folderOrder.size())) return;  // no folders at all
    const int folder = visit.folderOrder[std::size_t(position)];
    if (folder != library.currentFolder) context.openFolder(folder);
    library.currentFolder = folder;
    int& cursor = context.cursors.chartCursor;
    cursor = std::clamp(cursor, 0, library.visibleCount);
    showChartRanking(context, cursor);
    if (cursor < kListWindowLines + 2) visit.listTop = 0;
    if (visit.mode == SelectFolderOnly) {
        context.playSound(kSlotSelectCheck);
        visit.exitCode = SelectDecided;
        return;
    }
    context.playSound(kSlotSelectCursor);
    library.atFolderList = 0;
}

void decide(SelectContext& context, SelectVisit& visit) {
    const ListKind kind = shownList(visit, context.library);
    if (kind == ListKind::Folders) return decideFolder(context, visit);
    if (kind == ListKind::Charts) {
        const SongLibrary& library = context.library;
        const bool onlyNoMusic = context.cursors.chartCursor == 0 && visibleChart(library, 0).bpm == 0;
        if (!onlyNoMusic) context.playSound(kSlotSelectCheck);
    }
    visit.exitCode = SelectDecided;
}

void toggleLists(SelectContext& context) {
    SongLibrary& library = context.library;
    context.playSound(kSlotSelectCursor);
    if (!library.atFolderList) {
        if (library.folders.size() > 1) library.atFolderList = 1;
    } else if (library.currentFolder != kNoFolderOpen) {
        library.atFolderList = 0;
    }
}

// The list setting keys 1-4; true when one of them was down.
bool listSettingKey(SelectContext& context, SelectVisit& visit, const std::uint8_t* keys) {
    Settings& settings = context.settings;
    std::int8_t* value = nullptr;
    int codes = 0;
    if (down(keys, DIK_1)) value = &settings.FILTER, codes = 4;
    else if (down(keys, DIK_2)) value = &settings.FILTER2, codes = 4;
    else if (down(keys, DIK_3)) value = &settings.SORT, codes = 6;
    else if (down(keys, DIK_4)) value = &settings.HEADER, codes = 4;
    if (!value) return false;
    if (visit.keyLatch || !chartListShown(visit, context.library)) return true;
    context.playSound(kSlotSelectMode);
    stepSetting(*value, codes);
    if (value != &settings.HEADER) buildVisibleList(context.library, listOptions(settings), context.random);
    return true;
}

// The cursor keys; true when one of them was down.
bool cursorKey(SelectContext& context, SelectVisit& visit, const std::uint8_t* keys, int nowMs) {
    const auto pressed = std::find_if(kCursorKeys.begin(), kCursorKeys.end(),
                                      [&](const CursorKey& k) { return down(keys, k.key); });
    if (pressed == kCursorKeys.end()) return false;
    if (!cursorMoveActs(pressed->move, visit.keyLatch, nowMs, visit.lastRepeat)) return true;
    const ListKind kind = shownList(visit, context.library);
    int& cursor = cursorOf(context, kind);
    cursor = movedCursor(cursor, pressed->move, std::max(lastLineOf(context, visit, kind), 0));
    context.playSound(kSlotSelectCursor);
    visit.lastRepeat = nowMs;
    showRankingAt(context, kind, cursor);
    return true;
}

// The option hot keys and the page and preset keys; true when one was down.
bool optionKey(SelectContext& context, SelectVisit& visit, const std::uint8_t* keys) {
    OptionPanel& panel = context.panel;
    const bool back = down(keys, DIK_LSHIFT);
    if (optionsShown(visit)) {
        const int line = pressedOptionLine(panel, keys, visit.playMode);
        if (line >= 0) {
            if (!visit.keyLatch) {
                context.playSound(kSlotSelectMode);
                stepOptionLine(panel, context.settings, line, back);
            }
            return true;
        }
    }
    for (int page = 0; page < int(kPageKeys.size()); ++page) {
        if (!down(keys, kPageKeys[std::size_t(page)])) continue;
        if (!visit.keyLatch) {
            context.playSound(kSlotSelectMode);
            switchOptionPage(panel, context.settings, page);
        }
        return true;
    }
    if (!optionsShown(visit)) return false;
    for (int slot = 0; slot < kPresetSlots; ++slot) {
        if (!down(keys, kPresetKeys[std::size_t(slot)])) continue;
        if (!visit.keyLatch) {
            context.playSound(kSlotSelectMode);
            storePage(panel, context.settings, panel.page);
            if (back) {
                savePreset(context.presets, context.settings, slot);
            } else {
                loadPreset(context.presets, context.settings, slot);
                loadPage(panel, context.settings, panel.page);
                updateUnrankedMarker(panel, context.settings);
            }
            visit.messageText = presetMessage(slot, back);
            visit.messageFrames = kMessageFrames;
        }
        return true;
    }
    return false;
}

// The first handled key acts; true when any handled key was down.
bool handleKeys(SelectContext& context, SelectVisit& visit, const std::uint8_t* keys, int nowMs) {
    if (optionKey(context, visit, keys)) return true;
    if (cursorKey(context, visit, keys, nowMs)) return true;
    if (down(keys, DIK_ESCAPE)) {
        if (!visit.keyLatch) visit.exitCode = SelectBack;
        return true;
    }
    if (down(keys, DIK_SPACE) || down(keys, DIK_RETURN)) {
        if (!visit.keyLatch) decide(context, visit);
        return true;
    }
    if (down(keys, DIK_TAB) && visit.mode != SelectCourse) {
        if (!visit.keyLatch) toggleLists(context);
        return true;
    }
    return listSettingKey(context, visit, keys);
}

}  // namespace

SelectCursors& selectCursors() {
    static SelectCursors cursors;
    return cursors;
}

std::vector<int> folderDisplayOrder(const SongLibrary& library) {
    std::vector<int> order(std::size_t(library.folders.size()));
    for (int i = 0; i < int(order.size()); ++i) order[std::size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return std::strcmp(library.folders[a].name.c_str(), library.folders[b].name.c_str()) < 0;
    });
    return order;
}

bool optionsShown(const SelectVisit& visit) {
    return visit.mode != SelectNoOptions && !(visit.mode == SelectFolderOnly && visit.playMode == 1);
}

bool chartListShown(const SelectVisit& visit, const SongLibrary& library) {
    return visit.mode != SelectCourse && !library.atFolderList;
}

std::string courseLineText(const CourseList& courses, int line) {
    static constexpr const char* kFixedLines[kFirstStoredCourse] = {"Direct select", "Make new course",
                                                                    "Jukebox random"};
    if (line >= 0 && line < kFirstStoredCourse) return kFixedLines[line];
    const int course = line - kFirstStoredCourse;
    return course >= 0 && course < courses.size() ? courses[course].name : "";
}

SelectVisit openSelectVisit(SelectContext& context, int mode, int playMode) {
    if (mode == SelectFolderOnly) context.library.atFolderList = 1;
    SelectVisit visit;
    // A key still held from the screen before acts only once it is released.
    visit.keyLatch = true;
    visit.mode = mode;
    visit.playMode = playMode;
    if (mode == SelectCourse) {
        visit.courseLines = kFirstStoredCourse + context.courses.size();
        // Courses may have gone since the last visit.
        context.cursors.courseCursor = std::clamp(context.cursors.courseCursor, 0, visit.courseLines - 1);
    }
    visit.folderOrder = folderDisplayOrder(context.library);
    loadPage(context.panel, context.settings, context.panel.page);
    updateUnrankedMarker(context.panel, context.settings);
    // The box shows the highlighted line's ranking from the first frame, so a
    // ranking just stored by the result screen is there on return.
    const ListKind kind = shownList(visit, context.library);
    showRankingAt(context, kind, cursorOf(context, kind));
    keepVisible(context, visit);  // a cursor far down the list is in the window from the first frame
    return visit;
}

void selectStep(SelectContext& context, SelectVisit& visit, const std::uint8_t* keys, int nowMs) {
    // Any handled key held latches, so a held key acts once (arrows repeat).
    visit.keyLatch = handleKeys(context, visit, keys, nowMs);
    keepVisible(context, visit);
}

bool chooseChart(SelectContext& context, SelectVisit& visit) {
    const SongLibrary& library = context.library;
    int position = context.cursors.chartCursor;
    if (position >= library.visibleCount) {
        if (library.singleSong) {
            position = 0;  // the command-line chart is the only one
        } else if (library.visibleCount == 0) {
            visit.exitCode = SelectRunning;  // "NO MUSIC": nothing to play
            return false;
        } else {
            position = context.random() % library.visibleCount;
            showChartRanking(context, position);
        }
    }
    context.cursors.chosenChart = library.visible[std::size_t(position)];
    return true;
}

}  // namespace kv
