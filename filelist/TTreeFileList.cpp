#include "filelist/TTreeFileList.h"

#include "filelist/DetailFormat.h"
#include "filelist/ExtensionGroups.h"
#include "filelist/ItemText.h"
#include "filelist/RemoteListingLine.h"
#include "filelist/SpecialFolders.h"
#include "filelist/SystemIconTable.h"
#include "filelist/TextCase.h"
#include "filelist/TreeName.h"
#include "messages/PathHelpers.h"
#include "messages/TextHelpers.h"
#include "platform/CurrentFolder.h"
#include "platform/DriveInfo.h"
#include "platform/DriveTable.h"
#include "platform/FileAttributes.h"
#include "platform/ProgramFolders.h"
#include "platform/SystemClock.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QDate>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace kestrom {

namespace {

// Begin and end update of the items around a scope, whatever happens inside.
class UpdateBracket {
public:
    explicit UpdateBracket(TSortedListBox& box) : box_(box) { box_.BeginUpdate(); }
    ~UpdateBracket() { box_.EndUpdate(); }
    UpdateBracket(const UpdateBracket&) = delete;
    UpdateBracket& operator=(const UpdateBracket&) = delete;

private:
    TSortedListBox& box_;
};

QString hostFileOf(const QString& path) {
    const QString windows = WinPath::fromUserInput(path);
    return windows.startsWith(u'/') ? windows : WinPath::toHost(windows).hostPath;
}

} // namespace

TTreeFileList::TTreeFileList() : ExtensionGroups(ExtensionGroups::Create()) {
    directory_ = GetCurrentDir();
    DriveAllowed.fill(true);
    SystemImages = &SystemIconTable::shared();
}

TTreeFileList::~TTreeFileList() {
    if (IsFtpFile && !ftpTempFile_.isEmpty()) {
        const QString host = hostFileOf(ftpTempFile_);
        if (!host.isEmpty() && QFile::exists(host))
            QFile::remove(host);
    }
}

void TTreeFileList::Loaded() {
    loading_ = false;
    UpdateItemHeight();
}

void TTreeFileList::DoChange() {
    if (OnChange)
        OnChange(*this);
}

// Properties.

void TTreeFileList::SetFileMask(const QString& value) {
    if (value == fileMask_)
        return;
    fileMask_ = value;
    if (TreeView)
        RebuildTree();
    else
        Rescan();
}

void TTreeFileList::SetFTPTempFile(const QString& value) {
    if (value != ftpTempFile_)
        ftpTempFile_ = value;
}

void TTreeFileList::SetTextCase(TTreeTextCase value) {
    textCase_ = value;
    TextCase::SetLabelCase(value);
    if (loading_)
        return;
    if (TreeView)
        RebuildTree();
    else
        Rescan();
}

void TTreeFileList::SetFileDetails(TFileDetails value) {
    if (value == fileDetails_)
        return;
    fileDetails_ = value;
    UpdateHorizontalExtent();
    Repaint();
}

void TTreeFileList::SetZipDetails(TZipDetails value) {
    if (value == zipDetails_)
        return;
    zipDetails_ = value;
    UpdateHorizontalExtent();
    Repaint();
}

void TTreeFileList::SetHighlightFG(quint32 colour) {
    if (colour == highlightFG_)
        return;
    highlightFG_ = colour;
    Repaint();
}

void TTreeFileList::SetHighlightBG(quint32 colour) {
    if (colour == highlightBG_)
        return;
    highlightBG_ = colour;
    Repaint();
}

void TTreeFileList::SetTreeRootFolder(TTreeRootFolder value) {
    if (value == treeRootFolder_)
        return;
    treeRootFolder_ = value;
    LoadRootFolder();
}

// Accessors.

QChar TTreeFileList::ItemType(int index) const {
    if (index < 0 || index >= Count())
        return {};
    return ItemText::Kind(Item(index));
}

QString TTreeFileList::ItemPath(int index) const {
    if (index < 0 || index >= Count())
        return {};
    const QString stored = ItemText::StoredName(Item(index));
    if (!TreeView)
        return stored;
    const TreeName::Decoded decoded = TreeName::Decode(stored);
    treeTypeLetter_ = decoded.kind;
    return decoded.path;
}

QString TTreeFileList::ItemCaption(int index) const {
    const QChar kind = ItemType(index);
    const QString path = ItemPath(index);
    if (kind == u'G' || kind == u'H')
        return path.mid(path.lastIndexOf(u'\\') + 1);
    return path;
}

