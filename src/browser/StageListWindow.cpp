#include "browser/StageListWindow.h"

#include <shlobj.h>

#include <algorithm>

#include "Editor.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "PaletteWindow.h"
#include "UnsavedChanges.h"
#include "WideText.h"
#include "core/Texts.h"
#include "core/WindowsPathCase.h"
#include "map/MapOpening.h"
#include "map/StartFolder.h"
#include "render/Texture.h"
#include "resource.h"

namespace {

enum Column : int {
    kNameColumn,
    kMarkColumn,
    kSizeColumn,
    kTargetTimeColumn,
    kTimeLimitColumn,
    kBackgroundColumn,
    kMusicColumn,
    kCommentColumn,
    kColumnCount
};

struct ColumnSpec {
    const char* title;
    int width;  // pixels at 96 dots an inch
    int format;
};

const ColumnSpec kColumns[kColumnCount] = {
    {texts::kStageListName, 180, LVCFMT_LEFT},        {"", 24, LVCFMT_CENTER},
    {texts::kStageListSize, 64, LVCFMT_RIGHT},        {texts::kStageListTargetTime, 72, LVCFMT_RIGHT},
    {texts::kStageListTimeLimit, 64, LVCFMT_RIGHT},   {texts::kStageListBackground, 64, LVCFMT_RIGHT},
    {texts::kStageListMusic, 48, LVCFMT_RIGHT},       {texts::kStageListComment, 260, LVCFMT_LEFT},
};

// The sort key of a column; the mark and the comment sort nothing.
bool SortKeyOfColumn(int column, StageSortKey& key) {
    switch (column) {
    case kNameColumn: key = StageSortKey::kName; return true;
    case kSizeColumn: key = StageSortKey::kSize; return true;
    case kTargetTimeColumn: key = StageSortKey::kTargetTime; return true;
    case kTimeLimitColumn: key = StageSortKey::kTimeLimit; return true;
    case kBackgroundColumn: key = StageSortKey::kBackgroundImage; return true;
    case kMusicColumn: key = StageSortKey::kMusic; return true;
    default: return false;
    }
}

int ColumnOfSortKey(StageSortKey key) {
    switch (key) {
    case StageSortKey::kName: return kNameColumn;
    case StageSortKey::kSize: return kSizeColumn;
    case StageSortKey::kTargetTime: return kTargetTimeColumn;
    case StageSortKey::kTimeLimit: return kTimeLimitColumn;
    case StageSortKey::kBackgroundImage: return kBackgroundColumn;
    case StageSortKey::kMusic: return kMusicColumn;
    }
    return kNameColumn;
}

// The folder of the current map: the start folder for a bare name such as the default map's,
// which is where Open and Save take such a name from.
std::string CurrentMapFolder() {
    const std::string full = Utf8FromWide(FullMapPath(currentPath));
    const size_t separator = full.find_last_of("\\/");
    if (separator == std::string::npos) return full;
    return full.substr(0, separator == 2 && full[1] == ':' ? separator + 1 : separator);
}

// A text of several lines on the list's one line: its line breaks as blanks.
std::wstring OnOneLine(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n' || c == L'\t') c = L' ';
    return text;
}

std::wstring CommentStart(const std::vector<uint8_t>& comment) {
    return OnOneLine(WideFromSjis(std::string(comment.begin(), comment.end())));
}

// What Open's message box would give as the reason, on one line.
std::wstring ReasonText(const StageEntry& entry) {
    switch (entry.problem) {
    case StageProblem::kCannotRead: return OnOneLine(WideFromUtf8(entry.reason));
    case StageProblem::kTooLarge: return WideFromSjis(texts::kFileTooLarge);
    case StageProblem::kRefused: return OnOneLine(WideFromSjis(entry.reason));
    case StageProblem::kNone: break;
    }
    return std::wstring();
}

uint16_t Rgb555Of(COLORREF colour) { return Rgb555(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

// A square picture of the thumbnail's side with the thumbnail in its middle, on the list's
// background; blank for a file without one.
HBITMAP ThumbnailBitmap(const StageThumbnail& thumbnail, uint16_t background) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kStageThumbnailSide;
    info.bmiHeader.biHeight = -kStageThumbnailSide;  // top-down, as the surfaces are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;  // 5-5-5
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) return bitmap;
    const int32_t pitch = PixelSurface::PitchFor(kStageThumbnailSide) / 2;
    auto* pixels = static_cast<uint16_t*>(bits);
    std::fill(pixels, pixels + static_cast<size_t>(pitch) * kStageThumbnailSide, background);
    const int32_t left = (kStageThumbnailSide - thumbnail.width) / 2;
    const int32_t top = (kStageThumbnailSide - thumbnail.height) / 2;
    if (thumbnail.width <= kStageThumbnailSide && thumbnail.height <= kStageThumbnailSide)
        for (int32_t y = 0; y < thumbnail.height; ++y)
            std::copy_n(&thumbnail.pixels[static_cast<size_t>(y) * static_cast<size_t>(thumbnail.width)],
                        thumbnail.width, pixels + static_cast<size_t>(top + y) * pitch + left);
    GdiFlush();
    return bitmap;
}

void SetCell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::wstring Number(int64_t value) { return std::to_wstring(value); }

// Starts the folder picker in the folder listed.
int CALLBACK PickerStarted(HWND picker, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start != 0) SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

}  // namespace

