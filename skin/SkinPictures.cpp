#include "skin/SkinPictures.h"

// Each picture's file is assembled into the constant region as a byte set block (the constant
// 1, the length, the bytes), as the runtime's constants are. SKIN_PICTURES_DIR names the folder
// of the committed files (set by the build).
#define SKIN_PICTURES_(OP)                       \
    OP(Background, "background.jpg")             \
    OP(HelpButton, "caption_help.png")           \
    OP(MenuButton, "caption_menu.png")           \
    OP(MinimizeButton, "caption_minimize.png")   \
    OP(MaximizeButton, "caption_maximize.png")   \
    OP(RestoreButton, "caption_restore.png")     \
    OP(CloseButton, "caption_close.png")         \
    OP(CheckBoxEmpty, "check_empty.png")         \
    OP(CheckBoxChecked, "check_on.png")          \
    OP(ArrowUp, "arrow_up.png")                  \
    OP(ArrowDown, "arrow_down.png")              \
    OP(ArrowLeft, "arrow_left.png")              \
    OP(ArrowRight, "arrow_right.png")

#define SKIN_PICTURE_BLOCK_(name, file)                   \
    __asm__(".section .rdata$rtconst_m,\"dr\"\n"          \
            ".balign 4\n"                                 \
            "disctool_SkinPicture" #name ":\n"            \
            ".long 1\n"                                   \
            ".long 2f - 1f\n"                             \
            "1:\n"                                        \
            ".incbin \"" SKIN_PICTURES_DIR "/" file "\"\n" \
            "2:\n"                                        \
            ".text\n");
SKIN_PICTURES_(SKIN_PICTURE_BLOCK_)

// The blocks' assembler names are fixed (the i686 build would prefix C names with an underscore).
#define SKIN_PICTURE_NAME_(name, file) extern "C" const ByteSet kSkinPicture##name __asm__("disctool_SkinPicture" #name);
SKIN_PICTURES_(SKIN_PICTURE_NAME_)

namespace skin::pictures {
#define SKIN_PICTURE_ACCESSOR_(name, file) \
    const ByteSet* name() { return &kSkinPicture##name; }
SKIN_PICTURES_(SKIN_PICTURE_ACCESSOR_)
}  // namespace skin::pictures