QChar TTreeFileList::TreeItemType(int index) const {
    if (index < 0 || index >= Count())
        return QChar(0);
    const TreeName::Decoded decoded = TreeName::Decode(ItemText::StoredName(Item(index)));
    treeTypeLetter_ = decoded.kind;
    return decoded.kind;
}

int TTreeFileList::ItemIcon(int index) const {
    return index < 0 || index >= Count() ? 0 : ItemText::Icon(Item(index));
}

int TTreeFileList::ItemAttr(int index) const {
    return index < 0 || index >= Count() ? 0 : ItemText::Attr(Item(index));
}

int TTreeFileList::ItemTime(int index) const {
    return index < 0 || index >= Count() ? 0 : ItemText::Time(Item(index));
}

int TTreeFileList::ItemSize(int index) const {
    return index < 0 || index >= Count() ? 0 : ItemText::Size(Item(index));
}

int TTreeFileList::ItemOpen(int index) const {
    return index < 0 || index >= Count() ? 0 : ItemText::Open(Item(index));
}

int TTreeFileList::ItemLevel(int index) const {
    return index < 0 || index >= Count() ? 0 : ItemText::Level(Item(index));
}

// Items.

QString TTreeFileList::SortKey(const QString& name, int size, int time) const {
    QString criterion;
    switch (SortBy) {
    case sbName:
        criterion = QStringLiteral("00000000000");
        break;
    case sbType:
        criterion = ItemText::ExtractFileExt(name).left(15).leftJustified(11, u'0');
        break;
    case sbSize:
        criterion = ItemText::PadNumber(size, 11);
        break;
    case sbDate:
        criterion = ItemText::PadNumber(time, 11);
        break;
    }
    return (ItemText::PadNumber(orderCounter_, 4) + criterion).left(ItemText::kKeyLength);
}

QString TTreeFileList::BuildItem(QChar kind, const QString& name, int icon, int attr, int time,
                                 int size, int open, int level) const {
    QString key;
    QChar written = kind;
    QString stored = name;
    if (TreeView) {
        key = QString(ItemText::kKeyLength, u'0');
        stored = TreeName::Encode(kind, name, SortKey(name, size, time));
        if (kind == u'H')
            written = u'G';
    } else {
        key = SortKey(name, size, time);
    }
    QString text;
    text.reserve(1 + key.size() + stored.size() + 32);
    text += written;
    text += key;
    text += stored;
    text += u'|';
    text += QChar(static_cast<char16_t>(icon));
    text += ItemText::PadNumber(attr, 6);
    text += ItemText::PadNumber(time, 11);
    text += ItemText::PadNumber(size, 11);
    text += ItemText::PadNumber(open, 1);
    text += ItemText::PadNumber(level, 1);
    return text;
}

bool TTreeFileList::AddItem(QChar kind, const QString& name, int icon, int attr, int time, int size,
                            int open, int level) {
    const QString text = BuildItem(kind, name, icon, attr, time, size, open, level);
    const int index = AddString(text);
    if (Sorted() && index + 1 < Count() && Item(index + 1) == text)
        DeleteString(index);
    if (kind == u'G' || kind == u'H') {
        listSize_ = static_cast<int>(static_cast<quint32>(listSize_) + static_cast<quint32>(size));
        ++listCount_;
    }
    return true;
}

// Rescanning and opening.

void TTreeFileList::Rescan() {
    lastError_ = 0;
    if (Inactive())
        return;
    UpdateBracket bracket(*this);
    const int top = TopIndex();
    int index = ItemIndex();
    try {
        if (IsFtpFile) {
            const QString host = hostFileOf(ftpTempFile_);
            if (!ftpTempFile_.isEmpty() && QFile::exists(host))
                LoadRemoteListing();
        } else if (IsZipFile) {
            for (int i = 0; i < Count(); ++i)
                SetSelected(i, false);
        } else {
            ReadDirectory(directory_);
        }
        SetTopIndex(top);
        index = std::min(index, Count() - 1);
        if (index >= 0)
            MakeCurrent(index);
    } catch (...) {
        // A rescan never fails; what was listed stays.
    }
}

bool TTreeFileList::DriveAllowedFor(const QString& path) const {
    const QChar letter = path.isEmpty() ? QChar() : path[0].toUpper();
    return letter < u'A' || letter > u'Z' || DriveAllowed[letter.unicode() - u'A'];
}

