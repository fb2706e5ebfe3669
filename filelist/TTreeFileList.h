#pragma once

#include "filelist/FileListTypes.h"
#include "filelist/TExtStringList.h"
#include "filelist/TSortedListBox.h"
#include "platform/DirectorySearch.h"

#include <QChar>
#include <QString>

#include <array>
#include <functional>

namespace kestrom {

class TTreeFileList;
class SystemIconTable;

using TNotifyEvent = std::function<void(TTreeFileList& sender)>;
// Called for every file (and, while assigned, every folder matching the mask) a listing
// meets. OK false leaves the entry out; a non-zero Error ends the folder scan.
using TAddFileEvent = std::function<void(TTreeFileList& sender, TSearchRec& S, const QString& Path,
                                         bool& OK, int& Error)>;
using TKeyPressEvent = std::function<void(TTreeFileList& sender, QChar& key)>;

// The header control's sections as the list reads them.
struct THeader {
    std::vector<int> SectionWidths;
    int Left = 0;
    int Width = 0;
};

// The file list: drives, the root and parent entries, folders and files of one folder (or the
// whole tree below it), a remote listing, archive entries or shell items, each item's data
// packed into its text.
class TTreeFileList : public TSortedListBox {
public:
    TTreeFileList();
    ~TTreeFileList() override;
    TTreeFileList(const TTreeFileList&) = delete;
    TTreeFileList& operator=(const TTreeFileList&) = delete;

    // Events.
    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;
    TAddFileEvent OnAddFile;
    TKeyPressEvent OnKeyPress;

    // Properties.
    const QString& Directory() const { return directory_; }
    void SetDirectory(const QString& value);
    const QString& FileMask() const { return fileMask_; }
    void SetFileMask(const QString& value);
    const QString& FTPTempFile() const { return ftpTempFile_; }
    void SetFTPTempFile(const QString& value);
    TTreeFileListOrder ListOrder = flNormal;
    TTreeFileListSortTypes SortBy = sbName;
    TZipListSortTypes ZipSortBy() const { return zipSortBy_; }
    void SetZipSortBy(TZipListSortTypes value);
    bool ShowSystemFiles = false;
    TTreeTextCase TextCase() const { return textCase_; }
    void SetTextCase(TTreeTextCase value);
    TFileDetails FileDetails() const { return fileDetails_; }
    void SetFileDetails(TFileDetails value);
    TZipDetails ZipDetails() const { return zipDetails_; }
    void SetZipDetails(TZipDetails value);
    TListDetails ListDetails{ldDrives, ldSystemDirectories, ldDirectories, ldFiles};
    TTreeSearchModeTypes SearchMode = smNormal;
    int ListCount() const { return listCount_; }
    int ListSize() const { return listSize_; }
    int LastError() const { return lastError_; }
    int BusyCursor = -11; // the hourglass
    bool TreeView = false;
    bool IsZipFile = false;
    bool IsFtpFile = false;
    bool isSpecialFile = false;
    THeader* Header = nullptr;
    quint32 HighlightFG() const { return highlightFG_; }
    void SetHighlightFG(quint32 colour);
    quint32 HighlightBG() const { return highlightBG_; }
    void SetHighlightBG(quint32 colour);
    TTreeRootFolder TreeRootFolder() const { return treeRootFolder_; }
    void SetTreeRootFolder(TTreeRootFolder value);

    // Public fields the windows use directly.
    std::array<bool, 26> DriveAllowed{};
    QString ExcludedExtensions;
    SystemIconTable* SystemImages = nullptr; // shared, not owned
    int TreeLevel = 0;
    TExtStringList ExtensionGroups;
    // Measures a text in the control's font (pixels); the widget supplies it.
    std::function<int(const QString&)> TextWidth;
    int ClientWidth = 117;
    // Repaints asked for since creation; the widget repaints on each.
    int RepaintCount() const { return repaintCount_; }

    // Item accessors; an index outside the list gives the empty or zero result.
    QChar ItemType(int index) const;
    QString ItemPath(int index) const;
    QString ItemCaption(int index) const;
    int ItemIcon(int index) const;
    int ItemAttr(int index) const;
    int ItemTime(int index) const;
    int ItemSize(int index) const;
    int ItemOpen(int index) const;
    int ItemLevel(int index) const;
    // The real kind of an item in tree view; 0 outside the list.
    QChar TreeItemType(int index) const;

