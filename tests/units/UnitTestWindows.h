// The windows of the unit tests' child program, shared by the child (which loads them) and the
// tests (which find their controls by control id and know what the templates hold).
//
// UnitsWindow holds one unit of each type set up as the tool sets its own units, a second
// label overlapping the first, and one unit of each type with the type's default property data.
// SecondWindow is loaded only on request (OpenWindow).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Events.h"
#include "forms/FontData.h"
#include "forms/TemplateWriter.h"
#include "forms/units/ButtonProperties.h"
#include "forms/units/CommonDlgProperties.h"
#include "forms/units/EditBoxProperties.h"
#include "forms/units/ListBoxProperties.h"
#include "forms/units/TransLabelProperties.h"
#include "forms/units/WindowProperties.h"

namespace units_test {

using namespace tpl;

inline constexpr uint32_t kUnitsWindowId = 0x52030001;
inline constexpr uint32_t kSecondWindowId = 0x52030002;

// The event handlers of the child, by slot in its code base.
enum Handler : int32_t { kOnEvent0, kOnEvent1, kOnGotFocus, kOnLostFocus, kHandlerCount };

struct UnitName {
    const char* name;
    uint32_t windowId;
    uint32_t unitId;
    uint32_t type;
};

// Every unit by the name the requests use; "window" and "second" are the windows themselves.
inline constexpr UnitName kUnits[] = {
    {"window", kUnitsWindowId, 0x06030000, kWindowType},
    {"list", kUnitsWindowId, 0x16030001, kListBoxType},
    {"json", kUnitsWindowId, 0x16030002, kEditBoxType},
    {"edit", kUnitsWindowId, 0x16030003, kEditBoxType},
    {"button", kUnitsWindowId, 0x16030004, kButtonType},
    {"defbutton", kUnitsWindowId, 0x16030005, kButtonType},
    {"dialog", kUnitsWindowId, 0x16030006, kCommonDlgType},
    {"label", kUnitsWindowId, 0x16030007, kTransLabelType},
    {"back", kUnitsWindowId, 0x16030008, kTransLabelType},
    {"wrap", kUnitsWindowId, 0x16030009, kTransLabelType},
    {"d-edit", kUnitsWindowId, 0x1603000A, kEditBoxType},
    {"d-button", kUnitsWindowId, 0x1603000B, kButtonType},
    {"d-list", kUnitsWindowId, 0x1603000C, kListBoxType},
    {"d-dialog", kUnitsWindowId, 0x1603000D, kCommonDlgType},
    {"d-label", kUnitsWindowId, 0x1603000E, kTransLabelType},
    {"second", kSecondWindowId, 0x06030100, kWindowType},
    {"second-label", kSecondWindowId, 0x16030101, kTransLabelType},
};

inline const UnitName* FindUnit(std::string_view name) {
    for (const UnitName& u : kUnits)
        if (name == u.name) return &u;
    return nullptr;
}

// The window's background colour (the label tests look for it) and the labels' colours.
inline constexpr uint32_t kBackColour = 0x00306090;
inline constexpr uint32_t kLabelColour = 0x00FFFFFF;
inline constexpr uint32_t kBackLabelColour = 0x0000FFFF;
inline constexpr Rect kUnitsWindowRect = {20, 20, 700, 440};
inline constexpr Rect kLabelRect = {20, 240, 300, 24};
inline constexpr Rect kBackRect = {200, 240, 200, 24};
inline constexpr Rect kWrapRect = {20, 280, 300, 60};
inline constexpr Rect kListRect = {20, 20, 120, 200};
inline constexpr Rect kEditRect = {160, 20, 200, 24};
inline constexpr Rect kButtonRect = {160, 120, 100, 30};

inline const std::vector<std::string> kDiscItems = {"11.ogg",  "13.ogg",      "blocks.ogg", "cat.ogg",
                                                    "chirp.ogg", "far.ogg",   "mall.ogg",   "mellohi.ogg",
                                                    "stal.ogg",  "strad.ogg", "wait.ogg",   "ward.ogg"};
inline constexpr const char* kOggFilter = "ogg文件（*.ogg）|*.ogg";

inline std::vector<EventBinding> Events(std::initializer_list<Handler> handlers, std::initializer_list<int32_t> events) {
    std::vector<EventBinding> b;
    auto h = handlers.begin();
    for (int32_t e : events) b.push_back({e, forms::HandlerOffset(*h++)});
    return b;
}
inline std::vector<EventBinding> Event0() { return Events({kOnEvent0}, {0}); }

inline UnitDef Unit(std::string_view name, Rect rect, uint32_t flags, std::vector<uint8_t> data,
                    std::vector<EventBinding> events = {}) {
    const UnitName* u = FindUnit(name);
    return {.type = u->type, .id = u->unitId, .name = std::string(name), .rect = rect, .flags = flags,
            .events = std::move(events), .propertyData = std::move(data)};
}

inline WindowProperties TestWindow(const char* title) {
    return {.version = 6, .border = 0, .backColour = kBackColour, .startPosition = 0, .escapeCloses = 1, .title = title};
}

inline WindowDef UnitsWindow() {
    constexpr uint32_t kShown = kUnitVisible | kUnitTabStop;
    return {
        .windowId = kUnitsWindowId,
        .units = {
            {.type = kWindowType, .id = FindUnit("window")->unitId, .rect = kUnitsWindowRect, .flags = kUnitVisible,
             .events = Event0(), .propertyData = PropertyBytes(TestWindow("units"))},
            Unit("list", kListRect, kShown,
                 PropertyBytes(ListBoxProperties{.currentSelection = 0, .items = kDiscItems}),
                 Events({kOnEvent0, kOnEvent1}, {0, 1})),
            // The tool's index store: multi-line, vertical scroll bar, no limit, hidden.
            Unit("json", {600, 10, 72, 72}, kUnitTabStop,
                 PropertyBytes(EditBoxProperties{.maxLength = 0, .multiLine = 1, .scrollBars = 2}), Event0()),
            Unit("edit", kEditRect, kShown, PropertyBytes(EditBoxProperties{.content = "typed"}), Event0()),
            Unit("button", kButtonRect, kShown, PropertyBytes(ButtonProperties{.caption = "按钮&1"}), Event0()),
            Unit("defbutton", {270, 120, 100, 30}, kShown, PropertyBytes(ButtonProperties{.type = 1, .caption = "默认"}),
                 Event0()),
            Unit("dialog", {600, 100, 48, 32}, 0,
                 PropertyBytes(CommonDlgProperties{.fileMustExist = 1, .overwritePrompt = 1, .pathMustExist = 1,
                                                   .filter = kOggFilter})),
            Unit("label", kLabelRect, kUnitVisible,
                 PropertyBytes(TransLabelProperties{.textColour = kLabelColour, .verticalAlign = 1, .caption = "label"})),
            Unit("back", kBackRect, kUnitVisible,
                 PropertyBytes(TransLabelProperties{.textColour = kBackLabelColour, .verticalAlign = 1, .caption = "BACK"})),
            Unit("wrap", kWrapRect, kUnitVisible,
                 PropertyBytes(TransLabelProperties{.textColour = kLabelColour, .wordWrap = 1, .caption = ""})),
            Unit("d-edit", {400, 300, 60, 20}, 0, PropertyBytes(EditBoxProperties{})),
            Unit("d-button", {470, 300, 60, 20}, 0, PropertyBytes(ButtonProperties{})),
            Unit("d-list", {540, 300, 60, 40}, 0, PropertyBytes(ListBoxProperties{})),
            Unit("d-dialog", {610, 300, 20, 20}, 0, PropertyBytes(CommonDlgProperties{})),
            Unit("d-label", {640, 300, 50, 20}, 0, PropertyBytes(TransLabelProperties{})),
        },
    };
}

inline WindowDef SecondWindow() {
    return {
        .windowId = kSecondWindowId,
        .units = {
            {.type = kWindowType, .id = FindUnit("second")->unitId, .rect = {100, 100, 300, 200}, .flags = kUnitVisible,
             .events = Event0(), .propertyData = PropertyBytes(TestWindow("second"))},
            Unit("second-label", {10, 10, 200, 24}, kUnitVisible,
                 PropertyBytes(TransLabelProperties{.textColour = kLabelColour, .caption = "second"})),
        },
    };
}

inline std::vector<WindowDef> Definitions() { return {UnitsWindow(), SecondWindow()}; }

// A unit's control id: the loader numbers the units 100, 110, ... in creation order, the last
// unit of the window first.
inline int ControlIdOf(std::string_view name) {
    const UnitName* u = FindUnit(name);
    std::vector<WindowDef> windows = Definitions();
    for (const WindowDef& w : windows) {
        if (w.windowId != u->windowId) continue;
        for (size_t i = 1; i < w.units.size(); ++i)
            if (w.units[i].id == u->unitId) return static_cast<int>(100 + 10 * (w.units.size() - 1 - i));
    }
    return 0;
}

}  // namespace units_test