int TTreeFileList::OpenFolder(const QString& mask, const QString& folder) {
    if (!DriveAllowedFor(folder))
        return 0;
    const QString savedMask = fileMask_;
    const QString savedDirectory = directory_;
    if (!mask.isEmpty() && fileMask_ != mask.toUpper())
        fileMask_ = mask;
    // An empty folder keeps the folder already listed.
    if (!folder.isEmpty() && directory_ != folder.toUpper())
        directory_ = folder;
    UpdateBracket bracket(*this);
    if (TreeView)
        RebuildTree();
    else
        Rescan();
    const int result = lastError_;
    if (result != 0) {
        fileMask_ = savedMask;
        directory_ = savedDirectory;
    }
    return result;
}

void TTreeFileList::MakeCurrent(int index) {
    // In a multiple selection the current item moves without being selected.
    SetItemIndex(index);
}

void TTreeFileList::ScrollToCurrent() {
    if (ItemIndex() >= TopIndex() + VisibleRows())
        SetTopIndex(TopIndex() + 1);
}

// Listing.

namespace {

bool isEmptyResult(int error) {
    return error == kErrorNoMoreFiles || error == kErrorFileNotFound || error == kErrorPathNotFound;
}

QString asciiUpper(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return result;
}

// Keeps the process error mode for the length of a listing.
class ErrorModeScope {
public:
    ErrorModeScope() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~ErrorModeScope() { SetErrorMode(previous_); }
    ErrorModeScope(const ErrorModeScope&) = delete;
    ErrorModeScope& operator=(const ErrorModeScope&) = delete;

private:
    unsigned previous_;
};

QString executableDriveRoot() {
    const QString folder = ProgramFolders::programFolder();
    return folder.isEmpty() ? QStringLiteral("C:\\") : folder.left(1) + QStringLiteral(":\\");
}

} // namespace

void TTreeFileList::ReadDirectory(const QString& target) {
    if (target.isEmpty())
        return;
    UpdateBracket bracket(*this);
    orderCounter_ = 0;
    int changeError = 0;
    int scanError = 0;
    QString old;
    {
        ErrorModeScope errorMode;
        const DirectoryReadScope readOnce;
        if (!TreeView || isSpecialFile) {
            ClearItems();
            SetItemIndex(-1);
        }
        listSize_ = 0;
        listCount_ = 0;
        const QString saved = GetCurrentDir();
        old = directory_;

        int targetAttr = 0;
        TSearchRec probe;
        if (FindFirst(target, faAnyFile, probe) == 0 && (probe.Attr & faDirectory) != 0)
            targetAttr = probe.Attr;
        FindClose(probe);

        if (ShowSystemFiles || (targetAttr & (faHidden | faSysFile)) == 0) {
            changeError = ChDir(old);
            if (changeError == 0) {
                changeError = ChDir(target);
                if (changeError != 0)
                    ChDir(old);
            }
        }
        if (changeError != 0) {
            if (ChDir(saved) != 0)
                ChDir(executableDriveRoot());
            directory_ = saved;
        }
        directory_ = GetCurrentDir();
        if (directory_ == old) {
            ChDir(target);
            directory_ = GetCurrentDir();
        }
        try {
            ListEntries(scanError);
        } catch (...) {
            // The items added so far stay; the counters keep what they reached.
        }
    }
    if (target == QStringLiteral("..") || target == QStringLiteral("\\"))
        SelectFolderLeft(old);
    lastError_ = changeError != 0 ? changeError : scanError;
    if (ListOrder == flInverted && !TreeView)
        InvertFileOrder();
    orderCounter_ = 0;
    DoChange();
}