    void Rescan();
    int OpenFolder(const QString& mask, const QString& folder);
    void RebuildTree();
    void CollapseFolder();

    // Archive items.
    QString BuildZipItem(QChar kind, const QString& name, int icon, int attr, int compressed,
                         int uncompressed, int dateTime) const;
    int ZipCompressed(int index) const;
    int ZipUncompressed(int index) const;
    int ZipDateTime(int index) const;
    int ZipPercent(int index) const;
    int ZipAttr(int index) const;

    // Columns.
    int ColumnWidth(int column) const;
    int ZipColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    int HorizontalExtent() const { return horizontalExtent_; }
    void UpdateHorizontalExtent();
    std::array<QString, 5> DetailTexts(int index) const;
    static QString GroupThousands(qint64 n);
    static QString AttrLetters(int attr);
    // Font height in pixels and point size of the control's font.
    void SetFont(int pixelHeight, int pointSize);
    void UpdateItemHeight();

    // Input the widget forwards.
    void KeyPress(QChar& key);
    void SelectionChanged();
    bool DrawingEnabled() const { return drawingEnabled_; }

    // Form loading: properties only store their values until Loaded.
    void BeginLoading() { loading_ = true; }
    void Loaded();

    virtual void DoChange();

private:
    enum class ScanMode { folders, files, recursive };

    QString BuildItem(QChar kind, const QString& name, int icon, int attr, int time, int size,
                      int open, int level) const;
    QString SortKey(const QString& name, int size, int time) const;
    bool AddItem(QChar kind, const QString& name, int icon, int attr, int time, int size, int open,
                 int level);
    void ReadDirectory(const QString& target);
    void ListEntries(int& scanError);
    bool DriveAllowedFor(const QString& path) const;
    QString ReplacementFolder() const;
    void AddDrives();
    void ScanFolder(const QString& folder, const QString& mask, ScanMode mode, int& error);
    void SearchTree(const QString& folder, const QString& mask, int& error);
    void AddFolderEntry(const TSearchRec& s);
    void AddFileEntry(TSearchRec& s, const QString& path, int& error);
    void ReportFolder(TSearchRec& s, const QString& path, int& error);
    bool DescendsInto(const TSearchRec& s) const;
    void InvertFileOrder();
    void SelectFolderLeft(const QString& old);
    void MakeCurrent(int index);
    void ScrollToCurrent();
    void NavigateTree(const QString& value);
    void MarkTreeFolder(const QString& path, bool withBackslash, int& newTop);
    void RebuildFolderItem(int index, bool open);
    void LoadRemoteListing();
    void LoadRootFolder();
    void AddShellItems(TTreeRootFolder folder);
    bool Inactive() const { return loading_ || !Enabled; }
    int TextWidthOf(const QString& text) const;
    QString ShortenedPath(const QString& path, int limit, int margin) const;
    void Repaint() { ++repaintCount_; }

    QString directory_;
    QString fileMask_ = QStringLiteral("*.*");
    QString ftpTempFile_;
    TZipListSortTypes zipSortBy_ = sbZipName;
    TTreeTextCase textCase_ = tcLowerCase;
    TFileDetails fileDetails_{fdName};
    TZipDetails zipDetails_{zdName};
    TTreeRootFolder treeRootFolder_ = rftDesktop;
    quint32 highlightFG_ = 0x80000000u | 14; // highlight text
    quint32 highlightBG_ = 0x80000000u | 13; // highlight
    int lastError_ = 0;
    int listCount_ = 0;
    int listSize_ = 0;
    int orderCounter_ = 0;
    int horizontalExtent_ = 0;
    int fontHeight_ = 13;
    int fontPointSize_ = 10;
    std::array<int, 5> columnWidths_{150, 75, 70, 90, 45};
    std::array<int, 7> zipColumnWidths_{150, 65, 65, 35, 65, 50, 35};
    bool drawingEnabled_ = true;
    bool loading_ = false;
    int repaintCount_ = 0;
    mutable QChar treeTypeLetter_ = u'D';
};

} // namespace kestrom
