// Every text of the settings dialogs shows whole, measured in the fonts of this prefix (the
// scripts replace the dialogs' Japanese fonts; ForeignSystemTest does the same on a system that
// is not Japanese).
#include <gtest/gtest.h>

#include "DialogTextRoom.h"
#include "EditorFixture.h"
#include "WideText.h"
#include "dialogs/ConfigWindow.h"
#include "dialogs/CursorWindow.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResizeWindow.h"

// Run by both suites: the texts of the four settings dialogs, each within its control.
void ExpectEveryDialogTextFits() {
    size_t measured = 0;
    for (const Window* dialog : {static_cast<const Window*>(resizeWindow),
                                 static_cast<const Window*>(cursorWindow),
                                 static_cast<const Window*>(messageWindow),
                                 static_cast<const Window*>(configWindow)}) {
        ASSERT_NE(dialog->handle, nullptr);
        for (const TextRoom& room : MeasureDialogTexts(dialog->handle)) {
            ++measured;
            EXPECT_TRUE(room.needed.cx <= room.available.cx && room.needed.cy <= room.available.cy)
                << "\"" << Utf8FromWide(room.text) << "\" needs " << room.needed.cx << " x "
                << room.needed.cy << " pixels, has " << room.available.cx << " x "
                << room.available.cy;
        }
    }
    // Edit area: two labels, two buttons; start position: two labels, the check box, two
    // buttons; comment: two buttons and the bytes left; other settings: four labels, two buttons.
    EXPECT_EQ(measured, 18u);
}

namespace {

class DialogTextFit : public EditorTest {};

}  // namespace

TEST_F(DialogTextFit, EveryStaticTextCheckBoxAndButtonFitsItsControl) { ExpectEveryDialogTextFits(); }