void TTreeFileList::ListEntries(int& scanError) {
    const QChar letter = directory_.isEmpty() ? QChar() : directory_[0].toUpper();
    bool replace = letter < u'A' || letter > u'Z' || !DriveAllowed[letter.unicode() - u'A'];
    if (!ShowSystemFiles) {
        const std::uint32_t attr = GetFileAttributesA(directory_);
        replace = replace || attr == INVALID_FILE_ATTRIBUTES || (attr & faHidden) != 0;
    }
    if (replace) {
        const QString replacement = ReplacementFolder();
        if (!replacement.isEmpty())
            directory_ = replacement;
    }
    if (ListDetails.has(ldNewFile))
        AddItem(u'A', QStringLiteral("NEW"), 9, 0, 0, 0, 0, 0);
    if (ListDetails.has(lddesktop))
        AddItem(u'B', QStringLiteral("Desktop"), 45, 0, 0, 0, 0, 0);
    if (isSpecialFile) {
        AddShellItems(rftDesktop);
        return;
    }
    if (ListDetails.has(ldDrives))
        AddDrives();
    if (!TreeView && directory_.size() > 3) {
        AddItem(u'E', QStringLiteral("\\"), 6, 0, 0, 0, 0, 0);
        AddItem(u'F', QStringLiteral(".."), 7, 0, 0, 0, 0, 0);
    }
    if (SearchMode == smNormal) {
        if (ListDetails.has(ldDirectories))
            ScanFolder(directory_, QStringLiteral("*.*"), ScanMode::folders, scanError);
        if (scanError == 0 && ListDetails.has(ldFiles))
            ScanFolder(directory_, fileMask_, ScanMode::files, scanError);
    } else if (ListDetails.has(ldFiles)) {
        SearchTree(directory_, fileMask_, scanError);
    }
}

QString TTreeFileList::ReplacementFolder() const {
    for (char16_t letter = u'C'; letter <= u'Z'; ++letter) {
        if (DriveAllowed[letter - u'A'])
            return QString(QChar(letter)) + QStringLiteral(":\\");
    }
    return {};
}

void TTreeFileList::AddDrives() {
    const std::uint32_t mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((mask & (1u << i)) == 0 || !DriveAllowed[static_cast<size_t>(i)])
            continue;
        const QChar letter(static_cast<char16_t>(u'A' + i));
        const QString root = QString(letter) + QStringLiteral(":\\");
        const unsigned type = GetDriveTypeA(root);
        QString name = QString(textCase_ == tcLowerCase ? letter.toLower() : letter) + u':';
        int icon = 0;
        bool labelled = false;
        switch (type) {
        case DRIVE_REMOVABLE:
            icon = 1;
            break;
        case DRIVE_FIXED:
            icon = 2;
            labelled = true;
            break;
        case DRIVE_REMOTE:
            icon = 3;
            labelled = true;
            break;
        case DRIVE_CDROM:
            icon = 4;
            break;
        case DRIVE_RAMDISK:
            icon = 5;
            labelled = true;
            break;
        default:
            continue;
        }
        QString label;
        if (labelled && GetVolumeInformationA(root, &label, nullptr) && !label.isEmpty())
            name += QStringLiteral(" [") + TextCase::Apply(label, TextCase::LabelCase()) + u']';
        AddItem(u'D', name, icon, 0, 0, 0, 0, 0);
    }
}

void TTreeFileList::ScanFolder(const QString& folder, const QString& mask, ScanMode mode,
                               int& error) {
    const QString limited = mask.left(255);
    for (int n = 1;; ++n) {
        const QString token = GetField(limited, n, QString());
        if (token.isEmpty())
            break;
        TSearchRec s;
        error = FindFirst(JoinPath(folder, token), faAnyFile, s);
        while (error == 0) {
            s.Name = TextCase::Apply(s.Name, textCase_);
            if (mode == ScanMode::folders) {
                if ((s.Attr & faDirectory) != 0)
                    AddFolderEntry(s);
            } else {
                AddFileEntry(s, folder, error);
            }
            if (error == 0)
                error = FindNext(s);
        }
        FindClose(s);
        if (isEmptyResult(error))
            error = 0;
        if (error != 0)
            break;
    }
}

bool TTreeFileList::DescendsInto(const TSearchRec& s) const {
    if (s.Name == QStringLiteral(".") || s.Name == QStringLiteral(".."))
        return false;
    if ((s.Attr & faDirectory) == 0)
        return false;
    return ShowSystemFiles || (s.Attr & (faHidden | faSysFile)) == 0;
}

