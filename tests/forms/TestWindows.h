// The windows of the forms tests' child program, written with the same writer as the
// program's own: FirstWindow with four test buttons, SecondWindow with one.
#pragma once
#include <cstdint>
#include <vector>

#include "forms/FontData.h"
#include "forms/TemplateWriter.h"
#include "forms/units/WindowProperties.h"
#include "tests/forms/TestButtonUnit.h"

inline constexpr uint32_t kFirstWindowId = 0x52000001;
inline constexpr uint32_t kFirstWindowUnitId = 0x06000001;
inline constexpr uint32_t kButtonAId = 0x16000011;  // unit 1
inline constexpr uint32_t kButtonBId = 0x16000012;  // unit 2, the default button
inline constexpr uint32_t kButtonCId = 0x16000013;  // unit 3, hidden
inline constexpr uint32_t kButtonDId = 0x16000014;  // unit 4, disabled
inline constexpr uint32_t kStrangerId = 0x16000015; // unit 5, of a type no library carries
inline constexpr uint32_t kStrangerType = 0x00060002;
inline constexpr uint32_t kSecondWindowId = 0x52000002;
inline constexpr uint32_t kSecondWindowUnitId = 0x06000002;
inline constexpr uint32_t kButtonEId = 0x16000021;
inline constexpr uint32_t kBrokenWindowId = 0x52000003;  // its window unit's data is of a format too new

// The child's event handlers, in the order of its handler table.
#define FORMS_CHILD_HANDLERS(X) \
    X(FirstCreated)             \
    X(FirstEvent3)              \
    X(FirstEvent4)              \
    X(WindowFocus)              \
    X(QueryClose)               \
    X(Closing)                  \
    X(ClickA)                   \
    X(ClickB)                   \
    X(FocusA)                   \
    X(BlurA)                    \
    X(FocusB)                   \
    X(Idle)                     \
    X(SecondCreated)

enum class ChildHandler : int32_t {
#define FORMS_CHILD_ENUM(name) name,
    FORMS_CHILD_HANDLERS(FORMS_CHILD_ENUM)
#undef FORMS_CHILD_ENUM
};

namespace test_windows {

using namespace tpl;
using test_units::TestButtonProperties;

constexpr EventBinding On(int32_t event, ChildHandler h) { return {event, forms::HandlerOffset(static_cast<int32_t>(h))}; }

inline constexpr Rect kFirstRect = {100, 100, 400, 300};
inline constexpr Rect kButtonARect = {10, 10, 100, 30};
inline constexpr Rect kButtonBRect = {120, 10, 100, 30};
inline constexpr Rect kButtonCRect = {10, 50, 100, 30};
inline constexpr Rect kButtonDRect = {120, 50, 100, 30};
inline constexpr Rect kSecondRect = {0, 0, 300, 200};
inline constexpr Rect kButtonERect = {20, 20, 120, 40};

constexpr WindowDef FirstWindow() {
    return {
        .windowId = kFirstWindowId,
        .units = {
            {.type = kWindowType, .id = kFirstWindowUnitId, .rect = kFirstRect, .flags = kUnitVisible,
             .events = {On(0, ChildHandler::FirstCreated), On(3, ChildHandler::FirstEvent3), On(4, ChildHandler::FirstEvent4),
                        On(-7, ChildHandler::WindowFocus), On(12, ChildHandler::QueryClose), On(1, ChildHandler::Closing),
                        On(7, ChildHandler::Idle), {5, kNoHandler}},
             .propertyData = PropertyBytes(WindowProperties{.border = 2, .startPosition = 0, .title = "第一窗口"})},
            {.type = test_units::kTestButtonType, .id = kButtonAId, .name = "按钮甲", .rect = kButtonARect,
             .flags = kUnitVisible | kUnitTabStop, .tabOrder = 2, .tag = "标签甲",
             .events = {On(0, ChildHandler::ClickA), On(-7, ChildHandler::FocusA), On(-8, ChildHandler::BlurA)},
             .propertyData = PropertyBytes(TestButtonProperties{.caption = "甲"})},
            {.type = test_units::kTestButtonType, .id = kButtonBId, .name = "按钮乙", .rect = kButtonBRect,
             .flags = kUnitVisible | kUnitTabStop, .tabOrder = 1,
             .events = {On(0, ChildHandler::ClickB), On(-7, ChildHandler::FocusB)},
             .propertyData = PropertyBytes(TestButtonProperties{.caption = "乙", .isDefault = 1, .claimsEscape = 1})},
            {.type = test_units::kTestButtonType, .id = kButtonCId, .name = "按钮丙", .rect = kButtonCRect,
             .flags = kUnitTabStop, .propertyData = PropertyBytes(TestButtonProperties{.caption = "丙"})},
            {.type = test_units::kTestButtonType, .id = kButtonDId, .name = "按钮丁", .rect = kButtonDRect,
             .flags = kUnitVisible | kUnitDisabled | kUnitTabStop,
             .propertyData = PropertyBytes(TestButtonProperties{.caption = "丁", .isDefault = 1})},
            {.type = kStrangerType, .id = kStrangerId, .name = "陌生", .rect = {0, 0, 10, 10}, .flags = kUnitVisible,
             .events = {On(0, ChildHandler::ClickA)}},
        },
    };
}

constexpr WindowDef SecondWindow() {
    return {
        .windowId = kSecondWindowId,
        .units = {
            {.type = kWindowType, .id = kSecondWindowUnitId, .rect = kSecondRect, .flags = kUnitVisible,
             .events = {On(0, ChildHandler::SecondCreated)},
             .propertyData = PropertyBytes(WindowProperties{.border = 2, .startPosition = 1, .title = "第二窗口"})},
            {.type = test_units::kTestButtonType, .id = kButtonEId, .name = "按钮戊", .rect = kButtonERect,
             .flags = kUnitVisible | kUnitTabStop, .tag = "标签戊",
             .propertyData = PropertyBytes(TestButtonProperties{.caption = "戊"})},
        },
    };
}

constexpr WindowDef BrokenWindow() {
    return {
        .windowId = kBrokenWindowId,
        .units = {{.type = kWindowType, .id = 0x06000003, .rect = kSecondRect, .flags = kUnitVisible,
                   .propertyData = PropertyBytes(WindowProperties{.version = 7})}},
    };
}

constexpr std::vector<WindowDef> Definitions() { return {FirstWindow(), SecondWindow(), BrokenWindow()}; }

}  // namespace test_windows