StageListWindow::StageListWindow(HINSTANCE moduleInstance, HWND owner, DLGPROC procedure)
    : ownerWindow(owner), dialogProc(procedure) {
    instance = moduleInstance;
}

StageListWindow::~StageListWindow() {
    watch.Stop();
    if (images != nullptr) ImageList_Destroy(images);
}

bool StageListWindow::Create(const char*, int32_t, int32_t) {
    handle = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_STAGE_LIST), ownerWindow, dialogProc, 0);
    if (handle == nullptr) return false;
    HWND list = List();
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    MakeColumns();
    Layout();
    return true;
}

HWND StageListWindow::List() const { return GetDlgItem(handle, IDC_STAGE_LIST_VIEW); }

void StageListWindow::MakeColumns() {
    HWND list = List();
    for (int i = 0; i < kColumnCount; ++i) {
        const std::wstring title = WideFromSjis(kColumns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = kColumns[i].format;
        column.cx = kColumns[i].width;
        column.pszText = const_cast<wchar_t*>(title.c_str());
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    // The mark stands first, before the thumbnail and the name (the picture can only go in
    // the item's own column).
    int order[kColumnCount];
    for (int i = 0; i < kColumnCount; ++i) order[i] = i;
    std::swap(order[0], order[1]);
    SendMessageW(list, LVM_SETCOLUMNORDERARRAY, kColumnCount, reinterpret_cast<LPARAM>(order));
}

void StageListWindow::Show() {
    if (handle == nullptr) return;
    if (!IsWindowVisible(handle)) {
        if (!placed && ownerWindow != nullptr) {
            RECT owner;
            GetWindowRect(ownerWindow, &owner);
            SetWindowPos(handle, nullptr, owner.left + 40, owner.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            placed = true;
        }
        ShowFolder(folderChosen ? folder : CurrentMapFolder(), folderChosen);
        ShowWindow(handle, SW_SHOW);
    }
    SetForegroundWindow(handle);
    SetFocus(List());
}

void StageListWindow::Hide() {
    watch.Stop();
    KillTimer(handle, kStageRelistTimer);
    ShowWindow(handle, SW_HIDE);
}

void StageListWindow::ShowFolder(const std::string& folderPath, bool chosen) {
    const bool sameFolder = SameWindowsPath(folderPath, folder) && !entries.empty();
    folder = folderPath;
    folderChosen = chosen;
    SetDlgItemTextW(handle, IDC_STAGE_LIST_FOLDER, WideFromUtf8(folder).c_str());
    // A folder that cannot be watched is still listed; it only does not follow its changes.
    watch.Start(WideFromUtf8(folder), handle, kStageFolderChanged);
    if (sameFolder) {
        Relist();
        return;
    }
    // Another folder: nothing of the last one is kept, not even its selection.
    SendMessageW(List(), LVM_DELETEALLITEMS, 0, 0);
    entries.clear();
    shown.clear();
    Relist();
}

void StageListWindow::ChooseFolder() {
    // The picker is no file dialog, but the working folder must stay, whatever it does.
    wchar_t workingFolder[MAX_PATH] = {};
    const DWORD kept = GetCurrentDirectoryW(MAX_PATH, workingFolder);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring title = WideFromSjis(texts::kStageListFolderPrompt);
    const std::wstring start = WideFromUtf8(folder);
    BROWSEINFOW browse{};
    browse.hwndOwner = handle;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = PickerStarted;
    browse.lParam = reinterpret_cast<LPARAM>(start.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    std::wstring path;
    if (chosen != nullptr) {
        wchar_t picked[MAX_PATH] = {};
        if (SHGetPathFromIDListW(chosen, picked)) path = picked;
        CoTaskMemFree(chosen);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    if (kept > 0 && kept < MAX_PATH) SetCurrentDirectoryW(workingFolder);
    if (!path.empty()) ShowFolder(Utf8FromWide(path), true);
}

void StageListWindow::Relist() {
    if (editor == nullptr || editor->smallSheet == nullptr || editor->largeSheet == nullptr ||
        editor->backdrop == nullptr)
        return;
    if (thumbnails == nullptr)
        thumbnails = std::make_unique<StageThumbnails>(*editor->smallSheet, *editor->largeSheet, *editor->backdrop,
                                                       ModelOf(smallPalette), ModelOf(largePalette));
    const std::string selected = SelectedName();
    std::string reason;
    // A folder that cannot be read (gone, no permission) lists nothing.
    if (!ListStages(folder, *thumbnails, entries, reason)) entries.clear();
    SortStages(entries, sortKey, descending);
    MakeImages();
    FillList(selected);
}

void StageListWindow::MakeImages() {
    HWND list = List();
    if (images != nullptr) ImageList_Destroy(images);
    images = ImageList_Create(kStageThumbnailSide, kStageThumbnailSide, ILC_COLOR24,
                              static_cast<int>(std::max<size_t>(entries.size(), 1)), 8);
    const uint16_t background = Rgb555Of(GetSysColor(COLOR_WINDOW));
    for (const StageEntry& entry : entries) {
        HBITMAP bitmap = ThumbnailBitmap(entry.thumbnail, background);
        ImageList_Add(images, bitmap, nullptr);
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void StageListWindow::SortByColumn(int column) {
    StageSortKey key;
    if (!SortKeyOfColumn(column, key)) return;
    descending = key == sortKey ? !descending : false;
    sortKey = key;
    const std::string selected = SelectedName();
    // The entries move, and their pictures with them.
    SortStages(entries, sortKey, descending);
    MakeImages();
    FillList(selected);
}

void StageListWindow::ApplyFilter() { FillList(SelectedName()); }

std::string StageListWindow::SelectedName() const {
    const int row = static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row >= 0 && static_cast<size_t>(row) < shown.size() ? entries[shown[row]].name : std::string();
}

bool StageListWindow::IsCurrent(const StageEntry& entry, const std::string& currentMap) const {
    return SameWindowsPath(files::JoinPath(folder, entry.name), currentMap);
}

void StageListWindow::FillList(const std::string& keepSelected) {
    HWND list = List();
    wchar_t typed[512] = {};
    GetDlgItemTextW(handle, IDC_STAGE_LIST_FILTER, typed, 512);
    StageFilter filter;
    filter.utf8 = Utf8FromWide(typed);
    filter.sjis = SjisFromWide(typed);
    filter.sjisExact = WideFromSjis(filter.sjis) == typed;
    shown = FilterStages(entries, filter);

    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int select = -1;
    const std::string currentMap = Utf8FromWide(FullMapPath(currentPath));
    for (size_t row = 0; row < shown.size(); ++row) {
        const StageEntry& entry = entries[shown[row]];
        const std::wstring name = WideFromUtf8(entry.name);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(row);
        item.pszText = const_cast<wchar_t*>(name.c_str());
        item.iImage = static_cast<int>(shown[row]);
        item.lParam = static_cast<LPARAM>(shown[row]);
        const int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (entry.CanOpen()) {
            SetCell(list, at, kSizeColumn,
                    FilledMessage(texts::kStageListSizeFormat, {Number(entry.cellsX), Number(entry.cellsY)}));
            SetCell(list, at, kTargetTimeColumn, Number(entry.numbers.targetTime));
            SetCell(list, at, kTimeLimitColumn, Number(entry.numbers.timeLimit));
            SetCell(list, at, kBackgroundColumn, Number(entry.numbers.backgroundImage));
            SetCell(list, at, kMusicColumn, Number(entry.numbers.music));
            SetCell(list, at, kCommentColumn, CommentStart(entry.comment));
        } else {
            SetCell(list, at, kSizeColumn, WideFromSjis(texts::kStageListUnreadable));
            SetCell(list, at, kCommentColumn, ReasonText(entry));
        }
        if (!keepSelected.empty() ? entry.name == keepSelected : select < 0 && IsCurrent(entry, currentMap)) select = at;
    }
    if (select < 0 && !shown.empty()) select = 0;
    if (select >= 0) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(select), reinterpret_cast<LPARAM>(&state));
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(select), FALSE);
    }
    ShowMarks();
    ShowSortArrow();
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    SetDlgItemTextW(handle, IDC_STAGE_LIST_COUNT,
                    FilledMessage(texts::kStageListCount, {Number(static_cast<int64_t>(shown.size())),
                                                           Number(static_cast<int64_t>(entries.size()))})
                        .c_str());
}

void StageListWindow::ShowMarks() {
    HWND list = List();
    const std::wstring mark = WideFromSjis(texts::kStageListCurrentMark);
    const std::string currentMap = Utf8FromWide(FullMapPath(currentPath));
    for (size_t row = 0; row < shown.size(); ++row)
        SetCell(list, static_cast<int>(row), kMarkColumn,
                IsCurrent(entries[shown[row]], currentMap) ? mark : std::wstring());
}

void StageListWindow::ShowSortArrow() {
    HWND header = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETHEADER, 0, 0));
    if (header == nullptr) return;
    const int sorted = ColumnOfSortKey(sortKey);
    for (int i = 0; i < kColumnCount; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == sorted) item.fmt |= descending ? HDF_SORTDOWN : HDF_SORTUP;
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void StageListWindow::OpenRow(int row) {
    if (row < 0 || static_cast<size_t>(row) >= shown.size()) return;
    const StageEntry entry = entries[shown[row]];  // a copy: opening may list the folder again
    if (!entry.CanOpen()) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    if (!ConfirmDropChanges()) return;
    OpenMapPath(WideFromUtf8(files::JoinPath(folder, entry.name)));
}

void StageListWindow::OpenSelected() {
    OpenRow(static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
}

void StageListWindow::FollowCurrentFile() {
    if (handle == nullptr || !IsWindowVisible(handle)) return;
    if (!folderChosen && !SameWindowsPath(CurrentMapFolder(), folder)) {
        ShowFolder(CurrentMapFolder(), false);
        return;
    }
    ShowMarks();
}

// In dialog units, as the template places them: the folder's line, the filter's line, the
// list, and the count and 開く under it.
void StageListWindow::Layout() {
    RECT client;
    GetClientRect(handle, &client);
    RECT unit{0, 0, 4, 8};
    MapDialogRect(handle, &unit);
    const auto x = [&](int dialogUnits) { return MulDiv(dialogUnits, unit.right, 4); };
    const auto y = [&](int dialogUnits) { return MulDiv(dialogUnits, unit.bottom, 8); };
    const auto place = [&](int id, int left, int top, int width, int height) {
        SetWindowPos(GetDlgItem(handle, id), nullptr, left, top, std::max(width, 0), std::max(height, 0),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const int right = client.right - x(4);
    const int bottom = client.bottom - y(4);
    place(IDC_STAGE_LIST_FOLDER_BUTTON, x(4), y(4), x(56), y(14));
    place(IDC_STAGE_LIST_FOLDER, x(64), y(7), right - x(64), y(10));
    place(IDC_STAGE_LIST_FILTER_LABEL, x(4), y(24), x(40), y(10));
    place(IDC_STAGE_LIST_FILTER, x(46), y(22), std::min(x(150), right - x(46)), y(13));
    place(IDC_STAGE_LIST_VIEW, x(4), y(40), right - x(4), bottom - y(18) - y(40));
    place(IDC_STAGE_LIST_COUNT, x(4), bottom - y(12), right - x(64), y(10));
    place(IDOK, right - x(54), bottom - y(14), x(54), y(14));
    InvalidateRect(handle, nullptr, TRUE);
}

void ShowStageList() {
    if (editor != nullptr && editor->stageList != nullptr) editor->stageList->Show();
}