void TTreeFileList::SearchTree(const QString& folder, const QString& mask, int& error) {
    ScanFolder(folder, mask, ScanMode::files, error);
    if (error != 0)
        return;
    // Depth first and pre-order, with the open folder scans on a stack of their own rather
    // than the call stack; each real folder is entered once, so links that lead back up the
    // tree end.
    struct Frame {
        QString folder;
        TSearchRec scan;
        bool fresh = true; // scan holds a match not yet looked at
    };
    std::set<std::pair<std::uint64_t, std::uint64_t>> visited;
    FileIdentity top;
    if (GetFileIdentity(folder, top))
        visited.insert({top.device, top.inode});
    const QString all = QStringLiteral("*.*");
    std::vector<Frame> stack;
    const auto open = [&](const QString& path) {
        Frame frame;
        frame.folder = path;
        error = FindFirst(JoinPath(path, all), faAnyFile, frame.scan);
        if (error == 0)
            stack.push_back(std::move(frame));
        else if (isEmptyResult(error))
            error = 0;
    };
    open(folder);
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (!frame.fresh) {
            if (error == 0)
                error = FindNext(frame.scan);
            if (error != 0) {
                FindClose(frame.scan);
                if (isEmptyResult(error))
                    error = 0;
                stack.pop_back();
                continue;
            }
        }
        frame.fresh = false;
        frame.scan.Name = TextCase::Apply(frame.scan.Name, textCase_);
        if (!DescendsInto(frame.scan))
            continue;
        FileIdentity id;
        if (FindIdentity(frame.scan, id) && !visited.insert({id.device, id.inode}).second)
            continue;
        const QString sub = JoinPath(frame.folder, frame.scan.Name);
        ScanFolder(sub, mask, ScanMode::files, error);
        if (error == 0)
            open(sub);
    }
}

void TTreeFileList::AddFolderEntry(const TSearchRec& s) {
    if (s.Name == QStringLiteral(".") || s.Name == QStringLiteral(".."))
        return;
    if (!ShowSystemFiles && (s.Attr & faHidden) != 0)
        return;
    QString path = JoinPath(directory_, s.Name);
    if (TreeView)
        path += u'\\';
    AddItem(u'G', path, 8, s.Attr, s.Time, s.Size, 0, TreeLevel);
}

void TTreeFileList::ReportFolder(TSearchRec& s, const QString& path, int& error) {
    if (!OnAddFile)
        return;
    bool ok = true;
    OnAddFile(*this, s, path, ok, error);
    if (!ok || s.Name == QStringLiteral(".") || s.Name == QStringLiteral(".."))
        return;
    QString relative = JoinPath(path, s.Name).mid(directory_.size());
    if (relative.startsWith(u'\\'))
        relative.remove(0, 1);
    s.Name = relative;
    AddFolderEntry(s);
}

void TTreeFileList::AddFileEntry(TSearchRec& s, const QString& path, int& error) {
    if ((s.Attr & faDirectory) != 0) {
        ReportFolder(s, path, error);
        return;
    }
    if ((s.Attr & faVolumeID) != 0)
        return;
    if (!ShowSystemFiles && (s.Attr & (faHidden | faSysFile)) != 0)
        return;
    bool ok = true;
    if (OnAddFile)
        OnAddFile(*this, s, path, ok, error);
    if (!ok)
        return;
    const int icon = ExtensionGroups::IconFor(ExtensionGroups, s.Name);
    if (!ExcludedExtensions.isEmpty() &&
        ExcludedExtensions.contains(asciiUpper(ItemText::ExtractFileExt(s.Name)) + u'|'))
        return;
    AddItem(u'H', JoinPath(path, s.Name), icon, s.Attr, s.Time, s.Size, 0, TreeLevel);
}

void TTreeFileList::InvertFileOrder() {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        orderCounter_ = count - i;
        const QString text = Item(i);
        if (ItemText::Kind(text) != u'H')
            continue;
        PutString(i, BuildItem(u'H', ItemText::StoredName(text), ItemText::Icon(text),
                               ItemText::Attr(text), ItemText::Time(text), ItemText::Size(text),
                               ItemText::Open(text), ItemText::Level(text)));
    }
    SetSorted(false);
    SetSorted(true);
}

void TTreeFileList::SelectFolderLeft(const QString& old) {
    const QString name = TextCase::Apply(old.mid(old.lastIndexOf(u'\\') + 1), textCase_);
    if (name.isEmpty())
        return;
    for (int i = 0; i < Count(); ++i) {
        if (ItemType(i) == u'G' && ItemCaption(i) == name) {
            MakeCurrent(i);
            ScrollToCurrent();
            return;
        }
    }
}

// Navigation.

namespace {

// The folder part of path, without its trailing backslash unless that leaves a drive root.
QString folderAbove(const QString& path) {
    QString folder = path.left(path.lastIndexOf(u'\\') + 1);
    if (folder.size() > 3)
        folder.chop(1);
    return folder;
}

QString withBackslash(const QString& path) {
    return path.endsWith(u'\\') ? path : path + u'\\';
}

} // namespace

