// The comment box takes no more than the comment holds: typing and pasting stop at 255 bytes of
// Shift_JIS, the dialog says how many are left, and OK stores exactly what the box shows.
#include <gtest/gtest.h>

#include <string>

#include "ClipboardText.h"
#include "KeyInput.h"
#include "dialogs/DialogControls.h"
#include "dialogs/MessageWindow.h"
#include "resource.h"

namespace {

class CommentBoxTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        ShowSettingsDialog(messageWindow, IDC_MESSAGE_TEXT);
        box = GetDlgItem(messageWindow->handle, IDC_MESSAGE_TEXT);
        SendMessageW(box, EM_SETSEL, 0, -1);
    }
    std::wstring Text(int id) const {
        wchar_t text[1024] = {};
        GetDlgItemTextW(messageWindow->handle, id, text, 1024);
        return text;
    }
    std::wstring BoxText() const { return Text(IDC_MESSAGE_TEXT); }
    std::wstring BytesLeft() const { return Text(IDC_MESSAGE_BYTES_LEFT); }
    void PressOk() {
        SendMessageW(messageWindow->handle, WM_COMMAND, MAKEWPARAM(IDC_MESSAGE_OK, BN_CLICKED), 0);
    }
    HWND box = nullptr;
};

const std::wstring kKana = L"\x3042";   // あ, two bytes in code page 932
const std::wstring kHangul = L"\xD55C";  // 한: code page 932 has none, it is stored as "?"

std::wstring Repeat(const std::wstring& part, int count) {
    std::wstring text;
    for (int i = 0; i < count; ++i) text += part;
    return text;
}

std::string RepeatBytes(const std::string& part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += part;
    return text;
}

}  // namespace

TEST_F(CommentBoxTest, TypingStopsAt255BytesAndTheDialogSaysWhatIsLeft) {
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_CLEAR, 0, 0);
    EXPECT_EQ(BytesLeft(), L"残り 255 バイト");
    TypeText(Repeat(kKana, 150));  // 300 bytes' worth: the 128th kana no longer fits
    EXPECT_EQ(BoxText(), Repeat(kKana, 127));
    EXPECT_EQ(BytesLeft(), L"残り 1 バイト");
    TypeText(kHangul + L"b");  // one byte as "?", then nothing more
    EXPECT_EQ(BoxText(), Repeat(kKana, 127) + kHangul);
    EXPECT_EQ(BytesLeft(), L"残り 0 バイト");

    // Typing in the middle of a full box changes nothing; deleting makes room again.
    SendMessageW(box, EM_SETSEL, 3, 3);
    TypeText(L"x");
    EXPECT_EQ(BoxText(), Repeat(kKana, 127) + kHangul);
    Press(VK_BACK);
    TypeText(L"xy");
    EXPECT_EQ(BoxText(), Repeat(kKana, 2) + L"xy" + Repeat(kKana, 124) + kHangul);

    PressOk();
    const std::string stored = Settings().comment;
    EXPECT_EQ(stored, RepeatBytes("\x82\xa0", 2) + "xy" + RepeatBytes("\x82\xa0", 124) + "?");
    EXPECT_EQ(stored.size(), 255u);
    EXPECT_EQ(BoxText(), Repeat(kKana, 2) + L"xy" + Repeat(kKana, 124) + L"?");
}

// A paste keeps as much of the pasted text as fits, where the caret was.
TEST_F(CommentBoxTest, PastingKeepsWhatFitsOfThePastedText) {
    SetDlgItemTextW(messageWindow->handle, IDC_MESSAGE_TEXT, (Repeat(L"a", 100) + L"|").c_str());
    PutText(Repeat(kKana, 100));

    SendMessageW(box, EM_SETSEL, 100, 100);
    SendMessageW(box, WM_PASTE, 0, 0);
    PumpMessages();
    // 101 bytes around the paste leave 154 bytes: 77 kana.
    EXPECT_EQ(BoxText(), Repeat(L"a", 100) + Repeat(kKana, 77) + L"|");
    DWORD caret = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    EXPECT_EQ(caret, 177u);
    EXPECT_EQ(BytesLeft(), L"残り 0 バイト");
}

// A map file may bring a comment of 256 bytes: the box shows it whole; typing cannot make it
// longer, and OK keeps the 255 bytes the box gives.
TEST_F(CommentBoxTest, ACommentOfAFileIsShownWholeButTakesNoMore) {
    const std::string full = RepeatBytes("\x82\xa0", 128);
    messageWindow->SetComment(full.data(), 256);
    EXPECT_EQ(BoxText(), Repeat(kKana, 128));
    EXPECT_EQ(BytesLeft(), L"残り 0 バイト");
    SendMessageW(box, EM_SETSEL, 256, 256);
    TypeText(L"a");
    EXPECT_EQ(BoxText(), Repeat(kKana, 128));
    PressOk();
    EXPECT_EQ(Settings().comment, RepeatBytes("\x82\xa0", 127));
    EXPECT_EQ(BoxText(), Repeat(kKana, 127));
    EXPECT_EQ(BytesLeft(), L"残り 1 バイト");
}
