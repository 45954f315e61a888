// The skin object: takes over top-level windows and the standard controls inside them, paints
// their frame, caption buttons and controls with GDI+ over a background picture, and keeps what
// painting needs in a registry of records.
//
// One SkinEngine exists for the whole run (NewSkinEngine in GlobalsInit, ReleaseSkinEngine in
// ExitRoutine). Like the GDI+ wrapper objects it is a heap block whose first field is its table
// of operations, called by position (SKIN_ENGINE_OPERATIONS below gives the declared order);
// the accessors of the same names call the table slot:
//
//   skin::SkinEngine* engine = skin::NewSkinEngine();
//   engine->SetBackground(gdip::Optional<const char*>(), picture, 0, 0, 3);
//   engine->SetOptions(1, 100);
//   engine->SkinWindow(window, 10, 1, 1, 0, 0, 0, 0);
//
// A skinned window is known by its window number (1-based position in the registry), a
// taken-over control by its control number (1-based position in its kind's list); both are kept
// in window properties (SkinProperties below), so every window procedure finds its records from
// a window handle alone.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "gdiplus/Gdiplus.h"
#include "runtime/ValueHolders.h"
#include "skin/controls/ControlRecords.h"

namespace skin {

using gdip::Optional;

// ---- window properties (keys byte for byte) ----

namespace props {
inline constexpr const char* kPreviousProc = "Hw_hProc";      // previous window procedure
inline constexpr const char* kNumber = "Hw_lbID";             // window number / control number
inline constexpr const char* kWindowNumber = "Hw_FuID";       // on a control: its window's number
inline constexpr const char* kTextColour = "Kj_Ztys";         // a control's text colour
inline constexpr const char* kBrush = "Kj_dxjb";              // brush handed back on WM_CTLCOLOR*
inline constexpr const char* kBrushBitmap = "Kj_wtjb";        // the bitmap under that brush
inline constexpr const char* kFrameOldBitmap = "Ck_Ycjdx";    // frameDC's bitmap before the first frame
inline constexpr const char* kFrameBitmap = "Ck_wtjbdx";      // the current frame bitmap
inline constexpr const char* kContainerLink = "Mb_zpf";       // child containers (SkinChildWindow)
inline constexpr const char* kContainerParent = "Wxk_Cj";
inline constexpr const char* kContainerFill = "Wxk_Zpf";
inline constexpr const char* kOtherNumber = "Kj_lbID";        // controls of SkinOtherControls
inline constexpr const char* kOtherWindowNumber = "Kj_FuID";
inline constexpr const char* kOtherPreviousProc = "Kj_hProc";
}  // namespace props

// A property's value as a number (0 when the window has none).
intptr_t ReadProperty(HWND window, const char* key);
void WriteProperty(HWND window, const char* key, intptr_t value);

// ---- settings and module-level state ----

struct SkinSettings {
    // The five that ProgramInit sets, in its order.
    int32_t firstSizePending = 0;  // the first WM_SIZE of any skinned window clears it without a full repaint
    int32_t skinControls = 0;      // 0: no control is taken over, coloured or repainted
    int32_t controlAlpha = 0;      // opacity of the white veil under control contents
    COLORREF accentColour = 0;     // control borders and accents
    int32_t trackbarShading = 0;   // trackbars get a shaded panel
    // Further state.
    ULONG_PTR gdiplusToken = 0;    // released by Destroy
    HICON programIcon = nullptr;   // drawn in captions; destroyed by Destroy
    COLORREF backgroundColour = 0; // behind the background picture
    int32_t alphaGiven = 0;        // SetOptions was given an alpha: translucent control colouring
    int32_t backgroundMode = 0;    // how the background picture is prepared and placed
    Bytes backgroundPicture;       // the prepared program-wide picture
};
extern SkinSettings settings;

// ---- the registry's records ----

// A routine of the program (help and menu handlers, a caller's caption button).
using SkinRoutine = void (*)();

enum CaptionButtonKind : int32_t {
    kCloseButton = 0,
    kMaximizeButton = 1,
    kMinimizeButton = 2,
    kMenuButton = 3,
    kHelpButton = 4,
    kCallerButton = 5,
};

struct CaptionButtonRecord {
    int32_t width = 0;
    int32_t height = 0;
    Bytes image;       // PNG picture
    Bytes altImage;    // the maximise button's restore picture
    Bytes spareImage;
    int32_t kind = kCloseButton;
    Text tooltip;
    SkinRoutine callback = nullptr;  // kind 5 only
    gdip::PlusRectF rect{};          // left, top, width, height
};

// One item of the optional row of texts under the caption (this program shows none).
struct CaptionStripItem {
    Text text;
    RECT rect{};
    int32_t state = 0;
};
struct CaptionStrip {
    std::vector<CaptionStripItem> items;
    Text fontName;
    int32_t fontSize = 12;
    COLORREF colour = 0xFFFFFF;
    RECT area{};  // client coordinates of the row
};

// The painted frame and the copies that caption-button highlights restore from.
struct FrameCache {
    HDC frameDC = nullptr;          // the whole painted client area; created once and kept
    HBITMAP frameBitmap = nullptr;  // selected into frameDC (also in "Ck_wtjbdx")
    HDC captionDC = nullptr;        // the caption band as painted before any button
    HBITMAP captionOldBitmap = nullptr;
    HBITMAP captionBitmap = nullptr;
    HDC stripDC = nullptr;          // behind the optional row of texts
    HBITMAP stripOldBitmap = nullptr;
    HBITMAP stripBitmap = nullptr;
};

struct FadeRecord {
    int32_t button = 0;  // caption button number, 0 = none
    int32_t step = 0;    // 0 to 8
};

struct HoverState {
    int32_t trackingArmed = 0;  // TrackMouseEvent in force (WM_MOUSEHOVER .. WM_MOUSELEAVE)
    FadeRecord fadeIn;
    FadeRecord fadeOut;
    int32_t inStrip = 0;        // mouse last seen over the strip: the hover timer runs
};

// Which control was last painted hot (shared by all control procedures of the window).
struct ControlHover {
    int32_t hotControl = 0;
    int32_t lastHotControl = 0;
    int32_t lastHotKind = 0;  // controls::HotKind
    HWND lastHotEditParent = nullptr;
};

struct SkinnedWindowRecord {
    HWND hwnd = nullptr;
    int32_t captionHeight = 25;
    int32_t hasHelpButton = 0, hasMenuButton = 0;
    int32_t hasMinimizeButton = 0, hasMaximizeButton = 0;
    int32_t takenOver = 0;
    int32_t showTitle = 0;
    int32_t captionGloss = 0;
    Bytes windowPicture;
    int32_t pictureMode = 0;
    COLORREF pictureColour = 0;
    std::vector<CaptionButtonRecord> captionButtons;
    int32_t stripX = 0, stripY = 0, stripWidth = 0, stripHeight = 22;
    int32_t isMaximized = 0, isMinimized = 0;
    int32_t minTrackWidth = 200, minTrackHeight = 150;
    int32_t screenWidth = 0, screenHeight = 0;
    int32_t resizable = 1;
    int32_t captionActive = 1;
    COLORREF titleColour = 0xFFFFFF, titleShadowColour = 0x808080;
    Text titleFont;
    int32_t titleSize = 12, titleFlag = 1;
    int32_t hotButton = 0;
    SkinRoutine helpHandler = nullptr, menuHandler = nullptr;
    gdip::Object<gdip::ToolTip> tooltip;  // one tool per caption button, id = button number
    CaptionStrip captionStrip;
    controls::ControlLists controls;      // one list per kind (skin/controls/ControlRecords.h)
    int32_t needsFullPaint = 0;
    FrameCache cache;
    HoverState hover;
    ControlHover controlHover;
};

// The registry: records by window number (1-based); null outside 1 .. WindowCount().
int32_t WindowCount();
SkinnedWindowRecord* WindowRecord(int32_t windowNumber);
// A top-level window's number: its "Hw_lbID" when that names its record, else the registry
// searched for the handle; 0 when it is not registered.
int32_t WindowNumberOf(HWND window);

// ---- the object ----

struct SkinEngine;

// Routine of a caller-drawn button (kinds 1 and 3): the button, its device context, state bits.
using DrawnButtonRoutine = void (*)(HWND button, HDC dc, int32_t state);

// The operations, in the declared order of the table. Window numbers are 1-based; an operation
// given a number or window outside the registry does nothing and returns 0.
struct SkinEngineOps {
    static void Destroy(SkinEngine* self);
    static void CopyFrom(SkinEngine* self, const SkinEngine* other);
    static LRESULT FrameWindowProc(SkinEngine* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static int32_t OnCaptionButton(SkinEngine* self, int32_t windowNumber, int32_t button);
    static int32_t SkinWindow(SkinEngine* self, HWND window, Optional<int32_t> captionHeight, Optional<int32_t> captionActive,
                              Optional<int32_t> resizable, Optional<int32_t> helpButton, Optional<int32_t> menuButton,
                              Optional<int32_t> showTitle, Optional<int32_t> captionGloss, Optional<int32_t> stripItemCount,
                              Optional<const ArrayValue*> stripTexts, Optional<const ByteSet*> picture,
                              Optional<int32_t> pictureMode);
    static int32_t AddCaptionButton(SkinEngine* self, HWND window, const ByteSet* picture, const char* tooltip, SkinRoutine callback);
    static int32_t SetTitleStyle(SkinEngine* self, HWND window, Optional<COLORREF> colour, Optional<COLORREF> shadowColour,
                                 Optional<const char*> fontName, Optional<int32_t> size, Optional<int32_t> flag);
    static int32_t SetWindowBackground(SkinEngine* self, HWND window, const ByteSet* picture, Optional<int32_t> mode);
    static int32_t SetBackground(SkinEngine* self, Optional<const char*> fileName, Optional<const ByteSet*> picture,
                                 Optional<int32_t> colour, Optional<int32_t> accent, Optional<int32_t> mode);
    static int32_t SetOptions(SkinEngine* self, int32_t skinControls, Optional<int32_t> alpha, Optional<int32_t> shading);
    static int32_t RenderFrame(SkinEngine* self, int32_t windowNumber, HDC dc, int32_t blit);
    static int32_t BlitFrame(SkinEngine* self, int32_t windowNumber, HDC dc);
    static void DrawFrameBackground(SkinEngine* self, gdip::PlusGraphics* g, int32_t windowNumber);
    static void DrawFrameBorder(SkinEngine* self, gdip::PlusGraphics* g, int32_t windowNumber);
    static void DrawButtonSeparators(SkinEngine* self, gdip::PlusGraphics* g, int32_t windowNumber, int32_t button);
    static void RestoreCaptionArea(SkinEngine* self, int32_t windowNumber, int32_t x, int32_t y, int32_t width, int32_t height);
    static void RestoreStripArea(SkinEngine* self, int32_t windowNumber, int32_t x, int32_t y, int32_t width, int32_t height);
    // g: a graphics on frameDC, or null for one made here.
    static void PaintCaptionButton(SkinEngine* self, int32_t windowNumber, int32_t button, gdip::PlusGraphics* g, int32_t noBlit,
                                   int32_t pressed, int32_t opacity);
    static void DrawButtonHighlight(SkinEngine* self, gdip::PlusGraphics* g, int32_t windowNumber, int32_t button, int32_t opacity);
    static int32_t LayoutCaptionButtons(SkinEngine* self, int32_t windowNumber);
    static int32_t HitTestCaptionButtons(SkinEngine* self, int32_t windowNumber, int32_t x, int32_t y);
    static int32_t FindMaximizeButton(SkinEngine* self, int32_t windowNumber);
    static void BeginMoveOrResize(SkinEngine* self, int32_t windowNumber, LPARAM lParam, const RECT* client);
    static void UpdateResizeCursor(SkinEngine* self, int32_t windowNumber, LPARAM lParam, const RECT* client);
    static int32_t SetHelpHandler(SkinEngine* self, HWND window, SkinRoutine routine);
    static int32_t SetMenuHandler(SkinEngine* self, HWND window, SkinRoutine routine);
    static void DrawCaptionTitle(SkinEngine* self, int32_t windowNumber, const char* title, int32_t flags);
    static int32_t BuildCaptionStrip(SkinEngine* self, int32_t windowNumber, int32_t itemCount, const ArrayValue* texts);
    static int32_t LayoutCaptionStrip(SkinEngine* self, int32_t windowNumber);
    static void PaintCaptionStrip(SkinEngine* self, int32_t windowNumber, gdip::PlusGraphics* g);
    static int32_t SetCaptionStripItem(SkinEngine* self, int32_t windowNumber, int32_t item, const char* text);
    static int32_t HitTestCaptionStrip(SkinEngine* self, int32_t windowNumber, int32_t x, int32_t y);
    static int32_t AddDrawnButton(SkinEngine* self, HWND window, HWND button, DrawnButtonRoutine paint);
    static int32_t AddDrawnStateButton(SkinEngine* self, HWND window, HWND button, DrawnButtonRoutine paint);
    static int32_t SkinChildWindow(SkinEngine* self, HWND container, Optional<COLORREF> fillColour, Optional<int32_t> fillAlpha,
                                   Optional<int32_t> rounded);
    static int32_t SetButtonState(SkinEngine* self, HWND button, int32_t state);
    static int32_t GetCaptionStripState(SkinEngine* self, HWND window, int32_t item);
    static int32_t SkinOtherControls(SkinEngine* self, HWND control, Optional<COLORREF> keyColour);
    static void OnWindowSized(SkinEngine* self, int32_t windowNumber);
    static int32_t SetControlTextColour(SkinEngine* self, HWND control, COLORREF colour);
    static COLORREF GetBackgroundColour(SkinEngine* self);
    static int32_t ReplaceCaptionPictures(SkinEngine* self, HWND window, Optional<const ByteSet*> first,
                                          Optional<const ByteSet*> second, Optional<const ByteSet*> third,
                                          Optional<const ByteSet*> fourth);
};

// The table: OP(position, name), in the declared order (checked at compile time).
#define SKIN_ENGINE_OPERATIONS(OP)     \
    OP(0, Destroy)                     \
    OP(1, CopyFrom)                    \
    OP(2, FrameWindowProc)             \
    OP(3, OnCaptionButton)             \
    OP(4, SkinWindow)                  \
    OP(5, AddCaptionButton)            \
    OP(6, SetTitleStyle)               \
    OP(7, SetWindowBackground)         \
    OP(8, SetBackground)               \
    OP(9, SetOptions)                  \
    OP(10, RenderFrame)                \
    OP(11, BlitFrame)                  \
    OP(12, DrawFrameBackground)        \
    OP(13, DrawFrameBorder)            \
    OP(14, DrawButtonSeparators)       \
    OP(15, RestoreCaptionArea)         \
    OP(16, RestoreStripArea)           \
    OP(17, PaintCaptionButton)         \
    OP(18, DrawButtonHighlight)        \
    OP(19, LayoutCaptionButtons)       \
    OP(20, HitTestCaptionButtons)      \
    OP(21, FindMaximizeButton)         \
    OP(22, BeginMoveOrResize)          \
    OP(23, UpdateResizeCursor)         \
    OP(24, SetHelpHandler)             \
    OP(25, SetMenuHandler)             \
    OP(26, DrawCaptionTitle)           \
    OP(27, BuildCaptionStrip)          \
    OP(28, LayoutCaptionStrip)         \
    OP(29, PaintCaptionStrip)          \
    OP(30, SetCaptionStripItem)        \
    OP(31, HitTestCaptionStrip)        \
    OP(32, AddDrawnButton)             \
    OP(33, AddDrawnStateButton)        \
    OP(34, SkinChildWindow)            \
    OP(35, SetButtonState)             \
    OP(36, GetCaptionStripState)       \
    OP(37, SkinOtherControls)          \
    OP(38, OnWindowSized)              \
    OP(39, SetControlTextColour)       \
    OP(40, GetBackgroundColour)        \
    OP(41, ReplaceCaptionPictures)

inline constexpr int kSkinEngineOperationCount = 42;

// The plain routine through which OnCaptionButton is reached (window number, button number).
using CaptionClickEntry = int32_t(__stdcall*)(int32_t windowNumber, int32_t button);

#define SKIN_ENGINE_ACCESSOR_(pos, name)                                                                 \
    template <typename... A>                                                                             \
    decltype(auto) name(A&&... args) {                                                                   \
        using Fn = decltype(&SkinEngineOps::name);                                                       \
        return ::gdip::detail::CallOperation(reinterpret_cast<Fn>(operations[pos].address), this,        \
                                             std::forward<A>(args)...);                                  \
    }

struct SkinEngine : gdip::ProgramObject {
    WNDPROC frameEntry;                    // subclasses top-level windows; reaches FrameWindowProc
    int32_t frameInset;                    // kept free right of the caption-button strip (3)
    int32_t hotCaptionButton;              // latest caption-button hit test, shared by all windows
    CaptionClickEntry captionClickEntry;   // OnCaptionButton as a plain routine

    SKIN_ENGINE_OPERATIONS(SKIN_ENGINE_ACCESSOR_)
};

#undef SKIN_ENGINE_ACCESSOR_

// The table in its declared order.
std::span<const gdip::OperationEntry> SkinEngineTable();

// Construction (GlobalsInit): the block with its table and entries; backgroundColour := the
// button-face colour. The entries reach this object, which is the skin's one object from here on.
SkinEngine* NewSkinEngine();
// ExitRoutine: Destroy (operation 0), then the block is freed. Nothing for null.
void ReleaseSkinEngine(SkinEngine* engine);
// The one object (null before NewSkinEngine and after its release).
SkinEngine* TheSkin();

// The program routine the main window's creation handler calls: the background picture, the
// options, then the window taken over.
void SkinSetup(const ByteSet* picture, int32_t backgroundColour, int32_t accentColour, HWND window, int32_t alpha,
               int32_t captionHeight, int32_t helpButton, int32_t menuButton, int32_t showTitle);

}  // namespace skin