void TTreeFileList::SetDirectory(const QString& value) {
    if (value.isEmpty())
        return;
    if (directory_.isEmpty())
        directory_ = value;
    const bool upward = value == QStringLiteral("..") || value == QStringLiteral("\\");
    if (!upward && !DriveAllowedFor(value))
        return;
    UpdateBracket bracket(*this);
    if (Inactive()) {
        directory_ = value;
        return;
    }
    if (TreeView)
        NavigateTree(value);
    else
        ReadDirectory(value);
}

void TTreeFileList::NavigateTree(const QString& value) {
    if (value == QStringLiteral("..")) {
        CollapseFolder();
        --TreeLevel;
        directory_ = folderAbove(directory_);
        return;
    }
    if (value == QStringLiteral("\\")) {
        while (directory_.size() > 3) {
            TreeLevel = 1;
            CollapseFolder();
            directory_ = folderAbove(directory_);
        }
        return;
    }
    const int index = ItemIndex();
    if (Count() > 0 && index >= 0 && ItemType(index) == u'G') {
        if (ItemOpen(index) == 1 && Selected(index)) {
            directory_ = value;
            CollapseFolder();
            directory_ = folderAbove(directory_);
            return;
        }
        if (Selected(index))
            RebuildFolderItem(index, true);
    }
    ReadDirectory(value);
}

void TTreeFileList::RebuildFolderItem(int index, bool open) {
    const QString text = Item(index);
    const bool selected = Selected(index);
    PutString(index, BuildItem(ItemText::Kind(text), withBackslash(ItemPath(index)), open ? 29 : 8,
                               ItemText::Attr(text), ItemText::Time(text), ItemText::Size(text),
                               open ? 1 : 0, ItemText::Level(text)));
    if (selected)
        SetSelected(index, true);
}

void TTreeFileList::CollapseFolder() {
    UpdateBracket bracket(*this);
    const int top = TopIndex();
    const QString folder = withBackslash(directory_.toUpper());
    for (int i = 0; i < Count();) {
        const QString path = ItemPath(i);
        if (!withBackslash(path.toUpper()).contains(folder)) {
            ++i;
            continue;
        }
        if (path.size() == directory_.size()) {
            RebuildFolderItem(i, false);
            ++i;
        } else if (ItemLevel(i) >= TreeLevel) {
            DeleteString(i);
        } else {
            ++i;
        }
    }
    SetTopIndex(top);
}

void TTreeFileList::MarkTreeFolder(const QString& path, bool withTrailing, int& newTop) {
    const QString wanted = path.toUpper();
    for (int i = 0; i < Count(); ++i) {
        if (ItemType(i) != u'G')
            continue;
        const QString itemPath = withTrailing ? ItemPath(i) + u'\\' : ItemPath(i);
        if (itemPath.toUpper() != wanted)
            continue;
        if (ItemOpen(i) == 1) {
            RebuildFolderItem(i, false);
        } else {
            RebuildFolderItem(i, true);
            newTop = i;
        }
        return;
    }
}

void TTreeFileList::RebuildTree() {
    UpdateBracket bracket(*this);
    int newTop = TopIndex();
    const int index = ItemIndex();
    ClearItems();
    QString acc;
    QString rest = directory_;
    TreeLevel = 0;
    const std::uint32_t attr = GetFileAttributesA(rest);
    if (attr == INVALID_FILE_ATTRIBUTES || (attr & faDirectory) == 0)
        rest = rest.left(1) + QStringLiteral(":\\");
    if (rest.size() > 3) {
        for (qsizetype cut = rest.indexOf(u'\\'); cut >= 0; cut = rest.indexOf(u'\\')) {
            acc += rest.left(cut + 1);
            rest = rest.mid(cut + 1);
            SetDirectory(acc);
            MarkTreeFolder(acc, true, newTop);
            ++TreeLevel;
        }
    }
    acc += rest;
    if (!rest.isEmpty()) {
        SetDirectory(acc);
        MarkTreeFolder(acc, false, newTop);
    }
    if (index >= 0 && index < Count() && newTop < Count())
        SetTopIndex(newTop);
}

