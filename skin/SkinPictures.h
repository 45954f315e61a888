// The program's pictures, carried in its constant data as byte set blocks: the background JPEG
// that the main window's creation handler hands to SkinSetup, the caption-button pictures and
// the pictures of the skinned controls (all 32-bit RGBA PNG of the sizes noted). They are drawn
// by skin/pictures/make_pictures.py; the build embeds the committed files.
#pragma once
#include "runtime/Values.h"

namespace skin::pictures {

const ByteSet* Background();       // baseline JPEG, 500 x 352

const ByteSet* HelpButton();       // 26 x 18
const ByteSet* MenuButton();       // 26 x 18
const ByteSet* MinimizeButton();   // 26 x 18
const ByteSet* MaximizeButton();   // 26 x 18
const ByteSet* RestoreButton();    // 26 x 18
const ByteSet* CloseButton();      // 38 x 18

const ByteSet* CheckBoxEmpty();    // 13 x 13
const ByteSet* CheckBoxChecked();  // 13 x 13
const ByteSet* ArrowUp();          // 7 x 4
const ByteSet* ArrowDown();        // 7 x 4 (also the combo box's drop arrow)
const ByteSet* ArrowLeft();        // 4 x 7
const ByteSet* ArrowRight();       // 4 x 7

}  // namespace skin::pictures