void TTreeFileList::KeyPress(QChar& key) {
    if (Count() == 0)
        return;
    if (OnKeyPress)
        OnKeyPress(*this, key);
    if (key == QChar(13)) {
        if (OnDblClick)
            OnDblClick(*this);
        return;
    }
    const char16_t code = key.unicode();
    const bool searchable = (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z') ||
                            (code >= u'a' && code <= u'z');
    if (!searchable)
        return;
    const QString letter(key.toUpper());
    const int count = Count();
    // Every item once, starting after the current one and ending with it.
    for (int step = 1; step <= count; ++step) {
        const int i = (ItemIndex() + step) % count;
        const int candidate = i < 0 ? i + count : i;
        if (!ItemCaption(candidate).toUpper().startsWith(letter))
            continue;
        if (MultiSelect) {
            for (int j = 0; j < count; ++j)
                SetSelected(j, false);
            SetSelected(candidate, true);
            SetItemIndex(candidate);
            DoChange();
        } else {
            SetItemIndex(candidate);
        }
        ScrollToCurrent();
        return;
    }
}

void TTreeFileList::SelectionChanged() {
    drawingEnabled_ = false;
    if (MultiSelect) {
        for (int i = 0; i < Count(); ++i) {
            const QChar kind = ItemType(i);
            if (kind != u'D' && kind != u'E' && kind != u'F')
                break;
            if (Selected(i))
                SetSelected(i, false);
        }
    }
    drawingEnabled_ = true;
    DoChange();
}

// Columns.

int TTreeFileList::ColumnWidth(int column) const {
    return column >= 0 && column < 5 ? columnWidths_[static_cast<size_t>(column)] : 0;
}

int TTreeFileList::ZipColumnWidth(int column) const {
    return column >= 0 && column < 7 ? zipColumnWidths_[static_cast<size_t>(column)] : 0;
}

void TTreeFileList::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= 5)
        return;
    width = std::max(width, 0);
    if (column == 0)
        width = std::max(width, 30);
    columnWidths_[static_cast<size_t>(column)] = width;
    UpdateHorizontalExtent();
}

int TTreeFileList::TextWidthOf(const QString& text) const {
    return TextWidth ? TextWidth(text) : 7 * static_cast<int>(text.size());
}

void TTreeFileList::UpdateHorizontalExtent() {
    int extent = 0;
    if (fileDetails_ == TFileDetails{fdName}) {
        for (int i = 0; i < Count(); ++i) {
            extent = TextWidthOf(ItemCaption(i)) + 20;
            if (extent > ClientWidth)
                break;
        }
    } else {
        const TFileDetail columns[] = {fdName, fdSize, fdDate, fdTime, fdAttr};
        for (int i = 0; i < 5; ++i) {
            if (fileDetails_.has(columns[i]))
                extent += ColumnWidth(i);
        }
    }
    horizontalExtent_ = extent;
}

QString TTreeFileList::ShortenedPath(const QString& path, int limit, int margin) const {
    QString text = path;
    while (!text.isEmpty() && TextWidthOf(text) + margin > limit)
        text.remove(0, 1);
    return text;
}

std::array<QString, 5> TTreeFileList::DetailTexts(int index) const {
    std::array<QString, 5> texts;
    if (OnAddFile) {
        const int limit =
            Header && !Header->SectionWidths.empty() ? Header->SectionWidths[0] : ColumnWidth(0);
        texts[0] = ShortenedPath(ItemPath(index), limit, 30);
    } else {
        texts[0] = ItemCaption(index);
    }
    texts[1] = GroupThousands(ItemSize(index));
    const DetailFormat::DateTimeTexts when = DetailFormat::DateAndTime(ItemTime(index));
    texts[2] = when.date;
    texts[3] = when.time;
    texts[4] = AttrLetters(ItemAttr(index));
    return texts;
}

QString TTreeFileList::GroupThousands(qint64 n) {
    return DetailFormat::GroupThousands(n);
}

QString TTreeFileList::AttrLetters(int attr) {
    return DetailFormat::AttrLetters(attr);
}

void TTreeFileList::SetFont(int pixelHeight, int pointSize) {
    fontHeight_ = pixelHeight;
    fontPointSize_ = pointSize;
    UpdateItemHeight();
}

void TTreeFileList::UpdateItemHeight() {
    int height = std::max(18, 2 * std::abs(fontHeight_) - std::abs(fontPointSize_));
    if (height % 2 != 0)
        --height;
    ItemHeight = height;
}

// Archive items.

QString TTreeFileList::BuildZipItem(QChar kind, const QString& name, int icon, int attr,
                                    int compressed, int uncompressed, int dateTime) const {
    QString criterion;
    switch (zipSortBy_) {
    case sbZipName:
        criterion = QStringLiteral("00000000000");
        break;
    case sbZipType:
        criterion = ItemText::ExtractFileExt(name).left(15).leftJustified(11, u'0');
        break;
    case sbCompSize:
        criterion = ItemText::PadNumber(compressed, 11);
        break;
    case sbOrigSize:
        criterion = ItemText::PadNumber(uncompressed, 11);
        break;
    case sbZipDate:
        criterion = ItemText::PadNumber(dateTime, 11);
        break;
    }
    int percent = 0;
    if (uncompressed > 0) {
        const qint64 saved = 100 - static_cast<qint64>(compressed) * 100 / uncompressed;
        percent = static_cast<int>(static_cast<std::uint8_t>(saved & 0xFF));
    }
    return kind + (ItemText::PadNumber(orderCounter_, 4) + criterion).left(15) + name + u'|' +
           QChar(static_cast<char16_t>(icon)) + ItemText::PadNumber(compressed, 11) +
           ItemText::PadNumber(uncompressed, 11) + ItemText::PadNumber(dateTime, 11) +
           ItemText::PadNumber(percent, 3) + ItemText::PadNumber(attr, 6);
}

int TTreeFileList::ZipCompressed(int index) const {
    const QString text = Item(index);
    return ItemText::NumberAt(text, ItemText::Bar(text) + 2, 11);
}

int TTreeFileList::ZipUncompressed(int index) const {
    const QString text = Item(index);
    return ItemText::NumberAt(text, ItemText::Bar(text) + 13, 11);
}

int TTreeFileList::ZipDateTime(int index) const {
    const QString text = Item(index);
    return ItemText::NumberAt(text, ItemText::Bar(text) + 24, 11);
}

int TTreeFileList::ZipPercent(int index) const {
    const QString text = Item(index);
    return ItemText::NumberAt(text, ItemText::Bar(text) + 35, 3);
}

int TTreeFileList::ZipAttr(int index) const {
    const QString text = Item(index);
    return ItemText::NumberAt(text, ItemText::Bar(text) + 38, 6);
}

void TTreeFileList::SetZipSortBy(TZipListSortTypes value) {
    zipSortBy_ = value;
    UpdateBracket bracket(*this);
    SetSorted(false);
    for (int i = 0; i < Count(); ++i) {
        const QString text = Item(i);
        PutString(i, BuildZipItem(ItemText::Kind(text), ItemText::StoredName(text),
                                  ItemText::Icon(text), ZipAttr(i), ZipCompressed(i),
                                  ZipUncompressed(i), ZipDateTime(i)));
    }
    SetSorted(true);
}

// Remote listings.

void TTreeFileList::LoadRemoteListing() {
    ClearItems();
    QFile file(hostFileOf(ftpTempFile_));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    AddItem(u'E', QStringLiteral("\\"), 6, 0, 0, 0, 0, 0);
    AddItem(u'F', QStringLiteral(".."), 7, 0, 0, 0, 0, 0);
    const QDate today = QDate::currentDate();
    while (!file.atEnd()) {
        const QString line = QString::fromLocal8Bit(file.readLine()).remove(u'\n').remove(u'\r');
        const RemoteListingLine entry = RemoteListingLine::Parse(line, today, ExtensionGroups);
        if (entry.failed)
            return; // the entries read so far stay
        if (!entry.listed)
            continue;
        const QString ext = ItemText::ExtractFileExt(entry.name).toUpper();
        const QString mask = fileMask_.toUpper();
        const bool maskAllows =
            mask.contains(QStringLiteral("*.*")) || (!ext.isEmpty() && mask.contains(ext));
        if (maskAllows || entry.icon == 8)
            AddItem(entry.kind, entry.name, entry.icon, 0, entry.time, entry.size, 0, 0);
    }
}

// Shell items.

void TTreeFileList::LoadRootFolder() {
    UpdateBracket bracket(*this);
    AddShellItems(treeRootFolder_);
}

void TTreeFileList::AddShellItems(TTreeRootFolder folder) {
    for (const SpecialFolders::Item& item : SpecialFolders::Items(folder)) {
        const int index = SystemImages ? SystemImages->IndexFor(item.hostPath, item.iconName) : 0;
        AddItem(u'I', item.displayName, (index + 74) % 256, 0, 0, 0, 0, 0);
    }
}

} // namespace kestrom
